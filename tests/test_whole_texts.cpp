// Every text a calculation writes stays readable whole. Each solver window is
// given the widest caption and formula text its calculations can write and
// the longest number the display rule can show in every result label; it
// must then lay itself out again so that no label or button is cut, with no
// scroll bar and the whole frame on a 1366x768 screen. At the scale factors
// 1.5 and 2 (the suite runs itself again under QT_SCALE_FACTOR) nothing may
// be cut either, and a window scrolls only where the screen is really too
// small for it.
#include "screens.h"
#include "scriptrunner.h"

#include "solver/numberformat.h"
#include "solver/scripted.h"
#include "ui/solverwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <set>

using script::Runner;

namespace {

const QSize kScreen(1366, 768);

// Answers that describe a computable solid for most cases; a press that
// fails is tried with the next ones.
const std::vector<std::vector<const char *>> kAnswers = {
    { "3", "4", "5", "6", "7", "8" },      { "9", "8", "7", "6", "5", "4" },
    { "10", "1", "12", "2", "14", "3" },   { "1", "10", "2", "12", "3", "14" },
    { "100", "60", "20", "10", "5", "2" },
};

// Every text the screen's calculations write, by control: each solving button
// pressed under every combination of the tick boxes.
std::map<std::string, std::set<std::string>> writtenTexts(const solver::SolverScreen &s)
{
    std::map<std::string, std::set<std::string>> texts;
    const std::size_t n = s.checks.size();
    for (const auto &button : s.solvers)
        for (unsigned mask = 0; mask < (1u << n); ++mask)
            for (const auto &answers : kAnswers) {
                // Prompt k is answered with answers[k % size].
                solver::ScriptedHost host(solver::NumberFormat::point(),
                                          solver::ScriptedHost::WhenOut::Repeat);
                for (std::size_t i = 0; i < n; ++i)
                    if (mask & (1u << i))
                        host.ticks.insert(s.checks[i].name);
                host.answers = { answers.begin(), answers.end() };
                host.press(s, button);
                for (const auto &e : host.events)
                    if (e.kind == solver::PressEvent::Kind::Set)
                        texts[e.control].insert(e.text);
                if (host.failures().empty())
                    break;
            }
    return texts;
}

// The longest texts the display rule writes: a sign, 15 significant digits,
// the decimal mark and an exponent of two or three digits.
QStringList longestNumbers()
{
    QStringList out;
    for (double v : { -1.23456789012345e18, -1.23456789012345e-300, -9.87654321098765e+300 })
        out << QString::fromStdString(solver::formatNumber(v, 15, solver::NumberFormat::comma()));
    return out;
}

QString widest(const std::set<std::string> &texts, const QFontMetrics &metrics)
{
    QString best;
    for (const auto &t : texts) {
        const QString text = QString::fromStdString(t);
        if (best.isNull() || metrics.horizontalAdvance(text) > metrics.horizontalAdvance(best))
            best = text;
    }
    return best;
}

// Lets the window react to its new texts, as the event loop would.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

QString where(const QWidget *c)
{
    return c->objectName() + QStringLiteral(" \"")
           + (qobject_cast<const QLabel *>(c) ? qobject_cast<const QLabel *>(c)->text()
              : qobject_cast<const QAbstractButton *>(c)
                  ? qobject_cast<const QAbstractButton *>(c)->text()
                  : QString())
           + QStringLiteral("\"");
}

// What a person would find wrong with the window as it stands: a text cut by
// its box, a control out of view, a scroll bar where the screen has room, a
// frame off the screen. Empty when all is well.
QStringList faults(ui::ScreenWindow *w)
{
    QStringList out;
    const QRect room = w->screen()->availableGeometry();
    const QMargins m = w->decoration();
    const QSize inner = room.marginsRemoved(m).size();
    const QSize need = w->sizeHint();
    const QRect frame(w->pos(), w->size().grownBy(m));
    if (!room.contains(frame))
        out << QStringLiteral("frame %1,%2 %3x%4 off the screen %5x%6")
                   .arg(frame.x())
                   .arg(frame.y())
                   .arg(frame.width())
                   .arg(frame.height())
                   .arg(room.width())
                   .arg(room.height());

    // A scroll bar is right only where the content is larger than the
    // screen's room, or where the other bar takes the room it would need;
    // and then the window is as large as the room in that direction.
    QScrollBar *bars[2] = {};
    for (auto *bar : w->findChildren<QScrollBar *>())
        if (bar->isVisible())
            bars[bar->orientation() == Qt::Horizontal ? 0 : 1] = bar;
    const bool wide = need.width() > inner.width();
    const bool tall = need.height() > inner.height();
    const bool barOk[2] = {
        wide || (tall && bars[1] && need.width() + bars[1]->width() > inner.width()),
        tall || (wide && bars[0] && need.height() + bars[0]->height() > inner.height()),
    };
    const bool filled[2] = { w->width() >= inner.width(), w->height() >= inner.height() };
    const bool scrolls = bars[0] || bars[1];
    for (int i = 0; i < 2; ++i)
        if (bars[i] && (!barOk[i] || !filled[i]))
            out << QStringLiteral("a %1 scroll bar, window %2x%3 for content %4x%5 in %6x%7")
                       .arg(i == 0 ? "horizontal" : "vertical")
                       .arg(w->width())
                       .arg(w->height())
                       .arg(need.width())
                       .arg(need.height())
                       .arg(inner.width())
                       .arg(inner.height());

    for (auto *c : w->content()->findChildren<QWidget *>()) {
        if (!c->isVisibleTo(w))
            continue;
        QSize least;
        if (auto *l = qobject_cast<QLabel *>(c)) {
            if (l->wordWrap()) {
                // Lines may break between words, never inside one.
                if (l->minimumSizeHint().width() > l->width()
                    || l->heightForWidth(l->width()) > l->height())
                    out << where(c) + QStringLiteral(" wraps out of its box");
                continue;
            }
            least = l->sizeHint();
        } else if (auto *b = qobject_cast<QAbstractButton *>(c)) {
            least = b->sizeHint();
        } else if (auto *t = qobject_cast<QLineEdit *>(c)) {
            least = QSize(t->fontMetrics().horizontalAdvance(t->text()), 0);
        } else {
            continue;
        }
        if (least.width() > c->width() || least.height() > c->height())
            out << QStringLiteral("%1 is %2x%3, its text needs %4x%5")
                       .arg(where(c))
                       .arg(c->width())
                       .arg(c->height())
                       .arg(least.width())
                       .arg(least.height());
        // Out of view only matters where the window cannot be large enough.
        const QRect seen(c->mapTo(w, QPoint(0, 0)), c->size());
        if (!scrolls && !w->rect().contains(seen))
            out << where(c) + QStringLiteral(" lies outside the window");
    }
    return out;
}

} // namespace

class TestWholeTexts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyTextFits_data();
    void everyTextFits();
    void afterCalcola_data();
    void afterCalcola();
    void atLargerScales_data();
    void atLargerScales();
};

void TestWholeTexts::initTestCase()
{
    const qreal scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                            ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                            : 1.0;
    const QSize size = QGuiApplication::primaryScreen()->geometry().size();
    QCOMPARE(size, (QSizeF(kScreen) / scale).toSize());
}

void TestWholeTexts::everyTextFits_data()
{
    QTest::addColumn<QString>("screen");
    for (const auto &s : screens::solvers())
        QTest::newRow(qPrintable(s)) << s;
}

void TestWholeTexts::everyTextFits()
{
    QFETCH(QString, screen);
    const solver::SolverScreen &s = *solids::find(screen.toStdString());
    const auto texts = writtenTexts(s);
    QVERIFY(!texts.empty());

    Runner r(QStringLiteral("it_IT"));
    r.show(screen);
    auto *w = qobject_cast<ui::SolverWindow *>(r.shell().window(screen));
    QVERIFY(w);
    QVERIFY(w->isVisible());
    settle();
    QVERIFY2(faults(w).isEmpty(), qPrintable(faults(w).join("\n")));

    std::set<std::string> results;
    for (const auto &b : s.solvers)
        for (const auto &name : s.resultsOf(b))
            results.insert(name);
    const std::set<std::string> formulas(s.formulaLabels.begin(), s.formulaLabels.end());
    for (const auto &[name, written] : texts) {
        if (results.count(name))
            continue;
        const QFontMetrics metrics =
            w->findChild<QWidget *>(QString::fromStdString(name))->fontMetrics();
        // A formula text may break into lines: the longest one.
        QString text = widest(written, metrics);
        if (formulas.count(name))
            for (const auto &t : written)
                if (QString::fromStdString(t).size() > text.size())
                    text = QString::fromStdString(t);
        w->setText(name, text.toStdString());
    }
    // The room a result label keeps whatever it shows, measured before any
    // number is written: the longest number must fit in it.
    std::map<std::string, int> kept;
    for (const auto &name : results)
        kept[name] =
            w->findChild<QLabel *>(QString::fromStdString(name))->minimumSizeHint().width();
    for (const auto &number : longestNumbers()) {
        for (const auto &name : results)
            w->setText(name, number.toStdString());
        settle();
        QVERIFY2(faults(w).isEmpty(), qPrintable(number + "\n" + faults(w).join("\n")));
        for (const auto &name : results) {
            const int needs =
                w->findChild<QLabel *>(QString::fromStdString(name))->sizeHint().width();
            QVERIFY2(needs <= kept[name], qPrintable(QStringLiteral("%1 keeps %2 for %3, needs %4")
                                                         .arg(QString::fromStdString(name))
                                                         .arg(kept[name])
                                                         .arg(number)
                                                         .arg(needs)));
        }
    }
}

void TestWholeTexts::afterCalcola_data()
{
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QStringList>("answers");
    QTest::newRow("cylinder, radius and height")
        << QStringList{ "Form2.Check1", "Form2.Check3" }
        << QStringList{ "-123456789,012345", "0,000123456789012345" };
    QTest::newRow("cylinder, radius and height, huge")
        << QStringList{ "Form2.Check1", "Form2.Check3" }
        << QStringList{ "-9,87654321098765E+17", "1,23456789012345E+17" };
}

// The real press, as the tester made it: Form2 after "Calcola".
void TestWholeTexts::afterCalcola()
{
    QFETCH(QStringList, ticks);
    QFETCH(QStringList, answers);
    Runner r(QStringLiteral("it_IT"));
    r.click("Form1.Command2");
    QVERIFY(r.visible("Form2"));
    for (const auto &t : ticks)
        r.tick(t);
    QList<std::optional<QString>> queued;
    for (const auto &a : answers)
        queued << a;
    r.answers(queued);
    r.click("Form2.Command2");
    QVERIFY(!r.text("Form2.Label19").isEmpty());
    QVERIFY(!r.text("Form2.Label20").isEmpty());
    settle();
    QVERIFY2(faults(r.shell().window("Form2")).isEmpty(),
             qPrintable(faults(r.shell().window("Form2")).join("\n")));
}

void TestWholeTexts::atLargerScales_data()
{
    QTest::addColumn<QString>("scale");
    QTest::newRow("1.5") << "1.5";
    QTest::newRow("2") << "2";
}

void TestWholeTexts::atLargerScales()
{
    QFETCH(QString, scale);
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        QSKIP("already running at a chosen scale");
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_SCALE_FACTOR", scale);
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), { "everyTextFits", "afterCalcola" });
    QVERIFY(child.waitForFinished(300000));
    const QString output = QString::fromUtf8(child.readAll());
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             qPrintable(output.right(4000)));
}

// A 1366x768 screen on Qt's offscreen platform, whatever platform the suite
// was started with.
int main(int argc, char **argv)
{
    QTemporaryDir dir;
    const QString config = dir.filePath("screen.json");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(QStringLiteral(R"({"screens": [{"name": "Schermo", "x": 0, "y": 0,
        "width": %1, "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                   .arg(kScreen.width())
                   .arg(kScreen.height())
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
    QApplication app(argc, argv);
    TestWholeTexts suite;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&suite, argc, argv);
}

#include "test_whole_texts.moc"
