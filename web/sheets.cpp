#include "sheets.h"

#include "sheets/sheet.h"
#include "solids/solids.h"
#include "solver/exercise.h"
#include "solver/numberformat.h"
#include "solver/units.h"

#include <limits>
#include <stdexcept>

namespace websheets {

namespace {

using Json = nlohmann::json;
using Ordered = nlohmann::ordered_json;

constexpr std::size_t kMaxErrorText = 300;

Ordered control(const solver::Control &c)
{
    return { { "name", c.name }, { "text", c.text } };
}

Ordered controls(const std::vector<solver::Control> &list)
{
    Ordered out = Ordered::array();
    for (const auto &c : list)
        out.push_back(control(c));
    return out;
}

// "0" to "4": the options of the key's decimals.
std::vector<std::string> decimalsOptions()
{
    std::vector<std::string> out;
    for (int d = 0; d <= sheets::kMaxDecimals; ++d)
        out.push_back(std::to_string(d));
    return out;
}

Ordered words(const sheets::Words &w)
{
    return { { "title", w.title },
             { "keyTitle", w.keyTitle },
             { "header", w.header },
             { "instructions", w.instructions },
             { "solutionHeading", w.solutionHeading },
             { "resultsHeading", w.resultsHeading },
             { "empty", w.empty } };
}

// A whole number of the request within [low, high], or `fallback` when the
// member is missing.
long long integer(const Json &object, const char *key, long long low, long long high,
                  long long fallback)
{
    const auto v = object.find(key);
    if (v == object.end() || v->is_null())
        return fallback;
    if (!v->is_number_integer())
        throw std::runtime_error(std::string("\"") + key + "\" is not a whole number");
    if (v->is_number_unsigned()
        && v->get<unsigned long long>() > static_cast<unsigned long long>(high))
        throw std::runtime_error(std::string("\"") + key + "\" is out of range");
    const long long n = v->get<long long>();
    if (n < low || n > high)
        throw std::runtime_error(std::string("\"") + key + "\" is out of range");
    return n;
}

const std::string &string(const Json &object, const char *key)
{
    const auto v = object.find(key);
    if (v == object.end() || !v->is_string())
        throw std::runtime_error(std::string("the request needs a string \"") + key + "\"");
    return v->get_ref<const std::string &>();
}

sheets::Settings settings(const Json &s)
{
    if (!s.is_object())
        throw std::runtime_error("\"settings\" is not an object");
    sheets::Settings out;
    if (const auto v = s.find("screens"); v != s.end() && !v->is_null()) {
        if (!v->is_array())
            throw std::runtime_error("\"screens\" is not an array");
        for (const auto &name : *v) {
            if (!name.is_string() || !solids::find(name.get_ref<const std::string &>()))
                throw std::runtime_error("\"screens\" names no solver screen "
                                         + (name.is_string() ? name.get<std::string>() : "?"));
            out.screens.push_back(name.get<std::string>());
        }
    }
    out.count = int(integer(s, "count", sheets::kMinCount, sheets::kMaxCount, out.count));
    out.decimals = int(integer(s, "decimals", 0, sheets::kMaxDecimals, out.decimals));
    out.seed = std::uint32_t(integer(s, "seed", 1, sheets::kMaxSeed, out.seed));
    if (const auto v = s.find("oneDecimal"); v != s.end() && !v->is_null()) {
        if (!v->is_boolean())
            throw std::runtime_error("\"oneDecimal\" is not true or false");
        out.oneDecimal = v->get<bool>();
    }
    if (const auto v = s.find("unit"); v != s.end() && !v->is_null()) {
        const auto unit =
            v->is_string() ? solver::unitFromName(v->get_ref<const std::string &>()) : std::nullopt;
        if (!unit)
            throw std::runtime_error("\"unit\" is not one of the units listed");
        out.unit = *unit;
    }
    return out;
}

Ordered exercise(const sheets::Exercise &e, const std::string &heading)
{
    Ordered results = Ordered::array();
    for (const auto &[label, value] : e.results)
        results.push_back({ { "label", label }, { "value", value } });
    Ordered data = Ordered::array();
    for (const auto &d : e.data)
        data.push_back({ { "symbol", d.symbol }, { "typed", d.typed }, { "unit", d.unit } });
    Ordered key = Ordered::array();
    for (const auto &k : e.key)
        key.push_back({ { "words", k.words }, { "symbol", k.symbol }, { "value", k.value } });
    return { { "heading", heading }, { "screen", e.screen },     { "button", e.button },
             { "ticks", e.ticks },   { "answers", e.answers },   { "results", results },
             { "solid", e.solid },   { "text", e.text },         { "picture", e.picture },
             { "data", data },       { "solution", e.solution }, { "key", key } };
}

Ordered sheet(const Json &request)
{
    const auto s = request.find("settings");
    const sheets::Settings asked = settings(s == request.end() ? Json::object() : *s);
    std::string decimal = ".";
    if (const auto d = request.find("decimal"); d != request.end() && !d->is_null()) {
        if (!d->is_string() || d->get_ref<const std::string &>().empty())
            throw std::runtime_error("\"decimal\" is not a decimal mark");
        decimal = d->get<std::string>();
    }
    const sheets::Sheet made = sheets::make(asked, solver::NumberFormat{ decimal });
    const sheets::Settings &used = made.settings;
    Ordered exercises = Ordered::array();
    for (std::size_t i = 0; i < made.exercises.size(); ++i)
        exercises.push_back(
            exercise(made.exercises[i], sheets::words(used.seed, int(i) + 1).exercise));
    return { { "settings",
               { { "screens", used.screens },
                 { "count", used.count },
                 { "oneDecimal", used.oneDecimal },
                 { "unit", solver::unitName(used.unit) },
                 { "decimals", used.decimals },
                 { "seed", used.seed } } },
             { "words", words(sheets::words(used.seed)) },
             { "pdfName", sheets::pdfName(used.seed) },
             { "exercises", exercises } };
}

Ordered figure(const Json &request)
{
    const std::string &svg = string(request, "svg");
    std::vector<solver::Datum> data;
    if (const auto d = request.find("data"); d != request.end() && !d->is_null()) {
        if (!d->is_array())
            throw std::runtime_error("\"data\" is not an array");
        for (const auto &datum : *d) {
            if (!datum.is_object())
                throw std::runtime_error("a datum is not an object");
            data.push_back({ string(datum, "symbol"), string(datum, "typed") });
        }
    }
    return { { "svg", solver::figureWithData(svg, data) } };
}

std::string text(const Ordered &value)
{
    return value.dump(-1, ' ', false, Ordered::error_handler_t::replace);
}

} // namespace

Ordered describe()
{
    const sheets::Screen &s = sheets::screen();
    Ordered families = Ordered::array();
    for (const auto &f : s.families)
        families.push_back({ { "name", control(f.name) },
                             { "all", control(f.all) },
                             { "screens", f.screens },
                             { "boxes", controls(f.boxes) } });
    const sheets::Settings initial;
    return { { "name", s.name },
             { "caption", s.caption },
             { "parent", s.parent },
             { "heading", control(s.heading) },
             { "note", control(s.note) },
             { "solidsHeading", control(s.solidsHeading) },
             { "families", families },
             { "labels", controls(s.labels()) },
             { "count",
               { { "label", control(s.countLabel) },
                 { "control", s.countControl },
                 { "min", sheets::kMinCount },
                 { "max", sheets::kMaxCount },
                 { "initial", std::to_string(initial.count) } } },
             { "data",
               { { "label", control(s.dataLabel) },
                 { "whole", control(s.whole) },
                 { "oneDecimal", control(s.oneDecimal) } } },
             { "unit",
               { { "label", control(s.unitLabel) },
                 { "control", s.unitControl },
                 { "options", solver::unitOptions() },
                 { "initial", solver::unitName(initial.unit) } } },
             { "decimals",
               { { "label", control(s.decimalsLabel) },
                 { "control", s.decimalsControl },
                 { "options", decimalsOptions() },
                 { "initial", std::to_string(initial.decimals) } } },
             { "seed",
               { { "label", control(s.seedLabel) },
                 { "control", s.seedControl },
                 { "min", 1 },
                 { "max", sheets::kMaxSeed },
                 { "scripted", std::to_string(initial.seed) } } },
             { "preview", control(s.preview) },
             { "print", control(s.print) },
             { "ritorna", control(s.ritorna) },
             { "esci", control(s.esci) },
             { "words", words(sheets::words(initial.seed)) } };
}

bool handles(const std::string &op)
{
    return op == "sheetScreen" || op == "sheet" || op == "sheetSeed" || op == "sheetFigure";
}

std::string handle(const Json &request)
{
    if (!request.is_object())
        throw std::runtime_error("the request is not an object");
    const std::string &op = string(request, "op");
    if (op == "sheetScreen")
        return text(describe());
    if (op == "sheet")
        return text(sheet(request));
    if (op == "sheetSeed") {
        const auto e = request.find("entropy");
        if (e == request.end() || !e->is_number_integer())
            throw std::runtime_error("the request needs a whole number \"entropy\"");
        const std::uint64_t entropy = e->is_number_unsigned()
                                          ? e->get<std::uint64_t>()
                                          : static_cast<std::uint64_t>(e->get<std::int64_t>());
        return text(Ordered{ { "seed", sheets::freshSeed(entropy) } });
    }
    if (op == "sheetFigure")
        return text(figure(request));
    throw std::runtime_error("unknown \"op\"");
}

} // namespace websheets

namespace {
std::string g_sheetReply;

std::string answer(const char *request)
{
    using Json = nlohmann::json;
    try {
        return websheets::handle(Json::parse(request ? request : ""));
    } catch (const std::exception &e) {
        std::string what = e.what();
        if (what.size() > websheets::kMaxErrorText)
            what = what.substr(0, websheets::kMaxErrorText) + "...";
        return nlohmann::ordered_json{ { "error", what } }.dump(
            -1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    }
}
} // namespace

extern "C" const char *corpimetro_sheets(const char *request)
{
    g_sheetReply = answer(request);
    return g_sheetReply.c_str();
}
