// A top-level screen of the program: named, shown and hidden by the shell.
#pragma once

#include "widgets.h"

#include <QHash>
#include <QMargins>
#include <QPointer>
#include <QWidget>

#include <stdexcept>

class QPushButton;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QScrollArea;

namespace ui {

class Button;
class ClickLabel;
class PictureBox;
class ValueLabel;

// Show, hide, print and end: what the screens ask of the shell.
class Navigator {
public:
    virtual ~Navigator() = default;
    // Where a screen shown for the first time is placed, next to the screen
    // that opens it: over it (it replaces the opener) or beside it.
    enum class Placement { Over, Beside };
    virtual void show(const QString &screen, const QWidget *opener = nullptr,
                      Placement placement = Placement::Over) = 0;
    virtual void hide(const QString &screen) = 0;
    virtual void print(const QString &screen) = 0;
    virtual void endProgram() = 0;
    // True when a screen of that name can be shown.
    virtual bool exists(const QString &screen) const = 0;
    // The window caption of a solver screen (empty for others).
    virtual QString caption(const QString &screen) const = 0;
    virtual bool ending() const = 0;
};

class ScreenWindow : public QWidget {
    Q_OBJECT
public:
    ScreenWindow(const QString &name, const QString &caption, Navigator &navigator);
    QString screenName() const { return objectName(); }

    // Called once the screen's controls are all made: gives the buttons their
    // Alt+letter shortcuts, no letter twice in one window, the common
    // buttons' initials first. The letters of the captions that carry one
    // ("&Unità:") are never given to a button.
    void finishControls();

    // The widget the screen's layout lives on; it scrolls inside the window
    // when the window is smaller than the content.
    QWidget *content() const { return m_content; }

    // A control the screen declared, by name; null for any other name (Qt's
    // own children, such as a scroll area's viewport, are no controls).
    QWidget *declaredControl(const QString &name) const { return m_controls.value(name); }
    QSize sizeHint() const override;
    // The window size that shows the whole content, or as much of it as
    // `room` holds (with scroll bars where it does not).
    QSize fittingSize(QSize room) const;

    // The room a window manager takes around a window (title bar and
    // borders), measured once the window is shown, assumed before.
    QMargins decoration() const;

    // Grows a shown window until its whole content shows, within the
    // available area of its screen, keeping its top-left corner where the
    // screen lets it; it scrolls only when the screen is too small. Runs by
    // itself whenever the content asks for more room (a caption, a result or
    // a formula text changed); a window is never shrunk here.
    void fitContent();

protected:
    // The window's own close control: screens go back as "Ritorna" does.
    virtual void closeRequested() = 0;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // Controls carrying their names and plain-text captions.
    Button *button(const QString &name, const QString &text);
    ClickLabel *label(const QString &name, const QString &text);
    // A result or formula label, named after `caption` (`fallback` while the
    // caption is empty).
    ValueLabel *valueLabel(const QString &name, QLabel *caption, const QString &fallback);
    QCheckBox *checkBox(const QString &name, const QString &text);
    QLineEdit *textBox(const QString &name, const QString &text);
    QRadioButton *option(const QString &name, const QString &text);
    // A pick list, named for screen readers by its caption ("&Unità:" is
    // read "Unità"), described by `tip`, which is its tooltip too.
    QComboBox *comboBox(const QString &name, const QString &caption, const QString &tip);
    // `description` names the picture when its SVG does not describe itself.
    PictureBox *picture(const QString &name, const QString &asset, QSize size,
                        const QString &description);

    // A control of a kind the helpers above do not make (a spin box), made
    // on content(), named and declared; `spoken` is its name for screen readers.
    template <class T> T *declared(T *widget, const QString &name, const QString &spoken)
    {
        declare(widget, name, spoken);
        return widget;
    }

    // A button whose Alt letter is the same on every screen: its text's
    // first letter, taken before any other button chooses.
    Button *steadyButton(const QString &name, const QString &text);

    // Common buttons.
    QPushButton *esci(const QString &name, const QString &text = QStringLiteral("Esci"));
    QPushButton *stampa(const QString &name);
    QPushButton *ritorna(const QString &name, const QString &parent);

    // Hide this screen and show another one.
    void goTo(const QString &screen);

    // A control made by the helpers above, by name. An undeclared name is a
    // programming error: it throws std::logic_error, never passes silently.
    QWidget *control(const QString &name) const;
    template <class T> T *control(const QString &name) const
    {
        auto *c = qobject_cast<T *>(control(name));
        if (!c)
            throw std::logic_error(
                ("control " + name + " of " + objectName() + " is not of the kind used")
                    .toStdString());
        return c;
    }
    bool hasControl(const QString &name) const { return m_controls.contains(name); }

    Navigator &nav;

private:
    template <class T> T *named(T *widget, const QString &name);
    void declare(QWidget *widget, const QString &name, const QString &spoken);
    QHash<QString, QWidget *> m_controls;
    QWidget *m_content = nullptr;
    QScrollArea *m_scroll = nullptr;
    // The common buttons, which keep their initials as shortcuts.
    QList<QPointer<Button>> m_common;
    QList<QPointer<Button>> m_steady;
    QPointer<QPushButton> m_ritorna;
};

} // namespace ui
