// The pyramid on an isosceles trapezoid ABCD: oblique sides AB = CD = a,
// parallel sides AD = c and BC = b. Four known quantities per case.
#include "pyramids.h"

namespace solids {

using namespace solver;

namespace {

void calcola(Calc &calc)
{
    Quantity a(calc, "a"), c(calc, "c"), b(calc, "b"), h1(calc, "h1"), a1(calc, "a1"), h(calc, "h"),
        P(calc, "P"), r(calc, "r"), AB(calc, "AB"), AL(calc, "AL"), AT(calc, "AT"), V(calc, "V"),
        VC(calc, "VC"), VD(calc, "VD");
    // The sum of the parallel sides and the half difference, worked out
    // where the cases need them.
    Quantity S(calc, "S", "la somma b + c dei lati paralleli"),
        m(calc, "m", "la semidifferenza (c − b) / 2 dei lati paralleli");

    // The faces share one apothem only over a trapezoid with an inscribed
    // circle, whose oblique sides together equal the parallel ones: with all
    // three sides typed, the data must agree on it.
    const auto tangential = [&] {
        calc.agree(a, (b * 1 + c * 1) / 2, "una piramide con le facce ugualmente inclinate");
    };
    // The height of the trapezoid from its oblique side and the half
    // difference of the parallel sides.
    const auto trapezoidHeight = [&] { h1 = pow(pow(a, 2) - pow((c - b) / 2, 2), 0.5); };
    // Perimeter, inradius and the pyramid's apothem from its height.
    const auto apothemFromHeight = [&] {
        P = 2 * a + b + c;
        r = 2 * AB / P;
        a1 = pow(pow(h, 2) + pow(r, 2), 0.5);
    };
    const auto ending = [&] {
        AL = P * a1 / 2;
        AT = AL + AB;
        V = AB * h / 3;
        // VB = VC stand over the ends of the parallel side b, VA = VD over c.
        VC = pow(pow(a1, 2) + pow(b / 2, 2), 0.5);
        VD = pow(pow(a1, 2) + pow(c / 2, 2), 0.5);
    };

    if (calc.given({ "a", "b", "c", "a1" })) {
        a = calc.ask("INTRODUCI LO SPIGOLO DI BASE (AB o CD)=");
        b = calc.ask("INTRODUCI LO SPIGOLO DI BASE (BC)=");
        c = calc.ask("INTRODUCI LO SPIGOLO DI BASE (AD) =");
        a1 = calc.ask("INTRODUCI L'APOTEMA (a) =");
        tangential();
        S = b * 1 + c * 1;
        trapezoidHeight();
        AB = S * h1 / 2;
        calc.formula(
            " h1 = (a ^ 2 - (c - b) / 2) ^ 0.5:(AB = (c + b) * h1)/2  :(P=2*a+b+c): ((AL=P*a1/2):  (AT=AL+AB): (r=2*AB/P) : (h=SQR(a1^2-r^2)*0.5): (VC=SQR(a1^2+(AB/2)^2)^0.5): (VD=SQR(a1^2+(AD/2)^2)^0.5): (V=AB*h/3)");
        P = 2 * a + 1 * S;
        r = 2 * AB / P;
        h = pow(pow(a1, 2) - pow(r, 2), 0.5);
        ending();
    } else if (calc.given({ "c", "h", "a", "b" })) {
        a = calc.ask("INTRODUCI LO SPIGOLO DI BASE (AB o CD)=");
        b = calc.ask("INTRODUCI LO SPIGOLO DI BASE (BC)=");
        c = calc.ask("INTRODUCI LO SPIGOLO DI BASE (AD) =");
        h = calc.ask("INTRODUCI IL RAGGIO (h) =");
        tangential();
        trapezoidHeight();
        AB = (b * 1 + c * 1) * h1 / 2;
        calc.formula(
            " h1 = (a ^ 2 - (c - b) / 2) ^ 0.5:(AB = (c + b) * h1)/2  :(P=2*a+b+c): ((AL=P*a1/2):  (AT=AL+AB): (r=2*AB/P) : (a1=SQR(h^2+r^2)*0.5): (VC=SQR(a1^2+(AB/2)^2)^0.5): (VD=SQR(a1^2+(AD/2)^2)^0.5): (V=AB*h/3)");
        apothemFromHeight();
        ending();
    } else if (calc.given({ "c", "h", "AB", "b" })) {
        c = calc.ask("INTRODUCI LO SPIGOLO DI BASE (AD)=");
        b = calc.ask("INTRODUCI LO SPIGOLO DI BASE (BC)=");
        AB = calc.ask("INTRODUCI L'AREA  DI BASE (AB) =");
        h = calc.ask("INTRODUCI IL RAGGIO (h) =");
        S = b * 1 + c * 1;
        h1 = 2 * AB / S;
        a = pow(pow(h1, 2) + pow((c * 1 - b * 1) / 2, 2), 0.5);
        calc.formula(
            " h1 = (2*AB/(b+c): ( a=SQR(h1^2+((c-b)/2)^2)  :(P=2*a+b+c): ((AL=P*a1/2):  (AT=AL+AB): (r=2*AB/P) : (a1=SQR(h^2+r^2)*0.5): (VC=SQR(a1^2+(AB/2)^2)^0.5): (VD=SQR(a1^2+(AD/2)^2)^0.5): (V=AB*h/3)");
        apothemFromHeight();
        ending();
    } else if (calc.given({ "c", "h", "P", "b" })) {
        c = calc.ask("INTRODUCI LO SPIGOLO DI BASE (AD)=");
        b = calc.ask("INTRODUCI LO SPIGOLO DI BASE (BC)=");
        P = calc.ask("INTRODUCI IL PERIMETRO DI BASE (P) =");
        h = calc.ask("INTRODUCI IL RAGGIO (h) =");
        S = b * 1 + c * 1;
        m = (c - b) / 2;
        a = (P - S) / 2;
        h1 = pow(pow(a, 2) - pow(m, 2), 0.5);
        AB = S * h1 / 2;
        calc.formula(
            " a =P-(c+b)/2:a1=SQR(h2+((c-b)/2)^2):  h1=SQR(a^2+(b/2)^2): AB=(b+c)*h1/2: ((AL=P*a1/2):  (AT=AL+AB): (r=2*AB/P) : (VC=SQR(a1^2+(AB/2)^2)^0.5): (VD=SQR(a1^2+(AD/2)^2)^0.5): (V=AB*h/3)");
        r = 2 * AB / P;
        a1 = pow(pow(h, 2) + pow(r, 2), 0.5);
        ending();
    } else {
        calc.insufficient();
    }

    calc.show("a", a);
    calc.show("c", c);
    calc.show("b", b);
    calc.show("a1", a1);
    calc.show("h", h);
    calc.show("P", P);
    calc.show("r", r);
    calc.show("AB", AB);
    calc.show("AL", AL);
    calc.show("AT", AT);
    calc.show("V", V);
    calc.show("VC", VC);
    calc.show("VD", VD);
    calc.show("h1", h1);
}

} // namespace

SolverScreen trapezoidPyramid()
{
    return {
        .name = "Form8",
        .caption = "PIRAMIDE CON BASE TRAPEZIO ISOSCELE",
        .parent = "form5",
        .knownHeading = {"Label2", "Cosa conosci ?"},
        .checks = {
            {"Check7", "Lato obliquo di base (AB=CD=a)", "a"},
            {"Check1", "Spigolo di base (AD=c)", "c"},
            {"Check12", "Spigolo di base  (BC=b)", "b"},
            {"Check2", "Altezza del trapezio (h1)", "h1"},
            {"Check8", "apotema (a1)", "a1"},
            {"Check3", "altezza della piramide (h)", "h"},
            {"Check5", "Perimetro (P) ", "P"},
            {"Check10", "Raggio di base (r)", "r"},
            {"Check11", "Area di base (AB)", "AB"},
            {"Check9", "Area Laterale (AL)", "AL"},
            {"Check4", "Area Totale (AT)", "AT"},
            {"Check6", "Volume (V)", "V"},
        },
        .resultsHeading = {"Label1", "Risultati"},
        .rows = {
            {"Label3(0)", "Spigolo di base (AB=CD) =", "Label3(13)", "a"},
            {"Label3(1)", "Spigolo di base (AD) =", "Label3(11)", "c"},
            {"Label3(2)", "Spigolo di base  (BC)=", "Label3(12)", "b"},
            {"Label3(26)", "Altezza trapezio (h1)=", "Label3(27)", "h1"},
            {"Label3(3)", "Apotema  (a)            =", "Label3(14)", "a1"},
            {"Label3(4)", "Altezza (h)              =", "Label3(15)", "h"},
            {"Label3(5)", "Perimetro (P)          =", "Label3(16)", "P"},
            {"Label3(6)", "Raggio di base (r)       =", "Label3(17)", "r"},
            {"Label3(7)", "Area di base (AB)  =", "Label3(18)", "AB"},
            {"Label3(8)", "Area Laterale (AL) =", "Label3(19)", "AL"},
            {"Label3(9)", "Area Totale (AT)    =", "Label3(20)", "AT"},
            {"Label3(10)", "Volume (V)            =", "Label3(21)", "V"},
            {"Label3(22)", "Spigolo laterale (VC=VB) =", "Label3(24)", "VC"},
            {"Label3(23)", "Spigolo laterale (VD=VA)=", "Label3(25)", "VD"},
        },
        .quantities = {
            {"a", Kind::Length}, {"c", Kind::Length}, {"b", Kind::Length}, {"h1", Kind::Length},
            {"a1", Kind::Length}, {"h", Kind::Length}, {"P", Kind::Length}, {"r", Kind::Length},
            {"AB", Kind::Area}, {"AL", Kind::Area}, {"AT", Kind::Area}, {"V", Kind::Volume},
            {"VC", Kind::Length}, {"VD", Kind::Length}, {"S", Kind::Length}, {"m", Kind::Length},
        },
        .formulaHeading = {"Label5", "Formule applicate"},
        .formulaLabels = {"Label6"},
        .picture = {"Picture1", "piramide-trapezio.svg"},
        .solvers = {{.name = "Command3", .steps = calcola}},
        .stampaButton = {"Command4", "Stampa"},
        .ritornaButton = {"Command2", "Ritorna"},
        .esciButton = {"Command1", "Esci"},
        // The long parallel side AD = c in front, BC = b behind.
        .figure = {.shape = geometry::Shape::TrapezoidPyramid,
                   .dimensions = {"c", "b", "h1", "h"},
                   .marks = {{"a", "obliqueSide"}, {"c", "frontSide"}, {"b", "backSide"},
                             {"h1", "trapezoidHeight"}, {"a1", "slant"}, {"h", "height"},
                             {"r", "inradius"}, {"VC", "backEdge"}, {"VD", "frontEdge"},
                             {"m", "overhang"}}},
    };
}

} // namespace solids
