// The biga: a meda standing on its smaller base, crowned by a cavalla on its
// larger one.
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
    Value h1 = calc.ask("INTRODUCI L'ALTEZZA DEL CONO (h1) =");

    // Left to right, one operation at a time.
    Value S1 = a * b;
    Value S2 = c * d;
    Value bases = S1 + S2;
    bases = bases + sqrt(S1 * S2);
    Value V1 = bases * h / 3;
    Value ridge = b * h1 / 6;
    Value sides = 2 * a + c;
    Value V2 = ridge * sides;
    Value V = V1 + V2;

    calc.formula(
        kPracticalFormula,
        "  S1 = a * b: S2 = c * d: V1 = (S1 + S2 + Sqr(S1 * S2)) * h / 3: V2 = (b * h1 / 6) * (2 * a + c): V = V1+V2  ");
    calc.show("Label1(4)", a);
    calc.show("Label1(5)", b);
    calc.show("Label1(6)", c);
    calc.show("Label1(7)", d);
    calc.show("Label1(14)", V);
    calc.show("Label1(18)", h1);
    calc.show("Label1(17)", h);
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
            {"Label1(8)", "dimensione  (a)      "},
            {"Label1(9)", "dimensione (b)     "},
            {"Label1(11)", "dimensione (c)    "},
            {"Label1(1)", "dimensione  (d)   "},
            {"Label1(0)", "Altezza  (h)   "},
            {"Label1(19)", "Altezza (h1)   "},
        },
        .rows = {
            {"Label1(12)", "dimensione  (a)            =", "Label1(4)"},
            {"Label1(10)", "Dimensione (b)       =", "Label1(5)"},
            {"Label1(2)", "Dimensione (c)  =", "Label1(6)"},
            {"Label1(3)", "Dimentione (d) =", "Label1(7)"},
            {"Label1(13)", "Volume della Biga (V)=", "Label1(14)"},
            {"Label1(16)", "Altezza (h1)=", "Label1(18)"},
            {"Label1(15)", "Altezza(h)=", "Label1(17)"},
        },
        .picture = "biga.svg",
        .calcola = calcola,
    });
}

} // namespace solids
