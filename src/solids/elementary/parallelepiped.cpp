// The rectangular parallelepiped: three known quantities give the edges a, b
// and c; everything else is worked out from the edges.
#include "elementary.h"

namespace solids {

using namespace solver;

namespace {

const char *const kFormula = "Label6";

void calcola(Calc &calc)
{
    Value a, b, c, P, AL, AT, V, AB, d1, d2;

    if (calc.given({ "Check1", "Check2", "Check3" })) {
        a = calc.ask("INTRODUCI IL LATO (a)  =");
        b = calc.ask("INTRODUCI IL LATO (b)=");
        c = calc.ask("INTRODUCI L'ALTEZZA (c)=");
        calc.formula(
            kFormula,
            "(P=2*a+2*b):(AL=P*c): (AB=a*b): (AT=AL+2*AB): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (calc.given({ "Check1", "Check2", "Check7" })) {
        a = calc.ask("INTRODUCI IL LATO (a)  =");
        b = calc.ask("INTRODUCI IL LATO (b)=");
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        P = 2 * a + 2 * b;
        c = AL / P;
        calc.formula(
            kFormula,
            "(P=2*a+2*b):(c=AL/P): (AB=a*b): (AT=AL+2*AB): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (calc.given({ "Check1", "Check3", "Check7" })) {
        a = calc.ask("INTRODUCI IL LATO (a)  =");
        c = calc.ask("INTRODUCI L'ALTEZZA (c)=");
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        P = AL / c;
        b = (P - 2 * a) / 2;
        calc.formula(
            kFormula,
            "(P=AL/c):(b=(P-2*a)/2): (AB=a*b): (AT=AL+2*AB): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (calc.given({ "Check2", "Check3", "Check7" })) {
        b = calc.ask("INTRODUCI IL LATO (b)  =");
        c = calc.ask("INTRODUCI L'ALTEZZA (c)=");
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        P = AL / c;
        a = (P - 2 * b) / 2;
        calc.formula(
            kFormula,
            "(P=AL/c):(a=(P-2*b)/2): (AB=a*b): (AT=AL+2*AB): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (calc.given({ "Check1", "Check3", "Check4" })) {
        a = calc.ask("INTRODUCI IL LATO (a)  =");
        c = calc.ask("INTRODUCI L'ALTEZZA (c)=");
        d1 = calc.ask("INTRODUCI LA DIAGONALE (d1)=");
        b = pow(pow(d1, 2) - pow(a, 2), 0.5);
        calc.formula(
            kFormula,
            "(b=SQR(d1^2-a^2)):(P=2*a+2*b) (AB=a*b): (AL=p*c): (AT=AL+2*AB): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (calc.given({ "Check2", "Check3", "Check4" })) {
        b = calc.ask("INTRODUCI IL LATO (b)  =");
        c = calc.ask("INTRODUCI L'ALTEZZA (c)=");
        d1 = calc.ask("INTRODUCI LA DIAGONALE (d1)=");
        a = pow(pow(d1, 2) - pow(b, 2), 0.5);
        calc.formula(
            kFormula,
            "(a=SQR(d1^2-b^2)):(P=2*a+2*b) (AB=a*b): (AL=p*c): (AT=AL+2*AB): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (calc.given({ "Check1", "Check4", "Check5" })) {
        a = calc.ask("INTRODUCI IL LATO (a)  =");
        d1 = calc.ask("INTRODUCI LA DIAGONALE (d1)=");
        d2 = calc.ask("INTRODUCI LA DIAGONALE (d2)=");
        b = pow(pow(d1, 2) - pow(a, 2), 0.5);
        c = pow(pow(d2, 2) - pow(d1, 2), 0.5);
        calc.formula(
            kFormula,
            "(b=SQR(d1^2-a^2)):(c=SQR(d2^2-d1^2)): (P=2*a+2*b): (AB=a*b): (AL=p*c): (AT=AL+2*AB):(V=a+b*c)");
    } else if (calc.given({ "Check2", "Check4", "Check5" })) {
        b = calc.ask("INTRODUCI IL LATO (b)  =");
        d1 = calc.ask("INTRODUCI LA DIAGONALE (d1)=");
        d2 = calc.ask("INTRODUCI LA DIAGONALE (d2)=");
        a = pow(pow(d1, 2) - pow(b, 2), 0.5);
        c = pow(pow(d2, 2) - pow(d1, 2), 0.5);
        calc.formula(
            kFormula,
            "(a=SQR(d1^2-b^2)):(c=SQR(d2^2-d1^2)): (P=2*a+2*b): (AB=a*b): (AL=p*c): (AT=AL+2*AB):(V=a+b*c)");
    } else if (calc.given({ "Check2", "Check6", "Check7" })) {
        b = calc.ask("INTRODUCI IL LATO (b)  =");
        P = calc.ask("INTRODUCI IL PERIMETRO (P)=");
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        c = AL / P;
        a = (P - 2 * b) / 2;
        calc.formula(
            kFormula,
            "(a=(P-2*b)/2):(c=AL/P): (AB=a*b):(d1=SQR(a^2+b^2): (d2=SQR(d1^2+c^2)): (AT=AL+2*AB):(V=a+b*c)");
    } else if (calc.given({ "Check1", "Check6", "Check7" })) {
        a = calc.ask("INTRODUCI IL LATO (a)  =");
        P = calc.ask("INTRODUCI IL PERIMETRO (P)=");
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        c = AL / P;
        b = (P - 2 * a) / 2;
        calc.formula(
            kFormula,
            "(b=(P-2*a)/2):(c=AL/P): (AB=a*b):(d1=SQR(a^2+b^2): (d2=SQR(d1^2+c^2)): (AT=AL+2*AB):(V=a+b*c)");
    } else if (calc.given({ "Check2", "Check10", "Check7" })) {
        b = calc.ask("INTRODUCI IL LATO DI BASE (b)  =");
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)=");
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        a = AB / b;
        P = 2 * b + 2 * a;
        c = AL / P;
        calc.formula(
            kFormula,
            "(a=AB/b): (P=2*a+2*b): (c=AL/P): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)): (AT=AL+2*AB):(V=a+b*c)");
    } else if (calc.given({ "Check1", "Check10", "Check7" })) {
        a = calc.ask("INTRODUCI IL LATO DI BASE (a)  =");
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)=");
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        b = AB / a;
        P = 2 * b + 2 * a;
        c = AL / P;
        calc.formula(
            kFormula,
            "(b=AB/a): (P=2*a+2*b): (c=AL/P): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)): (AT=AL+2*AB):(V=a+b*c)");
    } else if (calc.given({ "Check1", "Check10", "Check8" })) {
        a = calc.ask("INTRODUCI IL LATO DI BASE (a)  =");
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)=");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        b = AB / a;
        P = 2 * b + 2 * a;
        AL = AT - 2 * AB;
        c = AL / P;
        calc.formula(
            kFormula,
            "(b=AB/a): (P=2*a+2*b):(AL=AT-2*AB): (c=AL/P): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)): (V=a+b*c)");
    } else if (calc.given({ "Check2", "Check10", "Check8" })) {
        b = calc.ask("INTRODUCI IL LATO DI BASE (b)  =");
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)=");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        a = AB / b;
        P = 2 * b + 2 * a;
        AL = AT - 2 * AB;
        c = AL / P;
        calc.formula(
            kFormula,
            "(a=AB/b): (P=2*a+2*b):  (AL=AT-2*AB):(c=AL/P): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (calc.given({ "Check1", "Check7", "Check8" })) {
        a = calc.ask("INTRODUCI IL LATO DI BASE (a)  =");
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        AB = (AT - AL) / 2;
        b = AB / a;
        P = 2 * b + 2 * a;
        c = AL / P;
        calc.formula(
            kFormula,
            "(AB=(AT-AL)/2): (b=AB/a): (P=2*a+2*b):(c=AL/P): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (calc.given({ "Check2", "Check7", "Check8" })) {
        b = calc.ask("INTRODUCI IL LATO DI BASE (b)  =");
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        AB = (AT - AL) / 2;
        a = AB / b;
        P = 2 * b + 2 * a;
        c = AL / P;
        calc.formula(
            kFormula,
            "(AB=(AT-AL)/2): (a=AB/b): (P=2*a+2*b):(c=AL/P): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (calc.given({ "Check1", "Check6", "Check8" })) {
        a = calc.ask("INTRODUCI IL LATO DI BASE (a)  =");
        P = calc.ask("INTRODUCI IL PERIMETRO (P)=");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        b = (P - 2 * a) / 2;
        AB = a * b;
        AL = AT - 2 * AB;
        c = AL / P;
        calc.formula(
            kFormula,
            "(b=(P-2*a)/2): (AB=a*b): (AL=AT-2*AB):(c=AL/P): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (calc.given({ "Check2", "Check6", "Check8" })) {
        b = calc.ask("INTRODUCI IL LATO DI BASE (b)  =");
        P = calc.ask("INTRODUCI IL PERIMETRO  (P)=");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        a = (P - 2 * b) / 2;
        AB = a * b;
        AL = AT - 2 * AB;
        c = AL / P;
        calc.formula(
            kFormula,
            "( (a=(P-2*b)/2): (AB=a*b):(AL=AT-2*AB): (c=AL/P): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (calc.given({ "Check1", "Check2", "Check9" })) {
        a = calc.ask("INTRODUCI IL LATO DI BASE (a)  =");
        b = calc.ask("INTRODUCI IL LATO DI BASE (b)=");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        AB = a * b;
        P = 2 * a + 2 * b;
        c = V / AB;
        AL = P * c;
        AT = AL + 2 * AB;
        calc.formula(
            kFormula,
            "(AB=a*b): P=(2*a+2*b):(c=V/AB):(AL=P*c): (AT=AL+2*AB) (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2))");
    } else if (calc.given({ "Check1", "Check10", "Check9" })) {
        a = calc.ask("INTRODUCI IL LATO DI BASE (a)  =");
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)=");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        b = AB / a;
        P = 2 * a + 2 * b;
        c = V / AB;
        AL = P * c;
        AT = AL + 2 * AB;
        calc.formula(
            kFormula,
            "(b=AB/a): P=(2*a+2*b):(c=V/AB):(AL=P*c): (AT=AL+2*AB) (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2))");
    } else if (calc.given({ "Check2", "Check10", "Check9" })) {
        b = calc.ask("INTRODUCI IL LATO DI BASE (b)  =");
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)=");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        a = AB / b;
        P = 2 * a + 2 * b;
        c = V / AB;
        AL = P * c;
        AT = AL + 2 * AB;
        calc.formula(
            kFormula,
            "(a=AB/b): P=(2*a+2*b):(c=V/AB):(AL=P*c): (AT=AL+2*AB) (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2))");
    } else if (calc.given({ "Check2", "Check3", "Check10" })) {
        b = calc.ask("INTRODUCI IL LATO DI BASE (b)  =");
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)=");
        c = calc.ask("INTRODUCI IL LATO  (c)=");
        a = AB / b;
        P = 2 * a + 2 * b;
        AL = P * c;
        AT = AL + 2 * AB;
        // This case shows the same text as the previous one.
        calc.formula(
            kFormula,
            "(a=AB/b): P=(2*a+2*b):(c=V/AB):(AL=P*c): (AT=AL+2*AB) (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2))");
    } else {
        calc.insufficient();
    }

    P = 2 * a + 2 * b;
    AL = P * c;
    V = a * b * c;
    AB = a * b;
    AT = AL + 2 * AB;
    d1 = pow(pow(a, 2) + pow(b, 2), 0.5);
    d2 = pow(pow(d1, 2) + pow(c, 2), 0.5);

    calc.show("Label4(0)", a);
    calc.show("Label4(1)", b);
    calc.show("Label4(2)", c);
    calc.show("Label4(3)", AL);
    calc.show("Label4(4)", AT);
    calc.show("Label4(5)", d1);
    calc.show("Label4(6)", d2);
    calc.show("Label4(7)", P);
    calc.show("Label4(8)", V);
    calc.show("Label4(9)", AB);
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
            {"Check1", "Lato di base (a)"},
            {"Check2", "Lato di base (b)"},
            {"Check3", "L'altezza (c)"},
            {"Check4", "Diagonale (d1)"},
            {"Check5", "Diagonale (d2)"},
            {"Check6", "Perimetro di base (P)"},
            {"Check7", "Area Laterale (AL)"},
            {"Check8", "Area Totale (AT)"},
            {"Check9", "Volume (V)"},
            {"Check10", "Area di Base"},
        },
        .resultsHeading = {"Label2", "Risultati"},
        .rows = {
            {"Label3(0)", "Lato di base (a) =", "Label4(0)"},
            {"Label3(1)", "Lato di base (b) =", "Label4(1)"},
            {"Label3(2)", "Altezza (c)        =", "Label4(2)"},
            {"Label3(3)", "Area Laterale (AL) =", "Label4(3)"},
            {"Label3(4)", "Area Totale (AT) =", "Label4(4)"},
            {"Label3(5)", "Diagonale (d1)=", "Label4(5)"},
            {"Label3(6)", "Diagonale (d2) =", "Label4(6)"},
            {"Label3(7)", "Perimetro di Base (P) =", "Label4(7)"},
            {"Label3(8)", "Volume (V) =", "Label4(8)"},
            {"Label3(9)", "Area di Base (AB) =", "Label4(9)"},
        },
        .formulaHeading = {"Label5", "Formule applicate"},
        .formulaLabels = {"Label6"},
        .picture = {"Picture1", "parallelepipedo.svg"},
        .solvers = {{.name = "Command3", .steps = calcola}},
        .stampaButton = {"Command4", "Stampa"},
        .ritornaButton = {"Command2", "Ritorna"},
        .esciButton = {"Command1", "Esci"},
    };
}

} // namespace solids
