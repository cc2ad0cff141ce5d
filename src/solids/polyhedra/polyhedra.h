// The regular polyhedra: four solids on one screen.
#pragma once

#include "solids/solids.h"

namespace solids {

solver::SolverScreen regularPolyhedra();

} // namespace solids
