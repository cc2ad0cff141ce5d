// The web edition's core interface: the descriptions it gives of every screen
// and menu, presses checked against hand-worked answers and against what
// web/CONTRACT.md promises of every press, and hostile requests, which must
// come back as error answers in UTF-8 JSON.
#include "bridge.h"
#include "sheets.h"

#include "geometry/view.h"
#include "sheets/sheet.h"
#include "solids/menus.h"
#include "solids/solids.h"
#include "solver/calc.h"
#include "solver/exercise.h"
#include "solver/hint.h"
#include "solver/screen.h"
#include "solver/scripted.h"
#include "solver/texts.h"
#include "solver/units.h"

#include <QTest>

#include <nlohmann/json.hpp>

#include <cmath>
#include <set>

using Json = nlohmann::json;
using Ordered = nlohmann::ordered_json;

namespace {

// An answer of the bridge: it must read as JSON (which also means valid
// UTF-8) and hold no raw control character.
Json parsed(const std::string &text)
{
    for (const unsigned char c : text)
        if (c < 0x20)
            throw std::runtime_error("a raw control character in the answer");
    return Json::parse(text);
}

std::string str(const Json &object, const char *key)
{
    const auto v = object.find(key);
    return v != object.end() && v->is_string() ? v->get<std::string>()
                                               : "<missing " + std::string(key) + ">";
}

// A control as described: null for an absent role, else name and text.
bool sameControl(const Json &object, const char *key, const solver::Control &c)
{
    const auto v = object.find(key);
    if (v == object.end())
        return false;
    if (!c.present())
        return v->is_null();
    return str(*v, "name") == c.name && str(*v, "text") == c.text
           && str(*v, "quantity") == c.quantity;
}

std::vector<std::string> keysOf(const Ordered &object)
{
    std::vector<std::string> keys;
    for (const auto &[key, value] : object.items())
        keys.push_back(key);
    return keys;
}

std::string request(const std::string &screen, const std::string &button,
                    const std::vector<std::string> &ticks, const std::vector<std::string> &answers,
                    const std::string &decimal)
{
    Json r = { { "screen", screen },
               { "button", button },
               { "ticks", ticks },
               { "answers", Json::array() },
               { "decimal", decimal } };
    for (const auto &a : answers)
        r["answers"].push_back(a == "<cancel>" ? Json() : Json(a));
    return r.dump();
}

// The events of an answer, one line each: "kind control|text" (a failure's
// name in place of the control).
QStringList eventLines(const Json &answer)
{
    QStringList out;
    for (const auto &e : answer.at("events")) {
        QString head = QString::fromStdString(str(e, "kind"));
        if (e.contains("control"))
            head += " " + QString::fromStdString(str(e, "control"));
        if (e.contains("failure"))
            head += " " + QString::fromStdString(str(e, "failure"));
        out << head + "|" + QString::fromStdString(str(e, "text"));
    }
    return out;
}

const char *const kCubeFormula = "(AL=l^2*4) : (AT=l^2*6): (V=l^3): d1=l*SQR(2): (d=l*(SQR(3))";

} // namespace

class TestCoreBridge : public QObject {
    Q_OBJECT
private slots:
    void describesEveryScreen();
    void describesTheMenus();
    void namesTheSolidOfEachScreen_data();
    void namesTheSolidOfEachScreen();
    void membersInTheirOrder();
    void workedPresses_data();
    void workedPresses();
    void everyPressKeepsTheContract_data();
    void everyPressKeepsTheContract();
    void faultyRequests_data();
    void faultyRequests();
    void hostileRequests_data();
    void hostileRequests();
    void textsAreEscaped();
    void cFunctions();
    void describesTheChoices();
    void pressesWithChoices_data();
    void pressesWithChoices();
    void faultyChoices_data();
    void faultyChoices();
    void viewsTheLastFigure();
    void faultyViews_data();
    void faultyViews();
    void makesSheets();
    void faultySheetRequests_data();
    void faultySheetRequests();
};

void TestCoreBridge::describesEveryScreen()
{
    const Json d = parsed(bridge::describe());
    const Json &screens = d.at("screens");
    const auto names = solids::names();
    QCOMPARE(screens.size(), names.size());
    for (std::size_t k = 0; k < names.size(); ++k) {
        const Json &j = screens[k];
        const solver::SolverScreen &s = *solids::find(names[k]);
        const QByteArray where = QByteArray::fromStdString(s.name);
        QVERIFY2(str(j, "name") == s.name && str(j, "caption") == s.caption
                     && str(j, "parent") == s.parent,
                 where);
        // The solid the worked solution is titled after, as the desktop
        // names it.
        QVERIFY2(str(j, "subject")
                     == solver::solutionSubject(s.caption, s.name,
                                                s.title.present() ? s.title.text : ""),
                 where);
        for (const auto &[key, c] : { std::pair{ "title", s.title },
                                      { "knownHeading", s.knownHeading },
                                      { "description", s.description },
                                      { "resultsHeading", s.resultsHeading },
                                      { "formulaHeading", s.formulaHeading },
                                      { "picture", s.picture },
                                      { "stampaButton", s.stampaButton },
                                      { "ritornaButton", s.ritornaButton },
                                      { "esciButton", s.esciButton } })
            QVERIFY2(sameControl(j, key, c), where + " " + key);
        QCOMPARE(j.at("titleIsTextBox").get<bool>(), s.titleIsTextBox);
        QCOMPARE(j.at("checks").size(), s.checks.size());
        for (std::size_t c = 0; c < s.checks.size(); ++c)
            QCOMPARE(str(j.at("checks")[c], "text"), s.checks[c].text);
        QCOMPARE(j.at("knownList").size(), s.knownList.size());
        QCOMPARE(j.at("rows").size(), s.rows.size());
        for (std::size_t r = 0; r < s.rows.size(); ++r) {
            const Json &row = j.at("rows")[r];
            QVERIFY2(str(row, "captionText") == s.rows[r].captionText
                         && str(row, "result") == s.rows[r].result,
                     where);
        }
        QCOMPARE(j.at("formulaLabels").size(), s.formulaLabels.size());
        QCOMPARE(j.at("extras").size(), s.extras.size());
        for (std::size_t e = 0; e < s.extras.size(); ++e) {
            // The places read back to the very same doubles.
            QCOMPARE(j.at("extras")[e].at("x").get<double>(), s.extras[e].x);
            QCOMPARE(j.at("extras")[e].at("y").get<double>(), s.extras[e].y);
        }
        QCOMPARE(j.at("solvers").size(), s.solvers.size());
        for (std::size_t b = 0; b < s.solvers.size(); ++b) {
            const Json &sj = j.at("solvers")[b];
            QCOMPARE(str(sj, "text"), s.solvers[b].text);
            QVERIFY(sameControl(sj, "solidPicture", s.solvers[b].solidPicture));
            QCOMPARE(sj.at("writes").get<std::vector<std::string>>(), s.resultsOf(s.solvers[b]));
        }
        QCOMPARE(j.at("declared").size(), s.declared().size());
    }
}

// A caption that names the solid is the subject; an empty or internal one
// gives way to the title, as written on the screen.
void TestCoreBridge::namesTheSolidOfEachScreen_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("subject");
    QTest::newRow("cone: its caption") << "Form12"
                                       << "CONO";
    QTest::newRow("triangular prism: no caption") << "Form15"
                                                  << "PRISMI RETTI CON BASE UN TRIANGOLO REGOLARE";
    QTest::newRow("spherical wedge: an internal caption") << "Form41"
                                                          << "FUSO SFERICO";
}

void TestCoreBridge::namesTheSolidOfEachScreen()
{
    QFETCH(QString, screen);
    QFETCH(QString, subject);
    const Json d = parsed(bridge::describe());
    const Json *found = nullptr;
    for (const auto &j : d.at("screens"))
        if (str(j, "name") == screen.toStdString())
            found = &j;
    QVERIFY(found);
    QCOMPARE(QString::fromStdString(str(*found, "subject")), subject);
}

void TestCoreBridge::describesTheMenus()
{
    const Json d = parsed(bridge::describe());
    const Json &menus = d.at("menus");
    const auto &data = solids::menus();
    QCOMPARE(menus.size(), data.size());
    std::set<std::string> known;
    for (const auto &name : solids::names())
        known.insert(name);
    for (const auto &m : data)
        known.insert(m.name);
    // The screen that makes exercise sheets, described beside the menus.
    known.insert(str(d.at("sheets"), "name"));
    for (std::size_t k = 0; k < data.size(); ++k) {
        const Json &j = menus[k];
        const solver::Menu &m = data[k];
        QCOMPARE(str(j, "name"), m.name);
        QCOMPARE(str(j, "parent"), m.parent);
        QVERIFY(sameControl(j, "heading", m.heading));
        QVERIFY(sameControl(j, "note", m.note));
        QVERIFY(sameControl(j, "esciButton", m.esciButton));
        QCOMPARE(j.at("stampaPrints").get<bool>(), m.stampaPrints);
        QCOMPARE(j.at("entries").size(), m.entries.size());
        std::set<std::pair<int, int>> cells;
        for (std::size_t e = 0; e < m.entries.size(); ++e) {
            const Json &ej = j.at("entries")[e];
            QCOMPARE(str(ej, "text"), m.entries[e].text);
            QCOMPARE(str(ej, "asset"), m.entries[e].asset);
            QCOMPARE(ej.at("keepMenu").get<bool>(), m.entries[e].keepMenu);
            // No two entries share a cell of the grid.
            QVERIFY(cells.insert({ ej.at("row").get<int>(), ej.at("column").get<int>() }).second);
        }
        // Everything a menu opens is a screen of the program.
        for (const auto &e : m.entries)
            QVERIFY2(known.count(e.opens), e.opens.c_str());
        for (const auto &c : m.clicks)
            QVERIFY2(known.count(c.opens), c.opens.c_str());
        for (const auto &o : m.options)
            QVERIFY2(known.count(o.opens), o.opens.c_str());
        QVERIFY(m.parent.empty() || known.count(m.parent));
    }
}

// The members come in the order web/CONTRACT.md lists them: pages and tools
// that compare answers as text rely on it.
void TestCoreBridge::membersInTheirOrder()
{
    using Keys = std::vector<std::string>;
    const Ordered d = Ordered::parse(bridge::describe());
    QCOMPARE(keysOf(d), (Keys{ "screens", "menus", "texts", "spoken", "choices", "sheets" }));
    QCOMPARE(keysOf(d.at("sheets").at("families")[0]), (Keys{ "name", "all", "screens", "boxes" }));
    QCOMPARE(keysOf(d.at("choices")), (Keys{ "units", "decimals", "materials" }));
    const Ordered &cube = d.at("screens")[0];
    QCOMPARE(
        keysOf(cube),
        (Keys{ "name",           "caption",      "subject",        "parent",        "title",
               "titleIsTextBox", "knownHeading", "checks",         "knownList",     "description",
               "resultsHeading", "rows",         "formulaHeading", "formulaLabels", "picture",
               "extras",         "solvers",      "stampaButton",   "ritornaButton", "esciButton",
               "capacity",       "declared" }));
    QCOMPARE(keysOf(cube.at("checks")[0]), (Keys{ "name", "text", "quantity" }));
    QCOMPARE(keysOf(cube.at("rows")[0]), (Keys{ "caption", "captionText", "result", "quantity" }));
    QCOMPARE(keysOf(cube.at("solvers")[0]),
             (Keys{ "name", "text", "results", "solidName", "solidPicture", "writes" }));
    bool sawExtra = false;
    for (const auto &s : d.at("screens"))
        for (const auto &e : s.at("extras")) {
            QCOMPARE(keysOf(e), (Keys{ "kind", "name", "text", "opens", "onPicture", "x", "y" }));
            sawExtra = true;
        }
    QVERIFY(sawExtra);
    const Ordered &main = d.at("menus")[0];
    QCOMPARE(keysOf(main), (Keys{ "name", "caption", "parent", "heading", "subheading", "options",
                                  "optionButton", "entries", "clicks", "note", "stampaButton",
                                  "stampaPrints", "ritornaButton", "esciButton" }));
    QCOMPARE(keysOf(main.at("entries")[0]), (Keys{ "picture", "asset", "label", "text", "button",
                                                   "opens", "keepMenu", "row", "column" }));

    const Ordered failed = Ordered::parse(bridge::press(
        R"({"screen":"Form3","button":"Command3","ticks":["Check1"],"answers":["x"]})"));
    QCOMPARE(keysOf(failed),
             (Keys{ "events", "pending", "solution", "hint", "worksheet", "figure" }));
    QCOMPARE(keysOf(failed.at("figure")), (Keys{ "solid", "dimensions", "none", "alternative" }));
    QCOMPARE(keysOf(failed.at("worksheet")), (Keys{ "exercise", "picture", "data", "rows" }));
    QCOMPARE(keysOf(failed.at("worksheet").at("rows")[0]), (Keys{ "result", "symbol", "words" }));
    QCOMPARE(keysOf(failed.at("events").front()), (Keys{ "kind", "text" }));
    QCOMPARE(keysOf(failed.at("events")[1]), (Keys{ "kind", "control", "text" }));
    QCOMPARE(keysOf(failed.at("events").back()), (Keys{ "kind", "failure", "text" }));
}

void TestCoreBridge::workedPresses_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<bool>("pending");

    const QString prompt = "prompt|INTRODUCI IL LATO (L) =";
    const QString formula = QString("set Label15|") + kCubeFormula;
    QStringList emptied; // a failing press empties the button's result labels
    for (const char *label : { "Label5", "Label7", "Label12(2)", "Label9", "Label11", "Label13" })
        emptied << QString("set %1|").arg(label);

    // A cube of side 2: d = 2√3, d1 = 2√2, AL = 16, AT = 24, V = 8.
    QTest::newRow("cube, side 2, comma")
        << R"({"screen":"Form3","button":"Command3","ticks":["Check1"],"answers":["2"],"decimal":","})"
        << QStringList{ prompt,
                        formula,
                        "set Label5|2",
                        "set Label9|16",
                        "set Label11|24",
                        "set Label13|8",
                        "set Label7|3,46410161513775",
                        "set Label12(2)|2,82842712474619" }
        << false;
    QTest::newRow("cube, side 1.5, point by default")
        << R"({"screen":"Form3","button":"Command3","ticks":["Check1"],"answers":["1.5"]})"
        << QStringList{ prompt,
                        formula,
                        "set Label5|1.5",
                        "set Label9|9",
                        "set Label11|13.5",
                        "set Label13|3.375",
                        "set Label7|2.59807621135332",
                        "set Label12(2)|2.12132034355964" }
        << false;
    QTest::newRow("stopped at the prompt")
        << R"({"screen":"Form3","button":"Command3","ticks":["Check1"]})" << QStringList{ prompt }
        << true;
    QTest::newRow("cancelled")
        << R"({"screen":"Form3","button":"Command3","ticks":["Check1"],"answers":[null]})"
        << (QStringList{ prompt, formula } + emptied
            << "failure type mismatch|Impossibile calcolare: manca un valore (la risposta è "
               "vuota oppure è stata annullata).")
        << false;
    // 3√3 = 5.196152422706632, 3√2 = 4.242640687119285: fifteen digits, rounded.
    QTest::newRow("ticks in any order, the first case of the chain wins")
        << R"({"screen":"Form3","button":"Command3","ticks":["Check5","Check1"],"answers":["3"],"decimal":","})"
        << QStringList{ prompt,
                        formula,
                        "set Label5|3",
                        "set Label9|36",
                        "set Label11|54",
                        "set Label13|27",
                        "set Label7|5,19615242270663",
                        "set Label12(2)|4,24264068711929" }
        << false;
}

// Presses worked by hand: every event, in order.
void TestCoreBridge::workedPresses()
{
    QFETCH(QString, request);
    QFETCH(QStringList, events);
    QFETCH(bool, pending);
    const Json r = parsed(bridge::press(request.toStdString()));
    QVERIFY2(!r.contains("error"), r.dump().c_str());
    QCOMPARE(eventLines(r), events);
    QCOMPARE(r.at("pending").get<bool>(), pending);
    // Only a press that ran to its end has its worked solution, and a hint
    // when it failed or stopped at the insufficient-data message.
    QCOMPARE(r.at("solution").empty(), pending);
    bool failedOrShort = false;
    for (const auto &e : r.at("events"))
        failedOrShort = failedOrShort || e.at("kind") == "failure" || e.at("kind") == "message";
    QCOMPARE(!r.at("hint").get<std::string>().empty(), !pending && failedOrShort);
}

void TestCoreBridge::everyPressKeepsTheContract_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<bool>("allTicked");
    QTest::newRow("2,5 under comma, every box") << "2,5"
                                                << "," << true;
    QTest::newRow("7 under point, every box") << "7"
                                              << "." << true;
    QTest::newRow("2.5 under comma (not a number)") << "2.5"
                                                    << "," << true;
    QTest::newRow("cancel, every box") << "<cancel>"
                                       << "." << true;
    QTest::newRow("0 (divisions by zero)") << "0"
                                           << "," << true;
    QTest::newRow("-3 (negative roots)") << "-3"
                                         << "." << true;
    QTest::newRow("no box (insufficient or fixed prompts)") << "4"
                                                            << "." << false;
}

// Every solving button of every screen, answered one prompt at a time as the
// page does. Each step ends at the next prompt and only adds to the step
// before; the last ends in one of the three ways a press can end: every
// result label written, the insufficient-data message, or a failure reported
// once, after the button's result labels were emptied.
void TestCoreBridge::everyPressKeepsTheContract()
{
    QFETCH(QString, answer);
    QFETCH(QString, decimal);
    QFETCH(bool, allTicked);
    int solved = 0, insufficient = 0, failed = 0;
    for (const auto &name : solids::names()) {
        const solver::SolverScreen &s = *solids::find(name);
        std::vector<std::string> ticks;
        if (allTicked)
            for (const auto &c : s.checks)
                ticks.push_back(c.name);
        const auto declared = s.declared();
        const std::set<std::string> known(declared.begin(), declared.end());
        for (const auto &button : s.solvers) {
            const QByteArray where = QByteArray::fromStdString(name + "." + button.name);
            std::vector<std::string> answers;
            Json r;
            QStringList previous;
            for (int round = 0;; ++round) {
                QVERIFY2(round < 40, where);
                r = parsed(bridge::press(
                    request(name, button.name, ticks, answers, decimal.toStdString())));
                QVERIFY2(!r.contains("error"), where);
                const QStringList events = eventLines(r);
                QVERIFY2(events.mid(0, previous.size()) == previous, where);
                previous = events;
                const auto prompts =
                    std::count_if(events.begin(), events.end(),
                                  [](const QString &e) { return e.startsWith("prompt|"); });
                if (!r.at("pending").get<bool>()) {
                    QCOMPARE(std::size_t(prompts), answers.size());
                    break;
                }
                QVERIFY2(events.back().startsWith("prompt|"), where);
                QCOMPARE(std::size_t(prompts), answers.size() + 1);
                QVERIFY2(r.at("solution").empty(), where);
                answers.push_back(answer.toStdString());
            }

            const Json &events = r.at("events");
            std::map<std::string, std::string> shown;
            for (const auto &e : events)
                if (str(e, "kind") == "set") {
                    QVERIFY2(known.count(str(e, "control")),
                             where + " " + str(e, "control").c_str());
                    shown[str(e, "control")] = str(e, "text");
                }
            const auto writes = s.resultsOf(button);
            int messages = 0;
            for (const auto &e : events)
                if (str(e, "kind") == "message") {
                    QCOMPARE(str(e, "text"), std::string(solver::Calc::kInsufficient));
                    ++messages;
                }
            QVERIFY2(messages <= 1, where);
            if (!events.empty() && str(events.back(), "kind") == "failure") {
                QVERIFY2(messages == 0, where);
                QVERIFY2(events.size() > writes.size(), where);
                for (std::size_t k = 0; k < writes.size(); ++k) {
                    const Json &e = events[events.size() - 1 - writes.size() + k];
                    QVERIFY2(str(e, "kind") == "set" && str(e, "control") == writes[k]
                                 && str(e, "text").empty(),
                             where);
                }
                ++failed;
            } else if (messages == 1) {
                ++insufficient;
            } else {
                // Every result label written (a quantity a solid lacks is
                // shown empty), at least one with a number.
                bool number = false;
                for (const auto &label : writes) {
                    QVERIFY2(shown.count(label), where + " leaves " + label.c_str() + " as it was");
                    number = number || !shown[label].empty();
                }
                QVERIFY2(number, where + " shows no result");
                QVERIFY2(!r.at("solution").empty(), where);
                ++solved;
            }
            for (const auto &e : events)
                if (str(e, "kind") == "failure")
                    QVERIFY2(&e == &events.back(), where + " reports more than one failure");
        }
    }
    // Each row reaches the endings it is meant to.
    if (answer == "7" || answer == "2,5")
        QVERIFY(solved > 30);
    if (answer == "<cancel>" || answer == "2.5")
        QVERIFY(failed > 30 && solved == 0);
    if (!allTicked)
        QVERIFY(insufficient > 10);
}

void TestCoreBridge::faultyRequests_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("not JSON") << "press Form3";
    QTest::newRow("not an object") << "[1]";
    QTest::newRow("no screen") << R"({"button":"Command3"})";
    QTest::newRow("screen not a string") << R"({"screen":3,"button":"Command3"})";
    QTest::newRow("unknown screen") << R"({"screen":"Form99","button":"Command3"})";
    QTest::newRow("a menu is no solver screen") << R"({"screen":"Form1","button":"Command3"})";
    QTest::newRow("unknown button") << R"({"screen":"Form3","button":"Command9"})";
    QTest::newRow("unknown tick box")
        << R"({"screen":"Form3","button":"Command3","ticks":["Check99"]})";
    QTest::newRow("tick box not a string")
        << R"({"screen":"Form3","button":"Command3","ticks":[1]})";
    QTest::newRow("ticks not an array")
        << R"({"screen":"Form3","button":"Command3","ticks":"Check1"})";
    QTest::newRow("answer not a string")
        << R"({"screen":"Form3","button":"Command3","answers":[2]})";
    QTest::newRow("answers not an array")
        << R"({"screen":"Form3","button":"Command3","answers":"2"})";
    QTest::newRow("empty decimal mark") << R"({"screen":"Form3","button":"Command3","decimal":""})";
    QTest::newRow("unknown op") << R"({"op":"explode"})";
    QTest::newRow("op not a string") << R"({"op":1,"screen":"Form3","button":"Command3"})";
    QTest::newRow("trailing comma") << R"({"screen":"Form3","button":"Command3",})";
    QTest::newRow("text after the object") << R"({"screen":"Form3","button":"Command3"} x)";
    QTest::newRow("lone surrogate") << R"({"screen":"Form3\ud800","button":"Command3"})";
    QTest::newRow("raw line break in a string")
        << "{\"screen\":\"Form3\n\",\"button\":\"Command3\"}";
}

void TestCoreBridge::faultyRequests()
{
    QFETCH(QString, line);
    const Json r = parsed(bridge::handle(line.toStdString()));
    QVERIFY(r.contains("error"));
    QVERIFY(r.at("error").is_string());
    QVERIFY(!r.contains("events"));
}

void TestCoreBridge::hostileRequests_data()
{
    QTest::addColumn<QByteArray>("line");
    const QByteArray press =
        R"({"screen":"Form3","button":"Command3","ticks":["Check1"],"answers":)";
    const QByteArray huge(10 * 1024 * 1024, 'A');
    QTest::newRow("10,000 nested arrays") << QByteArray(10000, '[') + QByteArray(10000, ']');
    QTest::newRow("10,000 nested arrays, unclosed") << QByteArray(10000, '[');
    QTest::newRow("10,000 nested objects in a member")
        << press + QByteArray(10000, '[') + QByteArray(10000, ']') + "}";
    QByteArray objects = "{\"screen\":";
    for (int k = 0; k < 10000; ++k)
        objects += "{\"a\":";
    QTest::newRow("10,000 nested objects, unclosed") << objects;
    QTest::newRow("invalid UTF-8 in a string") << QByteArray(press + "[\"2\xff\"]}");
    QTest::newRow("invalid UTF-8 in a name") << QByteArray("{\"scr\xc3\x28\":\"Form3\"}");
    QTest::newRow("overlong UTF-8") << QByteArray(press + "[\"\xc0\xaf\"]}");
    QTest::newRow("invalid UTF-8 outside strings") << QByteArray("{\xfe\xff}");
    QTest::newRow("truncated UTF-8 at the end") << QByteArray("{\"screen\":\"\xe2\x82");
    QTest::newRow("NUL in a string") << press + QByteArray("[\"2\0\"]}", 7);
    QTest::newRow("NUL outside strings") << QByteArray("{\0}", 3);
    QTest::newRow("10 MB screen name")
        << QByteArray("{\"screen\":\"") + huge + "\",\"button\":\"Command3\"}";
    QTest::newRow("10 MB string, unterminated") << QByteArray("{\"screen\":\"") + huge;
    QTest::newRow("10 MB of digits")
        << QByteArray("{\"screen\":") + QByteArray(10 * 1024 * 1024, '9');
    QByteArray members = "{";
    for (int k = 0; k < 200000; ++k)
        members += "\"m" + QByteArray::number(k) + "\":0,";
    members.back() = '}';
    QTest::newRow("200,000 members") << members;
    QTest::newRow("number beyond double") << QByteArray(press + "[1e999999]}");
}

// Requests no page would send: each comes back as an error answer, short,
// in UTF-8 JSON, through the native tool's entry and the C function alike.
void TestCoreBridge::hostileRequests()
{
    QFETCH(QByteArray, line);
    const std::string text = line.toStdString();
    for (const std::string &answer : { bridge::handle(text), bridge::press(text),
                                       std::string(corpimetro_press(text.c_str())) }) {
        const Json r = parsed(answer);
        QVERIFY(r.is_object());
        QVERIFY(r.contains("error"));
        QVERIFY(r.at("error").is_string());
        QVERIFY2(answer.size() < 1000, answer.substr(0, 200).c_str());
    }
}

// Texts the press writes back (a failure names the typed text) are escaped:
// a NUL or a line break typed into a prompt cannot break the answer.
void TestCoreBridge::textsAreEscaped()
{
    const std::string typed = std::string("2\0\n\"\\\x7f", 6) + "è";
    const std::string line = request("Form3", "Command3", { "Check1" }, { typed }, ",");
    const std::string answer = bridge::press(line);
    QVERIFY(answer.find('\n') == std::string::npos);
    QVERIFY(answer.find('\0') == std::string::npos);
    const Json r = parsed(answer);
    QVERIFY2(!r.contains("error"), answer.c_str());
    const Json &failure = r.at("events").back();
    QCOMPARE(str(failure, "kind"), std::string("failure"));
    QCOMPARE(str(failure, "failure"), std::string("type mismatch"));
    // The typed text reaches the solution's data line as it was typed.
    bool quoted = false;
    for (const auto &l : r.at("solution"))
        quoted = quoted || l.get<std::string>().find(typed) != std::string::npos;
    QVERIFY(quoted);
}

void TestCoreBridge::cFunctions()
{
    const std::string described = corpimetro_describe();
    QCOMPARE(described, bridge::describe());
    QCOMPARE(std::string(corpimetro_describe()), described); // the same text every time
    // The cone writes its worked solution; a press stopped at a prompt has none.
    const Json cone = parsed(corpimetro_press(
        R"({"screen":"Form12","button":"Command1","ticks":["Check1","Check4"],"answers":["3","4"]})"));
    QCOMPARE(cone.at("pending").get<bool>(), false);
    QVERIFY(!cone.at("solution").empty());
    QCOMPARE(cone.at("hint").get<std::string>(), std::string());
    // Only r known: the core's hint, as the desktop shows it.
    const Json onlyRadius =
        parsed(corpimetro_press(R"({"screen":"Form12","button":"Command1","ticks":["Check1"]})"));
    const solver::SolverScreen &coneScreen = *solids::find("Form12");
    solver::ScriptedHost host;
    host.ticks = { "Check1" };
    host.press(coneScreen, coneScreen.solvers.front());
    QVERIFY(host.solution);
    QCOMPARE(onlyRadius.at("hint").get<std::string>(),
             solver::hint(coneScreen, host.ticks, *host.solution));
    QVERIFY(onlyRadius.at("hint").get<std::string>().rfind("Spunta anche: ", 0) == 0);
    // With the worksheet's exercise, data and results in words.
    const Json &sheet = cone.at("worksheet");
    QCOMPARE(sheet.at("exercise").get<std::string>(),
             "Un cono ha raggio 3 e altezza 4. Calcola il diametro, la circonferenza, l'apotema, "
             "l'area laterale, l'area totale, il volume e l'area di base.");
    QCOMPARE(sheet.at("picture").get<std::string>(), "cono.svg");
    QCOMPARE(sheet.at("data").size(), std::size_t(2));
    QCOMPARE(sheet.at("data")[1].at("typed").get<std::string>(), "4");
    QCOMPARE(sheet.at("rows")[4].at("words").get<std::string>(), "apotema");
    const Json stopped = parsed(corpimetro_press(
        R"({"screen":"Form12","button":"Command1","ticks":["Check1","Check4"],"answers":["3"]})"));
    QCOMPARE(stopped.at("pending").get<bool>(), true);
    QVERIFY(stopped.at("solution").empty());
    QCOMPARE(stopped.at("hint").get<std::string>(), std::string());
    QVERIFY(parsed(corpimetro_press(nullptr)).contains("error"));
    QCOMPARE(bridge::handle(R"({"op":"describe"})"), described);
    QCOMPARE(
        bridge::handle(
            R"({"op":"press","screen":"Form12","button":"Command1","ticks":["Check1","Check4"],"answers":["3"]})"),
        bridge::press(
            R"({"screen":"Form12","button":"Command1","ticks":["Check1","Check4"],"answers":["3"]})"));
}

// The options of the row of choices are the core's own lists; a screen
// describes its capacity and weight rows exactly when it shows a volume, and
// declares their labels then.
void TestCoreBridge::describesTheChoices()
{
    const Json d = parsed(bridge::describe());
    const Json &choices = d.at("choices");
    QCOMPARE(choices.at("units").get<std::vector<std::string>>(), solver::unitOptions());
    QCOMPARE(choices.at("decimals").get<std::vector<std::string>>(), solver::decimalsOptions());
    QCOMPARE(choices.at("materials").size(), solver::materials().size());
    for (std::size_t k = 0; k < solver::materials().size(); ++k) {
        QCOMPARE(str(choices.at("materials")[k], "name"), solver::materials()[k].name);
        QCOMPARE(str(choices.at("materials")[k], "value"), solver::materials()[k].value);
    }
    for (const char *key :
         { "unitCaption", "unitControl", "decimalsCaption", "decimalsControl", "weightCaption",
           "weightControl", "weightNeedsUnit", "weightPlaceholder", "weightInvalid" })
        QVERIFY2(!str(d.at("texts"), key).empty() && str(d.at("texts"), key)[0] != '<', key);
    QCOMPARE(str(d.at("texts"), "unitControl"), std::string(solver::texts::unitControl));

    for (const auto &j : d.at("screens")) {
        const solver::SolverScreen &s = *solids::find(str(j, "name"));
        const QByteArray where = QByteArray::fromStdString(s.name);
        const auto declared = j.at("declared").get<std::vector<std::string>>();
        const bool declaresCapacity =
            std::find(declared.begin(), declared.end(), solver::texts::capacityControl)
            != declared.end();
        const Json &capacity = j.at("capacity");
        QVERIFY2(capacity.is_null() == !s.volumeRow(), where);
        QVERIFY2(declaresCapacity == !capacity.is_null(), where);
        if (capacity.is_null())
            continue;
        QCOMPARE(str(capacity, "volume"), s.volumeRow()->result);
        QCOMPARE(str(capacity.at("capacity"), "result"), std::string("Capacita"));
        QCOMPARE(str(capacity.at("capacity"), "captionText"), std::string("Capacità ="));
        QCOMPARE(str(capacity.at("weight"), "caption"), std::string("PesoDidascalia"));
        QCOMPARE(str(capacity.at("weight"), "captionText"), std::string("Peso (P) ="));
    }
}

void TestCoreBridge::pressesWithChoices_data()
{
    QTest::addColumn<QString>("preferences");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QStringList>("expected"); // "control|text" of the set events named
    QTest::addColumn<QString>("promptUnit");

    // A cube of side 2,5: V = 15,625 cm³ = 0,015625 l; 15,625 · 7,8 = 121,875 g.
    QTest::newRow("cm, 2 decimals, iron")
        << R"({"unit":"cm","decimals":"2","specificWeight":"7,8"})"
        << "2,5"
        << "," << QStringList{ "Label13|15,63 cm³", "Capacita|0,02 l", "Peso|121,88 g" } << "cm";
    // 1,5 m: V = 3,375 m³ = 3375 l; · 2,5 = 8,4375 t; one decimal each.
    QTest::newRow("m, decimals as a number, glass, point")
        << R"({"unit":"m","decimals":1,"specificWeight":"2.5"})"
        << "1.5"
        << "." << QStringList{ "Label13|3.4 m³", "Capacita|3375.0 l", "Peso|8.4 t" } << "m";
    // No specific weight: the capacity alone; every decimal.
    QTest::newRow("dm, every decimal, no weight")
        << R"({"unit":"dm","decimals":"tutti"})"
        << "2"
        << "," << QStringList{ "Label13|8 dm³", "Capacita|8 l" } << "dm";
    // No unit: nothing beyond the results; the decimals still apply, each
    // result written with exactly that many.
    QTest::newRow("no unit, 3 decimals")
        << R"({"unit":"—","decimals":3,"specificWeight":"7,8"})"
        << "2"
        << "," << QStringList{ "Label13|8,000", "Label7|3,464" } << "";
}

// Presses of the cube with choices: results with their unit and decimals,
// then the capacity and the weight, worked by hand; the prompt names the
// unit of the side.
void TestCoreBridge::pressesWithChoices()
{
    QFETCH(QString, preferences);
    QFETCH(QString, answer);
    QFETCH(QString, decimal);
    QFETCH(QStringList, expected);
    QFETCH(QString, promptUnit);
    // A unit needs the kinds of the cube's quantities.
    if (!promptUnit.isEmpty() && !solids::find("Form3")->volumeRow())
        QSKIP("the cube does not give the kinds of its quantities yet");
    Json r = Json::parse(request("Form3", "Command3", { "Check1" }, { answer.toStdString() },
                                 decimal.toStdString()));
    r["preferences"] = Json::parse(preferences.toStdString());
    const Json a = parsed(bridge::press(r.dump()));
    QVERIFY2(!a.contains("error"), a.dump().c_str());
    std::map<std::string, std::string> shown;
    for (const auto &e : a.at("events"))
        if (str(e, "kind") == "set")
            shown[str(e, "control")] = str(e, "text");
    for (const auto &line : expected) {
        const auto parts = line.split('|');
        QCOMPARE(QString::fromStdString(shown[parts[0].toStdString()]), parts[1]);
    }
    const bool unit = !promptUnit.isEmpty();
    QCOMPARE(!shown["Capacita"].empty(), unit);
    QCOMPARE(!shown["Peso"].empty(), unit && preferences.contains("specificWeight"));
    const Json &prompt = a.at("events").front();
    QCOMPARE(str(prompt, "kind"), std::string("prompt"));
    QCOMPARE(prompt.contains("unit"), unit);
    if (unit)
        QCOMPARE(QString::fromStdString(str(prompt, "unit")), promptUnit);
}

void TestCoreBridge::faultyChoices_data()
{
    QTest::addColumn<QString>("preferences");
    QTest::newRow("not an object") << R"("cm")";
    QTest::newRow("unknown unit") << R"({"unit":"inch"})";
    QTest::newRow("unit not a string") << R"({"unit":2})";
    QTest::newRow("too many decimals") << R"({"decimals":7})";
    QTest::newRow("negative decimals") << R"({"decimals":-2})";
    QTest::newRow("decimals not an option") << R"({"decimals":"due"})";
    QTest::newRow("decimals a fraction") << R"({"decimals":1.5})";
    QTest::newRow("specific weight a number") << R"({"specificWeight":7.8})";
    QTest::newRow("unknown choice") << R"({"colour":"red"})";
}

void TestCoreBridge::faultyChoices()
{
    QFETCH(QString, preferences);
    Json r = Json::parse(request("Form3", "Command3", { "Check1" }, { "2" }, "."));
    r["preferences"] = Json::parse(preferences.toStdString());
    const Json a = parsed(bridge::press(r.dump()));
    QVERIFY2(a.contains("error") && !a.contains("events"), a.dump().c_str());
}

// A press leaves its solid for the views of its screen, until a press of
// the screen that ends without one; a press still waiting for an answer
// changes nothing.
void TestCoreBridge::viewsTheLastFigure()
{
    const auto view = [](const std::string &camera) {
        return parsed(
            bridge::view(R"({"screen":"Form12","width":264,"height":220)" + camera + "}"));
    };
    const Json cone = parsed(
        bridge::press(request("Form12", "Command1", { "Check1", "Check4" }, { "6", "20" }, ".")));
    const Json &figure = cone.at("figure");
    QCOMPARE(str(figure, "solid"), std::string("un cono"));
    QVERIFY(figure.at("dimensions") == Json::parse(R"({"r": "6", "h": "20"})"));
    QCOMPARE(str(figure, "none"), std::string());
    QVERIFY(str(figure, "alternative").rfind("Figura 3D in scala del cono.", 0) == 0);

    const Json first = view("");
    QCOMPARE(first.at("turn").get<double>(), geometry::Camera::kTurn);
    QCOMPARE(first.at("tilt").get<double>(), geometry::Camera::kTilt);
    QVERIFY(!first.at("items").empty());
    std::set<std::string> kinds;
    for (const auto &item : first.at("items")) {
        kinds.insert(str(item, "kind"));
        QCOMPARE(item.contains("shade"), str(item, "kind") == "Face");
        for (const auto &point : item.at("points"))
            for (const double v : point)
                QVERIFY2(std::fabs(v * 100 - std::round(v * 100)) < 1e-6, item.dump().c_str());
    }
    QVERIFY(kinds.count("Face") && kinds.count("Edge") && kinds.count("Label"));
    QVERIFY(view(R"(,"turn":-35,"tilt":22)") == first);
    // The tilt stops short of the poles, the turn goes round.
    const Json far = view(R"(,"turn":370,"tilt":100)");
    QCOMPARE(far.at("turn").get<double>(), 10.0);
    QCOMPARE(far.at("tilt").get<double>(), 89.0);
    QVERIFY(far.at("items") != first.at("items"));

    const Json waiting =
        parsed(bridge::press(request("Form12", "Command1", { "Check1", "Check4" }, {}, ".")));
    QVERIFY(waiting.at("pending").get<bool>() && waiting.at("figure").is_null());
    QVERIFY(view("") == first);

    const Json none = parsed(bridge::press(request("Form12", "Command1", {}, {}, ".")));
    QVERIFY(str(none.at("figure"), "none").rfind("Nessuna figura: ", 0) == 0);
    QVERIFY(none.at("figure").at("dimensions").empty());
    QVERIFY(view("").at("items").empty());
}

void TestCoreBridge::faultyViews_data()
{
    QTest::addColumn<QString>("request");
    QTest::newRow("unknown screen") << R"({"screen":"Form999","width":10,"height":10})";
    QTest::newRow("no screen") << R"({"width":10,"height":10})";
    QTest::newRow("no width") << R"({"screen":"Form3","height":10})";
    QTest::newRow("zero height") << R"({"screen":"Form3","width":10,"height":0})";
    QTest::newRow("huge width") << R"({"screen":"Form3","width":1e9,"height":10})";
    QTest::newRow("text turn") << R"({"screen":"Form3","turn":"10","width":10,"height":10})";
    QTest::newRow("huge tilt") << R"({"screen":"Form3","tilt":1e300,"width":10,"height":10})";
    QTest::newRow("malformed") << R"({"screen":)";
}

void TestCoreBridge::faultyViews()
{
    QFETCH(QString, request);
    const Json a = parsed(bridge::view(request.toStdString()));
    QVERIFY2(a.contains("error") && !a.contains("items"), a.dump().c_str());
    // The native tool's line answers alike.
    QVERIFY(parsed(bridge::handle(R"({"op":"view",)" + request.toStdString().substr(1)))
                .contains("error"));
}

// The exercise sheets as the page asks for them: the sheet the core makes,
// every field of each exercise, the seed and the figure with its data.
void TestCoreBridge::makesSheets()
{
    const Json screen = parsed(bridge::handle(R"({"op":"sheetScreen"})"));
    QVERIFY(screen == parsed(bridge::describe()).at("sheets"));
    QCOMPARE(screen.at("families").size(), sheets::screen().families.size());

    sheets::Settings settings;
    settings.screens = { "Form3", "Form12", "Form38" };
    settings.count = 4;
    settings.oneDecimal = true;
    settings.unit = solver::Unit::Decimetre;
    settings.decimals = 1;
    settings.seed = 777;
    const sheets::Sheet made = sheets::make(settings, solver::NumberFormat{ "," });
    const Json r = parsed(bridge::handle(
        R"({"op":"sheet","decimal":",","settings":{"screens":["Form3","Form12","Form38"],)"
        R"("count":4,"oneDecimal":true,"unit":"dm","decimals":1,"seed":777}})"));
    QCOMPARE(str(r.at("words"), "title"), std::string("Scheda di esercizi n. 777"));
    QCOMPARE(str(r, "pdfName"), std::string("Scheda 777.pdf"));
    QCOMPARE(str(r.at("settings"), "unit"), std::string("dm"));
    const Json &exercises = r.at("exercises");
    QCOMPARE(exercises.size(), std::size_t(4));
    QCOMPARE(exercises.size(), made.exercises.size());
    for (std::size_t i = 0; i < made.exercises.size(); ++i) {
        const sheets::Exercise &e = made.exercises[i];
        const Json &j = exercises[i];
        QCOMPARE(str(j, "heading"), "Esercizio " + std::to_string(i + 1));
        QCOMPARE(str(j, "screen"), e.screen);
        QCOMPARE(str(j, "button"), e.button);
        QCOMPARE(j.at("ticks").get<std::vector<std::string>>(), e.ticks);
        QCOMPARE(j.at("answers").get<std::vector<std::string>>(), e.answers);
        QCOMPARE(j.at("results").size(), e.results.size());
        for (std::size_t k = 0; k < e.results.size(); ++k) {
            QCOMPARE(str(j.at("results")[k], "label"), e.results[k].first);
            QCOMPARE(str(j.at("results")[k], "value"), e.results[k].second);
        }
        QCOMPARE(str(j, "text"), e.text);
        QCOMPARE(str(j, "picture"), e.picture);
        QCOMPARE(j.at("solution").get<std::vector<std::string>>(), e.solution);
        QCOMPARE(j.at("key").size(), e.key.size());
        for (std::size_t k = 0; k < e.key.size(); ++k)
            QCOMPARE(str(j.at("key")[k], "words") + str(j.at("key")[k], "symbol")
                         + str(j.at("key")[k], "value"),
                     e.key[k].words + e.key[k].symbol + e.key[k].value);
        // The answers are written with the decimal mark asked for.
        for (const auto &a : e.answers)
            QVERIFY2(a.find('.') == std::string::npos, a.c_str());
    }
    QVERIFY(
        parsed(bridge::handle(R"({"op":"sheet","settings":{"seed":3}})")).at("exercises").empty());

    QCOMPARE(parsed(bridge::handle(R"({"op":"sheetSeed","entropy":1765360000000})"))
                 .at("seed")
                 .get<std::uint32_t>(),
             sheets::freshSeed(1765360000000ull));

    const std::string svg =
        R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 100 50">)"
        R"(<text font-style="italic" x="10" y="20" font-size="16">r</text></svg>)";
    const Json figure =
        parsed(bridge::handle(Ordered{ { "op", "sheetFigure" },
                                       { "svg", svg },
                                       { "data", { { { "symbol", "r" }, { "typed", "6,5" } } } } }
                                  .dump()));
    QCOMPARE(str(figure, "svg"), solver::figureWithData(svg, { { "r", "6,5" } }));
    QVERIFY(str(figure, "svg").find("= 6,5") != std::string::npos);

    // The WebAssembly export answers the same.
    QCOMPARE(parsed(corpimetro_sheets(R"({"op":"sheetSeed","entropy":5})"))
                 .at("seed")
                 .get<std::uint32_t>(),
             sheets::freshSeed(5));
}

void TestCoreBridge::faultySheetRequests_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("no count") << R"({"op":"sheet","settings":{"count":0}})";
    QTest::newRow("too many") << R"({"op":"sheet","settings":{"count":21}})";
    QTest::newRow("count not whole") << R"({"op":"sheet","settings":{"count":2.5}})";
    QTest::newRow("decimals") << R"({"op":"sheet","settings":{"decimals":5}})";
    QTest::newRow("seed zero") << R"({"op":"sheet","settings":{"seed":0}})";
    QTest::newRow("seed too large") << R"({"op":"sheet","settings":{"seed":1000000}})";
    QTest::newRow("seed huge") << R"({"op":"sheet","settings":{"seed":18446744073709551615}})";
    QTest::newRow("unknown unit") << R"({"op":"sheet","settings":{"unit":"yd"}})";
    QTest::newRow("unknown screen") << R"({"op":"sheet","settings":{"screens":["Form99"]}})";
    QTest::newRow("a menu is no screen") << R"({"op":"sheet","settings":{"screens":["Form1"]}})";
    QTest::newRow("screens not a list") << R"({"op":"sheet","settings":{"screens":"Form3"}})";
    QTest::newRow("one decimal not a bool") << R"({"op":"sheet","settings":{"oneDecimal":"si"}})";
    QTest::newRow("settings not an object") << R"({"op":"sheet","settings":[]})";
    QTest::newRow("empty decimal mark") << R"({"op":"sheet","decimal":""})";
    QTest::newRow("no entropy") << R"({"op":"sheetSeed"})";
    QTest::newRow("entropy not whole") << R"({"op":"sheetSeed","entropy":1.5})";
    QTest::newRow("no svg") << R"({"op":"sheetFigure","data":[]})";
    QTest::newRow("datum not an object") << R"({"op":"sheetFigure","svg":"<svg/>","data":[1]})";
    QTest::newRow("datum without text")
        << R"({"op":"sheetFigure","svg":"<svg/>","data":[{"symbol":"r"}]})";
}

void TestCoreBridge::faultySheetRequests()
{
    QFETCH(QString, line);
    for (const Json &r : { parsed(bridge::handle(line.toStdString())),
                           parsed(corpimetro_sheets(line.toUtf8().constData())) }) {
        QVERIFY(r.contains("error"));
        QVERIFY(r.at("error").is_string());
        QVERIFY(!r.contains("exercises"));
    }
}

QTEST_APPLESS_MAIN(TestCoreBridge)
#include "test_core_bridge.moc"
