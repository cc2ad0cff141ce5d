// The spherical wedge and its lune: two of radius, angle (in degrees), surface
// and volume give the rest; the whole sphere is 360 degrees.
#include "sphere.h"

namespace solids {

using namespace solver;

namespace {

void calcola(Calc &calc)
{
    Quantity r(calc, "r"), alfa(calc, "alfa"), A(calc, "A"), V(calc, "V"), d(calc, "d");

    // The steps several cases share.
    const auto surface = [&] { A = (alfa * pi() * pow(r, 2)) / 90; };
    const auto volume = [&] { V = (pi() * alfa * pow(r, 3)) / 270; };
    const auto diameter = [&] { d = 2 * r; };

    if (calc.given({ "alfa", "r" })) {
        r = calc.ask("INTRODUCI IL RAGGIO (R)  =");
        alfa = calc.ask("INTRODUCI L'ANGOLO ($)=");
        surface();
        volume();
        diameter();
        calc.formula("d=2*R: A = $ * 3.1415926535 * R ^ 2/90: V = 3.1415926535 * $ * R ^ 3 / 270 ");
    } else if (calc.given({ "alfa", "A" })) {
        A = calc.ask("INTRODUCI L'AREA TOTALE DEL FUSO (A)  =");
        alfa = calc.ask("INTRODUCI L'ANGOLO ($)=");
        r = sqrt((A * 90) / (alfa * pi()));
        volume();
        diameter();
        calc.formula(
            "d=2*R: r = Sqr(A * 90 / $ * 3.1415926535): V = 3.1415926535 * $ * R ^ 3 / 270 ");
    } else if (calc.given({ "r", "A" })) {
        r = calc.ask("INTRODUCI IL RAGGIO (R)  =");
        A = calc.ask("INTRODUCI L'AREA TOTALE DEL FUSO (A)=");
        alfa = (A * 90) / (pow(r, 2) * pi());
        volume();
        diameter();
        calc.formula(
            "d=2*R: $ = A * 90 / (R ^ 2 * 3.1415926535): V = 3.1415926535 * $ * r ^ 3 / 270 ");
    } else if (calc.given({ "r", "V" })) {
        r = calc.ask("INTRODUCI IL RAGGIO (R)  =");
        V = calc.ask("INTRODUCI IL VOLUME DEL FUSO (V)=");
        alfa = (V * 270) / (pow(r, 3) * pi());
        surface();
        diameter();
        calc.formula(
            "d=2*R: $ = A * 90 / (R ^ 2 * 3.1415926535): A = $ * 3.1415926535 * R ^ 2 / 90");
    } else if (calc.given({ "alfa", "V" })) {
        alfa = calc.ask("INTRODUCI L'ANGOLO DEL FUSO ($)  =");
        V = calc.ask("INTRODUCI IL VOLUME DEL FUSO (V)=");
        r = pow((V * 270) / (pi() * alfa), Expr(1) / 3);
        surface();
        diameter();
        calc.formula(
            "d=2*R: R = (V * 270 / (3.1415926535 * $)) ^ (1 / 3): A = $ * 3.1415926535 * R ^ 2 / 90");
    } else {
        calc.insufficient();
    }

    calc.show("r", r);
    calc.show("d", d);
    calc.show("A", A);
    calc.show("V", V);
    calc.show("alfa", alfa);
}

} // namespace

SolverScreen sphericalWedge()
{
    return {
        .name = "Form41",
        .caption = "Form41",
        .parent = "Form13",
        .title = {"Label2(0)", "FUSO SFERICO"},
        .knownHeading = {"Label2(1)", "Cosa conosci ?"},
        .checks = {
            {"Check1(1)", "Angolo (alfa)", "alfa"},
            {"Check1(0)", "Raggio della sfera (r)", "r"},
            {"Check3", "Superficie (A)", "A"},
            {"Check4", "Volume (V)", "V"},
        },
        .resultsHeading = {"Label2(2)", "Risultati :"},
        .rows = {
            {"Label1(10)", "Angolo ($)                 =", "Label1(11)", "alfa"},
            {"Label1(0)", "Raggio (r)                 =", "Label1(4)", "r"},
            {"Label1(1)", "Diametro (d=2r)        =", "Label1(5)", "d"},
            {"Label1(2)", "Superficie  (A)            =", "Label1(6)", "A"},
            {"Label1(3)", "Volume fuso sferica (V) =", "Label1(7)", "V"},
        },
        .quantities = {
            {"alfa", Kind::Angle}, {"r", Kind::Length}, {"d", Kind::Length}, {"A", Kind::Area},
            {"V", Kind::Volume},
        },
        .formulaHeading = {"Label1(8)", "Formule applicate"},
        .formulaLabels = {"Label1(9)"},
        .picture = {"Picture1", "fuso.svg"},
        .solvers = {{.name = "Command1", .steps = calcola}},
        .stampaButton = {"Command2", "Stampa"},
        .ritornaButton = {"Command4", "Ritorna"},
        .esciButton = {"Command3", "Esci"},
        .figure = {.shape = geometry::Shape::Wedge,
                   .dimensions = {"r", "alfa"},
                   .marks = {{"r", "radius"}, {"d", "diameter"}, {"alfa", "angle"}}},
    };
}

} // namespace solids
