// The spherical zone: the sphere's radius, the height and both cut radii give
// the surface and the volume; two of radius, height and surface give the rest
// of the surface quantities.
#include "sphere.h"

namespace solids {

using namespace solver;

namespace {

void calcola(Calc &calc)
{
    Quantity r(calc, "r"), h(calc, "h"), r1(calc, "r1"), r2(calc, "r2"), d(calc, "d"), A(calc, "A"),
        V(calc, "V");

    const auto diameter = [&] { d = 2 * r; };

    if (calc.given({ "r", "h", "r1", "r2" })) {
        r = calc.ask("INTRODUCI IL RAGGIO DELLA SFERA (r)  =");
        h = calc.ask("INTRODUCI L'ALTEZZA (h)=");
        r1 = calc.ask("INTRODUCI IL RAGGIO DELLA ZONA (r1)  =");
        r2 = calc.ask("INTRODUCI IL RAGGIO DELLA ZONA (r2)  =");
        // The cut radii and the height already fix the sphere: with the signed
        // distance of the first cut from the centre, (r2² − r1² + h²) / (2h),
        // r² = r1² + that squared.
        calc.agree(r, sqrt(pow(r1, 2) + pow((pow(r2, 2) - pow(r1, 2) + pow(h, 2)) / (2 * h), 2)),
                   "una zona sferica");
        diameter();
        A = twoPi() * r * h;
        // Typed radii would be joined as text by "+", hence the subtracted
        // negations. The sum is halved: pi h (h^2/3 + r1^2 + r2^2) / 2 is the
        // zone's volume.
        V = pi() * h * (pow(h, 2) / 3 - (-pow(r1, 2)) - (-pow(r2, 2))) / 2;
        calc.formula(
            "d=2*R: A=2*3.14*R*h: V = 3.1415926535 * h * ((h ^ 2 / 3) - (-r1 ^ 2) - (-r2 ^ 2))");
    } else if (calc.given({ "r", "A" })) {
        r = calc.ask("INTRODUCI IL RAGGIO (R)  =");
        A = calc.ask("INTRODUCI LA SUPERFICIE (A)=");
        h = A / (twoPi() * r);
        diameter();
        calc.formula("d=2*R: h = a / (2 * 3.1415926535 * r)");
    } else if (calc.given({ "h", "A" })) {
        h = calc.ask("INTRODUCI L'ALTEZZA (h)  =");
        A = calc.ask("INTRODUCI LA SUPERFICIE (A)=");
        r = A / (twoPi() * h);
        diameter();
        calc.formula(" R = a / (2 * 3.1415926535 * h): d=2*R");
    } else {
        calc.insufficient();
    }

    calc.show("r", r);
    calc.show("d", d);
    calc.show("A", A);
    calc.show("h", h);
    calc.show("V", V);
    calc.show("r1", r1);
    calc.show("r2", r2);
}

} // namespace

SolverScreen sphericalZone()
{
    return {
        .name = "Form40",
        .caption = "ZONA SFERICA",
        .parent = "Form13",
        .title = {"Label2(0)", "ZONA SFERICA"},
        .knownHeading = {"Label2(1)", "Cosa conosci ?"},
        .checks = {
            {"Check5(1)", "Raggio della circonferenza di base della zona (r2)", "r2"},
            {"Check5(0)", "Raggio della circonferenza di base della zona (r1)", "r1"},
            {"Check1", "Raggio della sfera (r)", "r"},
            {"Check2", "Altezza (h)", "h"},
            {"Check3", "Superficie (A)", "A"},
            {"Check4", "Volume (V)", "V"},
        },
        .resultsHeading = {"Label2(2)", "Cosa conosci ?"},
        .rows = {
            {"Label1(13)", "Raggio (r2)                 =", "Label1(14)", "r2"},
            {"Label1(12)", "Raggio (r1)                 =", "Label1(15)", "r1"},
            {"Label1(10)", "Altezza (h)                 =", "Label1(11)", "h"},
            {"Label1(0)", "Raggio (r)                 =", "Label1(4)", "r"},
            {"Label1(1)", "Diametro (d=2r)        =", "Label1(5)", "d"},
            {"Label1(2)", "Superficie  (A)            =", "Label1(6)", "A"},
            {"Label1(3)", "Volume zona sferica (V) =", "Label1(7)", "V"},
        },
        .quantities = {
            {"r2", Kind::Length}, {"r1", Kind::Length}, {"r", Kind::Length}, {"h", Kind::Length},
            {"d", Kind::Length}, {"A", Kind::Area}, {"V", Kind::Volume},
        },
        .formulaHeading = {"Label1(8)", "Formule applicate"},
        .formulaLabels = {"Label1(9)"},
        .picture = {"Picture1", "zona.svg"},
        .solvers = {{.name = "Command1", .steps = calcola}},
        .stampaButton = {"Command2", "Stampa"},
        .ritornaButton = {"Command4", "Ritorna"},
        .esciButton = {"Command3", "Esci"},
        .figure = {.shape = geometry::Shape::Zone,
                   .dimensions = {"r", "h", "r1", "r2"},
                   .marks = {{"r", "sphereRadius"}, {"h", "height"}, {"r1", "bottomRadius"},
                              {"r2", "topRadius"}, {"d", "sphereDiameter"}}},
    };
}

} // namespace solids
