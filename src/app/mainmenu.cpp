// Form1, the main menu.
#include "menus.h"

#include "ui/widgets.h"

#include <QPushButton>

namespace app {

ui::ScreenWindow *makeMainMenu(ui::Navigator &nav)
{
    auto *m = new MenuWindow(QStringLiteral("Form1"), QStringLiteral("CORPIMETRO"), QString(), nav);
    m->addHeading(QStringLiteral("Label6"), QStringLiteral("CORPIMETRO"));

    const QList<MenuWindow::Entry> top = {
        { "Picture1", "prisma-retto.svg", "Label4(1)", "Prisma retto", "Command8", "Form14" },
        { "Picture2", "solidi-particolari.svg", "Label10(1)", "Volumi di Solidi particolari",
          "Command12", "Form29" },
        { "Picture3", "tronco-cono.svg", "Label10(0)", "Tronco di cono", "Command11", "Form26" },
        { "Picture4", "poliedri.svg", "Label7", "Poliedri regolari", "Command7", "Form27" },
        { "Picture5", "tronco-piramide.svg", "Label2(1)", "Tronco di piramide", "Command9",
          "Form24" },
    };
    const QList<MenuWindow::Entry> bottom = {
        { "Picture6", "cilindro.svg", "Label4(0)", "Cilindro", "Command2", "Form2", true },
        { "Picture7", "cubo.svg", "Label1", "Cubo", "Command3", "Form3", true },
        { "Picture8", "parallelepipedo.svg", "Label2(0)", "parallelepipedo", "Command4", "form4",
          true },
        { "Picture9", "piramide.svg", "Label3", "Piramide", "Command5", "form5" },
        { "Picture10", "cono.svg", "Label5(0)", "Cono", "Command6", "Form12" },
        { "Picture11", "sfera.svg", "Label9", "Sfera e parti sferiche", "Command10", "Form13" },
    };
    for (int i = 0; i < top.size(); ++i)
        m->addEntry(top[i], 0, i);
    for (int i = 0; i < bottom.size(); ++i)
        m->addEntry(bottom[i], 1, i);

    // Both captions of the label array Label4 open the cylinder.
    m->openOnClick(QStringLiteral("Label4(0)"), QStringLiteral("Form2"));
    m->openOnClick(QStringLiteral("Label4(1)"), QStringLiteral("Form2"));

    auto *credit = m->label(QStringLiteral("Label8"),
                            QStringLiteral("Calcolatore di geometria solida: spunta i dati "
                                           "che conosci, premi \"Calcola\" e leggi tutti gli "
                                           "altri."));
    credit->setWordWrap(true);
    m->addButtons({ credit, m->esci(QStringLiteral("Command1")) });
    return m;
}

} // namespace app
