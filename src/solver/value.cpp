#include "value.h"

#include <cmath>
#include <limits>

namespace solver {

namespace {

// Results of integer-only arithmetic stay integers while they fit a small integer.
constexpr long long kSmallMin = -32768;
constexpr long long kSmallMax = 32767;

double checked(double d)
{
    if (!std::isfinite(d))
        throw CalcError::tooLarge();
    return d;
}

Value integerOrDouble(long long r)
{
    if (r >= kSmallMin && r <= kSmallMax)
        return Value(static_cast<int>(r));
    return Value(static_cast<double>(r));
}

bool isDoubleLike(const Value &v)
{
    return v.kind() == Value::Kind::Double || v.kind() == Value::Kind::Text;
}

bool isIntegerLike(const Value &v)
{
    return v.kind() == Value::Kind::Integer || v.kind() == Value::Kind::Empty;
}

long long integerOf(const Value &v)
{
    return v.isEmpty() ? 0 : static_cast<long long>(v.number());
}

enum class Op { Add, Sub, Mul };

Value numeric(const Value &a, const Value &b, Op op)
{
    if (isIntegerLike(a) && isIntegerLike(b)) {
        const long long x = integerOf(a), y = integerOf(b);
        switch (op) {
        case Op::Add:
            return integerOrDouble(x + y);
        case Op::Sub:
            return integerOrDouble(x - y);
        case Op::Mul:
            return integerOrDouble(x * y);
        }
    }
    const double x = a.number(), y = b.number();
    double r = 0.0;
    switch (op) {
    case Op::Add:
        r = x + y;
        break;
    case Op::Sub:
        r = x - y;
        break;
    case Op::Mul:
        r = x * y;
        break;
    }
    if (!isDoubleLike(a) && !isDoubleLike(b)) {
        // single with single or integer stays single
        const float f = static_cast<float>(r);
        if (!std::isfinite(f))
            throw CalcError::tooLarge();
        return Value::single(f);
    }
    return Value(checked(r));
}

} // namespace

Value::Value(int i) : m_kind(Kind::Integer), m_int(i) {}

Value::Value(double d) : m_kind(Kind::Double), m_double(checked(d)) {}

Value Value::typed(std::string text, const NumberFormat &format)
{
    Value v;
    v.m_kind = Kind::Text;
    v.m_read = readNumber(text, format);
    v.m_text = std::move(text);
    v.m_decimal = format.decimal;
    return v;
}

Value Value::single(float f)
{
    if (!std::isfinite(f))
        throw CalcError::tooLarge();
    Value v;
    v.m_kind = Kind::Single;
    v.m_single = f;
    return v;
}

double Value::number() const
{
    switch (m_kind) {
    case Kind::Empty:
        return 0.0;
    case Kind::Integer:
        return static_cast<double>(m_int);
    case Kind::Double:
        return m_double;
    case Kind::Single:
        return static_cast<double>(m_single);
    case Kind::Text:
        if (m_read.status == Reading::Status::TooLarge)
            throw CalcError::tooLarge();
        if (!m_read.isNumber())
            throw CalcError::notANumber(m_text, m_decimal);
        return m_read.value;
    }
    return 0.0;
}

std::string Value::display(const NumberFormat &format) const
{
    switch (m_kind) {
    case Kind::Empty:
        return {};
    case Kind::Text:
        return m_text;
    case Kind::Integer:
        return roundedText(formatInteger(m_int), format.decimals, format.decimal,
                           format.padDecimals);
    case Kind::Double:
        return roundedText(formatNumber(m_double, 15, format), format.decimals, format.decimal,
                           format.padDecimals);
    case Kind::Single:
        return roundedText(formatNumber(static_cast<double>(m_single), 7, format), format.decimals,
                           format.decimal, format.padDecimals);
    }
    return {};
}

Value operator+(const Value &a, const Value &b)
{
    if (a.isEmpty() && b.isEmpty())
        return Value(0);
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    if (a.kind() == Value::Kind::Text && b.kind() == Value::Kind::Text) {
        return Value::typed(a.text() + b.text(), NumberFormat{ a.m_decimal });
    }
    return numeric(a, b, Op::Add);
}

Value operator-(const Value &a, const Value &b)
{
    return numeric(a, b, Op::Sub);
}

Value operator*(const Value &a, const Value &b)
{
    return numeric(a, b, Op::Mul);
}

Value operator/(const Value &a, const Value &b)
{
    const double x = a.number(), y = b.number();
    if (y == 0.0) {
        if (x == 0.0)
            throw CalcError::zeroByZero();
        throw CalcError::divisionByZero();
    }
    return Value(checked(x / y));
}

Value operator-(const Value &a)
{
    switch (a.kind()) {
    case Value::Kind::Empty:
        return Value(0);
    case Value::Kind::Integer:
        return integerOrDouble(-integerOf(a));
    case Value::Kind::Single:
        return Value::single(-static_cast<float>(a.number()));
    default:
        return Value(-a.number());
    }
}

Value pow(const Value &base, const Value &exponent)
{
    const double x = base.number(), y = exponent.number();
    if (x < 0.0 && y != std::floor(y))
        throw CalcError::negativeFractionalPower();
    if (x == 0.0 && y < 0.0)
        throw CalcError::divisionByZero();
    return Value(checked(std::pow(x, y)));
}

Value sqrt(const Value &x)
{
    const double v = x.number();
    if (v < 0.0)
        throw CalcError::negativeRoot();
    return Value(std::sqrt(v));
}

Value toSingle(const Value &x)
{
    const double v = x.number();
    if (std::fabs(v) > static_cast<double>(std::numeric_limits<float>::max()))
        throw CalcError::tooLarge();
    return Value::single(static_cast<float>(v));
}

} // namespace solver
