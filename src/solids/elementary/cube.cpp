// The cube: one known quantity gives the side, the side gives everything else.
#include "elementary.h"

namespace solids {

using namespace solver;

namespace {

void calcola(Calc &calc)
{
    Quantity s(calc, "s"), d(calc, "d"), d1(calc, "d1"), AL(calc, "AL"), AT(calc, "AT"),
        V(calc, "V");

    if (calc.given({ "s" })) {
        s = calc.ask("INTRODUCI IL LATO (L) =");
        calc.formula("(AL=l^2*4) : (AT=l^2*6): (V=l^3): d1=l*SQR(2): (d=l*(SQR(3))");
    } else if (calc.given({ "d" })) {
        d = calc.ask("INTRODUCI LA DIAGONALE (d) =");
        calc.formula("(l=d/SQR(3): d1=l*SQR(2):(AL=l^2*4) : (AT=l^2*6):(V=l^3)");
        s = d / pow(Expr(3), 0.5);
    } else if (calc.given({ "AL" })) {
        AL = calc.ask("INTRODUCI L'AREA LATERALE (AL) =");
        calc.formula("(l=SQR(AL/4): d1=l*SQR(2): (AT=l^2*6): (V=l^3): (d=l*(SQR(3))");
        s = pow(AL / 4, 0.5);
    } else if (calc.given({ "AT" })) {
        AT = calc.ask("INTRODUCI L'AREA TOTALE (AT) =");
        calc.formula("(l=SQR(AT/6) : d1=l*SQR(2):(AL=l^2*4): (V=l^3): (d=l*(SQR(3))");
        s = pow(AT / 6, 0.5);
    } else if (calc.given({ "V" })) {
        V = calc.ask("INTRODUCI IL VOLUME (V) =");
        calc.formula("(l=radice cubica V :d1=l*SQR(2): (AL=l^2*4): (AT=l^2*6): (d=l*(SQR(3)):");
        s = pow(V, Expr(1) / 3);
    } else if (calc.given({ "d1" })) {
        d1 = calc.ask("INTRODUCI LA DIAGONALE (d1) =");
        calc.formula("(l=d1/SQR(2) : (AL=l^2*4): (AT=l^2*6): (d=l*(SQR(3)): V=l^3");
        s = d1 / pow(Expr(2), 0.5);
    } else {
        calc.insufficient();
    }

    // Everything else follows from the side.
    AL = pow(s, 2) * 4;
    AT = pow(s, 2) * 6;
    V = pow(s, 3);
    d = s * pow(Expr(3), 0.5);
    d1 = s * pow(Expr(2), 0.5);

    calc.show("s", s);
    calc.show("AL", AL);
    calc.show("AT", AT);
    calc.show("V", V);
    calc.show("d", d);
    calc.show("d1", d1);
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
            {"Check1", "Lato (s)", "s"},
            {"Check2", "diagonale (d)", "d"},
            {"Check6", "diagonale (d1)", "d1"},
            {"Check3", "Area Laterale (AL)", "AL"},
            {"Check4", "Area Totale (AT)", "AT"},
            {"Check5", "Volume (V)", "V"},
        },
        .resultsHeading = {"Label3", "Risultati"},
        .rows = {
            {"Label4", "Spigolo (s)              =", "Label5", "s"},
            {"Label6", "Diagonale (d)          =", "Label7", "d"},
            {"Label12(1)", "diagonale (d1)         =           =", "Label12(2)", "d1"},
            {"Label8", "Area Laterale (AL) =", "Label9", "AL"},
            {"Label10", "Area Totale (AT)    =", "Label11", "AT"},
            {"Label12(0)", "Volume (V)             =", "Label13", "V"},
        },
        .quantities = {
            {"s", Kind::Length}, {"d", Kind::Length}, {"d1", Kind::Length}, {"AL", Kind::Area},
            {"AT", Kind::Area}, {"V", Kind::Volume},
        },
        .formulaHeading = {"Label14", "Formule applicate:"},
        .formulaLabels = {"Label15"},
        .picture = {"Picture1", "cubo.svg"},
        .solvers = {{.name = "Command3", .steps = calcola}},
        .stampaButton = {"Command4", "Stampa"},
        .ritornaButton = {"Command2", "Ritorna"},
        .esciButton = {"Command1", "Esci"},
        .figure = {.shape = geometry::Shape::Cube,
                   .dimensions = {"s"},
                   .marks = {{"s", "edge"}, {"d", "diagonal"}, {"d1", "faceDiagonal"}}},
    };
}

} // namespace solids
