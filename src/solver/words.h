// The quantities and the solids of the screens named in words, as a textbook
// writes them: the worked solution's remarks on the data and the exercise of
// the worksheet speak of "l'apotema", "il raggio di base", "un cono", never of
// a control's caption (whose spellings are the screens' own: "Diametro
// minuimo interno", "TRONCO DI PRISMA" on a pyramid frustum).
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

// The solid a press of `button` on `screen` solves, with its indefinite
// article: "un cono", "una sfera", "un tronco di piramide a base quadrata".
// A screen of several solids names the one of the button; `button` may be
// null for a screen of one solid. Empty for a screen not in the glossary.
std::string solidWords(const SolverScreen &screen, const SolveButton *button = nullptr);

} // namespace solver
