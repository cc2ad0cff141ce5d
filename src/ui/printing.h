// Printing a screen: the print preview on the default printer, or a PDF file
// when there is no printer, and the drawing of a window on a page.
#pragma once

#include <QString>

#include <functional>

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

// A document of several pages that paints itself on the printer it is given
// (set up for A4 before the call): false when the printer could not start.
struct Pages {
    QString title;    // the document's name, the preview's caption
    QString fileName; // offered when saved as PDF: "Scheda 1234.pdf"
    std::function<bool(QPrinter &)> paint;
};

// A4 portrait, as every document of pages is printed.
void setUpPages(QPrinter &printer, const Pages &pages);

// Shows the pages in a print preview, whose print button prints them.
void previewPages(QWidget *parent, const Pages &pages);

// Prints the pages: the print dialog of the default printer; without a
// printer, the offer to save them as a PDF file named `pages.fileName`.
void printPages(QWidget *parent, const Pages &pages);

// Writes the pages as a PDF file, text as text and drawings as vectors.
bool savePages(const Pages &pages, const QString &path);

} // namespace ui
