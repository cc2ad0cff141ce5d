// The barrel with circular ends: largest diameter D, end diameter d, length L.
#include "practical.h"

namespace solids {

using namespace solver;

namespace {

const Expr &barrelPi()
{
    static const Expr c = Expr::constant("π", 3.14159265358979);
    return c;
}

void calcola(Calc &calc)
{
    Quantity D(calc, "D"), d(calc, "d"), L(calc, "L"), V(calc, "V");
    Quantity k(calc, "k", "il fattore comune della formula del volume"),
        B(calc, "B", "la somma dei primi due termini della parentesi, 2 · D² + D · d");

    D = calc.ask("INTRODUCI IL DIAMETRO ESTERNO(D) =");
    d = calc.ask("INTRODUCI IL DIAMETRO INTERNO (d) =");
    L = calc.ask("INTRODUCI LA DIMENSIONE (L) =");

    // 2 D^2 + D d + 3/4 d^2, added as numbers: the terms with d enter negated
    // and are subtracted. Left to right, one operation at a time.
    k = Expr(1) / 15 * barrelPi() * L;
    B = 2 * D * D;
    B = B - -D * d;
    V = k * (B - Expr(-3) / 4 * d * d);

    calc.formula(" V = (1 / 15) * PIGreco * L * (2 * D ^ 2 + (D * d) + (3/4 * d ^ 2)) ");
    calc.show("D", D);
    calc.show("d", d);
    calc.show("L", L);
    calc.show("V", V);
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
            {"Label1(8)", "Diametro massimo interno (D)      ", "D"},
            {"Label1(9)", "Diametro minimo interno  (d)     ", "d"},
            {"Label1(11)", "Lunghezza della Botte (L)    ", "L"},
        },
        .rows = {
            {"Label1(12)", "Diametro massimo esterno  (D)     =", "Label1(4)", "D"},
            {"Label1(10)", "Diametro minuimo interno (d)        =", "Label1(5)", "d"},
            {"Label1(2)", "Lunghezza dell botte (L)                 =", "Label1(6)", "L"},
            {"Label1(13)", "Volume della Botte Circolare(V)     =", "Label1(14)", "V"},
        },
        .quantities = {
            {"D", Kind::Length}, {"d", Kind::Length}, {"L", Kind::Length}, {"V", Kind::Volume},
            {"k", Kind::Length}, {"B", Kind::Area},
        },
        .hectolitres = true,
        .picture = "botte.svg",
        .calcola = calcola,
        .figure = {.shape = geometry::Shape::Barrel,
                   .dimensions = {"D", "d", "L"},
                   .marks = {{"D", "bungDiameter"}, {"d", "headDiameter"}, {"L", "length"}}},
    });
}

} // namespace solids
