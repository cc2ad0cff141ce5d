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

void Registry::add(const std::string &name, Build build)
{
    if (!m_entries.emplace(name, Entry{ std::move(build), nullptr }).second)
        throw std::logic_error("screen " + name + " registered twice");
}

const solver::SolverScreen *find(const std::string &name)
{
    auto &entries = registry().m_entries;
    const auto it = entries.find(name);
    if (it == entries.end())
        return nullptr;
    if (!it->second.built) {
        it->second.built = std::make_unique<solver::SolverScreen>(it->second.build());
        if (it->second.built->name != name)
            throw std::logic_error("screen registered as " + name + " is named "
                                   + it->second.built->name);
    }
    return it->second.built.get();
}

std::vector<std::string> names()
{
    std::vector<std::string> out;
    for (const auto &entry : registry().m_entries)
        out.push_back(entry.first);
    return out;
}

} // namespace solids
