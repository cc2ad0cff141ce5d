// Random scripts for corpimetro-script, drawn from a seed so that the same
// seed gives the same scripts on any build and any platform: every random
// choice is plain arithmetic on std::mt19937_64 output (no library
// distributions, no floating-point formatting).
//
// The catalogue of what can be pressed comes from the solver registry alone
// (no Qt): every solving button of every registered screen is pressed under
// every combination of its tick boxes with the core's scripted host, and
// the case each combination takes is named from the case trace. How a screen
// is reached through the menus is given by the caller (see scriptgenroutes.h
// for the Qt side that finds it by clicking the real menus).
#pragma once

#include "solver/numberformat.h"
#include "solver/units.h"

#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace scriptgen {

// A typed answer; nullopt is Cancel.
using Answer = std::optional<std::string>;

// One step of a script: "show"/"close" take a screen, "click"/"tick"/"untick"/
// "select" take "Screen.Control", "answers" takes the list, "choose" takes
// "Screen.Unita" (or Decimali, PesoSpecifico) and the option chosen.
struct Step {
    std::string kind;
    std::string arg = {};
    std::vector<Answer> answers = {};
    std::string option = {};

    bool operator==(const Step &) const = default;
};

struct Script {
    std::string locale; // "it_IT" or "en_US"
    // The choices the script starts with, when it gives them.
    std::optional<solver::Preferences> preferences = {};
    std::vector<Step> steps;
};

// The script as one line of compact JSON: {"locale":...,"steps":[...]}, with
// "preferences" after the locale when the script gives them.
std::string toJson(const Script &script);

// The two locales scripts are written for.
inline const std::vector<std::string> kLocales = { "it_IT", "en_US" };
// The number format a script locale reads and shows numbers with.
solver::NumberFormat formatOf(const std::string &locale);

// Deterministic random choices on top of std::mt19937_64.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_engine(seed) {}
    std::uint64_t next() { return m_engine(); }
    // 0 .. n-1 (0 for n == 0).
    std::size_t below(std::size_t n) { return n ? std::size_t(next() % n) : 0; }
    bool percent(unsigned p) { return below(100) < p; }
    template <class T> const T &pick(const std::vector<T> &v) { return v[below(v.size())]; }

private:
    std::mt19937_64 m_engine;
};

// What answers a press was given.
enum class Kind {
    None,      // the press asked nothing
    Valid,     // every answer a number in (0, 1E+100] written the locale's way
    Failing,   // some answer is not such a number (0, negative, text, other mark, huge)
    Cancelled, // some prompt cancelled
};
const char *kindName(Kind kind);
Kind classify(const Answer &answer, const std::string &locale);
Kind classifyPress(const std::vector<Answer> &answers, const std::string &locale);

// The cases of one solving button. A combination of tick boxes is a mask, bit
// i standing for the screen's i-th tick box.
struct ButtonCases {
    std::string button;
    // Case names: the tick boxes of each case taken, in order (" > " between
    // nested cases), "insufficient" for the insufficient-data message and
    // "single" for a button with no case chain.
    std::vector<std::string> cases;
    std::vector<bool> prompts;                // per case: it asks for values
    std::vector<std::vector<unsigned>> masks; // per case, ascending
    std::vector<int> caseOfMask;              // by mask: index into cases
    std::vector<int> goodPattern;             // by mask: an answer pattern that solves, or -1
};

struct ScreenCases {
    std::string screen;
    std::string parent;                // what "Ritorna" shows
    std::string ritorna, stampa, esci; // control names, empty when absent
    std::vector<std::string> checks;   // tick boxes, in the order shown
    std::vector<ButtonCases> buttons;

    unsigned mask(const std::set<std::string> &ticked) const;
};

class Catalogue {
public:
    // Every registered solver screen.
    static Catalogue fromRegistry();

    const std::vector<ScreenCases> &screens() const { return m_screens; }
    const ScreenCases *screen(const std::string &name) const;
    const ButtonCases *button(const std::string &screen, const std::string &button) const;

private:
    std::vector<ScreenCases> m_screens;
};

// Answer patterns a solving press is tried with; the catalogue records per
// combination the first that solves, and valid answers often come from it.
const std::vector<std::vector<std::string>> &answerPatterns();

// A way to reach a screen: hops from the main menu, each a few steps taken on
// the screen `from` that show the screen `to`.
struct Hop {
    std::string from;
    std::vector<Step> steps;
    std::string to;
};
using Route = std::vector<Hop>;
// Every known way to reach each screen, by screen name.
using Routes = std::map<std::string, std::vector<Route>>;

// One press of a solving button the generator aims at.
struct Target {
    std::size_t screen = 0, button = 0, caseIndex = 0; // into the catalogue
    std::string locale;
    Kind kind = Kind::Valid;
};

class Generator {
public:
    // `locale` empty: scripts for both locales, about half each. With
    // `choices` about one script in five also starts with random choices of
    // unit, decimals and specific weight, or changes them with "choose" steps
    // before its presses, or both; the steps it has besides are those it has
    // without `choices`.
    Generator(const Catalogue &catalogue, Routes routes, std::uint64_t seed,
              std::string locale = {}, bool choices = false);

    // The index-th script of this seed; independent of how many are drawn.
    Script script(std::uint64_t index) const;

    // Script i aims at the presses of batches()[i % batches().size()]: a few
    // presses on one screen under one locale. Together the batches press every
    // case of every button under every locale twice with valid answers, once
    // with failing and once with cancelled ones (twice for a case that asks
    // nothing), so a count of at least batches().size() covers them all.
    const std::vector<std::vector<Target>> &batches() const { return m_batches; }

private:
    const Catalogue &m_catalogue;
    Routes m_routes;
    std::uint64_t m_seed;
    bool m_choices;
    std::vector<std::vector<Target>> m_batches;
};

} // namespace scriptgen
