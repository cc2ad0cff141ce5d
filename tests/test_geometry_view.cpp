// The view of a solid: faces, hidden edges, outlines, measures, labels and scale,
// on meshes built here by hand.
#include "geometry/view.h"

#include <QTest>

#include <cmath>
#include <numbers>

Q_DECLARE_METATYPE(geometry::Vec3)

using namespace geometry;
using Kind = Primitive::Kind;
constexpr double pi = std::numbers::pi;

namespace {

Solid box(double a, double b, double c)
{
    Solid s;
    for (int i = 0; i < 8; ++i) // vertex i has x, y, z from its bits 0, 1, 2
        s.mesh.add({ a * (i & 1), b * ((i >> 1) & 1), c * ((i >> 2) & 1) });
    for (auto f : { std::vector{ 0, 2, 3, 1 },
                    { 4, 5, 7, 6 },
                    { 0, 1, 5, 4 },
                    { 2, 6, 7, 3 },
                    { 0, 4, 6, 2 },
                    { 1, 3, 7, 5 } })
        s.mesh.face(f);
    return s;
}

Vec3 around(double r, double angle, double z)
{
    return { r * std::cos(angle), r * std::sin(angle), z };
}

Solid sphere(double r)
{
    const int rings = 32, n = 64;
    Solid s;
    const int north = s.mesh.add({ 0, 0, r });
    for (int i = 1; i < rings; ++i)
        for (int j = 0; j < n; ++j)
            s.mesh.add(
                around(r * std::sin(i * pi / rings), 2 * pi * j / n, r * std::cos(i * pi / rings)));
    const int south = s.mesh.add({ 0, 0, -r });
    const auto v = [&](int i, int j) { return 1 + (i - 1) * n + j % n; };
    for (int j = 0; j < n; ++j) {
        s.mesh.face({ north, v(1, j), v(1, j + 1) }, 1);
        for (int i = 1; i + 1 < rings; ++i)
            s.mesh.face({ v(i, j), v(i + 1, j), v(i + 1, j + 1), v(i, j + 1) }, 1);
        s.mesh.face({ south, v(rings - 1, j + 1), v(rings - 1, j) }, 1);
    }
    return s;
}

Solid cylinder(double r, double h)
{
    const int n = 64;
    Solid s;
    std::vector<int> top, bottom;
    for (int j = 0; j < n; ++j) {
        bottom.insert(bottom.begin(), s.mesh.add(around(r, 2 * pi * j / n, 0)));
        top.push_back(s.mesh.add(around(r, 2 * pi * j / n, h)));
    }
    for (int j = 0; j < n; ++j)
        s.mesh.face({ 2 * j, 2 * ((j + 1) % n), 2 * ((j + 1) % n) + 1, 2 * j + 1 }, 1);
    s.mesh.face(top);
    s.mesh.face(bottom);
    s.anchors = { { "radius", { { 0, 0, h }, around(r, 0.3, h) } },
                  { "height", { around(r, -1.2, 0), around(r, -1.2, h) } },
                  { "diameter", { around(r, 2, 0), around(r, 2 + pi, 0) } } };
    return s;
}

Scene scene(Solid solid, std::vector<Measure> measures = {}, std::string unit = {})
{
    return { std::move(solid), std::move(measures), std::move(unit) };
}

std::vector<Primitive> only(const Drawing &d, Kind kind)
{
    std::vector<Primitive> found;
    for (const auto &p : d.items)
        if (p.kind == kind)
            found.push_back(p);
    return found;
}

double distance(Point a, Point b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

} // namespace

class TestGeometryView : public QObject {
    Q_OBJECT
private slots:
    void cubeFaceOnIsASquare_data()
    {
        QTest::addColumn<double>("side");
        QTest::newRow("1") << 1.0;
        QTest::newRow("2,5") << 2.5;
        QTest::newRow("300") << 300.0;
    }
    void cubeFaceOnIsASquare()
    {
        QFETCH(double, side);
        const Drawing d = draw(scene(box(side, side, side)), { 0, 0 }, 600, 400);
        const auto faces = only(d, Kind::Face);
        QCOMPARE(int(faces.size()), 1);
        const auto &p = faces[0].points;
        QCOMPARE(int(p.size()), 4);
        for (int i = 0; i < 4; ++i) {
            const Point a = p[i], b = p[(i + 1) % 4];
            QCOMPARE(distance(a, b), side * d.scale);
            QVERIFY(std::abs(a.x - b.x) < 1e-9 || std::abs(a.y - b.y) < 1e-9);
        }
        // The whole cube fits the drawing.
        QVERIFY(d.scale * side * std::sqrt(3.0) <= 400);
    }

    void cubeHasThreeHiddenEdges_data()
    {
        QTest::addColumn<double>("turn");
        QTest::addColumn<double>("tilt");
        QTest::newRow("standard") << Camera::kTurn << Camera::kTilt;
        QTest::newRow("from behind") << 150.0 << 40.0;
        QTest::newRow("from below") << 70.0 << -30.0;
    }
    void cubeHasThreeHiddenEdges()
    {
        QFETCH(double, turn);
        QFETCH(double, tilt);
        const Drawing d = draw(scene(box(2, 2, 2)), { turn, tilt }, 600, 400);
        int hidden = 0, visible = 0;
        for (const auto &e : only(d, Kind::Edge))
            (e.hidden ? hidden : visible) += int(e.points.size()) - 1;
        QCOMPARE(hidden, 3);
        QCOMPARE(visible, 9);
        QCOMPARE(int(only(d, Kind::Face).size()), 3);
    }

    void sphereOutlineIsACircle_data() { cubeHasThreeHiddenEdges_data(); }
    void sphereOutlineIsACircle()
    {
        QFETCH(double, turn);
        QFETCH(double, tilt);
        const Solid s = sphere(5);
        const Drawing d = draw(scene(s), { turn, tilt }, 600, 400);
        // The middle of the faces' extent is the projected centre, to the
        // tessellation's bound.
        double lo[2] = { 1e9, 1e9 }, hi[2] = { -1e9, -1e9 };
        for (const auto &f : only(d, Kind::Face))
            for (const Point &p : f.points) {
                lo[0] = std::min(lo[0], p.x), hi[0] = std::max(hi[0], p.x);
                lo[1] = std::min(lo[1], p.y), hi[1] = std::max(hi[1], p.y);
            }
        const Point centre{ (lo[0] + hi[0]) / 2, (lo[1] + hi[1]) / 2 };
        const double r = 5 * d.scale;
        std::vector<double> angles;
        for (const auto &e : only(d, Kind::Edge)) {
            QVERIFY(!e.hidden);
            for (const Point &p : e.points) {
                // A seam drawn inside the outline would come nearer the centre.
                QVERIFY2(distance(p, centre) <= r * 1.01, "outside the sphere");
                QVERIFY2(distance(p, centre) >= r * std::cos(2 * pi / 32), "not on the outline");
                angles.push_back(std::atan2(p.y - centre.y, p.x - centre.x));
            }
        }
        std::sort(angles.begin(), angles.end());
        QVERIFY(angles.size() > 32);
        angles.push_back(angles.front() + 2 * pi);
        for (std::size_t i = 1; i < angles.size(); ++i)
            QVERIFY2(angles[i] - angles[i - 1] < pi / 8, "the outline has a gap");
    }

    void cylinderRimsAreFewPolylines()
    {
        const Drawing d = draw(scene(cylinder(3, 5)), {}, 600, 400);
        const auto edges = only(d, Kind::Edge);
        QVERIFY(edges.size() <= 4);
        int hidden = 0;
        for (const auto &e : edges)
            hidden += e.hidden ? int(e.points.size()) - 1 : 0;
        QCOMPARE(hidden, 32); // the far half of the lower rim
    }

    void scaleDoesNotTurn()
    {
        const Scene boxed = scene(box(3, 4, 12));
        const double scale = draw(boxed, {}, 500, 400).scale;
        QVERIFY(scale > 0);
        for (double turn = 0; turn < 360; turn += 40)
            for (double tilt : { -20.0, 0.0, 30.0, 80.0 })
                QCOMPARE(draw(boxed, { turn, tilt }, 500, 400).scale, scale);
    }

    void labelsKeepApart_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::newRow("360") << 360.0 << 300.0;
        QTest::newRow("600") << 600.0 << 420.0;
    }
    void labelsKeepApart()
    {
        QFETCH(double, width);
        QFETCH(double, height);
        const Scene labelled = scene(cylinder(4, 6),
                                     { { "radius", "r = 4 cm", true },
                                       { "height", "h = 6 cm", true },
                                       { "diameter", "d = 8 cm", false },
                                       { "", "V = 301,59 cm³", false },
                                       { "", "Aₗ = 150,8 cm²", false } },
                                     "cm");
        for (double turn = 0; turn < 360; turn += 30)
            for (double tilt : { 10.0, 22.0, 50.0 }) {
                const Drawing d = draw(labelled, { turn, tilt }, width, height);
                QCOMPARE(d.fontSize, width < 400 ? 12.0 : 14.0);
                std::vector<QRectF> boxes;
                for (const auto &p : d.items) {
                    const double w = labelWidth(p.text, d.fontSize), f = d.fontSize;
                    const Point at = p.points.empty() ? Point{} : p.points[0];
                    if (p.kind == Kind::Label)
                        boxes.emplace_back(at.x - w / 2, at.y - f / 2, w, f);
                    else if (p.kind == Kind::Legend)
                        boxes.emplace_back(at.x, at.y - f, w, f);
                    else if (p.kind == Kind::ScaleBar)
                        boxes.emplace_back(at.x, at.y - f, std::max(w, p.points[1].x - at.x), f);
                }
                QCOMPARE(int(boxes.size()), 6);
                for (std::size_t i = 0; i < boxes.size(); ++i) {
                    QVERIFY(QRectF(0, 0, width, height).contains(boxes[i]));
                    for (std::size_t j = 0; j < i; ++j)
                        QVERIFY2(
                            !boxes[i].intersects(boxes[j]),
                            qPrintable(QString("%1 %2: %3, %4").arg(turn).arg(tilt).arg(i).arg(j)));
                }
            }
    }

    void measuresHideInsideAndBehind_data()
    {
        QTest::addColumn<Vec3>("from");
        QTest::addColumn<Vec3>("to");
        QTest::addColumn<QString>("runs"); // v visible, h hidden, from start to end
        QTest::newRow("space diagonal") << Vec3{ 0, 0, 0 } << Vec3{ 2, 3, 4 } << "h";
        QTest::newRow("nearest edge") << Vec3{ 2, 0, 0 } << Vec3{ 2, 0, 4 } << "v";
        QTest::newRow("farthest edge") << Vec3{ 0, 3, 0 } << Vec3{ 0, 3, 4 } << "h";
        QTest::newRow("out of the front") << Vec3{ 1, 1.5, 2 } << Vec3{ 1, -3, 2 } << "hv";
        QTest::newRow("through the box") << Vec3{ 1, -3, 2 } << Vec3{ 1, 6, 2 } << "vhv";
    }
    void measuresHideInsideAndBehind()
    {
        QFETCH(Vec3, from);
        QFETCH(Vec3, to);
        QFETCH(QString, runs);
        Scene measured = scene(box(2, 3, 4), { { "m", "m = 1", true } });
        measured.solid.anchors = { { "m", { from, to } } };
        QString seen;
        for (const auto &m : only(draw(measured, {}, 600, 400), Kind::Measure)) {
            QVERIFY(m.given);
            seen += m.hidden ? 'h' : 'v';
        }
        QCOMPARE(seen, runs);
    }

    void scaleBarIsAPowerOfTen_data()
    {
        QTest::addColumn<double>("side");
        QTest::newRow("1") << 1.0;
        QTest::newRow("7") << 7.0;
        QTest::newRow("0,05") << 0.05;
        QTest::newRow("3000") << 3000.0;
    }
    void scaleBarIsAPowerOfTen()
    {
        QFETCH(double, side);
        const Drawing d = draw(scene(box(side, side, side), {}, "m"), {}, 600, 400);
        const auto bars = only(d, Kind::ScaleBar);
        QCOMPARE(int(bars.size()), 1);
        QString text = QString::fromStdString(bars[0].text);
        QVERIFY(text.endsWith(" m"));
        text.chop(2);
        const double value = text.remove(QChar(0x202F)).replace(',', '.').toDouble();
        const double decade = std::log10(value);
        QCOMPARE(decade, std::round(decade));
        const double pixels = distance(bars[0].points[0], bars[0].points[1]);
        QCOMPARE(pixels, value * d.scale);
        QVERIFY(pixels >= 8 && pixels <= 150 && pixels * 10 > 150);
        QVERIFY(only(draw(scene(box(side, side, side)), {}, 600, 400), Kind::ScaleBar).empty());
    }
};

QTEST_APPLESS_MAIN(TestGeometryView)
#include "test_geometry_view.moc"
