// The pyramids, one source each; the pentagonal and hexagonal screens share one.
#pragma once

#include "solids/solids.h"

namespace solids {

solver::SolverScreen squarePyramid();
solver::SolverScreen rectangularPyramid();
solver::SolverScreen trapezoidPyramid();
solver::SolverScreen triangularPyramid();
solver::SolverScreen pentagonalPyramid();
solver::SolverScreen hexagonalPyramid();
solver::SolverScreen truncatedSquarePyramid();

} // namespace solids
