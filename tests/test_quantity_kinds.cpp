// The kind every screen gives its quantities, checked over every registered
// screen and every case of every solving button: each quantity the screen
// names or computes has one; scaling the lengths by t, the areas by t² and the
// volumes by t³ among the data scales every result by what its kind says; and
// with a unit chosen every result carries the unit of its kind, and a screen
// with a volume writes its capacity in litres.
#include "solids/solids.h"
#include "solver/scripted.h"
#include "solver/texts.h"

#include <QTest>

#include <cmath>
#include <set>

using namespace solver;

namespace {

// The answer patterns of test_core_screens: some pattern describes a solid
// every case can compute. Prompt k gets pattern[k % size].
const std::vector<std::vector<std::string>> kPatterns = {
    { "3", "4", "5", "6", "7", "8" },
    { "9", "8", "7", "6", "5", "4" },
    { "10", "1", "12", "2", "14", "3" },
    { "1", "10", "2", "12", "3", "14" },
    { "100", "3", "2", "50", "4", "1" },
    { "2", "60", "5", "200", "7", "90" },
    { "0.5", "0.6", "0.3", "0.2", "0.1", "0.05" },
    { "100", "60", "20", "10", "5", "2" },
    { "200", "100", "20", "6", "3", "1" },
    { "5", "5.5", "4", "3", "2", "1" },
};

// The power of the scale a measure of each kind goes with.
int dimension(Kind kind)
{
    return kind == Kind::Length ? 1 : kind == Kind::Area ? 2 : kind == Kind::Volume ? 3 : 0;
}

// How a textbook writes a result in cm of each kind.
std::string centimetres(Kind kind)
{
    switch (kind) {
    case Kind::Length:
        return " cm";
    case Kind::Area:
        return " cm²";
    case Kind::Volume:
        return " cm³";
    case Kind::Angle:
        return "°";
    case Kind::Number:
        return "";
    }
    return "?";
}

// A number as a result label or a step writes it ("−2.5").
double number(std::string text)
{
    if (text.rfind("−", 0) == 0)
        text.replace(0, std::string("−").size(), "-");
    return Value::typed(text, NumberFormat::point()).number();
}

// Half a unit of the last digit a result shows: "1.234568" is that number to
// within 5E-07; "0" is exactly zero.
double halfLastDigit(const std::string &text)
{
    if (number(text) == 0)
        return 0;
    const auto e = text.find('E');
    const std::string mantissa = text.substr(0, e);
    const auto point = mantissa.find('.');
    const int decimals = point == std::string::npos ? 0 : int(mantissa.size() - point - 1);
    return 0.5
           * std::pow(10.0,
                      (e == std::string::npos ? 0 : std::stoi(text.substr(e + 1))) - decimals);
}

// One solved case: the tick boxes, the answers typed and the press.
struct Solved {
    const SolveButton *button;
    std::string where;
    std::set<std::string> ticks;
    std::vector<std::string> answers;
    ScriptedHost host;
};

ScriptedHost press(const SolverScreen &s, const SolveButton &b, const std::set<std::string> &ticks,
                   const std::vector<std::string> &answers, Unit unit = Unit::None,
                   CaseTrace *trace = nullptr)
{
    ScriptedHost host(NumberFormat::point(), ScriptedHost::WhenOut::Repeat);
    host.ticks = ticks;
    host.answers = { answers.begin(), answers.end() };
    host.choices.unit = unit;
    host.press(s, b, trace);
    return host;
}

bool solvedWell(const SolverScreen &s, const SolveButton &b, const ScriptedHost &host)
{
    if (!host.failed().empty() || !host.messages().empty())
        return false;
    for (const auto &r : s.resultsOf(b))
        if (!host.texts.count(r))
            return false;
    return true;
}

// Every case of every button of the screen, each pressed with the tick boxes
// it names and the first pattern that solves it (with no remark on the data
// and no negative measure, where one does). A case no pattern solves fails the test.
std::vector<Solved> everyCase(const SolverScreen &s)
{
    std::vector<Solved> out;
    for (const auto &b : s.solvers) {
        CaseTrace all;
        press(s, b, {}, {}, Unit::None, &all);
        std::set<std::string> ids{ "" }, taken;
        for (const auto &t : all.tested)
            ids.insert(t.first.substr(0, t.first.find('#')));
        if (ids.size() > 1)
            ids.erase("");
        for (const auto &id : ids) {
            std::set<std::string> ticks;
            for (std::size_t at = 0; at < id.size();) {
                const auto plus = std::min(id.find('+', at), id.size());
                ticks.insert(id.substr(at, plus - at));
                at = plus + 1;
            }
            std::optional<Solved> found;
            for (const auto &pattern : kPatterns) {
                CaseTrace trace;
                ScriptedHost host = press(s, b, ticks, pattern, Unit::None, &trace);
                bool isTaken = id.empty();
                for (const auto &[t, yes] : trace.tested)
                    isTaken = isTaken || (yes && t.substr(0, t.find('#')) == id);
                if (!isTaken || !solvedWell(s, b, host))
                    continue;
                std::vector<std::string> answers;
                for (std::size_t k = 0; k < host.asked; ++k)
                    answers.push_back(pattern[k % pattern.size()]);
                bool remarked = false;
                for (const auto &step : host.solution->steps())
                    remarked = remarked || step.kind == SolutionStep::Kind::Warning
                               || step.result.rfind("−", 0) == 0;
                if (!found || !remarked)
                    found = Solved{ &b, s.name + "." + b.name + " " + id, ticks, answers, host };
                if (!remarked)
                    break;
            }
            if (!found)
                QTest::qFail(("no data solve " + s.name + "." + b.name + " " + id).c_str(),
                             __FILE__, __LINE__);
            else
                out.push_back(std::move(*found));
        }
    }
    return out;
}

} // namespace

class TestQuantityKinds : public QObject {
    Q_OBJECT
private slots:
    void screens_data();
    void everyQuantityHasAKind();
    void everyQuantityHasAKind_data() { screens_data(); }
    void dimensions();
    void dimensions_data() { screens_data(); }
    void unitsShown();
    void unitsShown_data() { screens_data(); }
};

void TestQuantityKinds::screens_data()
{
    QTest::addColumn<QString>("screen");
    for (const auto &name : solids::names())
        QTest::newRow(name.c_str()) << QString::fromStdString(name);
}

// The quantities of the description and of every step of every case have a
// kind; a kind is given once, and only to a quantity the screen has.
void TestQuantityKinds::everyQuantityHasAKind()
{
    QFETCH(QString, screen);
    const SolverScreen &s = *solids::find(screen.toStdString());
    std::set<std::string> named;
    for (const auto *list : { &s.checks, &s.knownList })
        for (const auto &c : *list)
            if (!c.quantity.empty())
                named.insert(c.quantity);
    for (const auto &row : s.rows) {
        QVERIFY2(!row.quantity.empty(),
                 (s.name + ": row " + row.result + " names no quantity").c_str());
        named.insert(row.quantity);
    }
    for (const auto &solved : everyCase(s))
        for (const auto &step : solved.host.solution->steps())
            if (!step.symbol.empty())
                named.insert(step.symbol);
    for (const auto &symbol : named)
        QVERIFY2(s.kindOf(symbol), (s.name + ": " + symbol + " has no kind").c_str());
    std::set<std::string> declared;
    for (const auto &q : s.quantities) {
        QVERIFY2(declared.insert(q.symbol).second, (s.name + ": " + q.symbol + " twice").c_str());
        QVERIFY2(named.count(q.symbol), (s.name + ": no quantity " + q.symbol).c_str());
    }
}

// Data scaled by their kinds (t = 2: the numbers scale exactly in binary)
// scale every result by its own kind, to the digits shown.
void TestQuantityKinds::dimensions()
{
    QFETCH(QString, screen);
    const SolverScreen &s = *solids::find(screen.toStdString());
    const double t = 2;
    for (const auto &solved : everyCase(s)) {
        const SolveButton &b = *solved.button;
        std::vector<std::string> data;
        for (const auto &step : solved.host.solution->steps())
            if (step.kind == SolutionStep::Kind::Given)
                data.push_back(step.symbol);
        QVERIFY2(data.size() == solved.answers.size(),
                 (solved.where + ": an answer given to no quantity").c_str());
        std::vector<std::string> scaled;
        for (std::size_t i = 0; i < data.size(); ++i)
            scaled.push_back(
                formatNumber(number(solved.answers[i]) * std::pow(t, dimension(*s.kindOf(data[i]))),
                             15, NumberFormat::point()));
        const ScriptedHost big = press(s, b, solved.ticks, scaled);
        QVERIFY2(solvedWell(s, b, big), (solved.where + " scaled: " + big.failed()).c_str());
        // a scaled to z, to the digits both show.
        const auto scales = [&](const std::string &symbol, const std::string &a,
                                const std::string &z) {
            const double by = std::pow(t, dimension(*s.kindOf(symbol)));
            const double tolerance =
                halfLastDigit(z) + by * halfLastDigit(a) + 1e-9 * std::fabs(number(z));
            return std::fabs(number(z) - by * number(a)) <= tolerance;
        };
        const auto results = s.resultsOf(b);
        for (const auto &row : s.rows) {
            if (std::find(results.begin(), results.end(), row.result) == results.end())
                continue;
            const std::string &a = solved.host.texts.at(row.result), &z = big.texts.at(row.result);
            QCOMPARE(z.empty(), a.empty()); // a result the case does not give
            QVERIFY2(a.empty() || scales(row.quantity, a, z),
                     (solved.where + ": " + row.quantity + " = " + a + ", scaled " + z).c_str());
        }
        // Every step as well, the helper quantities' included.
        const auto &steps = solved.host.solution->steps(), &bigSteps = big.solution->steps();
        QCOMPARE(bigSteps.size(), steps.size());
        for (std::size_t i = 0; i < steps.size(); ++i) {
            if (steps[i].kind != SolutionStep::Kind::Computed)
                continue;
            QCOMPARE(bigSteps[i].symbol, steps[i].symbol);
            QVERIFY2(scales(steps[i].symbol, steps[i].result, bigSteps[i].result),
                     (solved.where + ": step " + steps[i].symbol + " = " + steps[i].result
                      + ", scaled " + bigSteps[i].result)
                         .c_str());
        }
    }
}

// With the data in cm: each result as without a unit, followed by the unit of
// its kind; the capacity in litres (1 l = 1000 cm³) where the screen shows a
// volume, and nowhere else.
void TestQuantityKinds::unitsShown()
{
    QFETCH(QString, screen);
    const SolverScreen &s = *solids::find(screen.toStdString());
    for (const auto &solved : everyCase(s)) {
        const SolveButton &b = *solved.button;
        const ScriptedHost cm = press(s, b, solved.ticks, solved.answers, Unit::Centimetre);
        for (const auto &r : s.resultsOf(b)) {
            const auto row =
                std::find_if(s.rows.begin(), s.rows.end(), [&](auto &x) { return x.result == r; });
            QVERIFY2(row != s.rows.end() && cm.texts.count(r), (solved.where + ": " + r).c_str());
            const std::string &plain = solved.host.texts.at(r);
            QCOMPARE(cm.texts.at(r),
                     plain.empty() ? plain : plain + centimetres(*s.kindOf(row->quantity)));
        }
        const ResultRow *volume = s.volumeRow();
        QCOMPARE(cm.texts.count(texts::capacityControl) > 0, volume != nullptr);
        if (!volume)
            continue;
        const std::string &v = solved.host.texts.at(volume->result);
        const std::string capacity = cm.texts.at(texts::capacityControl);
        QCOMPARE(capacity.empty(), v.empty());
        if (v.empty())
            continue;
        const auto l = capacity.find(" l");
        QVERIFY2(l != std::string::npos, (solved.where + ": " + capacity).c_str());
        const std::string litres = capacity.substr(0, l);
        QVERIFY2(std::fabs(number(litres) - number(v) / 1000)
                     <= halfLastDigit(litres) + halfLastDigit(v) / 1000
                            + 1e-9 * std::fabs(number(litres)),
                 (solved.where + ": " + v + " cm³ hold " + capacity).c_str());
        QCOMPARE(capacity.find(" hl") != std::string::npos, s.hectolitres);
    }
}

QTEST_APPLESS_MAIN(TestQuantityKinds)
#include "test_quantity_kinds.moc"
