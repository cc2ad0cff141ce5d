// Printing a screen: the print preview on the default printer, or a PDF file
// when there is no printer, and the drawing of a window on a page.
#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace ui {

// Prints the image of a screen's window: the preview of the default printer,
// whose print button opens the print dialog; without a printer, the offer to
// save the page as a PDF file.
void printWindow(QWidget *window, const QString &screen);

// Draws a window on a printer page: its caption as a heading, then its
// controls drawn again at the printer's resolution (text stays text and
// pictures stay vector drawings), about the size it has on screen, smaller
// if it does not fit. The caption is also the document's title. A window whose
// property "printsOwnHeading" is true (a worksheet) gets no heading: it is a
// page of its own, and fills the paper within margins of 15 mm.
// Returns false when the printer could not be started.
bool paintWindow(QWidget *window, QPrinter &printer);

// The file offered when a window is saved as PDF: "<caption>.pdf" in the
// user's documents folder (the home folder when there is none).
QString suggestedPdfPath(const QWidget *window, const QString &screen);

} // namespace ui
