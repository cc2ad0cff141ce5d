// The truncated cone: the case chain, every case on one frustum, the message,
// the failures and the way back to the menu.
#include "harness.h"
#include "worked.h"

#include <cmath>
#include <map>

using namespace harness;
using script::Runner;

namespace {

const Screen kFrustum{ "Form26", "Command4" };

// Result labels in the order r1, r2, h, a, A1, A2, C1, C2, AL, AT, V.
const QStringList kSymbols = { "r1", "r2", "h", "a", "A1", "A2", "C1", "C2", "AL", "AT", "V" };
QString resultLabel(int i)
{
    return QString("Form26.Label1(%1)").arg(14 + i);
}

const QString kFormula1 =
    "a = Sqr(h ^ 2 + (r1 - r2) ^ 2): A1 = r1 ^ 2 * 3.14: A2 = r2 ^ 2 * 3.14: C1 = 6.28 * r1: "
    "C2 = 6.28 * r2: AL = 3.14 * (r1 + r2) * a: AT = AL + a1 + a2: "
    "V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h";
const QString kFormula2 =
    " h = Sqr(a ^ 2 - (r1 - r2) ^ 2): A1 = r1 ^ 2 * 3.14: A2 = r2 ^ 2 * 3.14: C1 = 6.28 * r1: "
    "C2 = 6.28 * r2: AL = 3.14 * (r1 + r2) * a: AT = AL + a1 + a2: "
    "V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h";
const QString kFormula3 =
    " a = Sqr(h ^ 2 + (r1 - r2) ^ 2): A1 = r1 ^ 2 * 3.14: A2 = r2 ^ 2 * 3.14: r1 = C1/6.28 : "
    "C2 = 6.28 * r2: AL = 3.14 * (r1 + r2) * a: AT = AL + a1 + a2: "
    "V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h";
const QString kFormula7 =
    " r1 = Sqr(A1 / 3.14): a = Sqr(h ^ 2 + (r1 - r2) ^ 2): A1 = r1 ^ 2 * 3.14: "
    "A2 = r2 ^ 2 * 3.14: r2 = C2/6.28 : C2 = 6.28 * r2: AL = 3.14 * (r1 + r2) * a: "
    "AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h";
const QString kFormula21 =
    " r1 = Sqr(A1 / 3.14): r2 = Sqr(A2 / 3.14):h = 3 * V / (A1 + A2 + Sqr(a1 * a2)): "
    "a = Sqr(h ^ 2 + (r1 - r2) ^ 2): AL = 3.14 * (1 * r1 + 1 * r2) * a:  C1 = 6.28 * r1: "
    "C2 = 6.28 * r2";

const QString pR1 = "INTRODUCI IL RAGGIO (r1) =";
const QString pR2 = "INTRODUCI IL RAGGIO (r2) =";
const QString pH = "INTRODUCI L'ALTEZZA (h) =";
const QString pA = "INTRODUCI L'APOTEMA (a) =";
const QString pAL = "INTRODUCI L'AREA DELLA SUPERFICIE LATERALE (Al) =";
const QString pAT = "INTRODUCI L'AREA DELLA SUPERFICIE TOTALE (AT) =";
const QString pALt = "INTRODUCI L'AREA DELLA SUPERFICIE LATERALE (AL) =";
const QString pA1two = "INTRODUCI L'AREA DI BASE  (A1) =";
const QString pA2two = "INTRODUCI L'AREA DI BASE  (A2) =";

// The tick boxes Check1(i) for the indexes `indexes`.
QStringList boxes(const QList<int> &indexes)
{
    QStringList out;
    for (int i : indexes)
        out << QString("Check1(%1)").arg(i);
    return out;
}

void untickAll(Runner &r)
{
    for (int i = 0; i <= 10; ++i)
        r.untick(QString("Form26.Check1(%1)").arg(i));
}

// The quantities of one frustum worked out with the screen's constants.
std::map<QString, double> frustum(double r1, double r2, double h)
{
    const double a = std::sqrt(h * h + (r1 - r2) * (r1 - r2));
    const double A1 = r1 * r1 * 3.14, A2 = r2 * r2 * 3.14;
    const double AL = 3.14 * (r1 + r2) * a;
    return { { "r1", r1 },
             { "r2", r2 },
             { "h", h },
             { "a", a },
             { "A1", A1 },
             { "A2", A2 },
             { "C1", 6.28 * r1 },
             { "C2", 6.28 * r2 },
             { "AL", AL },
             { "AT", AL + A1 + A2 },
             { "V", 3.14 / 3 * (r1 * r1 + r1 * r2 + r2 * r2) * h } };
}

} // namespace

class TestTruncatedCone : public QObject {
    Q_OBJECT
private slots:
    void handCases_data();
    void handCases();
    void everyCaseGivesTheSameFrustum_data();
    void everyCaseGivesTheSameFrustum();
    void messageEmptiesResultsAndKeepsFormula();
    void failures_data();
    void failures();
    void returnKeepsTicksAndLabels();
    void solution_data();
    void solution();
};

void TestTruncatedCone::handCases_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QList<int>>("ticks");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("prompts");
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QStringList>("shown"); // r1 r2 h a A1 A2 C1 C2 AL AT V

    QTest::newRow("case 1, point")
        << "en_US" << QList<int>{ 0, 1, 2 } << QStringList{ "3", "1", "4" }
        << QStringList{ pR1, pR2, pH } << kFormula1
        << QStringList{ "3",
                        "1",
                        "4",
                        "4.47213595499958",
                        "28.26",
                        "3.14",
                        "18.84",
                        "6.28",
                        "56.1700275947947",
                        "87.5700275947947",
                        "54.4266666666667" };
    QTest::newRow("case 1, comma")
        << "it_IT" << QList<int>{ 0, 1, 2 } << QStringList{ "3", "1", "4" }
        << QStringList{ pR1, pR2, pH } << kFormula1
        << QStringList{ "3",
                        "1",
                        "4",
                        "4,47213595499958",
                        "28,26",
                        "3,14",
                        "18,84",
                        "6,28",
                        "56,1700275947947",
                        "87,5700275947947",
                        "54,4266666666667" };
    // The volume factor 1/3 * 3.14 comes first: 3.14 * (...) * h / 3 would end in 7.
    QTest::newRow("case 1, volume factor first")
        << "en_US" << QList<int>{ 0, 1, 2 } << QStringList{ "4", "9", "7" }
        << QStringList{ pR1, pR2, pH } << kFormula1
        << QStringList{ "4",
                        "9",
                        "7",
                        "8.60232526704263",
                        "50.24",
                        "254.34",
                        "25.12",
                        "56.52",
                        "351.14691740068",
                        "655.72691740068",
                        "974.446666666666" };
    QTest::newRow("apothem ticked too: case 1")
        << "en_US" << QList<int>{ 0, 1, 2, 5 } << QStringList{ "3", "1", "4" }
        << QStringList{ pR1, pR2, pH } << kFormula1
        << QStringList{ "3",
                        "1",
                        "4",
                        "4.47213595499958",
                        "28.26",
                        "3.14",
                        "18.84",
                        "6.28",
                        "56.1700275947947",
                        "87.5700275947947",
                        "54.4266666666667" };
    QTest::newRow("case 2") << "en_US" << QList<int>{ 0, 1, 5 } << QStringList{ "4", "1", "5" }
                            << QStringList{ pR1, pR2, pA } << kFormula2
                            << QStringList{ "4",     "1",    "4",    "5",      "50.24", "3.14",
                                            "25.12", "6.28", "78.5", "131.88", "87.92" };
    // A typed C1 is recomputed; a typed A1 is not.
    QTest::newRow("case 3 recomputes C1")
        << "en_US" << QList<int>{ 1, 2, 3 } << QStringList{ "18.840", "1", "4" }
        << QStringList{ "INTRODUCI LA CIRCONFERENZA C1 (C1) =", pR2, pH } << kFormula3
        << QStringList{ "3",
                        "1",
                        "4",
                        "4.47213595499958",
                        "28.26",
                        "3.14",
                        "18.84",
                        "6.28",
                        "56.1700275947947",
                        "87.5700275947947",
                        "54.4266666666667" };
    QTest::newRow("case 7 keeps A1 as typed")
        << "en_US" << QList<int>{ 6, 1, 2 } << QStringList{ "28.260", "1", "4" }
        << QStringList{ "INTRODUCI L'AREA DI BASE 1 (A1) =", pR2, pH } << kFormula7
        << QStringList{ "3",
                        "1",
                        "4",
                        "4.47213595499958",
                        "28.260",
                        "3.14",
                        "18.84",
                        "6.28",
                        "56.1700275947947",
                        "87.5700275947947",
                        "54.4266666666667" };
    // Case 21 keeps V as typed and must add the typed areas as numbers:
    // joined as text, 16 and 4 would give h = 84 / 172 instead of 3.
    QTest::newRow("case 21, typed areas added")
        << "en_US" << QList<int>{ 10, 6, 7 } << QStringList{ "28", "16", "4" }
        << QStringList{ "INTRODUCI IL VOLUME (V) =", "INTRODUCI L'AREA DI BASE (A1) =", pA2two }
        << kFormula21
        << QStringList{ "2.2573305919324",
                        "1.1286652959662",
                        "3",
                        "3.20529021311932",
                        "16",
                        "4",
                        "14.1760361173355",
                        "7.08801805866774",
                        "34.078732370791",
                        "54.078732370791",
                        "28" };
    QTest::newRow("case 21 gives back case 1")
        << "it_IT" << QList<int>{ 10, 6, 7 } << QStringList{ "54,4266666666667", "28,26", "3,14" }
        << QStringList{ "INTRODUCI IL VOLUME (V) =", "INTRODUCI L'AREA DI BASE (A1) =", pA2two }
        << kFormula21
        << QStringList{ "3",
                        "1",
                        "4",
                        "4,47213595499958",
                        "28,26",
                        "3,14",
                        "18,84",
                        "6,28",
                        "56,1700275947947",
                        "87,5700275947948",
                        "54,4266666666667" };
}

void TestTruncatedCone::handCases()
{
    QFETCH(QString, locale);
    QFETCH(QList<int>, ticks);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, prompts);
    QFETCH(QString, formula);
    QFETCH(QStringList, shown);

    Runner r(locale);
    calculate(r, kFrustum, boxes(ticks), typed(answers));
    QCOMPARE(r.dialogs().size(), prompts.size());
    QCOMPARE(harness::prompts(r), prompts);
    QCOMPARE(r.text("Form26.Label2"), formula);
    for (int i = 0; i < kSymbols.size(); ++i)
        QVERIFY2(r.text(resultLabel(i)) == shown[i],
                 qPrintable(kSymbols[i] + ": " + r.text(resultLabel(i))));
}

void TestTruncatedCone::everyCaseGivesTheSameFrustum_data()
{
    QTest::addColumn<QList<int>>("ticks");
    QTest::addColumn<QStringList>("asked");   // the quantities answered, in order
    QTest::addColumn<QStringList>("prompts"); // empty: the message, no prompt

    const QString pC1 = "INTRODUCI LA CIRCONFERENZA C1 (C1) =";
    const QString pC2 = "INTRODUCI LA CIRCONFERENZA C2 (C2) =";
    const QString pA1 = "INTRODUCI L'AREA DI BASE 1 (A1) =";
    const QString pA2 = "INTRODUCI L'AREA DI BASE 2 (A2) =";
    auto row = [](const char *name, QList<int> ticks, QStringList asked, QStringList prompts) {
        QTest::newRow(name) << ticks << asked << prompts;
    };
    row("1 r1 r2 h", { 0, 1, 2 }, { "r1", "r2", "h" }, { pR1, pR2, pH });
    row("2 r1 r2 a", { 0, 1, 5 }, { "r1", "r2", "a" }, { pR1, pR2, pA });
    row("3 r2 h C1", { 1, 2, 3 }, { "C1", "r2", "h" }, { pC1, pR2, pH });
    row("4 r2 C1 a", { 1, 3, 5 }, { "C1", "r2", "a" }, { pC1, pR2, pA });
    row("5 C2 r1 a", { 4, 0, 5 }, { "C2", "r1", "a" }, { pC2, pR1, pA });
    row("6 C2 r1 h", { 4, 0, 2 }, { "C2", "r1", "h" }, { pC2, pR1, pH });
    row("7 A1 r2 h", { 6, 1, 2 }, { "A1", "r2", "h" }, { pA1, pR2, pH });
    row("8 A1 r2 a", { 6, 1, 5 }, { "A1", "r2", "a" }, { pA1, pR2, pA });
    row("9 A2 r1 h", { 7, 0, 2 }, { "A2", "r1", "h" }, { pA2, pR1, pH });
    row("10 AL r1 r2", { 8, 0, 1 }, { "AL", "r1", "r2" },
        { "INTRODUCI L'AREA DELLA SUPERFICIE LATERALE  (AL) =", "INTRODUCI IL RAGGIO 1(r1) =",
          "INTRODUCI IL RAGGIO 2 (r2) =" });
    row("11 A2 r1 a", { 7, 0, 5 }, { "A2", "r1", "a" }, { pA2, pR1, pA });
    row("12 AL C1 r2", { 8, 3, 1 }, { "AL", "C1", "r2" },
        { pAL, "INTRODUCI LA CIRCONFERENZA (C1) =", pR2 });
    row("13 AL C2 r1", { 8, 4, 0 }, { "AL", "C2", "r1" },
        { pAL, "INTRODUCI LA CIRCONFERENZA (C2) =", pR1 });
    row("14 AL A1 r2", { 8, 6, 1 }, { "AL", "A1", "r2" }, { pAL, pA1two, pR2 });
    row("15 AL A2 r1", { 8, 7, 0 }, { "AL", "A2", "r1" }, { pAL, pA2two, pR1 });
    row("16 AL A2 A1", { 8, 7, 6 }, { "AL", "A2", "A1" }, { pAL, pA2two, pA1two });
    row("17 AT A2 A1", { 9, 7, 6 }, { "AT", "A2", "A1" }, { pAT, pA2two, pA1two });
    row("18 AT AL A1", { 9, 8, 6 }, { "AT", "AL", "A1" }, { pAT, pALt, pA1two });
    row("19 AT AL A2", { 9, 8, 7 }, { "AT", "AL", "A2" }, { pAT, pALt, pA2two });
    row("20 A1 A2 h", { 6, 7, 2 }, { "A1", "A2", "h" },
        { "INTRODUCI L'AREA DI BASE (A1) =", "INTRODUCI L'AREA DI BASE (A2) =",
          "INTRODUCI L'ALTEZZA  (h) =" });
    row("21 V A1 A2", { 10, 6, 7 }, { "V", "A1", "A2" },
        { "INTRODUCI IL VOLUME (V) =", "INTRODUCI L'AREA DI BASE (A1) =", pA2two });

    // More than three ticks: the first case whose three boxes are ticked.
    row("all ticked: case 1", { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 }, { "r1", "r2", "h" },
        { pR1, pR2, pH });
    row("A1 A2 h V: case 20 before 21", { 10, 6, 7, 2 }, { "A1", "A2", "h" },
        { "INTRODUCI L'AREA DI BASE (A1) =", "INTRODUCI L'AREA DI BASE (A2) =",
          "INTRODUCI L'ALTEZZA  (h) =" });
    row("AL AT A1 A2: case 16 before 17-19", { 9, 8, 7, 6 }, { "AL", "A2", "A1" },
        { pAL, pA2two, pA1two });
    row("r2 h C1 a: case 3 before 4", { 5, 3, 2, 1 }, { "C1", "r2", "h" }, { pC1, pR2, pH });

    // No case fits.
    row("nothing ticked", {}, {}, {});
    row("two ticks", { 0, 1 }, {}, {});
    row("r1 r2 C1", { 0, 1, 3 }, {}, {});
    row("r1 h a", { 0, 2, 5 }, {}, {});
    row("C1 C2 h", { 3, 4, 2 }, {}, {});
    row("V A1 h", { 10, 6, 2 }, {}, {});
    row("AT AL V", { 9, 8, 10 }, {}, {});
    row("V alone with areas missing", { 10, 0, 1 }, {}, {});
}

void TestTruncatedCone::everyCaseGivesTheSameFrustum()
{
    QFETCH(QList<int>, ticks);
    QFETCH(QStringList, asked);
    QFETCH(QStringList, prompts);

    const auto known = frustum(3.2, 1.4, 2.7);
    QList<double> values;
    for (const auto &q : asked)
        values << known.at(q);

    Runner r;
    calculate(r, kFrustum, boxes(ticks), numbers(values));
    QCOMPARE(harness::prompts(r), prompts);
    if (prompts.isEmpty()) {
        QCOMPARE(r.dialogs().size(), 1);
        QCOMPARE(r.dialogs()[0].kind, QString("message"));
        QCOMPARE(r.dialogs()[0].text, kInsufficient);
        for (int i = 0; i < kSymbols.size(); ++i)
            QCOMPARE(r.text(resultLabel(i)), QString());
        QCOMPARE(r.text("Form26.Label2"), QString());
        return;
    }
    QCOMPARE(r.dialogs().size(), 3);
    for (int i = 0; i < kSymbols.size(); ++i)
        QVERIFY2(near(r.text(resultLabel(i)), known.at(kSymbols[i])),
                 qPrintable(kSymbols[i] + ": " + r.text(resultLabel(i))));
    QVERIFY(!r.text("Form26.Label2").isEmpty());
}

void TestTruncatedCone::messageEmptiesResultsAndKeepsFormula()
{
    Runner r("it_IT");
    calculate(r, kFrustum, boxes({ 0, 1, 5 }), { QString("4"), QString("1"), QString("5") });
    QCOMPARE(r.text("Form26.Label1(16)"), QString("4"));

    r.untick("Form26.Check1(5)");
    r.tick("Form26.Check1(3)"); // r1, r2, C1: no case
    r.click("Form26.Command4");
    QCOMPARE(r.dialogs().size(), 4);
    QCOMPARE(r.dialogs()[3].kind, QString("message"));
    QCOMPARE(r.dialogs()[3].title, QString("CORPIMETRO"));
    QCOMPARE(r.dialogs()[3].text, kInsufficient);
    for (int i = 0; i < kSymbols.size(); ++i)
        QCOMPARE(r.text(resultLabel(i)), QString());
    QCOMPARE(r.text("Form26.Label2"), kFormula2);
    QVERIFY(r.checked("Form26.Check1(3)"));

    // Ticking again and retrying works.
    r.tick("Form26.Check1(2)");
    r.answers({ QString("3"), QString("1"), QString("4") });
    r.click("Form26.Command4");
    QCOMPARE(r.text("Form26.Label1(17)"), QString("4,47213595499958"));
    QCOMPARE(r.text("Form26.Label2"), kFormula1);
}

void TestTruncatedCone::failures_data()
{
    QTest::addColumn<QList<int>>("ticks");
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<QString>("failure");

    QTest::newRow("apothem shorter than r1 - r2")
        << QList<int>{ 0, 1, 5 } << Answers{ QString("4"), QString("1"), QString("2") }
        << "invalid argument";
    QTest::newRow("apothem shorter, r1 from C1")
        << QList<int>{ 1, 3, 5 } << Answers{ QString("25.12"), QString("1"), QString("1") }
        << "invalid argument";
    QTest::newRow("negative base area")
        << QList<int>{ 6, 1, 2 } << Answers{ QString("-3"), QString("1"), QString("4") }
        << "invalid argument";
    QTest::newRow("case 18, derived A2 negative")
        << QList<int>{ 9, 8, 6 } << Answers{ QString("10"), QString("20"), QString("1") }
        << "invalid argument";
    QTest::newRow("case 19, derived A1 negative")
        << QList<int>{ 9, 8, 7 } << Answers{ QString("10"), QString("20"), QString("1") }
        << "invalid argument";
    // Typed radii 2 and -2: added as numbers they give 0; joined they would
    // give the text "2-2" and a type mismatch instead.
    QTest::newRow("typed r1 + r2 = 0")
        << QList<int>{ 8, 0, 1 } << Answers{ QString("5"), QString("2"), QString("-2") }
        << "division by zero";
    QTest::newRow("r1 from C1, r1 + r2 = 0")
        << QList<int>{ 8, 3, 1 } << Answers{ QString("5"), QString("6.28"), QString("-1") }
        << "division by zero";
    QTest::newRow("r1 + r2 = 0 and AL = 0")
        << QList<int>{ 8, 0, 1 } << Answers{ QString("0"), QString("2"), QString("-2") }
        << "overflow";
    QTest::newRow("r2 cancelled") << QList<int>{ 0, 1, 2 }
                                  << Answers{ QString("3"), std::nullopt, QString("4") }
                                  << "type mismatch";
    QTest::newRow("h empty") << QList<int>{ 0, 1, 2 }
                             << Answers{ QString("3"), QString("1"), QString("") }
                             << "type mismatch";
    QTest::newRow("V not a number")
        << QList<int>{ 10, 6, 7 } << Answers{ QString("molto"), QString("16"), QString("4") }
        << "type mismatch";
}

void TestTruncatedCone::failures()
{
    QFETCH(QList<int>, ticks);
    QFETCH(Answers, answers);
    QFETCH(QString, failure);

    Runner r;
    // A first good calculation, so that stale numbers would show.
    calculate(r, kFrustum, boxes({ 0, 1, 2 }), { QString("3"), QString("1"), QString("4") });
    QCOMPARE(r.text("Form26.Label1(24)"), QString("54.4266666666667"));
    untickAll(r);
    const int before = r.dialogs().size();
    calculate(r, kFrustum, boxes(ticks), answers);

    QCOMPARE(r.dialogs().size(), before + 4);
    for (int i = before; i < before + 3; ++i)
        QCOMPARE(r.dialogs()[i].kind, QString("prompt"));
    const auto &error = r.dialogs().last();
    QCOMPARE(error.kind, QString("error"));
    QCOMPARE(error.title, QString("CORPIMETRO"));
    QCOMPARE(error.failure, failure);
    for (int i = 0; i < kSymbols.size(); ++i)
        QCOMPARE(r.text(resultLabel(i)), QString());
    // The formula text is written only after a case's steps have all worked.
    QCOMPARE(r.text("Form26.Label2"), kFormula1);
    QVERIFY(r.visible("Form26"));

    // The screen stays usable.
    untickAll(r);
    calculate(r, kFrustum, boxes({ 0, 1, 5 }), { QString("4"), QString("1"), QString("5") });
    QCOMPARE(r.text("Form26.Label1(16)"), QString("4"));
    QCOMPARE(r.text("Form26.Label2"), kFormula2);
}

void TestTruncatedCone::returnKeepsTicksAndLabels()
{
    Runner r;
    r.show("Form1");
    r.click("Form1.Command11");
    QVERIFY(r.visible("Form26"));
    calculate(r, kFrustum, boxes({ 0, 1, 2 }), { QString("3"), QString("1"), QString("4") });
    r.click("Form26.Command2");
    QVERIFY(r.visible("Form1"));
    QVERIFY(!r.visible("Form26"));

    r.click("Form1.Command11");
    QVERIFY(r.visible("Form26"));
    QVERIFY(r.checked("Form26.Check1(0)"));
    QVERIFY(r.checked("Form26.Check1(2)"));
    QVERIFY(!r.checked("Form26.Check1(5)"));
    QCOMPARE(r.text("Form26.Label1(22)"), QString("56.1700275947947"));
    QCOMPARE(r.text("Form26.Label2"), kFormula1);
}

// The worked solution: each case's steps in the order computed, with the
// screen's symbols; the factors 1 that keep typed values numeric stay written.
void TestTruncatedCone::solution_data()
{
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QStringList>("expected"); // in this order

    QTest::newRow("two radii and height")
        << QStringList{ "Check1(0)", "Check1(1)", "Check1(2)" } << QStringList{ "5", "2", "4" }
        << ","
        << QStringList{
               "Dati:",
               "r1 = 5",
               "r2 = 2",
               "h = 4",
               "Calcoli:",
               "a = √(h² + (r1 − r2)²) = √(4² + (5 − 2)²) = 5",
               "3,14 ≈ π",
               "A1 = 3,14 · r1² = 3,14 · 5² = 78,5",
               "A2 = 3,14 · r2² = 3,14 · 2² = 12,56",
               "6,28 ≈ 2π",
               "C1 = 6,28 · r1 = 6,28 · 5 = 31,4",
               "C2 = 6,28 · r2 = 6,28 · 2 = 12,56",
               "AL = 3,14 · r1 · a + 3,14 · r2 · a = 3,14 · 5 · 5 + 3,14 · 2 · 5 = 109,9",
               "AT = AL + A1 + A2 = 109,9 + 78,5 + 12,56 = 200,96",
               "V = 1/3 · 3,14 · (r1² + r1 · r2 + r2²) · h = 1/3 · 3,14 · (5² + 5 · 2 + 2²) · 4 = 163,28"
           };
    QTest::newRow("lateral area and two radii")
        << QStringList{ "Check1(8)", "Check1(0)", "Check1(1)" } << QStringList{ "109,9", "5", "2" }
        << ","
        << QStringList{ "AL = 109,9", "a = AL / (3,14 · (r1 + r2)) = 109,9 / (3,14 · (5 + 2)) = 5",
                        "h = √(a² − (r1 − r2)²) = √(5² − (5 − 2)²) = 4" };
    QTest::newRow("total area and both bases")
        << QStringList{ "Check1(9)", "Check1(7)", "Check1(6)" }
        << QStringList{ "200.96", "12.56", "78.5" } << "."
        << QStringList{ "r2 = √(A2 / 3.14) = √(12.56 / 3.14) = 2",
                        "r1 = √(A1 / 3.14) = √(78.5 / 3.14) = 5",
                        "AL = AT − A1 − A2 = 200.96 − 78.5 − 12.56 = 109.9" };
    QTest::newRow("circumference, radius and apothem")
        << QStringList{ "Check1(4)", "Check1(0)", "Check1(5)" } << QStringList{ "12,56", "5", "5" }
        << ","
        << QStringList{ "r2 = C2 / 6,28 = 12,56 / 6,28 = 2",
                        "h = √(a² − (r1 − r2)²) = √(5² − (5 − 2)²) = 4",
                        "Verifica: C2 = 6,28 · r2 = 6,28 · 2 = 12,56, come il dato." };
    QTest::newRow("volume and both bases")
        << QStringList{ "Check1(10)", "Check1(6)", "Check1(7)" }
        << QStringList{ "163,28", "78,5", "12,56" } << ","
        << QStringList{
               "h = 3 · V / (A1 + A2 + √(A1 · A2)) = 3 · 163,28 / (78,5 + 12,56 + √(78,5 · 12,56)) = 4",
               "AL = 3,14 · (r1 + r2) · a = 3,14 · (5 + 2) · 5 = 109,9"
           };
}

void TestTruncatedCone::solution()
{
    QFETCH(QStringList, ticks);
    QFETCH(QStringList, answers);
    QFETCH(QString, decimal);
    QFETCH(QStringList, expected);
    const QString missing =
        worked::missingInOrder(worked::solution("Form26", ticks, answers, decimal), expected);
    QVERIFY2(missing.isEmpty(), qPrintable(missing));
}

QTEST_MAIN(TestTruncatedCone)
#include "test_truncated_cone.moc"
