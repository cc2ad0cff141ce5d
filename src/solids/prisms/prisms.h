// The right prisms with regular bases: the triangular prism on its own screen,
// the bases of 4 to 12 sides as one calculation over a record per screen.
#pragma once

#include "solids/solids.h"

#include <string>
#include <vector>

namespace solids {

// How a screen ties its base to the side L.
enum class PrismBase {
    Square,   // a = L / 2, AB = L ^ 2, d = L * sqrt(2)
    Pentagon, // d = L * (sqrt(5) + 1) / 2
    Hexagon,  // d = L * 2
    Polygon,  // d = sqrt(L ^ 2 + 4 * a ^ 2)
};

// Which cases follow the nineteen every screen shares.
enum class PrismCases {
    Square, // (d, V), (d, AT)
    Full,   // the base and the prism diagonal with every other quantity
    Short,  // the prism diagonal only
};

struct PrismRecord {
    std::string name;        // "Form20"
    int n;                   // sides of the base
    std::string caption;     // window caption
    solver::Control title;   // absent on one screen
    std::string areaText;    // the constants as the screen shows them:
    std::string apothemText; // "4,828", "1,207"
    double A;                // base area = A * L ^ 2 (unused on the square)
    double k;                // apothem = k * L (unused on the square)
    PrismBase base;
    PrismCases cases;
    std::string calcola, stampa, ritorna, esci;
    // Texts that differ from screen to screen.
    std::string baseDiagonalCheck = "Diagonale di base (d)";
    std::string prismDiagonalCheck = "Diagonale del prisma (D)";
    std::string heightCaption = "Altezza del Prisma (h)";
    std::vector<solver::Extra> extras = {};
    // The screen's formula texts, one for every case of its chain, each as
    // the screen writes it.
    FormulaTable formulas;
};

const std::vector<PrismRecord> &prismRecords();
solver::SolverScreen prismScreen(const PrismRecord &record);

solver::SolverScreen triangularPrism();

} // namespace solids
