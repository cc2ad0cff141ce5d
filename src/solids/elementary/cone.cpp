// The right circular cone: two known quantities out of nine give all the others.
#include "solids/solids.h"

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

void calcola(Calc &c)
{
    Value r, d, C, h, a, AL, AT, V, AB;

    // The steps several cases share.
    const auto apothem = [&] { a = pow(pow(r, 2) + pow(h, 2), 0.5); };
    const auto height = [&] { h = pow(pow(a, 2) - pow(r, 2), 0.5); };
    const auto lateralArea = [&] { AL = C * a / 2; };
    const auto baseArea = [&] { AB = pow(r, 2) * 3.14; };
    const auto totalArea = [&] { AT = AL + AB; };
    const auto totalAreaNumeric = [&] { AT = AL * 1 + AB * 1; };
    const auto volume = [&] { V = AB * h / 3; };

    if (c.ticked("Check1") && c.ticked("Check4")) {
        r = c.ask(kRadius);
        h = c.ask(kHeight);
        d = 2 * r;
        C = d * 3.14;
        apothem();
        lateralArea();
        baseArea();
        totalArea();
        volume();
        c.formula("Label6", kFormulaRadiusHeight);
    } else if (c.ticked("Check2") && c.ticked("Check4")) {
        d = c.ask(kDiameter);
        h = c.ask(kHeight);
        r = d / 2;
        C = d * 3.14;
        apothem();
        lateralArea();
        baseArea();
        totalArea();
        volume();
        c.formula("Label6", kFormulaDiameterHeight);
    } else if (c.ticked("Check3") && c.ticked("Check4")) {
        C = c.ask("INTRODUCI LA CIRCONFERENZA (c) =");
        h = c.ask(kHeight);
        r = C / 6.28;
        d = 2 * r;
        apothem();
        lateralArea();
        baseArea();
        totalArea();
        volume();
        c.formula("Label6", kFormulaDiameterHeight);
    } else if (c.ticked("Check5") && c.ticked("Check4")) {
        a = c.ask(kApothem);
        h = c.ask(kHeight);
        r = pow(pow(a, 2) - pow(h, 2), 0.5);
        d = r * 2;
        C = d * 3.14;
        lateralArea();
        baseArea();
        totalArea();
        volume();
        c.formula("Label6", "(r=SQR(a^2-h^2))  :d=r*2:  (C=d*3,14): (AB=r*r*3,14): (AL=C*a/2): "
                            "(AT=AL+AB): ( V=AB*h/3)");
    } else if (c.ticked("Check9") && c.ticked("Check4")) {
        AB = c.ask(kBaseArea);
        h = c.ask(kHeight);
        r = pow(AB / 3.14, 0.5);
        d = r * 2;
        C = d * 3.14;
        a = pow(pow(h, 2) + pow(r, 2), 0.5);
        lateralArea();
        totalArea();
        volume();
        c.formula("Label6", "(r=SQR(AB/3,14))  :d=r*2: (a=SQR(h^2+r^2)): (C=d*3,14): "
                            "(AB=r*r*3,14): (AL=C*a/2): (AT=AL+AB): ( V=AB*h/3)");
    } else if (c.ticked("Check5") && c.ticked("Check9")) {
        a = c.ask(kApothem);
        AB = c.ask(kBaseArea);
        r = pow(AB / 3.14, 0.5);
        d = r * 2;
        C = d * 3.14;
        height();
        lateralArea();
        totalArea();
        volume();
        c.formula("Label6", "(r=SQR(AB/3,14))  :d=r*2: (h=SQR(a^2+r^2)): (C=d*3,14): "
                            "(AB=r*r*3,14): (AL=C*a/2): (AT=AL+AB): ( V=AB*h/3)");
    } else if (c.ticked("Check5") && c.ticked("Check3")) {
        a = c.ask(kApothem);
        C = c.ask("INTRODUCI LA CIRCONFERENZA (C) =");
        r = C / 6.28;
        d = r * 2;
        height();
        baseArea();
        lateralArea();
        totalArea();
        volume();
        c.formula("Label6", "(r=C/6,28))  :d=r*2: (h=SQR(a^2+r^2)): (AB=r*r*3,14): (AL=C*a/2): "
                            "(AT=AL+AB): ( V=AB*h/3)");
    } else if (c.ticked("Check5") && c.ticked("Check6")) {
        a = c.ask(kApothem);
        AL = c.ask(kLateralArea);
        C = 2 * AL / a;
        r = C / 6.28;
        d = r * 2;
        height();
        baseArea();
        totalArea();
        volume();
        c.formula("Label6", "(C=2*AL/a)) :(r=C/6,28) :d=r*2: (h=SQR(a^2-r^2)): (AB=r*r*3,14): "
                            "(AT=AL+AB): ( V=AB*h/3)");
    } else if (c.ticked("Check6") && c.ticked("Check3")) {
        AL = c.ask(kLateralArea);
        C = c.ask("INTRODUCI LA CIRCONFERENZA (c) =");
        a = 2 * AL / C;
        r = C / 6.28;
        d = r * 2;
        height();
        baseArea();
        totalArea();
        volume();
        c.formula("Label6", "(a=2*AL/C) : (r=C/6,28) :d=r*2: (h=SQR(a^2-r^2)): (AB=r*r*3,14): "
                            "(AT=AL+AB): ( V=AB*h/3)");
    } else if (c.ticked("Check6") && c.ticked("Check1")) {
        AL = c.ask(kLateralArea);
        r = c.ask(kRadius);
        C = r * 6.28;
        a = 2 * AL / C;
        d = r * 2;
        height();
        baseArea();
        totalArea();
        volume();
        c.formula("Label6", "(C=r*6,28) : (a=2*AL/C) :d=r*2: (h=SQR(a^2-r^2)): (AB=r*r*3,14): "
                            "(AT=AL+AB): ( V=AB*h/3)");
    } else if (c.ticked("Check6") && c.ticked("Check2")) {
        AL = c.ask(kLateralArea);
        d = c.ask("INTRODUCI IL DIAMETRO (D) =");
        r = d / 2;
        C = r * 6.28;
        a = 2 * AL / C;
        height();
        baseArea();
        totalArea();
        volume();
        c.formula("Label6", "(r=D/2) : (C=d*3,14): (a=2*AL/C) : (h=SQR(a^2-r^2)): (AB=r*r*3,14): "
                            "(AT=AL+AB): ( V=AB*h/3)");
    } else if (c.ticked("Check6") && c.ticked("Check9")) {
        AL = c.ask(kLateralArea);
        AB = c.ask(kBaseArea);
        r = pow(AB / 3.14, 0.5);
        C = r * 6.28;
        a = 2 * AL / C;
        d = r * 2;
        height();
        totalAreaNumeric();
        volume();
        c.formula("Label6", "(r=SQR(AB/3,14)) :( C=r*6,28): (a=2*AL/C) :d=r*2: (h=SQR(a^2-r^2)): "
                            "(AT=AL+AB): ( V=AB*h/3)");
    } else if (c.ticked("Check6") && c.ticked("Check7")) {
        AL = c.ask(kLateralArea);
        AT = c.ask(kTotalArea);
        AB = AT - AL;
        r = pow(AB / 3.14, 0.5);
        C = r * 6.28;
        a = 2 * AL / C;
        d = r * 2;
        height();
        volume();
        c.formula("Label6", "(AB=AT-AL) : r=SQR(AB/3,14): (C=r*6,28): (a=2*AL/C) :d=r*2: "
                            "(h=SQR(a^2-r^2)): ( V=AB*h/3)");
    } else if (c.ticked("Check9") && c.ticked("Check7")) {
        AB = c.ask(kBaseArea);
        AT = c.ask(kTotalArea);
        AL = AT - AB;
        r = pow(AB / 3.14, 0.5);
        C = r * 6.28;
        a = 2 * AL / C;
        d = r * 2;
        height();
        volume();
        c.formula("Label6", "(AL=AT-AB) : r=SQR(AB/3,14): (C=r*6,28): (a=2*AL/C) :d=r*2: "
                            "(h=SQR(a^2-r^2)): ( V=AB*h/3)");
    } else if (c.ticked("Check1") && c.ticked("Check7")) {
        r = c.ask(kRadius);
        AT = c.ask(kTotalArea);
        baseArea();
        AL = AT - AB;
        C = r * 6.28;
        a = 2 * AL / C;
        d = r * 2;
        height();
        volume();
        c.formula("Label6", "(AB=r*r*3,14) :(AL=AT-AB): (C=r*6,28): (a=2*AL/C) :d=r*2: "
                            "(h=SQR(a^2-r^2)): ( V=AB*h/3)");
    } else if (c.ticked("Check2") && c.ticked("Check7")) {
        d = c.ask(kDiameter);
        AT = c.ask(kTotalArea);
        r = d / 2;
        baseArea();
        AL = AT - AB;
        C = r * 6.28;
        a = 2 * AL / C;
        height();
        volume();
        c.formula("Label6", "(r=d/2): (AB=r*r*3,14) :(AL=AT-AB): (C=r*6,28): (a=2*AL/C) : "
                            "(h=SQR(a^2-r^2)): ( V=AB*h/3)");
    } else if (c.ticked("Check3") && c.ticked("Check7")) {
        C = c.ask("INTRODUCI LA CIRCONFERENZA (C) =");
        AT = c.ask(kTotalArea);
        r = C / 6.28;
        d = 2 * r;
        baseArea();
        AL = AT - AB;
        a = 2 * AL / C;
        height();
        volume();
        c.formula("Label6", "(r=C/6,28): (d=2*r): (AB=r*r*3,14) :(AL=AT-AB): (a=2*AL/C) : "
                            "(h=SQR(a^2-r^2)): ( V=AB*h/3)");
    } else if (c.ticked("Check1") && c.ticked("Check8")) {
        r = c.ask(kRadius);
        V = c.ask(kVolume);
        AB = r * r * 3.14;
        C = r * 6.28;
        d = 2 * r;
        h = 3 * V / AB;
        a = pow(pow(h, 2) + pow(r, 2), 0.5);
        lateralArea();
        totalAreaNumeric();
        c.formula("Label6", "(AB=r*r*3,14) :(C=r*6,28): (d=2*r):(h=3*V/AB):(a=(SQR(h^2+r^2)): "
                            "(AL=C*a/2) :(AT=AL+AB)");
    } else if (c.ticked("Check2") && c.ticked("Check8")) {
        d = c.ask(kDiameter);
        V = c.ask(kVolume);
        r = d / 2;
        AB = r * r * 3.14;
        C = r * 6.28;
        d = 2 * r;  // the typed diameter gives way to the computed one
        h = 3 * V / AB;
        a = pow(pow(h, 2) + pow(r, 2), 0.5);
        lateralArea();
        totalAreaNumeric();
        c.formula("Label6", "(r=d/2): (AB=r*r*3,14) : (C=r*6,28): (h=3*V/AB): "
                            "(a=(SQR(h^2+r^2)): (AL=C*a/2) :(AT=AL+AB)");
    } else if (c.ticked("Check3") && c.ticked("Check8")) {
        C = c.ask("INTRODUCI LA CIRCONFERENZA (C) =");
        V = c.ask(kVolume);
        r = C / 6.28;
        AB = r * r * 3.14;
        d = 2 * r;
        h = 3 * V / AB;
        a = pow(pow(h, 2) + pow(r, 2), 0.5);
        lateralArea();
        totalAreaNumeric();
        c.formula("Label6", "(r=C/6,28): (AB=r*r*3,14) :(d=2*r): (C=r*6,28): (h=3*V/AB): "
                            "(a=(SQR(h^2+r^2)): (AL=C*a/2) :(AT=AL+AB)");
    } else if (c.ticked("Check4") && c.ticked("Check8")) {
        h = c.ask("INTRODUCI L'ALTEZZA DELLA PIRAMIDE (h) =");
        V = c.ask(kVolume);
        AB = 3 * V / h;
        r = pow(AB / 3.14, 0.5);
        d = 2 * r;
        C = 2 * r * 3.14;
        a = pow(pow(h, 2) + pow(r, 2), 0.5);
        lateralArea();
        totalAreaNumeric();
        c.formula("Label6", "(AB=3*V/h): (r=SQR(AB/3,14)) :(d=2*r): (C=r*6,28): "
                            "(a=(SQR(h^2+r^2)): (AL=C*a/2) :(AT=AL+AB)");
    } else if (c.ticked("Check9") && c.ticked("Check8")) {
        AB = c.ask(kBaseArea);
        V = c.ask(kVolume);
        r = pow(AB / 3.14, 0.5);
        d = 2 * r;
        C = 2 * r * 3.14;
        h = 3 * V / AB;
        a = pow(pow(h, 2) + pow(r, 2), 0.5);
        lateralArea();
        totalAreaNumeric();
        c.formula("Label6", " (r=SQR(AB/3,14)) :(d=2*r): (C=r*6,28): (h=3*V/AB): "
                            "(a=(SQR(h^2+r^2)): (AL=C*a/2) :(AT=AL+AB)");
    } else if (c.ticked("Check1") && c.ticked("Check5")) {
        r = c.ask(kRadius);
        a = c.ask(kApothem);
        d = 2 * r;
        C = d * 3.14;
        height();
        lateralArea();
        baseArea();
        totalArea();
        volume();
        c.formula("Label6", "(d=2*r):  (C=d*3,14): (h=SQR(a^2-r^2)): (AB=r*r*3,14): (AL=C*a/2): "
                            "(AT=AL+AB): ( V=AB*h/3)");
    } else if (c.ticked("Check2") && c.ticked("Check5")) {
        d = c.ask(kDiameter);
        a = c.ask(kApothem);
        r = d / 2;
        C = d * 3.14;
        height();
        lateralArea();
        baseArea();
        totalArea();
        volume();
        c.formula("Label6", "(r=d/2):  (C=d*3,14): (h=SQR(a^2-r^2)): (AB=r*r*3,14): (AL=C*a/2): "
                            "(AT=AL+AB): ( V=AB*h/3)");
    } else {
        c.insufficient();
    }

    c.show("Label3(13)", r);
    c.show("Label3(8)", d);
    c.show("Label3(9)", C);
    c.show("Label3(10)", h);
    c.show("Label3(11)", a);
    c.show("Label3(12)", AL);
    c.show("Label3(14)", AT);
    c.show("Label3(15)", V);
    c.show("Label3(17)", AB);
}

} // namespace

const SolverScreen &cone()
{
    static const SolverScreen screen = [] {
        SolverScreen s;
        s.name = "Form12";
        s.caption = "CONO";
        s.parent = "Form1";
        s.title = {"Label1(0)", " CONO"};
        s.knownHeading = {"Label2", "Cosa conosci ?"};
        s.checks = {
            {"Check1", "Raggio (r)"},
            {"Check2", "Diametro (d)"},
            {"Check3", "Circonferenza (C)"},
            {"Check4", "Altezza (h)"},
            {"Check5", "Apotema (a)"},
            {"Check6", "Area Laterale (AL)"},
            {"Check7", "Area Totale (AT)"},
            {"Check8", "Volume (V)"},
            {"Check9", "Area di base (AB)"},
        };
        s.resultsHeading = {"Label1(1)", "Risultati"};
        s.rows = {
            {"Label3(0)", "Raggio (r)              =", "Label3(13)"},
            {"Label3(1)", "Diametro (d)          =", "Label3(8)"},
            {"Label3(2)", "Circonferenza (C)   =", "Label3(9)"},
            {"Label3(3)", "Altezza (h)             =", "Label3(10)"},
            {"Label3(4)", "Apotema (a)           =", "Label3(11)"},
            {"Label3(5)", "Area Laterale (AL) =", "Label3(12)"},
            {"Label3(6)", "Area Totale (AT)          =", "Label3(14)"},
            {"Label3(7)", "Volume (V)           =", "Label3(15)"},
            {"Label3(16)", "Area di Base (AB)      =", "Label3(17)"},
        };
        s.formulaHeading = {"Label5", "Formule applicate"};
        s.formulaLabels = {"Label6"};
        s.picture = {"Picture3", "cono.svg"};
        s.calcolaButton = {"Command1", "Calcola"};
        s.stampaButton = {"Command4", "Stampa"};
        s.ritornaButton = {"Command3", "Ritorna"};
        s.esciButton = {"Command2", "Esci"};
        s.calcola = calcola;
        return s;
    }();
    return screen;
}

} // namespace solids
