// How long a figure takes: building the mesh of a solid from its dimensions
// and projecting one view of it, for the finest solids of every family. Run
// build/bench/corpimetro-bench-figures; it prints the median and the slowest
// of many rounds, in milliseconds.
#include "geometry/view.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <variant>
#include <vector>

int main()
{
    using geometry::Shape;
    struct Case {
        const char *name;
        Shape shape;
        std::vector<double> dimensions;
    };
    const std::vector<Case> cases = {
        { "sfera", Shape::Sphere, { 5 } },
        { "zona sferica", Shape::Zone, { 5, 7, 3, 4 } },
        { "fuso (270°)", Shape::Wedge, { 5, 270 } },
        { "botte", Shape::Barrel, { 80, 60, 100 } },
        { "botte ellittica", Shape::EllipticBarrel, { 80, 70, 60, 50, 100 } },
        { "pagliaio", Shape::Haystack, { 2, 3, 2, 1 } },
        { "cono", Shape::Cone, { 6, 20 } },
        { "dodecaedro", Shape::Dodecahedron, { 3 } },
        { "prisma di 12 lati", Shape::RegularPrism, { 12, 2, 5 } },
    };
    constexpr int kRounds = 400;
    std::printf("%-20s %10s %10s\n", "solido", "mediana", "massimo");
    for (const auto &c : cases) {
        std::vector<double> ms;
        for (int i = 0; i < kRounds; ++i) {
            const auto start = std::chrono::steady_clock::now();
            auto built = geometry::build(c.shape, c.dimensions);
            if (const auto *refusal = std::get_if<geometry::Refusal>(&built)) {
                std::printf("%s: %s\n", c.name, refusal->reason.c_str());
                return 1;
            }
            geometry::Scene scene;
            scene.solid = std::move(std::get<geometry::Solid>(built));
            for (const auto &a : scene.solid.anchors)
                scene.measures.push_back({ a.name, a.name + " = 1", false });
            scene.unit = "cm";
            const auto d = geometry::draw(scene, { geometry::Camera::kTurn + i, 20 }, 600, 480);
            const auto end = std::chrono::steady_clock::now();
            if (d.items.empty())
                return 1;
            ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        }
        std::sort(ms.begin(), ms.end());
        std::printf("%-20s %10.3f %10.3f\n", c.name, ms[ms.size() / 2], ms.back());
    }
    return 0;
}
