// Solids as meshes: vertices, polygonal faces and the edges between them.
//
// Coordinates are in the units of the data, z up, the solid standing on (or
// centred above) the plane z = 0. Faces are listed counter-clockwise seen
// from outside, so that their normals point out of the solid.
#pragma once

#include <cmath>
#include <vector>

namespace geometry {

struct Vec3 {
    double x = 0.0, y = 0.0, z = 0.0;

    Vec3 operator+(const Vec3 &o) const { return { x + o.x, y + o.y, z + o.z }; }
    Vec3 operator-(const Vec3 &o) const { return { x - o.x, y - o.y, z - o.z }; }
    Vec3 operator*(double k) const { return { x * k, y * k, z * k }; }
    Vec3 operator/(double k) const { return { x / k, y / k, z / k }; }
    bool operator==(const Vec3 &) const = default;
};

inline double dot(const Vec3 &a, const Vec3 &b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 cross(const Vec3 &a, const Vec3 &b)
{
    return { a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x };
}
inline double length(const Vec3 &a)
{
    return std::sqrt(dot(a, a));
}

struct Face {
    std::vector<int> vertices; // counter-clockwise seen from outside
    // 0: a flat face of the solid. Otherwise the curved surface the face is a
    // facet of: the edges between two facets of one surface are seams, drawn
    // only where they make the solid's outline.
    int surface = 0;
};

// An edge of the mesh and the faces on either side (-1 where there is none).
struct Edge {
    int a = 0, b = 0;
    int left = -1, right = -1;
    bool seam = false; // between two facets of one curved surface
};

struct Mesh {
    std::vector<Vec3> vertices;
    std::vector<Face> faces;
    // Whether the solid is convex: then an edge is hidden exactly when both
    // of its faces turn away from the eye.
    bool convex = true;

    int add(const Vec3 &v)
    {
        vertices.push_back(v);
        return int(vertices.size()) - 1;
    }
    void face(std::vector<int> vertices, int surface = 0)
    {
        faces.push_back({ std::move(vertices), surface });
    }

    // Every edge once, with its two faces.
    std::vector<Edge> edges() const;
    // A face's outward normal (not normalised; its length is twice the area).
    Vec3 normal(const Face &face) const;
    Vec3 centroid(const Face &face) const;
    // Enclosed volume, by the divergence theorem, and total surface area.
    double volume() const;
    double area() const;
    // The centre and radius of a sphere around every vertex.
    Vec3 centre() const;
    double radius() const;
};

} // namespace geometry
