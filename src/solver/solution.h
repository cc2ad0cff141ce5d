// The worked solution of one press ("Svolgimento"): the data as typed, then
// every computed quantity in the order it was computed, written with symbols,
// with the numbers put in, and with its result; or the step that could not be
// computed and why; or, when the data do not suffice, the combinations of
// known quantities the screen accepts.
#pragma once

#include <string>
#include <vector>

namespace solver {

struct SolutionStep {
    enum class Kind { Given, Computed, Failed, Accepted, Warning, Remark };
    Kind kind = Kind::Computed;
    std::string symbol;  // the quantity ("h"); for Accepted, empty
    std::string formula; // with symbols: "√(a² − r²)"; Given: empty
    std::string numbers; // with the numbers: "√(5² − 3²)"; Given: empty
    std::string result;  // as a result label shows it; Given: as typed; Warning: the
                         // value the other data imply for `symbol`, if any
    std::string reason;  // Failed: why, in plain Italian; Accepted: the combination;
                         // Warning, Remark: the whole remark on the data, as a sentence
    // Computed, Failed: lines written before the step, the first time they
    // occur: a helper quantity introduced in words, a constant explained.
    std::vector<std::string> notes = {};
    // Computed: the step works out again a quantity given among the data.
    bool check = false;
    // Accepted: the combination's tick boxes, by control name, and whether it
    // is listed as one of the closest because none holds every ticked box.
    std::vector<std::string> boxes = {};
    bool closest = false;
    // Given, Computed: what the result is followed by (" cm³"); empty
    // without a unit.
    std::string unit = {};
    // Computed: some number written was rounded to the decimals chosen, so
    // the result follows "≈".
    bool approximate = false;
};

// An accepted combination of tick boxes: its name ("Raggio (r) e Altezza
// (h)") and its boxes by control name.
struct Combination {
    std::string name;
    std::vector<std::string> boxes;
};

class Solution {
public:
    void given(const std::string &symbol, const std::string &typed, std::string unit = {});
    // A step written exactly as an earlier one is not written again; a step
    // that works out a datum again is a check of it.
    void computed(const std::string &symbol, std::string formula, std::string numbers,
                  std::string result, std::vector<std::string> notes = {}, std::string unit = {},
                  bool approximate = false);
    void failed(const std::string &symbol, std::string formula, std::string numbers,
                std::string reason, std::vector<std::string> notes = {});
    // The data did not suffice: `combinations` are the accepted ones, in the
    // order to list them; `closest` when none holds every ticked box, so that
    // they are listed nearest first rather than as what to tick next.
    void insufficient(const std::vector<Combination> &combinations, bool closest = false);
    // A remark on the data that stops nothing: data that do not agree, or a
    // length that is not positive. Every number shown stays as computed.
    // Data that do not agree also name the datum and the value the others
    // imply for it, as a result label would show it.
    void warning(std::string text, std::string symbol = {}, std::string implied = {});
    // A remark on the data that warns of nothing: data that agree.
    void remark(std::string text);
    void clear() { m_steps.clear(); }
    // The decimals results are shown with (NumberFormat::kAll: every digit):
    // a datum checked again agrees with its value rounded so.
    void setDecimals(int decimals) { m_decimals = decimals; }

    const std::vector<SolutionStep> &steps() const { return m_steps; }
    bool empty() const { return m_steps.empty(); }

    // The solution as lines of text: "Dati", the data, "Calcoli", the steps.
    std::vector<std::string> lines() const;

private:
    std::vector<SolutionStep> m_steps;
    int m_decimals = -1;
};

// One computed step as a line: "a = √(h² + r²) = √(4² + 3²) = 5", without the
// parts that would only repeat the one before ("d = r = 6"); the result
// follows "≈" where numbers were rounded, and is followed by its unit.
std::string stepLine(const SolutionStep &step);

} // namespace solver
