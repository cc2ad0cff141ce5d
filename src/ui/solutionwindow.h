// The worked solution of a solver screen's last press ("Svolgimento"), in a
// window of its own beside the screen: it follows each new press, its text
// can be selected and copied, and it prints as a one-page worksheet, either
// the exercise to hand out ("Testo") or its answer key ("Soluzione").
#pragma once

#include "geometry/view.h"

#include <optional>

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QWidget>

#include <functional>

class QPlainTextEdit;
class QPushButton;

namespace ui {

// The two worksheets of a press: the exercise with its figure and ruled space
// to work it out, or the exercise with the steps and the results.
enum class Worksheet { Testo, Soluzione };

// A result as the worksheet lists it: "Diametro", "d", "12".
struct WorksheetResult {
    QString words;
    QString symbol;
    QString value;
};

// What a worksheet holds, from the last press.
struct WorksheetContent {
    QString subject;   // the solid, as the title names it
    QString exercise;  // the exercise in words; empty before a press with data
    QByteArray figure; // the SVG with the data beside their letters; empty: none
    // The computed solid, drawn in the figure's place at the turn it is seen
    // from on screen, when the screen shows it ("Figura 3D").
    std::optional<geometry::Scene> solid;
    geometry::Camera camera;
    QStringList lines; // the worked solution
    QList<WorksheetResult> results;
};

// The text "Copia" puts on the clipboard: the exercise, the steps and the
// results, ending with a newline.
QString worksheetText(const WorksheetContent &content);

class SolutionWindow : public QWidget {
    Q_OBJECT
public:
    // `caption`: the screen's caption; `print` prints the worksheet chosen
    // under "Stampa".
    SolutionWindow(const QString &caption, std::function<void(Worksheet)> print,
                   QWidget *parent = nullptr);

    void setLines(const QStringList &lines);
    // The lines shown, and the exercise and results "Copia" adds to them.
    void setContent(const WorksheetContent &content);
    QString text() const;

    // Copies the exercise, the solution and the results to the clipboard.
    void copy() const;

    static QString title(const QString &caption);

    // The narrowest window whose lines still read comfortably.
    int readableWidth() const;

    // Where a window frame of size `frame` goes beside the frame `solver`,
    // within `room` (the available area of the screen): on the side with
    // more room, as wide as that side allows but no wider than `frame`; when
    // neither side holds `readable` pixels, where it covers the least of the
    // solver (narrowed down to `readable` when that covers less). Always fully inside `room`, its height capped to it.
    static QRect besidePlace(const QRect &solver, QSize frame, const QRect &room, int readable);
    // Shown before the first press.
    static QString nothingYet();

private:
    QPlainTextEdit *m_text;
    QPushButton *m_copy;
    QPushButton *m_print;
    std::function<void(Worksheet)> m_printWorksheet;
    WorksheetContent m_content;
};

// The one-page worksheet as a page to print (A4 in proportion): the lines for
// name, class and date, the solid, the exercise; then the figure and ruled
// space ("Testo"), or the steps beside the figure and the results aligned on
// their "=" ("Soluzione"). Titled "<solid> – testo" or "<solid> – soluzione";
// it draws its own heading (paintWindow adds none).
QWidget *makeWorksheet(const WorksheetContent &content, Worksheet version);

} // namespace ui
