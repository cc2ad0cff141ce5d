#include "screen.h"

#include "texts.h"

#include <algorithm>

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
    if (volumeRow()) {
        out.push_back(texts::capacityCaptionControl);
        out.push_back(texts::capacityControl);
        out.push_back(texts::weightResultCaptionControl);
        out.push_back(texts::weightResultControl);
    }
    add(out, stampaButton);
    add(out, ritornaButton);
    add(out, esciButton);
    return out;
}

std::vector<std::string> SolverScreen::resultsOf(const SolveButton &button) const
{
    std::vector<std::string> out = button.results;
    if (out.empty())
        for (const auto &row : rows)
            out.push_back(row.result);
    return out;
}

std::optional<Kind> SolverScreen::kindOf(const std::string &symbol) const
{
    for (const auto &q : quantities)
        if (q.symbol == symbol)
            return q.kind;
    return std::nullopt;
}

const ResultRow *SolverScreen::volumeRow() const
{
    for (const auto &row : rows)
        if (!row.quantity.empty() && kindOf(row.quantity) == Kind::Volume)
            return &row;
    return nullptr;
}

const SolidRecipe &SolverScreen::figureOf(const SolveButton &button) const
{
    return button.figure.present() ? button.figure : figure;
}

} // namespace solver
