// The prismatic heap or cavalla: a ridge of length c over a rectangle a x b.
#include "practical.h"

namespace solids {

using namespace solver;

namespace {

void calcola(Calc &calc)
{
    Quantity a(calc, "a"), b(calc, "b"), c(calc, "c"), h(calc, "h"), V(calc, "V");
    Quantity k(calc, "k", "il fattore comune della formula del volume");

    a = calc.ask("INTRODUCI LO SPIGOLO (a) =");
    b = calc.ask("INTRODUCI LO SPIGOLO (b) =");
    c = calc.ask("INTRODUCI LO SPIGOLO (c) =");
    h = calc.ask("INTRODUCI L'ALTEZZA  (h) =");

    // Left to right, one operation at a time.
    k = b * h / 6;
    V = k * (2 * a + c);

    calc.formula(" V = (b * h / 6) * (2 * a + c ) ");
    calc.show("a", a);
    calc.show("b", b);
    calc.show("c", c);
    calc.show("h", h);
    calc.show("V", V);
}

} // namespace

SolverScreen cavalla()
{
    return practicalScreen({
        .name = "Form35",
        .caption = "VOLUME DEL MUCCHIO PRISMATICO",
        .title = {"Label1(20)", "VOLUME DEL MUCCHIO PRISMATICO O CAVALLA"},
        .description = "CALCOLO DEL VOLUME DEL MUCCHIO PRISMATICO O CAVALLA - (Ghiaia, sabbia, cereali, concimi ed altri materiali solidi incoerenti, quando sono accumulati sopra un piano assumono la forma di solidi le cui facce laterali sono piani inclinati all'orizzonte dell'angolo di attrito del materiale).Dati noti: spigolo a,b,c e altezza h.",
        .knownList = {
            {"Label1(0)", "Spigolo  (a)      ", "a"},
            {"Label1(8)", "Spigolo  (b)      ", "b"},
            {"Label1(9)", "Spigolo (c)     ", "c"},
            {"Label1(1)", "Altezza  (h)     ", "h"},
        },
        .rows = {
            {"Label1(3)", "Spigolo  (a)     =", "Label1(4)", "a"},
            {"Label1(12)", "Spigolo  (b)     =", "Label1(15)", "b"},
            {"Label1(7)", "Spigolo  (c)     =", "Label1(16)", "c"},
            {"Label1(10)", "Altezza  (h)        =", "Label1(5)", "h"},
            {"Label1(13)", "Volume del mucchio prismatico (V) =", "Label1(14)", "V"},
        },
        .quantities = {
            {"a", Kind::Length}, {"b", Kind::Length}, {"c", Kind::Length}, {"h", Kind::Length},
            {"V", Kind::Volume}, {"k", Kind::Area},
        },
        .picture = "cavalla.svg",
        .calcola = calcola,
        .esci = "Command4",
        .ritorna = "Command5",
        .figure = {.shape = geometry::Shape::Cavalla,
                   .dimensions = {"a", "b", "c", "h"},
                   .marks = {{"a", "length"}, {"b", "width"}, {"c", "ridge"}, {"h", "height"}}},
    });
}

} // namespace solids
