#include "shell.h"

#include "menus.h"

#include "solids/solids.h"
#include "ui/platform.h"
#include "ui/solverwindow.h"

#include <QScreen>

#include <algorithm>

namespace app {

Shell::Shell(std::function<void()> onEnd) : m_onEnd(std::move(onEnd))
{
    m_factories = menuFactories();
    for (const auto &name : solids::names()) {
        const QString screen = QString::fromStdString(name);
        m_factories.insert(screen, [name](ui::Navigator &nav) {
            return new ui::SolverWindow(*solids::find(name), nav);
        });
    }
}

Shell::~Shell()
{
    m_ending = true;
    qDeleteAll(m_windows);
}

bool Shell::exists(const QString &screen) const
{
    return m_factories.contains(screen);
}

ui::ScreenWindow *Shell::window(const QString &screen)
{
    if (auto *w = m_windows.value(screen))
        return w;
    const auto factory = m_factories.value(screen);
    if (!factory)
        return nullptr;
    auto *w = factory(*this);
    m_windows.insert(screen, w);
    return w;
}

QList<ui::ScreenWindow *> Shell::created() const
{
    return m_windows.values();
}

void Shell::place(QWidget *w, const QWidget *opener, Placement placement)
{
    w->adjustSize();
    if (!opener || !opener->isVisible())
        return;
    const QRect from = opener->frameGeometry();
    const QScreen *screen = opener->screen();
    const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
    QPoint at = from.topLeft();
    if (placement == Placement::Beside) {
        at = QPoint(from.right() + 12, from.top());
        if (at.x() + w->width() > room.right())
            at = from.topLeft() + QPoint(48, 48);
    }
    at.setX(std::max(room.left(), std::min(at.x(), room.right() - w->width())));
    at.setY(std::max(room.top(), std::min(at.y(), room.bottom() - w->height())));
    w->move(at);
}

void Shell::show(const QString &screen, const QWidget *opener, Placement placement)
{
    if (m_ending)
        return;
    const bool first = !m_shown.contains(screen);
    if (auto *w = window(screen)) {
        if (first) {
            place(w, opener, placement);
            m_shown.insert(screen);
        }
        w->show();
        w->raise();
        w->activateWindow();
    }
}

void Shell::hide(const QString &screen)
{
    if (m_ending)
        return;
    if (auto *w = window(screen))
        w->hide();
    keepOneVisible();
}

void Shell::print(const QString &screen)
{
    if (auto *w = window(screen))
        ui::platform().print(w, screen);
}

void Shell::endProgram()
{
    if (m_ending)
        return;
    m_ending = true;
    for (auto *w : std::as_const(m_windows))
        w->hide();
    if (m_onEnd)
        m_onEnd();
}

void Shell::keepOneVisible()
{
    for (auto *w : std::as_const(m_windows))
        if (w->isVisible())
            return;
    show(QStringLiteral("Form1"));
}

} // namespace app
