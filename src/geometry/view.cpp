#include "view.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace geometry {

double labelWidth(const std::string &text, double fontSize)
{
    // Characters, not bytes: a UTF-8 continuation byte adds no width.
    int chars = 0;
    for (unsigned char c : text)
        chars += (c & 0xC0) != 0x80;
    return chars * fontSize * 0.62;
}

namespace {

// How many pieces to test a line in: about `wanted`, at least one and at most `most`.
int steps(double wanted, int most)
{
    return wanted > 1.0 ? int(std::min(std::ceil(wanted), double(most))) : 1;
}

// A rectangle on the screen, for placing texts.
struct Box {
    double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;
    bool overlaps(const Box &o) const
    {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    bool inside(double width, double height) const
    {
        return left >= 0.0 && top >= 0.0 && right <= width && bottom <= height;
    }
};

// Whether the segment from p to q passes through the box (Liang and Barsky's clipping).
bool crosses(const Box &box, Point p, Point q)
{
    double enter = 0.0, leave = 1.0;
    const auto clip = [&](double towards, double room) { // towards · t <= room
        if (towards == 0.0)
            return room >= 0.0;
        const double t = room / towards;
        if (towards > 0.0)
            leave = std::min(leave, t);
        else
            enter = std::max(enter, t);
        return enter <= leave;
    };
    const double dx = q.x - p.x, dy = q.y - p.y;
    return clip(-dx, p.x - box.left) && clip(dx, box.right - p.x) && clip(-dy, p.y - box.top)
           && clip(dy, box.bottom - p.y);
}

Box boxAround(Point centre, double width, double height)
{
    return { centre.x - width / 2, centre.y - height / 2, centre.x + width / 2,
             centre.y + height / 2 };
}

// A face as the eye sees it, in view coordinates: x right, y up, z towards the eye.
struct FaceView {
    Vec3 normal; // unit
    Vec3 centre;
    double lo[2], hi[2];
    bool front = false;
};

// The light comes from above, on the left and from in front of the solid.
constexpr Vec3 kLight = { -0.45, 0.55, 0.70 };

double shadeOf(const Vec3 &unitNormal)
{
    const double lit = std::max(0.0, dot(unitNormal, kLight / length(kLight)));
    return std::clamp(0.25 + 0.75 * lit, 0.0, 1.0);
}

// Whether the polygon through these of the points contains (x, y), seen along z.
bool containsPoint(const std::vector<int> &corners, const std::vector<Vec3> &points, double x,
                   double y)
{
    bool in = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const Vec3 &a = points[corners[i]], &b = points[corners[j]];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}

class Projection {
public:
    Projection(const Mesh &mesh, const Camera &camera, double width, double height, double top,
               double bottom, double side)
    {
        const double degrees = std::numbers::pi / 180.0;
        const double turn = (std::isfinite(camera.turn) ? camera.turn : Camera::kTurn) * degrees;
        const double tilt = (std::isfinite(camera.tilt) ? camera.tilt : Camera::kTilt) * degrees;
        cosTurn = std::cos(turn);
        sinTurn = std::sin(turn);
        cosTilt = std::cos(tilt);
        sinTilt = std::sin(tilt);
        centre = toView(mesh.centre());
        radius = mesh.radius();
        const double room = std::min(width - 2 * side, height - top - bottom) / 2;
        if (radius > 0.0 && room > 0.0 && std::isfinite(room / radius))
            scale = room / radius;
        origin = { width / 2, top + (height - top - bottom) / 2 };
    }

    Vec3 toView(const Vec3 &p) const
    {
        const double x = p.x * cosTurn - p.y * sinTurn;
        const double y = p.x * sinTurn + p.y * cosTurn;
        return { x, y * sinTilt + p.z * cosTilt, -y * cosTilt + p.z * sinTilt };
    }
    Point toScreen(const Vec3 &v) const
    {
        return { origin.x + scale * (v.x - centre.x), origin.y - scale * (v.y - centre.y) };
    }

    double cosTurn = 1.0, sinTurn = 0.0, cosTilt = 1.0, sinTilt = 0.0;
    Vec3 centre;
    double radius = 0.0;
    double scale = 0.0;
    Point origin;
};

class Figure {
public:
    Figure(const Mesh &mesh, const Projection &projection) : mesh(mesh), view(projection)
    {
        points.reserve(mesh.vertices.size());
        for (const auto &v : mesh.vertices)
            points.push_back(view.toView(v));
        tolerance = 1e-3 * view.radius;
        faces.reserve(mesh.faces.size());
        for (const auto &f : mesh.faces) {
            FaceView fv;
            fv.lo[0] = fv.lo[1] = INFINITY;
            fv.hi[0] = fv.hi[1] = -INFINITY;
            for (int i : f.vertices) {
                const Vec3 &p = points[i];
                fv.centre = fv.centre + p;
                fv.lo[0] = std::min(fv.lo[0], p.x);
                fv.lo[1] = std::min(fv.lo[1], p.y);
                fv.hi[0] = std::max(fv.hi[0], p.x);
                fv.hi[1] = std::max(fv.hi[1], p.y);
            }
            if (!f.vertices.empty())
                fv.centre = fv.centre / double(f.vertices.size());
            const Vec3 n = view.toView(mesh.normal(f));
            const double l = length(n);
            fv.normal = l > 0.0 ? n / l : Vec3{};
            fv.front = fv.normal.z > 1e-9;
            faces.push_back(std::move(fv));
        }
    }

    // Whether a point (in view coordinates) lies behind a face turned to the eye.
    bool occluded(const Vec3 &p) const
    {
        if (cells.empty())
            sortIntoCells();
        const int i = cellOf(p.x, 0), j = cellOf(p.y, 1);
        if (i < 0 || j < 0)
            return false;
        for (int k : cells[std::size_t(j * kCells + i)]) {
            const FaceView &f = faces[k];
            if (p.x < f.lo[0] || p.x > f.hi[0] || p.y < f.lo[1] || p.y > f.hi[1])
                continue;
            const Vec3 &c = f.centre;
            const double z =
                c.z - (f.normal.x * (p.x - c.x) + f.normal.y * (p.y - c.y)) / f.normal.z;
            if (z > p.z + tolerance && containsPoint(mesh.faces[k].vertices, points, p.x, p.y))
                return true;
        }
        return false;
    }

    const Mesh &mesh;
    const Projection &view;
    std::vector<Vec3> points;
    std::vector<FaceView> faces;
    double tolerance = 0.0;

private:
    // The faces turned to the eye, by the cells of a grid over the figure that their
    // extents reach, so that a point meets only the faces near it.
    static constexpr int kCells = 32;
    int cellOf(double value, int axis) const
    {
        const double t = (value - gridLo[axis]) / (gridHi[axis] - gridLo[axis]) * kCells;
        if (!(t >= 0.0 && t <= kCells))
            return -1;
        return std::min(int(t), kCells - 1);
    }
    void sortIntoCells() const
    {
        cells.resize(std::size_t(kCells * kCells));
        gridLo[0] = gridLo[1] = INFINITY;
        gridHi[0] = gridHi[1] = -INFINITY;
        for (const auto &f : faces)
            for (int axis = 0; f.front && axis < 2; ++axis) {
                gridLo[axis] = std::min(gridLo[axis], f.lo[axis]);
                gridHi[axis] = std::max(gridHi[axis], f.hi[axis]);
            }
        for (int axis = 0; axis < 2; ++axis)
            if (!(gridHi[axis] > gridLo[axis]))
                return; // nothing turned to the eye, or no extent: nothing hides
        for (int k = 0; k < int(faces.size()); ++k) {
            const FaceView &f = faces[k];
            if (!f.front)
                continue;
            for (int j = cellOf(f.lo[1], 1); j <= cellOf(f.hi[1], 1); ++j)
                for (int i = cellOf(f.lo[0], 0); i <= cellOf(f.hi[0], 0); ++i)
                    cells[std::size_t(j * kCells + i)].push_back(k);
        }
    }
    mutable std::vector<std::vector<int>> cells;
    mutable double gridLo[2] = {}, gridHi[2] = {};
};

// A stretch of a line with one visibility, between two points named by keys:
// a vertex of the mesh, or a point inside an edge.
struct Piece {
    int from, to;
    Point a, b;
    bool hidden;
};

// Joins pieces end to end into polylines, where they meet with the same visibility.
void chain(const std::vector<Piece> &pieces, int keys, std::vector<Primitive> &items)
{
    std::vector<std::vector<int>> at(std::size_t(keys) * 2);
    for (int i = 0; i < int(pieces.size()); ++i) {
        const int side = pieces[i].hidden ? keys : 0;
        at[side + pieces[i].from].push_back(i);
        at[side + pieces[i].to].push_back(i);
    }
    std::vector<bool> used(pieces.size(), false);
    const auto next = [&](int key, bool hidden) {
        for (int i : at[(hidden ? keys : 0) + key])
            if (!used[i])
                return i;
        return -1;
    };
    for (int start = 0; start < int(pieces.size()); ++start) {
        if (used[start])
            continue;
        used[start] = true;
        const bool hidden = pieces[start].hidden;
        std::vector<Point> forward{ pieces[start].a, pieces[start].b };
        std::vector<Point> backward;
        int end = pieces[start].to;
        for (int i; (i = next(end, hidden)) >= 0;) {
            used[i] = true;
            const bool along = pieces[i].from == end;
            forward.push_back(along ? pieces[i].b : pieces[i].a);
            end = along ? pieces[i].to : pieces[i].from;
        }
        int begin = pieces[start].from;
        for (int i; (i = next(begin, hidden)) >= 0;) {
            used[i] = true;
            const bool along = pieces[i].to == begin;
            backward.push_back(along ? pieces[i].a : pieces[i].b);
            begin = along ? pieces[i].from : pieces[i].to;
        }
        Primitive p;
        p.kind = Primitive::Kind::Edge;
        p.hidden = hidden;
        p.points.assign(backward.rbegin(), backward.rend());
        p.points.insert(p.points.end(), forward.begin(), forward.end());
        items.push_back(std::move(p));
    }
}

void drawFaces(const Figure &figure, std::vector<Primitive> &items)
{
    std::vector<int> order;
    for (int i = 0; i < int(figure.faces.size()); ++i)
        if (figure.faces[i].front || !figure.mesh.convex)
            order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return figure.faces[a].centre.z < figure.faces[b].centre.z;
    });
    for (int i : order) {
        const FaceView &f = figure.faces[i];
        Primitive p;
        p.kind = Primitive::Kind::Face;
        for (int c : figure.mesh.faces[i].vertices)
            p.points.push_back(figure.view.toScreen(figure.points[c]));
        // A face seen from behind shows the inside of the solid, in shadow.
        p.shade = f.front ? shadeOf(f.normal) : 0.6 * shadeOf(f.normal * -1.0);
        items.push_back(std::move(p));
    }
}

void drawEdges(const Figure &figure, std::vector<Primitive> &items)
{
    const auto &faces = figure.faces;
    const int vertices = int(figure.points.size());
    int keys = vertices;
    std::vector<Piece> pieces;
    for (const Edge &e : figure.mesh.edges()) {
        const bool leftFront = e.left >= 0 && faces[e.left].front;
        const bool rightFront = e.right >= 0 && faces[e.right].front;
        if (e.seam && leftFront == rightFront)
            continue;
        const Vec3 &a = figure.points[e.a], &b = figure.points[e.b];
        if (figure.mesh.convex) {
            pieces.push_back({ e.a, e.b, figure.view.toScreen(a), figure.view.toScreen(b),
                               !leftFront && !rightFront });
            continue;
        }
        // Not convex: the edge is cut where it passes behind another part of the solid.
        const double pixels = length(b - a) * figure.view.scale;
        const int n = steps(pixels / 4.0, 32);
        int from = e.a;
        Vec3 start = a;
        bool hidden = figure.occluded(a + (b - a) * (0.5 / n));
        for (int i = 1; i <= n; ++i) {
            const bool last = i == n;
            const bool next = !last && figure.occluded(a + (b - a) * ((i + 0.5) / n));
            if (last || next != hidden) {
                const Vec3 end = a + (b - a) * (double(i) / n);
                const int to = last ? e.b : keys++;
                pieces.push_back(
                    { from, to, figure.view.toScreen(start), figure.view.toScreen(end), hidden });
                from = to;
                start = end;
                hidden = next;
            }
        }
    }
    chain(pieces, keys, items);
}

// The point halfway along a path, and the direction of the path there.
std::pair<Vec3, Vec3> middleOf(const std::vector<Vec3> &path, double fraction)
{
    double total = 0.0;
    for (std::size_t i = 1; i < path.size(); ++i)
        total += length(path[i] - path[i - 1]);
    double wanted = total * fraction;
    for (std::size_t i = 1; i < path.size(); ++i) {
        const double l = length(path[i] - path[i - 1]);
        if (l > 0.0 && (wanted <= l || i + 1 == path.size()))
            return { path[i - 1] + (path[i] - path[i - 1]) * std::min(1.0, wanted / l),
                     path[i] - path[i - 1] };
        wanted -= l;
    }
    return { path.front(), {} };
}

// The measure's path, cut into the stretches in sight and those hidden by the solid.
void drawMeasure(const Figure &figure, const std::vector<Vec3> &path, bool given,
                 std::vector<Primitive> &items)
{
    const auto emit = [&](std::vector<Point> points, bool hidden) {
        Primitive p;
        p.kind = Primitive::Kind::Measure;
        p.points = std::move(points);
        p.hidden = hidden;
        p.given = given;
        items.push_back(std::move(p));
    };
    std::vector<Point> run;
    bool hidden = false;
    for (std::size_t s = 1; s < path.size(); ++s) {
        const Vec3 a = figure.view.toView(path[s - 1]), b = figure.view.toView(path[s]);
        const double pixels = length(b - a) * figure.view.scale;
        const int n = steps(pixels / 3.0, 400);
        for (int i = 0; i < n; ++i) {
            const bool h = figure.occluded(a + (b - a) * ((i + 0.5) / n));
            const Point here = figure.view.toScreen(a + (b - a) * (double(i) / n));
            if (run.empty()) {
                run.push_back(here);
                hidden = h;
            } else if (h != hidden) {
                run.push_back(here);
                emit(std::move(run), hidden);
                run = { here };
                hidden = h;
            } else if (i == 0) {
                run.push_back(here); // a corner of the path
            }
        }
    }
    if (!run.empty()) {
        run.push_back(figure.view.toScreen(figure.view.toView(path.back())));
        emit(std::move(run), hidden);
    }
}

// Places a label beside a point of its path, on the side away from the centre of the
// figure if it can, clear of every box already taken and inside the drawing.
Point placeLabel(Point mid, Point along, Point centre, double width, double height, double fontSize,
                 double drawingWidth, double drawingHeight, const std::vector<Box> &taken,
                 const std::vector<std::vector<Point>> &lines)
{
    const auto unit = [](Point v) {
        const double l = std::hypot(v.x, v.y);
        return l > 1e-9 ? Point{ v.x / l, v.y / l } : Point{};
    };
    Point out = unit({ mid.x - centre.x, mid.y - centre.y });
    Point normal = unit({ -along.y, along.x });
    if (normal == Point{})
        normal = out == Point{} ? Point{ 0.0, -1.0 } : out;
    if (normal.x * out.x + normal.y * out.y < 0.0)
        normal = { -normal.x, -normal.y };
    if (out == Point{})
        out = normal;
    std::vector<Point> directions{ normal, out, { -normal.x, -normal.y } };
    for (int k = 0; k < 12; ++k) {
        const double angle = std::atan2(out.y, out.x) + k * std::numbers::pi / 6;
        directions.push_back({ std::cos(angle), std::sin(angle) });
    }
    const double gap = 0.3 * fontSize;
    // How much of the label at p would cover others; a place outside the drawing never does.
    const auto crowding = [&](Point p) -> double {
        const Box b = boxAround(p, width, height);
        if (!b.inside(drawingWidth, drawingHeight))
            return INFINITY;
        double covered = 0.0;
        for (const Box &t : taken)
            if (t.overlaps(b))
                covered += (std::min(b.right, t.right) - std::max(b.left, t.left))
                           * (std::min(b.bottom, t.bottom) - std::max(b.top, t.top));
        return covered;
    };
    // Nowhere free: the least crowded place, or beside the path kept inside the drawing.
    const double beside = std::abs(normal.x) * width / 2 + std::abs(normal.y) * height / 2 + gap;
    Point best{ std::clamp(mid.x + normal.x * beside, width / 2,
                           std::max(width / 2, drawingWidth - width / 2)),
                std::clamp(mid.y + normal.y * beside, height / 2,
                           std::max(height / 2, drawingHeight - height / 2)) };
    const auto onALine = [&](Point p) {
        const Box b = boxAround(p, width, height);
        for (const auto &line : lines)
            for (std::size_t i = 1; i < line.size(); ++i)
                if (crosses(b, line[i - 1], line[i]))
                    return true;
        return false;
    };
    // Near places first; at first clear of the measures' lines as well, then of texts only.
    double least = INFINITY;
    for (bool clearOfLines : { true, false }) {
        for (int ring = 0; ring < (clearOfLines ? 6 : 16); ++ring) {
            for (const Point &d : directions) {
                // Far enough along d for the label to clear the point it stands beside.
                const double clear = std::abs(d.x) * width / 2 + std::abs(d.y) * height / 2;
                const double reach = clear + gap + ring * 0.5 * fontSize;
                const Point p{ mid.x + d.x * reach, mid.y + d.y * reach };
                const double covered = crowding(p);
                if (covered == 0.0 && !(clearOfLines && onALine(p)))
                    return p;
                if (covered < least) {
                    least = covered;
                    best = p;
                }
            }
        }
    }
    // Still crowded: the free place of the whole drawing nearest the path.
    double nearest = INFINITY;
    const double step = std::max(2.0, fontSize / 2);
    for (double y = height / 2; y + height / 2 <= drawingHeight; y += step) {
        for (double x = width / 2; x + width / 2 <= drawingWidth; x += step) {
            const double distance = std::hypot(x - mid.x, y - mid.y);
            if (distance < nearest && crowding({ x, y }) == 0.0) {
                nearest = distance;
                best = { x, y };
            }
        }
    }
    return best;
}

// 10^power written as a textbook writes it: "0,01", "1", "1000", "10 000".
std::string powerOfTen(int power, const std::string &decimal)
{
    if (power < 0)
        return "0" + decimal + std::string(std::size_t(-power - 1), '0') + "1";
    std::string digits = "1" + std::string(std::size_t(power), '0');
    if (digits.size() <= 4)
        return digits;
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += "\u202F"; // a narrow no-break space between groups of three
        grouped += digits[i];
    }
    return grouped;
}

} // namespace

Drawing draw(const Scene &scene, const Camera &camera, double width, double height)
{
    Drawing d;
    d.width = width;
    d.height = height;
    d.fontSize = std::clamp(12.0 + 2.0 * (width - 360.0) / 240.0, 12.0, 14.0);
    const double font = d.fontSize;
    const double line = 1.3 * font;
    const double margin = 0.5 * font;

    // Room around the solid for the labels, above for the legend, below for the scale.
    const Mesh &mesh = scene.solid.mesh;
    const Projection projection(mesh, camera, width, height, 2.0 * font, 3.0 * font, 4.0 * font);
    d.scale = projection.scale;

    std::vector<Box> taken;
    std::vector<Primitive> texts;
    std::vector<const Measure *> onSolid;
    double legendY = margin;
    for (const Measure &m : scene.measures) {
        const Anchor *a = scene.solid.anchor(m.anchor);
        if (a && !a->path.empty() && d.scale > 0.0) {
            onSolid.push_back(&m);
            continue;
        }
        legendY += line;
        Primitive p;
        p.kind = Primitive::Kind::Legend;
        p.points = { { margin, legendY - 0.25 * font } };
        p.text = m.label;
        p.given = m.given;
        taken.push_back({ margin, legendY - line, margin + labelWidth(m.label, font), legendY });
        texts.push_back(std::move(p));
    }

    if (!scene.unit.empty() && d.scale > 0.0) {
        const double most = std::log10(width / 4 / d.scale);
        const int power = int(std::floor(most + 1e-9));
        const double pixels = std::pow(10.0, power) * d.scale;
        if (std::isfinite(most) && std::abs(power) <= 15 && pixels >= 8.0) {
            const double y = height - margin - 0.25 * font;
            Primitive bar;
            bar.kind = Primitive::Kind::ScaleBar;
            bar.points = { { margin, y }, { margin + pixels, y } };
            bar.text = powerOfTen(power, scene.decimal) + " " + scene.unit;
            taken.push_back({ margin, y - line - 0.25 * font,
                              margin + std::max(pixels, labelWidth(bar.text, font)), height });
            texts.push_back(std::move(bar));
        }
    }

    if (d.scale > 0.0) {
        const Figure figure(mesh, projection);
        d.items.reserve(mesh.faces.size() + 3 * onSolid.size() + 8);
        drawFaces(figure, d.items);
        drawEdges(figure, d.items);
        const Point centre = projection.toScreen(projection.centre);
        std::vector<Primitive> labels;
        std::vector<std::vector<Point>> lines;
        for (const Measure *m : onSolid) {
            std::vector<Point> line;
            for (const Vec3 &p : scene.solid.anchor(m->anchor)->path)
                line.push_back(projection.toScreen(projection.toView(p)));
            lines.push_back(std::move(line));
        }
        for (const Measure *m : onSolid) {
            const auto &path = scene.solid.anchor(m->anchor)->path;
            drawMeasure(figure, path, m->given, d.items);
            const auto [at, along] = middleOf(path, 0.5);
            const Point mid = projection.toScreen(projection.toView(at));
            const Point ahead = projection.toScreen(projection.toView(at + along));
            const double w = labelWidth(m->label, font);
            const Point p = placeLabel(mid, { ahead.x - mid.x, ahead.y - mid.y }, centre, w, font,
                                       font, width, height, taken, lines);
            taken.push_back(boxAround(p, w + 0.2 * font, font));
            Primitive label;
            label.kind = Primitive::Kind::Label;
            label.points = { p };
            label.text = m->label;
            label.given = m->given;
            labels.push_back(std::move(label));
        }
        d.items.insert(d.items.end(), labels.begin(), labels.end());
    }
    d.items.insert(d.items.end(), texts.begin(), texts.end());
    return d;
}

} // namespace geometry
