#include "screenwindow.h"

#include "widgets.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>

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

QPushButton *ScreenWindow::button(const QString &name, const QString &text)
{
    auto *b = new QPushButton(text, this);
    b->setObjectName(name);
    b->setAccessibleName(text.trimmed());
    b->setAutoDefault(false);
    return b;
}

ClickLabel *ScreenWindow::label(const QString &name, const QString &text)
{
    auto *l = new ClickLabel(text, this);
    l->setObjectName(name);
    l->setAccessibleName(text.trimmed());
    return l;
}

QCheckBox *ScreenWindow::checkBox(const QString &name, const QString &text)
{
    auto *c = new QCheckBox(text, this);
    c->setObjectName(name);
    c->setAccessibleName(text.trimmed());
    return c;
}

QLineEdit *ScreenWindow::textBox(const QString &name, const QString &text)
{
    auto *t = new QLineEdit(text, this);
    t->setObjectName(name);
    t->setAccessibleName(text.trimmed());
    t->setReadOnly(true);
    return t;
}

PictureBox *ScreenWindow::picture(const QString &name, const QString &asset, QSize size,
                                  const QString &description)
{
    auto *p = new PictureBox(asset, size, this);
    p->setObjectName(name);
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
