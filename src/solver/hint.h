// The line a solver screen shows under its solving buttons after a press:
// what to do next, in plain Italian. After the insufficient-data message it
// names the tick boxes to add, taken from the combinations the case chain
// accepts; after a failing step it says why the step could not be computed;
// remarks on the data come first. Both editions show the same words: the
// desktop under its buttons, the web page from the bridge's answer.
#pragma once

#include "screen.h"
#include "solution.h"

#include <set>
#include <string>
#include <vector>

namespace solver {

// The combinations a chain accepts (the tick boxes of each case it tested,
// in the chain's order), ordered for what is ticked now. Ticked boxes that no
// combination uses do not count. When some combinations contain every other
// ticked box, those alone are kept, fewest boxes still to tick first;
// otherwise every combination is kept, as `closest`, fewest boxes still to
// tick first, then fewest ticked boxes left out. Ties keep the chain's order;
// a combination tested twice is kept once.
struct Combinations {
    std::vector<std::vector<std::string>> list;
    bool closest = false;
};
Combinations orderCombinations(const std::vector<std::vector<std::string>> &cases,
                               const std::set<std::string> &ticked);

// Names joined as a sentence lists them: "A", "A e B", "A, B e C".
std::string joinNames(const std::vector<std::string> &names);

// The name of a tick box as the screen writes it: its caption, trimmed.
std::string boxName(const SolverScreen &screen, const std::string &box);

// The hint after a press of `screen` with the tick boxes `ticked` (by control
// name), from the press's worked solution; empty when there is nothing to say.
std::string hint(const SolverScreen &screen, const std::set<std::string> &ticked,
                 const Solution &solution);

} // namespace solver
