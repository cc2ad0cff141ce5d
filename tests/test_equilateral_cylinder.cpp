// The equilateral cylinder: the one-value case chain, the message, the
// failures and the way back to the cylinder.
#include "harness.h"
#include "worked.h"

#include <cmath>

using namespace harness;
using script::Runner;

namespace {

// Result labels in index order: r, d, AB, C, AL, AT, V, D.
const QStringList kResults = { "Label2(8)",  "Label2(9)",  "Label2(10)", "Label2(11)",
                               "Label2(12)", "Label2(13)", "Label2(14)", "Label2(15)" };
const QStringList kAllChecks = { "Check1", "Check2(0)", "Check4", "Check5",
                                 "Check7", "Check9",    "Check8", "Check6" };
const Screen kEquilateral{ "Form37", "Command1", kAllChecks };

const QString kRadiusPrompt = "INTRODuci IL RAGGIO O L'ALTEZZA (r=h) =";
const QString kRadiusFormula =
    "d = 2 * r: c = 2 * 3.1415926535 * r: AB = r ^ 2 * 3.1415926535: AL = 4 * 3.1415926535 * r ^ 2: AT = 6 * 3.1415926535 * r ^ 2 : V = 2 * 3.1415926535 * r ^ 3: D = Sqr(d ^ 2 + d ^ 2) ";
const QString kDiameterFormula =
    "r = d/2: c = 2 * 3.1415926535 * r: AB = r ^ 2 * 3.1415926535: AL = 4 * 3.1415926535 * r ^ 2: AT = 6 * 3.1415926535 * r ^ 2 : V = 2 * 3.1415926535 * r ^ 3: D = Sqr(d ^ 2 + d ^ 2) ";
const QString kBaseFormula =
    "r = Sqr(AB / 3.1415926535): d = 2 * r: c = 2 * 3.1415926535 * r: AL = 4 * 3.1415926535 * r ^ 2: AT = 6 * 3.1415926535 * r ^ 2 : V = 2 * 3.1415926535 * r ^ 3: D = Sqr(d ^ 2 + d ^ 2) ";
const QString kLateralFormula =
    "r = Sqr(AL / 4 * 3.1415926535): AB = r ^ 2 * 3.1415926535: d = 2 * r: c = 2 * 3.1415926535 * r: AT = 6 * 3.1415926535 * r ^ 2 : V = 2 * 3.1415926535 * r ^ 3: D = Sqr(d ^ 2 + d ^ 2) ";
const QString kTotalFormula =
    "r = Sqr(AT / 6 * 3.1415926535): AB = r ^ 2 * 3.1415926535: d = 2 * r: c = 2 * 3.1415926535 * r: AL = 4 * 3.1415926535 * r ^ 2 : V = 2 * 3.1415926535 * r ^ 3: D = Sqr(d ^ 2 + d ^ 2) ";
const QString kDiagonalFormula =
    "r = Sqr(d1^2/2)/2: AB = r ^ 2 * 3.1415926535: d = 2 * r: c = 2 * 3.1415926535 * r: AL = 4 * 3.1415926535 * r ^ 2 : AT = 6 * 3.1415926535 * r ^ 2:  V = 2 * 3.1415926535 * r ^ 3 ";
const QString kCircumferenceFormula =
    "r = Sqr(d1^2/2)/2: AB = r ^ 2 * 3.1415926535: d = 2 * r: c = 2 * 3.1415926535 * r: AL = 4 * 3.1415926535 * r ^ 2 : AT = 6 * 3.1415926535 * r ^ 2:  V = 2 * 3.1415926535 * r ^ 3: D = Sqr(d ^ 2 + d ^ 2)   ";
const QString kVolumeFormula =
    "r = (V / (2 * 3.1415926535)) ^ 1 / 3: C = 2 * 3.1415926535 * r: AB = r ^ 2 * 3.1415926535: d = 2 * r: AL = 4 * 3.1415926535 * r ^ 2 : AT = 6 * 3.1415926535 * r ^ 2: D = Sqr(d ^ 2 + d ^ 2)   ";

} // namespace

class TestEquilateralCylinder : public QObject {
    Q_OBJECT
private slots:
    void layout();
    void edgeCases_data();
    void edgeCases();
    void everyCaseGivesTheSameCylinder_data();
    void everyCaseGivesTheSameCylinder();
    void chainOrder_data();
    void chainOrder();
    void nothingTicked();
    void failures_data();
    void failures();
    void ritornaGoesBackToTheCylinder();
    void solution_data();
    void solution();
};

void TestEquilateralCylinder::layout()
{
    Runner r;
    r.show("Form37");
    auto *w = r.shell().window("Form37");
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QString("Cilindro Equilatero"));
    QCOMPARE(r.text("Form37.Label1(20)"), QString("CILINDRO EQUILATERO"));
    auto *d = w->findChild<QWidget *>("Label3");
    QVERIFY(d && d->parentWidget());
    QCOMPARE(d->parentWidget()->objectName(), QString("Picture1"));
    QCOMPARE(r.text("Form37.Label3"), QString("D"));
    const QStringList captions = { "Raggio (r=h/2)     =",     "Diametro (d=h)     =",
                                   "Area di base (Ab)      =", "Circonferenza  (C)     =",
                                   "Area Laterale (Al)     =", "Area Totale (At)     =",
                                   "Volume (V)     =",         "Diagonale (D)     =" };
    for (int i = 0; i < captions.size(); ++i)
        QCOMPARE(r.text(QString("Form37.Label2(%1)").arg(i)), captions[i]);
    for (const auto &l : kResults)
        QCOMPARE(r.text("Form37." + l), QString());
}

void TestEquilateralCylinder::edgeCases_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QStringList>("expected"); // r, d, AB, C, AL, AT, V, D

    QTest::newRow("radius 1") << "en_US" << QStringList{ "Check1" } << "1" << kRadiusPrompt
                              << kRadiusFormula
                              << QStringList{ "1",
                                              "2",
                                              "3.1415926535",
                                              "6.283185307",
                                              "12.566370614",
                                              "18.849555921",
                                              "6.283185307",
                                              "2.82842712474619" };
    QTest::newRow("radius 2,5 comma")
        << "it_IT" << QStringList{ "Check1" } << "2,5" << kRadiusPrompt << kRadiusFormula
        << QStringList{ "2,5",
                        "5",
                        "19,634954084375",
                        "15,7079632675",
                        "78,5398163375",
                        "117,80972450625",
                        "98,174770421875",
                        "7,07106781186548" };
    QTest::newRow("base area 10") << "en_US" << QStringList{ "Check4" } << "10"
                                  << "INTRODuci L'AREA DI BASE (Ab) =" << kBaseFormula
                                  << QStringList{ "1.78412411617827",
                                                  "3.56824823235654",
                                                  "10",
                                                  "11.2099824326357",
                                                  "40",
                                                  "60",
                                                  "35.6824823235654",
                                                  "5.04626504411244" };
    QTest::newRow("base area 10 comma")
        << "it_IT" << QStringList{ "Check4" } << "10"
        << "INTRODuci L'AREA DI BASE (Ab) =" << kBaseFormula
        << QStringList{
               "1,78412411617827", "3,56824823235654", "10", "11,2099824326357", "40", "60",
               "35,6824823235654", "5,04626504411244"
           };
    QTest::newRow("diagonal 10") << "en_US" << QStringList{ "Check9" } << "10"
                                 << "INTRODUCI LA DIAGONALE DEL CILINDRO (D) =" << kDiagonalFormula
                                 << QStringList{ "3.53553390593274", "7.07106781186548",
                                                 "39.26990816875",   "22.2144146901569",
                                                 "157.079632675",    "235.6194490125",
                                                 "277.680183626961", "10" };
    QTest::newRow("circumference recomputed")
        << "en_US" << QStringList{ "Check8" } << "6.2831853070"
        << "INTRODUCI LA CIRCONFERENZA (C) =" << kCircumferenceFormula
        << QStringList{ "1",
                        "2",
                        "3.1415926535",
                        "6.283185307",
                        "12.566370614",
                        "18.849555921",
                        "6.283185307",
                        "2.82842712474619" };
    QTest::newRow("radius and volume ticked")
        << "en_US" << QStringList{ "Check1", "Check6" } << "1" << kRadiusPrompt << kRadiusFormula
        << QStringList{ "1",
                        "2",
                        "3.1415926535",
                        "6.283185307",
                        "12.566370614",
                        "18.849555921",
                        "6.283185307",
                        "2.82842712474619" };
    QTest::newRow("radius -1 computed")
        << "en_US" << QStringList{ "Check1" } << "-1" << kRadiusPrompt << kRadiusFormula
        << QStringList{ "-1",           "-2",           "3.1415926535", "-6.283185307",
                        "12.566370614", "18.849555921", "-6.283185307", "2.82842712474619" };
    QTest::newRow("diagonal -10 gives a positive radius")
        << "en_US" << QStringList{ "Check9" } << "-10"
        << "INTRODUCI LA DIAGONALE DEL CILINDRO (D) =" << kDiagonalFormula
        << QStringList{ "3.53553390593274", "7.07106781186548",
                        "39.26990816875",   "22.2144146901569",
                        "157.079632675",    "235.6194490125",
                        "277.680183626961", "-10" };
    QTest::newRow("diameter 0") << "en_US" << QStringList{ "Check2(0)" } << "0"
                                << "INTRODuci IL DIAMETRO (d) =" << kDiameterFormula
                                << QStringList{ "0", "0", "0", "0", "0", "0", "0", "0" };
}

void TestEquilateralCylinder::edgeCases()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, ticks);
    QFETCH(QString, answer);
    QFETCH(QString, prompt);
    QFETCH(QString, formula);
    QFETCH(QStringList, expected);

    Runner r(locale);
    calculate(r, kEquilateral, ticks, { answer });
    QCOMPARE(r.dialogs().size(), 1);
    QCOMPARE(r.dialogs()[0].kind, QString("prompt"));
    QCOMPARE(r.dialogs()[0].title, QString("CORPIMETRO"));
    QCOMPARE(r.dialogs()[0].text, prompt);
    QCOMPARE(r.text("Form37.Label26(0)"), formula);
    QCOMPARE(texts(r, "Form37", kResults), expected);
}

void TestEquilateralCylinder::everyCaseGivesTheSameCylinder_data()
{
    QTest::addColumn<QString>("tick");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<double>("known");
    QTest::addColumn<QString>("formula");

    // One cylinder of radius 1.3, measured with the screen's own constants.
    const double r = 1.3, d = 2 * r;
    QTest::newRow("radius") << "Check1" << kRadiusPrompt << r << kRadiusFormula;
    QTest::newRow("diameter") << "Check2(0)"
                              << "INTRODuci IL DIAMETRO (d) =" << d << kDiameterFormula;
    QTest::newRow("base area") << "Check4"
                               << "INTRODuci L'AREA DI BASE (Ab) =" << r * r * 3.1415926535
                               << kBaseFormula;
    QTest::newRow("lateral area") << "Check5"
                                  << "INTRODuci L'AREA LATERALE (AL) =" << r * r * 12.566370614
                                  << kLateralFormula;
    QTest::newRow("total area") << "Check7"
                                << "INTRODuci L'AREA TOTALE (AT) =" << r * r * 18.849555921
                                << kTotalFormula;
    QTest::newRow("diagonal") << "Check9"
                              << "INTRODUCI LA DIAGONALE DEL CILINDRO (D) =" << std::sqrt(2 * d * d)
                              << kDiagonalFormula;
    QTest::newRow("circumference")
        << "Check8"
        << "INTRODUCI LA CIRCONFERENZA (C) =" << r * 6.283185307 << kCircumferenceFormula;
    QTest::newRow("volume") << "Check6"
                            << "INTRODUCI IL VOLUME  (V) =" << r * r * r * 6.283185307
                            << kVolumeFormula;
}

void TestEquilateralCylinder::everyCaseGivesTheSameCylinder()
{
    QFETCH(QString, tick);
    QFETCH(QString, prompt);
    QFETCH(double, known);
    QFETCH(QString, formula);

    Runner run;
    calculate(run, kEquilateral, { tick }, numbers({ known }));
    QCOMPARE(run.dialogs().size(), 1);
    QCOMPARE(run.dialogs()[0].text, prompt);
    QCOMPARE(run.text("Form37.Label26(0)"), formula);

    const double r = 1.3;
    const double expected[] = { r,
                                2 * r,
                                r * r * 3.1415926535,
                                r * 6.283185307,
                                r * r * 12.566370614,
                                r * r * 18.849555921,
                                r * r * r * 6.283185307,
                                std::sqrt(8 * r * r) };
    for (int i = 0; i < kResults.size(); ++i) {
        const QString text = run.text("Form37." + kResults[i]);
        QVERIFY2(near(text, expected[i]), qPrintable(kResults[i] + ": " + text));
    }
}

void TestEquilateralCylinder::chainOrder_data()
{
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QString>("prompt"); // the only prompt shown

    QTest::newRow("diameter before base area")
        << QStringList{ "Check4", "Check2(0)" } << "INTRODuci IL DIAMETRO (d) =";
    QTest::newRow("base area before lateral area")
        << QStringList{ "Check5", "Check4" } << "INTRODuci L'AREA DI BASE (Ab) =";
    QTest::newRow("total area before diagonal")
        << QStringList{ "Check9", "Check7" } << "INTRODuci L'AREA TOTALE (AT) =";
    QTest::newRow("diagonal before circumference")
        << QStringList{ "Check8", "Check9" } << "INTRODUCI LA DIAGONALE DEL CILINDRO (D) =";
    QTest::newRow("circumference before volume")
        << QStringList{ "Check6", "Check8" } << "INTRODUCI LA CIRCONFERENZA (C) =";
    QTest::newRow("all eight") << kAllChecks << kRadiusPrompt;
}

void TestEquilateralCylinder::chainOrder()
{
    QFETCH(QStringList, ticks);
    QFETCH(QString, prompt);

    Runner r;
    calculate(r, kEquilateral, ticks, { QString("1") });
    QCOMPARE(r.dialogs().size(), 1);
    QCOMPARE(r.dialogs()[0].kind, QString("prompt"));
    QCOMPARE(r.dialogs()[0].text, prompt);
}

void TestEquilateralCylinder::nothingTicked()
{
    Runner r("it_IT");
    calculate(r, kEquilateral, {}, {});
    QCOMPARE(r.dialogs().size(), 1);
    QCOMPARE(r.dialogs()[0].kind, QString("message"));
    QCOMPARE(r.dialogs()[0].text, kInsufficient);
    QCOMPARE(r.text("Form37.Label26(0)"), QString());

    // After a calculation: all eight emptied, the formula kept.
    calculate(r, kEquilateral, { "Check9" }, { QString("10") });
    QCOMPARE(r.text("Form37.Label2(8)"), QString("3,53553390593274"));
    calculate(r, kEquilateral, {}, {});
    QCOMPARE(r.dialogs().size(), 3);
    QCOMPARE(r.dialogs()[2].kind, QString("message"));
    QCOMPARE(r.dialogs()[2].text, kInsufficient);
    for (const auto &l : kResults)
        QCOMPARE(r.text("Form37." + l), QString());
    QCOMPARE(r.text("Form37.Label26(0)"), kDiagonalFormula);
}

void TestEquilateralCylinder::failures_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("tick");
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<QString>("failure");

    QTest::newRow("negative base area")
        << "en_US"
        << "Check4" << std::optional<QString>("-1") << "invalid argument";
    QTest::newRow("negative lateral area")
        << "it_IT"
        << "Check5" << std::optional<QString>("-1,5") << "invalid argument";
    QTest::newRow("negative total area")
        << "en_US"
        << "Check7" << std::optional<QString>("-2") << "invalid argument";
    QTest::newRow("negative volume")
        << "en_US"
        << "Check6" << std::optional<QString>("-8") << "invalid argument";
    QTest::newRow("cancelled radius") << "en_US"
                                      << "Check1" << std::optional<QString>() << "type mismatch";
    QTest::newRow("empty diagonal") << "en_US"
                                    << "Check9" << std::optional<QString>("") << "type mismatch";
    QTest::newRow("text volume") << "it_IT"
                                 << "Check6" << std::optional<QString>("otto") << "type mismatch";
    QTest::newRow("huge circumference")
        << "en_US"
        << "Check8" << std::optional<QString>("1E300") << "overflow";
}

void TestEquilateralCylinder::failures()
{
    QFETCH(QString, locale);
    QFETCH(QString, tick);
    QFETCH(std::optional<QString>, answer);
    QFETCH(QString, failure);

    Runner r(locale);
    calculate(r, kEquilateral, { "Check1" }, { QString("1") });
    calculate(r, kEquilateral, { tick }, { answer });
    QCOMPARE(r.dialogs().size(), 3);
    QCOMPARE(r.dialogs()[1].kind, QString("prompt"));
    const auto &error = r.dialogs()[2];
    QCOMPARE(error.kind, QString("error"));
    QCOMPARE(error.title, QString("CORPIMETRO"));
    QCOMPARE(error.failure, failure);
    for (const auto &l : kResults)
        QCOMPARE(r.text("Form37." + l), QString());
    // The formula is written after the arithmetic: the old one stays.
    QCOMPARE(r.text("Form37.Label26(0)"), kRadiusFormula);
    QVERIFY(r.visible("Form37"));

    // The screen stays usable.
    calculate(r, kEquilateral, { "Check4" }, { QString("10") });
    QCOMPARE(r.dialogs().size(), 4);
    QCOMPARE(r.text("Form37.Label2(12)"), QString("40"));
}

void TestEquilateralCylinder::ritornaGoesBackToTheCylinder()
{
    Runner r;
    r.show("Form2");
    r.tick("Form2.Check1");
    r.tick("Form2.Check3");
    r.answers({ QString("1"), QString("2") });
    r.click("Form2.Command2");
    r.click("Form2.Command5");
    QVERIFY(r.visible("Form37"));

    calculate(r, kEquilateral, { "Check1" }, { QString("1") });
    r.click("Form37.Command4");
    QVERIFY(!r.visible("Form37"));
    QVERIFY(r.visible("Form2"));
    QVERIFY(r.checked("Form2.Check1"));
    QVERIFY(r.checked("Form2.Check3"));
    QCOMPARE(r.text("Form2.Label20"), QString("1"));
    QCOMPARE(r.text("Form2.Label12"), QString("18.84"));
    QCOMPARE(r.text("Form2.Label26(0)"), QString("(C=2*R*3,14):(AB=R*R*3,14):(AL=C*H)"));

    // And "Vai" brings back the equilateral cylinder as it was left.
    r.click("Form2.Command5");
    QVERIFY(r.visible("Form37"));
    QVERIFY(r.checked("Form37.Check1"));
    QCOMPARE(r.text("Form37.Label2(15)"), QString("2.82842712474619"));
}

// The worked solution: the radius from the known quantity, then everything
// from the radius, with π written as such where the screen computes with it.
void TestEquilateralCylinder::solution_data()
{
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QStringList>("expected"); // in this order

    QTest::newRow("base area") << QStringList{ "Check4" } << QStringList{ "12,566370614" } << ","
                               << QStringList{ "Dati:",
                                               "AB = 12,566370614",
                                               "Calcoli:",
                                               "π ≈ 3,1415926535",
                                               "r = √(AB / π) = √(12,566370614 / 3,1415926535) = 2",
                                               "d = 2 · r = 2 · 2 = 4",
                                               "2π ≈ 6,283185307",
                                               "C = 2π · r = 6,283185307 · 2 = 12,566370614",
                                               "4π ≈ 12,566370614",
                                               "AL = 4π · r² = 12,566370614 · 2² = 50,265482456",
                                               "6π ≈ 18,849555921",
                                               "AT = 6π · r² = 18,849555921 · 2² = 75,398223684",
                                               "V = 2π · r³ = 6,283185307 · 2³ = 50,265482456",
                                               "D = √(d² + d²) = √(4² + 4²) = 5,65685424949238" };
    QTest::newRow("radius") << QStringList{ "Check1" } << QStringList{ "2" } << "."
                            << QStringList{ "r = 2",
                                            "AB = π · r² = 3.1415926535 · 2² = 12.566370614" };
    QTest::newRow("diameter") << QStringList{ "Check2(0)" } << QStringList{ "4" } << ","
                              << QStringList{ "r = d / 2 = 4 / 2 = 2",
                                              "D = √(d² + d²) = √(4² + 4²) = 5,65685424949238" };
    QTest::newRow("volume") << QStringList{ "Check6" } << QStringList{ "50,265482456" } << ","
                            << QStringList{ "r = ∛(V / 2π) = ∛(50,265482456 / 6,283185307) = 2" };
    QTest::newRow("diagonal") << QStringList{ "Check9" } << QStringList{ "8" } << ","
                              << QStringList{
                                     "r = √(D² / 2) / 2 = √(8² / 2) / 2 = 2,82842712474619"
                                 };
    QTest::newRow("circumference recomputed")
        << QStringList{ "Check8" } << QStringList{ "12,566370614" } << ","
        << QStringList{ "r = C / 2π = 12,566370614 / 6,283185307 = 2",
                        "Verifica: C = 2π · r = 6,283185307 · 2 = 12,566370614, come il dato." };
}

void TestEquilateralCylinder::solution()
{
    QFETCH(QStringList, ticks);
    QFETCH(QStringList, answers);
    QFETCH(QString, decimal);
    QFETCH(QStringList, expected);
    const QString missing =
        worked::missingInOrder(worked::solution("Form37", ticks, answers, decimal), expected);
    QVERIFY2(missing.isEmpty(), qPrintable(missing));
}

QTEST_MAIN(TestEquilateralCylinder)
#include "test_equilateral_cylinder.moc"
