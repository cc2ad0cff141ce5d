// One press of a solving button: the context a screen's calculation runs in.
//
// A screen writes its calculation as a plain function of a Calc, by quantity:
//
//     void calcola(Calc &calc) {
//         Quantity l(calc, "l"), d(calc, "d");
//         if (calc.given({"l"})) {
//             l = calc.ask("INTRODUCI IL LATO (L) =");
//             calc.formula("...");
//         } else {
//             calc.insufficient();
//         }
//         d = l * pow(3, 0.5);
//         calc.show("l", l);
//         calc.show("d", d);
//     }
//
// Every assignment to a quantity is a step of the worked solution, written
// from the very expression that computed it (see expr.h).
//
// Failing arithmetic throws CalcError; runCalcola() catches it, empties the
// result labels of the press and reports the failure once. A calculation names
// no control: it names quantities, and the screen's description ties each to
// its controls. A name the description does not give throws UndeclaredControl:
// a programming error.
#pragma once

#include "expr.h"
#include "failure.h"
#include "figure.h"
#include "numberformat.h"
#include "solution.h"
#include "units.h"
#include "value.h"

#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

namespace solver {

struct SolverScreen;
struct SolveButton;
struct ResultRow;

// What the window offers a calculation: implemented by the user interface.
class Host {
public:
    virtual ~Host() = default;
    virtual bool ticked(const std::string &control) const = 0;
    // A modal prompt titled CORPIMETRO; Cancel gives the empty text. `unit`
    // is what the value asked for is measured in (" cm", " cm²", "°"; empty
    // for none), shown beside the input box: the text stays as it is.
    virtual std::string prompt(const std::string &text, const std::string &unit) = 0;
    // A modal message box titled CORPIMETRO with one OK button.
    virtual void message(const std::string &text) = 0;
    virtual void setText(const std::string &control, const std::string &text) = 0;
    // Reports a step that could not be computed.
    virtual void failure(const CalcError &error) = 0;
    virtual NumberFormat numberFormat() const = 0;
    // The unit, decimals and specific weight chosen.
    virtual Preferences preferences() const { return {}; }
    // The worked solution of the press just ended.
    virtual void solved(const Solution &) {}
    // The solid the press just ended computed, or why there is none.
    virtual void figured(const Figure &) {}
};

// The cases a press tested, for checking that every case of a chain can be
// reached: each entry names the case's tick boxes (with "#2" and so on for a
// second test of the same boxes in one press) and whether it was taken.
struct CaseTrace {
    std::vector<std::pair<std::string, bool>> tested;
};

class Calc;

// An answer typed into a prompt, as the quantity it is assigned to receives it.
struct Answer {
    Value value;
    operator const Value &() const { return value; }
};

// A prompt to show as its answer is assigned to a quantity, so that the
// prompt shows that quantity's unit: `r = calc.ask("INTRODUCI IL RAGGIO =")`.
// Read as a plain Value instead, it is shown there and then, with no unit.
struct Asked {
    Calc &calc;
    std::string prompt;
    operator Value() const;
};

// A quantity of the solid in one press: a named value. Assigning an answer
// records it among the data; assigning an expression computes it and records
// the step.
class Quantity {
public:
    Quantity(Calc &calc, std::string symbol);
    // A helper quantity of the calculation, not one of the solid: the
    // solution introduces it in words before its first step ("il fattore
    // comune π · L / 15" reads "Indichiamo con k il fattore comune π · L / 15.").
    Quantity(Calc &calc, std::string symbol, std::string words);
    Quantity(const Quantity &) = delete;

    Quantity &operator=(const Answer &answer);
    Quantity &operator=(const Asked &asked);
    Quantity &operator=(const Expr &expr);
    Quantity &operator=(const Quantity &other) { return *this = Expr(other); }

    const Value &value() const { return m_value; }
    const std::string &symbol() const { return m_symbol; }

private:
    friend class Calc;
    Calc &m_calc;
    std::string m_symbol;
    std::string m_words;
    Value m_value;
};

class Calc {
public:
    static constexpr const char *kInsufficient =
        "I DATI INTRODOTTI NON SONO SUFFICIENTI -- RIPROVA ";

    Calc(Host &host, const SolverScreen &screen, CaseTrace *trace = nullptr);

    // One case of the chain: true when every one of its tick boxes is ticked.
    // Boxes are named by the quantity the description gives them ("r").
    bool given(std::initializer_list<std::string> boxes);
    bool given(const std::vector<std::string> &boxes);
    // Whether one box is ticked (outside a case test).
    bool ticked(const std::string &box) const;
    // A prompt, shown when assigned to the quantity it asks for; that
    // quantity receives the answer as typed text.
    Asked ask(const std::string &prompt);
    // Shows a prompt for a value measured by `kind` and returns the answer.
    Answer answer(const std::string &prompt, std::optional<Kind> kind);
    // The insufficient-data message.
    void insufficient();
    // Writes the formula text of the case (a fixed literal) to the screen's
    // formula label; formulas() writes one text to each formula label, in the
    // order the description lists them. The count of texts must match the
    // count of labels.
    void formula(const std::string &text);
    void formulas(std::initializer_list<std::string> texts);
    // Writes a value, by the display rule, to the result row of a quantity
    // ("V"; a result label's own name where a row names none). A row that
    // declares a pressCaption has it written to its caption label first.
    void show(const std::string &label, const Value &value);
    void show(const std::string &label, const Quantity &quantity);

    // A datum the other data already determine, when a case takes more data
    // than the solid needs. `implied` works it out from the others with
    // arithmetic of its own: no step is recorded and nothing shown changes.
    // The solution says whether the datum agrees with it to the precision
    // shown, and if not, which value the others imply; `solid` names what the
    // data should describe, with its article ("un tronco di piramide").
    void agree(const Quantity &datum, const Expr &implied, const std::string &solid);

    // After the steps of a press that ran to its end: where the screen shows
    // a volume and a unit is chosen, its capacity in litres, and its weight
    // when a specific weight is given.
    void finish();
    // Empties the capacity and weight a unit shows, when a press fails.
    void clearCapacity();

    bool insufficientShown() const { return m_insufficient; }
    const NumberFormat &format() const { return m_format; }
    const Preferences &preferences() const { return m_preferences; }
    // What a value of this quantity is followed by (" cm³"); empty without a unit.
    std::string unitOf(const std::string &symbol) const;
    const Solution &solution() const { return m_solution; }
    Solution &solution() { return m_solution; }
    // Every quantity given or computed so far, by symbol, as last assigned.
    const std::map<std::string, Value> &values() const { return m_values; }
    const SolverScreen &screen() const { return m_screen; }
    // A value as a result label shows it, trimmed, with the minus sign.
    std::string written(const Value &value) const;

private:
    friend class Quantity;
    // A typed datum: a measure that is not positive is remarked on.
    void datum(const Quantity &quantity);
    const std::string &tickBox(const std::string &name) const;
    const ResultRow *row(const std::string &quantity) const;
    const std::string &declared(const std::string &name) const;

    // Whether rounding changed a number the step writes, or its result: the
    // step then ends with "≈".
    bool rounded(const Expr &expr, const Value &result) const;
    // Whether rounding changed the value as shown.
    bool roundedAway(const Value &value) const;

    Host &m_host;
    const SolverScreen &m_screen;
    CaseTrace *m_trace;
    Preferences m_preferences;
    NumberFormat m_format;
    std::optional<Value> m_volume; // the volume shown by this press
    std::unordered_set<std::string> m_declared;
    bool m_insufficient = false;
    Solution m_solution;
    std::map<std::string, Value> m_values;
    std::vector<std::vector<std::string>> m_cases; // tick boxes of each case tested
};

using Steps = std::function<void(Calc &)>;

// Runs one press of `button` on `screen`. On a failing step the button's result
// labels are emptied and the failure is reported, unless the insufficient-data
// message was already shown during this press.
void runCalcola(Host &host, const SolverScreen &screen, const SolveButton &button,
                CaseTrace *trace = nullptr);

} // namespace solver
