// The frustum of a square pyramid: one measure of each base, the apothem a of
// the frustum and its height h give the other nine quantities. The height
// enters only the volume, the apothem only the lateral area.
#include "pyramids.h"

namespace solids {

using namespace solver;

namespace {

const char *const kFormula = "Label6";

// The thirteen quantities of one press of "Calcola", all empty at the start.
struct Frustum {
    Value L1, L2, h, P1, P2, a1, a2, a, AL, AT, V, AB1, AB2;

    void perimeter1() { P1 = L1 * 4; }
    void perimeter2() { P2 = L2 * 4; }
    void side1FromPerimeter() { L1 = P1 / 4; }
    void side2FromPerimeter() { L2 = P2 / 4; }
    void area1() { AB1 = pow(L1, 2); }
    void area2() { AB2 = pow(L2, 2); }
    void side1FromArea() { L1 = pow(AB1, 0.5); }
    void side2FromArea() { L2 = pow(AB2, 0.5); }
    void apothem1() { a1 = L1 / 2; }
    void apothem2() { a2 = L2 / 2; }
    void side1FromApothem() { L1 = a1 * 2; }
    void side2FromApothem() { L2 = a2 * 2; }
    // Typed values would be joined as text by "+", hence the factors 1.
    void lateral() { AL = (P1 * 1 + P2 * 1) * a / 2; }
    void total() { AT = AL * 1 + AB1 * 1 + AB2 * 1; }
    // The root of the product belongs inside the bracket with the two areas.
    void volume() { V = ((Value(1) / 3) * h) * (AB1 * 1 + AB2 * 1 + pow(AB1 * AB2, 0.5)); }
    void areasAndVolume()
    {
        lateral();
        total();
        volume();
    }
};

void calcola(Calc &calc)
{
    Frustum f;
    auto &[L1, L2, h, P1, P2, a1, a2, a, AL, AT, V, AB1, AB2] = f;

    if (calc.given({ "Check1", "Check2", "Check3", "Check8" })) {
        L1 = calc.ask("INTRODUCI LO SPIGOLO (L1)  =");
        L2 = calc.ask("INTRODUCI LO SPIGOLO  (L2)=");
        a = calc.ask("INTRODUCI L'APOTEMA  (a)=");
        h = calc.ask("INTRODUCI L'APOTEMA  (h)=");
        f.perimeter1();
        f.perimeter2();
        f.area1();
        f.apothem1();
        f.apothem2();
        f.area2();
        f.areasAndVolume();
        calc.formula(
            kFormula,
            "(P1=L*4): (P2=l2*4): (AB1=l^2): (a1=l1/2): (a2=(l2/2): (AB2=l2^2): (AL=(P1+P2)*a/2):AT=1*AL+A1+A2: V=1/3°h*(A1+A2)+SQR(A1+A2)");
    } else if (calc.given({ "Check2", "Check3", "Check4", "Check8" })) {
        P1 = calc.ask("INTRODUCI IL PERIMETRO DI BASE (P1)  =");
        L2 = calc.ask("INTRODUCI LO SPIGOLO  (L2)=");
        a = calc.ask("INTRODUCI L'APOTEMA  (a)=");
        h = calc.ask("INTRODUCI L'ALTEZZA  (h)=");
        f.side1FromPerimeter();
        f.perimeter2();
        f.area1();
        f.apothem1();
        f.apothem2();
        f.area2();
        f.areasAndVolume();
        calc.formula(
            kFormula,
            "(L1=P1/4): (P2=l2*4): (AB1=l^2): (a1=l1/2): (a2=l2/2): (AB2=l2^2): (AL=(P1+P2)*a/2):AT=1*AL+A1+A2: V=1/3°h*(A1+A2)+SQR(A1+A2)");
    } else if (calc.given({ "Check1", "Check3", "Check5", "Check8" })) {
        P2 = calc.ask("INTRODUCI IL PERIMETRO DI BASE (P2)  =");
        L1 = calc.ask("INTRODUCI LO SPIGOLO  (L1)=");
        a = calc.ask("INTRODUCI L'APOTEMA  (a)=");
        h = calc.ask("INTRODUCI L'ALTEZZA  (h)=");
        f.side2FromPerimeter();
        f.perimeter1();
        f.area1();
        f.apothem1();
        f.apothem2();
        f.area2();
        f.areasAndVolume();
        calc.formula(
            kFormula,
            "(L2=P2/4): (P1=l1*4): (AB1=l^2): (a1=l1/2): (a2=l2/2): (AB2=l2^2): (AL=(P1+P2)*a/2):AT=1*AL+A1+A2: V=1/3°h*(A1+A2)+SQR(A1+A2)");
    } else if (calc.given({ "Check2", "Check3", "Check6", "Check8" })) {
        L2 = calc.ask("INTRODUCI IL LATO DI BASE (L2)  =");
        a1 = calc.ask("INTRODUCI L'APOTEMA DI BASE  (a1)=");
        a = calc.ask("INTRODUCI L'APOTEMA  (a)=");
        h = calc.ask("INTRODUCI L'ALTEZZA  (h)=");
        f.side1FromApothem();
        f.perimeter1();
        f.area1();
        f.perimeter2();
        f.apothem2();
        f.area2();
        f.areasAndVolume();
        calc.formula(
            kFormula,
            "(L1=a1*2): (P1=l1*4): (AB1=l1^2): (P2=l2*4): (a2=l2/2): (AB2=l2^2): (AL=(P1+P2)*a/2):AT=1*AL+A1+A2: V=1/3°h*(A1+A2)+SQR(A1+A2)");
    } else if (calc.given({ "Check1", "Check3", "Check7", "Check8" })) {
        L1 = calc.ask("INTRODUCI IL LATO DI BASE (L1)  =");
        a2 = calc.ask("INTRODUCI L'APOTEMA DI BASE  (a2)=");
        a = calc.ask("INTRODUCI L'APOTEMA  (a)=");
        h = calc.ask("INTRODUCI L'ALTEZZA  (h)=");
        f.side2FromApothem();
        f.perimeter1();
        f.area1();
        f.perimeter2();
        f.apothem1();
        f.area2();
        f.areasAndVolume();
        calc.formula(
            kFormula,
            "(L2=a2*2): (P1=l1*4): (AB1=l1^2): (P2=l2*4): (a1=l1/2): (AB2=l2^2): (AL=(P1+P2)*a/2):AT=1*AL+A1+A2: V=1/3°h*(A1+A2)+SQR(A1+A2)");
    } else if (calc.given({ "Check3", "Check8", "Check12", "Check13" })) {
        AB1 = calc.ask("INTRODUCI L'AREA  DI BASE (AB1)  =");
        AB2 = calc.ask("INTRODUCI L'AREA  DI BASE  (AB2)=");
        a = calc.ask("INTRODUCI L'APOTEMA  (a)=");
        h = calc.ask("INTRODUCI L'ALTEZZA  (h)=");
        f.side1FromArea();
        f.side2FromArea();
        f.perimeter1();
        f.perimeter2();
        f.apothem2();
        f.apothem1();
        f.areasAndVolume();
        calc.formula(
            kFormula,
            "(L1=SQR(AB1)): (L2=SQR(AB2)): (P1=l1*4): (P2=l2*4): (A1=L1/2): (a2=l2/2): (AB2=l2^2): (AL=(P1+P2)*a/2):AT=1*AL+A1+A2: V=1/3°h*(A1+A2)+SQR(A1+A2)");
    } else if (calc.given({ "Check1", "Check3", "Check8", "Check13" })) {
        L1 = calc.ask("INTRODUCI L'AREA  DI BASE (L1)  =");
        AB2 = calc.ask("INTRODUCI L'AREA  DI BASE  (AB2)=");
        a = calc.ask("INTRODUCI L'APOTEMA  (a)=");
        h = calc.ask("INTRODUCI L'ALTEZZA  (h)=");
        f.area1();
        f.side2FromArea();
        f.perimeter1();
        f.perimeter2();
        f.apothem2();
        f.apothem1();
        f.areasAndVolume();
        calc.formula(
            kFormula,
            "(AB1=L1^2): (L2=SQR(AB2)): (P1=l1*4): (P2=l2*4): (A1=L1/2): (a2=l2/2): (AB2=l2^2): (AL=(P1+P2)*a/2):AT=1*AL+A1+A2: V=1/3°h*(A1+A2)+SQR(A1+A2)");
    } else if (calc.given({ "Check2", "Check3", "Check8", "Check12" })) {
        L2 = calc.ask("INTRODUCI L'AREA  DI BASE (L2)  =");
        AB1 = calc.ask("INTRODUCI L'AREA  DI BASE  (AB1)=");
        a = calc.ask("INTRODUCI L'APOTEMA  (a)=");
        h = calc.ask("INTRODUCI L'ALTEZZA  (h)=");
        f.area2();
        f.side1FromArea();
        f.perimeter1();
        f.perimeter2();
        f.apothem2();
        f.apothem1();
        f.areasAndVolume();
        calc.formula(
            kFormula,
            "(AB2=L2^2): (L1=SQR(AB1)): (P1=l1*4): (P2=l2*4): (A1=L1/2): (a2=l2/2): (AB2=l2^2): (AL=(P1+P2)*a/2):AT=1*AL+A1+A2: V=1/3°h*(A1+A2)+SQR(A1+A2)");
    } else {
        calc.insufficient();
    }

    calc.show("Label4(0)", L1);
    calc.show("Label4(1)", L2);
    calc.show("Label4(2)", h);
    calc.show("Label4(3)", P1);
    calc.show("Label4(4)", P2);
    calc.show("Label4(5)", a1);
    calc.show("Label4(6)", a2);
    calc.show("Label4(7)", a);
    calc.show("Label4(8)", AL);
    calc.show("Label4(9)", AT);
    calc.show("Label4(10)", V);
    calc.show("Label4(11)", AB1);
    calc.show("Label4(12)", AB2);
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
            {"Check1", "Lato di base (L1)"},
            {"Check2", "Lato di base (L2)"},
            {"Check3", "Altezza (h)"},
            {"Check4", "Perimetro di base (P1)"},
            {"Check5", "Perimetro di base (P2)"},
            {"Check6", "Apotema di base (a1)"},
            {"Check7", "Apotema di base (a2)"},
            {"Check8", "Apotema del tronco di prisma (a)"},
            {"Check9", "Area laterale (AL)"},
            {"Check10", "Area totala (AT)"},
            {"Check11", "Volume (V)"},
            {"Check12", "Area di Base (AB1)"},
            {"Check13", "Area di base (AB2)"},
        },
        .resultsHeading = {"Label2(2)", "Risultati"},
        .rows = {
            {"Label3(0)", "Lato di base (L1)        =", "Label4(0)"},
            {"Label3(1)", "Lato di base (L2)         =", "Label4(1)"},
            {"Label3(2)", "Altezza (h)                   =", "Label4(2)"},
            {"Label3(3)", "Perimetro di base (P1) =", "Label4(3)"},
            {"Label3(4)", "Perimetro di base (P2) =", "Label4(4)"},
            {"Label3(5)", "Apotema di base (a1) =", "Label4(5)"},
            {"Label3(6)", "Apotema  di base (a2) =", "Label4(6)"},
            {"Label3(7)", "Apotema del prisma (a)=", "Label4(7)"},
            {"Label3(8)", "Area Laterale (AL)       =", "Label4(8)"},
            {"Label3(9)", "Area Totale (AT)           =", "Label4(9)"},
            {"Label3(10)", "Volume (V)                   =", "Label4(10)"},
            {"Label7(0)", "Area di base (AB1)      =", "Label4(11)"},
            {"Label7(1)", "Area di base (AB2)      =", "Label4(12)"},
        },
        .formulaHeading = {"Label5", "Formule applicate"},
        .formulaLabels = {kFormula},
        .picture = {"Picture1", "tronco-piramide.svg"},
        .solvers = {{.name = "Command3", .steps = calcola}},
        .stampaButton = {"Command4", "Stampa"},
        .ritornaButton = {"Command2", "Ritorna"},
        .esciButton = {"Command1", "Esci"},
    };
}

} // namespace solids
