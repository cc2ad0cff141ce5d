// What a keyboard user and a screen reader get from every screen: names and
// values through QAccessible, Alt letters, Enter and Escape, results that can
// be reached and copied, read-only boxes that stay out of the way.
#include "screens.h"
#include "scriptrunner.h"
#include "solids/menus.h"
#include "solver/texts.h"
#include "ui/widgets.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

using script::Runner;

namespace {

// Every interface under `root` of the accessibility tree.
void walk(QAccessibleInterface *root, QList<QAccessibleInterface *> &out)
{
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface *child = root->child(i);
        if (!child)
            continue;
        out.append(child);
        walk(child, out);
    }
}

// The result and formula labels of a solver screen, by name.
QStringList valueLabels(const QString &screen)
{
    QStringList out;
    if (const auto *d = solids::find(screen.toStdString())) {
        for (const auto &r : d->rows)
            out << QString::fromStdString(r.result);
        for (const auto &f : d->formulaLabels)
            out << QString::fromStdString(f);
    }
    return out;
}

// Whether a result or formula label of a solver screen has a caption that
// says something when the screen is first shown.
bool captioned(const std::string &screen, const std::string &label)
{
    const auto *d = solids::find(screen);
    for (const auto &row : d->rows)
        if (row.result == label)
            return !solver::spokenName(row.captionText).empty();
    return d->formulaLabels.size() == 1 && d->formulaHeading.present()
           && !solver::spokenName(d->formulaHeading.text).empty();
}

QWidget *shown(Runner &r, const QString &screen)
{
    r.show(screen);
    auto *w = r.shell().window(screen);
    if (w) {
        w->activateWindow();
        QApplication::setActiveWindow(w);
    }
    return w;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QAccessible::setActive(true); }

    void namesAndValues_data();
    void namesAndValues();
    void spokenNames_data();
    void spokenNames();
    void spokenRule_data();
    void spokenRule();
    void namedByTheCore_data();
    void namedByTheCore();
    void mnemonics_data();
    void mnemonics();
    void escapeGoesBack_data();
    void escapeGoesBack();
    void enterPresses_data();
    void enterPresses();
    void resultsInTabOrder_data();
    void resultsInTabOrder();
    void copyWholeValue_data();
    void copyWholeValue();
};

void TestAccessibility::namesAndValues_data()
{
    QTest::addColumn<QString>("screen");
    for (const auto &s : screens::all())
        QTest::newRow(qPrintable(s)) << s;
}

void TestAccessibility::namesAndValues()
{
    QFETCH(QString, screen);
    Runner r("it_IT");
    QWidget *w = shown(r, screen);
    QVERIFY(w);

    // Values as a calculation leaves them.
    const QStringList values = valueLabels(screen);
    for (const auto &v : values)
        w->findChild<QLabel *>(v)->setText(QStringLiteral("2,82842712474619"));

    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(w);
    QVERIFY(root);
    QList<QAccessibleInterface *> all;
    walk(root, all);

    QSet<QObject *> reached;
    for (auto *i : all) {
        reached.insert(i->object());
        auto *widget = qobject_cast<QWidget *>(i->object());
        if (!widget || widget->objectName().isEmpty()
            || widget->objectName().startsWith(QLatin1String("qt_")) || !widget->isVisibleTo(w))
            continue;
        const QString where = screen + "." + widget->objectName();
        auto *label = qobject_cast<QLabel *>(widget);
        const bool isValue = values.contains(widget->objectName());
        // An empty static label shows nothing and says nothing.
        if (label && !isValue && label->text().trimmed().isEmpty())
            continue;
        const QString name = i->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty(), qPrintable(where + " has no name"));
        QVERIFY2(name == name.simplified() && !name.endsWith('='),
                 qPrintable(where + " is named \"" + name + "\""));
        QVERIFY2(!name.endsWith(".svg") && !name.contains("&"),
                 qPrintable(where + " is named \"" + name + "\""));
        if (isValue)
            QVERIFY2(i->text(QAccessible::Value) == label->text(),
                     qPrintable(where + " value \"" + i->text(QAccessible::Value) + "\""));
        if (isValue) {
            QAccessibleTextInterface *t = i->textInterface();
            QVERIFY2(t && t->text(0, t->characterCount()) == label->text(), qPrintable(where));
        }
        if (qobject_cast<ui::PictureBox *>(widget))
            QCOMPARE(i->role(), QAccessible::Graphic);
    }
    // Every control is in the tree, the ones inside the scrolling area too.
    for (auto *c : w->findChildren<QWidget *>()) {
        if (c->objectName().isEmpty() || c->objectName().startsWith(QLatin1String("qt_"))
            || !c->isVisibleTo(w))
            continue;
        QVERIFY2(reached.contains(c), qPrintable(screen + "." + c->objectName()));
    }
}

void TestAccessibility::spokenNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("padded caption") << "Form3.Label5"
                                    << "Spigolo (s)";
    QTest::newRow("caption with two '='") << "Form3.Label12(2)"
                                          << "diagonale (d1)";
    QTest::newRow("caption label itself") << "Form3.Label4"
                                          << "Spigolo (s)";
    QTest::newRow("formula") << "Form3.Label15"
                             << "Formule applicate:";
    QTest::newRow("picture") << "Form3.Picture1"
                             << "Cubo: spigolo s, diagonali d e d1";
    QTest::newRow("menu picture") << "Form1.Picture7"
                                  << "Cubo: spigolo s, diagonali d e d1";
    QTest::newRow("Vai on a screen") << "Form2.Command5"
                                     << "Vai: cilindro equilatero";
    QTest::newRow("Vai on a menu") << "Form1.Command3"
                                   << "Vai: Cubo";
    QTest::newRow("caption empty before Calcola: its quantity") << "Form2.Label20"
                                                                << "R";
    QTest::newRow("title box") << "Form2.Text1"
                               << "CILINDRO";
}

void TestAccessibility::spokenNames()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    Runner r;
    const QString screen = control.section('.', 0, 0);
    QVERIFY(r.shell().exists(screen));
    QWidget *w = shown(r, screen);
    auto *c = w->findChild<QWidget *>(control.section('.', 1));
    QVERIFY(c);
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(c);
    QVERIFY(i);
    QCOMPARE(i->text(QAccessible::Name), name);
}

void TestAccessibility::spokenRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QString>("acting"); // "Vai" acting on the text
    QTest::newRow("padded result caption") << "  Spigolo (s)     ="
                                           << "Spigolo (s)"
                                           << "Vai: spigolo (s)";
    QTest::newRow("two '='") << "diagonale (d1) = ="
                             << "diagonale (d1)"
                             << "Vai: diagonale (d1)";
    QTest::newRow("blanks of every kind") << "Tronco\tdi\n  cono\r"
                                          << "Tronco di cono"
                                          << "Vai: tronco di cono";
    QTest::newRow("accented capitals") << "ÈLICA ÀÉÌÒÙ ×"
                                       << "ÈLICA ÀÉÌÒÙ ×"
                                       << "Vai: èlica àéìòù ×";
    QTest::newRow("nothing to say") << " = "
                                    << ""
                                    << "Vai";
    QTest::newRow("'=' inside stays") << "a = b"
                                      << "a = b"
                                      << "Vai: a = b";
}

// The rule both editions name controls by, through the desktop's wrapper.
void TestAccessibility::spokenRule()
{
    QFETCH(QString, text);
    QFETCH(QString, spoken);
    QFETCH(QString, acting);
    QCOMPARE(ui::spokenName(text), spoken);
    QCOMPARE(QString::fromStdString(solver::actingOn("Vai", text.toStdString())), acting);
}

void TestAccessibility::namedByTheCore_data()
{
    namesAndValues_data();
}

// Every control the core names (solver::spokenNames, which the web page reads
// from the description) is named so on the desktop. A picture's own words, or
// a result's caption once it has one, come first on the desktop.
void TestAccessibility::namedByTheCore()
{
    QFETCH(QString, screen);
    Runner r;
    QWidget *w = shown(r, screen);
    QVERIFY(w);
    const std::string name = screen.toStdString();
    solver::TextPairs names;
    if (const auto *d = solids::find(name)) {
        names = solver::spokenNames(*d, [&r](const std::string &s) {
            return r.shell().caption(QString::fromStdString(s)).toStdString();
        });
    } else {
        for (const auto &m : solids::menus())
            if (m.name == name)
                names = solver::spokenNames(m);
    }
    QVERIFY(!names.empty());
    for (const auto &[control, spoken] : names) {
        const QString where = screen + "." + QString::fromStdString(control);
        auto *c = w->findChild<QWidget *>(QString::fromStdString(control));
        QVERIFY2(c, qPrintable(where + " is missing"));
        QString expected = QString::fromStdString(spoken);
        if (auto *p = qobject_cast<ui::PictureBox *>(c); p && !p->description().isEmpty())
            expected = p->description();
        // A result or formula with a caption on show is named by it.
        if (qobject_cast<ui::ValueLabel *>(c) && captioned(name, control))
            continue;
        QAccessibleInterface *i = QAccessible::queryAccessibleInterface(c);
        QVERIFY(i);
        QVERIFY2(i->text(QAccessible::Name) == expected,
                 qPrintable(where + " is named \"" + i->text(QAccessible::Name) + "\", not \""
                            + expected + "\""));
    }
}

void TestAccessibility::mnemonics_data()
{
    namesAndValues_data();
}

void TestAccessibility::mnemonics()
{
    QFETCH(QString, screen);
    Runner r;
    QWidget *w = shown(r, screen);
    QMap<QChar, QString> taken;
    for (auto *b : w->findChildren<ui::Button *>()) {
        const QChar letter = b->mnemonic();
        // The runner and the transcripts see the plain text.
        QVERIFY2(!b->text().contains('&'), qPrintable(b->text()));
        if (QStringList{ "Calcola", "Stampa", "Ritorna", "Esci" }.contains(b->text()))
            QVERIFY2(!letter.isNull(), qPrintable(screen + "." + b->objectName()));
        if (letter.isNull())
            continue;
        QVERIFY2(!taken.contains(letter),
                 qPrintable(screen + ": " + b->objectName() + " and " + taken.value(letter)
                            + " share Alt+" + letter));
        taken.insert(letter, b->objectName());
        QCOMPARE(b->shortcut(), QKeySequence(QStringLiteral("Alt+") + letter.toUpper()));
    }
}

void TestAccessibility::escapeGoesBack_data()
{
    namesAndValues_data();
}

void TestAccessibility::escapeGoesBack()
{
    QFETCH(QString, screen);
    Runner r;
    QWidget *w = shown(r, screen);
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::keyClick(w, Qt::Key_Escape);
    if (screen == "Form1") {
        // The main menu stays: Escape does not end the program.
        QVERIFY(r.visible(screen));
        QVERIFY(!r.ended());
        return;
    }
    QVERIFY(!r.visible(screen));
    QVERIFY(!r.ended());
}

void TestAccessibility::enterPresses_data()
{
    namesAndValues_data();
}

void TestAccessibility::enterPresses()
{
    // Enter on the focused "Stampa" prints; on "Calcola" with nothing
    // ticked it asks or tells something.
    QFETCH(QString, screen);
    Runner r;
    QWidget *w = shown(r, screen);
    QVERIFY(QTest::qWaitForWindowActive(w));
    int pressed = 0;
    for (auto *b : w->findChildren<ui::Button *>()) {
        if (b->text() != "Stampa" && b->text() != "Calcola")
            continue;
        if (auto *d = solids::find(screen.toStdString()))
            for (const auto &c : d->checks)
                r.untick(screen + "." + QString::fromStdString(c.name));
        const int dialogs = r.dialogs().size();
        const int printed = r.printed().size();
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Return);
        r.answers({});
        QVERIFY2(r.dialogs().size() > dialogs || r.printed().size() > printed
                     || screen == "Form13", // whose "Stampa" does nothing
                 qPrintable(screen + "." + b->objectName()));
        ++pressed;
    }
    if (!valueLabels(screen).isEmpty())
        QVERIFY(pressed > 0);
}

void TestAccessibility::resultsInTabOrder_data()
{
    QTest::addColumn<QString>("screen");
    for (const auto &s : screens::solvers())
        QTest::newRow(qPrintable(s)) << s;
}

void TestAccessibility::resultsInTabOrder()
{
    QFETCH(QString, screen);
    Runner r;
    QWidget *w = shown(r, screen);
    QVERIFY(QTest::qWaitForWindowActive(w));

    // Walk the chain as Tab does, from the first stop.
    QList<QWidget *> chain;
    QWidget *first = nullptr;
    for (QWidget *c = w->nextInFocusChain(); c != w; c = c->nextInFocusChain()) {
        if (!c->isVisibleTo(w) || !c->isEnabled() || !(c->focusPolicy() & Qt::TabFocus))
            continue;
        if (!first)
            first = c;
        chain.append(c);
    }
    QVERIFY(first);
    QVERIFY2(!qobject_cast<QLineEdit *>(first), qPrintable(first->objectName()));
    for (const auto &v : valueLabels(screen))
        QVERIFY2(chain.contains(w->findChild<QWidget *>(v)), qPrintable(v));
    // Read-only boxes are not stops at all.
    for (auto *t : w->findChildren<QLineEdit *>())
        if (t->isReadOnly())
            QVERIFY2(!chain.contains(t), qPrintable(t->objectName()));
}

void TestAccessibility::copyWholeValue_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("decimal comma") << "2,82842712474619";
    QTest::newRow("decimal point") << "3.46410161513775";
    QTest::newRow("exponent") << "1,23456789012346E+16";
    QTest::newRow("negative") << "-0,5";
}

void TestAccessibility::copyWholeValue()
{
    QFETCH(QString, value);
    Runner r;
    QWidget *w = shown(r, "Form3");
    QVERIFY(QTest::qWaitForWindowActive(w));
    auto *v = w->findChild<ui::ValueLabel *>("Label12(2)");
    QVERIFY(v);
    v->setText(value);

    // A double click takes the whole number, not the part before the comma.
    QTest::mouseDClick(v, Qt::LeftButton, {}, QPoint(8, v->height() / 2));
    QCOMPARE(v->selectedText(), value);

    // Reached with Tab, Ctrl+C copies it whole.
    QApplication::clipboard()->clear();
    v->clearFocus();
    v->setSelection(0, 0);
    v->setFocus(Qt::TabFocusReason);
    QCOMPARE(v->selectedText(), value);
    QTest::keyClick(v, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), value);

    // With nothing selected Ctrl+C still copies the value.
    QApplication::clipboard()->clear();
    v->setSelection(0, 0);
    QTest::keyClick(v, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), value);
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
