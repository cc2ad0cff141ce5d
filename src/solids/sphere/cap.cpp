// The spherical cap: two of radius, height, surface and volume give the rest.
#include "sphere.h"

namespace solids {

using namespace solver;

namespace {

void calcola(Calc &calc)
{
    Quantity R(calc, "R"), h(calc, "h"), A(calc, "A"), V(calc, "V"), d(calc, "d");

    // The steps several cases share.
    const auto diameter = [&] { d = 2 * R; };
    const auto surface = [&] { A = twoPi() * R * h; };
    const auto volume = [&] { V = pi() * pow(h, 2) * (R - h / 3); };

    if (calc.given({ "R", "h" })) {
        R = calc.ask("INTRODUCI IL RAGGIO DELLA SFERA (R)  =");
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        diameter();
        surface();
        volume();
        calc.formula("d=2*R: A=2*3.14*R*h: V = 3.14 * h ^ 2 * (R - (h / 3))");
    } else if (calc.given({ "R", "A" })) {
        R = calc.ask("INTRODUCI IL RAGGIO (R)  =");
        A = calc.ask("INTRODUCI LA SUPERFICIE (A)=");
        h = A / (twoPi() * R);
        volume();
        diameter();
        calc.formula("d=2*R: h = a / (2 * 3.1415926535 * r): V = 3.14 * h ^ 2 * (R - (h / 3))");
    } else if (calc.given({ "h", "A" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA (h)  =");
        A = calc.ask("INTRODUCI LA SUPERFICIE (A)=");
        R = A / (twoPi() * h);
        volume();
        diameter();
        calc.formula(" R = a / (2 * 3.1415926535 * h): V = 3.14 * h ^ 2 * (R - (h / 3)): d=2*R");
    } else if (calc.given({ "h", "V" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA (h)  =");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        R = V / (pi() * pow(h, 2)) - (-h) / 3;
        diameter();
        surface();
        calc.formula(
            "  R = V / (3.1415926535 * h ^ 2) - (-h / 3): V = 3.14 * h ^ 2 * (R - (h / 3)): d=2*R: A = 2 * 3.1415926535 * R * h");
    } else {
        calc.insufficient();
    }

    calc.show("R", R);
    calc.show("d", d);
    calc.show("A", A);
    calc.show("h", h);
    calc.show("V", V);
}

} // namespace

SolverScreen sphericalCap()
{
    return {
        .name = "Form39",
        .caption = "Calotta sferica",
        .parent = "Form13",
        .title = {"Label2(0)", "CALOTTA SFERICA"},
        .knownHeading = {"Label2(1)", "Cosa conosci ?"},
        .checks = {
            {"Check1", "Raggio (R)", "R"},
            {"Check2", "Altezza (h)", "h"},
            {"Check3", "Superficie (A)", "A"},
            {"Check4", "Volume (V)", "V"},
        },
        .resultsHeading = {"Label2(2)", "Cosa conosci ?"},
        .rows = {
            {"Label1(0)", "Raggio (R)                 =", "Label1(4)", "R"},
            {"Label1(10)", "Altezza (h)                 =", "Label1(11)", "h"},
            {"Label1(2)", "Superficie  (A)            =", "Label1(6)", "A"},
            {"Label1(3)", "Volume Calotta   (V)   =", "Label1(7)", "V"},
            {"Label1(1)", "Diametro (d=2R)        =", "Label1(5)", "d"},
        },
        .quantities = {
            {"R", Kind::Length}, {"h", Kind::Length}, {"A", Kind::Area}, {"V", Kind::Volume},
            {"d", Kind::Length},
        },
        .formulaHeading = {"Label1(8)", "Formule applicate"},
        .formulaLabels = {"Label1(9)"},
        .picture = {"Picture1", "calotta.svg"},
        .solvers = {{.name = "Command4", .steps = calcola}},
        .stampaButton = {"Command1", "Stampa"},
        .ritornaButton = {"Command3", "Ritorna"},
        .esciButton = {"Command2", "Esci"},
        .figure = {.shape = geometry::Shape::Cap,
                   .dimensions = {"R", "h"},
                   .marks = {{"R", "sphereRadius"}, {"h", "height"}, {"d", "sphereDiameter"}}},
    };
}

} // namespace solids
