// Form14, the right prisms with regular bases.
#include "menus.h"

#include <QPushButton>

namespace app {

ui::ScreenWindow *makePrismMenu(ui::Navigator &nav)
{
    auto *m = new MenuWindow(QStringLiteral("Form14"), QStringLiteral("PRISMA"),
                             QStringLiteral("Form1"), nav);
    m->addHeading(QStringLiteral("Label1"),
                  QStringLiteral("PRISMI RETTI CON BASE POLIGONI REGOLARI "));
    const QList<MenuWindow::Entry> entries = {
        { "Picture1", "prisma-3.svg", "Label2(0)", "Prisma triangolare", "Command3", "Form15" },
        { "Picture9", "prisma-4.svg", "Label2(1)", "Prisma Quadrangolare", "Command4", "Form16" },
        { "Picture2", "prisma-5.svg", "Label2(2)", "Prisma Pentagonale", "Command5", "Form17" },
        { "Picture3", "prisma-6.svg", "Label2(3)", "Prisma esagonale", "Command6", "Form18" },
        { "Picture4", "prisma-7.svg", "Label2(4)", "Prisma ettagonale", "Command7", "Form19" },
        { "Picture5", "prisma-8.svg", "Label2(5)", "Prisma ottagonale", "Command8", "Form20" },
        { "Picture6", "prisma-9.svg", "Label2(6)", "Prisma ennagonale", "Command9", "Form21" },
        { "Picture7", "prisma-10.svg", "Label2(7)", "Prisma decagonale", "Command10", "Form22" },
        { "Picture8", "prisma-11.svg", "Label2(8)", "Prisma endecagonale", "Command11", "Form23" },
        { "Picture10", "prisma-12.svg", "Label2(9)", "Prisma dodedagonale", "Command12", "Form25" },
    };
    for (int i = 0; i < entries.size(); ++i) {
        m->addEntry(entries[i], i / 5, i % 5);
        // Every caption of the label array opens the triangular prism.
        m->openOnClick(entries[i].label, QStringLiteral("Form15"));
    }
    m->openOnClick(QStringLiteral("Picture1"), QStringLiteral("Form15"));
    m->openOnClick(QStringLiteral("Picture9"), QStringLiteral("Form16"));
    m->addButtons({ m->ritorna(QStringLiteral("Command2"), QStringLiteral("Form1")),
                    m->esci(QStringLiteral("Command1")) });
    return m;
}

} // namespace app
