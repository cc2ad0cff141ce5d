#include "scriptgen.h"

#include "sheets/sheet.h"

#include "solids/solids.h"
#include "solver/screen.h"
#include "solver/scripted.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <bit>
#include <functional>
#include <stdexcept>

namespace scriptgen {

namespace {

// splitmix64: spreads a seed and a script index over the engine's seed.
std::uint64_t mix(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

std::string digits(Rng &rng, std::size_t n)
{
    std::string out;
    for (std::size_t i = 0; i < n; ++i)
        out += char('0' + rng.below(10));
    return out;
}

char nonZeroDigit(Rng &rng)
{
    return char('1' + rng.below(9));
}

std::string markOf(const std::string &locale)
{
    return formatOf(locale).decimal;
}
std::string otherMarkOf(const std::string &locale)
{
    return markOf(locale) == "," ? "." : ",";
}

// A well-formed positive number written the locale's way. Each draw is its
// own statement: the order in which the operands of one expression are
// evaluated is the compiler's choice, and the scripts must not depend on it.
std::string validNumber(Rng &rng, const std::string &locale)
{
    const std::string mark = markOf(locale);
    const std::size_t roll = rng.below(100);
    std::string out;
    if (roll < 35) { // small integer
        out = std::to_string(1 + rng.below(99));
    } else if (roll < 55) { // decimal
        out = std::to_string(rng.below(1000)) + mark;
        out += digits(rng, rng.below(3));
        out += nonZeroDigit(rng);
    } else if (roll < 65) { // large integer
        out = std::string(1, nonZeroDigit(rng));
        out += digits(rng, 5 + rng.below(8));
    } else if (roll < 75) { // small decimal
        out = "0" + mark + std::string(rng.below(4), '0');
        out += nonZeroDigit(rng);
        out += digits(rng, rng.below(3));
    } else if (roll < 90) { // exponent form: 1E+20, 2,5E-3
        out = std::string(1, nonZeroDigit(rng));
        if (rng.percent(40))
            out += mark + std::string(1, nonZeroDigit(rng));
        if (rng.percent(70))
            out += "E+" + std::to_string(1 + rng.below(20));
        else
            out += "E-" + std::to_string(1 + rng.below(5));
    } else {
        out = std::to_string(10 + rng.below(990)) + mark;
        out += digits(rng, 1 + rng.below(5));
    }
    return out;
}

// An answer that is not a valid number of the locale.
std::string failingAnswer(Rng &rng, const std::string &locale)
{
    static const std::vector<std::string> texts = { "abc",   "dieci", "x",   "due e mezzo", "?",
                                                    "1,2,3", "12a",   "--3", "1..2" };
    static const std::vector<std::string> huge = { "1E308", "9E307", "1E+400", "2E+200" };
    const std::string mark = markOf(locale);
    std::string out;
    switch (rng.below(9)) {
    case 0:
        return "0";
    case 1:
        return "-" + std::to_string(1 + rng.below(99));
    case 2:
        out = "-" + std::to_string(rng.below(10)) + mark;
        out += nonZeroDigit(rng);
        return out;
    case 3:
        return rng.pick(texts);
    case 4:
        return "";
    case 5: // the other decimal mark
        out = std::to_string(1 + rng.below(99)) + otherMarkOf(locale);
        out += nonZeroDigit(rng);
        return out;
    case 6:
        return rng.pick(huge);
    case 7:
        return " ";
    default:
        return "0" + mark + "0";
    }
}

// A pattern answer written with the locale's decimal mark.
std::string localized(std::string text, const std::string &locale)
{
    std::replace(text.begin(), text.end(), '.', markOf(locale)[0]);
    return text;
}

std::set<std::string> ticksOf(const ScreenCases &screen, unsigned mask)
{
    std::set<std::string> ticks;
    for (std::size_t i = 0; i < screen.checks.size(); ++i)
        if ((mask >> i) & 1u)
            ticks.insert(screen.checks[i]);
    return ticks;
}

// A press Qt-free, the ticks of `mask` set, its prompts answered from
// `answers` over and over.
solver::ScriptedHost pressed(const ScreenCases &s, unsigned mask, const std::string &locale,
                             const solver::SolverScreen &screen, const solver::SolveButton &button,
                             std::vector<Answer> answers, solver::CaseTrace *trace = nullptr)
{
    solver::ScriptedHost host(formatOf(locale), solver::ScriptedHost::WhenOut::Repeat);
    host.ticks = ticksOf(s, mask);
    host.answers = std::move(answers);
    host.press(screen, button, trace);
    return host;
}

// The answers a press is given when each prompt, as it comes, is answered
// with answer(k): the press is run again with one more answer until it asks
// no more, as the web page runs it.
std::vector<Answer> answersAsAsked(const ScreenCases &s, unsigned mask, const std::string &locale,
                                   const solver::SolverScreen &screen,
                                   const solver::SolveButton &button,
                                   const std::function<Answer(std::size_t)> &answer)
{
    std::vector<Answer> answers;
    while (true) {
        solver::ScriptedHost host(formatOf(locale), solver::ScriptedHost::WhenOut::Stop);
        host.ticks = ticksOf(s, mask);
        host.answers = answers;
        host.press(screen, button);
        if (!host.stopped)
            return answers;
        answers.push_back(answer(answers.size()));
    }
}

const solver::SolveButton &solveButton(const ScreenCases &s, const ButtonCases &b)
{
    for (const auto &button : solids::find(s.screen)->solvers)
        if (button.name == b.button)
            return button;
    throw std::logic_error(s.screen + "." + b.button + " is not a solving button");
}

// The case name a press traced.
std::string caseName(const solver::CaseTrace &trace, int messages)
{
    std::string name;
    for (const auto &[id, taken] : trace.tested)
        if (taken)
            name += (name.empty() ? "" : " > ") + id;
    if (!name.empty())
        return name;
    if (messages > 0)
        return "insufficient";
    return trace.tested.empty() ? "single" : "none";
}

} // namespace

std::string toJson(const Script &script)
{
    nlohmann::ordered_json steps = nlohmann::ordered_json::array();
    for (const Step &step : script.steps) {
        nlohmann::ordered_json one = nlohmann::ordered_json::object();
        if (step.kind == "answers") {
            nlohmann::ordered_json answers = nlohmann::ordered_json::array();
            for (const auto &a : step.answers)
                answers.push_back(a ? nlohmann::ordered_json(*a) : nlohmann::ordered_json());
            one[step.kind] = std::move(answers);
        } else {
            one[step.kind] = step.arg;
            if (step.kind == "choose")
                one["option"] = step.option;
        }
        steps.push_back(std::move(one));
    }
    nlohmann::ordered_json json = { { "locale", script.locale } };
    if (const auto &p = script.preferences) {
        nlohmann::ordered_json prefs = { { "unit", solver::unitName(p->unit) } };
        if (p->decimals == solver::Preferences::kAllDecimals)
            prefs["decimals"] = "tutti";
        else
            prefs["decimals"] = p->decimals;
        if (!p->specificWeight.empty())
            prefs["specificWeight"] = p->specificWeight;
        json["preferences"] = std::move(prefs);
    }
    json["steps"] = std::move(steps);
    return json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

solver::NumberFormat formatOf(const std::string &locale)
{
    return locale.rfind("it", 0) == 0 ? solver::NumberFormat::comma()
                                      : solver::NumberFormat::point();
}

const char *kindName(Kind kind)
{
    switch (kind) {
    case Kind::None:
        return "none";
    case Kind::Valid:
        return "valid";
    case Kind::Failing:
        return "failing";
    case Kind::Cancelled:
        return "cancelled";
    }
    return "?";
}

Kind classify(const Answer &answer, const std::string &locale)
{
    if (!answer)
        return Kind::Cancelled;
    const solver::Reading r = solver::readNumber(*answer, formatOf(locale));
    return r.isNumber() && r.value > 0.0 && r.value <= 1e100 ? Kind::Valid : Kind::Failing;
}

Kind classifyPress(const std::vector<Answer> &answers, const std::string &locale)
{
    Kind press = Kind::None;
    for (const auto &a : answers) {
        const Kind k = classify(a, locale);
        if (k == Kind::Cancelled || (k == Kind::Failing && press != Kind::Cancelled)
            || press == Kind::None)
            press = k;
    }
    return press;
}

const std::vector<std::vector<std::string>> &answerPatterns()
{
    static const std::vector<std::vector<std::string>> patterns = {
        { "3", "4", "5", "6", "7", "8" },
        { "9", "8", "7", "6", "5", "4" },
        { "10", "1", "12", "2", "14", "3" },
        { "1", "10", "2", "12", "3", "14" },
        { "100", "3", "2", "50", "4", "1" },
        { "2", "60", "5", "200", "7", "90" },
        { "0.5", "0.6", "0.3", "0.2", "0.1", "0.05" },
        { "100", "60", "20", "10", "5", "2" },
        { "200", "100", "20", "6", "3", "1" },
        { "5", "5.5", "4", "3", "2", "1" },
    };
    return patterns;
}

unsigned ScreenCases::mask(const std::set<std::string> &ticked) const
{
    unsigned m = 0;
    for (std::size_t i = 0; i < checks.size(); ++i)
        if (ticked.count(checks[i]))
            m |= 1u << i;
    return m;
}

Catalogue Catalogue::fromRegistry()
{
    Catalogue c;
    for (const auto &name : solids::names()) {
        const solver::SolverScreen &s = *solids::find(name);
        ScreenCases sc;
        sc.screen = name;
        sc.parent = s.parent;
        sc.ritorna = s.ritornaButton.name;
        sc.stampa = s.stampaButton.name;
        sc.esci = s.esciButton.name;
        for (const auto &check : s.checks)
            sc.checks.push_back(check.name);
        if (sc.checks.size() > 16)
            throw std::logic_error(name + ": too many tick boxes to try every combination");
        const unsigned combinations = 1u << sc.checks.size();
        for (const auto &button : s.solvers) {
            ButtonCases bc;
            bc.button = button.name;
            for (unsigned mask = 0; mask < combinations; ++mask) {
                std::string found;
                int good = -1;
                bool asks = false;
                const auto &patterns = answerPatterns();
                for (std::size_t p = 0; p < patterns.size(); ++p) {
                    solver::CaseTrace trace;
                    const solver::ScriptedHost host =
                        pressed(sc, mask, "en_US", s, button,
                                { patterns[p].begin(), patterns[p].end() }, &trace);
                    bool allWritten = true;
                    for (const auto &r : s.resultsOf(button))
                        allWritten = allWritten && host.texts.count(r);
                    const std::size_t messages = host.messages().size();
                    const bool solved = messages > 0 || (host.failures().empty() && allWritten);
                    if (p == 0 || solved) {
                        found = caseName(trace, int(messages));
                        asks = host.asked > 0;
                    }
                    if (solved) {
                        good = int(p);
                        break;
                    }
                }
                auto it = std::find(bc.cases.begin(), bc.cases.end(), found);
                if (it == bc.cases.end()) {
                    bc.cases.push_back(found);
                    bc.prompts.push_back(false);
                    bc.masks.emplace_back();
                    it = bc.cases.end() - 1;
                }
                const auto index = std::size_t(it - bc.cases.begin());
                bc.prompts[index] = bc.prompts[index] || asks;
                bc.masks[index].push_back(mask);
                bc.caseOfMask.push_back(int(index));
                bc.goodPattern.push_back(good);
            }
            sc.buttons.push_back(std::move(bc));
        }
        c.m_screens.push_back(std::move(sc));
    }
    return c;
}

const ScreenCases *Catalogue::screen(const std::string &name) const
{
    for (const auto &s : m_screens)
        if (s.screen == name)
            return &s;
    return nullptr;
}

const ButtonCases *Catalogue::button(const std::string &screen, const std::string &button) const
{
    if (const ScreenCases *s = this->screen(screen))
        for (const auto &b : s->buttons)
            if (b.button == button)
                return &b;
    return nullptr;
}

// ---------------------------------------------------------------------------

namespace {

// Writes one script: navigation, ticks, answered presses.
class Builder {
public:
    Builder(const Catalogue &catalogue, const Routes &routes, Rng &rng, std::string locale)
        : m_catalogue(catalogue), m_routes(routes), m_rng(rng)
    {
        m_script.locale = std::move(locale);
    }

    Script take() { return std::move(m_script); }
    Rng &rng() { return m_rng; }

    // Shows `screen`, through the menus from `from` (a screen on view, empty
    // when unknown) when a route passes there, else by a plain show.
    void go(const std::string &screen, const std::string &from)
    {
        std::vector<std::vector<Hop>> ways;
        if (const auto it = m_routes.find(screen); it != m_routes.end() && !from.empty())
            for (const auto &route : it->second)
                for (std::size_t i = 0; i < route.size(); ++i)
                    if (route[i].from == from) {
                        ways.emplace_back(route.begin() + long(i), route.end());
                        break;
                    }
        if (!ways.empty() && m_rng.percent(60)) {
            for (const auto &hop : m_rng.pick(ways))
                for (const auto &step : hop.steps)
                    m_script.steps.push_back(step);
        } else {
            m_script.steps.push_back({ "show", screen });
        }
    }

    void click(const std::string &screen, const std::string &control)
    {
        m_script.steps.push_back({ "click", screen + "." + control });
    }
    void close(const std::string &screen) { m_script.steps.push_back({ "close", screen }); }

    // A mask of the case: mostly one with the fewest ticks.
    unsigned maskOf(const ButtonCases &b, std::size_t caseIndex)
    {
        const auto &masks = b.masks[caseIndex];
        if (m_rng.percent(40))
            return m_rng.pick(masks);
        int fewest = 99;
        for (unsigned m : masks)
            fewest = std::min(fewest, std::popcount(m));
        std::vector<unsigned> least;
        for (unsigned m : masks)
            if (std::popcount(m) == fewest)
                least.push_back(m);
        return m_rng.pick(least);
    }

    // Sets the screen's ticks to `mask`: unticks first, then ticks.
    void setTicks(const ScreenCases &s, unsigned mask)
    {
        auto &ticked = m_ticks[s.screen];
        for (std::size_t i = 0; i < s.checks.size(); ++i)
            if (ticked.count(s.checks[i]) && !((mask >> i) & 1u)) {
                m_script.steps.push_back({ "untick", s.screen + "." + s.checks[i] });
                ticked.erase(s.checks[i]);
            }
        for (std::size_t i = 0; i < s.checks.size(); ++i)
            if (!ticked.count(s.checks[i]) && ((mask >> i) & 1u)) {
                m_script.steps.push_back({ "tick", s.screen + "." + s.checks[i] });
                ticked.insert(s.checks[i]);
            }
    }

    unsigned currentMask(const ScreenCases &s) { return s.mask(m_ticks[s.screen]); }

    // Presses `b` with the current ticks, its answers of `kind`.
    void press(const ScreenCases &s, const ButtonCases &b, Kind kind)
    {
        const unsigned mask = currentMask(s);
        const solver::SolverScreen &screen = *solids::find(s.screen);
        const solver::SolveButton &button = solveButton(s, b);
        const std::string &locale = m_script.locale;
        const int good = b.goodPattern[mask];
        const auto &patterns = answerPatterns();

        // How many prompts a press that solves asks.
        std::vector<Answer> pattern;
        for (const auto &a : patterns[std::size_t(std::max(good, 0))])
            pattern.emplace_back(localized(a, locale));
        const std::size_t count = pressed(s, mask, locale, screen, button, pattern).asked;

        std::vector<Answer> answers;
        for (int attempt = 0; attempt < 8; ++attempt) {
            const std::size_t bad = attempt < 4 ? m_rng.below(count) : 0;
            const bool fromPattern = good >= 0 && (attempt >= 4 || m_rng.percent(50));
            answers = answersAsAsked(s, mask, locale, screen, button, [&](std::size_t k) -> Answer {
                if (kind == Kind::Cancelled && (k == bad || m_rng.percent(10)))
                    return std::nullopt;
                if (kind == Kind::Failing && (k == bad || m_rng.percent(10)))
                    return failingAnswer(m_rng, locale);
                if (fromPattern) {
                    const auto &p = patterns[std::size_t(good)];
                    return localized(p[k % p.size()], locale);
                }
                return validNumber(m_rng, locale);
            });
            if (classifyPress(answers, locale) == kind || count == 0)
                break;
        }
        if (!answers.empty())
            m_script.steps.push_back({ "answers", {}, answers });
        click(s.screen, b.button);
    }

    // A press of any button of `s` in any of its cases, answers mostly valid.
    void pressAny(const ScreenCases &s)
    {
        const ButtonCases &b = m_rng.pick(s.buttons);
        const std::size_t c = m_rng.below(b.cases.size());
        setTicks(s, maskOf(b, c));
        press(s, b, anyKind(b, c));
    }

    Kind anyKind(const ButtonCases &b, std::size_t c)
    {
        if (!b.prompts[c])
            return Kind::None;
        const std::size_t roll = m_rng.below(100);
        return roll < 80 ? Kind::Valid : roll < 90 ? Kind::Failing : Kind::Cancelled;
    }

private:
    const Catalogue &m_catalogue;
    const Routes &m_routes;
    Rng &m_rng;
    Script m_script;
    std::map<std::string, std::set<std::string>> m_ticks;
};

} // namespace

namespace {

// A specific weight as a script gives it: mostly a material of the list by
// name or by its value written the locale's way, else a number above zero
// with at most one decimal; now and then none (the empty text).
std::string specificWeight(Rng &rng, const std::string &locale, bool byName)
{
    const auto &materials = solver::materials();
    const std::size_t roll = rng.below(100);
    if (roll < 70) {
        const solver::Material &m = rng.pick(materials);
        if (byName)
            return m.name;
        std::string value = m.value;
        if (const auto dot = value.find('.'); dot != std::string::npos)
            value.replace(dot, 1, markOf(locale));
        return value;
    }
    if (roll < 95) {
        std::string value = std::to_string(1 + rng.below(25));
        if (rng.percent(50))
            value += markOf(locale) + std::string(1, nonZeroDigit(rng));
        return value;
    }
    return {};
}

std::string decimalsOption(Rng &rng)
{
    return rng.pick(solver::decimalsOptions());
}

// Random choices for a script: its preferences, and "choose" steps before
// some of its presses on the screen pressed. Drawn from a generator of their
// own, so that the other steps are those of the script without them.
void addChoices(Script &script, Rng &rng)
{
    const std::size_t roll = rng.below(100);
    if (roll < 60) {
        solver::Preferences p;
        const auto &units = solver::unitOptions();
        // Mostly a unit: the capacity and weight want one.
        p.unit = *solver::unitFromName(rng.percent(85) ? units[1 + rng.below(units.size() - 1)]
                                                       : units[0]);
        p.decimals = *solver::decimalsFromName(decimalsOption(rng));
        if (rng.percent(60))
            p.specificWeight = specificWeight(rng, script.locale, false);
        script.preferences = p;
    }
    if (roll < 30)
        return;
    // The presses of solving buttons: a click followed by nothing but
    // further steps, after an "answers" step or on a screen's own button.
    std::vector<std::size_t> presses;
    for (std::size_t i = 0; i < script.steps.size(); ++i) {
        const Step &step = script.steps[i];
        if (step.kind != "click")
            continue;
        const auto dot = step.arg.find('.');
        const solver::SolverScreen *s = solids::find(step.arg.substr(0, dot));
        if (!s)
            continue;
        const std::string control = step.arg.substr(dot + 1);
        for (const auto &b : s->solvers)
            if (b.name == control)
                presses.push_back(i);
    }
    if (presses.empty())
        return;
    std::vector<Step> steps;
    std::size_t next = 0;
    const std::size_t count = 1 + rng.below(3);
    std::vector<std::size_t> before; // steps a choice goes before
    for (std::size_t k = 0; k < count; ++k)
        before.push_back(rng.pick(presses));
    std::sort(before.begin(), before.end());
    for (std::size_t i = 0; i < script.steps.size(); ++i) {
        while (next < before.size() && before[next] == i) {
            // Just before the press and its answers.
            std::size_t at = steps.size();
            if (at > 0 && steps[at - 1].kind == "answers")
                --at;
            const std::string screen = script.steps[i].arg.substr(0, script.steps[i].arg.find('.'));
            Step choose{ "choose" };
            const std::size_t which = rng.below(100);
            if (which < 45) {
                choose.arg = screen + ".Unita";
                choose.option = rng.pick(solver::unitOptions());
            } else if (which < 75) {
                choose.arg = screen + ".Decimali";
                choose.option = decimalsOption(rng);
            } else {
                choose.arg = screen + ".PesoSpecifico";
                choose.option = specificWeight(rng, script.locale, rng.percent(50));
            }
            steps.insert(steps.begin() + long(at), std::move(choose));
            ++next;
        }
        steps.push_back(script.steps[i]);
    }
    script.steps = std::move(steps);
}

} // namespace

Generator::Generator(const Catalogue &catalogue, Routes routes, std::uint64_t seed,
                     std::string locale, bool choices)
    : m_catalogue(catalogue), m_routes(std::move(routes)), m_seed(seed), m_choices(choices)
{
    const std::vector<std::string> locales =
        locale.empty() ? kLocales : std::vector<std::string>{ locale };
    Rng rng(mix(seed));
    const auto shuffle = [&rng](auto &v) { // Fisher-Yates with the seed's own draws
        for (std::size_t i = v.size(); i > 1; --i)
            std::swap(v[i - 1], v[rng.below(i)]);
    };
    const auto &screens = catalogue.screens();
    for (std::size_t s = 0; s < screens.size(); ++s)
        for (const auto &l : locales) {
            std::vector<Target> targets;
            for (std::size_t b = 0; b < screens[s].buttons.size(); ++b) {
                const ButtonCases &button = screens[s].buttons[b];
                for (std::size_t c = 0; c < button.cases.size(); ++c) {
                    const std::vector<Kind> kinds =
                        button.prompts[c] ? std::vector<Kind>{ Kind::Valid, Kind::Valid,
                                                               Kind::Failing, Kind::Cancelled }
                                          : std::vector<Kind>{ Kind::None, Kind::None };
                    for (Kind k : kinds)
                        targets.push_back({ s, b, c, l, k });
                }
            }
            shuffle(targets);
            for (std::size_t i = 0; i < targets.size();) {
                const std::size_t n = std::min(targets.size() - i, 1 + rng.below(4));
                m_batches.emplace_back(targets.begin() + long(i), targets.begin() + long(i + n));
                i += n;
            }
        }
    shuffle(m_batches);
}

namespace {

// A visit to the exercise sheets from the main menu: a few boxes ticked or
// unticked, a short sheet of a chosen number previewed, then back to the menu.
std::vector<Step> sheetVisit(Rng &rng)
{
    const sheets::Screen &screen = sheets::screen();
    const auto control = [&](const std::string &name) { return screen.name + "." + name; };
    std::vector<Step> steps = { { "click", "Form1.Command13" } };
    const auto checks = screen.checks();
    for (std::size_t n = rng.below(4); n > 0; --n)
        steps.push_back({ rng.percent(50) ? "untick" : "tick", control(rng.pick(checks).name) });
    if (rng.percent(30))
        steps.push_back({ "select", control(screen.oneDecimal.name) });
    steps.push_back(
        { "choose", control(screen.countControl), {}, std::to_string(1 + rng.below(4)) });
    steps.push_back({ "choose",
                      control(screen.seedControl),
                      {},
                      std::to_string(1 + rng.below(sheets::kMaxSeed)) });
    steps.push_back({ "click", control(screen.preview.name) });
    steps.push_back({ "click", control(screen.ritorna.name) });
    return steps;
}

} // namespace

Script Generator::script(std::uint64_t index) const
{
    Rng rng(mix(m_seed ^ mix(index + 1)));
    const std::vector<Target> &batch = m_batches[std::size_t(index % m_batches.size())];
    const auto &screens = m_catalogue.screens();
    const ScreenCases &s = screens[batch.front().screen];
    Builder w(m_catalogue, m_routes, rng, batch.front().locale);

    // The program starts on the main menu. Now and then another screen is
    // used first, and left with "Ritorna".
    std::string from = "Form1";
    if (rng.percent(12)) {
        const ScreenCases &other = rng.pick(screens);
        if (other.screen != s.screen) {
            w.go(other.screen, from);
            w.pressAny(other);
            if (!other.ritorna.empty() && rng.percent(70)) {
                w.click(other.screen, other.ritorna);
                from = other.parent;
            } else {
                from.clear();
            }
        }
    }
    w.go(s.screen, from);

    // A press of any case first, now and then.
    if (rng.percent(15))
        w.pressAny(s);
    for (const Target &t : batch) {
        const ButtonCases &b = s.buttons[t.button];
        w.setTicks(s, w.maskOf(b, t.caseIndex));
        w.press(s, b, t.kind);
        if (rng.percent(10)) // pressed again, other answers
            w.press(s, b, w.anyKind(b, std::size_t(b.caseOfMask[w.currentMask(s)])));
    }

    std::string last = s.screen;
    if (rng.percent(12)) { // a second screen
        const ScreenCases &next = rng.pick(screens);
        std::string at;
        if (!s.ritorna.empty() && rng.percent(70)) {
            w.click(s.screen, s.ritorna);
            at = s.parent;
        }
        w.go(next.screen, at);
        w.pressAny(next);
        last = next.screen;
    }

    const ScreenCases &end = *m_catalogue.screen(last);
    const std::size_t roll = rng.below(100);
    if (roll < 2 && !end.stampa.empty())
        w.click(end.screen, end.stampa);
    else if (roll < 4 && !end.esci.empty())
        w.click(end.screen, end.esci);
    else if (roll < 6)
        w.close(end.screen);
    Script script = w.take();
    {
        // One script in twenty-five starts with the sheets, decided and drawn
        // apart from the rest, so that the others stay as they were.
        Rng sheet(mix(m_seed ^ mix(index + 1) ^ 0x536368656465ull));
        if (sheet.percent(4)) {
            std::vector<Step> visit = sheetVisit(sheet);
            script.steps.insert(script.steps.begin(), visit.begin(), visit.end());
        }
    }
    if (m_choices) {
        // One script in five, decided and drawn apart from the rest.
        Rng choices(mix(m_seed ^ mix(index + 1) ^ 0x63686F696365ull));
        if (choices.percent(20))
            addChoices(script, choices);
    }
    return script;
}

} // namespace scriptgen
