#include "words.h"

#include "texts.h"

#include <array>

namespace solver {

namespace {

// A caption without its symbol in brackets: "Apotema (a)" -> "Apotema".
std::string withoutSymbol(std::string name)
{
    if (const auto open = name.rfind('('); open != std::string::npos && open > 0)
        name = name.substr(0, open);
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    return name;
}

const std::string *captionOf(const SolverScreen &screen, std::string_view symbol)
{
    for (const auto &c : screen.checks)
        if (c.quantity == symbol)
            return &c.text;
    for (const auto &r : screen.rows)
        if (r.quantity == symbol && !r.captionText.empty())
            return &r.captionText;
    for (const auto &k : screen.knownList)
        if (k.quantity == symbol)
            return &k.text;
    return nullptr;
}

bool startsWith(std::string_view s, std::string_view prefix)
{
    return s.substr(0, prefix.size()) == prefix;
}

} // namespace

std::string withDefiniteArticle(std::string_view bare)
{
    static constexpr std::array<std::string_view, 12> feminine = {
        "altezza", "area",  "base",      "circonferenza", "diagonale", "superficie",
        "zona",    "corda", "lunghezza", "larghezza",     "freccia",   "profondità",
    };
    if (bare.empty())
        return {};
    const char first = bare[0];
    if (std::string_view("aeiouAEIOU").find(first) != std::string_view::npos)
        return "l'" + std::string(bare);
    if (startsWith(bare, "s") && bare.size() > 1
        && std::string_view("aeiou").find(bare[1]) == std::string_view::npos)
        return "lo " + std::string(bare);
    if (startsWith(bare, "z") || startsWith(bare, "gn") || startsWith(bare, "ps"))
        return "lo " + std::string(bare);
    for (const auto f : feminine)
        if (startsWith(bare, f))
            return "la " + std::string(bare);
    return "il " + std::string(bare);
}

QuantityWords quantityWords(const SolverScreen &screen, std::string_view symbol)
{
    const std::string *caption = captionOf(screen, symbol);
    if (!caption)
        return {};
    QuantityWords w;
    w.bare = lowerCase(withoutSymbol(spokenName(*caption)));
    w.definite = withDefiniteArticle(w.bare);
    return w;
}

} // namespace solver
