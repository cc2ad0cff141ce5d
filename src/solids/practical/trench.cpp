// The trench or earth heap: two end areas and the height.
#include "practical.h"

namespace solids {

using namespace solver;

namespace {

void calcola(Calc &calc)
{
    Quantity A1(calc, "A1"), A2(calc, "A2"), h(calc, "h"), V(calc, "V");
    Quantity k(calc, "k", "la metà dell'altezza");

    A1 = calc.ask("INTRODUCI L'AREA DI BASE  (A1) =");
    A2 = calc.ask("INTRODUCI L'AREA DI BASE  (A2) =");
    h = calc.ask("INTRODUCI L'ALTEZZA (h) =");

    // Typed areas would be joined as text by "+", hence the factors 1.
    k = h / 2;
    V = k * (A1 * 1 + A2 * 1);

    calc.formula("  V = (h / 2) * (A1 + A2)    ");
    calc.show("A1", A1);
    calc.show("A2", A2);
    calc.show("h", h);
    calc.show("V", V);
}

} // namespace

SolverScreen trench()
{
    return practicalScreen({
        .name = "Form28",
        .caption = "TRINCEA",
        .title = {"Label1(0)", "VOLUME DELLA TRINCEA"},
        .description = "CALCOLO DEL VOLUME DELLA TRINCEA O DEL CUMULO DI TERRA - (Per valutare il volume del Cumulo di Terra o la trincea si ricorre a formule semplificate e di buona approssimazione, trattandosi di lavori economici, derivate dalla formula del prismoide, dove non si valuta la sezione media piuttosto laboriosa da determinare. - vedi figura).Dati noti: aree A1, A2, e h (vedi figura).",
        .knownList = {
            {"Label1(8)", "Area di base (A1)      ", "A1"},
            {"Label1(9)", "Area di base (A2)     ", "A2"},
            {"Label1(11)", "Altezza della trincea (h)            =", "h"},
        },
        .rows = {
            {"Label1(10)", "Area di base (A1)            =", "Label1(4)", "A1"},
            {"Label1(1)", "Area di base (A2)            =", "Label1(5)", "A2"},
            {"Label1(2)", "Altezza della trincea  (h)  =", "Label1(6)", "h"},
            {"Label1(3)", "Volume della trincea (V) =", "Label1(7)", "V"},
        },
        .quantities = {
            {"A1", Kind::Area}, {"A2", Kind::Area}, {"h", Kind::Length}, {"V", Kind::Volume},
            {"k", Kind::Length},
        },
        .hectolitres = true,
        .picture = "trincea.svg",
        .calcola = calcola,
        .formulaHeading = "Label2(2)",
        .figure = {.shape = geometry::Shape::Trench,
                   .dimensions = {"A1", "A2", "h"},
                   .marks = {{"h", "length"}}},
    });
}

} // namespace solids
