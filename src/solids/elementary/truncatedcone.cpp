// The truncated cone: three known quantities out of eleven give the other eight.
#include "elementary.h"

namespace solids {

using namespace solver;

namespace {

const char *const kFormula = "Label2";

// The eleven quantities of one press of "Calcola", all empty at the start.
struct Frustum {
    Value r1, r2, h, a, A1, A2, C1, C2, AL, AT, V;

    void aFromHeight() { a = sqrt(pow(h, 2) + pow(r1 - r2, 2)); }
    void heightFromApothem() { h = sqrt(pow(a, 2) - pow(r1 - r2, 2)); }
    void area1() { A1 = pow(r1, 2) * 3.14; }
    void area2() { A2 = pow(r2, 2) * 3.14; }
    void circumference1() { C1 = 6.28 * r1; }
    void circumference2() { C2 = 6.28 * r2; }
    void lateral() { AL = 3.14 * r1 * a + 3.14 * r2 * a; }
    void lateralShort() { AL = 3.14 * (r1 + r2) * a; }
    // Typed areas would be joined as text by "+", hence the factors 1.
    void total() { AT = AL + A1 * 1 + A2 * 1; }
    void volume() { V = (Value(1) / 3 * 3.14) * (pow(r1, 2) + r1 * r2 + pow(r2, 2)) * h; }
    void r1FromCircumference() { r1 = C1 / 6.28; }
    void r2FromCircumference() { r2 = C2 / 6.28; }
    void r1FromArea() { r1 = sqrt(A1 / 3.14); }
    void r2FromArea() { r2 = sqrt(A2 / 3.14); }
    // Typed radii would be joined as text by "+", hence the factors 1.
    void aFromLateral() { a = AL / (3.14 * (r1 * 1 + r2 * 1)); }
};

void calcola(Calc &calc)
{
    Frustum f;
    auto &[r1, r2, h, a, A1, A2, C1, C2, AL, AT, V] = f;

    if (calc.given({ "Check1(0)", "Check1(1)", "Check1(2)" })) {
        r1 = calc.ask("INTRODUCI IL RAGGIO (r1) =");
        r2 = calc.ask("INTRODUCI IL RAGGIO (r2) =");
        h = calc.ask("INTRODUCI L'ALTEZZA (h) =");
        f.aFromHeight();
        f.area1();
        f.area2();
        f.circumference1();
        f.circumference2();
        f.lateral();
        f.total();
        f.volume();
        calc.formula(
            kFormula,
            "a = Sqr(h ^ 2 + (r1 - r2) ^ 2): A1 = r1 ^ 2 * 3.14: A2 = r2 ^ 2 * 3.14: C1 = 6.28 * r1: C2 = 6.28 * r2: AL = 3.14 * (r1 + r2) * a: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "Check1(0)", "Check1(1)", "Check1(5)" })) {
        r1 = calc.ask("INTRODUCI IL RAGGIO (r1) =");
        r2 = calc.ask("INTRODUCI IL RAGGIO (r2) =");
        a = calc.ask("INTRODUCI L'APOTEMA (a) =");
        f.heightFromApothem();
        f.area1();
        f.area2();
        f.circumference1();
        f.circumference2();
        f.lateral();
        f.total();
        f.volume();
        calc.formula(
            kFormula,
            " h = Sqr(a ^ 2 - (r1 - r2) ^ 2): A1 = r1 ^ 2 * 3.14: A2 = r2 ^ 2 * 3.14: C1 = 6.28 * r1: C2 = 6.28 * r2: AL = 3.14 * (r1 + r2) * a: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "Check1(1)", "Check1(2)", "Check1(3)" })) {
        C1 = calc.ask("INTRODUCI LA CIRCONFERENZA C1 (C1) =");
        r2 = calc.ask("INTRODUCI IL RAGGIO (r2) =");
        h = calc.ask("INTRODUCI L'ALTEZZA (h) =");
        f.r1FromCircumference();
        f.aFromHeight();
        f.area1();
        f.area2();
        f.circumference1();
        f.circumference2();
        f.lateral();
        f.total();
        f.volume();
        calc.formula(
            kFormula,
            " a = Sqr(h ^ 2 + (r1 - r2) ^ 2): A1 = r1 ^ 2 * 3.14: A2 = r2 ^ 2 * 3.14: r1 = C1/6.28 : C2 = 6.28 * r2: AL = 3.14 * (r1 + r2) * a: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "Check1(1)", "Check1(3)", "Check1(5)" })) {
        C1 = calc.ask("INTRODUCI LA CIRCONFERENZA C1 (C1) =");
        r2 = calc.ask("INTRODUCI IL RAGGIO (r2) =");
        a = calc.ask("INTRODUCI L'APOTEMA (a) =");
        f.r1FromCircumference();
        f.heightFromApothem();
        f.area1();
        f.area2();
        f.circumference1();
        f.circumference2();
        f.lateral();
        f.total();
        f.volume();
        calc.formula(
            kFormula,
            " h = Sqr(a ^ 2 - (r1 - r2) ^ 2): A1 = r1 ^ 2 * 3.14: A2 = r2 ^ 2 * 3.14: r1 = C1/6.28 : C2 = 6.28 * r2: AL = 3.14 * (r1 + r2) * a: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "Check1(4)", "Check1(0)", "Check1(5)" })) {
        C2 = calc.ask("INTRODUCI LA CIRCONFERENZA C2 (C2) =");
        r1 = calc.ask("INTRODUCI IL RAGGIO (r1) =");
        a = calc.ask("INTRODUCI L'APOTEMA (a) =");
        f.r2FromCircumference();
        f.heightFromApothem();
        f.area1();
        f.area2();
        f.circumference1();
        f.circumference2();
        f.lateral();
        f.total();
        f.volume();
        calc.formula(
            kFormula,
            " h = Sqr(a ^ 2 - (r1 - r2) ^ 2): A1 = r1 ^ 2 * 3.14: A2 = r2 ^ 2 * 3.14: r2 = C2/6.28 : C2 = 6.28 * r2: AL = 3.14 * (r1 + r2) * a: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "Check1(4)", "Check1(0)", "Check1(2)" })) {
        C2 = calc.ask("INTRODUCI LA CIRCONFERENZA C2 (C2) =");
        r1 = calc.ask("INTRODUCI IL RAGGIO (r1) =");
        h = calc.ask("INTRODUCI L'ALTEZZA (h) =");
        f.r2FromCircumference();
        f.aFromHeight();
        f.area1();
        f.area2();
        f.circumference1();
        f.circumference2();
        f.lateral();
        f.total();
        f.volume();
        calc.formula(
            kFormula,
            " a = Sqr(h ^ 2 + (r1 - r2) ^ 2): A1 = r1 ^ 2 * 3.14: A2 = r2 ^ 2 * 3.14: r2 = C2/6.28 : C2 = 6.28 * r2: AL = 3.14 * (r1 + r2) * a: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "Check1(6)", "Check1(1)", "Check1(2)" })) {
        A1 = calc.ask("INTRODUCI L'AREA DI BASE 1 (A1) =");
        r2 = calc.ask("INTRODUCI IL RAGGIO (r2) =");
        h = calc.ask("INTRODUCI L'ALTEZZA (h) =");
        f.r1FromArea();
        f.aFromHeight();
        f.area2();
        f.circumference1();
        f.circumference2();
        f.lateral();
        f.total();
        f.volume();
        calc.formula(
            kFormula,
            " r1 = Sqr(A1 / 3.14): a = Sqr(h ^ 2 + (r1 - r2) ^ 2): A1 = r1 ^ 2 * 3.14: A2 = r2 ^ 2 * 3.14: r2 = C2/6.28 : C2 = 6.28 * r2: AL = 3.14 * (r1 + r2) * a: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "Check1(6)", "Check1(1)", "Check1(5)" })) {
        A1 = calc.ask("INTRODUCI L'AREA DI BASE 1 (A1) =");
        r2 = calc.ask("INTRODUCI IL RAGGIO (r2) =");
        a = calc.ask("INTRODUCI L'APOTEMA (a) =");
        f.r1FromArea();
        f.heightFromApothem();
        f.area2();
        f.circumference1();
        f.circumference2();
        f.lateral();
        f.total();
        f.volume();
        calc.formula(
            kFormula,
            " r1 = Sqr(A1 / 3.14): h = Sqr(a ^ 2 - (r1 - r2) ^ 2): A2 = r2 ^ 2 * 3.14: C2 = 6.28 * r2: AL = 3.14 * (r1 + r2) * a: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "Check1(7)", "Check1(0)", "Check1(2)" })) {
        A2 = calc.ask("INTRODUCI L'AREA DI BASE 2 (A2) =");
        r1 = calc.ask("INTRODUCI IL RAGGIO (r1) =");
        h = calc.ask("INTRODUCI L'ALTEZZA (h) =");
        f.r2FromArea();
        f.aFromHeight();
        f.area1();
        f.circumference1();
        f.circumference2();
        f.lateral();
        f.total();
        f.volume();
        calc.formula(
            kFormula,
            " r2 = Sqr(a2 / 3.14):a = Sqr(h ^ 2 + (r1 - r2) ^ 2): A1 = r1 ^ 2 * 3.14: C2 = 6.28 * r2: AL = 3.14 * (r1 + r2) * a: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "Check1(8)", "Check1(0)", "Check1(1)" })) {
        AL = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE LATERALE  (AL) =");
        r1 = calc.ask("INTRODUCI IL RAGGIO 1(r1) =");
        r2 = calc.ask("INTRODUCI IL RAGGIO 2 (r2) =");
        f.area1();
        f.area2();
        f.aFromLateral();
        f.heightFromApothem();
        f.circumference1();
        f.circumference2();
        f.total();
        f.volume();
        calc.formula(
            kFormula,
            " A1 = r1 ^ 2 * 3.14:  A2 = r2 ^ 2 * 3.14:h = Sqr(a ^ 2 - (r1 - r2) ^ 2): C2 = 6.28 * r2: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "Check1(7)", "Check1(0)", "Check1(5)" })) {
        A2 = calc.ask("INTRODUCI L'AREA DI BASE 2 (A2) =");
        r1 = calc.ask("INTRODUCI IL RAGGIO (r1) =");
        a = calc.ask("INTRODUCI L'APOTEMA (a) =");
        f.r2FromArea();
        f.heightFromApothem();
        f.area1();
        f.circumference1();
        f.circumference2();
        f.lateral();
        f.total();
        f.volume();
        calc.formula(
            kFormula,
            " r2 = Sqr(a2 / 3.14):h = Sqr(a ^ 2 - (r1 - r2) ^ 2): A1 = r1 ^ 2 * 3.14: C2 = 6.28 * r2: AL = 3.14 * (r1 + r2) * a: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "Check1(8)", "Check1(3)", "Check1(1)" })) {
        AL = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE LATERALE (Al) =");
        C1 = calc.ask("INTRODUCI LA CIRCONFERENZA (C1) =");
        r2 = calc.ask("INTRODUCI IL RAGGIO (r2) =");
        f.r1FromCircumference();
        f.aFromLateral();
        f.heightFromApothem();
        f.area1();
        f.area2();
        f.circumference2();
        f.total();
        f.volume();
        calc.formula(
            kFormula,
            " r1 = C1/6.28:a = AL / (3.14 * (1 * r1 + 1 * r2)): h = Sqr(a ^ 2 - (r1 - r2) ^ 2): C2 = 6.28 * r2: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "Check1(8)", "Check1(4)", "Check1(0)" })) {
        AL = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE LATERALE (Al) =");
        C2 = calc.ask("INTRODUCI LA CIRCONFERENZA (C2) =");
        r1 = calc.ask("INTRODUCI IL RAGGIO (r1) =");
        f.r2FromCircumference();
        f.aFromLateral();
        f.heightFromApothem();
        f.area1();
        f.area2();
        f.circumference1();
        f.total();
        f.volume();
        calc.formula(
            kFormula,
            " r2 = C2/6.28:a = AL / (3.14 * (1 * r1 + 1 * r2)): h = Sqr(a ^ 2 - (r1 - r2) ^ 2): C1 = 6.28 * r1: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "Check1(8)", "Check1(6)", "Check1(1)" })) {
        AL = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE LATERALE (Al) =");
        A1 = calc.ask("INTRODUCI L'AREA DI BASE  (A1) =");
        r2 = calc.ask("INTRODUCI IL RAGGIO (r2) =");
        f.r1FromArea();
        f.aFromLateral();
        f.heightFromApothem();
        f.area2();
        f.circumference1();
        f.circumference2();
        f.total();
        f.volume();
        calc.formula(
            kFormula,
            " r1 = Sqr(a1 / 3.14):a = AL / (3.14 * (1 * r1 + 1 * r2)): h = Sqr(a ^ 2 - (r1 - r2) ^ 2): C1 = 6.28 * r1: C2 = 6.28 * r2: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "Check1(8)", "Check1(7)", "Check1(0)" })) {
        AL = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE LATERALE (Al) =");
        A2 = calc.ask("INTRODUCI L'AREA DI BASE  (A2) =");
        r1 = calc.ask("INTRODUCI IL RAGGIO (r1) =");
        f.r2FromArea();
        f.aFromLateral();
        f.heightFromApothem();
        f.area1();
        f.circumference1();
        f.circumference2();
        f.total();
        f.volume();
        calc.formula(
            kFormula,
            " a1 = r1 ^ 2 * 3.14: r2 = Sqr(A2 / 3.14):a = AL / (3.14 * (1 * r1 + 1 * r2)): h = Sqr(a ^ 2 - (r1 - r2) ^ 2): C1 = 6.28 * r1: C2 = 6.28 * r2: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "Check1(8)", "Check1(7)", "Check1(6)" })) {
        AL = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE LATERALE (Al) =");
        A2 = calc.ask("INTRODUCI L'AREA DI BASE  (A2) =");
        A1 = calc.ask("INTRODUCI L'AREA DI BASE  (A1) =");
        f.r2FromArea();
        f.r1FromArea();
        f.aFromLateral();
        f.heightFromApothem();
        f.circumference1();
        f.circumference2();
        f.total();
        f.volume();
        calc.formula(
            kFormula,
            "  r1 = Sqr(a1 / 3.14): r2 = Sqr(A2 / 3.14):a = AL / (3.14 * (1 * r1 + 1 * r2)): h = Sqr(a ^ 2 - (r1 - r2) ^ 2): C1 = 6.28 * r1: C2 = 6.28 * r2: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "Check1(9)", "Check1(7)", "Check1(6)" })) {
        AT = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE TOTALE (AT) =");
        A2 = calc.ask("INTRODUCI L'AREA DI BASE  (A2) =");
        A1 = calc.ask("INTRODUCI L'AREA DI BASE  (A1) =");
        f.r2FromArea();
        f.r1FromArea();
        AL = AT - A1 - A2;
        f.aFromLateral();
        f.heightFromApothem();
        f.circumference1();
        f.circumference2();
        f.volume();
        calc.formula(
            kFormula,
            "  r1 = Sqr(a1 / 3.14): r2 = Sqr(A2 / 3.14): AL = AT - A1 - A2: a = AL / (3.14 * (1 * r1 + 1 * r2)): h = Sqr(a ^ 2 - (r1 - r2) ^ 2): C1 = 6.28 * r1: C2 = 6.28 * r2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "Check1(9)", "Check1(8)", "Check1(6)" })) {
        AT = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE TOTALE (AT) =");
        AL = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE LATERALE (AL) =");
        A1 = calc.ask("INTRODUCI L'AREA DI BASE  (A1) =");
        A2 = AT - AL - A1;
        f.r2FromArea();
        f.r1FromArea();
        f.aFromLateral();
        f.heightFromApothem();
        f.circumference1();
        f.circumference2();
        f.volume();
        calc.formula(
            kFormula,
            " A2 = AT - AL - A1: r1 = Sqr(a1 / 3.14): r2 = Sqr(A2 / 3.14): a = AL / (3.14 * (1 * r1 + 1 * r2)): h = Sqr(a ^ 2 - (r1 - r2) ^ 2): C1 = 6.28 * r1: C2 = 6.28 * r2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "Check1(9)", "Check1(8)", "Check1(7)" })) {
        AT = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE TOTALE (AT) =");
        AL = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE LATERALE (AL) =");
        A2 = calc.ask("INTRODUCI L'AREA DI BASE  (A2) =");
        A1 = AT - AL - A2;
        f.r2FromArea();
        f.r1FromArea();
        f.aFromLateral();
        f.heightFromApothem();
        f.circumference1();
        f.circumference2();
        f.volume();
        calc.formula(
            kFormula,
            " A1 = AT - AL - A2: r1 = Sqr(a1 / 3.14): r2 = Sqr(A2 / 3.14): a = AL / (3.14 * (1 * r1 + 1 * r2)): h = Sqr(a ^ 2 - (r1 - r2) ^ 2): C1 = 6.28 * r1: C2 = 6.28 * r2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "Check1(6)", "Check1(7)", "Check1(2)" })) {
        A1 = calc.ask("INTRODUCI L'AREA DI BASE (A1) =");
        A2 = calc.ask("INTRODUCI L'AREA DI BASE (A2) =");
        h = calc.ask("INTRODUCI L'ALTEZZA  (h) =");
        f.r2FromArea();
        f.r1FromArea();
        f.aFromHeight();
        f.lateralShort();
        f.circumference1();
        f.circumference2();
        f.total();
        f.volume();
        calc.formula(
            kFormula,
            " r1 = Sqr(a1 / 3.14): r2 = Sqr(A2 / 3.14): a = Sqr(h ^ 2 + (r1 - r2) ^ 2): AL = 3.14 * (1 * r1 + 1 * r2) * a:  C1 = 6.28 * r1: C2 = 6.28 * r2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "Check1(10)", "Check1(6)", "Check1(7)" })) {
        V = calc.ask("INTRODUCI IL VOLUME (V) =");
        A1 = calc.ask("INTRODUCI L'AREA DI BASE (A1) =");
        A2 = calc.ask("INTRODUCI L'AREA DI BASE  (A2) =");
        f.r2FromArea();
        f.r1FromArea();
        // Typed areas would be joined as text by "+", hence the factors 1.
        h = 3 * V / (A1 * 1 + A2 * 1 + sqrt(A1 * A2));
        f.aFromHeight();
        f.lateralShort();
        f.circumference1();
        f.circumference2();
        f.total();
        calc.formula(
            kFormula,
            " r1 = Sqr(A1 / 3.14): r2 = Sqr(A2 / 3.14):h = 3 * V / (A1 + A2 + Sqr(a1 * a2)): a = Sqr(h ^ 2 + (r1 - r2) ^ 2): AL = 3.14 * (1 * r1 + 1 * r2) * a:  C1 = 6.28 * r1: C2 = 6.28 * r2");
    } else {
        calc.insufficient();
    }

    calc.show("Label1(14)", r1);
    calc.show("Label1(15)", r2);
    calc.show("Label1(16)", h);
    calc.show("Label1(17)", a);
    calc.show("Label1(18)", A1);
    calc.show("Label1(19)", A2);
    calc.show("Label1(20)", C1);
    calc.show("Label1(21)", C2);
    calc.show("Label1(22)", AL);
    calc.show("Label1(23)", AT);
    calc.show("Label1(24)", V);
}

} // namespace

SolverScreen truncatedCone()
{
    return {
        .name = "Form26",
        .caption = "TRONCO DI CONO",
        .parent = "Form1",
        .title = {"Label1(0)", "TRONCO DI CONO"},
        .knownHeading = {"Label1(1)", "Cosa conosci (scegli almeno tre dati )?"},
        .checks = {
            {"Check1(0)", "Raggio di base (r1)"},
            {"Check1(1)", "Raggio di base (r2)"},
            {"Check1(2)", "altezza (h)"},
            {"Check1(3)", "Circonferenza 1 (C1)"},
            {"Check1(4)", "Circonferenza 2 (C2)"},
            {"Check1(5)", "Apotema  (a)"},
            {"Check1(6)", "Area di base 1 (A1)"},
            {"Check1(7)", "Area di base 2 (A2)"},
            {"Check1(8)", "Superficie laterale  (Sl)"},
            {"Check1(9)", "Superficie Totale  (St)"},
            {"Check1(10)", "Volume   (V)"},
        },
        .resultsHeading = {"Label1(2)", "Risultati :"},
        .rows = {
            {"Label1(3)", "Raggio (r1)                =", "Label1(14)"},
            {"Label1(4)", "Raggio (r2)                =", "Label1(15)"},
            {"Label1(5)", "Altezza (h)                 =", "Label1(16)"},
            {"Label1(6)", "Apotema (a)              =", "Label1(17)"},
            {"Label1(7)", "Area di base (A1)     =", "Label1(18)"},
            {"Label1(8)", "Area di base (A2)     =", "Label1(19)"},
            {"Label1(9)", "Circonferenza (C1)   =", "Label1(20)"},
            {"Label1(10)", "Circonferenza (C2)   =", "Label1(21)"},
            {"Label1(11)", "Superficie Laterale(Al)=", "Label1(22)"},
            {"Label1(12)", "Superficie Totale (At) =", "Label1(23)"},
            {"Label1(13)", "Volume  (V)               =", "Label1(24)"},
        },
        .formulaHeading = {"Label1(25)", "Formule applicate"},
        .formulaLabels = {kFormula},
        .picture = {"Picture1", "tronco-cono.svg"},
        .solvers = {{.name = "Command4", .steps = calcola}},
        .stampaButton = {"Command3", "Stampa"},
        .ritornaButton = {"Command2", "Ritorna"},
        .esciButton = {"Command1", "Esci "},
    };
}

} // namespace solids
