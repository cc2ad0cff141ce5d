// The pyramid on a rectangular base a x b: each case finds what is missing of
// a, b, the apothem a1 over the edges a, the height h and the lateral edge l;
// the closing steps work out the rest.
#include "pyramids.h"

namespace solids {

using namespace solver;

namespace {

void calcola(Calc &calc)
{
    Quantity a(calc, "a"), b(calc, "b"), a1(calc, "a1"), a2(calc, "a2"), h(calc, "h"), P(calc, "P"),
        l(calc, "l"), AB(calc, "AB"), AL(calc, "AL"), AT(calc, "AT"), V(calc, "V");

    // The lateral edge stands over the half edge a/2 of the face whose
    // apothem is a1.
    const auto lateralEdge = [&] { l = pow(pow(a / 2, 2) + pow(a1, 2), 0.5); };
    const auto areaAndPerimeter = [&] {
        AB = a * b;
        P = 2 * a + 2 * b;
    };

    if (calc.given({ "a", "b", "a1" })) {
        a = calc.ask("INTRODUCI LO SPIGOLO DI BASE (a)=");
        b = calc.ask("INTRODUCI LO SPIGOLO DI BASE (b)=");
        a1 = calc.ask("INTRODUCI L'APOTEMA (a1) =");
        areaAndPerimeter();
        h = pow(pow(a1, 2) - pow(b / 2, 2), 0.5);
        lateralEdge();
        calc.formula(
            " ( AB=a*b): (P=2*a+2*b):((AL=a*a1+b*a2): (AT=AL+AB): (h=SQR(a1^2-(b/2)^2)): (l=SQR((l/2)^2+a^2)): (V=AB*h/3)");
    } else if (calc.given({ "a", "b", "a2" })) {
        a = calc.ask("INTRODUCI LO SPIGOLO DI BASE (a)=");
        b = calc.ask("INTRODUCI LO SPIGOLO DI BASE (b)=");
        a2 = calc.ask("INTRODUCI L'APOTEMA (a2) =");
        areaAndPerimeter();
        h = pow(pow(a2, 2) - pow(a / 2, 2), 0.5);
        a1 = pow(pow(h, 2) + pow(b / 2, 2), 0.5);
        lateralEdge();
        calc.formula(
            " ( AB=a*b): (P=2*a+2*b): a1=SQR(a2^2-(b/2^2)): (AL=a*a1+b*a2): (AT=AL+AB): a1=SQR(a2^2-(b/2^2)): (h=SQR(a2^2-(a/2)^2)): (l=SQR((l/2)^2+a^2)): (V=AB*h/3)");
    } else if (calc.given({ "a", "b", "h" })) {
        a = calc.ask("INTRODUCI LO SPIGOLO DI BASE (a)=");
        b = calc.ask("INTRODUCI LO SPIGOLO DI BASE (b)=");
        h = calc.ask("INTRODUCI L'ALTEZZA (h) =");
        areaAndPerimeter();
        a1 = pow(pow(h, 2) + pow(b / 2, 2), 0.5);
        lateralEdge();
        calc.formula(
            " ( AB=a*b): (P=2*a+2*b): a1=SQR(h^2+(b/2^2)): (AL=a*a1+b*a2): (AT=AL+AB): a2=SQR(h^2+(a/2^2)): (l=SQR((l/2)^2+a^2)): (V=AB*h/3)");
    } else if (calc.given({ "a", "a1", "a2" })) {
        a = calc.ask("INTRODUCI LO SPIGOLO DI BASE (a)=");
        a1 = calc.ask("INTRODUCI L'APOTEMA (a1)=");
        a2 = calc.ask("INTRODUCI L'apotema (a2) =");
        h = pow(pow(a2, 2) - pow(a / 2, 2), 0.5);
        b = 2 * pow(pow(a1, 2) - pow(h, 2), 0.5);
        lateralEdge();
        calc.formula(
            " (h=SQR(a2^2-(a/2)^2)): (b=2*SQR(a1^2-h^2)): ( AB=a*b): (P=2*a+2*b): (AL=a*a1+b*a2): (AT=AL+AB): (l=SQR((l/2)^2+a^2)): (V=AB*h/3)");
    } else if (calc.given({ "b", "a1", "a2" })) {
        b = calc.ask("INTRODUCI LO SPIGOLO DI BASE (b)=");
        a1 = calc.ask("INTRODUCI L'APOTEMA (a1)=");
        a2 = calc.ask("INTRODUCI L'apotema (a2) =");
        h = pow(pow(a1, 2) - pow(b / 2, 2), 0.5);
        a = 2 * pow(pow(a2, 2) - pow(h, 2), 0.5);
        lateralEdge();
        calc.formula(
            " (h=SQR(a1^2-(b/2)^2)): (a=2*SQR(a2^2-h^2)): ( AB=a*b): (P=2*a+2*b): (AL=a*a1+b*a2): (AT=AL+AB): (l=SQR((l/2)^2+a^2)): (V=AB*h/3)");
    } else if (calc.given({ "h", "a1", "a2" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        a1 = calc.ask("INTRODUCI L'APOTEMA (a1)=");
        a2 = calc.ask("INTRODUCI L'apotema (a2) =");
        b = 2 * pow(pow(a1, 2) - pow(h, 2), 0.5);
        a = 2 * pow(pow(a2, 2) - pow(h, 2), 0.5);
        lateralEdge();
        calc.formula(
            " (b=2*SQR(a1^2-h^2)): (a=2*SQR(a2^2-h^2)): ( AB=a*b): (P=2*a+2*b): (AL=a*a1+b*a2): (AT=AL+AB): (l=SQR((l/2)^2+a^2)): (V=AB*h/3)");
    } else if (calc.given({ "h", "a", "a1" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        a = calc.ask("INTRODUCI LO SPIGOLO DI BASE (a)=");
        a1 = calc.ask("INTRODUCI L'APOTEMA (a1) =");
        b = 2 * pow(pow(a1, 2) - pow(h, 2), 0.5);
        lateralEdge();
        calc.formula(
            " (b=SQR(a1^2-h^2)): (a2=SQR((a/2)^2+h^2)) : ( AB=a*b): (P=2*a+2*b): (AL=a*a1+b*a2): (AT=AL+AB): (l=SQR((l/2)^2+a^2)): (V=AB*h/3)");
    } else if (calc.given({ "h", "b", "a2" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        b = calc.ask("INTRODUCI LO SPIGOLO DI BASE (b)=");
        a2 = calc.ask("INTRODUCI L'APOTEMA (a2) =");
        a = 2 * pow(pow(a2, 2) - pow(h, 2), 0.5);
        a1 = pow(pow(h, 2) + pow(b / 2, 2), 0.5);
        lateralEdge();
        calc.formula(
            " (a=SQR(a2^2-h^2)): (a1=SQR(h^2+(b/2)^2)): (AB=a*b): (P=2*a+2*b): (AL=a*a1+b*a2): (AT=AL+AB): (l=SQR((l/2)^2+a^2)): (V=AB*h/3)");
    } else if (calc.given({ "a", "h", "P" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        a = calc.ask("INTRODUCI LO SPIGOLO DI BASE (a)=");
        P = calc.ask("INTRODUCI IL PERIMETRO DI BASE (P) =");
        b = (P - 2 * a) / 2;
        a1 = pow(pow(h, 2) + pow(b / 2, 2), 0.5);
        a2 = pow(pow(h, 2) + pow(a / 2, 2), 0.5);
        lateralEdge();
        calc.formula(
            " (b=(P-2*a)/2): (a1=SQR(h^2+(b/2)^2)): (a2=SQR(h^2+(a/2)^2)):(AB=a*b): (AL=a*a1+b*a2): (AT=AL+AB): (l=SQR((l/2)^2+a^2)): (V=AB*h/3)");
    } else if (calc.given({ "a1", "h", "P" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        a1 = calc.ask("INTRODUCI L'APOTEMA (a1)=");
        P = calc.ask("INTRODUCI IL PERIMETRO DI BASE (P) =");
        b = 2 * pow(pow(a1, 2) - pow(h, 2), 0.5);
        a = (P - 2 * b) / 2;
        a2 = pow(pow(h, 2) + pow(a / 2, 2), 0.5);
        lateralEdge();
        calc.formula(
            " (b=2*SQR(a1^2-h^2)): (a2=SQR(h^2+(a/2)^2)):(AB=a*b): (AL=a*a1+b*a2): (AT=AL+AB): (l=SQR((l/2)^2+a^2)): (V=AB*h/3)");
    } else if (calc.given({ "a", "h", "AB" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        a = calc.ask("INTRODUCI LO SPIGOLO DI BASE (a)=");
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB) =");
        b = AB / a;
        P = 2 * a + 2 * b;
        a1 = pow(pow(h, 2) + pow(b / 2, 2), 0.5);
        a2 = pow(pow(h, 2) + pow(a / 2, 2), 0.5);
        lateralEdge();
        calc.formula(
            " (b=AB/a):(a1=SQR(h^2+(b/2)^2)):  (a2=SQR(h^2+(a/2)^2)): (AL=a*a1+b*a2): (AT=AL+AB): (l=SQR((l/2)^2+a^2)): (V=AB*h/3)");
    } else if (calc.given({ "a1", "h", "AB" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        a1 = calc.ask("INTRODUCI L'APOTEMA (a1)=");
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB) =");
        b = 2 * pow(pow(a1, 2) - pow(h, 2), 0.5);
        a = AB / b;
        P = 2 * a + 2 * b;
        a2 = pow(pow(h, 2) + pow(a / 2, 2), 0.5);
        lateralEdge();
        calc.formula(
            " (b=2*SQR(a1^2-h^2)):( a=AB/b):  (a2=SQR(h^2+(a/2)^2)):  (P=2*a+2*b): (AL=a*a1+b*a2): (AT=AL+AB): (l=SQR((l/2)^2+a^2)): (V=AB*h/3)");
    } else if (calc.given({ "a", "V", "AB" })) {
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        a = calc.ask("INTRODUCI LO SPIGOLO DI BASE (a)=");
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB) =");
        b = AB / a;
        h = 3 * V / AB;
        P = 2 * a + 2 * b;
        a1 = pow(pow(b / 2, 2) + pow(h, 2), 0.5);
        lateralEdge();
        calc.formula(
            " (b=AB/a):( h=3*V/AB):(a1=(b/2)^2+h^2):  (a2=SQR(h^2+(a/2)^2)):  (P=2*a+2*b): (AL=a*a1+b*a2): (AT=AL+AB): (l=SQR((l/2)^2+a^2))");
    } else if (calc.given({ "a", "h", "V" })) {
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        a = calc.ask("INTRODUCI LO SPIGOLO DI BASE (a)=");
        h = calc.ask("INTRODUCI L'ALTEZZA (h) =");
        AB = 3 * V / h;
        b = AB / a;
        P = 2 * a + 2 * b;
        a1 = pow(pow(b / 2, 2) + pow(h, 2), 0.5);
        lateralEdge();
        calc.formula(
            " (AB=3*V/h):(b=AB/a):(a1=(b/2)^2+h^2):  (a2=SQR(h^2+(a/2)^2)):  (P=2*a+2*b): (AL=a*a1+b*a2): (AT=AL+AB): (l=SQR((l/2)^2+a^2))");
    } else if (calc.given({ "a", "h", "l" })) {
        l = calc.ask("INTRODUCI LO SPIGOLO LATERALE (l)=");
        a = calc.ask("INTRODUCI LO SPIGOLO DI BASE (a)=");
        h = calc.ask("INTRODUCI L'ALTEZZA (h) =");
        a1 = pow(pow(l, 2) - pow(a / 2, 2), 0.5);
        b = 2 * pow(pow(a1, 2) - pow(h, 2), 0.5);
        P = 2 * a + 2 * b;
        calc.formula(
            "(a1=(b/2)^2+h^2): b=SQR(a1^2-h^2): (a2=SQR(h^2+(a/2)^2)):  (P=2*a+2*b): (AL=a*a1+b*a2): (AT=AL+AB): (V=AB*h/3)");
    } else if (calc.given({ "a1", "a2", "l" })) {
        l = calc.ask("INTRODUCI LO SPIGOLO LATERALE (l)=");
        a1 = calc.ask("INTRODUCI L'APOTEMA (a1)=");
        a2 = calc.ask("INTRODUCI L'APOTEMA (a2) =");
        b = 2 * pow(pow(l, 2) - pow(a2, 2), 0.5);
        a = 2 * pow(pow(l, 2) - pow(a1, 2), 0.5);
        h = pow(pow(a1, 2) - pow(b / 2, 2), 0.5);
        calc.formula(
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

    calc.show("a", a);
    calc.show("b", b);
    calc.show("a1", a1);
    calc.show("a2", a2);
    calc.show("h", h);
    calc.show("P", P);
    calc.show("l", l);
    calc.show("AB", AB);
    calc.show("AL", AL);
    calc.show("AT", AT);
    calc.show("V", V);
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
            {"Check1", "Spigolo di base (a)", "a"},
            {"Check7", "Spigolo di base (b)", "b"},
            {"Check2", "apotema1 (a1)", "a1"},
            {"Check8", "apotema2 (a2)", "a2"},
            {"Check3", "altezza (h)", "h"},
            {"Check5", "Perimetro (P) ", "P"},
            {"Check10", "Spigolo laterale (l)", "l"},
            {"Check11", "Area di base (AB)", "AB"},
            {"Check9", "Area Laterale (AL)", "AL"},
            {"Check4", "Area Totale (AT)", "AT"},
            {"Check6", "Volume (V)", "V"},
        },
        .resultsHeading = {"Label2", "Risultati"},
        .rows = {
            {"Label3(0)", "Spigolo di base (a) =", "Label3(13)", "a"},
            {"Label3(1)", "Spigolo di base (b) =", "Label3(11)", "b"},
            {"Label3(2)", "Apotema 1 (a1)      =", "Label3(12)", "a1"},
            {"Label3(3)", "Apotema 2 (a2)      =", "Label3(14)", "a2"},
            {"Label3(4)", "Altezza (h)              =", "Label3(15)", "h"},
            {"Label3(5)", "Perimetro (P)          =", "Label3(16)", "P"},
            {"Label3(6)", "Spigolo laterale (l)  =", "Label3(17)", "l"},
            {"Label3(7)", "Area di base (AB)  =", "Label3(18)", "AB"},
            {"Label3(8)", "Area Laterale (AL) =", "Label3(19)", "AL"},
            {"Label3(9)", "Area Totale (AT)    =", "Label3(20)", "AT"},
            {"Label3(10)", "Volume (V)            =", "Label3(21)", "V"},
        },
        .quantities = {
            {"a", Kind::Length}, {"b", Kind::Length}, {"a1", Kind::Length}, {"a2", Kind::Length},
            {"h", Kind::Length}, {"P", Kind::Length}, {"l", Kind::Length}, {"AB", Kind::Area},
            {"AL", Kind::Area}, {"AT", Kind::Area}, {"V", Kind::Volume},
        },
        .formulaHeading = {"Label5", "Formule applicate"},
        .formulaLabels = {"Label6"},
        .picture = {"Picture2", "piramide-rettangolare.svg"},
        .solvers = {{.name = "Command3", .steps = calcola}},
        .stampaButton = {"Command4", "Stampa"},
        .ritornaButton = {"Command2", "Ritorna"},
        .esciButton = {"Command1", "Esci"},
        .figure = {.shape = geometry::Shape::RectangularPyramid,
                   .dimensions = {"a", "b", "h"},
                   .marks = {{"a", "length"}, {"b", "width"}, {"a1", "lengthSlant"},
                             {"a2", "widthSlant"}, {"h", "height"}, {"l", "lateralEdge"}}},
    };
}

} // namespace solids
