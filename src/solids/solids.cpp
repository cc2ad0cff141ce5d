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

const solver::Expr &sixPi()
{
    static const solver::Expr c = solver::Expr::constant("6π", 18.849555921);
    return c;
}

const solver::Expr &approxPi()
{
    static const solver::Expr c = solver::Expr::explained(3.14, "π");
    return c;
}

const solver::Expr &approxTwoPi()
{
    static const solver::Expr c = solver::Expr::explained(6.28, "2π");
    return c;
}

namespace {

// The regular polygon of n sides, with its article.
std::string polygonName(int n)
{
    static const char *const names[] = { "il triangolo equilatero", "il quadrato",
                                         "il pentagono regolare",   "l'esagono regolare",
                                         "l'ettagono regolare",     "l'ottagono regolare",
                                         "l'ennagono regolare",     "il decagono regolare",
                                         "l'endecagono regolare",   "il dodecagono regolare" };
    if (n >= 3 && n <= 12)
        return names[n - 3];
    return "il poligono regolare di " + std::to_string(n) + " lati";
}

std::string of(const std::string &withArticle)
{
    if (withArticle.rfind("il ", 0) == 0)
        return "del " + withArticle.substr(3);
    return "dell'" + withArticle.substr(2);
}

} // namespace

solver::Expr polygonApothem(int n, double value)
{
    const std::string angle = "π/" + std::to_string(n);
    return solver::Expr::explained(value, "1 / (2 · tan(" + angle + ")), l'apotema "
                                              + of(polygonName(n)) + " di lato 1");
}

solver::Expr polygonArea(int n, double value)
{
    const std::string angle = "π/" + std::to_string(n);
    return solver::Expr::explained(value, std::to_string(n) + " / (4 · tan(" + angle + ")), l'area "
                                              + of(polygonName(n)) + " di lato 1");
}

} // namespace solids
