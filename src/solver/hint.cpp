#include "hint.h"

#include "words.h"

#include <algorithm>

namespace solver {

namespace {

// The alternatives of a hint: "A – oppure B – oppure C".
constexpr const char *kOr = " – oppure ";
// With nothing ticked, and when no combination holds every ticked box, the
// hint names this many combinations; the worked solution lists them all.
constexpr std::size_t kShown = 3;

std::string joined(const std::vector<std::string> &parts, const std::string &separator)
{
    std::string out;
    for (const auto &p : parts)
        out += (out.empty() ? "" : separator) + p;
    return out;
}

std::size_t countIn(const std::vector<std::string> &boxes, const std::set<std::string> &set)
{
    return std::size_t(
        std::count_if(boxes.begin(), boxes.end(), [&](const auto &b) { return set.count(b); }));
}

std::string names(const SolverScreen &screen, const std::vector<std::string> &boxes)
{
    std::vector<std::string> out;
    for (const auto &b : boxes)
        out.push_back(boxName(screen, b));
    return joinNames(out);
}

// "Non si può calcolare l'altezza (h) perché a² − r² è negativo (…)."
std::string failedSentence(const SolverScreen &screen, const SolutionStep &step)
{
    const QuantityWords words = quantityWords(screen, step.symbol);
    std::string what = step.symbol;
    if (!words.definite.empty())
        what = words.definite + " (" + step.symbol + ")";
    std::string reason = step.reason;
    // A failure's own text starts "Impossibile calcolare: "; the hint says
    // that itself.
    constexpr std::string_view kHeading = "Impossibile calcolare: ";
    if (reason.compare(0, kHeading.size(), kHeading) == 0)
        reason.erase(0, kHeading.size());
    std::replace(reason.begin(), reason.end(), '\n', ' ');
    while (!reason.empty() && reason.back() == ' ')
        reason.pop_back();
    if (reason.empty())
        return "Non si può calcolare " + what + ".";
    if (reason.compare(0, 10, "divisione ") == 0)
        reason = "c'è una " + reason;
    if (reason.back() != '.')
        reason += '.';
    return "Non si può calcolare " + what + " perché " + reason;
}

std::string acceptedHint(const SolverScreen &screen, const std::set<std::string> &ticked,
                         const std::vector<const SolutionStep *> &accepted)
{
    std::set<std::string> used;
    for (const auto *s : accepted)
        used.insert(s->boxes.begin(), s->boxes.end());
    // The ticked boxes in the order the screen shows them.
    std::vector<std::string> useless;
    bool anyUseful = false;
    for (const auto &c : screen.checks) {
        if (!ticked.count(c.name))
            continue;
        if (used.count(c.name))
            anyUseful = true;
        else
            useless.push_back(c.name);
    }
    std::string out;
    if (!useless.empty())
        out = names(screen, useless)
              + (useless.size() == 1 ? " non serve a questo calcolo: togli la spunta. "
                                     : " non servono a questo calcolo: togli le spunte. ");
    std::vector<std::string> alternatives;
    if (accepted.front()->closest) {
        for (std::size_t i = 0; i < accepted.size() && i < kShown; ++i)
            alternatives.push_back(accepted[i]->reason);
        return out + "Nessuna combinazione comprende tutte le caselle spuntate; le più vicine: "
               + joined(alternatives, kOr);
    }
    if (!anyUseful) {
        for (std::size_t i = 0; i < accepted.size() && i < kShown; ++i)
            alternatives.push_back(accepted[i]->reason);
        return out + "Spunta: " + joined(alternatives, kOr);
    }
    for (const auto *s : accepted) {
        std::vector<std::string> missing;
        for (const auto &b : s->boxes)
            if (!ticked.count(b))
                missing.push_back(b);
        alternatives.push_back(names(screen, missing));
    }
    return out + "Spunta anche: " + joined(alternatives, kOr);
}

} // namespace

Combinations orderCombinations(const std::vector<std::vector<std::string>> &cases,
                               const std::set<std::string> &ticked)
{
    std::vector<std::vector<std::string>> unique;
    std::set<std::set<std::string>> seen;
    std::set<std::string> used;
    for (const auto &c : cases) {
        if (c.empty() || !seen.insert(std::set<std::string>(c.begin(), c.end())).second)
            continue;
        unique.push_back(c);
        used.insert(c.begin(), c.end());
    }
    std::set<std::string> useful;
    for (const auto &t : ticked)
        if (used.count(t))
            useful.insert(t);
    const auto toTick = [&](const std::vector<std::string> &c) {
        return c.size() - countIn(c, useful);
    };
    const auto leftOut = [&](const std::vector<std::string> &c) {
        return useful.size() - countIn(c, useful);
    };

    Combinations out;
    for (const auto &c : unique)
        if (leftOut(c) == 0)
            out.list.push_back(c);
    if (out.list.empty()) {
        out.closest = true;
        out.list = unique;
    }
    std::stable_sort(out.list.begin(), out.list.end(), [&](const auto &a, const auto &b) {
        return std::make_pair(toTick(a), leftOut(a)) < std::make_pair(toTick(b), leftOut(b));
    });
    return out;
}

std::string joinNames(const std::vector<std::string> &names)
{
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i)
        out += (i == 0 ? "" : i + 1 == names.size() ? " e " : ", ") + names[i];
    return out;
}

std::string boxName(const SolverScreen &screen, const std::string &box)
{
    std::string name = box;
    for (const auto &c : screen.checks)
        if (c.name == box)
            name = c.text;
    const auto b = name.find_first_not_of(' ');
    const auto e = name.find_last_not_of(' ');
    return b == std::string::npos ? std::string() : name.substr(b, e - b + 1);
}

std::string hint(const SolverScreen &screen, const std::set<std::string> &ticked,
                 const Solution &solution)
{
    std::vector<std::string> warnings, remarks;
    std::vector<const SolutionStep *> accepted;
    const SolutionStep *failed = nullptr;
    for (const auto &s : solution.steps()) {
        switch (s.kind) {
        case SolutionStep::Kind::Warning:
            warnings.push_back(s.reason);
            break;
        case SolutionStep::Kind::Remark:
            remarks.push_back(s.reason);
            break;
        case SolutionStep::Kind::Failed:
            if (!failed)
                failed = &s;
            break;
        case SolutionStep::Kind::Accepted:
            accepted.push_back(&s);
            break;
        case SolutionStep::Kind::Given:
        case SolutionStep::Kind::Computed:
            break;
        }
    }
    // Remarks on the data first: they often explain what follows.
    std::vector<std::string> parts;
    if (!warnings.empty())
        parts.push_back("Attenzione! " + joined(warnings, " "));
    else if (!remarks.empty())
        parts.push_back(joined(remarks, " "));
    if (failed)
        parts.push_back(failedSentence(screen, *failed));
    if (!accepted.empty())
        parts.push_back(acceptedHint(screen, ticked, accepted));
    return joined(parts, " ");
}

} // namespace solver
