// The hint line under a solver screen's solving buttons, on the desktop: in
// the transcript of every solver screen, the same words as the core's, under
// the solving buttons and never cut, cleared when the next press starts, and
// announced to screen readers.
#include "screens.h"
#include "scriptrunner.h"

#include "solver/hint.h"
#include "solver/scripted.h"
#include "ui/accessibility.h"
#include "ui/solverwindow.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QJsonObject>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <set>

using script::Runner;

namespace {

QString q(const std::string &s)
{
    return QString::fromStdString(s);
}

// A runner that lets a test look at the window while a press waits for an
// answer or shows its message.
class Watching : public Runner {
public:
    using Runner::Runner;
    std::function<void()> during;

    QString prompt(QWidget *parent, const QString &text, const QString &unit) override
    {
        if (during)
            during();
        return Runner::prompt(parent, text, unit);
    }
    void message(QWidget *parent, const QString &text) override
    {
        if (during)
            during();
        Runner::message(parent, text);
    }
};

QString transcriptHint(const Runner &r, const QString &screen)
{
    const QJsonValue v = r.transcript()
                             .value(QStringLiteral("screens"))
                             .toObject()
                             .value(screen)
                             .toObject()
                             .value(QStringLiteral("hint"));
    return v.isString() ? v.toString() : QStringLiteral("<missing>");
}

} // namespace

class TestHints : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QAccessible::setActive(true); }
    void everyScreen_data();
    void everyScreen();
    void clearsAtTheNextPress();
    void announced();
};

void TestHints::everyScreen_data()
{
    QTest::addColumn<QString>("screen");
    for (const auto &s : screens::solvers())
        QTest::newRow(qPrintable(s)) << s;
}

// Before any press the hint is empty; after a press with nothing ticked and
// every prompt cancelled, it says what the core says for that press, stands
// under every solving button, and shows whole.
void TestHints::everyScreen()
{
    QFETCH(QString, screen);
    const solver::SolverScreen &s = *solids::find(screen.toStdString());
    Runner r("it_IT");
    r.show(screen);
    auto *w = qobject_cast<ui::SolverWindow *>(r.shell().window(screen));
    QVERIFY(w);
    QCOMPARE(transcriptHint(r, screen), QString());
    auto *line = w->findChild<ui::LiveLabel *>();
    QVERIFY(line);
    QVERIFY(!line->isShown());

    const solver::SolveButton &button = s.solvers.front();
    r.click(screen + "." + q(button.name));
    QApplication::processEvents();

    solver::ScriptedHost core(solver::NumberFormat{ "," });
    core.press(s, button);
    QVERIFY(core.solution);
    const QString expected = q(solver::hint(s, {}, *core.solution));
    // Nothing ticked stops at the message; no tick boxes, at the first
    // cancelled prompt: either way there is something to say.
    QVERIFY(!expected.isEmpty());
    QCOMPARE(w->hint(), expected);
    QCOMPARE(transcriptHint(r, screen), expected);
    QCOMPARE(line->text(), expected);

    QVERIFY(line->isShown());
    QVERIFY2(
        line->height() >= line->heightForWidth(line->width()),
        qPrintable(
            QString("%1 of %2 px").arg(line->height()).arg(line->heightForWidth(line->width()))));
    const int top = line->mapTo(w, QPoint(0, 0)).y();
    for (const auto &b : s.solvers) {
        auto *pushed = w->findChild<QPushButton *>(q(b.name));
        QVERIFY(pushed);
        QVERIFY2(top >= pushed->mapTo(w, QPoint(0, pushed->height())).y(), qPrintable(q(b.name)));
    }
    // Inside the content, not behind its edge (the window scrolls its
    // content when the screen is smaller).
    const QPoint corner = line->mapTo(w->content(), QPoint(line->width(), line->height()));
    QVERIFY(corner.x() <= w->content()->width() && corner.y() <= w->content()->height());
}

// The hint of a press goes as the next press starts: neither its prompts nor
// its message stand beside the old words, and a press that solves leaves the
// line empty and hidden.
void TestHints::clearsAtTheNextPress()
{
    Watching r("it_IT");
    r.show("Form12");
    auto *w = qobject_cast<ui::SolverWindow *>(r.shell().window("Form12"));
    auto *line = w->findChild<ui::LiveLabel *>();
    QStringList seen;
    r.during = [&] { seen << (line->isShown() ? "shown: " : "hidden: ") + w->hint(); };

    r.click("Form12.Command1");
    QCOMPARE(seen, QStringList{ "hidden: " });
    QVERIFY(w->hint().startsWith("Spunta: "));
    QApplication::processEvents();
    QVERIFY(line->isShown());

    seen.clear();
    r.tick("Form12.Check1");
    r.click("Form12.Command1");
    QCOMPARE(seen, QStringList{ "hidden: " });
    QVERIFY(w->hint().startsWith("Spunta anche: Altezza (h)"));

    seen.clear();
    r.tick("Form12.Check4");
    r.answers({ std::optional<QString>("3"), std::optional<QString>("4") });
    r.click("Form12.Command1");
    QCOMPARE(seen, (QStringList{ "hidden: ", "hidden: " }));
    QCOMPARE(w->hint(), QString());
    QApplication::processEvents();
    QVERIFY(!line->isShown());
    QCOMPARE(line->height(), 0);
    QCOMPARE(transcriptHint(r, "Form12"), QString());
}

// A screen reader reads the line as a notification named by its words, is
// told of each new hint (its new name and an alert, sent as the line
// announces it), and finds it gone when the next press solves.
void TestHints::announced()
{
    Runner r("it_IT");
    r.show("Form3");
    auto *w = qobject_cast<ui::SolverWindow *>(r.shell().window("Form3"));
    auto *line = w->findChild<ui::LiveLabel *>();
    QSignalSpy announced(line, &ui::LiveLabel::announced);
    r.click("Form3.Command3");

    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(line);
    QVERIFY(i);
    QCOMPARE(i->role(), QAccessible::Notification);
    const QString hint("Spunta: Lato (s) – oppure diagonale (d) – oppure Area Laterale (AL)");
    QCOMPARE(i->text(QAccessible::Name), hint);
    QVERIFY(!i->state().invisible);
    QCOMPARE(announced.count(), 1);
    QCOMPARE(announced.takeFirst().at(0).toString(), hint);
    // The window's tree reaches it.
    QAccessibleInterface *parent = i->parent();
    QVERIFY(parent && parent->indexOfChild(i) >= 0);

    // The same hint again is said again: the line was cleared in between.
    r.click("Form3.Command3");
    QCOMPARE(announced.count(), 1);
    announced.clear();

    r.tick("Form3.Check1");
    r.answers({ std::optional<QString>("2") });
    r.click("Form3.Command3");
    QCOMPARE(i->text(QAccessible::Name), QString());
    QVERIFY(i->state().invisible);
    // Nothing new to say: nothing announced.
    QCOMPARE(announced.count(), 0);
}

QTEST_MAIN(TestHints)
#include "test_hints.moc"
