// The sphere, the spherical cap, zone and wedge: every case on one solid, the
// worked examples, the zone's volume and the combinations no case takes.
#include "harness.h"

#include <QMap>

#include <cmath>

using namespace harness;
using script::Runner;

namespace {

const double kPi = 3.14159265358979323846;

const QMap<QString, Screen> kScreens = {
    {"Form38", {"Form38", "Command1",
                {"Check1(0)", "Check1(1)", "Check1(2)", "Check1(3)", "Check1(4)"}}},
    {"Form39", {"Form39", "Command4", {"Check1", "Check2", "Check3", "Check4"}}},
    {"Form40", {"Form40", "Command1",
                {"Check1", "Check2", "Check3", "Check4", "Check5(0)", "Check5(1)"}}},
    {"Form41", {"Form41", "Command1", {"Check1(0)", "Check1(1)", "Check3", "Check4"}}},
};

// Result labels by quantity.
const QMap<QString, QString> kSphere = {
    {"r", "Label1(5)"}, {"d", "Label1(6)"}, {"C", "Label1(7)"}, {"AT", "Label1(8)"},
    {"V", "Label1(9)"}};
const QMap<QString, QString> kCap = {
    {"R", "Label1(4)"}, {"d", "Label1(5)"}, {"A", "Label1(6)"}, {"h", "Label1(11)"},
    {"V", "Label1(7)"}};
const QMap<QString, QString> kZone = {
    {"r", "Label1(4)"}, {"d", "Label1(5)"}, {"A", "Label1(6)"}, {"h", "Label1(11)"},
    {"V", "Label1(7)"}, {"r1", "Label1(15)"}, {"r2", "Label1(14)"}};
const QMap<QString, QString> kWedge = {
    {"R", "Label1(4)"}, {"d", "Label1(5)"}, {"A", "Label1(6)"}, {"V", "Label1(7)"},
    {"alfa", "Label1(11)"}};

const QMap<QString, QMap<QString, QString>> kLabels = {
    {"Form38", kSphere}, {"Form39", kCap}, {"Form40", kZone}, {"Form41", kWedge}};

using Quantities = QMap<QString, double>;

// A sphere of radius 1.3, with the circumference worked out with `pi`.
Quantities sphere(double pi)
{
    const double r = 1.3;
    return {{"r", r}, {"d", 2 * r}, {"C", 2 * r * pi}, {"AT", 4 * kPi * r * r},
            {"V", 4.0 / 3.0 * kPi * r * r * r}};
}

// A cap of height 0.8 cut from a sphere of radius 2.5.
Quantities cap()
{
    const double R = 2.5, h = 0.8;
    return {{"R", R}, {"h", h}, {"d", 2 * R}, {"A", 2 * kPi * R * h},
            {"V", kPi * h * h * (3 * R - h) / 3}};
}

// A wedge of 75 degrees cut from a sphere of radius 1.6.
Quantities wedge()
{
    const double R = 1.6, alfa = 75;
    return {{"R", R}, {"alfa", alfa}, {"d", 2 * R}, {"A", alfa / 360 * 4 * kPi * R * R},
            {"V", alfa / 360 * 4.0 / 3.0 * kPi * R * R * R}};
}

// A zone 2 high between cuts of radii 3 and 4 of a sphere of radius 5, with
// the volume of the segment between the two cuts.
Quantities zone()
{
    const double r = 5, h = 2, r1 = 3, r2 = 4;
    return {{"r", r}, {"h", h}, {"r1", r1}, {"r2", r2}, {"d", 2 * r},
            {"A", 2 * kPi * r * h}, {"V", kPi * h / 6 * (3 * r1 * r1 + 3 * r2 * r2 + h * h)}};
}

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
    void noCaseTaken_data();
    void noCaseTaken();
};

void TestSphere::everyCaseGivesTheSameSolid_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QStringList>("known");     // quantities asked, in prompt order
    QTest::addColumn<Quantities>("solid");
    QTest::addColumn<QStringList>("empty");     // labels left empty by the case

    QTest::newRow("sphere radius") << "Form38" << QStringList{"Check1(0)"} << QStringList{"r"}
                                   << sphere(kPi) << QStringList{};
    // The diameter case works the circumference out with 3.14.
    QTest::newRow("sphere diameter") << "Form38" << QStringList{"Check1(1)"}
                                     << QStringList{"d"} << sphere(3.14) << QStringList{};
    QTest::newRow("sphere circumference") << "Form38" << QStringList{"Check1(2)"}
                                          << QStringList{"C"} << sphere(kPi) << QStringList{};
    QTest::newRow("sphere area") << "Form38" << QStringList{"Check1(3)"} << QStringList{"AT"}
                                 << sphere(kPi) << QStringList{};
    QTest::newRow("sphere volume") << "Form38" << QStringList{"Check1(4)"} << QStringList{"V"}
                                   << sphere(kPi) << QStringList{};

    QTest::newRow("cap R h") << "Form39" << QStringList{"Check1", "Check2"}
                             << QStringList{"R", "h"} << cap() << QStringList{};
    QTest::newRow("cap R A") << "Form39" << QStringList{"Check1", "Check3"}
                             << QStringList{"R", "A"} << cap() << QStringList{};
    QTest::newRow("cap h A") << "Form39" << QStringList{"Check2", "Check3"}
                             << QStringList{"h", "A"} << cap() << QStringList{};
    QTest::newRow("cap h V") << "Form39" << QStringList{"Check2", "Check4"}
                             << QStringList{"h", "V"} << cap() << QStringList{};

    QTest::newRow("zone r h r1 r2")
        << "Form40" << QStringList{"Check1", "Check2", "Check5(0)", "Check5(1)"}
        << QStringList{"r", "h", "r1", "r2"} << zone() << QStringList{};
    QTest::newRow("zone r A") << "Form40" << QStringList{"Check1", "Check3"}
                              << QStringList{"r", "A"} << zone()
                              << QStringList{"V", "r1", "r2"};
    QTest::newRow("zone h A") << "Form40" << QStringList{"Check2", "Check3"}
                              << QStringList{"h", "A"} << zone()
                              << QStringList{"V", "r1", "r2"};

    QTest::newRow("wedge R alfa") << "Form41" << QStringList{"Check1(1)", "Check1(0)"}
                                  << QStringList{"R", "alfa"} << wedge() << QStringList{};
    QTest::newRow("wedge A alfa") << "Form41" << QStringList{"Check1(1)", "Check3"}
                                  << QStringList{"A", "alfa"} << wedge() << QStringList{};
    QTest::newRow("wedge R A") << "Form41" << QStringList{"Check1(0)", "Check3"}
                               << QStringList{"R", "A"} << wedge() << QStringList{};
    QTest::newRow("wedge R V") << "Form41" << QStringList{"Check1(0)", "Check4"}
                               << QStringList{"R", "V"} << wedge() << QStringList{};
    QTest::newRow("wedge alfa V") << "Form41" << QStringList{"Check1(1)", "Check4"}
                                  << QStringList{"alfa", "V"} << wedge() << QStringList{};
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

    QTest::newRow("sphere radius 1") << "en_US" << "Form38" << QStringList{"Check1(0)"}
        << QStringList{"1"} << QStringList{"r", "d", "C", "AT", "V"}
        << QStringList{"1", "2", "6.283185307", "12.566370614", "4.18879020466667"};
    QTest::newRow("sphere diameter 2") << "en_US" << "Form38" << QStringList{"Check1(1)"}
        << QStringList{"2"} << QStringList{"r", "d", "C", "AT", "V"}
        << QStringList{"1", "2", "6.28", "12.566370614", "4.18879020466667"};
    QTest::newRow("sphere circumference") << "en_US" << "Form38" << QStringList{"Check1(2)"}
        << QStringList{"6.283185307"} << QStringList{"r", "d"} << QStringList{"1", "2"};
    QTest::newRow("sphere area") << "en_US" << "Form38" << QStringList{"Check1(3)"}
        << QStringList{"12.566370614"} << QStringList{"r"} << QStringList{"1"};
    QTest::newRow("sphere radius typed 2,50") << "it_IT" << "Form38"
        << QStringList{"Check1(0)"} << QStringList{"2,50"} << QStringList{"r", "d"}
        << QStringList{"2,50", "5"};
    QTest::newRow("sphere radius before volume") << "en_US" << "Form38"
        << QStringList{"Check1(4)", "Check1(0)"} << QStringList{"1"} << QStringList{"r", "V"}
        << QStringList{"1", "4.18879020466667"};
    QTest::newRow("sphere radius 0") << "en_US" << "Form38" << QStringList{"Check1(0)"}
        << QStringList{"0"} << QStringList{"d", "C", "AT", "V"}
        << QStringList{"0", "0", "0", "0"};

    QTest::newRow("cap R 2 h 1") << "it_IT" << "Form39" << QStringList{"Check1", "Check2"}
        << QStringList{"2", "1"} << QStringList{"d", "A", "V"}
        << QStringList{"4", "12,566370614", "5,23598775583333"};
    QTest::newRow("cap R 2 A") << "en_US" << "Form39" << QStringList{"Check1", "Check3"}
        << QStringList{"2", "12.566370614"} << QStringList{"h"} << QStringList{"1"};
    QTest::newRow("cap h 1 V") << "en_US" << "Form39" << QStringList{"Check2", "Check4"}
        << QStringList{"1", "5.23598775583333"} << QStringList{"R"} << QStringList{"2"};
    QTest::newRow("cap everything ticked") << "en_US" << "Form39"
        << QStringList{"Check1", "Check2", "Check3", "Check4"} << QStringList{"2", "1"}
        << QStringList{"R", "h", "A"} << QStringList{"2", "1", "12.566370614"};

    // The zone's volume is pi h (h^2/3 + r1^2 + r2^2) / 2.
    QTest::newRow("zone 5 2 3 4") << "en_US" << "Form40"
        << QStringList{"Check1", "Check2", "Check5(0)", "Check5(1)"}
        << QStringList{"5", "2", "3", "4"} << QStringList{"d", "A", "V", "r1", "r2"}
        << QStringList{"10", "62.83185307", "82.7286065421667", "3", "4"};
    QTest::newRow("zone 5 3 5 4") << "it_IT" << "Form40"
        << QStringList{"Check1", "Check2", "Check5(0)", "Check5(1)"}
        << QStringList{"5", "3", "5", "4"} << QStringList{"V"} << QStringList{"207,345115131"};
    QTest::newRow("zone r A") << "en_US" << "Form40" << QStringList{"Check1", "Check3"}
        << QStringList{"5", "62.83185307"} << QStringList{"h", "d", "V", "r1", "r2"}
        << QStringList{"2", "10", "", "", ""};
    QTest::newRow("zone h A") << "en_US" << "Form40" << QStringList{"Check2", "Check3"}
        << QStringList{"2", "62.83185307"} << QStringList{"r", "d"} << QStringList{"5", "10"};
    QTest::newRow("zone r h A without cut radii") << "en_US" << "Form40"
        << QStringList{"Check1", "Check2", "Check3"} << QStringList{"5", "62.83185307"}
        << QStringList{"r", "h", "A"} << QStringList{"5", "2", "62.83185307"};

    QTest::newRow("wedge R 2 alfa 90") << "it_IT" << "Form41"
        << QStringList{"Check1(1)", "Check1(0)"} << QStringList{"2", "90"}
        << QStringList{"A", "V", "d"} << QStringList{"12,566370614", "8,37758040933333", "4"};
    QTest::newRow("wedge A alfa 90") << "en_US" << "Form41" << QStringList{"Check1(1)", "Check3"}
        << QStringList{"12.566370614", "90"} << QStringList{"R"} << QStringList{"2"};
    QTest::newRow("wedge R 2 A") << "en_US" << "Form41" << QStringList{"Check1(0)", "Check3"}
        << QStringList{"2", "12.566370614"} << QStringList{"alfa"} << QStringList{"90"};
    QTest::newRow("wedge everything ticked") << "en_US" << "Form41"
        << QStringList{"Check1(0)", "Check1(1)", "Check3", "Check4"} << QStringList{"2", "90"}
        << QStringList{"R", "alfa", "A"} << QStringList{"2", "90", "12.566370614"};
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
    calculate(r, kScreens[screen], ticks, typed(answers));
    QCOMPARE(r.dialogs().size(), answers.size());
    QCOMPARE(prompts(r).size(), answers.size());
    QCOMPARE(texts(r, screen, [&] {
                 QStringList labels;
                 for (const auto &q : quantities)
                     labels << kLabels[screen][q];
                 return labels;
             }()),
             shown);
}

void TestSphere::noCaseTaken_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("ticks");

    QTest::newRow("sphere nothing") << "Form38" << QStringList{};
    QTest::newRow("cap R V") << "Form39" << QStringList{"Check1", "Check4"};
    QTest::newRow("cap A V") << "Form39" << QStringList{"Check3", "Check4"};
    QTest::newRow("zone volume") << "Form40" << QStringList{"Check4"};
    QTest::newRow("zone r h without cut radii") << "Form40" << QStringList{"Check1", "Check2"};
    QTest::newRow("zone r h r1") << "Form40" << QStringList{"Check1", "Check2", "Check5(0)"};
    QTest::newRow("wedge A V") << "Form41" << QStringList{"Check3", "Check4"};
}

// No prompt, the message, every result label emptied, and the formula of the
// calculation before left standing.
void TestSphere::noCaseTaken()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, ticks);

    Runner r;
    const Screen &s = kScreens[screen];
    // A first calculation through the screen's first case.
    const QMap<QString, QStringList> first = {
        {"Form38", {"Check1(0)"}}, {"Form39", {"Check1", "Check2"}},
        {"Form40", {"Check1", "Check3"}}, {"Form41", {"Check1(0)", "Check1(1)"}}};
    calculate(r, s, first[screen], {"2", "1"});
    const QString formula = r.text(screen + "." + (screen == "Form38" ? "Label1(11)" : "Label1(9)"));
    QVERIFY(!formula.isEmpty());

    const int before = r.dialogs().size();
    calculate(r, s, ticks, {});
    QCOMPARE(r.dialogs().size(), before + 1);
    QCOMPARE(r.dialogs().last().kind, QString("message"));
    QCOMPARE(r.dialogs().last().text, kInsufficient);
    for (const auto &label : kLabels[screen])
        QCOMPARE(r.text(screen + "." + label), QString());
    QCOMPARE(r.text(screen + "." + (screen == "Form38" ? "Label1(11)" : "Label1(9)")), formula);
}

QTEST_MAIN(TestSphere)
#include "test_sphere.moc"
