// The cylinder: two known quantities give the radius R and the height H; the
// closing steps work out everything else from R and H. The diagonal of the
// axial section is kept in single precision.
#include "solids/solids.h"

namespace solids {

using namespace solver;

namespace {

const char *const kF0 = "Label26(0)";
const char *const kF1 = "Label26(1)";

void calcola(Calc &c)
{
    Value R, H, AB, AL, C, d, AT, V, D1, q;

    if (c.ticked("Check1") && c.ticked("Check3")) {
        R = c.ask("INTRODUCI IL RAGGIO (R) =");
        H = c.ask("INTRODUCI L'ALTEZZA (H) =");
        c.formula(kF0, "(C=2*R*3,14):(AB=R*R*3,14):(AL=C*H)");
        c.formula(kF1, "(AT=AL+2*AB):(V=AB*H):(d=2*R):(D1=SQR(d^2+H^2)) ");
    } else if (c.ticked("Check2") && c.ticked("Check3")) {
        d = c.ask("INTRODUCI IL DIAMETRO D=");
        R = d / 2;
        H = c.ask("INTRODUCI L'ALTEZZA  H =");
        c.formula(kF0, "(R=d/2):(C=2*R*3,14):(AB=R*R*3,14):(AL=C*H)");
        c.formula(kF1, "(AT=AL+2*AB):(V=AB*H):(D1=SQR(d^2+H^2)) ");
    } else if (c.ticked("Check4") && c.ticked("Check3")) {
        H = c.ask("INTRODUCI L'ALTEZZA H =");
        AB = c.ask("INTRODUCI L'AREA DI BASE AB =");
        c.formula(kF0, "R=SQR(AB/3,14):(C=2*R*3,14):(AL=C*H)");
        c.formula(kF1, "(AT=AL+2*AB):(V=AB*H):(d=2*R):(D1=SQR(d^2+H^2)) ");
        R = pow(AB / 3.14, 0.5);
    } else if (c.ticked("Check9") && c.ticked("Check3")) {
        H = c.ask("INTRODUCI L'ALTEZZA H =");
        D1 = c.ask("INTRODUCI LA DIAGONALE D1 =");
        c.formula(kF0, "(d=SQR(D1^2-H^2):R=d/2:(C=2*R*3,14):(AB=R*R*3,14)");
        c.formula(kF1, "(AL=C*H):(AT=AL+2*AB):(V=AB*H)) ");
        q = pow(toSingle(D1), 2);
        R = pow(q - pow(H, 2), 0.5) / 2;
    } else if (c.ticked("Check9") && c.ticked("Check2")) {
        d = c.ask("INTRODUCI IL DIAMETRO d =");
        R = d / 2;
        D1 = c.ask("INTRODUCI LA DIAGONALE D1 =");
        c.formula(kF0, "(H=SQR(D1^2-d^2):(R=d/2):(C=2*R*3,14):(AB=R*R*3,14)");
        c.formula(kF1, "(AL=C*H):(AT=AL+2*AB):(V=AB*H)) ");
        q = pow(toSingle(D1), 2);
        H = pow(q - pow(d, 2), 0.5);
    } else if (c.ticked("Check4") && c.ticked("Check5")) {
        AB = c.ask("INTRODUCI AREA DI BASE =");
        R = pow(AB / 3.14, 0.5);
        AL = c.ask("INTRODUCI AREA LATERALE =");
        c.formula(kF0, "(R=SQR(AB/3,14): (C=2*R*3,14): (H=AL/C)");
        c.formula(kF1, "(AT=AL+2*AB):(V=AB*H): D1=SQR(d^2+H^2)) ");
        C = 2 * R * 3.14;
        H = AL / C;
    } else if (c.ticked("Check4") && c.ticked("Check9")) {
        AB = c.ask("INTRODUCI AREA DI BASE =");
        R = pow(AB / 3.14, 0.5);
        D1 = c.ask("INTRODUCI LA DIAGONALE =");
        // The diagonal is rounded to single precision before the formulas
        // are written; the diameter (not the radius) is then subtracted.
        D1 = toSingle(D1);
        c.formula(kF0, "(R=SQR(AB/3,14):(H=SQR(D1^2-R^2)):(C=2*R*3,14)");
        c.formula(kF1, "(AL=C*H):(AT=AL+2*AB):(V=AB*H)) ");
        d = 2 * R;
        q = pow(D1, 2);
        H = pow(q - pow(d, 2), 0.5);
    } else if (c.ticked("Check4") && c.ticked("Check6")) {
        AB = c.ask("INTRODUCI AREA DI BASE =");
        R = pow(AB / 3.14, 0.5);
        V = c.ask("INTRODUCI IL VOLUME  V =");
        d = 2 * R;
        H = V / AB;
        c.formula(kF0, "(R=SQR(AB/3,14)):(d=2*R):(C=d*3,14):(H=V/AB)");
        c.formula(kF1, "(AL=C*H):(AT=AL+2*AB):(D1=SQR(d^2+H^2)) ");
    } else if (c.ticked("Check1") && c.ticked("Check6")) {
        R = c.ask("INTRODUCI IL RAGGIO =");
        AB = pow(R, 2) * 3.14;
        V = c.ask("INTRODUCI IL VOLUME  V =");
        d = 2 * R;
        H = V / AB;
        c.formula(kF0, "(AB=R^2*3,14):(C=2*R*3,14):(d=2*R)");
        c.formula(kF1, "(H=V/AB):(D1=SQR(d^2+H^2)):(AL=C*H):(AT=AL+2*AB)) ");
    } else if (c.ticked("Check2") && c.ticked("Check6")) {
        d = c.ask("INTRODUCI IL DIAMETRO D =");
        R = d / 2;
        AB = pow(R, 2) * 3.14;
        V = c.ask("INTRODUCI IL VOLUME  V =");
        H = V / AB;
        c.formula(kF0, "(R=d/2):(C=2*R*3,14):(AB=R*R*3,14):(H=V/AB)");
        c.formula(kF1, "(AL=C*H):(AT=AL+2*AB):(D1=SQR(d^2+H^2)) ");
    } else if (c.ticked("Check3") && c.ticked("Check6")) {
        H = c.ask("INTRODUCI L'ALTEZZA H =");
        V = c.ask("INTRODUCI IL VOLUME  V =");
        AB = V / H;
        R = pow(AB / 3.14, 0.5);
        c.formula(kF0, "(AB=V/H):(R=SQR(AB/3,14)):(d=2*R):(C=2*R*3,14)");
        c.formula(kF1, "(AL=C*H):(AT=AL+2*AB):(D1=SQR(d^2+H^2)) ");
    } else if (c.ticked("Check8") && c.ticked("Check6")) {
        C = c.ask("INTRODUCI LA CIRCONFERENZA C =");
        R = C / 6.28;
        AB = pow(R, 2) * 3.14;
        V = c.ask("INTRODUCI IL VOLUME V =");
        H = V / AB;
        c.formula(kF0, "(R=C/6,28):(d=2*R):(AB=R*R*3,14): (H=V/AB)");
        c.formula(kF1, "(AL=C*H):(AT=AL+2*AB):(D1=SQR(d^2+H^2)) ");
    } else if (c.ticked("Check7") && c.ticked("Check5")) {
        AT = c.ask("INTRODUCI L'AREA TOTALE AT =");
        AL = c.ask("INTRODUCI L'AREA LATERALE AL =");
        AB = (AT - AL) / 2;
        R = pow(AB / 3.14, 0.5);
        C = R * 6.28;
        H = AL / C;
        c.formula(kF0, "(AB=((AT-AL)/2):(R=SQR(AB/3,14)):(C=2*R*3,14):(d=2*R)");
        c.formula(kF1, "(H=AL/C):(V=AB*H)):(D1=SQR(d^2+H^2)) ");
    } else if (c.ticked("Check3") && c.ticked("Check5")) {
        H = c.ask("INTRODUCI L'ALTEZZA H =");
        AL = c.ask("INTRODUCI L'AREA LATERALE AL =");
        C = AL / H;
        R = C / 6.28;
        c.formula(kF0, "(C=AL/H):(R=C/6,28):(d=2*R):(AB=R*R*3,14)");
        c.formula(kF1, "(AT=AL+2*AB):(V=AB*H):(D1=SQR(d^2+H^2)) ");
    } else if (c.ticked("Check1") && c.ticked("Check5")) {
        R = c.ask("INTRODUCI IL RAGGIO R =");
        AL = c.ask("INTRODUCI L'AREA LATERALE AL =");
        C = R * 6.28;
        H = AL / C;
        c.formula(kF0, "(d=2*R):(C=2*R*3,14):(AB=R*R*3,14):(H=AL/C)");
        c.formula(kF1, "(AT=AL+2*AB):(V=AB*H): (D1=SQR(d^2+H^2)) ");
    } else if (c.ticked("Check2") && c.ticked("Check5")) {
        d = c.ask("INTRODUCI IL DIAMETRO D =");
        AL = c.ask("INTRODUCI L'AREA LATERALE AL =");
        R = d / 2;
        C = d * 3.14;
        H = AL / C;
        c.formula(kF0, "(R=d/2):(C=2*R*3,14):(AB=R*R*3,14):(H=AL/C)");
        c.formula(kF1, "(AT=AL+2*AB):(V=AB*H): (D1=SQR(d^2+H^2)) ");
    } else if (c.ticked("Check8") && c.ticked("Check5")) {
        C = c.ask("INTRODUCI LA CIRCONFERENZA C =");
        AL = c.ask("INTRODUCI L'AREA LATERALE AL =");
        R = C / 6.28;
        H = AL / C;
        c.formula(kF0, "(R=C/6,28):(d=2*R):(AB=R*R*3,14):(H=AL/C)");
        c.formula(kF1, "(AT=AL+2*AB):(V=AB*H): (D1=SQR(d^2+H^2)) ");
    } else if (c.ticked("Check1") && c.ticked("Check7")) {
        R = c.ask("INTRODUCI IL RAGGIO R =");
        AB = pow(R, 2) * 3.14;
        AT = c.ask("INTRODUCI L'AREA TOTALE AT =");
        AL = AT - 2 * AB;
        C = R * 6.28;
        H = AL / C;
        c.formula(kF0, "(d=2*R):(C=2*R*3,14):(AB=R*R*3,14):(AL=AT-2*AB)");
        c.formula(kF1, "(H=AL/C):(V=AB*H): (D1=SQR(d^2+H^2)) ");
    } else if (c.ticked("Check2") && c.ticked("Check7")) {
        d = c.ask("INTRODUCI IL DIAMETRO D =");
        R = d / 2;
        AB = pow(R, 2) * 3.14;
        AT = c.ask("INTRODUCI L'AREA TOTALE AT =");
        AL = AT - 2 * AB;
        C = R * 6.28;
        H = AL / C;
        c.formula(kF0, "(R=d/2):(C=2*R*3,14):(AB=R*R*3,14):(AL=AT-2*AB)");
        c.formula(kF1, "(H=AL/C):(V=AB*H): (D1=SQR(d^2+H^2)) ");
    } else if (c.ticked("Check8") && c.ticked("Check7")) {
        C = c.ask("INTRODUCI LA CIRCONFERENZA C =");
        R = C / 6.28;
        AB = pow(R, 2) * 3.14;
        AT = c.ask("INTRODUCI L'AREA TOTALE AT =");
        AL = AT - 2 * AB;
        C = R * 6.28;
        H = AL / C;
        c.formula(kF0, "(R=C/6,28):(d=2*R):(AB=R*R*3,14):(AL=AT-2*AB)");
        c.formula(kF1, "(H=AL/C):(V=AB*H): (D1=SQR(d^2+H^2)) ");
    } else if (c.ticked("Check4") && c.ticked("Check7")) {
        AB = c.ask("INTRODUCI L'AREA DI BASE AB =");
        R = pow(AB / 3.14, 0.5);
        AT = c.ask("INTRODUCI L'AREA TOTALE AT =");
        AL = AT - 2 * AB;
        C = R * 6.28;
        H = AL / C;
        c.formula(kF0, "(R=SQR(AB/3,14):(d=2*R):(C=2*R*3,14):(AL=AT-2*AB)");
        c.formula(kF1, "(H=AL/C):(V=AB*H): (D1=SQR(d^2+H^2)) ");
    } else {
        c.insufficient();
    }

    // Everything else follows from R and H.
    AB = R * R * 3.14;
    C = 2 * R * 3.14;
    AL = C * H;
    AT = AL + 2 * AB;
    d = 2 * R;
    V = AB * H;
    D1 = toSingle(pow(pow(d, 2) + pow(H, 2), 0.5));

    c.caption("Label3", "AREA DI BASE AB =");
    c.show("Label4", AB);
    c.caption("Label5", "AREA LATERALE AL =");
    c.show("Label6", AL);
    c.caption("Label7", "CIRCONFERENZA C=");
    c.show("Label8", C);
    c.caption("Label9", "DIAMETRO D=");
    c.show("Label10", d);
    c.caption("Label11", "AREA TOTALE AT=");
    c.show("Label12", AT);
    c.caption("Label13", "VOLUME V= ");
    c.show("Label14", V);
    c.caption("Label15", "DIAGONALE D1=");
    c.show("Label16", D1);
    c.caption("Label17", " ALTEZZA H=");
    c.show("Label18", H);
    c.caption("Label19", " RAGGIO R=");
    c.show("Label20", R);
}

} // namespace

const SolverScreen &cylinder()
{
    static const SolverScreen screen = [] {
        SolverScreen s;
        s.name = "Form2";
        s.caption = "Cilindro";
        s.parent = "Form1";
        s.title = {"Text1", "CILINDRO"};
        s.titleIsTextBox = true;
        s.knownHeading = {"Label22", "Cosa conosci  ?"};
        s.checks = {
            {"Check1", "raggio (R)"},
            {"Check3", "altezza(H)"},
            {"Check4", "area di base (AB)"},
            {"Check5", "area laterale(AL)"},
            {"Check8", "Circonferenza (C)"},
            {"Check2", "diametro(d)"},
            {"Check7", "area totale(AT)"},
            {"Check6", "Volume(V)"},
            {"Check9", "diagonale (D1)"},
        };
        s.resultsHeading = {"Label1", "Risultati"};
        // The captions stay empty until the first "Calcola" writes them.
        s.rows = {
            {"Label19", "", "Label20"},
            {"Label17", "", "Label18"},
            {"Label3", "", "Label4"},
            {"Label5", "", "Label6"},
            {"Label7", "", "Label8"},
            {"Label9", "", "Label10"},
            {"Label11", "", "Label12"},
            {"Label13", "", "Label14"},
            {"Label15", "", "Label16"},
        };
        s.formulaHeading = {"Label27(0)", "Formule applicate:"};
        s.formulaLabels = {"Label26(0)", "Label26(1)"};
        s.picture = {"Picture1(1)", "cilindro.svg"};

        Extra diagonal;
        diagonal.kind = Extra::Kind::TextBox;
        diagonal.name = "Text2";
        diagonal.text = "D1";
        diagonal.onPicture = "Picture1(1)";
        diagonal.x = 0.62;
        diagonal.y = 0.45;

        Extra equilateral;
        equilateral.kind = Extra::Kind::Picture;
        equilateral.name = "Picture1(0)";
        equilateral.text = "cilindro-equilatero.svg";

        Extra vai;
        vai.kind = Extra::Kind::Button;
        vai.name = "Command5";
        vai.text = "Vai";
        vai.opens = "Form37";

        s.extras = {diagonal, equilateral, vai};
        s.calcolaButton = {"Command2", "Calcola"};
        s.stampaButton = {"Command4", "Stampa"};
        s.ritornaButton = {"Command3", "Ritorna"};
        s.esciButton = {"Command1", "Esci"};
        s.calcola = calcola;
        return s;
    }();
    return screen;
}

} // namespace solids
