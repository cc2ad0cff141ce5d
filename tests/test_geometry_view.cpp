// The view of a solid: faces, hidden edges, outlines, measures, labels and scale,
// on meshes built here by hand.
#include "geometry/view.h"

#include <QRectF>
#include <QTest>

#include <cmath>
#include <numbers>

Q_DECLARE_METATYPE(geometry::Vec3)

using namespace geometry;
using Kind = Primitive::Kind;
constexpr double pi = std::numbers::pi;

namespace {

Solid box(double a, double b, double c, bool convex = true)
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
    s.mesh.convex = convex;
    return s;
}

// A solid of revolution: the profile (distance from the axis z, height) from top to
// bottom turned in 64 steps, band k of facets on surface[k].
Solid lathe(const std::vector<std::pair<double, double>> &profile, const std::vector<int> &surface)
{
    const int n = 64;
    Solid s;
    std::vector<int> first;
    for (auto [r, z] : profile) {
        first.push_back(int(s.mesh.vertices.size()));
        for (int j = 0; j < (r > 1e-9 ? n : 1); ++j)
            s.mesh.add({ r * std::cos(2 * pi * j / n), r * std::sin(2 * pi * j / n), z });
    }
    const auto at = [&](std::size_t k, int j) {
        return first[k] + (profile[k].first > 1e-9 ? j % n : 0);
    };
    for (std::size_t k = 0; k + 1 < profile.size(); ++k)
        for (int j = 0; j < n; ++j) {
            std::vector<int> f{ at(k, j), at(k + 1, j), at(k + 1, j + 1), at(k, j + 1) };
            f.erase(std::unique(f.begin(), f.end()), f.end()); // a pole makes a triangle
            if (f.back() == f.front())
                f.pop_back();
            s.mesh.face(f, surface[k]);
        }
    return s;
}

Scene scene(Solid solid, std::vector<Measure> measures = {}, std::string unit = {})
{
    return { std::move(solid), std::move(measures), std::move(unit) };
}

std::vector<Primitive> only(const Drawing &d, Kind kind)
{
    std::vector<Primitive> found;
    std::copy_if(d.items.begin(), d.items.end(), std::back_inserter(found),
                 [&](const Primitive &p) { return p.kind == kind; });
    return found;
}

// Segments drawn as [hidden, visible] edges.
std::pair<int, int> edgeSegments(const Drawing &d)
{
    std::pair<int, int> count;
    for (const auto &e : only(d, Kind::Edge))
        (e.hidden ? count.first : count.second) += int(e.points.size()) - 1;
    return count;
}

} // namespace

class TestGeometryView : public QObject {
    Q_OBJECT
private slots:
    void cubeFaceOnIsASquare_data()
    {
        QTest::addColumn<double>("side");
        QTest::newRow("1") << 1.0;
        QTest::newRow("300") << 300.0;
    }
    void cubeFaceOnIsASquare()
    {
        QFETCH(double, side);
        const Drawing d = draw(scene(box(side, side, side)), { 0, 0 }, 600, 400);
        const auto faces = only(d, Kind::Face);
        QCOMPARE(int(faces.size()), 1);
        QCOMPARE(int(faces[0].points.size()), 4);
        for (int i = 0; i < 4; ++i) {
            const Point a = faces[0].points[i], b = faces[0].points[(i + 1) % 4];
            QCOMPARE(std::hypot(a.x - b.x, a.y - b.y), side * d.scale);
            QVERIFY(std::abs(a.x - b.x) < 1e-9 || std::abs(a.y - b.y) < 1e-9);
        }
    }

    void cubeHasThreeHiddenEdges_data()
    {
        QTest::addColumn<double>("turn");
        QTest::addColumn<double>("tilt");
        QTest::addColumn<bool>("convex"); // if not, its edges are tested point by point
        QTest::newRow("standard") << Camera::kTurn << Camera::kTilt << true;
        QTest::newRow("standard, by occlusion") << Camera::kTurn << Camera::kTilt << false;
        QTest::newRow("from behind") << 150.0 << 40.0 << true;
        QTest::newRow("from below, by occlusion") << 70.0 << -30.0 << false;
    }
    void cubeHasThreeHiddenEdges()
    {
        QFETCH(double, turn);
        QFETCH(double, tilt);
        QFETCH(bool, convex);
        const Drawing d = draw(scene(box(2, 2, 2, convex)), { turn, tilt }, 600, 400);
        QCOMPARE(edgeSegments(d), std::pair(3, 9));
        QCOMPARE(int(only(d, Kind::Face).size()), convex ? 3 : 6);
    }

    void sphereOutlineIsACircle_data() { cubeHasThreeHiddenEdges_data(); }
    void sphereOutlineIsACircle()
    {
        QFETCH(double, turn);
        QFETCH(double, tilt);
        std::vector<std::pair<double, double>> profile;
        for (double i = 0; i <= 32; ++i)
            profile.emplace_back(5 * std::sin(i * pi / 32), 5 * std::cos(i * pi / 32));
        const Drawing d = draw(scene(lathe(profile, std::vector(32, 1))), { turn, tilt }, 600, 400);
        std::vector<Point> outline;
        for (const auto &e : only(d, Kind::Edge))
            outline.insert(outline.end(), e.points.begin(), e.points.end());
        QVERIFY(outline.size() > 64);
        QCOMPARE(edgeSegments(d).first, 0);
        // The centre of the outline's extent is the projected centre, to the tessellation's
        // bound; a seam drawn inside the outline would come nearer to it.
        const auto [left, right] = std::minmax_element(outline.begin(), outline.end(),
                                                       [](Point a, Point b) { return a.x < b.x; });
        const auto [top, bottom] = std::minmax_element(outline.begin(), outline.end(),
                                                       [](Point a, Point b) { return a.y < b.y; });
        const Point centre{ (left->x + right->x) / 2, (top->y + bottom->y) / 2 };
        for (const Point &p : outline)
            QVERIFY(std::abs(std::hypot(p.x - centre.x, p.y - centre.y) / (5 * d.scale) - 1)
                    < 0.02);
    }

    void labelsKeepApart_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::newRow("360, upright") << 360.0 << 480.0;
        QTest::newRow("600") << 600.0 << 420.0;
    }
    void labelsKeepApart()
    {
        QFETCH(double, width);
        QFETCH(double, height);
        // A cylinder of radius 4 and height 6, its flat bases fanned from their centres.
        Solid cylinder = lathe({ { 0, 6 }, { 4, 6 }, { 4, 0 }, { 0, 0 } }, { 2, 1, 3 });
        cylinder.anchors = { { "radius", { { 0, 0, 6 }, { 4, 0, 6 } } },
                             { "height", { { 0, -4, 0 }, { 0, -4, 6 } } },
                             { "diameter", { { 0, 4, 0 }, { 0, -4, 0 } } } };
        const Scene labelled = scene(cylinder,
                                     { { "radius", "r = 4,000 cm", true },
                                       { "height", "h = 6,000 cm", true },
                                       { "height", "g = 6 cm", false }, // on the same line
                                       { "diameter", "d = 8,000 cm", false },
                                       { "", "V = 301,59 cm³", false },
                                       { "", "Aₗ = 150,8 cm²", false } },
                                     "cm");
        const double scale = draw(labelled, {}, width, height).scale;
        for (double turn = 0; turn < 360; turn += 30)
            for (double tilt : { 10.0, 22.0, 50.0 }) {
                const Drawing d = draw(labelled, { turn, tilt }, width, height);
                QCOMPARE(d.scale, scale);
                QCOMPARE(d.fontSize, width < 400 ? 12.0 : 14.0);
                // The rims are chained: few polylines, the far half of the lower one hidden.
                QVERIFY(only(d, Kind::Edge).size() <= 4);
                QCOMPARE(edgeSegments(d).first, 32);
                std::vector<QRectF> boxes;
                for (const auto &p : d.items) {
                    const double w = labelWidth(p.text, d.fontSize), f = d.fontSize;
                    const Point at = p.points.empty() ? Point{} : p.points[0];
                    if (p.kind == Kind::Label)
                        boxes.emplace_back(at.x - w / 2, at.y - f / 2, w, f);
                    else if (p.kind == Kind::Legend || p.kind == Kind::ScaleBar)
                        boxes.emplace_back(at.x, at.y - f, std::max(w, p.points.back().x - at.x),
                                           f);
                }
                QCOMPARE(int(boxes.size()), 7);
                QVERIFY(boxes[5].top() > boxes[4].top() && boxes[5].left() == boxes[4].left());
                for (std::size_t i = 0; i < boxes.size(); ++i) {
                    QVERIFY(QRectF(0, 0, width, height).contains(boxes[i]));
                    for (std::size_t j = 0; j < i; ++j)
                        QVERIFY(!boxes[i].intersects(boxes[j]));
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
        for (const auto &m : only(draw(measured, {}, 600, 400), Kind::Measure))
            seen += m.hidden ? 'h' : 'v';
        QCOMPARE(seen, runs);
    }

    void scaleBarIsAPowerOfTen_data()
    {
        QTest::addColumn<double>("side");
        QTest::newRow("1") << 1.0;
        QTest::newRow("7") << 7.0;
        QTest::newRow("0,05") << 0.05;
        QTest::newRow("30 000") << 30000.0;
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
        QCOMPARE(std::log10(value), std::round(std::log10(value)));
        const double pixels = bars[0].points[1].x - bars[0].points[0].x;
        QCOMPARE(pixels, value * d.scale);
        QVERIFY(pixels >= 8 && pixels <= 600 / 4 && pixels * 10 > 600 / 4);
        QVERIFY(only(draw(scene(box(side, side, side)), {}, 600, 400), Kind::ScaleBar).empty());
    }
};

QTEST_APPLESS_MAIN(TestGeometryView)
#include "test_geometry_view.moc"
