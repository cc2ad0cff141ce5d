// The haystack: a truncated cone standing on its smaller base, crowned by a
// cone on its larger one.
#include "practical.h"

namespace solids {

using namespace solver;

namespace {

void calcola(Calc &calc)
{
    Quantity r(calc, "r"), R(calc, "R"), h(calc, "h"), h1(calc, "h1"), V(calc, "V"), V1(calc, "V1"),
        V2(calc, "V2");
    Quantity k(calc, "k", "il fattore comune del volume del tronco di cono"),
        S(calc, "S", "la somma dei primi due termini della parentesi, R² + R · r");

    r = calc.ask("INTRODUCI IL RAGGIO MINORE  (r) =");
    R = calc.ask("INTRODUCI IL RAGGIO MAGGIORE  (R) =");
    h = calc.ask("INTRODUCI L'ALTEZZA DEL TRONCO (h) =");
    h1 = calc.ask("INTRODUCI L'ALTEZZA DEL CONO (h1) =");

    // Left to right, one operation at a time; 1/3 * approxPi() is worked out
    // afresh at each use.
    k = Expr(1) / 3 * approxPi() * h;
    S = pow(R, 2);
    S = S + R * r;
    V1 = k * (S + pow(r, 2));
    V2 = Expr(1) / 3 * approxPi() * pow(R, 2) * h1;
    V = V1 - -V2;

    calc.formula(
        "  V1 = (1 / 3) * 3.14 * h * (R ^ 2 + (R * r) + (r ^ 2)): V2 = (1 / 3) * 3.14 * R ^ 2 * h1: V = V1 + V2   ");
    calc.show("r", r);
    calc.show("R", R);
    calc.show("h", h);
    calc.show("h1", h1);
    calc.show("V", V);
    calc.show("V1", V1);
    calc.show("V2", V2);
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
            {"Label1(8)", "Il raggio minore (r)      ", "r"},
            {"Label1(9)", "Il raggio maggiore (R)     ", "R"},
            {"Label1(11)", "Altezza del tronco (h)            =", "h"},
            {"Label1(1)", "Altezza del cono (h1)            =", "h1"},
        },
        .rows = {
            {"Label1(12)", "Raggio minore  (r)            =", "Label1(4)", "r"},
            {"Label1(10)", "Raggio maggiore (R)       =", "Label1(5)", "R"},
            {"Label1(2)", "Altezza del tronco (h)  =", "Label1(6)", "h"},
            {"Label1(3)", "Altezza del cono (h1) =", "Label1(7)", "h1"},
            {"Label1(13)", "Il Volume del pagliaio (V)=", "Label1(14)", "V"},
            {"Label1(15)", "Il Volume del tronco (V1)=", "Label1(17)", "V1"},
            {"Label1(16)", "Il Volume del cono (V2)=", "Label1(18)", "V2"},
        },
        .quantities = {
            {"r", Kind::Length}, {"R", Kind::Length}, {"h", Kind::Length}, {"h1", Kind::Length},
            {"V", Kind::Volume}, {"V1", Kind::Volume}, {"V2", Kind::Volume}, {"k", Kind::Length},
            {"S", Kind::Area},
        },
        .hectolitres = true,
        .picture = "pagliaio.svg",
        .calcola = calcola,
        .figure = {.shape = geometry::Shape::Haystack,
                   .dimensions = {"r", "R", "h", "h1"},
                   .marks = {{"r", "bottomRadius"}, {"R", "topRadius"}, {"h", "height"},
                              {"h1", "coneHeight"}}},
    });
}

} // namespace solids
