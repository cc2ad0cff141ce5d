// The hint a solver screen shows under its solving buttons after a press
// (solver::hint), and the order of the combinations it and the worked
// solution list (solver::orderCombinations): pinned for a few screens by hand,
// and checked over every registered screen against the cases the chain
// itself reports having tested.
#include "solids/solids.h"
#include "solver/hint.h"
#include "solver/scripted.h"

#include <QTest>

#include <algorithm>
#include <bit>
#include <map>
#include <set>

using namespace solver;

namespace {

using Boxes = std::vector<std::string>;

std::set<std::string> setOf(const QStringList &list)
{
    std::set<std::string> out;
    for (const auto &s : list)
        out.insert(s.toStdString());
    return out;
}

ScriptedHost press(const SolverScreen &s, const SolveButton &button,
                   const std::set<std::string> &ticks, const QStringList &answers,
                   CaseTrace *trace = nullptr)
{
    ScriptedHost host(NumberFormat{ "," });
    host.ticks = ticks;
    for (const auto &a : answers)
        host.answers.emplace_back(a.toStdString());
    host.press(s, button, trace);
    return host;
}

// The tick boxes of a traced case: "Check1+Check4#2" -> {Check1, Check4}.
Boxes boxesOf(std::string id)
{
    id = id.substr(0, id.find('#'));
    Boxes out;
    std::size_t start = 0;
    for (std::size_t plus; (plus = id.find('+', start)) != std::string::npos; start = plus + 1)
        out.push_back(id.substr(start, plus - start));
    out.push_back(id.substr(start));
    return out;
}

std::vector<const SolutionStep *> acceptedOf(const Solution &solution)
{
    std::vector<const SolutionStep *> out;
    for (const auto &s : solution.steps())
        if (s.kind == SolutionStep::Kind::Accepted)
            out.push_back(&s);
    return out;
}

std::size_t count(const std::string &text, const std::string &part)
{
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

} // namespace

class TestCoreHints : public QObject {
    Q_OBJECT
private slots:
    void pinned_data();
    void pinned();
    void order_data();
    void order();
    void everyScreen();
    void warningsComeFirst();
    void nothingToSay();
};

void TestCoreHints::pinned_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("hint");

    // The cube's chain takes s, d, AL, AT, V, d1 in this order, one box each:
    // with nothing ticked the first three.
    QTest::newRow("cube, nothing ticked")
        << "Form3" << QStringList{} << QStringList{}
        << "Spunta: Lato (s) – oppure diagonale (d) – oppure Area Laterale (AL)";
    // The cone's pairs with r, in the chain's order: r h, AL r, r AT, V r,
    // then r a last of all; each needs one more box.
    QTest::newRow("cone, only r")
        << "Form12" << QStringList{ "Check1" } << QStringList{}
        << "Spunta anche: Altezza (h) – oppure Area Laterale (AL) – oppure Area Totale (AT) – "
           "oppure Volume (V) – oppure Apotema (a)";
    // r and d never go together: the closest pairs, fewest boxes to add
    // first, then those that keep more of the ticked ones.
    QTest::newRow("cone, r and d")
        << "Form12" << QStringList{ "Check1", "Check2" } << QStringList{}
        << "Nessuna combinazione comprende tutte le caselle spuntate; le più vicine: Raggio (r) e "
           "Altezza (h) – oppure Diametro (d) e Altezza (h) – oppure Area Laterale (AL) e Raggio "
           "(r)";
    // An apothem shorter than the radius: the height has no square root.
    QTest::newRow("cone, apothem shorter than the radius")
        << "Form12" << QStringList{ "Check1", "Check5" } << QStringList{ "5", "3" }
        << "Non si può calcolare l'altezza (h) perché a² − r² è negativo (−16): a deve essere "
           "maggiore di r, e un numero negativo non ha radice.";
    QTest::newRow("cone, a radius that is no number")
        << "Form12" << QStringList{ "Check1", "Check4" } << QStringList{ "tre", "4" }
        << "Non si può calcolare il diametro (d) perché \"tre\" non è un numero. Scrivi i numeri "
           "usando la virgola come separatore decimale (per esempio 2,5), senza punti e senza "
           "separatori delle migliaia.";
    QTest::newRow("cone, solved") << "Form12" << QStringList{ "Check1", "Check4" }
                                  << QStringList{ "3", "4" } << "";
}

void TestCoreHints::pinned()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, ticks);
    QFETCH(QStringList, answers);
    QFETCH(QString, hint);
    const SolverScreen &s = *solids::find(screen.toStdString());
    const ScriptedHost host = press(s, s.solvers.front(), setOf(ticks), answers);
    QVERIFY(host.solution);
    QCOMPARE(QString::fromStdString(solver::hint(s, host.ticks, *host.solution)), hint);
}

void TestCoreHints::order_data()
{
    QTest::addColumn<QStringList>("cases"); // each "a b"
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("closest");

    const QStringList chain{ "a b", "c", "a c d", "b d", "a", "c" };
    QTest::newRow("nothing ticked: by size, ties in the chain's order, repeats once")
        << chain << QStringList{} << QStringList{ "c", "a", "a b", "b d", "a c d" } << false;
    QTest::newRow("a ticked: those with a, fewest to add first")
        << chain << QStringList{ "a" } << QStringList{ "a", "a b", "a c d" } << false;
    QTest::newRow("a and d ticked")
        << chain << QStringList{ "a", "d" } << QStringList{ "a c d" } << false;
    QTest::newRow("a box no case uses does not count")
        << chain << QStringList{ "b", "z" } << QStringList{ "a b", "b d" } << false;
    // Boxes to add and ticked boxes left out: c 0 1, a b 1 1, b d 1 1, a 1 2,
    // a c d 2 1.
    QTest::newRow("b and c never together: nearest first")
        << chain << QStringList{ "b", "c" } << QStringList{ "c", "a b", "b d", "a", "a c d" }
        << true;
    QTest::newRow("fewest to add, then fewest left out")
        << QStringList{ "p q", "p r", "x y" } << QStringList{ "q", "r", "y" }
        << QStringList{ "p q", "p r", "x y" } << true;
    QTest::newRow("same boxes, other order: once")
        << QStringList{ "b a", "a b" } << QStringList{} << QStringList{ "b a" } << false;
}

void TestCoreHints::order()
{
    QFETCH(QStringList, cases);
    QFETCH(QStringList, ticked);
    QFETCH(QStringList, expected);
    QFETCH(bool, closest);
    std::vector<Boxes> in;
    for (const auto &c : cases) {
        in.emplace_back();
        for (const auto &b : c.split(' '))
            in.back().push_back(b.toStdString());
    }
    const Combinations out = orderCombinations(in, setOf(ticked));
    QStringList got;
    for (const auto &c : out.list) {
        QStringList boxes;
        for (const auto &b : c)
            boxes << QString::fromStdString(b);
        got << boxes.join(' ');
    }
    QCOMPARE(got, expected);
    QCOMPARE(out.closest, closest);
}

// Every button of every screen, under every combination of its tick boxes up
// to three ticked: the combinations listed are the cases the chain reports
// having tested, filtered and ordered by the rule; the worked solution lists
// them in the same order; the hint names them; and ticking the first one
// the hint names is enough.
void TestCoreHints::everyScreen()
{
    int listed = 0, closest = 0, followed = 0;
    for (const auto &name : solids::names()) {
        const SolverScreen &s = *solids::find(name);
        const std::size_t n = s.checks.size();
        for (const auto &button : s.solvers) {
            for (unsigned mask = 0; mask < (1u << n); ++mask) {
                if (std::popcount(mask) > 3)
                    continue;
                const std::string where =
                    name + "." + button.name + " mask " + std::to_string(mask);
                std::set<std::string> ticks;
                for (std::size_t i = 0; i < n; ++i)
                    if (mask & (1u << i))
                        ticks.insert(s.checks[i].name);
                CaseTrace trace;
                const ScriptedHost host = press(s, button, ticks, {}, &trace);
                QVERIFY2(host.solution, where.c_str());
                const auto accepted = acceptedOf(*host.solution);
                const std::string hint = solver::hint(s, ticks, *host.solution);
                if (host.messages().empty()) {
                    QVERIFY2(accepted.empty(), where.c_str());
                    continue;
                }
                // The cases tested, once each, and the ticked boxes they use.
                std::vector<std::set<std::string>> tested;
                std::set<std::string> used;
                for (const auto &[id, taken] : trace.tested) {
                    QVERIFY2(!taken, where.c_str());
                    const Boxes b = boxesOf(id);
                    const std::set<std::string> set(b.begin(), b.end());
                    if (std::find(tested.begin(), tested.end(), set) == tested.end())
                        tested.push_back(set);
                    used.insert(b.begin(), b.end());
                }
                std::set<std::string> useful;
                for (const auto &t : ticks)
                    if (used.count(t))
                        useful.insert(t);
                const auto holdsTicked = [&](const std::set<std::string> &c) {
                    return std::includes(c.begin(), c.end(), useful.begin(), useful.end());
                };
                const auto toAdd = [&](const std::set<std::string> &c) {
                    std::size_t k = 0;
                    for (const auto &b : c)
                        k += !ticks.count(b);
                    return k;
                };
                std::vector<std::set<std::string>> expected;
                for (const auto &c : tested)
                    if (holdsTicked(c))
                        expected.push_back(c);
                const bool isClosest = expected.empty();
                if (isClosest)
                    expected = tested;
                QVERIFY2(!accepted.empty(), where.c_str());
                // Every expected combination is listed (a name shared by two
                // boxes may fold two into one), and nothing else.
                std::vector<std::set<std::string>> got;
                for (const auto *a : accepted) {
                    QCOMPARE(a->closest, isClosest);
                    got.emplace_back(a->boxes.begin(), a->boxes.end());
                    QVERIFY2(std::find(expected.begin(), expected.end(), got.back())
                                 != expected.end(),
                             (where + ": " + a->reason + " listed").c_str());
                }
                QVERIFY2(got.size() <= expected.size(), where.c_str());
                for (std::size_t i = 1; i < got.size(); ++i)
                    QVERIFY2(toAdd(got[i - 1]) <= toAdd(got[i]),
                             (where + ": " + accepted[i]->reason + " needs fewer").c_str());
                // The worked solution lists them in this order.
                const std::vector<std::string> lines = host.solution->lines();
                QCOMPARE(lines.size(), accepted.size() + 1);
                for (std::size_t i = 0; i < accepted.size(); ++i)
                    QCOMPARE(lines[i + 1], "• " + accepted[i]->reason);
                // The hint: one alternative for each listed combination, or
                // the first three.
                const std::size_t alternatives = count(hint, " – oppure ") + 1;
                if (isClosest) {
                    ++closest;
                    QVERIFY2(hint.find("Nessuna combinazione comprende") != std::string::npos,
                             (where + ": " + hint).c_str());
                    QCOMPARE(alternatives, std::min<std::size_t>(3, accepted.size()));
                } else if (useful.empty()) {
                    QVERIFY2(hint.find("Spunta: " + accepted.front()->reason) != std::string::npos,
                             (where + ": " + hint).c_str());
                    QCOMPARE(alternatives, std::min<std::size_t>(3, accepted.size()));
                } else {
                    QVERIFY2(hint.find("Spunta anche: ") != std::string::npos,
                             (where + ": " + hint).c_str());
                    QCOMPARE(alternatives, accepted.size());
                }
                ++listed;
                // A ticked box no case uses is named, to be unticked.
                const std::string unused = hint.substr(0, hint.find(" non serv"));
                for (const auto &t : ticks)
                    if (!used.count(t))
                        QVERIFY2(unused.size() < hint.size()
                                     && unused.find(boxName(s, t)) != std::string::npos,
                                 (where + ": " + hint).c_str());
                // Ticking what the first alternative names gets past the
                // message.
                std::set<std::string> more = ticks;
                more.insert(accepted.front()->boxes.begin(), accepted.front()->boxes.end());
                const ScriptedHost again = press(s, button, more, {});
                QVERIFY2(again.messages().empty(), (where + ": " + hint).c_str());
                ++followed;
            }
        }
    }
    QVERIFY(listed > 500);
    QVERIFY(closest > 50);
    QCOMPARE(followed, listed);
}

// Remarks on the data stand first, all of them, then the failing step.
void TestCoreHints::warningsComeFirst()
{
    const SolverScreen &cone = *solids::find("Form12");
    Solution solution;
    solution.given("r", "3");
    solution.warning("Il raggio deve essere positivo.");
    solution.warning("L'apotema deve superare il raggio.");
    solution.failed("h", "√(a² − r²)", "√(2² − 3²)", "a² − r² è negativo");
    QCOMPARE(solver::hint(cone, { "Check1", "Check5" }, solution),
             std::string("Attenzione! Il raggio deve essere positivo. L'apotema deve superare "
                         "il raggio. Non si può calcolare l'altezza (h) perché a² − r² è "
                         "negativo."));
    Solution onlyRemark;
    onlyRemark.warning("Il volume non è positivo.");
    QCOMPARE(solver::hint(cone, {}, onlyRemark),
             std::string("Attenzione! Il volume non è positivo."));
}

// A press that solves says nothing but its remarks on the data, on every
// screen; no press says nothing.
void TestCoreHints::nothingToSay()
{
    const SolverScreen &cube = *solids::find("Form3");
    QCOMPARE(solver::hint(cube, {}, Solution()), std::string());
    int solved = 0;
    for (const auto &name : solids::names()) {
        const SolverScreen &s = *solids::find(name);
        std::set<std::string> all;
        for (const auto &c : s.checks)
            all.insert(c.name);
        for (const auto &button : s.solvers) {
            const ScriptedHost host =
                press(s, button, all, { "3", "4", "5", "6", "7", "8", "9", "10" });
            if (!host.failed().empty() || !host.messages().empty())
                continue;
            ++solved;
            QVERIFY(host.solution);
            // Data that are checked against each other are remarked on,
            // agreeing or not; any other solved press says nothing.
            bool remarked = false;
            for (const auto &step : host.solution->steps())
                remarked = remarked || step.kind == SolutionStep::Kind::Warning
                           || step.kind == SolutionStep::Kind::Remark;
            QCOMPARE(solver::hint(s, all, *host.solution).empty(), !remarked);
        }
    }
    QVERIFY(solved > 20);
}

QTEST_APPLESS_MAIN(TestCoreHints)
#include "test_core_hints.moc"
