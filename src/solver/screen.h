// The description of a solver screen: its controls by role, its texts and its
// calculation. The user interface builds one generic window from it.
#pragma once

#include "calc.h"

#include <string>
#include <vector>

namespace solver {

// A named control with its initial text.
struct Control {
    std::string name;
    std::string text;
};

// One row of the results: caption label, then result label.
struct ResultRow {
    std::string caption;      // control name of the caption label
    std::string captionText;  // its initial text (may be empty)
    std::string result;       // control name of the result label
};

// A control beyond the standard roles.
struct Extra {
    enum class Kind { Label, TextBox, Button, Picture };
    Kind kind = Kind::Label;
    std::string name;
    std::string text;        // caption, or asset file for a picture
    std::string opens;       // for a button: screen shown (this one is hidden)
    std::string onPicture;   // for a label or text box placed on a picture
    double x = 0.0, y = 0.0; // its place on that picture, as fractions of its size
};

struct SolverScreen {
    std::string name;      // "Form3"
    std::string caption;   // window caption
    std::string parent;    // screen shown by "Ritorna"

    Control title;                 // the solid's name at the top
    bool titleIsTextBox = false;
    Control knownHeading;          // "Cosa conosci ?"
    std::vector<Control> checks;   // tick boxes, in the order shown
    Control resultsHeading;        // "Risultati"
    std::vector<ResultRow> rows;
    Control formulaHeading;        // "Formule applicate:"
    std::vector<std::string> formulaLabels;
    Control picture;               // name, asset file
    std::vector<Extra> extras;

    Control calcolaButton;         // name, "Calcola"
    Control stampaButton;          // name, "Stampa"
    Control ritornaButton;         // name, "Ritorna"
    Control esciButton;            // name, "Esci"

    Steps calcola;

    // The result labels a press of "Calcola" writes.
    std::vector<std::string> resultLabels() const
    {
        std::vector<std::string> out;
        for (const auto &row : rows)
            out.push_back(row.result);
        return out;
    }
};

} // namespace solver
