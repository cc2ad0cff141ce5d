// The triangular right prism: one consistent solid through every case, the
// worked examples and the two typed values it recomputes.
#include "harness.h"

#include <cmath>

using namespace harness;
using script::Runner;

namespace {

const QStringList kChecks = { "Check1", "Check2", "Check3", "Check4", "Check5",
                              "Check6", "Check7", "Check8", "Check9" };
const Screen kPrism{ "Form15", "Command4", kChecks };

// The quantities in the order of the result labels Label4(0) to Label4(8).
const QStringList kSymbols = { "s", "h", "h1", "P", "AB", "AL", "AT", "V", "a" };
const QStringList kResults = { "Label4(0)", "Label4(1)", "Label4(2)", "Label4(3)", "Label4(4)",
                               "Label4(5)", "Label4(6)", "Label4(7)", "Label4(8)" };

QString tickOf(const QString &symbol)
{
    return kChecks[kSymbols.indexOf(symbol)];
}

} // namespace

class TestPrismTriangular : public QObject {
    Q_OBJECT
private slots:
    void everyCaseGivesTheSamePrism_data();
    void everyCaseGivesTheSamePrism();
    void examples_data();
    void examples();
};

void TestPrismTriangular::everyCaseGivesTheSamePrism_data()
{
    QTest::addColumn<QStringList>("known"); // in prompt order
    const QList<QStringList> cases = {
        { "s", "h" },   { "h1", "h" }, { "AB", "h" }, { "P", "h" },   { "AL", "h" }, { "V", "h" },
        { "a", "h" },   { "AL", "s" }, { "AL", "a" }, { "AL", "h1" }, { "AL", "P" }, { "AL", "AB" },
        { "AL", "AT" }, { "s", "AT" }, { "a", "AT" }, { "h1", "AT" }, { "P", "AT" }, { "AB", "AT" },
        { "s", "V" },   { "a", "V" },  { "h1", "V" }, { "P", "V" },   { "AB", "V" },
    };
    for (const auto &c : cases)
        QTest::newRow(qPrintable(c.join(' '))) << c;
}

void TestPrismTriangular::everyCaseGivesTheSamePrism()
{
    QFETCH(QStringList, known);
    const double s = 1.7, h = 2.3;
    QMap<QString, double> q;
    q["s"] = s;
    q["h"] = h;
    q["h1"] = s * std::sqrt(3.0) / 2;
    q["P"] = 3 * s;
    q["AB"] = s * q["h1"] / 2;
    q["AL"] = q["P"] * h;
    q["AT"] = q["AL"] + 2 * q["AB"];
    q["V"] = q["AB"] * h;
    q["a"] = 0.289 * s;

    Runner r;
    calculate(r, kPrism, { tickOf(known[0]), tickOf(known[1]) },
              numbers({ q[known[0]], q[known[1]] }));
    QCOMPARE(prompts(r).size(), 2);
    QVERIFY(!r.text("Form15.Label6").isEmpty());
    const auto shown = texts(r, "Form15", kResults);
    for (int i = 0; i < kSymbols.size(); ++i)
        QVERIFY2(near(shown[i], q[kSymbols[i]], 1e-9),
                 qPrintable(kSymbols[i] + " shows " + shown[i]));
}

void TestPrismTriangular::examples_data()
{
    QTest::addColumn<QStringList>("known");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("shown"); // s h h1 P AB AL AT V a

    QTest::newRow("s 2 h 3") << QStringList{ "s", "h" } << QStringList{ "2", "3" }
                             << QStringList{ "2",
                                             "3",
                                             "1,73205080756888",
                                             "6",
                                             "1,73205080756888",
                                             "18",
                                             "21,4641016151378",
                                             "5,19615242270663",
                                             "0,578" };
    QTest::newRow("V 6,0 h 3, V recomputed")
        << QStringList{ "V", "h" } << QStringList{ "6,0", "3" }
        << QStringList{ "2,14913986364708", "3", "1,8612097182042",
                        "6,44741959094125", "2", "19,3422587728238",
                        "23,3422587728238", "6", "0,621101420594007" };
    QTest::newRow("h1 recomputed") << QStringList{ "AL", "h1" } << QStringList{ "18", "1,50" }
                                   << QStringList{ "1,73205080756888",
                                                   "3,46410161513775",
                                                   "1,5",
                                                   "5,19615242270663",
                                                   "1,29903810567666",
                                                   "18",
                                                   "20,5980762113533",
                                                   "4,5",
                                                   "0,500562683387406" };
    QTest::newRow("three ticks take s and h")
        << QStringList{ "s", "h", "h1" } << QStringList{ "2", "3", "99" }
        << QStringList{ "2",
                        "3",
                        "1,73205080756888",
                        "6",
                        "1,73205080756888",
                        "18",
                        "21,4641016151378",
                        "5,19615242270663",
                        "0,578" };
}

void TestPrismTriangular::examples()
{
    QFETCH(QStringList, known);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, shown);
    QStringList ticks;
    for (const auto &k : known)
        ticks << tickOf(k);
    Runner r("it_IT");
    calculate(r, kPrism, ticks, typed(answers));
    QCOMPARE(prompts(r).size(), 2);
    QCOMPARE(texts(r, "Form15", kResults), shown);
}

QTEST_MAIN(TestPrismTriangular)
#include "test_prism_triangular.moc"
