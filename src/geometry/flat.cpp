// Solids with flat faces: boxes, prisms, pyramids, the regular polyhedra and
// the heaps of the farm.
//
// Every solid stands on z = 0 with its axis on x = y = 0; a base polygon has
// one side in front (towards −y), parallel to x. The anchors of each shape:
//
//   Box:                length (a, front bottom edge), width (b, right bottom
//                       edge), height (c, front left vertical edge),
//                       baseDiagonal (on the bottom), diagonal (the space
//                       diagonal from the same corner)
//   Cube:               edge, faceDiagonal (on the bottom), diagonal
//   RegularPrism:       side (front bottom edge), height (a lateral edge),
//                       baseApothem (on the top face), baseRadius, baseDiagonal
//                       (between a vertex and the next but one, from 4 sides),
//                       baseDiameter (through the centre from a vertex, twice
//                       the radius), diagonal (over baseDiagonal),
//                       diameterDiagonal (over baseDiameter), baseHeight (on a
//                       triangle only)
//   RegularPyramid:     side, height (axis), slant (the front face's middle),
//                       baseApothem (foot of the height to the front side),
//                       baseRadius, lateralEdge, baseHeight (on a triangle)
//   Tetrahedron:        edge, height
//   RectangularPyramid: length, width, height, lengthSlant (middle of the face
//                       over the front side a), widthSlant (over the right
//                       side b), lateralEdge
//   TrapezoidPyramid:   frontSide (the parallel side a), backSide (c),
//                       obliqueSide, trapezoidHeight (from a back corner to the
//                       front side), overhang (the front side beyond that
//                       foot: half the difference of a and c), height (over
//                       the middle of the trapezoid's axis), slant (over the
//                       front side), inradius (from the foot of the height to
//                       the front side), frontEdge and backEdge (lateral edges
//                       to an end of the front and of the back side)
//   TruncatedPyramid:   lowerSide, upperSide (front edges), height (axis),
//                       slant (front face's middle), lowerApothem,
//                       upperApothem, lateralEdge
//   Octahedron, Dodecahedron, Icosahedron: edge (front edge of the bottom face)
//   Meda:               length (a), width (b) at the foot, topLength (c),
//                       topWidth (d) on top, height (axis)
//   Cavalla:            length, width, ridge (c), height (ridge to the ground)
//   Biga:               length (a), width (b) where meda and cavalla meet,
//                       bottomLength (c), bottomWidth (d) on the ground,
//                       height (the meda's, on the axis), ridgeHeight (h1,
//                       the cavalla's, on the axis above it)
//   Trench:             length (h, along the middle of the top)
//   Prismoid:           height (axis)
#include "builders.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace geometry {

namespace {

constexpr double pi = std::numbers::pi;

using Ring = std::vector<Vec3>;

Refusal refuse(const std::string &reason)
{
    return Refusal{ reason };
}

// A regular polygon of n sides of length s at height z, counter-clockwise seen
// from above, its first side in front and parallel to x.
Ring polygon(int n, double s, double z)
{
    const double R = s / (2.0 * std::sin(pi / n));
    Ring ring;
    for (int k = 0; k < n; ++k) {
        const double t = -pi / 2.0 - pi / n + 2.0 * pi * k / n;
        ring.push_back({ R * std::cos(t), R * std::sin(t), z });
    }
    return ring;
}

Ring rectangle(double a, double b, double z)
{
    return {
        { -a / 2, -b / 2, z }, { a / 2, -b / 2, z }, { a / 2, b / 2, z }, { -a / 2, b / 2, z }
    };
}

Vec3 middle(const Vec3 &p, const Vec3 &q)
{
    return (p + q) / 2.0;
}

// A solid swept through rings of equally many points, each counter-clockwise
// seen from above, from the ground up, with corresponding sides parallel.
// Equal points of one ring are one vertex, so a ring may close into a ridge
// or an apex; the top ring is a face only if it keeps three vertices.
Mesh stack(const std::vector<Ring> &rings)
{
    Mesh mesh;
    std::vector<std::vector<int>> ids;
    for (const auto &ring : rings) {
        std::vector<int> id;
        for (std::size_t i = 0; i < ring.size(); ++i) {
            // Equal points follow each other, or close the ring.
            if (i > 0 && ring[i] == ring[i - 1])
                id.push_back(id[i - 1]);
            else if (i > 0 && ring[i] == ring[0])
                id.push_back(id[0]);
            else
                id.push_back(mesh.add(ring[i]));
        }
        ids.push_back(id);
    }
    const auto distinct = [](std::vector<int> v) {
        std::vector<int> out;
        for (std::size_t i = 0; i < v.size(); ++i)
            if (v[i] != v[(i + 1) % v.size()])
                out.push_back(v[i]);
        return out;
    };
    mesh.face(std::vector<int>(ids.front().rbegin(), ids.front().rend()));
    for (std::size_t r = 0; r + 1 < ids.size(); ++r) {
        const auto &lo = ids[r], &hi = ids[r + 1];
        const std::size_t n = lo.size();
        for (std::size_t i = 0; i < n; ++i) {
            const std::size_t j = (i + 1) % n;
            auto side = distinct({ lo[i], lo[j], hi[j], hi[i] });
            if (side.size() >= 3)
                mesh.face(std::move(side));
        }
    }
    auto top = distinct(ids.back());
    if (top.size() >= 3)
        mesh.face(std::move(top));
    return mesh;
}

// Whether every vertex lies on the inner side of every face's plane.
bool isConvex(const Mesh &mesh)
{
    const double tolerance = 1e-12 * mesh.radius();
    for (const auto &f : mesh.faces) {
        Vec3 n = mesh.normal(f);
        n = n / length(n);
        const Vec3 &p = mesh.vertices[f.vertices[0]];
        for (const auto &v : mesh.vertices)
            if (dot(v - p, n) > tolerance)
                return false;
    }
    return true;
}

// The convex hull of a few points in general position as a mesh, each face
// counter-clockwise seen from outside.
Mesh hull(const std::vector<Vec3> &points)
{
    Mesh mesh;
    mesh.vertices = points;
    Vec3 centre;
    for (const auto &p : points)
        centre = centre + p;
    centre = centre / double(points.size());
    double size = 0.0;
    for (const auto &p : points)
        size = std::max(size, length(p - centre));
    const double eps = 1e-9 * size;
    std::vector<std::vector<int>> seen;
    const auto known = [&](int i, int j, int k) {
        for (const auto &face : seen) {
            const auto has = [&](int v) { return std::binary_search(face.begin(), face.end(), v); };
            if (has(i) && has(j) && has(k))
                return true;
        }
        return false;
    };
    const int n = int(points.size());
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            for (int k = j + 1; k < n; ++k) {
                if (known(i, j, k))
                    continue;
                Vec3 normal = cross(points[j] - points[i], points[k] - points[i]);
                if (length(normal) < eps * size)
                    continue;
                normal = normal / length(normal);
                if (dot(normal, points[i] - centre) < 0)
                    normal = normal * -1.0;
                std::vector<int> on;
                bool outside = false;
                for (int m = 0; m < n && !outside; ++m) {
                    const double d = dot(points[m] - points[i], normal);
                    if (d > eps)
                        outside = true;
                    else if (d > -eps)
                        on.push_back(m);
                }
                if (outside || on.size() < 3) // numbers beyond a double's reach
                    continue;
                seen.push_back(on);
                // Around the face's centre, counter-clockwise about the normal.
                Vec3 c;
                for (int m : on)
                    c = c + points[m];
                c = c / double(on.size());
                const Vec3 u = (points[on[0]] - c) / length(points[on[0]] - c);
                const Vec3 w = cross(normal, u);
                std::sort(on.begin(), on.end(), [&](int p, int q) {
                    const Vec3 dp = points[p] - c, dq = points[q] - c;
                    return std::atan2(dot(dp, w), dot(dp, u)) < std::atan2(dot(dq, w), dot(dq, u));
                });
                mesh.face(on);
            }
    return mesh;
}

// Turns a hull so that its first face lies on z = 0, centred on the axis,
// and names the front edge of that face.
Built onFirstFace(Mesh mesh)
{
    if (mesh.faces.size() < 4) // a hull of numbers beyond a double's reach
        return Refusal{ "le misure sono troppo grandi o troppo piccole per essere disegnate." };
    Vec3 n = mesh.normal(mesh.faces[0]);
    n = n / length(n);
    // The rotation that takes n to −z (Rodrigues' formula about n × −z).
    const Vec3 down{ 0, 0, -1 };
    const Vec3 axis = cross(n, down);
    const double s = length(axis), c = dot(n, down);
    if (s > 1e-12) {
        const Vec3 k = axis / s;
        for (auto &v : mesh.vertices)
            v = v * c + cross(k, v) * s + k * (dot(k, v) * (1.0 - c));
    } else if (c < 0) {
        for (auto &v : mesh.vertices)
            v = { v.x, -v.y, -v.z };
    }
    Vec3 mean;
    double low = mesh.vertices[0].z;
    for (const auto &v : mesh.vertices) {
        mean = mean + v;
        low = std::min(low, v.z);
    }
    mean = mean / double(mesh.vertices.size());
    for (auto &v : mesh.vertices)
        v = { v.x - mean.x, v.y - mean.y, v.z - low };
    // The bottom face's vertices lie on z = 0 up to rounding: put them there.
    for (int i : mesh.faces[0].vertices)
        mesh.vertices[i].z = 0.0;
    const auto &bottom = mesh.faces[0].vertices;
    std::size_t front = 0;
    double best = 0.0;
    for (std::size_t i = 0; i < bottom.size(); ++i) {
        const Vec3 m =
            middle(mesh.vertices[bottom[i]], mesh.vertices[bottom[(i + 1) % bottom.size()]]);
        if (i == 0 || m.y < best) {
            best = m.y;
            front = i;
        }
    }
    const Vec3 p = mesh.vertices[bottom[front]],
               q = mesh.vertices[bottom[(front + 1) % bottom.size()]];
    Solid solid{ std::move(mesh), {} };
    solid.anchors.push_back({ "edge", { p, q } });
    return solid;
}

Built box(double a, double b, double c, bool cube)
{
    const Ring lo = rectangle(a, b, 0.0), hi = rectangle(a, b, c);
    Solid solid{ stack({ lo, hi }), {} };
    if (cube) {
        solid.anchors = {
            { "edge", { lo[0], lo[1] } },
            { "faceDiagonal", { lo[0], lo[2] } },
            { "diagonal", { lo[1], hi[3] } },
        };
    } else {
        solid.anchors = {
            { "length", { lo[0], lo[1] } },   { "width", { lo[1], lo[2] } },
            { "height", { lo[0], hi[0] } },   { "baseDiagonal", { lo[0], lo[2] } },
            { "diagonal", { lo[0], hi[2] } },
        };
    }
    return solid;
}

// The number of sides of a regular base, or 0 if it is not one.
int sides(double n)
{
    return n >= 3 && n <= 360 && n == std::floor(n) ? int(n) : 0;
}

const char *kSides = "il numero dei lati della base deve essere un intero da 3 a 360.";

Built regularPrism(int n, double s, double h)
{
    const Ring lo = polygon(n, s, 0.0), hi = polygon(n, s, h);
    const Vec3 front = middle(lo[0], lo[1]);
    Solid solid{ stack({ lo, hi }), {} };
    const Vec3 up{ 0, 0, h };
    // Through the centre from the first vertex, to the circle around the base.
    const Vec3 across = lo[0] * -1.0;
    solid.anchors = {
        { "side", { lo[0], lo[1] } },          { "height", { lo[1], hi[1] } },
        { "baseApothem", { up, front + up } }, { "baseRadius", { Vec3{}, lo[n / 2] } },
        { "baseDiameter", { lo[0], across } }, { "diameterDiagonal", { lo[0], across + up } },
    };
    if (n >= 4) {
        solid.anchors.push_back({ "baseDiagonal", { lo[0], lo[2] } });
        solid.anchors.push_back({ "diagonal", { lo[0], hi[2] } });
    }
    if (n == 3)
        solid.anchors.push_back({ "baseHeight", { lo[2], front } });
    return solid;
}

Built regularPyramid(int n, double s, double h)
{
    const Ring lo = polygon(n, s, 0.0);
    const Vec3 apex{ 0, 0, h };
    const Vec3 front = middle(lo[0], lo[1]);
    Solid solid{ stack({ lo, Ring(n, apex) }), {} };
    solid.anchors = {
        { "side", { lo[0], lo[1] } },
        { "height", { Vec3{}, apex } },
        { "slant", { front, apex } },
        { "baseApothem", { Vec3{}, front } },
        { "baseRadius", { Vec3{}, lo[n / 2 + 1] } },
        { "lateralEdge", { lo[1], apex } },
    };
    if (n == 3)
        solid.anchors.push_back({ "baseHeight", { lo[2], front } });
    return solid;
}

Built rectangularPyramid(double a, double b, double h)
{
    const Ring lo = rectangle(a, b, 0.0);
    const Vec3 apex{ 0, 0, h };
    Solid solid{ stack({ lo, Ring(4, apex) }), {} };
    solid.anchors = {
        { "length", { lo[0], lo[1] } },
        { "width", { lo[1], lo[2] } },
        { "height", { Vec3{}, apex } },
        { "lengthSlant", { middle(lo[0], lo[1]), apex } },
        { "widthSlant", { middle(lo[1], lo[2]), apex } },
        { "lateralEdge", { lo[3], apex } },
    };
    return solid;
}

Built trapezoidPyramid(double a, double c, double t, double h)
{
    const Ring lo = {
        { -a / 2, -t / 2, 0 }, { a / 2, -t / 2, 0 }, { c / 2, t / 2, 0 }, { -c / 2, t / 2, 0 }
    };
    const Vec3 apex{ 0, 0, h };
    const Vec3 front{ 0, -t / 2, 0 };
    const Vec3 foot{ -c / 2, -t / 2, 0 };
    Solid solid{ stack({ lo, Ring(4, apex) }), {} };
    solid.anchors = {
        { "frontSide", { lo[0], lo[1] } },   { "backSide", { lo[2], lo[3] } },
        { "obliqueSide", { lo[1], lo[2] } }, { "trapezoidHeight", { lo[3], foot } },
        { "overhang", { lo[0], foot } },     { "height", { Vec3{}, apex } },
        { "slant", { front, apex } },        { "inradius", { Vec3{}, front } },
        { "frontEdge", { lo[1], apex } },    { "backEdge", { lo[3], apex } },
    };
    return solid;
}

Built truncatedPyramid(int n, double s1, double s2, double h)
{
    const Ring lo = polygon(n, s1, 0.0), hi = polygon(n, s2, h);
    const Vec3 up{ 0, 0, h };
    Solid solid{ stack({ lo, hi }), {} };
    solid.anchors = {
        { "lowerSide", { lo[0], lo[1] } },
        { "upperSide", { hi[0], hi[1] } },
        { "height", { Vec3{}, up } },
        { "slant", { middle(lo[0], lo[1]), middle(hi[0], hi[1]) } },
        { "lowerApothem", { Vec3{}, middle(lo[1], lo[2]) } },
        { "upperApothem", { up, middle(hi[1], hi[2]) } },
        { "lateralEdge", { lo[n - 1], hi[n - 1] } },
    };
    return solid;
}

Built tetrahedron(double l)
{
    const double h = l * std::sqrt(2.0 / 3.0);
    const Ring lo = polygon(3, l, 0.0);
    Solid solid{ stack({ lo, Ring(3, Vec3{ 0, 0, h }) }), {} };
    solid.anchors = {
        { "edge", { lo[0], lo[1] } },
        { "height", { Vec3{}, Vec3{ 0, 0, h } } },
    };
    return solid;
}

Built octahedron(double l)
{
    // A triangle and the same triangle turned half a side round, one height
    // between opposite faces above it.
    const double H = l * std::sqrt(2.0 / 3.0);
    const Ring lo = polygon(3, l, 0.0);
    std::vector<Vec3> points = lo;
    for (const auto &p : lo)
        points.push_back({ -p.x, -p.y, H });
    return onFirstFace(hull(points));
}

Built icosahedron(double l)
{
    const double phi = (1.0 + std::sqrt(5.0)) / 2.0, k = l / 2.0;
    std::vector<Vec3> points;
    for (double u : { -1.0, 1.0 })
        for (double v : { -phi, phi }) {
            points.push_back(Vec3{ 0, u, v } * k);
            points.push_back(Vec3{ u, v, 0 } * k);
            points.push_back(Vec3{ v, 0, u } * k);
        }
    return onFirstFace(hull(points));
}

Built dodecahedron(double l)
{
    const double phi = (1.0 + std::sqrt(5.0)) / 2.0, k = l * phi / 2.0;
    std::vector<Vec3> points;
    for (double x : { -1.0, 1.0 })
        for (double y : { -1.0, 1.0 }) {
            for (double z : { -1.0, 1.0 })
                points.push_back(Vec3{ x, y, z } * k);
            points.push_back(Vec3{ 0, x / phi, y * phi } * k);
            points.push_back(Vec3{ x / phi, y * phi, 0 } * k);
            points.push_back(Vec3{ x * phi, 0, y / phi } * k);
        }
    return onFirstFace(hull(points));
}

Built meda(double a, double b, double c, double d, double h)
{
    if (c > a || d > b)
        return refuse("la base superiore della meda non può sporgere da quella inferiore.");
    const Ring lo = rectangle(a, b, 0.0), hi = rectangle(c, d, h);
    Solid solid{ stack({ lo, hi }), {} };
    solid.anchors = {
        { "length", { lo[0], lo[1] } },
        { "width", { lo[1], lo[2] } },
        { "topLength", { hi[0], hi[1] } },
        { "topWidth", { hi[1], hi[2] } },
        { "height", { Vec3{}, Vec3{ 0, 0, h } } },
    };
    return solid;
}

// The ridge of a cavalla over a rectangle a × b, as a ring of four points
// over the rectangle's corners.
Ring ridge(double c, double z)
{
    return { { -c / 2, 0, z }, { c / 2, 0, z }, { c / 2, 0, z }, { -c / 2, 0, z } };
}

Built cavalla(double a, double b, double c, double h)
{
    if (c > a)
        return refuse("il colmo della cavalla non può essere più lungo della sua base.");
    const Ring lo = rectangle(a, b, 0.0), top = ridge(c, h);
    Solid solid{ stack({ lo, top }), {} };
    solid.anchors = {
        { "length", { lo[0], lo[1] } },
        { "width", { lo[1], lo[2] } },
        { "ridge", { top[0], top[1] } },
        { "height", { Vec3{ 0, 0, h }, Vec3{} } },
    };
    return solid;
}

Built biga(double a, double b, double c, double d, double h, double h1)
{
    if (c > a || d > b)
        return refuse("la base minore della meda non può sporgere dalla base maggiore.");
    const Ring lo = rectangle(c, d, 0.0), mid = rectangle(a, b, h), top = ridge(c, h + h1);
    Solid solid{ stack({ lo, mid, top }), {} };
    solid.mesh.convex = isConvex(solid.mesh);
    solid.anchors = {
        { "length", { mid[0], mid[1] } },
        { "width", { mid[1], mid[2] } },
        { "bottomLength", { lo[0], lo[1] } },
        { "bottomWidth", { lo[1], lo[2] } },
        { "height", { Vec3{}, Vec3{ 0, 0, h } } },
        { "ridgeHeight", { Vec3{ 0, 0, h }, Vec3{ 0, 0, h + h1 } } },
    };
    return solid;
}

// The end sections are isosceles trapezoids of one depth t whose sides slope
// at 45°, wider on the ground: the section's area then changes linearly along
// the trench. The depth is half the side of a square of the smaller area, so
// both tops stay wider than the depth.
Built trench(double A1, double A2, double h)
{
    const double t = std::sqrt(std::min(A1, A2)) / 2.0;
    const auto section = [&](double A, double y) {
        const double mean = A / t, lower = mean + t, upper = mean - t;
        return std::array<Vec3, 4>{ Vec3{ -lower / 2, y, 0 }, Vec3{ lower / 2, y, 0 },
                                    Vec3{ upper / 2, y, t }, Vec3{ -upper / 2, y, t } };
    };
    // The length h runs along y, section A1 in front.
    const auto f = section(A1, -h / 2), b = section(A2, h / 2);
    Mesh mesh;
    std::array<int, 4> F, B;
    for (int i = 0; i < 4; ++i)
        F[i] = mesh.add(f[i]);
    for (int i = 0; i < 4; ++i)
        B[i] = mesh.add(b[i]);
    mesh.face({ F[0], F[1], F[2], F[3] });
    mesh.face({ B[1], B[0], B[3], B[2] });
    mesh.face({ F[1], F[0], B[0], B[1] }); // ground
    mesh.face({ F[3], F[2], B[2], B[3] }); // top
    mesh.face({ F[2], F[1], B[1], B[2] }); // right slope
    mesh.face({ F[0], F[3], B[3], B[0] }); // left slope
    Solid solid{ std::move(mesh), {} };
    solid.anchors = { { "length", { Vec3{ 0, -h / 2, t }, Vec3{ 0, h / 2, t } } } };
    return solid;
}

Built prismoid(double A1, double A2, double Am, double h)
{
    const double r1 = std::sqrt(A1), r2 = std::sqrt(A2);
    const double K = (4.0 * Am - A1 - A2) / (r1 * r2);
    // The least middle section itself is two squares: forgive its rounding.
    if (!(4.0 * Am >= (r1 + r2) * (r1 + r2) * (1.0 - 1e-12)) || !std::isfinite(K))
        return refuse("la sezione media è troppo piccola: due basi rettangolari di queste aree "
                      "hanno una sezione media di almeno ((√A1 + √A2) / 2)².");
    // p² + 1/p² = K.
    const double q = (K + std::sqrt(std::max(0.0, K * K - 4.0))) / 2.0, p = std::sqrt(q);
    const Ring lo = rectangle(r1 * p, r1 / p, 0.0), hi = rectangle(r2 / p, r2 * p, h);
    Solid solid{ stack({ lo, hi }), {} };
    solid.anchors = { { "height", { Vec3{}, Vec3{ 0, 0, h } } } };
    return solid;
}

// The number of dimensions each shape of this family takes.
int arity(Shape shape)
{
    switch (shape) {
    case Shape::Tetrahedron:
    case Shape::Cube:
    case Shape::Octahedron:
    case Shape::Dodecahedron:
    case Shape::Icosahedron:
        return 1;
    case Shape::Box:
    case Shape::RegularPrism:
    case Shape::RegularPyramid:
    case Shape::RectangularPyramid:
    case Shape::Trench:
        return 3;
    case Shape::TrapezoidPyramid:
    case Shape::TruncatedPyramid:
    case Shape::Cavalla:
    case Shape::Prismoid:
        return 4;
    case Shape::Meda:
        return 5;
    case Shape::Biga:
        return 6;
    default:
        return 0;
    }
}

Built dispatch(Shape shape, const std::vector<double> &d)
{
    switch (shape) {
    case Shape::Box:
        return box(d[0], d[1], d[2], false);
    case Shape::Cube:
        return box(d[0], d[0], d[0], true);
    case Shape::RegularPrism:
        if (!sides(d[0]))
            return refuse(kSides);
        return regularPrism(sides(d[0]), d[1], d[2]);
    case Shape::RegularPyramid:
        if (!sides(d[0]))
            return refuse(kSides);
        return regularPyramid(sides(d[0]), d[1], d[2]);
    case Shape::RectangularPyramid:
        return rectangularPyramid(d[0], d[1], d[2]);
    case Shape::TrapezoidPyramid:
        return trapezoidPyramid(d[0], d[1], d[2], d[3]);
    case Shape::TruncatedPyramid:
        if (!sides(d[0]))
            return refuse(kSides);
        if (!(d[2] < d[1]))
            return refuse(
                "il lato della base superiore deve essere minore di quello della base inferiore.");
        return truncatedPyramid(sides(d[0]), d[1], d[2], d[3]);
    case Shape::Tetrahedron:
        return tetrahedron(d[0]);
    case Shape::Octahedron:
        return octahedron(d[0]);
    case Shape::Dodecahedron:
        return dodecahedron(d[0]);
    case Shape::Icosahedron:
        return icosahedron(d[0]);
    case Shape::Meda:
        return meda(d[0], d[1], d[2], d[3], d[4]);
    case Shape::Cavalla:
        return cavalla(d[0], d[1], d[2], d[3]);
    case Shape::Biga:
        return biga(d[0], d[1], d[2], d[3], d[4], d[5]);
    case Shape::Trench:
        return trench(d[0], d[1], d[2]);
    case Shape::Prismoid:
        return prismoid(d[0], d[1], d[2], d[3]);
    default:
        return refuse("questo solido non ha ancora una figura.");
    }
}

bool finite(const Vec3 &v)
{
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

} // namespace

std::optional<Built> buildFlat(Shape shape, const std::vector<double> &dimensions)
{
    const int n = arity(shape);
    if (n == 0)
        return std::nullopt;
    if (int(dimensions.size()) != n)
        return Refusal{ "le misure date non sono quelle che definiscono questo solido." };
    for (double d : dimensions) {
        if (!std::isfinite(d))
            return Refusal{ "una delle misure è troppo grande per essere disegnata." };
        if (!(d > 0))
            return Refusal{ "le misure di un solido devono essere positive." };
    }
    Built built = dispatch(shape, dimensions);
    if (const auto *solid = std::get_if<Solid>(&built)) {
        bool ok = std::isfinite(solid->mesh.volume()) && solid->mesh.volume() > 0;
        for (const auto &v : solid->mesh.vertices)
            ok = ok && finite(v);
        if (!ok)
            return Refusal{ "le misure sono troppo grandi o troppo piccole per essere disegnate." };
    }
    return built;
}

} // namespace geometry
