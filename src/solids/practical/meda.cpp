// The pyramidal heap or meda: a rectangle a x b at the foot, a rectangle c x d
// on top, height h.
#include "practical.h"

namespace solids {

using namespace solver;

namespace {

void calcola(Calc &calc)
{
    Quantity a(calc, "a"), b(calc, "b"), c(calc, "c"), d(calc, "d"), h(calc, "h"), V(calc, "V");
    Quantity k(calc, "k", "il fattore comune della formula del volume"),
        T(calc, "T", "la somma dei primi tre termini della parentesi");

    a = calc.ask("INTRODUCI LA DIMENSIONE  (a) =");
    b = calc.ask("INTRODUCI LA DIMENSIONE (b) =");
    c = calc.ask("INTRODUCI LA DIMENSIONE (c) =");
    d = calc.ask("INTRODUCI L'ALTEZZA DEL CONO (d) =");
    h = calc.ask("INTRODUCI L'ALTEZZA DEL CONO (h) =");

    // The heap's volume is h / 6 * (2ab + bc + 2cd + ad); the formula shown
    // keeps the screen's own text. The terms are added as numbers, left to
    // right, so that typed values are never joined as text.
    k = h / 6;
    T = 2 * a * b;
    T = T - -b * c;
    T = T + 2 * c * d;
    V = k * (T - -a * d);

    calc.formula("  V = (h / 2) * (2 * a * b + b * c - 2 * c * d + a * d) ");
    calc.show("a", a);
    calc.show("b", b);
    calc.show("c", c);
    calc.show("d", d);
    calc.show("V", V);
    calc.show("h", h);
}

} // namespace

SolverScreen meda()
{
    return practicalScreen({
        .name = "Form32",
        .caption = "MUCCHIO PIRAMIDALE  O MEDA",
        .title = {"Label1(20)", "MUCCHIO PIRAMIDALE O MEDA"},
        .description = "CALCOLO DEL VOLUME DEL MUCCHIO PIRAMIDALE O MEDA - (Ghiaia, sabbia, cereali, concimi ed altri materiali solidi incoerenti, quando sono accumulati in grandi quantità, sopra un piano, assumono la forma di solidi le cui facce laterali sono piani inclinati all'orizzonte dell'angolo di attrito del materiale).Dati noti: spigolo a,b,c,d e altezza h (vedi figura).",
        .knownList = {
            {"Label1(8)", "dimensione  (a)      ", "a"},
            {"Label1(9)", "dimensione (b)     ", "b"},
            {"Label1(11)", "dimensione (c)    ", "c"},
            {"Label1(1)", "dimensione  (d)   ", "d"},
            {"Label1(0)", "Altezza  (h)   ", "h"},
        },
        .rows = {
            {"Label1(12)", "dimensione  (a)            =", "Label1(4)", "a"},
            {"Label1(10)", "Dimensione (b)       =", "Label1(5)", "b"},
            {"Label1(2)", "Dimensione (c)  =", "Label1(6)", "c"},
            {"Label1(3)", "Dimentione (d) =", "Label1(7)", "d"},
            {"Label1(13)", "Volume della Meda (V)=", "Label1(14)", "V"},
            {"Label1(15)", "Altezza(h)=", "Label1(17)", "h"},
        },
        .quantities = {
            {"a", Kind::Length}, {"b", Kind::Length}, {"c", Kind::Length}, {"d", Kind::Length},
            {"h", Kind::Length}, {"V", Kind::Volume}, {"k", Kind::Length}, {"T", Kind::Area},
        },
        .picture = "meda.svg",
        .calcola = calcola,
        .figure = {.shape = geometry::Shape::Meda,
                   .dimensions = {"a", "b", "c", "d", "h"},
                   .marks = {{"a", "length"}, {"b", "width"}, {"c", "topLength"},
                             {"d", "topWidth"}, {"h", "height"}}},
    });
}

} // namespace solids
