// Small widgets the screens are made of: buttons with a keyboard letter,
// clickable labels, labels showing a value, and pictures.
#pragma once

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

class QSvgRenderer;

namespace ui {

// A caption as a screen reader should say it (solver::spokenName): blanks
// collapsed and the trailing "=" of a result caption dropped
// ("Spigolo (s)     =" -> "Spigolo (s)").
QString spokenName(const QString &caption);

// A push button that Enter presses when it has the focus, and that can carry
// an Alt+letter shortcut shown underlined without changing its text.
class Button : public QPushButton {
    Q_OBJECT
public:
    explicit Button(const QString &text, QWidget *parent = nullptr);
    // Underlines the letter at `index` of the text and makes Alt+letter press
    // the button; -1 takes the shortcut away.
    void setMnemonic(int index);
    // The letter of the shortcut, lower case; null when there is none.
    QChar mnemonic() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_mnemonic = -1;
};

// A label showing plain text that reports clicks.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString &text, QWidget *parent = nullptr);
    // The name a screen reader gives it: the accessible name when one is set,
    // otherwise the text as spoken.
    virtual QString spokenName() const;
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A label that shows a result or the formulas: reached with Tab, selected
// whole on a double click, copied with Ctrl+C or its "Copia" menu. It is named
// after the caption beside it, and its text is its value.
class ValueLabel : public ClickLabel {
    Q_OBJECT
public:
    explicit ValueLabel(QWidget *parent = nullptr);
    // The label naming this value; `fallback` names it while that one is empty.
    void setCaption(QLabel *caption, const QString &fallback);
    QString spokenName() const override;
    void selectAll();
    void copy() const;
    // Keeps room for a text as wide as `sample` in the label's own font,
    // whatever it shows, so that such a text never scrolls inside the box.
    void reserveRoomFor(const QString &sample);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void focusInEvent(QFocusEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    int reservedWidth() const;

    QPointer<QLabel> m_caption;
    QString m_fallback;
    QString m_sample;
};

// A picture drawn from an SVG asset, keeping its proportions; reports clicks.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(const QString &asset, QSize size, QWidget *parent = nullptr);
    QString asset() const { return m_asset; }
    QSize sizeHint() const override { return m_size; }
    // What the picture shows, in words: the <desc> of the SVG, else its <title>.
    QString description() const;
signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QSvgRenderer *renderer() const;

    QString m_asset;
    QSize m_size;
    mutable QSvgRenderer *m_renderer = nullptr;
};

// The words an SVG file gives about itself (<desc>, else <title>); empty when
// it has neither.
QString svgDescription(const QString &path);

} // namespace ui
