// The pyramid on an equilateral triangle: every case works out all eleven
// quantities itself. The square root of 3 is 3 ^ 0.5, taken afresh at each use.
#include "pyramids.h"

namespace solids {

using namespace solver;

namespace {

const char *const kFormula = "Label6";

Value q()
{
    return pow(3, 0.5);
}

// The eleven quantities of one press of "Calcola", all empty at the start.
struct Tetra {
    Value s, h1, h, a, P, r, AB, AL, AT, V, l;

    void apothemFromHeight() { a = pow(pow(r, 2) + pow(h, 2), 0.5); }
    void heightFromApothem() { h = pow(pow(a, 2) - pow(r, 2), 0.5); }
    void inradius() { r = 2 * AB / P; }
    void triangleHeight() { h1 = s * q() / 2; }
    void sideFromArea() { s = pow(4 * AB / q(), 0.5); }
    void areaFromSide() { AB = pow(s, 2) * q() / 4; }
    void lateralEdge() { l = pow(pow(a, 2) + pow(s / 2, 2), 0.5); }
    void tail()
    {
        AL = P * a / 2;
        AT = AL + AB;
        V = AB * h / 3;
        lateralEdge();
    }
};

void calcola(Calc &calc)
{
    Tetra t;
    auto &[s, h1, h, a, P, r, AB, AL, AT, V, l] = t;

    if (calc.given({ "Check3", "Check7" })) {
        s = calc.ask("INTRODUCI LO SPIGOLO DI BASE (s)=");
        h = calc.ask("INTRODUCI L'ALTEZZA DELLA PIRAMIDE (h)=");
        P = s * 3;
        t.areaFromSide();
        t.inradius();
        t.triangleHeight();
        t.apothemFromHeight();
        t.tail();
        calc.formula(
            kFormula,
            " ( P=s*3) : AB=l^2*SQR(3)/4: r=2*AB/P: h1=s*SRQ(3)/2:a=SQR(r^2+h^2): l=SQR(a^2+(s/2)^2):AL=P*a/2: (AT=AL+AB): (V=AB*h/3)");
    } else if (calc.given({ "Check3", "Check5" })) {
        P = calc.ask("INTRODUCI IL PERIMETRO (P)=");
        h = calc.ask("INTRODUCI L'ALTEZZA DELLA PIRAMIDE (h)=");
        s = P / 3;
        t.areaFromSide();
        t.inradius();
        t.triangleHeight();
        t.apothemFromHeight();
        t.tail();
        calc.formula(
            kFormula,
            " ( P=s*3) : AB=l^2*SQR(3)/4: r=2*AB/P: h1=s*SRQ(3)/2:a=SQR(r^2+h^2): l=SQR(a^2+(s/2)^2):AL=P*a/2: (AT=AL+AB): (V=AB*h/3)");
    } else if (calc.given({ "Check3", "Check11" })) {
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)=");
        h = calc.ask("INTRODUCI L'ALTEZZA DELLA PIRAMIDE (h)=");
        t.sideFromArea();
        P = s * 3;
        t.inradius();
        t.triangleHeight();
        t.apothemFromHeight();
        t.tail();
        calc.formula(
            kFormula,
            " ( (s=SQR(4*AB/1,73)) :P=s*3: r=2*AB/P: h1=s*SRQ(3)/2:a=SQR(r^2+h^2): l=SQR(a^2+(s/2)^2):AL=P*a/2: (AT=AL+AB): (V=AB*h/3)");
    } else if (calc.given({ "Check3", "Check12" })) {
        h1 = calc.ask("INTRODUCI L'ALTEZZA DEL TRIANGOLO (h1)=");
        h = calc.ask("INTRODUCI L'ALTEZZA DELLA PIRAMIDE (h)=");
        s = 2 * h1 / q();
        P = s * 3;
        AB = s * h1 / 2;
        t.inradius();
        t.apothemFromHeight();
        t.tail();
        calc.formula(
            kFormula,
            " ( s=2*h1^2/SQR(3)) :P=s*3: (AB=h1^2/SQR(3)): r=2*AB/P: l=SQR(a^2+(s/2)^2): (a=SQR(r^2+h^2)): AL=P*a/2: (AT=AL+AB): (V=AB*h/3)");
    } else if (calc.given({ "Check3", "Check6" })) {
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        h = calc.ask("INTRODUCI L'ALTEZZA DELLA PIRAMIDE (h)=");
        AB = 3 * V / h;
        t.sideFromArea();
        P = s * 3;
        t.inradius();
        t.triangleHeight();
        t.apothemFromHeight();
        t.tail();
        calc.formula(
            kFormula,
            " (AB=V/h:  s=SQR(4*AB/SQR(3)): h1=s*SQR(3)/2: :P=s*3: r=2*AB/P: l=SQR(a^2+(s/2)^2): (a=SQR(r^2+h^2)): AL=P*a/2: (AT=AL+AB): (V=AB*h/3)");
    } else if (calc.given({ "Check5", "Check9" })) {
        P = calc.ask("INTRODUCI IL PERIMETRO (P)=");
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        s = P / 3;
        a = 2 * AL / P;
        t.areaFromSide();
        t.inradius();
        t.triangleHeight();
        t.heightFromApothem();
        t.tail();
        calc.formula(
            kFormula,
            " ( s=P/3) :( a=2*AL/P): (AB=s^2*SQR(3)/4): h1=s*SQR(3)/2: r=2*AB/P: (h=SQR(a^2-r^2)): l=SQR(a^2+(s/2)^2): AL=P*a/2: (AT=AL+AB): (V=AB*h/3)");
    } else if (calc.given({ "Check7", "Check9" })) {
        s = calc.ask("INTRODUCI LO SPIGOLO DI BASE (s)=");
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        P = s * 3;
        a = 2 * AL / P;
        t.areaFromSide();
        t.inradius();
        t.triangleHeight();
        t.heightFromApothem();
        t.tail();
        calc.formula(
            kFormula,
            " ( P=s*3) :( a=2*AL/P): (AB=s^2*SQR(3)/4): h1=s*SQR(3)/2: r=2*AB/P: (h=SQR(a^2-r^2)): l=SQR(a^2+(s/2)^2): AL=P*a/2: (AT=AL+AB): (V=AB*h/3)");
    } else if (calc.given({ "Check4", "Check9" })) {
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        AB = AT - AL;
        t.sideFromArea();
        t.triangleHeight();
        P = s * 3;
        a = 2 * AL / P;
        t.inradius();
        t.heightFromApothem();
        V = AB * h / 3;
        t.lateralEdge();
        calc.formula(
            kFormula,
            " ( AB=AT-AL) : s=(SQR4*AB/SQR(3)):(P=s*3): h1=s*SQR(3)/2: ( a=2*AL/P): r=2*AB/P: (h=SQR(a^2-r^2)): l=SQR(a^2+(s/2)^2): (V=AB*h/3)");
    } else if (calc.given({ "Check4", "Check11" })) {
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)=");
        AL = AT - AB;
        t.sideFromArea();
        t.triangleHeight();
        P = s * 3;
        a = 2 * AL / P;
        t.inradius();
        t.heightFromApothem();
        V = AB * h / 3;
        t.lateralEdge();
        calc.formula(
            kFormula,
            " ( AL=AT-AB) : s=(SQR4*AB/SQR(3)):(P=s*3): h1=s*SQR(3)/2: ( a=2*AL/P): r=2*AB/P: (h=SQR(a^2-r^2)): l=SQR(a^2+(s/2)^2): (V=AB*h/3)");
    } else if (calc.given({ "Check6", "Check11" })) {
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)=");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        h = 3 * V / AB;
        t.sideFromArea();
        t.triangleHeight();
        P = s * 3;
        t.inradius();
        a = pow(pow(h, 2) + pow(r, 2), 0.5);
        t.tail();
        calc.formula(
            kFormula,
            " ( h=3*V/AB) : s=(SQR4*AB/SQR(3)):(P=s*3): h1=s*SQR(3)/2: r=2*AB/P: (a=SQR(r^2+h^2)).( AL=P*a/2):(AT=AL+AB): l=SQR(a^2+(s/2)^2): (V=AB*h/3)");
    } else if (calc.given({ "Check8", "Check9" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        a = calc.ask("INTRODUCI L'APOTEMA (a)=");
        P = 2 * AL / a;
        s = P / 3;
        t.triangleHeight();
        AB = s * h1 / 2;
        t.inradius();
        t.heightFromApothem();
        AT = AL + AB;
        V = AB * h / 3;
        t.lateralEdge();
        calc.formula(
            kFormula,
            " ( P=2*AL/a) : s=(P/3): h1=s*SQR(3)/2: (AB=s*h1/2) r=2*AB/P: (AT=AL+AB): (h=SQR(a^2-r^2): l=SQR(a^2+(s/2)^2): (V=AB*h/3)");
    } else {
        calc.insufficient();
    }

    calc.show("Label3(13)", s);
    calc.show("Label3(4)", h1);
    calc.show("Label3(27)", h);
    calc.show("Label3(14)", a);
    calc.show("Label3(16)", P);
    calc.show("Label3(17)", r);
    calc.show("Label3(18)", AB);
    calc.show("Label3(19)", AL);
    calc.show("Label3(20)", AT);
    calc.show("Label3(21)", V);
    calc.show("Label3(11)", l);
}

} // namespace

SolverScreen triangularPyramid()
{
    return {
        .name = "Form9",
        .caption = "PIRAMIDE CON BASE TRIANGOLO EQUILATERO",
        .parent = "form5",
        .title = {"Label1(0)", "PRISMA CON BASE DI TRIANGOLO EQUILATERO"},
        .knownHeading = {"Label2", "Cosa conosci ?"},
        .checks = {
            {"Check7", "Spigolo di base(AB=AC=CB=s)"},
            {"Check12", "altezza del triangolo (h1)"},
            {"Check3", "altezza della piramide (VH=h)"},
            {"Check8", "apotema (VF=a)"},
            {"Check5", "Perimetro (P) "},
            {"Check10", "Raggio di base (r)"},
            {"Check11", "Area di base (AB)"},
            {"Check9", "Area Laterale (AL)"},
            {"Check4", "Area Totale (AT)"},
            {"Check6", "Volume (V)"},
            {"Check1", "Spigolo laterale (VB=VC=VB=l)"},
            {"Check2", "Altezza del triangolo (h1)"},
        },
        .resultsHeading = {"Label1(1)", "Risultati"},
        .rows = {
            {"Label3(0)", "Spigolo di base (AB=AC=BC=s) =", "Label3(13)"},
            {"Label3(2)", "Altezza del triangolo  (h1)   =", "Label3(4)"},
            {"Label3(26)", "Altezza della piramide (VH=h)=", "Label3(27)"},
            {"Label3(3)", "Apotema  (a)                            =", "Label3(14)"},
            {"Label3(5)", "Perimetro (P)                            =", "Label3(16)"},
            {"Label3(6)", "Raggio di base (r)                    =", "Label3(17)"},
            {"Label3(7)", "Area di base (AB)                  =", "Label3(18)"},
            {"Label3(8)", "Area Laterale (AL)                  =", "Label3(19)"},
            {"Label3(9)", "Area Totale (AT)                      =", "Label3(20)"},
            {"Label3(10)", "Volume (V)                             =", "Label3(21)"},
            {"Label3(1)", "Spigolo laterale (VA=VB=VC=l) =", "Label3(11)"},
        },
        .formulaHeading = {"Label5", "Formule applicate"},
        .formulaLabels = {kFormula},
        .picture = {"Picture1(0)", "piramide-triangolare.svg"},
        .solvers = {{.name = "Command3", .steps = calcola}},
        .stampaButton = {"Command4", "Stampa"},
        .ritornaButton = {"Command2", "Ritorna"},
        .esciButton = {"Command1", "Esci"},
    };
}

} // namespace solids
