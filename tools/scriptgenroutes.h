// The ways through the menus to every screen, found by clicking the real
// menus (and the buttons of solver screens that open another screen) in fresh
// runners, for the script generator. Needs a QApplication.
#pragma once

#include "scriptgen.h"

namespace scriptgen {

// Every hop found: the steps on one screen that show another, in the order of
// the screens' names and then of their controls' names.
std::vector<Hop> findHops();

// Routes from the main menu "Form1" to each screen of `catalogue`: the
// shortest way to the screen a hop starts from, then each hop into it.
Routes routesFrom(const std::vector<Hop> &hops, const Catalogue &catalogue);

} // namespace scriptgen
