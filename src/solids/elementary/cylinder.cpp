// The cylinder: two known quantities give the radius R and the height H; the
// closing steps work out everything else from R and H. The diagonal of the
// axial section is kept in single precision.
#include "elementary.h"

namespace solids {

using namespace solver;

namespace {

const char *const kF0 = "Label26(0)";
const char *const kF1 = "Label26(1)";

void calcola(Calc &calc)
{
    Value R, H, AB, AL, C, d, AT, V, D1, q;

    if (calc.given({ "Check1", "Check3" })) {
        R = calc.ask("INTRODUCI IL RAGGIO (R) =");
        H = calc.ask("INTRODUCI L'ALTEZZA (H) =");
        calc.formula(kF0, "(C=2*R*3,14):(AB=R*R*3,14):(AL=C*H)");
        calc.formula(kF1, "(AT=AL+2*AB):(V=AB*H):(d=2*R):(D1=SQR(d^2+H^2)) ");
    } else if (calc.given({ "Check2", "Check3" })) {
        d = calc.ask("INTRODUCI IL DIAMETRO D=");
        R = d / 2;
        H = calc.ask("INTRODUCI L'ALTEZZA  H =");
        calc.formula(kF0, "(R=d/2):(C=2*R*3,14):(AB=R*R*3,14):(AL=C*H)");
        calc.formula(kF1, "(AT=AL+2*AB):(V=AB*H):(D1=SQR(d^2+H^2)) ");
    } else if (calc.given({ "Check4", "Check3" })) {
        H = calc.ask("INTRODUCI L'ALTEZZA H =");
        AB = calc.ask("INTRODUCI L'AREA DI BASE AB =");
        calc.formula(kF0, "R=SQR(AB/3,14):(C=2*R*3,14):(AL=C*H)");
        calc.formula(kF1, "(AT=AL+2*AB):(V=AB*H):(d=2*R):(D1=SQR(d^2+H^2)) ");
        R = pow(AB / 3.14, 0.5);
    } else if (calc.given({ "Check9", "Check3" })) {
        H = calc.ask("INTRODUCI L'ALTEZZA H =");
        D1 = calc.ask("INTRODUCI LA DIAGONALE D1 =");
        calc.formula(kF0, "(d=SQR(D1^2-H^2):R=d/2:(C=2*R*3,14):(AB=R*R*3,14)");
        calc.formula(kF1, "(AL=C*H):(AT=AL+2*AB):(V=AB*H)) ");
        q = pow(toSingle(D1), 2);
        R = pow(q - pow(H, 2), 0.5) / 2;
    } else if (calc.given({ "Check9", "Check2" })) {
        d = calc.ask("INTRODUCI IL DIAMETRO d =");
        R = d / 2;
        D1 = calc.ask("INTRODUCI LA DIAGONALE D1 =");
        calc.formula(kF0, "(H=SQR(D1^2-d^2):(R=d/2):(C=2*R*3,14):(AB=R*R*3,14)");
        calc.formula(kF1, "(AL=C*H):(AT=AL+2*AB):(V=AB*H)) ");
        q = pow(toSingle(D1), 2);
        H = pow(q - pow(d, 2), 0.5);
    } else if (calc.given({ "Check4", "Check5" })) {
        AB = calc.ask("INTRODUCI AREA DI BASE =");
        R = pow(AB / 3.14, 0.5);
        AL = calc.ask("INTRODUCI AREA LATERALE =");
        calc.formula(kF0, "(R=SQR(AB/3,14): (C=2*R*3,14): (H=AL/C)");
        calc.formula(kF1, "(AT=AL+2*AB):(V=AB*H): D1=SQR(d^2+H^2)) ");
        C = 2 * R * 3.14;
        H = AL / C;
    } else if (calc.given({ "Check4", "Check9" })) {
        AB = calc.ask("INTRODUCI AREA DI BASE =");
        R = pow(AB / 3.14, 0.5);
        D1 = calc.ask("INTRODUCI LA DIAGONALE =");
        // The diagonal is rounded to single precision before the formulas
        // are written; the diameter (not the radius) is then subtracted.
        D1 = toSingle(D1);
        calc.formula(kF0, "(R=SQR(AB/3,14):(H=SQR(D1^2-R^2)):(C=2*R*3,14)");
        calc.formula(kF1, "(AL=C*H):(AT=AL+2*AB):(V=AB*H)) ");
        d = 2 * R;
        q = pow(D1, 2);
        H = pow(q - pow(d, 2), 0.5);
    } else if (calc.given({ "Check4", "Check6" })) {
        AB = calc.ask("INTRODUCI AREA DI BASE =");
        R = pow(AB / 3.14, 0.5);
        V = calc.ask("INTRODUCI IL VOLUME  V =");
        d = 2 * R;
        H = V / AB;
        calc.formula(kF0, "(R=SQR(AB/3,14)):(d=2*R):(C=d*3,14):(H=V/AB)");
        calc.formula(kF1, "(AL=C*H):(AT=AL+2*AB):(D1=SQR(d^2+H^2)) ");
    } else if (calc.given({ "Check1", "Check6" })) {
        R = calc.ask("INTRODUCI IL RAGGIO =");
        AB = pow(R, 2) * 3.14;
        V = calc.ask("INTRODUCI IL VOLUME  V =");
        d = 2 * R;
        H = V / AB;
        calc.formula(kF0, "(AB=R^2*3,14):(C=2*R*3,14):(d=2*R)");
        calc.formula(kF1, "(H=V/AB):(D1=SQR(d^2+H^2)):(AL=C*H):(AT=AL+2*AB)) ");
    } else if (calc.given({ "Check2", "Check6" })) {
        d = calc.ask("INTRODUCI IL DIAMETRO D =");
        R = d / 2;
        AB = pow(R, 2) * 3.14;
        V = calc.ask("INTRODUCI IL VOLUME  V =");
        H = V / AB;
        calc.formula(kF0, "(R=d/2):(C=2*R*3,14):(AB=R*R*3,14):(H=V/AB)");
        calc.formula(kF1, "(AL=C*H):(AT=AL+2*AB):(D1=SQR(d^2+H^2)) ");
    } else if (calc.given({ "Check3", "Check6" })) {
        H = calc.ask("INTRODUCI L'ALTEZZA H =");
        V = calc.ask("INTRODUCI IL VOLUME  V =");
        AB = V / H;
        R = pow(AB / 3.14, 0.5);
        calc.formula(kF0, "(AB=V/H):(R=SQR(AB/3,14)):(d=2*R):(C=2*R*3,14)");
        calc.formula(kF1, "(AL=C*H):(AT=AL+2*AB):(D1=SQR(d^2+H^2)) ");
    } else if (calc.given({ "Check8", "Check6" })) {
        C = calc.ask("INTRODUCI LA CIRCONFERENZA C =");
        R = C / 6.28;
        AB = pow(R, 2) * 3.14;
        V = calc.ask("INTRODUCI IL VOLUME V =");
        H = V / AB;
        calc.formula(kF0, "(R=C/6,28):(d=2*R):(AB=R*R*3,14): (H=V/AB)");
        calc.formula(kF1, "(AL=C*H):(AT=AL+2*AB):(D1=SQR(d^2+H^2)) ");
    } else if (calc.given({ "Check7", "Check5" })) {
        AT = calc.ask("INTRODUCI L'AREA TOTALE AT =");
        AL = calc.ask("INTRODUCI L'AREA LATERALE AL =");
        AB = (AT - AL) / 2;
        R = pow(AB / 3.14, 0.5);
        C = R * 6.28;
        H = AL / C;
        calc.formula(kF0, "(AB=((AT-AL)/2):(R=SQR(AB/3,14)):(C=2*R*3,14):(d=2*R)");
        calc.formula(kF1, "(H=AL/C):(V=AB*H)):(D1=SQR(d^2+H^2)) ");
    } else if (calc.given({ "Check3", "Check5" })) {
        H = calc.ask("INTRODUCI L'ALTEZZA H =");
        AL = calc.ask("INTRODUCI L'AREA LATERALE AL =");
        C = AL / H;
        R = C / 6.28;
        calc.formula(kF0, "(C=AL/H):(R=C/6,28):(d=2*R):(AB=R*R*3,14)");
        calc.formula(kF1, "(AT=AL+2*AB):(V=AB*H):(D1=SQR(d^2+H^2)) ");
    } else if (calc.given({ "Check1", "Check5" })) {
        R = calc.ask("INTRODUCI IL RAGGIO R =");
        AL = calc.ask("INTRODUCI L'AREA LATERALE AL =");
        C = R * 6.28;
        H = AL / C;
        calc.formula(kF0, "(d=2*R):(C=2*R*3,14):(AB=R*R*3,14):(H=AL/C)");
        calc.formula(kF1, "(AT=AL+2*AB):(V=AB*H): (D1=SQR(d^2+H^2)) ");
    } else if (calc.given({ "Check2", "Check5" })) {
        d = calc.ask("INTRODUCI IL DIAMETRO D =");
        AL = calc.ask("INTRODUCI L'AREA LATERALE AL =");
        R = d / 2;
        C = d * 3.14;
        H = AL / C;
        calc.formula(kF0, "(R=d/2):(C=2*R*3,14):(AB=R*R*3,14):(H=AL/C)");
        calc.formula(kF1, "(AT=AL+2*AB):(V=AB*H): (D1=SQR(d^2+H^2)) ");
    } else if (calc.given({ "Check8", "Check5" })) {
        C = calc.ask("INTRODUCI LA CIRCONFERENZA C =");
        AL = calc.ask("INTRODUCI L'AREA LATERALE AL =");
        R = C / 6.28;
        H = AL / C;
        calc.formula(kF0, "(R=C/6,28):(d=2*R):(AB=R*R*3,14):(H=AL/C)");
        calc.formula(kF1, "(AT=AL+2*AB):(V=AB*H): (D1=SQR(d^2+H^2)) ");
    } else if (calc.given({ "Check1", "Check7" })) {
        R = calc.ask("INTRODUCI IL RAGGIO R =");
        AB = pow(R, 2) * 3.14;
        AT = calc.ask("INTRODUCI L'AREA TOTALE AT =");
        AL = AT - 2 * AB;
        C = R * 6.28;
        H = AL / C;
        calc.formula(kF0, "(d=2*R):(C=2*R*3,14):(AB=R*R*3,14):(AL=AT-2*AB)");
        calc.formula(kF1, "(H=AL/C):(V=AB*H): (D1=SQR(d^2+H^2)) ");
    } else if (calc.given({ "Check2", "Check7" })) {
        d = calc.ask("INTRODUCI IL DIAMETRO D =");
        R = d / 2;
        AB = pow(R, 2) * 3.14;
        AT = calc.ask("INTRODUCI L'AREA TOTALE AT =");
        AL = AT - 2 * AB;
        C = R * 6.28;
        H = AL / C;
        calc.formula(kF0, "(R=d/2):(C=2*R*3,14):(AB=R*R*3,14):(AL=AT-2*AB)");
        calc.formula(kF1, "(H=AL/C):(V=AB*H): (D1=SQR(d^2+H^2)) ");
    } else if (calc.given({ "Check8", "Check7" })) {
        C = calc.ask("INTRODUCI LA CIRCONFERENZA C =");
        R = C / 6.28;
        AB = pow(R, 2) * 3.14;
        AT = calc.ask("INTRODUCI L'AREA TOTALE AT =");
        AL = AT - 2 * AB;
        C = R * 6.28;
        H = AL / C;
        calc.formula(kF0, "(R=C/6,28):(d=2*R):(AB=R*R*3,14):(AL=AT-2*AB)");
        calc.formula(kF1, "(H=AL/C):(V=AB*H): (D1=SQR(d^2+H^2)) ");
    } else if (calc.given({ "Check4", "Check7" })) {
        AB = calc.ask("INTRODUCI L'AREA DI BASE AB =");
        R = pow(AB / 3.14, 0.5);
        AT = calc.ask("INTRODUCI L'AREA TOTALE AT =");
        AL = AT - 2 * AB;
        C = R * 6.28;
        H = AL / C;
        calc.formula(kF0, "(R=SQR(AB/3,14):(d=2*R):(C=2*R*3,14):(AL=AT-2*AB)");
        calc.formula(kF1, "(H=AL/C):(V=AB*H): (D1=SQR(d^2+H^2)) ");
    } else {
        calc.insufficient();
    }

    // Everything else follows from R and H.
    AB = R * R * 3.14;
    C = 2 * R * 3.14;
    AL = C * H;
    AT = AL + 2 * AB;
    d = 2 * R;
    V = AB * H;
    D1 = toSingle(pow(pow(d, 2) + pow(H, 2), 0.5));

    calc.caption("Label3", "AREA DI BASE AB =");
    calc.show("Label4", AB);
    calc.caption("Label5", "AREA LATERALE AL =");
    calc.show("Label6", AL);
    calc.caption("Label7", "CIRCONFERENZA C=");
    calc.show("Label8", C);
    calc.caption("Label9", "DIAMETRO D=");
    calc.show("Label10", d);
    calc.caption("Label11", "AREA TOTALE AT=");
    calc.show("Label12", AT);
    calc.caption("Label13", "VOLUME V= ");
    calc.show("Label14", V);
    calc.caption("Label15", "DIAGONALE D1=");
    calc.show("Label16", D1);
    calc.caption("Label17", " ALTEZZA H=");
    calc.show("Label18", H);
    calc.caption("Label19", " RAGGIO R=");
    calc.show("Label20", R);
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
            {"Check1", "raggio (R)"},
            {"Check3", "altezza(H)"},
            {"Check4", "area di base (AB)"},
            {"Check5", "area laterale(AL)"},
            {"Check8", "Circonferenza (C)"},
            {"Check2", "diametro(d)"},
            {"Check7", "area totale(AT)"},
            {"Check6", "Volume(V)"},
            {"Check9", "diagonale (D1)"},
        },
        .resultsHeading = {"Label1", "Risultati"},
        // The captions stay empty until the first "Calcola" writes them.
        .rows = {
            {"Label19", "", "Label20"},
            {"Label17", "", "Label18"},
            {"Label3", "", "Label4"},
            {"Label5", "", "Label6"},
            {"Label7", "", "Label8"},
            {"Label9", "", "Label10"},
            {"Label11", "", "Label12"},
            {"Label13", "", "Label14"},
            {"Label15", "", "Label16"},
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
    };
}

} // namespace solids
