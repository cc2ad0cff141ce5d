// The worked solution's window ("Svolgimento") on the desktop: it opens
// beside its solver window within the screen's available area, goes with its
// solver on "Ritorna" and "Esci", comes back where it was, and its title
// names the solid.
#include "screens.h"
#include "scriptrunner.h"

#include "solids/solids.h"
#include "solver/texts.h"
#include "ui/solutionwindow.h"
#include "ui/solverwindow.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using script::Runner;

namespace {

const QSize kScreen(1366, 768);

QString q(const std::string &s)
{
    return QString::fromStdString(s);
}

QRect frameOf(const QWidget *w, const QMargins &m)
{
    return QRect(w->pos(), w->size().grownBy(m));
}

} // namespace

class TestSolutionWindow : public QObject {
    Q_OBJECT
private slots:
    void subject_data();
    void subject();
    void besidePlace_data();
    void besidePlace();
    void everySolver_data();
    void everySolver();
    void atScaleTwo();
};

void TestSolutionWindow::subject_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("expected");
    QTest::newRow("caption") << "Cubo"
                             << "Form3"
                             << "CUBO"
                             << "Cubo";
    QTest::newRow("empty caption") << ""
                                   << "Form12"
                                   << "PRISMA TRIANGOLARE"
                                   << "PRISMA TRIANGOLARE";
    QTest::newRow("blank caption") << "  "
                                   << "Form12"
                                   << " CUNEO "
                                   << "CUNEO";
    QTest::newRow("screen's own name") << "Form41"
                                       << "Form41"
                                       << "CUNEO"
                                       << "CUNEO";
    QTest::newRow("another form") << "form7"
                                  << "Form9"
                                  << "TRONCO DI CONO"
                                  << "TRONCO DI CONO";
    QTest::newRow("own name, not a form") << "cuneo"
                                          << "cuneo"
                                          << "CUNEO"
                                          << "CUNEO";
    QTest::newRow("a word that starts alike") << "Formula"
                                              << "Form2"
                                              << "X"
                                              << "Formula";
    QTest::newRow("form and letters") << "Form4b"
                                      << "Form2"
                                      << "X"
                                      << "Form4b";
    QTest::newRow("form alone") << "Form"
                                << "Form2"
                                << "X"
                                << "Form";
    QTest::newRow("no title either") << "Form5"
                                     << "Form5"
                                     << ""
                                     << "Form5";
}

void TestSolutionWindow::subject()
{
    QFETCH(QString, caption);
    QFETCH(QString, screen);
    QFETCH(QString, title);
    QFETCH(QString, expected);
    QCOMPARE(q(solver::solutionSubject(caption.toStdString(), screen.toStdString(),
                                       title.toStdString())),
             expected);
}

void TestSolutionWindow::besidePlace_data()
{
    QTest::addColumn<QRect>("solver");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QRect>("room");
    QTest::addColumn<QRect>("expected");
    const QRect room(0, 0, 1366, 728); // 1366x768 less a 40-px panel
    QTest::newRow("more room right")
        << QRect(10, 20, 600, 500) << QSize(560, 420) << room << QRect(610, 20, 560, 420);
    QTest::newRow("more room left")
        << QRect(700, 20, 600, 500) << QSize(560, 420) << room << QRect(140, 20, 560, 420);
    QTest::newRow("narrower to fit")
        << QRect(0, 0, 900, 500) << QSize(560, 420) << room << QRect(900, 0, 466, 420);
    QTest::newRow("taller than the room")
        << QRect(0, 30, 600, 500) << QSize(560, 900) << room << QRect(600, 0, 560, 728);
    QTest::newRow("pushed up from the bottom")
        << QRect(0, 500, 600, 200) << QSize(560, 420) << room << QRect(600, 308, 560, 420);
    QTest::newRow("room below a panel") << QRect(0, 0, 600, 500) << QSize(560, 420)
                                        << QRect(0, 30, 1366, 738) << QRect(600, 30, 560, 420);
    // At scale 2 a 1366x768 screen is 683x384 wide: no side holds it, so it
    // goes where it covers least of the solver, only readably wide.
    QTest::newRow("no room: right edge") << QRect(0, 0, 500, 360) << QSize(560, 420)
                                         << QRect(0, 0, 683, 364) << QRect(383, 0, 300, 364);
    QTest::newRow("no room: left edge") << QRect(183, 0, 500, 360) << QSize(560, 420)
                                        << QRect(0, 0, 683, 364) << QRect(0, 0, 300, 364);
    QTest::newRow("no room: narrow window") << QRect(0, 0, 600, 360) << QSize(200, 420)
                                            << QRect(0, 0, 683, 364) << QRect(483, 0, 200, 364);
    QTest::newRow("no room: below") << QRect(100, 0, 500, 200) << QSize(683, 150)
                                    << QRect(0, 0, 683, 364) << QRect(0, 214, 683, 150);
}

void TestSolutionWindow::besidePlace()
{
    QFETCH(QRect, solver);
    QFETCH(QSize, frame);
    QFETCH(QRect, room);
    QFETCH(QRect, expected);
    const QRect placed = ui::SolutionWindow::besidePlace(solver, frame, room, 300);
    QCOMPARE(placed, expected);
    QVERIFY(room.contains(placed));
}

void TestSolutionWindow::everySolver_data()
{
    QTest::addColumn<QString>("screen");
    for (const auto &s : screens::solvers())
        QTest::newRow(qPrintable(s)) << s;
}

// After a press, "Svolgimento" opens its window inside the available area,
// beside the solver when the screen has room for it; "Ritorna" takes it away,
// and it reopens where the user last put it; "Esci" takes it away too.
void TestSolutionWindow::everySolver()
{
    QFETCH(QString, screen);
    const auto &s = *solids::find(screen.toStdString());
    Runner r;
    r.show(screen);
    auto *w = qobject_cast<ui::SolverWindow *>(r.shell().window(screen));
    QVERIFY(w);
    r.click(screen + "." + q(s.solvers.front().name));
    r.click(screen + ".Svolgimento");
    auto *window = w->findChild<ui::SolutionWindow *>();
    QVERIFY(window);
    QVERIFY(window->isVisible());

    const QRect room = w->screen()->availableGeometry();
    const QMargins m = w->decoration();
    const QRect solver = frameOf(w, m);
    const QRect frame = frameOf(window, m);
    const QString where = QStringLiteral("solver %1,%2 %3x%4, solution %5,%6 %7x%8 on %9x%10")
                              .arg(solver.x())
                              .arg(solver.y())
                              .arg(solver.width())
                              .arg(solver.height())
                              .arg(frame.x())
                              .arg(frame.y())
                              .arg(frame.width())
                              .arg(frame.height())
                              .arg(room.width())
                              .arg(room.height());
    QVERIFY2(room.contains(frame), qPrintable(where));
    const int side = std::max(room.right() - solver.right(), solver.left() - room.left());
    if (side >= window->readableWidth() + m.left() + m.right())
        QVERIFY2(!frame.intersects(solver), qPrintable(where));
    else
        QVERIFY2(frame.height() <= room.height() && frame.width() <= room.width(),
                 qPrintable(where));

    // "Stampa" offers the exercise to hand out and its answer key.
    QPushButton *stampa = nullptr;
    for (auto *b : window->findChildren<QPushButton *>())
        if (b->text() == QStringLiteral("&Stampa"))
            stampa = b;
    QVERIFY(stampa && stampa->menu());
    QStringList offered;
    for (const auto *a : stampa->menu()->actions())
        offered << a->text().remove('&');
    QCOMPARE(offered, (QStringList{ "Testo dell'esercizio, da consegnare",
                                    "Soluzione, con passaggi e risultati" }));

    // The title names the solid.
    const QString title = window->windowTitle();
    QVERIFY2(!title.trimmed().endsWith(QStringLiteral("–")), qPrintable(title));
    QVERIFY2(!QRegularExpression(QStringLiteral("\\bform\\d+\\b"),
                                 QRegularExpression::CaseInsensitiveOption)
                  .match(title)
                  .hasMatch(),
             qPrintable(title));
    QVERIFY2(!title.contains(screen), qPrintable(title));

    // Moved by the user, then away with its solver and back where it was.
    const QPoint moved(frame.x() > room.left() + 20 ? frame.x() - 17 : frame.x() + 17,
                       frame.y() > room.top() + 20 ? frame.y() - 11 : frame.y() + 11);
    window->move(moved);
    const QSize size = window->size();
    r.click(screen + "." + q(s.ritornaButton.name));
    QVERIFY(!r.visible(screen));
    QVERIFY(!window->isVisible());
    r.show(screen);
    QVERIFY(!window->isVisible()); // only "Svolgimento" opens it
    r.click(screen + ".Svolgimento");
    QVERIFY(window->isVisible());
    QCOMPARE(window->pos(), moved);
    QCOMPARE(window->size(), size);

    // Closed by itself, it also reopens there, the same window.
    window->close();
    QVERIFY(!window->isVisible());
    r.click(screen + ".Svolgimento");
    QCOMPARE(w->findChildren<ui::SolutionWindow *>().size(), 1);
    QCOMPARE(window->pos(), moved);

    r.click(screen + "." + q(s.esciButton.name));
    QVERIFY(r.ended());
    QVERIFY(!window->isVisible());
}

// The same over every solver with the screen at scale 2 (683x384 for the
// program), in a child run of this suite.
void TestSolutionWindow::atScaleTwo()
{
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        QSKIP("already running at a chosen scale");
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_SCALE_FACTOR", "2");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), { "everySolver" });
    QVERIFY(child.waitForFinished(300000));
    const QString output = QString::fromUtf8(child.readAll());
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             qPrintable(output.right(4000)));
    QVERIFY2(output.contains(QRegularExpression("Totals: [1-9][0-9]* passed, 0 failed")),
             qPrintable(output.right(2000)));
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
    TestSolutionWindow suite;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&suite, argc, argv);
}

#include "test_solution_window.moc"
