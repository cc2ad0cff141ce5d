// The regular right prisms of 4 to 12 sides: one consistent solid through
// every case of every screen, the worked examples, the side taken from the
// base diagonal and each screen's own formula texts.
#include "harness.h"

#include <cmath>

using namespace harness;
using script::Runner;

namespace {

enum class Base { Square, Pentagon, Hexagon, Polygon };
enum Sets { Shared = 1, SquareSet = 2, FullSet = 4, ShortSet = 8 };

struct PrismScreen {
    QString name, calcola;
    int n;
    double A, k; // area and apothem constants (unused on the square)
    Base base;
    int sets;
};

const QList<PrismScreen> kScreens = {
    { "Form16", "Command3", 4, 1, 0.5, Base::Square, Shared | SquareSet },
    { "Form17", "Command1", 5, 1.72, 0.688, Base::Pentagon, Shared | FullSet },
    { "Form18", "Command1", 6, 2.598, 0.866, Base::Hexagon, Shared | FullSet },
    { "Form19", "Command3", 7, 3.634, 1.038, Base::Polygon, Shared | ShortSet },
    { "Form20", "Command3", 8, 4.828, 1.207, Base::Polygon, Shared | ShortSet },
    { "Form21", "Command2", 9, 6.182, 1.374, Base::Polygon, Shared | ShortSet },
    { "Form22", "Command3", 10, 7.694, 1.539, Base::Polygon, Shared | ShortSet },
    { "Form23", "Command3", 11, 9.366, 1.703, Base::Polygon, Shared | ShortSet },
    { "Form25", "Command2", 12, 11.196, 1.866, Base::Polygon, Shared | ShortSet },
};

// The quantities in the order of the result labels Label3(0) to Label3(9).
const QStringList kSymbols = { "L", "a", "d", "h", "P", "D", "AB", "AL", "V", "AT" };
const QMap<QString, QString> kTick = { { "L", "Check1" },  { "a", "Check9" },  { "d", "Check10" },
                                       { "h", "Check2" },  { "P", "Check4" },  { "D", "Check11" },
                                       { "AB", "Check5" }, { "AL", "Check6" }, { "AT", "Check7" },
                                       { "V", "Check8" } };
const QStringList kAllChecks = kTick.values();

// The known quantities of every case, in prompt order, and the sets that have it.
const QList<QPair<QStringList, int>> kCases = {
    { { "L", "h" }, Shared },
    { { "AB", "h" }, Shared },
    { { "P", "h" }, Shared },
    { { "AL", "h" }, Shared },
    { { "V", "h" }, Shared },
    { { "a", "h" }, Shared },
    { { "AL", "L" }, Shared },
    { { "AL", "a" }, Shared },
    { { "AL", "P" }, Shared },
    { { "AL", "AB" }, Shared },
    { { "AL", "AT" }, Shared },
    { { "L", "AT" }, Shared },
    { { "a", "AT" }, Shared },
    { { "P", "AT" }, Shared },
    { { "AB", "AT" }, Shared },
    { { "L", "V" }, Shared },
    { { "a", "V" }, Shared },
    { { "P", "V" }, Shared },
    { { "AB", "V" }, Shared },
    { { "d", "V" }, SquareSet | FullSet },
    { { "d", "AT" }, SquareSet | FullSet },
    { { "L", "D" }, FullSet | ShortSet },
    { { "h", "D" }, FullSet | ShortSet },
    { { "d", "D" }, FullSet },
    { { "a", "D" }, FullSet | ShortSet },
    { { "P", "D" }, FullSet | ShortSet },
    { { "AB", "D" }, FullSet | ShortSet },
    { { "d", "h" }, FullSet },
    { { "d", "AL" }, FullSet },
};

// A prism of side 1.3 and height 2.1 worked out from the geometry of its base.
QMap<QString, double> solid(const PrismScreen &s, bool apothemDiagonal = false)
{
    const double L = 1.3, h = 2.1;
    QMap<QString, double> q;
    q["L"] = L;
    q["h"] = h;
    q["a"] = s.base == Base::Square ? L / 2 : s.k * L;
    q["P"] = s.n * L;
    q["AB"] = s.base == Base::Square ? L * L : q["P"] * q["a"] / 2;
    switch (s.base) {
    case Base::Square:
        q["d"] = L * std::sqrt(2.0);
        break;
    case Base::Pentagon:
        q["d"] = L * (1 + std::sqrt(5.0)) / 2;
        break;
    case Base::Hexagon:
        q["d"] = 2 * L;
        break;
    case Base::Polygon:
        q["d"] = std::hypot(L, 2 * q["a"]);
        break;
    }
    if (apothemDiagonal)
        q["d"] = std::hypot(L, 2 * q["a"]);
    q["D"] = std::hypot(h, q["d"]);
    q["AL"] = q["P"] * h;
    q["AT"] = q["AL"] + 2 * q["AB"];
    q["V"] = q["AB"] * h;
    return q;
}

int screenIndex(const QString &name)
{
    for (int i = 0; i < kScreens.size(); ++i)
        if (kScreens[i].name == name)
            return i;
    return -1;
}

Screen screenOf(const PrismScreen &s)
{
    return { s.name, s.calcola, kAllChecks };
}

QStringList resultLabels()
{
    QStringList out;
    for (int i = 0; i < 10; ++i)
        out << QString("Label3(%1)").arg(i);
    return out;
}

} // namespace

class TestPrisms : public QObject {
    Q_OBJECT
private slots:
    void everyCaseGivesTheSamePrism_data();
    void everyCaseGivesTheSamePrism();
    void examples_data();
    void examples();
    void sideFromTheBaseDiagonal_data();
    void sideFromTheBaseDiagonal();
    void pairsNoCaseTakes_data();
    void pairsNoCaseTakes();
    void diagonalAndVolumeWriteTheTextOfBaseAndVolume();
    void formulaTexts_data();
    void formulaTexts();
};

void TestPrisms::everyCaseGivesTheSamePrism_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QStringList>("known");
    for (int i = 0; i < kScreens.size(); ++i)
        for (const auto &[known, sets] : kCases)
            if (kScreens[i].sets & sets)
                QTest::newRow(qPrintable(kScreens[i].name + " " + known.join(' '))) << i << known;
}

void TestPrisms::everyCaseGivesTheSamePrism()
{
    QFETCH(int, screen);
    QFETCH(QStringList, known);
    const PrismScreen &s = kScreens[screen];
    // The hexagonal screen takes d from the apothem when P and h are known.
    const auto q = solid(s, s.base == Base::Hexagon && known == QStringList{ "P", "h" });
    // Where the area constant and n * k / 2 part in the last digit, a case that
    // goes through A lands on a slightly different prism.
    const double tolerance = std::fabs(s.A - s.n * s.k / 2) > 1e-12 ? 1e-3 : 1e-9;

    Runner r;
    calculate(r, screenOf(s), { kTick[known[0]], kTick[known[1]] },
              numbers({ q[known[0]], q[known[1]] }));
    QCOMPARE(prompts(r).size(), 2);
    QVERIFY(!r.text(s.name + ".Label6").isEmpty());
    const auto shown = texts(r, s.name, resultLabels());
    for (int i = 0; i < kSymbols.size(); ++i)
        QVERIFY2(near(shown[i], q[kSymbols[i]], tolerance),
                 qPrintable(kSymbols[i] + " shows " + shown[i] + ", expected "
                            + QString::number(q[kSymbols[i]], 'g', 15)));
}

void TestPrisms::examples_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("known");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("shown"); // L a d h P D AB AL V AT

    QTest::newRow("octagon L 1 h 1")
        << "Form20" << QStringList{ "L", "h" } << QStringList{ "1", "1" }
        << QStringList{ "1",     "1,207", "2,61292862512546",
                        "1",     "8",     "2,79774838039449",
                        "4,828", "8",     "4,828",
                        "17,656" };
    QTest::newRow("hexagon L 2 h 3")
        << "Form18" << QStringList{ "L", "h" } << QStringList{ "2", "3" }
        << QStringList{ "2", "1,732", "4", "3", "12", "5", "10,392", "36", "31,176", "56,784" };
    QTest::newRow("hexagon P 12 h 3, d from the apothem")
        << "Form18" << QStringList{ "P", "h" } << QStringList{ "12", "3" }
        << QStringList{ "2",      "1,732", "3,99991199903198", "3",     "12", "4,99992959950438",
                        "10,392", "36",    "31,176",           "56,784" };
    QTest::newRow("hexagon AL 36 h 3")
        << "Form18" << QStringList{ "AL", "h" } << QStringList{ "36", "3" }
        << QStringList{ "2", "1,732", "4", "3", "12", "5", "10,392", "36", "31,176", "56,784" };
    QTest::newRow("pentagon L 1 h 1")
        << "Form17" << QStringList{ "L", "h" } << QStringList{ "1", "1" }
        << QStringList{ "1",    "0,688", "1,61803398874989",
                        "1",    "5",     "1,90211303259031",
                        "1,72", "5",     "1,72",
                        "8,44" };
    QTest::newRow("square L 2 h 3")
        << "Form16" << QStringList{ "L", "h" } << QStringList{ "2", "3" }
        << QStringList{ "2",  "1", "2,82842712474619", "3", "8", "4,12310562561766", "4", "24",
                        "12", "32" };
    QTest::newRow("square V 8,50 recomputed")
        << "Form16" << QStringList{ "V", "h" } << QStringList{ "8,50", "2" }
        << QStringList{ "2,06155281280883",
                        "1,03077640640442",
                        "2,91547594742265",
                        "2",
                        "8,24621125123532",
                        "3,53553390593274",
                        "4,25",
                        "16,4924225024706",
                        "8,5",
                        "24,9924225024706" };
    QTest::newRow("dodecagon P 12 D 5")
        << "Form25" << QStringList{ "P", "D" } << QStringList{ "12", "5" }
        << QStringList{ "1", "1,866",  "3,8636542288357",  "3,17366916990413", "12",
                        "5", "11,196", "38,0840300388496", "35,5324000262467", "60,4760300388496" };
    // The side from the base diagonal: exactly the prism above.
    QTest::newRow("dodecagon h and D give L 1")
        << "Form25" << QStringList{ "h", "D" } << QStringList{ "3,17366916990413", "5" }
        << QStringList{ "1", "1,866",  "3,86365422883571", "3,17366916990413", "12",
                        "5", "11,196", "38,0840300388496", "35,5324000262467", "60,4760300388496" };
}

void TestPrisms::examples()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, known);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, shown);
    const auto s = *std::find_if(kScreens.begin(), kScreens.end(),
                                 [&](const PrismScreen &p) { return p.name == screen; });
    Runner r("it_IT");
    calculate(r, screenOf(s), { kTick[known[0]], kTick[known[1]] }, typed(answers));
    QCOMPARE(texts(r, screen, resultLabels()), shown);
}

void TestPrisms::sideFromTheBaseDiagonal_data()
{
    QTest::addColumn<int>("screen");
    for (int i = 0; i < kScreens.size(); ++i)
        if (kScreens[i].sets & ShortSet)
            QTest::newRow(qPrintable(kScreens[i].name)) << i;
}

// Height and prism diagonal of the prism of side 1 give back side 1 and the
// base, areas and volume of that prism, as known perimeter and diagonal do.
void TestPrisms::sideFromTheBaseDiagonal()
{
    QFETCH(int, screen);
    const PrismScreen &s = kScreens[screen];
    Runner r;
    calculate(r, screenOf(s), { kTick["P"], kTick["D"] }, typed({ QString::number(s.n), "5" }));
    const auto fromPerimeter = texts(r, s.name, resultLabels());
    calculate(r, screenOf(s), { kTick["h"], kTick["D"] }, typed({ fromPerimeter[3], "5" }));
    const auto fromHeight = texts(r, s.name, resultLabels());
    QVERIFY2(near(fromHeight[0], 1, 1e-13), qPrintable(fromHeight[0]));
    for (const auto &q : { "a", "P", "AB", "AL", "V", "AT" }) {
        const auto i = kSymbols.indexOf(q);
        QVERIFY2(near(fromHeight[i], fromPerimeter[i].toDouble(), 1e-13),
                 qPrintable(QString(q) + ": " + fromHeight[i] + " / " + fromPerimeter[i]));
    }
}

void TestPrisms::pairsNoCaseTakes_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QStringList>("known");
    QTest::newRow("square, side and prism diagonal") << 0 << QStringList{ "L", "D" };
    QTest::newRow("square, height and prism diagonal") << 0 << QStringList{ "h", "D" };
    QTest::newRow("octagon, both diagonals") << 4 << QStringList{ "d", "D" };
    QTest::newRow("heptagon, base diagonal and volume") << 3 << QStringList{ "d", "V" };
    QTest::newRow("dodecagon, base diagonal and height") << 8 << QStringList{ "d", "h" };
}

void TestPrisms::pairsNoCaseTakes()
{
    QFETCH(int, screen);
    QFETCH(QStringList, known);
    const PrismScreen &s = kScreens[screen];
    Runner r;
    calculate(r, screenOf(s), { "Check1", "Check2" }, typed({ "2", "3" }));
    calculate(r, screenOf(s), { kTick[known[0]], kTick[known[1]] }, typed({ "2", "3" }));
    QCOMPARE(r.dialogs().size(), 3);
    QCOMPARE(r.dialogs()[2].text, kInsufficient);
    for (const auto &t : texts(r, s.name, resultLabels()))
        QCOMPARE(t, QString());
}

// The square screen's (d, V) and the triangular prism's (a, V) repeat the
// formula text of the case before them.
void TestPrisms::diagonalAndVolumeWriteTheTextOfBaseAndVolume()
{
    struct Pair {
        Screen screen;
        QStringList first, second;
    };
    const QList<Pair> pairs = {
        { screenOf(kScreens[0]), { "Check5", "Check8" }, { "Check10", "Check8" } },
        { { "Form15",
            "Command4",
            { "Check1", "Check2", "Check3", "Check4", "Check5", "Check6", "Check7", "Check8",
              "Check9" } },
          { "Check1", "Check8" },
          { "Check9", "Check8" } },
    };
    for (const auto &p : pairs) {
        Runner r;
        calculate(r, p.screen, p.first, typed({ "2", "3" }));
        const QString first = r.text(p.screen.name + ".Label6");
        calculate(r, p.screen, { "Check1", "Check2" }, typed({ "2", "3" }));
        QVERIFY(r.text(p.screen.name + ".Label6") != first);
        calculate(r, p.screen, p.second, typed({ "2", "3" }));
        QCOMPARE(r.text(p.screen.name + ".Label6"), first);
    }
}

// The screens of seven to twelve sides write texts of one pattern, each with
// its own side count, its own constants and the decimal mark each text uses;
// some break the pattern (another screen's text, 8 sides on the enneagon).
void TestPrisms::formulaTexts_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QStringList>("known");
    QTest::addColumn<QString>("text");
    const auto row = [](const QString &screen, const QString &known, const QString &text) {
        QTest::newRow(qPrintable(screen + " " + known))
            << screenIndex(screen) << known.split(' ') << text;
    };
    row("Form19", "P h",
        "(L=P/7): a=L*1,038:  (AB=P*a/2): (AL=P*h): (AT=AL+2*AB): (V=AB*h): (d=SQR(L^2+4*a^2)): D=SQR(h^2+d^2)");
    row("Form19", "L V",
        "((AB=L^2*3,634) :(P=L*7): (h=V/AB): AL=P*h: (a=L*1.038): (AT=AL+2*AB): (d=SQR(L^2+4*a^2): D=SQR(h^2+d^2)");
    row("Form19", "a AT",
        "(L=a/1.038): (P=L*7): (AB=P*a/2): (AL=AT-2*AB): (h=AL/P): (V=AB*h):(d=SQR(L^2+4*a^2): D=SQR(h^2+d^2)");
    row("Form19", "P V",
        "(L=P/6): (a=L*0,866): (AB=P*a/2) : (h=V/AB): ( AL=P*h): (AT=AL+2*AB): d=L*2: D=SQR(h^2+d^2)");
    row("Form19", "AB D",
        "(L=SQR(AB/3.634): (a=L*1,038): (d=SQR(L^2+4*a^2) :(h=(SQR(D^2-d^2)): (P=L*7): ( AL=P*h): (AT=AL+2*AB): (V=AB*h)");
    row("Form20", "P h",
        "(L=P/8): a=L*1,207:  (AB=P*a/2): (AL=P*h): (AT=AL+2*AB): (V=AB*h): (d=SQR(L^2+4*a^2)): D=SQR(h^2+d^2)");
    row("Form20", "L V",
        "((AB=L^2*4,828) :(P=L*8): (h=V/AB): AL=P*h: (a=L*1.207): (AT=AL+2*AB): (d=SQR(L^2+4*a^2): D=SQR(h^2+d^2)");
    row("Form20", "V h",
        "(AB=V/h): (L=SQR(AB/4.828): (P=L*8): a=L*1,207:  (AL=P*h): (AT=AL+2*AB): (V=AB*h): (d=SQR(L^2+4*a^2)): D=SQR(h^2+d^2)");
    row("Form21", "P h",
        "(L=P/9): a=L*1,374:  (AB=P*a/2): (AL=P*h): (AT=AL+2*AB): (V=AB*h): (d=SQR(L^2+4*a^2)): D=SQR(h^2+d^2)");
    row("Form21", "L V",
        "((AB=L^2*6,182) :(P=L*9): (h=V/AB): AL=P*h: (a=L*1.374): (AT=AL+2*AB): (d=SQR(L^2+4*a^2): D=SQR(h^2+d^2)");
    row("Form21", "AB h",
        "(L=SQR(AB/6,182): (P=L*8): (AL=P*h): (AT=AL+2*AB): (V=AB*h): (a=l*1,374): (d=SQR(L^2+4*a^2)): D=SQR(h^2+d^2)");
    row("Form21", "AB V",
        "(L=SQR(AB/6.182)) : (P=L*9): (h=V/AB): ( AL=P*h): (a=L*1.374): (AT=AL+2*AB): d=L*2: D=SQR(h^2+d^2)");
    row("Form22", "L h",
        "(P=L*10): a=L*1,539): (AB=P*a/2): (AL=P*h): (AT=AL+2*AB): (V=AB*h):(d=SQR(L^2+4*a^2)): D=SQR(h^2+d^2)");
    row("Form22", "a AT",
        "(L=a/1.539): (P=L*10): (AB=P*a/2): (AL=AT-2*AB): (h=AL/P): (V=AB*h):(d=SQR(L^2+4*a^2): D=SQR(h^2+d^2)");
    row("Form22", "V h",
        "(AB=V/h): (L=SQR(AB/7.694): (P=L*10): a=L*1,539:  (AL=P*h): (AT=AL+2*AB): (V=AB*h): (d=SQR(L^2+4*a^2)): D=SQR(h^2+d^2)");
    row("Form22", "h D",
        "(d=(SQR(D^2-h^2)) : L=(SQR(d^2-4*a^2): (P=L*10): (a=L*1,539): (AB=P*h/2): ( AL=P*h): (AT=AL+2*AB): (V=AB*h)");
    row("Form23", "P h",
        "(L=P/11): a=L*1,703:  (AB=P*a/2): (AL=P*h): (AT=AL+2*AB): (V=AB*h): (d=SQR(L^2+4*a^2)): D=SQR(h^2+d^2)");
    row("Form23", "L V",
        "((AB=L^2*9,366) :(P=L*11): (h=V/AB): AL=P*h: (a=L*1.703): (AT=AL+2*AB): (d=SQR(L^2+4*a^2): D=SQR(h^2+d^2)");
    row("Form23", "AL AB",
        "(L=SQR(AB/9.366): (P=L*11): a=L*1,703: (h=AL/P): (AT=AL+2*AB): (V=AB*h) : (d=SQR(L^2+4*a^2)): D=SQR(h^2+d^2)");
    row("Form23", "h D",
        "(d=(SQR(D^2-h^2)) : L=(SQR(d^2-4*a^2): (P=L*11): (a=L*1,703): (AB=P*h/2): ( AL=P*h): (AT=AL+2*AB): (V=AB*h)");
    row("Form25", "P h",
        "(L=P/12): a=L*1,866:  (AB=P*a/2): (AL=P*h): (AT=AL+2*AB): (V=AB*h): (d=SQR(L^2+4*a^2)): D=SQR(h^2+d^2)");
    row("Form25", "L V",
        "((AB=L^2*11,196) :(P=L*12): (h=V/AB): AL=P*h: (a=L*1.866): (AT=AL+2*AB): (d=SQR(L^2+4*a^2): D=SQR(h^2+d^2)");
    row("Form25", "a AT",
        "(L=a/1.866): (P=L*12): (AB=P*a/2): (AL=AT-2*AB): (h=AL/P): (V=AB*h):(d=SQR(L^2+4*a^2): D=SQR(h^2+d^2)");
    row("Form25", "h D",
        "(d=(SQR(D^2-h^2)) : L=d/SQR(1+4*1,866^2): (P=L*12): a=L*1,866: (AB=P*a/2): ( AL=P*h): (AT=AL+2*AB): (V=AB*h)");
}

void TestPrisms::formulaTexts()
{
    QFETCH(int, screen);
    QFETCH(QStringList, known);
    QFETCH(QString, text);
    const PrismScreen &s = kScreens[screen];
    const auto q = solid(s);
    Runner r;
    calculate(r, screenOf(s), { kTick[known[0]], kTick[known[1]] },
              numbers({ q[known[0]], q[known[1]] }));
    QCOMPARE(prompts(r).size(), 2);
    QCOMPARE(r.text(s.name + ".Label6"), text);
}

QTEST_MAIN(TestPrisms)
#include "test_prisms.moc"
