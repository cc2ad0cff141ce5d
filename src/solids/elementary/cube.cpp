// The cube: one known quantity gives the side, the side gives everything else.
#include "elementary.h"

namespace solids {

using namespace solver;

namespace {

void calcola(Calc &calc)
{
    Value l, d, d1, AL, AT, V;

    if (calc.given({ "Check1" })) {
        l = calc.ask("INTRODUCI IL LATO (L) =");
        calc.formula("Label15", "(AL=l^2*4) : (AT=l^2*6): (V=l^3): d1=l*SQR(2): (d=l*(SQR(3))");
    } else if (calc.given({ "Check2" })) {
        d = calc.ask("INTRODUCI LA DIAGONALE (d) =");
        calc.formula("Label15", "(l=d/SQR(3): d1=l*SQR(2):(AL=l^2*4) : (AT=l^2*6):(V=l^3)");
        l = d / pow(3, 0.5);
    } else if (calc.given({ "Check3" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL) =");
        calc.formula("Label15", "(l=SQR(AL/4): d1=l*SQR(2): (AT=l^2*6): (V=l^3): (d=l*(SQR(3))");
        l = pow(AL / 4, 0.5);
    } else if (calc.given({ "Check4" })) {
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT) =");
        calc.formula("Label15", "(l=SQR(AT/6) : d1=l*SQR(2):(AL=l^2*4): (V=l^3): (d=l*(SQR(3))");
        l = pow(AT / 6, 0.5);
    } else if (calc.given({ "Check5" })) {
        V = calc.ask("INTRODUCI IL VOLUME (V) =");
        calc.formula("Label15",
                     "(l=radice cubica V :d1=l*SQR(2): (AL=l^2*4): (AT=l^2*6): (d=l*(SQR(3)):");
        l = pow(V, Value(1) / 3);
    } else if (calc.given({ "Check6" })) {
        d1 = calc.ask("INTRODUCI LA DIAGONALE (d1) =");
        calc.formula("Label15", "(l=d1/SQR(2) : (AL=l^2*4): (AT=l^2*6): (d=l*(SQR(3)): V=l^3");
        l = d1 / pow(2, 0.5);
    } else {
        calc.insufficient();
    }

    AL = pow(l, 2) * 4;
    AT = pow(l, 2) * 6;
    V = pow(l, 3);
    d = l * pow(3, 0.5);
    d1 = l * pow(2, 0.5);

    calc.show("Label5", l);
    calc.show("Label9", AL);
    calc.show("Label11", AT);
    calc.show("Label13", V);
    calc.show("Label7", d);
    calc.show("Label12(2)", d1);
}

} // namespace

SolverScreen cube()
{
    return {
        .name = "Form3",
        .caption = "Cubo",
        .parent = "Form1",
        .title = {"Label1", "CUBO"},
        .knownHeading = {"Label2", "Cosa conosci ?"},
        .checks = {
            {"Check1", "Lato (s)"},
            {"Check2", "diagonale (d)"},
            {"Check6", "diagonale (d1)"},
            {"Check3", "Area Laterale (AL)"},
            {"Check4", "Area Totale (AT)"},
            {"Check5", "Volume (V)"},
        },
        .resultsHeading = {"Label3", "Risultati"},
        .rows = {
            {"Label4", "Spigolo (s)              =", "Label5"},
            {"Label6", "Diagonale (d)          =", "Label7"},
            {"Label12(1)", "diagonale (d1)         =           =", "Label12(2)"},
            {"Label8", "Area Laterale (AL) =", "Label9"},
            {"Label10", "Area Totale (AT)    =", "Label11"},
            {"Label12(0)", "Volume (V)             =", "Label13"},
        },
        .formulaHeading = {"Label14", "Formule applicate:"},
        .formulaLabels = {"Label15"},
        .picture = {"Picture1", "cubo.svg"},
        .solvers = {{.name = "Command3", .steps = calcola}},
        .stampaButton = {"Command4", "Stampa"},
        .ritornaButton = {"Command2", "Ritorna"},
        .esciButton = {"Command1", "Esci"},
    };
}

} // namespace solids
