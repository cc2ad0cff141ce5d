// The rectangular parallelepiped: three known quantities give the edges a, b
// and c; everything else is worked out from the edges.
#include "solids/solids.h"

namespace solids {

using namespace solver;

namespace {

const char *const kFormula = "Label6";

void calcola(Calc &c)
{
    Value a, b, h, P, AL, AT, V, AB, d1, d2;
    // The height is called c on screen; `h` keeps it apart from the Calc.

    if (c.ticked("Check1") && c.ticked("Check2") && c.ticked("Check3")) {
        a = c.ask("INTRODUCI IL LATO (a)  =");
        b = c.ask("INTRODUCI IL LATO (b)=");
        h = c.ask("INTRODUCI L'ALTEZZA (c)=");
        c.formula(kFormula, "(P=2*a+2*b):(AL=P*c): (AB=a*b): (AT=AL+2*AB): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (c.ticked("Check1") && c.ticked("Check2") && c.ticked("Check7")) {
        a = c.ask("INTRODUCI IL LATO (a)  =");
        b = c.ask("INTRODUCI IL LATO (b)=");
        AL = c.ask("INTRODUCI L'AREA LATERALE (AL)=");
        P = 2 * a + 2 * b;
        h = AL / P;
        c.formula(kFormula, "(P=2*a+2*b):(c=AL/P): (AB=a*b): (AT=AL+2*AB): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (c.ticked("Check1") && c.ticked("Check3") && c.ticked("Check7")) {
        a = c.ask("INTRODUCI IL LATO (a)  =");
        h = c.ask("INTRODUCI L'ALTEZZA (c)=");
        AL = c.ask("INTRODUCI L'AREA LATERALE (AL)=");
        P = AL / h;
        b = (P - 2 * a) / 2;
        c.formula(kFormula, "(P=AL/c):(b=(P-2*a)/2): (AB=a*b): (AT=AL+2*AB): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (c.ticked("Check2") && c.ticked("Check3") && c.ticked("Check7")) {
        b = c.ask("INTRODUCI IL LATO (b)  =");
        h = c.ask("INTRODUCI L'ALTEZZA (c)=");
        AL = c.ask("INTRODUCI L'AREA LATERALE (AL)=");
        P = AL / h;
        a = (P - 2 * b) / 2;
        c.formula(kFormula, "(P=AL/c):(a=(P-2*b)/2): (AB=a*b): (AT=AL+2*AB): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (c.ticked("Check1") && c.ticked("Check3") && c.ticked("Check4")) {
        a = c.ask("INTRODUCI IL LATO (a)  =");
        h = c.ask("INTRODUCI L'ALTEZZA (c)=");
        d1 = c.ask("INTRODUCI LA DIAGONALE (d1)=");
        b = pow(pow(d1, 2) - pow(a, 2), 0.5);
        c.formula(kFormula, "(b=SQR(d1^2-a^2)):(P=2*a+2*b) (AB=a*b): (AL=p*c): (AT=AL+2*AB): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (c.ticked("Check2") && c.ticked("Check3") && c.ticked("Check4")) {
        b = c.ask("INTRODUCI IL LATO (b)  =");
        h = c.ask("INTRODUCI L'ALTEZZA (c)=");
        d1 = c.ask("INTRODUCI LA DIAGONALE (d1)=");
        a = pow(pow(d1, 2) - pow(b, 2), 0.5);
        c.formula(kFormula, "(a=SQR(d1^2-b^2)):(P=2*a+2*b) (AB=a*b): (AL=p*c): (AT=AL+2*AB): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (c.ticked("Check1") && c.ticked("Check4") && c.ticked("Check5")) {
        a = c.ask("INTRODUCI IL LATO (a)  =");
        d1 = c.ask("INTRODUCI LA DIAGONALE (d1)=");
        d2 = c.ask("INTRODUCI LA DIAGONALE (d2)=");
        b = pow(pow(d1, 2) - pow(a, 2), 0.5);
        h = pow(pow(d2, 2) - pow(d1, 2), 0.5);
        c.formula(kFormula, "(b=SQR(d1^2-a^2)):(c=SQR(d2^2-d1^2)): (P=2*a+2*b): (AB=a*b): (AL=p*c): (AT=AL+2*AB):(V=a+b*c)");
    } else if (c.ticked("Check2") && c.ticked("Check4") && c.ticked("Check5")) {
        b = c.ask("INTRODUCI IL LATO (b)  =");
        d1 = c.ask("INTRODUCI LA DIAGONALE (d1)=");
        d2 = c.ask("INTRODUCI LA DIAGONALE (d2)=");
        a = pow(pow(d1, 2) - pow(b, 2), 0.5);
        h = pow(pow(d2, 2) - pow(d1, 2), 0.5);
        c.formula(kFormula, "(a=SQR(d1^2-b^2)):(c=SQR(d2^2-d1^2)): (P=2*a+2*b): (AB=a*b): (AL=p*c): (AT=AL+2*AB):(V=a+b*c)");
    } else if (c.ticked("Check2") && c.ticked("Check6") && c.ticked("Check7")) {
        b = c.ask("INTRODUCI IL LATO (b)  =");
        P = c.ask("INTRODUCI IL PERIMETRO (P)=");
        AL = c.ask("INTRODUCI L'AREA LATERALE (AL)=");
        h = AL / P;
        a = (P - 2 * b) / 2;
        c.formula(kFormula, "(a=(P-2*b)/2):(c=AL/P): (AB=a*b):(d1=SQR(a^2+b^2): (d2=SQR(d1^2+c^2)): (AT=AL+2*AB):(V=a+b*c)");
    } else if (c.ticked("Check1") && c.ticked("Check6") && c.ticked("Check7")) {
        a = c.ask("INTRODUCI IL LATO (a)  =");
        P = c.ask("INTRODUCI IL PERIMETRO (P)=");
        AL = c.ask("INTRODUCI L'AREA LATERALE (AL)=");
        h = AL / P;
        b = (P - 2 * a) / 2;
        c.formula(kFormula, "(b=(P-2*a)/2):(c=AL/P): (AB=a*b):(d1=SQR(a^2+b^2): (d2=SQR(d1^2+c^2)): (AT=AL+2*AB):(V=a+b*c)");
    } else if (c.ticked("Check2") && c.ticked("Check10") && c.ticked("Check7")) {
        b = c.ask("INTRODUCI IL LATO DI BASE (b)  =");
        AB = c.ask("INTRODUCI L'AREA DI BASE (AB)=");
        AL = c.ask("INTRODUCI L'AREA LATERALE (AL)=");
        a = AB / b;
        P = 2 * b + 2 * a;
        h = AL / P;
        c.formula(kFormula, "(a=AB/b): (P=2*a+2*b): (c=AL/P): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)): (AT=AL+2*AB):(V=a+b*c)");
    } else if (c.ticked("Check1") && c.ticked("Check10") && c.ticked("Check7")) {
        a = c.ask("INTRODUCI IL LATO DI BASE (a)  =");
        AB = c.ask("INTRODUCI L'AREA DI BASE (AB)=");
        AL = c.ask("INTRODUCI L'AREA LATERALE (AL)=");
        b = AB / a;
        P = 2 * b + 2 * a;
        h = AL / P;
        c.formula(kFormula, "(b=AB/a): (P=2*a+2*b): (c=AL/P): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)): (AT=AL+2*AB):(V=a+b*c)");
    } else if (c.ticked("Check1") && c.ticked("Check10") && c.ticked("Check8")) {
        a = c.ask("INTRODUCI IL LATO DI BASE (a)  =");
        AB = c.ask("INTRODUCI L'AREA DI BASE (AB)=");
        AT = c.ask("INTRODUCI L'AREA TOTALE (AT)=");
        b = AB / a;
        P = 2 * b + 2 * a;
        AL = AT - 2 * AB;
        h = AL / P;
        c.formula(kFormula, "(b=AB/a): (P=2*a+2*b):(AL=AT-2*AB): (c=AL/P): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)): (V=a+b*c)");
    } else if (c.ticked("Check2") && c.ticked("Check10") && c.ticked("Check8")) {
        b = c.ask("INTRODUCI IL LATO DI BASE (b)  =");
        AB = c.ask("INTRODUCI L'AREA DI BASE (AB)=");
        AT = c.ask("INTRODUCI L'AREA TOTALE (AT)=");
        a = AB / b;
        P = 2 * b + 2 * a;
        AL = AT - 2 * AB;
        h = AL / P;
        c.formula(kFormula, "(a=AB/b): (P=2*a+2*b):  (AL=AT-2*AB):(c=AL/P): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (c.ticked("Check1") && c.ticked("Check7") && c.ticked("Check8")) {
        a = c.ask("INTRODUCI IL LATO DI BASE (a)  =");
        AL = c.ask("INTRODUCI L'AREA LATERALE (AL)=");
        AT = c.ask("INTRODUCI L'AREA TOTALE (AT)=");
        AB = (AT - AL) / 2;
        b = AB / a;
        P = 2 * b + 2 * a;
        h = AL / P;
        c.formula(kFormula, "(AB=(AT-AL)/2): (b=AB/a): (P=2*a+2*b):(c=AL/P): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (c.ticked("Check2") && c.ticked("Check7") && c.ticked("Check8")) {
        b = c.ask("INTRODUCI IL LATO DI BASE (b)  =");
        AL = c.ask("INTRODUCI L'AREA LATERALE (AL)=");
        AT = c.ask("INTRODUCI L'AREA TOTALE (AT)=");
        AB = (AT - AL) / 2;
        a = AB / b;
        P = 2 * b + 2 * a;
        h = AL / P;
        c.formula(kFormula, "(AB=(AT-AL)/2): (a=AB/b): (P=2*a+2*b):(c=AL/P): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (c.ticked("Check1") && c.ticked("Check6") && c.ticked("Check8")) {
        a = c.ask("INTRODUCI IL LATO DI BASE (a)  =");
        P = c.ask("INTRODUCI IL PERIMETRO (P)=");
        AT = c.ask("INTRODUCI L'AREA TOTALE (AT)=");
        b = (P - 2 * a) / 2;
        AB = a * b;
        AL = AT - 2 * AB;
        h = AL / P;
        c.formula(kFormula, "(b=(P-2*a)/2): (AB=a*b): (AL=AT-2*AB):(c=AL/P): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (c.ticked("Check2") && c.ticked("Check6") && c.ticked("Check8")) {
        b = c.ask("INTRODUCI IL LATO DI BASE (b)  =");
        P = c.ask("INTRODUCI IL PERIMETRO  (P)=");
        AT = c.ask("INTRODUCI L'AREA TOTALE (AT)=");
        a = (P - 2 * b) / 2;
        AB = a * b;
        AL = AT - 2 * AB;
        h = AL / P;
        c.formula(kFormula, "( (a=(P-2*b)/2): (AB=a*b):(AL=AT-2*AB): (c=AL/P): (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2)):(V=a+b*c)");
    } else if (c.ticked("Check1") && c.ticked("Check2") && c.ticked("Check9")) {
        a = c.ask("INTRODUCI IL LATO DI BASE (a)  =");
        b = c.ask("INTRODUCI IL LATO DI BASE (b)=");
        V = c.ask("INTRODUCI IL VOLUME (V)=");
        AB = a * b;
        P = 2 * a + 2 * b;
        h = V / AB;
        AL = P * h;
        AT = AL + 2 * AB;
        c.formula(kFormula, "(AB=a*b): P=(2*a+2*b):(c=V/AB):(AL=P*c): (AT=AL+2*AB) (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2))");
    } else if (c.ticked("Check1") && c.ticked("Check10") && c.ticked("Check9")) {
        a = c.ask("INTRODUCI IL LATO DI BASE (a)  =");
        AB = c.ask("INTRODUCI L'AREA DI BASE (AB)=");
        V = c.ask("INTRODUCI IL VOLUME (V)=");
        b = AB / a;
        P = 2 * a + 2 * b;
        h = V / AB;
        AL = P * h;
        AT = AL + 2 * AB;
        c.formula(kFormula, "(b=AB/a): P=(2*a+2*b):(c=V/AB):(AL=P*c): (AT=AL+2*AB) (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2))");
    } else if (c.ticked("Check2") && c.ticked("Check10") && c.ticked("Check9")) {
        b = c.ask("INTRODUCI IL LATO DI BASE (b)  =");
        AB = c.ask("INTRODUCI L'AREA DI BASE (AB)=");
        V = c.ask("INTRODUCI IL VOLUME (V)=");
        a = AB / b;
        P = 2 * a + 2 * b;
        h = V / AB;
        AL = P * h;
        AT = AL + 2 * AB;
        c.formula(kFormula, "(a=AB/b): P=(2*a+2*b):(c=V/AB):(AL=P*c): (AT=AL+2*AB) (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2))");
    } else if (c.ticked("Check2") && c.ticked("Check3") && c.ticked("Check10")) {
        b = c.ask("INTRODUCI IL LATO DI BASE (b)  =");
        AB = c.ask("INTRODUCI L'AREA DI BASE (AB)=");
        h = c.ask("INTRODUCI IL LATO  (c)=");
        a = AB / b;
        P = 2 * a + 2 * b;
        AL = P * h;
        AT = AL + 2 * AB;
        // This case shows the same text as the previous one.
        c.formula(kFormula, "(a=AB/b): P=(2*a+2*b):(c=V/AB):(AL=P*c): (AT=AL+2*AB) (d1=SQR(a^2+b^2)): (d2=SQR(d1^2+c^2))");
    } else {
        c.insufficient();
    }

    P = 2 * a + 2 * b;
    AL = P * h;
    V = a * b * h;
    AB = a * b;
    AT = AL + 2 * AB;
    d1 = pow(pow(a, 2) + pow(b, 2), 0.5);
    d2 = pow(pow(d1, 2) + pow(h, 2), 0.5);

    c.show("Label4(0)", a);
    c.show("Label4(1)", b);
    c.show("Label4(2)", h);
    c.show("Label4(3)", AL);
    c.show("Label4(4)", AT);
    c.show("Label4(5)", d1);
    c.show("Label4(6)", d2);
    c.show("Label4(7)", P);
    c.show("Label4(8)", V);
    c.show("Label4(9)", AB);
}

} // namespace

const SolverScreen &parallelepiped()
{
    static const SolverScreen screen = [] {
        SolverScreen s;
        s.name = "form4";
        s.caption = "PARALLELEPIPEDO";
        s.parent = "Form1";
        s.title = {"Label1(0)", "PARALLELEPIPEDO"};
        s.knownHeading = {"Label1(1)", "Cosa conosci ?"};
        s.checks = {
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
        };
        s.resultsHeading = {"Label2", "Risultati"};
        s.rows = {
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
        };
        s.formulaHeading = {"Label5", "Formule applicate"};
        s.formulaLabels = {"Label6"};
        s.picture = {"Picture1", "parallelepipedo.svg"};
        s.calcolaButton = {"Command3", "Calcola"};
        s.stampaButton = {"Command4", "Stampa"};
        s.ritornaButton = {"Command2", "Ritorna"};
        s.esciButton = {"Command1", "Esci"};
        s.calcola = calcola;
        return s;
    }();
    return screen;
}

} // namespace solids
