// The practical volumes: heaps, stacks, barrels and the prismoid. These screens
// have no tick boxes: "Calcola" asks a fixed list of measurements.
#pragma once

#include "solids/solids.h"

#include <string>
#include <vector>

namespace solids {

// What one practical-volume screen has of its own; the rest of its layout
// (headings, formula label, buttons, the way back to the menu) is shared.
struct PracticalScreen {
    std::string name;
    std::string caption;
    solver::Control title;
    std::string description;                // the long text, Label3
    std::vector<solver::Control> knownList; // what "Calcola" will ask
    std::vector<solver::ResultRow> rows;
    // The kind of every quantity the screen names or computes, its helper
    // quantities included.
    std::vector<solver::QuantityKind> quantities;
    // A container whose capacity also reads in hectolitres.
    bool hectolitres = false;
    std::string picture = {}; // asset file; empty: no picture box
    solver::Steps calcola;
    std::string formulaHeading = "Label2(4)";
    std::string esci = "Command3";
    std::string ritorna = "Command4";
    solver::SolidRecipe figure = {}; // how the quantities make the solid drawn in 3D
};

solver::SolverScreen practicalScreen(PracticalScreen screen);

solver::SolverScreen trench();
solver::SolverScreen haystack();
solver::SolverScreen biga();
solver::SolverScreen meda();
solver::SolverScreen cavalla();
solver::SolverScreen barrel();
solver::SolverScreen ellipticBarrel();
solver::SolverScreen prismoid();

} // namespace solids
