#include "sheet.h"

#include "solids/solids.h"
#include "solver/scripted.h"
#include "solver/texts.h"
#include "solver/words.h"

#include <algorithm>
#include <map>
#include <optional>

namespace sheets {

using solver::Kind;
using solver::NumberFormat;
using solver::Preferences;
using solver::ScriptedHost;
using solver::SolveButton;
using solver::SolverScreen;

namespace {

std::string capitalized(std::string s)
{
    if (!s.empty() && s[0] >= 'a' && s[0] <= 'z')
        s[0] = char(s[0] - 'a' + 'A');
    return s;
}

// A solid as its tick box names it: its words without the article ("Cono").
std::string solidCaption(const std::string &name)
{
    const SolverScreen *s = solids::find(name);
    if (!s)
        return name;
    if (name == "Form27")
        return "Poliedri regolari";
    std::string words = solver::solidWords(*s);
    // Without its article: "un cono" → "Cono".
    const auto space = words.find(' ');
    if (space != std::string::npos)
        words = words.substr(space + 1);
    return capitalized(words);
}

Family family(std::string name, std::vector<std::string> screens)
{
    return { { {}, std::move(name) }, {}, std::move(screens), {} };
}

Screen makeScreen()
{
    Screen s;
    s.note = { "Nota", "Spunta i solidi, scegli quanti esercizi e che dati, poi premi "
                       "\"Anteprima\" o \"Stampa\": le soluzioni seguono in una pagina a parte. "
                       "Lo stesso numero della scheda dà sempre la stessa scheda." };
    s.families = {
        family("Cubo e parallelepipedo", { "Form3", "form4" }),
        family("Prismi regolari", { "Form15", "Form16", "Form17", "Form18", "Form19", "Form20",
                                    "Form21", "Form22", "Form23", "Form25" }),
        family("Piramidi", { "form6", "Form7", "Form8", "Form9", "Form10", "Form11", "Form24" }),
        family("Cilindri e coni", { "Form2", "Form37", "Form12", "Form26" }),
        family("Sfera e parti sferiche", { "Form38", "Form39", "Form40", "Form41" }),
        family("Poliedri regolari", { "Form27" }),
        family("Solidi particolari",
               { "Form28", "Form30", "Form31", "Form32", "Form33", "Form34", "Form35", "Form36" }),
    };
    int box = 0;
    for (std::size_t f = 0; f < s.families.size(); ++f) {
        Family &fam = s.families[f];
        fam.name.name = "Famiglia(" + std::to_string(f) + ")";
        fam.all = { "Tutti(" + std::to_string(f) + ")", "tutti" };
        for (const auto &screen : fam.screens)
            fam.boxes.push_back({ "Solido(" + std::to_string(box++) + ")", solidCaption(screen) });
    }
    return s;
}

// splitmix64: the same numbers from the same seed on every compiler and
// standard library, which the distributions of <random> do not promise.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A whole number from 0 to n − 1.
    std::size_t below(std::size_t n) { return n ? static_cast<std::size_t>(next() % n) : 0; }
    // From lo to hi, both included.
    int between(int lo, int hi) { return lo + static_cast<int>(below(std::size_t(hi - lo + 1))); }
    bool chance(int percent) { return between(1, 100) <= percent; }
    template <class T> void shuffle(std::vector<T> &v)
    {
        for (std::size_t i = v.size(); i > 1; --i)
            std::swap(v[i - 1], v[below(i)]);
    }

private:
    std::uint64_t m_state;
};

// A way a button solves: the tick boxes of one case of its chain and the
// quantities it then asks for, in order.
struct Case {
    const SolveButton *button;
    std::set<std::string> ticks;
    std::vector<std::string> asked;
    std::string key; // "Form12 Command1 Check1+Check4"
};

ScriptedHost press(const SolverScreen &s, const SolveButton &b, const std::set<std::string> &ticks,
                   const std::vector<std::string> &answers, const Preferences &prefs,
                   const NumberFormat &format, solver::CaseTrace *trace = nullptr)
{
    ScriptedHost host(format, ScriptedHost::WhenOut::Cancel);
    host.ticks = ticks;
    host.answers = { answers.begin(), answers.end() };
    host.choices = prefs;
    host.press(s, b, trace);
    return host;
}

// The cases of every button of a screen, found once.
const std::vector<Case> &casesOf(const SolverScreen &s)
{
    static std::map<std::string, std::vector<Case>> found;
    const auto known = found.find(s.name);
    if (known != found.end())
        return known->second;
    std::vector<Case> cases;
    for (const auto &b : s.solvers) {
        solver::CaseTrace all;
        press(s, b, {}, {}, {}, NumberFormat::point(), &all);
        std::vector<std::string> ids;
        for (const auto &t : all.tested) {
            const std::string id = t.first.substr(0, t.first.find('#'));
            if (std::find(ids.begin(), ids.end(), id) == ids.end())
                ids.push_back(id);
        }
        if (ids.empty())
            ids.push_back("");
        for (const auto &id : ids) {
            Case c{ &b, {}, {}, s.name + " " + b.name + " " + id };
            for (std::size_t at = 0, plus; at < id.size(); at = plus + 1) {
                plus = std::min(id.find('+', at), id.size());
                c.ticks.insert(id.substr(at, plus - at));
            }
            // Pressed with data that mean nothing, a case still says what it asks.
            const ScriptedHost probe = press(s, b, c.ticks, { "7" }, {}, NumberFormat::point());
            if (!probe.solution)
                continue;
            for (const auto &d : solver::pressData(*probe.solution))
                c.asked.push_back(d.symbol);
            if (!c.asked.empty() || id.empty())
                cases.push_back(std::move(c));
        }
    }
    return found.emplace(s.name, std::move(cases)).first->second;
}

// A press with nothing to object to: no message, no failure, no remark on
// data that do not agree, and a solid to draw.
bool clean(const ScriptedHost &host)
{
    if (!host.failed().empty() || !host.messages().empty() || !host.solution || !host.figure
        || !host.figure->scene)
        return false;
    using Kind = solver::SolutionStep::Kind;
    for (const auto &step : host.solution->steps())
        if (step.kind == Kind::Warning || step.kind == Kind::Failed || step.kind == Kind::Accepted)
            return false;
    return true;
}

// A number as a datum a student copies without a slip: above zero, with no
// exponent, at most two decimals and seven digits. A longer one is rounded
// to hundredths; empty when even that is not short.
std::string shortened(const std::string &text)
{
    if (text.empty() || text[0] == '-' || text.find_first_of("Ee") != std::string::npos)
        return {};
    for (const char c : text)
        if (!(c >= '0' && c <= '9') && c != '.')
            return {};
    std::string s = solver::roundedText(text, 2, ".", false);
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == '.')
            s.pop_back();
    }
    const auto digits = s.size() - (s.find('.') != std::string::npos ? 1 : 0);
    if (digits > 7 || !(std::strtod(s.c_str(), nullptr) > 0))
        return {};
    return s;
}

bool exactlyShort(const std::string &text)
{
    return !text.empty() && shortened(text) == text;
}

// Pythagorean triples and quadruples: legs and hypotenuse, edges and diagonal
// all whole, so that a root comes out short.
const std::vector<std::vector<int>> kTriples = { { 3, 4, 5 },   { 5, 12, 13 },  { 8, 15, 17 },
                                                 { 7, 24, 25 }, { 20, 21, 29 }, { 6, 8, 10 },
                                                 { 9, 12, 15 }, { 12, 16, 20 } };
const std::vector<std::vector<int>> kQuadruples = {
    { 1, 2, 2, 3 }, { 2, 3, 6, 7 }, { 1, 4, 8, 9 }, { 4, 4, 7, 9 }, { 2, 6, 9, 11 }, { 6, 6, 7, 11 }
};
const std::vector<int> kAngles = { 30, 36, 40, 45, 60, 72, 90, 120, 135, 150 };

// A number in tenths written as typed: 25 → "2.5", 30 → "3".
std::string tenths(long long t)
{
    std::string s = std::to_string(t / 10);
    if (t % 10)
        s += "." + std::to_string(t % 10);
    return s;
}

// Defining data of a case, in tenths: short lengths, and where a root may
// follow, the sides of a right triangle or of a box with a whole diagonal.
std::vector<std::string> niceData(const SolverScreen &s, const Case &c, bool oneDecimal,
                                  Random &random)
{
    std::vector<long long> t(c.asked.size(), 0);
    std::vector<std::size_t> lengths;
    for (std::size_t i = 0; i < c.asked.size(); ++i) {
        const auto kind = s.kindOf(c.asked[i]).value_or(Kind::Length);
        if (kind == Kind::Angle)
            t[i] = 10LL * kAngles[random.below(kAngles.size())];
        else if (kind == Kind::Area)
            t[i] = 10LL * random.between(4, 400);
        else if (kind == Kind::Volume)
            t[i] = 10LL * random.between(8, 2000);
        else {
            t[i] = oneDecimal && random.chance(60) ? random.between(15, 250)
                                                   : 10LL * random.between(2, 25);
            if (kind == Kind::Length)
                lengths.push_back(i);
        }
    }
    random.shuffle(lengths);
    // The scale of a triple in tenths: whole, or a half for data with a decimal.
    const auto scale = [&]() -> long long {
        return oneDecimal && random.chance(50) ? 5LL * random.between(1, 7)
                                               : 10LL * random.between(1, 4);
    };
    const int style = random.between(0, 9);
    if (lengths.size() >= 3 && random.chance(lengths.size() >= 4 ? 40 : 20)) {
        // A difference of two lengths as a leg: the radii of a frustum and
        // its height, with a whole slant height, which a fourth length is.
        auto tr = kTriples[random.below(kTriples.size())];
        const long long k = scale();
        const std::size_t leg = random.below(2);
        const long long half = random.chance(50) ? 2 : 1;
        t[lengths[1]] = t[lengths[0]] + half * k * tr[leg];
        t[lengths[2]] = k * tr[1 - leg];
        if (lengths.size() >= 4)
            t[lengths[3]] = k * tr[2];
    } else if (lengths.size() >= 3 && style >= 8) {
        auto q = kQuadruples[random.below(kQuadruples.size())];
        std::vector<int> picks = { 0, 1, 2, 3 };
        random.shuffle(picks);
        const long long k = scale();
        for (std::size_t j = 0; j < 3; ++j)
            t[lengths[j]] = k * q[std::size_t(picks[j])];
    } else if (lengths.size() >= 2 && style >= 2) {
        auto tr = kTriples[random.below(kTriples.size())];
        std::vector<int> picks = { 0, 1, 2 };
        random.shuffle(picks);
        long long k = scale();
        t[lengths[0]] = k * tr[std::size_t(picks[0])];
        t[lengths[1]] = k * tr[std::size_t(picks[1])];
        // A half side (a pyramid's base to its apothem) asks for the double.
        if (random.chance(30))
            t[lengths[random.below(2)]] *= 2;
    }
    // The lesser of a pair ("raggio minore", "raggio maggiore") stays the lesser.
    for (std::size_t i = 0; i < c.asked.size(); ++i)
        for (std::size_t j = 0; j < c.asked.size(); ++j) {
            std::string lesser = solver::quantityWords(s, c.asked[i]).bare;
            const std::string greater = solver::quantityWords(s, c.asked[j]).bare;
            // A frustum's second base is its top, the smaller.
            for (const auto &[small, large] :
                 { std::pair{ "minore", "maggiore" }, std::pair{ "minimo", "massimo" },
                   std::pair{ "seconda base", "prima base" } }) {
                const auto at = lesser.find(small);
                if (at == std::string::npos)
                    continue;
                lesser.replace(at, std::string(small).size(), large);
                if (lesser == greater && t[i] >= t[j]) {
                    std::swap(t[i], t[j]);
                    if (t[i] == t[j])
                        t[j] += 10;
                }
            }
        }
    std::vector<std::string> typed;
    for (const auto v : t)
        typed.push_back(tenths(v));
    return typed;
}

// The value the other data imply for a datum that must agree with them, as
// the press's remark says; empty when it agrees or says nothing.
std::string implied(const ScriptedHost &host, const std::string &symbol)
{
    if (host.solution)
        for (const auto &step : host.solution->steps())
            if (step.kind == solver::SolutionStep::Kind::Warning && step.symbol == symbol)
                return step.result;
    return {};
}

// Presses a case with data drawn at random, made to agree where some must (a
// frustum's apothem with its sides and height): such a datum takes the value
// the others imply; when that is not short, one other length is tried over a
// range of short values until it is.
ScriptedHost agreeing(const SolverScreen &s, const Case &c, std::vector<std::string> &data,
                      bool oneDecimal, Random &random)
{
    const NumberFormat point = NumberFormat::point();
    ScriptedHost made = press(s, *c.button, c.ticks, data, {}, point);
    std::size_t k = 0;
    std::string value;
    for (; k < c.asked.size(); ++k)
        if (!(value = implied(made, c.asked[k])).empty())
            break;
    if (value.empty())
        return made;
    std::vector<std::size_t> others;
    for (std::size_t j = 0; j < c.asked.size(); ++j)
        if (j != k && s.kindOf(c.asked[j]).value_or(Kind::Length) == Kind::Length)
            others.push_back(j);
    random.shuffle(others);
    const int step = oneDecimal ? 5 : 10;
    for (std::size_t tried = 0; !exactlyShort(value) && tried < others.size(); ++tried) {
        const std::size_t j = others[tried];
        const std::string kept = data[j];
        const int start = random.between(1, 40);
        for (int i = 0; i < 40 && !exactlyShort(value); ++i) {
            data[j] = tenths(step * (1 + (start + i) % 40));
            value = implied(press(s, *c.button, c.ticks, data, {}, point), c.asked[k]);
        }
        if (!exactlyShort(value))
            data[j] = kept;
    }
    if (!exactlyShort(value))
        return made;
    data[k] = value;
    return press(s, *c.button, c.ticks, data, {}, point);
}

// The value of each quantity a press shows, as its result label shows it.
std::map<std::string, std::string> shownValues(const SolverScreen &s, const SolveButton &b,
                                               const ScriptedHost &host)
{
    std::map<std::string, std::string> values;
    const auto labels = s.resultsOf(b);
    for (const auto &row : s.rows) {
        if (row.quantity.empty()
            || std::find(labels.begin(), labels.end(), row.result) == labels.end())
            continue;
        const auto text = host.texts.find(row.result);
        if (text != host.texts.end())
            values.emplace(row.quantity, text->second);
    }
    return values;
}

// The results of a press as numbers rounded to `decimals`, to compare two
// presses by: a datum shows as typed ("10 cm"), the same worked out as
// computed ("10.00 cm").
std::vector<std::pair<std::string, std::string>>
rounded(const SolverScreen &s, const SolveButton &b, const ScriptedHost &host, int decimals)
{
    std::vector<std::pair<std::string, std::string>> out;
    for (const auto &label : s.resultsOf(b)) {
        const auto text = host.texts.find(label);
        if (text != host.texts.end())
            out.emplace_back(label, solver::roundedText(text->second, decimals, "."));
    }
    return out;
}

// The result labels of a press as the key shows them, capacity included.
std::vector<std::pair<std::string, std::string>>
resultsOf(const SolverScreen &s, const SolveButton &b, const ScriptedHost &host)
{
    std::vector<std::pair<std::string, std::string>> out;
    for (const auto &label : s.resultsOf(b)) {
        const auto text = host.texts.find(label);
        if (text != host.texts.end())
            out.emplace_back(label, text->second);
    }
    return out;
}

std::string withDecimal(std::string text, const std::string &decimal)
{
    const auto point = text.find('.');
    if (point != std::string::npos)
        text.replace(point, 1, decimal);
    return text;
}

// One exercise on screen `s`, or nothing when no attempt gives short data
// that the screen answers cleanly. Cases already on the sheet are avoided
// where another will do.
std::optional<Exercise> exerciseOn(const SolverScreen &s, const Settings &settings,
                                   const NumberFormat &format, std::set<std::string> &used,
                                   Random &random)
{
    const auto &cases = casesOf(s);
    if (cases.empty())
        return std::nullopt;
    // The cases whose data can be drawn as they are: lengths and angles.
    std::vector<const Case *> defining;
    for (const auto &c : cases) {
        bool plain = !c.asked.empty();
        for (const auto &q : c.asked) {
            const auto kind = s.kindOf(q).value_or(Kind::Length);
            plain = plain && (kind == Kind::Length || kind == Kind::Angle || kind == Kind::Number);
            // A circumference drawn whole leaves a radius with π in it.
            plain = plain && solver::quantityWords(s, q).bare.rfind("circonferenza", 0) != 0;
        }
        if (plain)
            defining.push_back(&c);
    }
    std::vector<const Case *> anyCase;
    for (const auto &c : cases)
        if (!c.asked.empty())
            anyCase.push_back(&c);
    if (anyCase.empty())
        return std::nullopt;
    if (defining.empty())
        defining = anyCase;

    Preferences all; // every digit, no unit: the values as numbers
    Preferences chosen;
    chosen.unit = settings.unit;
    chosen.decimals = settings.decimals;
    const NumberFormat point = NumberFormat::point();
    for (int attempt = 0; attempt < 200; ++attempt) {
        // Now and then data of any kind, for the screens whose lengths alone
        // seldom come out short.
        const auto &from = attempt % 4 == 3 ? anyCase : defining;
        if (from.empty())
            continue;
        const Case &first = *from[random.below(from.size())];
        auto data = niceData(s, first, settings.oneDecimal, random);
        ScriptedHost made = agreeing(s, first, data, settings.oneDecimal, random);
        if (!clean(made))
            continue;
        const auto values = shownValues(s, *first.button, made);
        // Every case of the same button whose data all come out short:
        // exactly, or once rounded to hundredths.
        std::vector<const Case *> pools[4]; // fresh exact, fresh rounded, exact, rounded
        for (const auto &c : cases) {
            if (c.button != first.button || c.asked.empty())
                continue;
            bool ok = true, exact = true;
            for (const auto &q : c.asked) {
                const auto v = values.find(q);
                const std::string typed = v == values.end() ? std::string() : shortened(v->second);
                ok = ok && !typed.empty();
                exact = exact && ok && typed == v->second;
            }
            if (!ok)
                continue;
            const int pool = (used.count(c.key) ? 2 : 0) + (exact ? 0 : 1);
            pools[pool].push_back(&c);
        }
        // Not on the sheet yet where possible; exact data three times in four.
        const bool roundedFirst = random.chance(25);
        const Case *picked = nullptr;
        for (const int base : { 0, 2 }) {
            for (const int pool : { base + (roundedFirst ? 1 : 0), base + (roundedFirst ? 0 : 1) })
                if (!picked && !pools[pool].empty())
                    picked = pools[pool][random.below(pools[pool].size())];
        }
        if (!picked)
            continue;
        const Case &chosenCase = *picked;
        std::vector<std::string> answers;
        for (const auto &q : chosenCase.asked)
            answers.push_back(shortened(values.at(q)));
        // The exercise's own press agrees with the solid drawn, to the
        // decimals of the key, and has nothing to remark.
        Preferences rounding;
        rounding.decimals = settings.decimals;
        const ScriptedHost original = press(s, *first.button, first.ticks, data, rounding, point);
        const ScriptedHost again =
            press(s, *chosenCase.button, chosenCase.ticks, answers, rounding, point);
        if (!clean(again)
            || rounded(s, *first.button, original, settings.decimals)
                   != rounded(s, *chosenCase.button, again, settings.decimals))
            continue;

        // As the sheet writes it, under its decimal mark.
        Exercise e;
        e.screen = s.name;
        e.button = chosenCase.button->name;
        for (const auto &c : s.checks)
            if (chosenCase.ticks.count(c.name))
                e.ticks.push_back(c.name);
        for (const auto &a : answers)
            e.answers.push_back(withDecimal(a, format.decimal));
        const ScriptedHost key = press(s, *chosenCase.button, chosenCase.ticks, e.answers, chosen,
                                       NumberFormat{ format.decimal });
        if (!clean(key))
            continue;
        e.results = resultsOf(s, *chosenCase.button, key);
        e.solid = solver::solidWords(s, chosenCase.button);
        e.text = solver::exerciseText(s, *chosenCase.button, *key.solution);
        e.picture = chosenCase.button->solidPicture.present() ? chosenCase.button->solidPicture.text
                                                              : s.picture.text;
        e.data = solver::pressData(*key.solution);
        e.solution = key.solution->lines();
        for (const auto &row : s.rows)
            for (const auto &[label, value] : e.results)
                if (label == row.result) {
                    std::string w = solver::quantityWords(s, row.quantity).bare;
                    if (w.empty())
                        w = solver::spokenName(row.captionText);
                    e.key.push_back({ capitalized(w), row.quantity, value });
                }
        const auto capacity = key.texts.find("Capacita");
        if (capacity != key.texts.end() && !capacity->second.empty())
            e.key.push_back({ "Capacità", "", capacity->second });
        used.insert(chosenCase.key);
        return e;
    }
    return std::nullopt;
}

} // namespace

const Screen &screen()
{
    static const Screen s = makeScreen();
    return s;
}

std::vector<solver::Control> Screen::labels() const
{
    std::vector<solver::Control> out = { heading, note, solidsHeading };
    for (const auto &f : families)
        out.push_back(f.name);
    for (const auto &l : { countLabel, dataLabel, unitLabel, decimalsLabel, seedLabel })
        out.push_back(l);
    return out;
}

std::vector<solver::Control> Screen::checks() const
{
    std::vector<solver::Control> out;
    for (const auto &f : families) {
        out.push_back(f.all);
        out.insert(out.end(), f.boxes.begin(), f.boxes.end());
    }
    return out;
}

const Family *Screen::familyOf(const std::string &box) const
{
    for (const auto &f : families) {
        if (f.all.name == box)
            return &f;
        for (const auto &b : f.boxes)
            if (b.name == box)
                return &f;
    }
    return nullptr;
}

Sheet make(const Settings &asked, const NumberFormat &format)
{
    Sheet sheet;
    sheet.settings = asked;
    Settings &settings = sheet.settings;
    settings.count = std::clamp(settings.count, kMinCount, kMaxCount);
    settings.decimals = std::clamp(settings.decimals, 0, kMaxDecimals);
    std::vector<const SolverScreen *> chosen;
    for (const auto &name : settings.screens)
        if (const SolverScreen *s = solids::find(name))
            if (std::find(chosen.begin(), chosen.end(), s) == chosen.end())
                chosen.push_back(s);
    if (chosen.empty())
        return sheet;

    Random random(0x5C4EDAull * 1000003ull + settings.seed);
    std::set<std::string> used;
    std::vector<const SolverScreen *> round;
    int misses = 0;
    while (int(sheet.exercises.size()) < settings.count && misses < 4 * kMaxCount) {
        // Each solid once before any comes back.
        if (round.empty()) {
            round = chosen;
            random.shuffle(round);
        }
        const SolverScreen *s = round.back();
        round.pop_back();
        if (auto e = exerciseOn(*s, settings, format, used, random))
            sheet.exercises.push_back(std::move(*e));
        else
            ++misses;
    }
    return sheet;
}

Words words(std::uint32_t seed, int exercise)
{
    Words w;
    w.title = "Scheda di esercizi n. " + std::to_string(seed);
    w.keyTitle = "Soluzioni della scheda n. " + std::to_string(seed);
    w.exercise = "Esercizio " + std::to_string(exercise);
    return w;
}

std::string pdfName(std::uint32_t seed)
{
    return "Scheda " + std::to_string(seed) + ".pdf";
}

std::uint32_t freshSeed(std::uint64_t entropy)
{
    Random random(entropy);
    return std::uint32_t(1 + random.below(kMaxSeed));
}

} // namespace sheets
