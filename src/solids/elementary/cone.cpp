// The right circular cone: two known quantities out of nine give all the others.
#include "elementary.h"

namespace solids {

using namespace solver;

namespace {

const char *const kRadius = "INTRODUCI IL RAGGIO (r) =";
const char *const kDiameter = "INTRODUCI IL DIAMETRO (d) =";
const char *const kHeight = "INTRODUCI L'ALTEZZA (h) =";
const char *const kApothem = "INTRODUCI L'APOTEMA (a) =";
const char *const kBaseArea = "INTRODUCI L'AREA DI BASE (AB) =";
const char *const kLateralArea = "INTRODUCI L'AREA LATERALE (AL) =";
const char *const kTotalArea = "INTRODUCI L'AREA TOTALE (AT) =";
const char *const kVolume = "INTRODUCI IL VOLUME (V) =";

const char *const kFormulaRadiusHeight =
    "(d=2*r):  (C=d*3,14): (a=SQR(r^2+h^2)): (AB=r*r*3,14): (AL=C*a/2): (AT=AL+AB): ( V=AB*h/3)";
// Also shown when the circumference and the height are known.
const char *const kFormulaDiameterHeight =
    "(r=d/2):  (C=d*3,14): (a=SQR(r^2+h^2)): (AB=r*r*3,14): (AL=C*a/2): (AT=AL+AB): ( V=AB*h/3)";

void calcola(Calc &calc)
{
    Quantity r(calc, "r"), d(calc, "d"), C(calc, "C"), h(calc, "h"), a(calc, "a"), AL(calc, "AL"),
        AT(calc, "AT"), V(calc, "V"), AB(calc, "AB");

    // The steps several cases share.
    const auto apothem = [&] { a = pow(pow(r, 2) + pow(h, 2), 0.5); };
    const auto height = [&] { h = pow(pow(a, 2) - pow(r, 2), 0.5); };
    const auto lateralArea = [&] { AL = C * a / 2; };
    const auto baseArea = [&] { AB = pow(r, 2) * approxPi(); };
    const auto totalArea = [&] { AT = AL + AB; };
    const auto totalAreaNumeric = [&] { AT = AL * 1 + AB * 1; };
    const auto volume = [&] { V = AB * h / 3; };

    if (calc.given({ "r", "h" })) {
        r = calc.ask(kRadius);
        h = calc.ask(kHeight);
        d = 2 * r;
        C = d * approxPi();
        apothem();
        lateralArea();
        baseArea();
        totalArea();
        volume();
        calc.formula(kFormulaRadiusHeight);
    } else if (calc.given({ "d", "h" })) {
        d = calc.ask(kDiameter);
        h = calc.ask(kHeight);
        r = d / 2;
        C = d * approxPi();
        apothem();
        lateralArea();
        baseArea();
        totalArea();
        volume();
        calc.formula(kFormulaDiameterHeight);
    } else if (calc.given({ "C", "h" })) {
        C = calc.ask("INTRODUCI LA CIRCONFERENZA (c) =");
        h = calc.ask(kHeight);
        r = C / approxTwoPi();
        d = 2 * r;
        apothem();
        lateralArea();
        baseArea();
        totalArea();
        volume();
        calc.formula(kFormulaDiameterHeight);
    } else if (calc.given({ "a", "h" })) {
        a = calc.ask(kApothem);
        h = calc.ask(kHeight);
        r = pow(pow(a, 2) - pow(h, 2), 0.5);
        d = r * 2;
        C = d * approxPi();
        lateralArea();
        baseArea();
        totalArea();
        volume();
        calc.formula(
            "(r=SQR(a^2-h^2))  :d=r*2:  (C=d*3,14): (AB=r*r*3,14): (AL=C*a/2): (AT=AL+AB): ( V=AB*h/3)");
    } else if (calc.given({ "AB", "h" })) {
        AB = calc.ask(kBaseArea);
        h = calc.ask(kHeight);
        r = pow(AB / approxPi(), 0.5);
        d = r * 2;
        C = d * approxPi();
        a = pow(pow(h, 2) + pow(r, 2), 0.5);
        lateralArea();
        totalArea();
        volume();
        calc.formula(
            "(r=SQR(AB/3,14))  :d=r*2: (a=SQR(h^2+r^2)): (C=d*3,14): (AB=r*r*3,14): (AL=C*a/2): (AT=AL+AB): ( V=AB*h/3)");
    } else if (calc.given({ "a", "AB" })) {
        a = calc.ask(kApothem);
        AB = calc.ask(kBaseArea);
        r = pow(AB / approxPi(), 0.5);
        d = r * 2;
        C = d * approxPi();
        height();
        lateralArea();
        totalArea();
        volume();
        calc.formula(
            "(r=SQR(AB/3,14))  :d=r*2: (h=SQR(a^2+r^2)): (C=d*3,14): (AB=r*r*3,14): (AL=C*a/2): (AT=AL+AB): ( V=AB*h/3)");
    } else if (calc.given({ "a", "C" })) {
        a = calc.ask(kApothem);
        C = calc.ask("INTRODUCI LA CIRCONFERENZA (C) =");
        r = C / approxTwoPi();
        d = r * 2;
        height();
        baseArea();
        lateralArea();
        totalArea();
        volume();
        calc.formula(
            "(r=C/6,28))  :d=r*2: (h=SQR(a^2+r^2)): (AB=r*r*3,14): (AL=C*a/2): (AT=AL+AB): ( V=AB*h/3)");
    } else if (calc.given({ "a", "AL" })) {
        a = calc.ask(kApothem);
        AL = calc.ask(kLateralArea);
        C = 2 * AL / a;
        r = C / approxTwoPi();
        d = r * 2;
        height();
        baseArea();
        totalArea();
        volume();
        calc.formula(
            "(C=2*AL/a)) :(r=C/6,28) :d=r*2: (h=SQR(a^2-r^2)): (AB=r*r*3,14): (AT=AL+AB): ( V=AB*h/3)");
    } else if (calc.given({ "AL", "C" })) {
        AL = calc.ask(kLateralArea);
        C = calc.ask("INTRODUCI LA CIRCONFERENZA (c) =");
        a = 2 * AL / C;
        r = C / approxTwoPi();
        d = r * 2;
        height();
        baseArea();
        totalArea();
        volume();
        calc.formula(
            "(a=2*AL/C) : (r=C/6,28) :d=r*2: (h=SQR(a^2-r^2)): (AB=r*r*3,14): (AT=AL+AB): ( V=AB*h/3)");
    } else if (calc.given({ "AL", "r" })) {
        AL = calc.ask(kLateralArea);
        r = calc.ask(kRadius);
        C = r * approxTwoPi();
        a = 2 * AL / C;
        d = r * 2;
        height();
        baseArea();
        totalArea();
        volume();
        calc.formula(
            "(C=r*6,28) : (a=2*AL/C) :d=r*2: (h=SQR(a^2-r^2)): (AB=r*r*3,14): (AT=AL+AB): ( V=AB*h/3)");
    } else if (calc.given({ "AL", "d" })) {
        AL = calc.ask(kLateralArea);
        d = calc.ask("INTRODUCI IL DIAMETRO (D) =");
        r = d / 2;
        C = r * approxTwoPi();
        a = 2 * AL / C;
        height();
        baseArea();
        totalArea();
        volume();
        calc.formula(
            "(r=D/2) : (C=d*3,14): (a=2*AL/C) : (h=SQR(a^2-r^2)): (AB=r*r*3,14): (AT=AL+AB): ( V=AB*h/3)");
    } else if (calc.given({ "AL", "AB" })) {
        AL = calc.ask(kLateralArea);
        AB = calc.ask(kBaseArea);
        r = pow(AB / approxPi(), 0.5);
        C = r * approxTwoPi();
        a = 2 * AL / C;
        d = r * 2;
        height();
        totalAreaNumeric();
        volume();
        calc.formula(
            "(r=SQR(AB/3,14)) :( C=r*6,28): (a=2*AL/C) :d=r*2: (h=SQR(a^2-r^2)): (AT=AL+AB): ( V=AB*h/3)");
    } else if (calc.given({ "AL", "AT" })) {
        AL = calc.ask(kLateralArea);
        AT = calc.ask(kTotalArea);
        AB = AT - AL;
        r = pow(AB / approxPi(), 0.5);
        C = r * approxTwoPi();
        a = 2 * AL / C;
        d = r * 2;
        height();
        volume();
        calc.formula(
            "(AB=AT-AL) : r=SQR(AB/3,14): (C=r*6,28): (a=2*AL/C) :d=r*2: (h=SQR(a^2-r^2)): ( V=AB*h/3)");
    } else if (calc.given({ "AB", "AT" })) {
        AB = calc.ask(kBaseArea);
        AT = calc.ask(kTotalArea);
        AL = AT - AB;
        r = pow(AB / approxPi(), 0.5);
        C = r * approxTwoPi();
        a = 2 * AL / C;
        d = r * 2;
        height();
        volume();
        calc.formula(
            "(AL=AT-AB) : r=SQR(AB/3,14): (C=r*6,28): (a=2*AL/C) :d=r*2: (h=SQR(a^2-r^2)): ( V=AB*h/3)");
    } else if (calc.given({ "r", "AT" })) {
        r = calc.ask(kRadius);
        AT = calc.ask(kTotalArea);
        baseArea();
        AL = AT - AB;
        C = r * approxTwoPi();
        a = 2 * AL / C;
        d = r * 2;
        height();
        volume();
        calc.formula(
            "(AB=r*r*3,14) :(AL=AT-AB): (C=r*6,28): (a=2*AL/C) :d=r*2: (h=SQR(a^2-r^2)): ( V=AB*h/3)");
    } else if (calc.given({ "d", "AT" })) {
        d = calc.ask(kDiameter);
        AT = calc.ask(kTotalArea);
        r = d / 2;
        baseArea();
        AL = AT - AB;
        C = r * approxTwoPi();
        a = 2 * AL / C;
        height();
        volume();
        calc.formula(
            "(r=d/2): (AB=r*r*3,14) :(AL=AT-AB): (C=r*6,28): (a=2*AL/C) : (h=SQR(a^2-r^2)): ( V=AB*h/3)");
    } else if (calc.given({ "C", "AT" })) {
        C = calc.ask("INTRODUCI LA CIRCONFERENZA (C) =");
        AT = calc.ask(kTotalArea);
        r = C / approxTwoPi();
        d = 2 * r;
        baseArea();
        AL = AT - AB;
        a = 2 * AL / C;
        height();
        volume();
        calc.formula(
            "(r=C/6,28): (d=2*r): (AB=r*r*3,14) :(AL=AT-AB): (a=2*AL/C) : (h=SQR(a^2-r^2)): ( V=AB*h/3)");
    } else if (calc.given({ "r", "V" })) {
        r = calc.ask(kRadius);
        V = calc.ask(kVolume);
        AB = r * r * approxPi();
        C = r * approxTwoPi();
        d = 2 * r;
        h = 3 * V / AB;
        a = pow(pow(h, 2) + pow(r, 2), 0.5);
        lateralArea();
        totalAreaNumeric();
        calc.formula(
            "(AB=r*r*3,14) :(C=r*6,28): (d=2*r):(h=3*V/AB):(a=(SQR(h^2+r^2)): (AL=C*a/2) :(AT=AL+AB)");
    } else if (calc.given({ "d", "V" })) {
        d = calc.ask(kDiameter);
        V = calc.ask(kVolume);
        r = d / 2;
        AB = r * r * approxPi();
        C = r * approxTwoPi();
        d = 2 * r; // the typed diameter gives way to the computed one
        h = 3 * V / AB;
        a = pow(pow(h, 2) + pow(r, 2), 0.5);
        lateralArea();
        totalAreaNumeric();
        calc.formula(
            "(r=d/2): (AB=r*r*3,14) : (C=r*6,28): (h=3*V/AB): (a=(SQR(h^2+r^2)): (AL=C*a/2) :(AT=AL+AB)");
    } else if (calc.given({ "C", "V" })) {
        C = calc.ask("INTRODUCI LA CIRCONFERENZA (C) =");
        V = calc.ask(kVolume);
        r = C / approxTwoPi();
        AB = r * r * approxPi();
        d = 2 * r;
        h = 3 * V / AB;
        a = pow(pow(h, 2) + pow(r, 2), 0.5);
        lateralArea();
        totalAreaNumeric();
        calc.formula(
            "(r=C/6,28): (AB=r*r*3,14) :(d=2*r): (C=r*6,28): (h=3*V/AB): (a=(SQR(h^2+r^2)): (AL=C*a/2) :(AT=AL+AB)");
    } else if (calc.given({ "h", "V" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA DELLA PIRAMIDE (h) =");
        V = calc.ask(kVolume);
        AB = 3 * V / h;
        r = pow(AB / approxPi(), 0.5);
        d = 2 * r;
        C = 2 * r * approxPi();
        a = pow(pow(h, 2) + pow(r, 2), 0.5);
        lateralArea();
        totalAreaNumeric();
        calc.formula(
            "(AB=3*V/h): (r=SQR(AB/3,14)) :(d=2*r): (C=r*6,28): (a=(SQR(h^2+r^2)): (AL=C*a/2) :(AT=AL+AB)");
    } else if (calc.given({ "AB", "V" })) {
        AB = calc.ask(kBaseArea);
        V = calc.ask(kVolume);
        r = pow(AB / approxPi(), 0.5);
        d = 2 * r;
        C = 2 * r * approxPi();
        h = 3 * V / AB;
        a = pow(pow(h, 2) + pow(r, 2), 0.5);
        lateralArea();
        totalAreaNumeric();
        calc.formula(
            " (r=SQR(AB/3,14)) :(d=2*r): (C=r*6,28): (h=3*V/AB): (a=(SQR(h^2+r^2)): (AL=C*a/2) :(AT=AL+AB)");
    } else if (calc.given({ "r", "a" })) {
        r = calc.ask(kRadius);
        a = calc.ask(kApothem);
        d = 2 * r;
        C = d * approxPi();
        height();
        lateralArea();
        baseArea();
        totalArea();
        volume();
        calc.formula(
            "(d=2*r):  (C=d*3,14): (h=SQR(a^2-r^2)): (AB=r*r*3,14): (AL=C*a/2): (AT=AL+AB): ( V=AB*h/3)");
    } else if (calc.given({ "d", "a" })) {
        d = calc.ask(kDiameter);
        a = calc.ask(kApothem);
        r = d / 2;
        C = d * approxPi();
        height();
        lateralArea();
        baseArea();
        totalArea();
        volume();
        calc.formula(
            "(r=d/2):  (C=d*3,14): (h=SQR(a^2-r^2)): (AB=r*r*3,14): (AL=C*a/2): (AT=AL+AB): ( V=AB*h/3)");
    } else {
        calc.insufficient();
    }

    calc.show("r", r);
    calc.show("d", d);
    calc.show("C", C);
    calc.show("h", h);
    calc.show("a", a);
    calc.show("AL", AL);
    calc.show("AT", AT);
    calc.show("V", V);
    calc.show("AB", AB);
}

} // namespace

SolverScreen cone()
{
    return {
        .name = "Form12",
        .caption = "CONO",
        .parent = "Form1",
        .title = {"Label1(0)", " CONO"},
        .knownHeading = {"Label2", "Cosa conosci ?"},
        .checks = {
            {"Check1", "Raggio (r)", "r"},
            {"Check2", "Diametro (d)", "d"},
            {"Check3", "Circonferenza (C)", "C"},
            {"Check4", "Altezza (h)", "h"},
            {"Check5", "Apotema (a)", "a"},
            {"Check6", "Area Laterale (AL)", "AL"},
            {"Check7", "Area Totale (AT)", "AT"},
            {"Check8", "Volume (V)", "V"},
            {"Check9", "Area di base (AB)", "AB"},
        },
        .resultsHeading = {"Label1(1)", "Risultati"},
        .rows = {
            {"Label3(0)", "Raggio (r)              =", "Label3(13)", "r"},
            {"Label3(1)", "Diametro (d)          =", "Label3(8)", "d"},
            {"Label3(2)", "Circonferenza (C)   =", "Label3(9)", "C"},
            {"Label3(3)", "Altezza (h)             =", "Label3(10)", "h"},
            {"Label3(4)", "Apotema (a)           =", "Label3(11)", "a"},
            {"Label3(5)", "Area Laterale (AL) =", "Label3(12)", "AL"},
            {"Label3(6)", "Area Totale (AT)          =", "Label3(14)", "AT"},
            {"Label3(7)", "Volume (V)           =", "Label3(15)", "V"},
            {"Label3(16)", "Area di Base (AB)      =", "Label3(17)", "AB"},
        },
        .quantities = {
            {"r", Kind::Length}, {"d", Kind::Length}, {"C", Kind::Length}, {"h", Kind::Length},
            {"a", Kind::Length}, {"AL", Kind::Area}, {"AT", Kind::Area}, {"V", Kind::Volume},
            {"AB", Kind::Area},
        },
        .formulaHeading = {"Label5", "Formule applicate"},
        .formulaLabels = {"Label6"},
        .picture = {"Picture3", "cono.svg"},
        .solvers = {{.name = "Command1", .steps = calcola}},
        .stampaButton = {"Command4", "Stampa"},
        .ritornaButton = {"Command3", "Ritorna"},
        .esciButton = {"Command2", "Esci"},
        .figure = {.shape = geometry::Shape::Cone,
                   .dimensions = {"r", "h"},
                   .marks = {{"r", "radius"}, {"d", "diameter"}, {"C", "rim"}, {"h", "height"},
                              {"a", "slant"}}},
    };
}

} // namespace solids
