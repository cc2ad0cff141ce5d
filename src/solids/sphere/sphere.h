// The sphere and its parts, one source each.
#pragma once

#include "solids/solids.h"

namespace solids {

solver::SolverScreen sphere();
solver::SolverScreen sphericalCap();
solver::SolverScreen sphericalZone();
solver::SolverScreen sphericalWedge();

} // namespace solids
