// The biga: a meda standing on its smaller base, crowned by a cavalla on its
// larger one.
#include "practical.h"

namespace solids {

using namespace solver;

namespace {

void calcola(Calc &calc)
{
    Quantity a(calc, "a"), b(calc, "b"), c(calc, "c"), d(calc, "d"), h(calc, "h"), h1(calc, "h1"),
        V(calc, "V");
    Quantity S1(calc, "S1", "l'area della base maggiore della meda, a · b"),
        S2(calc, "S2", "l'area della base minore della meda, c · d"),
        V1(calc, "V1", "il volume della meda"), V2(calc, "V2", "il volume della cavalla");
    Quantity B(calc, "B", "la somma S1 + S2 delle aree delle due basi"),
        k(calc, "k", "il fattore comune del volume della cavalla");

    a = calc.ask("INTRODUCI LA DIMENSIONE  (a) =");
    b = calc.ask("INTRODUCI LA DIMENSIONE (b) =");
    c = calc.ask("INTRODUCI LA DIMENSIONE (c) =");
    d = calc.ask("INTRODUCI L'ALTEZZA DEL CONO (d) =");
    h = calc.ask("INTRODUCI L'ALTEZZA DEL CONO (h) =");
    h1 = calc.ask("INTRODUCI L'ALTEZZA DEL CONO (h1) =");

    // Left to right, one operation at a time.
    S1 = a * b;
    S2 = c * d;
    B = S1 + S2;
    V1 = (B + sqrt(S1 * S2)) * h / 3;
    k = b * h1 / 6;
    V2 = k * (2 * a + c);
    V = V1 + V2;

    calc.formula(
        "  S1 = a * b: S2 = c * d: V1 = (S1 + S2 + Sqr(S1 * S2)) * h / 3: V2 = (b * h1 / 6) * (2 * a + c): V = V1+V2  ");
    calc.show("a", a);
    calc.show("b", b);
    calc.show("c", c);
    calc.show("d", d);
    calc.show("V", V);
    calc.show("h1", h1);
    calc.show("h", h);
}

} // namespace

SolverScreen biga()
{
    return practicalScreen({
        .name = "Form31",
        .caption = "BIGA",
        .title = {"Label1(20)", "VOLUME DELLA BIGA"},
        .description = "CALCOLO DEL VOLUME DELLA BIGA - (La paglia, il fieno, ed altro, si usa ammassarli in cumuli che hanno forme come la sottostante detta, Biga, costituita da una meda con la base maggiore in alto, con sopra un cono con base coincidente con una cavalla.- vedi figura).Dati noti: spigolo (a) , spigolo (b) della base maggiore, spigolo c e spigolo d della base minore, altezza della meda (h),altezza della cavalla (h').(vedi figura).",
        .knownList = {
            {"Label1(8)", "dimensione  (a)      ", "a"},
            {"Label1(9)", "dimensione (b)     ", "b"},
            {"Label1(11)", "dimensione (c)    ", "c"},
            {"Label1(1)", "dimensione  (d)   ", "d"},
            {"Label1(0)", "Altezza  (h)   ", "h"},
            {"Label1(19)", "Altezza (h1)   ", "h1"},
        },
        .rows = {
            {"Label1(12)", "dimensione  (a)            =", "Label1(4)", "a"},
            {"Label1(10)", "Dimensione (b)       =", "Label1(5)", "b"},
            {"Label1(2)", "Dimensione (c)  =", "Label1(6)", "c"},
            {"Label1(3)", "Dimentione (d) =", "Label1(7)", "d"},
            {"Label1(13)", "Volume della Biga (V)=", "Label1(14)", "V"},
            {"Label1(16)", "Altezza (h1)=", "Label1(18)", "h1"},
            {"Label1(15)", "Altezza(h)=", "Label1(17)", "h"},
        },
        .quantities = {
            {"a", Kind::Length}, {"b", Kind::Length}, {"c", Kind::Length}, {"d", Kind::Length},
            {"h", Kind::Length}, {"h1", Kind::Length}, {"V", Kind::Volume}, {"S1", Kind::Area},
            {"S2", Kind::Area}, {"V1", Kind::Volume}, {"V2", Kind::Volume}, {"B", Kind::Area},
            {"k", Kind::Area},
        },
        .picture = "biga.svg",
        .calcola = calcola,
        .figure = {.shape = geometry::Shape::Biga,
                   .dimensions = {"a", "b", "c", "d", "h", "h1"},
                   .marks = {{"a", "length"}, {"b", "width"}, {"c", "bottomLength"},
                             {"d", "bottomWidth"}, {"h", "height"}, {"h1", "ridgeHeight"}}},
    });
}

} // namespace solids
