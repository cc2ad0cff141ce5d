// How the worked solution writes its steps: as a textbook writes them, from
// the very arithmetic that computed them. Over every case of every screen no
// step multiplies by 1, subtracts a negative term or writes a hyphen for a
// minus, no line comes twice, and every symbol is a datum, a quantity worked
// out before, a helper introduced in words or a constant explained. The data
// a case takes beyond what the solid needs are checked against each other,
// and a measure that is not positive is remarked on.
#include "solids/solids.h"
#include "solver/calc.h"
#include "solver/scripted.h"
#include "solver/words.h"

#include <QTest>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>

#include <set>

using namespace solver;

namespace {

// Answers with negative and zero values among them, so that the writing of
// negative numbers and the remarks on the data are pressed too.
const std::vector<std::vector<std::string>> kPatterns = {
    { "3", "4", "5", "6", "7", "8" },
    { "10", "1", "12", "2", "14", "3" },
    { "-2", "5", "-3", "4", "0", "6" },
    { "0.5", "0.6", "0.3", "0.2", "0.1", "0.05" },
};

ScriptedHost press(const SolverScreen &s, const SolveButton &b, const std::set<std::string> &ticks,
                   const std::vector<std::string> &answers, const NumberFormat &format)
{
    ScriptedHost host(format, ScriptedHost::WhenOut::Repeat);
    host.ticks = ticks;
    host.answers = { answers.begin(), answers.end() };
    host.press(s, b);
    return host;
}

// The press of the first button with these boxes ticked (by quantity).
ScriptedHost pressByQuantity(const std::string &screen, const std::set<std::string> &known,
                             const std::vector<std::string> &answers)
{
    const SolverScreen *s = solids::find(screen);
    std::set<std::string> ticks;
    for (const auto &c : s->checks)
        if (known.count(c.quantity))
            ticks.insert(c.name);
    return press(*s, s->solvers.front(), ticks, answers, NumberFormat::point());
}

std::vector<std::string> warnings(const Solution &solution, SolutionStep::Kind kind)
{
    std::vector<std::string> out;
    for (const auto &st : solution.steps())
        if (st.kind == kind)
            out.push_back(st.reason);
    return out;
}

QString joined(const std::vector<std::string> &lines)
{
    QStringList out;
    for (const auto &l : lines)
        out << QString::fromStdString(l);
    return out.join('\n');
}

// The quantities of the solid a screen names: tick boxes, prompts, results.
std::set<std::string> quantitiesOf(const SolverScreen &s)
{
    std::set<std::string> out;
    for (const auto &c : s.checks)
        out.insert(c.quantity);
    for (const auto &c : s.knownList)
        out.insert(c.quantity);
    for (const auto &r : s.rows)
        out.insert(r.quantity);
    return out;
}

bool isDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool isLetter(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

// The symbols a formula written with symbols reads: names of quantities
// (a letter, then letters or digits) and the constants π, 2π, 4π, 6π. A
// letter right after a digit belongs to a number (1,5E+20).
std::vector<std::string> symbolsIn(const std::string &formula)
{
    const std::string pi = "π";
    std::vector<std::string> out;
    for (std::size_t i = 0; i < formula.size();) {
        if (formula.compare(i, pi.size(), pi) == 0) {
            std::size_t b = i;
            while (b > 0 && isDigit(formula[b - 1]))
                --b;
            out.push_back(formula.substr(b, i + pi.size() - b));
            i += pi.size();
        } else if (isLetter(formula[i]) && (i == 0 || !isDigit(formula[i - 1]))) {
            std::size_t e = i;
            while (e < formula.size() && (isLetter(formula[e]) || isDigit(formula[e])))
                ++e;
            out.push_back(formula.substr(i, e - i));
            i = e;
        } else {
            ++i;
        }
    }
    return out;
}

// The decimal numbers a formula written with symbols reads (0,866) but a
// half: every one is a constant to explain.
std::vector<std::string> decimalsIn(const std::string &formula, char mark)
{
    std::vector<std::string> out;
    for (std::size_t i = 0; i < formula.size(); ++i) {
        if (!isDigit(formula[i]) || (i > 0 && (isDigit(formula[i - 1]) || formula[i - 1] == mark)))
            continue;
        std::size_t e = i;
        while (e < formula.size() && isDigit(formula[e]))
            ++e;
        if (e + 1 < formula.size() && formula[e] == mark && isDigit(formula[e + 1])) {
            ++e;
            while (e < formula.size() && isDigit(formula[e]))
                ++e;
            const std::string number = formula.substr(i, e - i);
            if (number != std::string("0") + mark + "5")
                out.push_back(number);
        }
        i = e;
    }
    return out;
}

// A factor 1 written as such: "· 1" not followed by more of a number.
bool timesOne(const std::string &line)
{
    const std::string t = "· 1";
    for (auto at = line.find(t); at != std::string::npos; at = line.find(t, at + 1)) {
        const std::size_t e = at + t.size();
        if (e == line.size()
            || !(isDigit(line[e])
                 || ((line[e] == ',' || line[e] == '.') && e + 1 < line.size()
                     && isDigit(line[e + 1]))))
            return true;
    }
    return false;
}

bool hyphenBeforeNumber(const std::string &line)
{
    for (std::size_t i = 0; i + 1 < line.size(); ++i)
        if (line[i] == '-' && std::isdigit(static_cast<unsigned char>(line[i + 1])))
            return true;
    return false;
}

} // namespace

class TestCoreSteps : public QObject {
    Q_OBJECT
private slots:
    void writing_data();
    void writing();
    void repeatedAndChecked();
    void everyStep_data();
    void everyStep();
    void consistency_data();
    void consistency();
    void nonPositive_data();
    void nonPositive();
};

// The writing rules, one by one, on expressions of quantities: each is
// written as a textbook writes it and still computes what it always did.
void TestCoreSteps::writing_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("symbols");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<double>("value");

    // x = "3" and y = "-2" as typed; the results are worked out by hand.
    QTest::newRow("factor 1 on the right") << "x*1+y*1"
                                           << "x + y"
                                           << "3 + (−2)" << 1.0;
    QTest::newRow("factor 1 on the left") << "1*x"
                                          << "x"
                                          << "3" << 3.0;
    QTest::newRow("minus a negated term") << "x-(-y)"
                                          << "x + y"
                                          << "3 + (−2)" << 1.0;
    QTest::newRow("minus a product led by a minus") << "x--x*y"
                                                    << "x + x · y"
                                                    << "3 + 3 · (−2)" << -3.0;
    QTest::newRow("minus a negative fraction") << "x-(-3)/4*x"
                                               << "x + 3/4 · x"
                                               << "3 + 3/4 · 3" << 5.25;
    QTest::newRow("plus a negated term") << "x+(-y)"
                                         << "x − y"
                                         << "3 − (−2)" << 5.0;
    QTest::newRow("constant first") << "x^2*4"
                                    << "4 · x²"
                                    << "4 · 3²" << 36.0;
    QTest::newRow("constant first, a root") << "sqrt5*7"
                                            << "7 · √5"
                                            << "7 · √5" << 7 * std::sqrt(5.0);
    QTest::newRow("three factors keep their order") << "x*y*2"
                                                    << "x · y · 2"
                                                    << "3 · (−2) · 2" << -12.0;
    QTest::newRow("a sum of two equal terms") << "(sqrt3+sqrt3)*x"
                                              << "2 · √3 · x"
                                              << "2 · √3 · 3" << 6 * std::sqrt(3.0);
    QTest::newRow("a negative number squared") << "y^2"
                                               << "y²"
                                               << "(−2)²" << 4.0;
    QTest::newRow("a lone negative number") << "y"
                                            << "y"
                                            << "−2" << -2.0;
    QTest::newRow("a negative constant") << "x*(-1)-x"
                                         << "x · (−1) − x"
                                         << "3 · (−1) − 3" << -6.0;
}

void TestCoreSteps::writing()
{
    QFETCH(QString, which);
    QFETCH(QString, symbols);
    QFETCH(QString, numbers);
    QFETCH(double, value);

    const SolverScreen *screen = solids::find("Form3");
    QVERIFY(screen);
    ScriptedHost host(NumberFormat::comma());
    Calc calc(host, *screen);
    Quantity x(calc, "x"), y(calc, "y");
    x = Answer{ Value::typed("3", calc.format()) };
    y = Answer{ Value::typed("-2", calc.format()) };
    const std::map<QString, Expr> cases = {
        { "x*1+y*1", x * 1 + y * 1 },
        { "1*x", 1 * x },
        { "x-(-y)", x - (-y) },
        { "x--x*y", x - -x * y },
        { "x-(-3)/4*x", x - Expr(-3) / 4 * x },
        { "x+(-y)", x + (-y) },
        { "x^2*4", pow(x, 2) * 4 },
        { "sqrt5*7", sqrt(Expr(5)) * 7 },
        { "x*y*2", x * y * 2 },
        { "(sqrt3+sqrt3)*x", (sqrt(Expr(3)) + sqrt(Expr(3))) * x },
        { "y^2", pow(y, 2) },
        { "y", Expr(y) },
        { "x*(-1)-x", x * -1 - x },
    };
    const Expr &e = cases.at(which);
    QCOMPARE(QString::fromStdString(e.symbols(calc.format())), symbols);
    QCOMPARE(QString::fromStdString(e.numbers(calc.format())), numbers);
    QCOMPARE(e.evaluate().number(), value);
}

// A step written exactly as before is not written again; a step that works
// out a datum again is a check, which says whether it gives the datum.
void TestCoreSteps::repeatedAndChecked()
{
    Solution s;
    s.given("s", "3");
    s.computed("P", "4 · s", "4 · 3", "12");
    s.computed("P", "4 · s", "4 · 3", "12");
    s.computed("P", "3 · s", "3 · 3", "9"); // another formula: written
    s.computed("s", "P / 3", "9 / 3", "3");
    s.computed("s", "P / 4", "9 / 4", "2,25");
    const std::vector<std::string> expected = {
        "Dati:",
        "s = 3",
        "Calcoli:",
        "P = 4 · s = 4 · 3 = 12",
        "P = 3 · s = 3 · 3 = 9",
        "Verifica: s = P / 3 = 9 / 3 = 3, come il dato.",
        "Verifica: s = P / 4 = 9 / 4 = 2,25; il dato era 3, i risultati mostrano 2,25.",
    };
    QCOMPARE(joined(s.lines()), joined(expected));
}

void TestCoreSteps::everyStep_data()
{
    QTest::addColumn<QString>("decimal");
    QTest::newRow("point") << QStringLiteral(".");
    QTest::newRow("comma") << QStringLiteral(",");
}

void TestCoreSteps::everyStep()
{
    QFETCH(QString, decimal);
    const NumberFormat format{ decimal.toStdString() };
    int steps = 0, helpers = 0, constants = 0;
    for (const auto &name : solids::names()) {
        const SolverScreen &s = *solids::find(name);
        const std::set<std::string> ofSolid = quantitiesOf(s);
        const std::size_t n = s.checks.size();
        for (const auto &button : s.solvers) {
            for (unsigned mask = 0; mask < (1u << n); ++mask) {
                std::set<std::string> ticks;
                for (std::size_t i = 0; i < n; ++i)
                    if (mask & (1u << i))
                        ticks.insert(s.checks[i].name);
                for (auto pattern : kPatterns) {
                    for (auto &a : pattern)
                        if (decimal == ",")
                            std::replace(a.begin(), a.end(), '.', ',');
                    const ScriptedHost host = press(s, button, ticks, pattern, format);
                    if (!host.messages().empty())
                        break; // the insufficient-data message: no steps
                    QVERIFY(host.solution.has_value());
                    const std::string where = name + "." + button.name + " ";
                    const std::vector<std::string> lines = host.solution->lines();
                    std::set<std::string> seen;
                    bool calculations = false;
                    for (const auto &line : lines) {
                        if (line == "Dati:" || line == "Calcoli:") {
                            calculations = line == "Calcoli:";
                            continue;
                        }
                        QVERIFY2(seen.insert(line).second,
                                 (where + "written twice: " + line).c_str());
                        // The data are written as typed; the rest as a textbook.
                        if (!calculations)
                            continue;
                        QVERIFY2(!hyphenBeforeNumber(line), (where + line).c_str());
                        QVERIFY2(line.find("− −") == std::string::npos, (where + line).c_str());
                    }
                    // Every symbol is defined before it is read.
                    std::set<std::string> defined;
                    std::set<std::string> notes;
                    for (const auto &st : host.solution->steps()) {
                        for (const auto &note : st.notes)
                            notes.insert(note);
                        if (st.kind == SolutionStep::Kind::Given)
                            defined.insert(st.symbol);
                        if (st.kind != SolutionStep::Kind::Computed
                            && st.kind != SolutionStep::Kind::Failed)
                            continue;
                        ++steps;
                        const std::string step = where + stepLine(st);
                        // A datum may be 1; a factor 1 is never written.
                        QVERIFY2(!timesOne(st.formula), step.c_str());
                        if (!ofSolid.count(st.symbol) && !defined.count(st.symbol)) {
                            // A helper quantity: introduced in words.
                            const std::string intro = "Indichiamo con " + st.symbol + " ";
                            bool introduced = false;
                            for (const auto &note : notes)
                                introduced = introduced || note.rfind(intro, 0) == 0;
                            QVERIFY2(introduced, ("not introduced: " + step).c_str());
                            ++helpers;
                        }
                        for (const auto &sym : symbolsIn(st.formula)) {
                            if (sym.find("π") != std::string::npos) {
                                bool explained = false;
                                for (const auto &note : notes)
                                    explained = explained || note.rfind(sym + " ≈ ", 0) == 0;
                                QVERIFY2(explained, ("unexplained " + sym + ": " + step).c_str());
                                ++constants;
                                continue;
                            }
                            QVERIFY2(defined.count(sym),
                                     ("undefined " + sym + ": " + step).c_str());
                        }
                        for (const std::string &number :
                             decimalsIn(st.formula, format.decimal[0])) {
                            bool explained = false;
                            for (const auto &note : notes)
                                explained = explained || note.rfind(number + " ≈ ", 0) == 0;
                            QVERIFY2(explained, ("unexplained " + number + ": " + step).c_str());
                            ++constants;
                        }
                        defined.insert(st.symbol);
                    }
                }
            }
        }
    }
    QVERIFY(steps > 10000);
    QVERIFY(helpers > 10);
    QVERIFY(constants > 1000);
}

// The data a case takes beyond what the solid needs: they agree, and the
// solution says so in one line, or they do not, and it says which value the
// others imply. Implied values worked out by hand.
void TestCoreSteps::consistency_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("known");
    QTest::addColumn<QStringList>("answers"); // in the order the case asks
    QTest::addColumn<QString>("warning");     // empty: the data agree
    QTest::addColumn<QString>("remark");      // empty: they do not

    // The frustum: a² = h² + ((L1 − L2) / 2)², so 10, 4 and 4 give 5.
    QTest::newRow("frustum, apothem too short")
        << "Form24" << QStringList{ "L1", "L2", "h", "a" } << QStringList{ "10", "4", "4", "4" }
        << "Con L1 = 10, L2 = 4 e h = 4 @ sarebbe 5, non 4: i dati non descrivono un "
           "tronco di piramide."
        << "";
    QTest::newRow("frustum, consistent")
        << "Form24" << QStringList{ "L1", "L2", "h", "a" } << QStringList{ "10", "4", "5", "4" }
        << ""
        << "I dati sono coerenti: con L1 = 10, L2 = 4 e h = 4 @ è 5, come il dato.";
    // Asked P1, L2, a, h: L1 = P1 / 4 = 10.
    QTest::newRow("frustum from a perimeter, consistent")
        << "Form24" << QStringList{ "L2", "h", "P1", "a" } << QStringList{ "40", "4", "5", "4" }
        << ""
        << "I dati sono coerenti: con L1 = 10, L2 = 4 e h = 4 @ è 5, come il dato.";
    QTest::newRow("frustum, height longer than the apothem")
        << "Form24" << QStringList{ "L1", "L2", "h", "a" } << QStringList{ "10", "10", "3", "4" }
        << "Con L1 = 10, L2 = 10 e h = 4 @ sarebbe 4, non 3: i dati non descrivono un "
           "tronco di piramide."
        << "";
    // The zone: cuts of radius 4 and 3 at distance 3 and 4 from the centre of
    // a sphere of radius 5, on one side (h = 1) or on both (h = 7).
    QTest::newRow("zone, one side, consistent")
        << "Form40" << QStringList{ "r", "h", "r1", "r2" } << QStringList{ "5", "1", "4", "3" }
        << ""
        << "I dati sono coerenti: con r1 = 4, r2 = 3 e h = 1 @ è 5, come "
           "il dato.";
    QTest::newRow("zone, both sides, consistent")
        << "Form40" << QStringList{ "r", "h", "r1", "r2" } << QStringList{ "5", "7", "4", "3" }
        << ""
        << "I dati sono coerenti: con r1 = 4, r2 = 3 e h = 7 @ è 5, come "
           "il dato.";
    QTest::newRow("zone, wrong radius")
        << "Form40" << QStringList{ "r", "h", "r1", "r2" } << QStringList{ "6", "7", "4", "3" }
        << "Con r1 = 4, r2 = 3 e h = 7 @ sarebbe 5, non 6: i dati non "
           "descrivono una zona sferica."
        << "";
    // The trapezoid's faces share one apothem only when a + a = b + c.
    QTest::newRow("trapezoid pyramid, no inscribed circle")
        << "Form8" << QStringList{ "a", "b", "c", "a1" } << QStringList{ "5", "4", "10", "9" }
        << "Con b = 4 e c = 10 @ sarebbe 7, non 5: i dati non descrivono una piramide con le "
           "facce ugualmente inclinate."
        << "";
    QTest::newRow("trapezoid pyramid, consistent")
        << "Form8" << QStringList{ "a", "b", "c", "a1" } << QStringList{ "7", "4", "10", "9" } << ""
        << "I dati sono coerenti: con b = 4 e c = 10 @ è 7, come il dato.";
}

void TestCoreSteps::consistency()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, known);
    QFETCH(QStringList, answers);
    QFETCH(QString, warning);
    QFETCH(QString, remark);
    std::set<std::string> k;
    for (const auto &q : known)
        k.insert(q.toStdString());
    std::vector<std::string> a;
    for (const auto &x : answers)
        a.push_back(x.toStdString());
    const ScriptedHost host = pressByQuantity(screen.toStdString(), k, a);
    QVERIFY(host.solution.has_value());
    QVERIFY(host.messages().empty());
    // "@" stands for the checked datum in words, as the glossary names it.
    const QString words = QString::fromStdString(
        quantityWords(*solids::find(screen.toStdString()), known.contains("a") ? "a" : "r")
            .definite);
    warning.replace("@", words);
    remark.replace("@", words);
    const auto warned = warnings(*host.solution, SolutionStep::Kind::Warning);
    const auto remarked = warnings(*host.solution, SolutionStep::Kind::Remark);
    QCOMPARE(joined(warned), warning);
    QCOMPARE(joined(remarked), remark);
    const auto lines = host.solution->lines();
    if (!warning.isEmpty())
        QVERIFY(std::find(lines.begin(), lines.end(), "Attenzione! " + warning.toStdString())
                != lines.end());
}

void TestCoreSteps::nonPositive_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("known");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("flagged"); // the quantities remarked on

    QTest::newRow("cube of side −3")
        << "Form3" << QStringList{ "s" } << QStringList{ "-3" } << QStringList{ "s" };
    QTest::newRow("cube of side 0")
        << "Form3" << QStringList{ "s" } << QStringList{ "0" } << QStringList{ "s" };
    QTest::newRow("cube of side 3")
        << "Form3" << QStringList{ "s" } << QStringList{ "3" } << QStringList{};
    QTest::newRow("cone, zero height")
        << "Form12" << QStringList{ "r", "h" } << QStringList{ "3", "0" } << QStringList{ "h" };
    QTest::newRow("cone, both negative") << "Form12" << QStringList{ "r", "h" }
                                         << QStringList{ "-3", "-0.5" } << QStringList{ "r", "h" };
}

void TestCoreSteps::nonPositive()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, known);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, flagged);
    std::set<std::string> k;
    for (const auto &q : known)
        k.insert(q.toStdString());
    std::vector<std::string> a;
    for (const auto &x : answers)
        a.push_back(x.toStdString());
    const ScriptedHost host = pressByQuantity(screen.toStdString(), k, a);
    QVERIFY(host.solution.has_value());
    const auto warned = warnings(*host.solution, SolutionStep::Kind::Warning);
    QCOMPARE(int(warned.size()), int(flagged.size()));
    const SolverScreen &s = *solids::find(screen.toStdString());
    for (int i = 0; i < flagged.size(); ++i) {
        const std::string q = flagged[i].toStdString();
        std::string value;
        for (const auto &st : host.solution->steps())
            if (st.kind == SolutionStep::Kind::Given && st.symbol == q)
                value = st.result;
        std::string words = quantityWords(s, q).definite;
        words[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(words[0])));
        // Written with the minus sign: −3.
        const std::string minus = value[0] == '-' ? "−" + value.substr(1) : value;
        QCOMPARE(QString::fromStdString(warned[i]),
                 QString::fromStdString(words + " " + q + " vale " + minus
                                        + ", ma le misure di un solido sono positive."));
    }
}

QTEST_GUILESS_MAIN(TestCoreSteps)
#include "test_core_steps.moc"
