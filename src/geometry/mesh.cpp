#include "mesh.h"

#include <algorithm>
#include <map>
#include <utility>

namespace geometry {

std::vector<Edge> Mesh::edges() const
{
    std::vector<Edge> result;
    std::map<std::pair<int, int>, int> index; // (lower, higher vertex) -> edge
    for (int f = 0; f < int(faces.size()); ++f) {
        const auto &v = faces[f].vertices;
        for (std::size_t i = 0; i < v.size(); ++i) {
            const int a = v[i], b = v[(i + 1) % v.size()];
            const auto key = std::minmax(a, b);
            const auto found = index.find(key);
            if (found == index.end()) {
                index.emplace(key, int(result.size()));
                result.push_back({ a, b, f, -1, false });
            } else {
                result[found->second].right = f;
            }
        }
    }
    for (auto &e : result) {
        if (e.left >= 0 && e.right >= 0) {
            const int s = faces[e.left].surface;
            e.seam = s != 0 && s == faces[e.right].surface;
        }
    }
    return result;
}

// Newell's method: exact for planar polygons, and a sound average otherwise.
Vec3 Mesh::normal(const Face &face) const
{
    Vec3 n;
    const auto &v = face.vertices;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const Vec3 &p = vertices[v[i]], &q = vertices[v[(i + 1) % v.size()]];
        n.x += (p.y - q.y) * (p.z + q.z);
        n.y += (p.z - q.z) * (p.x + q.x);
        n.z += (p.x - q.x) * (p.y + q.y);
    }
    return n;
}

Vec3 Mesh::centroid(const Face &face) const
{
    Vec3 c;
    for (int i : face.vertices)
        c = c + vertices[i];
    return face.vertices.empty() ? c : c / double(face.vertices.size());
}

// Each face is fanned into triangles from its first vertex; the volume is the
// sum of the signed tetrahedra they make with the origin.
double Mesh::volume() const
{
    double six = 0.0;
    for (const auto &f : faces) {
        const Vec3 &o = vertices[f.vertices[0]];
        for (std::size_t i = 1; i + 1 < f.vertices.size(); ++i)
            six += dot(o, cross(vertices[f.vertices[i]], vertices[f.vertices[i + 1]]));
    }
    return six / 6.0;
}

double Mesh::area() const
{
    double twice = 0.0;
    for (const auto &f : faces) {
        const Vec3 &o = vertices[f.vertices[0]];
        for (std::size_t i = 1; i + 1 < f.vertices.size(); ++i)
            twice += length(cross(vertices[f.vertices[i]] - o, vertices[f.vertices[i + 1]] - o));
    }
    return twice / 2.0;
}

Vec3 Mesh::centre() const
{
    if (vertices.empty())
        return {};
    Vec3 lo = vertices[0], hi = vertices[0];
    for (const auto &v : vertices) {
        lo = { std::min(lo.x, v.x), std::min(lo.y, v.y), std::min(lo.z, v.z) };
        hi = { std::max(hi.x, v.x), std::max(hi.y, v.y), std::max(hi.z, v.z) };
    }
    return (lo + hi) / 2.0;
}

double Mesh::radius() const
{
    const Vec3 c = centre();
    double r = 0.0;
    for (const auto &v : vertices)
        r = std::max(r, length(v - c));
    return r;
}

} // namespace geometry
