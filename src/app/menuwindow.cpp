#include "menus.h"

#include "ui/widgets.h"

#include "solver/texts.h"

#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace app {

QMap<QString, Factory> menuFactories()
{
    return {
        { QStringLiteral("Form1"), &makeMainMenu },
        { QStringLiteral("form5"), &makePyramidMenu },
        { QStringLiteral("Form13"), &makeSphereMenu },
        { QStringLiteral("Form14"), &makePrismMenu },
        { QStringLiteral("Form29"), &makePracticalMenu },
    };
}

namespace {

QString q(const std::string &s)
{
    return QString::fromStdString(s);
}

} // namespace

MenuWindow *buildMenu(const solver::Menu &d, ui::Navigator &nav)
{
    auto *m = new MenuWindow(q(d.name), q(d.caption), q(d.parent), nav);
    if (d.heading.present())
        m->addHeading(q(d.heading.name), q(d.heading.text));
    if (d.subheading.present())
        m->body()->addWidget(m->label(q(d.subheading.name), q(d.subheading.text)));

    QList<QRadioButton *> options;
    QStringList targets;
    for (const auto &o : d.options) {
        auto *radio = m->option(q(o.name), q(o.text));
        m->body()->addWidget(radio);
        options.append(radio);
        targets.append(q(o.opens));
    }
    if (d.optionButton.present()) {
        auto *vai = m->button(q(d.optionButton.name), q(d.optionButton.text));
        QObject::connect(vai, &QPushButton::clicked, m, [m, options, targets] {
            // With no option selected the chooser stays on view.
            for (int i = 0; i < options.size(); ++i) {
                if (options[i]->isChecked()) {
                    m->open(targets[i], false);
                    return;
                }
            }
        });
        m->body()->addWidget(vai, 0, Qt::AlignLeft);
        m->body()->addStretch();
    }

    for (const auto &e : d.entries)
        m->addEntry({ q(e.picture), q(e.asset), q(e.label), q(e.text), q(e.button), q(e.opens),
                      e.keepMenu },
                    e.row, e.column);
    for (const auto &c : d.clicks)
        m->openOnClick(q(c.control), q(c.opens));

    QList<QWidget *> buttons;
    if (d.note.present()) {
        auto *note = m->label(q(d.note.name), q(d.note.text));
        note->setWordWrap(true);
        buttons.append(note);
    }
    if (d.stampaButton.present())
        buttons.append(d.stampaPrints ? m->stampa(q(d.stampaButton.name))
                                      : m->button(q(d.stampaButton.name), q(d.stampaButton.text)));
    if (d.ritornaButton.present())
        buttons.append(m->ritorna(q(d.ritornaButton.name), q(d.parent)));
    if (d.esciButton.present())
        buttons.append(m->esci(q(d.esciButton.name), q(d.esciButton.text)));
    m->addButtons(buttons);
    return m;
}

MenuWindow::MenuWindow(const QString &name, const QString &caption, const QString &parent,
                       ui::Navigator &nav)
    : ui::ScreenWindow(name, caption, nav), m_parent(parent)
{
    m_body = new QVBoxLayout(content());
    m_body->setContentsMargins(16, 12, 16, 12);
    m_body->setSpacing(10);
}

void MenuWindow::checkTarget(const QString &screen) const
{
    if (!nav.exists(screen))
        throw std::logic_error(
            ("menu " + objectName() + " opens unknown screen " + screen).toStdString());
}

ui::ClickLabel *MenuWindow::addHeading(const QString &name, const QString &text)
{
    auto *h = label(name, text);
    QFont f = h->font();
    f.setPointSizeF(f.pointSizeF() * 1.8);
    f.setBold(true);
    h->setFont(f);
    h->setAlignment(Qt::AlignCenter);
    m_body->addWidget(h);
    return h;
}

void MenuWindow::addEntry(const Entry &e, int row, int column)
{
    checkTarget(e.opens);
    if (!m_entries) {
        m_entries = new QGridLayout;
        m_entries->setHorizontalSpacing(14);
        m_entries->setVerticalSpacing(6);
        m_body->addLayout(m_entries);
    }
    auto *pic = picture(e.picture, e.asset, QSize(132, 110), e.text.trimmed());
    auto *cap = label(e.label, e.text);
    cap->setAlignment(Qt::AlignCenter);
    // A long caption wraps under its picture rather than being cut.
    cap->setWordWrap(true);
    cap->setMinimumWidth(132);
    auto *vai = button(e.button, QString::fromUtf8(solver::texts::go));
    vai->setAccessibleName(QString::fromStdString(solver::goName(e.text.toStdString())));
    const QString target = e.opens;
    const bool keep = e.keepMenu;
    connect(vai, &QPushButton::clicked, this, [this, target, keep] { open(target, keep); });

    m_entries->addWidget(pic, row * 3, column, Qt::AlignHCenter | Qt::AlignBottom);
    m_entries->addWidget(cap, row * 3 + 1, column, Qt::AlignHCenter | Qt::AlignTop);
    m_entries->addWidget(vai, row * 3 + 2, column, Qt::AlignHCenter);
    m_entries->setRowMinimumHeight(row * 3 + 2, 36);
}

void MenuWindow::openOnClick(const QString &control, const QString &screen)
{
    checkTarget(screen);
    QWidget *w = ScreenWindow::control(control);
    auto go = [this, screen] { open(screen, false); };
    if (auto *l = qobject_cast<ui::ClickLabel *>(w))
        connect(l, &ui::ClickLabel::clicked, this, go);
    else if (auto *p = qobject_cast<ui::PictureBox *>(w))
        connect(p, &ui::PictureBox::clicked, this, go);
    else
        throw std::logic_error(
            ("control " + control + " of " + objectName() + " does not take clicks").toStdString());
    w->setCursor(Qt::PointingHandCursor);
}

void MenuWindow::addButtons(const QList<QWidget *> &buttons)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (auto *b : buttons)
        row->addWidget(b);
    m_body->addLayout(row);
}

void MenuWindow::open(const QString &screen, bool keepMenu)
{
    if (keepMenu)
        nav.show(screen, this, ui::Navigator::Placement::Beside);
    else
        goTo(screen);
}

void MenuWindow::closeRequested()
{
    if (m_parent.isEmpty())
        nav.endProgram();
    else
        goTo(m_parent);
}

} // namespace app
