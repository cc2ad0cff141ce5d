#include "expr.h"

#include "calc.h"

#include <cmath>

namespace solver {

std::string withMinusSign(std::string shown)
{
    for (std::size_t i = 0; (i = shown.find('-', i)) != std::string::npos;)
        shown.replace(i, 1, "−");
    return shown;
}

struct Expr::Node {
    enum class Op { Literal, Constant, Quantity, Add, Sub, Mul, Div, Neg, Pow, Sqrt, Single };
    Op op = Op::Literal;
    Value value;        // leaves: the value computed with
    std::string symbol; // constants and quantities
    std::string note;   // a literal: what it stands for ("π")
    std::shared_ptr<const Node> a, b;
};

namespace {

using Node = Expr::Node;
using Op = Node::Op;

std::shared_ptr<const Node> leaf(Op op, Value value, std::string symbol = {})
{
    auto n = std::make_shared<Node>();
    n->op = op;
    n->value = std::move(value);
    n->symbol = std::move(symbol);
    return n;
}

Expr make(Op op, const Expr &a, const Expr &b = Expr(std::shared_ptr<const Node>()))
{
    auto n = std::make_shared<Node>();
    n->op = op;
    n->a = a.node();
    n->b = b.node();
    return Expr(std::move(n));
}

// The operands are worked out right to left, as the compiled arithmetic on
// Values always did: when both sides of an operation would fail, the failure
// reported is the same one.
Value eval(const Node &n, const Node **failed)
{
    try {
        switch (n.op) {
        case Op::Literal:
        case Op::Constant:
        case Op::Quantity:
            return n.value;
        case Op::Add: {
            const Value y = eval(*n.b, failed);
            return eval(*n.a, failed) + y;
        }
        case Op::Sub: {
            const Value y = eval(*n.b, failed);
            return eval(*n.a, failed) - y;
        }
        case Op::Mul: {
            const Value y = eval(*n.b, failed);
            return eval(*n.a, failed) * y;
        }
        case Op::Div: {
            const Value y = eval(*n.b, failed);
            return eval(*n.a, failed) / y;
        }
        case Op::Pow: {
            const Value y = eval(*n.b, failed);
            return pow(eval(*n.a, failed), y);
        }
        case Op::Neg:
            return -eval(*n.a, failed);
        case Op::Sqrt:
            return sqrt(eval(*n.a, failed));
        case Op::Single:
            return toSingle(eval(*n.a, failed));
        }
    } catch (const CalcError &) {
        if (failed && !*failed)
            *failed = &n;
        throw;
    }
    return {};
}

// Binding strength, for brackets: sums, products, signs, powers, atoms. A
// negative number brackets itself: 4 − (−2).
int strength(const Node &n)
{
    switch (n.op) {
    case Op::Add:
    case Op::Sub:
        return 1;
    case Op::Mul:
    case Op::Div:
        return 2;
    case Op::Neg:
        return 3;
    case Op::Pow:
        return 4;
    case Op::Literal:
    case Op::Constant:
    case Op::Quantity:
    case Op::Sqrt:
    case Op::Single:
        return 5;
    }
    return 5;
}

bool isLiteral(const Node &n, double v)
{
    return n.op == Op::Literal && n.value.kind() != Value::Kind::Text && n.value.number() == v;
}

bool isIntegerLiteral(const Node &n)
{
    return n.op == Op::Literal && n.value.kind() == Value::Kind::Integer;
}

// 1/3 written as Expr(1) / 3, or its decimal value.
bool isOneThird(const Node &n)
{
    if (n.op == Op::Div && isLiteral(*n.a, 1) && isLiteral(*n.b, 3))
        return true;
    return n.op == Op::Literal && n.value.kind() == Value::Kind::Double
           && n.value.number() == 1.0 / 3.0;
}

const char *superscript(const Node &e)
{
    if (isLiteral(e, 2))
        return "²";
    if (isLiteral(e, 3))
        return "³";
    return nullptr;
}

std::shared_ptr<const Node> rebuilt(Op op, std::shared_ptr<const Node> a,
                                    std::shared_ptr<const Node> b = nullptr)
{
    auto n = std::make_shared<Node>();
    n->op = op;
    n->a = std::move(a);
    n->b = std::move(b);
    return n;
}

bool isConstant(const Node &n)
{
    return (n.op == Op::Literal && n.value.kind() != Value::Kind::Text) || n.op == Op::Constant;
}

// Whether the expression as written begins with a minus: −x, (−3/4) · d.
bool negativeLead(const Node &n)
{
    switch (n.op) {
    case Op::Neg:
        return true;
    case Op::Literal:
        return n.value.kind() == Value::Kind::Integer || n.value.kind() == Value::Kind::Double
                   ? n.value.number() < 0
                   : false;
    case Op::Mul:
    case Op::Div:
        return negativeLead(*n.a);
    default:
        return false;
    }
}

// Whether two trees are written alike and read the same values.
bool same(const Node &x, const Node &y)
{
    if (x.op != y.op || x.symbol != y.symbol || bool(x.a) != bool(y.a) || bool(x.b) != bool(y.b))
        return false;
    if (!x.a) {
        if (x.value.kind() != y.value.kind() || x.value.kind() == Value::Kind::Text)
            return x.value.kind() == y.value.kind() && x.value.text() == y.value.text();
        return x.value.number() == y.value.number();
    }
    return same(*x.a, *y.a) && (!x.b || same(*x.b, *y.b));
}

// Whether a tree reads a quantity: typed text added to typed text is joined,
// not doubled.
bool readsQuantity(const Node &n)
{
    return n.op == Op::Quantity || (n.a && readsQuantity(*n.a)) || (n.b && readsQuantity(*n.b));
}

// A written expression that leads with a minus, without it. The minus of a
// product or a quotient is the minus of its first factor, exactly in IEEE
// arithmetic: (−a) · b = −(a · b).
std::shared_ptr<const Node> positive(const std::shared_ptr<const Node> &n)
{
    switch (n->op) {
    case Op::Neg:
        return n->a;
    case Op::Literal: {
        auto p = std::make_shared<Node>(*n);
        p->value = -n->value;
        return p;
    }
    case Op::Mul:
    case Op::Div: {
        auto a = positive(n->a);
        if (n->op == Op::Mul && isLiteral(*a, 1))
            return n->b;
        return rebuilt(n->op, std::move(a), n->b);
    }
    default:
        return n;
    }
}

// The tree as a textbook writes it, with the same meaning: x · 1 is x, a
// minus of a negative term is a plus (a − (−b) is a + b, bit for bit in IEEE
// arithmetic), and a product of two factors puts its constant first (4 · s²).
// Only the writing changes: the evaluation keeps the tree as built.
std::shared_ptr<const Node> tidy(const std::shared_ptr<const Node> &n)
{
    if (!n->a)
        return n;
    auto a = tidy(n->a);
    auto b = n->b ? tidy(n->b) : nullptr;
    switch (n->op) {
    case Op::Mul:
        if (isLiteral(*b, 1))
            return a;
        if (isLiteral(*a, 1))
            return b;
        if (isConstant(*b) && !isConstant(*a) && a->op != Op::Mul && a->op != Op::Div
            && !negativeLead(*b))
            return rebuilt(Op::Mul, std::move(b), std::move(a));
        break;
    case Op::Add:
        if (negativeLead(*b))
            return rebuilt(Op::Sub, std::move(a), positive(b));
        // x + x is 2 · x, exactly in IEEE arithmetic.
        if (same(*a, *b) && !readsQuantity(*a))
            return rebuilt(Op::Mul,
                           std::make_shared<const Node>(
                               Node{ Op::Literal, Value(2), {}, {}, nullptr, nullptr }),
                           std::move(a));
        break;
    case Op::Sub:
        if (negativeLead(*b))
            return rebuilt(Op::Add, std::move(a), positive(b));
        break;
    case Op::Neg:
        if (negativeLead(*a))
            return positive(a);
        break;
    default:
        break;
    }
    return rebuilt(n->op, std::move(a), std::move(b));
}

class Writer {
public:
    Writer(const NumberFormat &format, bool withNumbers) : m_format(format), m_numbers(withNumbers)
    {
    }

    // The whole expression, as a textbook writes it.
    std::string text(const std::shared_ptr<const Node> &n) const
    {
        const auto t = tidy(n);
        // A lone negative number needs no brackets.
        if (t->op == Op::Literal || t->op == Op::Constant || t->op == Op::Quantity)
            return leafText(*t);
        return write(*t);
    }
    std::string text(const Node &n) const { return text(std::make_shared<const Node>(n)); }

    std::string write(const Node &n) const
    {
        switch (n.op) {
        case Op::Literal:
        case Op::Constant:
        case Op::Quantity: {
            const std::string s = leafText(n);
            return s.rfind("−", 0) == 0 ? "(" + s + ")" : s;
        }
        case Op::Add:
            return binary(n, " + ", 1, false);
        case Op::Sub:
            return binary(n, " − ", 1, true);
        case Op::Mul:
            return binary(n, " · ", 2, false);
        case Op::Div:
            // A fraction of two whole numbers reads as one: 1/3.
            if (isIntegerLiteral(*n.a) && isIntegerLiteral(*n.b))
                return write(*n.a) + "/" + write(*n.b);
            return binary(n, " / ", 2, true);
        case Op::Neg:
            return "−" + operand(*n.a, 4);
        case Op::Pow:
            if (const char *sup = superscript(*n.b))
                return operand(*n.a, 5) + sup;
            if (isLiteral(*n.b, 0.5))
                return root("√", *n.a);
            if (isOneThird(*n.b))
                return root("∛", *n.a);
            return operand(*n.a, 5) + "^" + operand(*n.b, 5);
        case Op::Sqrt:
            return root("√", *n.a);
        case Op::Single:
            return write(*n.a);
        }
        return {};
    }

private:
    std::string leafText(const Node &n) const
    {
        switch (n.op) {
        // The formula's own numbers are written as they are, never rounded.
        case Op::Literal:
            return withMinusSign(n.value.display(everyDigit(m_format)));
        case Op::Constant:
            return m_numbers ? withMinusSign(n.value.display(everyDigit(m_format))) : n.symbol;
        default:
            return m_numbers ? withMinusSign(shown(n.value)) : n.symbol;
        }
    }

    // A quantity's value as the solution shows it: an empty one counts as 0.
    std::string shown(const Value &v) const
    {
        if (v.isEmpty())
            return "0";
        std::string s = v.display(m_format);
        if (v.kind() == Value::Kind::Text) {
            const auto b = s.find_first_not_of(" \t");
            const auto e = s.find_last_not_of(" \t");
            s = b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
        }
        return s;
    }

    std::string operand(const Node &n, int needed) const
    {
        const std::string s = write(n);
        return strength(n) < needed ? "(" + s + ")" : s;
    }

    std::string binary(const Node &n, const char *sign, int level, bool rightTight) const
    {
        return operand(*n.a, level) + sign + operand(*n.b, rightTight ? level + 1 : level);
    }

    std::string root(const char *sign, const Node &x) const
    {
        const std::string s = write(x);
        const bool atom = strength(x) == 5 && x.op != Op::Sqrt;
        return sign + (atom ? s : "(" + s + ")");
    }

    const NumberFormat &m_format;
    bool m_numbers;
};

} // namespace

Expr::Expr(int i) : m_node(leaf(Op::Literal, Value(i))) {}

Expr::Expr(double d) : m_node(leaf(Op::Literal, Value(d))) {}

Expr::Expr(const Quantity &q) : m_node(leaf(Op::Quantity, q.value(), q.symbol())) {}

Expr operand(const Quantity &q)
{
    return Expr(q);
}

Expr Expr::constant(std::string symbol, double value)
{
    return Expr(leaf(Op::Constant, Value(value), std::move(symbol)));
}

Expr Expr::explained(double value, std::string meaning)
{
    auto n = std::make_shared<Node>();
    n->op = Op::Literal;
    n->value = Value(value);
    n->note = std::move(meaning);
    return Expr(std::move(n));
}

namespace {

void explain(const Node &n, const NumberFormat &format, std::vector<std::string> &out)
{
    std::string line;
    if (n.op == Op::Constant)
        line = n.symbol + " ≈ " + withMinusSign(n.value.display(everyDigit(format)));
    else if (n.op == Op::Literal && !n.note.empty())
        line = withMinusSign(n.value.display(everyDigit(format))) + " ≈ " + n.note;
    if (!line.empty()) {
        for (const auto &l : out)
            if (l == line)
                return;
        out.push_back(std::move(line));
    }
    // In the order written, constants first in a product (tidy()).
    const Node *first = n.a.get(), *second = n.b.get();
    if (n.op == Op::Mul && first && second && isConstant(*second) && !isConstant(*first))
        std::swap(first, second);
    if (first)
        explain(*first, format, out);
    if (second)
        explain(*second, format, out);
}

void reads(const Node &n, std::vector<std::pair<std::string, Value>> &out)
{
    if (n.op == Op::Quantity) {
        for (const auto &q : out)
            if (q.first == n.symbol)
                return;
        out.emplace_back(n.symbol, n.value);
    }
    if (n.a)
        reads(*n.a, out);
    if (n.b)
        reads(*n.b, out);
}

} // namespace

std::vector<std::string> Expr::explanations(const NumberFormat &format) const
{
    std::vector<std::string> out;
    explain(*m_node, format, out);
    return out;
}

std::vector<std::pair<std::string, Value>> Expr::quantities() const
{
    std::vector<std::pair<std::string, Value>> out;
    reads(*m_node, out);
    return out;
}

Expr Expr::number(const Value &value)
{
    return Expr(leaf(Op::Literal, value));
}

Value Expr::evaluate(const Node **failed) const
{
    return eval(*m_node, failed);
}

std::string Expr::symbols(const NumberFormat &format) const
{
    return Writer(format, false).text(m_node);
}

std::string Expr::numbers(const NumberFormat &format) const
{
    return Writer(format, true).text(m_node);
}

std::string Expr::reason(const Node *failed, const CalcError &error,
                         const NumberFormat &format) const
{
    if (!failed)
        return error.what();
    const Writer symbols(format, false);
    const auto valueOf = [&](const Node &n) {
        return withMinusSign(eval(n, nullptr).display(format));
    };
    // Whether a node's value is zero, however it was written: a typed "0,0",
    // "00", " 0" or "-0" is as much a zero as a computed 0.
    const auto isZero = [](const Node &n) {
        try {
            return eval(n, nullptr).number() == 0.0;
        } catch (const CalcError &) {
            return false;
        }
    };
    // The text of a CalcError begins "Impossibile calcolare: "; the solution
    // says that itself.
    std::string plain = error.what();
    if (const auto colon = plain.find(": "); colon != std::string::npos)
        plain = plain.substr(colon + 2);

    if (error.kind() == Failure::TypeMismatch)
        return plain;
    switch (failed->op) {
    case Op::Div:
        if (error.kind() == Failure::DivisionByZero || error.kind() == Failure::Overflow) {
            const Node &d = *failed->b;
            if (isZero(d)) {
                if (isZero(*failed->a))
                    return symbols.text(*failed->a) + " e " + symbols.text(d)
                           + " valgono entrambi 0: zero diviso zero non ha un risultato.";
                return symbols.text(d) + " vale 0, e non si può dividere per zero.";
            }
        }
        break;
    case Op::Pow:
    case Op::Sqrt: {
        const Node &x = *failed->a;
        if (error.kind() == Failure::InvalidArgument) {
            std::string why = symbols.text(x) + " è negativo (" + valueOf(x) + ")";
            if (x.op == Op::Sub) {
                // The root of a difference needs its first term to be the larger:
                // of squares, the larger base.
                const Node *l = x.a.get(), *r = x.b.get();
                if (l->op == Op::Pow && r->op == Op::Pow && superscript(*l->b)
                    && superscript(*r->b)) {
                    l = l->a.get();
                    r = r->a.get();
                }
                why += ": " + symbols.text(*l) + " deve essere maggiore di " + symbols.text(*r);
            }
            return why + ", e un numero negativo non ha radice.";
        }
        if (error.kind() == Failure::DivisionByZero)
            return symbols.text(x) + " vale 0 e non si può elevare a un esponente negativo.";
        break;
    }
    default:
        break;
    }
    if (error.kind() == Failure::Overflow)
        return "il risultato di " + symbols.text(*failed)
               + " è troppo grande per essere rappresentato.";
    return plain;
}

Expr add(const Expr &a, const Expr &b)
{
    return make(Op::Add, a, b);
}

Expr subtract(const Expr &a, const Expr &b)
{
    return make(Op::Sub, a, b);
}

Expr multiply(const Expr &a, const Expr &b)
{
    return make(Op::Mul, a, b);
}

Expr divide(const Expr &a, const Expr &b)
{
    return make(Op::Div, a, b);
}

Expr negate(const Expr &a)
{
    return make(Op::Neg, a);
}

Expr power(const Expr &base, const Expr &exponent)
{
    return make(Op::Pow, base, exponent);
}

Expr squareRoot(const Expr &x)
{
    return make(Op::Sqrt, x);
}

Expr single(const Expr &x)
{
    return make(Op::Single, x);
}

} // namespace solver
