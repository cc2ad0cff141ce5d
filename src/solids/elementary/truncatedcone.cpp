// The truncated cone: three known quantities out of eleven give the other eight.
#include "elementary.h"

namespace solids {

using namespace solver;

namespace {

void calcola(Calc &calc)
{
    Quantity r1(calc, "r1"), r2(calc, "r2"), h(calc, "h"), a(calc, "a"), A1(calc, "A1"),
        A2(calc, "A2"), C1(calc, "C1"), C2(calc, "C2"), AL(calc, "AL"), AT(calc, "AT"),
        V(calc, "V");

    // The steps several cases share.
    const auto apothemFromHeight = [&] { a = sqrt(pow(h, 2) + pow(r1 - r2, 2)); };
    const auto heightFromApothem = [&] { h = sqrt(pow(a, 2) - pow(r1 - r2, 2)); };
    const auto area1 = [&] { A1 = pow(r1, 2) * approxPi(); };
    const auto area2 = [&] { A2 = pow(r2, 2) * approxPi(); };
    const auto circumference1 = [&] { C1 = approxTwoPi() * r1; };
    const auto circumference2 = [&] { C2 = approxTwoPi() * r2; };
    const auto lateral = [&] { AL = approxPi() * r1 * a + approxPi() * r2 * a; };
    const auto lateralShort = [&] { AL = approxPi() * (r1 + r2) * a; };
    // Typed areas would be joined as text by "+", hence the factors 1.
    const auto total = [&] { AT = AL + A1 * 1 + A2 * 1; };
    const auto volume = [&] {
        V = (Expr(1) / 3 * approxPi()) * (pow(r1, 2) + r1 * r2 + pow(r2, 2)) * h;
    };
    const auto r1FromCircumference = [&] { r1 = C1 / approxTwoPi(); };
    const auto r2FromCircumference = [&] { r2 = C2 / approxTwoPi(); };
    const auto r1FromArea = [&] { r1 = sqrt(A1 / approxPi()); };
    const auto r2FromArea = [&] { r2 = sqrt(A2 / approxPi()); };
    // Typed radii would be joined as text by "+", hence the factors 1.
    const auto apothemFromLateral = [&] { a = AL / (approxPi() * (r1 * 1 + r2 * 1)); };

    if (calc.given({ "r1", "r2", "h" })) {
        r1 = calc.ask("INTRODUCI IL RAGGIO (r1) =");
        r2 = calc.ask("INTRODUCI IL RAGGIO (r2) =");
        h = calc.ask("INTRODUCI L'ALTEZZA (h) =");
        apothemFromHeight();
        area1();
        area2();
        circumference1();
        circumference2();
        lateral();
        total();
        volume();
        calc.formula(
            "a = Sqr(h ^ 2 + (r1 - r2) ^ 2): A1 = r1 ^ 2 * 3.14: A2 = r2 ^ 2 * 3.14: C1 = 6.28 * r1: C2 = 6.28 * r2: AL = 3.14 * (r1 + r2) * a: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "r1", "r2", "a" })) {
        r1 = calc.ask("INTRODUCI IL RAGGIO (r1) =");
        r2 = calc.ask("INTRODUCI IL RAGGIO (r2) =");
        a = calc.ask("INTRODUCI L'APOTEMA (a) =");
        heightFromApothem();
        area1();
        area2();
        circumference1();
        circumference2();
        lateral();
        total();
        volume();
        calc.formula(
            " h = Sqr(a ^ 2 - (r1 - r2) ^ 2): A1 = r1 ^ 2 * 3.14: A2 = r2 ^ 2 * 3.14: C1 = 6.28 * r1: C2 = 6.28 * r2: AL = 3.14 * (r1 + r2) * a: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "r2", "h", "C1" })) {
        C1 = calc.ask("INTRODUCI LA CIRCONFERENZA C1 (C1) =");
        r2 = calc.ask("INTRODUCI IL RAGGIO (r2) =");
        h = calc.ask("INTRODUCI L'ALTEZZA (h) =");
        r1FromCircumference();
        apothemFromHeight();
        area1();
        area2();
        circumference1();
        circumference2();
        lateral();
        total();
        volume();
        calc.formula(
            " a = Sqr(h ^ 2 + (r1 - r2) ^ 2): A1 = r1 ^ 2 * 3.14: A2 = r2 ^ 2 * 3.14: r1 = C1/6.28 : C2 = 6.28 * r2: AL = 3.14 * (r1 + r2) * a: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "r2", "C1", "a" })) {
        C1 = calc.ask("INTRODUCI LA CIRCONFERENZA C1 (C1) =");
        r2 = calc.ask("INTRODUCI IL RAGGIO (r2) =");
        a = calc.ask("INTRODUCI L'APOTEMA (a) =");
        r1FromCircumference();
        heightFromApothem();
        area1();
        area2();
        circumference1();
        circumference2();
        lateral();
        total();
        volume();
        calc.formula(
            " h = Sqr(a ^ 2 - (r1 - r2) ^ 2): A1 = r1 ^ 2 * 3.14: A2 = r2 ^ 2 * 3.14: r1 = C1/6.28 : C2 = 6.28 * r2: AL = 3.14 * (r1 + r2) * a: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "C2", "r1", "a" })) {
        C2 = calc.ask("INTRODUCI LA CIRCONFERENZA C2 (C2) =");
        r1 = calc.ask("INTRODUCI IL RAGGIO (r1) =");
        a = calc.ask("INTRODUCI L'APOTEMA (a) =");
        r2FromCircumference();
        heightFromApothem();
        area1();
        area2();
        circumference1();
        circumference2();
        lateral();
        total();
        volume();
        calc.formula(
            " h = Sqr(a ^ 2 - (r1 - r2) ^ 2): A1 = r1 ^ 2 * 3.14: A2 = r2 ^ 2 * 3.14: r2 = C2/6.28 : C2 = 6.28 * r2: AL = 3.14 * (r1 + r2) * a: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "C2", "r1", "h" })) {
        C2 = calc.ask("INTRODUCI LA CIRCONFERENZA C2 (C2) =");
        r1 = calc.ask("INTRODUCI IL RAGGIO (r1) =");
        h = calc.ask("INTRODUCI L'ALTEZZA (h) =");
        r2FromCircumference();
        apothemFromHeight();
        area1();
        area2();
        circumference1();
        circumference2();
        lateral();
        total();
        volume();
        calc.formula(
            " a = Sqr(h ^ 2 + (r1 - r2) ^ 2): A1 = r1 ^ 2 * 3.14: A2 = r2 ^ 2 * 3.14: r2 = C2/6.28 : C2 = 6.28 * r2: AL = 3.14 * (r1 + r2) * a: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "A1", "r2", "h" })) {
        A1 = calc.ask("INTRODUCI L'AREA DI BASE 1 (A1) =");
        r2 = calc.ask("INTRODUCI IL RAGGIO (r2) =");
        h = calc.ask("INTRODUCI L'ALTEZZA (h) =");
        r1FromArea();
        apothemFromHeight();
        area2();
        circumference1();
        circumference2();
        lateral();
        total();
        volume();
        calc.formula(
            " r1 = Sqr(A1 / 3.14): a = Sqr(h ^ 2 + (r1 - r2) ^ 2): A1 = r1 ^ 2 * 3.14: A2 = r2 ^ 2 * 3.14: r2 = C2/6.28 : C2 = 6.28 * r2: AL = 3.14 * (r1 + r2) * a: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "A1", "r2", "a" })) {
        A1 = calc.ask("INTRODUCI L'AREA DI BASE 1 (A1) =");
        r2 = calc.ask("INTRODUCI IL RAGGIO (r2) =");
        a = calc.ask("INTRODUCI L'APOTEMA (a) =");
        r1FromArea();
        heightFromApothem();
        area2();
        circumference1();
        circumference2();
        lateral();
        total();
        volume();
        calc.formula(
            " r1 = Sqr(A1 / 3.14): h = Sqr(a ^ 2 - (r1 - r2) ^ 2): A2 = r2 ^ 2 * 3.14: C2 = 6.28 * r2: AL = 3.14 * (r1 + r2) * a: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "A2", "r1", "h" })) {
        A2 = calc.ask("INTRODUCI L'AREA DI BASE 2 (A2) =");
        r1 = calc.ask("INTRODUCI IL RAGGIO (r1) =");
        h = calc.ask("INTRODUCI L'ALTEZZA (h) =");
        r2FromArea();
        apothemFromHeight();
        area1();
        circumference1();
        circumference2();
        lateral();
        total();
        volume();
        calc.formula(
            " r2 = Sqr(a2 / 3.14):a = Sqr(h ^ 2 + (r1 - r2) ^ 2): A1 = r1 ^ 2 * 3.14: C2 = 6.28 * r2: AL = 3.14 * (r1 + r2) * a: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "AL", "r1", "r2" })) {
        AL = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE LATERALE  (AL) =");
        r1 = calc.ask("INTRODUCI IL RAGGIO 1(r1) =");
        r2 = calc.ask("INTRODUCI IL RAGGIO 2 (r2) =");
        area1();
        area2();
        apothemFromLateral();
        heightFromApothem();
        circumference1();
        circumference2();
        total();
        volume();
        calc.formula(
            " A1 = r1 ^ 2 * 3.14:  A2 = r2 ^ 2 * 3.14:h = Sqr(a ^ 2 - (r1 - r2) ^ 2): C2 = 6.28 * r2: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "A2", "r1", "a" })) {
        A2 = calc.ask("INTRODUCI L'AREA DI BASE 2 (A2) =");
        r1 = calc.ask("INTRODUCI IL RAGGIO (r1) =");
        a = calc.ask("INTRODUCI L'APOTEMA (a) =");
        r2FromArea();
        heightFromApothem();
        area1();
        circumference1();
        circumference2();
        lateral();
        total();
        volume();
        calc.formula(
            " r2 = Sqr(a2 / 3.14):h = Sqr(a ^ 2 - (r1 - r2) ^ 2): A1 = r1 ^ 2 * 3.14: C2 = 6.28 * r2: AL = 3.14 * (r1 + r2) * a: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "AL", "C1", "r2" })) {
        AL = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE LATERALE (Al) =");
        C1 = calc.ask("INTRODUCI LA CIRCONFERENZA (C1) =");
        r2 = calc.ask("INTRODUCI IL RAGGIO (r2) =");
        r1FromCircumference();
        apothemFromLateral();
        heightFromApothem();
        area1();
        area2();
        circumference2();
        total();
        volume();
        calc.formula(
            " r1 = C1/6.28:a = AL / (3.14 * (1 * r1 + 1 * r2)): h = Sqr(a ^ 2 - (r1 - r2) ^ 2): C2 = 6.28 * r2: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "AL", "C2", "r1" })) {
        AL = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE LATERALE (Al) =");
        C2 = calc.ask("INTRODUCI LA CIRCONFERENZA (C2) =");
        r1 = calc.ask("INTRODUCI IL RAGGIO (r1) =");
        r2FromCircumference();
        apothemFromLateral();
        heightFromApothem();
        area1();
        area2();
        circumference1();
        total();
        volume();
        calc.formula(
            " r2 = C2/6.28:a = AL / (3.14 * (1 * r1 + 1 * r2)): h = Sqr(a ^ 2 - (r1 - r2) ^ 2): C1 = 6.28 * r1: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "AL", "A1", "r2" })) {
        AL = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE LATERALE (Al) =");
        A1 = calc.ask("INTRODUCI L'AREA DI BASE  (A1) =");
        r2 = calc.ask("INTRODUCI IL RAGGIO (r2) =");
        r1FromArea();
        apothemFromLateral();
        heightFromApothem();
        area2();
        circumference1();
        circumference2();
        total();
        volume();
        calc.formula(
            " r1 = Sqr(a1 / 3.14):a = AL / (3.14 * (1 * r1 + 1 * r2)): h = Sqr(a ^ 2 - (r1 - r2) ^ 2): C1 = 6.28 * r1: C2 = 6.28 * r2: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "AL", "A2", "r1" })) {
        AL = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE LATERALE (Al) =");
        A2 = calc.ask("INTRODUCI L'AREA DI BASE  (A2) =");
        r1 = calc.ask("INTRODUCI IL RAGGIO (r1) =");
        r2FromArea();
        apothemFromLateral();
        heightFromApothem();
        area1();
        circumference1();
        circumference2();
        total();
        volume();
        calc.formula(
            " a1 = r1 ^ 2 * 3.14: r2 = Sqr(A2 / 3.14):a = AL / (3.14 * (1 * r1 + 1 * r2)): h = Sqr(a ^ 2 - (r1 - r2) ^ 2): C1 = 6.28 * r1: C2 = 6.28 * r2: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "AL", "A2", "A1" })) {
        AL = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE LATERALE (Al) =");
        A2 = calc.ask("INTRODUCI L'AREA DI BASE  (A2) =");
        A1 = calc.ask("INTRODUCI L'AREA DI BASE  (A1) =");
        r2FromArea();
        r1FromArea();
        apothemFromLateral();
        heightFromApothem();
        circumference1();
        circumference2();
        total();
        volume();
        calc.formula(
            "  r1 = Sqr(a1 / 3.14): r2 = Sqr(A2 / 3.14):a = AL / (3.14 * (1 * r1 + 1 * r2)): h = Sqr(a ^ 2 - (r1 - r2) ^ 2): C1 = 6.28 * r1: C2 = 6.28 * r2: AT = AL + a1 + a2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "AT", "A2", "A1" })) {
        AT = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE TOTALE (AT) =");
        A2 = calc.ask("INTRODUCI L'AREA DI BASE  (A2) =");
        A1 = calc.ask("INTRODUCI L'AREA DI BASE  (A1) =");
        r2FromArea();
        r1FromArea();
        AL = AT - A1 - A2;
        apothemFromLateral();
        heightFromApothem();
        circumference1();
        circumference2();
        volume();
        calc.formula(
            "  r1 = Sqr(a1 / 3.14): r2 = Sqr(A2 / 3.14): AL = AT - A1 - A2: a = AL / (3.14 * (1 * r1 + 1 * r2)): h = Sqr(a ^ 2 - (r1 - r2) ^ 2): C1 = 6.28 * r1: C2 = 6.28 * r2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "AT", "AL", "A1" })) {
        AT = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE TOTALE (AT) =");
        AL = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE LATERALE (AL) =");
        A1 = calc.ask("INTRODUCI L'AREA DI BASE  (A1) =");
        A2 = AT - AL - A1;
        r2FromArea();
        r1FromArea();
        apothemFromLateral();
        heightFromApothem();
        circumference1();
        circumference2();
        volume();
        calc.formula(
            " A2 = AT - AL - A1: r1 = Sqr(a1 / 3.14): r2 = Sqr(A2 / 3.14): a = AL / (3.14 * (1 * r1 + 1 * r2)): h = Sqr(a ^ 2 - (r1 - r2) ^ 2): C1 = 6.28 * r1: C2 = 6.28 * r2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "AT", "AL", "A2" })) {
        AT = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE TOTALE (AT) =");
        AL = calc.ask("INTRODUCI L'AREA DELLA SUPERFICIE LATERALE (AL) =");
        A2 = calc.ask("INTRODUCI L'AREA DI BASE  (A2) =");
        A1 = AT - AL - A2;
        r2FromArea();
        r1FromArea();
        apothemFromLateral();
        heightFromApothem();
        circumference1();
        circumference2();
        volume();
        calc.formula(
            " A1 = AT - AL - A2: r1 = Sqr(a1 / 3.14): r2 = Sqr(A2 / 3.14): a = AL / (3.14 * (1 * r1 + 1 * r2)): h = Sqr(a ^ 2 - (r1 - r2) ^ 2): C1 = 6.28 * r1: C2 = 6.28 * r2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "A1", "A2", "h" })) {
        A1 = calc.ask("INTRODUCI L'AREA DI BASE (A1) =");
        A2 = calc.ask("INTRODUCI L'AREA DI BASE (A2) =");
        h = calc.ask("INTRODUCI L'ALTEZZA  (h) =");
        r2FromArea();
        r1FromArea();
        apothemFromHeight();
        lateralShort();
        circumference1();
        circumference2();
        total();
        volume();
        calc.formula(
            " r1 = Sqr(a1 / 3.14): r2 = Sqr(A2 / 3.14): a = Sqr(h ^ 2 + (r1 - r2) ^ 2): AL = 3.14 * (1 * r1 + 1 * r2) * a:  C1 = 6.28 * r1: C2 = 6.28 * r2: V = 1 / 3 * 3.14 * (r1 ^ 2 + r1 * r2 + r2 ^ 2) * h");
    } else if (calc.given({ "V", "A1", "A2" })) {
        V = calc.ask("INTRODUCI IL VOLUME (V) =");
        A1 = calc.ask("INTRODUCI L'AREA DI BASE (A1) =");
        A2 = calc.ask("INTRODUCI L'AREA DI BASE  (A2) =");
        r2FromArea();
        r1FromArea();
        // Typed areas would be joined as text by "+", hence the factors 1.
        h = 3 * V / (A1 * 1 + A2 * 1 + sqrt(A1 * A2));
        apothemFromHeight();
        lateralShort();
        circumference1();
        circumference2();
        total();
        calc.formula(
            " r1 = Sqr(A1 / 3.14): r2 = Sqr(A2 / 3.14):h = 3 * V / (A1 + A2 + Sqr(a1 * a2)): a = Sqr(h ^ 2 + (r1 - r2) ^ 2): AL = 3.14 * (1 * r1 + 1 * r2) * a:  C1 = 6.28 * r1: C2 = 6.28 * r2");
    } else {
        calc.insufficient();
    }

    calc.show("r1", r1);
    calc.show("r2", r2);
    calc.show("h", h);
    calc.show("a", a);
    calc.show("A1", A1);
    calc.show("A2", A2);
    calc.show("C1", C1);
    calc.show("C2", C2);
    calc.show("AL", AL);
    calc.show("AT", AT);
    calc.show("V", V);
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
            {"Check1(0)", "Raggio di base (r1)", "r1"},
            {"Check1(1)", "Raggio di base (r2)", "r2"},
            {"Check1(2)", "altezza (h)", "h"},
            {"Check1(3)", "Circonferenza 1 (C1)", "C1"},
            {"Check1(4)", "Circonferenza 2 (C2)", "C2"},
            {"Check1(5)", "Apotema  (a)", "a"},
            {"Check1(6)", "Area di base 1 (A1)", "A1"},
            {"Check1(7)", "Area di base 2 (A2)", "A2"},
            {"Check1(8)", "Superficie laterale  (Sl)", "AL"},
            {"Check1(9)", "Superficie Totale  (St)", "AT"},
            {"Check1(10)", "Volume   (V)", "V"},
        },
        .resultsHeading = {"Label1(2)", "Risultati :"},
        .rows = {
            {"Label1(3)", "Raggio (r1)                =", "Label1(14)", "r1"},
            {"Label1(4)", "Raggio (r2)                =", "Label1(15)", "r2"},
            {"Label1(5)", "Altezza (h)                 =", "Label1(16)", "h"},
            {"Label1(6)", "Apotema (a)              =", "Label1(17)", "a"},
            {"Label1(7)", "Area di base (A1)     =", "Label1(18)", "A1"},
            {"Label1(8)", "Area di base (A2)     =", "Label1(19)", "A2"},
            {"Label1(9)", "Circonferenza (C1)   =", "Label1(20)", "C1"},
            {"Label1(10)", "Circonferenza (C2)   =", "Label1(21)", "C2"},
            {"Label1(11)", "Superficie Laterale(Al)=", "Label1(22)", "AL"},
            {"Label1(12)", "Superficie Totale (At) =", "Label1(23)", "AT"},
            {"Label1(13)", "Volume  (V)               =", "Label1(24)", "V"},
        },
        .quantities = {
            {"r1", Kind::Length}, {"r2", Kind::Length}, {"h", Kind::Length}, {"C1", Kind::Length},
            {"C2", Kind::Length}, {"a", Kind::Length}, {"A1", Kind::Area}, {"A2", Kind::Area},
            {"AL", Kind::Area}, {"AT", Kind::Area}, {"V", Kind::Volume},
        },
        .formulaHeading = {"Label1(25)", "Formule applicate"},
        .formulaLabels = {"Label2"},
        .picture = {"Picture1", "tronco-cono.svg"},
        .solvers = {{.name = "Command4", .steps = calcola}},
        .stampaButton = {"Command3", "Stampa"},
        .ritornaButton = {"Command2", "Ritorna"},
        .esciButton = {"Command1", "Esci "},
        .figure = {.shape = geometry::Shape::Frustum,
                   .dimensions = {"r1", "r2", "h"},
                   .marks = {{"r1", "bottomRadius"}, {"r2", "topRadius"}, {"h", "height"},
                              {"a", "slant"}, {"C1", "bottomRim"}, {"C2", "topRim"}}},
    };
}

} // namespace solids
