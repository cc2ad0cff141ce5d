// The main menu and the four sub-menus.
#pragma once

#include "solver/menu.h"
#include "ui/screenwindow.h"

#include <QMap>

#include <functional>

class QGridLayout;
class QVBoxLayout;

namespace app {

using Factory = std::function<ui::ScreenWindow *(ui::Navigator &)>;

// Factories of the five menus, by screen name.
QMap<QString, Factory> menuFactories();

ui::ScreenWindow *makeMainMenu(ui::Navigator &nav);      // Form1
ui::ScreenWindow *makePyramidMenu(ui::Navigator &nav);   // form5
ui::ScreenWindow *makeSphereMenu(ui::Navigator &nav);    // Form13
ui::ScreenWindow *makePrismMenu(ui::Navigator &nav);     // Form14
ui::ScreenWindow *makePracticalMenu(ui::Navigator &nav); // Form29

class MenuWindow;

// Builds a menu window from its description (src/solids/menus.cpp), the same
// data the web edition renders.
MenuWindow *buildMenu(const solver::Menu &menu, ui::Navigator &nav);

// A menu screen: heading, entries of picture + caption + "Vai", common buttons.
class MenuWindow : public ui::ScreenWindow {
    Q_OBJECT
public:
    // `parent` is the screen "Ritorna" shows; empty for the main menu, whose
    // close control ends the program.
    MenuWindow(const QString &name, const QString &caption, const QString &parent,
               ui::Navigator &nav);

    struct Entry {
        QString picture;       // control name of the picture
        QString asset;         // its SVG
        QString label;         // control name of the caption label
        QString text;          // caption
        QString button;        // control name of "Vai"
        QString opens;         // screen shown by "Vai"
        bool keepMenu = false; // the menu stays visible beside it
    };

    ui::ClickLabel *addHeading(const QString &name, const QString &text);
    // Adds an entry at a cell of the entries grid.
    void addEntry(const Entry &entry, int row, int column);
    // A click on a label or picture that opens a screen.
    void openOnClick(const QString &control, const QString &screen);
    // Common buttons at the bottom.
    void addButtons(const QList<QWidget *> &buttons);

    using ui::ScreenWindow::button;
    using ui::ScreenWindow::esci;
    using ui::ScreenWindow::label;
    using ui::ScreenWindow::option;
    using ui::ScreenWindow::ritorna;
    using ui::ScreenWindow::stampa;

    QVBoxLayout *body() const { return m_body; }

    // Shows a screen, hiding this menu unless `keepMenu`.
    void open(const QString &screen, bool keepMenu);

protected:
    void closeRequested() override;

private:
    // A menu entry naming no screen of the program is a programming error.
    void checkTarget(const QString &screen) const;

    QString m_parent;
    QVBoxLayout *m_body;
    QGridLayout *m_entries = nullptr;
};

} // namespace app
