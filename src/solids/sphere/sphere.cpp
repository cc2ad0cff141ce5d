// The sphere: the first ticked of its five quantities gives the radius, the
// radius gives everything else.
#include "sphere.h"

namespace solids {

using namespace solver;

namespace {

const char *const kFormula = "Label1(11)";

// 4/3 pi, worked out afresh at each use.
Value fourThirdsPi()
{
    return Value(4) / 3 * 3.1415926535;
}

void calcola(Calc &calc)
{
    Value r, d, C, AT, V;

    if (calc.given({ "Check1(0)" })) {
        r = calc.ask("INTRODUCI IL RAGGIO (r) =");
        d = r * 2;
        C = d * 3.1415926535;
        AT = pow(r, 2) * 12.566370614;
        V = pow(r, 3) * fourThirdsPi();
        calc.formula(kFormula,
                     "(d=2*r):  (C=d*3,14): AT = 4 * 3.14 * r ^ 2: V = 4 / 3 * 3.14 * r ^ 3 ");
    } else if (calc.given({ "Check1(1)" })) {
        d = calc.ask("INTRODUCI IL DIAMETRO (d) =");
        r = d / 2;
        C = d * 3.14;
        AT = pow(r, 2) * 12.566370614;
        V = pow(r, 3) * fourThirdsPi();
        calc.formula(kFormula,
                     "(r=d/2):  (C=d*3,14): AT = 4 * 3.14 * r ^ 2: V = 4 / 3 * 3.14 * r ^ 3 ");
    } else if (calc.given({ "Check1(2)" })) {
        C = calc.ask("INTRODUCI LA CIRCONFERENZA  (C) =");
        r = C / 2 / 3.1415926535;
        AT = pow(r, 2) * 12.566370614;
        V = pow(r, 3) * fourThirdsPi();
        d = r * 2;
        calc.formula(kFormula,
                     "(r=C/6.28): d=2*r:  AT = 4 * 3.14 * r ^ 2: V = 4 / 3 * 3.14 * r ^ 3 ");
    } else if (calc.given({ "Check1(3)" })) {
        AT = calc.ask("INTRODUCI LA SUPERFICIE TOTALE  (AT) =");
        r = sqrt(AT / 12.566370614);
        C = r * 2 * 3.1415926535;
        V = pow(r, 3) * fourThirdsPi();
        d = r * 2;
        calc.formula(kFormula,
                     "r = Sqr(AT / (4 * 3.14)): d=2*r: C=r*6.28: V = 4 / 3 * 3.14 * r ^ 3 ");
    } else if (calc.given({ "Check1(4)" })) {
        V = calc.ask("INTRODUCI IL VOLUME  (V) =");
        r = pow(V * 3 / 12.566370614, Value(1) / 3);
        C = r * 2 * 3.1415926535;
        d = r * 2;
        AT = pow(r, 2) * 12.566370614;
        calc.formula(kFormula,
                     "r=(V * 3 / (4 * 3.14)) ^ (1 / 3): d=2*r: C=r*6.28: AT = 4 * 3.14 * r ^ 2");
    } else {
        calc.insufficient();
    }

    calc.show("Label1(5)", r);
    calc.show("Label1(6)", d);
    calc.show("Label1(7)", C);
    calc.show("Label1(8)", AT);
    calc.show("Label1(9)", V);
}

} // namespace

SolverScreen sphere()
{
    return {
        .name = "Form38",
        .caption = "SFERA",
        .parent = "Form13",
        .title = {"Label2(0)", "SFERA "},
        .knownHeading = {"Label2(1)", "Cosa conosci ?"},
        .checks = {
            {"Check1(0)", "Raggio (r)"},
            {"Check1(1)", "diametro (d)"},
            {"Check1(2)", "Circonferenza (c)"},
            {"Check1(3)", "Area Totale (AT)"},
            {"Check1(4)", "Volume (V)"},
        },
        .resultsHeading = {"Label2(2)", "Risultati"},
        .rows = {
            {"Label1(0)", "Raggio (r) =", "Label1(5)"},
            {"Label1(1)", "Diametro (d) =", "Label1(6)"},
            {"Label1(2)", "Circonferenza (C) =", "Label1(7)"},
            {"Label1(3)", "Area Totale (AT) =", "Label1(8)"},
            {"Label1(4)", "Volume (V) =", "Label1(9)"},
        },
        .formulaHeading = {"Label1(10)", "Formule applicate :"},
        .formulaLabels = {kFormula},
        .picture = {"Picture1", "sfera.svg"},
        .solvers = {{.name = "Command1", .steps = calcola}},
        .stampaButton = {"Command2", "Stampa"},
        .ritornaButton = {"Command4", "Ritorna"},
        .esciButton = {"Command3", "Esci"},
    };
}

} // namespace solids
