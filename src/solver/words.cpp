#include "words.h"

#include "texts.h"

#include <array>
#include <map>
#include <utility>
#include <vector>

namespace solver {

namespace {

using Names = std::vector<std::pair<std::string_view, std::string_view>>;

// One screen's solid and quantities in words.
struct Entry {
    std::string_view solid; // with its indefinite article
    const Names *names;
    const Names *extra = nullptr; // a second list, for names the first shares
};

// Names several screens share.
const Names areasAndVolume = {
    { "AB", "area di base" }, { "AL", "area laterale" },    { "AT", "area totale" },
    { "V", "volume" },        { "P", "perimetro di base" },
};

const Names regularPyramid = {
    { "s", "spigolo di base" }, { "r", "apotema di base" },  { "h", "altezza" },
    { "a", "apotema" },         { "l", "spigolo laterale" },
};

const Names cone = {
    { "r", "raggio" },  { "d", "diametro" }, { "C", "circonferenza" },
    { "h", "altezza" }, { "a", "apotema" },
};

const Names triangularPrism = {
    { "s", "spigolo di base" },
    { "h", "altezza" },
    { "h1", "altezza del triangolo di base" },
    { "a", "apotema di base" },
};

const Names regularPrism = {
    { "L", "spigolo di base" }, { "a", "apotema di base" },      { "d", "diagonale di base" },
    { "h", "altezza" },         { "D", "diagonale del prisma" },
};

const Names cylinder = {
    { "R", "raggio" },
    { "H", "altezza" },
    { "C", "circonferenza" },
    { "d", "diametro" },
    { "D1", "diagonale della sezione assiale" },
};

const Names truncatedPyramid = {
    { "L1", "lato della prima base" },
    { "L2", "lato della seconda base" },
    { "h", "altezza" },
    { "P1", "perimetro della prima base" },
    { "P2", "perimetro della seconda base" },
    { "a1", "apotema della prima base" },
    { "a2", "apotema della seconda base" },
    { "a", "apotema del tronco" },
    { "AB1", "area della prima base" },
    { "AB2", "area della seconda base" },
};

const Names truncatedCone = {
    { "r1", "raggio della prima base" },
    { "r2", "raggio della seconda base" },
    { "h", "altezza" },
    { "C1", "circonferenza della prima base" },
    { "C2", "circonferenza della seconda base" },
    { "a", "apotema" },
    { "A1", "area della prima base" },
    { "A2", "area della seconda base" },
    { "AL", "superficie laterale" },
    { "AT", "superficie totale" },
};

const Names polyhedron = {
    { "l", "spigolo" },
    { "h", "altezza" },
    { "Sl", "superficie laterale" },
    { "St", "superficie totale" },
};

const Names trench = {
    { "A1", "area della prima base" },
    { "A2", "area della seconda base" },
    { "h", "altezza" },
};

const Names cube = {
    { "s", "spigolo" },
    { "d", "diagonale" },
    { "d1", "diagonale di una faccia" },
};

const Names haystack = {
    { "r", "raggio minore" },     { "R", "raggio maggiore" },     { "h", "altezza del tronco" },
    { "h1", "altezza del cono" }, { "V", "volume del pagliaio" }, { "V1", "volume del tronco" },
    { "V2", "volume del cono" },
};

const Names heap = {
    { "a", "lunghezza della base maggiore" },
    { "b", "larghezza della base maggiore" },
    { "c", "lunghezza della base minore" },
    { "d", "larghezza della base minore" },
    { "h", "altezza" },
    { "V", "volume" },
};

const Names biga = {
    { "h", "altezza della meda" },
    { "h1", "altezza della cavalla" },
};

const Names barrel = {
    { "D", "diametro massimo" },
    { "d", "diametro minimo" },
    { "L", "lunghezza" },
};

const Names ellipticBarrel = {
    { "D", "primo diametro massimo" },
    { "D1", "secondo diametro massimo" },
    { "d", "primo diametro minimo" },
    { "d1", "secondo diametro minimo" },
    { "L", "lunghezza" },
};

const Names prismaticHeap = {
    { "a", "lunghezza della base" },
    { "b", "larghezza della base" },
    { "c", "spigolo superiore" },
    { "h", "altezza" },
};

const Names prismoid = {
    { "A1", "area della prima base" },
    { "A2", "area della seconda base" },
    { "Am", "area della sezione media" },
    { "h", "altezza" },
};

const Names equilateralCylinder = {
    { "r", "raggio" },
    { "d", "diametro" },
    { "C", "circonferenza" },
    { "D", "diagonale della sezione assiale" },
};

const Names sphere = {
    { "r", "raggio" },
    { "d", "diametro" },
    { "C", "circonferenza massima" },
    { "AT", "area della superficie sferica" },
};

const Names cap = {
    { "R", "raggio della sfera" },
    { "d", "diametro della sfera" },
    { "h", "altezza" },
    { "A", "area della calotta" },
};

const Names zone = {
    { "r1", "raggio della prima base" },
    { "r2", "raggio della seconda base" },
    { "r", "raggio della sfera" },
    { "d", "diametro della sfera" },
    { "h", "altezza" },
    { "A", "area della zona" },
};

const Names wedge = {
    { "alfa", "ampiezza" },   { "r", "raggio della sfera" },    { "d", "diametro della sfera" },
    { "A", "area del fuso" }, { "V", "volume dello spicchio" },
};

const Names rectangularPyramid = {
    { "a", "primo spigolo di base" },
    { "b", "secondo spigolo di base" },
    { "a1", "apotema relativo al primo spigolo di base" },
    { "a2", "apotema relativo al secondo spigolo di base" },
    { "h", "altezza" },
    { "l", "spigolo laterale" },
};

const Names trapezoidPyramid = {
    { "a", "lato obliquo del trapezio di base" },
    { "c", "base AD del trapezio" },
    { "b", "base BC del trapezio" },
    { "h1", "altezza del trapezio" },
    { "a1", "apotema" },
    { "h", "altezza" },
    { "r", "raggio del cerchio inscritto nella base" },
    { "VC", "spigolo laterale VC" },
    { "VD", "spigolo laterale VD" },
};

const Names triangularPyramid = {
    { "s", "spigolo di base" }, { "h1", "altezza del triangolo di base" },
    { "h", "altezza" },         { "a", "apotema" },
    { "r", "apotema di base" }, { "l", "spigolo laterale" },
};

const Names parallelepiped = {
    { "a", "primo spigolo di base" },
    { "b", "secondo spigolo di base" },
    { "c", "altezza" },
    { "d1", "diagonale di base" },
    { "d2", "diagonale" },
};

const Names squarePyramid = {
    { "l", "spigolo di base" }, { "l1", "spigolo laterale" }, { "h", "altezza" },
    { "a", "apotema" },         { "R", "apotema di base" },
};

const Names none = {};

// By screen name. The practical screens' volume is the solid's own.
const std::map<std::string_view, Entry> &glossary()
{
    static const std::map<std::string_view, Entry> entries = {
        { "Form10", { "una piramide regolare pentagonale", &regularPyramid, &areasAndVolume } },
        { "Form11", { "una piramide regolare esagonale", &regularPyramid, &areasAndVolume } },
        { "Form12", { "un cono", &cone, &areasAndVolume } },
        { "Form15", { "un prisma regolare triangolare", &triangularPrism, &areasAndVolume } },
        { "Form16", { "un prisma regolare quadrangolare", &regularPrism, &areasAndVolume } },
        { "Form17", { "un prisma regolare pentagonale", &regularPrism, &areasAndVolume } },
        { "Form18", { "un prisma regolare esagonale", &regularPrism, &areasAndVolume } },
        { "Form19", { "un prisma regolare ettagonale", &regularPrism, &areasAndVolume } },
        { "Form2", { "un cilindro", &cylinder, &areasAndVolume } },
        { "Form20", { "un prisma regolare ottagonale", &regularPrism, &areasAndVolume } },
        { "Form21", { "un prisma regolare ennagonale", &regularPrism, &areasAndVolume } },
        { "Form22", { "un prisma regolare decagonale", &regularPrism, &areasAndVolume } },
        { "Form23", { "un prisma regolare endecagonale", &regularPrism, &areasAndVolume } },
        { "Form24",
          { "un tronco di piramide a base quadrata", &truncatedPyramid, &areasAndVolume } },
        { "Form25", { "un prisma regolare dodecagonale", &regularPrism, &areasAndVolume } },
        { "Form26", { "un tronco di cono", &truncatedCone, &areasAndVolume } },
        { "Form27", { "un poliedro regolare", &polyhedron, &areasAndVolume } },
        { "Form28", { "una trincea", &trench, &areasAndVolume } },
        { "Form3", { "un cubo", &cube, &areasAndVolume } },
        { "Form30", { "un pagliaio", &haystack, &none } },
        { "Form31", { "una biga", &biga, &heap } },
        { "Form32", { "un mucchio piramidale", &heap, &areasAndVolume } },
        { "Form33", { "una botte a fondi circolari", &barrel, &areasAndVolume } },
        { "Form34", { "una botte a fondi ellittici", &ellipticBarrel, &areasAndVolume } },
        { "Form35", { "un mucchio prismatico", &prismaticHeap, &areasAndVolume } },
        { "Form36", { "un prismoide", &prismoid, &areasAndVolume } },
        { "Form37", { "un cilindro equilatero", &equilateralCylinder, &areasAndVolume } },
        { "Form38", { "una sfera", &sphere, &areasAndVolume } },
        { "Form39", { "una calotta sferica", &cap, &areasAndVolume } },
        { "Form40", { "una zona sferica", &zone, &areasAndVolume } },
        { "Form41", { "un fuso sferico", &wedge, &areasAndVolume } },
        { "Form7", { "una piramide a base rettangolare", &rectangularPyramid, &areasAndVolume } },
        { "Form8",
          { "una piramide con base a trapezio isoscele", &trapezoidPyramid, &areasAndVolume } },
        { "Form9", { "una piramide regolare triangolare", &triangularPyramid, &areasAndVolume } },
        { "form4", { "un parallelepipedo rettangolo", &parallelepiped, &areasAndVolume } },
        { "form6", { "una piramide regolare quadrangolare", &squarePyramid, &areasAndVolume } },
    };
    return entries;
}

// The solids of a screen of several, by the words their buttons stand under.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> polyhedra = { {
    { "tedraedro", "un tetraedro regolare" },
    { "ottaedro", "un ottaedro regolare" },
    { "icoesaedro", "un icosaedro regolare" },
    { "dodecaedro", "un dodecaedro regolare" },
} };

const Entry *entryOf(const SolverScreen &screen)
{
    const auto &g = glossary();
    const auto it = g.find(screen.name);
    return it == g.end() ? nullptr : &it->second;
}

std::string_view lookUp(const Names *names, std::string_view symbol)
{
    if (names)
        for (const auto &[s, words] : *names)
            if (s == symbol)
                return words;
    return {};
}

bool declares(const SolverScreen &screen, std::string_view symbol)
{
    for (const auto &c : screen.checks)
        if (c.quantity == symbol)
            return true;
    for (const auto &r : screen.rows)
        if (r.quantity == symbol)
            return true;
    for (const auto &k : screen.knownList)
        if (k.quantity == symbol)
            return true;
    return false;
}

// A caption without its symbol in brackets: "Apotema (a)" -> "Apotema"; for
// a screen the glossary does not know yet.
std::string fromCaption(const SolverScreen &screen, std::string_view symbol)
{
    const std::string *caption = nullptr;
    for (const auto &c : screen.checks)
        if (!caption && c.quantity == symbol)
            caption = &c.text;
    for (const auto &r : screen.rows)
        if (!caption && r.quantity == symbol && !r.captionText.empty())
            caption = &r.captionText;
    for (const auto &k : screen.knownList)
        if (!caption && k.quantity == symbol)
            caption = &k.text;
    if (!caption)
        return {};
    std::string name = spokenName(*caption);
    if (const auto open = name.find('('); open != std::string::npos && open > 0)
        name = name.substr(0, open);
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    return lowerCase(name);
}

bool startsWith(std::string_view s, std::string_view prefix)
{
    return s.substr(0, prefix.size()) == prefix;
}

} // namespace

std::string withDefiniteArticle(std::string_view bare)
{
    // The feminine nouns a quantity's name begins with; every other is
    // masculine ("l'apotema" too).
    static constexpr std::array<std::string_view, 12> feminine = {
        "altezza", "area",  "base",      "circonferenza", "diagonale", "superficie",
        "zona",    "corda", "lunghezza", "larghezza",     "freccia",   "profondità",
    };
    if (bare.empty())
        return {};
    const char first = bare[0];
    if (std::string_view("aeiouAEIOU").find(first) != std::string_view::npos)
        return "l'" + std::string(bare);
    for (const auto f : feminine)
        if (startsWith(bare, f))
            return "la " + std::string(bare);
    if (startsWith(bare, "s") && bare.size() > 1
        && std::string_view("aeiou").find(bare[1]) == std::string_view::npos)
        return "lo " + std::string(bare);
    if (startsWith(bare, "z") || startsWith(bare, "gn") || startsWith(bare, "ps"))
        return "lo " + std::string(bare);
    return "il " + std::string(bare);
}

QuantityWords quantityWords(const SolverScreen &screen, std::string_view symbol)
{
    if (symbol.empty() || !declares(screen, symbol))
        return {};
    QuantityWords w;
    if (const Entry *e = entryOf(screen)) {
        std::string_view words = lookUp(e->names, symbol);
        if (words.empty())
            words = lookUp(e->extra, symbol);
        w.bare = std::string(words);
    }
    if (w.bare.empty())
        w.bare = fromCaption(screen, symbol);
    w.definite = withDefiniteArticle(w.bare);
    return w;
}

std::string solidWords(const SolverScreen &screen, const SolveButton *button)
{
    if (button && button->solidName.present()) {
        const std::string name = lowerCase(button->solidName.text);
        for (const auto &[key, words] : polyhedra)
            if (name.find(key) != std::string::npos)
                return std::string(words);
    }
    const Entry *e = entryOf(screen);
    return e ? std::string(e->solid) : std::string();
}

} // namespace solver
