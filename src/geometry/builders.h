// The builders of the two families of shapes, which build() dispatches to:
// solids of revolution and the sphere's parts, and solids with flat faces.
// Each gives nullopt for a shape that is not of its family.
#pragma once

#include "shapes.h"

#include <optional>
#include <variant>

namespace geometry {

using Built = std::variant<Solid, Refusal>;

std::optional<Built> buildRound(Shape shape, const std::vector<double> &dimensions);
std::optional<Built> buildFlat(Shape shape, const std::vector<double> &dimensions);

} // namespace geometry
