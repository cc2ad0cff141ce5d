// The value cell of a calculation: empty, typed text, small integer, double or single.
//
// Arithmetic follows the calculator's rules:
//  - a text operand is read as a number under the separators it was typed with;
//  - text + text joins the two texts, empty + x is x unchanged (empty + empty is 0);
//  - otherwise an empty operand counts as 0;
//  - integer + - * integer stays an integer; anything with a double, a text, a
//    division, a power or a root gives a double.
// Steps that cannot be computed throw CalcError (see failure.h).
//
// Note for screen code: C++ divides int literals as integers, so one third is
// written Value(1) / 3, never 1 / 3.
#pragma once

#include "failure.h"
#include "numberformat.h"

#include <string>

namespace solver {

class Value {
public:
    enum class Kind { Empty, Text, Integer, Double, Single };

    Value() = default; // empty
    Value(int i);      // small integer constant
    Value(double d);   // double (throws Overflow if not finite)

    // An answer typed into a prompt, read under the given separators when used.
    static Value typed(std::string text, const NumberFormat &format);
    // A single-precision value.
    static Value single(float f);

    Kind kind() const { return m_kind; }
    bool isEmpty() const { return m_kind == Kind::Empty; }
    const std::string &text() const { return m_text; }

    // The number this value stands for in arithmetic (empty counts as 0).
    // Throws TypeMismatch for text that is not a number.
    double number() const;

    // How the value is shown in a result label.
    std::string display(const NumberFormat &format) const;

    friend Value operator+(const Value &a, const Value &b);
    friend Value operator-(const Value &a, const Value &b);
    friend Value operator*(const Value &a, const Value &b);
    friend Value operator/(const Value &a, const Value &b);
    friend Value operator-(const Value &a);

private:
    Kind m_kind = Kind::Empty;
    long long m_int = 0;
    double m_double = 0.0;
    float m_single = 0.0f;
    std::string m_text;
    Reading m_read;        // the typed text read as a number
    std::string m_decimal; // decimal separator the text was typed under
};

// base ^ exponent, always a double.
Value pow(const Value &base, const Value &exponent);
// The square-root function applied to the value taken as a double.
Value sqrt(const Value &x);
// Conversion to single precision (Overflow beyond its range).
Value toSingle(const Value &x);

} // namespace solver
