#include "shell.h"

#include "menus.h"
#include "sheetwindow.h"

#include "solids/solids.h"
#include "ui/platform.h"
#include "ui/solverwindow.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace app {

Shell::Shell(std::function<void()> onEnd, std::unique_ptr<ui::Choices> choices)
    : m_choices(choices ? std::move(choices) : std::make_unique<ui::Choices>()),
      m_onEnd(std::move(onEnd))
{
    m_factories = menuFactories();
    for (const auto &name : solids::names()) {
        const QString screen = QString::fromStdString(name);
        m_factories.insert(screen, [this, name](ui::Navigator &nav) {
            return new ui::SolverWindow(*solids::find(name), nav, *m_choices);
        });
    }
    // The sheets start from a number of their own for each person, drawn
    // from the clock when the screen is first shown.
    m_factories.insert(QString::fromStdString(sheets::screen().name), [this](ui::Navigator &nav) {
        const std::uint32_t seed =
            m_sheetSeed ? *m_sheetSeed
                        : sheets::freshSeed(std::uint64_t(QDateTime::currentMSecsSinceEpoch()));
        return new SheetWindow(nav, seed);
    });
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

QString Shell::caption(const QString &screen) const
{
    if (screen.toStdString() == sheets::screen().name)
        return QString::fromStdString(sheets::screen().caption);
    const auto *s = solids::find(screen.toStdString());
    return s ? QString::fromStdString(s->caption) : QString();
}

ui::ScreenWindow *Shell::window(const QString &screen)
{
    if (auto *w = m_windows.value(screen))
        return w;
    const auto factory = m_factories.value(screen);
    if (!factory)
        return nullptr;
    auto *w = factory(*this);
    w->finishControls();
    m_windows.insert(screen, w);
    return w;
}

QList<ui::ScreenWindow *> Shell::created() const
{
    return m_windows.values();
}

namespace {

// The part of the screen a window's frame may take, and the screen's.
QRect availableRoom(const QWidget *near)
{
    const QScreen *screen = near ? near->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

} // namespace

void Shell::fit(ui::ScreenWindow *w, QPoint at, const QWidget *leaving)
{
    const QRect room = availableRoom(w->isVisible() ? w : nullptr);
    const QMargins frame = w->decoration();
    const QRect inner = room.marginsRemoved(frame);
    const QSize size = m_shown.contains(w->screenName()) ? w->size().boundedTo(inner.size())
                                                         : w->fittingSize(inner.size());
    if (w->size() != size)
        w->resize(size);
    // `at` is the top-left corner of the frame.
    const int maxX = room.right() + 1 - (size.width() + frame.left() + frame.right());
    const int maxY = room.bottom() + 1 - (size.height() + frame.top() + frame.bottom());
    at.setX(std::max(room.left(), std::min(at.x(), maxX)));
    at.setY(std::max(room.top(), std::min(at.y(), maxY)));
    w->move(unstacked(w, at, QRect(room.topLeft(), QPoint(maxX, maxY)), leaving));
}

QPoint Shell::unstacked(const ui::ScreenWindow *w, QPoint at, const QRect &corners,
                        const QWidget *leaving) const
{
    auto taken = [&](QPoint p) {
        for (auto *other : m_windows)
            if (other != w && other != leaving && other->isVisible() && other->pos() == p)
                return true;
        return false;
    };
    // Step down and right, or up and left where the screen ends.
    const QPoint steps[] = { QPoint(32, 32), QPoint(-32, -32), QPoint(32, -32), QPoint(-32, 32) };
    for (const QPoint step : steps) {
        QPoint p = at;
        for (int i = 0; i < 20 && taken(p); ++i)
            p += step;
        if (!taken(p) && corners.contains(p))
            return p;
    }
    return at;
}

void Shell::place(ui::ScreenWindow *w, const QWidget *opener, Placement placement)
{
    const QRect room = availableRoom(opener);
    if (!opener || !opener->isVisible()) {
        // In the middle of the screen, as large as the screen lets it be.
        const QSize size = w->fittingSize(room.marginsRemoved(w->decoration()).size());
        const QMargins m = w->decoration();
        const QSize outer(size.width() + m.left() + m.right(),
                          size.height() + m.top() + m.bottom());
        fit(w, room.center() - QPoint(outer.width() / 2, outer.height() / 2));
        return;
    }
    const QRect from = opener->frameGeometry();
    QPoint at = from.topLeft();
    const QWidget *leaving = placement == Placement::Over ? opener : nullptr;
    if (placement == Placement::Beside) {
        const QMargins m = w->decoration();
        const int width =
            w->fittingSize(room.marginsRemoved(m).size()).width() + m.left() + m.right();
        at = QPoint(from.right() + 12, from.top());
        if (at.x() + width > room.right())
            at = from.topLeft() + QPoint(48, 48);
    }
    fit(w, at, leaving);
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
        } else if (!w->isVisible()) {
            // Back where it was last, still whole on the screen.
            fit(w, m_positions.value(screen, w->pos()),
                placement == Placement::Over ? opener : nullptr);
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
    if (auto *w = window(screen)) {
        if (w->isVisible())
            m_positions.insert(screen, w->pos());
        w->hide();
    }
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
