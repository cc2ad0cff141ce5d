// The rectangular parallelepiped: the 22 cases, the closing steps, the
// message, the chain order and the failures.
#include "harness.h"
#include "worked.h"

#include <QCheckBox>

#include <cmath>

using namespace harness;
using script::Runner;

namespace {

// Label4(0) .. Label4(9): a, b, c, AL, AT, d1, d2, P, V, AB.
QStringList results()
{
    QStringList out;
    for (int i = 0; i < 10; ++i)
        out << QString("form4.Label4(%1)").arg(i);
    return out;
}

const QString kCase1Formula = "(P=2*a+2*b):(AL=P*c): (AB=a*b): (AT=AL+2*AB): (d1=SQR(a^2+b^2)): "
                              "(d2=SQR(d1^2+c^2)):(V=a+b*c)";
const QString kCase19Formula = "(AB=a*b): P=(2*a+2*b):(c=V/AB):(AL=P*c): (AT=AL+2*AB) "
                               "(d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2))";

// The same box, a 2, b 3, c 4, as every display row below expects it.
const QStringList kBox234 = { "2",  "3",  "4", "40", "52", "3.60555127546399", "5.3851648071345",
                              "10", "24", "6" };

const Screen kBox{ "form4",
                   "Command3",
                   { "Check1", "Check2", "Check3", "Check4", "Check5", "Check6", "Check7", "Check8",
                     "Check9", "Check10" } };

} // namespace

class TestParallelepiped : public QObject {
    Q_OBJECT
private slots:
    void layout();
    void ritorna();
    void cases_data();
    void cases();
    void everyCaseGivesTheSameBox_data();
    void everyCaseGivesTheSameBox();
    void insufficient_data();
    void insufficient();
    void chainOrder_data();
    void chainOrder();
    void failures_data();
    void failures();
    void solution_data();
    void solution();
};

void TestParallelepiped::layout()
{
    Runner r;
    r.show("form4");
    QCOMPARE(r.text("form4.Label1(0)"), QString("PARALLELEPIPEDO"));
    QCOMPARE(r.text("form4.Label1(1)"), QString("Cosa conosci ?"));
    QCOMPARE(r.text("form4.Label2"), QString("Risultati"));
    QCOMPARE(r.text("form4.Label5"), QString("Formule applicate"));
    QCOMPARE(r.text("form4.Label6"), QString());
    const QStringList captions = { "Lato di base (a) =",   "Lato di base (b) =",
                                   "Altezza (c)        =", "Area Laterale (AL) =",
                                   "Area Totale (AT) =",   "Diagonale (d1)=",
                                   "Diagonale (d2) =",     "Perimetro di Base (P) =",
                                   "Volume (V) =",         "Area di Base (AB) =" };
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(r.text(QString("form4.Label3(%1)").arg(i)), captions[i]);
        QCOMPARE(r.text(results()[i]), QString());
    }
    const QStringList boxes = { "Lato di base (a)",   "Lato di base (b)", "L'altezza (c)",
                                "Diagonale (d1)",     "Diagonale (d2)",   "Perimetro di base (P)",
                                "Area Laterale (AL)", "Area Totale (AT)", "Volume (V)",
                                "Area di Base" };
    const auto window = r.shell().window("form4");
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QString("PARALLELEPIPEDO"));
    for (int i = 0; i < 10; ++i) {
        auto *box = window->findChild<QCheckBox *>(QString("Check%1").arg(i + 1));
        QVERIFY(box);
        QCOMPARE(box->text(), boxes[i]);
        QVERIFY(!box->isChecked());
    }
    const QStringList buttons[] = { { "Command3", "Calcola" },
                                    { "Command4", "Stampa" },
                                    { "Command2", "Ritorna" },
                                    { "Command1", "Esci" } };
    for (const auto &b : buttons) {
        auto *button = window->findChild<QAbstractButton *>(b[0]);
        QVERIFY2(button, qPrintable(b[0]));
        QCOMPARE(button->text(), b[1]);
    }
    QVERIFY(window->findChild<QWidget *>("Picture1"));
}

void TestParallelepiped::ritorna()
{
    Runner r;
    calculate(r, kBox, { "Check1", "Check2", "Check3" }, typed({ "2", "3", "4" }));
    r.click("form4.Command2");
    QVERIFY(!r.visible("form4"));
    QVERIFY(r.visible("Form1"));
    // Shown again, it keeps its ticks and results.
    r.show("form4");
    QVERIFY(r.checked("form4.Check3"));
    QCOMPARE(r.text("form4.Label4(8)"), QString("24"));
}

void TestParallelepiped::cases_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("prompts");
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QStringList>("shown"); // Label4(0..9)

    QTest::newRow("case 1: a 2, b 3, c 4, edges as typed")
        << "en_US" << QStringList{ "Check1", "Check2", "Check3" } << QStringList{ "2", "3", "4" }
        << QStringList{ "INTRODUCI IL LATO (a)  =", "INTRODUCI IL LATO (b)=",
                        "INTRODUCI L'ALTEZZA (c)=" }
        << kCase1Formula << kBox234;
    QTest::newRow("case 1: typed 02 kept")
        << "en_US" << QStringList{ "Check1", "Check2", "Check3" } << QStringList{ "02", "3.0", "4" }
        << QStringList{ "INTRODUCI IL LATO (a)  =", "INTRODUCI IL LATO (b)=",
                        "INTRODUCI L'ALTEZZA (c)=" }
        << kCase1Formula
        << QStringList{ "02", "3.0", "4", "40", "52", "3.60555127546399", "5.3851648071345",
                        "10", "24",  "6" };
    QTest::newRow("case 9: b 3, P 10, AL 40 recomputed")
        << "en_US" << QStringList{ "Check2", "Check6", "Check7" } << QStringList{ "3", "10", "40" }
        << QStringList{ "INTRODUCI IL LATO (b)  =", "INTRODUCI IL PERIMETRO (P)=",
                        "INTRODUCI L'AREA LATERALE (AL)=" }
        << "(a=(P-2*b)/2):(c=AL/P): (AB=a*b):(d1=SQR(a^2+b^2): (d2=SQR(d1^2+c^2)): "
           "(AT=AL+2*AB):(V=a+b*c)"
        << kBox234;
    QTest::newRow("case 19: a 2, b 3, V 24")
        << "en_US" << QStringList{ "Check1", "Check2", "Check9" } << QStringList{ "2", "3", "24" }
        << QStringList{ "INTRODUCI IL LATO DI BASE (a)  =", "INTRODUCI IL LATO DI BASE (b)=",
                        "INTRODUCI IL VOLUME (V)=" }
        << kCase19Formula << kBox234;
    QTest::newRow("case 22: b 3, AB 6, c 4, shows the text of case 21")
        << "en_US" << QStringList{ "Check2", "Check3", "Check10" } << QStringList{ "3", "6", "4" }
        << QStringList{ "INTRODUCI IL LATO DI BASE (b)  =", "INTRODUCI L'AREA DI BASE (AB)=",
                        "INTRODUCI IL LATO  (c)=" }
        << "(a=AB/b): P=(2*a+2*b):(c=V/AB):(AL=P*c): (AT=AL+2*AB) (d1=SQR(a^2+b^2)): "
           "(d2=SQR(d1^2+c^2))"
        << kBox234;
    QTest::newRow("case 1 it_IT: a 2,5 as typed, commas in results")
        << "it_IT" << QStringList{ "Check1", "Check2", "Check3" } << QStringList{ "2,5", "3", "4" }
        << QStringList{ "INTRODUCI IL LATO (a)  =", "INTRODUCI IL LATO (b)=",
                        "INTRODUCI L'ALTEZZA (c)=" }
        << kCase1Formula
        << QStringList{ "2,5", "3",  "4",  "44", "59", "3,90512483795333", "5,59016994374947",
                        "11",  "30", "7,5" };
    QTest::newRow("case 12 it_IT: a 1,5, AB 4,5, AL 24")
        << "it_IT" << QStringList{ "Check1", "Check10", "Check7" }
        << QStringList{ "1,5", "4,5", "24" }
        << QStringList{ "INTRODUCI IL LATO DI BASE (a)  =", "INTRODUCI L'AREA DI BASE (AB)=",
                        "INTRODUCI L'AREA LATERALE (AL)=" }
        << "(b=AB/a): (P=2*a+2*b): (c=AL/P): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)): "
           "(AT=AL+2*AB):(V=a+b*c)"
        << QStringList{ "1,5",
                        "3",
                        "2,66666666666667",
                        "24",
                        "33",
                        "3,35410196624968",
                        "4,28498671072748",
                        "9",
                        "12",
                        "4,5" };
    QTest::newRow("case 17: total area below twice the base gives a negative height")
        << "en_US" << QStringList{ "Check1", "Check6", "Check8" } << QStringList{ "2", "10", "10" }
        << QStringList{ "INTRODUCI IL LATO DI BASE (a)  =", "INTRODUCI IL PERIMETRO (P)=",
                        "INTRODUCI L'AREA TOTALE (AT)=" }
        << "(b=(P-2*a)/2): (AB=a*b): (AL=AT-2*AB):(c=AL/P): (d1=SQR(a^2+b^2)): "
           "(d2=SQR(d1^2+c^2)):(V=a+b*c)"
        << QStringList{ "2",  "3",    "-0.2", "-2", "10", "3.60555127546399", "3.61109401705356",
                        "10", "-1.2", "6" };
}

void TestParallelepiped::cases()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, ticks);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, prompts);
    QFETCH(QString, formula);
    QFETCH(QStringList, shown);

    Runner r(locale);
    calculate(r, kBox, ticks, typed(answers));
    QCOMPARE(r.dialogs().size(), 3);
    for (const auto &d : r.dialogs()) {
        QCOMPARE(d.kind, QString("prompt"));
        QCOMPARE(d.title, QString("CORPIMETRO"));
    }
    QCOMPARE(harness::prompts(r), prompts);
    QCOMPARE(r.text("form4.Label6"), formula);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(r.text(results()[i]), shown[i]);
}

void TestParallelepiped::everyCaseGivesTheSameBox_data()
{
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QStringList>("known"); // symbols answered, in prompt order
    QTest::addColumn<QStringList>("prompts");
    QTest::addColumn<QString>("formula");

    const QString A = "INTRODUCI IL LATO (a)  =", B = "INTRODUCI IL LATO (b)=",
                  B2 = "INTRODUCI IL LATO (b)  =", C = "INTRODUCI L'ALTEZZA (c)=",
                  AL = "INTRODUCI L'AREA LATERALE (AL)=", D1 = "INTRODUCI LA DIAGONALE (d1)=",
                  D2 = "INTRODUCI LA DIAGONALE (d2)=", P = "INTRODUCI IL PERIMETRO (P)=",
                  BA = "INTRODUCI IL LATO DI BASE (a)  =", BB = "INTRODUCI IL LATO DI BASE (b)  =",
                  AB = "INTRODUCI L'AREA DI BASE (AB)=", AT = "INTRODUCI L'AREA TOTALE (AT)=",
                  V = "INTRODUCI IL VOLUME (V)=";
    const QString tail = " (AB=a*b): (AT=AL+2*AB): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)";
    const QString f21 = "(a=AB/b): P=(2*a+2*b):(c=V/AB):(AL=P*c): (AT=AL+2*AB) (d1=SQR(a^2+b^2)): "
                        "(d2=SQR(d1^2+c^2))";

    QTest::newRow("1 a b c") << QStringList{ "Check1", "Check2", "Check3" }
                             << QStringList{ "a", "b", "c" } << QStringList{ A, B, C }
                             << kCase1Formula;
    QTest::newRow("2 a b AL") << QStringList{ "Check1", "Check2", "Check7" }
                              << QStringList{ "a", "b", "AL" } << QStringList{ A, B, AL }
                              << "(P=2*a+2*b):(c=AL/P):" + tail;
    QTest::newRow("3 a c AL") << QStringList{ "Check1", "Check3", "Check7" }
                              << QStringList{ "a", "c", "AL" } << QStringList{ A, C, AL }
                              << "(P=AL/c):(b=(P-2*a)/2):" + tail;
    QTest::newRow("4 b c AL") << QStringList{ "Check2", "Check3", "Check7" }
                              << QStringList{ "b", "c", "AL" } << QStringList{ B2, C, AL }
                              << "(P=AL/c):(a=(P-2*b)/2):" + tail;
    QTest::newRow("5 a c d1") << QStringList{ "Check1", "Check3", "Check4" }
                              << QStringList{ "a", "c", "d1" } << QStringList{ A, C, D1 }
                              << "(b=SQR(d1^2-a^2)):(P=2*a+2*b) (AB=a*b): (AL=p*c): (AT=AL+2*AB): "
                                 "(d2=SQR(d1^2+c^2)):(V=a+b*c)";
    QTest::newRow("6 b c d1") << QStringList{ "Check2", "Check3", "Check4" }
                              << QStringList{ "b", "c", "d1" } << QStringList{ B2, C, D1 }
                              << "(a=SQR(d1^2-b^2)):(P=2*a+2*b) (AB=a*b): (AL=p*c): (AT=AL+2*AB): "
                                 "(d2=SQR(d1^2+c^2)):(V=a+b*c)";
    QTest::newRow("7 a d1 d2")
        << QStringList{ "Check1", "Check4", "Check5" } << QStringList{ "a", "d1", "d2" }
        << QStringList{ A, D1, D2 }
        << "(b=SQR(d1^2-a^2)):(c=SQR(d2^2-d1^2)): (P=2*a+2*b): (AB=a*b): (AL=p*c): "
           "(AT=AL+2*AB):(V=a+b*c)";
    QTest::newRow("8 b d1 d2")
        << QStringList{ "Check2", "Check4", "Check5" } << QStringList{ "b", "d1", "d2" }
        << QStringList{ B2, D1, D2 }
        << "(a=SQR(d1^2-b^2)):(c=SQR(d2^2-d1^2)): (P=2*a+2*b): (AB=a*b): (AL=p*c): "
           "(AT=AL+2*AB):(V=a+b*c)";
    QTest::newRow("9 b P AL")
        << QStringList{ "Check2", "Check6", "Check7" } << QStringList{ "b", "P", "AL" }
        << QStringList{ B2, P, AL }
        << "(a=(P-2*b)/2):(c=AL/P): (AB=a*b):(d1=SQR(a^2+b^2): (d2=SQR(d1^2+c^2)): "
           "(AT=AL+2*AB):(V=a+b*c)";
    QTest::newRow("10 a P AL")
        << QStringList{ "Check1", "Check6", "Check7" } << QStringList{ "a", "P", "AL" }
        << QStringList{ A, P, AL }
        << "(b=(P-2*a)/2):(c=AL/P): (AB=a*b):(d1=SQR(a^2+b^2): (d2=SQR(d1^2+c^2)): "
           "(AT=AL+2*AB):(V=a+b*c)";
    QTest::newRow("11 b AB AL")
        << QStringList{ "Check2", "Check10", "Check7" } << QStringList{ "b", "AB", "AL" }
        << QStringList{ BB, AB, AL }
        << "(a=AB/b): (P=2*a+2*b): (c=AL/P): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)): "
           "(AT=AL+2*AB):(V=a+b*c)";
    QTest::newRow("12 a AB AL")
        << QStringList{ "Check1", "Check10", "Check7" } << QStringList{ "a", "AB", "AL" }
        << QStringList{ BA, AB, AL }
        << "(b=AB/a): (P=2*a+2*b): (c=AL/P): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)): "
           "(AT=AL+2*AB):(V=a+b*c)";
    QTest::newRow("13 a AB AT")
        << QStringList{ "Check1", "Check10", "Check8" } << QStringList{ "a", "AB", "AT" }
        << QStringList{ BA, AB, AT }
        << "(b=AB/a): (P=2*a+2*b):(AL=AT-2*AB): (c=AL/P): (d1=SQR(a^2+b^2)): "
           "(d2=SQR(d1^2+c^2)): (V=a+b*c)";
    QTest::newRow("14 b AB AT")
        << QStringList{ "Check2", "Check10", "Check8" } << QStringList{ "b", "AB", "AT" }
        << QStringList{ BB, AB, AT }
        << "(a=AB/b): (P=2*a+2*b):  (AL=AT-2*AB):(c=AL/P): (d1=SQR(a^2+b^2)): "
           "(d2=SQR(d1^2+c^2)):(V=a+b*c)";
    QTest::newRow("15 a AL AT")
        << QStringList{ "Check1", "Check7", "Check8" } << QStringList{ "a", "AL", "AT" }
        << QStringList{ BA, AL, AT }
        << "(AB=(AT-AL)/2): (b=AB/a): (P=2*a+2*b):(c=AL/P): (d1=SQR(a^2+b^2)): "
           "(d2=SQR(d1^2+c^2)):(V=a+b*c)";
    QTest::newRow("16 b AL AT")
        << QStringList{ "Check2", "Check7", "Check8" } << QStringList{ "b", "AL", "AT" }
        << QStringList{ BB, AL, AT }
        << "(AB=(AT-AL)/2): (a=AB/b): (P=2*a+2*b):(c=AL/P): (d1=SQR(a^2+b^2)): "
           "(d2=SQR(d1^2+c^2)):(V=a+b*c)";
    QTest::newRow("17 a P AT")
        << QStringList{ "Check1", "Check6", "Check8" } << QStringList{ "a", "P", "AT" }
        << QStringList{ BA, P, AT }
        << "(b=(P-2*a)/2): (AB=a*b): (AL=AT-2*AB):(c=AL/P): (d1=SQR(a^2+b^2)): "
           "(d2=SQR(d1^2+c^2)):(V=a+b*c)";
    QTest::newRow("18 b P AT")
        << QStringList{ "Check2", "Check6", "Check8" } << QStringList{ "b", "P", "AT" }
        << QStringList{ BB, "INTRODUCI IL PERIMETRO  (P)=", AT }
        << "( (a=(P-2*b)/2): (AB=a*b):(AL=AT-2*AB): (c=AL/P): (d1=SQR(a^2+b^2)): "
           "(d2=SQR(d1^2+c^2)):(V=a+b*c)";
    QTest::newRow("19 a b V") << QStringList{ "Check1", "Check2", "Check9" }
                              << QStringList{ "a", "b", "V" }
                              << QStringList{ BA, "INTRODUCI IL LATO DI BASE (b)=", V }
                              << kCase19Formula;
    QTest::newRow("20 a AB V")
        << QStringList{ "Check1", "Check10", "Check9" } << QStringList{ "a", "AB", "V" }
        << QStringList{ BA, AB, V }
        << "(b=AB/a): P=(2*a+2*b):(c=V/AB):(AL=P*c): (AT=AL+2*AB) (d1=SQR(a^2+b^2)): "
           "(d2=SQR(d1^2+c^2))";
    QTest::newRow("21 b AB V") << QStringList{ "Check2", "Check10", "Check9" }
                               << QStringList{ "b", "AB", "V" } << QStringList{ BB, AB, V } << f21;
    QTest::newRow("22 b AB c") << QStringList{ "Check2", "Check3", "Check10" }
                               << QStringList{ "b", "AB", "c" }
                               << QStringList{ BB, AB, "INTRODUCI IL LATO  (c)=" } << f21;
}

void TestParallelepiped::everyCaseGivesTheSameBox()
{
    QFETCH(QStringList, ticks);
    QFETCH(QStringList, known);
    QFETCH(QStringList, prompts);
    QFETCH(QString, formula);

    // One box, every quantity worked out here from its edges.
    const double a = 2.5, b = 3.2, c = 4.1;
    const double P = 2 * (a + b), AB = a * b, AL = P * c, AT = AL + 2 * AB, V = a * b * c;
    const double d1 = std::sqrt(a * a + b * b), d2 = std::sqrt(a * a + b * b + c * c);
    const QMap<QString, double> value = { { "a", a },   { "b", b },   { "c", c },   { "P", P },
                                          { "AB", AB }, { "AL", AL }, { "AT", AT }, { "V", V },
                                          { "d1", d1 }, { "d2", d2 } };
    const double expected[] = { a, b, c, AL, AT, d1, d2, P, V, AB };

    QList<double> values;
    for (const auto &k : known)
        values << value[k];

    Runner r;
    calculate(r, kBox, ticks, numbers(values));
    QCOMPARE(r.dialogs().size(), 3);
    QCOMPARE(harness::prompts(r), prompts);
    QCOMPARE(r.text("form4.Label6"), formula);
    for (int i = 0; i < 10; ++i) {
        const QString text = r.text(results()[i]);
        QVERIFY2(near(text, expected[i]), qPrintable(results()[i] + ": " + text));
    }
}

void TestParallelepiped::insufficient_data()
{
    QTest::addColumn<QStringList>("ticks");
    QTest::newRow("nothing ticked") << QStringList{};
    QTest::newRow("a only") << QStringList{ "Check1" };
    QTest::newRow("a and b") << QStringList{ "Check1", "Check2" };
    QTest::newRow("b and AB") << QStringList{ "Check2", "Check10" };
    QTest::newRow("a, b and P") << QStringList{ "Check1", "Check2", "Check6" };
    QTest::newRow("c, AL and AT") << QStringList{ "Check3", "Check7", "Check8" };
    QTest::newRow("d1, d2 and V") << QStringList{ "Check4", "Check5", "Check9" };
    QTest::newRow("a, c and V") << QStringList{ "Check1", "Check3", "Check9" };
    QTest::newRow("c, AB and V") << QStringList{ "Check3", "Check10", "Check9" };
    QTest::newRow("P, AL, AT, V, AB")
        << QStringList{ "Check6", "Check7", "Check8", "Check9", "Check10" };
}

void TestParallelepiped::insufficient()
{
    QFETCH(QStringList, ticks);
    Runner r("it_IT");
    calculate(r, kBox, { "Check1", "Check2", "Check9" }, typed({ "2", "3", "24" }));
    QCOMPARE(r.dialogs().size(), 3);

    calculate(r, kBox, ticks, {});
    QCOMPARE(r.dialogs().size(), 4);
    QCOMPARE(r.dialogs()[3].kind, QString("message"));
    QCOMPARE(r.dialogs()[3].title, QString("CORPIMETRO"));
    QCOMPARE(r.dialogs()[3].text, kInsufficient);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(r.text(results()[i]), QString());
    for (int i = 3; i < 10; ++i)
        QCOMPARE(r.text(results()[i]), QString("0"));
    QCOMPARE(r.text("form4.Label6"), kCase19Formula);

    // The user can tick again and retry.
    calculate(r, kBox, { "Check1", "Check2", "Check3" }, typed({ "2", "3", "4" }));
    QCOMPARE(harness::prompts(r, 4).size(), 3);
    for (int i = 0; i < 10; ++i) // decimal comma under it_IT
        QCOMPARE(r.text(results()[i]), QString(kBox234[i]).replace('.', ','));
}

void TestParallelepiped::chainOrder_data()
{
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("lastPrompt"); // tells which case was taken
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("a, b, c, V: case 1, V computed not asked")
        << QStringList{ "Check1", "Check2", "Check3", "Check9" } << QStringList{ "2", "3", "4" }
        << "INTRODUCI L'ALTEZZA (c)=" << kBox234;
    QTest::newRow("a, b, c, AL: case 1 before case 2")
        << QStringList{ "Check1", "Check2", "Check3", "Check7" } << QStringList{ "2", "3", "4" }
        << "INTRODUCI L'ALTEZZA (c)=" << kBox234;
    QTest::newRow("a, b, AL, V: case 2 before case 19")
        << QStringList{ "Check1", "Check2", "Check7", "Check9" } << QStringList{ "2", "3", "40" }
        << "INTRODUCI L'AREA LATERALE (AL)=" << kBox234;
    QTest::newRow("b, c, AB, V: case 21 before case 22")
        << QStringList{ "Check2", "Check3", "Check10", "Check9" } << QStringList{ "3", "6", "24" }
        << "INTRODUCI IL VOLUME (V)=" << kBox234;
    QTest::newRow("all ten: case 1")
        << QStringList{ "Check1", "Check2", "Check3", "Check4", "Check5",
                        "Check6", "Check7", "Check8", "Check9", "Check10" }
        << QStringList{ "2", "3", "4" } << "INTRODUCI L'ALTEZZA (c)=" << kBox234;
}

void TestParallelepiped::chainOrder()
{
    QFETCH(QStringList, ticks);
    QFETCH(QStringList, answers);
    QFETCH(QString, lastPrompt);
    QFETCH(QStringList, shown);

    Runner r;
    calculate(r, kBox, ticks, typed(answers));
    const QStringList prompts = harness::prompts(r);
    QCOMPARE(r.dialogs().size(), 3);
    QCOMPARE(prompts.size(), 3);
    QCOMPARE(prompts.last(), lastPrompt);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(r.text(results()[i]), shown[i]);
}

void TestParallelepiped::failures_data()
{
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("formula"); // Label6 afterwards
    QTest::addColumn<QString>("says");    // part of the error text

    using A = Answers;
    const QString none; // the formula is written after the case's steps: it stays

    QTest::newRow("5: d1 shorter than a") << QStringList{ "Check1", "Check3", "Check4" }
                                          << A{ QString("5"), QString("1"), QString("3") }
                                          << "invalid argument" << none << "negativo";
    QTest::newRow("6: d1 shorter than b") << QStringList{ "Check2", "Check3", "Check4" }
                                          << A{ QString("5"), QString("1"), QString("3") }
                                          << "invalid argument" << none << "negativo";
    QTest::newRow("7: d2 shorter than d1") << QStringList{ "Check1", "Check4", "Check5" }
                                           << A{ QString("3"), QString("5"), QString("4") }
                                           << "invalid argument" << none << "negativo";
    QTest::newRow("8: d1 shorter than b") << QStringList{ "Check2", "Check4", "Check5" }
                                          << A{ QString("5"), QString("3"), QString("6") }
                                          << "invalid argument" << none << "negativo";
    QTest::newRow("3: zero height") << QStringList{ "Check1", "Check3", "Check7" }
                                    << A{ QString("2"), QString("0"), QString("40") }
                                    << "division by zero" << none << "divisione per zero";
    QTest::newRow("3: zero height and zero AL") << QStringList{ "Check1", "Check3", "Check7" }
                                                << A{ QString("2"), QString("0"), QString("0") }
                                                << "overflow" << none << "zero diviso zero";
    QTest::newRow("11: zero b") << QStringList{ "Check2", "Check10", "Check7" }
                                << A{ QString("0"), QString("6"), QString("40") }
                                << "division by zero" << none << "divisione per zero";
    QTest::newRow("20: zero a and zero AB") << QStringList{ "Check1", "Check10", "Check9" }
                                            << A{ QString("0"), QString("0"), QString("24") }
                                            << "overflow" << none << "zero diviso zero";
    QTest::newRow("19: zero base area") << QStringList{ "Check1", "Check2", "Check9" }
                                        << A{ QString("0"), QString("3"), QString("24") }
                                        << "division by zero" << none << "divisione per zero";
    QTest::newRow("9: zero perimeter and zero AL") << QStringList{ "Check2", "Check6", "Check7" }
                                                   << A{ QString("3"), QString("0"), QString("0") }
                                                   << "overflow" << none << "zero diviso zero";
    QTest::newRow("1: cancelled a fails in the closing steps")
        << QStringList{ "Check1", "Check2", "Check3" }
        << A{ std::nullopt, QString("3"), QString("4") } << "type mismatch" << kCase1Formula
        << "manca un valore";
    QTest::newRow("2: empty b") << QStringList{ "Check1", "Check2", "Check7" }
                                << A{ QString("2"), QString(""), QString("40") } << "type mismatch"
                                << none << "manca un valore";
    QTest::newRow("9: text AL") << QStringList{ "Check2", "Check6", "Check7" }
                                << A{ QString("3"), QString("10"), QString("tanta") }
                                << "type mismatch" << none << "non è un numero";
}

void TestParallelepiped::failures()
{
    QFETCH(QStringList, ticks);
    QFETCH(Answers, answers);
    QFETCH(QString, failure);
    QFETCH(QString, formula);
    QFETCH(QString, says);

    Runner r;
    // A first good calculation, so that stale texts would show.
    calculate(r, kBox, { "Check1", "Check2", "Check9" }, typed({ "2", "3", "24" }));
    QCOMPARE(r.text("form4.Label6"), kCase19Formula);

    calculate(r, kBox, ticks, answers);

    QCOMPARE(r.dialogs().size(), 7);
    QCOMPARE(harness::prompts(r, 3).size(), 3);
    const auto &error = r.dialogs()[6];
    QCOMPARE(error.kind, QString("error"));
    QCOMPARE(error.title, QString("CORPIMETRO"));
    QCOMPARE(error.failure, failure);
    QVERIFY2(error.text.contains(says), qPrintable(error.text));
    QCOMPARE(r.text("form4.Label6"), formula.isNull() ? kCase19Formula : formula);
    for (const auto &l : results())
        QCOMPARE(r.text(l), QString());
    QVERIFY(r.visible("form4"));

    // The screen stays usable.
    calculate(r, kBox, { "Check1", "Check2", "Check3" }, typed({ "2", "3", "4" }));
    QCOMPARE(r.dialogs().size(), 10);
    QCOMPARE(r.text("form4.Label6"), kCase1Formula);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(r.text(results()[i]), kBox234[i]);
}

// The worked solution: each case's way to the edges a, b and c, with the
// screen's symbols, then everything from the edges, in the order computed.
void TestParallelepiped::solution_data()
{
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QStringList>("expected"); // in this order

    QTest::newRow("side and two diagonals")
        << QStringList{ "Check1", "Check4", "Check5" } << QStringList{ "3", "5", "13" } << ","
        << QStringList{ "Dati:",
                        "a = 3",
                        "d1 = 5",
                        "d2 = 13",
                        "Calcoli:",
                        "b = √(d1² − a²) = √(5² − 3²) = 4",
                        "c = √(d2² − d1²) = √(13² − 5²) = 12",
                        "P = 2 · a + 2 · b = 2 · 3 + 2 · 4 = 14",
                        "AL = P · c = 14 · 12 = 168",
                        "V = a · b · c = 3 · 4 · 12 = 144",
                        "AB = a · b = 3 · 4 = 12",
                        "AT = AL + 2 · AB = 168 + 2 · 12 = 192",
                        "Verifica: d1 = √(a² + b²) = √(3² + 4²) = 5, come il dato.",
                        "Verifica: d2 = √(d1² + c²) = √(5² + 12²) = 13, come il dato." };
    QTest::newRow("side, height and lateral area")
        << QStringList{ "Check1", "Check3", "Check7" } << QStringList{ "3", "5", "70" } << ","
        << QStringList{ "P = AL / c = 70 / 5 = 14", "b = (P − 2 · a) / 2 = (14 − 2 · 3) / 2 = 4",
                        "P = 2 · a + 2 · b = 2 · 3 + 2 · 4 = 14" };
    QTest::newRow("side, base area and lateral area")
        << QStringList{ "Check2", "Check10", "Check7" } << QStringList{ "4", "12", "70" } << ","
        << QStringList{ "a = AB / b = 12 / 4 = 3", "P = 2 · b + 2 · a = 2 · 4 + 2 · 3 = 14",
                        "c = AL / P = 70 / 14 = 5" };
    QTest::newRow("side, lateral and total area")
        << QStringList{ "Check1", "Check7", "Check8" } << QStringList{ "3", "70", "94" } << "."
        << QStringList{ "AB = (AT − AL) / 2 = (94 − 70) / 2 = 12", "b = AB / a = 12 / 3 = 4",
                        "c = AL / P = 70 / 14 = 5",
                        "d2 = √(d1² + c²) = √(5² + 5²) = 7.07106781186548" };
    QTest::newRow("side, perimeter and total area")
        << QStringList{ "Check1", "Check6", "Check8" } << QStringList{ "3", "14", "94" } << ","
        << QStringList{ "b = (P − 2 · a) / 2 = (14 − 2 · 3) / 2 = 4", "AB = a · b = 3 · 4 = 12",
                        "AL = AT − 2 · AB = 94 − 2 · 12 = 70", "c = AL / P = 70 / 14 = 5" };
    QTest::newRow("two sides and volume")
        << QStringList{ "Check1", "Check2", "Check9" } << QStringList{ "3", "4", "60" } << ","
        << QStringList{ "AB = a · b = 3 · 4 = 12", "c = V / AB = 60 / 12 = 5",
                        "AT = AL + 2 · AB = 70 + 2 · 12 = 94" };
}

void TestParallelepiped::solution()
{
    QFETCH(QStringList, ticks);
    QFETCH(QStringList, answers);
    QFETCH(QString, decimal);
    QFETCH(QStringList, expected);
    const QString missing =
        worked::missingInOrder(worked::solution("form4", ticks, answers, decimal), expected);
    QVERIFY2(missing.isEmpty(), qPrintable(missing));
}

QTEST_MAIN(TestParallelepiped)
#include "test_parallelepiped.moc"
