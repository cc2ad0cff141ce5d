#include "figure.h"

#include "calc.h"
#include "screen.h"
#include "words.h"

#include "geometry/view.h"

#include <cstdlib>
#include <set>

namespace solver {

namespace {

const char *const kBeforeAnyPress = "La figura 3D compare dopo un calcolo riuscito.";
const char *const kNone = "Nessuna figura: ";

// A dimension written as a number is a constant of the shape.
bool isConstant(const std::string &dimension)
{
    char *end = nullptr;
    std::strtod(dimension.c_str(), &end);
    return !dimension.empty() && end && *end == '\0';
}

// "un cono" -> "il cono", "un icosaedro" -> "l'icosaedro", "una sfera" ->
// "la sfera", "uno ..." -> "lo ...".
std::string definiteOf(const std::string &indefinite)
{
    const auto startsWith = [&](const char *p) { return indefinite.rfind(p, 0) == 0; };
    if (startsWith("un'"))
        return "l'" + indefinite.substr(3);
    if (startsWith("una "))
        return "la " + indefinite.substr(4);
    if (startsWith("uno "))
        return "lo " + indefinite.substr(4);
    if (startsWith("un ")) {
        const std::string rest = indefinite.substr(3);
        const bool vowel =
            !rest.empty() && std::string("aeiouAEIOU").find(rest[0]) != std::string::npos;
        return (vowel ? "l'" : "il ") + rest;
    }
    return indefinite;
}

// "il cono" -> "del cono": the preposition di joined to the article.
std::string ofThe(const std::string &definite)
{
    static const std::pair<const char *, const char *> joined[] = {
        { "il ", "del " }, { "lo ", "dello " },  { "la ", "della " }, { "l'", "dell'" },
        { "i ", "dei " },  { "gli ", "degli " }, { "le ", "delle " },
    };
    for (const auto &[article, with] : joined) {
        const std::string a = article;
        if (definite.rfind(a, 0) == 0)
            return with + definite.substr(a.size());
    }
    return "di " + definite;
}

// The remark that stops the figure, without its "Attenzione!".
std::string remarkOf(const std::string &warning)
{
    const std::string lead = "Attenzione! ";
    std::string s = warning.rfind(lead, 0) == 0 ? warning.substr(lead.size()) : warning;
    // "L'altezza h vale 0" follows "Nessuna figura: " in lower case; a
    // symbol such as "L1" keeps its capital.
    if (s.size() > 1 && s[0] >= 'A' && s[0] <= 'Z'
        && ((s[1] >= 'a' && s[1] <= 'z') || s[1] == '\''))
        s[0] = char(s[0] - 'A' + 'a');
    return s;
}

std::string joinedWithAnd(const std::vector<std::string> &items)
{
    std::string s;
    for (std::size_t i = 0; i < items.size(); ++i)
        s += (i == 0 ? "" : i + 1 == items.size() ? " e " : ", ") + items[i];
    return s;
}

} // namespace

Figure Figure::beforeAnyPress()
{
    Figure f;
    f.none = kBeforeAnyPress;
    f.alternative = kBeforeAnyPress;
    return f;
}

Figure figureOf(const SolverScreen &screen, const SolveButton &button, const Calc &calc,
                PressEnd end)
{
    Figure figure;
    const SolidRecipe &recipe = screen.figureOf(button);
    const std::string solid = solidWords(screen, &button);
    figure.solid = solid;
    const std::string theSolid = definiteOf(solid);
    // A figure refused half-way keeps none of the dimensions read so far.
    const auto refuse = [&](const std::string &why) {
        figure.dimensions.clear();
        figure.none = kNone + why;
        figure.alternative = figure.none;
        return figure;
    };
    if (!recipe.present())
        return refuse("per questo solido non c'è una figura.");
    if (end == PressEnd::Insufficient)
        return refuse("i dati introdotti non bastano a determinare " + theSolid + ".");
    if (end == PressEnd::Failed)
        return refuse("con questi dati il calcolo non arriva in fondo, quindi non c'è un solido"
                      " da disegnare.");
    for (const auto &step : calc.solution().steps())
        if (step.kind == SolutionStep::Kind::Warning)
            return refuse(remarkOf(step.reason));

    // The value of a quantity as a result label shows it, and as a number.
    const auto &values = calc.values();
    const auto shown = [&](const std::string &symbol) { return calc.written(values.at(symbol)); };
    // A shape may go without its last dimensions (a zone of which only the
    // sphere and the height are known): the dimensions are passed up to the
    // first the press did not compute, and the shape says whether they do.
    std::vector<double> dimensions;
    bool complete = true;
    for (const auto &d : recipe.dimensions) {
        if (isConstant(d)) {
            if (!complete)
                break;
            dimensions.push_back(std::strtod(d.c_str(), nullptr));
            continue;
        }
        const auto found = values.find(d);
        double v = 0.0;
        bool known = found != values.end() && !found->second.isEmpty();
        if (known) {
            try {
                v = found->second.number();
            } catch (const CalcError &) {
                known = false;
            }
        }
        if (!known) {
            complete = false;
            continue;
        }
        if (!complete)
            return refuse("i dati non bastano a determinare la forma " + ofThe(theSolid) + ".");
        if (!(v > 0))
            return refuse("una misura di un solido è sempre positiva, e qui " + d + " = " + shown(d)
                          + calc.unitOf(d) + ".");
        dimensions.push_back(v);
        figure.dimensions.emplace_back(d, shown(d) + calc.unitOf(d));
    }
    if (dimensions.empty())
        return refuse("i dati non bastano a determinare la forma " + ofThe(theSolid) + ".");
    auto built = geometry::build(recipe.shape, dimensions);
    if (auto *refusal = std::get_if<geometry::Refusal>(&built))
        return refuse(refusal->reason);

    geometry::Scene scene;
    scene.solid = std::move(std::get<geometry::Solid>(built));
    std::set<std::string> given;
    for (const auto &step : calc.solution().steps())
        if (step.kind == SolutionStep::Kind::Given)
            given.insert(step.symbol);
    std::set<std::string> marked;
    std::vector<std::string> said, saidGiven;
    for (const auto &mark : recipe.marks) {
        const auto found = values.find(mark.symbol);
        if (found == values.end() || found->second.isEmpty() || !scene.solid.anchor(mark.anchor))
            continue;
        const bool isGiven = given.count(mark.symbol) > 0;
        scene.measures.push_back(
            { mark.anchor, mark.symbol + " = " + shown(mark.symbol), isGiven });
        marked.insert(mark.symbol);
        (isGiven ? saidGiven : said)
            .push_back(mark.symbol + " = " + shown(mark.symbol) + calc.unitOf(mark.symbol));
    }
    // The data with no place on the solid (areas, volumes) are listed beside it.
    for (const auto &step : calc.solution().steps()) {
        if (step.kind != SolutionStep::Kind::Given || marked.count(step.symbol)
            || !values.count(step.symbol) || !screen.kindOf(step.symbol))
            continue;
        marked.insert(step.symbol);
        const std::string text =
            step.symbol + " = " + shown(step.symbol) + calc.unitOf(step.symbol);
        scene.measures.push_back({ "", text, true });
        saidGiven.push_back(text);
    }
    if (calc.preferences().unit != Unit::None)
        scene.unit = unitName(calc.preferences().unit);
    scene.decimal = calc.format().decimal;
    figure.scene = std::move(scene);

    std::string alternative = "Figura 3D in scala " + ofThe(theSolid) + ".";
    if (!saidGiven.empty())
        alternative += std::string(saidGiven.size() == 1 ? " Il dato: " : " I dati: ")
                       + joinedWithAnd(saidGiven) + ".";
    if (!said.empty())
        alternative += " Sono segnati anche " + joinedWithAnd(said) + ".";
    figure.alternative = alternative;
    return figure;
}

} // namespace solver
