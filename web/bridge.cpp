#include "bridge.h"

#include "solids/menus.h"
#include "solids/solids.h"
#include "solver/calc.h"
#include "solver/menu.h"
#include "solver/numberformat.h"
#include "solver/screen.h"
#include "solver/texts.h"

#include <optional>
#include <set>
#include <stdexcept>

namespace bridge {

// ---- JSON reading -------------------------------------------------------

const Json *Json::find(const std::string &key) const
{
    for (const auto &member : object)
        if (member.first == key)
            return &member.second;
    return nullptr;
}

namespace {

class Parser {
public:
    explicit Parser(const std::string &text) : m_text(text) {}

    Json document()
    {
        Json v = value(0);
        blanks();
        if (m_pos != m_text.size())
            fail("text after the value");
        return v;
    }

private:
    [[noreturn]] void fail(const std::string &what) const
    {
        throw std::runtime_error("malformed JSON at offset " + solver::formatInteger(
                                     static_cast<long long>(m_pos)) + ": " + what);
    }

    void blanks()
    {
        while (m_pos < m_text.size()
               && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t' || m_text[m_pos] == '\n'
                   || m_text[m_pos] == '\r'))
            ++m_pos;
    }

    bool take(char c)
    {
        blanks();
        if (m_pos < m_text.size() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }

    void expect(char c)
    {
        if (!take(c))
            fail(std::string("expected '") + c + "'");
    }

    bool word(const char *w)
    {
        const std::string s(w);
        if (m_text.compare(m_pos, s.size(), s) == 0) {
            m_pos += s.size();
            return true;
        }
        return false;
    }

    Json value(int depth)
    {
        if (depth > 64)
            fail("nested too deeply");
        blanks();
        if (m_pos >= m_text.size())
            fail("expected a value");
        Json v;
        const char c = m_text[m_pos];
        if (c == '{') {
            ++m_pos;
            v.type = Json::Type::Object;
            if (take('}'))
                return v;
            do {
                blanks();
                if (m_pos >= m_text.size() || m_text[m_pos] != '"')
                    fail("expected a member name");
                std::string key = string();
                expect(':');
                v.object.emplace_back(std::move(key), value(depth + 1));
            } while (take(','));
            expect('}');
        } else if (c == '[') {
            ++m_pos;
            v.type = Json::Type::Array;
            if (take(']'))
                return v;
            do
                v.array.push_back(value(depth + 1));
            while (take(','));
            expect(']');
        } else if (c == '"') {
            v.type = Json::Type::String;
            v.string = string();
        } else if (word("null")) {
        } else if (word("true")) {
            v.type = Json::Type::Bool;
            v.boolean = true;
        } else if (word("false")) {
            v.type = Json::Type::Bool;
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            v.type = Json::Type::Number;
            v.number = number();
        } else {
            fail("unexpected character");
        }
        return v;
    }

    double number()
    {
        const std::size_t begin = m_pos;
        auto digits = [&] {
            const std::size_t from = m_pos;
            while (m_pos < m_text.size() && m_text[m_pos] >= '0' && m_text[m_pos] <= '9')
                ++m_pos;
            if (m_pos == from)
                fail("expected a digit");
        };
        if (m_text[m_pos] == '-')
            ++m_pos;
        digits();
        if (m_pos < m_text.size() && m_text[m_pos] == '.') {
            ++m_pos;
            digits();
        }
        if (m_pos < m_text.size() && (m_text[m_pos] == 'e' || m_text[m_pos] == 'E')) {
            ++m_pos;
            if (m_pos < m_text.size() && (m_text[m_pos] == '+' || m_text[m_pos] == '-'))
                ++m_pos;
            digits();
        }
        const auto r = solver::readNumber(m_text.substr(begin, m_pos - begin),
                                          solver::NumberFormat::point());
        if (!r.isNumber())
            fail("number out of range");
        return r.value;
    }

    unsigned hex4()
    {
        if (m_pos + 4 > m_text.size())
            fail("short \\u escape");
        unsigned u = 0;
        for (int k = 0; k < 4; ++k) {
            const char h = m_text[m_pos++];
            u <<= 4;
            if (h >= '0' && h <= '9')
                u |= static_cast<unsigned>(h - '0');
            else if (h >= 'a' && h <= 'f')
                u |= static_cast<unsigned>(h - 'a' + 10);
            else if (h >= 'A' && h <= 'F')
                u |= static_cast<unsigned>(h - 'A' + 10);
            else
                fail("bad \\u escape");
        }
        return u;
    }

    static void utf8(std::string &out, unsigned cp)
    {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xc0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3f));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xe0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3f));
            out += static_cast<char>(0x80 | (cp & 0x3f));
        } else {
            out += static_cast<char>(0xf0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3f));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3f));
            out += static_cast<char>(0x80 | (cp & 0x3f));
        }
    }

    std::string string()
    {
        ++m_pos; // opening quote
        std::string out;
        while (true) {
            if (m_pos >= m_text.size())
                fail("unterminated string");
            const char c = m_text[m_pos++];
            if (c == '"')
                return out;
            if (static_cast<unsigned char>(c) < 0x20)
                fail("control character in a string");
            if (c != '\\') {
                out += c;
                continue;
            }
            if (m_pos >= m_text.size())
                fail("unterminated escape");
            const char e = m_text[m_pos++];
            switch (e) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case '/': out += '/'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                unsigned cp = hex4();
                if (cp >= 0xd800 && cp < 0xdc00) {
                    if (!word("\\u"))
                        fail("lone surrogate");
                    const unsigned low = hex4();
                    if (low < 0xdc00 || low >= 0xe000)
                        fail("lone surrogate");
                    cp = 0x10000 + ((cp - 0xd800) << 10) + (low - 0xdc00);
                } else if (cp >= 0xdc00 && cp < 0xe000) {
                    fail("lone surrogate");
                }
                utf8(out, cp);
                break;
            }
            default:
                fail("bad escape");
            }
        }
    }

    const std::string &m_text;
    std::size_t m_pos = 0;
};

} // namespace

Json parseJson(const std::string &text)
{
    return Parser(text).document();
}

// ---- JSON writing -------------------------------------------------------

void writeString(std::string &out, const std::string &text)
{
    static const char hex[] = "0123456789abcdef";
    out += '"';
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20 || c == 0x7f) {
                out += "\\u00";
                out += hex[c >> 4];
                out += hex[c & 0xf];
            } else {
                out += ch;
            }
        }
    }
    out += '"';
}

namespace {

// Writes objects and arrays with the commas in their places.
class Writer {
public:
    std::string out;

    Writer &open(char bracket)
    {
        comma();
        out += bracket;
        m_first = true;
        return *this;
    }
    Writer &close(char bracket)
    {
        out += bracket;
        m_first = false;
        return *this;
    }
    Writer &key(const std::string &k)
    {
        comma();
        writeString(out, k);
        out += ':';
        m_first = true; // the value follows without a comma
        return *this;
    }
    Writer &str(const std::string &s)
    {
        comma();
        writeString(out, s);
        return *this;
    }
    Writer &boolean(bool b)
    {
        comma();
        out += b ? "true" : "false";
        return *this;
    }
    Writer &integer(long long i)
    {
        comma();
        out += solver::formatInteger(i);
        return *this;
    }
    Writer &number(double d)
    {
        comma();
        // 17 significant digits read back to the same double.
        out += solver::formatNumber(d, 17, solver::NumberFormat::point());
        return *this;
    }
    Writer &null()
    {
        comma();
        out += "null";
        return *this;
    }

    Writer &field(const std::string &k, const std::string &s) { return key(k).str(s); }
    Writer &strings(const std::string &k, const std::vector<std::string> &list)
    {
        key(k).open('[');
        for (const auto &s : list)
            str(s);
        return close(']');
    }

private:
    void comma()
    {
        if (!m_first)
            out += ',';
        m_first = false;
    }
    bool m_first = true;
};

void control(Writer &w, const std::string &k, const solver::Control &c)
{
    w.key(k);
    if (!c.present()) {
        w.null();
        return;
    }
    w.open('{').field("name", c.name).field("text", c.text).field("quantity", c.quantity);
    w.close('}');
}

void controls(Writer &w, const std::string &k, const std::vector<solver::Control> &list)
{
    w.key(k).open('[');
    for (const auto &c : list)
        w.open('{').field("name", c.name).field("text", c.text).field("quantity", c.quantity)
            .close('}');
    w.close(']');
}

const char *extraKind(solver::Extra::Kind kind)
{
    switch (kind) {
    case solver::Extra::Kind::Label:
        return "Label";
    case solver::Extra::Kind::TextBox:
        return "TextBox";
    case solver::Extra::Kind::Button:
        return "Button";
    case solver::Extra::Kind::Picture:
        return "Picture";
    }
    return "Label";
}

void screen(Writer &w, const solver::SolverScreen &s)
{
    w.open('{').field("name", s.name).field("caption", s.caption).field("parent", s.parent);
    control(w, "title", s.title);
    w.key("titleIsTextBox").boolean(s.titleIsTextBox);
    control(w, "knownHeading", s.knownHeading);
    controls(w, "checks", s.checks);
    controls(w, "knownList", s.knownList);
    control(w, "description", s.description);
    control(w, "resultsHeading", s.resultsHeading);
    w.key("rows").open('[');
    for (const auto &r : s.rows)
        w.open('{')
            .field("caption", r.caption)
            .field("captionText", r.captionText)
            .field("result", r.result)
            .field("quantity", r.quantity)
            .close('}');
    w.close(']');
    control(w, "formulaHeading", s.formulaHeading);
    w.strings("formulaLabels", s.formulaLabels);
    control(w, "picture", s.picture);
    w.key("extras").open('[');
    for (const auto &e : s.extras) {
        w.open('{').field("kind", extraKind(e.kind)).field("name", e.name).field("text", e.text);
        w.field("opens", e.opens).field("onPicture", e.onPicture);
        w.key("x").number(e.x).key("y").number(e.y).close('}');
    }
    w.close(']');
    w.key("solvers").open('[');
    for (const auto &b : s.solvers) {
        w.open('{').field("name", b.name).field("text", b.text).strings("results", b.results);
        control(w, "solidName", b.solidName);
        control(w, "solidPicture", b.solidPicture);
        w.strings("writes", s.resultsOf(b)).close('}');
    }
    w.close(']');
    control(w, "stampaButton", s.stampaButton);
    control(w, "ritornaButton", s.ritornaButton);
    control(w, "esciButton", s.esciButton);
    w.strings("declared", s.declared());
    w.close('}');
}

void menu(Writer &w, const solver::Menu &m)
{
    w.open('{').field("name", m.name).field("caption", m.caption).field("parent", m.parent);
    control(w, "heading", m.heading);
    control(w, "subheading", m.subheading);
    w.key("options").open('[');
    for (const auto &o : m.options)
        w.open('{').field("name", o.name).field("text", o.text).field("opens", o.opens).close('}');
    w.close(']');
    control(w, "optionButton", m.optionButton);
    w.key("entries").open('[');
    for (const auto &e : m.entries) {
        w.open('{').field("picture", e.picture).field("asset", e.asset).field("label", e.label);
        w.field("text", e.text).field("button", e.button).field("opens", e.opens);
        w.key("keepMenu").boolean(e.keepMenu).key("row").integer(e.row);
        w.key("column").integer(e.column).close('}');
    }
    w.close(']');
    w.key("clicks").open('[');
    for (const auto &c : m.clicks)
        w.open('{').field("control", c.control).field("opens", c.opens).close('}');
    w.close(']');
    control(w, "note", m.note);
    control(w, "stampaButton", m.stampaButton);
    w.key("stampaPrints").boolean(m.stampaPrints);
    control(w, "ritornaButton", m.ritornaButton);
    control(w, "esciButton", m.esciButton);
    w.close('}');
}

// ---- one press ----------------------------------------------------------

// Thrown by the host at a prompt beyond the answers given: the press stops
// there. Not a CalcError, so the calculation's failure handling never sees it.
struct PendingPrompt {};

class RecordingHost : public solver::Host {
public:
    RecordingHost(std::set<std::string> ticks, std::vector<std::optional<std::string>> answers,
                  std::string decimal)
        : m_ticks(std::move(ticks)), m_answers(std::move(answers)), m_decimal(std::move(decimal))
    {
        m_events.open('[');
    }

    bool ticked(const std::string &control) const override { return m_ticks.count(control) > 0; }

    std::string prompt(const std::string &text) override
    {
        m_events.open('{').field("kind", "prompt").field("text", text).close('}');
        if (m_next >= m_answers.size()) {
            m_pending = true;
            throw PendingPrompt{};
        }
        return m_answers[m_next++].value_or(std::string());
    }

    void message(const std::string &text) override
    {
        m_events.open('{').field("kind", "message").field("text", text).close('}');
    }

    void setText(const std::string &control, const std::string &text) override
    {
        m_events.open('{').field("kind", "set").field("control", control).field("text", text)
            .close('}');
    }

    void failure(const solver::CalcError &error) override
    {
        m_events.open('{').field("kind", "failure").field("failure",
                                                          solver::failureName(error.kind()));
        m_events.field("text", error.what()).close('}');
    }

    solver::NumberFormat numberFormat() const override { return { m_decimal }; }

    // Only a press that ran to its end has a worked solution.
    void solved(const solver::Solution &solution) override { m_solution = solution.lines(); }

    std::string response()
    {
        m_events.close(']');
        std::string out = "{\"events\":" + m_events.out + ",\"pending\":";
        out += m_pending ? "true" : "false";
        Writer lines;
        lines.strings("solution", m_solution);
        return out + "," + lines.out + "}";
    }

private:
    std::set<std::string> m_ticks;
    std::vector<std::optional<std::string>> m_answers;
    std::string m_decimal;
    std::size_t m_next = 0;
    bool m_pending = false;
    Writer m_events;
    std::vector<std::string> m_solution;
};

std::string error(const std::string &what)
{
    std::string out = "{\"error\":";
    writeString(out, what);
    return out + "}";
}

const std::string &member(const Json &request, const char *key)
{
    const Json *v = request.find(key);
    if (!v || v->type != Json::Type::String)
        throw std::runtime_error(std::string("the request needs a string \"") + key + "\"");
    return v->string;
}

std::string pressRequest(const Json &request)
{
    if (request.type != Json::Type::Object)
        throw std::runtime_error("the request is not an object");
    const std::string &screenName = member(request, "screen");
    const std::string &buttonName = member(request, "button");
    const solver::SolverScreen *s = solids::find(screenName);
    if (!s)
        throw std::runtime_error("no solver screen " + screenName);
    const solver::SolveButton *button = nullptr;
    for (const auto &b : s->solvers)
        if (b.name == buttonName)
            button = &b;
    if (!button)
        throw std::runtime_error("screen " + screenName + " has no solving button " + buttonName);

    std::set<std::string> ticks;
    if (const Json *t = request.find("ticks"); t && !t->isNull()) {
        if (t->type != Json::Type::Array)
            throw std::runtime_error("\"ticks\" is not an array");
        for (const auto &box : t->array) {
            bool known = false;
            for (const auto &c : s->checks)
                known = known || (box.type == Json::Type::String && c.name == box.string);
            if (!known)
                throw std::runtime_error("screen " + screenName + " has no tick box "
                                         + (box.type == Json::Type::String ? box.string : "?"));
            ticks.insert(box.string);
        }
    }
    std::vector<std::optional<std::string>> answers;
    if (const Json *a = request.find("answers"); a && !a->isNull()) {
        if (a->type != Json::Type::Array)
            throw std::runtime_error("\"answers\" is not an array");
        for (const auto &answer : a->array) {
            if (answer.isNull())
                answers.emplace_back(std::nullopt);
            else if (answer.type == Json::Type::String)
                answers.emplace_back(answer.string);
            else
                throw std::runtime_error("an answer is neither a string nor null");
        }
    }
    std::string decimal = ".";
    if (const Json *d = request.find("decimal"); d && !d->isNull()) {
        if (d->type != Json::Type::String || d->string.empty())
            throw std::runtime_error("\"decimal\" is not a decimal mark");
        decimal = d->string;
    }

    RecordingHost host(std::move(ticks), std::move(answers), decimal);
    try {
        solver::runCalcola(host, *s, *button);
    } catch (const PendingPrompt &) {
        // Stopped at the first unanswered prompt; the events so far stand.
    }
    return host.response();
}

// The spoken name of every control whose name is fixed, keyed
// "Screen.Control", and of each window's close control, keyed by the screen
// alone.
solver::TextPairs spokenNames()
{
    const auto captionOf = [](const std::string &name) {
        if (const solver::SolverScreen *s = solids::find(name))
            return s->caption;
        for (const auto &m : solids::menus())
            if (m.name == name)
                return m.caption;
        return std::string();
    };
    solver::TextPairs out;
    const auto add = [&out](const std::string &screen, const std::string &caption,
                            const solver::TextPairs &names) {
        out.emplace_back(screen, solver::closeName(caption, screen));
        for (const auto &[control, name] : names)
            out.emplace_back(screen + "." + control, name);
    };
    for (const auto &name : solids::names()) {
        const solver::SolverScreen &s = *solids::find(name);
        add(s.name, s.caption, solver::spokenNames(s, captionOf));
    }
    for (const auto &m : solids::menus())
        add(m.name, m.caption, solver::spokenNames(m));
    return out;
}

} // namespace

std::string describe()
{
    Writer w;
    w.open('{').key("screens").open('[');
    for (const auto &name : solids::names())
        screen(w, *solids::find(name));
    w.close(']').key("menus").open('[');
    for (const auto &m : solids::menus())
        menu(w, m);
    w.close(']');
    // The words the page shows around the descriptions, and the spoken names.
    w.key("texts").open('{');
    for (const auto &[key, text] : solver::fixedTexts())
        w.field(key, text);
    w.close('}').key("spoken").open('{');
    for (const auto &[key, name] : spokenNames())
        w.field(key, name);
    w.close('}').close('}');
    return w.out;
}

std::string press(const std::string &request)
{
    try {
        return pressRequest(parseJson(request));
    } catch (const std::exception &e) {
        return error(e.what());
    }
}

std::string handle(const std::string &request)
{
    try {
        const Json r = parseJson(request);
        const Json *op = r.find("op");
        if (op && op->type == Json::Type::String && op->string == "describe")
            return describe();
        if (op && !(op->type == Json::Type::String && op->string == "press"))
            return error("unknown \"op\"");
        return pressRequest(r);
    } catch (const std::exception &e) {
        return error(e.what());
    }
}

} // namespace bridge

namespace {
std::string g_reply;
}

extern "C" const char *corpimetro_describe(void)
{
    static const std::string described = [] {
        try {
            return bridge::describe();
        } catch (const std::exception &e) {
            std::string out = "{\"error\":";
            bridge::writeString(out, e.what());
            return out + "}";
        }
    }();
    g_reply = described;
    return g_reply.c_str();
}

extern "C" const char *corpimetro_press(const char *request)
{
    g_reply = bridge::press(request ? request : "");
    return g_reply.c_str();
}
