// A top-level screen of the program: named, shown and hidden by the shell.
#pragma once

#include <QHash>
#include <QWidget>

#include <stdexcept>

class QPushButton;
class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace ui {

class ClickLabel;
class PictureBox;

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
    virtual bool ending() const = 0;
};

class ScreenWindow : public QWidget {
    Q_OBJECT
public:
    ScreenWindow(const QString &name, const QString &caption, Navigator &navigator);
    QString screenName() const { return objectName(); }

protected:
    // The window's own close control: screens go back as "Ritorna" does.
    virtual void closeRequested() = 0;
    void closeEvent(QCloseEvent *event) override;

    // Controls carrying their names and plain-text captions.
    QPushButton *button(const QString &name, const QString &text);
    ClickLabel *label(const QString &name, const QString &text);
    QCheckBox *checkBox(const QString &name, const QString &text);
    QLineEdit *textBox(const QString &name, const QString &text);
    QRadioButton *option(const QString &name, const QString &text);
    PictureBox *picture(const QString &name, const QString &asset, QSize size,
                        const QString &description);

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
            throw std::logic_error(("control " + name + " of " + objectName()
                                    + " is not of the kind used").toStdString());
        return c;
    }
    bool hasControl(const QString &name) const { return m_controls.contains(name); }

    Navigator &nav;

private:
    template <class T> T *named(T *widget, const QString &name);
    QHash<QString, QWidget *> m_controls;
};

} // namespace ui
