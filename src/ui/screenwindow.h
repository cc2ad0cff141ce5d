// A top-level screen of the program: named, shown and hidden by the shell.
#pragma once

#include <QWidget>

class QPushButton;
class QCheckBox;
class QLineEdit;

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
    PictureBox *picture(const QString &name, const QString &asset, QSize size,
                        const QString &description);

    // Common buttons.
    QPushButton *esci(const QString &name, const QString &text = QStringLiteral("Esci"));
    QPushButton *stampa(const QString &name);
    QPushButton *ritorna(const QString &name, const QString &parent);

    // Hide this screen and show another one.
    void goTo(const QString &screen);

    Navigator &nav;
};

} // namespace ui
