// The pyramids on a regular pentagon and on a regular hexagon: one calculation
// on the number of sides n and the ratio k of the base apothem to the side,
// one record per screen.
#include "pyramids.h"

namespace solids {

using namespace solver;

namespace {

struct PolygonPyramid {
    const char *name;
    const char *caption;
    int n;    // sides of the base
    double k; // apothem of the base / side
    FormulaTable formulas;
    Control stampa, ritorna;
    Control picture;
    std::vector<ResultRow> rows;
    std::vector<QuantityKind> quantities;
    std::vector<Control> checks;
};

void calcola(const PolygonPyramid &rec, Calc &calc)
{
    Quantity s(calc, "s"), r(calc, "r"), h(calc, "h"), a(calc, "a"), l(calc, "l"), AB(calc, "AB"),
        P(calc, "P"), AL(calc, "AL"), AT(calc, "AT"), V(calc, "V");
    const Expr k = polygonApothem(rec.n, rec.k);

    const auto baseArea = [&] { AB = P * r / 2; };
    const auto lateral = [&] { AL = P * a / 2; };
    const auto total = [&] { AT = AL + AB; };
    const auto volume = [&] { V = AB * h / 3; };
    const auto lateralEdge = [&] { l = pow(pow(a, 2) + pow(s / 2, 2), 0.5); };
    const auto heightFromApothem = [&] { h = pow(pow(a, 2) - pow(r, 2), 0.5); };
    const auto apothemFromHeight = [&] { a = pow(pow(r, 2) + pow(h, 2), 0.5); };
    // The record's own text for the case of these known quantities.
    const auto written = [&](const char *known) {
        calc.formula(formulaText(rec.formulas, rec.name, known));
    };

    if (calc.given({ "h", "s" })) {
        s = calc.ask("INTRODUCI LO SPIGOLO DI BASE (s)=");
        h = calc.ask("INTRODUCI L'ALTEZZA DELLA PIRAMIDE (h)=");
        P = s * rec.n;
        r = k * s;
        baseArea();
        apothemFromHeight();
        lateral();
        total();
        volume();
        lateralEdge();
        written("s h");
    } else if (calc.given({ "h", "P" })) {
        P = calc.ask("INTRODUCI IL PERIMETRO DI BASE (P)=");
        h = calc.ask("INTRODUCI L'ALTEZZA DELLA PIRAMIDE (h)=");
        s = P / rec.n;
        r = k * s;
        baseArea();
        apothemFromHeight();
        lateral();
        total();
        volume();
        lateralEdge();
        written("P h");
    } else if (calc.given({ "r", "h" })) {
        r = calc.ask("INTRODUCI IL RAGGIO DI BASE (r)=");
        h = calc.ask("INTRODUCI L'ALTEZZA DELLA PIRAMIDE (h)=");
        s = r / k;
        P = s * rec.n;
        baseArea();
        apothemFromHeight();
        lateral();
        total();
        volume();
        lateralEdge();
        written("r h");
    } else if (calc.given({ "h", "a" })) {
        a = calc.ask("INTRODUCI L'APOTEMA DELLA PIRAMIDE (a)=");
        h = calc.ask("INTRODUCI L'ALTEZZA DELLA PIRAMIDE (h)=");
        r = pow(pow(a, 2) - pow(h, 2), 0.5);
        s = r / k;
        P = s * rec.n;
        baseArea();
        apothemFromHeight();
        lateral();
        total();
        volume();
        lateralEdge();
        written("a h");
    } else if (calc.given({ "l", "a" })) {
        a = calc.ask("INTRODUCI L'APOTEMA DELLA PIRAMIDE (a)=");
        l = calc.ask("INTRODUCI LO SPIGOLO LATERALE DELLA PIRAMIDE (l)=");
        s = 2 * pow(pow(l, 2) - pow(a, 2), 0.5);
        r = s * k;
        P = s * rec.n;
        heightFromApothem();
        baseArea();
        lateral();
        total();
        volume();
        written("a l");
    } else if (calc.given({ "r", "a" })) {
        a = calc.ask("INTRODUCI L'APOTEMA DELLA PIRAMIDE (a)=");
        r = calc.ask("INTRODUCI IL RAGGIO DELLA PIRAMIDE (r)=");
        s = r / k;
        P = s * rec.n;
        heightFromApothem();
        baseArea();
        lateral();
        total();
        volume();
        lateralEdge();
        written("a r");
    } else if (calc.given({ "P", "a" })) {
        a = calc.ask("INTRODUCI L'APOTEMA DELLA PIRAMIDE (a)=");
        P = calc.ask("INTRODUCI IL PERIMETRO DELLA PIRAMIDE (P)=");
        s = P / rec.n;
        r = s * k;
        heightFromApothem();
        baseArea();
        lateral();
        total();
        volume();
        lateralEdge();
        written("a P");
    } else if (calc.given({ "s", "a" })) {
        a = calc.ask("INTRODUCI L'APOTEMA DELLA PIRAMIDE (a)=");
        s = calc.ask("INTRODUCI LO SPIGOLO DI BASE DELLA PIRAMIDE (s)=");
        r = s * k;
        P = s * rec.n;
        heightFromApothem();
        baseArea();
        lateral();
        total();
        volume();
        lateralEdge();
        written("a s");
    } else if (calc.given({ "AL", "a" })) {
        a = calc.ask("INTRODUCI L'APOTEMA DELLA PIRAMIDE (a)=");
        AL = calc.ask("INTRODUCI 'AREA LATERALE (AL)=");
        P = 2 * AL / a;
        s = P / rec.n;
        r = s * k;
        heightFromApothem();
        baseArea();
        total();
        volume();
        lateralEdge();
        written("a AL");
    } else if (calc.given({ "P", "AL" })) {
        P = calc.ask("INTRODUCI IL PERIMETRO DI BASE (P)=");
        AL = calc.ask("INTRODUCI 'AREA LATERALE (AL)=");
        s = P / rec.n;
        r = s * k;
        a = 2 * AL / P;
        heightFromApothem();
        baseArea();
        total();
        volume();
        lateralEdge();
        written("P AL");
    } else if (calc.given({ "s", "AL" })) {
        s = calc.ask("INTRODUCI LO SPIGOLO DI BASE  (s)=");
        AL = calc.ask("INTRODUCI 'AREA LATERALE (AL)=");
        P = s * rec.n;
        r = s * k;
        a = 2 * AL / P;
        heightFromApothem();
        baseArea();
        total();
        volume();
        lateralEdge();
        written("s AL");
    } else if (calc.given({ "s", "V" })) {
        s = calc.ask("INTRODUCI LO SPIGOLO DI BASE  (s)=");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        P = s * rec.n;
        r = s * k;
        baseArea();
        h = 3 * V / AB;
        a = pow(pow(h, 2) + pow(r, 2), 0.5);
        lateral();
        total();
        lateralEdge();
        written("s V");
    } else if (calc.given({ "P", "V" })) {
        P = calc.ask("INTRODUCI IL PERIMETRO DI BASE  (P)=");
        V = calc.ask("INTRODUCI IL VOLUME (V)=");
        s = P / rec.n;
        r = s * k;
        baseArea();
        h = 3 * V / AB;
        a = pow(pow(h, 2) + pow(r, 2), 0.5);
        lateral();
        total();
        lateralEdge();
        written("P V");
    } else {
        calc.insufficient();
    }

    calc.show("s", s);
    calc.show("r", r);
    calc.show("h", h);
    calc.show("a", a);
    calc.show("l", l);
    calc.show("AB", AB);
    calc.show("P", P);
    calc.show("AL", AL);
    calc.show("AT", AT);
    calc.show("V", V);
}

const PolygonPyramid &pentagon()
{
    static const PolygonPyramid rec{
        .name = "Form10",
        .caption = "PIRAMIDE A BASE PENTAGONALE",
        .n = 5,
        .k = 0.688,
        .formulas = {
            {"s h", " ( P=s*5) : (r=0,688*s): (AB=P*r/2): (a=SQR(r^2+h^2)) : (l=SQR(a^2+(s/2)^2)) : (AL=P*a/2) : (AT=AL+AB): (V=AB*h/3)"},
            {"P h", " ( s=P/5) : (r=0,688*s): (AB=P*r/2): (a=SQR(r^2+h^2)) : (l=SQR(a^2+(s/2)^2)) : (AL=P*a/2) : (AT=AL+AB): (V=AB*h/3)"},
            {"r h", " ( s=r/0.688) : (P=s*5): (AB=P*r/2): (a=SQR(r^2+h^2)) : (l=SQR(a^2+(s/2)^2)) : (AL=P*a/2) : (AT=AL+AB): (V=AB*h/3)"},
            {"a h", " ( r=SQR(a^2-h^2)) :s=r/0,688): (P=s*5): (AB=P*r/2) : (l=SQR(a^2+(s/2)^2)) : (AL=P*a/2) : (AT=AL+AB): (V=AB*h/3)"},
            {"a l", " ( s=2*SQR(l^2-a^2)) : (r=s*0.688): (P=s*5): h=SQR(a^2-r^2): (AB=P*r/2) : (AL=P*a/2) : (AT=AL+AB): (V=AB*h/3)"},
            {"a r", " ( s=r/0.688)) : (P=s*5): h=SQR(a^2-r^2): (AB=P*r/2) : (l=SQR(a^2+(s/2)^2)): (AL=P*a/2) : (AT=AL+AB): (V=AB*h/3)"},
            {"a P", " ( s=P/5)) : (r=s*0,688): h=SQR(a^2-r^2): (AB=P*r/2) : (l=SQR(a^2+(s/2)^2)): (AL=P*a/2) : (AT=AL+AB): (V=AB*h/3)"},
            {"a s", " ( r=s*0.688)) : (P=s*5): h=SQR(a^2-r^2): (AB=P*r/2) : (l=SQR(a^2+(s/2)^2)): (AL=P*a/2) : (AT=AL+AB): (V=AB*h/3)"},
            {"a AL", " ( P=2*AL/a)) : (s=P/5): (r=s*0,688): h=SQR(a^2-r^2): (AB=P*r/2) : (l=SQR(a^2+(s/2)^2)): (AT=AL+AB): (V=AB*h/3)"},
            {"P AL", " ( s=P/5)) : (r=s*0,688): (a= 2*AL/P): h=SQR(a^2-r^2): (AB=P*r/2) : (l=SQR(a^2+(s/2)^2)): (AT=AL+AB): (V=AB*h/3)"},
            {"s AL", " ( P=s*5) :(r=s*0,688): (a=2*AL/P): h=SQR(a^2-r^2): (AB=P*r/2) : (l=SQR(a^2+(s/2)^2)): (AT=AL+AB): (V=AB*h/3)"},
            {"s V", " ( P=s*5) :(r=s*0,688): (AB=P*r/2): (h=3*V/AB): (a=SQR(h^2+r^2) : (l=SQR(a^2+(s/2)^2)):( AL=P*a/2): (AT=AL+AB): (V=AB*h/3)"},
            {"P V", " ( s=P/5) :(r=s*0,688): (AB=P*r/2): (h=3*V/AB): (a=SQR(h^2+r^2) : (l=SQR(a^2+(s/2)^2)):( AL=P*a/2): (AT=AL+AB): (V=AB*h/3)"},
        },
        .stampa = {"Command2", "Stampa"},
        .ritorna = {"Command4", "Ritorna"},
        .picture = {"Picture4(0)", "piramide-pentagonale.svg"},
        .rows = {
            {"Label3(0)", "Spigolo di base (s)              =", "Label3(13)", "s"},
            {"Label3(6)", "Raggio di base (apotema)(r)   =                    =", "Label3(9)", "r"},
            {"Label3(26)", "Altezza della piramide (h)   =", "Label3(10)", "h"},
            {"Label3(3)", "Apotema  (a)                       =", "Label3(11)", "a"},
            {"Label3(5)", "Spigolo laterale (l)                   =                        =", "Label3(12)", "l"},
            {"Label3(7)", "Area di base (AB)                =", "Label3(14)", "AB"},
            {"Label3(1)", "Perimetro (P)                       =", "Label3(15)", "P"},
            {"Label3(2)", "Area Laterale (AL)              =", "Label3(16)", "AL"},
            {"Label3(4)", "Area Totale (AT)                 =", "Label3(17)", "AT"},
            {"Label3(8)", "Volume(V)                           =", "Label3(18)", "V"},
        },
        .quantities = {
            {"s", Kind::Length}, {"r", Kind::Length}, {"h", Kind::Length}, {"a", Kind::Length},
            {"l", Kind::Length}, {"AB", Kind::Area}, {"P", Kind::Length}, {"AL", Kind::Area},
            {"AT", Kind::Area}, {"V", Kind::Volume},
        },
        .checks = {
            {"Check7", "Spigolo di base(s)", "s"},
            {"Check2", "Raggio o apotema di base (r)", "r"},
            {"Check3", "Altezza della piramide (h)", "h"},
            {"Check8", "Apotema della piramide (a)", "a"},
            {"Check1", "Spigolo laterale (l)", "l"},
            {"Check11", "Area di base (AB)", "AB"},
            {"Check5", "Perimetro (P) ", "P"},
            {"Check9", "Area Laterale (AL)", "AL"},
            {"Check4", "Area Totale (AT)", "AT"},
            {"Check6", "Volume (V)", "V"},
        },
    };
    return rec;
}

const PolygonPyramid &hexagon()
{
    static const PolygonPyramid rec{
        .name = "Form11",
        .caption = "PIRAMIDE A BASE ESAGONALE",
        .n = 6,
        .k = 0.866,
        .formulas = {
            {"s h", " ( P=s*6) : (r=0,866*s): (AB=P*r/2): (a=SQR(r^2+h^2)) : (l=SQR(a^2+(s/2)^2)) : (AL=P*a/2) : (AT=AL+AB): (V=AB*h/3)"},
            {"P h", " ( s=P/6) : (r=0,866*s): (AB=P*r/2): (a=SQR(r^2+h^2)) : (l=SQR(a^2+(s/2)^2)) : (AL=P*a/2) : (AT=AL+AB): (V=AB*h/3)"},
            {"r h", " ( s=r/0.866) : (P=s*6): (AB=P*r/2): (a=SQR(r^2+h^2)) : (l=SQR(a^2+(s/2)^2)) : (AL=P*a/2) : (AT=AL+AB): (V=AB*h/3)"},
            {"a h", " ( r=SQR(a^2-h^2)) :s=r/0,866): (P=s*6): (AB=P*r/2) : (l=SQR(a^2+(s/2)^2)) : (AL=P*a/2) : (AT=AL+AB): (V=AB*h/3)"},
            {"a l", " ( s=2*SQR(l^2-a^2)) : (r=s*0.866): (P=s*6): h=SQR(a^2-r^2): (AB=P*r/2) : (AL=P*a/2) : (AT=AL+AB): (V=AB*h/3)"},
            {"a r", " ( s=r/0.866)) : (P=s*6): h=SQR(a^2-r^2): (AB=P*r/2) : (l=SQR(a^2+(s/2)^2)): (AL=P*a/2) : (AT=AL+AB): (V=AB*h/3)"},
            {"a P", " ( s=P/6)) : (r=s*0,866): h=SQR(a^2-r^2): (AB=P*r/2) : (l=SQR(a^2+(s/2)^2)): (AL=P*a/2) : (AT=AL+AB): (V=AB*h/3)"},
            {"a s", " ( r=s*0.866)) : (P=s*6): h=SQR(a^2-r^2): (AB=P*r/2) : (l=SQR(a^2+(s/2)^2)): (AL=P*a/2) : (AT=AL+AB): (V=AB*h/3)"},
            {"a AL", " ( P=2*AL/a)) : (s=P/6): (r=s*0,866): h=SQR(a^2-r^2): (AB=P*r/2) : (l=SQR(a^2+(s/2)^2)): (AT=AL+AB): (V=AB*h/3)"},
            {"P AL", " ( s=P/6)) : (r=s*0,866): (a= 2*AL/P): h=SQR(a^2-r^2): (AB=P*r/2) : (l=SQR(a^2+(s/2)^2)): (AT=AL+AB): (V=AB*h/3)"},
            {"s AL", " ( P=s*6) :(r=s*0,866): (a=2*AL/P): h=SQR(a^2-r^2): (AB=P*r/2) : (l=SQR(a^2+(s/2)^2)): (AT=AL+AB): (V=AB*h/3)"},
            {"s V", " ( P=s*6) :(r=s*0,866): (AB=P*r/2): (h=3*V/AB): (a=SQR(h^2+r^2) : (l=SQR(a^2+(s/2)^2)):( AL=P*a/2): (AT=AL+AB): (V=AB*h/3)"},
            {"P V", " ( s=P/6) :(r=s*0,866): (AB=P*r/2): (h=3*V/AB): (a=SQR(h^2+r^2) : (l=SQR(a^2+(s/2)^2)):( AL=P*a/2): (AT=AL+AB): (V=AB*h/3)"},
        },
        .stampa = {"Command4", "Stampa"},
        .ritorna = {"Command2", "Ritorna"},
        .picture = {"Picture3", "piramide-esagonale.svg"},
        .rows = {
            {"Label3(0)", "Spigolo di base (s)               =", "Label3(13)", "s"},
            {"Label3(6)", "Raggio di base (apotema)(r)  =                    =", "Label3(14)", "r"},
            {"Label3(26)", "Altezza della piramide (h)   =", "Label3(9)", "h"},
            {"Label3(3)", "Apotema  (a)                       =", "Label3(15)", "a"},
            {"Label3(5)", "Spigolo laterale (l)                  =                        =", "Label3(10)", "l"},
            {"Label3(7)", "Area di base (AB)                =", "Label3(16)", "AB"},
            {"Label3(1)", "Perimetro (P)                       =", "Label3(11)", "P"},
            {"Label3(2)", "Area Laterale (AL)              =", "Label3(17)", "AL"},
            {"Label3(4)", "Area Totale (AT)                 =", "Label3(12)", "AT"},
            {"Label3(8)", "Volume(V)                           =", "Label3(18)", "V"},
        },
        .quantities = {
            {"s", Kind::Length}, {"r", Kind::Length}, {"h", Kind::Length}, {"a", Kind::Length},
            {"l", Kind::Length}, {"AB", Kind::Area}, {"P", Kind::Length}, {"AL", Kind::Area},
            {"AT", Kind::Area}, {"V", Kind::Volume},
        },
        .checks = {
            // Never looked at: the perimeter is known through Check10.
            {"Check5(0)", "Perimetro (P) "},
            {"Check7", "Spigolo di base(s)", "s"},
            {"Check2", "Raggio o apotema di base (r)", "r"},
            {"Check3", "Altezza della piramide (h)", "h"},
            {"Check8", "Apotema della piramide (a)", "a"},
            {"Check1", "Spigolo laterale (l)", "l"},
            {"Check11", "Area di base (AB)", "AB"},
            {"Check10", "Perimetro (P)", "P"},
            {"Check9", "Area Laterale (AL)", "AL"},
            {"Check4", "Area Totale (AT)", "AT"},
            {"Check6", "Volume (V)", "V"},
        },
    };
    return rec;
}

SolverScreen polygonScreen(const PolygonPyramid &rec)
{
    return {
        .name = rec.name,
        .caption = rec.caption,
        .parent = "form5",
        .title = { "Label1(0)", rec.caption },
        .knownHeading = { "Label2", "Cosa conosci ?" },
        .checks = rec.checks,
        .resultsHeading = { "Label1(1)", "Risultati" },
        .rows = rec.rows,
        .quantities = rec.quantities,
        .formulaHeading = { "Label5", "Formule applicate" },
        .formulaLabels = { "Label6" },
        .picture = rec.picture,
        .solvers = { { .name = "Command3", .steps = [&rec](Calc &calc) { calcola(rec, calc); } } },
        .stampaButton = rec.stampa,
        .ritornaButton = rec.ritorna,
        .esciButton = { "Command1", "Esci" },
        .figure = { .shape = geometry::Shape::RegularPyramid,
                    .dimensions = { std::to_string(rec.n), "s", "h" },
                    .marks = { { "s", "side" },
                               { "r", "baseApothem" },
                               { "h", "height" },
                               { "a", "slant" },
                               { "l", "lateralEdge" } } },
    };
}

} // namespace

SolverScreen pentagonalPyramid()
{
    return polygonScreen(pentagon());
}
SolverScreen hexagonalPyramid()
{
    return polygonScreen(hexagon());
}

} // namespace solids
