#include "solids.h"

#include <map>

namespace solids {

namespace {

using Factory = const solver::SolverScreen &(*)();

const std::map<std::string, Factory> &table()
{
    // Screen name -> description. Each description is built on first use.
    static const std::map<std::string, Factory> screens = {
        {"Form3", &cube},
        {"Form2", &cylinder},
        {"Form37", &equilateralCylinder},
        {"Form26", &truncatedCone},
        {"Form12", &cone},
        {"form4", &parallelepiped},
    };
    return screens;
}

} // namespace

const solver::SolverScreen *find(const std::string &name)
{
    const auto &t = table();
    const auto it = t.find(name);
    return it == t.end() ? nullptr : &it->second();
}

std::vector<std::string> names()
{
    std::vector<std::string> out;
    for (const auto &entry : table())
        out.push_back(entry.first);
    return out;
}

} // namespace solids
