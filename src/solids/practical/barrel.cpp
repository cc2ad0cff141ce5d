// The barrel with circular ends: largest diameter D, end diameter d, length L.
#include "practical.h"

namespace solids {

using namespace solver;

namespace {

void calcola(Calc &calc)
{
    Value D = calc.ask("INTRODUCI IL DIAMETRO ESTERNO(D) =");
    Value d = calc.ask("INTRODUCI IL DIAMETRO INTERNO (d) =");
    Value L = calc.ask("INTRODUCI LA DIMENSIONE (L) =");

    // 2 D^2 + D d + 3/4 d^2, added as numbers: the terms with d enter negated
    // and are subtracted. Left to right, one operation at a time.
    Value factor = Value(1) / 15 * 3.14159265358979;
    factor = factor * L;
    Value bracket = 2 * D * D;
    bracket = bracket - -D * d;
    bracket = bracket - Value(-3) / 4 * d * d;
    Value V = factor * bracket;

    calc.formula(kPracticalFormula,
                 " V = (1 / 15) * PIGreco * L * (2 * D ^ 2 + (D * d) + (3/4 * d ^ 2)) ");
    calc.show("Label1(4)", D);
    calc.show("Label1(5)", d);
    calc.show("Label1(6)", L);
    calc.show("Label1(14)", V);
}

} // namespace

SolverScreen barrel()
{
    return practicalScreen({
        .name = "Form33",
        .caption = "BOTTE",
        .title = {"Label1(20)", "VOLUME DELLA BOTTE DI FORMA CIRCOLARE"},
        .description = "CALCOLO DEL VOLUME DELLA BOTTE DI FORMA CIRCOLARE - (Le botti sono recipienti limitati da due piani (fondi) di forma circolare o ellittica,e da una superficie laterale parabolica. - vedi figura).Dati noti: Diametro massimo esterno (D) , diametro minimo interno (d), lunghezza della botte tra i due fondi (L). (vedi figura).",
        .knownList = {
            {"Label1(8)", "Diametro massimo interno (D)      "},
            {"Label1(9)", "Diametro minimo interno  (d)     "},
            {"Label1(11)", "Lunghezza della Botte (L)    "},
        },
        .rows = {
            {"Label1(12)", "Diametro massimo esterno  (D)     =", "Label1(4)"},
            {"Label1(10)", "Diametro minuimo interno (d)        =", "Label1(5)"},
            {"Label1(2)", "Lunghezza dell botte (L)                 =", "Label1(6)"},
            {"Label1(13)", "Volume della Botte Circolare(V)     =", "Label1(14)"},
        },
        .picture = "botte.svg",
        .calcola = calcola,
    });
}

} // namespace solids
