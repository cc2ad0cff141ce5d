// The spherical cap: two of radius, height, surface and volume give the rest.
#include "sphere.h"

namespace solids {

using namespace solver;

namespace {

const char *const kFormula = "Label1(9)";

struct Cap {
    Value R, h, A, V, d;

    void diameter() { d = 2 * R; }
    void surface() { A = 6.283185307 * R * h; }
    void volume() { V = 3.1415926535 * pow(h, 2) * (R - h / 3); }
};

void calcola(Calc &calc)
{
    Cap cap;
    auto &[R, h, A, V, d] = cap;

    if (calc.given({ "Check1", "Check2" })) {
        R = calc.ask("INTRODUCI IL RAGGIO DELLA SFERA (R)  =");
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        cap.diameter();
        cap.surface();
        cap.volume();
        calc.formula(kFormula, "d=2*R: A=2*3.14*R*h: V = 3.14 * h ^ 2 * (R - (h / 3))");
    } else if (calc.given({ "Check1", "Check3" })) {
        R = calc.ask("INTRODUCI IL RAGGIO (R)  =");
        A = calc.ask("INTRODUCI LA SUPERFICIE (A)=");
        h = A / (6.283185307 * R);
        cap.volume();
        cap.diameter();
        calc.formula(kFormula,
                     "d=2*R: h = a / (2 * 3.1415926535 * r): V = 3.14 * h ^ 2 * (R - (h / 3))");
    } else if (calc.given({ "Check2", "Check3" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA (h)  =");
        A = calc.ask("INTRODUCI LA SUPERFICIE (A)=");
        R = A / (6.283185307 * h);
        cap.volume();
        cap.diameter();
        calc.formula(kFormula,
                     " R = a / (2 * 3.1415926535 * h): V = 3.14 * h ^ 2 * (R - (h / 3)): d=2*R");
    } else if (calc.given({ "Check2", "Check4" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA (h)  =");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        R = V / (3.1415926535 * pow(h, 2)) - (-h) / 3;
        cap.diameter();
        cap.surface();
        calc.formula(
            kFormula,
            "  R = V / (3.1415926535 * h ^ 2) - (-h / 3): V = 3.14 * h ^ 2 * (R - (h / 3)): d=2*R: A = 2 * 3.1415926535 * R * h");
    } else {
        calc.insufficient();
    }

    calc.show("Label1(4)", R);
    calc.show("Label1(5)", d);
    calc.show("Label1(6)", A);
    calc.show("Label1(11)", h);
    calc.show("Label1(7)", V);
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
            {"Check1", "Raggio (R)"},
            {"Check2", "Altezza (h)"},
            {"Check3", "Superficie (A)"},
            {"Check4", "Volume (V)"},
        },
        .resultsHeading = {"Label2(2)", "Cosa conosci ?"},
        .rows = {
            {"Label1(0)", "Raggio (R)                 =", "Label1(4)"},
            {"Label1(10)", "Altezza (h)                 =", "Label1(11)"},
            {"Label1(2)", "Superficie  (A)            =", "Label1(6)"},
            {"Label1(3)", "Volume Calotta   (V)   =", "Label1(7)"},
            {"Label1(1)", "Diametro (d=2R)        =", "Label1(5)"},
        },
        .formulaHeading = {"Label1(8)", "Formule applicate"},
        .formulaLabels = {kFormula},
        .picture = {"Picture1", "calotta.svg"},
        .solvers = {{.name = "Command4", .steps = calcola}},
        .stampaButton = {"Command1", "Stampa"},
        .ritornaButton = {"Command3", "Ritorna"},
        .esciButton = {"Command2", "Esci"},
    };
}

} // namespace solids
