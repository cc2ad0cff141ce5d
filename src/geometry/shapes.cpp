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
    for (double d : dimensions)
        if (!std::isfinite(d))
            return Refusal{ "una delle misure è troppo grande per essere disegnata." };
    if (auto built = buildRound(shape, dimensions))
        return std::move(*built);
    if (auto built = buildFlat(shape, dimensions))
        return std::move(*built);
    return Refusal{ "questo solido non ha ancora una figura." };
}

} // namespace geometry
