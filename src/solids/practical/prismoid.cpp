// The prismoid: the two parallel faces A1, A2, the mean section Am, height h.
#include "practical.h"

namespace solids {

using namespace solver;

namespace {

void calcola(Calc &calc)
{
    Quantity A1(calc, "A1"), A2(calc, "A2"), Am(calc, "Am"), h(calc, "h"), V(calc, "V");
    Quantity M(calc, "M", "l'area A2 cambiata di segno, che si sottrae"),
        k(calc, "k", "il fattore comune della formula del volume"),
        S(calc, "S", "la somma delle aree delle due basi");

    A1 = calc.ask("INTRODUCI L'AREA (A1) =");
    A2 = calc.ask("INTRODUCI L'AREA (A2) =");
    Am = calc.ask("INTRODUCI L'AREA MEDIA (Am) =");
    h = calc.ask("INTRODUCI L'ALTEZZA  (h) =");

    // M holds A2 negated while the sum is worked out as differences, so that
    // typed areas are added as numbers; A2 negated back shows as a number.
    M = -A2;
    k = h / 6;
    S = A1 - M;
    V = k * (S - -4 * Am);
    A2 = -M;

    calc.formula(" V = (h/6)*(A1+A2+4*Am) ");
    calc.show("A1", A1);
    calc.show("A2", A2);
    calc.show("Am", Am);
    calc.show("h", h);
    calc.show("V", V);
}

} // namespace

SolverScreen prismoid()
{
    return practicalScreen({
        .name = "Form36",
        .caption = "PRISMOIDE",
        .title = {"Label1(20)", "VOLUME DEL PRISMOIDE"},
        .description = "CALCOLO DEL VOLUME DEL PRISMOIDE (Formula di Wittstein)- (Il Prismoide è un solido limitato da facce parallele di uguale numero di lati ma non simili e da facce le cui intersezioni o spigoli non sono parallele fra loro o almeno non tutte - vedi figura).Dati noti: aree A1, A2, Am, e altezza h (vedi figura).",
        .knownList = {
            {"Label1(0)", "Area 1  (A1)      ", "A1"},
            {"Label1(8)", "Area 2  (A2)      ", "A2"},
            {"Label1(9)", "Area media  (Am)     ", "Am"},
            {"Label1(1)", "Altezza  (h)     ", "h"},
        },
        .rows = {
            {"Label1(3)", "Spigolo  (a)                        =", "Label1(4)", "A1"},
            {"Label1(12)", "Spigolo  (b)                        =", "Label1(15)", "A2"},
            {"Label1(7)", "Spigolo  (c)                        =", "Label1(16)", "Am"},
            {"Label1(10)", "Altezza  (h)                         =", "Label1(5)", "h"},
            {"Label1(13)", "Volume del prismoide (V) =", "Label1(14)", "V"},
        },
        .quantities = {
            {"A1", Kind::Area}, {"A2", Kind::Area}, {"Am", Kind::Area}, {"h", Kind::Length},
            {"V", Kind::Volume}, {"M", Kind::Area}, {"k", Kind::Length}, {"S", Kind::Area},
        },
        .picture = "prismoide.svg",
        .calcola = calcola,
        .esci = "Command4",
        .ritorna = "Command5",
        .figure = {.shape = geometry::Shape::Prismoid,
                   .dimensions = {"A1", "A2", "Am", "h"},
                   .marks = {{"h", "height"}}},
    });
}

} // namespace solids
