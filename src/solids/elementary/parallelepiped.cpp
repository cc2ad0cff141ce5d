// The rectangular parallelepiped: three known quantities give the edges a, b
// and c; everything else is worked out from the edges.
#include "elementary.h"

namespace solids {

using namespace solver;

namespace {

void calcola(Calc &calc)
{
    Quantity a(calc, "a"), b(calc, "b"), c(calc, "c"), P(calc, "P"), AL(calc, "AL"), AT(calc, "AT"),
        V(calc, "V"), AB(calc, "AB"), d1(calc, "d1"), d2(calc, "d2");

    // The steps several cases share.
    const auto perimeter = [&] { P = 2 * a + 2 * b; };
    const auto heightFromLateral = [&] { c = AL / P; };
    const auto lateralArea = [&] { AL = P * c; };
    const auto baseArea = [&] { AB = a * b; };
    const auto totalArea = [&] { AT = AL + 2 * AB; };

    if (calc.given({ "a", "b", "c" })) {
        a = calc.ask("INTRODUCI IL LATO (a)  =");
        b = calc.ask("INTRODUCI IL LATO (b)=");
        c = calc.ask("INTRODUCI L'ALTEZZA (c)=");
        calc.formula(
            "(P=2*a+2*b):(AL=P*c): (AB=a*b): (AT=AL+2*AB): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (calc.given({ "a", "b", "AL" })) {
        a = calc.ask("INTRODUCI IL LATO (a)  =");
        b = calc.ask("INTRODUCI IL LATO (b)=");
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        perimeter();
        heightFromLateral();
        calc.formula(
            "(P=2*a+2*b):(c=AL/P): (AB=a*b): (AT=AL+2*AB): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (calc.given({ "a", "c", "AL" })) {
        a = calc.ask("INTRODUCI IL LATO (a)  =");
        c = calc.ask("INTRODUCI L'ALTEZZA (c)=");
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        P = AL / c;
        b = (P - 2 * a) / 2;
        calc.formula(
            "(P=AL/c):(b=(P-2*a)/2): (AB=a*b): (AT=AL+2*AB): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (calc.given({ "b", "c", "AL" })) {
        b = calc.ask("INTRODUCI IL LATO (b)  =");
        c = calc.ask("INTRODUCI L'ALTEZZA (c)=");
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        P = AL / c;
        a = (P - 2 * b) / 2;
        calc.formula(
            "(P=AL/c):(a=(P-2*b)/2): (AB=a*b): (AT=AL+2*AB): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (calc.given({ "a", "c", "d1" })) {
        a = calc.ask("INTRODUCI IL LATO (a)  =");
        c = calc.ask("INTRODUCI L'ALTEZZA (c)=");
        d1 = calc.ask("INTRODUCI LA DIAGONALE (d1)=");
        b = pow(pow(d1, 2) - pow(a, 2), 0.5);
        calc.formula(
            "(b=SQR(d1^2-a^2)):(P=2*a+2*b) (AB=a*b): (AL=p*c): (AT=AL+2*AB): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (calc.given({ "b", "c", "d1" })) {
        b = calc.ask("INTRODUCI IL LATO (b)  =");
        c = calc.ask("INTRODUCI L'ALTEZZA (c)=");
        d1 = calc.ask("INTRODUCI LA DIAGONALE (d1)=");
        a = pow(pow(d1, 2) - pow(b, 2), 0.5);
        calc.formula(
            "(a=SQR(d1^2-b^2)):(P=2*a+2*b) (AB=a*b): (AL=p*c): (AT=AL+2*AB): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (calc.given({ "a", "d1", "d2" })) {
        a = calc.ask("INTRODUCI IL LATO (a)  =");
        d1 = calc.ask("INTRODUCI LA DIAGONALE (d1)=");
        d2 = calc.ask("INTRODUCI LA DIAGONALE (d2)=");
        b = pow(pow(d1, 2) - pow(a, 2), 0.5);
        c = pow(pow(d2, 2) - pow(d1, 2), 0.5);
        calc.formula(
            "(b=SQR(d1^2-a^2)):(c=SQR(d2^2-d1^2)): (P=2*a+2*b): (AB=a*b): (AL=p*c): (AT=AL+2*AB):(V=a+b*c)");
    } else if (calc.given({ "b", "d1", "d2" })) {
        b = calc.ask("INTRODUCI IL LATO (b)  =");
        d1 = calc.ask("INTRODUCI LA DIAGONALE (d1)=");
        d2 = calc.ask("INTRODUCI LA DIAGONALE (d2)=");
        a = pow(pow(d1, 2) - pow(b, 2), 0.5);
        c = pow(pow(d2, 2) - pow(d1, 2), 0.5);
        calc.formula(
            "(a=SQR(d1^2-b^2)):(c=SQR(d2^2-d1^2)): (P=2*a+2*b): (AB=a*b): (AL=p*c): (AT=AL+2*AB):(V=a+b*c)");
    } else if (calc.given({ "b", "P", "AL" })) {
        b = calc.ask("INTRODUCI IL LATO (b)  =");
        P = calc.ask("INTRODUCI IL PERIMETRO (P)=");
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        heightFromLateral();
        a = (P - 2 * b) / 2;
        calc.formula(
            "(a=(P-2*b)/2):(c=AL/P): (AB=a*b):(d1=SQR(a^2+b^2): (d2=SQR(d1^2+c^2)): (AT=AL+2*AB):(V=a+b*c)");
    } else if (calc.given({ "a", "P", "AL" })) {
        a = calc.ask("INTRODUCI IL LATO (a)  =");
        P = calc.ask("INTRODUCI IL PERIMETRO (P)=");
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        heightFromLateral();
        b = (P - 2 * a) / 2;
        calc.formula(
            "(b=(P-2*a)/2):(c=AL/P): (AB=a*b):(d1=SQR(a^2+b^2): (d2=SQR(d1^2+c^2)): (AT=AL+2*AB):(V=a+b*c)");
    } else if (calc.given({ "b", "AB", "AL" })) {
        b = calc.ask("INTRODUCI IL LATO DI BASE (b)  =");
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)=");
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        a = AB / b;
        P = 2 * b + 2 * a;
        heightFromLateral();
        calc.formula(
            "(a=AB/b): (P=2*a+2*b): (c=AL/P): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)): (AT=AL+2*AB):(V=a+b*c)");
    } else if (calc.given({ "a", "AB", "AL" })) {
        a = calc.ask("INTRODUCI IL LATO DI BASE (a)  =");
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)=");
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        b = AB / a;
        P = 2 * b + 2 * a;
        heightFromLateral();
        calc.formula(
            "(b=AB/a): (P=2*a+2*b): (c=AL/P): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)): (AT=AL+2*AB):(V=a+b*c)");
    } else if (calc.given({ "a", "AB", "AT" })) {
        a = calc.ask("INTRODUCI IL LATO DI BASE (a)  =");
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)=");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        b = AB / a;
        P = 2 * b + 2 * a;
        AL = AT - 2 * AB;
        heightFromLateral();
        calc.formula(
            "(b=AB/a): (P=2*a+2*b):(AL=AT-2*AB): (c=AL/P): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)): (V=a+b*c)");
    } else if (calc.given({ "b", "AB", "AT" })) {
        b = calc.ask("INTRODUCI IL LATO DI BASE (b)  =");
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)=");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        a = AB / b;
        P = 2 * b + 2 * a;
        AL = AT - 2 * AB;
        heightFromLateral();
        calc.formula(
            "(a=AB/b): (P=2*a+2*b):  (AL=AT-2*AB):(c=AL/P): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (calc.given({ "a", "AL", "AT" })) {
        a = calc.ask("INTRODUCI IL LATO DI BASE (a)  =");
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        AB = (AT - AL) / 2;
        b = AB / a;
        P = 2 * b + 2 * a;
        heightFromLateral();
        calc.formula(
            "(AB=(AT-AL)/2): (b=AB/a): (P=2*a+2*b):(c=AL/P): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (calc.given({ "b", "AL", "AT" })) {
        b = calc.ask("INTRODUCI IL LATO DI BASE (b)  =");
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        AB = (AT - AL) / 2;
        a = AB / b;
        P = 2 * b + 2 * a;
        heightFromLateral();
        calc.formula(
            "(AB=(AT-AL)/2): (a=AB/b): (P=2*a+2*b):(c=AL/P): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (calc.given({ "a", "P", "AT" })) {
        a = calc.ask("INTRODUCI IL LATO DI BASE (a)  =");
        P = calc.ask("INTRODUCI IL PERIMETRO (P)=");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        b = (P - 2 * a) / 2;
        baseArea();
        AL = AT - 2 * AB;
        heightFromLateral();
        calc.formula(
            "(b=(P-2*a)/2): (AB=a*b): (AL=AT-2*AB):(c=AL/P): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (calc.given({ "b", "P", "AT" })) {
        b = calc.ask("INTRODUCI IL LATO DI BASE (b)  =");
        P = calc.ask("INTRODUCI IL PERIMETRO  (P)=");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        a = (P - 2 * b) / 2;
        baseArea();
        AL = AT - 2 * AB;
        heightFromLateral();
        calc.formula(
            "( (a=(P-2*b)/2): (AB=a*b):(AL=AT-2*AB): (c=AL/P): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (calc.given({ "a", "b", "V" })) {
        a = calc.ask("INTRODUCI IL LATO DI BASE (a)  =");
        b = calc.ask("INTRODUCI IL LATO DI BASE (b)=");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        baseArea();
        perimeter();
        c = V / AB;
        lateralArea();
        totalArea();
        calc.formula(
            "(AB=a*b): P=(2*a+2*b):(c=V/AB):(AL=P*c): (AT=AL+2*AB) (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2))");
    } else if (calc.given({ "a", "AB", "V" })) {
        a = calc.ask("INTRODUCI IL LATO DI BASE (a)  =");
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)=");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        b = AB / a;
        perimeter();
        c = V / AB;
        lateralArea();
        totalArea();
        calc.formula(
            "(b=AB/a): P=(2*a+2*b):(c=V/AB):(AL=P*c): (AT=AL+2*AB) (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2))");
    } else if (calc.given({ "b", "AB", "V" })) {
        b = calc.ask("INTRODUCI IL LATO DI BASE (b)  =");
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)=");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        a = AB / b;
        perimeter();
        c = V / AB;
        lateralArea();
        totalArea();
        calc.formula(
            "(a=AB/b): P=(2*a+2*b):(c=V/AB):(AL=P*c): (AT=AL+2*AB) (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2))");
    } else if (calc.given({ "b", "c", "AB" })) {
        b = calc.ask("INTRODUCI IL LATO DI BASE (b)  =");
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)=");
        c = calc.ask("INTRODUCI IL LATO  (c)=");
        a = AB / b;
        perimeter();
        lateralArea();
        totalArea();
        // This case shows the same text as the previous one.
        calc.formula(
            "(a=AB/b): P=(2*a+2*b):(c=V/AB):(AL=P*c): (AT=AL+2*AB) (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2))");
    } else {
        calc.insufficient();
    }

    perimeter();
    lateralArea();
    V = a * b * c;
    baseArea();
    totalArea();
    d1 = pow(pow(a, 2) + pow(b, 2), 0.5);
    d2 = pow(pow(d1, 2) + pow(c, 2), 0.5);

    calc.show("a", a);
    calc.show("b", b);
    calc.show("c", c);
    calc.show("AL", AL);
    calc.show("AT", AT);
    calc.show("d1", d1);
    calc.show("d2", d2);
    calc.show("P", P);
    calc.show("V", V);
    calc.show("AB", AB);
}

} // namespace

SolverScreen parallelepiped()
{
    return {
        .name = "form4",
        .caption = "PARALLELEPIPEDO",
        .parent = "Form1",
        .title = {"Label1(0)", "PARALLELEPIPEDO"},
        .knownHeading = {"Label1(1)", "Cosa conosci ?"},
        .checks = {
            {"Check1", "Lato di base (a)", "a"},
            {"Check2", "Lato di base (b)", "b"},
            {"Check3", "L'altezza (c)", "c"},
            {"Check4", "Diagonale (d1)", "d1"},
            {"Check5", "Diagonale (d2)", "d2"},
            {"Check6", "Perimetro di base (P)", "P"},
            {"Check7", "Area Laterale (AL)", "AL"},
            {"Check8", "Area Totale (AT)", "AT"},
            {"Check9", "Volume (V)", "V"},
            {"Check10", "Area di Base", "AB"},
        },
        .resultsHeading = {"Label2", "Risultati"},
        .rows = {
            {"Label3(0)", "Lato di base (a) =", "Label4(0)", "a"},
            {"Label3(1)", "Lato di base (b) =", "Label4(1)", "b"},
            {"Label3(2)", "Altezza (c)        =", "Label4(2)", "c"},
            {"Label3(3)", "Area Laterale (AL) =", "Label4(3)", "AL"},
            {"Label3(4)", "Area Totale (AT) =", "Label4(4)", "AT"},
            {"Label3(5)", "Diagonale (d1)=", "Label4(5)", "d1"},
            {"Label3(6)", "Diagonale (d2) =", "Label4(6)", "d2"},
            {"Label3(7)", "Perimetro di Base (P) =", "Label4(7)", "P"},
            {"Label3(8)", "Volume (V) =", "Label4(8)", "V"},
            {"Label3(9)", "Area di Base (AB) =", "Label4(9)", "AB"},
        },
        .quantities = {
            {"a", Kind::Length}, {"b", Kind::Length}, {"c", Kind::Length}, {"d1", Kind::Length},
            {"d2", Kind::Length}, {"P", Kind::Length}, {"AL", Kind::Area}, {"AT", Kind::Area},
            {"V", Kind::Volume}, {"AB", Kind::Area},
        },
        .formulaHeading = {"Label5", "Formule applicate"},
        .formulaLabels = {"Label6"},
        .picture = {"Picture1", "parallelepipedo.svg"},
        .solvers = {{.name = "Command3", .steps = calcola}},
        .stampaButton = {"Command4", "Stampa"},
        .ritornaButton = {"Command2", "Ritorna"},
        .esciButton = {"Command1", "Esci"},
        .figure = {.shape = geometry::Shape::Box,
                   .dimensions = {"a", "b", "c"},
                   .marks = {{"a", "length"}, {"b", "width"}, {"c", "height"},
                             {"d1", "baseDiagonal"}, {"d2", "diagonal"}}},
    };
}

} // namespace solids
