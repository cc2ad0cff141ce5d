// Exercise sheets for a class: exercises with short data drawn from the solver
// screens, each answered by the screen's own press, so that the key says what
// a student pressing the program gets. The same number makes the same sheet,
// on the desktop and in the browser.
#pragma once

#include "solver/exercise.h"
#include "solver/numberformat.h"
#include "solver/screen.h"
#include "solver/units.h"

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace sheets {

// The screen that makes sheets, as both editions show it. Control names are
// the ones scripts use ("Schede.Anteprima").
struct Family {
    solver::Control name;               // its name as a label: {"Famiglia(3)", "Cilindri e coni"}
    solver::Control all;                // its "tutti" tick box: {"Tutti(3)", "tutti"}
    std::vector<std::string> screens;   // solver screens, in the order shown
    std::vector<solver::Control> boxes; // a tick box each: {"Solido(12)", "Cono"}
};

// Every control is named once here; the labels are listed in `labels()`.
struct Screen {
    std::string name = "Schede";
    std::string caption = "Schede di esercizi";
    std::string parent = "Form1";
    solver::Control heading = { "Intestazione", "Schede di esercizi" };
    solver::Control note;
    solver::Control solidsHeading = { "SolidiTesto", "Solidi da cui scegliere" };
    std::vector<Family> families;
    // A choice: the label before it and the control; its options are listed
    // below (the count is typed or stepped, the seed typed).
    solver::Control countLabel = { "QuantiTesto", "Numero di esercizi" };
    std::string countControl = "Quanti";
    solver::Control dataLabel = { "DatiTesto", "Dati" };
    solver::Control whole = { "DatiInteri", "numeri interi" };
    solver::Control oneDecimal = { "DatiDecimali", "con al più un decimale" };
    solver::Control unitLabel = { "UnitaTesto", "Unità di misura" };
    std::string unitControl = "Unita"; // solver::unitOptions()
    solver::Control decimalsLabel = { "DecimaliTesto", "Decimali nelle soluzioni" };
    std::string decimalsControl = "Decimali"; // "0" to "4"
    solver::Control seedLabel = { "NumeroTesto", "Numero della scheda" };
    std::string seedControl = "Numero"; // 1 to kMaxSeed
    solver::Control preview = { "Anteprima", "Anteprima" };
    solver::Control print = { "Stampa", "Stampa" };
    solver::Control ritorna = { "Ritorna", "Ritorna" };
    solver::Control esci = { "Esci", "Esci" };

    // The labels, in the order shown.
    std::vector<solver::Control> labels() const;
    // The tick boxes, each family's "tutti" before its solids.
    std::vector<solver::Control> checks() const;
    // The family of a tick box ("tutti" or a solid's), or null.
    const Family *familyOf(const std::string &box) const;
};
const Screen &screen();

constexpr int kMinCount = 1, kMaxCount = 20;
constexpr int kMaxDecimals = 4;
constexpr std::uint32_t kMaxSeed = 999999;

struct Settings {
    std::vector<std::string> screens; // the solver screens to draw from
    int count = 6;
    bool oneDecimal = false; // data with up to one decimal
    solver::Unit unit = solver::Unit::Centimetre;
    int decimals = 2; // of the key's results
    std::uint32_t seed = 1;
};

// A result of the key: "Volume", "V", "113,04 cm³".
struct KeyResult {
    std::string words;
    std::string symbol;
    std::string value;
};

struct Exercise {
    std::string screen, button;
    std::vector<std::string> ticks;   // tick boxes, in the order the screen shows them
    std::vector<std::string> answers; // typed into the prompts, in order
    // The result labels as the key shows them, in the screen's order.
    std::vector<std::pair<std::string, std::string>> results;

    std::string solid;                 // "un cono"
    std::string text;                  // the exercise in words
    std::string picture;               // the figure's SVG under assets/
    std::vector<solver::Datum> data;   // written beside their letters on it
    std::vector<std::string> solution; // the worked solution, line by line
    std::vector<KeyResult> key;
};

struct Sheet {
    Settings settings;
    std::vector<Exercise> exercises;
};

// Makes the sheet of these settings, the numbers written with `format`'s
// decimal mark. Fewer exercises than asked only when nothing is chosen.
Sheet make(const Settings &settings, const solver::NumberFormat &format);

// The words the printed sheet and key use.
struct Words {
    std::string title;    // "Scheda di esercizi n. 1234"
    std::string keyTitle; // "Soluzioni della scheda n. 1234"
    std::vector<std::string> header = { "Nome", "Classe", "Data" };
    std::string instructions = "Risolvi gli esercizi sul foglio, scrivendo i passaggi e le unità "
                               "di misura.";
    std::string exercise; // "Esercizio 3"
    std::string solutionHeading = "Svolgimento";
    std::string resultsHeading = "Risultati";
    std::string empty = "Scegli almeno un solido per fare una scheda.";
};
Words words(std::uint32_t seed, int exercise = 0);

// The file a sheet is saved as: "Scheda 1234.pdf".
std::string pdfName(std::uint32_t seed);

// A random number to start from, drawn from `entropy` (the clock).
std::uint32_t freshSeed(std::uint64_t entropy);

} // namespace sheets
