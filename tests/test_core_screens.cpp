// Every registered solver screen at once, without a window: each solving
// button is pressed under every combination of its screen's tick boxes, every
// prompt answered with a number. Every control name used must be declared,
// every case of every chain must be taken by some combination, and every
// press must end with its result labels written or with the insufficient-data
// message. Nothing here names a screen: a new screen is covered by registering it.
#include "solids/solids.h"
#include "solver/scripted.h"

#include "answers.h"

#include <QTest>

#include <map>
#include <set>

using namespace solver;

class TestCoreScreens : public QObject {
    Q_OBJECT
private slots:
    void declarations();
    void everyCombination();
};

// Names are declared once, and the quantity maps point at declared controls.
void TestCoreScreens::declarations()
{
    QVERIFY(!solids::names().empty());
    for (const auto &name : solids::names()) {
        const SolverScreen *s = solids::find(name);
        QVERIFY(s);
        QCOMPARE(s->name, name);
        std::set<std::string> seen;
        for (const auto &d : s->declared())
            QVERIFY2(seen.insert(d).second, (name + ": " + d + " declared twice").c_str());
        QVERIFY2(!s->solvers.empty(), (name + " has no solving button").c_str());
        for (const auto &b : s->solvers)
            for (const auto &r : s->resultsOf(b))
                QVERIFY2(seen.count(r), (name + ": result " + r + " not declared").c_str());
        // A quantity names one tick box and one result row at most.
        std::set<std::string> ticks, rows;
        for (const auto &c : s->checks)
            QVERIFY2(c.quantity.empty() || ticks.insert(c.quantity).second,
                     (name + ": two tick boxes stand for " + c.quantity).c_str());
        for (const auto &r : s->rows)
            QVERIFY2(r.quantity.empty() || rows.insert(r.quantity).second,
                     (name + ": two result rows stand for " + r.quantity).c_str());
    }
}

void TestCoreScreens::everyCombination()
{
    for (const auto &name : solids::names()) {
        const SolverScreen &s = *solids::find(name);
        const std::size_t n = s.checks.size();
        QVERIFY2(n <= 16, (name + ": too many tick boxes to try every combination").c_str());
        for (const auto &button : s.solvers) {
            const std::string where = name + "." + button.name;
            std::map<std::string, bool> cases; // case -> taken by some combination
            for (unsigned mask = 0; mask < (1u << n); ++mask) {
                std::set<std::string> ticks;
                for (std::size_t i = 0; i < n; ++i)
                    if (mask & (1u << i))
                        ticks.insert(s.checks[i].name);
                bool ended = false;
                std::string lastFailure;
                for (const auto &pattern : answers::solidPatterns()) {
                    // Prompt k is answered with pattern[k % size].
                    ScriptedHost host(NumberFormat::point(), ScriptedHost::WhenOut::Repeat);
                    host.ticks = ticks;
                    host.answers = { pattern.begin(), pattern.end() };
                    CaseTrace trace;
                    try {
                        host.press(s, button, &trace);
                    } catch (const UndeclaredControl &e) {
                        QFAIL((where + ": " + e.what()).c_str());
                    }
                    for (const auto &[id, taken] : trace.tested)
                        cases[id] = cases[id] || taken;
                    bool allWritten = true;
                    for (const auto &r : s.resultsOf(button))
                        allWritten = allWritten && host.texts.count(r);
                    if (!host.messages().empty() || (host.failed().empty() && allWritten)) {
                        ended = true;
                        break;
                    }
                    lastFailure =
                        host.failed().empty() ? "a result label left unwritten" : host.failed();
                }
                std::string ticked;
                for (const auto &t : ticks)
                    ticked += " " + t;
                QVERIFY2(ended, (where + " with" + (ticked.empty() ? " nothing" : ticked)
                                 + " ticked never ends well: " + lastFailure)
                                    .c_str());
            }
            for (const auto &[id, taken] : cases)
                QVERIFY2(taken, (where + ": case " + id + " is never taken").c_str());
        }
    }
}

QTEST_APPLESS_MAIN(TestCoreScreens)
#include "test_core_screens.moc"
