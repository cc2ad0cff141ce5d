// The haystack: a truncated cone standing on its smaller base, crowned by a
// cone on its larger one.
#include "practical.h"

namespace solids {

using namespace solver;

namespace {

// 1 / 3 * 3.14, worked out afresh at each use.
Value third()
{
    return Value(1) / 3 * 3.14;
}

void calcola(Calc &calc)
{
    Value r = calc.ask("INTRODUCI IL RAGGIO MINORE  (r) =");
    Value R = calc.ask("INTRODUCI IL RAGGIO MAGGIORE  (R) =");
    Value h = calc.ask("INTRODUCI L'ALTEZZA DEL TRONCO (h) =");
    Value h1 = calc.ask("INTRODUCI L'ALTEZZA DEL CONO (h1) =");

    // Left to right, one operation at a time.
    Value frustumFactor = third() * h;
    Value squares = pow(R, 2);
    squares = squares + R * r;
    squares = squares + pow(r, 2);
    Value V1 = frustumFactor * squares;
    Value coneBase = third() * pow(R, 2);
    Value V2 = coneBase * h1;
    Value V = V1 - -V2;

    calc.formula(
        kPracticalFormula,
        "  V1 = (1 / 3) * 3.14 * h * (R ^ 2 + (R * r) + (r ^ 2)): V2 = (1 / 3) * 3.14 * R ^ 2 * h1: V = V1 + V2   ");
    calc.show("Label1(4)", r);
    calc.show("Label1(5)", R);
    calc.show("Label1(6)", h);
    calc.show("Label1(7)", h1);
    calc.show("Label1(14)", V);
    calc.show("Label1(17)", V1);
    calc.show("Label1(18)", V2);
}

} // namespace

SolverScreen haystack()
{
    return practicalScreen({
        .name = "Form30",
        .caption = "PAGLIAIO",
        .title = {"Label1(0)", "VOLUME DEL PAGLIAIO"},
        .description = "CALCOLO DEL VOLUME DEL PAGLIAIO - (La paglia, il fieno, ed altro, si usa ammassarli in cumuli che hanno forme come la sottostante detta, pagliaio, costituita da un tronco di cono con la base maggiore in alto, con sopra un cono con base coincidente al tronco sottostante.- vedi figura).Dati noti: raggio (r) della base minore, Raggio (R) del cerchio maggiore, altezza del tronco (h), altezza del cono (h').(vedi figura).",
        .knownList = {
            {"Label1(8)", "Il raggio minore (r)      "},
            {"Label1(9)", "Il raggio maggiore (R)     "},
            {"Label1(11)", "Altezza del tronco (h)            ="},
            {"Label1(1)", "Altezza del cono (h1)            ="},
        },
        .rows = {
            {"Label1(12)", "Raggio minore  (r)            =", "Label1(4)"},
            {"Label1(10)", "Raggio maggiore (R)       =", "Label1(5)"},
            {"Label1(2)", "Altezza del tronco (h)  =", "Label1(6)"},
            {"Label1(3)", "Altezza del cono (h1) =", "Label1(7)"},
            {"Label1(13)", "Il Volume del pagliaio (V)=", "Label1(14)"},
            {"Label1(15)", "Il Volume del tronco (V1)=", "Label1(17)"},
            {"Label1(16)", "Il Volume del cono (V2)=", "Label1(18)"},
        },
        .picture = "pagliaio.svg",
        .calcola = calcola,
    });
}

} // namespace solids
