// The main menu and the four sub-menus, as data.
#pragma once

#include "solver/menu.h"

#include <string>
#include <vector>

namespace solids {

// Form1, form5, Form13, Form14, Form29, in this order.
const std::vector<solver::Menu> &menus();

// The menu of that name, or nullptr.
const solver::Menu *findMenu(const std::string &name);

} // namespace solids
