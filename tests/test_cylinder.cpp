// The cylinder: the case chain, the closing steps from R and H, the single
// precision diagonal, the message, the failures and the "Vai" button.
#include "harness.h"
#include "worked.h"

#include <QLineEdit>

#include <cmath>

using namespace harness;
using script::Runner;

namespace {

// Result labels, row order: R, H, AB, AL, C, d, AT, V, D1.
const QStringList kResults = { "Label20", "Label18", "Label4",  "Label6", "Label8",
                               "Label10", "Label12", "Label14", "Label16" };
// Caption labels of the same rows and the texts "Calcola" writes into them.
const QStringList kCaptions = { "Label19", "Label17", "Label3",  "Label5", "Label7",
                                "Label9",  "Label11", "Label13", "Label15" };
const QStringList kCaptionTexts = { " RAGGIO R=",         " ALTEZZA H=",      "AREA DI BASE AB =",
                                    "AREA LATERALE AL =", "CIRCONFERENZA C=", "DIAMETRO D=",
                                    "AREA TOTALE AT=",    "VOLUME V= ",       "DIAGONALE D1=" };

// The formula texts of the cases used below.
const QString kCase1F0 = "(C=2*R*3,14):(AB=R*R*3,14):(AL=C*H)";
const QString kCase1F1 = "(AT=AL+2*AB):(V=AB*H):(d=2*R):(D1=SQR(d^2+H^2)) ";
const QString kCase4F0 = "(d=SQR(D1^2-H^2):R=d/2:(C=2*R*3,14):(AB=R*R*3,14)";
const QString kCase4F1 = "(AL=C*H):(AT=AL+2*AB):(V=AB*H)) ";
const QString kCase9F0 = "(AB=R^2*3,14):(C=2*R*3,14):(d=2*R)";
const QString kCase9F1 = "(H=V/AB):(D1=SQR(d^2+H^2)):(AL=C*H):(AT=AL+2*AB)) ";
const QString kCase13F0 = "(AB=((AT-AL)/2):(R=SQR(AB/3,14)):(C=2*R*3,14):(d=2*R)";
const QString kCase13F1 = "(H=AL/C):(V=AB*H)):(D1=SQR(d^2+H^2)) ";
const QString kCase14F0 = "(C=AL/H):(R=C/6,28):(d=2*R):(AB=R*R*3,14)";
const QString kCase14F1 = "(AT=AL+2*AB):(V=AB*H):(D1=SQR(d^2+H^2)) ";

const QStringList kAllChecks = { "Check1", "Check2", "Check3", "Check4", "Check5",
                                 "Check6", "Check7", "Check8", "Check9" };
const Screen kCylinder{ "Form2", "Command2", kAllChecks };

void verifyCaptionsWritten(const Runner &r)
{
    for (int i = 0; i < kCaptions.size(); ++i)
        QCOMPARE(r.text("Form2." + kCaptions[i]), kCaptionTexts[i]);
}

// What the screen shows after the insufficient-data message.
void verifyAfterMessage(const Runner &r)
{
    QCOMPARE(r.text("Form2.Label20"), QString());
    QCOMPARE(r.text("Form2.Label18"), QString());
    for (const auto &l : kResults.mid(2))
        QCOMPARE(r.text("Form2." + l), QString("0"));
    verifyCaptionsWritten(r);
}

} // namespace

class TestCylinder : public QObject {
    Q_OBJECT
private slots:
    void layout();
    void captionsAppearWithTheFirstCalcola();
    void edgeCases_data();
    void edgeCases();
    void everyCaseGivesTheSameCylinder_data();
    void everyCaseGivesTheSameCylinder();
    void chain_data();
    void chain();
    void messageKeepsTheFormulas();
    void failures_data();
    void failures();
    void vaiOpensTheEquilateralCylinder();
    void solution_data();
    void solution();
};

void TestCylinder::layout()
{
    Runner r;
    r.show("Form2");
    auto *w = r.shell().window("Form2");
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QString("Cilindro"));
    auto *title = w->findChild<QLineEdit *>("Text1");
    QVERIFY(title);
    QCOMPARE(title->text(), QString("CILINDRO"));
    auto *d1 = w->findChild<QLineEdit *>("Text2");
    QVERIFY(d1);
    QCOMPARE(d1->text(), QString("D1"));
    QVERIFY(d1->parentWidget());
    QCOMPARE(d1->parentWidget()->objectName(), QString("Picture1(1)"));
    QVERIFY(w->findChild<QWidget *>("Picture1(0)"));
    QCOMPARE(r.text("Form2.Label22"), QString("Cosa conosci  ?"));
    QCOMPARE(r.text("Form2.Label1"), QString("Risultati"));
    QCOMPARE(r.text("Form2.Label27(0)"), QString("Formule applicate:"));
}

void TestCylinder::captionsAppearWithTheFirstCalcola()
{
    Runner r("it_IT");
    r.show("Form2");
    for (const auto &l : kCaptions + kResults)
        QCOMPARE(r.text("Form2." + l), QString());

    // Nothing ticked: the message, then the closing steps on empty values.
    r.click("Form2.Command2");
    QCOMPARE(r.dialogs().size(), 1);
    QCOMPARE(r.dialogs()[0].kind, QString("message"));
    QCOMPARE(r.dialogs()[0].text, kInsufficient);
    verifyAfterMessage(r);
    QCOMPARE(r.text("Form2.Label26(0)"), QString());
    QCOMPARE(r.text("Form2.Label26(1)"), QString());
}

void TestCylinder::edgeCases_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("prompts");
    QTest::addColumn<QString>("formula0");
    QTest::addColumn<QString>("formula1");
    QTest::addColumn<QStringList>("expected"); // R, H, AB, AL, C, d, AT, V, D1

    const QStringList case1Prompts = { "INTRODUCI IL RAGGIO (R) =", "INTRODUCI L'ALTEZZA (H) =" };
    const QStringList case4Prompts = { "INTRODUCI L'ALTEZZA H =", "INTRODUCI LA DIAGONALE D1 =" };

    QTest::newRow("R 1, H 2") << "en_US" << QStringList{ "Check1", "Check3" }
                              << QStringList{ "1", "2" } << case1Prompts << kCase1F0 << kCase1F1
                              << QStringList{ "1", "2",     "3.14", "12.56",   "6.28",
                                              "2", "18.84", "6.28", "2.828427" };
    QTest::newRow("R 2,5, H 3 comma")
        << "it_IT" << QStringList{ "Check1", "Check3" } << QStringList{ "2,5", "3" } << case1Prompts
        << kCase1F0 << kCase1F1
        << QStringList{ "2,5", "3", "19,625", "47,1", "15,7", "5", "86,35", "58,875", "5,830952" };
    QTest::newRow("D1 5, H 3") << "en_US" << QStringList{ "Check9", "Check3" }
                               << QStringList{ "3", "5" } << case4Prompts << kCase4F0 << kCase4F1
                               << QStringList{ "2", "3",    "12.56", "37.68", "12.56",
                                               "4", "62.8", "37.68", "5" };
    // D1 is rounded to single precision before it is squared.
    QTest::newRow("D1 1.1, H 0.5")
        << "en_US" << QStringList{ "Check9", "Check3" } << QStringList{ "0.5", "1.1" }
        << case4Prompts << kCase4F0 << kCase4F1
        << QStringList{ "0.489897961940057",
                        "0.5",
                        "0.753600041174889",
                        "1.53827960049178",
                        "3.07655920098356",
                        "0.979795923880115",
                        "3.04547968284156",
                        "0.376800020587445",
                        "1.1" };
    QTest::newRow("D1 1,1, H 0,5 comma")
        << "it_IT" << QStringList{ "Check9", "Check3" } << QStringList{ "0,5", "1,1" }
        << case4Prompts << kCase4F0 << kCase4F1
        << QStringList{ "0,489897961940057",
                        "0,5",
                        "0,753600041174889",
                        "1,53827960049178",
                        "3,07655920098356",
                        "0,979795923880115",
                        "3,04547968284156",
                        "0,376800020587445",
                        "1,1" };
    QTest::newRow("D1 equal to H")
        << "en_US" << QStringList{ "Check9", "Check3" } << QStringList{ "3", "3" } << case4Prompts
        << kCase4F0 << kCase4F1 << QStringList{ "0", "3", "0", "0", "0", "0", "0", "0", "3" };
    QTest::newRow("H 2, AL 12.56")
        << "en_US" << QStringList{ "Check3", "Check5" } << QStringList{ "2", "12.56" }
        << QStringList{ "INTRODUCI L'ALTEZZA H =", "INTRODUCI L'AREA LATERALE AL =" } << kCase14F0
        << kCase14F1
        << QStringList{ "1", "2", "3.14", "12.56", "6.28", "2", "18.84", "6.28", "2.828427" };
    QTest::newRow("AT 18,84, AL 12,56 comma")
        << "it_IT" << QStringList{ "Check7", "Check5" } << QStringList{ "18,84", "12,56" }
        << QStringList{ "INTRODUCI L'AREA TOTALE AT =", "INTRODUCI L'AREA LATERALE AL =" }
        << kCase13F0 << kCase13F1
        << QStringList{ "1", "2", "3,14", "12,56", "6,28", "2", "18,84", "6,28", "2,828427" };
    QTest::newRow("R, H and V ticked")
        << "en_US" << QStringList{ "Check1", "Check3", "Check6" } << QStringList{ "1", "2" }
        << case1Prompts << kCase1F0 << kCase1F1
        << QStringList{ "1", "2", "3.14", "12.56", "6.28", "2", "18.84", "6.28", "2.828427" };
    // Typed quantities other than R and H are recomputed; R keeps its digits.
    QTest::newRow("R 01 and V typed")
        << "en_US" << QStringList{ "Check1", "Check6" } << QStringList{ "01", "6.280" }
        << QStringList{ "INTRODUCI IL RAGGIO =", "INTRODUCI IL VOLUME  V =" } << kCase9F0
        << kCase9F1
        << QStringList{ "01", "2", "3.14", "12.56", "6.28", "2", "18.84", "6.28", "2.828427" };
}

void TestCylinder::edgeCases()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, ticks);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, prompts);
    QFETCH(QString, formula0);
    QFETCH(QString, formula1);
    QFETCH(QStringList, expected);

    Runner r(locale);
    calculate(r, kCylinder, ticks, typed(answers));
    QCOMPARE(harness::prompts(r), prompts);
    QCOMPARE(r.dialogs().size(), prompts.size());
    for (const auto &d : r.dialogs())
        QCOMPARE(d.title, QString("CORPIMETRO"));
    QCOMPARE(r.text("Form2.Label26(0)"), formula0);
    QCOMPARE(r.text("Form2.Label26(1)"), formula1);
    QCOMPARE(texts(r, "Form2", kResults), expected);
    verifyCaptionsWritten(r);
}

void TestCylinder::everyCaseGivesTheSameCylinder_data()
{
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QStringList>("prompts");
    QTest::addColumn<QList<double>>("known"); // in prompt order
    QTest::addColumn<QString>("formula0");
    QTest::addColumn<QString>("formula1");

    // One cylinder, R 1.3 and H 2.1, measured with the screen's own constants.
    const double R = 1.3, H = 2.1;
    const double d = 2 * R, AB = R * R * 3.14, C = 2 * R * 3.14, AL = C * H, AT = AL + 2 * AB,
                 V = AB * H, D1 = std::sqrt(d * d + H * H);

    const QString pR = "INTRODUCI IL RAGGIO R =", pAL = "INTRODUCI L'AREA LATERALE AL =",
                  pAT = "INTRODUCI L'AREA TOTALE AT =", pH = "INTRODUCI L'ALTEZZA H =",
                  pV = "INTRODUCI IL VOLUME  V =", pD = "INTRODUCI IL DIAMETRO D =",
                  pC = "INTRODUCI LA CIRCONFERENZA C =";

    QTest::newRow("1 R H") << QStringList{ "Check1", "Check3" }
                           << QStringList{ "INTRODUCI IL RAGGIO (R) =",
                                           "INTRODUCI L'ALTEZZA (H) =" }
                           << QList<double>{ R, H } << kCase1F0 << kCase1F1;
    QTest::newRow("2 d H") << QStringList{ "Check2", "Check3" }
                           << QStringList{ "INTRODUCI IL DIAMETRO D=", "INTRODUCI L'ALTEZZA  H =" }
                           << QList<double>{ d, H } << "(R=d/2):(C=2*R*3,14):(AB=R*R*3,14):(AL=C*H)"
                           << "(AT=AL+2*AB):(V=AB*H):(D1=SQR(d^2+H^2)) ";
    QTest::newRow("3 AB H") << QStringList{ "Check4", "Check3" }
                            << QStringList{ pH, "INTRODUCI L'AREA DI BASE AB =" }
                            << QList<double>{ H, AB } << "R=SQR(AB/3,14):(C=2*R*3,14):(AL=C*H)"
                            << "(AT=AL+2*AB):(V=AB*H):(d=2*R):(D1=SQR(d^2+H^2)) ";
    QTest::newRow("4 D1 H") << QStringList{ "Check9", "Check3" }
                            << QStringList{ pH, "INTRODUCI LA DIAGONALE D1 =" }
                            << QList<double>{ H, D1 } << kCase4F0 << kCase4F1;
    QTest::newRow("5 D1 d") << QStringList{ "Check9", "Check2" }
                            << QStringList{ "INTRODUCI IL DIAMETRO d =",
                                            "INTRODUCI LA DIAGONALE D1 =" }
                            << QList<double>{ d, D1 }
                            << "(H=SQR(D1^2-d^2):(R=d/2):(C=2*R*3,14):(AB=R*R*3,14)"
                            << "(AL=C*H):(AT=AL+2*AB):(V=AB*H)) ";
    QTest::newRow("6 AB AL") << QStringList{ "Check4", "Check5" }
                             << QStringList{ "INTRODUCI AREA DI BASE =",
                                             "INTRODUCI AREA LATERALE =" }
                             << QList<double>{ AB, AL } << "(R=SQR(AB/3,14): (C=2*R*3,14): (H=AL/C)"
                             << "(AT=AL+2*AB):(V=AB*H): D1=SQR(d^2+H^2)) ";
    QTest::newRow("7 AB D1") << QStringList{ "Check4", "Check9" }
                             << QStringList{ "INTRODUCI AREA DI BASE =",
                                             "INTRODUCI LA DIAGONALE =" }
                             << QList<double>{ AB, D1 }
                             << "(R=SQR(AB/3,14):(H=SQR(D1^2-R^2)):(C=2*R*3,14)"
                             << "(AL=C*H):(AT=AL+2*AB):(V=AB*H)) ";
    QTest::newRow("8 AB V") << QStringList{ "Check4", "Check6" }
                            << QStringList{ "INTRODUCI AREA DI BASE =", pV }
                            << QList<double>{ AB, V }
                            << "(R=SQR(AB/3,14)):(d=2*R):(C=d*3,14):(H=V/AB)"
                            << "(AL=C*H):(AT=AL+2*AB):(D1=SQR(d^2+H^2)) ";
    QTest::newRow("9 R V") << QStringList{ "Check1", "Check6" }
                           << QStringList{ "INTRODUCI IL RAGGIO =", pV } << QList<double>{ R, V }
                           << kCase9F0 << kCase9F1;
    QTest::newRow("10 d V") << QStringList{ "Check2", "Check6" } << QStringList{ pD, pV }
                            << QList<double>{ d, V }
                            << "(R=d/2):(C=2*R*3,14):(AB=R*R*3,14):(H=V/AB)"
                            << "(AL=C*H):(AT=AL+2*AB):(D1=SQR(d^2+H^2)) ";
    QTest::newRow("11 H V") << QStringList{ "Check3", "Check6" } << QStringList{ pH, pV }
                            << QList<double>{ H, V }
                            << "(AB=V/H):(R=SQR(AB/3,14)):(d=2*R):(C=2*R*3,14)"
                            << "(AL=C*H):(AT=AL+2*AB):(D1=SQR(d^2+H^2)) ";
    QTest::newRow("12 C V") << QStringList{ "Check8", "Check6" }
                            << QStringList{ pC, "INTRODUCI IL VOLUME V =" } << QList<double>{ C, V }
                            << "(R=C/6,28):(d=2*R):(AB=R*R*3,14): (H=V/AB)"
                            << "(AL=C*H):(AT=AL+2*AB):(D1=SQR(d^2+H^2)) ";
    QTest::newRow("13 AT AL") << QStringList{ "Check7", "Check5" } << QStringList{ pAT, pAL }
                              << QList<double>{ AT, AL } << kCase13F0 << kCase13F1;
    QTest::newRow("14 H AL") << QStringList{ "Check3", "Check5" } << QStringList{ pH, pAL }
                             << QList<double>{ H, AL } << kCase14F0 << kCase14F1;
    QTest::newRow("15 R AL") << QStringList{ "Check1", "Check5" } << QStringList{ pR, pAL }
                             << QList<double>{ R, AL }
                             << "(d=2*R):(C=2*R*3,14):(AB=R*R*3,14):(H=AL/C)"
                             << "(AT=AL+2*AB):(V=AB*H): (D1=SQR(d^2+H^2)) ";
    QTest::newRow("16 d AL") << QStringList{ "Check2", "Check5" } << QStringList{ pD, pAL }
                             << QList<double>{ d, AL }
                             << "(R=d/2):(C=2*R*3,14):(AB=R*R*3,14):(H=AL/C)"
                             << "(AT=AL+2*AB):(V=AB*H): (D1=SQR(d^2+H^2)) ";
    QTest::newRow("17 C AL") << QStringList{ "Check8", "Check5" } << QStringList{ pC, pAL }
                             << QList<double>{ C, AL }
                             << "(R=C/6,28):(d=2*R):(AB=R*R*3,14):(H=AL/C)"
                             << "(AT=AL+2*AB):(V=AB*H): (D1=SQR(d^2+H^2)) ";
    QTest::newRow("18 R AT") << QStringList{ "Check1", "Check7" } << QStringList{ pR, pAT }
                             << QList<double>{ R, AT }
                             << "(d=2*R):(C=2*R*3,14):(AB=R*R*3,14):(AL=AT-2*AB)"
                             << "(H=AL/C):(V=AB*H): (D1=SQR(d^2+H^2)) ";
    QTest::newRow("19 d AT") << QStringList{ "Check2", "Check7" } << QStringList{ pD, pAT }
                             << QList<double>{ d, AT }
                             << "(R=d/2):(C=2*R*3,14):(AB=R*R*3,14):(AL=AT-2*AB)"
                             << "(H=AL/C):(V=AB*H): (D1=SQR(d^2+H^2)) ";
    QTest::newRow("20 C AT") << QStringList{ "Check8", "Check7" } << QStringList{ pC, pAT }
                             << QList<double>{ C, AT }
                             << "(R=C/6,28):(d=2*R):(AB=R*R*3,14):(AL=AT-2*AB)"
                             << "(H=AL/C):(V=AB*H): (D1=SQR(d^2+H^2)) ";
    QTest::newRow("21 AB AT") << QStringList{ "Check4", "Check7" }
                              << QStringList{ "INTRODUCI L'AREA DI BASE AB =", pAT }
                              << QList<double>{ AB, AT }
                              << "(R=SQR(AB/3,14):(d=2*R):(C=2*R*3,14):(AL=AT-2*AB)"
                              << "(H=AL/C):(V=AB*H): (D1=SQR(d^2+H^2)) ";
}

void TestCylinder::everyCaseGivesTheSameCylinder()
{
    QFETCH(QStringList, ticks);
    QFETCH(QStringList, prompts);
    QFETCH(QList<double>, known);
    QFETCH(QString, formula0);
    QFETCH(QString, formula1);

    Runner r;
    calculate(r, kCylinder, ticks, numbers(known));
    QCOMPARE(harness::prompts(r), prompts);
    QCOMPARE(r.dialogs().size(), 2);
    QCOMPARE(r.text("Form2.Label26(0)"), formula0);
    QCOMPARE(r.text("Form2.Label26(1)"), formula1);

    const double R = 1.3, H = 2.1;
    const double expected[] = { R,
                                H,
                                R * R * 3.14,
                                2 * R * 3.14 * H,
                                2 * R * 3.14,
                                2 * R,
                                2 * R * 3.14 * H + 2 * R * R * 3.14,
                                R * R * 3.14 * H,
                                std::sqrt(4 * R * R + H * H) };
    for (int i = 0; i < kResults.size(); ++i) {
        const QString text = r.text("Form2." + kResults[i]);
        QVERIFY2(near(text, expected[i]), qPrintable(kResults[i] + ": " + text));
    }
    // The diagonal is shown with at most 7 significant digits.
    const QString d1 = r.text("Form2.Label16").remove('.');
    QVERIFY2(d1.size() <= 7, qPrintable(d1));
}

void TestCylinder::chain_data()
{
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("prompts"); // empty: the message

    QTest::newRow("R and d") << QStringList{ "Check1", "Check2" } << QStringList{} << QStringList{};
    QTest::newRow("C and H") << QStringList{ "Check8", "Check3" } << QStringList{} << QStringList{};
    QTest::newRow("R and D1") << QStringList{ "Check1", "Check9" } << QStringList{}
                              << QStringList{};
    QTest::newRow("AL and V") << QStringList{ "Check5", "Check6" } << QStringList{}
                              << QStringList{};
    QTest::newRow("AT and H") << QStringList{ "Check7", "Check3" } << QStringList{}
                              << QStringList{};
    QTest::newRow("D1 and V") << QStringList{ "Check9", "Check6" } << QStringList{}
                              << QStringList{};
    QTest::newRow("R alone") << QStringList{ "Check1" } << QStringList{} << QStringList{};
    QTest::newRow("D1 alone") << QStringList{ "Check9" } << QStringList{} << QStringList{};

    // More ticks than a case needs: the first case in chain order is taken.
    QTest::newRow("d H AB: case 2")
        << QStringList{ "Check2", "Check3", "Check4" } << QStringList{ "2", "2" }
        << QStringList{ "INTRODUCI IL DIAMETRO D=", "INTRODUCI L'ALTEZZA  H =" };
    QTest::newRow("AB H D1: case 3")
        << QStringList{ "Check4", "Check3", "Check9" } << QStringList{ "2", "3.14" }
        << QStringList{ "INTRODUCI L'ALTEZZA H =", "INTRODUCI L'AREA DI BASE AB =" };
    QTest::newRow("AB AL D1 V: case 6")
        << QStringList{ "Check4", "Check5", "Check9", "Check6" } << QStringList{ "3.14", "12.56" }
        << QStringList{ "INTRODUCI AREA DI BASE =", "INTRODUCI AREA LATERALE =" };
    QTest::newRow("H V AL: case 11")
        << QStringList{ "Check3", "Check6", "Check5" } << QStringList{ "2", "6.28" }
        << QStringList{ "INTRODUCI L'ALTEZZA H =", "INTRODUCI IL VOLUME  V =" };
    QTest::newRow("all nine: case 1")
        << kAllChecks << QStringList{ "1", "2" }
        << QStringList{ "INTRODUCI IL RAGGIO (R) =", "INTRODUCI L'ALTEZZA (H) =" };
}

void TestCylinder::chain()
{
    QFETCH(QStringList, ticks);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, prompts);

    Runner r;
    calculate(r, kCylinder, ticks, typed(answers));
    if (prompts.isEmpty()) {
        QCOMPARE(r.dialogs().size(), 1);
        QCOMPARE(r.dialogs()[0].kind, QString("message"));
        QCOMPARE(r.dialogs()[0].text, kInsufficient);
        verifyAfterMessage(r);
    } else {
        QCOMPARE(harness::prompts(r), prompts);
        QCOMPARE(r.dialogs().size(), prompts.size());
        // Every row above describes the cylinder R 1, H 2.
        QCOMPARE(r.text("Form2.Label12"), QString("18.84"));
        QCOMPARE(r.text("Form2.Label16"), QString("2.828427"));
    }
}

void TestCylinder::messageKeepsTheFormulas()
{
    Runner r("it_IT");
    calculate(r, kCylinder, { "Check1", "Check3" }, typed({ "1", "2" }));
    r.untick("Form2.Check3");
    r.click("Form2.Command2");
    QCOMPARE(r.dialogs().size(), 3);
    QCOMPARE(r.dialogs()[2].kind, QString("message"));
    QCOMPARE(r.dialogs()[2].text, kInsufficient);
    verifyAfterMessage(r);
    QCOMPARE(r.text("Form2.Label26(0)"), kCase1F0);
    QCOMPARE(r.text("Form2.Label26(1)"), kCase1F1);
    QVERIFY(r.checked("Form2.Check1"));
    QVERIFY(!r.checked("Form2.Check3"));
}

void TestCylinder::failures_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<int>("prompts"); // prompts shown before the failure
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("formula0"); // the formula labels afterwards
    QTest::addColumn<QString>("formula1");

    // Every row follows a good calculation of case 9, whose formulas stay
    // where the failing case writes its own only after its arithmetic.
    const QString case5F0 = "(H=SQR(D1^2-d^2):(R=d/2):(C=2*R*3,14):(AB=R*R*3,14)";
    const QString case7F0 = "(R=SQR(AB/3,14):(H=SQR(D1^2-R^2)):(C=2*R*3,14)";
    const QString case3F0 = "R=SQR(AB/3,14):(C=2*R*3,14):(AL=C*H)";
    const QString case3F1 = "(AT=AL+2*AB):(V=AB*H):(d=2*R):(D1=SQR(d^2+H^2)) ";

    QTest::newRow("D1 shorter than H")
        << "en_US" << QStringList{ "Check9", "Check3" } << typed({ "3", "2" }) << 2
        << "invalid argument" << kCase4F0 << kCase4F1;
    QTest::newRow("D1 shorter than H comma")
        << "it_IT" << QStringList{ "Check9", "Check3" } << typed({ "3", "2,9" }) << 2
        << "invalid argument" << kCase4F0 << kCase4F1;
    QTest::newRow("D1 shorter than d")
        << "en_US" << QStringList{ "Check9", "Check2" } << typed({ "4", "3" }) << 2
        << "invalid argument" << case5F0 << kCase4F1;
    QTest::newRow("D1 shorter than d, from AB")
        << "en_US" << QStringList{ "Check4", "Check9" } << typed({ "12.56", "3" }) << 2
        << "invalid argument" << case7F0 << kCase4F1;
    QTest::newRow("negative base area")
        << "en_US" << QStringList{ "Check4", "Check3" } << typed({ "2", "-1" }) << 2
        << "invalid argument" << case3F0 << case3F1;
    QTest::newRow("AT below AL") << "en_US" << QStringList{ "Check7", "Check5" }
                                 << typed({ "10", "12" }) << 2 << "invalid argument" << kCase9F0
                                 << kCase9F1;
    QTest::newRow("H 0 with V") << "en_US" << QStringList{ "Check3", "Check6" }
                                << typed({ "0", "5" }) << 2 << "division by zero" << kCase9F0
                                << kCase9F1;
    QTest::newRow("H 0 and V 0") << "en_US" << QStringList{ "Check3", "Check6" }
                                 << typed({ "0", "0" }) << 2 << "overflow" << kCase9F0 << kCase9F1;
    QTest::newRow("H 0 with AL") << "en_US" << QStringList{ "Check3", "Check5" }
                                 << typed({ "0", "5" }) << 2 << "division by zero" << kCase9F0
                                 << kCase9F1;
    QTest::newRow("base area 0 with V")
        << "en_US" << QStringList{ "Check4", "Check6" } << typed({ "0", "5" }) << 2
        << "division by zero" << kCase9F0 << kCase9F1;
    QTest::newRow("radius 0 with AL")
        << "en_US" << QStringList{ "Check1", "Check5" } << typed({ "0", "5" }) << 2
        << "division by zero" << kCase9F0 << kCase9F1;
    QTest::newRow("circumference 0 with V 0")
        << "it_IT" << QStringList{ "Check8", "Check6" } << typed({ "0", "0" }) << 2 << "overflow"
        << kCase9F0 << kCase9F1;
    QTest::newRow("D1 beyond single range")
        << "en_US" << QStringList{ "Check9", "Check3" } << typed({ "1", "1E39" }) << 2 << "overflow"
        << kCase4F0 << kCase4F1;
    // Case 1 does no arithmetic: the closing steps meet the empty answer.
    QTest::newRow("cancelled R") << "en_US" << QStringList{ "Check1", "Check3" }
                                 << Answers{ std::nullopt, QString("2") } << 2 << "type mismatch"
                                 << kCase1F0 << kCase1F1;
    QTest::newRow("dot under comma locale")
        << "it_IT" << QStringList{ "Check1", "Check3" } << typed({ "1.5", "2" }) << 2
        << "type mismatch" << kCase1F0 << kCase1F1;
    // R = d / 2 comes before the second prompt.
    QTest::newRow("cancelled d") << "en_US" << QStringList{ "Check2", "Check3" }
                                 << Answers{ std::nullopt } << 1 << "type mismatch" << kCase9F0
                                 << kCase9F1;
    // The rounding of D1 comes before the formulas of case 7.
    QTest::newRow("cancelled D1, from AB")
        << "en_US" << QStringList{ "Check4", "Check9" } << Answers{ QString("3.14"), std::nullopt }
        << 2 << "type mismatch" << kCase9F0 << kCase9F1;
    QTest::newRow("empty H with V")
        << "en_US" << QStringList{ "Check3", "Check6" } << typed({ "", "5" }) << 2
        << "type mismatch" << kCase9F0 << kCase9F1;
}

void TestCylinder::failures()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, ticks);
    QFETCH(Answers, answers);
    QFETCH(int, prompts);
    QFETCH(QString, failure);
    QFETCH(QString, formula0);
    QFETCH(QString, formula1);

    Runner r(locale);
    calculate(r, kCylinder, { "Check1", "Check6" }, typed({ "1", "5" }));
    QCOMPARE(r.dialogs().size(), 2);
    QCOMPARE(r.text("Form2.Label26(0)"), kCase9F0);

    calculate(r, kCylinder, ticks, answers);
    const auto dialogs = r.dialogs();
    QCOMPARE(dialogs.size(), 2 + prompts + 1);
    QCOMPARE(harness::prompts(r, 2).size(), prompts);
    int errors = 0;
    for (const auto &d : dialogs)
        errors += d.kind == "error";
    QCOMPARE(errors, 1);
    QCOMPARE(dialogs.last().kind, QString("error"));
    QCOMPARE(dialogs.last().title, QString("CORPIMETRO"));
    QCOMPARE(dialogs.last().failure, failure);
    for (const auto &l : kResults)
        QCOMPARE(r.text("Form2." + l), QString());
    verifyCaptionsWritten(r);
    QCOMPARE(r.text("Form2.Label26(0)"), formula0);
    QCOMPARE(r.text("Form2.Label26(1)"), formula1);
    QVERIFY(r.visible("Form2"));

    // The screen stays usable.
    calculate(r, kCylinder, { "Check1", "Check3" }, typed({ "1", "2" }));
    QCOMPARE(r.dialogs().size(), dialogs.size() + 2);
    QCOMPARE(r.text("Form2.Label12"), locale == "it_IT" ? QString("18,84") : QString("18.84"));
}

void TestCylinder::vaiOpensTheEquilateralCylinder()
{
    Runner r;
    r.show("Form1");
    r.show("Form2");
    calculate(r, kCylinder, { "Check1", "Check3" }, typed({ "1", "2" }));
    r.click("Form2.Command5");
    QVERIFY(!r.visible("Form2"));
    QVERIFY(r.visible("Form37"));
    QVERIFY(r.visible("Form1"));

    r.click("Form37.Command4");
    QVERIFY(r.visible("Form2"));
    QVERIFY(!r.visible("Form37"));
    QVERIFY(r.checked("Form2.Check1"));
    QVERIFY(r.checked("Form2.Check3"));
    QCOMPARE(r.text("Form2.Label20"), QString("1"));
    QCOMPARE(r.text("Form2.Label16"), QString("2.828427"));

    r.click("Form2.Command3");
    QVERIFY(!r.visible("Form2"));
    QVERIFY(r.visible("Form1"));
}

// The worked solution: each case's way to R and H, with the screen's symbols,
// then everything from R and H; the diagonal is taken in single precision.
void TestCylinder::solution_data()
{
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QStringList>("expected"); // in this order

    QTest::newRow("radius and height")
        << QStringList{ "Check1", "Check3" } << QStringList{ "3", "4" } << ","
        << QStringList{ "Dati:",
                        "R = 3",
                        "H = 4",
                        "Calcoli:",
                        "3,14 ≈ π",
                        "AB = R · R · 3,14 = 3 · 3 · 3,14 = 28,26",
                        "C = 2 · R · 3,14 = 2 · 3 · 3,14 = 18,84",
                        "AL = C · H = 18,84 · 4 = 75,36",
                        "AT = AL + 2 · AB = 75,36 + 2 · 28,26 = 131,88",
                        "d = 2 · R = 2 · 3 = 6",
                        "V = AB · H = 28,26 · 4 = 113,04",
                        "D1 = √(d² + H²) = √(6² + 4²) = 7,211102" };
    QTest::newRow("diagonal shorter than the height")
        << QStringList{ "Check9", "Check3" } << QStringList{ "10", "6" } << ","
        << QStringList{ "H = 10",
                        "D1 = 6",
                        "Calcoli:",
                        "Verifica: D1 = 6, come il dato.",
                        "R = √(D1² − H²) / 2 = √(6² − 10²) / 2",
                        "Non si può calcolare R: D1² − H² è negativo (−64): D1 deve essere "
                        "maggiore di H, e un numero negativo non ha radice." };
    // 10,1 in single precision is 10,1000003814697, so H is not the double
    // √(10,1² − 6²) = 8,12465383877984.
    QTest::newRow("diagonal in single precision")
        << QStringList{ "Check9", "Check2" } << QStringList{ "6", "10,1" } << ","
        << QStringList{ "R = d / 2 = 6 / 2 = 3", "Verifica: D1 = 10,1, come il dato.",
                        "H = √(D1² − d²) = √(10,1² − 6²) = 8,12465431299625" };
    QTest::newRow("base area and diagonal")
        << QStringList{ "Check4", "Check9" } << QStringList{ "28,26", "10" } << ","
        << QStringList{ "R = √(AB / 3,14) = √(28,26 / 3,14) = 3", "d = 2 · R = 2 · 3 = 6",
                        "H = √(D1² − d²) = √(10² − 6²) = 8", "V = AB · H = 28,26 · 8 = 226,08" };
    QTest::newRow("radius and volume")
        << QStringList{ "Check1", "Check6" } << QStringList{ "3", "113.04" } << "."
        << QStringList{ "AB = 3.14 · R² = 3.14 · 3² = 28.26", "H = V / AB = 113.04 / 28.26 = 4",
                        "AB = R · R · 3.14 = 3 · 3 · 3.14 = 28.26" };
    QTest::newRow("total and lateral area")
        << QStringList{ "Check7", "Check5" } << QStringList{ "131,88", "75,36" } << ","
        << QStringList{ "AB = (AT − AL) / 2 = (131,88 − 75,36) / 2 = 28,26",
                        "R = √(AB / 3,14) = √(28,26 / 3,14) = 3", "C = 6,28 · R = 6,28 · 3 = 18,84",
                        "H = AL / C = 75,36 / 18,84 = 4" };
}

void TestCylinder::solution()
{
    QFETCH(QStringList, ticks);
    QFETCH(QStringList, answers);
    QFETCH(QString, decimal);
    QFETCH(QStringList, expected);
    const QString missing =
        worked::missingInOrder(worked::solution("Form2", ticks, answers, decimal), expected);
    QVERIFY2(missing.isEmpty(), qPrintable(missing));
}

QTEST_MAIN(TestCylinder)
#include "test_cylinder.moc"
