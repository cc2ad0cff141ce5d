// libFuzzer target for the whole calculation core as the web edition reaches
// it: a press of any solving button of any solver screen, with any tick boxes
// and any answers, through bridge::press and bridge::handle (web/CONTRACT.md).
//
// The input is read as:
//   byte 0      what to do: most values build a press from the next bytes;
//               one in eight sends the rest as the request text itself (to
//               bridge::press or, by another bit, bridge::handle);
//   byte 1, 2   the screen and the solving button, among those describe() lists;
//   byte 3, 4   the tick boxes ticked, one bit each in the screen's order;
//   byte 5      the decimal mark (",", ".", a long or odd one, none), how the
//               request is spoiled, if at all, whether controls in the
//               answers are escaped, and (top two bits) the choices of unit,
//               decimals and specific weight, if any;
//   the rest    the answers, separated by 0x1E. An answer that is exactly 0x1F
//               is Cancel (null); one that begins with 0x1D is its rest
//               repeated up to some thousands of bytes (huge numbers).
// Answers go into the request byte for byte: invalid UTF-8, NUL and other
// control characters reach the core as typed.
//
// Every response must be UTF-8 JSON of the contract: {"error": "..."} for a
// malformed request (and only then, for the requests built here), otherwise
// {"events", "pending", "solution"} with events of the four kinds, written
// controls the screen declares, a pending press ending at a prompt beyond its
// answers. A press with one answer less must give the first part of the same
// events. Any breach calls abort(), so libFuzzer keeps the input.
#include "bridge.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <vector>

using nlohmann::json;

namespace {

struct Screen {
    std::string name;
    std::vector<std::string> buttons;
    std::vector<std::string> checks;
    std::set<std::string> declared;
};

[[noreturn]] void fail(const std::string &what, const std::string &request,
                       const std::string &response)
{
    std::fprintf(stderr, "contract breach: %s\nrequest: %s\nresponse: %s\n", what.c_str(),
                 request.c_str(), response.substr(0, 4000).c_str());
    std::abort();
}

void require(bool ok, const char *what, const std::string &request, const std::string &response)
{
    if (!ok)
        fail(what, request, response);
}

json parsed(const std::string &request, const std::string &response)
{
    try {
        return json::parse(response);
    } catch (const json::exception &e) {
        fail(std::string("not UTF-8 JSON: ") + e.what(), request, response);
    }
}

bool isString(const json &o, const char *key)
{
    return o.is_object() && o.contains(key) && o.at(key).is_string();
}

bool isControl(const json &c)
{
    return c.is_null()
           || (c.is_object() && isString(c, "name") && isString(c, "text")
               && c.contains("quantity"));
}

const std::vector<Screen> &screens()
{
    static const std::vector<Screen> all = [] {
        const std::string text = bridge::describe();
        const json d = parsed("describe()", text);
        require(d.is_object() && d.contains("screens") && d.at("screens").is_array()
                    && d.contains("menus") && d.at("menus").is_array(),
                "describe() without screens and menus", "describe()", text);
        std::vector<Screen> out;
        for (const auto &s : d.at("screens")) {
            require(isString(s, "name") && isString(s, "caption") && isString(s, "parent"),
                    "a screen without its names", "describe()", text);
            for (const char *role :
                 { "title", "knownHeading", "description", "resultsHeading", "formulaHeading",
                   "picture", "stampaButton", "ritornaButton", "esciButton" })
                require(s.contains(role) && isControl(s.at(role)), "a role is not a control",
                        "describe()", text);
            Screen screen{ s.at("name").get<std::string>(), {}, {}, {} };
            for (const auto &b : s.at("solvers")) {
                require(isString(b, "name") && b.contains("writes") && b.at("writes").is_array(),
                        "a solving button without name or writes", "describe()", text);
                screen.buttons.push_back(b.at("name").get<std::string>());
            }
            for (const auto &c : s.at("checks")) {
                require(c.is_object() && isControl(c), "a tick box is not a control", "describe()",
                        text);
                screen.checks.push_back(c.at("name").get<std::string>());
            }
            for (const auto &n : s.at("declared"))
                screen.declared.insert(n.get<std::string>());
            require(!screen.buttons.empty(), "a screen without a solving button", "describe()",
                    text);
            out.push_back(std::move(screen));
        }
        require(!out.empty(), "no screens", "describe()", text);
        return out;
    }();
    return all;
}

// A JSON string literal holding `text` byte for byte: quotes and backslashes
// escaped, control characters escaped or (when `rawControls`) left in place,
// every other byte, valid UTF-8 or not, as it is.
void literal(std::string &out, const std::string &text, bool rawControls)
{
    static const char hex[] = "0123456789abcdef";
    out += '"';
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20 && !rawControls) {
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 0xf];
        } else {
            out += ch;
        }
    }
    out += '"';
}

// Whether `text` is well-formed UTF-8: no stray continuation byte, no
// overlong form, no surrogate, nothing past U+10FFFF.
bool wellFormed(const std::string &text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t n = 0;
        unsigned lo = 0x80, hi = 0xbf;
        if (c < 0x80)
            n = 0;
        else if (c >= 0xc2 && c <= 0xdf)
            n = 1;
        else if (c == 0xe0)
            n = 2, lo = 0xa0;
        else if (c == 0xed)
            n = 2, hi = 0x9f;
        else if (c >= 0xe1 && c <= 0xef)
            n = 2;
        else if (c == 0xf0)
            n = 3, lo = 0x90;
        else if (c == 0xf4)
            n = 3, hi = 0x8f;
        else if (c >= 0xf1 && c <= 0xf3)
            n = 3;
        else
            return false;
        if (i + n >= text.size() + (n ? 0 : 1))
            return false;
        for (std::size_t k = 1; k <= n; ++k) {
            const auto b = static_cast<unsigned char>(text[i + k]);
            if (b < (k == 1 ? lo : 0x80) || b > (k == 1 ? hi : 0xbf))
                return false;
        }
        i += n + 1;
    }
    return true;
}

const char *const kFailures[] = { "type mismatch", "division by zero", "overflow",
                                  "invalid argument" };

// The shape every press response has; `screen` (when known) for the controls.
struct Press {
    json events;
    bool pending = false;
    std::size_t prompts = 0;
};

Press checkPress(const json &r, const Screen *screen, const std::string &request,
                 const std::string &response)
{
    require(r.is_object() && r.size() == 6 && r.contains("events") && r.at("events").is_array()
                && r.contains("pending") && r.at("pending").is_boolean() && r.contains("solution")
                && r.at("solution").is_array() && isString(r, "hint") && r.contains("worksheet")
                && r.at("worksheet").is_object() && r.contains("figure"),
            "a press response is not {events, pending, solution, hint, worksheet, figure}", request,
            response);
    // The solid the press computed, or why there is none; nothing while a
    // prompt waits.
    const json &figure = r.at("figure");
    require(figure.is_null() == r.at("pending").get<bool>(),
            "a figure while pending, or none after a press", request, response);
    if (!figure.is_null()) {
        require(figure.is_object() && isString(figure, "solid") && isString(figure, "none")
                    && isString(figure, "alternative") && figure.contains("dimensions")
                    && figure.at("dimensions").is_object(),
                "a figure is not {solid, dimensions, none, alternative}", request, response);
        require(figure.at("none").get<std::string>().empty() != figure.at("dimensions").empty(),
                "a figure with no dimensions and no reason, or with both", request, response);
    }
    Press p{ r.at("events"), r.at("pending").get<bool>(), 0 };
    // A press still waiting for an answer has nothing to say yet.
    if (p.pending)
        require(r.at("hint").get<std::string>().empty() && r.at("solution").empty(),
                "a pending press has a hint or a solution", request, response);
    const json &sheet = r.at("worksheet");
    require(isString(sheet, "exercise") && isString(sheet, "picture") && sheet.contains("data")
                && sheet.at("data").is_array() && sheet.contains("rows")
                && sheet.at("rows").is_array(),
            "a worksheet is not {exercise, picture, data, rows}", request, response);
    for (const auto &row : sheet.at("rows"))
        if (screen)
            require(isString(row, "result")
                        && screen->declared.count(row.at("result").get<std::string>()) > 0,
                    "a worksheet row names a control the screen does not declare", request,
                    response);
    for (const auto &e : p.events) {
        require(isString(e, "kind"), "an event without its kind", request, response);
        const std::string kind = e.at("kind").get<std::string>();
        require(isString(e, "text"), "an event without its text", request, response);
        if (kind == "prompt") {
            ++p.prompts;
            // A unit beside the box is named, never empty.
            if (e.contains("unit"))
                require(isString(e, "unit") && !e.at("unit").get<std::string>().empty(),
                        "a prompt's unit is not a name", request, response);
        } else if (kind == "message") {
        } else if (kind == "set") {
            require(isString(e, "control"), "a set event without its control", request, response);
            if (screen)
                require(screen->declared.count(e.at("control").get<std::string>()) > 0,
                        "a control the screen does not declare was written", request, response);
            const std::string text = e.at("text").get<std::string>();
            if (e.at("control") == "Capacita" && !text.empty())
                require(text.size() > 2
                            && (text.compare(text.size() - 2, 2, " l") == 0
                                || text.compare(text.size() - 3, 3, " hl") == 0),
                        "a capacity not in litres", request, response);
        } else if (kind == "failure") {
            require(isString(e, "failure"), "a failure without its name", request, response);
            bool known = false;
            for (const char *name : kFailures)
                known = known || e.at("failure") == name;
            require(known, "an unknown failure name", request, response);
            require(!e.at("text").get<std::string>().empty(), "a failure without a text", request,
                    response);
        } else {
            fail("an unknown event kind", request, response);
        }
    }
    for (const auto &line : r.at("solution"))
        require(line.is_string(), "a solution line is not a string", request, response);
    if (p.pending) {
        require(!p.events.empty() && p.events.back().at("kind") == "prompt",
                "a pending press does not end at a prompt", request, response);
        require(r.at("solution").empty(), "a pending press has a solution", request, response);
    }
    return p;
}

void checkError(const json &r, const std::string &request, const std::string &response)
{
    require(r.is_object() && r.size() == 1 && isString(r, "error")
                && !r.at("error").get<std::string>().empty(),
            "not {\"error\": \"...\"}", request, response);
}

// Either answer a malformed request gets, for requests not built here.
void checkAny(const std::string &request, const std::string &response, bool describeAllowed)
{
    const json r = parsed(request, response);
    if (r.is_object() && r.contains("error")) {
        checkError(r, request, response);
        return;
    }
    if (describeAllowed && r.is_object() && r.contains("screens"))
        return;
    checkPress(r, nullptr, request, response);
}

struct Built {
    std::string request;
    bool malformed = false;
};

Built buildRequest(const Screen &s, const std::string &button,
                   const std::vector<std::string> &ticks,
                   const std::vector<std::optional<std::string>> &answers,
                   const std::optional<std::string> &decimal, unsigned spoil, bool rawControls,
                   const std::string &preferences = {})
{
    Built b;
    std::string &out = b.request;
    out = "{\"screen\":";
    literal(out, spoil == 1 ? s.name + "?" : s.name, false);
    out += ",\"button\":";
    literal(out, spoil == 2 ? std::string() : button, false);
    out += ",\"ticks\":[";
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        out += i ? "," : "";
        literal(out, ticks[i], false);
    }
    if (spoil == 3)
        out += std::string(ticks.empty() ? "" : ",") + "\"Check99\"";
    out += "],\"answers\":";
    out += spoil == 4 ? "{" : "[";
    for (std::size_t i = 0; i < answers.size(); ++i) {
        out += i ? "," : "";
        if (answers[i])
            literal(out, *answers[i], rawControls);
        else
            out += "null";
    }
    if (spoil == 5)
        out += std::string(answers.empty() ? "" : ",") + "12";
    out += spoil == 4 ? "}" : "]";
    if (spoil == 6) {
        out += ",\"decimal\":\"\"";
    } else if (decimal) {
        out += ",\"decimal\":";
        literal(out, *decimal, false);
    }
    if (!preferences.empty())
        out += ",\"preferences\":" + preferences;
    out += "}";
    if (spoil == 7 && out.size() > 2)
        out.resize(out.size() / 2); // cut short
    b.malformed = spoil >= 1 && spoil <= 7;
    return b;
}

void oneRaw(const std::string &request, bool handle)
{
    const std::string response = handle ? bridge::handle(request) : bridge::press(request);
    checkAny(request, response, handle);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    screens();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const unsigned mode = data[0];
    if ((mode & 7) == 0 || size < 6) {
        oneRaw(std::string(reinterpret_cast<const char *>(data + 1), size - 1), mode & 8);
        return 0;
    }

    const auto &all = screens();
    const Screen &s = all[data[1] % all.size()];
    const std::string &button = s.buttons[data[2] % s.buttons.size()];
    const unsigned mask = data[3] | (unsigned(data[4]) << 8);
    std::vector<std::string> ticks;
    for (std::size_t i = 0; i < s.checks.size() && i < 16; ++i)
        if (mask & (1u << i))
            ticks.push_back(s.checks[i]);
    if ((mode & 0x30) == 0x30 && !ticks.empty())
        ticks.push_back(ticks.front()); // a box named twice is still one box

    const unsigned how = data[5];
    std::optional<std::string> decimal;
    switch (how & 7) {
    case 0:
    case 1:
    case 2:
        decimal = ",";
        break;
    case 3:
    case 4:
        decimal = ".";
        break;
    case 5: // none: the default, "."
        break;
    case 6:
        decimal = "\xd9\xab"; // the Arabic decimal separator
        break;
    case 7:
        decimal = std::string("\x00,\xff", 3);
        break;
    }
    // One request in eight is spoiled, in one of seven ways.
    const unsigned spoil = ((how >> 3) & 7) != 0 ? 0 : 1 + (mode >> 3) % 7;
    const bool rawControls = (mode & 0xc0) == 0xc0;
    // Choices: none, a usual set, the largest unit with no decimals, the
    // smallest with the most; the specific weight sometimes a first answer's
    // bytes (typed, so anything).
    std::string preferences;
    switch (how >> 6) {
    case 1:
        preferences = R"({"unit":"cm","decimals":2,"specificWeight":"7,8"})";
        break;
    case 2:
        preferences = R"({"unit":"km","decimals":0,"specificWeight":"1E300"})";
        break;
    case 3:
        preferences = R"({"unit":"mm","decimals":"6","specificWeight":"-0,5"})";
        break;
    default:
        break;
    }

    std::vector<std::optional<std::string>> answers;
    std::string current;
    const auto flush = [&] {
        if (current == "\x1f") {
            answers.emplace_back(std::nullopt);
        } else if (!current.empty() && current[0] == '\x1d') {
            const std::string unit = current.substr(1);
            std::string huge;
            while (!unit.empty() && huge.size() < 5000)
                huge += unit;
            answers.emplace_back(huge);
        } else {
            answers.emplace_back(current);
        }
        current.clear();
    };
    for (std::size_t i = 6; i < size; ++i) {
        if (data[i] == 0x1e)
            flush();
        else
            current += static_cast<char>(data[i]);
    }
    if (size > 6)
        flush();

    const Built built =
        buildRequest(s, button, ticks, answers, decimal, spoil, rawControls, preferences);
    const std::string response = bridge::press(built.request);
    const json r = parsed(built.request, response);
    // JSON text is UTF-8: a request that is not is malformed.
    if (built.malformed || !wellFormed(built.request)) {
        checkError(r, built.request, response);
        return 0;
    }
    if (rawControls) {
        // Raw control characters are not JSON: an error, or read leniently.
        checkAny(built.request, response, false);
        return 0;
    }
    const Press full = checkPress(r, &s, built.request, response);
    require(full.prompts <= answers.size() + 1, "more prompts than answers and one", built.request,
            response);
    require(full.pending == (full.prompts > answers.size()),
            "pending is not \"a prompt beyond the answers\"", built.request, response);

    // The same press with one answer less: the same events up to the prompt
    // that answer was for, and pending there (or the very same press when
    // that answer was never asked for).
    if (!answers.empty()) {
        std::vector<std::optional<std::string>> fewer(answers.begin(), answers.end() - 1);
        const Built shorter = buildRequest(s, button, ticks, fewer, decimal, 0, false, preferences);
        const std::string response2 = bridge::press(shorter.request);
        const Press part =
            checkPress(parsed(shorter.request, response2), &s, shorter.request, response2);
        if (full.prompts < answers.size()) {
            require(part.events == full.events && !part.pending,
                    "an answer never asked for changed the press", shorter.request, response2);
        } else {
            require(part.pending && part.prompts == answers.size(),
                    "one answer less does not stop at that prompt", shorter.request, response2);
            for (std::size_t i = 0; i < part.events.size(); ++i)
                require(i < full.events.size() && part.events[i] == full.events[i],
                        "one answer less changed what came before", shorter.request, response2);
        }
    }
    return 0;
}
