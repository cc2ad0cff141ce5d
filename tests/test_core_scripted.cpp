// The scripted host: what a prompt past the queued answers gets, and the
// record of a press it keeps (events in order, last texts, worked solution).
#include "solver/screen.h"
#include "solver/scripted.h"

#include <QTest>

#include <algorithm>

using solver::PressEvent;
using solver::ScriptedHost;

Q_DECLARE_METATYPE(ScriptedHost::WhenOut)

namespace {

// A screen with one tick box, two prompts and one result: the product of the
// two answers, shown in R (a sum of two typed texts would join them).
solver::SolverScreen adder()
{
    solver::SolverScreen screen{ .name = "Test",
                                 .caption = {},
                                 .parent = {},
                                 .checks = { { "Check1", "Dati (a, b)", "a" } },
                                 .formulaLabels = { "F" } };
    screen.rows.push_back({ "Rcaption", "Prodotto =", "R", "s" });
    screen.solvers = { { .name = "Command1", .steps = [](solver::Calc &c) {
                            solver::Quantity a(c, "a"), b(c, "b"), s(c, "s");
                            if (c.given({ "a" })) {
                                a = c.ask("INTRODUCI A =");
                                b = c.ask("INTRODUCI B =");
                                c.formula("s = a * b");
                            } else {
                                c.insufficient();
                            }
                            s = a * b;
                            c.show("s", s);
                        } } };
    return screen;
}

} // namespace

class TestCoreScripted : public QObject {
    Q_OBJECT
private slots:
    void pastTheAnswers_data();
    void pastTheAnswers();
    void insufficient();
};

void TestCoreScripted::pastTheAnswers_data()
{
    QTest::addColumn<ScriptedHost::WhenOut>("whenOut");
    QTest::addColumn<QStringList>("answers"); // "<cancel>" for Cancel
    QTest::addColumn<QStringList>("events");  // "kind control|text"
    QTest::addColumn<bool>("stopped");
    QTest::addColumn<bool>("solved");

    const QString a = "prompt|INTRODUCI A =", b = "prompt|INTRODUCI B =";
    const QString formula = "set F|s = a * b";
    const QString missing = "failure|Impossibile calcolare: manca un valore (la risposta è "
                            "vuota oppure è stata annullata).";
    using W = ScriptedHost::WhenOut;
    QTest::newRow("both answered") << W::Stop << QStringList{ "2", "3,5" }
                                   << QStringList{ a, b, formula, "set R|7" } << false << true;
    QTest::newRow("cancel past the answers")
        << W::Cancel << QStringList{ "2" } << QStringList{ a, b, formula, "set R|", missing }
        << false << true;
    QTest::newRow("a queued Cancel")
        << W::Repeat << QStringList{ "2", "<cancel>" }
        << QStringList{ a, b, formula, "set R|", missing } << false << true;
    QTest::newRow("repeat from the first answer")
        << W::Repeat << QStringList{ "2" } << QStringList{ a, b, formula, "set R|4" } << false
        << true;
    QTest::newRow("stop at the second prompt")
        << W::Stop << QStringList{ "2" } << QStringList{ a, b } << true << false;
    QTest::newRow("stop at the first prompt")
        << W::Stop << QStringList{} << QStringList{ a } << true << false;
}

void TestCoreScripted::pastTheAnswers()
{
    QFETCH(ScriptedHost::WhenOut, whenOut);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, events);
    QFETCH(bool, stopped);
    QFETCH(bool, solved);

    const solver::SolverScreen screen = adder();
    ScriptedHost host(solver::NumberFormat::comma(), whenOut);
    host.ticks.insert("Check1");
    for (const auto &answer : answers)
        host.answers.push_back(answer == "<cancel>" ? ScriptedHost::Answer()
                                                    : ScriptedHost::Answer(answer.toStdString()));
    host.texts["R"] = "old";
    host.press(screen, screen.solvers.front());

    QStringList got;
    for (const auto &e : host.events) {
        static const char *const kinds[] = { "prompt", "message", "set", "failure" };
        QString head = kinds[int(e.kind)];
        if (e.kind == PressEvent::Kind::Set)
            head += " " + QString::fromStdString(e.control);
        got << head + "|" + QString::fromStdString(e.text);
    }
    QCOMPARE(got, events);
    QCOMPARE(host.stopped, stopped);
    QCOMPARE(host.asked, std::size_t(host.prompts().size()));
    QCOMPARE(host.solution.has_value(), solved);
    // The last text of R: as it was when the press stopped before writing it.
    const bool wrote = events.filter("set R|").size() > 0;
    QCOMPARE(host.texts["R"],
             wrote ? events.filter("set R|").last().mid(6).toStdString() : std::string("old"));
    const bool failed = events.last().startsWith("failure|");
    QCOMPARE(host.failures().size(), std::size_t(failed ? 1 : 0));
    QCOMPARE(host.failed().empty(), !failed);
    if (failed)
        QCOMPARE(host.failures().front(), solver::Failure::TypeMismatch);
}

// Nothing ticked: the message, no prompt; the solution lists what to tick.
void TestCoreScripted::insufficient()
{
    const solver::SolverScreen screen = adder();
    ScriptedHost host;
    host.press(screen, screen.solvers.front());
    QCOMPARE(host.messages(), std::vector<std::string>{ solver::Calc::kInsufficient });
    QVERIFY(host.prompts().empty());
    QVERIFY(host.failures().empty());
    QVERIFY(!host.stopped);
    QVERIFY(host.solution.has_value());
    const auto lines = host.solution->lines();
    QVERIFY(std::find(lines.begin(), lines.end(), "• Dati (a, b)") != lines.end());
}

QTEST_APPLESS_MAIN(TestCoreScripted)
#include "test_core_scripted.moc"
