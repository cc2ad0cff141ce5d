// The calculation core: how values are shown and read, the arithmetic rules of
// the value cell, the failures, and one press of "Calcola" through runCalcola.
#include "solver/calc.h"
#include "solver/numberformat.h"
#include "solver/screen.h"
#include "solver/scripted.h"
#include "solver/value.h"

#include <QTest>

#include <functional>
#include <map>

using solver::CalcError;
using solver::Failure;
using solver::NumberFormat;
using solver::ScriptedHost;
using solver::Value;

using Expr = std::function<Value()>;
Q_DECLARE_METATYPE(Value)
Q_DECLARE_METATYPE(Expr)
Q_DECLARE_METATYPE(Failure)
Q_DECLARE_METATYPE(Value::Kind)

namespace {

const NumberFormat kPoint = NumberFormat::point();
const NumberFormat kComma = NumberFormat::comma();

// A prompt answer typed under a decimal point / a decimal comma.
Value typedP(const char *text)
{
    return Value::typed(text, kPoint);
}
Value typedC(const char *text)
{
    return Value::typed(text, kComma);
}

QString shown(const Value &v, const NumberFormat &f)
{
    return QString::fromStdString(v.display(f));
}

const char *const kInsufficient = "I DATI INTRODOTTI NON SONO SUFFICIENTI -- RIPROVA ";

// One press on a small screen: tick box Check1, formula label F, and one
// result row for each of `results`.
void press(ScriptedHost &host, const std::vector<std::string> &results, solver::Steps steps)
{
    solver::SolverScreen screen{ .name = "Test",
                                 .caption = {},
                                 .parent = {},
                                 .checks = { { "Check1", "x" } },
                                 .formulaLabels = { "F" } };
    for (const auto &r : results)
        screen.rows.push_back({ r + "caption", "", r });
    screen.solvers = { { .name = "Command1", .steps = std::move(steps) } };
    host.press(screen, screen.solvers.front());
}

} // namespace

class TestCoreValue : public QObject {
    Q_OBJECT
private slots:
    void displayDouble_data();
    void displayDouble();
    void displaySingle_data();
    void displaySingle();
    void readTyped_data();
    void readTyped();
    void arithmetic_data();
    void arithmetic();
    void failures_data();
    void failures();
    void failureNames_data();
    void failureNames();
    void calcolaSucceeds();
    void calcolaFailingStep_data();
    void calcolaFailingStep();
    void calcolaAfterInsufficient();
};

// Expected texts worked out with Python's '%.15g' on the same double
// expressions, then written with E and the locale's separator.
void TestCoreValue::displayDouble_data()
{
    QTest::addColumn<Value>("value");
    QTest::addColumn<QString>("point");
    QTest::addColumn<QString>("comma");

    QTest::newRow("one third") << Value(1) / 3 << "0.333333333333333"
                               << "0,333333333333333";
    QTest::newRow("4/3 pi") << Value(4) / 3 * 3.1415926535 << "4.18879020466667"
                            << "4,18879020466667";
    QTest::newRow("2 pi") << Value(2) * 3.1415926535 << "6.283185307"
                          << "6,283185307";
    QTest::newRow("1E+15 exponential") << Value(1e15) << "1E+15"
                                       << "1E+15";
    QTest::newRow("rounds up to 1E+15") << Value(999999999999999.9) << "1E+15"
                                        << "1E+15";
    QTest::newRow("15 digits fixed") << Value(123456789012345.0) << "123456789012345"
                                     << "123456789012345";
    QTest::newRow("17 digits exponential") << Value(12345678901234567.0) << "1.23456789012346E+16"
                                           << "1,23456789012346E+16";
    QTest::newRow("small exponential") << Value(1) / 3 / 1000000 << "3.33333333333333E-07"
                                       << "3,33333333333333E-07";
    QTest::newRow("0.00005") << Value(0.00005) << "5E-05"
                             << "5E-05";
    QTest::newRow("0.0001 fixed") << Value(0.0001) << "0.0001"
                                  << "0,0001";
    QTest::newRow("rounds up to 0.0001") << Value(9.999999999999999e-05) << "0.0001"
                                         << "0,0001";
    QTest::newRow("negative") << -(Value(2) / 3) << "-0.666666666666667"
                              << "-0,666666666666667";
    QTest::newRow("negative exponential") << Value(-3e-5) << "-3E-05"
                                          << "-3E-05";
    QTest::newRow("negative large") << -Value(2e20) << "-2E+20"
                                    << "-2E+20";
    QTest::newRow("computed negative zero") << Value(0.0) * -1.0 << "0"
                                            << "0";
    QTest::newRow("negated double zero") << -Value(0.0) << "0"
                                         << "0";
    QTest::newRow("whole double") << Value(6) / 3 << "2"
                                  << "2";
    QTest::newRow("no group separator") << Value(1234567.0) << "1234567"
                                        << "1234567";
    QTest::newRow("no group separator, decimals") << Value(1234567.5) << "1234567.5"
                                                  << "1234567,5";
    QTest::newRow("large integer product") << Value(1000.0) * 1000 << "1000000"
                                           << "1000000";
}

void TestCoreValue::displayDouble()
{
    QFETCH(Value, value);
    QFETCH(QString, point);
    QFETCH(QString, comma);
    QCOMPARE(value.kind(), Value::Kind::Double);
    QCOMPARE(shown(value, kPoint), point);
    QCOMPARE(shown(value, kComma), comma);
}

// Python: '%.7g' % struct.unpack('f', struct.pack('f', x))[0]
void TestCoreValue::displaySingle_data()
{
    QTest::addColumn<Value>("value");
    QTest::addColumn<QString>("point");
    QTest::addColumn<QString>("comma");

    QTest::newRow("pi") << solver::toSingle(Value(3.1415926535)) << "3.141593"
                        << "3,141593";
    QTest::newRow("one third") << solver::toSingle(Value(1) / 3) << "0.3333333"
                               << "0,3333333";
    QTest::newRow("7 digits fixed") << solver::toSingle(Value(9999999.0)) << "9999999"
                                    << "9999999";
    QTest::newRow("1E+07 exponential") << solver::toSingle(Value(10000000.0)) << "1E+07"
                                       << "1E+07";
    QTest::newRow("8 digits exponential") << solver::toSingle(Value(12345678.0)) << "1.234568E+07"
                                          << "1,234568E+07";
    QTest::newRow("negative") << solver::toSingle(Value(-0.1)) << "-0.1"
                              << "-0,1";
    QTest::newRow("from typed text") << solver::toSingle(typedC("2,5")) << "2.5"
                                     << "2,5";
}

void TestCoreValue::displaySingle()
{
    QFETCH(Value, value);
    QFETCH(QString, point);
    QFETCH(QString, comma);
    QCOMPARE(value.kind(), Value::Kind::Single);
    QCOMPARE(shown(value, kPoint), point);
    QCOMPARE(shown(value, kComma), comma);
}

void TestCoreValue::readTyped_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("comma"); // typed under a decimal comma
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("number");

    QTest::newRow("2,5 under comma") << "2,5" << true << true << 2.5;
    QTest::newRow("2.5 under point") << "2.5" << false << true << 2.5;
    QTest::newRow("blanks and minus") << " -3 " << false << true << -3.0;
    QTest::newRow("blanks and minus, comma") << "  -0,5  " << true << true << -0.5;
    QTest::newRow("leading zeros") << "007" << false << true << 7.0;
    QTest::newRow("exponent") << "1E-05" << false << true << 1e-5;
    QTest::newRow("exponent under comma") << "1E-05" << true << true << 1e-5;
    QTest::newRow("comma under point") << "1,500" << false << false << 0.0;
    QTest::newRow("point under comma") << "1.5" << true << false << 0.0;
    QTest::newRow("group separator under comma") << "1.000,5" << true << false << 0.0;
    QTest::newRow("group separator under point") << "1,000.5" << false << false << 0.0;
    QTest::newRow("inf") << "inf" << false << false << 0.0;
    QTest::newRow("nan") << "nan" << false << false << 0.0;
    QTest::newRow("empty") << "" << false << false << 0.0;
    QTest::newRow("blanks only") << "   " << true << false << 0.0;
    QTest::newRow("letters") << "abc" << false << false << 0.0;
    QTest::newRow("two decimal marks") << "2,5,1" << true << false << 0.0;
    QTest::newRow("blank inside") << "2 5" << false << false << 0.0;
    QTest::newRow("minus only") << "-" << false << false << 0.0;
    QTest::newRow("exponent without digits") << "1E" << false << false << 0.0;
}

void TestCoreValue::readTyped()
{
    QFETCH(QString, text);
    QFETCH(bool, comma);
    QFETCH(bool, isNumber);
    QFETCH(double, number);

    const NumberFormat &format = comma ? kComma : kPoint;
    const solver::Reading read = solver::readNumber(text.toStdString(), format);
    QCOMPARE(read.isNumber(), isNumber);

    // The same through a typed value: it stays text as typed, and arithmetic
    // either reads the number or fails as a type mismatch.
    const Value v = Value::typed(text.toStdString(), format);
    QCOMPARE(v.kind(), Value::Kind::Text);
    QCOMPARE(shown(v, format), text);
    if (isNumber) {
        QCOMPARE(read.value, number);
        QCOMPARE(v.number(), number);
        QCOMPARE((v * 1).number(), number);
    } else {
        try {
            (void)(v * 1);
            QFAIL("a text that is not a number took part in arithmetic");
        } catch (const CalcError &e) {
            QCOMPARE(e.kind(), Failure::TypeMismatch);
        }
    }
}

void TestCoreValue::arithmetic_data()
{
    QTest::addColumn<Value>("value");
    QTest::addColumn<Value::Kind>("kind");
    QTest::addColumn<QString>("point");
    QTest::addColumn<QString>("comma");

    using K = Value::Kind;
    QTest::newRow("empty shows nothing") << Value() << K::Empty << ""
                                         << "";
    QTest::newRow("typed stays as typed") << typedC("2,50") << K::Text << "2,50"
                                          << "2,50";
    QTest::newRow("text + text joins") << typedP("2") + typedP("3") << K::Text << "23"
                                       << "23";
    QTest::newRow("joined text reads as a number")
        << (typedP("2") + typedP("3")) * 1 << K::Double << "23"
        << "23";
    QTest::newRow("joined comma text reads with its separator")
        << (typedC("2,5") + typedC("1")) * 1 << K::Double << "2.51"
        << "2,51";
    QTest::newRow("non-numbers join without failing")
        << typedP("abc") + typedP("1") << K::Text << "abc1"
        << "abc1";
    QTest::newRow("typed + empty") << typedP("007") + Value() << K::Text << "007"
                                   << "007";
    QTest::newRow("empty + typed") << Value() + typedP("007") << K::Text << "007"
                                   << "007";
    QTest::newRow("empty + double") << Value() + Value(1) / 3 << K::Double << "0.333333333333333"
                                    << "0,333333333333333";
    QTest::newRow("empty + empty") << Value() + Value() << K::Integer << "0"
                                   << "0";
    QTest::newRow("empty * 3") << Value() * 3 << K::Integer << "0"
                               << "0";
    QTest::newRow("empty - empty") << Value() - Value() << K::Integer << "0"
                                   << "0";
    QTest::newRow("integer * integer") << Value(6) * 7 << K::Integer << "42"
                                       << "42";
    QTest::newRow("integer + integer") << Value(2) + 3 << K::Integer << "5"
                                       << "5";
    QTest::newRow("integer - integer") << Value(2) - 3 << K::Integer << "-1"
                                       << "-1";
    QTest::newRow("negated integer") << -Value(4) << K::Integer << "-4"
                                     << "-4";
    QTest::newRow("text * 1") << typedP("2") * 1 << K::Double << "2"
                              << "2";
    QTest::newRow("text + integer is numeric") << typedP("2") + Value(3) << K::Double << "5"
                                               << "5";
    QTest::newRow("AL * 1 + AB * 1") << typedP("16") * 1 + typedP("4") * 1 << K::Double << "20"
                                     << "20";
    QTest::newRow("comma text * 2") << typedC("2,5") * 2 << K::Double << "5"
                                    << "5";
    QTest::newRow("negated comma text") << -typedC("2,5") << K::Double << "-2.5"
                                        << "-2,5";
    QTest::newRow("Value(1) / 3") << Value(1) / 3 << K::Double << "0.333333333333333"
                                  << "0,333333333333333";
    QTest::newRow("integer quotient is double") << Value(6) / 3 << K::Double << "2"
                                                << "2";
    QTest::newRow("power is double") << solver::pow(2, 2) << K::Double << "4"
                                     << "4";
    QTest::newRow("square root is double") << solver::sqrt(Value(9)) << K::Double << "3"
                                           << "3";
    QTest::newRow("power 0.5") << solver::pow(2, 0.5) << K::Double << "1.4142135623731"
                               << "1,4142135623731";
    // 27 ** (1/3) is 3.0000000000000004 in double precision
    QTest::newRow("cube root") << solver::pow(27, Value(1) / 3) << K::Double << "3"
                               << "3";
    QTest::newRow("negative base, integer exponent") << solver::pow(-8, 3) << K::Double << "-512"
                                                     << "-512";
    QTest::newRow("double * integer") << Value(0.5) * 3 << K::Double << "1.5"
                                      << "1,5";
}

void TestCoreValue::arithmetic()
{
    QFETCH(Value, value);
    QFETCH(Value::Kind, kind);
    QFETCH(QString, point);
    QFETCH(QString, comma);
    QCOMPARE(value.kind(), kind);
    QCOMPARE(shown(value, kPoint), point);
    QCOMPARE(shown(value, kComma), comma);
}

void TestCoreValue::failures_data()
{
    QTest::addColumn<Expr>("step");
    QTest::addColumn<Failure>("kind");
    QTest::addColumn<QStringList>("says"); // parts of the message

    QTest::newRow("letters, point") << Expr([] { return typedP("due") * 1; })
                                    << Failure::TypeMismatch << QStringList{ "\"due\"", "punto" };
    QTest::newRow("comma under point")
        << Expr([] { return typedP("1,500") * 2; }) << Failure::TypeMismatch
        << QStringList{ "\"1,500\"", "punto" };
    QTest::newRow("point under comma")
        << Expr([] { return typedC("1.5") * 2; }) << Failure::TypeMismatch
        << QStringList{ "\"1.5\"", "virgola" };
    QTest::newRow("group separator under comma")
        << Expr([] { return typedC("1.000,5") - 1; }) << Failure::TypeMismatch
        << QStringList{ "virgola" };
    QTest::newRow("NUL inside: escaped, advice kept")
        << Expr([] { return Value::typed(std::string("5\0x", 3), kComma) * 1; })
        << Failure::TypeMismatch << QStringList{ "\"5\\x00x\"", "virgola", "migliaia." };
    QTest::newRow("newline escaped") << Expr([] { return typedC("2\n3") * 1; })
                                     << Failure::TypeMismatch << QStringList{ "\"2\\x0A3\"" };
    QTest::newRow("beyond double range") << Expr([] { return typedP("1E400") * 1; })
                                         << Failure::Overflow << QStringList{ "troppo grande" };
    QTest::newRow("400 digits") << Expr([] { return typedC(std::string(400, '9').c_str()) + 1; })
                                << Failure::Overflow << QStringList{ "troppo grande" };
    QTest::newRow("cancelled prompt")
        << Expr([] { return typedP("") * 1; }) << Failure::TypeMismatch << QStringList{};
    QTest::newRow("cancelled prompt, comma") << Expr([] { return solver::pow(typedC(""), 2); })
                                             << Failure::TypeMismatch << QStringList{};
    QTest::newRow("non-number in a sum with a number")
        << Expr([] { return typedP("abc") + Value(1); }) << Failure::TypeMismatch
        << QStringList{ "punto" };
    QTest::newRow("text minus text")
        << Expr([] { return typedP("a") - typedP("1"); }) << Failure::TypeMismatch << QStringList{};
    QTest::newRow("square root of text") << Expr([] { return solver::sqrt(typedC("x")); })
                                         << Failure::TypeMismatch << QStringList{ "virgola" };
    QTest::newRow("1/0") << Expr([] { return Value(1) / 0; }) << Failure::DivisionByZero
                         << QStringList{};
    QTest::newRow("-1/0") << Expr([] { return Value(-1) / 0; }) << Failure::DivisionByZero
                          << QStringList{};
    QTest::newRow("typed / empty")
        << Expr([] { return typedP("5") / Value(); }) << Failure::DivisionByZero << QStringList{};
    QTest::newRow("0 ^ -1") << Expr([] { return solver::pow(0, -1); }) << Failure::DivisionByZero
                            << QStringList{};
    QTest::newRow("0/0") << Expr([] { return Value(0) / 0; }) << Failure::Overflow << QStringList{};
    QTest::newRow("empty/empty") << Expr([] { return Value() / Value(); }) << Failure::Overflow
                                 << QStringList{};
    QTest::newRow("1E300*1E300") << Expr([] { return Value(1e300) * Value(1e300); })
                                 << Failure::Overflow << QStringList{};
    QTest::newRow("typed 1E300 squared") << Expr([] { return solver::pow(typedP("1E300"), 2); })
                                         << Failure::Overflow << QStringList{};
    QTest::newRow("sum beyond range") << Expr([] { return Value(1.7e308) + Value(1.7e308); })
                                      << Failure::Overflow << QStringList{};
    QTest::newRow("single beyond range")
        << Expr([] { return solver::toSingle(Value(1e39)); }) << Failure::Overflow << QStringList{};
    QTest::newRow("sqrt(-1)") << Expr([] { return solver::sqrt(Value(-1)); })
                              << Failure::InvalidArgument << QStringList{};
    QTest::newRow("pow(-8, 1/3)") << Expr([] { return solver::pow(-8, Value(1) / 3); })
                                  << Failure::InvalidArgument << QStringList{};
    QTest::newRow("pow(-4, 0.5) typed") << Expr([] { return solver::pow(typedC("-4"), 0.5); })
                                        << Failure::InvalidArgument << QStringList{};
}

void TestCoreValue::failures()
{
    QFETCH(Expr, step);
    QFETCH(Failure, kind);
    QFETCH(QStringList, says);
    try {
        const Value v = step();
        QFAIL(qPrintable("no failure, the step gave " + shown(v, kPoint)));
    } catch (const CalcError &e) {
        QCOMPARE(e.kind(), kind);
        const QString message = QString::fromUtf8(e.what());
        QVERIFY(!message.trimmed().isEmpty());
        for (const auto &part : says)
            QVERIFY2(message.contains(part), qPrintable(message));
    }
}

// Each failure the user can meet, its exact text, and the name the
// transcripts and the web edition give it beside that text: a name swapped
// between two kinds, or a text raised under the wrong kind, shows here.
void TestCoreValue::failureNames_data()
{
    QTest::addColumn<Expr>("step");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    const QString byZero = "Impossibile calcolare: divisione per zero (un valore che fa da "
                           "divisore vale 0).";
    const QString negative = "Controlla che i dati descrivano un solido possibile.";
    QTest::newRow("not a number, point")
        << Expr([] { return typedP("due") * 1; }) << "type mismatch"
        << "Impossibile calcolare: \"due\" non è un numero.\nScrivi i numeri usando il punto "
           "come separatore decimale (per esempio 2.5), senza virgole e senza separatori delle "
           "migliaia.";
    QTest::newRow("not a number, comma")
        << Expr([] { return typedC("1.5") + Value(1); }) << "type mismatch"
        << "Impossibile calcolare: \"1.5\" non è un numero.\nScrivi i numeri usando la virgola "
           "come separatore decimale (per esempio 2,5), senza punti e senza separatori delle "
           "migliaia.";
    QTest::newRow("cancelled") << Expr([] { return solver::sqrt(typedC("  ")); }) << "type mismatch"
                               << "Impossibile calcolare: manca un valore (la risposta è vuota "
                                  "oppure è stata annullata).";
    QTest::newRow("1/0") << Expr([] { return typedC("1") / typedC("0,0"); }) << "division by zero"
                         << byZero;
    QTest::newRow("0 ^ -1") << Expr([] { return solver::pow(Value(), -1); }) << "division by zero"
                            << byZero;
    QTest::newRow("0/0") << Expr([] { return typedP("-0") / Value(); }) << "overflow"
                         << "Impossibile calcolare: zero diviso zero non ha un risultato (un "
                            "valore che fa da divisore vale 0).";
    QTest::newRow("beyond the doubles")
        << Expr([] { return Value(1e300) * typedP("1E300"); }) << "overflow"
        << "Impossibile calcolare: il risultato è troppo grande per essere rappresentato.";
    QTest::newRow("typed beyond the doubles")
        << Expr([] { return typedC("1E309") - 1; }) << "overflow"
        << "Impossibile calcolare: il risultato è troppo grande per essere rappresentato.";
    QTest::newRow("square root of a negative")
        << Expr([] { return solver::sqrt(typedP("-4")); }) << "invalid argument"
        << "Impossibile calcolare: è stata chiesta la radice quadrata di un numero negativo. "
               + negative;
    QTest::newRow("negative to a fractional power")
        << Expr([] { return solver::pow(-8, Value(1) / 3); }) << "invalid argument"
        << "Impossibile calcolare: è stata chiesta la radice di un numero negativo (un numero "
           "negativo elevato a una potenza frazionaria). "
               + negative;
}

void TestCoreValue::failureNames()
{
    QFETCH(Expr, step);
    QFETCH(QString, name);
    QFETCH(QString, text);
    try {
        const Value v = step();
        QFAIL(qPrintable("no failure, the step gave " + shown(v, kPoint)));
    } catch (const CalcError &e) {
        QCOMPARE(QString::fromUtf8(e.what()), text);
        QCOMPARE(QString::fromLatin1(solver::failureName(e.kind())), name);
    }
}

void TestCoreValue::calcolaSucceeds()
{
    ScriptedHost host(kComma);
    host.ticks.insert("Check1");
    host.answers.push_back("2,50");
    host.texts["F"] = "old formula";
    press(host, { "A", "B", "C" }, [](solver::Calc &c) {
        Value l;
        if (c.ticked("Check1")) {
            l = c.ask("INTRODUCI IL LATO (L) =");
            c.formula("(AL=l^2*4)");
        } else {
            c.insufficient();
        }
        c.show("A", l);
        c.show("B", l * 2);
        c.show("C", l / 3);
    });
    QCOMPARE(host.prompts(), std::vector<std::string>{ "INTRODUCI IL LATO (L) =" });
    QVERIFY(host.messages().empty());
    QVERIFY(host.failures().empty());
    QCOMPARE(host.texts["F"], std::string("(AL=l^2*4)"));
    QCOMPARE(host.texts["A"], std::string("2,50"));
    QCOMPARE(host.texts["B"], std::string("5"));
    // 2.5 / 3 = 0.8333333333333334
    QCOMPARE(host.texts["C"], std::string("0,833333333333333"));
}

void TestCoreValue::calcolaFailingStep_data()
{
    QTest::addColumn<QStringList>("answers"); // empty list: the prompt is cancelled
    QTest::addColumn<Failure>("kind");
    QTest::newRow("cancelled") << QStringList{} << Failure::TypeMismatch;
    QTest::newRow("not a number") << QStringList{ "due" } << Failure::TypeMismatch;
    QTest::newRow("zero divisor") << QStringList{ "0" } << Failure::DivisionByZero;
    QTest::newRow("zero typed with decimals") << QStringList{ "0,0" } << Failure::DivisionByZero;
    QTest::newRow("negative root") << QStringList{ "-4" } << Failure::InvalidArgument;
}

// A failing step empties every result label of the press (also those written
// before it) and is reported once; other labels are left as written.
void TestCoreValue::calcolaFailingStep()
{
    QFETCH(QStringList, answers);
    QFETCH(Failure, kind);

    ScriptedHost host(kComma); // a prompt past the answers is cancelled
    for (const auto &a : answers)
        host.answers.push_back(a.toStdString());
    for (const char *l : { "A", "B", "C", "D" })
        host.texts[l] = "stale";
    int reached = 0;
    press(host, { "A", "B", "C" }, [&reached](solver::Calc &c) {
        const Value x = c.ask("INTRODUCI X =");
        c.formula("formula");
        c.show("A", Value(7));
        reached = 1;
        // x = 0 divides 1 by zero; a negative x has no square root.
        const Value y = Value(1) / x + solver::sqrt(x);
        reached = 2;
        c.show("B", y);
    });
    QCOMPARE(reached, 1);
    QCOMPARE(host.failures(), std::vector<Failure>{ kind });
    QVERIFY(host.messages().empty());
    for (const char *l : { "A", "B", "C" })
        QCOMPARE(host.texts[l], std::string());
    QCOMPARE(host.texts["D"], std::string("stale"));
    QCOMPARE(host.texts["F"], std::string("formula"));
}

// After the insufficient-data message the closing steps run on empty values:
// 0 for computed ones, nothing for still-empty ones; a failure there is not
// reported, but the result labels are emptied.
void TestCoreValue::calcolaAfterInsufficient()
{
    ScriptedHost host;
    host.texts["F"] = "old formula";
    press(host, { "A", "B" }, [](solver::Calc &c) {
        Value l;
        if (c.ticked("Check1"))
            l = c.ask("INTRODUCI IL LATO (L) =");
        else
            c.insufficient();
        c.show("A", l);
        c.show("B", solver::pow(l, 2) * 4);
    });
    QVERIFY(host.prompts().empty());
    QCOMPARE(host.messages(), std::vector<std::string>{ kInsufficient });
    QVERIFY(host.failures().empty());
    QCOMPARE(host.texts["A"], std::string());
    QCOMPARE(host.texts["B"], std::string("0"));
    QCOMPARE(host.texts["F"], std::string("old formula"));

    ScriptedHost failing;
    failing.texts["A"] = "1";
    failing.texts["B"] = "2";
    press(failing, { "A", "B" }, [](solver::Calc &c) {
        Value a, b;
        c.insufficient();
        c.show("A", Value(5));
        c.show("B", a / b); // zero by zero on empty values
    });
    QCOMPARE(failing.messages(), std::vector<std::string>{ kInsufficient });
    QVERIFY(failing.failures().empty());
    QCOMPARE(failing.texts["A"], std::string());
    QCOMPARE(failing.texts["B"], std::string());
}

QTEST_APPLESS_MAIN(TestCoreValue)
#include "test_core_value.moc"
