// The computed solid as a figure: how a screen's quantities make its solid
// (declared in its description), and the figure a press yields, or why it
// yields none.
#pragma once

#include "geometry/shapes.h"
#include "geometry/view.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace solver {

// A measure drawn on the figure: the quantity and the anchor of the solid
// where it lies ("h" on "height").
struct FigureMark {
    std::string symbol;
    std::string anchor;
};

// How a screen's quantities make its solid: the shape, its dimensions in
// the order the shape takes them (a quantity's symbol, or a number for a
// constant such as the sides of a prism's base), and the measures drawn.
// Given quantities with no mark (areas, volumes) go to the figure's legend.
// The solid is named in words as the worked solution names it.
struct SolidRecipe {
    geometry::Shape shape = geometry::Shape::Box;
    std::vector<std::string> dimensions = {};
    std::vector<FigureMark> marks = {};

    bool present() const { return !dimensions.empty(); }
};

class Calc;
struct SolverScreen;
struct SolveButton;

// What one press gives the figure.
struct Figure {
    std::string solid; // in words, with its article; empty before any press
    // The defining dimensions as shown, with their units: {"r", "6 cm"}.
    std::vector<std::pair<std::string, std::string>> dimensions;
    std::optional<geometry::Scene> scene; // none: no figure
    std::string none;                     // why there is none: a sentence
    // The figure in words, for screen readers.
    std::string alternative;

    // The figure before any press.
    static Figure beforeAnyPress();
};

// How a press ended.
enum class PressEnd { Solved, Insufficient, Failed };

// The figure of a press of `button` on `screen` that ended as `end`.
Figure figureOf(const SolverScreen &screen, const SolveButton &button, const Calc &calc,
                PressEnd end);

} // namespace solver
