// The one window every solver screen is built from, after its description.
#pragma once

#include "screenwindow.h"

#include "solver/calc.h"
#include "solver/screen.h"

namespace ui {

class SolverWindow : public ScreenWindow, public solver::Host {
    Q_OBJECT
public:
    SolverWindow(const solver::SolverScreen &screen, Navigator &navigator);

    // Runs a solving button ("Calcola", or one of several "Vai").
    void solve(const solver::SolveButton &button);

    // solver::Host
    bool ticked(const std::string &control) const override;
    std::string prompt(const std::string &text) override;
    void message(const std::string &text) override;
    void setText(const std::string &control, const std::string &text) override;
    void failure(const solver::CalcError &error) override;
    solver::NumberFormat numberFormat() const override;

protected:
    void closeRequested() override;

private:
    void validate() const;
    void build();

    const solver::SolverScreen &m_screen;
};

} // namespace ui
