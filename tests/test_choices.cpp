// The row of choices above "Stampa" (unit, decimals, specific weight): on
// every solver screen, reachable by keyboard and screen reader, one choice for
// the whole program, kept across runs by the program and never by the runner,
// and what a press shows with it.
#include "screens.h"
#include "scriptrunner.h"
#include "solids/solids.h"
#include "solver/texts.h"
#include "solverwindows.h"
#include "ui/choices.h"
#include "ui/solutionwindow.h"
#include "ui/solverwindow.h"
#include "ui/widgets.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using script::Runner;
using solver::Kind;
using solverwindows::solverWindow;
using solverwindows::u;

namespace {

QComboBox *box(QWidget *w, const char *name)
{
    return w->findChild<QComboBox *>(u(name));
}

// The caption whose Alt letter goes to `buddy`.
QLabel *captionOf(QWidget *w, QWidget *buddy)
{
    for (auto *l : w->findChildren<QLabel *>())
        if (l->buddy() == buddy)
            return l;
    return nullptr;
}

QStringList items(QComboBox *c)
{
    QStringList out;
    for (int i = 0; i < c->count(); ++i)
        out << c->itemText(i);
    return out;
}

QStringList listed(const std::vector<std::string> &options)
{
    QStringList out;
    for (const auto &o : options)
        out << QString::fromStdString(o);
    return out;
}

// The cube, its quantities measured: the kinds its description gives, and a
// volume row whatever the registered description says. Its window stands
// apart from the shell's, under the same name, so that the words of the
// worksheet know it.
const solver::SolverScreen &measuredCube()
{
    static const solver::SolverScreen cube = [] {
        solver::SolverScreen s = *solids::find("Form3");
        s.quantities = { { "s", Kind::Length }, { "d", Kind::Length }, { "d1", Kind::Length },
                         { "AL", Kind::Area },  { "AT", Kind::Area },  { "V", Kind::Volume } };
        return s;
    }();
    return cube;
}

// Settings pointed at a directory of the test's own, for the whole suite.
QTemporaryDir &settingsDir()
{
    static QTemporaryDir dir;
    return dir;
}

QString settingsFile()
{
    return settingsDir().filePath(QStringLiteral("CORPIMETRO/CORPIMETRO.conf"));
}

} // namespace

class TestChoices : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    // On every solver screen.
    void solverScreens_data();
    void rowOnEveryScreen();
    void rowOnEveryScreen_data() { solverScreens_data(); }
    void mnemonicsUnique();
    void mnemonicsUnique_data() { solverScreens_data(); }
    void tabOrder();
    void tabOrder_data() { solverScreens_data(); }
    void nothingCut();
    void nothingCut_data() { solverScreens_data(); }

    // One choice for the program.
    void sharedAcrossScreens();
    void weightEntries_data();
    void weightEntries();
    void invalidWeightKeepsChoice();
    void survivesRestart();
    void runnerLeavesSavedChoices();

    // A press with the choices.
    void pressWithChoices_data();
    void pressWithChoices();
    void rowsFollowChoices();
    void worksheetCarriesUnits();

    // The script runner.
    void transcriptWithDefaults();
    void transcriptWithChoices();
    void scriptChooses_data();
    void scriptChooses();
    void badChoices_data();
    void badChoices();
};

void TestChoices::initTestCase()
{
    QVERIFY(settingsDir().isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir().path());
}

void TestChoices::init()
{
    QFile::remove(settingsFile());
}

void TestChoices::solverScreens_data()
{
    QTest::addColumn<QString>("screen");
    for (const auto &s : screens::solvers())
        QTest::newRow(qPrintable(s)) << s;
}

void TestChoices::rowOnEveryScreen()
{
    QFETCH(QString, screen);
    Runner r("it_IT");
    auto *w = solverWindow(r, screen);
    QVERIFY(w);
    const struct {
        const char *control, *caption, *spoken, *tip;
    } row[] = {
        { solver::texts::unitControl, solver::texts::unitCaption, "Unità", solver::texts::unitTip },
        { solver::texts::decimalsControl, solver::texts::decimalsCaption, "Decimali",
          solver::texts::decimalsTip },
        { solver::texts::weightControl, solver::texts::weightCaption, "Peso specifico",
          solver::texts::weightNeedsUnit },
    };
    for (const auto &c : row) {
        QComboBox *b = box(w, c.control);
        QVERIFY2(b, c.control);
        QVERIFY(b->isVisibleTo(w));
        QLabel *caption = captionOf(w, b);
        QVERIFY2(caption, c.control);
        QCOMPARE(caption->text(), u(c.caption));
        // Named as its caption says; on Linux a screen reader also follows
        // the caption it is labelled by.
        QCOMPARE(b->accessibleName(), u(c.spoken));
        QAccessibleInterface *i = QAccessible::queryAccessibleInterface(b);
        bool labelled = false;
        for (const auto &[other, relation] : i->relations(QAccessible::Label))
            labelled = labelled || other->object() == caption;
        QVERIFY2(labelled, c.control);
        QCOMPARE(i->text(QAccessible::Description), u(c.tip));
        QCOMPARE(b->toolTip(), u(c.tip));
    }
    QCOMPARE(items(box(w, solver::texts::unitControl)), listed(solver::unitOptions()));
    QCOMPARE(items(box(w, solver::texts::decimalsControl)), listed(solver::decimalsOptions()));
    QCOMPARE(box(w, solver::texts::unitControl)->currentText(), QStringLiteral("—"));
    QCOMPARE(box(w, solver::texts::decimalsControl)->currentText(), QStringLiteral("tutti"));
    QComboBox *weight = box(w, solver::texts::weightControl);
    QVERIFY(weight->isEditable());
    QVERIFY(!weight->isEnabled());
    QVERIFY(weight->currentText().isEmpty());
    QCOMPARE(weight->lineEdit()->placeholderText(), QStringLiteral("nessuno"));
    // The materials with the locale's decimal comma.
    const QStringList materials = items(weight);
    QVERIFY(materials.contains(QStringLiteral("ferro (7,8)")));
    QVERIFY(materials.contains(QStringLiteral("oro (19,3)")));
    QVERIFY(materials.contains(QStringLiteral("acqua (1)")));
    QCOMPARE(materials.size(), int(solver::materials().size()) + 1);

    // A unit enables the specific weight, with the words that say what it is.
    QVERIFY(w->choose(u(solver::texts::unitControl), QStringLiteral("cm")));
    QVERIFY(weight->isEnabled());
    QCOMPARE(weight->toolTip(), u(solver::texts::weightTip));
    QCOMPARE(QAccessible::queryAccessibleInterface(weight)->text(QAccessible::Description),
             u(solver::texts::weightTip));
}

// No Alt letter twice in a window: the captions' U, D and P, the buttons'
// letters and any tick box or option that carries one.
void TestChoices::mnemonicsUnique()
{
    QFETCH(QString, screen);
    Runner r;
    auto *w = solverWindow(r, screen);
    QMap<QChar, QString> taken;
    const auto take = [&](QChar letter, const QString &who) {
        letter = letter.toLower();
        QVERIFY2(!taken.contains(letter),
                 qPrintable(screen + ": " + who + " and " + taken.value(letter) + " share Alt+"
                            + letter));
        taken.insert(letter, who);
    };
    const auto marked = [](const QString &text) {
        const int at = int(text.indexOf('&'));
        return at >= 0 && at + 1 < text.size() ? text[at + 1] : QChar();
    };
    for (auto *b : w->findChildren<QAbstractButton *>()) {
        QChar letter;
        if (auto *own = qobject_cast<ui::Button *>(b))
            letter = own->mnemonic();
        else
            letter = marked(b->text());
        if (!letter.isNull())
            take(letter, b->objectName());
    }
    for (auto *l : w->findChildren<QLabel *>())
        if (l->buddy() && !marked(l->text()).isNull())
            take(marked(l->text()), l->text());
    for (const char *letter : { "u", "d", "p" })
        QVERIFY2(taken.contains(QChar::fromLatin1(*letter)), letter);
}

// Tab reaches the choices after every control of the screen, before the
// common buttons.
void TestChoices::tabOrder()
{
    QFETCH(QString, screen);
    Runner r;
    auto *w = solverWindow(r, screen);
    QVERIFY(w->choose(u(solver::texts::unitControl), QStringLiteral("cm")));
    QList<QWidget *> chain;
    for (QWidget *c = w->nextInFocusChain(); c != w; c = c->nextInFocusChain())
        if (c->isVisibleTo(w) && c->isEnabled() && (c->focusPolicy() & Qt::TabFocus)
            && !chain.contains(c))
            chain.append(c);
    const int unit = int(chain.indexOf(box(w, solver::texts::unitControl)));
    const int decimals = int(chain.indexOf(box(w, solver::texts::decimalsControl)));
    const int weight = int(chain.indexOf(box(w, solver::texts::weightControl)));
    QVERIFY(unit >= 0);
    QCOMPARE(decimals, unit + 1);
    // The editable box is reached through its field or itself.
    QVERIFY2(weight == decimals + 1
                 || chain.indexOf(box(w, solver::texts::weightControl)->lineEdit()) == decimals + 1,
             qPrintable(screen));
    const auto *d = solids::find(screen.toStdString());
    QStringList before;
    for (const auto &c : d->checks)
        before << QString::fromStdString(c.name);
    for (const auto &b : d->solvers)
        before << QString::fromStdString(b.name);
    for (const auto &row : d->rows)
        before << QString::fromStdString(row.result);
    for (const auto &name : before) {
        QWidget *c = w->declaredControl(name);
        if (chain.contains(c))
            QVERIFY2(chain.indexOf(c) < unit, qPrintable(screen + "." + name));
    }
    for (const auto &name : { d->stampaButton.name, std::string(solver::texts::solution),
                              d->ritornaButton.name, d->esciButton.name }) {
        QWidget *c = name.empty() ? nullptr : w->declaredControl(QString::fromStdString(name));
        if (c)
            QVERIFY2(chain.indexOf(c) > decimals + 1,
                     qPrintable(screen + "." + QString::fromStdString(name)));
    }
}

// However small the window, the row keeps the room its words need: the
// window scrolls instead.
void TestChoices::nothingCut()
{
    QFETCH(QString, screen);
    Runner r("it_IT");
    auto *w = solverWindow(r, screen);
    QVERIFY(w->choose(u(solver::texts::unitControl), QStringLiteral("km")));
    QVERIFY(w->choose(u(solver::texts::weightControl), QStringLiteral("alluminio")));
    for (const QSize size : { QSize(160, 120), w->sizeHint(), QSize(1300, 700) }) {
        w->resize(size);
        QCoreApplication::processEvents();
        for (const char *name : { solver::texts::unitControl, solver::texts::decimalsControl,
                                  solver::texts::weightControl }) {
            QComboBox *b = box(w, name);
            const QString where =
                screen + "." + name
                + QStringLiteral(" at %1x%2").arg(size.width()).arg(size.height());
            QVERIFY2(b->width() >= b->minimumSizeHint().width(), qPrintable(where));
            int widest = 0;
            for (const auto &item : items(b))
                widest = std::max(widest, b->fontMetrics().horizontalAdvance(item));
            QVERIFY2(b->width() > widest, qPrintable(where));
            QLabel *caption = captionOf(w, b);
            QString text = caption->text();
            text.remove('&');
            QVERIFY2(caption->width() >= caption->fontMetrics().horizontalAdvance(text),
                     qPrintable(where));
            // Inside the content, not beyond its right edge.
            QVERIFY2(b->geometry().right() < w->content()->width(), qPrintable(where));
        }
    }
}

void TestChoices::sharedAcrossScreens()
{
    Runner r("it_IT");
    auto *cube = solverWindow(r, "Form3");
    auto *cylinder = solverWindow(r, "Form2");
    r.choose("Form3.Unita", "cm");
    r.choose("Form3.Decimali", "2");
    r.choose("Form3.PesoSpecifico", "ferro");
    QCOMPARE(box(cylinder, solver::texts::unitControl)->currentText(), QStringLiteral("cm"));
    QCOMPARE(box(cylinder, solver::texts::decimalsControl)->currentText(), QStringLiteral("2"));
    QCOMPARE(box(cylinder, solver::texts::weightControl)->currentText(),
             QStringLiteral("ferro (7,8)"));
    QVERIFY(box(cylinder, solver::texts::weightControl)->isEnabled());
    // A screen made after the choice starts with it.
    auto *later = solverWindow(r, "Form26");
    QCOMPARE(box(later, solver::texts::unitControl)->currentText(), QStringLiteral("cm"));
    QCOMPARE(later->preferences().specificWeight, std::string("7,8"));
    // And back the other way.
    r.choose("Form26.Unita", "—");
    QCOMPARE(box(cube, solver::texts::unitControl)->currentText(), QStringLiteral("—"));
    QVERIFY(!box(cube, solver::texts::weightControl)->isEnabled());
    QCOMPARE(cube->preferences().unit, solver::Unit::None);
}

void TestChoices::weightEntries_data()
{
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("material");
    QTest::newRow("material by name") << ","
                                      << "ferro" << true << "7,8"
                                      << "ferro";
    QTest::newRow("material in capitals") << ","
                                          << " FERRO " << true << "7,8"
                                          << "ferro";
    QTest::newRow("entry of the list") << ","
                                       << "alluminio (2,7)" << true << "2,7"
                                       << "alluminio";
    QTest::newRow("entry under the point") << "."
                                           << "oro (19.3)" << true << "19.3"
                                           << "oro";
    QTest::newRow("number as typed") << ","
                                     << "2,50" << true << "2,50"
                                     << "";
    QTest::newRow("number with exponent") << ","
                                          << "1,5E0" << true << "1,5E0"
                                          << "";
    QTest::newRow("number under the point") << "."
                                            << "2.5" << true << "2.5"
                                            << "";
    QTest::newRow("the other mark") << ","
                                    << "2.5" << false << ""
                                    << "";
    QTest::newRow("zero") << ","
                          << "0" << false << ""
                          << "";
    QTest::newRow("negative") << ","
                              << "-7,8" << false << ""
                              << "";
    QTest::newRow("words") << ","
                           << "legno di pino" << false << ""
                           << "";
    QTest::newRow("nothing") << ","
                             << "  " << true << ""
                             << "";
    QTest::newRow("none from the list") << ","
                                        << "nessuno" << true << ""
                                        << "";
}

void TestChoices::weightEntries()
{
    QFETCH(QString, decimal);
    QFETCH(QString, typed);
    QFETCH(bool, valid);
    QFETCH(QString, weight);
    QFETCH(QString, material);
    const auto entry = ui::readWeight(typed, solver::NumberFormat{ decimal.toStdString() });
    QCOMPARE(entry.has_value(), valid);
    if (!entry)
        return;
    QCOMPARE(QString::fromStdString(entry->weight), weight);
    QCOMPARE(entry->material, material);
}

// What is no specific weight is not taken: the choice stays, the box shows
// it again and says why.
void TestChoices::invalidWeightKeepsChoice()
{
    Runner r("it_IT");
    auto *w = solverWindow(r, "Form3");
    r.choose("Form3.Unita", "dm");
    r.choose("Form3.PesoSpecifico", "2,5");
    QComboBox *weight = box(w, solver::texts::weightControl);
    weight->setEditText(QStringLiteral("molto"));
    emit weight->lineEdit()->editingFinished();
    QCOMPARE(w->preferences().specificWeight, std::string("2,5"));
    QCOMPARE(weight->currentText(), QStringLiteral("2,5"));
    QVERIFY(weight->toolTip().startsWith(u(solver::texts::weightInvalid)));
    // A good one afterwards is taken, and the tooltip is the plain one again.
    weight->setEditText(QStringLiteral("vetro"));
    emit weight->lineEdit()->editingFinished();
    QCOMPARE(w->preferences().specificWeight, std::string("2,5"));
    QCOMPARE(weight->currentText(), QStringLiteral("vetro (2,5)"));
    QCOMPARE(weight->toolTip(), u(solver::texts::weightTip));
    // "nessuno" from the list empties it.
    weight->setEditText(QStringLiteral("nessuno"));
    emit weight->lineEdit()->editingFinished();
    QVERIFY(w->preferences().specificWeight.empty());
    QVERIFY(weight->currentText().isEmpty());
}

void TestChoices::survivesRestart()
{
    const solver::NumberFormat comma = solver::NumberFormat::comma();
    {
        ui::Choices saved(ui::Choices::userSettings(), comma);
        QCOMPARE(saved.preferences(), solver::Preferences{});
        saved.setUnit(solver::Unit::Metre);
        saved.setDecimals(3);
        saved.setSpecificWeight("0,7", QStringLiteral("legno"));
    }
    QVERIFY(QFile::exists(settingsFile()));
    {
        ui::Choices again(ui::Choices::userSettings(), comma);
        QCOMPARE(again.preferences().unit, solver::Unit::Metre);
        QCOMPARE(again.preferences().decimals, 3);
        QCOMPARE(again.preferences().specificWeight, std::string("0,7"));
        QCOMPARE(again.material(), QStringLiteral("legno"));
    }
    // Kept with a point: read again under the point, it is the same weight.
    {
        ui::Choices pointed(ui::Choices::userSettings(), solver::NumberFormat::point());
        QCOMPARE(pointed.preferences().specificWeight, std::string("0.7"));
    }
    // A file spoiled by hand gives the defaults where it cannot be read.
    {
        QSettings s(settingsFile(), QSettings::NativeFormat);
        s.setValue("scelte/unita", "pollici");
        s.setValue("scelte/decimali", 9);
        s.setValue("scelte/pesoSpecifico", "pesante");
    }
    ui::Choices spoiled(ui::Choices::userSettings(), comma);
    QCOMPARE(spoiled.preferences(), solver::Preferences{});
}

void TestChoices::runnerLeavesSavedChoices()
{
    {
        ui::Choices saved(ui::Choices::userSettings(), solver::NumberFormat::comma());
        saved.setPreferences({ solver::Unit::Centimetre, 2, "7,8" }, QStringLiteral("ferro"));
    }
    QFile file(settingsFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    QVERIFY(before.contains("cm"));
    {
        Runner r("it_IT");
        auto *w = solverWindow(r, "Form3");
        // The runner starts from the defaults, not from what was saved.
        QCOMPARE(w->preferences(), solver::Preferences{});
        r.choose("Form3.Unita", "km");
        r.choose("Form3.Decimali", "5");
        r.choose("Form3.PesoSpecifico", "oro");
        QCOMPARE(w->preferences().unit, solver::Unit::Kilometre);
    }
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void TestChoices::pressWithChoices_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("side");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("capacity");
    QTest::addColumn<QString>("weight");
    // 2,5³ = 15,625 cm³ -> 15,63; 15,625 cm³ = 0,015625 l -> 0,02;
    // 15,625 · 7,8 = 121,875 g -> 121,88.
    QTest::newRow("comma") << "it_IT"
                           << "2,5"
                           << "2,5 cm"
                           << "15,63 cm³"
                           << "0,02 l"
                           << "121,88 g";
    QTest::newRow("point") << "en_US"
                           << "2.5"
                           << "2.5 cm"
                           << "15.63 cm³"
                           << "0.02 l"
                           << "121.88 g";
}

void TestChoices::pressWithChoices()
{
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QString, side);
    QFETCH(QString, volume);
    QFETCH(QString, capacity);
    QFETCH(QString, weight);
    Runner r(locale);
    const auto &screen = measuredCube();
    ui::SolverWindow w(screen, r.shell(), r.shell().choices());
    w.finishControls();
    QVERIFY(w.choose("Unita", "cm"));
    QVERIFY(w.choose("Decimali", "2"));
    QVERIFY(w.choose("PesoSpecifico", "ferro"));
    w.show();
    // The rows show before the press, so that the press lays nothing out.
    auto *capacityLabel = w.findChild<QLabel *>(u(solver::texts::capacityControl));
    auto *weightLabel = w.findChild<QLabel *>(u(solver::texts::weightResultControl));
    QVERIFY(capacityLabel->isVisible() && weightLabel->isVisible());
    QVERIFY(w.findChild<QLabel *>(u(solver::texts::capacityCaptionControl))->isVisible());

    w.findChild<QCheckBox *>("Check1")->setChecked(true);
    r.answers({ typed });
    const int dialogs = r.dialogs().size();
    w.solve(screen.solvers.front());
    QCOMPARE(r.dialogs().size(), dialogs + 1);
    QCOMPARE(r.dialogs().last().unit, QStringLiteral("cm"));
    QCOMPARE(r.dialogs().last().text, QStringLiteral("INTRODUCI IL LATO (L) ="));
    QCOMPARE(w.findChild<QLabel *>("Label5")->text(), side);
    QCOMPARE(w.findChild<QLabel *>("Label13")->text(), volume);
    QCOMPARE(capacityLabel->text(), capacity);
    QCOMPARE(weightLabel->text(), weight);
    // The transcript names the prompt's unit.
    const QJsonArray recorded = r.transcript().value("dialogs").toArray();
    QCOMPARE(recorded.last().toObject().value("unit").toString(), QStringLiteral("cm"));
}

// The capacity shows with a unit, the weight with a unit and a specific
// weight; a change of choice empties both (their numbers were in the old unit).
void TestChoices::rowsFollowChoices()
{
    Runner r("it_IT");
    const auto &screen = measuredCube();
    ui::SolverWindow w(screen, r.shell(), r.shell().choices());
    w.finishControls();
    w.show();
    auto *capacity = w.findChild<QLabel *>(u(solver::texts::capacityControl));
    auto *weight = w.findChild<QLabel *>(u(solver::texts::weightResultControl));
    QVERIFY(!capacity->isVisible() && !weight->isVisible());
    QVERIFY(w.choose("Unita", "dm"));
    QVERIFY(capacity->isVisible() && !weight->isVisible());
    QVERIFY(w.choose("PesoSpecifico", "1,5"));
    QVERIFY(capacity->isVisible() && weight->isVisible());

    w.findChild<QCheckBox *>("Check1")->setChecked(true);
    r.answers({ QStringLiteral("2") });
    w.solve(screen.solvers.front());
    // 2 dm: 8 dm³ = 8 l; 8 · 1,5 = 12 kg.
    QCOMPARE(capacity->text(), QStringLiteral("8 l"));
    QCOMPARE(weight->text(), QStringLiteral("12 kg"));
    QVERIFY(w.choose("Decimali", "1"));
    QVERIFY(capacity->text().isEmpty() && weight->text().isEmpty());
    QVERIFY(w.choose("Unita", "—"));
    QVERIFY(!capacity->isVisible() && !weight->isVisible());
    // Without a unit a prompt names none, and the transcript says nothing of it.
    r.answers({ QStringLiteral("2") });
    w.solve(screen.solvers.front());
    QVERIFY(r.dialogs().last().unit.isEmpty());
    QVERIFY(!r.transcript().value("dialogs").toArray().last().toObject().contains("unit"));
}

// The exercise of the worksheet gives the data with their unit, the specific
// weight in a sentence of its own, and asks for the capacity and the weight.
void TestChoices::worksheetCarriesUnits()
{
    Runner r("it_IT");
    const auto &screen = measuredCube();
    ui::SolverWindow w(screen, r.shell(), r.shell().choices());
    w.finishControls();
    w.findChild<QCheckBox *>("Check1")->setChecked(true);
    r.answers({ QStringLiteral("2,5") });
    w.solve(screen.solvers.front());
    const QString plain = w.worksheet().exercise;
    QVERIFY2(plain.startsWith("Un cubo ha ") && plain.contains(" 2,5. Calcola "),
             qPrintable(plain));
    QVERIFY(!plain.contains("cm") && !plain.contains("capacità"));

    QVERIFY(w.choose("Unita", "cm"));
    QVERIFY(w.choose("PesoSpecifico", "ferro"));
    r.answers({ QStringLiteral("2,5") });
    w.solve(screen.solvers.front());
    const QString measured = w.worksheet().exercise;
    QVERIFY2(measured.contains(" 2,5 cm. Il suo peso specifico è 7,8 g/cm³. Calcola "),
             qPrintable(measured));
    QVERIFY2(measured.endsWith(", il volume, la capacità e il peso."), qPrintable(measured));
    // The same quantities asked, the two more added.
    QCOMPARE(measured.section(" Calcola ", 1).count(','),
             plain.section(" Calcola ", 1).count(',') + 2);
    // The answer key and "Copia" end with the capacity and the weight.
    const QString copied = ui::worksheetText(w.worksheet());
    QVERIFY2(
        copied.endsWith("Volume: V = 15,625 cm³\nCapacità = 0,015625 l\nPeso: P = 121,875 g\n"),
        qPrintable(copied));
    // The worked solution ends with the weight, in grams.
    QVERIFY2(w.solution().last().contains("121,875 g"), qPrintable(w.solution().join('\n')));
}

void TestChoices::transcriptWithDefaults()
{
    Runner r("it_IT");
    for (const auto &s : screens::solvers())
        r.show(s);
    const QJsonObject screens = r.transcript().value("screens").toObject();
    for (const auto &s : screens::solvers()) {
        const QJsonObject screen = screens.value(s).toObject();
        for (const char *key : { "unit", "decimals", "specificWeight" })
            QVERIFY2(!screen.contains(key), qPrintable(s + " " + key));
        // Only the screen's own labels: no field of a pick list, no capacity.
        QSet<QString> declared;
        for (const auto &name : solids::find(s.toStdString())->declared())
            declared.insert(QString::fromStdString(name));
        for (const auto &name : screen.value("labels").toObject().keys()) {
            QVERIFY2(declared.contains(name), qPrintable(s + "." + name));
            QVERIFY2(!name.startsWith("Capacita") && !name.startsWith("Peso"),
                     qPrintable(s + "." + name));
        }
    }
}

void TestChoices::transcriptWithChoices()
{
    Runner r("it_IT");
    r.show("Form3");
    r.choose("Form3.Unita", "mm");
    r.choose("Form3.Decimali", "0");
    r.choose("Form3.PesoSpecifico", "sughero");
    QJsonObject cube = r.transcript().value("screens").toObject().value("Form3").toObject();
    QCOMPARE(cube.value("unit").toString(), QStringLiteral("mm"));
    QCOMPARE(cube.value("decimals").toInt(-9), 0);
    QCOMPARE(cube.value("specificWeight").toString(), QStringLiteral("0,25"));
    r.choose("Form3.Decimali", "tutti");
    r.choose("Form3.PesoSpecifico", "nessuno");
    cube = r.transcript().value("screens").toObject().value("Form3").toObject();
    QCOMPARE(cube.value("unit").toString(), QStringLiteral("mm"));
    QVERIFY(!cube.contains("decimals"));
    QVERIFY(!cube.contains("specificWeight"));
}

void TestChoices::scriptChooses_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("weight");
    QTest::newRow("preferences") << QByteArray(R"({"locale": "it_IT",
        "preferences": {"unit": "cm", "decimals": 2, "specificWeight": "7,8"},
        "steps": [{"show": "Form3"}]})")
                                 << "cm" << 2 << "7,8";
    QTest::newRow("chosen as steps") << QByteArray(R"({"locale": "it_IT", "steps": [
        {"show": "Form3"}, {"choose": "Form3.Unita", "option": "m"},
        {"choose": "Form3.Decimali", "option": "4"},
        {"choose": "Form3.PesoSpecifico", "option": "2,25"}]})")
                                     << "m" << 4 << "2,25";
    QTest::newRow("steps after preferences") << QByteArray(R"({"locale": "en_US",
        "preferences": {"unit": "cm", "decimals": 2},
        "steps": [{"show": "Form3"}, {"choose": "Form3.Decimali", "option": "tutti"},
        {"choose": "Form3.PesoSpecifico", "option": "oro"}]})")
                                             << "cm" << -1 << "19.3";
    QTest::newRow("weight before a unit changes nothing") << QByteArray(R"({"steps": [
        {"show": "Form3"}, {"choose": "Form3.PesoSpecifico", "option": "oro"}]})")
                                                          << "—" << -1 << "";
}

void TestChoices::scriptChooses()
{
    QFETCH(QByteArray, script);
    QFETCH(QString, unit);
    QFETCH(int, decimals);
    QFETCH(QString, weight);
    const solver::script::Script s = Runner::read(script);
    Runner r(script::fromUtf8(s.locale));
    r.run(s);
    auto *w = qobject_cast<ui::SolverWindow *>(r.shell().window("Form3"));
    const solver::Preferences p = w->preferences();
    QCOMPARE(QString::fromStdString(solver::unitName(p.unit)), unit);
    QCOMPARE(p.decimals, decimals);
    QCOMPARE(QString::fromStdString(p.specificWeight), weight);
    QCOMPARE(box(w, solver::texts::unitControl)->currentText(), unit);
}

void TestChoices::badChoices_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("message");
    QTest::newRow("unit not listed") << "Form3.Unita"
                                     << "pollici"
                                     << "\"Form3.Unita\" has no option \"pollici\"";
    QTest::newRow("decimals beyond the list") << "Form3.Decimali"
                                              << "7"
                                              << "\"Form3.Decimali\" has no option \"7\"";
    QTest::newRow("weight not a number") << "Form3.PesoSpecifico"
                                         << "pesante"
                                         << "\"Form3.PesoSpecifico\" has no option \"pesante\"";
    QTest::newRow("weight under the other mark") << "Form3.PesoSpecifico"
                                                 << "7.8"
                                                 << "\"Form3.PesoSpecifico\" has no option \"7.8\"";
    QTest::newRow("not a choice") << "Form3.Check1"
                                  << "cm"
                                  << "\"Form3.Check1\" is not a choice";
    QTest::newRow("unknown control") << "Form3.Unità"
                                     << "cm"
                                     << "unknown control \"Form3.Unità\"";
    QTest::newRow("a menu has none") << "Form1.Unita"
                                     << "cm"
                                     << "unknown control \"Form1.Unita\"";
}

void TestChoices::badChoices()
{
    QFETCH(QString, control);
    QFETCH(QString, option);
    QFETCH(QString, message);
    Runner r("it_IT");
    r.show("Form3");
    r.choose("Form3.Unita", "cm");
    try {
        r.choose(control, option);
        QFAIL("no ScriptError");
    } catch (const script::ScriptError &e) {
        QCOMPARE(e.message, message);
    }
    // Nothing changed.
    auto *w = qobject_cast<ui::SolverWindow *>(r.shell().window("Form3"));
    QCOMPARE(w->preferences(), (solver::Preferences{ solver::Unit::Centimetre, -1, "" }));
}

QTEST_MAIN(TestChoices)
#include "test_choices.moc"
