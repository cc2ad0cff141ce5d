// A solid seen from a direction, as the list of things a front end draws:
// shaded faces back to front, hidden edges dashed, visible edges and
// outlines, the measures with their labels, and a scale bar. The desktop
// draws the list with QPainter and the web edition on a canvas, so both
// show the same figure.
#pragma once

#include "shapes.h"

#include <string>
#include <vector>

namespace geometry {

struct Point {
    double x = 0.0, y = 0.0; // pixels, y down
    bool operator==(const Point &) const = default;
};

// The direction the solid is seen from, in degrees: turned about its
// vertical axis, and raised above its horizontal plane.
struct Camera {
    static constexpr double kTurn = -35.0;
    static constexpr double kTilt = 22.0;
    double turn = kTurn;
    double tilt = kTilt;
};

// A measure to draw: its anchor, its label ("r = 6") and whether it is one
// of the data. A measure without an anchor (an area, a volume) is listed in
// the legend.
struct Measure {
    std::string anchor;
    std::string label;
    bool given = false;
};

struct Scene {
    Solid solid;
    std::vector<Measure> measures;
    // The unit one scale bar division stands for ("cm"); empty: no scale bar.
    std::string unit;
    // The decimal separator the scale bar writes with ("0,1 cm").
    std::string decimal = ",";
};

struct Primitive {
    enum class Kind {
        Face,     // filled polygon; `shade` from 0 (dark) to 1 (lit)
        Edge,     // polyline; `hidden` ones are dashed
        Measure,  // polyline in the measures' colour; `given` in the highlight
        Label,    // text centred on points[0]
        Legend,   // text, left-aligned at points[0] (its baseline)
        ScaleBar, // a bar from points[0] to points[1], its text above it
    };
    Kind kind = Kind::Edge;
    std::vector<Point> points;
    bool hidden = false;
    bool given = false;
    double shade = 1.0;
    std::string text;

    bool operator==(const Primitive &) const = default;
};

struct Drawing {
    double width = 0.0, height = 0.0;
    double fontSize = 14.0;       // labels, in pixels
    double scale = 0.0;           // pixels per unit of the data
    std::vector<Primitive> items; // in painting order
};

// The width a label of `text` takes at `fontSize` pixels, as placement
// reckons it (a front end's font is narrower).
double labelWidth(const std::string &text, double fontSize);

// The scene seen by `camera`, fitted to a box of width × height pixels with
// the solid's true proportions: its size does not change as it turns.
Drawing draw(const Scene &scene, const Camera &camera, double width, double height);

} // namespace geometry
