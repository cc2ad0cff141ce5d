// The spherical wedge and its lune: two of radius, angle (in degrees), surface
// and volume give the rest; the whole sphere is 360 degrees.
#include "sphere.h"

namespace solids {

using namespace solver;

namespace {

const char *const kFormula = "Label1(9)";

struct Wedge {
    Value R, alfa, A, V, d;

    void surface() { A = (alfa * 3.1415926535 * pow(R, 2)) / 90; }
    void volume() { V = (3.1415926535 * alfa * pow(R, 3)) / 270; }
    void diameter() { d = 2 * R; }
};

void calcola(Calc &calc)
{
    Wedge w;
    auto &[R, alfa, A, V, d] = w;

    if (calc.given({ "Check1(1)", "Check1(0)" })) {
        R = calc.ask("INTRODUCI IL RAGGIO (R)  =");
        alfa = calc.ask("INTRODUCI L'ANGOLO ($)=");
        w.surface();
        w.volume();
        w.diameter();
        calc.formula(kFormula,
                     "d=2*R: A = $ * 3.1415926535 * R ^ 2/90: V = 3.1415926535 * $ * R ^ 3 / 270 ");
    } else if (calc.given({ "Check1(1)", "Check3" })) {
        A = calc.ask("INTRODUCI L'AREA TOTALE DEL FUSO (A)  =");
        alfa = calc.ask("INTRODUCI L'ANGOLO ($)=");
        R = sqrt((A * 90) / (alfa * 3.1415926535));
        w.volume();
        w.diameter();
        calc.formula(
            kFormula,
            "d=2*R: r = Sqr(A * 90 / $ * 3.1415926535): V = 3.1415926535 * $ * R ^ 3 / 270 ");
    } else if (calc.given({ "Check1(0)", "Check3" })) {
        R = calc.ask("INTRODUCI IL RAGGIO (R)  =");
        A = calc.ask("INTRODUCI L'AREA TOTALE DEL FUSO (A)=");
        alfa = (A * 90) / (pow(R, 2) * 3.1415926535);
        w.volume();
        w.diameter();
        calc.formula(
            kFormula,
            "d=2*R: $ = A * 90 / (R ^ 2 * 3.1415926535): V = 3.1415926535 * $ * r ^ 3 / 270 ");
    } else if (calc.given({ "Check1(0)", "Check4" })) {
        R = calc.ask("INTRODUCI IL RAGGIO (R)  =");
        V = calc.ask("INTRODUCI IL VOLUME DEL FUSO (V)=");
        alfa = (V * 270) / (pow(R, 3) * 3.1415926535);
        w.surface();
        w.diameter();
        calc.formula(
            kFormula,
            "d=2*R: $ = A * 90 / (R ^ 2 * 3.1415926535): A = $ * 3.1415926535 * R ^ 2 / 90");
    } else if (calc.given({ "Check1(1)", "Check4" })) {
        alfa = calc.ask("INTRODUCI L'ANGOLO DEL FUSO ($)  =");
        V = calc.ask("INTRODUCI IL VOLUME DEL FUSO (V)=");
        R = pow((V * 270) / (3.1415926535 * alfa), Value(1) / 3);
        w.surface();
        w.diameter();
        calc.formula(
            kFormula,
            "d=2*R: R = (V * 270 / (3.1415926535 * $)) ^ (1 / 3): A = $ * 3.1415926535 * R ^ 2 / 90");
    } else {
        calc.insufficient();
    }

    calc.show("Label1(4)", R);
    calc.show("Label1(5)", d);
    calc.show("Label1(6)", A);
    calc.show("Label1(7)", V);
    calc.show("Label1(11)", alfa);
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
            {"Check1(1)", "Angolo (alfa)"},
            {"Check1(0)", "Raggio della sfera (r)"},
            {"Check3", "Superficie (A)"},
            {"Check4", "Volume (V)"},
        },
        .resultsHeading = {"Label2(2)", "Risultati :"},
        .rows = {
            {"Label1(10)", "Angolo ($)                 =", "Label1(11)"},
            {"Label1(0)", "Raggio (r)                 =", "Label1(4)"},
            {"Label1(1)", "Diametro (d=2r)        =", "Label1(5)"},
            {"Label1(2)", "Superficie  (A)            =", "Label1(6)"},
            {"Label1(3)", "Volume fuso sferica (V) =", "Label1(7)"},
        },
        .formulaHeading = {"Label1(8)", "Formule applicate"},
        .formulaLabels = {kFormula},
        .picture = {"Picture1", "fuso.svg"},
        .solvers = {{.name = "Command1", .steps = calcola}},
        .stampaButton = {"Command2", "Stampa"},
        .ritornaButton = {"Command4", "Ritorna"},
        .esciButton = {"Command3", "Esci"},
    };
}

} // namespace solids
