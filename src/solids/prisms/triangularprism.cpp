// The right prism on an equilateral triangle: two known quantities out of
// nine give the other seven. The base area is worked out with sqrt(3), not
// with the area constant the screen shows.
#include "prisms.h"

namespace solids {

using namespace solver;

namespace {

const char *const kFormula = "Label6";

// The nine quantities of one press of "Calcola", all empty at the start.
struct Triangle {
    Value s, h, h1, P, AB, AL, AT, V, a;

    void baseFromSide() { AB = pow(3, 0.5) * pow(s, 2) / 4; }
    void sideFromBase() { s = pow(4 * AB / pow(3, 0.5), 0.5); }
    void heightOfTriangle() { h1 = s / 2 * pow(3, 0.5); }
    void sideFromHeight() { s = 2 * h1 / pow(3, 0.5); }
    void apothem() { a = s * 0.289; }
    void sideFromApothem() { s = a / 0.289; }
    void perimeter() { P = s * 3; }
    void sideFromPerimeter() { s = P / 3; }
    void lateral() { AL = P * h; }
    void lateralFromTotal() { AL = AT - 2 * AB; }
    void total() { AT = AL + 2 * AB; }
    void volume() { V = AB * h; }
    void heightFromLateral() { h = AL / P; }
    void heightFromVolume() { h = V / AB; }
};

void calcola(Calc &calc)
{
    Triangle t;

    if (calc.given({ "s", "h" })) {
        t.s = calc.ask("INTRODUCI LO SPIGOLO (s)  =");
        t.h = calc.ask("INTRODUCI L'AKTEZZA (h)=");
        t.baseFromSide();
        t.perimeter();
        t.heightOfTriangle();
        t.lateral();
        t.total();
        t.volume();
        t.apothem();
        calc.formula(
            kFormula,
            "(AB=SQR(3)*s^2/4): (P=s*3): h1=s/2*3^0.5: (AL=P*h): (AT=AL+2*AB): (V=AB*h): (a=0,289*s)");
    } else if (calc.given({ "h", "h1" })) {
        t.h1 = calc.ask("INTRODUCI L'ALTEZZA DEL TRIANGOLO (h1)  =");
        t.h = calc.ask("INTRODUCI L'AKTEZZA (h)=");
        t.sideFromHeight();
        t.perimeter();
        t.baseFromSide();
        t.lateral();
        t.total();
        t.volume();
        t.apothem();
        calc.formula(
            kFormula,
            "(s=2*h1/SQR(3): AB=SQR(3)*s^2/4): (P=s*3): (AL=P*h): (AT=AL+2*AB): (V=AB*h): (a=0,289*s)");
    } else if (calc.given({ "h", "AB" })) {
        t.AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)  =");
        t.h = calc.ask("INTRODUCI L'AKTEZZA (h)=");
        t.sideFromBase();
        t.perimeter();
        t.heightOfTriangle();
        t.lateral();
        t.total();
        t.volume();
        t.apothem();
        calc.formula(
            kFormula,
            "(s=SQR(4*AB/1,732): (P=s*3): h1=s/2*3^0.5: (AL=P*h): (AT=AL+2*AB): (V=AB*h): (a=0,289*s)");
    } else if (calc.given({ "h", "P" })) {
        t.P = calc.ask("INTRODUCI IL PERIMETRO (P)  =");
        t.h = calc.ask("INTRODUCI L'AKTEZZA (h)=");
        t.sideFromPerimeter();
        t.baseFromSide();
        t.heightOfTriangle();
        t.lateral();
        t.total();
        t.volume();
        t.apothem();
        calc.formula(
            kFormula,
            "s=P/3: (AB=SQR(3)*s^2/4): h1=s/2*3^0.5: (AL=P*h): (AT=AL+2*AB): (V=AB*h): (a=0,289*s)");
    } else if (calc.given({ "h", "AL" })) {
        t.AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)  =");
        t.h = calc.ask("INTRODUCI L'AKTEZZA (h)=");
        t.P = t.AL / t.h;
        t.sideFromPerimeter();
        t.baseFromSide();
        t.heightOfTriangle();
        t.total();
        t.volume();
        t.apothem();
        calc.formula(
            kFormula,
            "(P=AL/h): (s=P/3): (AB=SQR(3)*s^2/4): h1=s/2*3^0.5: (AT=AL+2*AB): (V=AB*h): (a=0,289*s)");
    } else if (calc.given({ "h", "V" })) {
        t.V = calc.ask("INTRODUCI IL VOLUME (V)  =");
        t.h = calc.ask("INTRODUCI L'AKTEZZA (h)=");
        t.AB = t.V / t.h;
        t.sideFromBase();
        t.perimeter();
        t.lateral();
        t.heightOfTriangle();
        t.total();
        t.volume();
        t.apothem();
        calc.formula(
            kFormula,
            "(AB=V/h): (s=SQR(4*AB/1,732): (P=s*3): (AL=P*h): h1=s/2*3^0.5: (AT=AL+2*AB): (V=AB*h): (a=0,289*s)");
    } else if (calc.given({ "h", "a" })) {
        t.a = calc.ask("INTRODUCI L'APOTEMA DI BASE (a)  =");
        t.h = calc.ask("INTRODUCI L'AKTEZZA (h)=");
        t.sideFromApothem();
        t.perimeter();
        t.baseFromSide();
        t.heightOfTriangle();
        t.lateral();
        t.total();
        t.volume();
        calc.formula(
            kFormula,
            "(s=a/0,289): (P=s*3): (AB=SQR(3)*s^2/4): h1=s/2*3^0.5: (AL=P+h): (AT=AL+2*AB): (V=AB*h)");
    } else if (calc.given({ "s", "AL" })) {
        t.AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)  =");
        t.s = calc.ask("INTRODUCI LO SPIGOLO DI BASE (s)=");
        t.apothem();
        t.perimeter();
        t.baseFromSide();
        t.heightOfTriangle();
        t.heightFromLateral();
        t.total();
        t.volume();
        calc.formula(
            kFormula,
            "(a=s*0,289): (P=s*3): (AB=SQR(3)*s^2/4): h1=s/2*3^0.5: (H=AL/P): (AT=AL+2*AB): (V=AB*h)");
    } else if (calc.given({ "AL", "a" })) {
        t.AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)  =");
        t.a = calc.ask("INTRODUCI LO SPIGOLO DI BASE (a)=");
        t.sideFromApothem();
        t.perimeter();
        t.baseFromSide();
        t.heightOfTriangle();
        t.heightFromLateral();
        t.total();
        t.volume();
        calc.formula(
            kFormula,
            "(s=a/0,289): (P=s*3): (AB=SQR(3)*s^2/4): h1=s/2*3^0.5: (h=AL/P): (AT=AL+2*AB): (V=AB*h)");
    } else if (calc.given({ "h1", "AL" })) {
        t.AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)  =");
        t.h1 = calc.ask("INTRODUCI L'ALTEZZA DEL TRIANGOLO (h1)=");
        t.sideFromHeight();
        t.perimeter();
        t.apothem();
        t.baseFromSide();
        t.heightOfTriangle();
        t.heightFromLateral();
        t.total();
        t.volume();
        calc.formula(
            kFormula,
            "(s=2*h1/SQR(3)): a=s*0,289: (P=s*3): (AB=SQR(3)*s^2/4): h1=s/2*3^0.5: (h=AL/P): (AT=AL+2*AB): (V=AB*h)");
    } else if (calc.given({ "P", "AL" })) {
        t.AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)  =");
        t.P = calc.ask("INTRODUCI IL PERIMETRO (P)=");
        t.sideFromPerimeter();
        t.apothem();
        t.baseFromSide();
        t.heightOfTriangle();
        t.heightFromLateral();
        t.total();
        t.volume();
        calc.formula(
            kFormula,
            "(s=P/3): (a=s*0,289): (AB=SQR(3)*s^2/4): h1=s/2*3^0.5: (h=AL/P): (AT=AL+2*AB): (V=AB*h)");
    } else if (calc.given({ "AB", "AL" })) {
        t.AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)  =");
        t.AB = calc.ask("INTRODUCI AREA DI BASE (a)=");
        t.sideFromBase();
        t.apothem();
        t.perimeter();
        t.heightOfTriangle();
        t.heightFromLateral();
        t.total();
        t.volume();
        calc.formula(
            kFormula,
            "(s=SQR(4*AB/1,732): (P=s*3): a=s*0,289: h1=s/2*3^0.5: (h=AL/P): (AT=AL+2*AB): (V=AB*h)");
    } else if (calc.given({ "AL", "AT" })) {
        t.AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)  =");
        t.AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        t.AB = (t.AT - t.AL) / 2;
        t.sideFromBase();
        t.apothem();
        t.perimeter();
        t.heightOfTriangle();
        t.heightFromLateral();
        t.volume();
        calc.formula(
            kFormula,
            "(AB=(AT-AL)/2):  s=SQR(4*AB/1,732): (P=s*3): h1=s/2*3^0.5: (h=AL/P): (V=AB*h)");
    } else if (calc.given({ "s", "AT" })) {
        t.s = calc.ask("INTRODUCI L'AREA LATERALE (s)  =");
        t.AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        t.baseFromSide();
        t.lateralFromTotal();
        t.perimeter();
        t.apothem();
        t.heightOfTriangle();
        t.heightFromLateral();
        t.volume();
        calc.formula(
            kFormula,
            "(AB=SQR(3)*s^2/4): (AL=AT-2*AB): a=s*0,289: (P=s*3): h1=s/2*3^0.5: (h=AL/P): (V=AB*h)");
    } else if (calc.given({ "AT", "a" })) {
        t.a = calc.ask("INTRODUCI L'AREA LATERALE (a)  =");
        t.AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        t.sideFromApothem();
        t.baseFromSide();
        t.perimeter();
        t.lateralFromTotal();
        t.heightOfTriangle();
        t.heightFromLateral();
        t.volume();
        calc.formula(
            kFormula,
            "(s=a/0,289): (AB=SQR(3)*s^2/4): (AL=AT-2*AB): (P=s*3): h1=s/2*3^0.5: (h=AL/P): (V=AB*h)");
    } else if (calc.given({ "h1", "AT" })) {
        t.h1 = calc.ask("INTRODUCI L'ALTEZZA DEL TRIANGOLO  (h1)  =");
        t.AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        t.sideFromHeight();
        t.baseFromSide();
        t.lateralFromTotal();
        t.perimeter();
        t.apothem();
        t.heightFromLateral();
        t.volume();
        calc.formula(
            kFormula,
            "(s=2*h1/SQR(3)):  (AB=SQR(3)*s^2/4): (AL=AT-2*AB): a=s*0,289: (P=s*3): (h=AL/P): (V=AB*h)");
    } else if (calc.given({ "P", "AT" })) {
        t.P = calc.ask("INTRODUCI IL PERIMETRO (P)  =");
        t.AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        t.sideFromPerimeter();
        t.baseFromSide();
        t.lateralFromTotal();
        t.apothem();
        t.heightOfTriangle();
        t.heightFromLateral();
        t.volume();
        calc.formula(
            kFormula,
            "(s= P/3):  AB=SQR(3)*s^2/4): (AL=AT-2*AB): (a=s*0,289): h1=s/2*3^0.5: (h=AL/P): (V=AB*h)");
    } else if (calc.given({ "AB", "AT" })) {
        t.AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)  =");
        t.AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        t.sideFromBase();
        t.perimeter();
        t.lateralFromTotal();
        t.apothem();
        t.heightOfTriangle();
        t.heightFromLateral();
        t.volume();
        calc.formula(
            kFormula,
            "((s=2*h1/SQR(3)) :P=s*3: (AL=AT-2*AB): (a=s*0,289): h1=s/2*3^0.5: (h=AL/P): (V=AB*h)");
    } else if (calc.given({ "s", "V" })) {
        t.s = calc.ask("INTRODUCI LO SPIGOLO DI BASE (s)  =");
        t.V = calc.ask("INTRODUCI IL VOLUME (V)=");
        t.baseFromSide();
        t.perimeter();
        t.heightFromVolume();
        t.lateral();
        t.apothem();
        t.heightOfTriangle();
        t.total();
        calc.formula(
            kFormula,
            "((AB=SQR(3)*s^2/4)) :P=s*3: (h=V/AB): AL=P*h: (a=s*0,289): h1=s/2*3^0.5: (AT=AL+2*AB)");
    } else if (calc.given({ "V", "a" })) {
        t.a = calc.ask("INTRODUCI L'APOTEMA DI BASE (a)  =");
        t.V = calc.ask("INTRODUCI IL VOLUME (V)=");
        t.sideFromApothem();
        t.baseFromSide();
        t.perimeter();
        t.heightFromVolume();
        t.lateral();
        t.heightOfTriangle();
        t.total();
        // The same text as the case (s, V).
        calc.formula(
            kFormula,
            "((AB=SQR(3)*s^2/4)) :P=s*3: (h=V/AB): AL=P*h: (a=s*0,289): h1=s/2*3^0.5: (AT=AL+2*AB)");
    } else if (calc.given({ "h1", "V" })) {
        t.h1 = calc.ask("INTRODUCI L'ALTEZZA DEL TRIANGOLO (h1)  =");
        t.V = calc.ask("INTRODUCI IL VOLUME (V)=");
        t.sideFromHeight();
        t.baseFromSide();
        t.perimeter();
        t.heightFromVolume();
        t.apothem();
        t.lateral();
        t.total();
        calc.formula(
            kFormula,
            "(s=2*h1/1,732): (AB=SQR(3)*s^2/4)) :P=s*3: (h=V/AB): AL=P*h: (a=s*0,289): (AT=AL+2*AB)");
    } else if (calc.given({ "P", "V" })) {
        t.P = calc.ask("INTRODUCI IL PERIMETRO (P)  =");
        t.V = calc.ask("INTRODUCI IL VOLUME (V)=");
        t.sideFromPerimeter();
        t.baseFromSide();
        t.heightFromVolume();
        t.apothem();
        t.heightOfTriangle();
        t.lateral();
        t.total();
        calc.formula(
            kFormula,
            "(s=P/3): (AB=SQR(3)*s^2/4)) : (h=V/AB): ( AL=P*h): (h1=s/2*3^0.5): (a=s*0,289): (AT=AL+2*AB)");
    } else if (calc.given({ "AB", "V" })) {
        t.AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)  =");
        t.V = calc.ask("INTRODUCI IL VOLUME (V)=");
        t.sideFromBase();
        t.perimeter();
        t.heightFromVolume();
        t.apothem();
        t.heightOfTriangle();
        t.lateral();
        t.total();
        calc.formula(
            kFormula,
            "(s=SQR(4*AB/1.732) : P=s*3: (h=V/AB): ( AL=P*h): (h1=s/2*3^0.5): (a=s*0,289): (AT=AL+2*AB)");
    } else {
        calc.insufficient();
    }

    calc.show("Label4(0)", t.s);
    calc.show("Label4(1)", t.h);
    calc.show("Label4(2)", t.h1);
    calc.show("Label4(3)", t.P);
    calc.show("Label4(4)", t.AB);
    calc.show("Label4(5)", t.AL);
    calc.show("Label4(6)", t.AT);
    calc.show("Label4(7)", t.V);
    calc.show("Label4(8)", t.a);
}

Extra label(const char *name, const char *text)
{
    Extra e;
    e.name = name;
    e.text = text;
    return e;
}

Extra onPicture(const char *name, const char *text, double x, double y)
{
    Extra e = label(name, text);
    e.onPicture = "Picture1";
    e.x = x;
    e.y = y;
    return e;
}

} // namespace

SolverScreen triangularPrism()
{
    return {
        .name = "Form15",
        .caption = "",
        .parent = "Form14",
        .title = {"Label1", "PRISMI RETTI CON BASE UN TRIANGOLO REGOLARE "},
        .knownHeading = {"Label2(0)", "Cosa conosci ?"},
        .checks = {
            {"Check1", "Spigolo di base (s)"},
            {"Check2", "Altezza della piramide (h)"},
            {"Check3", "Altezza del triangolo (h1)"},
            {"Check4", "Perimetro (P)"},
            {"Check5", "Area di base (AB)"},
            {"Check6", "Area Laterale (AL)"},
            {"Check7", "Area Totale (AT)"},
            {"Check8", "Volume (V)"},
            {"Check9", "apotema di base (a)"},
        },
        .resultsHeading = {"Label2(1)", "Risultati"},
        .rows = {
            {"Label8(0)", "Spigolo di base   (s)  =", "Label4(0)"},
            {"Label8(1)", "Altezza piramide (h)=", "Label4(1)"},
            {"Label8(2)", "Altezza triangolo (h1)=           = ", "Label4(2)"},
            {"Label8(3)", "Perimetro    (P)        =", "Label4(3)"},
            {"Label8(4)", "Area di Base  (AB) =", "Label4(4)"},
            {"Label8(5)", "Area Laterale (AL)  =", "Label4(5)"},
            {"Label8(6)", "Area Totale (AT)     =", "Label4(6)"},
            {"Label8(7)", "Volume (V)             =", "Label4(7)"},
            {"Label8(8)", "Apotema base (a)  =", "Label4(8)"},
        },
        .formulaHeading = {"Label5", "Formule applicate"},
        .formulaLabels = {kFormula},
        .picture = {"Picture1", "prisma-triangolare.svg"},
        // The triangle's height and apothem are drawn on the picture and
        // named by these two captions.
        .extras = {onPicture("Label3(0)", "h1", 0.515, 0.16),
                   onPicture("Label3(1)", "a", 0.515, 0.655),
                   label("Label4(10)", "Costante (area)=0,433"),
                   label("Label4(9)", "Costante (apotema)=0,289")},
        .solvers = {{.name = "Command4", .steps = calcola}},
        .stampaButton = {"Command3", "Stampa"},
        .ritornaButton = {"Command2", "Ritorna"},
        .esciButton = {"Command1", "Esci"},
        .tickOf = {{"s", "Check1"}, {"h", "Check2"}, {"h1", "Check3"}, {"P", "Check4"},
                   {"AB", "Check5"}, {"AL", "Check6"}, {"AT", "Check7"}, {"V", "Check8"},
                   {"a", "Check9"}},
    };
}

} // namespace solids
