// What assistive technology reads from the program's own widgets: labels by
// the words they show, results and formulas as a name (the caption beside
// them) and a value (the number or formula text), pictures by what they show.
#pragma once

namespace ui {

// Installs the accessibility factory for the program's widgets (once).
void installAccessibility();

} // namespace ui
