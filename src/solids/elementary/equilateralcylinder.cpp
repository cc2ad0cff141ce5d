// The equilateral cylinder (height equal to the diameter): one known quantity
// gives the radius, the radius gives everything else.
#include "elementary.h"

namespace solids {

using namespace solver;

namespace {

void calcola(Calc &calc)
{
    Quantity r(calc, "r"), d(calc, "d"), AB(calc, "AB"), C(calc, "C"), AL(calc, "AL"),
        AT(calc, "AT"), V(calc, "V"), D(calc, "D");

    // The steps several cases share: everything from the radius, the
    // diagonal from the diameter.
    const auto diameter = [&] { d = r * 2; };
    const auto circumference = [&] { C = r * twoPi(); };
    const auto baseArea = [&] { AB = pow(r, 2) * pi(); };
    const auto lateralArea = [&] { AL = pow(r, 2) * fourPi(); };
    const auto totalArea = [&] { AT = pow(r, 2) * sixPi(); };
    const auto volume = [&] { V = pow(r, 3) * twoPi(); };
    const auto diagonal = [&] { D = sqrt(pow(d, 2) + pow(d, 2)); };

    if (calc.given({ "r" })) {
        r = calc.ask("INTRODuci IL RAGGIO O L'ALTEZZA (r=h) =");
        diameter();
        circumference();
        baseArea();
        lateralArea();
        totalArea();
        volume();
        diagonal();
        calc.formula(
            "d = 2 * r: c = 2 * 3.1415926535 * r: AB = r ^ 2 * 3.1415926535: AL = 4 * 3.1415926535 * r ^ 2: AT = 6 * 3.1415926535 * r ^ 2 : V = 2 * 3.1415926535 * r ^ 3: D = Sqr(d ^ 2 + d ^ 2) ");
    } else if (calc.given({ "d" })) {
        d = calc.ask("INTRODuci IL DIAMETRO (d) =");
        r = d / 2;
        circumference();
        baseArea();
        lateralArea();
        totalArea();
        volume();
        diagonal();
        calc.formula(
            "r = d/2: c = 2 * 3.1415926535 * r: AB = r ^ 2 * 3.1415926535: AL = 4 * 3.1415926535 * r ^ 2: AT = 6 * 3.1415926535 * r ^ 2 : V = 2 * 3.1415926535 * r ^ 3: D = Sqr(d ^ 2 + d ^ 2) ");
    } else if (calc.given({ "AB" })) {
        AB = calc.ask("INTRODuci L'AREA DI BASE (Ab) =");
        r = sqrt(AB / pi());
        diameter();
        circumference();
        lateralArea();
        totalArea();
        volume();
        diagonal();
        calc.formula(
            "r = Sqr(AB / 3.1415926535): d = 2 * r: c = 2 * 3.1415926535 * r: AL = 4 * 3.1415926535 * r ^ 2: AT = 6 * 3.1415926535 * r ^ 2 : V = 2 * 3.1415926535 * r ^ 3: D = Sqr(d ^ 2 + d ^ 2) ");
    } else if (calc.given({ "AL" })) {
        AL = calc.ask("INTRODuci L'AREA LATERALE (AL) =");
        r = sqrt(AL / fourPi());
        baseArea();
        diameter();
        circumference();
        totalArea();
        volume();
        diagonal();
        calc.formula(
            "r = Sqr(AL / 4 * 3.1415926535): AB = r ^ 2 * 3.1415926535: d = 2 * r: c = 2 * 3.1415926535 * r: AT = 6 * 3.1415926535 * r ^ 2 : V = 2 * 3.1415926535 * r ^ 3: D = Sqr(d ^ 2 + d ^ 2) ");
    } else if (calc.given({ "AT" })) {
        AT = calc.ask("INTRODuci L'AREA TOTALE (AT) =");
        r = sqrt(AT / sixPi());
        baseArea();
        lateralArea();
        diameter();
        circumference();
        volume();
        diagonal();
        calc.formula(
            "r = Sqr(AT / 6 * 3.1415926535): AB = r ^ 2 * 3.1415926535: d = 2 * r: c = 2 * 3.1415926535 * r: AL = 4 * 3.1415926535 * r ^ 2 : V = 2 * 3.1415926535 * r ^ 3: D = Sqr(d ^ 2 + d ^ 2) ");
    } else if (calc.given({ "D" })) {
        D = calc.ask("INTRODUCI LA DIAGONALE DEL CILINDRO (D) =");
        r = sqrt(pow(D, 2) / 2) / 2;
        baseArea();
        lateralArea();
        diameter();
        circumference();
        totalArea();
        volume();
        calc.formula(
            "r = Sqr(d1^2/2)/2: AB = r ^ 2 * 3.1415926535: d = 2 * r: c = 2 * 3.1415926535 * r: AL = 4 * 3.1415926535 * r ^ 2 : AT = 6 * 3.1415926535 * r ^ 2:  V = 2 * 3.1415926535 * r ^ 3 ");
    } else if (calc.given({ "C" })) {
        C = calc.ask("INTRODUCI LA CIRCONFERENZA (C) =");
        r = C / twoPi();
        baseArea();
        lateralArea();
        diameter();
        circumference();
        totalArea();
        volume();
        diagonal();
        // The text begins with the diagonal's formula, as the screen always had it.
        calc.formula(
            "r = Sqr(d1^2/2)/2: AB = r ^ 2 * 3.1415926535: d = 2 * r: c = 2 * 3.1415926535 * r: AL = 4 * 3.1415926535 * r ^ 2 : AT = 6 * 3.1415926535 * r ^ 2:  V = 2 * 3.1415926535 * r ^ 3: D = Sqr(d ^ 2 + d ^ 2)   ");
    } else if (calc.given({ "V" })) {
        V = calc.ask("INTRODUCI IL VOLUME  (V) =");
        r = pow(V / twoPi(), Expr(1) / 3);
        baseArea();
        circumference();
        lateralArea();
        diameter();
        totalArea();
        diagonal();
        calc.formula(
            "r = (V / (2 * 3.1415926535)) ^ 1 / 3: C = 2 * 3.1415926535 * r: AB = r ^ 2 * 3.1415926535: d = 2 * r: AL = 4 * 3.1415926535 * r ^ 2 : AT = 6 * 3.1415926535 * r ^ 2: D = Sqr(d ^ 2 + d ^ 2)   ");
    } else {
        calc.insufficient();
    }

    calc.show("r", r);
    calc.show("d", d);
    calc.show("AB", AB);
    calc.show("C", C);
    calc.show("AL", AL);
    calc.show("AT", AT);
    calc.show("V", V);
    calc.show("D", D);
}

} // namespace

SolverScreen equilateralCylinder()
{
    return {
        .name = "Form37",
        .caption = "Cilindro Equilatero",
        .parent = "Form2",
        .title = {"Label1(20)", "CILINDRO EQUILATERO"},
        .knownHeading = {"Label22", "Cosa conosci  ?"},
        .checks = {
            {"Check1", "raggio (r=h/2)", "r"},
            {"Check2(0)", "diametro(d=h)", "d"},
            {"Check4", "area di base (AB)", "AB"},
            {"Check8", "Circonferenza (C)", "C"},
            {"Check5", "area laterale(AL)", "AL"},
            {"Check7", "area totale(AT)", "AT"},
            {"Check6", "Volume(V)", "V"},
            {"Check9", "diagonale (D)", "D"},
        },
        .resultsHeading = {"Label1(0)", "Risultati"},
        .rows = {
            {"Label2(0)", "Raggio (r=h/2)     =", "Label2(8)", "r"},
            {"Label2(1)", "Diametro (d=h)     =", "Label2(9)", "d"},
            {"Label2(2)", "Area di base (Ab)      =", "Label2(10)", "AB"},
            {"Label2(3)", "Circonferenza  (C)     =", "Label2(11)", "C"},
            {"Label2(4)", "Area Laterale (Al)     =", "Label2(12)", "AL"},
            {"Label2(5)", "Area Totale (At)     =", "Label2(13)", "AT"},
            {"Label2(6)", "Volume (V)     =", "Label2(14)", "V"},
            {"Label2(7)", "Diagonale (D)     =", "Label2(15)", "D"},
        },
        .quantities = {
            {"r", Kind::Length}, {"d", Kind::Length}, {"AB", Kind::Area}, {"C", Kind::Length},
            {"AL", Kind::Area}, {"AT", Kind::Area}, {"V", Kind::Volume}, {"D", Kind::Length},
        },
        .formulaHeading = {"Label27(0)", "Formule applicate:"},
        .formulaLabels = {"Label26(0)"},
        .picture = {"Picture1", "cilindro-equilatero.svg"},
        .extras = {{.kind = Extra::Kind::Label, .name = "Label3", .text = "D", .opens = {},
                    .onPicture = "Picture1", .x = 0.62, .y = 0.42}},
        .solvers = {{.name = "Command1", .steps = calcola}},
        .stampaButton = {"Command2", "Stampa"},
        .ritornaButton = {"Command4", "Ritorna"},
        .esciButton = {"Command3", "Esci"},
        .figure = {.shape = geometry::Shape::Cylinder,
                   .dimensions = {"r", "d"},
                   .marks = {{"r", "radius"}, {"d", "diameter"}, {"C", "rim"}, {"D", "diagonal"}}},
    };
}

} // namespace solids
