// The pyramid on a square base: each case finds the base edge l and the height
// h; the closing steps work out the eight other quantities from those two.
#include "pyramids.h"

namespace solids {

using namespace solver;

namespace {

void calcola(Calc &calc)
{
    Quantity l(calc, "l"), l1(calc, "l1"), h(calc, "h"), a(calc, "a"), P(calc, "P"), AB(calc, "AB"),
        AL(calc, "AL"), AT(calc, "AT"), R(calc, "R"), V(calc, "V");

    // h from the apothem and the base edge, used by most cases.
    const auto heightFromApothem = [&] { h = pow(pow(a, 2) - pow(l / 2, 2), 0.5); };

    if (calc.given({ "l", "h" })) {
        l = calc.ask("INTRODUCI LO SPIGOLO DI BASE (l)=");
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        calc.formula(
            " (a=SQR((i/2)^2+h^2)): (P=l*4):((AL=P*a)/2): (AB=l^2): (AT=AL+AB): (l1=SQR((l/2)^2+a^2)): (r=2*AB/P):(V=AB*h/3)");
    } else if (calc.given({ "l", "a" })) {
        l = calc.ask("INTRODUCI LO SPIGOLO DI BASE (l)=");
        a = calc.ask("INTRODUCI L'APOTEMA (a)=");
        heightFromApothem();
        calc.formula(
            " (h=SQR(a^2-(l/2)^2)): (P=l*4):((AL=P*a)/2): (AB=l^2): (AT=AL+AB): (l1=SQR((l/2)^2+a^2)): (r=2*AB/P):(V=AB*h/3)");
    } else if (calc.given({ "a", "h" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        a = calc.ask("INTRODUCI L'APOTEMA (a)=");
        l = pow(pow(a, 2) - pow(h, 2), 0.5) * 2;
        calc.formula(
            " (l=SQR(a^2-h^2)*2): (P=l*4):((AL=P*a)/2): (AB=l^2): (AT=AL+AB): (l1=SQR((l/2)^2+a^2)): (r=2*AB/P):(V=AB*h/3)");
    } else if (calc.given({ "a", "R" })) {
        R = calc.ask("INTRODUCI L'APOTEMA DI BASE (R)=");
        a = calc.ask("INTRODUCI L'APOTEMA (a)=");
        l = R * 2;
        h = pow(pow(a, 2) - pow(R, 2), 0.5);
        calc.formula(" (l=SQR(a^2-R^2)): (P=l*4):((AL=P*a)/2): (AB=l^2): (AT=AL+AB):(V=AB*h/3)");
    } else if (calc.given({ "R", "h" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        R = calc.ask("INTRODUCI L'APOTEMA DI BASE (R)=");
        l = 2 * R;
        calc.formula(
            " (l=2*r: a=SQR(r^2+h^2): (P=l*4):((AL=P*a)/2): (AB=l^2): (AT=AL+AB): (l1=SQR((l/2)^2+a^2)) :(V=AB*h/3)");
    } else if (calc.given({ "AL", "l" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        l = calc.ask("INTRODUCI LO SPIGOLO DI BASE (l)=");
        P = l * 4;
        a = 2 * AL / P;
        R = l / 2;
        h = pow(pow(a, 2) - pow(R, 2), 0.5);
        calc.formula(
            " (P=l*4): (AB=l^2):a=SQR(a^2-(l/2)^2):R=2*l: (AT=AL+AB): (l1=SQR((l/2)^2+a^2)):(V=AB*h/3)");
    } else if (calc.given({ "a", "AL" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        a = calc.ask("INTRODUCI L'APOTEMA (a)=");
        P = 2 * AL / a;
        l = P / 4;
        heightFromApothem();
        calc.formula(
            " (P=2*AL/a): (l=P/4):h=SQR(a^2-(l/2)^2): (AB=l^2): (AT=AL+AB): (l1=SQR((l/2)^2+a^2)): (R=l/2):(V=AB*h/3)");
    } else if (calc.given({ "R", "AL" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        R = calc.ask("INTRODUCI L'APOTEMA di Base (R)=");
        l = 2 * R;
        P = l * 4;
        a = 2 * AL / P;
        heightFromApothem();
        calc.formula(
            " (l=2*R): (P=l*4): (a=2*AL/P): h=SQR(a^2-(l/2)^2): (AB=l^2): (AT=AL+AB): (l1=SQR((l/2)^2+a^2)):(V=AB*h/3)");
    } else if (calc.given({ "AT", "AL" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL)=");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        AB = AT - AL;
        l = pow(AB, 0.5);
        P = l * 4;
        a = 2 * AL / P;
        heightFromApothem();
        calc.formula(
            " (AB=AT-AL): (l=SQR(AB)):(P=l*4): (a=2*AL/P): h=SQR(a^2-(l/2)^2): (l1=SQR((l/2)^2+a^2)): (R=l/2):(V=AB*h/3)");
    } else if (calc.given({ "l", "AT" })) {
        l = calc.ask("INTRODUCI LO SPIGOLO DI BASE  (l)=");
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT)=");
        AB = pow(l, 2);
        AL = AT - AB;
        P = l * 4;
        a = 2 * AL / P;
        heightFromApothem();
        calc.formula(
            " (AB=l^2): (AL=AT-AB):(P=l*4): (a=2*AL/P): h=SQR(a^2-(l/2)^2): (l1=SQR((l/2)^2+a^2)):(V=AB*h/3)");
    } else if (calc.given({ "l", "V" })) {
        l = calc.ask("INTRODUCI LO SPIGOLO DI BASE  (l)=");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        AB = pow(l, 2);
        h = 3 * V / AB;
        calc.formula(
            " (R=l/2): (AB=l^2):(h=3*V/AB) :(P=l*4): (a=SQR(L/2^2+h^2): (AL=P*a/2): (l1=SQR((l/2)^2+a^2)): (R=l/2)");
    } else if (calc.given({ "R", "V" })) {
        R = calc.ask("INTRODUCI L'APOTEMA DI BASE  (R)=");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        l = 2 * R;
        AB = pow(l, 2);
        h = 3 * V / AB;
        calc.formula(
            " (l=2*R): (AB=l^2):(h=3*V/AB) :(P=l*4): (a=SQR(L/2^2+h^2): (AL=P*a/2): (l1=SQR((l/2)^2+a^2)): (R=l/2)");
    } else if (calc.given({ "h", "V" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA  (h)=");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        AB = 3 * V / h;
        l = pow(AB, 0.5);
        calc.formula(
            " (AB=3*V/h):(l=SQR(AB) :(P=l*4): (a=SQR(L/2^2+h^2): (AL=P*a/2): (l1=SQR((l/2)^2+a^2)): (R=l/2)");
    } else if (calc.given({ "AL", "AB" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE  (AL)=");
        AB = calc.ask("INTRODUCI L'AREA DI BASE (AB)=");
        l = pow(AB, 0.5);
        P = l * 4;
        a = 2 * AL / P;
        heightFromApothem();
        calc.formula(
            "(l=SQR(AB) :(P=l*4): (a=2*AL/P)):(h=SQR(a^2-(l/2)^2): (AT=AL+AB): (l1=SQR((l/2)^2+a^2)): (R=l/2): (V=AB*h/3)");
    } else if (calc.given({ "AL", "P" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE  (AL)=");
        P = calc.ask("INTRODUCI IL PERIMETRO DI BASE (P)=");
        l = P / 4;
        a = 2 * AL / P;
        heightFromApothem();
        calc.formula(
            "(l=P/4) : (a=2*AL/P)):(h=SQR(a^2-(l/2)^2): (AT=AL+AB): (l1=SQR((l/2)^2+a^2)): (R=l/2): (V=AB*h/3)");
    } else if (calc.given({ "AT", "AB" })) {
        AT = calc.ask("INTRODUCI L'AREA TOTALE  (AT)=");
        AB = calc.ask("INTRODUCI AREA DI BASE (AB)=");
        l = pow(AB, 0.5);
        AL = AT - AB;
        P = l * 4;
        a = 2 * AL / P;
        heightFromApothem();
        calc.formula(
            "(l=SQR(AB)) : (P=l*4):( AL=AT-AB): (a=2*AL/P)):(h=SQR(a^2-(l/2)^2): (l1=SQR((l/2)^2+a^2)): (R=l/2): (V=AB*h/3)");
    } else if (calc.given({ "AT", "P" })) {
        AT = calc.ask("INTRODUCI L'AREA TOTALE  (AT)=");
        P = calc.ask("INTRODUCI IL PERIMETRO (P)=");
        l = P / 4;
        AB = pow(l, 2);
        AL = AT - AB;
        a = 2 * AL / P;
        heightFromApothem();
        calc.formula(
            "(l=P/4) : (AB=l^2):( AL=AT-AB): (a=2*AL/P)):(h=SQR(a^2-(l/2)^2): (l1=SQR((l/2)^2+a^2)): (R=l/2): (V=AB*h/3)");
    } else if (calc.given({ "V", "AB" })) {
        V = calc.ask("INTRODUCI IL VOLUME  (V)=");
        AB = calc.ask("INTRODUCI AREA DI BASE (AB)=");
        l = pow(AB, 0.5);
        h = V * 3 / AB;
        calc.formula(
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
    R = calc.insufficientShown() ? Expr(0) : 2 * AB / P;
    V = AB * h / 3;

    calc.show("l", l);
    calc.show("l1", l1);
    calc.show("h", h);
    calc.show("a", a);
    calc.show("P", P);
    calc.show("AL", AL);
    calc.show("AT", AT);
    calc.show("R", R);
    calc.show("V", V);
    calc.show("AB", AB);
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
            {"Check1", "Spigolo di base (l)", "l"},
            {"Check10", "Spigolo laterale (l1)", "l1"},
            {"Check3", "altezza (h)", "h"},
            {"Check2", "apotema (a)", "a"},
            {"Check8", "Perimetro (P)", "P"},
            {"Check9", "Area di Base ", "AB"},
            {"Check5", "Area Laterale (AL)", "AL"},
            {"Check4", "Area Totale (AT)", "AT"},
            {"Check7", "Apotema di base (R)", "R"},
            {"Check6", "Volume (V)", "V"},
        },
        .resultsHeading = {"Label2", "Risultati"},
        .rows = {
            {"Label3(0)", "Spigolo di base (l) =", "Label3(13)", "l"},
            {"Label3(12)", "Spigolo laterale (l1) =", "Label3(6)", "l1"},
            {"Label3(1)", "Altezza (h) =", "Label3(7)", "h"},
            {"Label3(2)", "Apotema (a) =", "Label3(8)", "a"},
            {"Label3(3)", "Perimetro (P) =", "Label3(9)", "P"},
            {"Label3(18)", "Area di Base (AB) =", "Label3(19)", "AB"},
            {"Label3(4)", "Area Laterale (AL =", "Label3(10)", "AL"},
            {"Label3(5)", "Area Totale (AT) =", "Label3(11)", "AT"},
            {"Label3(14)", "Apotema di base(R) =", "Label3(16)", "R"},
            {"Label3(15)", "Volume (V) =", "Label3(17)", "V"},
        },
        .quantities = {
            {"l", Kind::Length}, {"l1", Kind::Length}, {"h", Kind::Length}, {"a", Kind::Length},
            {"P", Kind::Length}, {"AB", Kind::Area}, {"AL", Kind::Area}, {"AT", Kind::Area},
            {"R", Kind::Length}, {"V", Kind::Volume},
        },
        .formulaHeading = {"Label5", "Formule applicate"},
        .formulaLabels = {"Label6"},
        .picture = {"Picture1", "piramide-quadrata.svg"},
        .extras = {base},
        .solvers = {{.name = "Command3", .steps = calcola}},
        .stampaButton = {"Command4", "Stampa"},
        .ritornaButton = {"Command2", "Ritorna"},
        .esciButton = {"Command1", "Esci"},
        .figure = {.shape = geometry::Shape::RegularPyramid,
                   .dimensions = {"4", "l", "h"},
                   .marks = {{"l", "side"}, {"l1", "lateralEdge"}, {"h", "height"},
                             {"a", "slant"}, {"R", "baseApothem"}}},
    };
}

} // namespace solids
