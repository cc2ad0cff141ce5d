// The solids of revolution and the sphere's parts as meshes: their volume
// and area against the textbook formulas, their shape as closed polyhedra,
// the data that describe no solid, and the anchors of their measures.
#include "geometry/shapes.h"

#include <QTest>

#include <cmath>

using geometry::Shape;
using geometry::Solid;
using Dims = QList<double>;
Q_DECLARE_METATYPE(Shape)

namespace {

// 64 segments around: an inscribed regular polygon has k of its circle's
// area and p of its perimeter; a side's slant shrinks by at most cos(π/64).
const double kN = 64, kK = std::sin(2 * M_PI / kN) * kN / (2 * M_PI);
const double kP = std::sin(M_PI / kN) * kN / M_PI;
// Every facet of a sphere's part (64 around, bands of at most π/32) lies at
// least q radii from the centre: the mesh holds the part of the sphere
// shrunk by q, and lies inside the true part.
const double kQ = std::pow(std::cos(M_PI / kN), 2);

Solid built(Shape shape, const Dims &dims)
{
    auto result = geometry::build(shape, { dims.begin(), dims.end() });
    if (auto *refusal = std::get_if<geometry::Refusal>(&result))
        qFatal("no solid: %s", refusal->reason.c_str());
    return std::get<Solid>(std::move(result));
}

// The part of a ball of radius ρ centred at height c between the planes z0
// and z1: volume, and area (the zone and the discs cutting it).
double slice(bool volume, double rho, double c, double z0, double z1)
{
    const auto F = [&](double z) { return rho * rho * (z - c) - std::pow(z - c, 3) / 3; };
    const auto disc = [&](double z) { return M_PI * std::max(0.0, rho * rho - (z - c) * (z - c)); };
    const double lo = std::max(z0, c - rho), hi = std::min(z1, c + rho);
    return volume ? M_PI * (F(hi) - F(lo)) : disc(z0) + disc(z1) + 2 * M_PI * rho * (hi - lo);
}

// The parabolic barrel's side, 2π ∫ r √(1 + r'²) dx, by Simpson's rule.
double barrelSide(double D, double d, double L)
{
    const auto f = [&](double x) {
        const double b = (D - d) / 2, u = 2 * x / L, dr = -8 * b * x / (L * L);
        return 2 * M_PI * (D / 2 - b * u * u) * std::sqrt(1 + dr * dr);
    };
    double sum = f(-L / 2) + f(L / 2);
    for (int i = 1; i < 2000; ++i)
        sum += f(-L / 2 + L * i / 2000) * (i % 2 ? 4 : 2);
    return sum * L / 6000;
}

} // namespace

class TestGeometryRound : public QObject {
    Q_OBJECT

private slots:
    // Every shape over several sizes: the exact volume and area, and the
    // bounds of the mesh's to them (area 0: not checked); none: refused.
    void solids_data()
    {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<Dims>("dims");
        QTest::addColumn<Dims>("exact"); // volume, its bounds, area, its bounds
        int n = 0;
        const auto row = [&n](Shape s, Dims d, Dims e) {
            QTest::addRow("%d: %d", ++n, int(s)) << s << d << e;
        };
        for (double r : { 1.0, 6.5, 1200.0 }) {
            const double h = r * 0.7 + 2, r2 = r / 3, R = r * 1.5, q = kQ;
            row(Shape::Cylinder, { r, h },
                { M_PI * r * r * h, kK, kK, 2 * M_PI * r * (r + h), kK, kP });
            row(Shape::Cone, { r, h },
                { M_PI * r * r * h / 3, kK, kK, M_PI * r * (r + std::hypot(r, h)), kK, kP });
            row(Shape::Frustum, { r, r2, h },
                { M_PI * h * (r * r + r * r2 + r2 * r2) / 3, kK, kK,
                  M_PI * (r * r + r2 * r2 + (r + r2) * std::hypot(r - r2, h)), kK, kP });
            row(Shape::Haystack, { r, R, h, h / 2 },
                { M_PI * h * (R * R + R * r + r * r) / 3 + M_PI * R * R * h / 6, kK, kK,
                  M_PI * (r * r + (r + R) * std::hypot(R - r, h) + R * std::hypot(R, h / 2)), kK,
                  kP });
            row(Shape::Sphere, { r },
                { 4 * M_PI * r * r * r / 3, q * q * q, 1, 4 * M_PI * r * r, q * q, 1 });
            // The part of the sphere between z0 and z1 radii from the centre:
            // caps low, half, high and whole; zones across the equator, above
            // it, up to the pole, and known by radius and height (symmetric).
            const auto part = [&](Shape shape, double z0, double z1, bool bases) {
                const double hz = r * (z1 - z0), c = -r * z0;
                const double r1 = r * std::sqrt(1 - z0 * z0), rt = r * std::sqrt(1 - z1 * z1);
                const auto ratio = [&](bool v) {
                    return slice(v, q * r, c, 0, hz) / slice(v, r, c, 0, hz);
                };
                row(shape, bases ? Dims{ r, hz, r1, rt } : Dims{ r, hz },
                    { slice(true, r, c, 0, hz), ratio(true), 1, slice(false, r, c, 0, hz),
                      ratio(false), 1 });
            };
            for (double z0 : { 0.7, 0.0, -0.8, -1.0 })
                part(Shape::Cap, z0, 1, false);
            for (auto [z0, z1] : { std::pair{ -0.4, 0.7 }, { 0.2, 0.9 }, { 0.1, 1.0 } })
                part(Shape::Zone, z0, z1, true);
            part(Shape::Zone, -0.6, 0.6, false);
            for (double alfa : { 30.0, 180.0, 250.0, 360.0 })
                row(Shape::Wedge, { r, alfa },
                    { M_PI * alfa * r * r * r / 270, q * q * q, 1,
                      alfa * M_PI * r * r / 90 + (alfa < 360) * M_PI * r * r, q * q, 1 });
            // Barrels: sections k times the circle's, the profile's chords
            // inside it, at most (D − d)/512 from it along 16 bands. With
            // elliptic sections that sag stays under ½ % of the volume.
            const double D = 2 * r, d = 1.5 * r, L = 3 * r, e = std::pow(1 - (D - d) / 256 / d, 2);
            row(Shape::Barrel, { D, d, L },
                { M_PI * L / 15 * (2 * D * D + D * d + 0.75 * d * d), kK * e, kK,
                  barrelSide(D, d, L) + M_PI * d * d / 2, kK * e, 1 });
            for (double D1 : { 1.6 * r, 1.25 * r })
                row(Shape::EllipticBarrel, { D, D1, d, D1 - r / 2, L },
                    { M_PI / 36 * L * std::pow(D + D1 + (d + D1 - r / 2) / 2, 2), kK * 0.995, kK, 0,
                      0, 0 });
        }
        // Data that describe no such solid: no exact values.
        row(Shape::Cap, { 2, 4.01 }, {});       // higher than the diameter
        row(Shape::Zone, { 2, 4.5, 1, 1 }, {}); // higher than the diameter
        row(Shape::Zone, { 2, 1, 2.5, 1 }, {}); // a base wider than the sphere
        row(Shape::Zone, { 5, 7, 3, 3 }, {});   // on another sphere
        row(Shape::Wedge, { 2, 361 }, {});      // beyond a whole turn
        row(Shape::Cone, { 1, -1 }, {});
        row(Shape::Barrel, { 1e300, 1, 1 }, {});
        row(Shape::Frustum, { 1, 2 }, {}); // a measure missing
    }
    // Closed polyhedra of planar faces, each edge run both ways, facing out.
    void solids()
    {
        QFETCH(Shape, shape);
        QFETCH(Dims, dims);
        QFETCH(Dims, exact);
        if (exact.isEmpty()) {
            const auto result = geometry::build(shape, { dims.begin(), dims.end() });
            const auto *refusal = std::get_if<geometry::Refusal>(&result);
            QVERIFY(refusal && refusal->reason.back() == '.'
                    && std::islower(refusal->reason.front()));
            return;
        }
        const Solid s = built(shape, dims);
        const auto &m = s.mesh;
        for (int i : { 0, 3 }) {
            const double ratio = (i ? m.area() : m.volume()) / exact[i];
            QVERIFY2(exact[i] == 0 || (ratio > exact[i + 1] - 1e-9 && ratio < exact[i + 2] + 1e-9),
                     qPrintable(QString::number(ratio, 'g', 12)));
        }
        const auto edges = m.edges();
        QCOMPARE(m.vertices.size() - edges.size() + m.faces.size(), std::size_t(2));
        const auto runs = [&](int f, int a, int b) {
            const auto &v = m.faces[f].vertices;
            for (std::size_t i = 0; i < v.size(); ++i)
                if (v[i] == a && v[(i + 1) % v.size()] == b)
                    return true;
            return false;
        };
        for (const auto &e : edges)
            QVERIFY(e.right >= 0 && runs(e.left, e.a, e.b) && runs(e.right, e.b, e.a));
        for (const auto &f : m.faces) {
            const auto n = m.normal(f), c = m.centroid(f);
            for (int i : f.vertices)
                QVERIFY(std::fabs(dot(m.vertices[i] - c, n)) < 1e-9 * m.radius() * length(n));
            QVERIFY(!m.convex || dot(n, c - m.centre()) > 0);
        }
    }

    // The measures the screens mark, each of its true length.
    void anchors_data()
    {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<Dims>("dims");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<Dims>("lengths");
        const auto row = [](const char *tag, Shape s, Dims d, const char *names, Dims lengths) {
            QTest::newRow(tag) << s << d << QString(names).split(' ') << lengths;
        };
        const double C = 6 * M_PI * kP; // an inscribed rim of radius 3
        row("cilindro", Shape::Cylinder, { 3, 4 }, "radius diameter height diagonal rim",
            { 3, 6, 4, std::sqrt(52), C });
        row("cono", Shape::Cone, { 3, 4 }, "radius diameter height slant rim", { 3, 6, 4, 5, C });
        row("tronco", Shape::Frustum, { 6, 3, 4 },
            "bottomRadius topRadius height slant bottomRim topRim", { 6, 3, 4, 5, 2 * C, C });
        row("sfera", Shape::Sphere, { 3 }, "radius diameter rim", { 3, 6, C });
        row("calotta", Shape::Cap, { 5, 2 }, "sphereRadius sphereDiameter height baseRadius",
            { 5, 10, 2, 4 });
        row("zona", Shape::Zone, { 5, 7, 3, 4 },
            "sphereRadius sphereDiameter height bottomRadius topRadius", { 5, 10, 7, 3, 4 });
        // The angle's arc, of radius 1/p, is a quarter of 2π/p inscribed.
        row("fuso", Shape::Wedge, { 2 / kP, 90 }, "radius diameter angle",
            { 2 / kP, 4 / kP, M_PI / 2 });
        row("pagliaio", Shape::Haystack, { 2, 3, 4, 5 }, "bottomRadius topRadius height coneHeight",
            { 2, 3, 4, 5 });
        row("botte", Shape::Barrel, { 8, 6, 10 }, "bungDiameter headDiameter length", { 8, 6, 10 });
        row("botte ellittica", Shape::EllipticBarrel, { 8, 7, 6, 5, 10 },
            "bungWidth bungHeight headWidth headHeight length", { 8, 7, 6, 5, 10 });
    }
    void anchors()
    {
        QFETCH(Shape, shape);
        QFETCH(Dims, dims);
        QFETCH(QStringList, names);
        QFETCH(Dims, lengths);
        const Solid s = built(shape, dims);
        for (int i = 0; i < names.size(); ++i) {
            const auto *a = s.anchor(names[i].toStdString());
            QVERIFY2(a, qPrintable(names[i]));
            double total = 0;
            for (std::size_t j = 1; j < a->path.size(); ++j)
                total += length(a->path[j] - a->path[j - 1]);
            QVERIFY2(std::fabs(total - lengths[i]) < 1e-9 * lengths[i], qPrintable(names[i]));
        }
    }
};

QTEST_GUILESS_MAIN(TestGeometryRound)
#include "test_geometry_round.moc"
