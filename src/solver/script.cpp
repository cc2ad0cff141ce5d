#include "script.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <set>

namespace solver::script {

namespace {

using Json = nlohmann::json;

struct Malformed {
    std::string what;
};

// What each step takes.
enum class Arg { Screen, Control, Answers, Choice };

struct StepKind {
    const char *name;
    Arg arg;
};

constexpr StepKind kSteps[] = {
    { "show", Arg::Screen },     { "close", Arg::Screen },   { "click", Arg::Control },
    { "tick", Arg::Control },    { "untick", Arg::Control }, { "select", Arg::Control },
    { "answers", Arg::Answers }, { "choose", Arg::Choice },
};

const StepKind *stepKind(const std::string &name)
{
    for (const auto &k : kSteps)
        if (name == k.name)
            return &k;
    return nullptr;
}

std::string hexByte(unsigned value)
{
    static const char digits[] = "0123456789ABCDEF";
    return std::string("\\x") + digits[(value >> 4) & 0xF] + digits[value & 0xF];
}

// The parser's own message, without its prefix and without the token it was
// reading (which may be a whole long string, or bytes that are not UTF-8).
std::string parseMessage(const std::string &what)
{
    std::string m = what;
    if (const auto close = m.find("] "); m.rfind("[json.exception.", 0) == 0 && close != m.npos)
        m.erase(0, close + 2);
    if (const auto last = m.find("; last read: "); last != m.npos)
        m.erase(last);
    std::string out;
    for (unsigned char c : m)
        out += (c < 0x20 || c >= 0x7F) ? hexByte(c) : std::string(1, char(c));
    return out;
}

bool isAlpha(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}
char upper(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

bool allOf(std::string_view s, bool (*pred)(char))
{
    for (char c : s)
        if (!pred(c))
            return false;
    return true;
}

bool isTag(char c)
{
    return isAlpha(c) || isDigit(c) || c == '-' || c == '_';
}

Preferences preferences(const Json &p)
{
    if (!p.is_object())
        throw Malformed{ "\"preferences\" must be an object" };
    Preferences out;
    for (const auto &[key, value] : p.items()) {
        if (key == "unit") {
            const auto unit = value.is_string() ? unitFromName(value.get_ref<const std::string &>())
                                                : std::nullopt;
            if (!unit)
                throw Malformed{ "\"unit\" is one of \"\u2014\", \"mm\", \"cm\", \"dm\", "
                                 "\"m\", \"km\"" };
            out.unit = *unit;
        } else if (key == "decimals") {
            std::optional<int> decimals;
            if (value.is_number_integer() && value.get<long long>() >= 0
                && value.get<long long>() <= Preferences::kMaxDecimals)
                decimals = value.get<int>();
            else if (value.is_string())
                decimals = decimalsFromName(value.get_ref<const std::string &>());
            if (!decimals)
                throw Malformed{ "\"decimals\" is \"tutti\" or a whole number from 0 to 6" };
            out.decimals = *decimals;
        } else if (key == "specificWeight") {
            if (!value.is_string())
                throw Malformed{ "\"specificWeight\" must be a string" };
            out.specificWeight = value.get<std::string>();
        } else {
            throw Malformed{ "unknown preference " + script::quoted(key) };
        }
    }
    return out;
}

Script checked(const Json &doc)
{
    if (!doc.is_object())
        throw Malformed{ "the script must be a JSON object" };
    for (const auto &[key, value] : doc.items())
        if (key != "locale" && key != "steps" && key != "preferences")
            throw Malformed{ "unknown key " + script::quoted(key) };
    Script script;
    if (const auto it = doc.find("locale"); it != doc.end()) {
        if (!it->is_string())
            throw Malformed{ "\"locale\" must be a string" };
        const auto name = localeName(it->get_ref<const std::string &>());
        if (!name)
            throw Malformed{ "unknown locale "
                             + script::quoted(it->get_ref<const std::string &>()) };
        script.locale = *name;
    }
    if (const auto it = doc.find("preferences"); it != doc.end())
        script.preferences = preferences(*it);
    const auto steps = doc.find("steps");
    if (steps == doc.end() || !steps->is_array())
        throw Malformed{ "\"steps\" must be an array" };
    for (std::size_t i = 0; i < steps->size(); ++i) {
        const std::string where = "step " + std::to_string(i) + ": ";
        const Json &step = (*steps)[i];
        if (!step.is_object())
            throw Malformed{ where + "a step is an object with one key" };
        // "choose" is the one step with a second key, its "option".
        const bool choose = step.contains("choose");
        if (step.size() != (choose ? 2u : 1u) || (choose && !step.contains("option")))
            throw Malformed{ where
                             + (choose ? "\"choose\" takes \"option\" beside it"
                                       : "a step is an object with one key") };
        const std::string &kind = choose ? std::string("choose") : step.begin().key();
        const Json &arg = choose ? step.at("choose") : step.begin().value();
        const StepKind *k = stepKind(kind);
        if (!k)
            throw Malformed{ where + "unknown step " + script::quoted(kind) };
        Step s{ kind, {}, {} };
        if (k->arg == Arg::Answers) {
            if (!arg.is_array())
                throw Malformed{ where + "\"answers\" takes an array" };
            for (const auto &a : arg) {
                if (a.is_null())
                    s.answers.emplace_back(std::nullopt);
                else if (a.is_string())
                    s.answers.emplace_back(a.get<std::string>());
                else
                    throw Malformed{ where + "an answer is a string or null" };
            }
        } else if (!arg.is_string()) {
            throw Malformed{ where + "\"" + kind + "\" takes a string" };
        } else {
            s.name = arg.get<std::string>();
            if (k->arg != Arg::Screen && s.name.find('.') == std::string::npos)
                throw Malformed{ where + "\"" + kind + "\" takes \"Screen.Control\"" };
            if (k->arg == Arg::Choice) {
                const Json &option = step.at("option");
                if (!option.is_string())
                    throw Malformed{ where + "\"option\" takes a string" };
                s.option = option.get<std::string>();
            }
        }
        script.steps.push_back(std::move(s));
    }
    return script;
}

} // namespace

std::optional<std::string> localeName(std::string_view written)
{
    std::string_view name = written;
    // "language_TERRITORY.codeset@modifier", as $LANG writes it.
    if (const auto at = name.find('@'); at != name.npos) {
        const auto modifier = name.substr(at + 1);
        if (modifier.empty() || !allOf(modifier, isTag))
            return std::nullopt;
        name = name.substr(0, at);
    }
    if (const auto dot = name.find('.'); dot != name.npos) {
        const auto codeset = name.substr(dot + 1);
        if (codeset.empty() || !allOf(codeset, isTag))
            return std::nullopt;
        name = name.substr(0, dot);
    }
    if (name == "C" || name == "POSIX")
        return "C";
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const auto sep = name.find_first_of("_-", start);
        parts.push_back(name.substr(start, sep == name.npos ? name.npos : sep - start));
        if (sep == name.npos)
            break;
        start = sep + 1;
    }
    std::string out;
    std::size_t i = 0;
    const auto language = parts[i++];
    if (language.size() < 2 || language.size() > 3 || !allOf(language, isAlpha))
        return std::nullopt;
    for (char c : language)
        out += lower(c);
    if (i < parts.size() && parts[i].size() == 4 && allOf(parts[i], isAlpha)) {
        out += '_';
        out += upper(parts[i][0]);
        for (char c : parts[i].substr(1))
            out += lower(c);
        ++i;
    }
    if (i < parts.size()
        && ((parts[i].size() == 2 && allOf(parts[i], isAlpha))
            || (parts[i].size() == 3 && allOf(parts[i], isDigit)))) {
        out += '_';
        for (char c : parts[i])
            out += upper(c);
        ++i;
    }
    if (i != parts.size())
        return std::nullopt;
    return out;
}

Reading read(std::string_view bytes)
{
    // Keys seen in each object being read, to refuse a key written twice.
    std::vector<std::set<std::string>> keys;
    const Json::parser_callback_t check = [&keys](int depth, Json::parse_event_t event,
                                                  Json &parsed) {
        switch (event) {
        case Json::parse_event_t::object_start:
        case Json::parse_event_t::array_start:
            if (depth >= kMaxDepth)
                throw Malformed{ "nested more than " + std::to_string(kMaxDepth) + " deep" };
            if (event == Json::parse_event_t::object_start)
                keys.emplace_back();
            break;
        case Json::parse_event_t::object_end:
            keys.pop_back();
            break;
        case Json::parse_event_t::key:
            if (!keys.back().insert(parsed.get<std::string>()).second)
                throw Malformed{ "duplicate key " + script::quoted(parsed.get<std::string>()) };
            break;
        default:
            break;
        }
        return true;
    };
    Reading r;
    try {
        const Json doc = Json::parse(bytes.begin(), bytes.end(), check);
        r.script = checked(doc);
    } catch (const Json::parse_error &e) {
        r.error = "malformed script: " + parseMessage(e.what());
    } catch (const Malformed &e) {
        r.error = "malformed script: " + e.what;
    }
    return r;
}

std::string toJson(const Script &script)
{
    Json steps = Json::array();
    for (const auto &s : script.steps) {
        if (s.kind == "answers") {
            Json answers = Json::array();
            for (const auto &a : s.answers)
                answers.push_back(a ? Json(*a) : Json(nullptr));
            steps.push_back({ { s.kind, answers } });
        } else if (s.kind == "choose") {
            steps.push_back({ { s.kind, s.name }, { "option", s.option } });
        } else {
            steps.push_back({ { s.kind, s.name } });
        }
    }
    Json doc = { { "locale", script.locale }, { "steps", steps } };
    if (const auto &p = script.preferences)
        doc["preferences"] = { { "unit", unitName(p->unit) },
                               { "decimals", p->decimals == Preferences::kAllDecimals
                                                 ? Json("tutti")
                                                 : Json(p->decimals) },
                               { "specificWeight", p->specificWeight } };
    return doc.dump(-1, ' ', true, Json::error_handler_t::replace);
}

std::string readAsJson(std::string_view bytes)
{
    const Reading r = read(bytes);
    if (r.script)
        return "{\"script\":" + toJson(*r.script) + "}";
    return Json{ { "error", r.error } }.dump(-1, ' ', true, Json::error_handler_t::replace);
}

std::string quoted(std::string_view s)
{
    constexpr std::size_t kMax = 80; // UTF-16 units, as a QString counts them
    std::string out = "\"";
    std::size_t units = 0;
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t len = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        const std::size_t width = len == 4 ? 2 : 1;
        if (units + width > kMax)
            break;
        units += width;
        if (i + len > s.size() || (b >= 0x80 && b < 0xC0)) {
            out += hexByte(b); // not UTF-8: shown as bytes
            ++i;
            continue;
        }
        std::uint32_t cp = len == 1 ? b : b & (0xFF >> (len + 1));
        for (std::size_t k = 1; k < len; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        if (cp < 0x20 || (cp >= 0x7F && cp <= 0x9F))
            out += hexByte(cp);
        else
            out += s.substr(i, len);
        i += len;
    }
    if (i < s.size())
        out += "...";
    return out + "\"";
}

} // namespace solver::script
