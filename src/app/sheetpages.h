// The printed exercise sheet and its key, painted page by page on A4: text
// stays text and the figures vector drawings.
#pragma once

#include "sheets/sheet.h"

class QPrinter;

namespace app {

// What is painted: the sheet to hand out, the key, or both (the key starting
// on a page of its own).
enum class SheetPart { Exercises, Key, Both };

// Paints `sheet` on `printer` (set up by ui::setUpPages): the title, the lines
// for name, class and date and the instructions, then every exercise whole on
// one page with its figure and ruled space to work in; the key with each
// exercise's worked solution and results. False when the printer could not
// start.
bool paintSheet(const sheets::Sheet &sheet, QPrinter &printer, SheetPart part = SheetPart::Both);

} // namespace app
