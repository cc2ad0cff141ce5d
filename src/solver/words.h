// The quantities of a screen named in words, as a textbook writes them: the
// worked solution's remarks on the data and the exercise of the worksheet
// speak of "l'apotema", "il raggio di base", never of a control's caption.
#pragma once

#include "screen.h"

#include <string>
#include <string_view>

namespace solver {

struct QuantityWords {
    std::string bare;     // "apotema", "area laterale"
    std::string definite; // with its definite article: "l'apotema", "lo spigolo"
};

// The quantity `symbol` of `screen` in words; empty words when the screen
// has no quantity of that symbol.
QuantityWords quantityWords(const SolverScreen &screen, std::string_view symbol);

// The definite article of a noun phrase, joined to it: "il raggio", "l'area",
// "lo spigolo", "la base".
std::string withDefiniteArticle(std::string_view bare);

} // namespace solver
