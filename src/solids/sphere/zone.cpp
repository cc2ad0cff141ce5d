// The spherical zone: the sphere's radius, the height and both cut radii give
// the surface and the volume; two of radius, height and surface give the rest
// of the surface quantities.
#include "sphere.h"

namespace solids {

using namespace solver;

namespace {

const char *const kFormula = "Label1(9)";

void calcola(Calc &calc)
{
    Value r, h, r1, r2, d, A, V;

    if (calc.given({ "Check1", "Check2", "Check5(0)", "Check5(1)" })) {
        r = calc.ask("INTRODUCI IL RAGGIO DELLA SFERA (r)  =");
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        r1 = calc.ask("INTRODUCI IL RAGGIO DELLA ZONA (r1)  =");
        r2 = calc.ask("INTRODUCI IL RAGGIO DELLA ZONA (r2)  =");
        d = 2 * r;
        A = 6.283185307 * r * h;
        // Typed radii would be joined as text by "+", hence the subtracted
        // negations. The sum is halved: pi h (h^2/3 + r1^2 + r2^2) / 2 is the
        // zone's volume.
        V = 3.1415926535 * h * (pow(h, 2) / 3 - (-pow(r1, 2)) - (-pow(r2, 2))) / 2;
        calc.formula(
            kFormula,
            "d=2*R: A=2*3.14*R*h: V = 3.1415926535 * h * ((h ^ 2 / 3) - (-r1 ^ 2) - (-r2 ^ 2))");
    } else if (calc.given({ "Check1", "Check3" })) {
        r = calc.ask("INTRODUCI IL RAGGIO (R)  =");
        A = calc.ask("INTRODUCI LA SUPERFICIE (A)=");
        h = A / (6.283185307 * r);
        d = 2 * r;
        calc.formula(kFormula, "d=2*R: h = a / (2 * 3.1415926535 * r)");
    } else if (calc.given({ "Check2", "Check3" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA (h)  =");
        A = calc.ask("INTRODUCI LA SUPERFICIE (A)=");
        r = A / (6.283185307 * h);
        d = 2 * r;
        calc.formula(kFormula, " R = a / (2 * 3.1415926535 * h): d=2*R");
    } else {
        calc.insufficient();
    }

    calc.show("Label1(4)", r);
    calc.show("Label1(5)", d);
    calc.show("Label1(6)", A);
    calc.show("Label1(11)", h);
    calc.show("Label1(7)", V);
    calc.show("Label1(15)", r1);
    calc.show("Label1(14)", r2);
}

} // namespace

SolverScreen sphericalZone()
{
    return {
        .name = "Form40",
        .caption = "ZONA SFERICA",
        .parent = "Form13",
        .title = {"Label2(0)", "ZONA SFERICA"},
        .knownHeading = {"Label2(1)", "Cosa conosci ?"},
        .checks = {
            {"Check5(1)", "Raggio della circonferenza di base della zona (r2)"},
            {"Check5(0)", "Raggio della circonferenza di base della zona (r1)"},
            {"Check1", "Raggio della sfera (r)"},
            {"Check2", "Altezza (h)"},
            {"Check3", "Superficie (A)"},
            {"Check4", "Volume (V)"},
        },
        .resultsHeading = {"Label2(2)", "Cosa conosci ?"},
        .rows = {
            {"Label1(13)", "Raggio (r2)                 =", "Label1(14)"},
            {"Label1(12)", "Raggio (r1)                 =", "Label1(15)"},
            {"Label1(10)", "Altezza (h)                 =", "Label1(11)"},
            {"Label1(0)", "Raggio (r)                 =", "Label1(4)"},
            {"Label1(1)", "Diametro (d=2r)        =", "Label1(5)"},
            {"Label1(2)", "Superficie  (A)            =", "Label1(6)"},
            {"Label1(3)", "Volume zona sferica (V) =", "Label1(7)"},
        },
        .formulaHeading = {"Label1(8)", "Formule applicate"},
        .formulaLabels = {kFormula},
        .picture = {"Picture1", "zona.svg"},
        .solvers = {{.name = "Command1", .steps = calcola}},
        .stampaButton = {"Command2", "Stampa"},
        .ritornaButton = {"Command4", "Ritorna"},
        .esciButton = {"Command3", "Esci"},
    };
}

} // namespace solids
