// The description of a solver screen: its controls by role, its texts and its
// calculations. The user interface builds one generic window from it.
//
// Descriptions are written with designated initializers, in the order of the
// members below; roles a screen does not have are left out.
#pragma once

#include "calc.h"
#include "figure.h"
#include "units.h"

#include <string>
#include <vector>

namespace solver {

// A named control with its initial text; a tick box also names the quantity
// it stands for ("r", "AL"), by which the calculation asks for it.
struct Control {
    std::string name;
    std::string text;
    std::string quantity = {};

    bool present() const { return !name.empty(); }
};

// One row of the results: caption label, then result label.
struct ResultRow {
    std::string caption;       // control name of the caption label
    std::string captionText;   // its initial text (may be empty)
    std::string result;        // control name of the result label
    std::string quantity = {}; // the quantity it shows ("V"), by which calc.show names it
    // A caption a press writes: when not empty, every calc.show of the row
    // writes it to the caption label just before the value.
    std::string pressCaption = {};
};

// A control beyond the standard roles, laid out in the picture column.
struct Extra {
    enum class Kind { Label, TextBox, Button, Picture };
    Kind kind = Kind::Label;
    std::string name;
    std::string text;        // caption, or asset file for a picture
    std::string opens;       // for a button: screen shown (this one is hidden)
    std::string onPicture;   // for a label or text box placed on a picture
    double x = 0.0, y = 0.0; // its place on that picture, as fractions of its size
};

// A button that runs a calculation: "Calcola", or one of several "Vai" that
// each solve a different solid into the same result labels.
struct SolveButton {
    std::string name; // "Command3"
    std::string text = "Calcola";
    Steps steps;
    // The result labels this button writes, emptied when a step fails; empty
    // means every result label of the screen.
    std::vector<std::string> results = {};
    // A button that solves one of several solids stands under that solid's
    // name and picture; both empty for a plain "Calcola".
    Control solidName = {};
    Control solidPicture = {}; // name, asset file
    // The solid this button computes, where it is not the screen's own.
    SolidRecipe figure = {};
};

struct SolverScreen {
    std::string name;    // "Form3"
    std::string caption; // window caption
    std::string parent;  // screen shown by "Ritorna"

    Control title = {}; // the solid's name at the top (may be absent)
    bool titleIsTextBox = false;
    Control knownHeading = {};           // "Cosa conosci ?" / "Devi conoscere :"
    std::vector<Control> checks = {};    // tick boxes, in the order shown
    std::vector<Control> knownList = {}; // screens without tick boxes: what is asked
    Control description = {};            // a long descriptive label
    Control resultsHeading = {};         // "Risultati"
    std::vector<ResultRow> rows = {};
    // The kind of every quantity the screen names or computes, its helper
    // quantities included: {"r", Kind::Length}, {"V", Kind::Volume}.
    std::vector<QuantityKind> quantities = {};
    // A container whose capacity also reads in hectolitres (barrels, trench).
    bool hectolitres = false;
    Control formulaHeading = {}; // "Formule applicate:"
    std::vector<std::string> formulaLabels = {};
    Control picture = {}; // name, asset file; absent: no picture box
    std::vector<Extra> extras = {};

    std::vector<SolveButton> solvers = {};
    Control stampaButton = {};  // name, "Stampa"
    Control ritornaButton = {}; // name, "Ritorna"
    Control esciButton = {};    // name, "Esci"
    // How the quantities make the solid drawn in 3D.
    SolidRecipe figure = {};

    // Every control name the window has, in no particular order.
    std::vector<std::string> declared() const;
    // The result labels a button writes.
    std::vector<std::string> resultsOf(const SolveButton &button) const;
    // The kind of a quantity; nullopt where the screen gives none.
    std::optional<Kind> kindOf(const std::string &symbol) const;
    // The row that shows the solid's volume (the first of kind Volume), or
    // null: a screen with one also shows its capacity and weight.
    const ResultRow *volumeRow() const;
    // The solid a button computes: its own, or else the screen's.
    const SolidRecipe &figureOf(const SolveButton &button) const;
};

} // namespace solver
