// Every case of every solving button of a screen, each pressed with data
// that describe a solid: shared by the suites that look at every case.
#pragma once

#include "solver/screen.h"
#include "solver/scripted.h"

#include "answers.h"

#include <QTest>

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace cases {

using namespace solver;

inline ScriptedHost press(const SolverScreen &s, const SolveButton &b,
                          const std::set<std::string> &ticks,
                          const std::vector<std::string> &answers, Unit unit,
                          CaseTrace *trace = nullptr)
{
    ScriptedHost host(NumberFormat::point(), ScriptedHost::WhenOut::Repeat);
    host.ticks = ticks;
    host.answers = { answers.begin(), answers.end() };
    host.choices.unit = unit;
    host.press(s, b, trace);
    return host;
}

// No message, no failure, every result label of the button written.
inline bool solved(const SolverScreen &s, const SolveButton &b, const ScriptedHost &host)
{
    bool all = host.failed().empty() && host.messages().empty();
    for (const auto &r : s.resultsOf(b))
        all = all && host.texts.count(r);
    return all;
}

struct Case {
    const SolveButton *button;
    std::string where;
    std::set<std::string> ticks;
    std::vector<std::string> answers; // as many as the press asked for
    ScriptedHost host;
};

// Every case of every button, each pressed with the tick boxes it names and
// the first pattern that solves it with no remark on the data and no negative
// measure (or, failing that, the first that solves it at all).
inline std::vector<Case> everyCase(const SolverScreen &s)
{
    std::vector<Case> out;
    for (const auto &b : s.solvers) {
        CaseTrace all;
        press(s, b, {}, {}, Unit::None, &all);
        std::set<std::string> ids; // "Check1+Check4"; "" for a screen without tick boxes
        for (const auto &t : all.tested)
            ids.insert(t.first.substr(0, t.first.find('#')));
        if (ids.empty())
            ids.insert("");
        for (const auto &id : ids) {
            std::set<std::string> ticks;
            for (std::size_t at = 0, plus; at < id.size(); at = plus + 1)
                ticks.insert(id.substr(at, (plus = std::min(id.find('+', at), id.size())) - at));
            std::optional<Case> found;
            for (const auto &pattern : answers::solidPatterns()) {
                CaseTrace trace;
                ScriptedHost host = press(s, b, ticks, pattern, Unit::None, &trace);
                bool taken = id.empty();
                for (const auto &[t, yes] : trace.tested)
                    taken = taken || (yes && t.substr(0, t.find('#')) == id);
                if (!taken || !solved(s, b, host))
                    continue;
                std::vector<std::string> answers;
                for (std::size_t k = 0; k < host.asked; ++k)
                    answers.push_back(pattern[k % pattern.size()]);
                bool remarked = false;
                for (const auto &step : host.solution->steps())
                    remarked = remarked || step.kind == SolutionStep::Kind::Warning
                               || step.result.rfind("−", 0) == 0;
                if (!found || !remarked)
                    found = Case{ &b, s.name + "." + b.name + " " + id, ticks, answers, host };
                if (!remarked)
                    break;
            }
            if (found)
                out.push_back(std::move(*found));
            else
                QTest::qFail(("no data solve " + s.name + "." + b.name + " " + id).c_str(),
                             __FILE__, __LINE__);
        }
    }
    return out;
}

} // namespace cases
