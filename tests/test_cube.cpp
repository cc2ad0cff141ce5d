// The cube: every case, the closing steps, the message and the failures.
#include "harness.h"
#include "worked.h"

#include <cmath>

using namespace harness;
using script::Runner;

namespace {

const Screen kCube{ "Form3", "Command3" };
const QStringList kResults = { "Label5", "Label9", "Label11", "Label13", "Label7", "Label12(2)" };

} // namespace

class TestCube : public QObject {
    Q_OBJECT
private slots:
    void cases_data();
    void cases();
    void everyCaseGivesTheSameCube_data();
    void everyCaseGivesTheSameCube();
    void extraTicksAreIgnored();
    void nothingTickedAfterACalculation();
    void failures_data();
    void failures();
    void solution_data();
    void solution();
};

void TestCube::cases_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("tick");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QStringList>("shown"); // l, AL, AT, V, d, d1

    QTest::newRow("side 2") << "en_US"
                            << "Check1"
                            << "INTRODUCI IL LATO (L) ="
                            << "2"
                            << "(AL=l^2*4) : (AT=l^2*6): (V=l^3): d1=l*SQR(2): (d=l*(SQR(3))"
                            << QStringList{
                                   "2", "16", "24", "8", "3.46410161513775", "2.82842712474619"
                               };
    QTest::newRow("side 007 kept as typed")
        << "en_US"
        << "Check1"
        << "INTRODUCI IL LATO (L) ="
        << "007"
        << "(AL=l^2*4) : (AT=l^2*6): (V=l^3): d1=l*SQR(2): (d=l*(SQR(3))"
        << QStringList{ "007", "196", "294", "343", "12.1243556529821", "9.89949493661167" };
    QTest::newRow("side 2,5 comma")
        << "it_IT"
        << "Check1"
        << "INTRODUCI IL LATO (L) ="
        << "2,5"
        << "(AL=l^2*4) : (AT=l^2*6): (V=l^3): d1=l*SQR(2): (d=l*(SQR(3))"
        << QStringList{ "2,5", "25", "37,5", "15,625", "4,33012701892219", "3,53553390593274" };
    QTest::newRow("face diagonal 2")
        << "en_US"
        << "Check6"
        << "INTRODUCI LA DIAGONALE (d1) ="
        << "2"
        << "(l=d1/SQR(2) : (AL=l^2*4): (AT=l^2*6): (d=l*(SQR(3)): V=l^3"
        << QStringList{
               "1.41421356237309", "8", "12", "2.82842712474619", "2.44948974278318", "2"
           };
    QTest::newRow("volume 27")
        << "en_US"
        << "Check5"
        << "INTRODUCI IL VOLUME (V) ="
        << "27"
        << "(l=radice cubica V :d1=l*SQR(2): (AL=l^2*4): (AT=l^2*6): (d=l*(SQR(3)):"
        << QStringList{ "3", "36", "54", "27", "5.19615242270663", "4.24264068711929" };
    QTest::newRow("lateral area 24")
        << "en_US"
        << "Check3"
        << "INTRODUCI L'AREA LATERALE (AL) ="
        << "24"
        << "(l=SQR(AL/4): d1=l*SQR(2): (AT=l^2*6): (V=l^3): (d=l*(SQR(3))"
        << QStringList{ "2.44948974278318", "24", "36", "14.6969384566991", "4.24264068711928",
                        "3.46410161513775" };
    QTest::newRow("total area 24")
        << "en_US"
        << "Check4"
        << "INTRODUCI L'AREA TOTALE (AT) ="
        << "24"
        << "(l=SQR(AT/6) : d1=l*SQR(2):(AL=l^2*4): (V=l^3): (d=l*(SQR(3))"
        << QStringList{ "2", "16", "24", "8", "3.46410161513775", "2.82842712474619" };
    QTest::newRow("space diagonal 3")
        << "en_US"
        << "Check2"
        << "INTRODUCI LA DIAGONALE (d) ="
        << "3"
        << "(l=d/SQR(3): d1=l*SQR(2):(AL=l^2*4) : (AT=l^2*6):(V=l^3)"
        << QStringList{
               "1.73205080756888", "12", "18", "5.19615242270663", "3", "2.44948974278318"
           };
    QTest::newRow("negative side computed")
        << "en_US"
        << "Check1"
        << "INTRODUCI IL LATO (L) ="
        << "-1"
        << "(AL=l^2*4) : (AT=l^2*6): (V=l^3): d1=l*SQR(2): (d=l*(SQR(3))"
        << QStringList{ "-1", "4", "6", "-1", "-1.73205080756888", "-1.4142135623731" };
}

void TestCube::cases()
{
    QFETCH(QString, locale);
    QFETCH(QString, tick);
    QFETCH(QString, prompt);
    QFETCH(QString, answer);
    QFETCH(QString, formula);
    QFETCH(QStringList, shown);

    Runner r(locale);
    calculate(r, kCube, { tick }, { answer });
    QCOMPARE(r.dialogs().size(), 1);
    QCOMPARE(r.dialogs()[0].kind, QString("prompt"));
    QCOMPARE(r.dialogs()[0].title, QString("CORPIMETRO"));
    QCOMPARE(r.dialogs()[0].text, prompt);
    QCOMPARE(r.text("Form3.Label15"), formula);
    for (int i = 0; i < kResults.size(); ++i)
        QCOMPARE(r.text("Form3." + kResults[i]), shown[i]);
}

void TestCube::everyCaseGivesTheSameCube_data()
{
    QTest::addColumn<QString>("tick");
    QTest::addColumn<double>("known"); // the quantity of a cube of side 1.7
    const double s = 1.7;
    QTest::newRow("side") << "Check1" << s;
    QTest::newRow("space diagonal") << "Check2" << s * std::sqrt(3.0);
    QTest::newRow("lateral area") << "Check3" << 4 * s * s;
    QTest::newRow("total area") << "Check4" << 6 * s * s;
    QTest::newRow("volume") << "Check5" << s * s * s;
    QTest::newRow("face diagonal") << "Check6" << s * std::sqrt(2.0);
}

void TestCube::everyCaseGivesTheSameCube()
{
    QFETCH(QString, tick);
    QFETCH(double, known);
    Runner r;
    calculate(r, kCube, { tick }, numbers({ known }));
    const double s = 1.7;
    const double expected[] = { s,         4 * s * s,          6 * s * s,
                                s * s * s, s * std::sqrt(3.0), s * std::sqrt(2.0) };
    for (int i = 0; i < kResults.size(); ++i)
        QVERIFY2(near(r.text("Form3." + kResults[i]), expected[i], 1e-9),
                 qPrintable(kResults[i] + ": " + r.text("Form3." + kResults[i])));
}

void TestCube::extraTicksAreIgnored()
{
    Runner r;
    calculate(r, kCube, { "Check1", "Check5" }, { "2", "99" });
    QCOMPARE(r.dialogs().size(), 1);
    QCOMPARE(r.dialogs()[0].text, QString("INTRODUCI IL LATO (L) ="));
    QCOMPARE(r.text("Form3.Label13"), QString("8"));
}

void TestCube::nothingTickedAfterACalculation()
{
    Runner r;
    calculate(r, kCube, { "Check1" }, { "2" });
    r.untick("Form3.Check1");
    r.click("Form3.Command3");
    QCOMPARE(r.dialogs().size(), 2);
    QCOMPARE(r.dialogs()[1].kind, QString("message"));
    QCOMPARE(r.dialogs()[1].text, kInsufficient);
    QCOMPARE(r.text("Form3.Label5"), QString());
    for (const auto &l : kResults.mid(1))
        QCOMPARE(r.text("Form3." + l), QString("0"));
    QCOMPARE(r.text("Form3.Label15"),
             QString("(AL=l^2*4) : (AT=l^2*6): (V=l^3): d1=l*SQR(2): (d=l*(SQR(3))"));
}

void TestCube::failures_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("tick");
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("formula"); // the formula label afterwards
    QTest::addColumn<QString>("says");    // part of the error text

    QTest::newRow("cancelled side")
        << "en_US"
        << "Check1" << std::optional<QString>() << "type mismatch"
        << "(AL=l^2*4) : (AT=l^2*6): (V=l^3): d1=l*SQR(2): (d=l*(SQR(3))"
        << "manca un valore";
    QTest::newRow("text side") << "en_US"
                               << "Check1" << std::optional<QString>("due") << "type mismatch"
                               << "(AL=l^2*4) : (AT=l^2*6): (V=l^3): d1=l*SQR(2): (d=l*(SQR(3))"
                               << "\"due\" non è un numero";
    QTest::newRow("dot under comma locale")
        << "it_IT"
        << "Check1" << std::optional<QString>("2.5") << "type mismatch"
        << "(AL=l^2*4) : (AT=l^2*6): (V=l^3): d1=l*SQR(2): (d=l*(SQR(3))"
        << "virgola";
    QTest::newRow("comma under point locale")
        << "en_US"
        << "Check1" << std::optional<QString>("1,500") << "type mismatch"
        << "(AL=l^2*4) : (AT=l^2*6): (V=l^3): d1=l*SQR(2): (d=l*(SQR(3))"
        << "punto";
    QTest::newRow("negative lateral area")
        << "en_US"
        << "Check3" << std::optional<QString>("-4") << "invalid argument"
        << "(l=SQR(AL/4): d1=l*SQR(2): (AT=l^2*6): (V=l^3): (d=l*(SQR(3))"
        << "negativo";
    QTest::newRow("negative volume")
        << "en_US"
        << "Check5" << std::optional<QString>("-8") << "invalid argument"
        << "(l=radice cubica V :d1=l*SQR(2): (AL=l^2*4): (AT=l^2*6): (d=l*(SQR(3)):"
        << "negativo";
    QTest::newRow("huge volume") << "en_US"
                                 << "Check1" << std::optional<QString>("1E200") << "overflow"
                                 << "(AL=l^2*4) : (AT=l^2*6): (V=l^3): d1=l*SQR(2): (d=l*(SQR(3))"
                                 << "troppo grande";
}

void TestCube::failures()
{
    QFETCH(QString, locale);
    QFETCH(QString, tick);
    QFETCH(std::optional<QString>, answer);
    QFETCH(QString, failure);
    QFETCH(QString, formula);
    QFETCH(QString, says);

    Runner r(locale);
    // A first good calculation, so that stale numbers would show.
    calculate(r, kCube, { "Check1" }, { "3" });
    r.untick("Form3.Check1");
    calculate(r, kCube, { tick }, { answer });

    QCOMPARE(r.dialogs().size(), 3);
    const auto &error = r.dialogs()[2];
    QCOMPARE(error.kind, QString("error"));
    QCOMPARE(error.title, QString("CORPIMETRO"));
    QCOMPARE(error.failure, failure);
    QVERIFY2(error.text.contains(says), qPrintable(error.text));
    QCOMPARE(r.text("Form3.Label15"), formula);
    for (const auto &l : kResults)
        QCOMPARE(r.text("Form3." + l), QString());
    QVERIFY(r.visible("Form3"));

    // The screen stays usable.
    r.untick("Form3." + tick);
    calculate(r, kCube, { "Check1" }, { "2" });
    QCOMPARE(r.text("Form3.Label13"), QString("8"));
}

// The worked solution: the side from the known quantity, written with the
// screen's symbols, then everything from the side, in the order computed.
void TestCube::solution_data()
{
    QTest::addColumn<QString>("tick");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QStringList>("expected"); // in this order

    QTest::newRow("space diagonal")
        << "Check2"
        << "3"
        << ","
        << QStringList{ "Dati:",
                        "d = 3",
                        "Calcoli:",
                        "s = d / √3 = 3 / √3 = 1,73205080756888",
                        "AL = 4 · s² = 4 · 1,73205080756888² = 12",
                        "AT = 6 · s² = 6 · 1,73205080756888² = 18",
                        "V = s³ = 1,73205080756888³ = 5,19615242270663",
                        "Verifica: d = s · √3 = 1,73205080756888 · √3 = 3, come il dato.",
                        "d1 = s · √2 = 1,73205080756888 · √2 = 2,44948974278318" };
    QTest::newRow("side typed") << "Check1"
                                << "2,5"
                                << ","
                                << QStringList{ "s = 2,5",
                                                "Calcoli:", "AL = 4 · s² = 4 · 2,5² = 25",
                                                "d1 = s · √2 = 2,5 · √2 = 3,53553390593274" };
    QTest::newRow("face diagonal")
        << "Check6"
        << "2"
        << "."
        << QStringList{ "d1 = 2", "s = d1 / √2 = 2 / √2 = 1.41421356237309",
                        "Verifica: d1 = s · √2 = 1.41421356237309 · √2 = 2, come il dato." };
    QTest::newRow("lateral area") << "Check3"
                                  << "24"
                                  << ","
                                  << QStringList{ "s = √(AL / 4) = √(24 / 4) = 2,44948974278318" };
    QTest::newRow("total area") << "Check4"
                                << "24"
                                << ","
                                << QStringList{ "s = √(AT / 6) = √(24 / 6) = 2",
                                                "V = s³ = 2³ = 8" };
    QTest::newRow("volume") << "Check5"
                            << "27"
                            << ","
                            << QStringList{ "V = 27", "s = ∛V = ∛27 = 3",
                                            "Verifica: V = s³ = 3³ = 27, come il dato." };
}

void TestCube::solution()
{
    QFETCH(QString, tick);
    QFETCH(QString, answer);
    QFETCH(QString, decimal);
    QFETCH(QStringList, expected);
    const QString missing =
        worked::missingInOrder(worked::solution("Form3", { tick }, { answer }, decimal), expected);
    QVERIFY2(missing.isEmpty(), qPrintable(missing));
}

QTEST_MAIN(TestCube)
#include "test_cube.moc"
