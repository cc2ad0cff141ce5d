// The barrel with elliptic ends: axes D, D1 of the largest section, d, d1 of
// the ends, length L.
#include "practical.h"

namespace solids {

using namespace solver;

namespace {

void calcola(Calc &calc)
{
    Quantity D(calc, "D"), D1(calc, "D1"), d(calc, "d"), d1(calc, "d1"), L(calc, "L"), V(calc, "V");
    Quantity W2(calc, "W2", "la media dei diametri d e d1 dei fondi"),
        Y2(calc, "Y2", "la somma dei diametri D e D1 del cocchiume"),
        W3(calc, "W3", "il quadrato della somma Y2 + W2");

    D = calc.ask("INTRODUCI IL DIAMETRO ESTERNO(D) =");
    D1 = calc.ask("INTRODUCI IL DIAMETRO ESTERNO (D1) =");
    d = calc.ask("INTRODUCI IL DIAMETRO ESTERNO (d) =");
    d1 = calc.ask("INTRODUCI IL DIAMETRO ESTERNO (d1) =");
    L = calc.ask("INTRODUCI LA DIMENSIONE (L) =");

    // Sums of typed values subtract the negated second term, so that they
    // are added as numbers and never joined as text.
    W2 = (d - -d1) / 2;
    Y2 = D - -D1;
    W3 = pow(Y2 + W2, 2);
    V = Expr::explained(0.0873, "π / 36") * L * W3;

    calc.formula(" W2=(d +d1)/2: Y2=D+D1: W3=(Y2+W2)^2: V=0.0873*L*W3 ");
    calc.show("D", D);
    calc.show("D1", D1);
    calc.show("d", d);
    calc.show("d1", d1);
    calc.show("L", L);
    calc.show("V", V);
}

} // namespace

SolverScreen ellipticBarrel()
{
    return practicalScreen({
        .name = "Form34",
        .caption = "VOLUME DELLA BOTTE ELLITTICA   ",
        .title = {"Label1(20)", "VOLUME DELLA BOTTE DI FORMA ELLITTICA"},
        .description = "CALCOLO DEL VOLUME DELLA BOTTE DI FORMA ELLITTICA - (Le botti ellittiche sono recipienti limitati da due piani (fondi) di forma ellittica, e da una superficie laterale parabolica. - vedi figura).Dati noti: Diametri massimo interni (D, D') , diametri minimi interni (d, d'), lunghezza della botte tra i due fondi (L). (vedi figura).",
        .knownList = {
            {"Label1(0)", "Diametro massimo interno (D)      ", "D"},
            {"Label1(8)", "Diametro massimo interno (D1)      ", "D1"},
            {"Label1(9)", "Diametro minimo interno  (d)     ", "d"},
            {"Label1(1)", "Diametro minimo interno  (d1)     ", "d1"},
            {"Label1(11)", "Lunghezza della Botte (L)    ", "L"},
        },
        .rows = {
            {"Label1(3)", "Diametro massimo esterno  (D)     =", "Label1(4)", "D"},
            {"Label1(12)", "Diametro massimo esterno  (D1)     =", "Label1(15)", "D1"},
            {"Label1(7)", "Diametro minuimo interno (d)        =", "Label1(16)", "d"},
            {"Label1(10)", "Diametro minuimo interno (d1)        =", "Label1(5)", "d1"},
            {"Label1(2)", "Lunghezza dell botte (L)                 =", "Label1(6)", "L"},
            {"Label1(13)", "Volume della Botte Ellittica(V)        =", "Label1(14)", "V"},
        },
        .quantities = {
            {"D", Kind::Length}, {"D1", Kind::Length}, {"d", Kind::Length}, {"d1", Kind::Length},
            {"L", Kind::Length}, {"V", Kind::Volume}, {"W2", Kind::Length}, {"Y2", Kind::Length},
            {"W3", Kind::Area},
        },
        .hectolitres = true,
        .picture = "botte-ellittica.svg",
        .calcola = calcola,
        .figure = {.shape = geometry::Shape::EllipticBarrel,
                   .dimensions = {"D", "D1", "d", "d1", "L"},
                   .marks = {{"D", "bungWidth"}, {"D1", "bungHeight"}, {"d", "headWidth"},
                              {"d1", "headHeight"}, {"L", "length"}}},
    });
}

} // namespace solids
