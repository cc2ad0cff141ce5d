// The cone: the 24 pairs of known quantities, the tick rules, the worked
// examples and the failures.
#include "harness.h"

#include <cmath>

using namespace harness;
using script::Runner;

namespace {

// The result labels, in the order the quantities are listed on the screen.
enum Quantity { R, D, C, H, A, AL, AT, V, AB };
const QStringList kResults = { "Label3(13)", "Label3(8)",  "Label3(9)",  "Label3(10)", "Label3(11)",
                               "Label3(12)", "Label3(14)", "Label3(15)", "Label3(17)" };
const Screen kCone{ "Form12", "Command1" };

const QString kFormula1 =
    "(d=2*r):  (C=d*3,14): (a=SQR(r^2+h^2)): (AB=r*r*3,14): (AL=C*a/2): (AT=AL+AB): ( V=AB*h/3)";
const QString kFormula2 =
    "(r=d/2):  (C=d*3,14): (a=SQR(r^2+h^2)): (AB=r*r*3,14): (AL=C*a/2): (AT=AL+AB): ( V=AB*h/3)";

// The nine quantities of the cone of radius 1.3 and height 2.1, with the
// screen's own constants (3.14 for pi, 6.28 for 2 pi).
QList<double> referenceCone()
{
    const double r = 1.3, h = 2.1;
    const double d = 2 * r;
    const double C = d * 3.14;
    const double a = std::pow(r * r + h * h, 0.5);
    const double AL = C * a / 2;
    const double AB = r * r * 3.14;
    const double AT = AL + AB;
    const double V = AB * h / 3;
    return { r, d, C, h, a, AL, AT, V, AB };
}

} // namespace

class TestCone : public QObject {
    Q_OBJECT
private slots:
    void screen();
    void everyCaseGivesTheSameCone_data();
    void everyCaseGivesTheSameCone();
    void workedExamples_data();
    void workedExamples();
    void noCaseApplies_data();
    void noCaseApplies();
    void firstCaseInChainOrderWins_data();
    void firstCaseInChainOrderWins();
    void failures_data();
    void failures();
    void ritornaKeepsWhatIsShown();
};

void TestCone::screen()
{
    Runner r;
    r.show("Form12");
    QCOMPARE(r.text("Form12.Label1(0)"), QString(" CONO"));
    QCOMPARE(r.text("Form12.Label3(0)"), QString("Raggio (r)              ="));
    QCOMPARE(r.text("Form12.Label3(16)"), QString("Area di Base (AB)      ="));
    QCOMPARE(r.text("Form12.Label6"), QString());
    for (const auto &l : kResults)
        QCOMPARE(r.text("Form12." + l), QString());
}

void TestCone::everyCaseGivesTheSameCone_data()
{
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QStringList>("prompts");
    QTest::addColumn<QList<int>>("known"); // the two quantities typed, in prompt order
    QTest::addColumn<QString>("formula");

    const QString r = "INTRODUCI IL RAGGIO (r) =";
    const QString d = "INTRODUCI IL DIAMETRO (d) =";
    const QString h = "INTRODUCI L'ALTEZZA (h) =";
    const QString a = "INTRODUCI L'APOTEMA (a) =";
    const QString ab = "INTRODUCI L'AREA DI BASE (AB) =";
    const QString al = "INTRODUCI L'AREA LATERALE (AL) =";
    const QString at = "INTRODUCI L'AREA TOTALE (AT) =";
    const QString v = "INTRODUCI IL VOLUME (V) =";
    const QString c = "INTRODUCI LA CIRCONFERENZA (c) =";
    const QString cc = "INTRODUCI LA CIRCONFERENZA (C) =";

    QTest::newRow("1 r h") << QStringList{ "Check1", "Check4" } << QStringList{ r, h }
                           << QList<int>{ R, H } << kFormula1;
    QTest::newRow("2 d h") << QStringList{ "Check2", "Check4" } << QStringList{ d, h }
                           << QList<int>{ D, H } << kFormula2;
    QTest::newRow("3 C h") << QStringList{ "Check3", "Check4" } << QStringList{ c, h }
                           << QList<int>{ C, H } << kFormula2;
    QTest::newRow("4 a h")
        << QStringList{ "Check5", "Check4" } << QStringList{ a, h } << QList<int>{ A, H }
        << "(r=SQR(a^2-h^2))  :d=r*2:  (C=d*3,14): (AB=r*r*3,14): (AL=C*a/2): (AT=AL+AB): ( V=AB*h/3)";
    QTest::newRow("5 AB h")
        << QStringList{ "Check9", "Check4" } << QStringList{ ab, h } << QList<int>{ AB, H }
        << "(r=SQR(AB/3,14))  :d=r*2: (a=SQR(h^2+r^2)): (C=d*3,14): (AB=r*r*3,14): (AL=C*a/2): (AT=AL+AB): ( V=AB*h/3)";
    QTest::newRow("6 a AB")
        << QStringList{ "Check5", "Check9" } << QStringList{ a, ab } << QList<int>{ A, AB }
        << "(r=SQR(AB/3,14))  :d=r*2: (h=SQR(a^2+r^2)): (C=d*3,14): (AB=r*r*3,14): (AL=C*a/2): (AT=AL+AB): ( V=AB*h/3)";
    QTest::newRow("7 a C")
        << QStringList{ "Check5", "Check3" } << QStringList{ a, cc } << QList<int>{ A, C }
        << "(r=C/6,28))  :d=r*2: (h=SQR(a^2+r^2)): (AB=r*r*3,14): (AL=C*a/2): (AT=AL+AB): ( V=AB*h/3)";
    QTest::newRow("8 a AL")
        << QStringList{ "Check5", "Check6" } << QStringList{ a, al } << QList<int>{ A, AL }
        << "(C=2*AL/a)) :(r=C/6,28) :d=r*2: (h=SQR(a^2-r^2)): (AB=r*r*3,14): (AT=AL+AB): ( V=AB*h/3)";
    QTest::newRow("9 AL C")
        << QStringList{ "Check6", "Check3" } << QStringList{ al, c } << QList<int>{ AL, C }
        << "(a=2*AL/C) : (r=C/6,28) :d=r*2: (h=SQR(a^2-r^2)): (AB=r*r*3,14): (AT=AL+AB): ( V=AB*h/3)";
    QTest::newRow("10 AL r")
        << QStringList{ "Check6", "Check1" } << QStringList{ al, r } << QList<int>{ AL, R }
        << "(C=r*6,28) : (a=2*AL/C) :d=r*2: (h=SQR(a^2-r^2)): (AB=r*r*3,14): (AT=AL+AB): ( V=AB*h/3)";
    QTest::newRow("11 AL d")
        << QStringList{ "Check6", "Check2" } << QStringList{ al, "INTRODUCI IL DIAMETRO (D) =" }
        << QList<int>{ AL, D }
        << "(r=D/2) : (C=d*3,14): (a=2*AL/C) : (h=SQR(a^2-r^2)): (AB=r*r*3,14): (AT=AL+AB): ( V=AB*h/3)";
    QTest::newRow("12 AL AB")
        << QStringList{ "Check6", "Check9" } << QStringList{ al, ab } << QList<int>{ AL, AB }
        << "(r=SQR(AB/3,14)) :( C=r*6,28): (a=2*AL/C) :d=r*2: (h=SQR(a^2-r^2)): (AT=AL+AB): ( V=AB*h/3)";
    QTest::newRow("13 AL AT")
        << QStringList{ "Check6", "Check7" } << QStringList{ al, at } << QList<int>{ AL, AT }
        << "(AB=AT-AL) : r=SQR(AB/3,14): (C=r*6,28): (a=2*AL/C) :d=r*2: (h=SQR(a^2-r^2)): ( V=AB*h/3)";
    QTest::newRow("14 AB AT")
        << QStringList{ "Check9", "Check7" } << QStringList{ ab, at } << QList<int>{ AB, AT }
        << "(AL=AT-AB) : r=SQR(AB/3,14): (C=r*6,28): (a=2*AL/C) :d=r*2: (h=SQR(a^2-r^2)): ( V=AB*h/3)";
    QTest::newRow("15 r AT")
        << QStringList{ "Check1", "Check7" } << QStringList{ r, at } << QList<int>{ R, AT }
        << "(AB=r*r*3,14) :(AL=AT-AB): (C=r*6,28): (a=2*AL/C) :d=r*2: (h=SQR(a^2-r^2)): ( V=AB*h/3)";
    QTest::newRow("16 d AT")
        << QStringList{ "Check2", "Check7" } << QStringList{ d, at } << QList<int>{ D, AT }
        << "(r=d/2): (AB=r*r*3,14) :(AL=AT-AB): (C=r*6,28): (a=2*AL/C) : (h=SQR(a^2-r^2)): ( V=AB*h/3)";
    QTest::newRow("17 C AT")
        << QStringList{ "Check3", "Check7" } << QStringList{ cc, at } << QList<int>{ C, AT }
        << "(r=C/6,28): (d=2*r): (AB=r*r*3,14) :(AL=AT-AB): (a=2*AL/C) : (h=SQR(a^2-r^2)): ( V=AB*h/3)";
    QTest::newRow("18 r V")
        << QStringList{ "Check1", "Check8" } << QStringList{ r, v } << QList<int>{ R, V }
        << "(AB=r*r*3,14) :(C=r*6,28): (d=2*r):(h=3*V/AB):(a=(SQR(h^2+r^2)): (AL=C*a/2) :(AT=AL+AB)";
    QTest::newRow("19 d V")
        << QStringList{ "Check2", "Check8" } << QStringList{ d, v } << QList<int>{ D, V }
        << "(r=d/2): (AB=r*r*3,14) : (C=r*6,28): (h=3*V/AB): (a=(SQR(h^2+r^2)): (AL=C*a/2) :(AT=AL+AB)";
    QTest::newRow("20 C V")
        << QStringList{ "Check3", "Check8" } << QStringList{ cc, v } << QList<int>{ C, V }
        << "(r=C/6,28): (AB=r*r*3,14) :(d=2*r): (C=r*6,28): (h=3*V/AB): (a=(SQR(h^2+r^2)): (AL=C*a/2) :(AT=AL+AB)";
    QTest::newRow("21 h V")
        << QStringList{ "Check4", "Check8" }
        << QStringList{ "INTRODUCI L'ALTEZZA DELLA PIRAMIDE (h) =", v } << QList<int>{ H, V }
        << "(AB=3*V/h): (r=SQR(AB/3,14)) :(d=2*r): (C=r*6,28): (a=(SQR(h^2+r^2)): (AL=C*a/2) :(AT=AL+AB)";
    QTest::newRow("22 AB V")
        << QStringList{ "Check9", "Check8" } << QStringList{ ab, v } << QList<int>{ AB, V }
        << " (r=SQR(AB/3,14)) :(d=2*r): (C=r*6,28): (h=3*V/AB): (a=(SQR(h^2+r^2)): (AL=C*a/2) :(AT=AL+AB)";
    QTest::newRow("23 r a")
        << QStringList{ "Check1", "Check5" } << QStringList{ r, a } << QList<int>{ R, A }
        << "(d=2*r):  (C=d*3,14): (h=SQR(a^2-r^2)): (AB=r*r*3,14): (AL=C*a/2): (AT=AL+AB): ( V=AB*h/3)";
    QTest::newRow("24 d a")
        << QStringList{ "Check2", "Check5" } << QStringList{ d, a } << QList<int>{ D, A }
        << "(r=d/2):  (C=d*3,14): (h=SQR(a^2-r^2)): (AB=r*r*3,14): (AL=C*a/2): (AT=AL+AB): ( V=AB*h/3)";
}

void TestCone::everyCaseGivesTheSameCone()
{
    QFETCH(QStringList, ticks);
    QFETCH(QStringList, prompts);
    QFETCH(QList<int>, known);
    QFETCH(QString, formula);

    const QList<double> cone = referenceCone();
    QList<double> values;
    for (int q : known)
        values << cone[q];
    const Answers answers = numbers(values);

    Runner r;
    calculate(r, kCone, ticks, answers);
    QCOMPARE(harness::prompts(r), prompts);
    QCOMPARE(r.dialogs().size(), 2);
    QCOMPARE(r.dialogs()[0].title, QString("CORPIMETRO"));
    QCOMPARE(r.text("Form12.Label6"), formula);
    for (int i = 0; i < kResults.size(); ++i) {
        const QString text = r.text("Form12." + kResults[i]);
        QVERIFY2(near(text, cone[i]), qPrintable(kResults[i] + ": " + text));
    }
    // The typed quantities are shown as typed, except the diameter of case 19,
    // which is recomputed.
    const bool dRecomputed = known == QList<int>{ D, V };
    for (int k = 0; k < known.size(); ++k)
        if (!(dRecomputed && known[k] == D))
            QCOMPARE(r.text("Form12." + kResults[known[k]]), *answers[k]);
    if (dRecomputed)
        QCOMPARE(r.text("Form12.Label3(8)"), QString("2.6"));
}

void TestCone::workedExamples_data()
{
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<QString>("formula");   // empty: not checked
    QTest::addColumn<QStringList>("shown"); // r d C h a AL AT V AB; "*" = not checked

    QTest::newRow("case 1, r 1 h 1")
        << QStringList{ "Check1", "Check4" } << Answers{ "1", "1" } << kFormula1
        << QStringList{ "1",
                        "2",
                        "6,28",
                        "1",
                        "1,4142135623731",
                        "4,44063058585152",
                        "7,58063058585152",
                        "1,04666666666667",
                        "3,14" };
    QTest::newRow("case 3 shows the text of case 2")
        << QStringList{ "Check3", "Check4" } << Answers{ "6,28", "1" } << kFormula2
        << QStringList{ "1", "2", "6,28", "1", "*", "*", "*", "*", "*" };
    QTest::newRow("case 7, a 5 C 18,84")
        << QStringList{ "Check5", "Check3" } << Answers{ "5", "18,84" } << QString()
        << QStringList{ "3", "6", "18,84", "4", "5", "47,1", "75,36", "37,68", "28,26" };
    QTest::newRow("case 12 adds the typed areas as numbers")
        << QStringList{ "Check6", "Check9" } << Answers{ "10", "5" } << QString()
        << QStringList{ "*", "*", "*", "*", "*", "10", "15", "*", "5" };
    QTest::newRow("case 19 replaces the typed diameter")
        << QStringList{ "Check2", "Check8" } << Answers{ "4,0", "10,50" } << QString()
        << QStringList{ "2",
                        "4",
                        "12,56",
                        "2,50796178343949",
                        "3,20778308293952",
                        "20,1448777608602",
                        "32,7048777608602",
                        "10,50",
                        "12,56" };
    QTest::newRow("typed text kept, 007")
        << QStringList{ "Check1", "Check4" } << Answers{ "007", "1,50" } << kFormula1
        << QStringList{ "007", "14", "*", "1,50", "*", "*", "*", "*", "153,86" };
    QTest::newRow("negative radius computed without complaint")
        << QStringList{ "Check1", "Check4" } << Answers{ "-1", "1" } << kFormula1
        << QStringList{ "-1",
                        "-2",
                        "-6,28",
                        "1",
                        "1,4142135623731",
                        "-4,44063058585152",
                        "-1,30063058585152",
                        "1,04666666666667",
                        "3,14" };
}

void TestCone::workedExamples()
{
    QFETCH(QStringList, ticks);
    QFETCH(Answers, answers);
    QFETCH(QString, formula);
    QFETCH(QStringList, shown);

    Runner r("it_IT");
    calculate(r, kCone, ticks, answers);
    QCOMPARE(r.dialogs().size(), 2);
    if (!formula.isEmpty())
        QCOMPARE(r.text("Form12.Label6"), formula);
    const QStringList got = texts(r, "Form12", kResults);
    for (int i = 0; i < kResults.size(); ++i)
        if (shown[i] != "*")
            QCOMPARE(kResults[i] + " " + got[i], kResults[i] + " " + shown[i]);
}

void TestCone::noCaseApplies_data()
{
    QTest::addColumn<QStringList>("ticks");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("one box") << QStringList{ "Check8" };
    QTest::newRow("r d") << QStringList{ "Check1", "Check2" };
    QTest::newRow("C AB") << QStringList{ "Check3", "Check9" };
    QTest::newRow("h AT") << QStringList{ "Check4", "Check7" };
    QTest::newRow("h AL") << QStringList{ "Check4", "Check6" };
    QTest::newRow("a V") << QStringList{ "Check5", "Check8" };
    QTest::newRow("AL V") << QStringList{ "Check6", "Check8" };
    QTest::newRow("AT V") << QStringList{ "Check7", "Check8" };
    QTest::newRow("r d C AB") << QStringList{ "Check1", "Check2", "Check3", "Check9" };
}

void TestCone::noCaseApplies()
{
    QFETCH(QStringList, ticks);
    Runner r;
    calculate(r, kCone, { "Check1", "Check4" }, { "1", "1" });
    r.untick("Form12.Check1");
    r.untick("Form12.Check4");
    for (const auto &t : ticks)
        r.tick("Form12." + t);
    r.click("Form12.Command1");

    QCOMPARE(r.dialogs().size(), 3);
    QCOMPARE(r.dialogs()[2].kind, QString("message"));
    QCOMPARE(r.dialogs()[2].title, QString("CORPIMETRO"));
    QCOMPARE(r.dialogs()[2].text, kInsufficient);
    QCOMPARE(texts(r, "Form12", kResults), QStringList(kResults.size(), QString()));
    QCOMPARE(r.text("Form12.Label6"), kFormula1);

    // Ticking a pair afterwards works again.
    r.tick("Form12.Check1");
    r.tick("Form12.Check4");
    r.answers({ QString("1"), QString("1") });
    r.click("Form12.Command1");
    QCOMPARE(r.text("Form12.Label3(17)"), QString("3.14"));
}

void TestCone::firstCaseInChainOrderWins_data()
{
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("prompts");
    QTest::addColumn<QString>("label"); // a result that tells the case taken
    QTest::addColumn<QString>("value");

    QTest::newRow("r h d: case 1")
        << QStringList{ "Check1", "Check4", "Check2" } << QStringList{ "3", "4" }
        << QStringList{ "INTRODUCI IL RAGGIO (r) =", "INTRODUCI L'ALTEZZA (h) =" } << "Label3(11)"
        << "5";
    QTest::newRow("a C h: case 3")
        << QStringList{ "Check5", "Check3", "Check4" } << QStringList{ "3", "4" }
        << QStringList{ "INTRODUCI LA CIRCONFERENZA (c) =", "INTRODUCI L'ALTEZZA (h) =" }
        << "Label3(9)"
        << "3";
    QTest::newRow("AB h V: case 5")
        << QStringList{ "Check9", "Check4", "Check8" } << QStringList{ "3", "4" }
        << QStringList{ "INTRODUCI L'AREA DI BASE (AB) =", "INTRODUCI L'ALTEZZA (h) =" }
        << "Label3(17)"
        << "3";
    QTest::newRow("AL r AT V: case 10")
        << QStringList{ "Check8", "Check7", "Check6", "Check1" } << QStringList{ "30", "1" }
        << QStringList{ "INTRODUCI L'AREA LATERALE (AL) =", "INTRODUCI IL RAGGIO (r) =" }
        << "Label3(13)"
        << "1";
    QTest::newRow("d V a: case 19")
        << QStringList{ "Check2", "Check8", "Check5" } << QStringList{ "3", "4" }
        << QStringList{ "INTRODUCI IL DIAMETRO (d) =", "INTRODUCI IL VOLUME (V) =" } << "Label3(15)"
        << "4";
    QTest::newRow("everything: case 1")
        << QStringList{ "Check1", "Check2", "Check3", "Check4", "Check5",
                        "Check6", "Check7", "Check8", "Check9" }
        << QStringList{ "3", "4" }
        << QStringList{ "INTRODUCI IL RAGGIO (r) =", "INTRODUCI L'ALTEZZA (h) =" } << "Label3(11)"
        << "5";
}

void TestCone::firstCaseInChainOrderWins()
{
    QFETCH(QStringList, ticks);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, prompts);
    QFETCH(QString, label);
    QFETCH(QString, value);

    Runner r;
    calculate(r, kCone, ticks, { answers[0], answers[1] });
    QCOMPARE(r.dialogs().size(), 2);
    QCOMPARE(harness::prompts(r), prompts);
    QCOMPARE(r.text("Form12." + label), value);
}

void TestCone::failures_data()
{
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<QString>("failure");

    QTest::newRow("case 4, apothem shorter than height")
        << QStringList{ "Check5", "Check4" } << Answers{ "1", "2" } << "invalid argument";
    QTest::newRow("case 21, height 0")
        << QStringList{ "Check4", "Check8" } << Answers{ "0", "5" } << "division by zero";
    QTest::newRow("case 21, height 0 volume 0")
        << QStringList{ "Check4", "Check8" } << Answers{ "0", "0" } << "overflow";
    QTest::newRow("case 1, radius cancelled")
        << QStringList{ "Check1", "Check4" } << Answers{ std::nullopt, QString("2") }
        << "type mismatch";
    QTest::newRow("case 1, height empty")
        << QStringList{ "Check1", "Check4" } << Answers{ "2", "" } << "type mismatch";
    QTest::newRow("case 23, apothem shorter than radius")
        << QStringList{ "Check1", "Check5" } << Answers{ "3", "2" } << "invalid argument";
    QTest::newRow("case 9, circumference 0")
        << QStringList{ "Check6", "Check3" } << Answers{ "5", "0" } << "division by zero";
    QTest::newRow("case 18, radius 0")
        << QStringList{ "Check1", "Check8" } << Answers{ "0", "5" } << "division by zero";
}

void TestCone::failures()
{
    QFETCH(QStringList, ticks);
    QFETCH(Answers, answers);
    QFETCH(QString, failure);

    Runner r;
    // A first good calculation, so that stale numbers would show.
    calculate(r, kCone, { "Check1", "Check4" }, { "3", "4" });
    r.untick("Form12.Check1");
    r.untick("Form12.Check4");
    calculate(r, kCone, ticks, answers);

    QCOMPARE(r.dialogs().size(), 5); // two prompts, two prompts, one error
    int errors = 0;
    for (const auto &d : r.dialogs())
        errors += d.kind == "error";
    QCOMPARE(errors, 1);
    const auto &error = r.dialogs()[4];
    QCOMPARE(error.kind, QString("error"));
    QCOMPARE(error.title, QString("CORPIMETRO"));
    QCOMPARE(error.failure, failure);
    QCOMPARE(texts(r, "Form12", kResults), QStringList(kResults.size(), QString()));
    QCOMPARE(r.text("Form12.Label6"), kFormula1); // the text is written after the steps
    QVERIFY(r.visible("Form12"));

    // The screen stays usable.
    for (const auto &t : ticks)
        r.untick("Form12." + t);
    calculate(r, kCone, { "Check1", "Check4" }, { "3", "4" });
    QCOMPARE(r.text("Form12.Label3(11)"), QString("5"));
}

void TestCone::ritornaKeepsWhatIsShown()
{
    Runner r;
    calculate(r, kCone, { "Check1", "Check4" }, { "3", "4" });
    r.click("Form12.Command3");
    QVERIFY(r.visible("Form1"));
    QVERIFY(!r.visible("Form12"));
    r.show("Form12");
    QVERIFY(r.checked("Form12.Check1"));
    QVERIFY(r.checked("Form12.Check4"));
    QCOMPARE(r.text("Form12.Label3(11)"), QString("5"));
    QCOMPARE(r.text("Form12.Label6"), kFormula1);
}

QTEST_MAIN(TestCone)
#include "test_cone.moc"
