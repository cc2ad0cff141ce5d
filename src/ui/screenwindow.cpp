#include "screenwindow.h"

#include "widgets.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace ui {

ScreenWindow::ScreenWindow(const QString &name, const QString &caption, Navigator &navigator)
    : QWidget(nullptr), nav(navigator)
{
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void ScreenWindow::closeEvent(QCloseEvent *event)
{
    if (nav.ending()) {
        event->accept();
        return;
    }
    event->ignore();
    closeRequested();
}

template <class T> T *ScreenWindow::named(T *widget, const QString &name)
{
    if (m_controls.contains(name))
        throw std::logic_error(
            ("control " + name + " of " + objectName() + " declared twice").toStdString());
    widget->setObjectName(name);
    m_controls.insert(name, widget);
    return widget;
}

QWidget *ScreenWindow::control(const QString &name) const
{
    QWidget *c = m_controls.value(name);
    if (!c)
        throw std::logic_error(
            ("screen " + objectName() + " has no control \"" + name + "\"").toStdString());
    return c;
}

QPushButton *ScreenWindow::button(const QString &name, const QString &text)
{
    auto *b = new QPushButton(text, this);
    named(b, name);
    b->setAccessibleName(text.trimmed());
    b->setAutoDefault(false);
    return b;
}

ClickLabel *ScreenWindow::label(const QString &name, const QString &text)
{
    auto *l = new ClickLabel(text, this);
    named(l, name);
    l->setAccessibleName(text.trimmed());
    return l;
}

QCheckBox *ScreenWindow::checkBox(const QString &name, const QString &text)
{
    auto *c = new QCheckBox(text, this);
    named(c, name);
    c->setAccessibleName(text.trimmed());
    return c;
}

QLineEdit *ScreenWindow::textBox(const QString &name, const QString &text)
{
    auto *t = new QLineEdit(text, this);
    named(t, name);
    t->setAccessibleName(text.trimmed());
    t->setReadOnly(true);
    return t;
}

QRadioButton *ScreenWindow::option(const QString &name, const QString &text)
{
    auto *o = new QRadioButton(text, this);
    named(o, name);
    o->setAccessibleName(text.trimmed());
    return o;
}

PictureBox *ScreenWindow::picture(const QString &name, const QString &asset, QSize size,
                                  const QString &description)
{
    auto *p = new PictureBox(asset, size, this);
    named(p, name);
    p->setAccessibleName(description);
    return p;
}

QPushButton *ScreenWindow::esci(const QString &name, const QString &text)
{
    auto *b = button(name, text);
    connect(b, &QPushButton::clicked, this, [this] { nav.endProgram(); });
    return b;
}

QPushButton *ScreenWindow::stampa(const QString &name)
{
    auto *b = button(name, QStringLiteral("Stampa"));
    connect(b, &QPushButton::clicked, this, [this] { nav.print(screenName()); });
    return b;
}

QPushButton *ScreenWindow::ritorna(const QString &name, const QString &parent)
{
    auto *b = button(name, QStringLiteral("Ritorna"));
    connect(b, &QPushButton::clicked, this, [this, parent] { goTo(parent); });
    return b;
}

void ScreenWindow::goTo(const QString &screen)
{
    nav.show(screen, this, Navigator::Placement::Over);
    nav.hide(screenName());
}

} // namespace ui
