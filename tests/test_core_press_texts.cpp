// The texts a press writes besides its values, in the order it writes them:
// the formula texts go to the formula labels the description lists, and a
// row's pressCaption goes to its caption label just before the row's value.
#include "solver/screen.h"

#include <QTest>

using namespace solver;

namespace {

class WritingHost : public Host {
public:
    QStringList writes; // "control=text", in order

    bool ticked(const std::string &) const override { return false; }
    std::string prompt(const std::string &, const std::string &) override { return "2"; }
    void message(const std::string &) override {}
    void setText(const std::string &control, const std::string &text) override
    {
        writes << QString::fromStdString(control + "=" + text);
    }
    void failure(const CalcError &) override {}
    NumberFormat numberFormat() const override { return NumberFormat::comma(); }
};

SolverScreen screen(std::vector<std::string> formulaLabels, Steps steps)
{
    SolverScreen s{ .name = "Form99", .caption = {}, .parent = {} };
    s.rows = { { "Cap1", "", "Res1", "r", " RAGGIO R=" }, { "Cap2", "Altezza =", "Res2", "h" } };
    s.formulaLabels = std::move(formulaLabels);
    s.solvers = { { .name = "Command1", .steps = std::move(steps) } };
    return s;
}

} // namespace

Q_DECLARE_METATYPE(solver::Steps)

class TestCorePressTexts : public QObject {
    Q_OBJECT
private slots:
    void writes_data();
    void writes();
    void formulaCountMustMatch_data();
    void formulaCountMustMatch();
};

void TestCorePressTexts::writes_data()
{
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("one formula label, then the rows") << QStringList{ "F" } << Steps([](Calc &c) {
        Quantity r(c, "r"), h(c, "h");
        r = c.ask("R =");
        c.formula("(h=2*r)");
        h = r * 2;
        c.show("h", h);
        c.show("r", r);
    }) << QStringList{ "F=(h=2*r)", "Res2=4", "Cap1= RAGGIO R=", "Res1=2" };
    QTest::newRow("two formula labels in the described order")
        << QStringList{ "F1", "F0" } << Steps([](Calc &c) {
               c.formulas({ "prima", "seconda" });
               c.show("r", Value(1.5));
           })
        << QStringList{ "F1=prima", "F0=seconda", "Cap1= RAGGIO R=", "Res1=1,5" };
    QTest::newRow("the caption each time the row is written")
        << QStringList{ "F" } << Steps([](Calc &c) {
               c.show("r", Value());
               c.show("r", Value(3));
           })
        << QStringList{ "Cap1= RAGGIO R=", "Res1=", "Cap1= RAGGIO R=", "Res1=3" };
}

void TestCorePressTexts::writes()
{
    QFETCH(QStringList, labels);
    QFETCH(Steps, steps);
    QFETCH(QStringList, expected);
    std::vector<std::string> names;
    for (const auto &l : labels)
        names.push_back(l.toStdString());
    const SolverScreen s = screen(names, steps);
    WritingHost host;
    runCalcola(host, s, s.solvers.front());
    QCOMPARE(host.writes, expected);
}

void TestCorePressTexts::formulaCountMustMatch_data()
{
    QTest::addColumn<int>("labels");
    QTest::addColumn<int>("texts");
    QTest::newRow("one text, two labels") << 2 << 1;
    QTest::newRow("two texts, one label") << 1 << 2;
    QTest::newRow("a text, no label") << 0 << 1;
}

// A calculation whose texts do not fit the described labels is a programming
// error, and nothing is written.
void TestCorePressTexts::formulaCountMustMatch()
{
    QFETCH(int, labels);
    QFETCH(int, texts);
    std::vector<std::string> names;
    for (int i = 0; i < labels; ++i)
        names.push_back("F" + std::to_string(i));
    const SolverScreen s = screen(names, [texts](Calc &c) {
        if (texts == 1)
            c.formula("uno");
        else
            c.formulas({ "uno", "due" });
    });
    WritingHost host;
    QVERIFY_THROWS_EXCEPTION(UndeclaredControl, runCalcola(host, s, s.solvers.front()));
    QVERIFY(host.writes.isEmpty());
}

QTEST_GUILESS_MAIN(TestCorePressTexts)
#include "test_core_press_texts.moc"
