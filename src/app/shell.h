// The shell: owns every screen, creates each on its first show, and shows,
// hides, prints and ends.
#pragma once

#include "ui/choices.h"
#include "ui/screenwindow.h"

#include <QMap>
#include <QSet>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace app {

class Shell : public ui::Navigator {
public:
    using Factory = std::function<ui::ScreenWindow *(ui::Navigator &)>;

    // `onEnd` runs once when the program is ended ("Esci"). `choices` are
    // the unit, decimals and specific weight every solver screen shares;
    // without them the shell keeps its own in memory, from the defaults.
    explicit Shell(std::function<void()> onEnd, std::unique_ptr<ui::Choices> choices = nullptr);
    ~Shell() override;

    void show(const QString &screen, const QWidget *opener = nullptr,
              Placement placement = Placement::Over) override;
    void hide(const QString &screen) override;
    void print(const QString &screen) override;
    void endProgram() override;
    bool exists(const QString &screen) const override;
    QString caption(const QString &screen) const override;
    bool ending() const override { return m_ending; }

    // The screen's window, created if needed; nullptr for an unknown name.
    ui::ScreenWindow *window(const QString &screen);
    // The windows created so far, by name.
    QList<ui::ScreenWindow *> created() const;
    ui::Choices &choices() { return *m_choices; }
    // The number the sheet screen shows first; unset, one drawn from the
    // clock (the script runner sets 1, so that its transcripts repeat).
    void setSheetSeed(std::uint32_t seed) { m_sheetSeed = seed; }

private:
    void keepOneVisible();
    // Where a screen shown for the first time goes: beside or over its
    // opener, else in the middle of the screen.
    void place(ui::ScreenWindow *w, const QWidget *opener, Placement placement);
    // Sizes the window to its content or to the screen, whichever is smaller
    // (shown again, it keeps the size it had unless the screen is smaller),
    // and moves it so that its frame lies on the screen.
    // `leaving` is a screen about to be hidden, whose place may be taken.
    void fit(ui::ScreenWindow *w, QPoint at, const QWidget *leaving = nullptr);
    // Moves `at` off the place of any other visible screen.
    QPoint unstacked(const ui::ScreenWindow *w, QPoint at, const QRect &corners,
                     const QWidget *leaving) const;

    QMap<QString, QPoint> m_positions; // where each screen was when last hidden

    std::unique_ptr<ui::Choices> m_choices;
    QMap<QString, Factory> m_factories;
    QMap<QString, ui::ScreenWindow *> m_windows;
    QSet<QString> m_shown; // screens shown at least once
    std::function<void()> m_onEnd;
    bool m_ending = false;
    std::optional<std::uint32_t> m_sheetSeed;
};

} // namespace app
