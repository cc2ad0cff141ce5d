// The right prism on an equilateral triangle: two known quantities out of
// nine give the other seven. The base area is worked out with sqrt(3), not
// with the area constant the screen shows.
#include "prisms.h"

namespace solids {

using namespace solver;

namespace {

void calcola(Calc &calc)
{
    Quantity s(calc, "s"), h(calc, "h"), h1(calc, "h1"), P(calc, "P"), AB(calc, "AB"),
        AL(calc, "AL"), AT(calc, "AT"), V(calc, "V"), a(calc, "a");
    const Expr apothem1 = polygonApothem(3, 0.289);

    // The steps several cases share.
    const auto baseFromSide = [&] { AB = pow(Expr(3), 0.5) * pow(s, 2) / 4; };
    const auto sideFromBase = [&] { s = pow(4 * AB / pow(Expr(3), 0.5), 0.5); };
    const auto heightOfTriangle = [&] { h1 = s / 2 * pow(Expr(3), 0.5); };
    const auto sideFromHeight = [&] { s = 2 * h1 / pow(Expr(3), 0.5); };
    const auto apothem = [&] { a = s * apothem1; };
    const auto sideFromApothem = [&] { s = a / apothem1; };
    const auto perimeter = [&] { P = s * 3; };
    const auto sideFromPerimeter = [&] { s = P / 3; };
    const auto lateral = [&] { AL = P * h; };
    const auto lateralFromTotal = [&] { AL = AT - 2 * AB; };
    const auto total = [&] { AT = AL + 2 * AB; };
    const auto volume = [&] { V = AB * h; };
    const auto heightFromLateral = [&] { h = AL / P; };
    const auto heightFromVolume = [&] { h = V / AB; };

    if (calc.given({ "s", "h" })) {
        s = calc.ask("INTRODUCI LO SPIGOLO (s)  =");
        h = calc.ask("INTRODUCI L'AKTEZZA (h)=");
        baseFromSide();
        perimeter();
        heightOfTriangle();
        lateral();
        total();
        volume();
        apothem();
        calc.formula(
            "(AB=SQR(3)*s^2/4): (P=s*3): h1=s/2*3^0.5: (AL=P*h): (AT=AL+2*AB): (V=AB*h): (a=0,289*s)");
    } else if (calc.given({ "h", "h1" })) {
        h1 = calc.ask("INTRODUCI L'ALTEZZA DEL TRIANGOLO (h1)  =");
        h = calc.ask("INTRODUCI L'AKTEZZA (h)=");
        sideFromHeight();
        perimeter();
        baseFromSide();
        lateral();
        total();
        volume();
        apothem();
        calc.formula(
            "(s=2*h1/SQR(3): AB=SQR(3)*s^2/4): (P=s*3): (AL=P*h): (AT=AL+2*AB): (V=AB*h): (a=0,289*s)");
    } else if (calc.given({ "h", "AB" })) {
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)  =");
        h = calc.ask("INTRODUCI L'AKTEZZA (h)=");
        sideFromBase();
        perimeter();
        heightOfTriangle();
        lateral();
        total();
        volume();
        apothem();
        calc.formula(
            "(s=SQR(4*AB/1,732): (P=s*3): h1=s/2*3^0.5: (AL=P*h): (AT=AL+2*AB): (V=AB*h): (a=0,289*s)");
    } else if (calc.given({ "h", "P" })) {
        P = calc.ask("INTRODUCI IL PERIMETRO (P)  =");
        h = calc.ask("INTRODUCI L'AKTEZZA (h)=");
        sideFromPerimeter();
        baseFromSide();
        heightOfTriangle();
        lateral();
        total();
        volume();
        apothem();
        calc.formula(
            "s=P/3: (AB=SQR(3)*s^2/4): h1=s/2*3^0.5: (AL=P*h): (AT=AL+2*AB): (V=AB*h): (a=0,289*s)");
    } else if (calc.given({ "h", "AL" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)  =");
        h = calc.ask("INTRODUCI L'AKTEZZA (h)=");
        P = AL / h;
        sideFromPerimeter();
        baseFromSide();
        heightOfTriangle();
        total();
        volume();
        apothem();
        calc.formula(
            "(P=AL/h): (s=P/3): (AB=SQR(3)*s^2/4): h1=s/2*3^0.5: (AT=AL+2*AB): (V=AB*h): (a=0,289*s)");
    } else if (calc.given({ "h", "V" })) {
        V = calc.ask("INTRODUCI IL VOLUME (V)  =");
        h = calc.ask("INTRODUCI L'AKTEZZA (h)=");
        AB = V / h;
        sideFromBase();
        perimeter();
        lateral();
        heightOfTriangle();
        total();
        volume();
        apothem();
        calc.formula(
            "(AB=V/h): (s=SQR(4*AB/1,732): (P=s*3): (AL=P*h): h1=s/2*3^0.5: (AT=AL+2*AB): (V=AB*h): (a=0,289*s)");
    } else if (calc.given({ "h", "a" })) {
        a = calc.ask("INTRODUCI L'APOTEMA DI BASE (a)  =");
        h = calc.ask("INTRODUCI L'AKTEZZA (h)=");
        sideFromApothem();
        perimeter();
        baseFromSide();
        heightOfTriangle();
        lateral();
        total();
        volume();
        calc.formula(
            "(s=a/0,289): (P=s*3): (AB=SQR(3)*s^2/4): h1=s/2*3^0.5: (AL=P+h): (AT=AL+2*AB): (V=AB*h)");
    } else if (calc.given({ "s", "AL" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)  =");
        s = calc.ask("INTRODUCI LO SPIGOLO DI BASE (s)=");
        apothem();
        perimeter();
        baseFromSide();
        heightOfTriangle();
        heightFromLateral();
        total();
        volume();
        calc.formula(
            "(a=s*0,289): (P=s*3): (AB=SQR(3)*s^2/4): h1=s/2*3^0.5: (H=AL/P): (AT=AL+2*AB): (V=AB*h)");
    } else if (calc.given({ "AL", "a" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)  =");
        a = calc.ask("INTRODUCI LO SPIGOLO DI BASE (a)=");
        sideFromApothem();
        perimeter();
        baseFromSide();
        heightOfTriangle();
        heightFromLateral();
        total();
        volume();
        calc.formula(
            "(s=a/0,289): (P=s*3): (AB=SQR(3)*s^2/4): h1=s/2*3^0.5: (h=AL/P): (AT=AL+2*AB): (V=AB*h)");
    } else if (calc.given({ "h1", "AL" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)  =");
        h1 = calc.ask("INTRODUCI L'ALTEZZA DEL TRIANGOLO (h1)=");
        sideFromHeight();
        perimeter();
        apothem();
        baseFromSide();
        heightOfTriangle();
        heightFromLateral();
        total();
        volume();
        calc.formula(
            "(s=2*h1/SQR(3)): a=s*0,289: (P=s*3): (AB=SQR(3)*s^2/4): h1=s/2*3^0.5: (h=AL/P): (AT=AL+2*AB): (V=AB*h)");
    } else if (calc.given({ "P", "AL" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)  =");
        P = calc.ask("INTRODUCI IL PERIMETRO (P)=");
        sideFromPerimeter();
        apothem();
        baseFromSide();
        heightOfTriangle();
        heightFromLateral();
        total();
        volume();
        calc.formula(
            "(s=P/3): (a=s*0,289): (AB=SQR(3)*s^2/4): h1=s/2*3^0.5: (h=AL/P): (AT=AL+2*AB): (V=AB*h)");
    } else if (calc.given({ "AB", "AL" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)  =");
        AB = calc.ask("INTRODUCI AREA DI BASE (a)=");
        sideFromBase();
        apothem();
        perimeter();
        heightOfTriangle();
        heightFromLateral();
        total();
        volume();
        calc.formula(
            "(s=SQR(4*AB/1,732): (P=s*3): a=s*0,289: h1=s/2*3^0.5: (h=AL/P): (AT=AL+2*AB): (V=AB*h)");
    } else if (calc.given({ "AL", "AT" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)  =");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        AB = (AT - AL) / 2;
        sideFromBase();
        apothem();
        perimeter();
        heightOfTriangle();
        heightFromLateral();
        volume();
        calc.formula(
            "(AB=(AT-AL)/2):  s=SQR(4*AB/1,732): (P=s*3): h1=s/2*3^0.5: (h=AL/P): (V=AB*h)");
    } else if (calc.given({ "s", "AT" })) {
        s = calc.ask("INTRODUCI L'AREA LATERALE (s)  =");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        baseFromSide();
        lateralFromTotal();
        perimeter();
        apothem();
        heightOfTriangle();
        heightFromLateral();
        volume();
        calc.formula(
            "(AB=SQR(3)*s^2/4): (AL=AT-2*AB): a=s*0,289: (P=s*3): h1=s/2*3^0.5: (h=AL/P): (V=AB*h)");
    } else if (calc.given({ "AT", "a" })) {
        a = calc.ask("INTRODUCI L'AREA LATERALE (a)  =");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        sideFromApothem();
        baseFromSide();
        perimeter();
        lateralFromTotal();
        heightOfTriangle();
        heightFromLateral();
        volume();
        calc.formula(
            "(s=a/0,289): (AB=SQR(3)*s^2/4): (AL=AT-2*AB): (P=s*3): h1=s/2*3^0.5: (h=AL/P): (V=AB*h)");
    } else if (calc.given({ "h1", "AT" })) {
        h1 = calc.ask("INTRODUCI L'ALTEZZA DEL TRIANGOLO  (h1)  =");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        sideFromHeight();
        baseFromSide();
        lateralFromTotal();
        perimeter();
        apothem();
        heightFromLateral();
        volume();
        calc.formula(
            "(s=2*h1/SQR(3)):  (AB=SQR(3)*s^2/4): (AL=AT-2*AB): a=s*0,289: (P=s*3): (h=AL/P): (V=AB*h)");
    } else if (calc.given({ "P", "AT" })) {
        P = calc.ask("INTRODUCI IL PERIMETRO (P)  =");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        sideFromPerimeter();
        baseFromSide();
        lateralFromTotal();
        apothem();
        heightOfTriangle();
        heightFromLateral();
        volume();
        calc.formula(
            "(s= P/3):  AB=SQR(3)*s^2/4): (AL=AT-2*AB): (a=s*0,289): h1=s/2*3^0.5: (h=AL/P): (V=AB*h)");
    } else if (calc.given({ "AB", "AT" })) {
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)  =");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        sideFromBase();
        perimeter();
        lateralFromTotal();
        apothem();
        heightOfTriangle();
        heightFromLateral();
        volume();
        calc.formula(
            "((s=2*h1/SQR(3)) :P=s*3: (AL=AT-2*AB): (a=s*0,289): h1=s/2*3^0.5: (h=AL/P): (V=AB*h)");
    } else if (calc.given({ "s", "V" })) {
        s = calc.ask("INTRODUCI LO SPIGOLO DI BASE (s)  =");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        baseFromSide();
        perimeter();
        heightFromVolume();
        lateral();
        apothem();
        heightOfTriangle();
        total();
        calc.formula(
            "((AB=SQR(3)*s^2/4)) :P=s*3: (h=V/AB): AL=P*h: (a=s*0,289): h1=s/2*3^0.5: (AT=AL+2*AB)");
    } else if (calc.given({ "V", "a" })) {
        a = calc.ask("INTRODUCI L'APOTEMA DI BASE (a)  =");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        sideFromApothem();
        baseFromSide();
        perimeter();
        heightFromVolume();
        lateral();
        heightOfTriangle();
        total();
        // The same text as the case (s, V).
        calc.formula(
            "((AB=SQR(3)*s^2/4)) :P=s*3: (h=V/AB): AL=P*h: (a=s*0,289): h1=s/2*3^0.5: (AT=AL+2*AB)");
    } else if (calc.given({ "h1", "V" })) {
        h1 = calc.ask("INTRODUCI L'ALTEZZA DEL TRIANGOLO (h1)  =");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        sideFromHeight();
        baseFromSide();
        perimeter();
        heightFromVolume();
        apothem();
        lateral();
        total();
        calc.formula(
            "(s=2*h1/1,732): (AB=SQR(3)*s^2/4)) :P=s*3: (h=V/AB): AL=P*h: (a=s*0,289): (AT=AL+2*AB)");
    } else if (calc.given({ "P", "V" })) {
        P = calc.ask("INTRODUCI IL PERIMETRO (P)  =");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        sideFromPerimeter();
        baseFromSide();
        heightFromVolume();
        apothem();
        heightOfTriangle();
        lateral();
        total();
        calc.formula(
            "(s=P/3): (AB=SQR(3)*s^2/4)) : (h=V/AB): ( AL=P*h): (h1=s/2*3^0.5): (a=s*0,289): (AT=AL+2*AB)");
    } else if (calc.given({ "AB", "V" })) {
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)  =");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        sideFromBase();
        perimeter();
        heightFromVolume();
        apothem();
        heightOfTriangle();
        lateral();
        total();
        calc.formula(
            "(s=SQR(4*AB/1.732) : P=s*3: (h=V/AB): ( AL=P*h): (h1=s/2*3^0.5): (a=s*0,289): (AT=AL+2*AB)");
    } else {
        calc.insufficient();
    }

    calc.show("s", s);
    calc.show("h", h);
    calc.show("h1", h1);
    calc.show("P", P);
    calc.show("AB", AB);
    calc.show("AL", AL);
    calc.show("AT", AT);
    calc.show("V", V);
    calc.show("a", a);
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
            {"Check1", "Spigolo di base (s)", "s"},
            {"Check2", "Altezza della piramide (h)", "h"},
            {"Check3", "Altezza del triangolo (h1)", "h1"},
            {"Check4", "Perimetro (P)", "P"},
            {"Check5", "Area di base (AB)", "AB"},
            {"Check6", "Area Laterale (AL)", "AL"},
            {"Check7", "Area Totale (AT)", "AT"},
            {"Check8", "Volume (V)", "V"},
            {"Check9", "apotema di base (a)", "a"},
        },
        .resultsHeading = {"Label2(1)", "Risultati"},
        .rows = {
            {"Label8(0)", "Spigolo di base   (s)  =", "Label4(0)", "s"},
            {"Label8(1)", "Altezza piramide (h)=", "Label4(1)", "h"},
            {"Label8(2)", "Altezza triangolo (h1)=           = ", "Label4(2)", "h1"},
            {"Label8(3)", "Perimetro    (P)        =", "Label4(3)", "P"},
            {"Label8(4)", "Area di Base  (AB) =", "Label4(4)", "AB"},
            {"Label8(5)", "Area Laterale (AL)  =", "Label4(5)", "AL"},
            {"Label8(6)", "Area Totale (AT)     =", "Label4(6)", "AT"},
            {"Label8(7)", "Volume (V)             =", "Label4(7)", "V"},
            {"Label8(8)", "Apotema base (a)  =", "Label4(8)", "a"},
        },
        .quantities = {
            {"s", Kind::Length}, {"h", Kind::Length}, {"h1", Kind::Length}, {"P", Kind::Length},
            {"AB", Kind::Area}, {"AL", Kind::Area}, {"AT", Kind::Area}, {"V", Kind::Volume},
            {"a", Kind::Length},
        },
        .formulaHeading = {"Label5", "Formule applicate"},
        .formulaLabels = {"Label6"},
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
        .figure = {.shape = geometry::Shape::RegularPrism,
                   .dimensions = {"3", "s", "h"},
                   .marks = {{"s", "side"}, {"h", "height"}, {"h1", "baseHeight"},
                             {"a", "baseApothem"}}},
    };
}

} // namespace solids
