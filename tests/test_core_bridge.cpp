// The web edition's core interface: its JSON reader and writer, the
// descriptions it gives of every screen and menu, and presses run through it
// against the same presses run directly.
#include "bridge.h"

#include "solids/menus.h"
#include "solids/solids.h"
#include "solver/calc.h"
#include "solver/screen.h"

#include <QTest>

#include <set>

using bridge::Json;

namespace {

Json parsed(const std::string &text)
{
    return bridge::parseJson(text);
}

std::string str(const Json &object, const char *key)
{
    const Json *v = object.find(key);
    return v && v->type == Json::Type::String ? v->string : "<missing " + std::string(key) + ">";
}

// A control as described: null for an absent role, else name and text.
bool sameControl(const Json &object, const char *key, const solver::Control &c)
{
    const Json *v = object.find(key);
    if (!v)
        return false;
    if (!c.present())
        return v->isNull();
    return str(*v, "name") == c.name && str(*v, "text") == c.text
           && str(*v, "quantity") == c.quantity;
}

// The events of a press run directly, in the bridge's JSON, from a host that
// answers every prompt from a list (Cancel for null, as the desktop reads it).
class DirectHost : public solver::Host {
public:
    std::set<std::string> ticks;
    std::vector<std::string> answers;
    std::string decimal = ".";
    std::string events;

    bool ticked(const std::string &c) const override { return ticks.count(c) > 0; }
    std::string prompt(const std::string &text) override
    {
        add("{\"kind\":\"prompt\",\"text\":", text);
        const std::string a = m_next < answers.size() ? answers[m_next] : "";
        ++m_next;
        return a;
    }
    void message(const std::string &text) override { add("{\"kind\":\"message\",\"text\":", text); }
    void setText(const std::string &control, const std::string &text) override
    {
        std::string head = "{\"kind\":\"set\",\"control\":";
        bridge::writeString(head, control);
        add(head + ",\"text\":", text);
    }
    void failure(const solver::CalcError &e) override
    {
        std::string head = "{\"kind\":\"failure\",\"failure\":";
        bridge::writeString(head, solver::failureName(e.kind()));
        add(head + ",\"text\":", e.what());
    }
    solver::NumberFormat numberFormat() const override { return { decimal }; }
    void solved(const solver::Solution &s) override { solution = s.lines(); }
    std::size_t prompts() const { return m_next; }
    std::vector<std::string> solution;

private:
    void add(const std::string &head, const std::string &text)
    {
        events += events.empty() ? "" : ",";
        events += head;
        bridge::writeString(events, text);
        events += '}';
    }
    std::size_t m_next = 0;
};

std::string request(const std::string &screen, const std::string &button,
                    const std::vector<std::string> &ticks, const std::vector<std::string> &answers,
                    const std::string &decimal)
{
    std::string r = "{\"screen\":";
    bridge::writeString(r, screen);
    r += ",\"button\":";
    bridge::writeString(r, button);
    r += ",\"ticks\":[";
    for (std::size_t k = 0; k < ticks.size(); ++k) {
        r += k ? "," : "";
        bridge::writeString(r, ticks[k]);
    }
    r += "],\"answers\":[";
    for (std::size_t k = 0; k < answers.size(); ++k) {
        r += k ? "," : "";
        if (answers[k] == "<cancel>")
            r += "null";
        else
            bridge::writeString(r, answers[k]);
    }
    r += "],\"decimal\":";
    bridge::writeString(r, decimal);
    return r + "}";
}

} // namespace

class TestCoreBridge : public QObject {
    Q_OBJECT
private slots:
    void json_data();
    void json();
    void stringsRoundTrip();
    void describesEveryScreen();
    void describesTheMenus();
    void pressesAsTheDirectRun_data();
    void pressesAsTheDirectRun();
    void faultyRequests_data();
    void faultyRequests();
    void cFunctions();
};

void TestCoreBridge::json_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("firstString"); // of the array, when valid
    QTest::newRow("escapes") << R"(["a\"b\\c\/d\n\t"])" << true << "a\"b\\c/d\n\t";
    QTest::newRow("unicode") << R"(["\u00e8\ud83d\ude00"])" << true << "è😀";
    QTest::newRow("raw utf-8") << "[\"perché\"]" << true << "perché";
    QTest::newRow("blanks and members") << " [ \"x\" , {\"a\" : [1, -2.5e3, true, null]} ] "
                                        << true << "x";
    QTest::newRow("lone surrogate") << R"(["\ud83d"])" << false << "";
    QTest::newRow("bad escape") << R"(["\x"])" << false << "";
    QTest::newRow("control character") << "[\"a\nb\"]" << false << "";
    QTest::newRow("unterminated") << R"(["abc)" << false << "";
    QTest::newRow("trailing comma") << R"(["a",])" << false << "";
    QTest::newRow("text after") << R"(["a"] x)" << false << "";
    QTest::newRow("bare word") << "[nul]" << false << "";
    QTest::newRow("number without digits") << "[-]" << false << "";
    QTest::newRow("deep nesting") << QString(100, '[') + QString(100, ']') << false << "";
}

void TestCoreBridge::json()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QString, firstString);
    try {
        const Json j = parsed(text.toStdString());
        QVERIFY(valid);
        QCOMPARE(j.type, Json::Type::Array);
        QCOMPARE(QString::fromStdString(j.array.at(0).string), firstString);
    } catch (const std::runtime_error &) {
        QVERIFY(!valid);
    }
}

void TestCoreBridge::stringsRoundTrip()
{
    std::string all;
    for (int c = 1; c < 128; ++c)
        all += static_cast<char>(c);
    all += "àè√²";
    std::string written;
    bridge::writeString(written, all);
    QVERIFY(written.find('\n') == std::string::npos);
    QCOMPARE(parsed(written).string, all);
}

void TestCoreBridge::describesEveryScreen()
{
    const Json d = parsed(bridge::describe());
    const Json *screens = d.find("screens");
    QVERIFY(screens);
    const auto names = solids::names();
    QCOMPARE(screens->array.size(), names.size());
    for (std::size_t k = 0; k < names.size(); ++k) {
        const Json &j = screens->array[k];
        const solver::SolverScreen &s = *solids::find(names[k]);
        const QByteArray where = QByteArray::fromStdString(s.name);
        QVERIFY2(str(j, "name") == s.name && str(j, "caption") == s.caption
                     && str(j, "parent") == s.parent,
                 where);
        for (const auto &[key, c] :
             { std::pair{ "title", s.title }, { "knownHeading", s.knownHeading },
               { "description", s.description }, { "resultsHeading", s.resultsHeading },
               { "formulaHeading", s.formulaHeading }, { "picture", s.picture },
               { "stampaButton", s.stampaButton }, { "ritornaButton", s.ritornaButton },
               { "esciButton", s.esciButton } })
            QVERIFY2(sameControl(j, key, c), where + " " + key);
        QCOMPARE(j.find("titleIsTextBox")->boolean, s.titleIsTextBox);
        QCOMPARE(j.find("checks")->array.size(), s.checks.size());
        for (std::size_t c = 0; c < s.checks.size(); ++c)
            QCOMPARE(str(j.find("checks")->array[c], "text"), s.checks[c].text);
        QCOMPARE(j.find("knownList")->array.size(), s.knownList.size());
        QCOMPARE(j.find("rows")->array.size(), s.rows.size());
        for (std::size_t r = 0; r < s.rows.size(); ++r) {
            const Json &row = j.find("rows")->array[r];
            QVERIFY2(str(row, "captionText") == s.rows[r].captionText
                         && str(row, "result") == s.rows[r].result,
                     where);
        }
        QCOMPARE(j.find("formulaLabels")->array.size(), s.formulaLabels.size());
        QCOMPARE(j.find("extras")->array.size(), s.extras.size());
        for (std::size_t e = 0; e < s.extras.size(); ++e) {
            QCOMPARE(j.find("extras")->array[e].find("x")->number, s.extras[e].x);
            QCOMPARE(j.find("extras")->array[e].find("y")->number, s.extras[e].y);
        }
        QCOMPARE(j.find("solvers")->array.size(), s.solvers.size());
        for (std::size_t b = 0; b < s.solvers.size(); ++b) {
            const Json &sj = j.find("solvers")->array[b];
            QCOMPARE(str(sj, "text"), s.solvers[b].text);
            QVERIFY(sameControl(sj, "solidPicture", s.solvers[b].solidPicture));
            std::vector<std::string> writes;
            for (const auto &w : sj.find("writes")->array)
                writes.push_back(w.string);
            QCOMPARE(writes, s.resultsOf(s.solvers[b]));
        }
        QCOMPARE(j.find("declared")->array.size(), s.declared().size());
    }
}

void TestCoreBridge::describesTheMenus()
{
    const Json d = parsed(bridge::describe());
    const auto &menus = d.find("menus")->array;
    const auto &data = solids::menus();
    QCOMPARE(menus.size(), data.size());
    std::set<std::string> known;
    for (const auto &name : solids::names())
        known.insert(name);
    for (const auto &m : data)
        known.insert(m.name);
    for (std::size_t k = 0; k < data.size(); ++k) {
        const Json &j = menus[k];
        const solver::Menu &m = data[k];
        QCOMPARE(str(j, "name"), m.name);
        QCOMPARE(str(j, "parent"), m.parent);
        QVERIFY(sameControl(j, "heading", m.heading));
        QVERIFY(sameControl(j, "note", m.note));
        QVERIFY(sameControl(j, "esciButton", m.esciButton));
        QCOMPARE(j.find("stampaPrints")->boolean, m.stampaPrints);
        QCOMPARE(j.find("entries")->array.size(), m.entries.size());
        std::set<std::pair<double, double>> cells;
        for (std::size_t e = 0; e < m.entries.size(); ++e) {
            const Json &ej = j.find("entries")->array[e];
            QCOMPARE(str(ej, "text"), m.entries[e].text);
            QCOMPARE(str(ej, "asset"), m.entries[e].asset);
            QCOMPARE(ej.find("keepMenu")->boolean, m.entries[e].keepMenu);
            // No two entries share a cell of the grid.
            QVERIFY(cells.insert({ ej.find("row")->number, ej.find("column")->number }).second);
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

void TestCoreBridge::pressesAsTheDirectRun_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<bool>("allTicked");
    QTest::newRow("2,5 under comma, every box") << "2,5" << "," << true;
    QTest::newRow("7 under point, every box") << "7" << "." << true;
    QTest::newRow("2.5 under comma (not a number)") << "2.5" << "," << true;
    QTest::newRow("cancel, every box") << "<cancel>" << "." << true;
    QTest::newRow("0 (divisions by zero)") << "0" << "," << true;
    QTest::newRow("-3 (negative roots)") << "-3" << "." << true;
    QTest::newRow("no box (insufficient or fixed prompts)") << "4" << "." << false;
}

// Every solving button of every screen, answered one prompt at a time as the
// page does: each step ends at the next prompt, and the last equals the press
// run directly.
void TestCoreBridge::pressesAsTheDirectRun()
{
    QFETCH(QString, answer);
    QFETCH(QString, decimal);
    QFETCH(bool, allTicked);
    for (const auto &name : solids::names()) {
        const solver::SolverScreen &s = *solids::find(name);
        std::vector<std::string> ticks;
        if (allTicked)
            for (const auto &c : s.checks)
                ticks.push_back(c.name);
        for (const auto &button : s.solvers) {
            const QByteArray where = QByteArray::fromStdString(name + "." + button.name);
            std::vector<std::string> answers;
            Json r;
            std::string previousEvents;
            for (int round = 0;; ++round) {
                QVERIFY2(round < 40, where);
                r = parsed(bridge::press(request(name, button.name, ticks, answers,
                                                 decimal.toStdString())));
                QVERIFY2(!r.find("error"), where);
                const auto &events = r.find("events")->array;
                std::string all;
                for (const auto &e : events)
                    all += str(e, "kind") + ":" + str(e, "text") + "|";
                // A press is a pure function of its answers: one more answer
                // only adds to what the press did before.
                QVERIFY2(all.compare(0, previousEvents.size(), previousEvents) == 0, where);
                previousEvents = all;
                if (!r.find("pending")->boolean)
                    break;
                QCOMPARE(str(events.back(), "kind"), std::string("prompt"));
                answers.push_back(answer.toStdString());
            }
            DirectHost direct;
            direct.ticks = { ticks.begin(), ticks.end() };
            for (const auto &a : answers)
                direct.answers.push_back(a == "<cancel>" ? "" : a);
            direct.decimal = decimal.toStdString();
            solver::runCalcola(direct, s, button);
            QCOMPARE(direct.prompts(), answers.size());
            std::string got;
            for (const auto &e : r.find("events")->array) {
                std::string one = "{\"kind\":";
                bridge::writeString(one, str(e, "kind"));
                if (e.find("control")) {
                    one += ",\"control\":";
                    bridge::writeString(one, str(e, "control"));
                }
                if (e.find("failure")) {
                    one += ",\"failure\":";
                    bridge::writeString(one, str(e, "failure"));
                }
                one += ",\"text\":";
                bridge::writeString(one, str(e, "text"));
                got += (got.empty() ? "" : ",") + one + "}";
            }
            QVERIFY2(got == direct.events, where);
            std::vector<std::string> lines;
            for (const auto &l : r.find("solution")->array)
                lines.push_back(l.string);
            QVERIFY2(lines == direct.solution, where);
        }
    }
}

void TestCoreBridge::faultyRequests_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("not JSON") << "press Form3";
    QTest::newRow("not an object") << "[1]";
    QTest::newRow("no screen") << R"({"button":"Command3"})";
    QTest::newRow("unknown screen") << R"({"screen":"Form99","button":"Command3"})";
    QTest::newRow("a menu is no solver screen") << R"({"screen":"Form1","button":"Command3"})";
    QTest::newRow("unknown button") << R"({"screen":"Form3","button":"Command9"})";
    QTest::newRow("unknown tick box") << R"({"screen":"Form3","button":"Command3","ticks":["Check99"]})";
    QTest::newRow("answer not a string") << R"({"screen":"Form3","button":"Command3","answers":[2]})";
    QTest::newRow("empty decimal mark") << R"({"screen":"Form3","button":"Command3","decimal":""})";
    QTest::newRow("unknown op") << R"({"op":"explode"})";
}

void TestCoreBridge::faultyRequests()
{
    QFETCH(QString, line);
    const Json r = parsed(bridge::handle(line.toStdString()));
    QVERIFY(r.find("error"));
    QVERIFY(!r.find("events"));
}

void TestCoreBridge::cFunctions()
{
    const std::string described = corpimetro_describe();
    QCOMPARE(described, bridge::describe());
    QCOMPARE(std::string(corpimetro_describe()), described); // the same text every time
    const std::string pressed = corpimetro_press(
        R"({"screen":"Form3","button":"Command3","ticks":["Check1"],"answers":["2"]})");
    const Json r = parsed(pressed);
    QCOMPARE(r.find("pending")->boolean, false);
    QCOMPARE(r.find("solution")->type, Json::Type::Array);
    // The cone writes its worked solution; a press stopped at a prompt has none.
    const Json cone = parsed(corpimetro_press(
        R"({"screen":"Form12","button":"Command1","ticks":["Check1","Check4"],"answers":["3","4"]})"));
    QCOMPARE(cone.find("pending")->boolean, false);
    QVERIFY(!cone.find("solution")->array.empty());
    const Json stopped = parsed(corpimetro_press(
        R"({"screen":"Form12","button":"Command1","ticks":["Check1","Check4"],"answers":["3"]})"));
    QCOMPARE(stopped.find("pending")->boolean, true);
    QVERIFY(stopped.find("solution")->array.empty());
    QVERIFY(parsed(corpimetro_press(nullptr)).find("error"));
    QCOMPARE(bridge::handle(R"({"op":"describe"})"), described);
}

QTEST_APPLESS_MAIN(TestCoreBridge)
#include "test_core_bridge.moc"
