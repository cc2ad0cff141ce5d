#include "units.h"

namespace solver {

namespace {

struct UnitRecord {
    Unit unit;
    const char *name;
    const char *weight; // a volume in unit³ times g/cm³
    double litres;      // in one unit³
};

constexpr UnitRecord kUnits[] = {
    { Unit::None, "\u2014", "", 0.0 },
    { Unit::Millimetre, "mm", "mg", 1e-6 },
    { Unit::Centimetre, "cm", "g", 1e-3 },
    { Unit::Decimetre, "dm", "kg", 1.0 },
    { Unit::Metre, "m", "t", 1e3 },
    // 1 km³ · 1 t/m³ = 10⁹ t: a gigatonne.
    { Unit::Kilometre, "km", "Gt", 1e12 },
};

const UnitRecord &record(Unit unit)
{
    for (const auto &r : kUnits)
        if (r.unit == unit)
            return r;
    return kUnits[0];
}

} // namespace

const std::vector<std::string> &unitOptions()
{
    static const std::vector<std::string> options = [] {
        std::vector<std::string> out;
        for (const auto &r : kUnits)
            out.emplace_back(r.name);
        return out;
    }();
    return options;
}

std::optional<Unit> unitFromName(std::string_view name)
{
    if (name.empty())
        return Unit::None;
    for (const auto &r : kUnits)
        if (name == r.name)
            return r.unit;
    return std::nullopt;
}

std::string unitName(Unit unit)
{
    return record(unit).name;
}

const std::vector<std::string> &decimalsOptions()
{
    static const std::vector<std::string> options = [] {
        std::vector<std::string> out{ "tutti" };
        for (int i = 0; i <= Preferences::kMaxDecimals; ++i)
            out.push_back(std::string(1, static_cast<char>('0' + i)));
        return out;
    }();
    return options;
}

std::optional<int> decimalsFromName(std::string_view name)
{
    if (name == "tutti")
        return Preferences::kAllDecimals;
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '0' + Preferences::kMaxDecimals)
        return name[0] - '0';
    return std::nullopt;
}

std::string decimalsName(int decimals)
{
    if (decimals < 0 || decimals > Preferences::kMaxDecimals)
        return "tutti";
    return std::string(1, static_cast<char>('0' + decimals));
}

const std::vector<Material> &materials()
{
    static const std::vector<Material> list{
        { "acqua", "1" },   { "legno", "0.7" },     { "sughero", "0.25" }, { "vetro", "2.5" },
        { "marmo", "2.7" }, { "alluminio", "2.7" }, { "ferro", "7.8" },    { "oro", "19.3" },
    };
    return list;
}

std::string unitSuffix(Unit unit, Kind kind)
{
    if (unit == Unit::None)
        return {};
    const std::string name = record(unit).name;
    switch (kind) {
    case Kind::Length:
        return " " + name;
    case Kind::Area:
        return " " + name + "\u00b2";
    case Kind::Volume:
        return " " + name + "\u00b3";
    case Kind::Angle:
        return "\u00b0";
    case Kind::Number:
        break;
    }
    return {};
}

std::string weightUnit(Unit unit)
{
    return record(unit).weight;
}

double litresPerCubicUnit(Unit unit)
{
    return record(unit).litres;
}

} // namespace solver
