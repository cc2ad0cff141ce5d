// form5, the choice of the pyramid's base.
#include "menus.h"

#include "ui/widgets.h"

#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace app {

ui::ScreenWindow *makePyramidMenu(ui::Navigator &nav)
{
    auto *m = new MenuWindow(QStringLiteral("form5"), QStringLiteral("PIRAMIDE "),
                             QStringLiteral("Form1"), nav);
    m->addHeading(QStringLiteral("Label1"), QStringLiteral("PIRAMIDE RETTA"));
    m->body()->addWidget(
        m->label(QStringLiteral("Label3"), QStringLiteral("La base della Piramide è un:")));

    struct Choice {
        const char *option;
        const char *text;
        const char *opens;
    };
    static const Choice choices[] = {
        { "Option1", "Triangolo equilatero", "Form9" }, { "Option2", "Quadrato", "form6" },
        { "Option3", "Rettangolo", "Form7" },           { "Option4", "Trapezio isoscele", "Form8" },
        { "Option5", "Pentagono", "Form10" },           { "Option6", "Esagono", "Form11" },
    };
    QList<QRadioButton *> options;
    for (const auto &c : choices) {
        auto *o = m->option(QString::fromLatin1(c.option), QString::fromUtf8(c.text));
        m->body()->addWidget(o);
        options.append(o);
    }

    auto *vai = m->button(QStringLiteral("Command3"), QStringLiteral("Vai"));
    QObject::connect(vai, &QPushButton::clicked, m, [m, options] {
        // With no option selected the chooser stays on view.
        for (int i = 0; i < options.size(); ++i) {
            if (options[i]->isChecked()) {
                m->open(QString::fromLatin1(choices[i].opens), false);
                return;
            }
        }
    });
    m->body()->addWidget(vai, 0, Qt::AlignLeft);
    m->body()->addStretch();
    m->addButtons({ m->ritorna(QStringLiteral("Command2"), QStringLiteral("Form1")),
                    m->esci(QStringLiteral("Command1")) });
    m->resize(360, 360);
    return m;
}

} // namespace app
