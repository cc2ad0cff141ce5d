// Windows fit the screen they are on (title bar included), scroll when they
// cannot be as large as their content, come back where they were, and two
// screens open together never sit exactly on top of each other.
#include "screens.h"
#include "scriptrunner.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

using script::Runner;

namespace {

// The frame of a window (as the window manager will draw it) on the screen.
bool fits(ui::ScreenWindow *w, QString *why)
{
    const QRect room = w->screen()->availableGeometry();
    const QMargins m = w->decoration();
    const QRect frame(w->pos(), w->size() + QSize(m.left() + m.right(), m.top() + m.bottom()));
    *why = QStringLiteral("%1 frame %2,%3 %4x%5 on %6x%7")
               .arg(w->screenName())
               .arg(frame.x())
               .arg(frame.y())
               .arg(frame.width())
               .arg(frame.height())
               .arg(room.width())
               .arg(room.height());
    return room.contains(frame);
}

QList<ui::ScreenWindow *> visibleWindows(Runner &r)
{
    QList<ui::ScreenWindow *> out;
    for (auto *w : r.shell().created())
        if (w->isVisible())
            out << w;
    return out;
}

} // namespace

class TestWindowPlacement : public QObject {
    Q_OBJECT
private slots:
    void everyScreenFits_data();
    void everyScreenFits();
    void everyMenuEntry_data();
    void everyMenuEntry();
    void comesBackWhereItWas_data();
    void comesBackWhereItWas();
};

void TestWindowPlacement::everyScreenFits_data()
{
    QTest::addColumn<QString>("screen");
    for (const auto &s : screens::all())
        QTest::newRow(qPrintable(s)) << s;
}

void TestWindowPlacement::everyScreenFits()
{
    QFETCH(QString, screen);
    Runner r;
    r.show(screen);
    auto *w = r.shell().window(screen);
    QString why;
    QVERIFY2(fits(w, &why), qPrintable(why));
}

void TestWindowPlacement::everyMenuEntry_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("button");
    Runner r;
    for (const auto &m : screens::menus()) {
        auto *w = r.shell().window(m);
        for (auto *b : w->findChildren<QAbstractButton *>())
            if (b->text() == "Vai" && b->isEnabled())
                QTest::newRow(qPrintable(m + "." + b->objectName())) << m << b->objectName();
    }
}

void TestWindowPlacement::everyMenuEntry()
{
    QFETCH(QString, menu);
    QFETCH(QString, button);
    Runner r;
    r.show("Form1");
    r.show(menu);
    if (menu == "form5")
        for (auto *o : r.shell().window(menu)->findChildren<QAbstractButton *>())
            if (o->isCheckable() && o->isEnabled()) {
                o->setChecked(true);
                break;
            }
    r.click(menu + "." + button);

    const auto open = visibleWindows(r);
    QVERIFY(!open.isEmpty());
    for (auto *w : open) {
        QString why;
        QVERIFY2(fits(w, &why), qPrintable(why));
        for (auto *other : open)
            QVERIFY2(other == w || other->pos() != w->pos(),
                     qPrintable(w->screenName() + " over " + other->screenName()));
    }
}

void TestWindowPlacement::comesBackWhereItWas_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("away"); // a button that hides it
    QTest::addColumn<QString>("back"); // a button that shows it again
    QTest::newRow("main menu") << "Form1"
                               << "Form1.Command5"
                               << "form5.Command2";
    QTest::newRow("cube") << "Form3"
                          << "Form3.Command2"
                          << "Form1.Command3";
    QTest::newRow("cylinder") << "Form2"
                              << "Form2.Command5"
                              << "Form37.Command4";
}

void TestWindowPlacement::comesBackWhereItWas()
{
    QFETCH(QString, screen);
    QFETCH(QString, away);
    QFETCH(QString, back);
    Runner r;
    QVERIFY(r.shell().exists(screen) && r.shell().exists(back.section('.', 0, 0)));
    r.show("Form1");
    r.show(screen);
    auto *w = r.shell().window(screen);
    // Somewhere else the whole window still fits.
    const QPoint place = w->pos() + QPoint(0, w->pos().y() > 20 ? -13 : 13);
    w->move(place);
    r.click(away);
    QVERIFY(!r.visible(screen));
    r.click(back);
    QVERIFY(r.visible(screen));
    QCOMPARE(w->pos(), place);
}

QTEST_MAIN(TestWindowPlacement)
#include "test_window_placement.moc"
