// What kind of measure each quantity is, and the program-wide choices of how
// results are written: the unit the data are measured in, the number of
// decimals shown, and the specific weight that gives a solid's weight.
//
// The unit is a name for what the user typed, never a conversion: data in cm
// give results in cm, cm² and cm³. Capacity and weight are the only values
// worked out in other units (litres; g, kg, t ...).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace solver {

enum class Kind { Length, Area, Volume, Angle, Number };

// A quantity of a screen and its kind: {"r", Kind::Length}.
struct QuantityKind {
    std::string symbol;
    Kind kind;
};

enum class Unit { None, Millimetre, Centimetre, Decimetre, Metre, Kilometre };

// The choices of the row beside "Stampa", the same on every screen.
struct Preferences {
    Unit unit = Unit::None;
    int decimals = kAllDecimals;
    // In g/cm³, as typed under the locale's separator; empty: not given.
    std::string specificWeight = {};

    static constexpr int kAllDecimals = -1;
    static constexpr int kMaxDecimals = 6;

    bool isDefault() const { return unit == Unit::None && decimals == kAllDecimals; }
    bool operator==(const Preferences &) const = default;
};

// The options of "Unità", in the order listed: "—", "mm", "cm", "dm", "m", "km".
const std::vector<std::string> &unitOptions();
// An option of "Unità" as a unit: "cm"; "—" and "" are no unit; nullopt for
// anything else.
std::optional<Unit> unitFromName(std::string_view name);
// "cm"; "—" for no unit.
std::string unitName(Unit unit);

// The options of "Decimali": "tutti", "0", ... "6".
const std::vector<std::string> &decimalsOptions();
// "tutti" is every decimal (kAllDecimals); nullopt for anything else.
std::optional<int> decimalsFromName(std::string_view name);
std::string decimalsName(int decimals);

// The pick list of "Peso specifico": a material and its specific weight in
// g/cm³, written with a point ("7.8").
struct Material {
    std::string name;  // "ferro"
    std::string value; // "7.8"
};
const std::vector<Material> &materials();

// What a result of `kind` is followed by: " cm³", "°" for an angle; nothing
// without a unit or for a plain number.
std::string unitSuffix(Unit unit, Kind kind);
// The unit of a weight from a volume in unit³ and a specific weight in g/cm³,
// with nothing to convert: "mg", "g", "kg", "t", "Gt"; empty without a unit.
std::string weightUnit(Unit unit);
// Litres in one cubic unit (1 dm³ = 1 l).
double litresPerCubicUnit(Unit unit);

} // namespace solver
