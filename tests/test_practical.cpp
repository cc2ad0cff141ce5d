// The practical volumes: heaps, haystacks, barrels and the prismoid. Each
// screen asks a fixed list of measurements and shows them with the volume.
#include "harness.h"
#include "worked.h"

#include <cmath>

using namespace harness;
using script::Runner;

namespace {

// A screen, its "Calcola", the labels that echo the measurements in the order
// they are asked, and the label of the volume.
struct Practical {
    Screen screen;
    QStringList entered;
    QString volume;
};

const Practical kTrench{ { "Form28", "Command1" },
                         { "Label1(4)", "Label1(5)", "Label1(6)" },
                         "Label1(7)" };
const Practical kHaystack{ { "Form30", "Command1" },
                           { "Label1(4)", "Label1(5)", "Label1(6)", "Label1(7)" },
                           "Label1(14)" };
const Practical kBiga{ { "Form31", "Command1" },
                       { "Label1(4)", "Label1(5)", "Label1(6)", "Label1(7)", "Label1(17)",
                         "Label1(18)" },
                       "Label1(14)" };
const Practical kMeda{ { "Form32", "Command1" },
                       { "Label1(4)", "Label1(5)", "Label1(6)", "Label1(7)", "Label1(17)" },
                       "Label1(14)" };
const Practical kCavalla{ { "Form35", "Command1" },
                          { "Label1(4)", "Label1(15)", "Label1(16)", "Label1(5)" },
                          "Label1(14)" };
const Practical kBarrel{ { "Form33", "Command1" },
                         { "Label1(4)", "Label1(5)", "Label1(6)" },
                         "Label1(14)" };
const Practical kEllipticBarrel{ { "Form34", "Command1" },
                                 { "Label1(4)", "Label1(15)", "Label1(16)", "Label1(5)",
                                   "Label1(6)" },
                                 "Label1(14)" };
const Practical kPrismoid{ { "Form36", "Command1" },
                           { "Label1(4)", "Label1(15)", "Label1(16)", "Label1(5)" },
                           "Label1(14)" };

const QMap<QString, Practical> kScreens = {
    { "Form28", kTrench },         { "Form30", kHaystack }, { "Form31", kBiga },
    { "Form32", kMeda },           { "Form35", kCavalla },  { "Form33", kBarrel },
    { "Form34", kEllipticBarrel }, { "Form36", kPrismoid },
};

const double kPi = 3.14159265358979;

// Volumes worked out here in another form than the screens': the prismoidal
// rule h/6 (bottom + top + 4 mean section) wherever it applies.
double prismoidal(double bottom, double top, double mean, double h)
{
    return h / 6 * (bottom + top + 4 * mean);
}

double medaVolume(double a, double b, double c, double d, double h)
{
    return prismoidal(a * b, c * d, (a + c) / 2 * ((b + d) / 2), h);
}

} // namespace

class TestPractical : public QObject {
    Q_OBJECT
private slots:
    void workedExamples_data();
    void workedExamples();
    void consistentSolids_data();
    void consistentSolids();
    void medaWithoutTopIsTheCavalla();
    void everyPromptBeforeTheFailure_data();
    void everyPromptBeforeTheFailure();
    void bigaRootOfNegativeProduct();
    void workedSolutions_data();
    void workedSolutions();
};

void TestPractical::workedExamples_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("trench") << "Form28"
                            << "en_US" << QStringList{ "10", "20", "3" }
                            << QStringList{ "Label1(7)" } << QStringList{ "45" };
    // Joined as text the areas would give 1,52,5: not a number at all.
    QTest::newRow("trench, areas typed with commas")
        << "Form28"
        << "it_IT" << QStringList{ "1,5", "2,5", "2" } << QStringList{ "Label1(4)", "Label1(7)" }
        << QStringList{ "1,5", "4" };
    QTest::newRow("haystack") << "Form30"
                              << "it_IT" << QStringList{ "1", "2", "3", "1" }
                              << QStringList{ "Label1(17)", "Label1(18)", "Label1(14)" }
                              << QStringList{ "21,98", "4,18666666666667", "26,1666666666667" };
    QTest::newRow("haystack, point")
        << "Form30"
        << "en_US" << QStringList{ "1", "2", "3", "1" } << QStringList{ "Label1(14)" }
        << QStringList{ "26.1666666666667" };
    QTest::newRow("biga") << "Form31"
                          << "en_US" << QStringList{ "4", "3", "2", "1", "2", "1" }
                          << QStringList{ "Label1(14)" } << QStringList{ "17.5993196570442" };
    QTest::newRow("biga, comma") << "Form31"
                                 << "it_IT" << QStringList{ "4", "3", "2", "1", "2", "1" }
                                 << QStringList{ "Label1(14)" }
                                 << QStringList{ "17,5993196570442" };
    // The pyramidal heap: h/6 (2ab + bc + 2cd + ad), not h/2 (... - 2cd ...).
    QTest::newRow("meda") << "Form32"
                          << "en_US" << QStringList{ "4", "3", "2", "1", "2" }
                          << QStringList{ "Label1(14)" } << QStringList{ "12.6666666666667" };
    QTest::newRow("meda, comma") << "Form32"
                                 << "it_IT" << QStringList{ "4", "3", "2", "1", "2" }
                                 << QStringList{ "Label1(14)", "Label1(17)" }
                                 << QStringList{ "12,6666666666667", "2" };
    QTest::newRow("meda, every term typed") << "Form32"
                                            << "it_IT" << QStringList{ "1,5", "2", "0,5", "1", "6" }
                                            << QStringList{ "Label1(14)" } << QStringList{ "9,5" };
    QTest::newRow("cavalla") << "Form35"
                             << "en_US" << QStringList{ "4", "3", "2", "2" }
                             << QStringList{ "Label1(14)" } << QStringList{ "10" };
    QTest::newRow("cavalla, ridge typed") << "Form35"
                                          << "it_IT" << QStringList{ "1,5", "3", "0,5", "2" }
                                          << QStringList{ "Label1(14)" } << QStringList{ "3,5" };
    QTest::newRow("circular barrel")
        << "Form33"
        << "it_IT" << QStringList{ "2", "1", "3" } << QStringList{ "Label1(14)" }
        << QStringList{ "6,75442420521805" };
    QTest::newRow("circular barrel, point")
        << "Form33"
        << "en_US" << QStringList{ "2", "1", "3" } << QStringList{ "Label1(14)" }
        << QStringList{ "6.75442420521805" };
    QTest::newRow("elliptic barrel") << "Form34"
                                     << "en_US" << QStringList{ "2", "2", "1", "1", "3" }
                                     << QStringList{ "Label1(14)" } << QStringList{ "6.5475" };
    // Joined as text d and d1 would make W2 5.5 and D + D1 22.
    QTest::newRow("elliptic barrel, comma")
        << "Form34"
        << "it_IT" << QStringList{ "2", "2", "1", "1", "3" }
        << QStringList{ "Label1(14)", "Label1(16)" } << QStringList{ "6,5475", "1" };
    QTest::newRow("prismoid") << "Form36"
                              << "en_US" << QStringList{ "10", "20", "14", "3" }
                              << QStringList{ "Label1(14)" } << QStringList{ "43" };
    // The second area comes back as a number; the others stay as typed.
    QTest::newRow("prismoid, areas typed with commas")
        << "Form36"
        << "it_IT" << QStringList{ "1,50", "2,50", "2,00", "3" }
        << QStringList{ "Label1(4)", "Label1(15)", "Label1(16)", "Label1(14)" }
        << QStringList{ "1,50", "2,5", "2,00", "6" };
}

void TestPractical::workedExamples()
{
    QFETCH(QString, screen);
    QFETCH(QString, locale);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, shown);

    Runner r(locale);
    calculate(r, kScreens[screen].screen, {}, typed(answers));
    QCOMPARE(prompts(r).size(), answers.size());
    QCOMPARE(r.dialogs().size(), answers.size());
    QCOMPARE(texts(r, screen, labels), shown);
}

void TestPractical::consistentSolids_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QList<double>>("measures");
    QTest::addColumn<double>("volume");

    const double A1 = 7.3, A2 = 11.9, Am = 9.4, h = 2.35, h1 = 1.15;
    QTest::newRow("trench") << "Form28" << QList<double>{ A1, A2, h }
                            << prismoidal(A1, A2, (A1 + A2) / 2, h);

    const double r = 1.45, R = 2.2;
    const double third = 3.14 / 3; // the screen's own pi, 3.14
    const double frustum = third * h * (R * R + R * r + r * r);
    const double cone = third * R * R * h1;
    QTest::newRow("haystack") << "Form30" << QList<double>{ r, R, h, h1 } << frustum + cone;

    // A heap on a rectangle a x b under a rectangle c x d similar to it,
    // crowned by a ridge of length c.
    const double a = 5.2, b = 3.9, c = 2.6, d = 1.95;
    const double lower = h / 3 * (a * b + c * d + std::sqrt(a * b * c * d));
    const double ridge = prismoidal(a * b, 0, (a + c) / 2 * (b / 2), h1);
    QTest::newRow("biga") << "Form31" << QList<double>{ a, b, c, d, h, h1 } << lower + ridge;

    QTest::newRow("meda") << "Form32" << QList<double>{ a, b, c, d, h }
                          << medaVolume(a, b, c, d, h);
    QTest::newRow("cavalla") << "Form35" << QList<double>{ a, b, c, h }
                             << prismoidal(a * b, 0, (a + c) / 2 * (b / 2), h);

    // Parabolic staves: pi L / 15 (2 D^2 + D d + 3/4 d^2).
    const double D = 1.34, dEnd = 1.12, L = 1.7;
    QTest::newRow("circular barrel") << "Form33" << QList<double>{ D, dEnd, L }
                                     << kPi * L / 60 * (8 * D * D + 4 * D * dEnd + 3 * dEnd * dEnd);

    const double D1 = 1.08, d1 = 0.9;
    const double meanAxis = D + D1 + (dEnd + d1) / 2;
    QTest::newRow("elliptic barrel")
        << "Form34" << QList<double>{ D, D1, dEnd, d1, L } << 0.0873 * L * meanAxis * meanAxis;

    QTest::newRow("prismoid") << "Form36" << QList<double>{ A1, A2, Am, h }
                              << prismoidal(A1, A2, Am, h);
}

void TestPractical::consistentSolids()
{
    QFETCH(QString, screen);
    QFETCH(QList<double>, measures);
    QFETCH(double, volume);

    const Practical &p = kScreens[screen];
    QCOMPARE(p.entered.size(), measures.size());
    for (const QString locale : { "en_US", "it_IT" }) {
        Runner r(locale);
        Answers answers;
        for (double m : measures) {
            QString text = QString::number(m, 'g', 17);
            if (locale == "it_IT")
                text.replace('.', ',');
            answers << text;
        }
        calculate(r, p.screen, {}, answers);
        QCOMPARE(r.dialogs().size(), measures.size());
        for (int i = 0; i < p.entered.size(); ++i)
            QCOMPARE(r.text(screen + "." + p.entered[i]), *answers[i]);
        QString shown = r.text(screen + "." + p.volume);
        if (locale == "it_IT")
            shown.replace(',', '.');
        QVERIFY2(near(shown, volume, 1e-9), qPrintable(locale + ": " + shown));
    }
}

// Without a top edge d the heap is the cavalla with its ridge c.
void TestPractical::medaWithoutTopIsTheCavalla()
{
    Runner r;
    calculate(r, kMeda.screen, {}, typed({ "4", "3", "2", "0", "2" }));
    calculate(r, kCavalla.screen, {}, typed({ "4", "3", "2", "2" }));
    QCOMPARE(r.text("Form32.Label1(14)"), QString("10"));
    QCOMPARE(r.text("Form32.Label1(14)"), r.text("Form35.Label1(14)"));
}

void TestPractical::everyPromptBeforeTheFailure_data()
{
    QTest::addColumn<QString>("screen");
    for (const auto &name : kScreens.keys())
        QTest::newRow(qPrintable(name)) << name;
}

// A cancelled first answer fails only once every measurement has been asked,
// and the volume is left empty.
void TestPractical::everyPromptBeforeTheFailure()
{
    QFETCH(QString, screen);
    const Practical &p = kScreens[screen];
    Runner r;
    Answers answers{ std::nullopt };
    for (int i = 1; i < p.entered.size(); ++i)
        answers << QString("2");
    calculate(r, p.screen, {}, answers);
    QCOMPARE(prompts(r).size(), p.entered.size());
    QCOMPARE(r.dialogs().size(), p.entered.size() + 1);
    QCOMPARE(r.dialogs().last().kind, QString("error"));
    QCOMPARE(r.dialogs().last().failure, QString("type mismatch"));
    QCOMPARE(r.text(screen + "." + p.volume), QString());
}

void TestPractical::bigaRootOfNegativeProduct()
{
    Runner r;
    calculate(r, kBiga.screen, {}, typed({ "4", "3", "-2", "1", "2", "1" }));
    QCOMPARE(r.dialogs().size(), 7);
    QCOMPARE(r.dialogs().last().failure, QString("invalid argument"));
    QCOMPARE(r.text("Form31.Label1(14)"), QString());
}

// The worked solution of each screen: the measurements as typed, then every
// step in the order the screen computes it, with its symbols and numbers.
void TestPractical::workedSolutions_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("expected"); // in this order

    QTest::newRow("trench") << "Form28" << QStringList{ "3", "5", "4" }
                            << QStringList{ "A1 = 3",
                                            "A2 = 5",
                                            "h = 4",
                                            "Indichiamo con k la metà dell'altezza.",
                                            "k = h / 2 = 4 / 2 = 2",
                                            "V = k · (A1 + A2) = 2 · (3 + 5) = 16" };
    QTest::newRow("haystack")
        << "Form30" << QStringList{ "2", "3", "4", "1" }
        << QStringList{ "r = 2",
                        "h1 = 1",
                        "3,14 ≈ π",
                        "k = 1/3 · 3,14 · h = 1/3 · 3,14 · 4 = 4,18666666666667",
                        "S = R² = 3² = 9",
                        "S = S + R · r = 9 + 3 · 2 = 15",
                        "V1 = k · (S + r²) = 4,18666666666667 · (15 + 2²) = 79,5466666666667",
                        "V2 = 1/3 · 3,14 · R² · h1 = 1/3 · 3,14 · 3² · 1 = 9,42",
                        "V = V1 + V2 = 79,5466666666667 + 9,42 = 88,9666666666667" };
    QTest::newRow("biga")
        << "Form31" << QStringList{ "4", "3", "2", "1", "2", "1" }
        << QStringList{
               "S1 = a · b = 4 · 3 = 12",
               "S2 = c · d = 2 · 1 = 2",
               "B = S1 + S2 = 12 + 2 = 14",
               "V1 = (B + √(S1 · S2)) · h / 3 = (14 + √(12 · 2)) · 2 / 3 = 12,5993196570442",
               "k = b · h1 / 6 = 3 · 1 / 6 = 0,5",
               "V2 = k · (2 · a + c) = 0,5 · (2 · 4 + 2) = 5",
               "V = V1 + V2 = 12,5993196570442 + 5 = 17,5993196570442"
           };
    // The meda works with h / 6 and + 2cd, whatever its formula text says.
    QTest::newRow("meda")
        << "Form32" << QStringList{ "4", "3", "2", "1", "2" }
        << QStringList{
               "k = h / 6 = 2 / 6 = 0,333333333333333", "T = 2 · a · b = 2 · 4 · 3 = 24",
               "T = T + b · c = 24 + 3 · 2 = 30", "T = T + 2 · c · d = 30 + 2 · 2 · 1 = 34",
               "V = k · (T + a · d) = 0,333333333333333 · (34 + 4 · 1) = 12,6666666666667"
           };
    QTest::newRow("cavalla") << "Form35" << QStringList{ "3", "2", "5", "3" }
                             << QStringList{ "k = b · h / 6 = 2 · 3 / 6 = 1",
                                             "V = k · (2 · a + c) = 1 · (2 · 3 + 5) = 11" };
    QTest::newRow("barrel")
        << "Form33" << QStringList{ "4", "3", "5" }
        << QStringList{
               "Indichiamo con k il fattore comune della formula del volume.",
               "π ≈ 3,14159265358979",
               "k = 1/15 · π · L = 1/15 · 3,14159265358979 · 5 = 1,0471975511966",
               "Indichiamo con B la somma dei primi due termini della parentesi, 2 · D² + D · d.",
               "B = 2 · D · D = 2 · 4 · 4 = 32",
               "B = B + D · d = 32 + 4 · 3 = 44",
               "V = k · (B + 3/4 · d · d) = 1,0471975511966 · (44 + 3/4 · 3 · 3) = 53,1452757232273"
           };
    QTest::newRow("elliptic barrel")
        << "Form34" << QStringList{ "4", "3", "2", "1", "5" }
        << QStringList{ "W2 = (d + d1) / 2 = (2 + 1) / 2 = 1,5", "Y2 = D + D1 = 4 + 3 = 7",
                        "W3 = (Y2 + W2)² = (7 + 1,5)² = 72,25", "0,0873 ≈ π / 36",
                        "V = 0,0873 · L · W3 = 0,0873 · 5 · 72,25 = 31,537125" };
    // A2 is held negated in M while the sum is worked out, then negated back.
    QTest::newRow("prismoid") << "Form36" << QStringList{ "4", "2", "3", "6" }
                              << QStringList{ "A2 = 2",
                                              "M = −A2 = −2",
                                              "k = h / 6 = 6 / 6 = 1",
                                              "S = A1 − M = 4 − (−2) = 6",
                                              "V = k · (S + 4 · Am) = 1 · (6 + 4 · 3) = 18",
                                              "Verifica: A2 = −M = −(−2) = 2, come il dato." };
}

void TestPractical::workedSolutions()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, expected);

    Runner r("it_IT");
    calculate(r, kScreens[screen].screen, {}, typed(answers));
    const QStringList lines = solution(r, screen);
    const QString missing = worked::missingInOrder(lines, expected);
    QVERIFY2(missing.isEmpty(), qPrintable(missing));
}

QTEST_MAIN(TestPractical)
#include "test_practical.moc"
