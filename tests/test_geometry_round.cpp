// The solids of revolution and the sphere's parts as meshes: their volume
// and area against the textbook formulas, their shape as closed polyhedra,
// the anchors of their measures, and the data that describe no solid.
#include "geometry/shapes.h"

#include <QTest>

#include <cmath>
#include <functional>

using geometry::Shape;
using geometry::Solid;

namespace {

// 64 segments around: an inscribed regular polygon has this fraction of its
// circle's area, and p of its perimeter.
const double kN = 64;
const double kK = std::sin(2 * M_PI / kN) * kN / (2 * M_PI);
const double kP = std::sin(M_PI / kN) * kN / M_PI;
// Every facet of a sphere's part (64 around, bands of at most π/32) lies
// at least this fraction of the radius from the centre: the mesh holds the
// same part of the sphere shrunk by it, and lies inside the true one.
const double kShrunk = std::pow(std::cos(M_PI / kN), 2);

Solid built(Shape shape, const QList<double> &dims)
{
    auto result = geometry::build(shape, { dims.begin(), dims.end() });
    if (!std::holds_alternative<Solid>(result))
        qFatal("no solid: %s", std::get<geometry::Refusal>(result).reason.c_str());
    return std::get<Solid>(std::move(result));
}

// The part of a ball of radius ρ centred at height c between the planes
// z0 < z1: volume and area (its zone and the discs cutting it).
double sliceVolume(double rho, double c, double z0, double z1)
{
    const auto F = [&](double z) { return rho * rho * (z - c) - std::pow(z - c, 3) / 3; };
    z0 = std::max(z0, c - rho), z1 = std::min(z1, c + rho);
    return M_PI * (F(z1) - F(z0));
}
double sliceArea(double rho, double c, double z0, double z1)
{
    const auto disc = [&](double z) { return M_PI * std::max(0.0, rho * rho - (z - c) * (z - c)); };
    return disc(z0) + disc(z1) + 2 * M_PI * rho * (std::min(z1, c + rho) - std::max(z0, c - rho));
}

// The parabolic barrel's side, 2π ∫ r √(1 + r'²) dx, by Simpson's rule.
double barrelSide(double D, double d, double L)
{
    const double b = (D - d) / 2;
    const auto f = [&](double x) {
        const double u = 2 * x / L, r = D / 2 - b * u * u, dr = -8 * b * x / (L * L);
        return 2 * M_PI * r * std::sqrt(1 + dr * dr);
    };
    const int n = 2000;
    double sum = f(-L / 2) + f(L / 2);
    for (int i = 1; i < n; ++i)
        sum += f(-L / 2 + L * i / n) * (i % 2 ? 4 : 2);
    return sum * L / n / 3;
}

} // namespace

Q_DECLARE_METATYPE(Shape)

class TestGeometryRound : public QObject {
    Q_OBJECT

    // Every shape of the family over several sizes, with its exact volume
    // and area and the bounds of their ratio to the mesh's.
    void rows()
    {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<QList<double>>("dims");
        QTest::addColumn<double>("volume");
        QTest::addColumn<double>("volumeLow"); // the bounds of the mesh's volume
        QTest::addColumn<double>("volumeHigh");
        QTest::addColumn<double>("area");
        QTest::addColumn<double>("areaLow");
        QTest::addColumn<double>("areaHigh");
        const auto row = [](const char *name, Shape s, QList<double> d, double v, double vl,
                            double vh, double a, double al, double ah) {
            QTest::newRow(name) << s << d << v << vl << vh << a << al << ah;
        };
        // Straight sides: polygonal sections of exactly k times the circle's
        // area; a side between k and p times its own (the slant shortened
        // at most by cos(π/n)).
        for (double r : { 1.0, 6.5, 1200.0 }) {
            const double h = r * 0.7 + 2;
            const double a = std::hypot(r, h), r2 = r / 3, s = std::hypot(r - r2, h);
            row(qPrintable(QString("cilindro %1").arg(r)), Shape::Cylinder, { r, h },
                M_PI * r * r * h, kK, kK, 2 * M_PI * r * (r + h), kK, kP);
            row(qPrintable(QString("cono %1").arg(r)), Shape::Cone, { r, h }, M_PI * r * r * h / 3,
                kK, kK, M_PI * r * (r + a), kK, kP);
            row(qPrintable(QString("tronco %1").arg(r)), Shape::Frustum, { r, r2, h },
                M_PI * h * (r * r + r * r2 + r2 * r2) / 3, kK, kK,
                M_PI * (r * r + r2 * r2 + (r + r2) * s), kK, kP);
            const double R = r * 1.5, h1 = h / 2, c = std::hypot(R, h1);
            row(qPrintable(QString("pagliaio %1").arg(r)), Shape::Haystack, { r, R, h, h1 },
                M_PI * h * (R * R + R * r + r * r) / 3 + M_PI * R * R * h1 / 3, kK, kK,
                M_PI * (r * r + (r + R) * std::hypot(R - r, h) + R * c), kK, kP);
            // The sphere's parts: between the shrunk part and the true one.
            const double q = kShrunk;
            row(qPrintable(QString("sfera %1").arg(r)), Shape::Sphere, { r },
                4 * M_PI * r * r * r / 3, q * q * q, 1, 4 * M_PI * r * r, q * q, 1);
            for (double hc : { 0.3 * r, r, 1.8 * r }) {
                const double c0 = hc - r;
                row(qPrintable(QString("calotta %1 %2").arg(r).arg(hc)), Shape::Cap, { r, hc },
                    M_PI * hc * hc * (r - hc / 3),
                    sliceVolume(q * r, c0, 0, hc) / sliceVolume(r, c0, 0, hc), 1,
                    2 * M_PI * r * hc + M_PI * hc * (2 * r - hc),
                    sliceArea(q * r, c0, 0, hc) / sliceArea(r, c0, 0, hc), 1);
            }
            // A zone across the equator and one above it: bases at heights
            // z0, z1 from the centre.
            for (auto [z0, z1] : { std::pair{ -0.4, 0.7 }, std::pair{ 0.2, 0.9 } }) {
                const double r1 = r * std::sqrt(1 - z0 * z0), r2b = r * std::sqrt(1 - z1 * z1);
                const double hz = r * (z1 - z0), c0 = -r * z0;
                row(qPrintable(QString("zona %1 %2").arg(r).arg(z0)), Shape::Zone,
                    { r, hz, r1, r2b }, M_PI * hz * (hz * hz / 3 + r1 * r1 + r2b * r2b) / 2,
                    sliceVolume(q * r, c0, 0, hz) / sliceVolume(r, c0, 0, hz), 1,
                    2 * M_PI * r * hz + M_PI * (r1 * r1 + r2b * r2b),
                    sliceArea(q * r, c0, 0, hz) / sliceArea(r, c0, 0, hz), 1);
            }
            for (double alfa : { 30.0, 180.0, 250.0 })
                row(qPrintable(QString("fuso %1 %2").arg(r).arg(alfa)), Shape::Wedge, { r, alfa },
                    M_PI * alfa * r * r * r / 270, q * q * q, 1,
                    alfa * M_PI * r * r / 90 + M_PI * r * r, q * q, 1);
            // Barrels: sections k times the circle's; the profile's chords
            // lie inside it, at most (D − d)/512 from it with 16 bands.
            const double D = 2 * r, d = 1.5 * r, L = 3 * r, e = std::pow(1 - (D - d) / 256 / d, 2);
            row(qPrintable(QString("botte %1").arg(r)), Shape::Barrel, { D, d, L },
                M_PI * L / 15 * (2 * D * D + D * d + 0.75 * d * d), kK * e, kK,
                barrelSide(D, d, L) + M_PI * d * d / 2, kK * e, 1);
            // Elliptic sections: the same polygon fraction; along 16 bands
            // the chords of a profile |u|^k (k near 2) sag from it by under
            // ½ % of the volume. The side has no closed form.
            for (double D1 : { 1.6 * r, 1.25 * r })
                row(qPrintable(QString("botte ellittica %1 %2").arg(r).arg(D1)),
                    Shape::EllipticBarrel, { D, D1, d, D1 - r / 2, L },
                    M_PI / 36 * L * std::pow(D + D1 + (d + D1 - r / 2) / 2, 2), kK * 0.995, kK, 0,
                    0, 0);
        }
    }

private slots:
    void volumeAndArea_data() { rows(); }
    void volumeAndArea()
    {
        QFETCH(Shape, shape);
        QFETCH(QList<double>, dims);
        QFETCH(double, volume);
        QFETCH(double, volumeLow);
        QFETCH(double, volumeHigh);
        QFETCH(double, area);
        QFETCH(double, areaLow);
        QFETCH(double, areaHigh);
        const Solid s = built(shape, dims);
        const double eps = 1e-9;
        const double v = s.mesh.volume() / volume;
        QVERIFY2(v >= volumeLow - eps && v <= volumeHigh + eps,
                 qPrintable(QString::number(v, 'g', 12)));
        if (area > 0) {
            const double a = s.mesh.area() / area;
            QVERIFY2(a >= areaLow - eps && a <= areaHigh + eps,
                     qPrintable(QString::number(a, 'g', 12)));
        }
    }

    // Closed, planar-faced, consistently turned polyhedra, facing out.
    void polyhedron_data() { rows(); }
    void polyhedron()
    {
        QFETCH(Shape, shape);
        QFETCH(QList<double>, dims);
        const Solid s = built(shape, dims);
        const auto &m = s.mesh;
        const auto edges = m.edges();
        QCOMPARE(int(m.vertices.size()) - int(edges.size()) + int(m.faces.size()), 2);
        for (const auto &e : edges) {
            QVERIFY(e.right >= 0);
            // The two faces run along their edge in opposite directions.
            const auto runs = [&](int f, int a, int b) {
                const auto &v = m.faces[f].vertices;
                for (std::size_t i = 0; i < v.size(); ++i)
                    if (v[i] == a && v[(i + 1) % v.size()] == b)
                        return true;
                return false;
            };
            QVERIFY(runs(e.left, e.a, e.b) && runs(e.right, e.b, e.a));
        }
        QVERIFY(m.volume() > 0);
        for (const auto &f : m.faces) {
            const auto n = m.normal(f);
            const auto c = m.centroid(f);
            for (int i : f.vertices)
                QVERIFY(std::fabs(geometry::dot(m.vertices[i] - c, n)) / geometry::length(n)
                        < 1e-9 * m.radius());
            if (m.convex)
                QVERIFY(geometry::dot(n, c - m.centre()) > 0);
        }
    }

    // Each measure the screens mark, where it has its true length.
    void anchors_data()
    {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<QList<double>>("dims");
        QTest::addColumn<QString>("anchor");
        QTest::addColumn<double>("length");
        const auto row = [](Shape s, QList<double> d, const char *a, double l) {
            QTest::addRow("%d %s", int(s), a) << s << d << QString(a) << l;
        };
        const double C = 2 * M_PI * 3 * kP; // an inscribed rim of radius 3
        row(Shape::Cylinder, { 3, 4 }, "radius", 3);
        row(Shape::Cylinder, { 3, 4 }, "diameter", 6);
        row(Shape::Cylinder, { 3, 4 }, "height", 4);
        row(Shape::Cylinder, { 3, 4 }, "diagonal", 7.2111025509279782);
        row(Shape::Cylinder, { 3, 4 }, "rim", C);
        row(Shape::Cone, { 3, 4 }, "slant", 5);
        row(Shape::Cone, { 3, 4 }, "height", 4);
        row(Shape::Cone, { 3, 4 }, "diameter", 6);
        row(Shape::Cone, { 3, 4 }, "rim", C);
        row(Shape::Frustum, { 6, 3, 4 }, "slant", 5);
        row(Shape::Frustum, { 6, 3, 4 }, "topRim", C);
        row(Shape::Frustum, { 6, 3, 4 }, "bottomDiameter", 12);
        row(Shape::Sphere, { 3 }, "radius", 3);
        row(Shape::Sphere, { 3 }, "diameter", 6);
        row(Shape::Sphere, { 3 }, "rim", C);
        row(Shape::Cap, { 5, 2 }, "sphereRadius", 5);
        row(Shape::Cap, { 5, 2 }, "sphereDiameter", 10);
        row(Shape::Cap, { 5, 2 }, "height", 2);
        row(Shape::Cap, { 5, 2 }, "baseRadius", 4);
        row(Shape::Zone, { 5, 7, 3, 4 }, "height", 7);
        row(Shape::Zone, { 5, 7, 3, 4 }, "bottomRadius", 3);
        row(Shape::Zone, { 5, 7, 3, 4 }, "topRadius", 4);
        row(Shape::Zone, { 5, 7, 3, 4 }, "sphereRadius", 5);
        row(Shape::Zone, { 5, 7, 3, 4 }, "sphereDiameter", 10);
        row(Shape::Wedge, { 3, 90 }, "diameter", 6);
        row(Shape::Wedge, { 3, 90 }, "radius", 3);
        row(Shape::Wedge, { 2 / kP, 90 }, "angle", M_PI / 2); // a quarter circle of radius 1/p
        row(Shape::Haystack, { 2, 3, 4, 5 }, "coneHeight", 5);
        row(Shape::Haystack, { 2, 3, 4, 5 }, "topRadius", 3);
        row(Shape::Barrel, { 8, 6, 10 }, "bungDiameter", 8);
        row(Shape::Barrel, { 8, 6, 10 }, "headDiameter", 6);
        row(Shape::Barrel, { 8, 6, 10 }, "length", 10);
        row(Shape::EllipticBarrel, { 8, 7, 6, 5, 10 }, "bungHeight", 7);
        row(Shape::EllipticBarrel, { 8, 7, 6, 5, 10 }, "headWidth", 6);
        row(Shape::EllipticBarrel, { 8, 7, 6, 5, 10 }, "headHeight", 5);
    }
    void anchors()
    {
        QFETCH(Shape, shape);
        QFETCH(QList<double>, dims);
        QFETCH(QString, anchor);
        QFETCH(double, length);
        const Solid s = built(shape, dims);
        const auto *a = s.anchor(anchor.toStdString());
        QVERIFY(a);
        double total = 0;
        for (std::size_t i = 1; i < a->path.size(); ++i)
            total += geometry::length(a->path[i] - a->path[i - 1]);
        QVERIFY2(std::fabs(total - length) < 1e-9 * length,
                 qPrintable(QString::number(total, 'g', 12)));
    }

    void refusals_data()
    {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<QList<double>>("dims");
        QTest::newRow("calotta più alta del diametro") << Shape::Cap << QList<double>{ 2, 4.01 };
        QTest::newRow("zona più alta del diametro") << Shape::Zone << QList<double>{ 2, 4.5, 1, 1 };
        QTest::newRow("base della zona fuori dalla sfera")
            << Shape::Zone << QList<double>{ 2, 1, 2.5, 1 };
        QTest::newRow("zona su un'altra sfera") << Shape::Zone << QList<double>{ 5, 7, 3, 3 };
        QTest::newRow("fuso oltre l'angolo giro") << Shape::Wedge << QList<double>{ 2, 361 };
        QTest::newRow("raggio nullo") << Shape::Cylinder << QList<double>{ 0, 1 };
        QTest::newRow("altezza negativa") << Shape::Cone << QList<double>{ 1, -1 };
        QTest::newRow("non un numero") << Shape::Sphere << QList<double>{ std::nan("") };
        QTest::newRow("troppo grande") << Shape::Barrel << QList<double>{ 1e300, 1, 1 };
        QTest::newRow("misura mancante") << Shape::Frustum << QList<double>{ 1, 2 };
    }
    void refusals()
    {
        QFETCH(Shape, shape);
        QFETCH(QList<double>, dims);
        const auto result = geometry::build(shape, { dims.begin(), dims.end() });
        QVERIFY(std::holds_alternative<geometry::Refusal>(result));
        const auto &reason = std::get<geometry::Refusal>(result).reason;
        QVERIFY(!reason.empty() && reason.back() == '.' && std::islower(reason.front()));
    }

    // The limits a solid may reach: a cap as high as the diameter is the
    // sphere; a zone with a base of radius 0 is a cap; a wedge of a whole
    // turn is the sphere; a zone known by radius and height alone.
    void limits_data()
    {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<QList<double>>("dims");
        QTest::addColumn<double>("volume");
        QTest::newRow("calotta intera") << Shape::Cap << QList<double>{ 2, 4 } << 32 * M_PI / 3;
        QTest::newRow("zona fino al polo")
            << Shape::Zone << QList<double>{ 5, 8, 4, 0 } << M_PI * 64 * (5 - 8.0 / 3);
        QTest::newRow("fuso di un giro")
            << Shape::Wedge << QList<double>{ 2, 360 } << 32 * M_PI / 3;
        QTest::newRow("zona senza basi")
            << Shape::Zone << QList<double>{ 5, 6 } << M_PI * 6 * (36.0 / 3 + 2 * 16) / 2;
    }
    void limits()
    {
        QFETCH(Shape, shape);
        QFETCH(QList<double>, dims);
        QFETCH(double, volume);
        const Solid s = built(shape, dims);
        QCOMPARE(
            int(s.mesh.vertices.size()) - int(s.mesh.edges().size()) + int(s.mesh.faces.size()), 2);
        const double v = s.mesh.volume() / volume;
        QVERIFY2(v <= 1 + 1e-9 && v >= std::pow(kShrunk, 3),
                 qPrintable(QString::number(v, 'g', 12)));
    }
};

QTEST_GUILESS_MAIN(TestGeometryRound)
#include "test_geometry_round.moc"
