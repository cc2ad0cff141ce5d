// The worked solution ("Svolgimento") of one "Calcola" press, read straight
// from the screen's calculation, for the suites that check what a student
// reads there: the data, then every step with its symbols and numbers.
#pragma once

#include "solids/solids.h"

#include <QStringList>

#include <set>

namespace worked {

class Host : public solver::Host {
public:
    std::set<std::string> ticks;
    QStringList answers;
    solver::NumberFormat format = solver::NumberFormat::comma();
    QStringList lines;

    bool ticked(const std::string &control) const override { return ticks.count(control); }
    std::string prompt(const std::string &) override
    {
        return m_asked < answers.size() ? answers[m_asked++].toStdString() : std::string();
    }
    void message(const std::string &) override {}
    void setText(const std::string &, const std::string &) override {}
    void failure(const solver::CalcError &) override {}
    solver::NumberFormat numberFormat() const override { return format; }
    void solved(const solver::Solution &s) override
    {
        for (const auto &l : s.lines())
            lines << QString::fromStdString(l);
    }

private:
    qsizetype m_asked = 0;
};

// The solution's lines after ticking `ticks` and answering `answers`, numbers
// written with `decimal` as the decimal mark.
inline QStringList solution(const QString &screen, const QStringList &ticks,
                            const QStringList &answers, const QString &decimal = ",")
{
    const solver::SolverScreen *s = solids::find(screen.toStdString());
    if (!s)
        return { "no screen " + screen };
    Host host;
    for (const auto &t : ticks)
        host.ticks.insert(t.toStdString());
    host.answers = answers;
    host.format = solver::NumberFormat{ decimal.toStdString() };
    solver::runCalcola(host, *s, s->solvers.front());
    return host.lines;
}

// The first of `expected` that is not among `lines` after the ones before it
// (empty when all are there, in that order), with the lines for the message.
inline QString missingInOrder(const QStringList &lines, const QStringList &expected)
{
    qsizetype at = 0;
    for (const auto &e : expected) {
        const qsizetype found = lines.indexOf(e, at);
        if (found < 0)
            return e + "\nnot found in order among:\n" + lines.join('\n');
        at = found + 1;
    }
    return {};
}

} // namespace worked
