// The pyramid on an equilateral triangle: every case works out all eleven
// quantities itself. The square root of 3 is 3 ^ 0.5 (√3), worked out at each use.
#include "pyramids.h"

namespace solids {

using namespace solver;

namespace {

void calcola(Calc &calc)
{
    Quantity s(calc, "s"), h1(calc, "h1"), h(calc, "h"), a(calc, "a"), P(calc, "P"), r(calc, "r"),
        AB(calc, "AB"), AL(calc, "AL"), AT(calc, "AT"), V(calc, "V"), l(calc, "l");
    const Expr root3 = pow(Expr(3), 0.5);

    const auto apothemFromHeight = [&] { a = pow(pow(r, 2) + pow(h, 2), 0.5); };
    const auto heightFromApothem = [&] { h = pow(pow(a, 2) - pow(r, 2), 0.5); };
    const auto inradius = [&] { r = 2 * AB / P; };
    const auto triangleHeight = [&] { h1 = s * root3 / 2; };
    const auto sideFromArea = [&] { s = pow(4 * AB / root3, 0.5); };
    const auto areaFromSide = [&] { AB = pow(s, 2) * root3 / 4; };
    const auto lateralEdge = [&] { l = pow(pow(a, 2) + pow(s / 2, 2), 0.5); };
    const auto tail = [&] {
        AL = P * a / 2;
        AT = AL + AB;
        V = AB * h / 3;
        lateralEdge();
    };

    if (calc.given({ "h", "s" })) {
        s = calc.ask("INTRODUCI LO SPIGOLO DI BASE (s)=");
        h = calc.ask("INTRODUCI L'ALTEZZA DELLA PIRAMIDE (h)=");
        P = s * 3;
        areaFromSide();
        inradius();
        triangleHeight();
        apothemFromHeight();
        tail();
        calc.formula(
            " ( P=s*3) : AB=l^2*SQR(3)/4: r=2*AB/P: h1=s*SRQ(3)/2:a=SQR(r^2+h^2): l=SQR(a^2+(s/2)^2):AL=P*a/2: (AT=AL+AB): (V=AB*h/3)");
    } else if (calc.given({ "h", "P" })) {
        P = calc.ask("INTRODUCI IL PERIMETRO (P)=");
        h = calc.ask("INTRODUCI L'ALTEZZA DELLA PIRAMIDE (h)=");
        s = P / 3;
        areaFromSide();
        inradius();
        triangleHeight();
        apothemFromHeight();
        tail();
        calc.formula(
            " ( P=s*3) : AB=l^2*SQR(3)/4: r=2*AB/P: h1=s*SRQ(3)/2:a=SQR(r^2+h^2): l=SQR(a^2+(s/2)^2):AL=P*a/2: (AT=AL+AB): (V=AB*h/3)");
    } else if (calc.given({ "h", "AB" })) {
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)=");
        h = calc.ask("INTRODUCI L'ALTEZZA DELLA PIRAMIDE (h)=");
        sideFromArea();
        P = s * 3;
        inradius();
        triangleHeight();
        apothemFromHeight();
        tail();
        calc.formula(
            " ( (s=SQR(4*AB/1,73)) :P=s*3: r=2*AB/P: h1=s*SRQ(3)/2:a=SQR(r^2+h^2): l=SQR(a^2+(s/2)^2):AL=P*a/2: (AT=AL+AB): (V=AB*h/3)");
    } else if (calc.given({ "h", "h1" })) {
        h1 = calc.ask("INTRODUCI L'ALTEZZA DEL TRIANGOLO (h1)=");
        h = calc.ask("INTRODUCI L'ALTEZZA DELLA PIRAMIDE (h)=");
        s = 2 * h1 / root3;
        P = s * 3;
        AB = s * h1 / 2;
        inradius();
        apothemFromHeight();
        tail();
        calc.formula(
            " ( s=2*h1^2/SQR(3)) :P=s*3: (AB=h1^2/SQR(3)): r=2*AB/P: l=SQR(a^2+(s/2)^2): (a=SQR(r^2+h^2)): AL=P*a/2: (AT=AL+AB): (V=AB*h/3)");
    } else if (calc.given({ "h", "V" })) {
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        h = calc.ask("INTRODUCI L'ALTEZZA DELLA PIRAMIDE (h)=");
        AB = 3 * V / h;
        sideFromArea();
        P = s * 3;
        inradius();
        triangleHeight();
        apothemFromHeight();
        tail();
        calc.formula(
            " (AB=V/h:  s=SQR(4*AB/SQR(3)): h1=s*SQR(3)/2: :P=s*3: r=2*AB/P: l=SQR(a^2+(s/2)^2): (a=SQR(r^2+h^2)): AL=P*a/2: (AT=AL+AB): (V=AB*h/3)");
    } else if (calc.given({ "P", "AL" })) {
        P = calc.ask("INTRODUCI IL PERIMETRO (P)=");
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        s = P / 3;
        a = 2 * AL / P;
        areaFromSide();
        inradius();
        triangleHeight();
        heightFromApothem();
        tail();
        calc.formula(
            " ( s=P/3) :( a=2*AL/P): (AB=s^2*SQR(3)/4): h1=s*SQR(3)/2: r=2*AB/P: (h=SQR(a^2-r^2)): l=SQR(a^2+(s/2)^2): AL=P*a/2: (AT=AL+AB): (V=AB*h/3)");
    } else if (calc.given({ "s", "AL" })) {
        s = calc.ask("INTRODUCI LO SPIGOLO DI BASE (s)=");
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        P = s * 3;
        a = 2 * AL / P;
        areaFromSide();
        inradius();
        triangleHeight();
        heightFromApothem();
        tail();
        calc.formula(
            " ( P=s*3) :( a=2*AL/P): (AB=s^2*SQR(3)/4): h1=s*SQR(3)/2: r=2*AB/P: (h=SQR(a^2-r^2)): l=SQR(a^2+(s/2)^2): AL=P*a/2: (AT=AL+AB): (V=AB*h/3)");
    } else if (calc.given({ "AT", "AL" })) {
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        AB = AT - AL;
        sideFromArea();
        triangleHeight();
        P = s * 3;
        a = 2 * AL / P;
        inradius();
        heightFromApothem();
        V = AB * h / 3;
        lateralEdge();
        calc.formula(
            " ( AB=AT-AL) : s=(SQR4*AB/SQR(3)):(P=s*3): h1=s*SQR(3)/2: ( a=2*AL/P): r=2*AB/P: (h=SQR(a^2-r^2)): l=SQR(a^2+(s/2)^2): (V=AB*h/3)");
    } else if (calc.given({ "AT", "AB" })) {
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)=");
        AL = AT - AB;
        sideFromArea();
        triangleHeight();
        P = s * 3;
        a = 2 * AL / P;
        inradius();
        heightFromApothem();
        V = AB * h / 3;
        lateralEdge();
        calc.formula(
            " ( AL=AT-AB) : s=(SQR4*AB/SQR(3)):(P=s*3): h1=s*SQR(3)/2: ( a=2*AL/P): r=2*AB/P: (h=SQR(a^2-r^2)): l=SQR(a^2+(s/2)^2): (V=AB*h/3)");
    } else if (calc.given({ "V", "AB" })) {
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)=");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        h = 3 * V / AB;
        sideFromArea();
        triangleHeight();
        P = s * 3;
        inradius();
        a = pow(pow(h, 2) + pow(r, 2), 0.5);
        tail();
        calc.formula(
            " ( h=3*V/AB) : s=(SQR4*AB/SQR(3)):(P=s*3): h1=s*SQR(3)/2: r=2*AB/P: (a=SQR(r^2+h^2)).( AL=P*a/2):(AT=AL+AB): l=SQR(a^2+(s/2)^2): (V=AB*h/3)");
    } else if (calc.given({ "a", "AL" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        a = calc.ask("INTRODUCI L'APOTEMA (a)=");
        P = 2 * AL / a;
        s = P / 3;
        triangleHeight();
        AB = s * h1 / 2;
        inradius();
        heightFromApothem();
        AT = AL + AB;
        V = AB * h / 3;
        lateralEdge();
        calc.formula(
            " ( P=2*AL/a) : s=(P/3): h1=s*SQR(3)/2: (AB=s*h1/2) r=2*AB/P: (AT=AL+AB): (h=SQR(a^2-r^2): l=SQR(a^2+(s/2)^2): (V=AB*h/3)");
    } else {
        calc.insufficient();
    }

    calc.show("s", s);
    calc.show("h1", h1);
    calc.show("h", h);
    calc.show("a", a);
    calc.show("P", P);
    calc.show("r", r);
    calc.show("AB", AB);
    calc.show("AL", AL);
    calc.show("AT", AT);
    calc.show("V", V);
    calc.show("l", l);
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
            {"Check7", "Spigolo di base(AB=AC=CB=s)", "s"},
            {"Check12", "altezza del triangolo (h1)", "h1"},
            {"Check3", "altezza della piramide (VH=h)", "h"},
            {"Check8", "apotema (VF=a)", "a"},
            {"Check5", "Perimetro (P) ", "P"},
            {"Check10", "Raggio di base (r)", "r"},
            {"Check11", "Area di base (AB)", "AB"},
            {"Check9", "Area Laterale (AL)", "AL"},
            {"Check4", "Area Totale (AT)", "AT"},
            {"Check6", "Volume (V)", "V"},
            {"Check1", "Spigolo laterale (VB=VC=VB=l)", "l"},
            // Never looked at: the height of the triangle is known through Check12.
            {"Check2", "Altezza del triangolo (h1)"},
        },
        .resultsHeading = {"Label1(1)", "Risultati"},
        .rows = {
            {"Label3(0)", "Spigolo di base (AB=AC=BC=s) =", "Label3(13)", "s"},
            {"Label3(2)", "Altezza del triangolo  (h1)   =", "Label3(4)", "h1"},
            {"Label3(26)", "Altezza della piramide (VH=h)=", "Label3(27)", "h"},
            {"Label3(3)", "Apotema  (a)                            =", "Label3(14)", "a"},
            {"Label3(5)", "Perimetro (P)                            =", "Label3(16)", "P"},
            {"Label3(6)", "Raggio di base (r)                    =", "Label3(17)", "r"},
            {"Label3(7)", "Area di base (AB)                  =", "Label3(18)", "AB"},
            {"Label3(8)", "Area Laterale (AL)                  =", "Label3(19)", "AL"},
            {"Label3(9)", "Area Totale (AT)                      =", "Label3(20)", "AT"},
            {"Label3(10)", "Volume (V)                             =", "Label3(21)", "V"},
            {"Label3(1)", "Spigolo laterale (VA=VB=VC=l) =", "Label3(11)", "l"},
        },
        .quantities = {
            {"s", Kind::Length}, {"h1", Kind::Length}, {"h", Kind::Length}, {"a", Kind::Length},
            {"P", Kind::Length}, {"r", Kind::Length}, {"AB", Kind::Area}, {"AL", Kind::Area},
            {"AT", Kind::Area}, {"V", Kind::Volume}, {"l", Kind::Length},
        },
        .formulaHeading = {"Label5", "Formule applicate"},
        .formulaLabels = {"Label6"},
        .picture = {"Picture1(0)", "piramide-triangolare.svg"},
        .solvers = {{.name = "Command3", .steps = calcola}},
        .stampaButton = {"Command4", "Stampa"},
        .ritornaButton = {"Command2", "Ritorna"},
        .esciButton = {"Command1", "Esci"},
        .figure = {.shape = geometry::Shape::RegularPyramid,
                   .dimensions = {"3", "s", "h"},
                   .marks = {{"s", "side"}, {"h1", "baseHeight"}, {"h", "height"},
                             {"a", "slant"}, {"r", "baseApothem"}, {"l", "lateralEdge"}}},
    };
}

} // namespace solids
