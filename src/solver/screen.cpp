#include "screen.h"

namespace solver {

namespace {

void add(std::vector<std::string> &out, const Control &c)
{
    if (c.present())
        out.push_back(c.name);
}

} // namespace

std::vector<std::string> SolverScreen::declared() const
{
    std::vector<std::string> out;
    add(out, title);
    add(out, knownHeading);
    for (const auto &c : checks)
        add(out, c);
    for (const auto &c : knownList)
        add(out, c);
    add(out, description);
    add(out, resultsHeading);
    for (const auto &r : rows) {
        out.push_back(r.caption);
        out.push_back(r.result);
    }
    add(out, formulaHeading);
    for (const auto &f : formulaLabels)
        out.push_back(f);
    add(out, picture);
    for (const auto &e : extras)
        out.push_back(e.name);
    for (const auto &b : solvers) {
        out.push_back(b.name);
        add(out, b.solidName);
        add(out, b.solidPicture);
    }
    add(out, stampaButton);
    add(out, ritornaButton);
    add(out, esciButton);
    return out;
}

std::vector<std::string> SolverScreen::resultsOf(const SolveButton &button) const
{
    if (!button.results.empty())
        return button.results;
    std::vector<std::string> out;
    for (const auto &row : rows)
        out.push_back(row.result);
    return out;
}

} // namespace solver
