// The regular tetrahedron, octahedron, icosahedron and dodecahedron share one
// set of tick boxes and result labels; each has its own "Vai". Every case needs
// one known quantity, and the edge gives everything else.
#include "polyhedra.h"

namespace solids {

using namespace solver;

namespace {

// The tetrahedron: edge l, height h, lateral area Sl (three faces), total
// area St, volume V.
void tetrahedron(Calc &calc)
{
    Quantity l(calc, "l"), h(calc, "h"), Sl(calc, "Sl"), St(calc, "St"), V(calc, "V");

    // The steps several cases share.
    const auto height = [&] { h = sqrt(Expr(6)) / 3 * l; };
    const auto lateral = [&] { Sl = sqrt(Expr(3)) * 3 / 4 * pow(l, 2); };
    const auto total = [&] { St = pow(l, 2) * sqrt(Expr(3)); };
    const auto volume = [&] { V = sqrt(Expr(2)) / 12 * pow(l, 3); };

    if (calc.given({ "l" })) {
        l = calc.ask("INTRODUCI LO SPIGOLO (L)  =");
        height();
        lateral();
        total();
        volume();
        calc.formula(
            "(h = Sqr(6) / 3 * l): Sl = 3 * Sqr(3) / 4 * l ^ 2: St = l ^ 2 * Sqr(3): V = Sqr(2) / 12 * l ^ 3");
    } else if (calc.given({ "h" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA (h)  =");
        l = sqrt(Expr(6)) / 2 * h;
        lateral();
        total();
        volume();
        calc.formula(
            "(l = Sqr(6) / 2 * h): Sl = 3 * Sqr(3) / 4 * l ^ 2: St = l ^ 2 * Sqr(3): V = Sqr(2) / 12 * l ^ 3");
    } else if (calc.given({ "Sl" })) {
        Sl = calc.ask("INTRODUCI L'AREA LATERALE (Sl)  =");
        l = Expr(2) / 3 * sqrt(sqrt(Expr(3)) * Sl);
        height();
        total();
        volume();
        calc.formula(
            "(l = 2 / 3 ^ Sqr(Sqr(3) * Sl): h = Sqr(6) / 3 * l: St = l ^ 2 * Sqr(3): V = Sqr(2) / 12 * l ^ 3");
    } else if (calc.given({ "St" })) {
        St = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE TOTALE (St)  =");
        l = sqrt(St / sqrt(Expr(3)));
        height();
        lateral();
        volume();
        calc.formula(
            "(l = 2 / 3 ^ Sqr(Sqr(3) * Sl): h = Sqr(6) / 3 * l: Sl = 3 * Sqr(3) / 4 * l ^ 2: V = Sqr(2) / 12 * l ^ 3");
    } else if (calc.given({ "V" })) {
        V = calc.ask("INTRODUCI IL VOLUME (V)  =");
        l = pow(sqrt(Expr(2)) * 6 * V, Expr(1) / 3);
        height();
        lateral();
        total();
        calc.formula(
            "(l = (6 * Sqr(2) * V) ^ (1 / 3)): h = Sqr(6) / 3 * l: Sl = 3 * Sqr(3) / 4 * l ^ 2: St = l ^ 2 * Sqr(3) ");
    } else {
        calc.insufficient();
    }

    calc.show("l", l);
    calc.show("h", h);
    calc.show("Sl", Sl);
    calc.show("St", St);
    calc.show("V", V);
}

// The other three solids have edge, total area and volume only. Their height
// and lateral area labels are emptied, so that an earlier tetrahedron's values
// never stand beside theirs.

void octahedron(Calc &calc)
{
    Quantity l(calc, "l"), St(calc, "St"), V(calc, "V");

    // The steps several cases share.
    const auto total = [&] { St = (sqrt(Expr(3)) + sqrt(Expr(3))) * pow(l, 2); };
    const auto volume = [&] { V = sqrt(Expr(2)) / 3 * pow(l, 3); };

    if (calc.given({ "l" })) {
        l = calc.ask("INTRODUCI LO SPIGOLO (L)  =");
        total();
        volume();
        calc.formula("St = 2 * Sqr(3) * l ^ 2: V = Sqr(2) / 3 * l ^ 3");
    } else if (calc.given({ "St" })) {
        St = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE TOTALE (St)  =");
        l = sqrt(St / (sqrt(Expr(3)) + sqrt(Expr(3))));
        volume();
        calc.formula("l = Sqr(St / (2 * Sqr(3))):  -----      V = Sqr(2) / 3 * l ^ 3");
    } else if (calc.given({ "V" })) {
        V = calc.ask("INTRODUCI IL VOLUME  (V)  =");
        l = pow(sqrt(Expr(2)) * 3 * V / 2, Expr(1) / 3);
        total();
        calc.formula("l = (3 * Sqr(2) * V / 2) ^ 1 / 3: St = 2 * Sqr(3) * l ^ 2");
    } else {
        calc.insufficient();
    }

    calc.show("l", l);
    calc.show("h", Value());
    calc.show("Sl", Value());
    calc.show("St", St);
    calc.show("V", V);
}

void icosahedron(Calc &calc)
{
    Quantity l(calc, "l"), St(calc, "St"), V(calc, "V");

    // The steps several cases share.
    const auto volume = [&] { V = (sqrt(Expr(5)) + 3) * 5 / 12 * pow(l, 3); };
    const auto total = [&] { St = sqrt(Expr(3)) * 5 * pow(l, 2); };

    if (calc.given({ "l" })) {
        l = calc.ask("INTRODUCI IL LATO  (l)  =");
        volume();
        total();
        calc.formula("V = (5 * (3 + Sqr(5)) / 12) * l ^ 3: St = 5 * Sqr(3) * l ^ 2");
    } else if (calc.given({ "St" })) {
        St = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE TOTALE (St)  =");
        l = sqrt(sqrt(Expr(3)) / 15 * St);
        volume();
        calc.formula(
            "l = Sqr((Sqr(3) / 15) * St):  -----      V = (5 * (3 + Sqr(5)) / 12) * l ^ 3");
    } else if (calc.given({ "V" })) {
        V = calc.ask("INTRODUCI IL VOLUME  (V)  =");
        l = pow((3 - sqrt(Expr(5))) * 3 / 5 * V, Expr(1) / 3);
        total();
        calc.formula("l = ((3 * (3 - Sqr(5) / 5) * V) ^ (1 / 3): St = 5 * Sqr(3) * l ^ 2");
    } else {
        calc.insufficient();
    }

    calc.show("l", l);
    calc.show("h", Value());
    calc.show("Sl", Value());
    calc.show("St", St);
    calc.show("V", V);
}

void dodecahedron(Calc &calc)
{
    Quantity l(calc, "l"), St(calc, "St"), V(calc, "V");

    // 3 Sqr(25 + 10 Sqr(5)), the total area of a dodecahedron of edge 1,
    // worked out at each use.
    const Expr area = sqrt(sqrt(Expr(5)) * 10 + 25) * 3;

    // The steps several cases share.
    const auto volume = [&] { V = (sqrt(Expr(5)) * 7 + 15) / 4 * pow(l, 3); };
    const auto total = [&] { St = area * pow(l, 2); };

    if (calc.given({ "l" })) {
        l = calc.ask("INTRODUCI IL LATO  (l)  =");
        volume();
        total();
        calc.formula("V = ((15 + 7 * Sqr(5)) / 4) * l ^ 3: St = 3 * Sqr(25 + 10 * Sqr(5)) * l ^ 2");
    } else if (calc.given({ "St" })) {
        St = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE TOTALE (St)  =");
        l = sqrt(St / area);
        volume();
        calc.formula(
            "l = Sqr(St / (3 * Sqr(25 + 10 * Sqr(5)))):  ----- V = (5 * (3 + Sqr(5)) / 12) * l ^ 3");
    } else if (calc.given({ "V" })) {
        V = calc.ask("INTRODUCI IL VOLUME  (V)  =");
        l = pow(4 * V / (sqrt(Expr(5)) * 7 + 15), Expr(1) / 3);
        total();
        calc.formula(
            "l = (4 * V / (15 + 7 * Sqr(5))) ^ (1 / 3):-- St = 3 * Sqr(25 + 10 * Sqr(5)) * l ^ 2");
    } else {
        calc.insufficient();
    }

    calc.show("l", l);
    calc.show("h", Value());
    calc.show("Sl", Value());
    calc.show("St", St);
    calc.show("V", V);
}

} // namespace

SolverScreen regularPolyhedra()
{
    const std::vector<std::string> kAllResults = { "Label5(0)", "Label5(1)", "Label5(2)",
                                                   "Label5(3)", "Label5(4)" };
    return {
        .name = "Form27",
        .caption = "POLIEDRI REGOLARI",
        .parent = "Form1",
        .title = {"Label1", "POLIEDRI REGOLARI"},
        .knownHeading = {"Label3(0)", "Cosa conosci ?"},
        .checks = {
            {"Check1(0)", "Lato (l)", "l"},
            {"Check1(1)", "Altezza (h)", "h"},
            {"Check1(2)", "Superficie Laterale (Sl)", "Sl"},
            {"Check1(3)", "Superficie Totale (St)", "St"},
            {"Check1(4)", "Volume (V)", "V"},
        },
        .resultsHeading = {"Label3(1)", "Risultati :"},
        .rows = {
            {"Label4(0)", "Lato (l)                               =", "Label5(0)", "l"},
            {"Label4(1)", "Altezza (h)                         =                       =",
             "Label5(1)", "h"},
            {"Label4(2)", "Superficie Laterale (Sl)     =                         =",
             "Label5(2)", "Sl"},
            {"Label4(3)", "Superficie Totale    (St)     =                         =",
             "Label5(3)", "St"},
            {"Label4(4)", "Volume (V)                       =                         =",
             "Label5(4)", "V"},
        },
        .quantities = {
            {"l", Kind::Length}, {"h", Kind::Length}, {"Sl", Kind::Area}, {"St", Kind::Area},
            {"V", Kind::Volume},
        },
        .formulaHeading = {"Label3(2)", "Formule applicate  :"},
        .formulaLabels = {"Label6"},
        .solvers = {
            {.name = "Command4", .text = "Vai", .steps = tetrahedron, .results = kAllResults,
             .solidName = {"Label2(0)", "Tedraedro regolare "},
             .solidPicture = {"Picture1", "tetraedro.svg"},
             .figure = {.shape = geometry::Shape::Tetrahedron,
                        .dimensions = {"l"},
                        .marks = {{"l", "edge"}, {"h", "height"}}}},
            {.name = "Command5", .text = "Vai", .steps = octahedron, .results = kAllResults,
             .solidName = {"Label2(1)", "Ottaedro regolare "},
             .solidPicture = {"Picture2", "ottaedro.svg"},
             .figure = {.shape = geometry::Shape::Octahedron,
                        .dimensions = {"l"},
                        .marks = {{"l", "edge"}}}},
            {.name = "Command6", .text = "Vai", .steps = icosahedron, .results = kAllResults,
             .solidName = {"Label2(2)", "Icoesaedro regolare "},
             .solidPicture = {"Picture3", "icosaedro.svg"},
             .figure = {.shape = geometry::Shape::Icosahedron,
                        .dimensions = {"l"},
                        .marks = {{"l", "edge"}}}},
            {.name = "Command7", .text = "Vai", .steps = dodecahedron, .results = kAllResults,
             .solidName = {"Label2(3)", "Dodecaedro regolare "},
             .solidPicture = {"Picture4", "dodecaedro.svg"},
             .figure = {.shape = geometry::Shape::Dodecahedron,
                        .dimensions = {"l"},
                        .marks = {{"l", "edge"}}}},
        },
        .stampaButton = {"Command3", "Stampa"},
        .ritornaButton = {"Command2", "Ritorna"},
        .esciButton = {"Command1", "Esci"},
    };
}

} // namespace solids
