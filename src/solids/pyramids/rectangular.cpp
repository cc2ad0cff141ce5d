// The pyramid on a rectangular base a x b: each case finds what is missing of
// a, b, the apothem a1 over the edges a, the height h and the lateral edge l;
// the closing steps work out the rest.
#include "pyramids.h"

namespace solids {

using namespace solver;

namespace {

const char *const kFormula = "Label6";

void calcola(Calc &calc)
{
    Value a, b, a1, a2, h, P, l, AB, AL, AT, V;

    // The lateral edge stands over the half edge a/2 of the face whose
    // apothem is a1.
    const auto lateralEdge = [&] { l = pow(pow(a / 2, 2) + pow(a1, 2), 0.5); };
    const auto areaAndPerimeter = [&] {
        AB = a * b;
        P = 2 * a + 2 * b;
    };

    if (calc.given({ "Check1", "Check7", "Check2" })) {
        a = calc.ask("INTRODUCI LO SPIGOLO DI BASE (a)=");
        b = calc.ask("INTRODUCI LO SPIGOLO DI BASE (b)=");
        a1 = calc.ask("INTRODUCI L'APOTEMA (a1) =");
        areaAndPerimeter();
        h = pow(pow(a1, 2) - pow(b / 2, 2), 0.5);
        lateralEdge();
        calc.formula(
            kFormula,
            " ( AB=a*b): (P=2*a+2*b):((AL=a*a1+b*a2): (AT=AL+AB): (h=SQR(a1^2-(b/2)^2)): (l=SQR((l/2)^2+a^2)): (V=AB*h/3)");
    } else if (calc.given({ "Check1", "Check7", "Check8" })) {
        a = calc.ask("INTRODUCI LO SPIGOLO DI BASE (a)=");
        b = calc.ask("INTRODUCI LO SPIGOLO DI BASE (b)=");
        a2 = calc.ask("INTRODUCI L'APOTEMA (a2) =");
        areaAndPerimeter();
        h = pow(pow(a2, 2) - pow(a / 2, 2), 0.5);
        a1 = pow(pow(h, 2) + pow(b / 2, 2), 0.5);
        lateralEdge();
        calc.formula(
            kFormula,
            " ( AB=a*b): (P=2*a+2*b): a1=SQR(a2^2-(b/2^2)): (AL=a*a1+b*a2): (AT=AL+AB): a1=SQR(a2^2-(b/2^2)): (h=SQR(a2^2-(a/2)^2)): (l=SQR((l/2)^2+a^2)): (V=AB*h/3)");
    } else if (calc.given({ "Check1", "Check7", "Check3" })) {
        a = calc.ask("INTRODUCI LO SPIGOLO DI BASE (a)=");
        b = calc.ask("INTRODUCI LO SPIGOLO DI BASE (b)=");
        h = calc.ask("INTRODUCI L'ALTEZZA (h) =");
        areaAndPerimeter();
        a1 = pow(pow(h, 2) + pow(b / 2, 2), 0.5);
        lateralEdge();
        calc.formula(
            kFormula,
            " ( AB=a*b): (P=2*a+2*b): a1=SQR(h^2+(b/2^2)): (AL=a*a1+b*a2): (AT=AL+AB): a2=SQR(h^2+(a/2^2)): (l=SQR((l/2)^2+a^2)): (V=AB*h/3)");
    } else if (calc.given({ "Check1", "Check2", "Check8" })) {
        a = calc.ask("INTRODUCI LO SPIGOLO DI BASE (a)=");
        a1 = calc.ask("INTRODUCI L'APOTEMA (a1)=");
        a2 = calc.ask("INTRODUCI L'apotema (a2) =");
        h = pow(pow(a2, 2) - pow(a / 2, 2), 0.5);
        b = 2 * pow(pow(a1, 2) - pow(h, 2), 0.5);
        lateralEdge();
        calc.formula(
            kFormula,
            " (h=SQR(a2^2-(a/2)^2)): (b=2*SQR(a1^2-h^2)): ( AB=a*b): (P=2*a+2*b): (AL=a*a1+b*a2): (AT=AL+AB): (l=SQR((l/2)^2+a^2)): (V=AB*h/3)");
    } else if (calc.given({ "Check7", "Check2", "Check8" })) {
        b = calc.ask("INTRODUCI LO SPIGOLO DI BASE (b)=");
        a1 = calc.ask("INTRODUCI L'APOTEMA (a1)=");
        a2 = calc.ask("INTRODUCI L'apotema (a2) =");
        h = pow(pow(a1, 2) - pow(b / 2, 2), 0.5);
        a = 2 * pow(pow(a2, 2) - pow(h, 2), 0.5);
        lateralEdge();
        calc.formula(
            kFormula,
            " (h=SQR(a1^2-(b/2)^2)): (a=2*SQR(a2^2-h^2)): ( AB=a*b): (P=2*a+2*b): (AL=a*a1+b*a2): (AT=AL+AB): (l=SQR((l/2)^2+a^2)): (V=AB*h/3)");
    } else if (calc.given({ "Check3", "Check2", "Check8" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        a1 = calc.ask("INTRODUCI L'APOTEMA (a1)=");
        a2 = calc.ask("INTRODUCI L'apotema (a2) =");
        b = 2 * pow(pow(a1, 2) - pow(h, 2), 0.5);
        a = 2 * pow(pow(a2, 2) - pow(h, 2), 0.5);
        lateralEdge();
        calc.formula(
            kFormula,
            " (b=2*SQR(a1^2-h^2)): (a=2*SQR(a2^2-h^2)): ( AB=a*b): (P=2*a+2*b): (AL=a*a1+b*a2): (AT=AL+AB): (l=SQR((l/2)^2+a^2)): (V=AB*h/3)");
    } else if (calc.given({ "Check3", "Check1", "Check2" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        a = calc.ask("INTRODUCI LO SPIGOLO DI BASE (a)=");
        a1 = calc.ask("INTRODUCI L'APOTEMA (a1) =");
        b = 2 * pow(pow(a1, 2) - pow(h, 2), 0.5);
        lateralEdge();
        calc.formula(
            kFormula,
            " (b=SQR(a1^2-h^2)): (a2=SQR((a/2)^2+h^2)) : ( AB=a*b): (P=2*a+2*b): (AL=a*a1+b*a2): (AT=AL+AB): (l=SQR((l/2)^2+a^2)): (V=AB*h/3)");
    } else if (calc.given({ "Check3", "Check7", "Check8" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        b = calc.ask("INTRODUCI LO SPIGOLO DI BASE (b)=");
        a2 = calc.ask("INTRODUCI L'APOTEMA (a2) =");
        a = 2 * pow(pow(a2, 2) - pow(h, 2), 0.5);
        a1 = pow(pow(h, 2) + pow(b / 2, 2), 0.5);
        lateralEdge();
        calc.formula(
            kFormula,
            " (a=SQR(a2^2-h^2)): (a1=SQR(h^2+(b/2)^2)): (AB=a*b): (P=2*a+2*b): (AL=a*a1+b*a2): (AT=AL+AB): (l=SQR((l/2)^2+a^2)): (V=AB*h/3)");
    } else if (calc.given({ "Check1", "Check3", "Check5" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        a = calc.ask("INTRODUCI LO SPIGOLO DI BASE (a)=");
        P = calc.ask("INTRODUCI IL PERIMETRO DI BASE (P) =");
        b = (P - 2 * a) / 2;
        a1 = pow(pow(h, 2) + pow(b / 2, 2), 0.5);
        a2 = pow(pow(h, 2) + pow(a / 2, 2), 0.5);
        lateralEdge();
        calc.formula(
            kFormula,
            " (b=(P-2*a)/2): (a1=SQR(h^2+(b/2)^2)): (a2=SQR(h^2+(a/2)^2)):(AB=a*b): (AL=a*a1+b*a2): (AT=AL+AB): (l=SQR((l/2)^2+a^2)): (V=AB*h/3)");
    } else if (calc.given({ "Check2", "Check3", "Check5" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        a1 = calc.ask("INTRODUCI L'APOTEMA (a1)=");
        P = calc.ask("INTRODUCI IL PERIMETRO DI BASE (P) =");
        b = 2 * pow(pow(a1, 2) - pow(h, 2), 0.5);
        a = (P - 2 * b) / 2;
        a2 = pow(pow(h, 2) + pow(a / 2, 2), 0.5);
        lateralEdge();
        calc.formula(
            kFormula,
            " (b=2*SQR(a1^2-h^2)): (a2=SQR(h^2+(a/2)^2)):(AB=a*b): (AL=a*a1+b*a2): (AT=AL+AB): (l=SQR((l/2)^2+a^2)): (V=AB*h/3)");
    } else if (calc.given({ "Check1", "Check3", "Check11" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        a = calc.ask("INTRODUCI LO SPIGOLO DI BASE (a)=");
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB) =");
        b = AB / a;
        P = 2 * a + 2 * b;
        a1 = pow(pow(h, 2) + pow(b / 2, 2), 0.5);
        a2 = pow(pow(h, 2) + pow(a / 2, 2), 0.5);
        lateralEdge();
        calc.formula(
            kFormula,
            " (b=AB/a):(a1=SQR(h^2+(b/2)^2)):  (a2=SQR(h^2+(a/2)^2)): (AL=a*a1+b*a2): (AT=AL+AB): (l=SQR((l/2)^2+a^2)): (V=AB*h/3)");
    } else if (calc.given({ "Check2", "Check3", "Check11" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        a1 = calc.ask("INTRODUCI L'APOTEMA (a1)=");
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB) =");
        b = 2 * pow(pow(a1, 2) - pow(h, 2), 0.5);
        a = AB / b;
        P = 2 * a + 2 * b;
        a2 = pow(pow(h, 2) + pow(a / 2, 2), 0.5);
        lateralEdge();
        lateralEdge();
        calc.formula(
            kFormula,
            " (b=2*SQR(a1^2-h^2)):( a=AB/b):  (a2=SQR(h^2+(a/2)^2)):  (P=2*a+2*b): (AL=a*a1+b*a2): (AT=AL+AB): (l=SQR((l/2)^2+a^2)): (V=AB*h/3)");
    } else if (calc.given({ "Check1", "Check6", "Check11" })) {
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        a = calc.ask("INTRODUCI LO SPIGOLO DI BASE (a)=");
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB) =");
        b = AB / a;
        h = 3 * V / AB;
        P = 2 * a + 2 * b;
        a1 = pow(pow(b / 2, 2) + pow(h, 2), 0.5);
        lateralEdge();
        calc.formula(
            kFormula,
            " (b=AB/a):( h=3*V/AB):(a1=(b/2)^2+h^2):  (a2=SQR(h^2+(a/2)^2)):  (P=2*a+2*b): (AL=a*a1+b*a2): (AT=AL+AB): (l=SQR((l/2)^2+a^2))");
    } else if (calc.given({ "Check1", "Check3", "Check6" })) {
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        a = calc.ask("INTRODUCI LO SPIGOLO DI BASE (a)=");
        h = calc.ask("INTRODUCI L'ALTEZZA (h) =");
        AB = 3 * V / h;
        b = AB / a;
        P = 2 * a + 2 * b;
        a1 = pow(pow(b / 2, 2) + pow(h, 2), 0.5);
        lateralEdge();
        calc.formula(
            kFormula,
            " (AB=3*V/h):(b=AB/a):(a1=(b/2)^2+h^2):  (a2=SQR(h^2+(a/2)^2)):  (P=2*a+2*b): (AL=a*a1+b*a2): (AT=AL+AB): (l=SQR((l/2)^2+a^2))");
    } else if (calc.given({ "Check1", "Check3", "Check10" })) {
        l = calc.ask("INTRODUCI LO SPIGOLO LATERALE (l)=");
        a = calc.ask("INTRODUCI LO SPIGOLO DI BASE (a)=");
        h = calc.ask("INTRODUCI L'ALTEZZA (h) =");
        a1 = pow(pow(l, 2) - pow(a / 2, 2), 0.5);
        b = 2 * pow(pow(a1, 2) - pow(h, 2), 0.5);
        P = 2 * a + 2 * b;
        calc.formula(
            kFormula,
            "(a1=(b/2)^2+h^2): b=SQR(a1^2-h^2): (a2=SQR(h^2+(a/2)^2)):  (P=2*a+2*b): (AL=a*a1+b*a2): (AT=AL+AB): (V=AB*h/3)");
    } else if (calc.given({ "Check2", "Check8", "Check10" })) {
        l = calc.ask("INTRODUCI LO SPIGOLO LATERALE (l)=");
        a1 = calc.ask("INTRODUCI L'APOTEMA (a1)=");
        a2 = calc.ask("INTRODUCI L'APOTEMA (a2) =");
        b = 2 * pow(pow(l, 2) - pow(a2, 2), 0.5);
        a = 2 * pow(pow(l, 2) - pow(a1, 2), 0.5);
        h = pow(pow(a1, 2) - pow(b / 2, 2), 0.5);
        calc.formula(
            kFormula,
            "(b=2*SQR(l^2-a2^2): a=2*SQR(l^2-a1^2): (h=SQR(a1^2-(b/2)^2):  (P=2*a+2*b): (AL=a*a1+b*a2): (AT=AL+AB): (V=AB*h/3)");
    } else {
        calc.insufficient();
    }

    AB = a * b;
    P = 2 * a + 2 * b;
    a2 = pow(pow(a / 2, 2) + pow(h, 2), 0.5);
    AL = a * a1 + b * a2;
    AT = AL + AB;
    V = AB * h / 3;

    calc.show("Label3(13)", a);
    calc.show("Label3(11)", b);
    calc.show("Label3(12)", a1);
    calc.show("Label3(14)", a2);
    calc.show("Label3(15)", h);
    calc.show("Label3(16)", P);
    calc.show("Label3(17)", l);
    calc.show("Label3(18)", AB);
    calc.show("Label3(19)", AL);
    calc.show("Label3(20)", AT);
    calc.show("Label3(21)", V);
}

} // namespace

SolverScreen rectangularPyramid()
{
    return {
        .name = "Form7",
        .caption = "PIRAMIDE A BASE RETTANGOLARE",
        .parent = "form5",
        .knownHeading = {"Label1", "Cosa conosci ?"},
        .checks = {
            {"Check1", "Spigolo di base (a)"},
            {"Check7", "Spigolo di base (b)"},
            {"Check2", "apotema1 (a1)"},
            {"Check8", "apotema2 (a2)"},
            {"Check3", "altezza (h)"},
            {"Check5", "Perimetro (P) "},
            {"Check10", "Spigolo laterale (l)"},
            {"Check11", "Area di base (AB)"},
            {"Check9", "Area Laterale (AL)"},
            {"Check4", "Area Totale (AT)"},
            {"Check6", "Volume (V)"},
        },
        .resultsHeading = {"Label2", "Risultati"},
        .rows = {
            {"Label3(0)", "Spigolo di base (a) =", "Label3(13)"},
            {"Label3(1)", "Spigolo di base (b) =", "Label3(11)"},
            {"Label3(2)", "Apotema 1 (a1)      =", "Label3(12)"},
            {"Label3(3)", "Apotema 2 (a2)      =", "Label3(14)"},
            {"Label3(4)", "Altezza (h)              =", "Label3(15)"},
            {"Label3(5)", "Perimetro (P)          =", "Label3(16)"},
            {"Label3(6)", "Spigolo laterale (l)  =", "Label3(17)"},
            {"Label3(7)", "Area di base (AB)  =", "Label3(18)"},
            {"Label3(8)", "Area Laterale (AL) =", "Label3(19)"},
            {"Label3(9)", "Area Totale (AT)    =", "Label3(20)"},
            {"Label3(10)", "Volume (V)            =", "Label3(21)"},
        },
        .formulaHeading = {"Label5", "Formule applicate"},
        .formulaLabels = {kFormula},
        .picture = {"Picture2", "piramide-rettangolare.svg"},
        .solvers = {{.name = "Command3", .steps = calcola}},
        .stampaButton = {"Command4", "Stampa"},
        .ritornaButton = {"Command2", "Ritorna"},
        .esciButton = {"Command1", "Esci"},
    };
}

} // namespace solids
