// The regular polyhedra: every case of every solid on one edge, the worked
// examples, the combinations no case takes, and the height and lateral area
// that belong to the tetrahedron only.
#include "harness.h"

#include <cmath>

using namespace harness;
using script::Runner;

namespace {

const QStringList kChecks = { "Check1(0)", "Check1(1)", "Check1(2)", "Check1(3)", "Check1(4)" };
// Result labels: edge, height, lateral area, total area, volume.
const QStringList kResults = { "Label5(0)", "Label5(1)", "Label5(2)", "Label5(3)", "Label5(4)" };
enum { Edge, Height, Lateral, Total, Volume };

Screen vai(const QString &button)
{
    return { "Form27", button, kChecks };
}

// Edge, height, lateral area, total area and volume of each solid of edge l;
// the height and lateral area are the tetrahedron's only.
QList<double> solid(const QString &button, double l)
{
    const double s2 = std::sqrt(2.0), s3 = std::sqrt(3.0), s5 = std::sqrt(5.0);
    if (button == "Command4")
        return { l, l * std::sqrt(2.0 / 3.0), 3 * s3 / 4 * l * l, s3 * l * l,
                 l * l * l / (6 * s2) };
    if (button == "Command5")
        return { l, 0, 0, 2 * s3 * l * l, s2 / 3 * l * l * l };
    if (button == "Command6")
        return { l, 0, 0, 5 * s3 * l * l, 5 * (3 + s5) / 12 * l * l * l };
    return { l, 0, 0, 3 * std::sqrt(25 + 10 * s5) * l * l, (15 + 7 * s5) / 4 * l * l * l };
}

} // namespace

class TestPolyhedra : public QObject {
    Q_OBJECT
private slots:
    void everyCaseGivesTheSameSolid_data();
    void everyCaseGivesTheSameSolid();
    void examples_data();
    void examples();
};

void TestPolyhedra::everyCaseGivesTheSameSolid_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("known");

    const QList<QPair<QString, QString>> solids = { { "Command4", "tetrahedron" },
                                                    { "Command5", "octahedron" },
                                                    { "Command6", "icosahedron" },
                                                    { "Command7", "dodecahedron" } };
    const QStringList names = { "edge", "height", "lateral area", "total area", "volume" };
    for (const auto &[button, solidName] : solids)
        for (int k : { Edge, Height, Lateral, Total, Volume })
            if (button == "Command4" || (k != Height && k != Lateral))
                QTest::newRow(qPrintable(solidName + " from " + names[k])) << button << k;
}

// A tetrahedron is solved first, so that its height and lateral area would
// show if another solid left them standing.
void TestPolyhedra::everyCaseGivesTheSameSolid()
{
    QFETCH(QString, button);
    QFETCH(int, known);

    Runner r;
    calculate(r, vai("Command4"), { "Check1(0)" }, { "2" });
    QVERIFY(!r.text("Form27.Label5(1)").isEmpty());

    const double l = 1.7;
    const QList<double> expected = solid(button, l);
    calculate(r, vai(button), { kChecks[known] }, numbers({ expected[known] }));
    QCOMPARE(prompts(r).size(), 2);
    const bool tetrahedron = button == "Command4";
    for (int i = 0; i < kResults.size(); ++i) {
        const QString shown = r.text("Form27." + kResults[i]);
        if (!tetrahedron && (i == Height || i == Lateral))
            QVERIFY2(shown.isEmpty(), qPrintable(kResults[i] + ": " + shown));
        else
            QVERIFY2(near(shown, expected[i]), qPrintable(kResults[i] + ": " + shown));
    }
}

void TestPolyhedra::examples_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("shown"); // l, h, Sl, St, V

    const QStringList edge1 = { "1", "0.816496580927726", "1.29903810567666", "1.73205080756888",
                                "0.117851130197758" };
    QTest::newRow("tetrahedron edge 1")
        << "en_US"
        << "Command4" << QStringList{ "Check1(0)" } << QStringList{ "1" } << edge1;
    QTest::newRow("tetrahedron edge first of all ticks")
        << "en_US"
        << "Command4" << kChecks << QStringList{ "1" } << edge1;
    // The edge worked back from this area is 1.0000000000000009.
    QTest::newRow("tetrahedron total area")
        << "en_US"
        << "Command4" << QStringList{ "Check1(3)" } << QStringList{ "1.73205080756888" }
        << QStringList{ "1", "0.816496580927727", "1.29903810567666", "1.73205080756888",
                        "0.117851130197758" };
    QTest::newRow("octahedron edge 1")
        << "it_IT"
        << "Command5" << QStringList{ "Check1(0)" } << QStringList{ "1" }
        << QStringList{ "1", "", "", "3,46410161513775", "0,471404520791032" };
    QTest::newRow("icosahedron edge 1")
        << "en_US"
        << "Command6" << QStringList{ "Check1(0)" } << QStringList{ "1" }
        << QStringList{ "1", "", "", "8.66025403784439", "2.18169499062491" };
    QTest::newRow("dodecahedron edge 1")
        << "en_US"
        << "Command7" << QStringList{ "Check1(0)" } << QStringList{ "1" }
        << QStringList{ "1", "", "", "20.6457288070676", "7.66311896062463" };
    QTest::newRow("icosahedron ignores height and lateral area")
        << "en_US"
        << "Command6" << QStringList{ "Check1(1)", "Check1(2)", "Check1(3)" }
        << QStringList{ "8.66025403784439" }
        << QStringList{ "1", "", "", "8.66025403784439", "2.18169499062491" };

    // No case taken: the message, and every result label emptied.
    const QStringList none = { "", "", "", "", "" };
    QTest::newRow("tetrahedron nothing") << "en_US"
                                         << "Command4" << QStringList{} << QStringList{} << none;
    QTest::newRow("octahedron height")
        << "en_US"
        << "Command5" << QStringList{ "Check1(1)" } << QStringList{} << none;
    QTest::newRow("dodecahedron height and lateral area")
        << "en_US"
        << "Command7" << QStringList{ "Check1(1)", "Check1(2)" } << QStringList{} << none;
}

// Each after a tetrahedron of edge 2, whose results must not stay.
void TestPolyhedra::examples()
{
    QFETCH(QString, locale);
    QFETCH(QString, button);
    QFETCH(QStringList, ticks);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, shown);

    Runner r(locale);
    calculate(r, vai("Command4"), { "Check1(0)" }, { "2" });
    const QString formula = r.text("Form27.Label6");
    calculate(r, vai(button), ticks, typed(answers));
    QCOMPARE(prompts(r, 1).size(), answers.size());
    if (answers.isEmpty()) {
        QCOMPARE(r.dialogs().size(), 2);
        QCOMPARE(r.dialogs().last().text, kInsufficient);
        QCOMPARE(r.text("Form27.Label6"), formula);
    }
    QCOMPARE(texts(r, "Form27", kResults), shown);
}

QTEST_MAIN(TestPolyhedra)
#include "test_polyhedra.moc"
