// The right prisms whose base is a regular polygon of 4 to 12 sides: one
// calculation and one window description, filled in by each screen's record.
#include "prisms.h"

#include <stdexcept>

namespace solids {

using namespace solver;

namespace {

const char *const kFormula = "Label6";

// The ten quantities of one press of "Calcola", all empty at the start, and
// the steps between them as the record's base fills them in.
struct Prism {
    const PrismRecord &rec;
    Value L{}, a{}, d{}, h{}, P{}, D{}, AB{}, AL{}, V{}, AT{};

    bool square() const { return rec.base == PrismBase::Square; }

    void perimeter() { P = L * rec.n; }
    void sideFromPerimeter() { L = P / rec.n; }
    void apothem() { a = square() ? L / 2 : L * rec.k; }
    void sideFromApothem() { L = square() ? a * 2 : a / rec.k; }
    void base() { AB = square() ? pow(L, 2) : P * a / 2; }
    // Only the case (L, V) takes the base from the side with the area constant.
    void baseFromSide() { AB = square() ? pow(L, 2) : pow(L, 2) * rec.A; }
    void sideFromBase() { L = square() ? pow(AB, 0.5) : pow(AB / rec.A, 0.5); }
    void diagonal()
    {
        switch (rec.base) {
        case PrismBase::Square:
            d = L * pow(2, 0.5);
            break;
        case PrismBase::Pentagon:
            d = L * (pow(5, 0.5) + 1) / 2;
            break;
        case PrismBase::Hexagon:
            d = L * 2;
            break;
        case PrismBase::Polygon:
            polygonDiagonal();
            break;
        }
    }
    void polygonDiagonal() { d = pow(pow(L, 2) + 4 * pow(a, 2), 0.5); }
    void sideFromDiagonal()
    {
        switch (rec.base) {
        case PrismBase::Square:
            L = d / pow(2, 0.5);
            break;
        case PrismBase::Pentagon:
            L = d * (pow(5, 0.5) - 1) / 2;
            break;
        case PrismBase::Hexagon:
            L = d / 2;
            break;
        // The inverse of d = sqrt(L ^ 2 + 4 * a ^ 2) with a = k * L.
        case PrismBase::Polygon:
            L = d / pow(1 + 4 * pow(rec.k, 2), 0.5);
            break;
        }
    }

    void lateral() { AL = P * h; }
    void lateralFromTotal() { AL = AT - 2 * AB; }
    void total() { AT = AL + 2 * AB; }
    void volume() { V = AB * h; }
    void heightFromLateral() { h = AL / P; }
    void heightFromVolume() { h = V / AB; }
    void prismDiagonal() { D = pow(pow(h, 2) + pow(d, 2), 0.5); }
    void heightFromDiagonals() { h = pow(pow(D, 2) - pow(d, 2), 0.5); }
    void baseDiagonalFromPrism() { d = pow(pow(D, 2) - pow(h, 2), 0.5); }
};

void calcola(const PrismRecord &rec, Calc &calc)
{
    Prism p{ rec };
    const bool square = rec.base == PrismBase::Square;
    auto written = [&](const char *known) { calc.formula(kFormula, prismFormula(rec, known)); };

    if (calc.given({ "L", "h" })) {
        p.L = calc.ask("INTRODUCI LO SPIGOLO (L)  =");
        p.h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        p.perimeter();
        p.apothem();
        p.base();
        p.lateral();
        p.total();
        p.volume();
        p.diagonal();
        p.prismDiagonal();
        written("L h");
    } else if (calc.given({ "h", "AB" })) {
        p.AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)  =");
        p.h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        p.sideFromBase();
        p.perimeter();
        p.lateral();
        p.total();
        p.volume();
        p.apothem();
        p.diagonal();
        p.prismDiagonal();
        written("AB h");
    } else if (calc.given({ "h", "P" })) {
        p.P = calc.ask("INTRODUCI IL PERIMETRO (P)  =");
        p.h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        p.sideFromPerimeter();
        p.apothem();
        p.base();
        p.lateral();
        p.total();
        p.volume();
        // The hexagonal screen takes this diagonal from the apothem, not as L * 2.
        if (rec.base == PrismBase::Hexagon)
            p.polygonDiagonal();
        else
            p.diagonal();
        p.prismDiagonal();
        written("P h");
    } else if (calc.given({ "h", "AL" })) {
        p.AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)  =");
        p.h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        p.P = p.AL / p.h;
        p.sideFromPerimeter();
        p.apothem();
        p.base();
        p.total();
        p.volume();
        p.diagonal();
        p.prismDiagonal();
        written("AL h");
    } else if (calc.given({ "h", "V" })) {
        p.V = calc.ask("INTRODUCI IL VOLUME (V)  =");
        p.h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        p.AB = p.V / p.h;
        p.sideFromBase();
        p.perimeter();
        p.apothem();
        p.lateral();
        p.total();
        if (square)
            p.volume();
        p.diagonal();
        p.prismDiagonal();
        written("V h");
    } else if (calc.given({ "h", "a" })) {
        p.a = calc.ask("INTRODUCI L'APOTEMA DI BASE (a)  =");
        p.h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        p.sideFromApothem();
        p.perimeter();
        p.base();
        p.lateral();
        p.total();
        p.volume();
        p.diagonal();
        p.prismDiagonal();
        written("a h");
    } else if (calc.given({ "L", "AL" })) {
        p.AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)  =");
        p.L = calc.ask("INTRODUCI LO SPIGOLO DI BASE (L)=");
        p.apothem();
        p.perimeter();
        p.base();
        p.total();
        p.heightFromLateral();
        p.volume();
        p.diagonal();
        p.prismDiagonal();
        written("AL L");
    } else if (calc.given({ "AL", "a" })) {
        p.AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)  =");
        p.a = calc.ask(square ? "INTRODUCI LO SPIGOLO DI BASE (a)="
                              : "INTRODUCI L'APOTEMA DI BASE (a)=");
        p.sideFromApothem();
        p.perimeter();
        p.base();
        p.heightFromLateral();
        p.total();
        p.volume();
        p.diagonal();
        p.prismDiagonal();
        written("AL a");
    } else if (calc.given({ "P", "AL" })) {
        p.AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)  =");
        p.P = calc.ask("INTRODUCI IL PERIMETRO (P)=");
        p.sideFromPerimeter();
        p.apothem();
        p.base();
        p.heightFromLateral();
        p.total();
        p.volume();
        p.diagonal();
        p.prismDiagonal();
        written("AL P");
    } else if (calc.given({ "AB", "AL" })) {
        p.AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)  =");
        p.AB = calc.ask(square ? "INTRODUCI L'AREA DI BASE (AB)=" : "INTRODUCI AREA DI BASE (AB)=");
        p.sideFromBase();
        p.apothem();
        p.perimeter();
        p.heightFromLateral();
        p.total();
        p.volume();
        p.diagonal();
        p.prismDiagonal();
        written("AL AB");
    } else if (calc.given({ "AL", "AT" })) {
        p.AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)  =");
        p.AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        p.AB = (p.AT - p.AL) / 2;
        p.sideFromBase();
        p.apothem();
        p.perimeter();
        p.heightFromLateral();
        p.volume();
        p.diagonal();
        p.prismDiagonal();
        written("AL AT");
    } else if (calc.given({ "L", "AT" })) {
        p.L = calc.ask("INTRODUCI L'AREA LATERALE (L)  =");
        p.AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        p.perimeter();
        p.apothem();
        p.base();
        p.lateralFromTotal();
        p.heightFromLateral();
        p.volume();
        p.diagonal();
        p.prismDiagonal();
        written("L AT");
    } else if (calc.given({ "AT", "a" })) {
        p.a = calc.ask("INTRODUCI L'APOTEMA (a)  =");
        p.AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        p.sideFromApothem();
        p.perimeter();
        p.base();
        p.lateralFromTotal();
        p.heightFromLateral();
        p.volume();
        p.diagonal();
        p.prismDiagonal();
        written("a AT");
    } else if (calc.given({ "P", "AT" })) {
        p.P = calc.ask("INTRODUCI IL PERIMETRO (P)  =");
        p.AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        p.sideFromPerimeter();
        p.apothem();
        p.base();
        p.lateralFromTotal();
        p.heightFromLateral();
        p.volume();
        p.diagonal();
        p.prismDiagonal();
        written("P AT");
    } else if (calc.given({ "AB", "AT" })) {
        p.AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)  =");
        p.AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        p.sideFromBase();
        p.perimeter();
        p.lateralFromTotal();
        p.apothem();
        p.heightFromLateral();
        p.volume();
        p.diagonal();
        p.prismDiagonal();
        written("AB AT");
    } else if (calc.given({ "L", "V" })) {
        p.L = calc.ask("INTRODUCI LO SPIGOLO DI BASE (L)  =");
        p.V = calc.ask("INTRODUCI IL VOLUME (V)=");
        p.baseFromSide();
        p.perimeter();
        p.heightFromVolume();
        p.lateral();
        p.apothem();
        p.total();
        p.diagonal();
        p.prismDiagonal();
        written("L V");
    } else if (calc.given({ "V", "a" })) {
        p.a = calc.ask("INTRODUCI L'APOTEMA DI BASE (a)  =");
        p.V = calc.ask("INTRODUCI IL VOLUME (V)=");
        p.sideFromApothem();
        p.perimeter();
        p.base();
        p.heightFromVolume();
        p.lateral();
        p.total();
        p.diagonal();
        p.prismDiagonal();
        written("a V");
    } else if (calc.given({ "P", "V" })) {
        p.P = calc.ask("INTRODUCI IL PERIMETRO (P)  =");
        p.V = calc.ask("INTRODUCI IL VOLUME (V)=");
        p.sideFromPerimeter();
        p.apothem();
        p.base();
        p.heightFromVolume();
        p.lateral();
        p.total();
        p.diagonal();
        p.prismDiagonal();
        written("P V");
    } else if (calc.given({ "AB", "V" })) {
        p.AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)  =");
        p.V = calc.ask("INTRODUCI IL VOLUME (V)=");
        p.sideFromBase();
        p.perimeter();
        p.heightFromVolume();
        p.apothem();
        p.lateral();
        p.total();
        p.diagonal();
        p.prismDiagonal();
        written("AB V");
    } else if (rec.cases != PrismCases::Short && calc.given({ "V", "d" })) {
        p.d = calc.ask("INTRODUCI L'AREA DI BASE (d)  =");
        p.V = calc.ask("INTRODUCI IL VOLUME (V)=");
        p.sideFromDiagonal();
        p.perimeter();
        p.apothem();
        p.base();
        p.heightFromVolume();
        p.lateral();
        p.total();
        p.prismDiagonal();
        written("d V");
    } else if (rec.cases != PrismCases::Short && calc.given({ "AT", "d" })) {
        p.d = calc.ask(square ? "INTRODUCI L'AREA DI BASE (d)  ="
                              : "INTRODUCI LA DIAGONALE DI BASE (d)  =");
        p.AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        p.sideFromDiagonal();
        p.perimeter();
        p.apothem();
        p.base();
        p.lateralFromTotal();
        p.heightFromLateral();
        p.prismDiagonal();
        p.volume();
        written("d AT");
    } else if (rec.cases != PrismCases::Square && calc.given({ "L", "D" })) {
        p.L = calc.ask("INTRODUCI LO SPIGOLO DI BASE (L)  =");
        p.D = calc.ask("INTRODUCI LA DIAGONALE DEL PRISMA (D)=");
        p.apothem();
        p.diagonal();
        p.perimeter();
        p.base();
        p.heightFromDiagonals();
        p.lateral();
        p.total();
        p.volume();
        written("L D");
    } else if (rec.cases != PrismCases::Square && calc.given({ "h", "D" })) {
        p.h = calc.ask("INTRODUCI L'ALTEZZA DEL PRISMA (h)  =");
        p.D = calc.ask("INTRODUCI LA DIAGONALE DEL PRISMA (D)=");
        p.baseDiagonalFromPrism();
        p.sideFromDiagonal();
        p.perimeter();
        p.apothem();
        p.base();
        p.lateral();
        p.total();
        p.volume();
        written("h D");
    } else if (rec.cases == PrismCases::Full && calc.given({ "d", "D" })) {
        p.d = calc.ask("INTRODUCI LA DIAGONALE DI BASE (d)  =");
        p.D = calc.ask("INTRODUCI LA DIAGONALE DEL PRISMA (D)=");
        p.heightFromDiagonals();
        p.sideFromDiagonal();
        p.perimeter();
        p.apothem();
        p.base();
        p.lateral();
        p.total();
        p.volume();
        written("d D");
    } else if (rec.cases != PrismCases::Square && calc.given({ "a", "D" })) {
        p.a = calc.ask("INTRODUCI L'APOTEMA DI BASE (a)  =");
        p.D = calc.ask("INTRODUCI LA DIAGONALE DEL PRISMA (D)=");
        p.sideFromApothem();
        p.diagonal();
        p.heightFromDiagonals();
        p.perimeter();
        p.base();
        p.lateral();
        p.total();
        p.volume();
        written("a D");
    } else if (rec.cases != PrismCases::Square && calc.given({ "P", "D" })) {
        p.P = calc.ask("INTRODUCI IL PERIMETRO DI BASE (P)  =");
        p.D = calc.ask("INTRODUCI LA DIAGONALE DEL PRISMA (D)=");
        p.sideFromPerimeter();
        p.apothem();
        p.diagonal();
        p.heightFromDiagonals();
        p.base();
        p.lateral();
        p.total();
        p.volume();
        written("P D");
    } else if (rec.cases != PrismCases::Square && calc.given({ "AB", "D" })) {
        p.AB = calc.ask("INTRODUCI  L'AREA DI BASE (AB)  =");
        p.D = calc.ask("INTRODUCI LA DIAGONALE DEL PRISMA (D)=");
        p.sideFromBase();
        p.apothem();
        p.perimeter();
        p.diagonal();
        p.heightFromDiagonals();
        p.lateral();
        p.total();
        p.volume();
        written("AB D");
    } else if (rec.cases == PrismCases::Full && calc.given({ "h", "d" })) {
        p.d = calc.ask("INTRODUCI  DIAGONALE DI BASE (d)  =");
        p.h = calc.ask("INTRODUCI L'ALTEZZA DEL PRISMA (h)=");
        p.sideFromDiagonal();
        p.apothem();
        p.perimeter();
        p.prismDiagonal();
        p.base();
        p.lateral();
        p.total();
        p.volume();
        written("d h");
    } else if (rec.cases == PrismCases::Full && calc.given({ "AL", "d" })) {
        p.d = calc.ask("INTRODUCI  DIAGONALE DI BASE (d)  =");
        p.AL = calc.ask("INTRODUCI L'AREA LATERALE DEL PRISMA (AL)=");
        p.sideFromDiagonal();
        p.apothem();
        p.perimeter();
        p.heightFromLateral();
        p.prismDiagonal();
        p.base();
        p.total();
        p.volume();
        written("d AL");
    } else {
        calc.insufficient();
    }

    calc.show("L", p.L);
    calc.show("a", p.a);
    calc.show("d", p.d);
    calc.show("h", p.h);
    calc.show("P", p.P);
    calc.show("D", p.D);
    calc.show("AB", p.AB);
    calc.show("AL", p.AL);
    calc.show("V", p.V);
    calc.show("AT", p.AT);
}

// The quantities in the order of their result labels Label3(0) to Label3(9).
const char *const kQuantities[] = { "L", "a", "d", "h", "P", "D", "AB", "AL", "V", "AT" };

std::string replaced(std::string text, const std::string &from, const std::string &to)
{
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string withDot(std::string text)
{
    for (auto &c : text)
        if (c == ',')
            c = '.';
    return text;
}

const PrismRecord &octagonal()
{
    for (const auto &rec : prismRecords())
        if (rec.name == "Form20")
            return rec;
    throw std::logic_error("the octagonal prism has no record");
}

const std::string *lookUp(const FormulaTable &table, const std::string &known)
{
    for (const auto &[case_, text] : table)
        if (case_ == known)
            return &text;
    return nullptr;
}

} // namespace

std::string prismFormula(const PrismRecord &rec, const std::string &known)
{
    if (const auto *own = lookUp(rec.formulas, known))
        return *own;
    const PrismRecord &model = octagonal();
    const auto *text = rec.cases == PrismCases::Short ? lookUp(model.formulas, known) : nullptr;
    if (!text)
        throw std::logic_error(rec.name + " has no formula text for " + known);
    const std::string n = std::to_string(rec.n);
    std::string out = *text;
    out = replaced(out, "L*8", "L*" + n);
    out = replaced(out, "P/8", "P/" + n);
    out = replaced(out, model.apothemText, rec.apothemText);
    out = replaced(out, withDot(model.apothemText), withDot(rec.apothemText));
    out = replaced(out, model.areaText, rec.areaText);
    out = replaced(out, withDot(model.areaText), withDot(rec.areaText));
    return out;
}

SolverScreen prismScreen(const PrismRecord &rec)
{
    SolverScreen s{
        .name = rec.name,
        .caption = rec.caption,
        .parent = "Form14",
        .title = rec.title,
        .knownHeading = {"Label7", "Cosa conosci ?"},
        .checks = {
            {"Check1", "Spigolo di base (L)"},
            {"Check9", "apotema di base (a)"},
            {"Check10", rec.baseDiagonalCheck},
            {"Check2", "Altezza della piramide (h)"},
            {"Check4", "Perimetro di base  (P)"},
            {"Check11", rec.prismDiagonalCheck},
            {"Check5", "Area di base (AB)"},
            {"Check6", "Area Laterale (AL)"},
            {"Check7", "Area Totale (AT)"},
            {"Check8", "Volume (V)"},
        },
        .resultsHeading = {"Label8", "Risultati"},
        // The row of AT stands above the row of V.
        .rows = {
            {"Label1(12)", "Spigolo di base (L)", "Label3(0)"},
            {"Label1(13)", "Apotema di base (a)", "Label3(1)"},
            {"Label1(14)", "Diagonale di base (d)", "Label3(2)"},
            {"Label1(15)", rec.heightCaption, "Label3(3)"},
            {"Label1(16)", "Perimetro di base (P)", "Label3(4)"},
            {"Label1(17)", "Diagonale del prisma (D)", "Label3(5)"},
            {"Label1(18)", "Area di base (AB)", "Label3(6)"},
            {"Label1(19)", "Area laterale (AL)", "Label3(7)"},
            {"Label1(21)", "Area Totale  (AT)", "Label3(9)"},
            {"Label1(20)", "Volume  (V)", "Label3(8)"},
        },
        .formulaHeading = {"Label5", "Formule applicate"},
        .formulaLabels = {kFormula},
        .picture = {"Picture1", "prisma-" + std::to_string(rec.n) + ".svg"},
        .solvers = {{.name = rec.calcola,
                     .steps = [&rec](Calc &calc) { calcola(rec, calc); }}},
        .stampaButton = {rec.stampa, "Stampa"},
        .ritornaButton = {rec.ritorna, "Ritorna"},
        .esciButton = {rec.esci, "Esci"},
        .tickOf = {{"L", "Check1"}, {"a", "Check9"}, {"d", "Check10"}, {"h", "Check2"},
                   {"P", "Check4"}, {"D", "Check11"}, {"AB", "Check5"}, {"AL", "Check6"},
                   {"AT", "Check7"}, {"V", "Check8"}},
    };
    for (int i = 0; i < 10; ++i)
        s.labelOf[kQuantities[i]] = "Label3(" + std::to_string(i) + ")";

    Extra area;
    area.name = "Label4(1)";
    area.text = "Costante (area)=" + rec.areaText;
    Extra apothem;
    apothem.name = "Label4(0)";
    apothem.text = "Costante (apotema)=" + rec.apothemText;
    s.extras = { area, apothem };
    s.extras.insert(s.extras.end(), rec.extras.begin(), rec.extras.end());
    return s;
}

} // namespace solids
