// The cube: one known quantity gives the side, the side gives everything else.
#include "solids/solids.h"

namespace solids {

using namespace solver;

namespace {

void calcola(Calc &c)
{
    Value l, d, d1, AL, AT, V;

    if (c.ticked("Check1")) {
        l = c.ask("INTRODUCI IL LATO (L) =");
        c.formula("Label15", "(AL=l^2*4) : (AT=l^2*6): (V=l^3): d1=l*SQR(2): (d=l*(SQR(3))");
    } else if (c.ticked("Check2")) {
        d = c.ask("INTRODUCI LA DIAGONALE (d) =");
        c.formula("Label15", "(l=d/SQR(3): d1=l*SQR(2):(AL=l^2*4) : (AT=l^2*6):(V=l^3)");
        l = d / pow(3, 0.5);
    } else if (c.ticked("Check3")) {
        AL = c.ask("INTRODUCI L'AREA LATERALE (AL) =");
        c.formula("Label15", "(l=SQR(AL/4): d1=l*SQR(2): (AT=l^2*6): (V=l^3): (d=l*(SQR(3))");
        l = pow(AL / 4, 0.5);
    } else if (c.ticked("Check4")) {
        AT = c.ask("INTRODUCI L'AREA TOTALE (AT) =");
        c.formula("Label15", "(l=SQR(AT/6) : d1=l*SQR(2):(AL=l^2*4): (V=l^3): (d=l*(SQR(3))");
        l = pow(AT / 6, 0.5);
    } else if (c.ticked("Check5")) {
        V = c.ask("INTRODUCI IL VOLUME (V) =");
        c.formula("Label15",
                  "(l=radice cubica V :d1=l*SQR(2): (AL=l^2*4): (AT=l^2*6): (d=l*(SQR(3)):");
        l = pow(V, Value(1) / 3);
    } else if (c.ticked("Check6")) {
        d1 = c.ask("INTRODUCI LA DIAGONALE (d1) =");
        c.formula("Label15", "(l=d1/SQR(2) : (AL=l^2*4): (AT=l^2*6): (d=l*(SQR(3)): V=l^3");
        l = d1 / pow(2, 0.5);
    } else {
        c.insufficient();
    }

    AL = pow(l, 2) * 4;
    AT = pow(l, 2) * 6;
    V = pow(l, 3);
    d = l * pow(3, 0.5);
    d1 = l * pow(2, 0.5);

    c.show("Label5", l);
    c.show("Label9", AL);
    c.show("Label11", AT);
    c.show("Label13", V);
    c.show("Label7", d);
    c.show("Label12(2)", d1);
}

} // namespace

const SolverScreen &cube()
{
    static const SolverScreen screen = [] {
        SolverScreen s;
        s.name = "Form3";
        s.caption = "Cubo";
        s.parent = "Form1";
        s.title = {"Label1", "CUBO"};
        s.knownHeading = {"Label2", "Cosa conosci ?"};
        s.checks = {
            {"Check1", "Lato (s)"},
            {"Check2", "diagonale (d)"},
            {"Check6", "diagonale (d1)"},
            {"Check3", "Area Laterale (AL)"},
            {"Check4", "Area Totale (AT)"},
            {"Check5", "Volume (V)"},
        };
        s.resultsHeading = {"Label3", "Risultati"};
        s.rows = {
            {"Label4", "Spigolo (s)              =", "Label5"},
            {"Label6", "Diagonale (d)          =", "Label7"},
            {"Label12(1)", "diagonale (d1)         =           =", "Label12(2)"},
            {"Label8", "Area Laterale (AL) =", "Label9"},
            {"Label10", "Area Totale (AT)    =", "Label11"},
            {"Label12(0)", "Volume (V)             =", "Label13"},
        };
        s.formulaHeading = {"Label14", "Formule applicate:"};
        s.formulaLabels = {"Label15"};
        s.picture = {"Picture1", "cubo.svg"};
        s.calcolaButton = {"Command3", "Calcola"};
        s.stampaButton = {"Command4", "Stampa"};
        s.ritornaButton = {"Command2", "Ritorna"};
        s.esciButton = {"Command1", "Esci"};
        s.calcola = calcola;
        return s;
    }();
    return screen;
}

} // namespace solids
