// The elementary solids, one source each.
#pragma once

#include "solids/solids.h"

namespace solids {

solver::SolverScreen cube();
solver::SolverScreen cylinder();
solver::SolverScreen equilateralCylinder();
solver::SolverScreen truncatedCone();
solver::SolverScreen cone();
solver::SolverScreen parallelepiped();

} // namespace solids
