// The exercise a press answers, in words, as a worksheet states it: "Un cono
// ha raggio 6 e apotema 10. Calcola il diametro, la circonferenza, ...". The
// desktop's worksheet and the web page's say the same, from here.
#pragma once

#include "screen.h"
#include "solution.h"

#include <string>
#include <string_view>
#include <vector>

namespace solver {

// A datum of a press: its quantity, the number as typed, and the unit that
// follows it (" cm"; empty without one).
struct Datum {
    std::string symbol;
    std::string typed;
    std::string unit = {};
};

// The data of a press, in the order they were asked.
std::vector<Datum> pressData(const Solution &solution);

// The quantities the press of `button` asks for, in the order the screen
// shows its results, the data left out. A solid that has no quantity of a
// row (the polyhedra other than the tetrahedron have no height) is not asked
// for it.
std::vector<std::string> askedQuantities(const SolverScreen &screen, const SolveButton &button,
                                         const Solution &solution);

// The exercise of a press: the solid with its indefinite article, its data by
// name ("ha raggio 6 e apotema 10"), then what is asked, with the definite
// article. Numbers as typed, a leading minus written −, followed by their
// unit when one is chosen; a specific weight given makes its own sentence,
// and the capacity and weight worked out are asked for too. Empty when the
// press took no data (the data did not suffice).
std::string exerciseText(const SolverScreen &screen, const SolveButton &button,
                         const Solution &solution);

// A figure of assets/ with the values of the data beside their letters: each
// italic red <text> letter of a datum (with its subscript, "r" "1" for r1)
// gets " = 6" after it, and the view box widens to hold what goes past its
// right edge. The drawing is left as it is.
std::string figureWithData(std::string_view svg, const std::vector<Datum> &data);

} // namespace solver
