// Form29, the volumes of special solids.
#include "menus.h"

#include <QPushButton>

namespace app {

ui::ScreenWindow *makePracticalMenu(ui::Navigator &nav)
{
    auto *m = new MenuWindow(QStringLiteral("Form29"), QStringLiteral("SOLIDI PARTICOLARI"),
                             QStringLiteral("Form1"), nav);
    m->addHeading(QStringLiteral("Label1"), QStringLiteral("VOLUMI DI SOLIDI PARTICOLARI"));
    const QList<MenuWindow::Entry> entries = {
        { "Picture1", "trincea.svg", "Label10(0)", "Trincea", "Command4", "Form28" },
        { "Picture2", "biga.svg", "Label10(1)", "Biga", "Command5", "Form31" },
        { "Picture3", "pagliaio.svg", "Label10(2)", "Pagliaio", "Command6", "Form30" },
        { "Picture4", "meda.svg", "Label10(3)", "Mucchio Piramidale o Meda", "Command7", "Form32" },
        { "Picture5", "botte.svg", "Label10(4)", "Botte", "Command8", "Form33" },
        { "Picture6", "botte-ellittica.svg", "Label10(5)", "Botte Ellittica", "Command9",
          "Form34" },
        { "Picture7", "prismoide.svg", "Label10(6)", "Prismoide", "Command10", "Form36" },
        { "Picture8", "cavalla.svg", "Label10(7)", "Mucchio Prismatico o Cavalla", "Command11",
          "Form35" },
    };
    for (int i = 0; i < entries.size(); ++i)
        m->addEntry(entries[i], i / 4, i % 4);
    m->addButtons({ m->stampa(QStringLiteral("Command3")),
                    m->ritorna(QStringLiteral("Command2"), QStringLiteral("Form1")),
                    m->esci(QStringLiteral("Command1")) });
    return m;
}

} // namespace app
