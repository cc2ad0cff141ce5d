// Arithmetic that remembers how it was written.
//
// An Expr is a small tree of the operations a step performs: numbers, named
// constants, quantities and the Value operations between them. It is
// evaluated when it is assigned to a quantity (see Quantity in calc.h), with
// exactly the Value operations, in exactly the order, that the same C++
// expression on Values would perform, so the results do not change by a bit.
// The same tree is then written out twice for the worked solution: with
// symbols (√(h² + r²)) and with the numbers put in (√(4² + 3²)).
//
// Note: C++ divides int literals as integers, so one third is Expr(1) / 3.
#pragma once

#include "value.h"

#include <concepts>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace solver {

// A number as a step writes it: with the minus sign (−2, 1,5E−20).
std::string withMinusSign(std::string shown);

class Quantity;

class Expr {
public:
    struct Node;

    Expr(int i);    // a small integer constant
    Expr(double d); // a decimal constant, written as the screen computes with it (3,14)
    Expr(const Quantity &q);
    // A constant the solution writes with a symbol (π), computed with `value`;
    // the solution says once which value it stands for ("π ≈ 3,1415926535").
    static Expr constant(std::string symbol, double value);
    // A decimal constant written as a number, with what it stands for, said
    // once where it is first used: explained(3.14, "π") reads "3,14 ≈ π".
    static Expr explained(double value, std::string meaning);
    // A value that is not itself a quantity, written as a number.
    static Expr number(const Value &value);

    // The value, with the Value operations the tree stands for. On a failing
    // operation the CalcError is rethrown and `failed` (when given) points at
    // the node whose operation failed.
    Value evaluate(const Node **failed = nullptr) const;

    // The expression written with symbols, and with the numbers put in.
    std::string symbols(const NumberFormat &format) const;
    std::string numbers(const NumberFormat &format) const;
    // What the constants of the expression stand for, one line each, in the
    // order they are written ("3,14 ≈ π").
    std::vector<std::string> explanations(const NumberFormat &format) const;
    // The quantities the expression reads, each once, in the order written,
    // with the values it reads.
    std::vector<std::pair<std::string, Value>> quantities() const;

    // Why the operation at `failed` could not be computed, in plain Italian.
    std::string reason(const Node *failed, const CalcError &error,
                       const NumberFormat &format) const;

    const std::shared_ptr<const Node> &node() const { return m_node; }
    explicit Expr(std::shared_ptr<const Node> node) : m_node(std::move(node)) {}

private:
    std::shared_ptr<const Node> m_node;
};

Expr add(const Expr &a, const Expr &b);
Expr subtract(const Expr &a, const Expr &b);
Expr multiply(const Expr &a, const Expr &b);
Expr divide(const Expr &a, const Expr &b);
Expr negate(const Expr &a);
Expr power(const Expr &base, const Expr &exponent);
Expr squareRoot(const Expr &x);
Expr single(const Expr &x);

// The operators and functions build an Expr as soon as one operand is an Expr
// or a Quantity; arithmetic on plain numbers and Values stays what it is.
template <typename T>
concept Symbolic = std::same_as<T, Expr> || std::same_as<T, Quantity>;
template <typename T>
concept Operand =
    Symbolic<T> || std::same_as<T, Value> || std::same_as<T, int> || std::same_as<T, double>;

inline Expr operand(const Expr &e)
{
    return e;
}
inline Expr operand(const Value &v)
{
    return Expr::number(v);
}
inline Expr operand(int i)
{
    return Expr(i);
}
inline Expr operand(double d)
{
    return Expr(d);
}
Expr operand(const Quantity &q);

template <Operand A, Operand B>
requires(Symbolic<A> || Symbolic<B>) Expr operator+(const A &a, const B &b)
{
    return add(operand(a), operand(b));
}
template <Operand A, Operand B>
requires(Symbolic<A> || Symbolic<B>) Expr operator-(const A &a, const B &b)
{
    return subtract(operand(a), operand(b));
}
template <Operand A, Operand B>
requires(Symbolic<A> || Symbolic<B>) Expr operator*(const A &a, const B &b)
{
    return multiply(operand(a), operand(b));
}
template <Operand A, Operand B>
requires(Symbolic<A> || Symbolic<B>) Expr operator/(const A &a, const B &b)
{
    return divide(operand(a), operand(b));
}
template <Symbolic A> Expr operator-(const A &a)
{
    return negate(operand(a));
}
template <Operand A, Operand B>
requires(Symbolic<A> || Symbolic<B>) Expr pow(const A &base, const B &exponent)
{
    return power(operand(base), operand(exponent));
}
template <Symbolic A> Expr sqrt(const A &x)
{
    return squareRoot(operand(x));
}
template <Symbolic A> Expr toSingle(const A &x)
{
    return single(operand(x));
}

} // namespace solver
