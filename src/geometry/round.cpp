// Solids of revolution and the sphere's parts.
//
// The anchors each shape gives, where a textbook draws them:
//   Cylinder (r, h): radius (top base, centre to rim), diameter (across the
//     bottom base), height (a generatrix), diagonal (of the axial section),
//     rim (the bottom circumference).
//   Cone (r, h): radius, diameter (across the base), height (the axis),
//     slant (the apothem, rim to apex), rim (the base circumference).
//   Frustum (r1, r2, h): bottomRadius, topRadius, bottomDiameter,
//     topDiameter, height (the axis), slant (the apothem), bottomRim, topRim.
//   Sphere (r): radius, diameter, rim (a great circle, the equator).
//   Cap (R, h): sphereRadius (centre to the base's rim), sphereDiameter
//     (through the centre), height (beside the cap), baseRadius, baseRim.
//   Zone (R, h, r1, r2): sphereRadius, sphereDiameter, height (beside the
//     zone), bottomRadius (r1), topRadius (r2), bottomRim, topRim.
//   Wedge (r, alfa): radius (centre to a point of one of the flat faces),
//     diameter (the edge along the axis), angle (an arc between the faces).
//   Haystack (r, R, h, h1): bottomRadius (r), topRadius (R, where the
//     truncated cone meets the cone), height (the truncated cone's axis),
//     coneHeight (the cone's axis), slant (the truncated cone's side).
//   Barrel (D, d, L), lying along x: bungDiameter (upright across the middle
//     section), headDiameter (upright across an end), length (between the
//     two ends).
//   EllipticBarrel (D, D1, d, d1, L), lying along x: bungWidth (D, across
//     the middle section), bungHeight (D1, beside it), headWidth (d),
//     headHeight (d1), length.
#include "builders.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace geometry {

namespace {

constexpr double kPi = std::numbers::pi;
// Segments around a whole turn, and bands from pole to pole of a sphere.
constexpr int kAround = 64;
constexpr int kBands = 32;
// Bands along a barrel, an even number so that a ring lies at the bung.
constexpr int kBarrelBands = 16;
// Beyond this the squares of the measures lose the precision a figure needs.
constexpr double kLargest = 1e100;

// The cross-section at height z: an ellipse of semi-axes a (along x) and b
// (along y); a = b = 0 is a pole.
struct Section {
    double a = 0.0, b = 0.0, z = 0.0;
};

Vec3 onSection(const Section &s, double angle)
{
    return { s.a * std::cos(angle), s.b * std::sin(angle), s.z };
}

// Sweeps the sections, from the lowest to the highest, through `sweep`
// radians from `from`; band i (between section i and i+1) belongs to the
// curved surface surfaces[i]. A whole turn is closed by flat bases where
// the first and last sections are not poles. Bands whose quadrilaterals may
// not be planar (elliptic sections of different shapes) are split into
// triangles. Gives each section's vertices, the last repeating the first on
// a whole turn.
std::vector<std::vector<int>> sweepSections(Mesh &mesh, const std::vector<Section> &sections,
                                            const std::vector<int> &surfaces, int segments,
                                            double from = 0.0, double sweep = 2 * kPi,
                                            bool triangles = false)
{
    const bool whole = sweep >= 2 * kPi;
    std::vector<std::vector<int>> rings;
    for (const auto &s : sections) {
        std::vector<int> ring;
        if (s.a == 0.0 && s.b == 0.0) {
            ring.assign(segments + 1, mesh.add({ 0.0, 0.0, s.z }));
        } else {
            for (int j = 0; j < segments; ++j)
                ring.push_back(mesh.add(onSection(s, from + sweep * j / segments)));
            ring.push_back(whole ? ring.front() : mesh.add(onSection(s, from + sweep)));
        }
        rings.push_back(std::move(ring));
    }
    for (std::size_t i = 0; i + 1 < rings.size(); ++i) {
        const auto &lo = rings[i], &hi = rings[i + 1];
        for (int j = 0; j < segments; ++j) {
            const int a = lo[j], b = lo[j + 1], c = hi[j + 1], d = hi[j];
            if (a == b)
                mesh.face({ a, c, d }, surfaces[i]);
            else if (c == d)
                mesh.face({ a, b, c }, surfaces[i]);
            else if (triangles) {
                mesh.face({ a, b, c }, surfaces[i]);
                mesh.face({ a, c, d }, surfaces[i]);
            } else {
                mesh.face({ a, b, c, d }, surfaces[i]);
            }
        }
    }
    if (whole) {
        const auto &bottom = rings.front(), &top = rings.back();
        if (bottom[0] != bottom[1])
            mesh.face(std::vector<int>(bottom.rbegin() + 1, bottom.rend()));
        if (top[0] != top[1])
            mesh.face(std::vector<int>(top.begin(), top.end() - 1));
    }
    return rings;
}

// A circle of radius r about the vertical axis at height z, as a closed
// path beginning at `start` radians: its middle lies opposite the start.
std::vector<Vec3> circle(double r, double z, double start)
{
    std::vector<Vec3> path;
    for (int j = 0; j <= kAround; ++j) {
        const double t = start + 2 * kPi * j / kAround;
        path.push_back({ r * std::cos(t), r * std::sin(t), z });
    }
    return path;
}

Vec3 around(double r, double angle, double z)
{
    return { r * std::cos(angle), r * std::sin(angle), z };
}

// The sections of a sphere of radius R centred at height c, from latitude
// lo to latitude hi (radians, -π/2 at the south pole), in bands of about
// the same angle as a whole sphere's.
std::vector<Section> sphereSections(double R, double c, double lo, double hi)
{
    const int bands = std::max(2, int(std::ceil(kBands * (hi - lo) / kPi)));
    std::vector<Section> sections;
    for (int i = 0; i <= bands; ++i) {
        const double t = lo + (hi - lo) * i / bands;
        double r = R * std::cos(t);
        if (i == 0 && lo <= -kPi / 2)
            r = 0.0;
        if (i == bands && hi >= kPi / 2)
            r = 0.0;
        sections.push_back({ r, r, c + R * std::sin(t) });
    }
    return sections;
}

Solid cylinder(double r, double h)
{
    Solid s;
    sweepSections(s.mesh, { { r, r, 0.0 }, { r, r, h } }, { 1 }, kAround);
    s.anchors = {
        { "radius", { { 0.0, 0.0, h }, { r, 0.0, h } } },
        { "diameter", { { 0.0, -r, 0.0 }, { 0.0, r, 0.0 } } },
        { "height", { { -r, 0.0, 0.0 }, { -r, 0.0, h } } },
        { "diagonal", { { 0.0, -r, 0.0 }, { 0.0, r, h } } },
        { "rim", circle(r, 0.0, kPi) },
    };
    return s;
}

Solid frustum(double r1, double r2, double h)
{
    Solid s;
    sweepSections(s.mesh, { { r1, r1, 0.0 }, { r2, r2, h } }, { 1 }, kAround);
    s.anchors = {
        { "bottomRadius", { { 0.0, 0.0, 0.0 }, { r1, 0.0, 0.0 } } },
        { "topRadius", { { 0.0, 0.0, h }, { r2, 0.0, h } } },
        { "bottomDiameter", { around(r1, -kPi / 2, 0.0), around(r1, kPi / 2, 0.0) } },
        { "topDiameter", { around(r2, -kPi / 2, h), around(r2, kPi / 2, h) } },
        { "height", { { 0.0, 0.0, 0.0 }, { 0.0, 0.0, h } } },
        { "slant", { { -r1, 0.0, 0.0 }, { -r2, 0.0, h } } },
        { "bottomRim", circle(r1, 0.0, kPi / 4) },
        { "topRim", circle(r2, h, kPi / 4) },
    };
    return s;
}

Solid cone(double r, double h)
{
    Solid s;
    sweepSections(s.mesh, { { r, r, 0.0 }, { 0.0, 0.0, h } }, { 1 }, kAround);
    s.anchors = {
        { "radius", { { 0.0, 0.0, 0.0 }, { r, 0.0, 0.0 } } },
        { "diameter", { around(r, -kPi / 2, 0.0), around(r, kPi / 2, 0.0) } },
        { "height", { { 0.0, 0.0, 0.0 }, { 0.0, 0.0, h } } },
        { "slant", { { -r, 0.0, 0.0 }, { 0.0, 0.0, h } } },
        { "rim", circle(r, 0.0, kPi / 4) },
    };
    return s;
}

// Sphere, cap and zone alike: a part of a sphere, swept from its sections,
// with the anchor of the sphere's diameter through its centre at height c.
Solid spherePart(double R, double c, const std::vector<Section> &sections)
{
    Solid s;
    sweepSections(s.mesh, sections, std::vector<int>(sections.size(), 1), kAround);
    s.anchors = {
        { "sphereDiameter", { around(R, 3 * kPi / 4, c), around(R, -kPi / 4, c) } },
    };
    return s;
}

Solid sphere(double r)
{
    Solid s = spherePart(r, r, sphereSections(r, r, -kPi / 2, kPi / 2));
    s.anchors = {
        { "radius",
          { { 0.0, 0.0, r }, around(r * std::cos(kPi / 4), 0.0, r + r * std::sin(kPi / 4)) } },
        { "diameter", { around(r, -kPi / 2, r), around(r, kPi / 2, r) } },
        { "rim", circle(r, r, kPi / 4) },
    };
    return s;
}

// The cap stands on its base, its pole on top; the dimensions fix it whole.
Built cap(double R, double h)
{
    if (h > 2 * R * (1 + 1e-12))
        return Refusal{ "la calotta è più alta del diametro della sfera." };
    h = std::min(h, 2 * R);
    const double c = h - R;                                     // the centre's height
    const double a = std::sqrt(std::max(0.0, h * (2 * R - h))); // the base's radius
    auto sections = sphereSections(R, c, std::asin(std::clamp(-c / R, -1.0, 1.0)), kPi / 2);
    sections.front() = { a, a, 0.0 }; // the base exactly on the floor
    Solid s = spherePart(R, c, sections);
    const double side = h >= R ? R : a; // the widest section
    s.anchors.push_back({ "sphereRadius", { { 0.0, 0.0, c }, { a, 0.0, 0.0 } } });
    s.anchors.push_back({ "height", { { -side, 0.0, 0.0 }, { -side, 0.0, h } } });
    s.anchors.push_back({ "baseRadius", { { 0.0, 0.0, 0.0 }, around(a, -kPi / 2, 0.0) } });
    s.anchors.push_back({ "baseRim", circle(a, 0.0, kPi / 4) });
    return s;
}

// The zone stands on the base of radius r1, the base of radius r2 above it.
// Its position on the sphere is fixed by r1, r2 and h: the centre lies at
// (r2² − r1² + h²) / (2h) above the lower base. The sphere's radius must
// agree with them (to the precision a result is shown with). Given only R
// and h (both bases unknown), the zone is drawn symmetric about the equator.
Built zone(double R, double h, double r1, double r2, bool basesKnown)
{
    if (h > 2 * R * (1 + 1e-12))
        return Refusal{ "la zona è più alta del diametro della sfera." };
    if (!basesKnown) {
        h = std::min(h, 2 * R);
        r1 = r2 = std::sqrt(std::max(0.0, R * R - h * h / 4));
    }
    if (r1 > R * (1 + 1e-12) || r2 > R * (1 + 1e-12))
        return Refusal{ "il raggio di una base della zona supera quello della sfera." };
    const double c = (r2 * r2 - r1 * r1 + h * h) / (2 * h);
    const double implied = std::sqrt(r1 * r1 + c * c);
    if (!(std::fabs(implied - R) <= 1e-3 * R))
        return Refusal{ "le basi e l'altezza della zona non stanno su una sfera di quel raggio." };
    const double lo = std::asin(std::clamp(-c / implied, -1.0, 1.0));
    const double hi = std::asin(std::clamp((h - c) / implied, -1.0, 1.0));
    auto sections = sphereSections(implied, c, lo, hi);
    // The bases exactly where the data put them (a base of radius 0 a pole).
    sections.front() = { r1, r1, 0.0 };
    sections.back() = { r2, r2, h };
    Solid s = spherePart(implied, c, sections);
    const double side = lo < 0.0 && hi > 0.0 ? implied : std::max(r1, r2);
    const double mid = (lo + hi) / 2;
    s.anchors.push_back(
        { "sphereRadius",
          { { 0.0, 0.0, c },
            around(implied * std::cos(mid), -kPi / 2, c + implied * std::sin(mid)) } });
    s.anchors.push_back({ "height", { { -side, 0.0, 0.0 }, { -side, 0.0, h } } });
    s.anchors.push_back({ "bottomRadius", { { 0.0, 0.0, 0.0 }, { r1, 0.0, 0.0 } } });
    s.anchors.push_back({ "topRadius", { { 0.0, 0.0, h }, { r2, 0.0, h } } });
    s.anchors.push_back({ "bottomRim", circle(r1, 0.0, kPi / 4) });
    s.anchors.push_back({ "topRim", circle(r2, h, kPi / 4) });
    return s;
}

// The wedge: the part of the sphere between two half-planes through its
// vertical axis, alfa degrees apart, the x axis halving the angle
// between them. A wedge of a whole turn is the sphere.
Built wedge(double r, double alfa)
{
    if (alfa > 360.0 * (1 + 1e-12))
        return Refusal{ "l'angolo del fuso supera l'angolo giro." };
    const double sweep = std::min(alfa, 360.0) * kPi / 180.0;
    const double from = -sweep / 2;
    Solid s;
    auto &m = s.mesh;
    if (sweep >= 2 * kPi * (1 - 1e-12)) {
        s = sphere(r);
        s.anchors.clear();
    } else {
        const int segments = std::max(1, int(std::ceil(kAround * sweep / (2 * kPi))));
        const auto sections = sphereSections(r, r, -kPi / 2, kPi / 2);
        const auto rings =
            sweepSections(m, sections, std::vector<int>(sections.size(), 1), segments, from, sweep);
        // The two half-discs: seen from outside, the first runs up its
        // meridian, the last down its own; both close along the axis.
        std::vector<int> first, last;
        for (std::size_t i = 0; i < rings.size(); ++i)
            first.push_back(rings[i].front());
        for (std::size_t i = rings.size(); i-- > 0;)
            last.push_back(rings[i].back());
        m.face(first);
        m.face(last);
        m.convex = sweep <= kPi;
    }
    const double q = kPi / 4;
    s.anchors.push_back(
        { "radius", { { 0.0, 0.0, r }, around(r * std::cos(q), from, r + r * std::sin(q)) } });
    s.anchors.push_back({ "diameter", { { 0.0, 0.0, 0.0 }, { 0.0, 0.0, 2 * r } } });
    std::vector<Vec3> arc;
    const int steps = std::max(2, int(std::ceil(kAround * sweep / (2 * kPi))));
    for (int j = 0; j <= steps; ++j)
        arc.push_back(around(r / 2, from + sweep * j / steps, r));
    s.anchors.push_back({ "angle", arc });
    return s;
}

Solid haystack(double r, double R, double h, double h1)
{
    Solid s;
    sweepSections(s.mesh, { { r, r, 0.0 }, { R, R, h }, { 0.0, 0.0, h + h1 } }, { 1, 2 }, kAround);
    // Convex while the side's slope only turns inwards going up.
    s.mesh.convex = (R - r) / h >= -R / h1;
    s.anchors = {
        { "bottomRadius", { { 0.0, 0.0, 0.0 }, { r, 0.0, 0.0 } } },
        { "topRadius", { { 0.0, 0.0, h }, { R, 0.0, h } } },
        { "height", { { 0.0, 0.0, 0.0 }, { 0.0, 0.0, h } } },
        { "coneHeight", { { 0.0, 0.0, h }, { 0.0, 0.0, h + h1 } } },
        { "slant", { { -r, 0.0, 0.0 }, { -R, 0.0, h } } },
    };
    return s;
}

// A barrel of length L with elliptic sections: semi-axes A (across, y) and
// B (upright, z) at the bung, α and β at the heads, the semi-axes following
// A − (A − α)|u|^k along u = 2x/L. Built along z, then laid along x on the
// floor.
Solid barrelSolid(double A, double B, double alpha, double beta, double L, double k)
{
    std::vector<Section> sections;
    for (int i = 0; i <= kBarrelBands; ++i) {
        const double u = -1.0 + 2.0 * i / kBarrelBands;
        const double f = std::pow(std::fabs(u), k);
        sections.push_back({ A - (A - alpha) * f, B - (B - beta) * f, L / 2 * u });
    }
    Solid s;
    sweepSections(s.mesh, sections, std::vector<int>(kBarrelBands, 1), kAround, 0.0, 2 * kPi,
                  std::fabs(A * beta - B * alpha) > 1e-12 * A * beta);
    // (x, y, z) to (z, x, y) is a rotation: faces stay counter-clockwise.
    for (auto &v : s.mesh.vertices)
        v = { v.z, v.x, v.y + B };
    // Convex when the sections only narrow towards the heads, along a
    // profile without a hollow.
    s.mesh.convex = (A >= alpha && B >= beta && k >= 1.0) || (A == alpha && B == beta);
    return s;
}

// The circular barrel: for a parabolic profile (k = 2) the volume is
// exactly π L (2D² + D d + 3/4 d²) / 15.
Solid barrel(double D, double d, double L)
{
    Solid s = barrelSolid(D / 2, D / 2, d / 2, d / 2, L, 2.0);
    s.anchors = {
        { "bungDiameter", { { 0.0, 0.0, 0.0 }, { 0.0, 0.0, D } } },
        { "headDiameter", { { L / 2, 0.0, D / 2 - d / 2 }, { L / 2, 0.0, D / 2 + d / 2 } } },
        { "length", { { -L / 2, 0.0, D / 2 - d / 2 }, { L / 2, 0.0, D / 2 - d / 2 } } },
    };
    return s;
}

// The mean of the section's area over π, a(u) b(u), along the barrel for
// the exponent k.
double meanSection(double A, double B, double alpha, double beta, double k)
{
    const double p = A - alpha, q = B - beta;
    return A * B - (A * q + B * p) / (k + 1) + p * q / (2 * k + 1);
}

// The elliptic barrel's volume is worked out as π L (D + D1 + (d + d1)/2)² / 36:
// its sections' mean area is that of a circle whose diameter is the mean of
// the four, bung counted twice. The exponent k of the profile is chosen so
// that the mean section is exactly that. With very unequal axes no profile
// between the given sections reaches it (the formula overestimates such a
// barrel); then the profile closest to it is drawn.
Solid ellipticBarrel(double D, double D1, double d, double d1, double L)
{
    const double A = D / 2, B = D1 / 2, alpha = d / 2, beta = d1 / 2;
    const double target = std::pow((D + D1 + (d + d1) / 2) / 6, 2);
    const auto miss = [&](double k) { return meanSection(A, B, alpha, beta, k) - target; };
    // The exponents from a near cone to a near cylinder, on a logarithmic grid.
    double best = 2.0;
    double lo = 0.0, hi = 0.0;
    bool bracket = false;
    double previous = 0.0;
    for (int i = 0; i <= 64; ++i) {
        const double k = std::pow(2.0, -3.0 + 9.0 * i / 64);
        if (std::fabs(miss(k)) < std::fabs(miss(best)))
            best = k;
        if (i > 0 && !bracket && (miss(k) > 0) != (miss(previous) > 0)) {
            lo = previous;
            hi = k;
            bracket = true;
        }
        previous = k;
    }
    if (bracket) {
        for (int i = 0; i < 100; ++i) {
            const double mid = (lo + hi) / 2;
            if ((miss(mid) > 0) == (miss(lo) > 0))
                lo = mid;
            else
                hi = mid;
        }
        best = (lo + hi) / 2;
    }
    Solid s = barrelSolid(A, B, alpha, beta, L, best);
    s.anchors = {
        { "bungWidth", { { 0.0, -A, B }, { 0.0, A, B } } },
        { "bungHeight", { { 0.0, -A, 0.0 }, { 0.0, -A, D1 } } },
        { "headWidth", { { L / 2, -alpha, B }, { L / 2, alpha, B } } },
        { "headHeight", { { L / 2, -alpha, B - beta }, { L / 2, -alpha, B + beta } } },
        { "length", { { -L / 2, 0.0, B - beta }, { L / 2, 0.0, B - beta } } },
    };
    return s;
}

// How many dimensions each shape of this family takes.
std::optional<std::size_t> arity(Shape shape)
{
    switch (shape) {
    case Shape::Sphere:
        return 1;
    case Shape::Cylinder:
    case Shape::Cone:
    case Shape::Cap:
    case Shape::Wedge:
        return 2;
    case Shape::Frustum:
    case Shape::Barrel:
        return 3;
    case Shape::Zone:
    case Shape::Haystack:
        return 4;
    case Shape::EllipticBarrel:
        return 5;
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<Built> buildRound(Shape shape, const std::vector<double> &dims)
{
    const auto count = arity(shape);
    if (!count)
        return std::nullopt;
    // A zone may come with its sphere's radius and height alone.
    const bool shortZone = shape == Shape::Zone && dims.size() == 2;
    if (dims.size() != *count && !shortZone)
        return Refusal{ "mancano delle misure per disegnare il solido." };
    for (std::size_t i = 0; i < dims.size(); ++i) {
        if (!std::isfinite(dims[i]) || dims[i] > kLargest)
            return Refusal{ "una delle misure è troppo grande per essere disegnata." };
        // A zone's base may be a point: then the zone is a cap.
        const bool point = shape == Shape::Zone && i >= 2 && dims[i] == 0.0;
        if (!(dims[i] > 0.0) && !point)
            return Refusal{ "le misure di un solido devono essere positive." };
    }
    switch (shape) {
    case Shape::Cylinder:
        return cylinder(dims[0], dims[1]);
    case Shape::Cone:
        return cone(dims[0], dims[1]);
    case Shape::Frustum:
        return frustum(dims[0], dims[1], dims[2]);
    case Shape::Sphere:
        return sphere(dims[0]);
    case Shape::Cap:
        return cap(dims[0], dims[1]);
    case Shape::Zone:
        return shortZone ? zone(dims[0], dims[1], 0.0, 0.0, false)
                         : zone(dims[0], dims[1], dims[2], dims[3], true);
    case Shape::Wedge:
        return wedge(dims[0], dims[1]);
    case Shape::Haystack:
        return haystack(dims[0], dims[1], dims[2], dims[3]);
    case Shape::Barrel:
        return barrel(dims[0], dims[1], dims[2]);
    case Shape::EllipticBarrel:
        return ellipticBarrel(dims[0], dims[1], dims[2], dims[3], dims[4]);
    default:
        return std::nullopt;
    }
}

} // namespace geometry
