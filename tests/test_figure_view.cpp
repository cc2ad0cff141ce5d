// The "Figura 3D" on the desktop: on every solver screen a toggle with the
// same Alt letter puts the computed solid in the picture's place; it turns by
// keys and by dragging and comes back with Home or "Vista iniziale"; a screen
// reader hears what it shows; it prints as vectors on the window's page and
// on the worksheet; and the transcript says which solid a press computed.
#include "pdftext.h"
#include "screens.h"
#include "scriptrunner.h"
#include "solver/texts.h"
#include "solverwindows.h"
#include "ui/figureview.h"
#include "ui/printing.h"
#include "ui/solutionwindow.h"
#include "ui/solverwindow.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QJsonArray>
#include <QJsonObject>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using script::Runner;
using solverwindows::solverWindow;
using solverwindows::u;

namespace {

// The cone of radius 6 and height 20, pressed on its screen.
ui::SolverWindow *pressedCone(Runner &r)
{
    auto *w = solverWindow(r, QStringLiteral("Form12"));
    r.tick(QStringLiteral("Form12.Check1")); // r
    r.tick(QStringLiteral("Form12.Check4")); // h
    r.answers({ QStringLiteral("6"), QStringLiteral("20") });
    r.click(QStringLiteral("Form12.Command1"));
    return w;
}

QString pdfOf(QWidget *page, const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("out.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    if (!ui::paintWindow(page, printer))
        return {};
    return pdftext::text(path);
}

} // namespace

class TestFigureView : public QObject {
    Q_OBJECT
private slots:
    void solverScreens_data();
    void toggleOnEveryScreen();
    void toggleOnEveryScreen_data() { solverScreens_data(); }
    void turnsAndComesBack();
    void saysWhatItShows();
    void printsAsVectors();
    void transcriptNamesTheSolid();
};

void TestFigureView::solverScreens_data()
{
    QTest::addColumn<QString>("screen");
    for (const auto &s : screens::solvers())
        QTest::newRow(qPrintable(s)) << s;
}

void TestFigureView::toggleOnEveryScreen()
{
    QFETCH(QString, screen);
    Runner r("it_IT");
    auto *w = solverWindow(r, screen);
    QVERIFY(w);
    auto *toggle = w->findChild<ui::Button *>(u(solver::texts::figureToggleControl));
    QVERIFY(toggle);
    QVERIFY(toggle->isCheckable());
    QCOMPARE(toggle->mnemonic(), QChar('f'));
    auto *view = w->figureView();
    auto *reset = w->findChild<QAbstractButton *>(u(solver::texts::figureResetControl));
    QVERIFY(view && reset);
    QVERIFY(!view->isVisibleTo(w) && !reset->isVisibleTo(w));
    // The picture the figure stands in place of.
    QList<QWidget *> pictures;
    for (auto *p : w->findChildren<ui::PictureBox *>())
        if (p->isVisibleTo(w))
            pictures << p;

    toggle->click();
    QVERIFY(w->figureShown());
    QVERIFY(view->isVisibleTo(w) && reset->isVisibleTo(w));
    QCOMPARE(view->accessibleDescription(),
             QStringLiteral("La figura 3D compare dopo un calcolo riuscito."));
    QVERIFY(view->drawing().items.empty());
    int hidden = 0;
    for (auto *p : std::as_const(pictures))
        hidden += !p->isVisibleTo(w);
    QVERIFY2(hidden <= 1, "only the screen's own picture gives way");

    toggle->click();
    QVERIFY(!w->figureShown() && !view->isVisibleTo(w));
    for (auto *p : std::as_const(pictures))
        QVERIFY(p->isVisibleTo(w));
}

void TestFigureView::turnsAndComesBack()
{
    Runner r("it_IT");
    auto *w = pressedCone(r);
    w->showFigure(true);
    auto *view = w->figureView();
    view->resize(400, 320);
    const auto standard = view->drawing().items;
    QVERIFY(!standard.empty());

    struct Move {
        Qt::Key key;
        double turn, tilt;
    };
    for (const Move &m : { Move{ Qt::Key_Right, 15, 0 }, Move{ Qt::Key_Left, -15, 0 },
                           Move{ Qt::Key_Up, 0, 15 }, Move{ Qt::Key_Down, 0, -15 } }) {
        view->resetView();
        QTest::keyClick(view, m.key);
        QCOMPARE(view->camera().turn, geometry::Camera::kTurn + m.turn);
        QCOMPARE(view->camera().tilt, geometry::Camera::kTilt + m.tilt);
        QVERIFY(view->drawing().items != standard);
        QTest::keyClick(view, Qt::Key_Home);
        QVERIFY(view->drawing().items == standard);
    }
    // The tilt stops short of looking straight down.
    for (int i = 0; i < 12; ++i)
        QTest::keyClick(view, Qt::Key_Up);
    QVERIFY(view->camera().tilt < 90);
    QVERIFY(!view->drawing().items.empty());

    // A drag of 40 px to the right turns it by 20°.
    view->resetView();
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(100, 100));
    QMouseEvent move(QEvent::MouseMove, QPointF(140, 100), view->mapToGlobal(QPointF(140, 100)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(140, 100));
    QCOMPARE(view->camera().turn, geometry::Camera::kTurn + 20);

    w->findChild<QAbstractButton *>(u(solver::texts::figureResetControl))->click();
    QVERIFY(view->drawing().items == standard);
}

void TestFigureView::saysWhatItShows()
{
    Runner r("it_IT");
    auto *w = pressedCone(r);
    const QString said = w->figureView()->accessibleDescription();
    QVERIFY2(said.startsWith(QStringLiteral("Figura 3D in scala del cono.")), qPrintable(said));
    QVERIFY2(said.contains(QStringLiteral("I dati: r = 6 e h = 20.")), qPrintable(said));

    // A press whose data do not suffice: the sentence takes the figure's place.
    r.untick(QStringLiteral("Form12.Check1"));
    r.untick(QStringLiteral("Form12.Check4"));
    r.click(QStringLiteral("Form12.Command1"));
    const QString none = w->figureView()->accessibleDescription();
    QVERIFY2(none.startsWith(QStringLiteral("Nessuna figura: ")), qPrintable(none));
    QVERIFY(w->figureView()->drawing().items.empty());
}

// Labels drawn as text on the page: the figure is printed as vectors, not
// as a picture of the screen.
void TestFigureView::printsAsVectors()
{
    Runner r("it_IT");
    auto *w = pressedCone(r);
    w->showFigure(true);
    QTemporaryDir dir;
    const QString page = pdfOf(w, dir);
    // The text reads back without its spaces: "h=20" is the label, "(h)=20" the result.
    QVERIFY2(page.contains(QStringLiteral("r=6")) && page.contains(QStringLiteral("h=20")),
             qPrintable(page.left(400)));

    // The answer key marks every measure; the exercise only the data.
    std::unique_ptr<QWidget> key(ui::makeWorksheet(w->worksheet(), ui::Worksheet::Soluzione));
    const QString keyText = pdfOf(key.get(), dir);
    QVERIFY2(keyText.contains(QStringLiteral("h=20"))
                 && keyText.contains(QStringLiteral("a=20,88")),
             qPrintable(keyText));
    std::unique_ptr<QWidget> sheet(ui::makeWorksheet(w->worksheet(), ui::Worksheet::Testo));
    const QString sheetText = pdfOf(sheet.get(), dir);
    QVERIFY2(sheetText.contains(QStringLiteral("h=20")), qPrintable(sheetText));
    QVERIFY2(!sheetText.contains(QStringLiteral("a=20,88")), qPrintable(sheetText));

    // With the drawing shown instead, the worksheet carries the drawing.
    w->showFigure(false);
    QVERIFY(!w->worksheet().solid);
}

void TestFigureView::transcriptNamesTheSolid()
{
    Runner r("it_IT");
    solverWindow(r, QStringLiteral("Form12"));
    QVERIFY(!r.transcript()["screens"].toObject()["Form12"].toObject().contains("figure"));
    pressedCone(r);
    const QJsonObject figure =
        r.transcript()["screens"].toObject()["Form12"].toObject()["figure"].toObject();
    QCOMPARE(figure["solid"].toString(), QStringLiteral("un cono"));
    QCOMPARE(figure["dimensions"].toObject(), QJsonObject({ { "r", "6" }, { "h", "20" } }));
    QVERIFY(!figure.contains("none"));

    // The apothem shorter than the height: the press fails, no figure.
    r.untick(QStringLiteral("Form12.Check1"));
    r.tick(QStringLiteral("Form12.Check5")); // a, with h
    r.answers({ QStringLiteral("3"), QStringLiteral("5") });
    r.click(QStringLiteral("Form12.Command1"));
    const QJsonObject failed =
        r.transcript()["screens"].toObject()["Form12"].toObject()["figure"].toObject();
    QVERIFY2(failed["none"].toString().startsWith(QStringLiteral("Nessuna figura: ")),
             qPrintable(failed["none"].toString()));
    QVERIFY(!failed.contains("dimensions"));
}

QTEST_MAIN(TestFigureView)
#include "test_figure_view.moc"
