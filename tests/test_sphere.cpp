// The sphere, the spherical cap, zone and wedge: every case on one solid, the
// worked examples with the zone's volume, and combinations no case takes.
#include "harness.h"
#include "worked.h"

#include <QMap>

#include <cmath>

using namespace harness;
using script::Runner;

namespace {

const double kPi = 3.14159265358979323846;

const QMap<QString, Screen> kScreens = {
    { "Form38",
      { "Form38",
        "Command1",
        { "Check1(0)", "Check1(1)", "Check1(2)", "Check1(3)", "Check1(4)" } } },
    { "Form39", { "Form39", "Command4", { "Check1", "Check2", "Check3", "Check4" } } },
    { "Form40",
      { "Form40",
        "Command1",
        { "Check1", "Check2", "Check3", "Check4", "Check5(0)", "Check5(1)" } } },
    { "Form41", { "Form41", "Command1", { "Check1(0)", "Check1(1)", "Check3", "Check4" } } },
};

// Result labels by quantity.
const QMap<QString, QString> kSphere = { { "r", "Label1(5)" },
                                         { "d", "Label1(6)" },
                                         { "C", "Label1(7)" },
                                         { "AT", "Label1(8)" },
                                         { "V", "Label1(9)" } };
const QMap<QString, QString> kCap = { { "R", "Label1(4)" },
                                      { "d", "Label1(5)" },
                                      { "A", "Label1(6)" },
                                      { "h", "Label1(11)" },
                                      { "V", "Label1(7)" } };
const QMap<QString, QString> kZone = { { "r", "Label1(4)" },  { "d", "Label1(5)" },
                                       { "A", "Label1(6)" },  { "h", "Label1(11)" },
                                       { "V", "Label1(7)" },  { "r1", "Label1(15)" },
                                       { "r2", "Label1(14)" } };
const QMap<QString, QString> kWedge = { { "R", "Label1(4)" },
                                        { "d", "Label1(5)" },
                                        { "A", "Label1(6)" },
                                        { "V", "Label1(7)" },
                                        { "alfa", "Label1(11)" } };

const QMap<QString, QMap<QString, QString>> kLabels = {
    { "Form38", kSphere }, { "Form39", kCap }, { "Form40", kZone }, { "Form41", kWedge }
};

using Quantities = QMap<QString, double>;

// A sphere of radius 1.3, with the circumference worked out with `pi`.
Quantities sphere(double pi)
{
    const double r = 1.3;
    return { { "r", r },
             { "d", 2 * r },
             { "C", 2 * r * pi },
             { "AT", 4 * kPi * r * r },
             { "V", 4.0 / 3.0 * kPi * r * r * r } };
}

// A cap of height 0.8 cut from a sphere of radius 2.5.
Quantities cap()
{
    const double R = 2.5, h = 0.8;
    return { { "R", R },
             { "h", h },
             { "d", 2 * R },
             { "A", 2 * kPi * R * h },
             { "V", kPi * h * h * (3 * R - h) / 3 } };
}

// A wedge of 75 degrees cut from a sphere of radius 1.6.
Quantities wedge()
{
    const double R = 1.6, alfa = 75;
    return { { "R", R },
             { "alfa", alfa },
             { "d", 2 * R },
             { "A", alfa / 360 * 4 * kPi * R * R },
             { "V", alfa / 360 * 4.0 / 3.0 * kPi * R * R * R } };
}

// A zone 2 high between cuts of radii 3 and 4 of a sphere of radius 5, with
// the volume of the segment between the two cuts.
Quantities zone()
{
    const double r = 5, h = 2, r1 = 3, r2 = 4;
    return { { "r", r },
             { "h", h },
             { "r1", r1 },
             { "r2", r2 },
             { "d", 2 * r },
             { "A", 2 * kPi * r * h },
             { "V", kPi * h / 6 * (3 * r1 * r1 + 3 * r2 * r2 + h * h) } };
}

// A case of each screen that takes the answers 2 (and 1).
const QMap<QString, QStringList> kWarmUp = { { "Form38", { "Check1(0)" } },
                                             { "Form39", { "Check1", "Check2" } },
                                             { "Form40", { "Check1", "Check3" } },
                                             { "Form41", { "Check1(0)", "Check1(1)" } } };

QList<double> pick(const Quantities &q, const QStringList &names)
{
    QList<double> out;
    for (const auto &n : names)
        out << q[n];
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Quantities)

class TestSphere : public QObject {
    Q_OBJECT
private slots:
    void everyCaseGivesTheSameSolid_data();
    void everyCaseGivesTheSameSolid();
    void examples_data();
    void examples();
    void workedSolutions_data();
    void workedSolutions();
};

void TestSphere::everyCaseGivesTheSameSolid_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QStringList>("known"); // quantities asked, in prompt order
    QTest::addColumn<Quantities>("solid");
    QTest::addColumn<QStringList>("empty"); // labels left empty by the case

    struct Case {
        const char *screen;
        QStringList ticks, known, empty = {};
    };
    const QList<Case> cases = {
        { "Form38", { "Check1(0)" }, { "r" } },
        { "Form38", { "Check1(1)" }, { "d" } },
        { "Form38", { "Check1(2)" }, { "C" } },
        { "Form38", { "Check1(3)" }, { "AT" } },
        { "Form38", { "Check1(4)" }, { "V" } },
        { "Form39", { "Check1", "Check2" }, { "R", "h" } },
        { "Form39", { "Check1", "Check3" }, { "R", "A" } },
        { "Form39", { "Check2", "Check3" }, { "h", "A" } },
        { "Form39", { "Check2", "Check4" }, { "h", "V" } },
        { "Form40", { "Check1", "Check2", "Check5(0)", "Check5(1)" }, { "r", "h", "r1", "r2" } },
        { "Form40", { "Check1", "Check3" }, { "r", "A" }, { "V", "r1", "r2" } },
        { "Form40", { "Check2", "Check3" }, { "h", "A" }, { "V", "r1", "r2" } },
        { "Form41", { "Check1(1)", "Check1(0)" }, { "R", "alfa" } },
        { "Form41", { "Check1(1)", "Check3" }, { "A", "alfa" } },
        { "Form41", { "Check1(0)", "Check3" }, { "R", "A" } },
        { "Form41", { "Check1(0)", "Check4" }, { "R", "V" } },
        { "Form41", { "Check1(1)", "Check4" }, { "alfa", "V" } },
    };
    for (const auto &c : cases) {
        const QString screen = c.screen;
        // The sphere's diameter case works the circumference out with 3.14.
        const Quantities solid = screen == "Form38"   ? sphere(c.known[0] == "d" ? 3.14 : kPi)
                                 : screen == "Form39" ? cap()
                                 : screen == "Form40" ? zone()
                                                      : wedge();
        QTest::newRow(qPrintable(screen + " from " + c.known.join(' ')))
            << screen << c.ticks << c.known << solid << c.empty;
    }
}

void TestSphere::everyCaseGivesTheSameSolid()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, ticks);
    QFETCH(QStringList, known);
    QFETCH(Quantities, solid);
    QFETCH(QStringList, empty);

    Runner r;
    calculate(r, kScreens[screen], ticks, numbers(pick(solid, known)));
    QCOMPARE(prompts(r).size(), known.size());
    QCOMPARE(r.dialogs().size(), known.size());
    const auto &labels = kLabels[screen];
    for (auto it = labels.begin(); it != labels.end(); ++it) {
        const QString shown = r.text(screen + "." + it.value());
        if (empty.contains(it.key()))
            QVERIFY2(shown.isEmpty(), qPrintable(it.key() + ": " + shown));
        else
            QVERIFY2(near(shown, solid[it.key()]), qPrintable(it.key() + ": " + shown));
    }
}

void TestSphere::examples_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("quantities");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("sphere radius 1")
        << "en_US"
        << "Form38" << QStringList{ "Check1(0)" } << QStringList{ "1" }
        << QStringList{ "r", "d", "C", "AT", "V" }
        << QStringList{ "1", "2", "6.283185307", "12.566370614", "4.18879020466667" };
    QTest::newRow("sphere diameter 2")
        << "en_US"
        << "Form38" << QStringList{ "Check1(1)" } << QStringList{ "2" }
        << QStringList{ "r", "d", "C", "AT", "V" }
        << QStringList{ "1", "2", "6.28", "12.566370614", "4.18879020466667" };
    QTest::newRow("sphere radius typed 2,50")
        << "it_IT"
        << "Form38" << QStringList{ "Check1(0)" } << QStringList{ "2,50" }
        << QStringList{ "r", "d" } << QStringList{ "2,50", "5" };
    QTest::newRow("sphere radius before volume")
        << "en_US"
        << "Form38" << QStringList{ "Check1(4)", "Check1(0)" } << QStringList{ "1" }
        << QStringList{ "r", "V" } << QStringList{ "1", "4.18879020466667" };
    QTest::newRow("sphere radius 0")
        << "en_US"
        << "Form38" << QStringList{ "Check1(0)" } << QStringList{ "0" }
        << QStringList{ "d", "C", "AT", "V" } << QStringList{ "0", "0", "0", "0" };

    QTest::newRow("cap R 2 h 1") << "it_IT"
                                 << "Form39" << QStringList{ "Check1", "Check2" }
                                 << QStringList{ "2", "1" } << QStringList{ "d", "A", "V" }
                                 << QStringList{ "4", "12,566370614", "5,23598775583333" };
    QTest::newRow("cap everything ticked")
        << "en_US"
        << "Form39" << QStringList{ "Check1", "Check2", "Check3", "Check4" }
        << QStringList{ "2", "1" } << QStringList{ "R", "h", "A" }
        << QStringList{ "2", "1", "12.566370614" };

    // The zone's volume is pi h (h^2/3 + r1^2 + r2^2) / 2.
    QTest::newRow("zone 5 2 3 4") << "en_US"
                                  << "Form40"
                                  << QStringList{ "Check1", "Check2", "Check5(0)", "Check5(1)" }
                                  << QStringList{ "5", "2", "3", "4" }
                                  << QStringList{ "d", "A", "V", "r1", "r2" }
                                  << QStringList{ "10", "62.83185307", "82.7286065421667", "3",
                                                  "4" };
    QTest::newRow("zone 5 3 5 4") << "it_IT"
                                  << "Form40"
                                  << QStringList{ "Check1", "Check2", "Check5(0)", "Check5(1)" }
                                  << QStringList{ "5", "3", "5", "4" } << QStringList{ "V" }
                                  << QStringList{ "207,345115131" };
    QTest::newRow("zone r A") << "en_US"
                              << "Form40" << QStringList{ "Check1", "Check3" }
                              << QStringList{ "5", "62.83185307" }
                              << QStringList{ "h", "d", "V", "r1", "r2" }
                              << QStringList{ "2", "10", "", "", "" };
    QTest::newRow("zone r h A without cut radii")
        << "en_US"
        << "Form40" << QStringList{ "Check1", "Check2", "Check3" }
        << QStringList{ "5", "62.83185307" } << QStringList{ "r", "h", "A" }
        << QStringList{ "5", "2", "62.83185307" };

    QTest::newRow("wedge R 2 alfa 90")
        << "it_IT"
        << "Form41" << QStringList{ "Check1(1)", "Check1(0)" } << QStringList{ "2", "90" }
        << QStringList{ "A", "V", "d" } << QStringList{ "12,566370614", "8,37758040933333", "4" };
    QTest::newRow("wedge everything ticked")
        << "en_US"
        << "Form41" << QStringList{ "Check1(0)", "Check1(1)", "Check3", "Check4" }
        << QStringList{ "2", "90" } << QStringList{ "R", "alfa", "A" }
        << QStringList{ "2", "90", "12.566370614" };

    // No case taken: the message, and every result label emptied.
    const QStringList none = { "", "", "", "", "" };
    QTest::newRow("sphere nothing") << "en_US"
                                    << "Form38" << QStringList{} << QStringList{}
                                    << QStringList{ "r", "d", "C", "AT", "V" } << none;
    QTest::newRow("cap R V") << "en_US"
                             << "Form39" << QStringList{ "Check1", "Check4" } << QStringList{}
                             << QStringList{ "R", "d", "A", "h", "V" } << none;
    QTest::newRow("zone r h without cut radii")
        << "en_US"
        << "Form40" << QStringList{ "Check1", "Check2", "Check5(0)" } << QStringList{}
        << QStringList{ "r", "d", "A", "h", "V" } << none;
    QTest::newRow("wedge A V") << "en_US"
                               << "Form41" << QStringList{ "Check3", "Check4" } << QStringList{}
                               << QStringList{ "R", "d", "A", "V", "alfa" } << none;
}

void TestSphere::examples()
{
    QFETCH(QString, locale);
    QFETCH(QString, screen);
    QFETCH(QStringList, ticks);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, quantities);
    QFETCH(QStringList, shown);

    Runner r(locale);
    // A calculation before, whose results must not stay.
    calculate(r, kScreens[screen], kWarmUp[screen],
              screen == "Form38" ? typed({ "2" }) : typed({ "2", "1" }));
    const QString formulaLabel = screen + (screen == "Form38" ? ".Label1(11)" : ".Label1(9)");
    const QString formula = r.text(formulaLabel);
    const int before = r.dialogs().size();
    calculate(r, kScreens[screen], ticks, typed(answers));
    QCOMPARE(prompts(r, before).size(), answers.size());
    if (answers.isEmpty()) {
        QCOMPARE(r.dialogs().size(), before + 1);
        QCOMPARE(r.dialogs().last().text, kInsufficient);
        QCOMPARE(r.text(formulaLabel), formula);
    }
    QCOMPARE(texts(r, screen,
                   [&] {
                       QStringList labels;
                       for (const auto &q : quantities)
                           labels << kLabels[screen][q];
                       return labels;
                   }()),
             shown);
}

// The worked solution: the data as typed, then every step in the order the
// screen computes it, π and its multiples written as such.
void TestSphere::workedSolutions_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("expected"); // in this order

    QTest::newRow("sphere from the radius")
        << "Form38" << QStringList{ "Check1(0)" } << QStringList{ "3" }
        << QStringList{ "r = 3",
                        "d = 2 · r = 2 · 3 = 6",
                        "π ≈ 3,1415926535",
                        "C = π · d = 3,1415926535 · 6 = 18,849555921",
                        "4π ≈ 12,566370614",
                        "AT = 4π · r² = 12,566370614 · 3² = 113,097335526",
                        "V = r³ · 4/3 · π = 3³ · 4/3 · 3,1415926535 = 113,097335526" };
    QTest::newRow("sphere from the volume")
        << "Form38" << QStringList{ "Check1(4)" } << QStringList{ "113,04" }
        << QStringList{ "V = 113,04",
                        "r = ∛(3 · V / 4π) = ∛(3 · 113,04 / 12,566370614) = 2,99949295695295",
                        "C = 2 · r · π = 2 · 2,99949295695295 · 3,1415926535 = 18,8463700755767" };
    QTest::newRow("cap")
        << "Form39" << QStringList{ "Check1", "Check2" } << QStringList{ "5", "2" }
        << QStringList{
               "d = 2 · R = 2 · 5 = 10", "A = 2π · R · h = 6,283185307 · 5 · 2 = 62,83185307",
               "V = π · h² · (R − h / 3) = 3,1415926535 · 2² · (5 − 2 / 3) = 54,4542726606667"
           };
    QTest::newRow("zone")
        << "Form40" << QStringList{ "Check1", "Check2", "Check5(0)", "Check5(1)" }
        << QStringList{ "5", "2", "3", "4" }
        << QStringList{
               "r1 = 3", "r2 = 4", "d = 2 · r = 2 · 5 = 10",
               "A = 2π · r · h = 6,283185307 · 5 · 2 = 62,83185307",
               "V = π · h · (h² / 3 + r1² + r2²) / 2 = 3,1415926535 · 2 · (2² / 3 + 3² + 4²) / 2 = 82,7286065421667"
           };
    QTest::newRow("wedge")
        << "Form41" << QStringList{ "Check1(1)", "Check1(0)" } << QStringList{ "3", "60" }
        << QStringList{ "r = 3", "alfa = 60",
                        "A = π · alfa · r² / 90 = 3,1415926535 · 60 · 3² / 90 = 18,849555921",
                        "V = π · alfa · r³ / 270 = 3,1415926535 · 60 · 3³ / 270 = 18,849555921",
                        "d = 2 · r = 2 · 3 = 6" };
    QTest::newRow("wedge, angle not a number")
        << "Form41" << QStringList{ "Check1(1)", "Check3" } << QStringList{ "10", "abc" }
        << QStringList{ "alfa = abc",
                        "r = √(90 · A / (π · alfa)) = √(90 · 10 / (3,1415926535 · abc))" };
}

void TestSphere::workedSolutions()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, ticks);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, expected);

    Runner r("it_IT");
    calculate(r, kScreens[screen], ticks, typed(answers));
    const QStringList lines = solution(r, screen);
    const QString missing = worked::missingInOrder(lines, expected);
    QVERIFY2(missing.isEmpty(), qPrintable(missing));
}

QTEST_MAIN(TestSphere)
#include "test_sphere.moc"
