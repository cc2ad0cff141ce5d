#include "bridge.h"
#include "sheets.h"

#include "solids/menus.h"
#include "solids/solids.h"
#include "solver/calc.h"
#include "solver/exercise.h"
#include "solver/figure.h"
#include "solver/hint.h"
#include "solver/menu.h"
#include "solver/numberformat.h"
#include "solver/screen.h"
#include "solver/scripted.h"
#include "solver/texts.h"
#include "solver/units.h"
#include "solver/words.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string_view>
#include <vector>

// A malformed request must come back as an error answer: without exceptions
// the JSON library would abort instead.
#if !defined(__cpp_exceptions) && !defined(__EXCEPTIONS)
#error "the bridge needs C++ exceptions (-fexceptions)"
#endif

namespace bridge {

namespace {

// Requests are read into a plain json: its objects are sorted maps, so a
// request of a million members is read in n log n (ordered_json would look
// each new member up one by one). Answers are written as ordered_json, their
// members in the order web/CONTRACT.md gives them.
using Json = nlohmann::json;
using Ordered = nlohmann::ordered_json;

// Longer error texts are cut (a fault may quote the request).
constexpr std::size_t kMaxErrorText = 300;

// Invalid UTF-8 in a text (only an error text can hold any) is written as
// U+FFFD, so that every answer is UTF-8 JSON.
std::string text(const Ordered &value)
{
    return value.dump(-1, ' ', false, Ordered::error_handler_t::replace);
}

// The library reads nested arrays and objects without recursion and frees
// them the same way, so no depth is too deep for it.
Json parse(const std::string &request)
{
    return Json::parse(request);
}

Ordered control(const solver::Control &c)
{
    if (!c.present())
        return nullptr;
    return { { "name", c.name }, { "text", c.text }, { "quantity", c.quantity } };
}

Ordered controls(const std::vector<solver::Control> &list)
{
    Ordered out = Ordered::array();
    for (const auto &c : list)
        out.push_back({ { "name", c.name }, { "text", c.text }, { "quantity", c.quantity } });
    return out;
}

// A fraction of a picture: a whole number is written as one ("0", "1").
Ordered fraction(double value)
{
    if (std::trunc(value) == value && std::fabs(value) < 1e15)
        return static_cast<long long>(value);
    return value;
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

// The rows a screen with a volume adds under its results: capacity, then
// weight, each shown while the choices call for it; null without a volume.
Ordered capacity(const solver::SolverScreen &s)
{
    const solver::ResultRow *volume = s.volumeRow();
    if (!volume)
        return nullptr;
    namespace t = solver::texts;
    return { { "volume", volume->result },
             { "capacity",
               { { "caption", t::capacityCaptionControl },
                 { "captionText", t::capacityCaption },
                 { "result", t::capacityControl } } },
             { "weight",
               { { "caption", t::weightResultCaptionControl },
                 { "captionText", t::weightResultCaption },
                 { "result", t::weightResultControl } } } };
}

Ordered screen(const solver::SolverScreen &s)
{
    Ordered rows = Ordered::array();
    for (const auto &r : s.rows)
        rows.push_back({ { "caption", r.caption },
                         { "captionText", r.captionText },
                         { "result", r.result },
                         { "quantity", r.quantity } });
    Ordered extras = Ordered::array();
    for (const auto &e : s.extras)
        extras.push_back({ { "kind", extraKind(e.kind) },
                           { "name", e.name },
                           { "text", e.text },
                           { "opens", e.opens },
                           { "onPicture", e.onPicture },
                           { "x", fraction(e.x) },
                           { "y", fraction(e.y) } });
    Ordered solvers = Ordered::array();
    for (const auto &b : s.solvers)
        solvers.push_back({ { "name", b.name },
                            { "text", b.text },
                            { "results", b.results },
                            { "solidName", control(b.solidName) },
                            { "solidPicture", control(b.solidPicture) },
                            { "writes", s.resultsOf(b) } });
    return { { "name", s.name },
             { "caption", s.caption },
             { "subject",
               solver::solutionSubject(s.caption, s.name, s.title.present() ? s.title.text : "") },
             { "parent", s.parent },
             { "title", control(s.title) },
             { "titleIsTextBox", s.titleIsTextBox },
             { "knownHeading", control(s.knownHeading) },
             { "checks", controls(s.checks) },
             { "knownList", controls(s.knownList) },
             { "description", control(s.description) },
             { "resultsHeading", control(s.resultsHeading) },
             { "rows", rows },
             { "formulaHeading", control(s.formulaHeading) },
             { "formulaLabels", s.formulaLabels },
             { "picture", control(s.picture) },
             { "extras", extras },
             { "solvers", solvers },
             { "stampaButton", control(s.stampaButton) },
             { "ritornaButton", control(s.ritornaButton) },
             { "esciButton", control(s.esciButton) },
             { "capacity", capacity(s) },
             { "declared", s.declared() } };
}

Ordered menu(const solver::Menu &m)
{
    Ordered options = Ordered::array();
    for (const auto &o : m.options)
        options.push_back({ { "name", o.name }, { "text", o.text }, { "opens", o.opens } });
    Ordered entries = Ordered::array();
    for (const auto &e : m.entries)
        entries.push_back({ { "picture", e.picture },
                            { "asset", e.asset },
                            { "label", e.label },
                            { "text", e.text },
                            { "button", e.button },
                            { "opens", e.opens },
                            { "keepMenu", e.keepMenu },
                            { "row", static_cast<long long>(e.row) },
                            { "column", static_cast<long long>(e.column) } });
    Ordered clicks = Ordered::array();
    for (const auto &c : m.clicks)
        clicks.push_back({ { "control", c.control }, { "opens", c.opens } });
    return { { "name", m.name },
             { "caption", m.caption },
             { "parent", m.parent },
             { "heading", control(m.heading) },
             { "subheading", control(m.subheading) },
             { "options", options },
             { "optionButton", control(m.optionButton) },
             { "entries", entries },
             { "clicks", clicks },
             { "note", control(m.note) },
             { "stampaButton", control(m.stampaButton) },
             { "stampaPrints", m.stampaPrints },
             { "ritornaButton", control(m.ritornaButton) },
             { "esciButton", control(m.esciButton) } };
}

// ---- one press ----------------------------------------------------------

Ordered event(const solver::PressEvent &e)
{
    using Kind = solver::PressEvent::Kind;
    switch (e.kind) {
    case Kind::Prompt:
        if (!e.unit.empty())
            return { { "kind", "prompt" }, { "text", e.text }, { "unit", e.unit } };
        return { { "kind", "prompt" }, { "text", e.text } };
    case Kind::Message:
        return { { "kind", "message" }, { "text", e.text } };
    case Kind::Set:
        return { { "kind", "set" }, { "control", e.control }, { "text", e.text } };
    case Kind::Failure:
        break;
    }
    return { { "kind", "failure" },
             { "failure", solver::failureName(e.failure) },
             { "text", e.text } };
}

std::string error(std::string what)
{
    if (what.size() > kMaxErrorText)
        what = what.substr(0, kMaxErrorText) + "...";
    return text(Ordered{ { "error", what } });
}

const std::string &member(const Json &request, const char *key)
{
    const auto v = request.find(key);
    if (v == request.end() || !v->is_string())
        throw std::runtime_error(std::string("the request needs a string \"") + key + "\"");
    return v->get_ref<const std::string &>();
}

// A member that may be missing or null: nullptr then.
const Json *optional(const Json &request, const char *key)
{
    const auto v = request.find(key);
    return v == request.end() || v->is_null() ? nullptr : &*v;
}

// What the printed worksheet of a press says beyond its lines: the exercise
// in words, the figure of the solid solved and the data to write on it, and
// each result row in words.
Ordered worksheet(const solver::SolverScreen &s, const solver::SolveButton &button,
                  const std::optional<solver::Solution> &solution)
{
    Ordered data = Ordered::array(), rows = Ordered::array();
    if (solution)
        for (const auto &d : solver::pressData(*solution))
            data.push_back({ { "symbol", d.symbol }, { "typed", d.typed } });
    const auto labels = s.resultsOf(button);
    for (const auto &r : s.rows)
        if (std::find(labels.begin(), labels.end(), r.result) != labels.end())
            rows.push_back({ { "result", r.result },
                             { "symbol", r.quantity },
                             { "words", solver::quantityWords(s, r.quantity).bare } });
    return { { "exercise", solution ? solver::exerciseText(s, button, *solution) : std::string() },
             { "picture",
               button.solidPicture.present() ? button.solidPicture.text : s.picture.text },
             { "data", data },
             { "rows", rows } };
}

// The choices of a press: {"unit": "cm", "decimals": 2, "specificWeight":
// "7,8"}, each member optional; decimals also as an option of the list
// ("tutti", "2").
solver::Preferences preferences(const Json &p)
{
    if (!p.is_object())
        throw std::runtime_error("\"preferences\" is not an object");
    solver::Preferences out;
    for (const auto &[key, value] : p.items()) {
        if (value.is_null())
            continue;
        if (key == "unit") {
            const auto unit = value.is_string()
                                  ? solver::unitFromName(value.get_ref<const std::string &>())
                                  : std::nullopt;
            if (!unit)
                throw std::runtime_error("\"unit\" is not one of the units listed");
            out.unit = *unit;
        } else if (key == "decimals") {
            std::optional<int> decimals;
            if (value.is_number_integer()) {
                const auto n = value.get<long long>();
                if (n == solver::Preferences::kAllDecimals
                    || (n >= 0 && n <= solver::Preferences::kMaxDecimals))
                    decimals = static_cast<int>(n);
            } else if (value.is_string()) {
                decimals = solver::decimalsFromName(value.get_ref<const std::string &>());
            }
            if (!decimals)
                throw std::runtime_error("\"decimals\" is not \"tutti\" or 0 to 6");
            out.decimals = *decimals;
        } else if (key == "specificWeight") {
            if (!value.is_string())
                throw std::runtime_error("\"specificWeight\" is not a string");
            out.specificWeight = value.get<std::string>();
        } else {
            throw std::runtime_error("unknown preference \"" + key + "\"");
        }
    }
    return out;
}

// The scene of each screen's last press that ran to its end: the one a view
// request draws. A press with no figure forgets the screen's scene.
std::map<std::string, geometry::Scene> &keptScenes()
{
    static std::map<std::string, geometry::Scene> scenes;
    return scenes;
}

// What a press gives the figure: the members of the desktop's transcript
// ("dimensions" with a figure, "none" without) and the alternative.
Ordered figure(const solver::Figure &f)
{
    Ordered dimensions = Ordered::object();
    for (const auto &[symbol, shown] : f.dimensions)
        dimensions[symbol] = shown;
    return { { "solid", f.solid },
             { "dimensions", dimensions },
             { "none", f.scene ? std::string() : f.none },
             { "alternative", f.alternative } };
}

std::string pressRequest(const Json &request)
{
    if (!request.is_object())
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

    solver::ScriptedHost host(solver::NumberFormat::point(), solver::ScriptedHost::WhenOut::Stop);

    if (const Json *t = optional(request, "ticks")) {
        if (!t->is_array())
            throw std::runtime_error("\"ticks\" is not an array");
        for (const auto &box : *t) {
            bool known = false;
            for (const auto &c : s->checks)
                known = known || (box.is_string() && c.name == box.get_ref<const std::string &>());
            if (!known)
                throw std::runtime_error("screen " + screenName + " has no tick box "
                                         + (box.is_string() ? box.get<std::string>() : "?"));
            host.ticks.insert(box.get<std::string>());
        }
    }
    if (const Json *a = optional(request, "answers")) {
        if (!a->is_array())
            throw std::runtime_error("\"answers\" is not an array");
        for (const auto &answer : *a) {
            if (answer.is_null())
                host.answers.emplace_back(std::nullopt);
            else if (answer.is_string())
                host.answers.emplace_back(answer.get<std::string>());
            else
                throw std::runtime_error("an answer is neither a string nor null");
        }
    }

    if (const Json *d = optional(request, "decimal")) {
        if (!d->is_string() || d->get_ref<const std::string &>().empty())
            throw std::runtime_error("\"decimal\" is not a decimal mark");
        host.format = solver::NumberFormat{ d->get<std::string>() };
    }
    if (const Json *p = optional(request, "preferences"))
        host.choices = preferences(*p);

    host.press(*s, *button);
    if (host.figure) {
        if (host.figure->scene)
            keptScenes()[s->name] = *host.figure->scene;
        else
            keptScenes().erase(s->name);
    }

    Ordered events = Ordered::array();
    for (const auto &e : host.events)
        events.push_back(event(e));
    return text(
        { { "events", events },
          { "pending", host.stopped },
          { "solution", host.solution ? host.solution->lines() : std::vector<std::string>() },
          { "hint", host.solution ? solver::hint(*s, host.ticks, *host.solution) : std::string() },
          { "worksheet", worksheet(*s, *button, host.solution) },
          { "figure", host.figure ? figure(*host.figure) : Ordered(nullptr) } });
}

const char *primitiveKind(geometry::Primitive::Kind kind)
{
    using Kind = geometry::Primitive::Kind;
    switch (kind) {
    case Kind::Face:
        return "Face";
    case Kind::Edge:
        return "Edge";
    case Kind::Measure:
        return "Measure";
    case Kind::Label:
        return "Label";
    case Kind::Legend:
        return "Legend";
    case Kind::ScaleBar:
        return "ScaleBar";
    }
    return "Edge";
}

// A number with at most `decimals` decimals, without trailing zeros ("12",
// "93.7"): the view's answer is written by hand, a turning figure asks for
// one every frame, and the JSON library would take most of that frame.
void appendNumber(std::string &out, double v, int decimals)
{
    // Whole numbers of hundredths (or of 10^-decimals): printf's floating
    // point costs most of a frame in WebAssembly, where it works in long
    // double emulated in software.
    static constexpr double kScale[] = { 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9 };
    if (decimals >= 0 && decimals <= 9 && std::isfinite(v)
        && std::abs(v) * kScale[decimals] < 1e15) {
        long long n = std::llround(v * kScale[decimals]);
        // Written backwards into a buffer: no temporary string, whose
        // clean-up would route every call here through the WebAssembly
        // build's exception trampolines.
        char digits[40];
        int at = int(sizeof digits);
        const bool negative = n < 0;
        unsigned long long u = negative ? 0ULL - static_cast<unsigned long long>(n)
                                        : static_cast<unsigned long long>(n);
        int place = 0;
        bool significant = false; // a fraction digit other than a trailing zero
        do {
            const char digit = char('0' + u % 10);
            u /= 10;
            if (place < decimals) {
                if (digit != '0' || significant) {
                    digits[--at] = digit;
                    significant = true;
                }
                if (place + 1 == decimals && significant)
                    digits[--at] = '.';
            } else {
                digits[--at] = digit;
            }
            ++place;
        } while (u != 0 || place <= decimals);
        if (negative && n != 0)
            digits[--at] = '-';
        out.append(digits + at, sizeof digits - std::size_t(at));
        return;
    }
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, "%.*f", decimals, v);
    if (n <= 0 || n >= int(sizeof buffer) || !std::isfinite(v)) {
        out += '0';
        return;
    }
    std::string_view text(buffer, std::size_t(n));
    if (text.find('.') != std::string_view::npos) {
        while (text.back() == '0')
            text.remove_suffix(1);
        if (text.back() == '.')
            text.remove_suffix(1);
    }
    out += text == "-0" ? "0" : text;
}

double number(const Json &request, const char *key, double low, double high)
{
    const auto v = request.find(key);
    if (v == request.end() || !v->is_number())
        throw std::runtime_error(std::string("the request needs a number \"") + key + "\"");
    const double d = v->get<double>();
    if (!std::isfinite(d) || d < low || d > high)
        throw std::runtime_error(std::string("\"") + key + "\" is out of range");
    return d;
}

// A text as a JSON string; the core's texts are UTF-8 already.
void appendString(std::string &out, std::string_view text)
{
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x",
                          unsigned(static_cast<unsigned char>(c)));
            out += buffer;
        } else {
            out += c;
        }
    }
    out += '"';
}

// The view's answer. Pixels to the hundredth (finer is not seen), and only
// the members that differ from their defaults, so that the answer stays
// short. Nothing here needs cleaning up if an allocation fails, so the
// WebAssembly build calls the appends directly, not through the
// trampolines its exception handling puts around calls made where there
// is (they made a sphere's answer take a frame).
void appendDrawing(std::string &out, const geometry::Camera &camera, const geometry::Drawing &d)
{
    out += "{\"turn\":";
    appendNumber(out, camera.turn, 9);
    out += ",\"tilt\":";
    appendNumber(out, camera.tilt, 9);
    out += ",\"width\":";
    appendNumber(out, d.width, 2);
    out += ",\"height\":";
    appendNumber(out, d.height, 2);
    out += ",\"fontSize\":";
    appendNumber(out, d.fontSize, 2);
    out += ",\"scale\":";
    appendNumber(out, d.scale, 6);
    out += ",\"items\":[";
    for (std::size_t i = 0; i < d.items.size(); ++i) {
        const auto &p = d.items[i];
        out += i ? ",{\"kind\":\"" : "{\"kind\":\"";
        out += primitiveKind(p.kind);
        out += "\",\"points\":[";
        for (std::size_t j = 0; j < p.points.size(); ++j) {
            out += j ? ",[" : "[";
            appendNumber(out, p.points[j].x, 2);
            out += ',';
            appendNumber(out, p.points[j].y, 2);
            out += ']';
        }
        out += ']';
        if (p.hidden)
            out += ",\"hidden\":true";
        if (p.given)
            out += ",\"given\":true";
        if (p.kind == geometry::Primitive::Kind::Face) {
            out += ",\"shade\":";
            appendNumber(out, p.shade, 3);
        }
        if (!p.text.empty()) {
            out += ",\"text\":";
            appendString(out, p.text);
        }
        out += '}';
    }
    out += "]}";
}

// A view request read: the camera kept in range, and the drawing of the
// screen's last figure (no items without one).
struct View {
    geometry::Camera camera;
    geometry::Drawing drawing;
};

View viewOf(const Json &request)
{
    if (!request.is_object())
        throw std::runtime_error("the request is not an object");
    const std::string &screenName = member(request, "screen");
    if (!solids::find(screenName))
        throw std::runtime_error("no solver screen " + screenName);
    constexpr double kMaxPixels = 16384.0, kMaxDegrees = 1e6;
    // A missing angle is the first view's; the tilt stops short of the
    // poles and the turn goes round, as the desktop's view keeps them.
    View v;
    if (request.contains("turn"))
        v.camera.turn = std::remainder(number(request, "turn", -kMaxDegrees, kMaxDegrees), 360.0);
    if (request.contains("tilt"))
        v.camera.tilt = std::clamp(number(request, "tilt", -kMaxDegrees, kMaxDegrees), -89.0, 89.0);
    const double width = number(request, "width", 1.0, kMaxPixels);
    const double height = number(request, "height", 1.0, kMaxPixels);
    v.drawing.width = width;
    v.drawing.height = height;
    const auto kept = keptScenes().find(screenName);
    if (kept != keptScenes().end())
        v.drawing = geometry::draw(kept->second, v.camera, width, height);
    return v;
}

std::string viewRequest(const Json &request)
{
    const View v = viewOf(request);
    std::string out;
    out.reserve(64 + 64 * v.drawing.items.size());
    appendDrawing(out, v.camera, v.drawing);
    return out;
}

// The view's answer as numbers, for the page to read straight from memory
// (web/CONTRACT.md, corpimetro_view_numbers): a header, then each
// primitive's kind, flags, shade, point count and the place of its text,
// followed by its points; after the numbers, the texts in UTF-8.
constexpr std::size_t kHeaderWords = 10, kItemWords = 6;

double kindNumber(geometry::Primitive::Kind kind)
{
    using Kind = geometry::Primitive::Kind;
    switch (kind) {
    case Kind::Face:
        return 0;
    case Kind::Edge:
        return 1;
    case Kind::Measure:
        return 2;
    case Kind::Label:
        return 3;
    case Kind::Legend:
        return 4;
    case Kind::ScaleBar:
        return 5;
    }
    return 1;
}

// `v` to `decimals` decimals, as the JSON answer writes it and a reader
// reads it back, so that both answers draw the same numbers.
double rounded(double v, int decimals)
{
    static constexpr double kScale[] = { 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9 };
    if (!std::isfinite(v))
        return 0.0;
    if (std::abs(v) * kScale[decimals] >= 1e15)
        return v;
    return static_cast<double>(std::llround(v * kScale[decimals])) / kScale[decimals];
}

// Counted first and written once, into storage kept from one frame to the
// next; nothing here needs cleaning up, so the WebAssembly build makes its
// calls directly (see appendDrawing).
void writeNumbers(std::vector<double> &out, const geometry::Camera &camera,
                  const geometry::Drawing &d)
{
    std::size_t words = kHeaderWords, bytes = 0;
    for (const auto &p : d.items) {
        words += kItemWords + 2 * p.points.size();
        bytes += p.text.size();
    }
    out.resize(words + (bytes + 7) / 8);
    double *w = out.data();
    w[0] = 0; // a drawing
    w[1] = static_cast<double>(d.items.size());
    w[2] = static_cast<double>(words);
    w[3] = static_cast<double>(bytes);
    w[4] = rounded(camera.turn, 9);
    w[5] = rounded(camera.tilt, 9);
    w[6] = rounded(d.width, 2);
    w[7] = rounded(d.height, 2);
    w[8] = rounded(d.fontSize, 2);
    w[9] = rounded(d.scale, 6);
    char *texts = reinterpret_cast<char *>(w + words);
    std::size_t textAt = 0;
    double *at = w + kHeaderWords;
    for (const auto &p : d.items) {
        at[0] = kindNumber(p.kind);
        at[1] = (p.hidden ? 1 : 0) + (p.given ? 2 : 0);
        at[2] = rounded(p.shade, 3);
        at[3] = static_cast<double>(p.points.size());
        at[4] = static_cast<double>(textAt);
        at[5] = static_cast<double>(p.text.size());
        at += kItemWords;
        for (const auto &point : p.points) {
            *at++ = rounded(point.x, 2);
            *at++ = rounded(point.y, 2);
        }
        if (!p.text.empty())
            std::memcpy(texts + textAt, p.text.data(), p.text.size());
        textAt += p.text.size();
    }
}

// An error as numbers: the header says so, and the texts are the JSON
// answer {"error": ...}.
void writeError(std::vector<double> &out, const std::string &answer)
{
    out.assign(kHeaderWords + (answer.size() + 7) / 8, 0.0);
    out[0] = 1;
    out[2] = static_cast<double>(kHeaderWords);
    out[3] = static_cast<double>(answer.size());
    std::memcpy(out.data() + kHeaderWords, answer.data(), answer.size());
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
    Ordered screens = Ordered::array();
    for (const auto &name : solids::names())
        screens.push_back(screen(*solids::find(name)));
    Ordered menus = Ordered::array();
    for (const auto &m : solids::menus())
        menus.push_back(menu(m));
    // The words the page shows around the descriptions, and the spoken names.
    Ordered texts = Ordered::object();
    for (const auto &[key, words] : solver::fixedTexts())
        texts[key] = words;
    // What the figure says before any press.
    texts["figureBeforeAnyPress"] = solver::Figure::beforeAnyPress().none;
    Ordered spoken = Ordered::object();
    for (const auto &[key, name] : spokenNames())
        spoken[key] = name;
    // The options of the row of choices every solver screen shows.
    Ordered materials = Ordered::array();
    for (const auto &m : solver::materials())
        materials.push_back({ { "name", m.name }, { "value", m.value } });
    const Ordered choices = { { "units", solver::unitOptions() },
                              { "decimals", solver::decimalsOptions() },
                              { "materials", materials } };
    return text({ { "screens", screens },
                  { "menus", menus },
                  { "texts", texts },
                  { "spoken", spoken },
                  { "choices", choices },
                  { "sheets", websheets::describe() } });
}

// The library's message without its own heading: "malformed JSON at offset
// 0: syntax error while parsing value - invalid literal; last read: 'p'".
std::string malformed(const Json::parse_error &e)
{
    std::string what = e.what();
    if (const auto colon = what.find(": "); colon != std::string::npos)
        what.erase(0, colon + 2);
    return "malformed JSON at offset "
           + solver::formatInteger(static_cast<long long>(e.byte > 0 ? e.byte - 1 : 0)) + ": "
           + what;
}

std::string press(const std::string &request)
{
    try {
        return pressRequest(parse(request));
    } catch (const Json::parse_error &e) {
        return error(malformed(e));
    } catch (const std::exception &e) {
        return error(e.what());
    }
}

std::string view(const std::string &request)
{
    try {
        return viewRequest(parse(request));
    } catch (const Json::parse_error &e) {
        return error(malformed(e));
    } catch (const std::exception &e) {
        return error(e.what());
    }
}

const std::vector<double> &viewNumbers(const std::string &request)
{
    static std::vector<double> out;
    try {
        const View v = viewOf(parse(request));
        writeNumbers(out, v.camera, v.drawing);
    } catch (const Json::parse_error &e) {
        writeError(out, error(malformed(e)));
    } catch (const std::exception &e) {
        writeError(out, error(e.what()));
    }
    return out;
}

std::string handle(const std::string &request)
{
    try {
        const Json r = parse(request);
        const auto op = r.find("op");
        if (op != r.end() && op->is_string() && *op == "describe")
            return describe();
        if (op != r.end() && op->is_string() && *op == "view")
            return viewRequest(r);
        if (op != r.end() && op->is_string() && websheets::handles(*op))
            return websheets::handle(r);
        if (op != r.end() && !(op->is_string() && *op == "press"))
            return error("unknown \"op\"");
        return pressRequest(r);
    } catch (const Json::parse_error &e) {
        return error(malformed(e));
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
        } catch (const std::exception &) {
            return std::string("{\"error\":\"the descriptions could not be written\"}");
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

extern "C" const double *corpimetro_view_numbers(const char *request)
{
    return bridge::viewNumbers(request ? request : "").data();
}
