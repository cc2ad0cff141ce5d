// The worked solution ("Svolgimento") of one "Calcola" press, read straight
// from the screen's calculation, for the suites that check what a student
// reads there: the data, then every step with its symbols and numbers.
#pragma once

#include "solids/solids.h"
#include "solver/scripted.h"

#include <QStringList>

#include <set>

namespace worked {

// The solution's lines after ticking `ticks` and answering `answers`, numbers
// written with `decimal` as the decimal mark.
inline QStringList solution(const QString &screen, const QStringList &ticks,
                            const QStringList &answers, const QString &decimal = ",")
{
    const solver::SolverScreen *s = solids::find(screen.toStdString());
    if (!s)
        return { "no screen " + screen };
    // A prompt past the answers is cancelled.
    solver::ScriptedHost host(solver::NumberFormat{ decimal.toStdString() });
    for (const auto &t : ticks)
        host.ticks.insert(t.toStdString());
    for (const auto &a : answers)
        host.answers.push_back(a.toStdString());
    host.press(*s, s->solvers.front());
    QStringList lines;
    if (host.solution)
        for (const auto &l : host.solution->lines())
            lines << QString::fromStdString(l);
    return lines;
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
