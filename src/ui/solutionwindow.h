// The worked solution of a solver screen's last press ("Svolgimento"), in a
// window of its own beside the screen: it follows each new press, its text
// can be selected and copied, and it prints as a one-page worksheet.
#pragma once

#include <QStringList>
#include <QWidget>

#include <functional>

class QPlainTextEdit;
class QPushButton;

namespace ui {

class SolutionWindow : public QWidget {
    Q_OBJECT
public:
    // `caption`: the screen's caption; `print` prints the worksheet.
    SolutionWindow(const QString &caption, std::function<void()> print, QWidget *parent = nullptr);

    void setLines(const QStringList &lines);
    QString text() const;

    // Copies the whole solution to the clipboard.
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
    std::function<void()> m_printWorksheet;
};

// The one-page worksheet: the screen's caption, its figure, the solution and
// the results, laid out as a page to print. Titled "<caption> – svolgimento".
QWidget *makeWorksheet(const QString &caption, const QString &pictureAsset,
                       const QStringList &lines, const QList<QPair<QString, QString>> &results);

} // namespace ui
