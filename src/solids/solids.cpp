#include "solids.h"

#include <stdexcept>

namespace solids {

namespace {

Registry &registry()
{
    static Registry r = [] {
        Registry out;
        registerElementary(out);
        registerPyramids(out);
        registerPrisms(out);
        registerSphere(out);
        registerPolyhedra(out);
        registerPractical(out);
        return out;
    }();
    return r;
}

} // namespace

const std::string &formulaText(const FormulaTable &table, const std::string &screen,
                               const std::string &known)
{
    for (const auto &[case_, text] : table)
        if (case_ == known)
            return text;
    throw std::logic_error(screen + " has no formula text for " + known);
}

void Registry::add(const std::string &name, Build build)
{
    if (!m_entries.emplace(name, Entry{ std::move(build), nullptr }).second)
        throw std::logic_error("screen " + name + " registered twice");
}

const solver::SolverScreen *Registry::find(const std::string &name)
{
    const auto it = m_entries.find(name);
    if (it == m_entries.end())
        return nullptr;
    Entry &entry = it->second;
    if (!entry.built) {
        // Kept only once it is known to be the screen asked for.
        auto built = std::make_unique<solver::SolverScreen>(entry.build());
        if (built->name != name)
            throw std::logic_error("screen registered as " + name + " is named " + built->name);
        entry.built = std::move(built);
    }
    return entry.built.get();
}

std::vector<std::string> Registry::names() const
{
    std::vector<std::string> out;
    for (const auto &entry : m_entries)
        out.push_back(entry.first);
    return out;
}

const solver::SolverScreen *find(const std::string &name)
{
    return registry().find(name);
}

std::vector<std::string> names()
{
    return registry().names();
}

const solver::Expr &pi()
{
    static const solver::Expr c = solver::Expr::constant("π", 3.1415926535);
    return c;
}

const solver::Expr &twoPi()
{
    static const solver::Expr c = solver::Expr::constant("2π", 6.283185307);
    return c;
}

const solver::Expr &fourPi()
{
    static const solver::Expr c = solver::Expr::constant("4π", 12.566370614);
    return c;
}

} // namespace solids
