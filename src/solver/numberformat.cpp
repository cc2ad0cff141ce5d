#include "numberformat.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

// Numbers are read and shown with exact integer arithmetic, so that both
// directions are correctly rounded and the same on every platform and under
// every C locale: a decimal text is the integer of its digits times a power of
// ten, a double is its 53-bit mantissa times a power of two.

namespace solver {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// An unsigned integer of any size, 32-bit limbs, least significant first,
// without leading zero limbs.
class BigInt {
public:
    BigInt() = default;
    explicit BigInt(std::uint64_t v)
    {
        while (v) {
            m_limbs.push_back(static_cast<std::uint32_t>(v));
            v >>= 32;
        }
    }

    bool isZero() const { return m_limbs.empty(); }

    // this = this * factor + addend
    void mulAdd(std::uint32_t factor, std::uint32_t addend)
    {
        std::uint64_t carry = addend;
        for (auto &limb : m_limbs) {
            const std::uint64_t t = static_cast<std::uint64_t>(limb) * factor + carry;
            limb = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        if (carry)
            m_limbs.push_back(static_cast<std::uint32_t>(carry));
        trim();
    }

    void mulPow5(int n)
    {
        for (; n >= 13; n -= 13)
            mulAdd(1220703125u, 0); // 5^13
        static const std::uint32_t small[] = { 1,       5,        25,       125,    625,
                                               3125,    15625,    78125,    390625, 1953125,
                                               9765625, 48828125, 244140625 };
        if (n > 0)
            mulAdd(small[n], 0);
    }

    void mulPow10(int n)
    {
        mulPow5(n);
        shiftLeft(n);
    }

    void shiftLeft(int bits)
    {
        if (isZero() || bits <= 0)
            return;
        const int words = bits / 32, rest = bits % 32;
        if (rest) {
            std::uint32_t carry = 0;
            for (auto &limb : m_limbs) {
                const std::uint32_t next = limb >> (32 - rest);
                limb = (limb << rest) | carry;
                carry = next;
            }
            if (carry)
                m_limbs.push_back(carry);
        }
        m_limbs.insert(m_limbs.begin(), static_cast<std::size_t>(words), 0u);
    }

    int bitLength() const
    {
        if (isZero())
            return 0;
        int top = 0;
        for (std::uint32_t v = m_limbs.back(); v; v >>= 1)
            ++top;
        return static_cast<int>(m_limbs.size() - 1) * 32 + top;
    }

    bool bit(int i) const
    {
        const auto word = static_cast<std::size_t>(i / 32);
        return word < m_limbs.size() && ((m_limbs[word] >> (i % 32)) & 1u);
    }

    // Bits [from, from + count) as an integer; count <= 64.
    std::uint64_t bits(int from, int count) const
    {
        std::uint64_t out = 0;
        for (int k = count - 1; k >= 0; --k)
            out = (out << 1) | (bit(from + k) ? 1u : 0u);
        return out;
    }

    // Whether any of the bits below `n` is set.
    bool anyBelow(int n) const
    {
        for (int k = 0; k < n / 32 && k < static_cast<int>(m_limbs.size()); ++k)
            if (m_limbs[static_cast<std::size_t>(k)])
                return true;
        for (int k = (n / 32) * 32; k < n; ++k)
            if (bit(k))
                return true;
        return false;
    }

    friend int compare(const BigInt &a, const BigInt &b)
    {
        if (a.m_limbs.size() != b.m_limbs.size())
            return a.m_limbs.size() < b.m_limbs.size() ? -1 : 1;
        for (std::size_t k = a.m_limbs.size(); k-- > 0;)
            if (a.m_limbs[k] != b.m_limbs[k])
                return a.m_limbs[k] < b.m_limbs[k] ? -1 : 1;
        return 0;
    }

    // this -= other; other <= this.
    void subtract(const BigInt &other)
    {
        std::int64_t borrow = 0;
        for (std::size_t k = 0; k < m_limbs.size(); ++k) {
            std::int64_t t = static_cast<std::int64_t>(m_limbs[k]) - borrow
                             - (k < other.m_limbs.size() ? other.m_limbs[k] : 0);
            borrow = t < 0;
            m_limbs[k] = static_cast<std::uint32_t>(t + (borrow ? (std::int64_t(1) << 32) : 0));
        }
        trim();
    }

    // Divides by 10^9 and returns the remainder.
    std::uint32_t divBillion()
    {
        std::uint64_t rem = 0;
        for (std::size_t k = m_limbs.size(); k-- > 0;) {
            const std::uint64_t cur = (rem << 32) | m_limbs[k];
            m_limbs[k] = static_cast<std::uint32_t>(cur / 1000000000u);
            rem = cur % 1000000000u;
        }
        trim();
        return static_cast<std::uint32_t>(rem);
    }

    // The decimal digits, most significant first ("0" for zero).
    std::string decimal() const
    {
        if (isZero())
            return "0";
        BigInt n = *this;
        std::string reversed;
        while (!n.isZero()) {
            std::uint32_t chunk = n.divBillion();
            for (int k = 0; k < 9; ++k) {
                reversed += static_cast<char>('0' + chunk % 10);
                chunk /= 10;
            }
        }
        while (reversed.size() > 1 && reversed.back() == '0')
            reversed.pop_back();
        return std::string(reversed.rbegin(), reversed.rend());
    }

private:
    void trim()
    {
        while (!m_limbs.empty() && m_limbs.back() == 0)
            m_limbs.pop_back();
    }

    std::vector<std::uint32_t> m_limbs;
};

// Rounds q * 2^b (plus less than one unit of q when `inexact`) to the nearest
// double, ties to even. False when it rounds beyond the largest double.
bool roundToDouble(const BigInt &q, int b, bool inexact, double &out)
{
    const int length = q.bitLength();
    if (length == 0) {
        out = 0.0;
        return true;
    }
    // Keep 53 bits, or fewer where the result is subnormal (its last bit is 2^-1074).
    int drop = length - 53;
    if (drop < -1074 - b)
        drop = -1074 - b;
    std::uint64_t kept;
    if (drop <= 0) {
        // Exact: only whole numbers that fit land here, never with `inexact`.
        kept = q.bits(0, length);
        drop = 0;
    } else {
        kept = drop >= length ? 0 : q.bits(drop, length - drop);
        const bool half = q.bit(drop - 1);
        const bool rest = inexact || q.anyBelow(drop - 1);
        if (half && (rest || (kept & 1u)))
            ++kept;
        if (kept == (std::uint64_t(1) << 53)) {
            kept >>= 1;
            ++drop;
        }
    }
    const int exponent = b + drop;
    int keptLength = 0;
    for (std::uint64_t v = kept; v; v >>= 1)
        ++keptLength;
    if (keptLength + exponent > 1024)
        return false;
    out = std::ldexp(static_cast<double>(kept), exponent);
    return true;
}

// digits * 10^exponent to the nearest double; false when too large. `digits`
// holds the significant digits without leading zeros (possibly none).
bool decimalToDouble(const std::string &digits, long long exponent, double &out)
{
    if (digits.empty()) {
        out = 0.0;
        return true;
    }
    // Up to 15 digits are an exact double, and so is 10^k up to 10^22: one
    // correctly rounded multiplication or division gives the result.
    static const double kPowers[] = { 1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                      1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22 };
    if (digits.size() <= 15 && exponent >= -22 && exponent <= 22) {
        std::uint64_t n = 0;
        for (const char c : digits)
            n = n * 10 + static_cast<std::uint64_t>(c - '0');
        const double x = static_cast<double>(n);
        out = exponent < 0 ? x / kPowers[-exponent] : x * kPowers[exponent];
        return true;
    }
    const long long length = static_cast<long long>(digits.size());
    if (length + exponent > 310)
        return false; // at least 10^309
    if (length + exponent < -330) {
        out = 0.0; // below 10^-330, far under half the smallest subnormal
        return true;
    }
    // Beyond 800 significant digits only whether the rest is zero matters: no
    // halfway point between two doubles has more than 767.
    constexpr std::size_t kMaxDigits = 800;
    BigInt m;
    std::size_t used = 0;
    for (; used < digits.size() && used < kMaxDigits; ++used)
        m.mulAdd(10, static_cast<std::uint32_t>(digits[used] - '0'));
    long long e = exponent + static_cast<long long>(digits.size() - used);
    if (used < digits.size() && digits.find_first_not_of('0', used) != std::string::npos) {
        m.mulAdd(10, 1);
        --e;
    }
    if (e >= 0) {
        m.mulPow10(static_cast<int>(e));
        return roundToDouble(m, 0, false, out);
    }
    // m / 10^k: scale m by 2^s so that the quotient has at least 56 bits, then
    // divide bit by bit. The rounding then always has the halfway bit and the
    // remainder below it, for subnormal results too.
    const int k = static_cast<int>(-e);
    BigInt d(1);
    d.mulPow10(k);
    int s = 56 + d.bitLength() - m.bitLength();
    if (s < 0)
        s = 0;
    m.shiftLeft(s);
    const int quotientBits = m.bitLength() - d.bitLength() + 1;
    BigInt q;
    for (int i = quotientBits; i >= 0; --i) {
        BigInt shifted = d;
        shifted.shiftLeft(i);
        q.shiftLeft(1);
        if (compare(m, shifted) >= 0) {
            m.subtract(shifted);
            q.mulAdd(1, 1);
        }
    }
    return roundToDouble(q, -s, !m.isZero(), out);
}

// The first `count` significant digits of a positive finite double, rounded to
// nearest with ties to even on its exact value, and the decimal exponent of
// the first: value ~ 0.d1d2... * 10^(exponent + 1).
void significantDigits(double value, int count, std::string &digits, int &exponent)
{
    int binaryExponent = 0;
    const double fraction = std::frexp(value, &binaryExponent); // value = fraction * 2^be
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    int e2 = binaryExponent - 53; // value = mantissa * 2^e2 exactly
    while (mantissa && !(mantissa & 1u)) {
        mantissa >>= 1;
        ++e2;
    }
    // Exact decimal digits of the value with `point` digits before the point.
    BigInt n(mantissa);
    long long pointShift = 0; // value = n * 10^pointShift
    if (e2 >= 0) {
        n.shiftLeft(e2);
    } else {
        n.mulPow5(-e2); // m * 2^e2 = m * 5^-e2 * 10^e2
        pointShift = e2;
    }
    std::string all = n.decimal();
    exponent = static_cast<int>(static_cast<long long>(all.size()) - 1 + pointShift);
    if (static_cast<int>(all.size()) <= count) {
        digits = all + std::string(static_cast<std::size_t>(count) - all.size(), '0');
        return;
    }
    digits = all.substr(0, static_cast<std::size_t>(count));
    const char next = all[static_cast<std::size_t>(count)];
    bool up = next > '5';
    if (next == '5') {
        const bool rest =
            all.find_first_not_of('0', static_cast<std::size_t>(count) + 1) != std::string::npos;
        up = rest || ((digits.back() - '0') % 2 == 1);
    }
    if (up) {
        std::size_t k = digits.size();
        while (k > 0 && digits[k - 1] == '9')
            digits[--k] = '0';
        if (k == 0) {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        } else {
            ++digits[k - 1];
        }
    }
}

} // namespace

Reading readNumber(const std::string &text, const NumberFormat &format)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;

    // Accept only sign, digits, the format's decimal separator and an
    // exponent; collect the significant digits and where the point falls.
    std::size_t i = begin;
    bool negative = false;
    if (i < end && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    int mantissaDigits = 0;
    std::string digits;          // significant digits, leading zeros dropped
    long long pointExponent = 0; // value = digits * 10^pointExponent
    while (i < end && isDigit(text[i])) {
        if (!digits.empty() || text[i] != '0')
            digits += text[i];
        ++i;
        ++mantissaDigits;
    }
    const std::string &dec = format.decimal;
    if (!dec.empty() && i + dec.size() <= end && text.compare(i, dec.size(), dec) == 0) {
        i += dec.size();
        while (i < end && isDigit(text[i])) {
            if (!digits.empty() || text[i] != '0')
                digits += text[i];
            --pointExponent;
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return {};
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool expNegative = false;
        if (i < end && (text[i] == '-' || text[i] == '+'))
            expNegative = text[i++] == '-';
        int expDigits = 0;
        long long exponent = 0;
        while (i < end && isDigit(text[i])) {
            if (exponent < 100000000)
                exponent = exponent * 10 + (text[i] - '0');
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return {};
        pointExponent += expNegative ? -exponent : exponent;
    }
    if (i != end)
        return {};

    // Trailing zeros of the digits only move the point.
    while (!digits.empty() && digits.back() == '0') {
        digits.pop_back();
        ++pointExponent;
    }
    double v = 0.0;
    if (!decimalToDouble(digits, pointExponent, v))
        return { Reading::Status::TooLarge, 0.0 };
    return { Reading::Status::Number, negative ? -v : v };
}

std::string formatNumber(double value, int digits, const NumberFormat &format)
{
    if (value == 0.0 || !std::isfinite(value))
        return "0";

    const bool negative = value < 0;
    std::string mantissa;
    int exponent = 0;
    significantDigits(negative ? -value : value, digits, mantissa, exponent);
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= digits || exponent < -4) {
        out += mantissa[0];
        if (mantissa.size() > 1)
            out += format.decimal + mantissa.substr(1);
        const int absExp = exponent < 0 ? -exponent : exponent;
        out += 'E';
        out += exponent < 0 ? '-' : '+';
        if (absExp < 10)
            out += '0';
        return out + formatInteger(absExp);
    }
    if (exponent >= 0) {
        const std::size_t intLen = static_cast<std::size_t>(exponent) + 1;
        if (mantissa.size() <= intLen)
            return out + mantissa + std::string(intLen - mantissa.size(), '0');
        return out + mantissa.substr(0, intLen) + format.decimal + mantissa.substr(intLen);
    }
    return out + "0" + format.decimal + std::string(static_cast<std::size_t>(-exponent - 1), '0')
           + mantissa;
}

std::string roundedText(const std::string &shown, int decimals, const std::string &decimal,
                        bool pad)
{
    if (decimals < 0)
        return shown;
    // sign, digits [decimal digits] [E sign digits]: the display rule's form.
    std::size_t i = 0;
    const bool negative = !shown.empty() && shown[0] == '-';
    if (negative)
        i = 1;
    std::string whole, fraction, exponent;
    auto digit = [&](std::size_t at) {
        return at < shown.size() && shown[at] >= '0' && shown[at] <= '9';
    };
    while (digit(i))
        whole += shown[i++];
    if (whole.empty())
        return shown;
    if (!decimal.empty() && shown.compare(i, decimal.size(), decimal) == 0) {
        i += decimal.size();
        while (digit(i))
            fraction += shown[i++];
        if (fraction.empty())
            return shown;
    }
    if (i < shown.size() && shown[i] == 'E') {
        exponent = shown.substr(i);
        if (exponent.size() < 3 || (exponent[1] != '+' && exponent[1] != '-'))
            return shown;
        for (std::size_t k = 2; k < exponent.size(); ++k)
            if (!digit(i + k))
                return shown;
        i = shown.size();
    }
    if (i != shown.size())
        return shown;

    // Rounds the digit string whole+fraction at `decimals` decimals, half
    // away from zero (the sign is put back after).
    const auto keep = static_cast<std::size_t>(decimals);
    std::string digits = whole + fraction.substr(0, std::min(keep, fraction.size()));
    digits.append(keep - std::min(keep, fraction.size()), '0');
    if (fraction.size() > keep && fraction[keep] >= '5') {
        std::size_t k = digits.size();
        while (k > 0 && digits[k - 1] == '9')
            digits[--k] = '0';
        if (k == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[k - 1];
    }
    std::size_t intLen = digits.size() - keep;
    // In exponent form the mantissa keeps one digit before the point: 9,999E+20
    // rounds to 1,00E+21, not 10,00E+20.
    if (!exponent.empty() && intLen > 1) {
        int e = std::stoi(exponent.substr(1)) + static_cast<int>(intLen - 1);
        digits.resize(digits.size() - (intLen - 1));
        intLen = 1;
        const int absExp = e < 0 ? -e : e;
        exponent = std::string("E") + (e < 0 ? "-" : "+") + (absExp < 10 ? "0" : "")
                   + formatInteger(absExp);
    }
    // Leading zeros the rounding left aside ("09" never arises, but "00" can't
    // either: the whole part is the display rule's).
    std::string out = digits.substr(0, intLen);
    std::string decimalsWritten = digits.substr(intLen);
    if (!pad)
        decimalsWritten.erase(decimalsWritten.find_last_not_of('0') + 1);
    if (!decimalsWritten.empty())
        out += decimal + decimalsWritten;
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    return (negative && !zero ? "-" : "") + out + exponent;
}

std::string formatInteger(long long value)
{
    // Through the unsigned magnitude, so that the most negative value works too.
    unsigned long long magnitude = value < 0 ? 0ull - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    char buf[24];
    char *p = buf + sizeof buf;
    do {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (value < 0)
        *--p = '-';
    return std::string(p, buf + sizeof buf);
}

} // namespace solver
