// The pyramid screens: each case of every chain fed the measures of one solid
// gives that solid back, and its worked solution names the data and the results
// by the screen's symbols; the worked examples and solutions; what the labels
// show after the insufficient-data message.
#include "harness.h"
#include "worked.h"

#include "solids/solids.h"

#include <cmath>
#include <map>

using namespace harness;
using script::Runner;

namespace {

// One screen: where each quantity is shown, the measures of one solid, and
// each case as its tick boxes and the quantities it asks, in prompt order.
struct Solid {
    QString screen;
    std::map<QString, QString> labelOf;
    std::map<QString, double> value;
    QList<QPair<QStringList, QStringList>> cases;
};

std::map<QString, double> squarePyramid(double l, double h)
{
    const double a = std::hypot(l / 2, h);
    return { { "l", l },
             { "h", h },
             { "a", a },
             { "P", 4 * l },
             { "AB", l * l },
             { "AL", 2 * l * a },
             { "AT", 2 * l * a + l * l },
             { "l1", std::hypot(l / 2, a) },
             { "R", l / 2 },
             { "V", l * l * h / 3 } };
}

std::map<QString, double> rectangularPyramid(double a, double b, double h)
{
    const double a1 = std::hypot(h, b / 2), a2 = std::hypot(h, a / 2);
    const double AL = a * a1 + b * a2;
    return { { "a", a },
             { "b", b },
             { "h", h },
             { "a1", a1 },
             { "a2", a2 },
             { "P", 2 * (a + b) },
             { "AB", a * b },
             { "l", std::sqrt(h * h + a * a / 4 + b * b / 4) },
             { "AL", AL },
             { "AT", AL + a * b },
             { "V", a * b * h / 3 } };
}

// The screen takes r = 2 AB / P as the inradius whatever the trapezoid.
std::map<QString, double> trapezoidPyramid(double a, double b, double c, double h)
{
    const double h1 = std::sqrt(a * a - (c - b) * (c - b) / 4);
    const double AB = (b + c) * h1 / 2, P = 2 * a + b + c, r = 2 * AB / P;
    const double a1 = std::hypot(h, r), AL = P * a1 / 2;
    return { { "a", a },
             { "b", b },
             { "c", c },
             { "h", h },
             { "h1", h1 },
             { "AB", AB },
             { "P", P },
             { "r", r },
             { "a1", a1 },
             { "AL", AL },
             { "AT", AL + AB },
             { "V", AB * h / 3 },
             { "VC", std::hypot(a1, b / 2) },
             { "VD", std::hypot(a1, c / 2) } };
}

std::map<QString, double> triangularPyramid(double s, double h)
{
    const double q = std::sqrt(3.0), AB = s * s * q / 4, r = s * q / 6;
    const double a = std::hypot(r, h), AL = 3 * s * a / 2;
    return { { "s", s },
             { "h", h },
             { "h1", s * q / 2 },
             { "P", 3 * s },
             { "AB", AB },
             { "r", r },
             { "a", a },
             { "AL", AL },
             { "AT", AL + AB },
             { "V", AB * h / 3 },
             { "l", std::hypot(a, s / 2) } };
}

std::map<QString, double> polygonPyramid(int n, double k, double s, double h)
{
    const double P = n * s, r = k * s, AB = P * r / 2, a = std::hypot(r, h), AL = P * a / 2;
    return { { "s", s },          { "h", h },
             { "P", P },          { "r", r },
             { "AB", AB },        { "a", a },
             { "AL", AL },        { "AT", AL + AB },
             { "V", AB * h / 3 }, { "l", std::hypot(a, s / 2) } };
}

std::map<QString, double> frustum(double L1, double L2, double a, double h)
{
    const double A1 = L1 * L1, A2 = L2 * L2, AL = 2 * (L1 + L2) * a;
    return { { "L1", L1 },
             { "L2", L2 },
             { "a", a },
             { "h", h },
             { "P1", 4 * L1 },
             { "P2", 4 * L2 },
             { "a1", L1 / 2 },
             { "a2", L2 / 2 },
             { "AB1", A1 },
             { "AB2", A2 },
             { "AL", AL },
             { "AT", AL + A1 + A2 },
             { "V", h / 3 * (A1 + A2 + std::sqrt(A1 * A2)) } };
}

std::map<QString, QString> labels(const QStringList &symbols, const QStringList &controls)
{
    std::map<QString, QString> out;
    for (int i = 0; i < symbols.size(); ++i)
        out[symbols[i]] = controls[i];
    return out;
}

QList<QPair<QStringList, QStringList>> polygonCases(const QString &perimeter)
{
    const QString s = "Check7", r = "Check2", h = "Check3", a = "Check8", l = "Check1",
                  AL = "Check9", V = "Check6", P = perimeter;
    return {
        { { h, s }, { "s", "h" } },   { { h, P }, { "P", "h" } },   { { r, h }, { "r", "h" } },
        { { h, a }, { "a", "h" } },   { { l, a }, { "a", "l" } },   { { r, a }, { "a", "r" } },
        { { P, a }, { "a", "P" } },   { { s, a }, { "a", "s" } },   { { AL, a }, { "a", "AL" } },
        { { P, AL }, { "P", "AL" } }, { { s, AL }, { "s", "AL" } }, { { s, V }, { "s", "V" } },
        { { P, V }, { "P", "V" } },
    };
}

QList<Solid> pyramids()
{
    const QStringList polygonSymbols = { "s", "r", "h", "a", "l", "AB", "P", "AL", "AT", "V" };
    return {
        { "form6",
          labels({ "l", "l1", "h", "a", "P", "AL", "AT", "R", "V", "AB" },
                 { "Label3(13)", "Label3(6)", "Label3(7)", "Label3(8)", "Label3(9)", "Label3(10)",
                   "Label3(11)", "Label3(16)", "Label3(17)", "Label3(19)" }),
          squarePyramid(5.2, 3.7),
          { { { "Check1", "Check3" }, { "l", "h" } },
            { { "Check1", "Check2" }, { "l", "a" } },
            { { "Check2", "Check3" }, { "h", "a" } },
            { { "Check2", "Check7" }, { "R", "a" } },
            { { "Check7", "Check3" }, { "h", "R" } },
            { { "Check5", "Check1" }, { "AL", "l" } },
            { { "Check2", "Check5" }, { "AL", "a" } },
            { { "Check7", "Check5" }, { "AL", "R" } },
            { { "Check4", "Check5" }, { "AL", "AT" } },
            { { "Check1", "Check4" }, { "l", "AT" } },
            { { "Check1", "Check6" }, { "l", "V" } },
            { { "Check7", "Check6" }, { "R", "V" } },
            { { "Check3", "Check6" }, { "h", "V" } },
            { { "Check5", "Check9" }, { "AL", "AB" } },
            { { "Check5", "Check8" }, { "AL", "P" } },
            { { "Check4", "Check9" }, { "AT", "AB" } },
            { { "Check4", "Check8" }, { "AT", "P" } },
            { { "Check6", "Check9" }, { "V", "AB" } } } },
        { "Form7",
          labels({ "a", "b", "a1", "a2", "h", "P", "l", "AB", "AL", "AT", "V" },
                 { "Label3(13)", "Label3(11)", "Label3(12)", "Label3(14)", "Label3(15)",
                   "Label3(16)", "Label3(17)", "Label3(18)", "Label3(19)", "Label3(20)",
                   "Label3(21)" }),
          rectangularPyramid(5.0, 7.5, 4.2),
          { { { "Check1", "Check7", "Check2" }, { "a", "b", "a1" } },
            { { "Check1", "Check7", "Check8" }, { "a", "b", "a2" } },
            { { "Check1", "Check7", "Check3" }, { "a", "b", "h" } },
            { { "Check1", "Check2", "Check8" }, { "a", "a1", "a2" } },
            { { "Check7", "Check2", "Check8" }, { "b", "a1", "a2" } },
            { { "Check3", "Check2", "Check8" }, { "h", "a1", "a2" } },
            { { "Check3", "Check1", "Check2" }, { "h", "a", "a1" } },
            { { "Check3", "Check7", "Check8" }, { "h", "b", "a2" } },
            { { "Check1", "Check3", "Check5" }, { "h", "a", "P" } },
            { { "Check2", "Check3", "Check5" }, { "h", "a1", "P" } },
            { { "Check1", "Check3", "Check11" }, { "h", "a", "AB" } },
            { { "Check2", "Check3", "Check11" }, { "h", "a1", "AB" } },
            { { "Check1", "Check6", "Check11" }, { "V", "a", "AB" } },
            { { "Check1", "Check3", "Check6" }, { "V", "a", "h" } },
            { { "Check1", "Check3", "Check10" }, { "l", "a", "h" } },
            { { "Check2", "Check8", "Check10" }, { "l", "a1", "a2" } } } },
        { "Form8",
          labels({ "a", "c", "b", "a1", "h", "P", "r", "AB", "AL", "AT", "V", "VC", "VD", "h1" },
                 { "Label3(13)", "Label3(11)", "Label3(12)", "Label3(14)", "Label3(15)",
                   "Label3(16)", "Label3(17)", "Label3(18)", "Label3(19)", "Label3(20)",
                   "Label3(21)", "Label3(24)", "Label3(25)", "Label3(27)" }),
          trapezoidPyramid(6.2, 3.5, 9.1, 3.3),
          { { { "Check7", "Check12", "Check1", "Check8" }, { "a", "b", "c", "a1" } },
            { { "Check1", "Check3", "Check7", "Check12" }, { "a", "b", "c", "h" } },
            { { "Check1", "Check3", "Check11", "Check12" }, { "c", "b", "AB", "h" } },
            { { "Check1", "Check3", "Check5", "Check12" }, { "c", "b", "P", "h" } } } },
        { "Form9",
          labels({ "s", "h1", "h", "a", "P", "r", "AB", "AL", "AT", "V", "l" },
                 { "Label3(13)", "Label3(4)", "Label3(27)", "Label3(14)", "Label3(16)",
                   "Label3(17)", "Label3(18)", "Label3(19)", "Label3(20)", "Label3(21)",
                   "Label3(11)" }),
          triangularPyramid(5.3, 4.1),
          { { { "Check3", "Check7" }, { "s", "h" } },
            { { "Check3", "Check5" }, { "P", "h" } },
            { { "Check3", "Check11" }, { "AB", "h" } },
            { { "Check3", "Check12" }, { "h1", "h" } },
            { { "Check3", "Check6" }, { "V", "h" } },
            { { "Check5", "Check9" }, { "P", "AL" } },
            { { "Check7", "Check9" }, { "s", "AL" } },
            { { "Check4", "Check9" }, { "AT", "AL" } },
            { { "Check4", "Check11" }, { "AT", "AB" } },
            { { "Check6", "Check11" }, { "AB", "V" } },
            { { "Check8", "Check9" }, { "AL", "a" } } } },
        { "Form10",
          labels(polygonSymbols,
                 { "Label3(13)", "Label3(9)", "Label3(10)", "Label3(11)", "Label3(12)",
                   "Label3(14)", "Label3(15)", "Label3(16)", "Label3(17)", "Label3(18)" }),
          polygonPyramid(5, 0.688, 2.3, 3.1), polygonCases("Check5") },
        { "Form11",
          labels(polygonSymbols,
                 { "Label3(13)", "Label3(14)", "Label3(9)", "Label3(15)", "Label3(10)",
                   "Label3(16)", "Label3(11)", "Label3(17)", "Label3(12)", "Label3(18)" }),
          polygonPyramid(6, 0.866, 2.3, 3.1), polygonCases("Check10") },
        { "Form24",
          labels({ "L1", "L2", "h", "P1", "P2", "a1", "a2", "a", "AL", "AT", "V", "AB1", "AB2" },
                 { "Label4(0)", "Label4(1)", "Label4(2)", "Label4(3)", "Label4(4)", "Label4(5)",
                   "Label4(6)", "Label4(7)", "Label4(8)", "Label4(9)", "Label4(10)", "Label4(11)",
                   "Label4(12)" }),
          frustum(4.4, 2.1, 3.3, 2.9),
          { { { "Check1", "Check2", "Check3", "Check8" }, { "L1", "L2", "a", "h" } },
            { { "Check2", "Check3", "Check4", "Check8" }, { "P1", "L2", "a", "h" } },
            { { "Check1", "Check3", "Check5", "Check8" }, { "P2", "L1", "a", "h" } },
            { { "Check2", "Check3", "Check6", "Check8" }, { "L2", "a1", "a", "h" } },
            { { "Check1", "Check3", "Check7", "Check8" }, { "L1", "a2", "a", "h" } },
            { { "Check3", "Check8", "Check12", "Check13" }, { "AB1", "AB2", "a", "h" } },
            { { "Check1", "Check3", "Check8", "Check13" }, { "L1", "AB2", "a", "h" } },
            { { "Check2", "Check3", "Check8", "Check12" }, { "L2", "AB1", "a", "h" } } } },
    };
}

// Every screen's "Calcola" is Command3; all its boxes are cleared before a press.
Screen screen(const QString &name)
{
    QStringList all;
    for (const auto &check : solids::find(name.toStdString())->checks)
        all << QString::fromStdString(check.name);
    return { name, "Command3", all };
}

} // namespace

class TestPyramids : public QObject {
    Q_OBJECT
private slots:
    void everyCaseGivesTheSameSolid_data();
    void everyCaseGivesTheSameSolid();
    void examples_data();
    void examples();
    void workedSolutions_data();
    void workedSolutions();
    void afterTheMessage_data();
    void afterTheMessage();
};

void TestPyramids::everyCaseGivesTheSameSolid_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QList<double>>("known");
    QTest::addColumn<QStringList>("symbols");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<QList<double>>("expected");

    for (const auto &solid : pyramids()) {
        QStringList symbols, results;
        QList<double> expected;
        for (const auto &[symbol, label] : solid.labelOf) {
            symbols << symbol;
            results << label;
            expected << solid.value.at(symbol);
        }
        int number = 0;
        for (const auto &[ticks, asked] : solid.cases) {
            QList<double> known;
            for (const auto &q : asked)
                known << solid.value.at(q);
            QTest::addRow("%s case %d", qPrintable(solid.screen), ++number)
                << solid.screen << ticks << asked << known << symbols << results << expected;
        }
    }
}

void TestPyramids::everyCaseGivesTheSameSolid()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, ticks);
    QFETCH(QStringList, asked);
    QFETCH(QList<double>, known);
    QFETCH(QStringList, symbols);
    QFETCH(QStringList, results);
    QFETCH(QList<double>, expected);

    Runner r;
    calculate(r, ::screen(screen), ticks, numbers(known));
    QCOMPARE(prompts(r).size(), known.size());
    QCOMPARE(r.dialogs().size(), known.size());
    for (int i = 0; i < results.size(); ++i) {
        const QString shown = r.text(screen + "." + results[i]);
        QVERIFY2(near(shown, expected[i]), qPrintable(results[i] + " shows " + shown + ", expected "
                                                      + QString::number(expected[i], 'g', 15)));
    }

    // The solution lists the answers under the symbols they were asked for,
    // and the last line of each shown quantity ends on that quantity's value.
    const QStringList lines = solution(r, screen);
    QVERIFY2(lines.size() > asked.size() + 1, qPrintable(lines.join('\n')));
    QCOMPARE(lines.first(), QString("Dati:"));
    QStringList data;
    for (const auto &line : lines.mid(1, asked.size()))
        data << line.section(" = ", 0, 0);
    QCOMPARE(data, asked);
    for (int i = 0; i < symbols.size(); ++i) {
        QString last;
        for (const auto &line : lines)
            if (line.startsWith(symbols[i] + " = "))
                last = line;
        QVERIFY2(near(last.section(" = ", -1), expected[i]),
                 qPrintable(symbols[i] + ": \"" + last + "\" in\n" + lines.join('\n')));
    }
}

void TestPyramids::examples_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("square, base edge and height")
        << "form6" << QStringList{ "Check1", "Check3" } << QStringList{ "6", "4" }
        << QStringList{ "Label3(13)", "Label3(7)",  "Label3(9)", "Label3(8)",  "Label3(10)",
                        "Label3(19)", "Label3(11)", "Label3(6)", "Label3(16)", "Label3(17)" }
        << QStringList{ "6", "4", "24", "5", "60", "36", "96", "5,8309518948453", "3", "48" };
    QTest::newRow("square, base apothem and apothem")
        << "form6" << QStringList{ "Check2", "Check7" } << QStringList{ "3", "5" }
        << QStringList{ "Label3(13)", "Label3(7)", "Label3(17)", "Label3(6)" }
        << QStringList{ "6", "4", "48", "5,8309518948453" };
    QTest::newRow("square, typed volume recomputed")
        << "form6" << QStringList{ "Check1", "Check6" } << QStringList{ "6", "48,0" }
        << QStringList{ "Label3(7)", "Label3(17)" } << QStringList{ "4", "48" };
    QTest::newRow("square, edge and height before edge and apothem")
        << "form6" << QStringList{ "Check1", "Check2", "Check3" } << QStringList{ "6", "4" }
        << QStringList{ "Label3(7)", "Label3(8)" } << QStringList{ "4", "5" };
    QTest::newRow("rectangle, lateral edge over a1")
        << "Form7" << QStringList{ "Check1", "Check7", "Check3" } << QStringList{ "6", "8", "4" }
        << QStringList{ "Label3(13)", "Label3(11)", "Label3(15)", "Label3(18)",
                        "Label3(16)", "Label3(12)", "Label3(14)", "Label3(17)",
                        "Label3(19)", "Label3(20)", "Label3(21)" }
        << QStringList{ "6",
                        "8",
                        "4",
                        "48",
                        "28",
                        "5,65685424949238",
                        "5",
                        "6,40312423743285",
                        "73,9411254969543",
                        "121,941125496954",
                        "64" };
    QTest::newRow("rectangle, second apothem")
        << "Form7" << QStringList{ "Check1", "Check7", "Check8" } << QStringList{ "6", "8", "5" }
        << QStringList{ "Label3(15)", "Label3(12)" } << QStringList{ "4", "5,65685424949238" };
    QTest::newRow("trapezoid, three sides and height")
        << "Form8" << QStringList{ "Check1", "Check3", "Check7", "Check12" }
        << QStringList{ "5", "4", "10", "4" }
        << QStringList{ "Label3(27)", "Label3(18)", "Label3(16)",
                        "Label3(17)", "Label3(14)", "Label3(21)" }
        << QStringList{
               "4", "28", "24", "2,33333333333333", "4,63081466314993", "37,3333333333333"
           };
    QTest::newRow("trapezoid, perimeter")
        << "Form8" << QStringList{ "Check1", "Check3", "Check5", "Check12" }
        << QStringList{ "10", "4", "24", "4" }
        << QStringList{ "Label3(13)", "Label3(27)", "Label3(18)",
                        "Label3(17)", "Label3(14)", "Label3(21)" }
        << QStringList{
               "5", "4", "28", "2,33333333333333", "4,63081466314993", "37,3333333333333"
           };
    QTest::newRow("trapezoid, base area, edge over b")
        << "Form8" << QStringList{ "Check1", "Check3", "Check11", "Check12" }
        << QStringList{ "10", "4", "28", "4" }
        << QStringList{ "Label3(27)", "Label3(13)", "Label3(16)", "Label3(17)", "Label3(24)" }
        << QStringList{ "4", "5", "24", "2,33333333333333", "5,04424865014052" };
    const QStringList triangleLabels = { "Label3(16)", "Label3(18)", "Label3(17)",
                                         "Label3(4)",  "Label3(14)", "Label3(19)",
                                         "Label3(20)", "Label3(21)", "Label3(11)" };
    const QStringList triangle = { "18",
                                   "15,5884572681199",
                                   "1,73205080756888",
                                   "5,19615242270663",
                                   "4,35889894354067",
                                   "39,2300904918661",
                                   "54,818547759986",
                                   "20,7846096908265",
                                   "5,29150262212918" };
    QTest::newRow("triangle, edge and height")
        << "Form9" << QStringList{ "Check3", "Check7" } << QStringList{ "6", "4" } << triangleLabels
        << triangle;
    QTest::newRow("triangle, perimeter and height")
        << "Form9" << QStringList{ "Check3", "Check5" } << QStringList{ "18", "4" }
        << QStringList{ "Label3(13)" } + triangleLabels.mid(1)
        << QStringList{ "6" } + triangle.mid(1);
    const QStringList pentagonLabels = { "Label3(15)", "Label3(9)",  "Label3(14)", "Label3(11)",
                                         "Label3(16)", "Label3(17)", "Label3(18)", "Label3(12)" };
    const QStringList pentagon = { "10",
                                   "1,376",
                                   "6,88",
                                   "3,30051147551406",
                                   "16,5025573775703",
                                   "23,3825573775703",
                                   "6,88",
                                   "3,44867742765252" };
    QTest::newRow("pentagon, edge and height")
        << "Form10" << QStringList{ "Check3", "Check7" } << QStringList{ "2", "3" }
        << pentagonLabels << pentagon;
    QTest::newRow("pentagon, base apothem and height")
        << "Form10" << QStringList{ "Check2", "Check3" } << QStringList{ "1,376", "3" }
        << QStringList{ "Label3(13)" } + pentagonLabels
        << QStringList{ "2" } + QStringList{ "10", "1,376" } + pentagon.mid(2);
    QTest::newRow("pentagon, apothem recomputed")
        << "Form10" << QStringList{ "Check3", "Check8" } << QStringList{ "5,0", "3" }
        << QStringList{ "Label3(11)", "Label3(9)" } << QStringList{ "5", "4" };
    QTest::newRow("pentagon, edge and height before apothem")
        << "Form10" << QStringList{ "Check3", "Check7", "Check8" } << QStringList{ "2", "3" }
        << pentagonLabels << pentagon;
    const QStringList hexagonLabels = { "Label3(11)", "Label3(14)", "Label3(16)", "Label3(15)",
                                        "Label3(17)", "Label3(12)", "Label3(18)", "Label3(10)" };
    const QStringList hexagon = { "12",
                                  "1,732",
                                  "10,392",
                                  "3,46407621163276",
                                  "20,7844572697966",
                                  "31,1764572697966",
                                  "10,392",
                                  "3,60552686857275" };
    QTest::newRow("hexagon, edge and height")
        << "Form11" << QStringList{ "Check3", "Check7" } << QStringList{ "2", "3" } << hexagonLabels
        << hexagon;
    QTest::newRow("hexagon, base apothem and height")
        << "Form11" << QStringList{ "Check2", "Check3" } << QStringList{ "1,732", "3" }
        << QStringList{ "Label3(13)", "Label3(11)", "Label3(18)" }
        << QStringList{ "2", "12", "10,392" };
    const QStringList frustumLabels = { "Label4(3)",  "Label4(4)", "Label4(11)",
                                        "Label4(12)", "Label4(5)", "Label4(6)",
                                        "Label4(8)",  "Label4(9)", "Label4(10)" };
    QTest::newRow("frustum, two sides")
        << "Form24" << QStringList{ "Check1", "Check2", "Check3", "Check8" }
        << QStringList{ "4", "2", "3", "3" } << frustumLabels
        << QStringList{ "16", "8", "16", "4", "2", "1", "36", "56", "28" };
    QTest::newRow("frustum, every box ticked")
        << "Form24" << screen("Form24").checks << QStringList{ "4", "2", "3", "3" } << frustumLabels
        << QStringList{ "16", "8", "16", "4", "2", "1", "36", "56", "28" };
    QTest::newRow("frustum, two typed areas")
        << "Form24" << QStringList{ "Check3", "Check8", "Check12", "Check13" }
        << QStringList{ "9", "4", "2", "3" }
        << QStringList{ "Label4(0)", "Label4(1)", "Label4(3)", "Label4(4)", "Label4(5)",
                        "Label4(6)", "Label4(8)", "Label4(9)", "Label4(10)" }
        << QStringList{ "3", "2", "12", "8", "1,5", "1", "20", "33", "19" };
    QTest::newRow("frustum, root inside the bracket")
        << "Form24" << QStringList{ "Check1", "Check2", "Check3", "Check8" }
        << QStringList{ "4", "2", "3", "6" }
        << QStringList{ "Label4(11)", "Label4(12)", "Label4(10)" }
        << QStringList{ "16", "4", "56" };
}

void TestPyramids::examples()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, ticks);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, results);
    QFETCH(QStringList, shown);

    Runner r("it_IT");
    calculate(r, ::screen(screen), ticks, typed(answers));
    QCOMPARE(prompts(r).size(), answers.size());
    QCOMPARE(texts(r, screen, results), shown);
}

void TestPyramids::workedSolutions_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("expected"); // lines of the solution, in this order

    QTest::newRow("square, apothem shorter than half the edge")
        << "form6" << QStringList{ "Check1", "Check2" } << QStringList{ "10", "3" }
        << QStringList{ "Dati:",
                        "l = 10",
                        "a = 3",
                        "Calcoli:",
                        "h = √(a² − (l / 2)²) = √(3² − (10 / 2)²)",
                        "Non si può calcolare h: a² − (l / 2)² è negativo (−16): a deve essere "
                        "maggiore di l / 2, e un numero negativo non ha radice." };
    QTest::newRow("rectangle, two edges and height")
        << "Form7" << QStringList{ "Check1", "Check7", "Check3" } << QStringList{ "6", "8", "4" }
        << QStringList{
               "a1 = √(h² + (b / 2)²) = √(4² + (8 / 2)²) = 5,65685424949238",
               "l = √((a / 2)² + a1²) = √((6 / 2)² + 5,65685424949238²) = 6,40312423743285",
               "a2 = √((a / 2)² + h²) = √((6 / 2)² + 4²) = 5",
               "AL = a · a1 + b · a2 = 6 · 5,65685424949238 + 8 · 5 = 73,9411254969543"
           };
    QTest::newRow("trapezoid, perimeter")
        << "Form8" << QStringList{ "Check1", "Check3", "Check5", "Check12" }
        << QStringList{ "10", "4", "24", "8" }
        << QStringList{
               "c = 10",
               "b = 4",
               "P = 24",
               "h = 8",
               "S = b + c = 4 + 10 = 14",
               "m = (c − b) / 2 = (10 − 4) / 2 = 3",
               "a = (P − S) / 2 = (24 − 14) / 2 = 5",
               "h1 = √(a² − m²) = √(5² − 3²) = 4",
               "AB = S · h1 / 2 = 14 · 4 / 2 = 28",
               "VC = √(a1² + (b / 2)²) = √(8,33333333333333² + (4 / 2)²) = 8,56997342145496"
           };
    QTest::newRow("triangle, edge and height")
        << "Form9" << QStringList{ "Check3", "Check7" } << QStringList{ "6", "4" }
        << QStringList{ "P = 3 · s = 3 · 6 = 18",
                        "AB = s² · √3 / 4 = 6² · √3 / 4 = 15,5884572681199",
                        "r = 2 · AB / P = 2 · 15,5884572681199 / 18 = 1,73205080756888",
                        "h1 = s · √3 / 2 = 6 · √3 / 2 = 5,19615242270663" };
    QTest::newRow("pentagon, edge and height")
        << "Form10" << QStringList{ "Check3", "Check7" } << QStringList{ "6", "4" }
        << QStringList{ "P = 5 · s = 5 · 6 = 30", "r = 0,688 · s = 0,688 · 6 = 4,128",
                        "AB = P · r / 2 = 30 · 4,128 / 2 = 61,92" };
    QTest::newRow("hexagon, perimeter and lateral area")
        << "Form11" << QStringList{ "Check10", "Check9" } << QStringList{ "36", "300" }
        << QStringList{ "P = 36", "AL = 300", "s = P / 6 = 36 / 6 = 6",
                        "r = 0,866 · s = 0,866 · 6 = 5,196",
                        "a = 2 · AL / P = 2 · 300 / 36 = 16,6666666666667" };
    QTest::newRow("frustum, two sides")
        << "Form24" << QStringList{ "Check1", "Check2", "Check3", "Check8" }
        << QStringList{ "10", "6", "5", "3" }
        << QStringList{ "AL = (P1 + P2) · a / 2 = (40 + 24) · 5 / 2 = 160",
                        "V = 1/3 · h · (AB1 + AB2 + √(AB1 · AB2)) = 1/3 · 3 · (100 + 36 + "
                        "√(100 · 36)) = 196" };
}

// The solutions read in the screen's symbols, step after step.
void TestPyramids::workedSolutions()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, ticks);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, expected);

    Runner r("it_IT");
    calculate(r, ::screen(screen), ticks, typed(answers));
    const QStringList lines = solution(r, screen);
    const QString missing = worked::missingInOrder(lines, expected);
    QVERIFY2(missing.isEmpty(), qPrintable(missing));
}

void TestPyramids::afterTheMessage_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("ticks"); // a good calculation first
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("insufficient"); // then these ticks only
    QTest::addColumn<QStringList>("zero");         // labels showing 0; the others empty

    QTest::newRow("square, lateral edge only")
        << "form6" << QStringList{ "Check1", "Check3" } << QStringList{ "6", "4" }
        << QStringList{ "Check10" }
        << QStringList{ "Label3(6)",  "Label3(8)",  "Label3(9)",  "Label3(10)",
                        "Label3(11)", "Label3(16)", "Label3(17)", "Label3(19)" };
    QTest::newRow("rectangle, two edges")
        << "Form7" << QStringList{ "Check1", "Check7", "Check3" } << QStringList{ "6", "8", "4" }
        << QStringList{ "Check1", "Check7" }
        << QStringList{ "Label3(14)", "Label3(16)", "Label3(18)",
                        "Label3(19)", "Label3(20)", "Label3(21)" };
    QTest::newRow("trapezoid, three sides")
        << "Form8" << QStringList{ "Check1", "Check3", "Check11", "Check12" }
        << QStringList{ "10", "4", "28", "4" } << QStringList{ "Check7", "Check12", "Check1" }
        << QStringList{};
    QTest::newRow("triangle, height by the idle box")
        << "Form9" << QStringList{ "Check3", "Check7" } << QStringList{ "6", "4" }
        << QStringList{ "Check2", "Check3" } << QStringList{};
    QTest::newRow("pentagon, areas")
        << "Form10" << QStringList{ "Check3", "Check7" } << QStringList{ "2", "3" }
        << QStringList{ "Check4", "Check11" } << QStringList{};
    QTest::newRow("hexagon, areas")
        << "Form11" << QStringList{ "Check3", "Check7" } << QStringList{ "2", "3" }
        << QStringList{ "Check4", "Check11" } << QStringList{};
    QTest::newRow("frustum, areas and volume")
        << "Form24" << QStringList{ "Check1", "Check2", "Check3", "Check8" }
        << QStringList{ "4", "2", "3", "3" } << QStringList{ "Check9", "Check10", "Check11" }
        << QStringList{};
}

void TestPyramids::afterTheMessage()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, ticks);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, insufficient);
    QFETCH(QStringList, zero);

    Runner r("it_IT");
    calculate(r, ::screen(screen), ticks, typed(answers));
    const QString formula = r.text(screen + ".Label6");
    QVERIFY(!formula.isEmpty());
    calculate(r, ::screen(screen), insufficient, {});

    // Only the message: no prompt, no failure reported after it.
    QCOMPARE(r.dialogs().size(), answers.size() + 1);
    QCOMPARE(r.dialogs().last().kind, QString("message"));
    QCOMPARE(r.dialogs().last().text, kInsufficient);
    QCOMPARE(r.text(screen + ".Label6"), formula);
    const auto *description = solids::find(screen.toStdString());
    QVERIFY(description);
    for (const auto &row : description->rows) {
        const QString label = QString::fromStdString(row.result);
        QCOMPARE(r.text(screen + "." + label), zero.contains(label) ? QString("0") : QString());
    }
}

QTEST_MAIN(TestPyramids)
#include "test_pyramids.moc"
