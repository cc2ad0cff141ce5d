// The pyramidal heap or meda: a rectangle a x b at the foot, a rectangle c x d
// on top, height h.
#include "practical.h"

namespace solids {

using namespace solver;

namespace {

void calcola(Calc &calc)
{
    Value a = calc.ask("INTRODUCI LA DIMENSIONE  (a) =");
    Value b = calc.ask("INTRODUCI LA DIMENSIONE (b) =");
    Value c = calc.ask("INTRODUCI LA DIMENSIONE (c) =");
    Value d = calc.ask("INTRODUCI L'ALTEZZA DEL CONO (d) =");
    Value h = calc.ask("INTRODUCI L'ALTEZZA DEL CONO (h) =");

    // The heap's volume is h / 6 * (2ab + bc + 2cd + ad); the formula shown
    // keeps the screen's own text. The terms are added as numbers, left to
    // right, so that typed values are never joined as text.
    Value sixth = h / 6;
    Value terms = 2 * a * b;
    terms = terms - -b * c;
    terms = terms + 2 * c * d;
    terms = terms - -a * d;
    Value V = sixth * terms;

    calc.formula(kPracticalFormula, "  V = (h / 2) * (2 * a * b + b * c - 2 * c * d + a * d) ");
    calc.show("Label1(4)", a);
    calc.show("Label1(5)", b);
    calc.show("Label1(6)", c);
    calc.show("Label1(7)", d);
    calc.show("Label1(14)", V);
    calc.show("Label1(17)", h);
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
            {"Label1(8)", "dimensione  (a)      "},
            {"Label1(9)", "dimensione (b)     "},
            {"Label1(11)", "dimensione (c)    "},
            {"Label1(1)", "dimensione  (d)   "},
            {"Label1(0)", "Altezza  (h)   "},
        },
        .rows = {
            {"Label1(12)", "dimensione  (a)            =", "Label1(4)"},
            {"Label1(10)", "Dimensione (b)       =", "Label1(5)"},
            {"Label1(2)", "Dimensione (c)  =", "Label1(6)"},
            {"Label1(3)", "Dimentione (d) =", "Label1(7)"},
            {"Label1(13)", "Volume della Meda (V)=", "Label1(14)"},
            {"Label1(15)", "Altezza(h)=", "Label1(17)"},
        },
        .picture = "meda.svg",
        .calcola = calcola,
    });
}

} // namespace solids
