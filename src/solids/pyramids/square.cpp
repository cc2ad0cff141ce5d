// The pyramid on a square base: each case finds the base edge l and the height
// h; the closing steps work out the eight other quantities from those two.
#include "pyramids.h"

namespace solids {

using namespace solver;

namespace {

const char *const kFormula = "Label6";

void calcola(Calc &calc)
{
    Value l, l1, h, a, P, AB, AL, AT, R, V;

    // h from the apothem and the base edge, used by most cases.
    const auto heightFromApothem = [&] { h = pow(pow(a, 2) - pow(l / 2, 2), 0.5); };

    if (calc.given({ "Check1", "Check3" })) {
        l = calc.ask("INTRODUCI LO SPIGOLO DI BASE (l)=");
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        calc.formula(
            kFormula,
            " (a=SQR((i/2)^2+h^2)): (P=l*4):((AL=P*a)/2): (AB=l^2): (AT=AL+AB): (l1=SQR((l/2)^2+a^2)): (r=2*AB/P):(V=AB*h/3)");
    } else if (calc.given({ "Check1", "Check2" })) {
        l = calc.ask("INTRODUCI LO SPIGOLO DI BASE (l)=");
        a = calc.ask("INTRODUCI L'APOTEMA (a)=");
        heightFromApothem();
        calc.formula(
            kFormula,
            " (h=SQR(a^2-(l/2)^2)): (P=l*4):((AL=P*a)/2): (AB=l^2): (AT=AL+AB): (l1=SQR((l/2)^2+a^2)): (r=2*AB/P):(V=AB*h/3)");
    } else if (calc.given({ "Check2", "Check3" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        a = calc.ask("INTRODUCI L'APOTEMA (a)=");
        l = pow(pow(a, 2) - pow(h, 2), 0.5) * 2;
        calc.formula(
            kFormula,
            " (l=SQR(a^2-h^2)*2): (P=l*4):((AL=P*a)/2): (AB=l^2): (AT=AL+AB): (l1=SQR((l/2)^2+a^2)): (r=2*AB/P):(V=AB*h/3)");
    } else if (calc.given({ "Check2", "Check7" })) {
        R = calc.ask("INTRODUCI L'APOTEMA DI BASE (R)=");
        a = calc.ask("INTRODUCI L'APOTEMA (a)=");
        l = R * 2;
        h = pow(pow(a, 2) - pow(R, 2), 0.5);
        calc.formula(kFormula,
                     " (l=SQR(a^2-R^2)): (P=l*4):((AL=P*a)/2): (AB=l^2): (AT=AL+AB):(V=AB*h/3)");
    } else if (calc.given({ "Check7", "Check3" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        R = calc.ask("INTRODUCI L'APOTEMA DI BASE (R)=");
        l = 2 * R;
        calc.formula(
            kFormula,
            " (l=2*r: a=SQR(r^2+h^2): (P=l*4):((AL=P*a)/2): (AB=l^2): (AT=AL+AB): (l1=SQR((l/2)^2+a^2)) :(V=AB*h/3)");
    } else if (calc.given({ "Check5", "Check1" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        l = calc.ask("INTRODUCI LO SPIGOLO DI BASE (l)=");
        P = l * 4;
        a = 2 * AL / P;
        R = l / 2;
        h = pow(pow(a, 2) - pow(R, 2), 0.5);
        calc.formula(
            kFormula,
            " (P=l*4): (AB=l^2):a=SQR(a^2-(l/2)^2):R=2*l: (AT=AL+AB): (l1=SQR((l/2)^2+a^2)):(V=AB*h/3)");
    } else if (calc.given({ "Check2", "Check5" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        a = calc.ask("INTRODUCI L'APOTEMA (a)=");
        P = 2 * AL / a;
        l = P / 4;
        heightFromApothem();
        calc.formula(
            kFormula,
            " (P=2*AL/a): (l=P/4):h=SQR(a^2-(l/2)^2): (AB=l^2): (AT=AL+AB): (l1=SQR((l/2)^2+a^2)): (R=l/2):(V=AB*h/3)");
    } else if (calc.given({ "Check7", "Check5" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        R = calc.ask("INTRODUCI L'APOTEMA di Base (R)=");
        l = 2 * R;
        P = l * 4;
        a = 2 * AL / P;
        heightFromApothem();
        calc.formula(
            kFormula,
            " (l=2*R): (P=l*4): (a=2*AL/P): h=SQR(a^2-(l/2)^2): (AB=l^2): (AT=AL+AB): (l1=SQR((l/2)^2+a^2)):(V=AB*h/3)");
    } else if (calc.given({ "Check4", "Check5" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        AB = AT - AL;
        l = pow(AB, 0.5);
        P = l * 4;
        a = 2 * AL / P;
        heightFromApothem();
        calc.formula(
            kFormula,
            " (AB=AT-AL): (l=SQR(AB)):(P=l*4): (a=2*AL/P): h=SQR(a^2-(l/2)^2): (l1=SQR((l/2)^2+a^2)): (R=l/2):(V=AB*h/3)");
    } else if (calc.given({ "Check1", "Check4" })) {
        l = calc.ask("INTRODUCI LO SPIGOLO DI BASE  (l)=");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        AB = pow(l, 2);
        AL = AT - AB;
        P = l * 4;
        a = 2 * AL / P;
        heightFromApothem();
        calc.formula(
            kFormula,
            " (AB=l^2): (AL=AT-AB):(P=l*4): (a=2*AL/P): h=SQR(a^2-(l/2)^2): (l1=SQR((l/2)^2+a^2)):(V=AB*h/3)");
    } else if (calc.given({ "Check1", "Check6" })) {
        l = calc.ask("INTRODUCI LO SPIGOLO DI BASE  (l)=");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        AB = pow(l, 2);
        h = 3 * V / AB;
        calc.formula(
            kFormula,
            " (R=l/2): (AB=l^2):(h=3*V/AB) :(P=l*4): (a=SQR(L/2^2+h^2): (AL=P*a/2): (l1=SQR((l/2)^2+a^2)): (R=l/2)");
    } else if (calc.given({ "Check7", "Check6" })) {
        R = calc.ask("INTRODUCI L'APOTEMA DI BASE  (R)=");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        l = 2 * R;
        AB = pow(l, 2);
        h = 3 * V / AB;
        calc.formula(
            kFormula,
            " (l=2*R): (AB=l^2):(h=3*V/AB) :(P=l*4): (a=SQR(L/2^2+h^2): (AL=P*a/2): (l1=SQR((l/2)^2+a^2)): (R=l/2)");
    } else if (calc.given({ "Check3", "Check6" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA  (h)=");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        AB = 3 * V / h;
        l = pow(AB, 0.5);
        calc.formula(
            kFormula,
            " (AB=3*V/h):(l=SQR(AB) :(P=l*4): (a=SQR(L/2^2+h^2): (AL=P*a/2): (l1=SQR((l/2)^2+a^2)): (R=l/2)");
    } else if (calc.given({ "Check5", "Check9" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE  (AL)=");
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)=");
        l = pow(AB, 0.5);
        P = l * 4;
        a = 2 * AL / P;
        heightFromApothem();
        calc.formula(
            kFormula,
            "(l=SQR(AB) :(P=l*4): (a=2*AL/P)):(h=SQR(a^2-(l/2)^2): (AT=AL+AB): (l1=SQR((l/2)^2+a^2)): (R=l/2): (V=AB*h/3)");
    } else if (calc.given({ "Check5", "Check8" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE  (AL)=");
        P = calc.ask("INTRODUCI IL PERIMETRO DI BASE (P)=");
        l = P / 4;
        a = 2 * AL / P;
        heightFromApothem();
        calc.formula(
            kFormula,
            "(l=P/4) : (a=2*AL/P)):(h=SQR(a^2-(l/2)^2): (AT=AL+AB): (l1=SQR((l/2)^2+a^2)): (R=l/2): (V=AB*h/3)");
    } else if (calc.given({ "Check4", "Check9" })) {
        AT = calc.ask("INTRODUCI L'AREA TOTALE  (AT)=");
        AB = calc.ask("INTRODUCI AREA DI BASE (AB)=");
        l = pow(AB, 0.5);
        AL = AT - AB;
        P = l * 4;
        a = 2 * AL / P;
        heightFromApothem();
        calc.formula(
            kFormula,
            "(l=SQR(AB)) : (P=l*4):( AL=AT-AB): (a=2*AL/P)):(h=SQR(a^2-(l/2)^2): (l1=SQR((l/2)^2+a^2)): (R=l/2): (V=AB*h/3)");
    } else if (calc.given({ "Check4", "Check8" })) {
        AT = calc.ask("INTRODUCI L'AREA TOTALE  (AT)=");
        P = calc.ask("INTRODUCI IL PERIMETRO (P)=");
        l = P / 4;
        AB = pow(l, 2);
        AL = AT - AB;
        a = 2 * AL / P;
        heightFromApothem();
        calc.formula(
            kFormula,
            "(l=P/4) : (AB=l^2):( AL=AT-AB): (a=2*AL/P)):(h=SQR(a^2-(l/2)^2): (l1=SQR((l/2)^2+a^2)): (R=l/2): (V=AB*h/3)");
    } else if (calc.given({ "Check6", "Check9" })) {
        V = calc.ask("INTRODUCI IL VOLUME  (V)=");
        AB = calc.ask("INTRODUCI AREA DI BASE (AB)=");
        l = pow(AB, 0.5);
        h = V * 3 / AB;
        calc.formula(
            kFormula,
            "(l=SQR(AB)) : (P=l*4):(h=V*3/AB):  (a=SQR(h^2+(l/2)^2):(AL=P*a/2): (AT=AL+AB):(l1=SQR((l/2)^2+a^2)): (R=l/2)");
    } else {
        calc.insufficient();
    }

    P = l * 4;
    a = pow(pow(l / 2, 2) + pow(h, 2), 0.5);
    AL = P * a / 2;
    AB = pow(l, 2);
    AT = AL + AB;
    l1 = pow(pow(l / 2, 2) + pow(a, 2), 0.5);
    // After the insufficient-data message l and h are empty and AB and P both
    // 0: the base apothem is shown as 0 too instead of failing on 0 / 0.
    R = calc.insufficientShown() ? Value(0) : 2 * AB / P;
    V = AB * h / 3;

    calc.show("Label3(13)", l);
    calc.show("Label3(6)", l1);
    calc.show("Label3(7)", h);
    calc.show("Label3(8)", a);
    calc.show("Label3(9)", P);
    calc.show("Label3(10)", AL);
    calc.show("Label3(11)", AT);
    calc.show("Label3(16)", R);
    calc.show("Label3(17)", V);
    calc.show("Label3(19)", AB);
}

} // namespace

SolverScreen squarePyramid()
{
    Extra base;
    base.kind = Extra::Kind::Picture;
    base.name = "Picture2";
    base.text = "piramide-quadrata-base.svg";

    return {
        .name = "form6",
        .caption = "Priamide a Base Quadrata",
        .parent = "form5",
        .knownHeading = {"Label1", "Cosa conosci ?"},
        .checks = {
            {"Check1", "Spigolo di base (l)"},
            {"Check10", "Spigolo laterale (l1)"},
            {"Check3", "altezza (h)"},
            {"Check2", "apotema (a)"},
            {"Check8", "Perimetro (P)"},
            {"Check9", "Area di Base "},
            {"Check5", "Area Laterale (AL)"},
            {"Check4", "Area Totale (AT)"},
            {"Check7", "Apotema di base (R)"},
            {"Check6", "Volume (V)"},
        },
        .resultsHeading = {"Label2", "Risultati"},
        .rows = {
            {"Label3(0)", "Spigolo di base (l) =", "Label3(13)"},
            {"Label3(12)", "Spigolo laterale (l1) =", "Label3(6)"},
            {"Label3(1)", "Altezza (h) =", "Label3(7)"},
            {"Label3(2)", "Apotema (a) =", "Label3(8)"},
            {"Label3(3)", "Perimetro (P) =", "Label3(9)"},
            {"Label3(18)", "Area di Base (AB) =", "Label3(19)"},
            {"Label3(4)", "Area Laterale (AL =", "Label3(10)"},
            {"Label3(5)", "Area Totale (AT) =", "Label3(11)"},
            {"Label3(14)", "Apotema di base(R) =", "Label3(16)"},
            {"Label3(15)", "Volume (V) =", "Label3(17)"},
        },
        .formulaHeading = {"Label5", "Formule applicate"},
        .formulaLabels = {kFormula},
        .picture = {"Picture1", "piramide-quadrata.svg"},
        .extras = {base},
        .solvers = {{.name = "Command3", .steps = calcola}},
        .stampaButton = {"Command4", "Stampa"},
        .ritornaButton = {"Command2", "Ritorna"},
        .esciButton = {"Command1", "Esci"},
    };
}

} // namespace solids
