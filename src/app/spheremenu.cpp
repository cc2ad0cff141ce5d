// Form13, the sphere and its parts.
#include "menus.h"

#include <QPushButton>

namespace app {

ui::ScreenWindow *makeSphereMenu(ui::Navigator &nav)
{
    auto *m = new MenuWindow(QStringLiteral("Form13"), QStringLiteral("SFERA"),
                             QStringLiteral("Form1"), nav);
    const QList<MenuWindow::Entry> entries = {
        { "Picture1", "sfera.svg", "Label7(1)", " Sfera", "Command3", "Form38" },
        { "Picture2", "calotta.svg", "Label7(0)", "Calotta sferica", "Command4", "Form39" },
        { "Picture3", "fuso.svg", "Label7(2)", " Fuso sferico", "Command6", "Form41" },
        { "Picture4", "zona.svg", "Label1", "Zona sferica", "Command7", "Form40" },
    };
    for (int i = 0; i < entries.size(); ++i)
        m->addEntry(entries[i], 0, i);
    // This menu's "Stampa" does nothing.
    auto *stampa = m->button(QStringLiteral("Command5"), QStringLiteral("Stampa"));
    m->addButtons({ stampa, m->ritorna(QStringLiteral("Command2"), QStringLiteral("Form1")),
                    m->esci(QStringLiteral("Command1")) });
    return m;
}

} // namespace app
