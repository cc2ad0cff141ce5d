#include "screenwindow.h"

#include "accessibility.h"
#include "widgets.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace ui {

ScreenWindow::ScreenWindow(const QString &name, const QString &caption, Navigator &navigator)
    : QWidget(nullptr), nav(navigator)
{
    installAccessibility();
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose, false);

    // The screen is drawn on a content widget that scrolls when the window
    // cannot be as large as it (a small screen, a large scale factor).
    auto *frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setBackgroundRole(QPalette::Window);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_content = new QWidget;
    m_scroll->setWidget(m_content);
    frame->addWidget(m_scroll);
    // A text that needs more room makes the content ask for a new layout.
    m_content->installEventFilter(this);
}

QSize ScreenWindow::sizeHint() const
{
    return m_content->sizeHint().expandedTo(m_content->minimumSizeHint());
}

QSize ScreenWindow::fittingSize(QSize room) const
{
    QSize want = sizeHint();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const bool wide = want.width() > room.width();
    if (wide)
        want.rheight() += bar;
    if (want.height() > room.height()) {
        want.rwidth() += bar;
        if (!wide && want.width() > room.width())
            want.rheight() += bar;
    }
    return want.boundedTo(room);
}

QMargins ScreenWindow::decoration() const
{
    if (windowHandle() && isVisible()) {
        const QMargins m = windowHandle()->frameMargins();
        if (!m.isNull())
            return m;
    }
    // Before the window manager has said: a title bar and thin borders.
    return QMargins(4, 32, 4, 4);
}

void ScreenWindow::fitContent()
{
    if (!isVisible() || isMaximized() || isFullScreen() || !screen())
        return;
    const QRect room = screen()->availableGeometry();
    const QMargins m = decoration();
    const QSize inner = room.marginsRemoved(m).size();
    const QSize size = this->size().expandedTo(fittingSize(inner)).boundedTo(inner);
    if (size == this->size())
        return;
    // The frame's top-left corner stays unless the grown window would leave
    // the screen; then it moves back just enough.
    QPoint at = pos();
    at.setX(std::max(room.left(),
                     std::min(at.x(), room.right() + 1 - (size.width() + m.left() + m.right()))));
    at.setY(std::max(room.top(),
                     std::min(at.y(), room.bottom() + 1 - (size.height() + m.top() + m.bottom()))));
    resize(size);
    if (at != pos())
        move(at);
}

bool ScreenWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_content && event->type() == QEvent::LayoutRequest)
        fitContent();
    return QWidget::eventFilter(watched, event);
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

void ScreenWindow::declare(QWidget *widget, const QString &name, const QString &spoken)
{
    widget->setParent(m_content);
    named(widget, name);
    widget->setAccessibleName(spokenName(spoken));
}

QWidget *ScreenWindow::control(const QString &name) const
{
    QWidget *c = m_controls.value(name);
    if (!c)
        throw std::logic_error(
            ("screen " + objectName() + " has no control \"" + name + "\"").toStdString());
    return c;
}

Button *ScreenWindow::button(const QString &name, const QString &text)
{
    auto *b = new Button(text, m_content);
    named(b, name);
    b->setAccessibleName(spokenName(text));
    return b;
}

Button *ScreenWindow::steadyButton(const QString &name, const QString &text)
{
    auto *b = button(name, text);
    m_steady.append(b);
    return b;
}

ClickLabel *ScreenWindow::label(const QString &name, const QString &text)
{
    // Named by its own text, read when asked, as captions change.
    return named(new ClickLabel(text, m_content), name);
}

ValueLabel *ScreenWindow::valueLabel(const QString &name, QLabel *caption, const QString &fallback)
{
    auto *v = named(new ValueLabel(m_content), name);
    v->setCaption(caption, fallback);
    return v;
}

QCheckBox *ScreenWindow::checkBox(const QString &name, const QString &text)
{
    auto *c = new QCheckBox(text, m_content);
    named(c, name);
    c->setAccessibleName(spokenName(text));
    return c;
}

QLineEdit *ScreenWindow::textBox(const QString &name, const QString &text)
{
    auto *t = new QLineEdit(text, m_content);
    named(t, name);
    t->setAccessibleName(spokenName(text));
    t->setReadOnly(true);
    // Text to read, not a field to fill in: no frame, no input colours, and
    // never the first stop of the keyboard.
    t->setFocusPolicy(Qt::NoFocus);
    t->setFrame(false);
    QPalette p = t->palette();
    p.setColor(QPalette::Base, Qt::transparent);
    t->setPalette(p);
    return t;
}

QRadioButton *ScreenWindow::option(const QString &name, const QString &text)
{
    auto *o = new QRadioButton(text, m_content);
    named(o, name);
    o->setAccessibleName(spokenName(text));
    return o;
}

QComboBox *ScreenWindow::comboBox(const QString &name, const QString &caption, const QString &tip)
{
    auto *c = new QComboBox(m_content);
    named(c, name);
    QString spoken = caption;
    spoken.remove(QLatin1Char('&'));
    if (spoken.endsWith(QLatin1Char(':')))
        spoken.chop(1);
    c->setAccessibleName(spokenName(spoken));
    c->setAccessibleDescription(tip);
    c->setToolTip(tip);
    return c;
}

PictureBox *ScreenWindow::picture(const QString &name, const QString &asset, QSize size,
                                  const QString &description)
{
    auto *p = new PictureBox(asset, size, m_content);
    named(p, name);
    // The SVG's own words are read only when assistive technology asks for
    // the picture's name (accessibility.cpp), not while the window is made.
    setPictureFallbackName(p, spokenName(description));
    return p;
}

QPushButton *ScreenWindow::esci(const QString &name, const QString &text)
{
    auto *b = button(name, text);
    connect(b, &QPushButton::clicked, this, [this] { nav.endProgram(); });
    m_common.append(b);
    return b;
}

QPushButton *ScreenWindow::stampa(const QString &name)
{
    auto *b = button(name, QStringLiteral("Stampa"));
    connect(b, &QPushButton::clicked, this, [this] { nav.print(screenName()); });
    m_common.append(b);
    return b;
}

QPushButton *ScreenWindow::ritorna(const QString &name, const QString &parent)
{
    auto *b = button(name, QStringLiteral("Ritorna"));
    connect(b, &QPushButton::clicked, this, [this, parent] { goTo(parent); });
    m_common.append(b);
    if (!m_ritorna) {
        // Escape goes back as "Ritorna" does.
        m_ritorna = b;
        auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        connect(escape, &QShortcut::activated, this, [this] {
            if (m_ritorna && m_ritorna->isEnabled())
                m_ritorna->click();
        });
    }
    return b;
}

void ScreenWindow::finishControls()
{
    // The buttons of every screen first (the steady ones, then the common
    // ones), so that they keep their initials; then every
    // other button in the order it was made, each taking the first letter of
    // its text that no button of the window has yet.
    QList<Button *> order;
    for (const auto &b : std::as_const(m_steady))
        if (b)
            order.append(b);
    for (const auto &b : std::as_const(m_common))
        if (b)
            order.append(b);
    for (auto *b : m_content->findChildren<Button *>())
        if (!order.contains(b))
            order.append(b);

    QString used;
    for (auto *l : m_content->findChildren<QLabel *>()) {
        const QString text = l->text();
        const int amp = int(text.indexOf(QLatin1Char('&')));
        if (l->buddy() && amp >= 0 && amp + 1 < text.size())
            used.append(text[amp + 1].toLower());
    }
    for (auto *b : std::as_const(order)) {
        const QString text = b->text();
        int chosen = -1;
        for (int i = 0; i < text.size() && chosen < 0; ++i)
            if (text[i].isLetter() && text[i].unicode() < 128 && !used.contains(text[i].toLower()))
                chosen = i;
        b->setMnemonic(chosen);
        if (chosen >= 0)
            used.append(text[chosen].toLower());
    }
}

void ScreenWindow::goTo(const QString &screen)
{
    nav.show(screen, this, Navigator::Placement::Over);
    nav.hide(screenName());
}

} // namespace ui
