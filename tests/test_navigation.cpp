// Menus and navigation: which screen each button and click shows or hides,
// the common buttons, the window's close control, and the menus' texts.
#include "scriptrunner.h"

#include "solids/solids.h"

#include <QAbstractButton>
#include <QTest>

using script::Runner;

namespace {

// The Form1 button that opens each sub-menu (the main menu is hidden then).
QString menuOpener(const QString &menu)
{
    static const QMap<QString, QString> openers = { { "form5", "Command5" },
                                                    { "Form13", "Command10" },
                                                    { "Form14", "Command8" },
                                                    { "Form29", "Command12" } };
    return openers.value(menu);
}

// Starts the program and goes to `menu` the way a user does.
bool openMenu(Runner &r, const QString &menu)
{
    r.show("Form1");
    if (menu == "Form1")
        return r.visible("Form1");
    r.click("Form1." + menuOpener(menu));
    return r.visible(menu) && !r.visible("Form1");
}

QStringList visibleScreens(Runner &r)
{
    QStringList out;
    for (auto *w : r.shell().created())
        if (w->isVisible())
            out << w->screenName();
    out.sort();
    return out;
}

// The caption of a label, text box, button, tick box or option button.
QString captionOf(Runner &r, const QString &path)
{
    const int dot = path.indexOf('.');
    auto *w = r.shell().window(path.left(dot));
    if (!w)
        return "<no screen>";
    if (auto *b = w->findChild<QAbstractButton *>(path.mid(dot + 1)))
        return b->text();
    if (!w->findChild<QWidget *>(path.mid(dot + 1)))
        return "<no control>";
    return r.text(path);
}

// Runs "click X", "close X", "select X", "show X" steps.
void perform(Runner &r, const QString &step)
{
    const QString verb = step.section(' ', 0, 0), arg = step.section(' ', 1);
    if (verb == "click")
        r.click(arg);
    else if (verb == "close")
        r.close(arg);
    else if (verb == "select")
        r.select(arg);
    else if (verb == "show")
        r.show(arg);
    else
        QFAIL(qPrintable("bad step " + step));
}

const QString kCubeFormula = "(AL=l^2*4) : (AT=l^2*6): (V=l^3): d1=l*SQR(2): (d=l*(SQR(3))";

} // namespace

class TestNavigation : public QObject {
    Q_OBJECT
private slots:
    void startsOnMainMenu();
    void besideMainMenu_data();
    void besideMainMenu();
    void ritornaHidesOnlyTheCube();
    void stateKeptAfterRitorna();
    void clicksOnCaptions_data();
    void clicksOnCaptions();
    void menuEntries_data();
    void menuEntries();
    void pyramidChoices_data();
    void pyramidChoices();
    void pyramidVaiWithNothingSelected();
    void pyramidSelectionKeptAfterRitorna();
    void menuRitorna_data();
    void menuRitorna();
    void printing_data();
    void printing();
    void esci_data();
    void esci();
    void closeControl_data();
    void closeControl();
    void neverWithoutVisibleWindow_data();
    void neverWithoutVisibleWindow();
    void windowCaptions_data();
    void windowCaptions();
    void menuTexts_data();
    void menuTexts();
    void specialMenuCaptions();
    void solverScreens_data();
    void solverScreens();
};

void TestNavigation::startsOnMainMenu()
{
    Runner r;
    r.show("Form1");
    QCOMPARE(visibleScreens(r), QStringList{ "Form1" });
    QCOMPARE(r.shell().created().size(), 1); // no other screen exists yet
    QVERIFY(!r.ended());
}

void TestNavigation::besideMainMenu_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("screen");
    QTest::newRow("Cubo") << "Command3"
                          << "Form3";
    QTest::newRow("Cilindro") << "Command2"
                              << "Form2";
    QTest::newRow("parallelepipedo") << "Command4"
                                     << "form4";
}

void TestNavigation::besideMainMenu()
{
    QFETCH(QString, button);
    QFETCH(QString, screen);
    Runner r;
    r.show("Form1");
    QVERIFY(r.enabled("Form1." + button));
    r.click("Form1." + button);
    QStringList expected{ "Form1", screen };
    expected.sort();
    QCOMPARE(visibleScreens(r), expected);
}

void TestNavigation::ritornaHidesOnlyTheCube()
{
    Runner r;
    r.show("Form1");
    r.click("Form1.Command3");
    QVERIFY(r.enabled("Form1.Command2"));
    r.click("Form1.Command2");
    QCOMPARE(visibleScreens(r), (QStringList{ "Form1", "Form2", "Form3" }));
    r.click("Form3.Command2");
    QCOMPARE(visibleScreens(r), (QStringList{ "Form1", "Form2" }));
    QVERIFY(!r.ended());
}

void TestNavigation::stateKeptAfterRitorna()
{
    Runner r("it_IT");
    r.show("Form1");
    r.click("Form1.Command3");
    r.tick("Form3.Check1");
    r.answers({ QString("2,5") });
    r.click("Form3.Command3");
    // side 2,5: AL = 4 * 6,25, V = 2,5^3
    QCOMPARE(r.text("Form3.Label9"), QString("25"));
    QCOMPARE(r.text("Form3.Label13"), QString("15,625"));

    r.click("Form3.Command2");
    QVERIFY(!r.visible("Form3"));
    r.click("Form1.Command3");
    QVERIFY(r.visible("Form3"));
    QVERIFY(r.checked("Form3.Check1"));
    QVERIFY(!r.checked("Form3.Check2"));
    QCOMPARE(r.text("Form3.Label5"), QString("2,5"));
    QCOMPARE(r.text("Form3.Label9"), QString("25"));
    QCOMPARE(r.text("Form3.Label13"), QString("15,625"));
    QCOMPARE(r.text("Form3.Label15"), kCubeFormula);
    QCOMPARE(r.dialogs().size(), 1); // reopening asks nothing
}

void TestNavigation::clicksOnCaptions_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("opens"); // empty: the click does nothing

    QTest::newRow("Form1 Prisma retto") << "Form1"
                                        << "Label4(1)"
                                        << "Form2";
    QTest::newRow("Form1 Cilindro") << "Form1"
                                    << "Label4(0)"
                                    << "Form2";
    QTest::newRow("Form1 Cubo caption") << "Form1"
                                        << "Label1"
                                        << "";
    QTest::newRow("Form1 Piramide caption") << "Form1"
                                            << "Label3"
                                            << "";
    QTest::newRow("Form1 heading") << "Form1"
                                   << "Label6"
                                   << "";
    QTest::newRow("Form1 cube picture") << "Form1"
                                        << "Picture7"
                                        << "";
    for (int i = 0; i < 10; ++i)
        QTest::addRow("Form14 Label2(%d)", i)
            << "Form14" << QString("Label2(%1)").arg(i) << "Form15";
    QTest::newRow("Form14 Picture1") << "Form14"
                                     << "Picture1"
                                     << "Form15";
    QTest::newRow("Form14 Picture9") << "Form14"
                                     << "Picture9"
                                     << "Form16";
    QTest::newRow("Form14 Picture2") << "Form14"
                                     << "Picture2"
                                     << "";
    QTest::newRow("Form14 Picture10") << "Form14"
                                      << "Picture10"
                                      << "";
    QTest::newRow("Form14 heading") << "Form14"
                                    << "Label1"
                                    << "";
    QTest::newRow("Form13 Zona sferica caption") << "Form13"
                                                 << "Label1"
                                                 << "";
    QTest::newRow("Form29 heading") << "Form29"
                                    << "Label1"
                                    << "";
}

void TestNavigation::clicksOnCaptions()
{
    QFETCH(QString, menu);
    QFETCH(QString, control);
    QFETCH(QString, opens);
    Runner r;
    QVERIFY(openMenu(r, menu));
    const int created = r.shell().created().size();
    r.click(menu + "." + control);
    if (!opens.isEmpty()) {
        QCOMPARE(visibleScreens(r), QStringList{ opens });
        return;
    }
    // No reaction.
    QCOMPARE(visibleScreens(r), QStringList{ menu });
    QCOMPARE(r.shell().created().size(), created);
}

void TestNavigation::menuEntries_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("opens");
    QTest::addColumn<bool>("menuStays");

    struct E {
        const char *menu, *button, *opens;
        bool stays;
    };
    const E entries[] = {
        { "Form1", "Command8", "Form14", false },   { "Form1", "Command12", "Form29", false },
        { "Form1", "Command11", "Form26", false },  { "Form1", "Command7", "Form27", false },
        { "Form1", "Command9", "Form24", false },   { "Form1", "Command2", "Form2", true },
        { "Form1", "Command3", "Form3", true },     { "Form1", "Command4", "form4", true },
        { "Form1", "Command5", "form5", false },    { "Form1", "Command6", "Form12", false },
        { "Form1", "Command10", "Form13", false },  { "Form13", "Command3", "Form38", false },
        { "Form13", "Command4", "Form39", false },  { "Form13", "Command6", "Form41", false },
        { "Form13", "Command7", "Form40", false },  { "Form14", "Command3", "Form15", false },
        { "Form14", "Command4", "Form16", false },  { "Form14", "Command5", "Form17", false },
        { "Form14", "Command6", "Form18", false },  { "Form14", "Command7", "Form19", false },
        { "Form14", "Command8", "Form20", false },  { "Form14", "Command9", "Form21", false },
        { "Form14", "Command10", "Form22", false }, { "Form14", "Command11", "Form23", false },
        { "Form14", "Command12", "Form25", false }, { "Form29", "Command4", "Form28", false },
        { "Form29", "Command5", "Form31", false },  { "Form29", "Command6", "Form30", false },
        { "Form29", "Command7", "Form32", false },  { "Form29", "Command8", "Form33", false },
        { "Form29", "Command9", "Form34", false },  { "Form29", "Command10", "Form36", false },
        { "Form29", "Command11", "Form35", false },
    };
    for (const auto &e : entries)
        QTest::addRow("%s.%s -> %s", e.menu, e.button, e.opens)
            << e.menu << e.button << e.opens << e.stays;
}

// Every "Vai" opens its screen, hiding the menu unless it stays.
void TestNavigation::menuEntries()
{
    QFETCH(QString, menu);
    QFETCH(QString, button);
    QFETCH(QString, opens);
    QFETCH(bool, menuStays);
    Runner r;
    QVERIFY(openMenu(r, menu));
    QCOMPARE(captionOf(r, menu + "." + button), QString("Vai"));
    QVERIFY(r.enabled(menu + "." + button));
    r.click(menu + "." + button);
    QStringList expected{ opens };
    if (menuStays)
        expected << menu;
    expected.sort();
    QCOMPARE(visibleScreens(r), expected);
    QVERIFY(!r.ended());
}

void TestNavigation::pyramidChoices_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("opens");
    QTest::addColumn<QString>("ritorna"); // the pyramid screen's "Ritorna"
    QTest::newRow("Option1") << "Option1"
                             << "Triangolo equilatero"
                             << "Form9"
                             << "Command2";
    QTest::newRow("Option2") << "Option2"
                             << "Quadrato"
                             << "form6"
                             << "Command2";
    QTest::newRow("Option3") << "Option3"
                             << "Rettangolo"
                             << "Form7"
                             << "Command2";
    QTest::newRow("Option4") << "Option4"
                             << "Trapezio isoscele"
                             << "Form8"
                             << "Command2";
    QTest::newRow("Option5") << "Option5"
                             << "Pentagono"
                             << "Form10"
                             << "Command4";
    QTest::newRow("Option6") << "Option6"
                             << "Esagono"
                             << "Form11"
                             << "Command2";
}

void TestNavigation::pyramidChoices()
{
    QFETCH(QString, option);
    QFETCH(QString, text);
    QFETCH(QString, opens);
    QFETCH(QString, ritorna);
    Runner r;
    QVERIFY(openMenu(r, "form5"));
    QCOMPARE(captionOf(r, "form5." + option), text);
    QVERIFY(!r.checked("form5." + option)); // nothing selected at first
    r.select("form5." + option);
    r.click("form5.Command3");
    QCOMPARE(visibleScreens(r), QStringList{ opens });
    // Back on the chooser the choice is kept, and "Vai" opens the same pyramid.
    r.click(opens + "." + ritorna);
    QCOMPARE(visibleScreens(r), QStringList{ "form5" });
    QVERIFY(r.checked("form5." + option));
    r.click("form5.Command3");
    QCOMPARE(visibleScreens(r), QStringList{ opens });
}

void TestNavigation::pyramidVaiWithNothingSelected()
{
    Runner r;
    QVERIFY(openMenu(r, "form5"));
    r.click("form5.Command3");
    QCOMPARE(visibleScreens(r), QStringList{ "form5" });
    QCOMPARE(r.shell().created().size(), 2); // Form1 and form5 only
    for (int i = 1; i <= 6; ++i)
        QVERIFY(!r.checked(QString("form5.Option%1").arg(i)));
}

void TestNavigation::pyramidSelectionKeptAfterRitorna()
{
    Runner r;
    QVERIFY(openMenu(r, "form5"));
    const QString option = "form5.Option5";
    r.select(option);
    r.click("form5.Command2"); // Ritorna
    QCOMPARE(visibleScreens(r), QStringList{ "Form1" });
    r.click("Form1.Command5");
    QCOMPARE(visibleScreens(r), QStringList{ "form5" });
    QVERIFY(r.checked(option));
}

void TestNavigation::menuRitorna_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("ritorna");
    QTest::newRow("form5") << "form5"
                           << "Command2";
    QTest::newRow("Form13") << "Form13"
                            << "Command2";
    QTest::newRow("Form14") << "Form14"
                            << "Command2";
    QTest::newRow("Form29") << "Form29"
                            << "Command2";
}

void TestNavigation::menuRitorna()
{
    QFETCH(QString, menu);
    QFETCH(QString, ritorna);
    Runner r;
    QVERIFY(openMenu(r, menu));
    QCOMPARE(captionOf(r, menu + "." + ritorna), QString("Ritorna"));
    r.click(menu + "." + ritorna);
    QCOMPARE(visibleScreens(r), QStringList{ "Form1" });
    // The menu still exists, hidden; showing it again brings it back.
    QVERIFY(r.created(menu));
    r.click("Form1." + menuOpener(menu));
    QCOMPARE(visibleScreens(r), QStringList{ menu });
}

void TestNavigation::printing_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("stampa");
    QTest::addColumn<QStringList>("printed");
    QTest::newRow("Form13 does nothing") << "Form13"
                                         << "Command5" << QStringList{};
    QTest::newRow("Form29 prints itself") << "Form29"
                                          << "Command3" << QStringList{ "Form29" };
    QTest::newRow("cube prints itself") << "Form3"
                                        << "Command4" << QStringList{ "Form3" };
}

void TestNavigation::printing()
{
    QFETCH(QString, screen);
    QFETCH(QString, stampa);
    QFETCH(QStringList, printed);
    Runner r;
    r.show("Form1");
    r.show(screen);
    const QStringList before = visibleScreens(r);
    QCOMPARE(captionOf(r, screen + "." + stampa), QString("Stampa"));
    r.click(screen + "." + stampa);
    QCOMPARE(r.printed(), printed);
    QCOMPARE(visibleScreens(r), before);
    QVERIFY(r.dialogs().isEmpty());
}

void TestNavigation::esci_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("esci");
    QTest::newRow("main menu") << QStringList{} << "Form1.Command1";
    QTest::newRow("cube beside the main menu")
        << QStringList{ "click Form1.Command3" } << "Form3.Command1";
    QTest::newRow("main menu while the cube is open")
        << QStringList{ "click Form1.Command3" } << "Form1.Command1";
    QTest::newRow("pyramid chooser") << QStringList{ "click Form1.Command5" } << "form5.Command1";
    QTest::newRow("sphere menu") << QStringList{ "click Form1.Command10" } << "Form13.Command1";
    QTest::newRow("prism menu") << QStringList{ "click Form1.Command8" } << "Form14.Command1";
    QTest::newRow("special solids menu")
        << QStringList{ "click Form1.Command12" } << "Form29.Command1";
}

void TestNavigation::esci()
{
    QFETCH(QStringList, before);
    QFETCH(QString, esci);
    Runner r;
    r.show("Form1");
    for (const auto &step : before)
        perform(r, step);
    QVERIFY(!r.ended());
    QCOMPARE(captionOf(r, esci), QString("Esci"));
    r.click(esci);
    QVERIFY(r.ended());
    QVERIFY(r.dialogs().isEmpty()); // no question asked
    QCOMPARE(visibleScreens(r), QStringList{});
}

void TestNavigation::closeControl_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("visibleAfter");
    QTest::addColumn<bool>("ends");
    QTest::newRow("cube acts as Ritorna")
        << QStringList{ "click Form1.Command3" } << "Form3" << QStringList{ "Form1" } << false;
    QTest::newRow("pyramid chooser acts as Ritorna")
        << QStringList{ "click Form1.Command5" } << "form5" << QStringList{ "Form1" } << false;
    QTest::newRow("prism menu acts as Ritorna")
        << QStringList{ "click Form1.Command8" } << "Form14" << QStringList{ "Form1" } << false;
    QTest::newRow("main menu ends") << QStringList{} << "Form1" << QStringList{} << true;
    QTest::newRow("main menu ends while the cube is open")
        << QStringList{ "click Form1.Command3" } << "Form1" << QStringList{} << true;
}

void TestNavigation::closeControl()
{
    QFETCH(QStringList, before);
    QFETCH(QString, screen);
    QFETCH(QStringList, visibleAfter);
    QFETCH(bool, ends);
    Runner r;
    r.show("Form1");
    for (const auto &step : before)
        perform(r, step);
    r.close(screen);
    QCOMPARE(r.ended(), ends);
    QCOMPARE(visibleScreens(r), visibleAfter);
    if (!ends)
        QVERIFY(r.created(screen)); // hidden, not destroyed
}

void TestNavigation::neverWithoutVisibleWindow_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("chooser Vai with nothing selected")
        << QStringList{ "click Form1.Command5", "click form5.Command3", "click form5.Command3" };
    QTest::newRow("closing sub-screens one after another")
        << QStringList{ "click Form1.Command3", "close Form3",           "click Form1.Command8",
                        "close Form14",         "click Form1.Command12", "close Form29" };
    QTest::newRow("cube Ritorna after the main menu was left")
        << QStringList{ "click Form1.Command3", "click Form1.Command10", "click Form3.Command2",
                        "click Form13.Command2" };
    QTest::newRow("closing a hidden menu")
        << QStringList{ "click Form1.Command8", "click Form14.Command2", "close Form14",
                        "close Form14" };
    QTest::newRow("Ritorna twice")
        << QStringList{ "click Form1.Command3", "click Form3.Command2", "click Form3.Command2" };
}

void TestNavigation::neverWithoutVisibleWindow()
{
    QFETCH(QStringList, steps);
    Runner r;
    r.show("Form1");
    for (const auto &step : steps) {
        perform(r, step);
        QVERIFY2(!visibleScreens(r).isEmpty(), qPrintable("nothing on view after " + step));
        QVERIFY(!r.ended());
    }
}

void TestNavigation::windowCaptions_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Form1") << "Form1"
                           << "CORPIMETRO";
    QTest::newRow("form5") << "form5"
                           << "PIRAMIDE ";
    QTest::newRow("Form13") << "Form13"
                            << "SFERA";
    QTest::newRow("Form14") << "Form14"
                            << "PRISMA";
    QTest::newRow("Form29") << "Form29"
                            << "SOLIDI PARTICOLARI";
}

void TestNavigation::windowCaptions()
{
    QFETCH(QString, screen);
    QFETCH(QString, caption);
    Runner r;
    QVERIFY(openMenu(r, screen));
    QCOMPARE(r.shell().window(screen)->windowTitle(), caption);
    const QJsonObject shown = r.transcript()["screens"].toObject()[screen].toObject();
    QCOMPARE(shown["caption"].toString(), caption);
}

void TestNavigation::menuTexts_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");

    const QList<QPair<const char *, const char *>> texts = {
        { "Form1.Label6", "CORPIMETRO" },
        { "Form1.Label4(1)", "Prisma retto" },
        { "Form1.Label10(1)", "Volumi di Solidi particolari" },
        { "Form1.Label10(0)", "Tronco di cono" },
        { "Form1.Label7", "Poliedri regolari" },
        { "Form1.Label2(1)", "Tronco di piramide" },
        { "Form1.Label4(0)", "Cilindro" },
        { "Form1.Label1", "Cubo" },
        { "Form1.Label2(0)", "parallelepipedo" },
        { "Form1.Label3", "Piramide" },
        { "Form1.Label5(0)", "Cono" },
        { "Form1.Label9", "Sfera e parti sferiche" },
        { "Form1.Command1", "Esci" },
        { "form5.Label1", "PIRAMIDE RETTA" },
        { "form5.Label3", "La base della Piramide è un:" },
        { "form5.Command3", "Vai" },
        { "form5.Command2", "Ritorna" },
        { "form5.Command1", "Esci" },
        { "Form13.Label7(1)", " Sfera" },
        { "Form13.Label7(0)", "Calotta sferica" },
        { "Form13.Label7(2)", " Fuso sferico" },
        { "Form13.Label1", "Zona sferica" },
        { "Form13.Command5", "Stampa" },
        { "Form13.Command2", "Ritorna" },
        { "Form13.Command1", "Esci" },
        { "Form14.Label1", "PRISMI RETTI CON BASE POLIGONI REGOLARI " },
        { "Form14.Label2(0)", "Prisma triangolare" },
        { "Form14.Label2(1)", "Prisma Quadrangolare" },
        { "Form14.Label2(2)", "Prisma Pentagonale" },
        { "Form14.Label2(3)", "Prisma esagonale" },
        { "Form14.Label2(4)", "Prisma ettagonale" },
        { "Form14.Label2(5)", "Prisma ottagonale" },
        { "Form14.Label2(6)", "Prisma ennagonale" },
        { "Form14.Label2(7)", "Prisma decagonale" },
        { "Form14.Label2(8)", "Prisma endecagonale" },
        { "Form14.Label2(9)", "Prisma dodedagonale" },
        { "Form14.Command2", "Ritorna" },
        { "Form14.Command1", "Esci" },
        { "Form29.Label1", "VOLUMI DI SOLIDI PARTICOLARI" },
        { "Form29.Command3", "Stampa" },
        { "Form29.Command2", "Ritorna" },
        { "Form29.Command1", "Esci" },
    };
    for (const auto &t : texts)
        QTest::newRow(t.first) << QString::fromUtf8(t.first) << QString::fromUtf8(t.second);
}

void TestNavigation::menuTexts()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    Runner r;
    QVERIFY(openMenu(r, control.section('.', 0, 0)));
    QCOMPARE(captionOf(r, control), text);
}

// The eight captions of the label array Label10 on Form29.
void TestNavigation::specialMenuCaptions()
{
    Runner r;
    QVERIFY(openMenu(r, "Form29"));
    QStringList shown;
    for (int i = 0; i < 8; ++i)
        shown << captionOf(r, QString("Form29.Label10(%1)").arg(i));
    shown.sort();
    QStringList expected{ "Trincea",   "Biga",
                          "Pagliaio",  "Mucchio Piramidale o Meda",
                          "Botte",     "Botte Ellittica",
                          "Prismoide", "Mucchio Prismatico o Cavalla" };
    expected.sort();
    QCOMPARE(shown, expected);
}

void TestNavigation::solverScreens_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("esci");
    QTest::addColumn<QString>("stampa");
    QTest::addColumn<QString>("ritorna");
    auto row = [](const char *screen, const char *caption, const char *parent, const char *esci,
                  const char *stampa, const char *ritorna) {
        QTest::newRow(screen) << screen << caption << parent << esci << stampa << ritorna;
    };
    row("Form2", "Cilindro", "Form1", "Command1", "Command4", "Command3");
    row("Form3", "Cubo", "Form1", "Command1", "Command4", "Command2");
    row("form4", "PARALLELEPIPEDO", "Form1", "Command1", "Command4", "Command2");
    row("Form37", "Cilindro Equilatero", "Form2", "Command3", "Command2", "Command4");
    row("Form12", "CONO", "Form1", "Command2", "Command4", "Command3");
    row("Form26", "TRONCO DI CONO", "Form1", "Command1", "Command3", "Command2");
    row("form6", "Priamide a Base Quadrata", "form5", "Command1", "Command4", "Command2");
    row("Form7", "PIRAMIDE A BASE RETTANGOLARE", "form5", "Command1", "Command4", "Command2");
    row("Form8", "PIRAMIDE CON BASE TRAPEZIO ISOSCELE", "form5", "Command1", "Command4",
        "Command2");
    row("Form9", "PIRAMIDE CON BASE TRIANGOLO EQUILATERO", "form5", "Command1", "Command4",
        "Command2");
    row("Form10", "PIRAMIDE A BASE PENTAGONALE", "form5", "Command1", "Command2", "Command4");
    row("Form11", "PIRAMIDE A BASE ESAGONALE", "form5", "Command1", "Command4", "Command2");
    row("Form24", "TRONCO DI PIRAMIDE A BASE QUADRATA", "Form1", "Command1", "Command4",
        "Command2");
    row("Form15", "", "Form14", "Command1", "Command3", "Command2");
    row("Form16", "PRISMA QUADRANGOLARE", "Form14", "Command1", "Command4", "Command2");
    row("Form17", "PRISMA PENTAGONALE", "Form14", "Command2", "Command4", "Command3");
    row("Form18", "PRISMA ESAGONALE", "Form14", "Command2", "Command4", "Command3");
    row("Form19", "PRISMA EPTAGONALE REGOLARE RETTO", "Form14", "Command1", "Command4", "Command2");
    row("Form20", "PRISMA OTTOGONALE RETTO", "Form14", "Command1", "Command4", "Command2");
    row("Form21", "PRISMA ENNAGONALE", "Form14", "Command1", "Command4", "Command3");
    row("Form22", "PRISMA DECAGONALE REGOLARE RETTO", "Form14", "Command1", "Command4", "Command2");
    row("Form23", "PRISMA ENDECAGONALE REGOLARE RETTO", "Form14", "Command1", "Command4",
        "Command2");
    row("Form25", "PRISMA DODEDAGONALE REGOLARE RETTO", "Form14", "Command1", "Command4",
        "Command3");
    row("Form38", "SFERA", "Form13", "Command3", "Command2", "Command4");
    row("Form39", "Calotta sferica", "Form13", "Command2", "Command1", "Command3");
    row("Form40", "ZONA SFERICA", "Form13", "Command3", "Command2", "Command4");
    row("Form41", "Form41", "Form13", "Command3", "Command2", "Command4");
    row("Form27", "POLIEDRI REGOLARI", "Form1", "Command1", "Command3", "Command2");
    row("Form28", "TRINCEA", "Form29", "Command3", "Command2", "Command4");
    row("Form30", "PAGLIAIO", "Form29", "Command3", "Command2", "Command4");
    row("Form31", "BIGA", "Form29", "Command3", "Command2", "Command4");
    row("Form32", "MUCCHIO PIRAMIDALE  O MEDA", "Form29", "Command3", "Command2", "Command4");
    row("Form35", "VOLUME DEL MUCCHIO PRISMATICO", "Form29", "Command4", "Command2", "Command5");
    row("Form33", "BOTTE", "Form29", "Command3", "Command2", "Command4");
    row("Form34", "VOLUME DELLA BOTTE ELLITTICA   ", "Form29", "Command3", "Command2", "Command4");
    row("Form36", "PRISMOIDE", "Form29", "Command4", "Command2", "Command5");
}

// Each solver screen: its window caption, its parent and which buttons are its
// common ones, as the screen is meant to be (what those buttons do, the
// description's own names, is tested over every screen in test_all_screens),
// and "Esci" leaves nothing on view.
void TestNavigation::solverScreens()
{
    QFETCH(QString, screen);
    QFETCH(QString, caption);
    QFETCH(QString, parent);
    QFETCH(QString, esci);
    QFETCH(QString, stampa);
    QFETCH(QString, ritorna);
    const auto *description = solids::find(screen.toStdString());
    QVERIFY(description);
    QCOMPARE(QString::fromStdString(description->parent), parent);
    QCOMPARE(QString::fromStdString(description->esciButton.name), esci);
    QCOMPARE(QString::fromStdString(description->stampaButton.name), stampa);
    QCOMPARE(QString::fromStdString(description->ritornaButton.name), ritorna);

    Runner r;
    r.show("Form1");
    r.show(screen);
    QCOMPARE(r.shell().window(screen)->windowTitle(), caption);
    // Some screens carry blanks around these captions (their own tests check them).
    QCOMPARE(captionOf(r, screen + "." + esci).trimmed(), QString("Esci"));
    QCOMPARE(captionOf(r, screen + "." + stampa).trimmed(), QString("Stampa"));
    QCOMPARE(captionOf(r, screen + "." + ritorna).trimmed(), QString("Ritorna"));

    r.click(screen + "." + esci);
    QCOMPARE(visibleScreens(r), QStringList{});
}

QTEST_MAIN(TestNavigation)
#include "test_navigation.moc"
