// The kind every screen gives its quantities, checked over every registered
// screen and every case of every solving button: each quantity the screen
// names or computes has one; data scaled by their kinds (lengths by t, areas
// by t², volumes by t³) scale every result and every step by its own kind;
// and with the data in cm every result carries the unit of its kind, and a
// screen with a volume writes its capacity in litres.
#include "solids/solids.h"
#include "solver/scripted.h"
#include "solver/texts.h"

#include "answers.h"
#include "cases.h"

#include <QTest>

#include <cmath>
#include <set>

using namespace solver;
using cases::everyCase;
using cases::press;
using cases::solved;

namespace {

// By kind (Length, Area, Volume, Angle, Number): the power of the scale it
// goes with, and how a textbook writes a result of it in cm.
const int kDimension[] = { 1, 2, 3, 0, 0 };
const char *const kCentimetres[] = { " cm", " cm²", " cm³", "°", "" };

// A number as a result label or a step writes it ("−2.5").
double number(std::string text)
{
    if (text.rfind("−", 0) == 0)
        text.replace(0, std::string("−").size(), "-");
    return Value::typed(text, NumberFormat::point()).number();
}

// Half a unit of the last digit shown: "1.234568" stands for its number to
// within 5E-07, "1.5E+20" to within 5E+18; "0" is exactly zero.
double halfLastDigit(const std::string &text)
{
    const auto e = text.find('E'), point = text.find('.');
    const int decimals = point == std::string::npos ? 0 : int(std::min(e, text.size()) - point - 1);
    const int exponent = e == std::string::npos ? 0 : std::stoi(text.substr(e + 1));
    return number(text) == 0 ? 0 : 0.5 * std::pow(10.0, exponent - decimals);
}

} // namespace

class TestQuantityKinds : public QObject {
    Q_OBJECT
private slots:
    void screens_data();
    void everyQuantityHasAKind();
    void everyQuantityHasAKind_data() { screens_data(); }
    void dimensionsAndUnits();
    void dimensionsAndUnits_data() { screens_data(); }
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
                 (s.name + ": " + row.result + " names no quantity").c_str());
        named.insert(row.quantity);
    }
    for (const auto &c : everyCase(s))
        for (const auto &step : c.host.solution->steps())
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

void TestQuantityKinds::dimensionsAndUnits()
{
    QFETCH(QString, screen);
    const SolverScreen &s = *solids::find(screen.toStdString());
    const double t = 2; // numbers scale exactly in binary, single precision included
    // A quantity without a kind (everyQuantityHasAKind names it) scales by
    // nothing and has no unit.
    const auto scale = [&](const std::string &symbol) {
        const auto kind = s.kindOf(symbol);
        return kind ? std::pow(t, kDimension[int(*kind)]) : std::nan("");
    };
    const auto unit = [&](const std::string &symbol) {
        const auto kind = s.kindOf(symbol);
        return std::string(kind ? kCentimetres[int(*kind)] : " ?");
    };
    // z is a scaled by the kind of symbol, to the digits both show.
    const auto scales = [&](const std::string &symbol, const std::string &a, const std::string &z) {
        const double by = scale(symbol), tolerance = halfLastDigit(z) + by * halfLastDigit(a);
        return std::fabs(number(z) - by * number(a)) <= tolerance + 1e-9 * std::fabs(number(z));
    };
    for (const auto &c : everyCase(s)) {
        const SolveButton &b = *c.button;
        const auto &steps = c.host.solution->steps();
        std::vector<std::string> scaled;
        for (const auto &step : steps)
            if (step.kind == SolutionStep::Kind::Given)
                scaled.push_back(formatNumber(number(c.answers[scaled.size()]) * scale(step.symbol),
                                              15, NumberFormat::point()));
        QVERIFY2(scaled.size() == c.answers.size(),
                 (c.where + ": an answer to no quantity").c_str());
        const ScriptedHost big = press(s, b, c.ticks, scaled, Unit::None);
        const ScriptedHost cm = press(s, b, c.ticks, c.answers, Unit::Centimetre);
        QVERIFY2(solved(s, b, big) && solved(s, b, cm), (c.where + ": " + big.failed()).c_str());

        // Every result label and every step scale by their kinds.
        for (const auto &r : s.resultsOf(b)) {
            const auto row = std::find_if(s.rows.begin(), s.rows.end(),
                                          [&](const ResultRow &x) { return x.result == r; });
            QVERIFY2(row != s.rows.end(), (c.where + ": " + r + " is no row").c_str());
            const std::string &a = c.host.texts.at(r), &z = big.texts.at(r);
            QCOMPARE(z.empty(), a.empty()); // a result the case does not give
            QVERIFY2(a.empty() || scales(row->quantity, a, z),
                     (c.where + ": " + row->quantity + " = " + a + ", scaled " + z).c_str());
            // In cm: the same text followed by the unit of its kind.
            QCOMPARE(cm.texts.at(r), a.empty() ? a : a + unit(row->quantity));
        }
        const auto &bigSteps = big.solution->steps();
        QCOMPARE(bigSteps.size(), steps.size());
        for (std::size_t i = 0; i < steps.size(); ++i)
            QVERIFY2(steps[i].kind != SolutionStep::Kind::Computed
                         || (bigSteps[i].symbol == steps[i].symbol
                             && scales(steps[i].symbol, steps[i].result, bigSteps[i].result)),
                     (c.where + ": step " + steps[i].symbol + " = " + steps[i].result + ", scaled "
                      + bigSteps[i].result)
                         .c_str());

        // The capacity of a volume in cm³, in litres (1 l = 1000 cm³), and
        // in hectolitres too where the screen says so; none without a volume.
        const ResultRow *volume = s.volumeRow();
        QCOMPARE(cm.texts.count(texts::capacityControl) > 0, volume != nullptr);
        if (!volume)
            continue;
        const std::string &v = c.host.texts.at(volume->result);
        const std::string capacity = cm.texts.at(texts::capacityControl);
        const auto l = capacity.find(" l");
        QCOMPARE(l == std::string::npos, v.empty());
        if (v.empty())
            continue;
        const std::string litres = capacity.substr(0, l);
        QVERIFY2(std::fabs(number(litres) - number(v) / 1000)
                     <= halfLastDigit(litres) + halfLastDigit(v) / 1000
                            + 1e-9 * std::fabs(number(litres)),
                 (c.where + ": " + v + " cm³ hold " + capacity).c_str());
        QCOMPARE(capacity.find(" l = ") != std::string::npos && capacity.ends_with(" hl"),
                 s.hectolitres);
    }
}

QTEST_APPLESS_MAIN(TestQuantityKinds)
#include "test_quantity_kinds.moc"
