// What assistive technology reads from the program's own widgets: labels by
// the words they show, results and formulas as a name (the caption beside
// them) and a value (the number or formula text), pictures by what they show.
#pragma once

class QWidget;
class QString;

namespace ui {

// A picture is named by the <desc> or <title> of its SVG, read when first
// asked for; `name` names it when the SVG has neither.
void setPictureFallbackName(QWidget *picture, const QString &name);

// Installs the accessibility factory for the program's widgets (once).
void installAccessibility();

} // namespace ui
