// The frustum of a square pyramid: one measure of each base, the apothem a of
// the frustum and its height h give the other nine quantities. The height
// enters only the volume, the apothem only the lateral area.
#include "pyramids.h"

namespace solids {

using namespace solver;

namespace {

void calcola(Calc &calc)
{
    Quantity L1(calc, "L1"), L2(calc, "L2"), h(calc, "h"), P1(calc, "P1"), P2(calc, "P2"),
        a1(calc, "a1"), a2(calc, "a2"), a(calc, "a"), AL(calc, "AL"), AT(calc, "AT"), V(calc, "V"),
        AB1(calc, "AB1"), AB2(calc, "AB2");

    const auto perimeter1 = [&] { P1 = L1 * 4; };
    const auto perimeter2 = [&] { P2 = L2 * 4; };
    const auto side1FromPerimeter = [&] { L1 = P1 / 4; };
    const auto side2FromPerimeter = [&] { L2 = P2 / 4; };
    const auto area1 = [&] { AB1 = pow(L1, 2); };
    const auto area2 = [&] { AB2 = pow(L2, 2); };
    const auto side1FromArea = [&] { L1 = pow(AB1, 0.5); };
    const auto side2FromArea = [&] { L2 = pow(AB2, 0.5); };
    const auto apothem1 = [&] { a1 = L1 / 2; };
    const auto apothem2 = [&] { a2 = L2 / 2; };
    const auto side1FromApothem = [&] { L1 = a1 * 2; };
    const auto side2FromApothem = [&] { L2 = a2 * 2; };
    const auto areasAndVolume = [&] {
        // The apothem is also the hypotenuse over the height and the half
        // difference of the sides: the data must agree on it.
        calc.agree(a, sqrt(pow((L1 - L2) / 2, 2) + pow(h, 2)), "un tronco di piramide");
        // Typed values would be joined as text by "+", hence the factors 1.
        AL = (P1 * 1 + P2 * 1) * a / 2;
        AT = AL * 1 + AB1 * 1 + AB2 * 1;
        // The root of the product belongs inside the bracket with the two areas.
        V = ((Expr(1) / 3) * h) * (AB1 * 1 + AB2 * 1 + pow(AB1 * AB2, 0.5));
    };

    if (calc.given({ "L1", "L2", "h", "a" })) {
        L1 = calc.ask("INTRODUCI LO SPIGOLO (L1)  =");
        L2 = calc.ask("INTRODUCI LO SPIGOLO  (L2)=");
        a = calc.ask("INTRODUCI L'APOTEMA  (a)=");
        h = calc.ask("INTRODUCI L'APOTEMA  (h)=");
        perimeter1();
        perimeter2();
        area1();
        apothem1();
        apothem2();
        area2();
        areasAndVolume();
        calc.formula(
            "(P1=L*4): (P2=l2*4): (AB1=l^2): (a1=l1/2): (a2=(l2/2): (AB2=l2^2): (AL=(P1+P2)*a/2):AT=1*AL+A1+A2: V=1/3°h*(A1+A2)+SQR(A1+A2)");
    } else if (calc.given({ "L2", "h", "P1", "a" })) {
        P1 = calc.ask("INTRODUCI IL PERIMETRO DI BASE (P1)  =");
        L2 = calc.ask("INTRODUCI LO SPIGOLO  (L2)=");
        a = calc.ask("INTRODUCI L'APOTEMA  (a)=");
        h = calc.ask("INTRODUCI L'ALTEZZA  (h)=");
        side1FromPerimeter();
        perimeter2();
        area1();
        apothem1();
        apothem2();
        area2();
        areasAndVolume();
        calc.formula(
            "(L1=P1/4): (P2=l2*4): (AB1=l^2): (a1=l1/2): (a2=l2/2): (AB2=l2^2): (AL=(P1+P2)*a/2):AT=1*AL+A1+A2: V=1/3°h*(A1+A2)+SQR(A1+A2)");
    } else if (calc.given({ "L1", "h", "P2", "a" })) {
        P2 = calc.ask("INTRODUCI IL PERIMETRO DI BASE (P2)  =");
        L1 = calc.ask("INTRODUCI LO SPIGOLO  (L1)=");
        a = calc.ask("INTRODUCI L'APOTEMA  (a)=");
        h = calc.ask("INTRODUCI L'ALTEZZA  (h)=");
        side2FromPerimeter();
        perimeter1();
        area1();
        apothem1();
        apothem2();
        area2();
        areasAndVolume();
        calc.formula(
            "(L2=P2/4): (P1=l1*4): (AB1=l^2): (a1=l1/2): (a2=l2/2): (AB2=l2^2): (AL=(P1+P2)*a/2):AT=1*AL+A1+A2: V=1/3°h*(A1+A2)+SQR(A1+A2)");
    } else if (calc.given({ "L2", "h", "a1", "a" })) {
        L2 = calc.ask("INTRODUCI IL LATO DI BASE (L2)  =");
        a1 = calc.ask("INTRODUCI L'APOTEMA DI BASE  (a1)=");
        a = calc.ask("INTRODUCI L'APOTEMA  (a)=");
        h = calc.ask("INTRODUCI L'ALTEZZA  (h)=");
        side1FromApothem();
        perimeter1();
        area1();
        perimeter2();
        apothem2();
        area2();
        areasAndVolume();
        calc.formula(
            "(L1=a1*2): (P1=l1*4): (AB1=l1^2): (P2=l2*4): (a2=l2/2): (AB2=l2^2): (AL=(P1+P2)*a/2):AT=1*AL+A1+A2: V=1/3°h*(A1+A2)+SQR(A1+A2)");
    } else if (calc.given({ "L1", "h", "a2", "a" })) {
        L1 = calc.ask("INTRODUCI IL LATO DI BASE (L1)  =");
        a2 = calc.ask("INTRODUCI L'APOTEMA DI BASE  (a2)=");
        a = calc.ask("INTRODUCI L'APOTEMA  (a)=");
        h = calc.ask("INTRODUCI L'ALTEZZA  (h)=");
        side2FromApothem();
        perimeter1();
        area1();
        perimeter2();
        apothem1();
        area2();
        areasAndVolume();
        calc.formula(
            "(L2=a2*2): (P1=l1*4): (AB1=l1^2): (P2=l2*4): (a1=l1/2): (AB2=l2^2): (AL=(P1+P2)*a/2):AT=1*AL+A1+A2: V=1/3°h*(A1+A2)+SQR(A1+A2)");
    } else if (calc.given({ "h", "a", "AB1", "AB2" })) {
        AB1 = calc.ask("INTRODUCI L'AREA  DI BASE (AB1)  =");
        AB2 = calc.ask("INTRODUCI L'AREA  DI BASE  (AB2)=");
        a = calc.ask("INTRODUCI L'APOTEMA  (a)=");
        h = calc.ask("INTRODUCI L'ALTEZZA  (h)=");
        side1FromArea();
        side2FromArea();
        perimeter1();
        perimeter2();
        apothem2();
        apothem1();
        areasAndVolume();
        calc.formula(
            "(L1=SQR(AB1)): (L2=SQR(AB2)): (P1=l1*4): (P2=l2*4): (A1=L1/2): (a2=l2/2): (AB2=l2^2): (AL=(P1+P2)*a/2):AT=1*AL+A1+A2: V=1/3°h*(A1+A2)+SQR(A1+A2)");
    } else if (calc.given({ "L1", "h", "a", "AB2" })) {
        L1 = calc.ask("INTRODUCI L'AREA  DI BASE (L1)  =");
        AB2 = calc.ask("INTRODUCI L'AREA  DI BASE  (AB2)=");
        a = calc.ask("INTRODUCI L'APOTEMA  (a)=");
        h = calc.ask("INTRODUCI L'ALTEZZA  (h)=");
        area1();
        side2FromArea();
        perimeter1();
        perimeter2();
        apothem2();
        apothem1();
        areasAndVolume();
        calc.formula(
            "(AB1=L1^2): (L2=SQR(AB2)): (P1=l1*4): (P2=l2*4): (A1=L1/2): (a2=l2/2): (AB2=l2^2): (AL=(P1+P2)*a/2):AT=1*AL+A1+A2: V=1/3°h*(A1+A2)+SQR(A1+A2)");
    } else if (calc.given({ "L2", "h", "a", "AB1" })) {
        L2 = calc.ask("INTRODUCI L'AREA  DI BASE (L2)  =");
        AB1 = calc.ask("INTRODUCI L'AREA  DI BASE  (AB1)=");
        a = calc.ask("INTRODUCI L'APOTEMA  (a)=");
        h = calc.ask("INTRODUCI L'ALTEZZA  (h)=");
        area2();
        side1FromArea();
        perimeter1();
        perimeter2();
        apothem2();
        apothem1();
        areasAndVolume();
        calc.formula(
            "(AB2=L2^2): (L1=SQR(AB1)): (P1=l1*4): (P2=l2*4): (A1=L1/2): (a2=l2/2): (AB2=l2^2): (AL=(P1+P2)*a/2):AT=1*AL+A1+A2: V=1/3°h*(A1+A2)+SQR(A1+A2)");
    } else {
        calc.insufficient();
    }

    calc.show("L1", L1);
    calc.show("L2", L2);
    calc.show("h", h);
    calc.show("P1", P1);
    calc.show("P2", P2);
    calc.show("a1", a1);
    calc.show("a2", a2);
    calc.show("a", a);
    calc.show("AL", AL);
    calc.show("AT", AT);
    calc.show("V", V);
    calc.show("AB1", AB1);
    calc.show("AB2", AB2);
}

} // namespace

SolverScreen truncatedSquarePyramid()
{
    return {
        .name = "Form24",
        .caption = "TRONCO DI PIRAMIDE A BASE QUADRATA",
        .parent = "Form1",
        .title = {"Label1(0)", "TRONCO DI PRISMA CON BASE QUADRATA "},
        .knownHeading = {"Label2(0)", "Cosa conosci ?"},
        .checks = {
            {"Check1", "Lato di base (L1)", "L1"},
            {"Check2", "Lato di base (L2)", "L2"},
            {"Check3", "Altezza (h)", "h"},
            {"Check4", "Perimetro di base (P1)", "P1"},
            {"Check5", "Perimetro di base (P2)", "P2"},
            {"Check6", "Apotema di base (a1)", "a1"},
            {"Check7", "Apotema di base (a2)", "a2"},
            {"Check8", "Apotema del tronco di prisma (a)", "a"},
            {"Check9", "Area laterale (AL)", "AL"},
            {"Check10", "Area totala (AT)", "AT"},
            {"Check11", "Volume (V)", "V"},
            {"Check12", "Area di Base (AB1)", "AB1"},
            {"Check13", "Area di base (AB2)", "AB2"},
        },
        .resultsHeading = {"Label2(2)", "Risultati"},
        .rows = {
            {"Label3(0)", "Lato di base (L1)        =", "Label4(0)", "L1"},
            {"Label3(1)", "Lato di base (L2)         =", "Label4(1)", "L2"},
            {"Label3(2)", "Altezza (h)                   =", "Label4(2)", "h"},
            {"Label3(3)", "Perimetro di base (P1) =", "Label4(3)", "P1"},
            {"Label3(4)", "Perimetro di base (P2) =", "Label4(4)", "P2"},
            {"Label3(5)", "Apotema di base (a1) =", "Label4(5)", "a1"},
            {"Label3(6)", "Apotema  di base (a2) =", "Label4(6)", "a2"},
            {"Label3(7)", "Apotema del prisma (a)=", "Label4(7)", "a"},
            {"Label3(8)", "Area Laterale (AL)       =", "Label4(8)", "AL"},
            {"Label3(9)", "Area Totale (AT)           =", "Label4(9)", "AT"},
            {"Label3(10)", "Volume (V)                   =", "Label4(10)", "V"},
            {"Label7(0)", "Area di base (AB1)      =", "Label4(11)", "AB1"},
            {"Label7(1)", "Area di base (AB2)      =", "Label4(12)", "AB2"},
        },
        .quantities = {
            {"L1", Kind::Length}, {"L2", Kind::Length}, {"h", Kind::Length}, {"P1", Kind::Length},
            {"P2", Kind::Length}, {"a1", Kind::Length}, {"a2", Kind::Length}, {"a", Kind::Length},
            {"AL", Kind::Area}, {"AT", Kind::Area}, {"V", Kind::Volume}, {"AB1", Kind::Area},
            {"AB2", Kind::Area},
        },
        .formulaHeading = {"Label5", "Formule applicate"},
        .formulaLabels = {"Label6"},
        .picture = {"Picture1", "tronco-piramide.svg"},
        .solvers = {{.name = "Command3", .steps = calcola}},
        .stampaButton = {"Command4", "Stampa"},
        .ritornaButton = {"Command2", "Ritorna"},
        .esciButton = {"Command1", "Esci"},
        .figure = {.shape = geometry::Shape::TruncatedPyramid,
                   .dimensions = {"4", "L1", "L2", "h"},
                   .marks = {{"L1", "lowerSide"}, {"L2", "upperSide"}, {"h", "height"},
                             {"a1", "lowerApothem"}, {"a2", "upperApothem"}, {"a", "slant"}}},
    };
}

} // namespace solids
