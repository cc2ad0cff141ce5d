// What every solver screen shares, tested once over every registered screen
// from its description: "Ritorna" and the close control, "Stampa", "Esci", the
// insufficient-data message, a failing step reported once with the pressed
// button's result labels emptied, and the "Svolgimento" window.
#include "harness.h"

#include "solids/solids.h"

#include "ui/solutionwindow.h"
#include "ui/solverwindow.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>

using namespace harness;
using script::Runner;

namespace {

QString q(const std::string &s)
{
    return QString::fromStdString(s);
}

const solver::SolverScreen &screenOf(const QString &name)
{
    return *solids::find(name.toStdString());
}

// Writes "stale" into every result and formula label of the screen.
void fillLabels(Runner &r, const solver::SolverScreen &s)
{
    auto *w = r.shell().window(q(s.name));
    for (const auto &row : s.rows)
        w->findChild<QLabel *>(q(row.result))->setText("stale");
    for (const auto &f : s.formulaLabels)
        w->findChild<QLabel *>(q(f))->setText("stale");
}

int count(const Runner &r, const QString &kind)
{
    int n = 0;
    for (const auto &d : r.dialogs())
        n += d.kind == kind;
    return n;
}

} // namespace

class TestAllScreens : public QObject {
    Q_OBJECT
private slots:
    void screens_data();
    void ritornaAndClose();
    void ritornaAndClose_data() { screens_data(); }
    void stampaAndEsci();
    void stampaAndEsci_data() { screens_data(); }
    void insufficientData();
    void insufficientData_data() { screens_data(); }
    void failureReportedOnce();
    void failureReportedOnce_data() { screens_data(); }
    void svolgimento();
    void svolgimento_data() { screens_data(); }
};

void TestAllScreens::screens_data()
{
    QTest::addColumn<QString>("screen");
    for (const auto &name : solids::names())
        QTest::newRow(name.c_str()) << q(name);
}

void TestAllScreens::ritornaAndClose()
{
    QFETCH(QString, screen);
    const auto &s = screenOf(screen);
    const QString parent = q(s.parent);
    for (bool useClose : { false, true }) {
        Runner r;
        r.show(screen);
        QCOMPARE(r.visible(screen), true);
        QCOMPARE(r.shell().window(screen)->windowTitle(), q(s.caption));
        if (useClose)
            r.close(screen);
        else
            r.click(screen + "." + q(s.ritornaButton.name));
        QVERIFY2(!r.visible(screen), useClose ? "close control" : "Ritorna");
        QVERIFY2(r.visible(parent), qPrintable(parent + " is not shown"));
        QVERIFY(!r.ended());
    }
}

void TestAllScreens::stampaAndEsci()
{
    QFETCH(QString, screen);
    const auto &s = screenOf(screen);
    Runner r;
    r.show(screen);
    r.click(screen + "." + q(s.stampaButton.name));
    QCOMPARE(r.printed(), QStringList{ screen });
    QVERIFY(r.visible(screen));
    r.click(screen + "." + q(s.esciButton.name));
    QVERIFY(r.ended());
}

// Nothing ticked: the message and no prompt, the formula label untouched.
void TestAllScreens::insufficientData()
{
    QFETCH(QString, screen);
    const auto &s = screenOf(screen);
    if (s.checks.empty())
        QSKIP("a screen without tick boxes always has its data");
    for (const auto &button : s.solvers) {
        Runner r;
        r.show(screen);
        fillLabels(r, s);
        r.click(screen + "." + q(button.name));
        QCOMPARE(count(r, "prompt"), 0);
        QCOMPARE(count(r, "error"), 0);
        QCOMPARE(count(r, "message"), 1);
        QCOMPARE(r.dialogs().first().text, kInsufficient);
        for (const auto &f : s.formulaLabels)
            QCOMPARE(r.text(screen + "." + q(f)), QString("stale"));
    }
}

// Every box ticked and every answer not a number: the first case's
// arithmetic fails once as a type mismatch and the button's results are empty.
void TestAllScreens::failureReportedOnce()
{
    QFETCH(QString, screen);
    const auto &s = screenOf(screen);
    for (const auto &button : s.solvers) {
        Runner r;
        r.show(screen);
        for (const auto &c : s.checks)
            r.tick(screen + "." + q(c.name));
        fillLabels(r, s);
        r.answers(typed(QStringList(12, "abc")));
        r.click(screen + "." + q(button.name));
        QVERIFY(count(r, "prompt") > 0);
        QCOMPARE(count(r, "message"), 0);
        QCOMPARE(count(r, "error"), 1);
        QCOMPARE(r.dialogs().last().failure, QString("type mismatch"));
        for (const auto &label : s.resultsOf(button))
            QCOMPARE(r.text(screen + "." + q(label)), QString());
        QVERIFY(r.visible(screen));
    }
}

// "Svolgimento" beside "Stampa", with a keyboard letter of its own: its window
// follows each press (the insufficient-data list, then a failing step), copies
// its text and prints the worksheet through the printer path.
void TestAllScreens::svolgimento()
{
    QFETCH(QString, screen);
    const auto &s = screenOf(screen);
    Runner r;
    r.show(screen);
    auto *w = qobject_cast<ui::SolverWindow *>(r.shell().window(screen));
    QVERIFY(w);
    auto *button = w->findChild<ui::Button *>(QStringLiteral("Svolgimento"));
    QVERIFY(button);
    QVERIFY(button->isVisible());
    const auto *stampa = w->findChild<ui::Button *>(q(s.stampaButton.name));
    QVERIFY(!button->mnemonic().isNull());
    QVERIFY(button->mnemonic() != stampa->mnemonic());
    button->click();
    auto *window = w->findChild<ui::SolutionWindow *>();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), "Svolgimento – " + q(s.caption));
    QCOMPARE(window->text(), ui::SolutionWindow::nothingYet());

    const auto &press = s.solvers.front();
    if (!s.checks.empty()) {
        r.click(screen + "." + q(press.name));
        QCOMPARE(window->text(), w->solution().join('\n'));
        QVERIFY2(window->text().contains("•"), qPrintable(window->text()));
    }
    for (const auto &c : s.checks)
        r.tick(screen + "." + q(c.name));
    r.answers(typed(QStringList(12, "abc")));
    r.click(screen + "." + q(press.name));
    QCOMPARE(window->text(), w->solution().join('\n'));
    QVERIFY2(window->text().contains("Non si può calcolare"), qPrintable(window->text()));

    window->copy();
    QCOMPARE(QApplication::clipboard()->text(), window->text());
    w->printWorksheet();
    QCOMPARE(r.printed(), QStringList{ screen + " svolgimento" });
}

QTEST_MAIN(TestAllScreens)
#include "test_all_screens.moc"
