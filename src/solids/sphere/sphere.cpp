// The sphere: the first ticked of its five quantities gives the radius, the
// radius gives everything else.
#include "sphere.h"

namespace solids {

using namespace solver;

namespace {

void calcola(Calc &calc)
{
    Quantity r(calc, "r"), d(calc, "d"), C(calc, "C"), AT(calc, "AT"), V(calc, "V");

    // The steps several cases share; 4/3 π is worked out afresh at each use.
    const auto surface = [&] { AT = pow(r, 2) * fourPi(); };
    const auto volume = [&] { V = pow(r, 3) * (Expr(4) / 3 * pi()); };

    if (calc.given({ "r" })) {
        r = calc.ask("INTRODUCI IL RAGGIO (r) =");
        d = r * 2;
        C = d * pi();
        surface();
        volume();
        calc.formula("(d=2*r):  (C=d*3,14): AT = 4 * 3.14 * r ^ 2: V = 4 / 3 * 3.14 * r ^ 3 ");
    } else if (calc.given({ "d" })) {
        d = calc.ask("INTRODUCI IL DIAMETRO (d) =");
        r = d / 2;
        C = d * approxPi();
        surface();
        volume();
        calc.formula("(r=d/2):  (C=d*3,14): AT = 4 * 3.14 * r ^ 2: V = 4 / 3 * 3.14 * r ^ 3 ");
    } else if (calc.given({ "C" })) {
        C = calc.ask("INTRODUCI LA CIRCONFERENZA  (C) =");
        r = C / 2 / pi();
        surface();
        volume();
        d = r * 2;
        calc.formula("(r=C/6.28): d=2*r:  AT = 4 * 3.14 * r ^ 2: V = 4 / 3 * 3.14 * r ^ 3 ");
    } else if (calc.given({ "AT" })) {
        AT = calc.ask("INTRODUCI LA SUPERFICIE TOTALE  (AT) =");
        r = sqrt(AT / fourPi());
        C = r * 2 * pi();
        volume();
        d = r * 2;
        calc.formula("r = Sqr(AT / (4 * 3.14)): d=2*r: C=r*6.28: V = 4 / 3 * 3.14 * r ^ 3 ");
    } else if (calc.given({ "V" })) {
        V = calc.ask("INTRODUCI IL VOLUME  (V) =");
        r = pow(V * 3 / fourPi(), Expr(1) / 3);
        C = r * 2 * pi();
        d = r * 2;
        surface();
        calc.formula("r=(V * 3 / (4 * 3.14)) ^ (1 / 3): d=2*r: C=r*6.28: AT = 4 * 3.14 * r ^ 2");
    } else {
        calc.insufficient();
    }

    calc.show("r", r);
    calc.show("d", d);
    calc.show("C", C);
    calc.show("AT", AT);
    calc.show("V", V);
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
            {"Check1(0)", "Raggio (r)", "r"},
            {"Check1(1)", "diametro (d)", "d"},
            {"Check1(2)", "Circonferenza (c)", "C"},
            {"Check1(3)", "Area Totale (AT)", "AT"},
            {"Check1(4)", "Volume (V)", "V"},
        },
        .resultsHeading = {"Label2(2)", "Risultati"},
        .rows = {
            {"Label1(0)", "Raggio (r) =", "Label1(5)", "r"},
            {"Label1(1)", "Diametro (d) =", "Label1(6)", "d"},
            {"Label1(2)", "Circonferenza (C) =", "Label1(7)", "C"},
            {"Label1(3)", "Area Totale (AT) =", "Label1(8)", "AT"},
            {"Label1(4)", "Volume (V) =", "Label1(9)", "V"},
        },
        .quantities = {
            {"r", Kind::Length}, {"d", Kind::Length}, {"C", Kind::Length}, {"AT", Kind::Area},
            {"V", Kind::Volume},
        },
        .formulaHeading = {"Label1(10)", "Formule applicate :"},
        .formulaLabels = {"Label1(11)"},
        .picture = {"Picture1", "sfera.svg"},
        .solvers = {{.name = "Command1", .steps = calcola}},
        .stampaButton = {"Command2", "Stampa"},
        .ritornaButton = {"Command4", "Ritorna"},
        .esciButton = {"Command3", "Esci"},
        .figure = {.shape = geometry::Shape::Sphere,
                   .dimensions = {"r"},
                   .marks = {{"r", "radius"}, {"d", "diameter"}, {"C", "rim"}}},
    };
}

} // namespace solids
