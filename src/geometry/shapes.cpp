#include "builders.h"

#include <cmath>

namespace geometry {

const Anchor *Solid::anchor(const std::string &name) const
{
    for (const auto &a : anchors)
        if (a.name == name)
            return &a;
    return nullptr;
}

std::variant<Solid, Refusal> build(Shape shape, const std::vector<double> &dimensions)
{
    // Beyond these a mesh's arithmetic (squares, cross products) leaves the
    // range of a double.
    constexpr double kLargest = 1e100, kSmallest = 1e-100;
    for (double d : dimensions) {
        if (!std::isfinite(d) || d > kLargest)
            return Refusal{ "una delle misure è troppo grande per essere disegnata." };
        if (d > 0 && d < kSmallest)
            return Refusal{ "una delle misure è troppo piccola per essere disegnata." };
    }
    if (auto built = buildRound(shape, dimensions))
        return std::move(*built);
    if (auto built = buildFlat(shape, dimensions))
        return std::move(*built);
    return Refusal{ "questo solido non ha ancora una figura." };
}

} // namespace geometry
