#include "mesh.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace geometry {

// Found in a hash table by the two vertices: a map would take most of a
// view's time.
std::vector<Edge> Mesh::edges() const
{
    std::size_t sides = 0;
    for (const auto &f : faces)
        sides += f.vertices.size();
    std::size_t size = 16;
    while (size < 2 * sides)
        size *= 2;
    std::vector<int> table(size, -1); // an edge's place in the result, by its two vertices
    std::vector<Edge> result;
    result.reserve(sides / 2 + 1);
    for (int f = 0; f < int(faces.size()); ++f) {
        const auto &v = faces[f].vertices;
        for (std::size_t i = 0; i < v.size(); ++i) {
            const int a = v[i], b = v[(i + 1) % v.size()];
            const auto lo = std::uint64_t(std::min(a, b)), hi = std::uint64_t(std::max(a, b));
            std::size_t slot =
                std::size_t((lo * 0x9E3779B97F4A7C15ULL) ^ (hi * 0xC2B2AE3D27D4EB4FULL));
            for (slot &= size - 1;; slot = (slot + 1) & (size - 1)) {
                const int e = table[slot];
                if (e < 0) {
                    table[slot] = int(result.size());
                    result.push_back({ a, b, f, -1, false });
                    break;
                }
                if (std::uint64_t(std::min(result[e].a, result[e].b)) == lo
                    && std::uint64_t(std::max(result[e].a, result[e].b)) == hi) {
                    result[e].right = f;
                    break;
                }
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
