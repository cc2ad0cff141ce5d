// The worked solution of every press of every registered screen: every case
// yields one, every number a result label shows appears in it, and each step
// written with its numbers, read back by a small expression reader, gives the
// step's result. Failing steps and the insufficient-data message explain
// themselves. Nothing here names a screen but the worked examples.
#include "solids/solids.h"
#include "solver/scripted.h"

#include <QTest>

#include <cmath>
#include <map>
#include <set>

using namespace solver;

namespace {

// The first has negative data: its steps, read back, write (−2) and a + b
// for a − (−b); it is pressed in every case, the others until one solves.
const std::vector<std::vector<std::string>> kPatterns = {
    { "-2", "5", "-3", "4", "6", "-7" },   { "3", "4", "5", "6", "7", "8" },
    { "9", "8", "7", "6", "5", "4" },      { "10", "1", "12", "2", "14", "3" },
    { "1", "10", "2", "12", "3", "14" },   { "100", "3", "2", "50", "4", "1" },
    { "2", "60", "5", "200", "7", "90" },  { "0.5", "0.6", "0.3", "0.2", "0.1", "0.05" },
    { "100", "60", "20", "10", "5", "2" }, { "200", "100", "20", "6", "3", "1" },
    { "5", "5.5", "4", "3", "2", "1" },
};

// Reads back an expression as the solution writes it with its numbers:
// + − · / ^, ² ³, √ ∛, brackets, signed numbers with the format's decimal mark
// and an exponent (1,5E+20).
class Reader {
public:
    Reader(const std::string &text, const NumberFormat &format) : m_s(text), m_format(format) {}

    bool read(double &out)
    {
        try {
            out = sum();
            skip();
            return m_i == m_s.size();
        } catch (const std::exception &) {
            return false;
        }
    }

private:
    bool eat(const std::string &t)
    {
        skip();
        if (m_s.compare(m_i, t.size(), t) == 0) {
            m_i += t.size();
            return true;
        }
        return false;
    }
    void skip()
    {
        while (m_i < m_s.size() && m_s[m_i] == ' ')
            ++m_i;
    }
    double sum()
    {
        double v = product();
        for (;;) {
            if (eat("+"))
                v += product();
            else if (eat("−"))
                v -= product();
            else
                return v;
        }
    }
    double product()
    {
        double v = sign();
        for (;;) {
            if (eat("·"))
                v *= sign();
            else if (eat("/"))
                v /= sign();
            else
                return v;
        }
    }
    double sign()
    {
        if (eat("−") || eat("-"))
            return -sign();
        return power();
    }
    double power()
    {
        double v = atom();
        for (;;) {
            if (eat("²"))
                v = v * v;
            else if (eat("³"))
                v = v * v * v;
            else if (eat("^"))
                v = std::pow(v, atom());
            else
                return v;
        }
    }
    double atom()
    {
        if (eat("√"))
            return std::sqrt(atom());
        if (eat("∛"))
            return std::cbrt(atom());
        if (eat("(")) {
            const double v = sum();
            if (!eat(")"))
                throw std::runtime_error("bracket");
            return v;
        }
        skip();
        // A number, its exponent's sign written − or + (1,5E−20).
        const std::string minus = "−";
        std::size_t j = m_i;
        std::string number;
        while (j < m_s.size()) {
            const char c = m_s[j];
            if (std::isdigit(static_cast<unsigned char>(c)) || c == 'E'
                || ((c == '+' || c == '-') && j > 0 && m_s[j - 1] == 'E')) {
                number += c;
                ++j;
            } else if (m_s.compare(j, m_format.decimal.size(), m_format.decimal) == 0) {
                number += m_format.decimal;
                j += m_format.decimal.size();
            } else if (m_s.compare(j, minus.size(), minus) == 0 && j > 0 && m_s[j - 1] == 'E') {
                number += '-';
                j += minus.size();
            } else {
                break;
            }
        }
        const Reading r = readNumber(number, m_format);
        if (j == m_i || !r.isNumber())
            throw std::runtime_error("number");
        m_i = j;
        return r.value;
    }

    std::string m_s;
    NumberFormat m_format;
    std::size_t m_i = 0;
};

std::string trimmed(const std::string &s)
{
    const auto b = s.find_first_not_of(" \t");
    const auto e = s.find_last_not_of(" \t");
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

// A result as the steps write it: a label's "-" is the minus sign there.
std::string minusSign(std::string s)
{
    for (std::size_t i = 0; (i = s.find('-', i)) != std::string::npos;)
        s.replace(i, 1, "−");
    return s;
}

// A press whose prompt k is answered with answers[k % size].
ScriptedHost press(const SolverScreen &s, const SolveButton &b, const std::set<std::string> &ticks,
                   const std::vector<std::string> &answers, const NumberFormat &format)
{
    ScriptedHost host(format, ScriptedHost::WhenOut::Repeat);
    host.ticks = ticks;
    host.answers = { answers.begin(), answers.end() };
    host.press(s, b);
    return host;
}

// The lines of the press's worked solution.
std::vector<std::string> linesOf(const ScriptedHost &host)
{
    return host.solution ? host.solution->lines() : std::vector<std::string>();
}

} // namespace

class TestCoreSolution : public QObject {
    Q_OBJECT
private slots:
    void everyCase_data();
    void everyCase();
    void workedExamples_data();
    void workedExamples();
    void divisionByZero_data();
    void divisionByZero();
};

void TestCoreSolution::everyCase_data()
{
    QTest::addColumn<QString>("decimal");
    QTest::newRow("point") << QStringLiteral(".");
    QTest::newRow("comma") << QStringLiteral(",");
}

// Every combination of tick boxes of every button: a press that ends well has
// a solution with its data, its steps, and every shown number among them; a
// press that ends with the insufficient-data message lists the accepted
// combinations; a failing press names its failing step.
void TestCoreSolution::everyCase()
{
    QFETCH(QString, decimal);
    const NumberFormat format{ decimal.toStdString() };
    int solved = 0, readBack = 0;
    for (const auto &name : solids::names()) {
        const SolverScreen &s = *solids::find(name);
        const std::size_t n = s.checks.size();
        for (const auto &button : s.solvers) {
            const std::string where = name + "." + button.name;
            for (unsigned mask = 0; mask < (1u << n); ++mask) {
                std::set<std::string> ticks;
                for (std::size_t i = 0; i < n; ++i)
                    if (mask & (1u << i))
                        ticks.insert(s.checks[i].name);
                for (std::size_t p = 0; p < kPatterns.size(); ++p) {
                    auto pattern = kPatterns[p];
                    for (auto &a : pattern)
                        if (decimal == ",")
                            std::replace(a.begin(), a.end(), '.', ',');
                    const ScriptedHost host = press(s, button, ticks, pattern, format);
                    QVERIFY2(host.solution.has_value(),
                             (where + ": the press did not end").c_str());
                    const Solution &solution = *host.solution;
                    const std::vector<std::string> lines = solution.lines();
                    if (!host.messages().empty()) {
                        QVERIFY2(!lines.empty(), (where + ": insufficient, no solution").c_str());
                        QVERIFY2(lines.size() >= 2, (where + ": no combination listed").c_str());
                        break;
                    }
                    if (!host.failed().empty()) {
                        // The failing step is named, with its reason.
                        bool named = false;
                        for (const auto &st : solution.steps())
                            named = named || st.kind == SolutionStep::Kind::Failed;
                        QVERIFY2(
                            named,
                            (where + ": a failure without its step: " + host.failed()).c_str());
                        continue;
                    }
                    ++solved;
                    QVERIFY2(!solution.empty(), (where + ": no solution").c_str());
                    int data = 0;
                    std::set<std::string> results;
                    for (const auto &st : solution.steps()) {
                        if (st.kind == SolutionStep::Kind::Given) {
                            ++data;
                            results.insert(minusSign(st.result));
                        }
                        if (st.kind != SolutionStep::Kind::Computed)
                            continue;
                        QVERIFY2(st.result.find('-') == std::string::npos,
                                 (where + ": a hyphen for a minus: " + stepLine(st)).c_str());
                        results.insert(st.result);
                        double expected = 0, got = 0;
                        std::string result = st.result;
                        for (std::size_t i = 0; (i = result.find("−", i)) != std::string::npos;)
                            result.replace(i, std::string("−").size(), "-");
                        const Reading r = readNumber(result, format);
                        if (!r.isNumber())
                            continue; // a text a step joined, not a number
                        expected = r.value;
                        QVERIFY2(Reader(st.numbers, format).read(got),
                                 (where + ": cannot read back " + stepLine(st)).c_str());
                        const double scale =
                            std::max({ std::fabs(expected), std::fabs(got), 1e-300 });
                        QVERIFY2(
                            std::fabs(got - expected) <= 1e-6 * scale
                                || std::fabs(got - expected) < 1e-9,
                            (where + ": " + stepLine(st) + " reads back as " + std::to_string(got))
                                .c_str());
                        ++readBack;
                    }
                    QVERIFY2(std::size_t(data) == host.asked,
                             (where + ": not every answer among the data").c_str());
                    for (const auto &label : s.resultsOf(button)) {
                        const auto it = host.texts.find(label);
                        if (it == host.texts.end() || trimmed(it->second).empty())
                            continue;
                        QVERIFY2(results.count(minusSign(trimmed(it->second))),
                                 (where + ": " + label + " shows " + it->second
                                  + ", not in the solution")
                                     .c_str());
                    }
                    if (p > 0)
                        break;
                }
            }
        }
    }
    QVERIFY(solved > 100);
    QVERIFY(readBack > 1000);
}

void TestCoreSolution::workedExamples_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QStringList>("expected"); // lines the solution must contain

    QTest::newRow("cone r h") << "Form12" << QStringList{ "Check1", "Check4" }
                              << QStringList{ "3", "4" } << ","
                              << QStringList{ "Dati:",
                                              "r = 3",
                                              "h = 4",
                                              "Calcoli:",
                                              "d = 2 · r = 2 · 3 = 6",
                                              "3,14 ≈ π",
                                              "C = 3,14 · d = 3,14 · 6 = 18,84",
                                              "a = √(r² + h²) = √(3² + 4²) = 5",
                                              "AL = C · a / 2 = 18,84 · 5 / 2 = 47,1" };
    QTest::newRow("cone apothem shorter than radius")
        << "Form12" << QStringList{ "Check1", "Check5" } << QStringList{ "5", "3" } << "."
        << QStringList{ "h = √(a² − r²) = √(3² − 5²)",
                        "Non si può calcolare h: a² − r² è negativo (−16): a deve essere "
                        "maggiore di r, e un numero negativo non ha radice." };
    QTest::newRow("cone nothing ticked")
        << "Form12" << QStringList{} << QStringList{ "1" } << "."
        << QStringList{ "I dati indicati non bastano. Spunta una di queste combinazioni:",
                        "• Raggio (r) e Altezza (h)", "• Diametro (d) e Apotema (a)" };
}

void TestCoreSolution::workedExamples()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, ticks);
    QFETCH(QStringList, answers);
    QFETCH(QString, decimal);
    QFETCH(QStringList, expected);
    const SolverScreen *s = solids::find(screen.toStdString());
    QVERIFY(s);
    std::set<std::string> t;
    for (const auto &x : ticks)
        t.insert(x.toStdString());
    std::vector<std::string> a;
    for (const auto &x : answers)
        a.push_back(x.toStdString());
    const ScriptedHost host =
        press(*s, s->solvers.front(), t, a, NumberFormat{ decimal.toStdString() });
    QStringList lines;
    for (const auto &l : linesOf(host))
        lines << QString::fromStdString(l);
    for (const auto &e : expected)
        QVERIFY2(lines.contains(e), qPrintable(e + "\nnot among:\n" + lines.join('\n')));
}

// A zero divisor is explained by its value, however it was typed: with
// leading zeros, decimals, blanks or a sign. The cylinder's base area from
// its volume and height, AB = V / H, divides by the typed height.
void TestCoreSolution::divisionByZero_data()
{
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("why"); // the line after the failing step

    const QString byZero = "Non si può calcolare AB: H vale 0, e non si può dividere per zero.";
    const QString zeroByZero =
        "Non si può calcolare AB: V e H valgono entrambi 0: zero diviso zero non ha un risultato.";
    for (const QString decimal : { ",", "." }) {
        const QString tag = decimal == "," ? "comma" : "point";
        const QString decimalZero = "0" + decimal + "0";
        const QStringList zeros = { "0", "00", " 0", "0 ", "-0", "+0", "000" + decimal + "000" };
        for (const QString &zero : zeros) {
            QTest::newRow(qPrintable(tag + ", H = \"" + zero + "\""))
                << decimal << zero << "5" << byZero;
            QTest::newRow(qPrintable(tag + ", H = \"" + zero + "\", V = 0" + decimal + "0"))
                << decimal << zero << decimalZero << zeroByZero;
        }
        QTest::newRow(qPrintable(tag + ", H = \"" + decimalZero + "\""))
            << decimal << decimalZero << "5" << byZero;
        QTest::newRow(qPrintable(tag + ", H = \"" + decimalZero + "\", V = -0"))
            << decimal << decimalZero << "-0" << zeroByZero;
        QTest::newRow(qPrintable(tag + ", H = 0E+5")) << decimal << "0E+5"
                                                      << "5" << byZero;
        QTest::newRow(qPrintable(tag + ", H = 1E-400, below the smallest number"))
            << decimal << "1E-400"
            << "5" << byZero;
    }
    // The other locale's decimal mark is not a number there: that is what the
    // solution says, not a division.
    QTest::newRow("point, H = \"0,0\"")
        << "."
        << "0,0"
        << "5"
        << "Non si può calcolare AB: \"0,0\" non è un numero.\nScrivi i numeri usando il punto "
           "come separatore decimale (per esempio 2.5), senza virgole e senza separatori delle "
           "migliaia.";
    QTest::newRow("comma, H = \"0.0\"")
        << ","
        << "0.0"
        << "5"
        << "Non si può calcolare AB: \"0.0\" non è un numero.\nScrivi i numeri usando la "
           "virgola come separatore decimale (per esempio 2,5), senza punti e senza separatori "
           "delle migliaia.";
}

void TestCoreSolution::divisionByZero()
{
    QFETCH(QString, decimal);
    QFETCH(QString, height);
    QFETCH(QString, volume);
    QFETCH(QString, why);
    const SolverScreen *s = solids::find("Form2");
    QVERIFY(s);
    const ScriptedHost host = press(*s, s->solvers.front(), { "Check3", "Check6" },
                                    { height.toStdString(), volume.toStdString() },
                                    NumberFormat{ decimal.toStdString() });
    QVERIFY2(!host.failed().empty(), "the division did not fail");
    QStringList lines;
    for (const auto &l : linesOf(host))
        lines << QString::fromStdString(l);
    // A typed number is written with the minus sign, a negative one in brackets.
    const auto written = [](const QString &typed) {
        QString t = typed.trimmed();
        t.replace('-', "−");
        return t.startsWith("−") ? "(" + t + ")" : t;
    };
    const QString step = "AB = V / H = " + written(volume) + " / " + written(height);
    const qsizetype at = lines.indexOf(step);
    QVERIFY2(at >= 0, qPrintable(step + "\nnot among:\n" + lines.join('\n')));
    QVERIFY2(at + 1 < lines.size(), qPrintable(lines.join('\n')));
    QCOMPARE(lines[at + 1], why);
}

QTEST_APPLESS_MAIN(TestCoreSolution)
#include "test_core_solution.moc"
