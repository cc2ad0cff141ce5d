// The right prisms whose base is a regular polygon of 4 to 12 sides: one
// calculation and one window description, filled in by each screen's record.
#include "prisms.h"

namespace solids {

using namespace solver;

namespace {

void calcola(const PrismRecord &rec, Calc &calc)
{
    Quantity L(calc, "L"), a(calc, "a"), d(calc, "d"), h(calc, "h"), P(calc, "P"), D(calc, "D"),
        AB(calc, "AB"), AL(calc, "AL"), V(calc, "V"), AT(calc, "AT");
    const bool square = rec.base == PrismBase::Square;
    const Expr k = polygonApothem(rec.n, rec.k), A = polygonArea(rec.n, rec.A);

    // The steps several cases share, as the record's base fills them in.
    const auto perimeter = [&] { P = L * rec.n; };
    const auto sideFromPerimeter = [&] { L = P / rec.n; };
    const auto apothem = [&] { a = square ? L / 2 : L * k; };
    const auto sideFromApothem = [&] { L = square ? a * 2 : a / k; };
    const auto base = [&] { AB = square ? pow(L, 2) : P * a / 2; };
    // Only the case (L, V) takes the base from the side with the area constant.
    const auto baseFromSide = [&] { AB = square ? pow(L, 2) : pow(L, 2) * A; };
    const auto sideFromBase = [&] { L = square ? pow(AB, 0.5) : pow(AB / A, 0.5); };
    const auto polygonDiagonal = [&] { d = pow(pow(L, 2) + 4 * pow(a, 2), 0.5); };
    const auto diagonal = [&] {
        switch (rec.base) {
        case PrismBase::Square:
            d = L * pow(Expr(2), 0.5);
            break;
        case PrismBase::Pentagon:
            d = L * (pow(Expr(5), 0.5) + 1) / 2;
            break;
        case PrismBase::Hexagon:
            d = L * 2;
            break;
        case PrismBase::Polygon:
            polygonDiagonal();
            break;
        }
    };
    const auto sideFromDiagonal = [&] {
        switch (rec.base) {
        case PrismBase::Square:
            L = d / pow(Expr(2), 0.5);
            break;
        case PrismBase::Pentagon:
            L = d * (pow(Expr(5), 0.5) - 1) / 2;
            break;
        case PrismBase::Hexagon:
            L = d / 2;
            break;
        // The inverse of d = sqrt(L ^ 2 + 4 * a ^ 2) with a = k * L.
        case PrismBase::Polygon:
            L = d / pow(1 + 4 * pow(k, 2), 0.5);
            break;
        }
    };
    const auto lateral = [&] { AL = P * h; };
    const auto lateralFromTotal = [&] { AL = AT - 2 * AB; };
    const auto total = [&] { AT = AL + 2 * AB; };
    const auto volume = [&] { V = AB * h; };
    const auto heightFromLateral = [&] { h = AL / P; };
    const auto heightFromVolume = [&] { h = V / AB; };
    const auto prismDiagonal = [&] { D = pow(pow(h, 2) + pow(d, 2), 0.5); };
    const auto heightFromDiagonals = [&] { h = pow(pow(D, 2) - pow(d, 2), 0.5); };
    const auto baseDiagonalFromPrism = [&] { d = pow(pow(D, 2) - pow(h, 2), 0.5); };
    // The record's own text for the case of these known quantities.
    const auto written = [&](const char *known) {
        calc.formula(formulaText(rec.formulas, rec.name, known));
    };

    if (calc.given({ "L", "h" })) {
        L = calc.ask("INTRODUCI LO SPIGOLO (L)  =");
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        perimeter();
        apothem();
        base();
        lateral();
        total();
        volume();
        diagonal();
        prismDiagonal();
        written("L h");
    } else if (calc.given({ "h", "AB" })) {
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)  =");
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        sideFromBase();
        perimeter();
        lateral();
        total();
        volume();
        apothem();
        diagonal();
        prismDiagonal();
        written("AB h");
    } else if (calc.given({ "h", "P" })) {
        P = calc.ask("INTRODUCI IL PERIMETRO (P)  =");
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        sideFromPerimeter();
        apothem();
        base();
        lateral();
        total();
        volume();
        // The hexagonal screen takes this diagonal from the apothem, not as L * 2.
        if (rec.base == PrismBase::Hexagon)
            polygonDiagonal();
        else
            diagonal();
        prismDiagonal();
        written("P h");
    } else if (calc.given({ "h", "AL" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)  =");
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        P = AL / h;
        sideFromPerimeter();
        apothem();
        base();
        total();
        volume();
        diagonal();
        prismDiagonal();
        written("AL h");
    } else if (calc.given({ "h", "V" })) {
        V = calc.ask("INTRODUCI IL VOLUME (V)  =");
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        AB = V / h;
        sideFromBase();
        perimeter();
        apothem();
        lateral();
        total();
        if (square)
            volume();
        diagonal();
        prismDiagonal();
        written("V h");
    } else if (calc.given({ "h", "a" })) {
        a = calc.ask("INTRODUCI L'APOTEMA DI BASE (a)  =");
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        sideFromApothem();
        perimeter();
        base();
        lateral();
        total();
        volume();
        diagonal();
        prismDiagonal();
        written("a h");
    } else if (calc.given({ "L", "AL" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)  =");
        L = calc.ask("INTRODUCI LO SPIGOLO DI BASE (L)=");
        apothem();
        perimeter();
        base();
        total();
        heightFromLateral();
        volume();
        diagonal();
        prismDiagonal();
        written("AL L");
    } else if (calc.given({ "AL", "a" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)  =");
        a = calc.ask(square ? "INTRODUCI LO SPIGOLO DI BASE (a)="
                            : "INTRODUCI L'APOTEMA DI BASE (a)=");
        sideFromApothem();
        perimeter();
        base();
        heightFromLateral();
        total();
        volume();
        diagonal();
        prismDiagonal();
        written("AL a");
    } else if (calc.given({ "P", "AL" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)  =");
        P = calc.ask("INTRODUCI IL PERIMETRO (P)=");
        sideFromPerimeter();
        apothem();
        base();
        heightFromLateral();
        total();
        volume();
        diagonal();
        prismDiagonal();
        written("AL P");
    } else if (calc.given({ "AB", "AL" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)  =");
        AB = calc.ask(square ? "INTRODUCI L'AREA DI BASE (AB)=" : "INTRODUCI AREA DI BASE (AB)=");
        sideFromBase();
        apothem();
        perimeter();
        heightFromLateral();
        total();
        volume();
        diagonal();
        prismDiagonal();
        written("AL AB");
    } else if (calc.given({ "AL", "AT" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)  =");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        AB = (AT - AL) / 2;
        sideFromBase();
        apothem();
        perimeter();
        heightFromLateral();
        volume();
        diagonal();
        prismDiagonal();
        written("AL AT");
    } else if (calc.given({ "L", "AT" })) {
        L = calc.ask("INTRODUCI L'AREA LATERALE (L)  =");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        perimeter();
        apothem();
        base();
        lateralFromTotal();
        heightFromLateral();
        volume();
        diagonal();
        prismDiagonal();
        written("L AT");
    } else if (calc.given({ "AT", "a" })) {
        a = calc.ask("INTRODUCI L'APOTEMA (a)  =");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        sideFromApothem();
        perimeter();
        base();
        lateralFromTotal();
        heightFromLateral();
        volume();
        diagonal();
        prismDiagonal();
        written("a AT");
    } else if (calc.given({ "P", "AT" })) {
        P = calc.ask("INTRODUCI IL PERIMETRO (P)  =");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        sideFromPerimeter();
        apothem();
        base();
        lateralFromTotal();
        heightFromLateral();
        volume();
        diagonal();
        prismDiagonal();
        written("P AT");
    } else if (calc.given({ "AB", "AT" })) {
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)  =");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        sideFromBase();
        perimeter();
        lateralFromTotal();
        apothem();
        heightFromLateral();
        volume();
        diagonal();
        prismDiagonal();
        written("AB AT");
    } else if (calc.given({ "L", "V" })) {
        L = calc.ask("INTRODUCI LO SPIGOLO DI BASE (L)  =");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        baseFromSide();
        perimeter();
        heightFromVolume();
        lateral();
        apothem();
        total();
        diagonal();
        prismDiagonal();
        written("L V");
    } else if (calc.given({ "V", "a" })) {
        a = calc.ask("INTRODUCI L'APOTEMA DI BASE (a)  =");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        sideFromApothem();
        perimeter();
        base();
        heightFromVolume();
        lateral();
        total();
        diagonal();
        prismDiagonal();
        written("a V");
    } else if (calc.given({ "P", "V" })) {
        P = calc.ask("INTRODUCI IL PERIMETRO (P)  =");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        sideFromPerimeter();
        apothem();
        base();
        heightFromVolume();
        lateral();
        total();
        diagonal();
        prismDiagonal();
        written("P V");
    } else if (calc.given({ "AB", "V" })) {
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)  =");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        sideFromBase();
        perimeter();
        heightFromVolume();
        apothem();
        lateral();
        total();
        diagonal();
        prismDiagonal();
        written("AB V");
    } else if (rec.cases != PrismCases::Short && calc.given({ "V", "d" })) {
        d = calc.ask("INTRODUCI L'AREA DI BASE (d)  =");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        sideFromDiagonal();
        perimeter();
        apothem();
        base();
        heightFromVolume();
        lateral();
        total();
        prismDiagonal();
        written("d V");
    } else if (rec.cases != PrismCases::Short && calc.given({ "AT", "d" })) {
        d = calc.ask(square ? "INTRODUCI L'AREA DI BASE (d)  ="
                            : "INTRODUCI LA DIAGONALE DI BASE (d)  =");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        sideFromDiagonal();
        perimeter();
        apothem();
        base();
        lateralFromTotal();
        heightFromLateral();
        prismDiagonal();
        volume();
        written("d AT");
    } else if (rec.cases != PrismCases::Square && calc.given({ "L", "D" })) {
        L = calc.ask("INTRODUCI LO SPIGOLO DI BASE (L)  =");
        D = calc.ask("INTRODUCI LA DIAGONALE DEL PRISMA (D)=");
        apothem();
        diagonal();
        perimeter();
        base();
        heightFromDiagonals();
        lateral();
        total();
        volume();
        written("L D");
    } else if (rec.cases != PrismCases::Square && calc.given({ "h", "D" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA DEL PRISMA (h)  =");
        D = calc.ask("INTRODUCI LA DIAGONALE DEL PRISMA (D)=");
        baseDiagonalFromPrism();
        sideFromDiagonal();
        perimeter();
        apothem();
        base();
        lateral();
        total();
        volume();
        written("h D");
    } else if (rec.cases == PrismCases::Full && calc.given({ "d", "D" })) {
        d = calc.ask("INTRODUCI LA DIAGONALE DI BASE (d)  =");
        D = calc.ask("INTRODUCI LA DIAGONALE DEL PRISMA (D)=");
        heightFromDiagonals();
        sideFromDiagonal();
        perimeter();
        apothem();
        base();
        lateral();
        total();
        volume();
        written("d D");
    } else if (rec.cases != PrismCases::Square && calc.given({ "a", "D" })) {
        a = calc.ask("INTRODUCI L'APOTEMA DI BASE (a)  =");
        D = calc.ask("INTRODUCI LA DIAGONALE DEL PRISMA (D)=");
        sideFromApothem();
        diagonal();
        heightFromDiagonals();
        perimeter();
        base();
        lateral();
        total();
        volume();
        written("a D");
    } else if (rec.cases != PrismCases::Square && calc.given({ "P", "D" })) {
        P = calc.ask("INTRODUCI IL PERIMETRO DI BASE (P)  =");
        D = calc.ask("INTRODUCI LA DIAGONALE DEL PRISMA (D)=");
        sideFromPerimeter();
        apothem();
        diagonal();
        heightFromDiagonals();
        base();
        lateral();
        total();
        volume();
        written("P D");
    } else if (rec.cases != PrismCases::Square && calc.given({ "AB", "D" })) {
        AB = calc.ask("INTRODUCI  L'AREA DI BASE (AB)  =");
        D = calc.ask("INTRODUCI LA DIAGONALE DEL PRISMA (D)=");
        sideFromBase();
        apothem();
        perimeter();
        diagonal();
        heightFromDiagonals();
        lateral();
        total();
        volume();
        written("AB D");
    } else if (rec.cases == PrismCases::Full && calc.given({ "h", "d" })) {
        d = calc.ask("INTRODUCI  DIAGONALE DI BASE (d)  =");
        h = calc.ask("INTRODUCI L'ALTEZZA DEL PRISMA (h)=");
        sideFromDiagonal();
        apothem();
        perimeter();
        prismDiagonal();
        base();
        lateral();
        total();
        volume();
        written("d h");
    } else if (rec.cases == PrismCases::Full && calc.given({ "AL", "d" })) {
        d = calc.ask("INTRODUCI  DIAGONALE DI BASE (d)  =");
        AL = calc.ask("INTRODUCI L'AREA LATERALE DEL PRISMA (AL)=");
        sideFromDiagonal();
        apothem();
        perimeter();
        heightFromLateral();
        prismDiagonal();
        base();
        total();
        volume();
        written("d AL");
    } else {
        calc.insufficient();
    }

    calc.show("L", L);
    calc.show("a", a);
    calc.show("d", d);
    calc.show("h", h);
    calc.show("P", P);
    calc.show("D", D);
    calc.show("AB", AB);
    calc.show("AL", AL);
    calc.show("V", V);
    calc.show("AT", AT);
}

} // namespace

SolverScreen prismScreen(const PrismRecord &rec)
{
    SolverScreen s{
        .name = rec.name,
        .caption = rec.caption,
        .parent = "Form14",
        .title = rec.title,
        .knownHeading = {"Label7", "Cosa conosci ?"},
        .checks = {
            {"Check1", "Spigolo di base (L)", "L"},
            {"Check9", "apotema di base (a)", "a"},
            {"Check10", rec.baseDiagonalCheck, "d"},
            {"Check2", "Altezza della piramide (h)", "h"},
            {"Check4", "Perimetro di base  (P)", "P"},
            {"Check11", rec.prismDiagonalCheck, "D"},
            {"Check5", "Area di base (AB)", "AB"},
            {"Check6", "Area Laterale (AL)", "AL"},
            {"Check7", "Area Totale (AT)", "AT"},
            {"Check8", "Volume (V)", "V"},
        },
        .resultsHeading = {"Label8", "Risultati"},
        // The row of AT stands above the row of V.
        .rows = {
            {"Label1(12)", "Spigolo di base (L)", "Label3(0)", "L"},
            {"Label1(13)", "Apotema di base (a)", "Label3(1)", "a"},
            {"Label1(14)", "Diagonale di base (d)", "Label3(2)", "d"},
            {"Label1(15)", rec.heightCaption, "Label3(3)", "h"},
            {"Label1(16)", "Perimetro di base (P)", "Label3(4)", "P"},
            {"Label1(17)", "Diagonale del prisma (D)", "Label3(5)", "D"},
            {"Label1(18)", "Area di base (AB)", "Label3(6)", "AB"},
            {"Label1(19)", "Area laterale (AL)", "Label3(7)", "AL"},
            {"Label1(21)", "Area Totale  (AT)", "Label3(9)", "AT"},
            {"Label1(20)", "Volume  (V)", "Label3(8)", "V"},
        },
        .quantities = {
            {"L", Kind::Length}, {"a", Kind::Length}, {"d", Kind::Length}, {"h", Kind::Length},
            {"P", Kind::Length}, {"D", Kind::Length}, {"AB", Kind::Area}, {"AL", Kind::Area},
            {"AT", Kind::Area}, {"V", Kind::Volume},
        },
        .formulaHeading = {"Label5", "Formule applicate"},
        .formulaLabels = {"Label6"},
        .picture = {"Picture1", "prisma-" + std::to_string(rec.n) + ".svg"},
        .solvers = {{.name = rec.calcola,
                     .steps = [&rec](Calc &calc) { calcola(rec, calc); }}},
        .stampaButton = {rec.stampa, "Stampa"},
        .ritornaButton = {rec.ritorna, "Ritorna"},
        .esciButton = {rec.esci, "Esci"},
    };

    Extra area;
    area.name = "Label4(1)";
    area.text = "Costante (area)=" + rec.areaText;
    Extra apothem;
    apothem.name = "Label4(0)";
    apothem.text = "Costante (apotema)=" + rec.apothemText;
    s.extras = { area, apothem };
    s.extras.insert(s.extras.end(), rec.extras.begin(), rec.extras.end());
    // The pentagon's d is a diagonal; every other base's is the diameter of
    // the circle around it (a diagonal too where the sides are even).
    const bool chord = rec.base == PrismBase::Pentagon;
    s.figure = {
        .shape = geometry::Shape::RegularPrism,
        .dimensions = { std::to_string(rec.n), "L", "h" },
        .marks = { { "L", "side" },
                   { "a", "baseApothem" },
                   { "d", chord ? "baseDiagonal" : "baseDiameter" },
                   { "h", "height" },
                   { "D", chord ? "diagonal" : "diameterDiagonal" } },
    };
    return s;
}

} // namespace solids
