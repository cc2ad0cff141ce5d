// The regular tetrahedron, octahedron, icosahedron and dodecahedron share one
// set of tick boxes and result labels; each has its own "Vai". Every case needs
// one known quantity, and the edge gives everything else.
#include "polyhedra.h"

namespace solids {

using namespace solver;

namespace {

const char *const kFormula = "Label6";

// The square root of a small integer, worked out at each use.
Value Sqr(int n)
{
    return sqrt(Value(n));
}

// The edge l, height h, lateral area Sl (three faces), total area St, volume V.
struct Solid {
    Value l, h, Sl, St, V;
};

void tetrahedronHeight(Solid &s)
{
    s.h = Sqr(6) / 3 * s.l;
}
void tetrahedronLateral(Solid &s)
{
    s.Sl = Sqr(3) * 3 / 4 * pow(s.l, 2);
}
void tetrahedronTotal(Solid &s)
{
    s.St = pow(s.l, 2) * Sqr(3);
}
void tetrahedronVolume(Solid &s)
{
    s.V = Sqr(2) / 12 * pow(s.l, 3);
}

void tetrahedron(Calc &calc)
{
    Solid s;
    if (calc.given({ "Check1(0)" })) {
        s.l = calc.ask("INTRODUCI LO SPIGOLO (L)  =");
        tetrahedronHeight(s);
        tetrahedronLateral(s);
        tetrahedronTotal(s);
        tetrahedronVolume(s);
        calc.formula(
            kFormula,
            "(h = Sqr(6) / 3 * l): Sl = 3 * Sqr(3) / 4 * l ^ 2: St = l ^ 2 * Sqr(3): V = Sqr(2) / 12 * l ^ 3");
    } else if (calc.given({ "Check1(1)" })) {
        s.h = calc.ask("INTRODUCI L'ALTEZZA (h)  =");
        s.l = Sqr(6) / 2 * s.h;
        tetrahedronLateral(s);
        tetrahedronTotal(s);
        tetrahedronVolume(s);
        calc.formula(
            kFormula,
            "(l = Sqr(6) / 2 * h): Sl = 3 * Sqr(3) / 4 * l ^ 2: St = l ^ 2 * Sqr(3): V = Sqr(2) / 12 * l ^ 3");
    } else if (calc.given({ "Check1(2)" })) {
        s.Sl = calc.ask("INTRODUCI L'AREA LATERALE (Sl)  =");
        s.l = Value(2) / 3 * sqrt(Sqr(3) * s.Sl);
        tetrahedronHeight(s);
        tetrahedronTotal(s);
        tetrahedronVolume(s);
        calc.formula(
            kFormula,
            "(l = 2 / 3 ^ Sqr(Sqr(3) * Sl): h = Sqr(6) / 3 * l: St = l ^ 2 * Sqr(3): V = Sqr(2) / 12 * l ^ 3");
    } else if (calc.given({ "Check1(3)" })) {
        s.St = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE TOTALE (St)  =");
        s.l = sqrt(s.St / Sqr(3));
        tetrahedronHeight(s);
        tetrahedronLateral(s);
        tetrahedronVolume(s);
        calc.formula(
            kFormula,
            "(l = 2 / 3 ^ Sqr(Sqr(3) * Sl): h = Sqr(6) / 3 * l: Sl = 3 * Sqr(3) / 4 * l ^ 2: V = Sqr(2) / 12 * l ^ 3");
    } else if (calc.given({ "Check1(4)" })) {
        s.V = calc.ask("INTRODUCI IL VOLUME (V)  =");
        s.l = pow(Sqr(2) * 6 * s.V, Value(1) / 3);
        tetrahedronHeight(s);
        tetrahedronLateral(s);
        tetrahedronTotal(s);
        calc.formula(
            kFormula,
            "(l = (6 * Sqr(2) * V) ^ (1 / 3)): h = Sqr(6) / 3 * l: Sl = 3 * Sqr(3) / 4 * l ^ 2: St = l ^ 2 * Sqr(3) ");
    } else {
        calc.insufficient();
    }

    calc.show("Label5(0)", s.l);
    calc.show("Label5(1)", s.h);
    calc.show("Label5(2)", s.Sl);
    calc.show("Label5(3)", s.St);
    calc.show("Label5(4)", s.V);
}

// The other three solids have no height or lateral area: both labels are
// emptied, so that an earlier tetrahedron's values never stand beside theirs.
void showEdgeAreaVolume(Calc &calc, const Solid &s)
{
    calc.show("Label5(0)", s.l);
    calc.show("Label5(1)", Value());
    calc.show("Label5(2)", Value());
    calc.show("Label5(3)", s.St);
    calc.show("Label5(4)", s.V);
}

void octahedronTotal(Solid &s)
{
    s.St = (Sqr(3) + Sqr(3)) * pow(s.l, 2);
}
void octahedronVolume(Solid &s)
{
    s.V = Sqr(2) / 3 * pow(s.l, 3);
}

void octahedron(Calc &calc)
{
    Solid s;
    if (calc.given({ "Check1(0)" })) {
        s.l = calc.ask("INTRODUCI LO SPIGOLO (L)  =");
        octahedronTotal(s);
        octahedronVolume(s);
        calc.formula(kFormula, "St = 2 * Sqr(3) * l ^ 2: V = Sqr(2) / 3 * l ^ 3");
    } else if (calc.given({ "Check1(3)" })) {
        s.St = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE TOTALE (St)  =");
        s.l = sqrt(s.St / (Sqr(3) + Sqr(3)));
        octahedronVolume(s);
        calc.formula(kFormula, "l = Sqr(St / (2 * Sqr(3))):  -----      V = Sqr(2) / 3 * l ^ 3");
    } else if (calc.given({ "Check1(4)" })) {
        s.V = calc.ask("INTRODUCI IL VOLUME  (V)  =");
        s.l = pow(Sqr(2) * 3 * s.V / 2, Value(1) / 3);
        octahedronTotal(s);
        calc.formula(kFormula, "l = (3 * Sqr(2) * V / 2) ^ 1 / 3: St = 2 * Sqr(3) * l ^ 2");
    } else {
        calc.insufficient();
    }
    showEdgeAreaVolume(calc, s);
}

void icosahedronVolume(Solid &s)
{
    s.V = (Sqr(5) + 3) * 5 / 12 * pow(s.l, 3);
}
void icosahedronTotal(Solid &s)
{
    s.St = Sqr(3) * 5 * pow(s.l, 2);
}

void icosahedron(Calc &calc)
{
    Solid s;
    if (calc.given({ "Check1(0)" })) {
        s.l = calc.ask("INTRODUCI IL LATO  (l)  =");
        icosahedronVolume(s);
        icosahedronTotal(s);
        calc.formula(kFormula, "V = (5 * (3 + Sqr(5)) / 12) * l ^ 3: St = 5 * Sqr(3) * l ^ 2");
    } else if (calc.given({ "Check1(3)" })) {
        s.St = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE TOTALE (St)  =");
        s.l = sqrt(Sqr(3) / 15 * s.St);
        icosahedronVolume(s);
        calc.formula(
            kFormula,
            "l = Sqr((Sqr(3) / 15) * St):  -----      V = (5 * (3 + Sqr(5)) / 12) * l ^ 3");
    } else if (calc.given({ "Check1(4)" })) {
        s.V = calc.ask("INTRODUCI IL VOLUME  (V)  =");
        s.l = pow((3 - Sqr(5)) * 3 / 5 * s.V, Value(1) / 3);
        icosahedronTotal(s);
        calc.formula(kFormula,
                     "l = ((3 * (3 - Sqr(5) / 5) * V) ^ (1 / 3): St = 5 * Sqr(3) * l ^ 2");
    } else {
        calc.insufficient();
    }
    showEdgeAreaVolume(calc, s);
}

// 3 Sqr(25 + 10 Sqr(5)), the total area of a dodecahedron of edge 1.
Value dodecahedronArea()
{
    return sqrt(Sqr(5) * 10 + 25) * 3;
}
void dodecahedronVolume(Solid &s)
{
    s.V = (Sqr(5) * 7 + 15) / 4 * pow(s.l, 3);
}
void dodecahedronTotal(Solid &s)
{
    s.St = dodecahedronArea() * pow(s.l, 2);
}

void dodecahedron(Calc &calc)
{
    Solid s;
    if (calc.given({ "Check1(0)" })) {
        s.l = calc.ask("INTRODUCI IL LATO  (l)  =");
        dodecahedronVolume(s);
        dodecahedronTotal(s);
        calc.formula(kFormula,
                     "V = ((15 + 7 * Sqr(5)) / 4) * l ^ 3: St = 3 * Sqr(25 + 10 * Sqr(5)) * l ^ 2");
    } else if (calc.given({ "Check1(3)" })) {
        s.St = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE TOTALE (St)  =");
        s.l = sqrt(s.St / dodecahedronArea());
        dodecahedronVolume(s);
        calc.formula(
            kFormula,
            "l = Sqr(St / (3 * Sqr(25 + 10 * Sqr(5)))):  ----- V = (5 * (3 + Sqr(5)) / 12) * l ^ 3");
    } else if (calc.given({ "Check1(4)" })) {
        s.V = calc.ask("INTRODUCI IL VOLUME  (V)  =");
        s.l = pow(4 * s.V / (Sqr(5) * 7 + 15), Value(1) / 3);
        dodecahedronTotal(s);
        calc.formula(
            kFormula,
            "l = (4 * V / (15 + 7 * Sqr(5))) ^ (1 / 3):-- St = 3 * Sqr(25 + 10 * Sqr(5)) * l ^ 2");
    } else {
        calc.insufficient();
    }
    showEdgeAreaVolume(calc, s);
}

const std::vector<std::string> kAllResults = { "Label5(0)", "Label5(1)", "Label5(2)", "Label5(3)",
                                               "Label5(4)" };

} // namespace

SolverScreen regularPolyhedra()
{
    return {
        .name = "Form27",
        .caption = "POLIEDRI REGOLARI",
        .parent = "Form1",
        .title = {"Label1", "POLIEDRI REGOLARI"},
        .knownHeading = {"Label3(0)", "Cosa conosci ?"},
        .checks = {
            {"Check1(0)", "Lato (l)"},
            {"Check1(1)", "Altezza (h)"},
            {"Check1(2)", "Superficie Laterale (Sl)"},
            {"Check1(3)", "Superficie Totale (St)"},
            {"Check1(4)", "Volume (V)"},
        },
        .resultsHeading = {"Label3(1)", "Risultati :"},
        .rows = {
            {"Label4(0)", "Lato (l)                               =", "Label5(0)"},
            {"Label4(1)", "Altezza (h)                         =                       =",
             "Label5(1)"},
            {"Label4(2)", "Superficie Laterale (Sl)     =                         =",
             "Label5(2)"},
            {"Label4(3)", "Superficie Totale    (St)     =                         =",
             "Label5(3)"},
            {"Label4(4)", "Volume (V)                       =                         =",
             "Label5(4)"},
        },
        .formulaHeading = {"Label3(2)", "Formule applicate  :"},
        .formulaLabels = {kFormula},
        .solvers = {
            {.name = "Command4", .text = "Vai", .steps = tetrahedron, .results = kAllResults,
             .solidName = {"Label2(0)", "Tedraedro regolare "},
             .solidPicture = {"Picture1", "tetraedro.svg"}},
            {.name = "Command5", .text = "Vai", .steps = octahedron, .results = kAllResults,
             .solidName = {"Label2(1)", "Ottaedro regolare "},
             .solidPicture = {"Picture2", "ottaedro.svg"}},
            {.name = "Command6", .text = "Vai", .steps = icosahedron, .results = kAllResults,
             .solidName = {"Label2(2)", "Icoesaedro regolare "},
             .solidPicture = {"Picture3", "icosaedro.svg"}},
            {.name = "Command7", .text = "Vai", .steps = dodecahedron, .results = kAllResults,
             .solidName = {"Label2(3)", "Dodecaedro regolare "},
             .solidPicture = {"Picture4", "dodecaedro.svg"}},
        },
        .stampaButton = {"Command3", "Stampa"},
        .ritornaButton = {"Command2", "Ritorna"},
        .esciButton = {"Command1", "Esci"},
    };
}

} // namespace solids
