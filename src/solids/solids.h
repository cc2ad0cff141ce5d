// Every solver screen of the program, by screen name.
#pragma once

#include "solver/screen.h"

#include <string>
#include <vector>

namespace solids {

// The screen's description, or nullptr when no such solver screen is built.
const solver::SolverScreen *find(const std::string &name);

// The names of every solver screen built.
std::vector<std::string> names();

// One function per screen source.
const solver::SolverScreen &cube();
const solver::SolverScreen &cylinder();
const solver::SolverScreen &equilateralCylinder();
const solver::SolverScreen &truncatedCone();
const solver::SolverScreen &cone();
const solver::SolverScreen &parallelepiped();

} // namespace solids
