// The solids the screens compute, built to scale from their defining
// dimensions, with the places where each of their measures is drawn.
#pragma once

#include "mesh.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace geometry {

// Every kind of solid, with its defining dimensions in the order build()
// takes them.
enum class Shape {
    Box,                // a, b, c: length, width, height (a cube has three equal)
    Cylinder,           // r, h
    Cone,               // r, h
    Frustum,            // r1, r2, h: truncated cone, lower and upper radius
    RegularPrism,       // n, s, h: n sides of length s
    RegularPyramid,     // n, s, h
    RectangularPyramid, // a, b, h
    TrapezoidPyramid,   // a, c, t, h: isosceles trapezoid with bases a, c and height t
    TruncatedPyramid,   // n, s1, s2, h: lower and upper side
    Sphere,             // r
    Cap,                // R, h: sphere radius, cap height
    Zone,               // R, h, r1, r2: sphere radius, height, radii of the two bases
    Wedge,              // r, alfa: sphere radius, angle in degrees
    Tetrahedron,        // l
    Cube,               // l
    Octahedron,         // l
    Dodecahedron,       // l
    Icosahedron,        // l
    Meda,               // a, b, c, d, h: rectangle a×b below, c×d above
    Cavalla,            // a, b, c, h: rectangle a×b below, ridge c above
    Biga,               // a, b, c, d, h, h1: a meda upside down under a cavalla
    Haystack,           // r, R, h, h1: truncated cone r below R, cone h1 above
    Trench,             // A1, A2, h: end sections of areas A1, A2, length h
    Prismoid,           // A1, A2, Am, h: bases and middle section
    Barrel,             // D, d, L: bung and head diameters, length
    EllipticBarrel,     // D, D1, d, d1, L: axes of the middle and end sections
};

// Where a measure is drawn: a segment (two points), or a path along an arc
// or a rim; its label goes beside the middle of the path.
struct Anchor {
    std::string name; // "height", "radius", "slant", ...
    std::vector<Vec3> path;
};

struct Solid {
    Mesh mesh;
    std::vector<Anchor> anchors;
    const Anchor *anchor(const std::string &name) const;
};

// Why there is no solid: a sentence that ends with a full stop.
struct Refusal {
    std::string reason;
};

// Builds the solid of `shape` from its dimensions (see Shape). Dimensions
// that describe no such solid (not positive, or not fitting together) give
// the reason instead.
std::variant<Solid, Refusal> build(Shape shape, const std::vector<double> &dimensions);

} // namespace geometry
