// The cylinder: two known quantities give the radius R and the height H; the
// closing steps work out everything else from R and H. The diagonal of the
// axial section is kept in single precision.
#include "elementary.h"

namespace solids {

using namespace solver;

namespace {

void calcola(Calc &calc)
{
    Quantity R(calc, "R"), H(calc, "H"), AB(calc, "AB"), AL(calc, "AL"), C(calc, "C"), d(calc, "d"),
        AT(calc, "AT"), V(calc, "V"), D1(calc, "D1");

    // The steps several cases share.
    const auto radiusFromDiameter = [&] { R = d / 2; };
    const auto radiusFromBase = [&] { R = pow(AB / approxPi(), 0.5); };
    const auto radiusFromCircumference = [&] { R = C / approxTwoPi(); };
    const auto baseArea = [&] { AB = pow(R, 2) * approxPi(); };
    const auto circumference = [&] { C = R * approxTwoPi(); };
    const auto diameter = [&] { d = 2 * R; };
    const auto lateralFromTotal = [&] { AL = AT - 2 * AB; };
    const auto heightFromLateral = [&] { H = AL / C; };
    const auto heightFromVolume = [&] { H = V / AB; };

    if (calc.given({ "R", "H" })) {
        R = calc.ask("INTRODUCI IL RAGGIO (R) =");
        H = calc.ask("INTRODUCI L'ALTEZZA (H) =");
        calc.formulas({ "(C=2*R*3,14):(AB=R*R*3,14):(AL=C*H)",
                        "(AT=AL+2*AB):(V=AB*H):(d=2*R):(D1=SQR(d^2+H^2)) " });
    } else if (calc.given({ "d", "H" })) {
        d = calc.ask("INTRODUCI IL DIAMETRO D=");
        radiusFromDiameter();
        H = calc.ask("INTRODUCI L'ALTEZZA  H =");
        calc.formulas({ "(R=d/2):(C=2*R*3,14):(AB=R*R*3,14):(AL=C*H)",
                        "(AT=AL+2*AB):(V=AB*H):(D1=SQR(d^2+H^2)) " });
    } else if (calc.given({ "AB", "H" })) {
        H = calc.ask("INTRODUCI L'ALTEZZA H =");
        AB = calc.ask("INTRODUCI L'AREA DI BASE AB =");
        calc.formulas({ "R=SQR(AB/3,14):(C=2*R*3,14):(AL=C*H)",
                        "(AT=AL+2*AB):(V=AB*H):(d=2*R):(D1=SQR(d^2+H^2)) " });
        radiusFromBase();
    } else if (calc.given({ "D1", "H" })) {
        H = calc.ask("INTRODUCI L'ALTEZZA H =");
        D1 = calc.ask("INTRODUCI LA DIAGONALE D1 =");
        calc.formulas({ "(d=SQR(D1^2-H^2):R=d/2:(C=2*R*3,14):(AB=R*R*3,14)",
                        "(AL=C*H):(AT=AL+2*AB):(V=AB*H)) " });
        // The diagonal is taken in single precision.
        D1 = toSingle(D1);
        R = pow(pow(D1, 2) - pow(H, 2), 0.5) / 2;
    } else if (calc.given({ "D1", "d" })) {
        d = calc.ask("INTRODUCI IL DIAMETRO d =");
        radiusFromDiameter();
        D1 = calc.ask("INTRODUCI LA DIAGONALE D1 =");
        calc.formulas({ "(H=SQR(D1^2-d^2):(R=d/2):(C=2*R*3,14):(AB=R*R*3,14)",
                        "(AL=C*H):(AT=AL+2*AB):(V=AB*H)) " });
        // The diagonal is taken in single precision.
        D1 = toSingle(D1);
        H = pow(pow(D1, 2) - pow(d, 2), 0.5);
    } else if (calc.given({ "AB", "AL" })) {
        AB = calc.ask("INTRODUCI AREA DI BASE =");
        radiusFromBase();
        AL = calc.ask("INTRODUCI AREA LATERALE =");
        calc.formulas({ "(R=SQR(AB/3,14): (C=2*R*3,14): (H=AL/C)",
                        "(AT=AL+2*AB):(V=AB*H): D1=SQR(d^2+H^2)) " });
        C = 2 * R * approxPi();
        heightFromLateral();
    } else if (calc.given({ "AB", "D1" })) {
        AB = calc.ask("INTRODUCI AREA DI BASE =");
        radiusFromBase();
        D1 = calc.ask("INTRODUCI LA DIAGONALE =");
        // The diagonal is rounded to single precision before the formulas
        // are written; the diameter (not the radius) is then subtracted.
        D1 = toSingle(D1);
        calc.formulas({ "(R=SQR(AB/3,14):(H=SQR(D1^2-R^2)):(C=2*R*3,14)",
                        "(AL=C*H):(AT=AL+2*AB):(V=AB*H)) " });
        diameter();
        H = pow(pow(D1, 2) - pow(d, 2), 0.5);
    } else if (calc.given({ "AB", "V" })) {
        AB = calc.ask("INTRODUCI AREA DI BASE =");
        radiusFromBase();
        V = calc.ask("INTRODUCI IL VOLUME  V =");
        diameter();
        heightFromVolume();
        calc.formulas({ "(R=SQR(AB/3,14)):(d=2*R):(C=d*3,14):(H=V/AB)",
                        "(AL=C*H):(AT=AL+2*AB):(D1=SQR(d^2+H^2)) " });
    } else if (calc.given({ "R", "V" })) {
        R = calc.ask("INTRODUCI IL RAGGIO =");
        baseArea();
        V = calc.ask("INTRODUCI IL VOLUME  V =");
        diameter();
        heightFromVolume();
        calc.formulas({ "(AB=R^2*3,14):(C=2*R*3,14):(d=2*R)",
                        "(H=V/AB):(D1=SQR(d^2+H^2)):(AL=C*H):(AT=AL+2*AB)) " });
    } else if (calc.given({ "d", "V" })) {
        d = calc.ask("INTRODUCI IL DIAMETRO D =");
        radiusFromDiameter();
        baseArea();
        V = calc.ask("INTRODUCI IL VOLUME  V =");
        heightFromVolume();
        calc.formulas({ "(R=d/2):(C=2*R*3,14):(AB=R*R*3,14):(H=V/AB)",
                        "(AL=C*H):(AT=AL+2*AB):(D1=SQR(d^2+H^2)) " });
    } else if (calc.given({ "H", "V" })) {
        H = calc.ask("INTRODUCI L'ALTEZZA H =");
        V = calc.ask("INTRODUCI IL VOLUME  V =");
        AB = V / H;
        radiusFromBase();
        calc.formulas({ "(AB=V/H):(R=SQR(AB/3,14)):(d=2*R):(C=2*R*3,14)",
                        "(AL=C*H):(AT=AL+2*AB):(D1=SQR(d^2+H^2)) " });
    } else if (calc.given({ "C", "V" })) {
        C = calc.ask("INTRODUCI LA CIRCONFERENZA C =");
        radiusFromCircumference();
        baseArea();
        V = calc.ask("INTRODUCI IL VOLUME V =");
        heightFromVolume();
        calc.formulas({ "(R=C/6,28):(d=2*R):(AB=R*R*3,14): (H=V/AB)",
                        "(AL=C*H):(AT=AL+2*AB):(D1=SQR(d^2+H^2)) " });
    } else if (calc.given({ "AT", "AL" })) {
        AT = calc.ask("INTRODUCI L'AREA TOTALE AT =");
        AL = calc.ask("INTRODUCI L'AREA LATERALE AL =");
        AB = (AT - AL) / 2;
        radiusFromBase();
        circumference();
        heightFromLateral();
        calc.formulas({ "(AB=((AT-AL)/2):(R=SQR(AB/3,14)):(C=2*R*3,14):(d=2*R)",
                        "(H=AL/C):(V=AB*H)):(D1=SQR(d^2+H^2)) " });
    } else if (calc.given({ "H", "AL" })) {
        H = calc.ask("INTRODUCI L'ALTEZZA H =");
        AL = calc.ask("INTRODUCI L'AREA LATERALE AL =");
        C = AL / H;
        radiusFromCircumference();
        calc.formulas({ "(C=AL/H):(R=C/6,28):(d=2*R):(AB=R*R*3,14)",
                        "(AT=AL+2*AB):(V=AB*H):(D1=SQR(d^2+H^2)) " });
    } else if (calc.given({ "R", "AL" })) {
        R = calc.ask("INTRODUCI IL RAGGIO R =");
        AL = calc.ask("INTRODUCI L'AREA LATERALE AL =");
        circumference();
        heightFromLateral();
        calc.formulas({ "(d=2*R):(C=2*R*3,14):(AB=R*R*3,14):(H=AL/C)",
                        "(AT=AL+2*AB):(V=AB*H): (D1=SQR(d^2+H^2)) " });
    } else if (calc.given({ "d", "AL" })) {
        d = calc.ask("INTRODUCI IL DIAMETRO D =");
        AL = calc.ask("INTRODUCI L'AREA LATERALE AL =");
        radiusFromDiameter();
        C = d * approxPi();
        heightFromLateral();
        calc.formulas({ "(R=d/2):(C=2*R*3,14):(AB=R*R*3,14):(H=AL/C)",
                        "(AT=AL+2*AB):(V=AB*H): (D1=SQR(d^2+H^2)) " });
    } else if (calc.given({ "C", "AL" })) {
        C = calc.ask("INTRODUCI LA CIRCONFERENZA C =");
        AL = calc.ask("INTRODUCI L'AREA LATERALE AL =");
        radiusFromCircumference();
        heightFromLateral();
        calc.formulas({ "(R=C/6,28):(d=2*R):(AB=R*R*3,14):(H=AL/C)",
                        "(AT=AL+2*AB):(V=AB*H): (D1=SQR(d^2+H^2)) " });
    } else if (calc.given({ "R", "AT" })) {
        R = calc.ask("INTRODUCI IL RAGGIO R =");
        baseArea();
        AT = calc.ask("INTRODUCI L'AREA TOTALE AT =");
        lateralFromTotal();
        circumference();
        heightFromLateral();
        calc.formulas({ "(d=2*R):(C=2*R*3,14):(AB=R*R*3,14):(AL=AT-2*AB)",
                        "(H=AL/C):(V=AB*H): (D1=SQR(d^2+H^2)) " });
    } else if (calc.given({ "d", "AT" })) {
        d = calc.ask("INTRODUCI IL DIAMETRO D =");
        radiusFromDiameter();
        baseArea();
        AT = calc.ask("INTRODUCI L'AREA TOTALE AT =");
        lateralFromTotal();
        circumference();
        heightFromLateral();
        calc.formulas({ "(R=d/2):(C=2*R*3,14):(AB=R*R*3,14):(AL=AT-2*AB)",
                        "(H=AL/C):(V=AB*H): (D1=SQR(d^2+H^2)) " });
    } else if (calc.given({ "C", "AT" })) {
        C = calc.ask("INTRODUCI LA CIRCONFERENZA C =");
        radiusFromCircumference();
        baseArea();
        AT = calc.ask("INTRODUCI L'AREA TOTALE AT =");
        lateralFromTotal();
        circumference();
        heightFromLateral();
        calc.formulas({ "(R=C/6,28):(d=2*R):(AB=R*R*3,14):(AL=AT-2*AB)",
                        "(H=AL/C):(V=AB*H): (D1=SQR(d^2+H^2)) " });
    } else if (calc.given({ "AB", "AT" })) {
        AB = calc.ask("INTRODUCI L'AREA DI BASE AB =");
        radiusFromBase();
        AT = calc.ask("INTRODUCI L'AREA TOTALE AT =");
        lateralFromTotal();
        circumference();
        heightFromLateral();
        calc.formulas({ "(R=SQR(AB/3,14):(d=2*R):(C=2*R*3,14):(AL=AT-2*AB)",
                        "(H=AL/C):(V=AB*H): (D1=SQR(d^2+H^2)) " });
    } else {
        calc.insufficient();
    }

    // Everything else follows from R and H.
    AB = R * R * approxPi();
    C = 2 * R * approxPi();
    AL = C * H;
    AT = AL + 2 * AB;
    diameter();
    V = AB * H;
    D1 = toSingle(pow(pow(d, 2) + pow(H, 2), 0.5));

    calc.show("AB", AB);
    calc.show("AL", AL);
    calc.show("C", C);
    calc.show("d", d);
    calc.show("AT", AT);
    calc.show("V", V);
    calc.show("D1", D1);
    calc.show("H", H);
    calc.show("R", R);
}

} // namespace

SolverScreen cylinder()
{
    return {
        .name = "Form2",
        .caption = "Cilindro",
        .parent = "Form1",
        .title = {"Text1", "CILINDRO"},
        .titleIsTextBox = true,
        .knownHeading = {"Label22", "Cosa conosci  ?"},
        .checks = {
            {"Check1", "raggio (R)", "R"},
            {"Check3", "altezza(H)", "H"},
            {"Check4", "area di base (AB)", "AB"},
            {"Check5", "area laterale(AL)", "AL"},
            {"Check8", "Circonferenza (C)", "C"},
            {"Check2", "diametro(d)", "d"},
            {"Check7", "area totale(AT)", "AT"},
            {"Check6", "Volume(V)", "V"},
            {"Check9", "diagonale (D1)", "D1"},
        },
        .resultsHeading = {"Label1", "Risultati"},
        // The captions stay empty until the first "Calcola": each press writes
        // a row's caption just before its value.
        .rows = {
            {"Label19", "", "Label20", "R", " RAGGIO R="},
            {"Label17", "", "Label18", "H", " ALTEZZA H="},
            {"Label3", "", "Label4", "AB", "AREA DI BASE AB ="},
            {"Label5", "", "Label6", "AL", "AREA LATERALE AL ="},
            {"Label7", "", "Label8", "C", "CIRCONFERENZA C="},
            {"Label9", "", "Label10", "d", "DIAMETRO D="},
            {"Label11", "", "Label12", "AT", "AREA TOTALE AT="},
            {"Label13", "", "Label14", "V", "VOLUME V= "},
            {"Label15", "", "Label16", "D1", "DIAGONALE D1="},
        },
        .quantities = {
            {"R", Kind::Length}, {"H", Kind::Length}, {"AB", Kind::Area}, {"AL", Kind::Area},
            {"C", Kind::Length}, {"d", Kind::Length}, {"AT", Kind::Area}, {"V", Kind::Volume},
            {"D1", Kind::Length},
        },
        .formulaHeading = {"Label27(0)", "Formule applicate:"},
        .formulaLabels = {"Label26(0)", "Label26(1)"},
        .picture = {"Picture1(1)", "cilindro.svg"},
        .extras = {
            {.kind = Extra::Kind::TextBox, .name = "Text2", .text = "D1", .opens = {},
             .onPicture = "Picture1(1)", .x = 0.62, .y = 0.45},
            {.kind = Extra::Kind::Picture, .name = "Picture1(0)",
             .text = "cilindro-equilatero.svg", .opens = {}, .onPicture = {}},
            {.kind = Extra::Kind::Button, .name = "Command5", .text = "Vai", .opens = "Form37",
             .onPicture = {}},
        },
        .solvers = {{.name = "Command2", .steps = calcola}},
        .stampaButton = {"Command4", "Stampa"},
        .ritornaButton = {"Command3", "Ritorna"},
        .esciButton = {"Command1", "Esci"},
        .figure = {.shape = geometry::Shape::Cylinder,
                   .dimensions = {"R", "H"},
                   .marks = {{"R", "radius"}, {"H", "height"}, {"d", "diameter"}, {"C", "rim"},
                              {"D1", "diagonal"}}},
    };
}

} // namespace solids
