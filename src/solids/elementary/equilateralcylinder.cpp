// The equilateral cylinder (height equal to the diameter): one known quantity
// gives the radius, the radius gives everything else.
#include "elementary.h"

namespace solids {

using namespace solver;

namespace {

const char *const kFormula = "Label26(0)";

Value diameterOf(const Value &r)
{
    return r * 2;
}
Value circumferenceOf(const Value &r)
{
    return r * 6.283185307;
}
Value baseAreaOf(const Value &r)
{
    return pow(r, 2) * 3.1415926535;
}
Value lateralAreaOf(const Value &r)
{
    return pow(r, 2) * 12.566370614;
}
Value totalAreaOf(const Value &r)
{
    return pow(r, 2) * 18.849555921;
}
Value volumeOf(const Value &r)
{
    return pow(r, 3) * 6.283185307;
}
Value diagonalOf(const Value &d)
{
    return sqrt(pow(d, 2) + pow(d, 2));
}

void calcola(Calc &calc)
{
    Value r, d, AB, C, AL, AT, V, D;

    if (calc.given({ "Check1" })) {
        r = calc.ask("INTRODuci IL RAGGIO O L'ALTEZZA (r=h) =");
        d = diameterOf(r);
        C = circumferenceOf(r);
        AB = baseAreaOf(r);
        AL = lateralAreaOf(r);
        AT = totalAreaOf(r);
        V = volumeOf(r);
        D = diagonalOf(d);
        calc.formula(
            kFormula,
            "d = 2 * r: c = 2 * 3.1415926535 * r: AB = r ^ 2 * 3.1415926535: AL = 4 * 3.1415926535 * r ^ 2: AT = 6 * 3.1415926535 * r ^ 2 : V = 2 * 3.1415926535 * r ^ 3: D = Sqr(d ^ 2 + d ^ 2) ");
    } else if (calc.given({ "Check2(0)" })) {
        d = calc.ask("INTRODuci IL DIAMETRO (d) =");
        r = d / 2;
        C = circumferenceOf(r);
        AB = baseAreaOf(r);
        AL = lateralAreaOf(r);
        AT = totalAreaOf(r);
        V = volumeOf(r);
        D = diagonalOf(d);
        calc.formula(
            kFormula,
            "r = d/2: c = 2 * 3.1415926535 * r: AB = r ^ 2 * 3.1415926535: AL = 4 * 3.1415926535 * r ^ 2: AT = 6 * 3.1415926535 * r ^ 2 : V = 2 * 3.1415926535 * r ^ 3: D = Sqr(d ^ 2 + d ^ 2) ");
    } else if (calc.given({ "Check4" })) {
        AB = calc.ask("INTRODuci L'AREA DI BASE (Ab) =");
        r = sqrt(AB / 3.1415926535);
        d = diameterOf(r);
        C = circumferenceOf(r);
        AL = lateralAreaOf(r);
        AT = totalAreaOf(r);
        V = volumeOf(r);
        D = diagonalOf(d);
        calc.formula(
            kFormula,
            "r = Sqr(AB / 3.1415926535): d = 2 * r: c = 2 * 3.1415926535 * r: AL = 4 * 3.1415926535 * r ^ 2: AT = 6 * 3.1415926535 * r ^ 2 : V = 2 * 3.1415926535 * r ^ 3: D = Sqr(d ^ 2 + d ^ 2) ");
    } else if (calc.given({ "Check5" })) {
        AL = calc.ask("INTRODuci L'AREA LATERALE (AL) =");
        r = sqrt(AL / 12.566370614);
        AB = baseAreaOf(r);
        d = diameterOf(r);
        C = circumferenceOf(r);
        AT = totalAreaOf(r);
        V = volumeOf(r);
        D = diagonalOf(d);
        calc.formula(
            kFormula,
            "r = Sqr(AL / 4 * 3.1415926535): AB = r ^ 2 * 3.1415926535: d = 2 * r: c = 2 * 3.1415926535 * r: AT = 6 * 3.1415926535 * r ^ 2 : V = 2 * 3.1415926535 * r ^ 3: D = Sqr(d ^ 2 + d ^ 2) ");
    } else if (calc.given({ "Check7" })) {
        AT = calc.ask("INTRODuci L'AREA TOTALE (AT) =");
        r = sqrt(AT / 18.849555921);
        AB = baseAreaOf(r);
        AL = lateralAreaOf(r);
        d = diameterOf(r);
        C = circumferenceOf(r);
        V = volumeOf(r);
        D = diagonalOf(d);
        calc.formula(
            kFormula,
            "r = Sqr(AT / 6 * 3.1415926535): AB = r ^ 2 * 3.1415926535: d = 2 * r: c = 2 * 3.1415926535 * r: AL = 4 * 3.1415926535 * r ^ 2 : V = 2 * 3.1415926535 * r ^ 3: D = Sqr(d ^ 2 + d ^ 2) ");
    } else if (calc.given({ "Check9" })) {
        D = calc.ask("INTRODUCI LA DIAGONALE DEL CILINDRO (D) =");
        r = sqrt(pow(D, 2) / 2) / 2;
        AB = baseAreaOf(r);
        AL = lateralAreaOf(r);
        d = diameterOf(r);
        C = circumferenceOf(r);
        AT = totalAreaOf(r);
        V = volumeOf(r);
        calc.formula(
            kFormula,
            "r = Sqr(d1^2/2)/2: AB = r ^ 2 * 3.1415926535: d = 2 * r: c = 2 * 3.1415926535 * r: AL = 4 * 3.1415926535 * r ^ 2 : AT = 6 * 3.1415926535 * r ^ 2:  V = 2 * 3.1415926535 * r ^ 3 ");
    } else if (calc.given({ "Check8" })) {
        C = calc.ask("INTRODUCI LA CIRCONFERENZA (C) =");
        r = C / 6.283185307;
        AB = baseAreaOf(r);
        AL = lateralAreaOf(r);
        d = diameterOf(r);
        C = circumferenceOf(r);
        AT = totalAreaOf(r);
        V = volumeOf(r);
        D = diagonalOf(d);
        // The text begins with the diagonal's formula, as the screen always had it.
        calc.formula(
            kFormula,
            "r = Sqr(d1^2/2)/2: AB = r ^ 2 * 3.1415926535: d = 2 * r: c = 2 * 3.1415926535 * r: AL = 4 * 3.1415926535 * r ^ 2 : AT = 6 * 3.1415926535 * r ^ 2:  V = 2 * 3.1415926535 * r ^ 3: D = Sqr(d ^ 2 + d ^ 2)   ");
    } else if (calc.given({ "Check6" })) {
        V = calc.ask("INTRODUCI IL VOLUME  (V) =");
        r = pow(V / 6.283185307, Value(1) / 3);
        AB = baseAreaOf(r);
        C = circumferenceOf(r);
        AL = lateralAreaOf(r);
        d = diameterOf(r);
        AT = totalAreaOf(r);
        D = diagonalOf(d);
        calc.formula(
            kFormula,
            "r = (V / (2 * 3.1415926535)) ^ 1 / 3: C = 2 * 3.1415926535 * r: AB = r ^ 2 * 3.1415926535: d = 2 * r: AL = 4 * 3.1415926535 * r ^ 2 : AT = 6 * 3.1415926535 * r ^ 2: D = Sqr(d ^ 2 + d ^ 2)   ");
    } else {
        calc.insufficient();
    }

    calc.show("Label2(8)", r);
    calc.show("Label2(9)", d);
    calc.show("Label2(10)", AB);
    calc.show("Label2(11)", C);
    calc.show("Label2(12)", AL);
    calc.show("Label2(13)", AT);
    calc.show("Label2(14)", V);
    calc.show("Label2(15)", D);
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
            {"Check1", "raggio (r=h/2)"},
            {"Check2(0)", "diametro(d=h)"},
            {"Check4", "area di base (AB)"},
            {"Check8", "Circonferenza (C)"},
            {"Check5", "area laterale(AL)"},
            {"Check7", "area totale(AT)"},
            {"Check6", "Volume(V)"},
            {"Check9", "diagonale (D)"},
        },
        .resultsHeading = {"Label1(0)", "Risultati"},
        .rows = {
            {"Label2(0)", "Raggio (r=h/2)     =", "Label2(8)"},
            {"Label2(1)", "Diametro (d=h)     =", "Label2(9)"},
            {"Label2(2)", "Area di base (Ab)      =", "Label2(10)"},
            {"Label2(3)", "Circonferenza  (C)     =", "Label2(11)"},
            {"Label2(4)", "Area Laterale (Al)     =", "Label2(12)"},
            {"Label2(5)", "Area Totale (At)     =", "Label2(13)"},
            {"Label2(6)", "Volume (V)     =", "Label2(14)"},
            {"Label2(7)", "Diagonale (D)     =", "Label2(15)"},
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
    };
}

} // namespace solids
