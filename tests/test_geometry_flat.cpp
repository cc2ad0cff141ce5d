// The solids with flat faces: their meshes against the textbook's formulas,
// closed and outward-facing, their measures where they belong, and the data
// that describe no solid refused.
#include "geometry/shapes.h"

#include <QtTest>

#include <cmath>
#include <map>
#include <numbers>

using namespace geometry;
using Dims = std::vector<double>;
using Lengths = std::vector<std::pair<std::string, double>>; // anchor, length

Q_DECLARE_METATYPE(geometry::Shape)
Q_DECLARE_METATYPE(Dims)
Q_DECLARE_METATYPE(Lengths)

namespace {

const double r2 = std::sqrt(2.0), r3 = std::sqrt(3.0), r5 = std::sqrt(5.0);

// Base area and apothem of a regular polygon of n sides s.
double apothem(int n, double s)
{
    return s / (2.0 * std::tan(std::numbers::pi / n));
}
double polygonArea(int n, double s)
{
    return n * s * apothem(n, s) / 2.0;
}

Solid solidOf(Shape shape, const Dims &dims)
{
    auto built = build(shape, dims);
    if (auto *refusal = std::get_if<Refusal>(&built))
        qFatal("refused: %s", refusal->reason.c_str());
    return std::get<Solid>(std::move(built));
}

} // namespace

class TestGeometryFlat : public QObject {
    Q_OBJECT

private slots:
    void measures_data();
    void measures();
    void closedAndOutward_data() { measures_data(); }
    void closedAndOutward();
    void anchors_data();
    void anchors();
    void prismoidAndTrenchSections();
    void refusals_data();
    void refusals();
};

// Volume and total area by the formulas; an area of −1 is not checked (the
// solid's slopes are the drawing's choice).
void TestGeometryFlat::measures_data()
{
    QTest::addColumn<Shape>("shape");
    QTest::addColumn<Dims>("dims");
    QTest::addColumn<double>("volume");
    QTest::addColumn<double>("area");

    // clang-format off
    for (double k : { 1.0, 0.01, 250.0 }) {
        const auto row = [k](const QByteArray &name, Shape shape, const Dims &dims, double V, double A) {
            QTest::newRow(name + " ×" + QByteArray::number(k)) << shape << dims << V << A;
        };
        const double a = 3 * k, b = 4 * k, c = 12 * k, l = 2 * k;
        row("box", Shape::Box, { a, b, c }, a * b * c, 2 * (a * b + b * c + c * a));
        row("cube", Shape::Cube, { a }, a * a * a, 6 * a * a);
        for (int n : { 3, 4, 5, 6, 7, 12 }) {
            const double s = 2 * k, h = 5 * k, B = polygonArea(n, s), ap = apothem(n, s);
            const double s2 = 0.5 * k, B2 = polygonArea(n, s2), ap2 = apothem(n, s2);
            const QByteArray sides = QByteArray::number(n);
            row("prism " + sides, Shape::RegularPrism, { double(n), s, h }, B * h, 2 * B + n * s * h);
            row("pyramid " + sides, Shape::RegularPyramid, { double(n), s, h }, B * h / 3,
                B + n * s * std::hypot(h, ap) / 2);
            row("frustum " + sides, Shape::TruncatedPyramid, { double(n), s, s2, h },
                h / 3 * (B + B2 + std::sqrt(B * B2)), B + B2 + n * (s + s2) / 2 * std::hypot(h, ap - ap2));
        }
        row("rectangular pyramid", Shape::RectangularPyramid, { a, b, c }, a * b * c / 3,
            a * b + a * std::hypot(c, b / 2) + b * std::hypot(c, a / 2));
        {
            // The oblique faces' height: over the foot's distance from the oblique side.
            const double A = 10 * k, C = 4 * k, t = 3 * k, h = 7 * k, base = (A + C) * t / 2;
            const double o = std::hypot(t, (A - C) / 2), foot = t * (A + C) / (4 * o);
            row("trapezoid pyramid", Shape::TrapezoidPyramid, { A, C, t, h }, base * h / 3,
                base + (A + C) / 2 * std::hypot(h, t / 2) + o * std::hypot(h, foot));
        }
        row("tetrahedron", Shape::Tetrahedron, { l }, l * l * l / (6 * r2), r3 * l * l);
        row("octahedron", Shape::Octahedron, { l }, r2 / 3 * l * l * l, 2 * r3 * l * l);
        row("dodecahedron", Shape::Dodecahedron, { l }, (15 + 7 * r5) / 4 * l * l * l, 3 * std::sqrt(25 + 10 * r5) * l * l);
        row("icosahedron", Shape::Icosahedron, { l }, 5 * (3 + r5) / 12 * l * l * l, 5 * r3 * l * l);
        // The heaps: a, b at the foot, c, d on top (c along a); sides of a meda.
        const double A = 10 * k, B = 6 * k, C = 4 * k, D = 2 * k, h = 3 * k, h1 = 5 * k;
        const auto sides = [](double a, double b, double c, double d, double h) {
            return (a + c) * std::hypot(h, (b - d) / 2) + (b + d) * std::hypot(h, (a - c) / 2);
        };
        row("meda", Shape::Meda, { A, B, C, D, h }, h / 6 * (2 * A * B + B * C + 2 * C * D + A * D),
            A * B + C * D + sides(A, B, C, D, h));
        row("cavalla", Shape::Cavalla, { A, B, C, h }, B * h / 6 * (2 * A + C), A * B + sides(A, B, C, 0, h));
        row("biga", Shape::Biga, { A, B, C, D, h, h1 },
            h / 6 * (2 * C * D + D * A + 2 * A * B + C * B) + B * h1 / 6 * (2 * A + C),
            C * D + sides(C, D, A, B, h) + sides(A, B, C, 0, h1));
        row("trench", Shape::Trench, { 12 * k * k, 30 * k * k, 20 * k }, 10 * k * (42 * k * k), -1);
        row("prismoid", Shape::Prismoid, { 4 * k * k, 9 * k * k, 7 * k * k, 2 * k }, 2 * k / 6 * 41 * k * k, -1);
        // The least middle section: two squares.
        row("prismoid, least", Shape::Prismoid, { 4 * k * k, 9 * k * k, 6.25 * k * k, 2 * k }, 2 * k / 6 * 38 * k * k, 2 * k * k * (6.5 + 5 * std::hypot(2, 0.5)));
    }
    // clang-format on
}

void TestGeometryFlat::measures()
{
    QFETCH(Shape, shape);
    QFETCH(Dims, dims);
    QFETCH(double, volume);
    QFETCH(double, area);
    const Solid solid = solidOf(shape, dims);
    QVERIFY2(std::abs(solid.mesh.volume() / volume - 1) < 1e-9,
             qPrintable(QString("volume %1, expected %2").arg(solid.mesh.volume()).arg(volume)));
    if (area > 0)
        QVERIFY2(std::abs(solid.mesh.area() / area - 1) < 1e-9,
                 qPrintable(QString("area %1, expected %2").arg(solid.mesh.area()).arg(area)));
}

// Closed (V − E + F = 2, every edge between two faces, each way once), every
// face planar, and facing out: a positive volume with a consistent
// orientation; for a solid marked convex, every vertex behind every face.
void TestGeometryFlat::closedAndOutward()
{
    QFETCH(Shape, shape);
    QFETCH(Dims, dims);
    const Solid solid = solidOf(shape, dims);
    const Mesh &m = solid.mesh;
    const auto edges = m.edges();
    QCOMPARE(int(m.vertices.size()) - int(edges.size()) + int(m.faces.size()), 2);
    std::map<std::pair<int, int>, int> directed;
    for (const auto &f : m.faces)
        for (std::size_t i = 0; i < f.vertices.size(); ++i)
            ++directed[{ f.vertices[i], f.vertices[(i + 1) % f.vertices.size()] }];
    for (const auto &e : edges) {
        QVERIFY(e.left >= 0 && e.right >= 0);
        QCOMPARE(directed[std::pair(e.a, e.b)], 1);
        QCOMPARE(directed[std::pair(e.b, e.a)], 1);
    }
    QVERIFY(m.volume() > 0);
    const double size = m.radius(), tolerance = 1e-9 * size;
    double low = m.vertices[0].z;
    for (const auto &v : m.vertices)
        low = std::min(low, v.z);
    QVERIFY(std::abs(low) <= tolerance);
    for (const auto &f : m.faces) {
        QVERIFY(f.vertices.size() >= 3);
        const Vec3 n = m.normal(f) / length(m.normal(f)), c = m.centroid(f);
        for (int i : f.vertices)
            QVERIFY2(std::abs(dot(m.vertices[i] - c, n)) <= tolerance, "a face is not planar");
        if (m.convex)
            for (const auto &v : m.vertices)
                QVERIFY2(dot(v - c, n) <= tolerance, "a vertex lies outside a face");
    }
}

// Each measure a screen draws, with its length by the screen's own formula.
void TestGeometryFlat::anchors_data()
{
    QTest::addColumn<Shape>("shape");
    QTest::addColumn<Dims>("dims");
    QTest::addColumn<Lengths>("lengths");
    const double d7 = std::sqrt(1 + 4 * apothem(7, 1) * apothem(7, 1));
    // clang-format off
    QTest::newRow("box") << Shape::Box << Dims{ 3, 4, 12 } << Lengths{
        { "length", 3 }, { "width", 4 }, { "height", 12 }, { "baseDiagonal", 5 }, { "diagonal", 13 } };
    QTest::newRow("cube") << Shape::Cube << Dims{ 2 } << Lengths{
        { "edge", 2 }, { "faceDiagonal", 2 * r2 }, { "diagonal", 2 * r3 } };
    // The prisms' d: L·√2, L·(√5 + 1)/2, 2·L, √(L² + 4a²).
    QTest::newRow("square prism") << Shape::RegularPrism << Dims{ 4, 3, 1 } << Lengths{
        { "baseDiagonal", 3 * r2 }, { "baseApothem", 1.5 }, { "baseDiameter", 3 * r2 } };
    QTest::newRow("pentagonal prism") << Shape::RegularPrism << Dims{ 5, 2, 3 } << Lengths{
        { "baseDiagonal", 1 + r5 }, { "diagonal", std::hypot(1 + r5, 3) } };
    QTest::newRow("hexagonal prism") << Shape::RegularPrism << Dims{ 6, 2, 5 } << Lengths{
        { "baseDiameter", 4 }, { "diameterDiagonal", std::sqrt(41) }, { "side", 2 }, { "height", 5 } };
    QTest::newRow("heptagonal prism") << Shape::RegularPrism << Dims{ 7, 1, 2 } << Lengths{
        { "baseDiameter", d7 }, { "diameterDiagonal", std::hypot(d7, 2) } };
    QTest::newRow("triangular prism") << Shape::RegularPrism << Dims{ 3, 2, 4 } << Lengths{
        { "baseHeight", r3 }, { "baseApothem", r3 / 3 } };
    QTest::newRow("square pyramid") << Shape::RegularPyramid << Dims{ 4, 6, 4 } << Lengths{
        { "slant", 5 }, { "baseApothem", 3 }, { "height", 4 }, { "lateralEdge", std::sqrt(34) } };
    QTest::newRow("triangular pyramid") << Shape::RegularPyramid << Dims{ 3, 6, 2 } << Lengths{
        { "baseHeight", 3 * r3 }, { "slant", std::sqrt(7) }, { "lateralEdge", 4 } };
    QTest::newRow("rectangular pyramid") << Shape::RectangularPyramid << Dims{ 6, 8, 12 } << Lengths{
        { "lengthSlant", std::sqrt(160) }, { "widthSlant", std::sqrt(153) }, { "lateralEdge", 13 } };
    // A trapezoid 8, 2 with sides 5 holds a circle of radius 2: r = 2·AB/P.
    QTest::newRow("trapezoid pyramid") << Shape::TrapezoidPyramid << Dims{ 8, 2, 4, 1.5 } << Lengths{
        { "frontSide", 8 }, { "backSide", 2 }, { "obliqueSide", 5 }, { "trapezoidHeight", 4 },
        { "overhang", 3 }, { "inradius", 2 }, { "slant", 2.5 }, { "frontEdge", std::hypot(2.5, 4) },
        { "backEdge", std::hypot(2.5, 1) } };
    QTest::newRow("frustum") << Shape::TruncatedPyramid << Dims{ 4, 10, 4, 4 } << Lengths{
        { "slant", 5 }, { "lowerApothem", 5 }, { "upperApothem", 2 }, { "upperSide", 4 },
        { "lateralEdge", std::sqrt(34) } };
    QTest::newRow("tetrahedron") << Shape::Tetrahedron << Dims{ 3 } << Lengths{ { "height", std::sqrt(6) } };
    QTest::newRow("octahedron") << Shape::Octahedron << Dims{ 2 } << Lengths{ { "edge", 2 } };
    QTest::newRow("dodecahedron") << Shape::Dodecahedron << Dims{ 2 } << Lengths{ { "edge", 2 } };
    QTest::newRow("icosahedron") << Shape::Icosahedron << Dims{ 2 } << Lengths{ { "edge", 2 } };
    QTest::newRow("meda") << Shape::Meda << Dims{ 10, 6, 4, 2, 3 } << Lengths{
        { "topLength", 4 }, { "topWidth", 2 }, { "height", 3 } };
    QTest::newRow("cavalla") << Shape::Cavalla << Dims{ 10, 6, 4, 3 } << Lengths{
        { "ridge", 4 }, { "height", 3 } };
    QTest::newRow("biga") << Shape::Biga << Dims{ 10, 6, 4, 2, 3, 5 } << Lengths{
        { "bottomWidth", 2 }, { "width", 6 }, { "height", 3 }, { "ridgeHeight", 5 } };
    QTest::newRow("trench") << Shape::Trench << Dims{ 12, 30, 20 } << Lengths{ { "length", 20 } };
    QTest::newRow("prismoid") << Shape::Prismoid << Dims{ 4, 9, 7, 2 } << Lengths{ { "height", 2 } };
    // clang-format on
}

void TestGeometryFlat::anchors()
{
    QFETCH(Shape, shape);
    QFETCH(Dims, dims);
    QFETCH(Lengths, lengths);
    const Solid solid = solidOf(shape, dims);
    for (const auto &[name, expected] : lengths) {
        const Anchor *found = solid.anchor(name);
        QVERIFY2(found && found->path.size() == 2, name.c_str());
        const double measured = length(found->path[1] - found->path[0]);
        QVERIFY2(std::abs(measured - expected) < 1e-9 * expected,
                 qPrintable(QString("%1 is %2").arg(name.c_str()).arg(measured)));
    }
}

// The areas the screens give are the solids' end faces.
void TestGeometryFlat::prismoidAndTrenchSections()
{
    const auto faceFacing = [](const Mesh &m, const Vec3 &direction) {
        for (const auto &f : m.faces) {
            const Vec3 n = m.normal(f);
            if (dot(n, direction) > 0.999999 * length(n))
                return length(n) / 2;
        }
        return -1.0;
    };
    const Mesh prismoid = solidOf(Shape::Prismoid, { 4, 9, 7, 2 }).mesh;
    QVERIFY(std::abs(faceFacing(prismoid, { 0, 0, -1 }) - 4) < 1e-12);
    QVERIFY(std::abs(faceFacing(prismoid, { 0, 0, 1 }) - 9) < 1e-12);
    const Mesh trench = solidOf(Shape::Trench, { 12, 30, 20 }).mesh;
    QVERIFY(std::abs(faceFacing(trench, { 0, -1, 0 }) - 12) < 1e-12);
    QVERIFY(std::abs(faceFacing(trench, { 0, 1, 0 }) - 30) < 1e-12);
}

void TestGeometryFlat::refusals_data()
{
    QTest::addColumn<Shape>("shape");
    QTest::addColumn<Dims>("dims");
    QTest::newRow("zero side") << Shape::Box << Dims{ 1, 0, 1 };
    QTest::newRow("negative edge") << Shape::Icosahedron << Dims{ -1 };
    QTest::newRow("not a number") << Shape::Cube << Dims{ std::nan("") };
    QTest::newRow("too large to draw") << Shape::Box << Dims{ 1e200, 1e200, 1e200 };
    QTest::newRow("missing dimension") << Shape::Meda << Dims{ 1, 2, 3 };
    QTest::newRow("two sides") << Shape::RegularPrism << Dims{ 2, 1, 1 };
    QTest::newRow("sides not whole") << Shape::RegularPyramid << Dims{ 5.5, 1, 1 };
    QTest::newRow("frustum upside down") << Shape::TruncatedPyramid << Dims{ 4, 2, 3, 1 };
    QTest::newRow("frustum a prism") << Shape::TruncatedPyramid << Dims{ 4, 2, 2, 1 };
    QTest::newRow("meda top overhangs") << Shape::Meda << Dims{ 4, 3, 5, 1, 2 };
    QTest::newRow("ridge too long") << Shape::Cavalla << Dims{ 4, 3, 5, 2 };
    QTest::newRow("biga foot too wide") << Shape::Biga << Dims{ 4, 3, 2, 4, 1, 1 };
    // Two bases 4 and 9 have a middle section of at least 6.25.
    QTest::newRow("middle section too small") << Shape::Prismoid << Dims{ 4, 9, 6.2, 1 };
}

void TestGeometryFlat::refusals()
{
    QFETCH(Shape, shape);
    QFETCH(Dims, dims);
    const auto built = build(shape, dims);
    const auto *refusal = std::get_if<Refusal>(&built);
    QVERIFY(refusal);
    QVERIFY(!refusal->reason.empty() && refusal->reason.back() == '.');
}

QTEST_GUILESS_MAIN(TestGeometryFlat)
#include "test_geometry_flat.moc"
