// Exercise sheets: every solid yields many different exercises with short
// data, each of which the screen itself answers as the key says; the same
// number makes the same sheet.
#include "sheets/sheet.h"
#include "solids/solids.h"
#include "solver/hint.h"
#include "solver/scripted.h"

#include <QTest>

#include <map>
#include <set>

using namespace solver;

namespace {

sheets::Settings only(const std::string &screen, std::uint32_t seed, bool oneDecimal = false)
{
    sheets::Settings s;
    s.screens = { screen };
    s.count = 10;
    s.seed = seed;
    s.oneDecimal = oneDecimal;
    return s;
}

std::string identity(const sheets::Exercise &e)
{
    std::string id = e.screen + " " + e.button;
    for (const auto &t : e.ticks)
        id += " " + t;
    for (const auto &a : e.answers)
        id += " " + a;
    return id;
}

} // namespace

class TestCoreSheets : public QObject {
    Q_OBJECT
private slots:
    void theScreenNamesEverySolidOnce();
    void everySolidYieldsManyExercises_data();
    void everySolidYieldsManyExercises();
    void theSameNumberMakesTheSameSheet();
    void aMixedSheetVariesItsSolids();
    void settingsOutOfRangeAreKeptIn();
};

void TestCoreSheets::theScreenNamesEverySolidOnce()
{
    const auto &screen = sheets::screen();
    std::multiset<std::string> listed;
    std::set<std::string> names;
    for (const auto &f : screen.families) {
        QVERIFY(!f.name.text.empty());
        QCOMPARE(f.boxes.size(), f.screens.size());
        listed.insert(f.screens.begin(), f.screens.end());
        for (const auto &b : f.boxes) {
            // A solid is named as a person reads it, never by its screen.
            QVERIFY2(!b.text.empty() && b.text.find("Form") == std::string::npos, b.text.c_str());
            QVERIFY2(b.text[0] >= 'A' && b.text[0] <= 'Z', b.text.c_str());
        }
    }
    for (const auto &name : solids::names())
        QVERIFY2(listed.count(name) == 1, name.c_str());
    QCOMPARE(listed.size(), solids::names().size());
    // Every control is named once.
    for (const auto &c : screen.labels())
        QVERIFY2(names.insert(c.name).second, c.name.c_str());
    for (const auto &c : screen.checks()) {
        QVERIFY2(names.insert(c.name).second, c.name.c_str());
        QVERIFY(screen.familyOf(c.name));
    }
    for (const auto &n :
         { screen.countControl, screen.unitControl, screen.decimalsControl, screen.seedControl,
           screen.whole.name, screen.oneDecimal.name, screen.preview.name, screen.print.name,
           screen.ritorna.name, screen.esci.name })
        QVERIFY2(names.insert(n).second, n.c_str());
}

void TestCoreSheets::everySolidYieldsManyExercises_data()
{
    QTest::addColumn<QString>("screen");
    for (const auto &name : solids::names())
        QTest::newRow(name.c_str()) << QString::fromStdString(name);
}

// Over a few numbers, whole and decimal data: the sheet is always full, at
// least twenty exercises differ, every datum is short, and a fresh press of
// each exercise's screen with its data gives the key's results, with nothing
// to remark on the data.
void TestCoreSheets::everySolidYieldsManyExercises()
{
    QFETCH(QString, screen);
    const SolverScreen &s = *solids::find(screen.toStdString());
    // Digits, then at most two decimals after the mark.
    const auto shortNumber = [](const std::string &a) {
        const auto mark = a.find_first_of(".,");
        const std::string whole = a.substr(0, mark);
        const std::string tail = mark == std::string::npos ? "" : a.substr(mark + 1);
        const auto digits = [](const std::string &t) {
            return t.find_first_not_of("0123456789") == std::string::npos;
        };
        return !whole.empty() && digits(whole) && digits(tail)
               && (mark == std::string::npos || (!tail.empty() && tail.size() <= 2));
    };
    std::set<std::string> different;
    int decimalData = 0;
    for (std::uint32_t seed : { 1u, 2u, 3u }) {
        for (const bool oneDecimal : { false, true }) {
            auto settings = only(s.name, seed, oneDecimal);
            settings.unit = seed == 2 ? Unit::Metre : Unit::Centimetre;
            settings.decimals = int(seed);
            const NumberFormat format = seed == 3 ? NumberFormat::comma() : NumberFormat::point();
            const sheets::Sheet sheet = sheets::make(settings, format);
            QCOMPARE(int(sheet.exercises.size()), settings.count);
            for (const auto &e : sheet.exercises) {
                different.insert(identity(e));
                QCOMPARE(e.screen, s.name);
                for (const auto &a : e.answers) {
                    QVERIFY2(shortNumber(a), (identity(e) + ": " + a).c_str());
                    decimalData += a.find(format.decimal) != std::string::npos;
                }
                QVERIFY(!e.text.empty() && !e.solution.empty() && !e.key.empty());
                // No specific weight is given, so no weight is asked for (a
                // perimeter P is not one).
                QVERIFY2(e.text.find("peso") == std::string::npos, e.text.c_str());

                const SolveButton *button = nullptr;
                for (const auto &b : s.solvers)
                    button = b.name == e.button ? &b : button;
                QVERIFY2(button, e.button.c_str());
                ScriptedHost host(format);
                host.ticks = { e.ticks.begin(), e.ticks.end() };
                host.answers = { e.answers.begin(), e.answers.end() };
                host.choices.unit = settings.unit;
                host.choices.decimals = settings.decimals;
                host.press(s, *button);
                QCOMPARE(host.asked, e.answers.size());
                QVERIFY2(host.messages().empty() && host.failed().empty(), identity(e).c_str());
                QVERIFY(host.solution && host.figure && host.figure->scene);
                // Nothing to tick or to mend: the line under the buttons at
                // most says that data given twice agree.
                std::string agreed;
                for (const auto &step : host.solution->steps()) {
                    QVERIFY2(step.kind != SolutionStep::Kind::Warning, step.reason.c_str());
                    if (step.kind == SolutionStep::Kind::Remark)
                        agreed = step.reason;
                }
                const std::string line = hint(s, host.ticks, *host.solution);
                QVERIFY2(line.empty() || line == agreed, line.c_str());
                QVERIFY(!e.results.empty());
                for (const auto &[label, text] : e.results) {
                    QVERIFY2(host.texts.count(label), label.c_str());
                    QCOMPARE(host.texts.at(label), text);
                }
                QCOMPARE(e.solution, host.solution->lines());
            }
        }
    }
    QVERIFY2(different.size() >= 20, std::to_string(different.size()).c_str());
    // Decimal data come out where they are asked for, on some exercises at least.
    QVERIFY(decimalData > 0);
}

void TestCoreSheets::theSameNumberMakesTheSameSheet()
{
    sheets::Settings settings;
    settings.screens = solids::names();
    settings.count = 12;
    settings.seed = 4321;
    const auto first = sheets::make(settings, NumberFormat::comma());
    const auto again = sheets::make(settings, NumberFormat::comma());
    QCOMPARE(first.exercises.size(), again.exercises.size());
    for (std::size_t i = 0; i < first.exercises.size(); ++i) {
        QCOMPARE(identity(first.exercises[i]), identity(again.exercises[i]));
        QCOMPARE(first.exercises[i].results, again.exercises[i].results);
    }
    settings.seed = 4322;
    const auto other = sheets::make(settings, NumberFormat::comma());
    int same = 0;
    for (std::size_t i = 0; i < other.exercises.size(); ++i)
        same += identity(first.exercises[i]) == identity(other.exercises[i]);
    QVERIFY(same < 3);
}

// Different solids while the choice has them; then different cases of one.
void TestCoreSheets::aMixedSheetVariesItsSolids()
{
    sheets::Settings settings;
    settings.screens = solids::names();
    settings.count = sheets::kMaxCount;
    for (std::uint32_t seed : { 7u, 8u }) {
        settings.seed = seed;
        std::set<std::string> screens;
        for (const auto &e : sheets::make(settings, NumberFormat::point()).exercises)
            screens.insert(e.screen);
        QCOMPARE(int(screens.size()), sheets::kMaxCount);
    }
    settings.screens = { "Form12" }; // a cone: many ways in
    settings.count = 6;
    std::set<std::string> ways;
    for (const auto &e : sheets::make(settings, NumberFormat::point()).exercises) {
        std::string way;
        for (const auto &t : e.ticks)
            way += t + " ";
        ways.insert(way);
    }
    QCOMPARE(int(ways.size()), 6);
}

void TestCoreSheets::settingsOutOfRangeAreKeptIn()
{
    sheets::Settings settings;
    settings.screens = { "Form3", "no such screen" };
    settings.count = 0;
    settings.decimals = 9;
    auto sheet = sheets::make(settings, NumberFormat::point());
    QCOMPARE(int(sheet.exercises.size()), sheets::kMinCount);
    QCOMPARE(sheet.settings.decimals, sheets::kMaxDecimals);
    settings.count = 99;
    QCOMPARE(int(sheets::make(settings, NumberFormat::point()).exercises.size()),
             sheets::kMaxCount);
    settings.screens = {};
    QVERIFY(sheets::make(settings, NumberFormat::point()).exercises.empty());
    QCOMPARE(sheets::pdfName(1234), std::string("Scheda 1234.pdf"));
    for (std::uint64_t e : { 0ull, 1ull, ~0ull }) {
        const auto seed = sheets::freshSeed(e);
        QVERIFY(seed >= 1 && seed <= sheets::kMaxSeed);
    }
}

QTEST_APPLESS_MAIN(TestCoreSheets)
#include "test_core_sheets.moc"
