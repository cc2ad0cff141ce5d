// Every solver screen of the program, by screen name.
#pragma once

#include "solver/screen.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace solids {

// Where the screen families put their screens. A description is built the
// first time it is looked up, so registering costs nothing at start-up.
class Registry {
public:
    using Build = std::function<solver::SolverScreen()>;
    // Adds a screen; a name given twice is a programming error (throws).
    void add(const std::string &name, Build build);
    // The screen's description, built on its first lookup; nullptr for a
    // name never added. A description whose own name is not the one it was
    // added under is a programming error: it throws on every lookup.
    const solver::SolverScreen *find(const std::string &name);
    std::vector<std::string> names() const;

private:
    struct Entry {
        Build build;
        std::unique_ptr<solver::SolverScreen> built;
    };
    std::map<std::string, Entry> m_entries;
};

// The screen's description, or nullptr when no such solver screen is built.
const solver::SolverScreen *find(const std::string &name);

// The names of every solver screen built.
std::vector<std::string> names();

// π as the screens of the sphere and of the equilateral cylinder write it (to
// ten decimals), and 2π, 4π and 6π as they write them; each built on first use.
const solver::Expr &pi();
const solver::Expr &twoPi();
const solver::Expr &fourPi();
const solver::Expr &sixPi();
// π and 2π as the cones, the cylinder and the haystack write them: 3,14 and 6,28.
const solver::Expr &approxPi();
const solver::Expr &approxTwoPi();
// The apothem and the area of the regular polygon of n sides with side 1, as
// the screens compute with them (0,866 for the hexagon's apothem), each
// explained where the solution first uses it.
solver::Expr polygonApothem(int n, double value);
solver::Expr polygonArea(int n, double value);

// The formula texts of a family record (one source, a record per screen): one
// for every case of the chain, keyed by the known quantities of the case in
// the order it asks for them ("AL L").
using FormulaTable = std::vector<std::pair<std::string, std::string>>;

// The text of the table for the case of these known quantities; a case the
// table has no text for is a programming error (throws std::logic_error).
const std::string &formulaText(const FormulaTable &table, const std::string &screen,
                               const std::string &known);

// Each family registers its screens (one source per family under
// src/solids/<family>/).
void registerElementary(Registry &registry);
void registerPyramids(Registry &registry);
void registerPrisms(Registry &registry);
void registerSphere(Registry &registry);
void registerPolyhedra(Registry &registry);
void registerPractical(Registry &registry);

} // namespace solids
