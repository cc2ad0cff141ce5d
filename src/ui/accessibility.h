// What assistive technology reads from the program's own widgets: labels by
// the words they show, results and formulas as a name (the caption beside
// them) and a value (the number or formula text), pictures by what they show.
#pragma once

#include <QLabel>

class QWidget;
class QString;

namespace ui {

// A line of text that screen readers announce each time it says something
// new, as a live region: a notification named by its text. Hidden while it
// has nothing to say. The hint under a solver screen's solving buttons.
class LiveLabel : public QLabel {
    Q_OBJECT
public:
    explicit LiveLabel(QWidget *parent = nullptr);
    // Shows `text` (collapses the line when empty) and announces it.
    void setLiveText(const QString &text);
    // Whether the line shows words: visible, not empty, not collapsed.
    bool isShown() const;
signals:
    // Sent with each new text announced, as the accessibility events go out.
    void announced(const QString &text);

private:
    void collapse(bool empty);
};

// A picture is named by the <desc> or <title> of its SVG, read when first
// asked for; `name` names it when the SVG has neither.
void setPictureFallbackName(QWidget *picture, const QString &name);

// Installs the accessibility factory for the program's widgets (once).
void installAccessibility();

} // namespace ui
