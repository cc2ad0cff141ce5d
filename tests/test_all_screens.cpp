// What every solver screen shares, tested once over every registered screen
// from its description: "Ritorna" and the close control, "Stampa", "Esci", the
// insufficient-data message, a failing step reported once with the pressed
// button's result labels emptied, and the "Svolgimento" window.
#include "harness.h"

#include "solids/solids.h"

#include "solver/texts.h"
#include "solver/words.h"
#include "ui/solutionwindow.h"
#include "ui/solverwindow.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

#include <optional>
#include <set>
#include <vector>

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

// A window as the core sees it, without Qt: the tick boxes given, the first
// twelve prompts answered with `answer` and the rest cancelled, as the
// runner's queue of twelve answers does; keeps the worked solution.
class CoreHost : public solver::Host {
public:
    CoreHost(std::set<std::string> ticks, std::string answer)
        : m_ticks(std::move(ticks)), m_answer(std::move(answer))
    {
    }
    bool ticked(const std::string &control) const override { return m_ticks.count(control) > 0; }
    std::string prompt(const std::string &, const std::string &) override
    {
        return m_prompts++ < 12 ? m_answer : std::string();
    }
    void message(const std::string &) override {}
    void setText(const std::string &, const std::string &) override {}
    void failure(const solver::CalcError &) override {}
    solver::NumberFormat numberFormat() const override { return solver::NumberFormat::point(); }
    void solved(const solver::Solution &s) override { lines = s.lines(); }

    std::vector<std::string> lines;

private:
    std::set<std::string> m_ticks;
    std::string m_answer;
    int m_prompts = 0;
};

// The worked solution of a press, from the core alone, as lines.
QStringList coreSolution(const solver::SolverScreen &s, const solver::SolveButton &b,
                         std::set<std::string> ticks, const std::string &answer)
{
    CoreHost host(std::move(ticks), answer);
    solver::runCalcola(host, s, b);
    QStringList out;
    for (const auto &l : host.lines)
        out << QString::fromStdString(l).split('\n');
    return out;
}

// The tick boxes a combination names ("A", "A e B", "A, B e C", by the
// boxes' texts): every reading of it, as two boxes may share a text; none
// when it names anything else.
std::vector<std::vector<std::string>> boxesOf(const solver::SolverScreen &s,
                                              const QString &combination)
{
    std::vector<std::vector<std::string>> readings;
    for (const auto &c : s.checks) {
        const QString name = q(c.text).trimmed();
        if (name.isEmpty() || !combination.startsWith(name))
            continue;
        const QString rest = combination.mid(name.size());
        if (rest.isEmpty())
            readings.push_back({ c.name });
        for (const QString separator : { ", ", " e " }) {
            if (!rest.startsWith(separator))
                continue;
            for (auto more : boxesOf(s, rest.mid(separator.size()))) {
                more.insert(more.begin(), c.name);
                readings.push_back(std::move(more));
            }
        }
    }
    return readings;
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
// the exercise and its text and prints the worksheet through the printer path. What it shows is
// checked against what the lines must say, and against the core's own worked
// solution of the same press, computed without any window.
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
    QCOMPARE(
        window->windowTitle(),
        "Svolgimento – "
            + q(solver::solutionSubject(s.caption, s.name, s.title.present() ? s.title.text : "")));
    QCOMPARE(window->text(), QString("Spunta i dati che conosci e premi il pulsante di calcolo: "
                                     "qui compariranno i passaggi, con i tuoi numeri."));

    const auto &press = s.solvers.front();
    if (!s.checks.empty()) {
        r.click(screen + "." + q(press.name));
        const QStringList lines = window->text().split('\n');
        QCOMPARE(lines, coreSolution(s, press, {}, "abc"));
        QCOMPARE(lines.first(),
                 QString("I dati indicati non bastano. Spunta una di queste combinazioni:"));
        QVERIFY2(lines.size() >= 2, qPrintable(window->text()));
        // Each combination listed names tick boxes of the screen, and ticking
        // exactly those (for one of the boxes that carry each name) is enough.
        // One runner per test: the runner answers the dialogs of the whole
        // program while it lives.
        for (const auto &line : lines.mid(1)) {
            QVERIFY2(line.startsWith("• "), qPrintable(line));
            const auto readings = boxesOf(s, line.mid(2));
            QVERIFY2(!readings.empty(), qPrintable(line + ": not the names of tick boxes"));
            bool enough = false;
            for (const auto &boxes : readings) {
                const int messages = count(r, "message");
                for (const auto &c : s.checks)
                    r.untick(screen + "." + q(c.name));
                for (const auto &box : boxes)
                    r.tick(screen + "." + q(box));
                r.click(screen + "." + q(press.name)); // every prompt cancelled
                enough = enough || count(r, "message") == messages;
            }
            QVERIFY2(enough, qPrintable(line + ": not enough"));
        }
    }

    for (const auto &c : s.checks)
        r.tick(screen + "." + q(c.name));
    const int before = int(r.dialogs().size());
    r.answers(typed(QStringList(12, "abc")));
    r.click(screen + "." + q(press.name));
    int asked = 0;
    for (int i = before; i < r.dialogs().size(); ++i)
        asked += r.dialogs()[i].kind == "prompt";
    std::set<std::string> all;
    for (const auto &c : s.checks)
        all.insert(c.name);
    const QStringList expected = coreSolution(s, press, all, "abc");
    const QStringList lines = window->text().split('\n');
    QCOMPARE(lines, expected);
    // The data as typed, then the steps up to the one that failed and why.
    QVERIFY2(lines.size() >= asked + 5, qPrintable(window->text()));
    QCOMPARE(lines[0], QString("Dati:"));
    for (int i = 1; i <= asked; ++i)
        QVERIFY2(QRegularExpression("^[^ ]+ = abc$").match(lines[i]).hasMatch(),
                 qPrintable(lines[i]));
    QCOMPARE(lines[asked + 1], QString("Calcoli:"));
    QVERIFY2(QRegularExpression("^Non si può calcolare [^ ]+: \"(abc)+\" non è un numero\\.$")
                 .match(lines[lines.size() - 2])
                 .hasMatch(),
             qPrintable(window->text()));
    QCOMPARE(lines.last(), QString("Scrivi i numeri usando il punto come separatore decimale (per "
                                   "esempio 2.5), senza virgole e senza separatori delle "
                                   "migliaia."));

    // "Copia" puts the whole solution on the clipboard.
    QApplication::clipboard()->setText("nothing copied");
    QPushButton *copy = nullptr;
    for (auto *b : window->findChildren<QPushButton *>())
        if (b->text() == "&Copia")
            copy = b;
    QVERIFY(copy);
    copy->click();
    // The exercise first (the data as typed), the lines, a last newline.
    const QString copied = QApplication::clipboard()->text();
    QVERIFY2(copied.endsWith('\n' + expected.join('\n') + '\n'), qPrintable(copied));
    QVERIFY2(copied.startsWith(q(solver::solidWords(s, &press)).left(1).toUpper()),
             qPrintable(copied));
    w->printWorksheet();
    QCOMPARE(r.printed(), QStringList{ screen + " svolgimento" });
}

QTEST_MAIN(TestAllScreens)
#include "test_all_screens.moc"
