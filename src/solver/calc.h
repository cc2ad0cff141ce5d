// One press of "Calcola": the context a screen's calculation runs in.
//
// A screen writes its calculation as a plain function of a Calc:
//
//     void calcola(Calc &c) {
//         Value l, d;
//         if (c.ticked("Check1")) {
//             l = c.ask("INTRODUCI IL LATO (L) =");
//             c.formula("Label15", "...");
//         } else {
//             c.insufficient();
//         }
//         d = l * pow(3, 0.5);
//         c.show("Label5", l);
//         c.show("Label7", d);
//     }
//
// Failing arithmetic throws CalcError; runCalcola() catches it, empties the
// result labels of the press and reports the failure once.
#pragma once

#include "failure.h"
#include "numberformat.h"
#include "value.h"

#include <functional>
#include <string>
#include <vector>

namespace solver {

// What the window offers a calculation: implemented by the user interface.
class Host {
public:
    virtual ~Host() = default;
    virtual bool ticked(const std::string &control) const = 0;
    // A modal prompt titled CORPIMETRO; Cancel gives the empty text.
    virtual std::string prompt(const std::string &text) = 0;
    // A modal message box titled CORPIMETRO with one OK button.
    virtual void message(const std::string &text) = 0;
    virtual void setText(const std::string &control, const std::string &text) = 0;
    // Reports a step that could not be computed.
    virtual void failure(const CalcError &error) = 0;
    virtual NumberFormat numberFormat() const = 0;
};

class Calc {
public:
    static constexpr const char *kInsufficient =
        "I DATI INTRODOTTI NON SONO SUFFICIENTI -- RIPROVA ";

    explicit Calc(Host &host);

    bool ticked(const std::string &checkBox) const;
    // Shows a prompt and returns the answer as typed text.
    Value ask(const std::string &prompt);
    // The insufficient-data message.
    void insufficient();
    // Writes a formula text (a fixed literal of the case) to a formula label.
    void formula(const std::string &label, const std::string &text);
    // Writes a fixed caption text to a label.
    void caption(const std::string &label, const std::string &text);
    // Writes a value to a result label by the display rule.
    void show(const std::string &label, const Value &value);

    bool insufficientShown() const { return m_insufficient; }

private:
    Host &m_host;
    NumberFormat m_format;
    bool m_insufficient = false;
};

using Steps = std::function<void(Calc &)>;

// Runs one press. On a failing step the `results` labels are emptied and the
// failure is reported, unless the insufficient-data message was already shown
// during this press.
void runCalcola(Host &host, const std::vector<std::string> &results, const Steps &steps);

} // namespace solver
