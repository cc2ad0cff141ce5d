// A misspelt control name is a programming error that throws, never a silent
// no-op: in a calculation, in a window's description, and on a menu. So is a
// screen registered under a name that is not its own.
#include "app/menus.h"
#include "app/shell.h"
#include "solids/solids.h"
#include "ui/solverwindow.h"

#include <QTest>

#include <stdexcept>

using solver::Calc;
using solver::Extra;
using solver::SolverScreen;

Q_DECLARE_METATYPE(std::function<void(SolverScreen &)>)

namespace {

using Change = std::function<void(SolverScreen &)>;

SolverScreen sample()
{
    return { .name = "Test",
             .caption = "Test",
             .parent = "Form1",
             .checks = { { "Check1", "Lato (s)" } },
             .rows = { { "Label4", "Spigolo (s) =", "Label5" } },
             .formulaLabels = { "Label15" },
             .picture = { "Picture1", "cubo.svg" },
             .solvers = { { .name = "Command3",
                            .steps =
                                [](Calc &calc) {
                                    calc.given({ "Check1" });
                                    calc.show("Label5", solver::Value(1));
                                } } },
             .stampaButton = { "Command4", "Stampa" },
             .ritornaButton = { "Command2", "Ritorna" },
             .esciButton = { "Command1", "Esci" } };
}

} // namespace

class TestLoudNames : public QObject {
    Q_OBJECT
private slots:
    void window_data();
    void window();
    void calculation_data();
    void calculation();
    void menu();
    void registryName_data();
    void registryName();
};

void TestLoudNames::window_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("throws");
    QTest::newRow("as declared") << Change([](SolverScreen &) {}) << false;
    QTest::newRow("text box on an unknown picture") << Change([](SolverScreen &s) {
        s.extras.push_back({ .kind = Extra::Kind::TextBox,
                             .name = "Text2",
                             .text = "D1",
                             .opens = {},
                             .onPicture = "Picture9" });
    }) << true;
    QTest::newRow("button to an unknown screen") << Change([](SolverScreen &s) {
        s.extras.push_back({ .kind = Extra::Kind::Button,
                             .name = "Command5",
                             .text = "Vai",
                             .opens = "Form99",
                             .onPicture = {} });
    }) << true;
    QTest::newRow("a name declared twice") << Change([](SolverScreen &s) {
        s.rows.push_back({ "Label6", "Area =", "Label5" });
    }) << true;
}

void TestLoudNames::window()
{
    QFETCH(Change, change);
    QFETCH(bool, throws);
    app::Shell shell({});
    SolverScreen s = sample();
    change(s);
    bool thrown = false;
    try {
        ui::SolverWindow w(s, shell, shell.choices());
    } catch (const std::logic_error &) {
        thrown = true;
    }
    QCOMPARE(thrown, throws);
}

void TestLoudNames::calculation_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("throws");
    QTest::newRow("as declared") << "Check1"
                                 << "Label5" << false;
    QTest::newRow("misspelt tick box") << "Chek1"
                                       << "Label5" << true;
    QTest::newRow("misspelt label") << "Check1"
                                    << "Label55" << true;
    QTest::newRow("caption, not a result") << "Check1"
                                           << "Label4" << false;
}

// The calculation's names are checked against the description, with or
// without a window.
void TestLoudNames::calculation()
{
    QFETCH(QString, box);
    QFETCH(QString, label);
    QFETCH(bool, throws);
    SolverScreen s = sample();
    const std::string b = box.toStdString(), l = label.toStdString();
    s.solvers[0].steps = [b, l](Calc &calc) {
        calc.given({ b });
        calc.show(l, solver::Value(2));
    };
    app::Shell shell({});
    ui::SolverWindow w(s, shell, shell.choices());
    bool thrown = false;
    try {
        solver::runCalcola(w, s, s.solvers[0]);
    } catch (const solver::UndeclaredControl &) {
        thrown = true;
    }
    QCOMPARE(thrown, throws);
}

void TestLoudNames::menu()
{
    app::Shell shell({});
    app::MenuWindow m("FormX", "X", "Form1", shell);
    QVERIFY_THROWS_EXCEPTION(
        std::logic_error,
        m.addEntry({ "Picture1", "cubo.svg", "Label1", "Cubo", "Command1", "Form99" }, 0, 0));
    m.addEntry({ "Picture1", "cubo.svg", "Label1", "Cubo", "Command3", "Form3" }, 0, 0);
    QVERIFY_THROWS_EXCEPTION(std::logic_error, m.openOnClick("Label9", "Form3"));
    QVERIFY_THROWS_EXCEPTION(std::logic_error, m.openOnClick("Label1", "Form99"));
    m.openOnClick("Label1", "Form3");
}

void TestLoudNames::registryName_data()
{
    QTest::addColumn<QString>("registeredAs");
    QTest::addColumn<bool>("throws");
    QTest::newRow("its own name") << "Test" << false;
    QTest::newRow("another screen's name") << "Form3" << true;
    QTest::newRow("differing in case") << "test" << true;
}

// Every lookup of a misnamed screen throws, not only the first; a well named
// one is built once and found again.
void TestLoudNames::registryName()
{
    QFETCH(QString, registeredAs);
    QFETCH(bool, throws);
    const std::string name = registeredAs.toStdString();
    int builds = 0;
    solids::Registry registry;
    registry.add(name, [&builds] {
        ++builds;
        return sample();
    });
    QCOMPARE(registry.names(), std::vector<std::string>{ name });
    QVERIFY(!registry.find("Form99"));
    const solver::SolverScreen *first = nullptr;
    for (int lookup = 0; lookup < 3; ++lookup) {
        const solver::SolverScreen *found = nullptr;
        bool thrown = false;
        try {
            found = registry.find(name);
        } catch (const std::logic_error &) {
            thrown = true;
        }
        QCOMPARE(thrown, throws);
        if (throws)
            continue;
        QVERIFY(found);
        QCOMPARE(found->name, std::string("Test"));
        if (!first)
            first = found;
        QCOMPARE(found, first);
    }
    QCOMPARE(builds, throws ? 3 : 1);
}

QTEST_MAIN(TestLoudNames)
#include "test_loud_names.moc"
