// The reading and display of numbers through the standard library's
// std::from_chars and std::to_chars, as the program did before it had its own
// exact path: the reference that path is checked against, by the tests and
// the fuzzer (where the standard library has them: not in every WebAssembly
// toolchain).
#pragma once

#include "solver/numberformat.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace reference {

inline bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

inline solver::Reading readNumber(const std::string &text, const solver::NumberFormat &format)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    std::string plain;
    std::size_t i = begin;
    bool negative = false;
    if (i < end && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    int mantissaDigits = 0;
    long long magnitude = 0;
    bool significant = false;
    while (i < end && isDigit(text[i])) {
        significant = significant || text[i] != '0';
        if (significant)
            ++magnitude;
        plain += text[i++];
        ++mantissaDigits;
    }
    const std::string &dec = format.decimal;
    if (!dec.empty() && i + dec.size() <= end && text.compare(i, dec.size(), dec) == 0) {
        plain += '.';
        i += dec.size();
        while (i < end && isDigit(text[i])) {
            if (!significant && text[i] == '0')
                --magnitude;
            significant = significant || text[i] != '0';
            plain += text[i++];
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return {};
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        bool expNegative = false;
        if (i < end && (text[i] == '-' || text[i] == '+'))
            expNegative = text[i++] == '-';
        if (expNegative)
            plain += '-';
        int expDigits = 0;
        long long exponent = 0;
        while (i < end && isDigit(text[i])) {
            if (exponent < 1000000)
                exponent = exponent * 10 + (text[i] - '0');
            plain += text[i++];
            ++expDigits;
        }
        if (expDigits == 0)
            return {};
        magnitude += expNegative ? -exponent : exponent;
    }
    if (i != end)
        return {};
    double v = 0.0;
    const auto [ptr, ec] =
        std::from_chars(plain.data(), plain.data() + plain.size(), v, std::chars_format::general);
    if (ptr != plain.data() + plain.size())
        return {};
    if (ec == std::errc::result_out_of_range) {
        if (significant && magnitude > 0)
            return { solver::Reading::Status::TooLarge, 0.0 };
        v = 0.0;
    } else if (ec != std::errc()) {
        return {};
    }
    if (!std::isfinite(v))
        return { solver::Reading::Status::TooLarge, 0.0 };
    return { solver::Reading::Status::Number, negative ? -v : v };
}

inline std::string formatNumber(double value, int digits, const solver::NumberFormat &format)
{
    if (value == 0.0 || !std::isfinite(value))
        return "0";
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1);
    std::string s(buf, res.ptr);
    const bool negative = s[0] == '-';
    if (negative)
        s.erase(0, 1);
    const std::size_t epos = s.find('e');
    int exponent = 0;
    const char *expBegin = s.data() + epos + 1;
    if (*expBegin == '+')
        ++expBegin;
    std::from_chars(expBegin, s.data() + s.size(), exponent);
    std::string mantissa;
    for (std::size_t k = 0; k < epos; ++k)
        if (isDigit(s[k]))
            mantissa += s[k];
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
        return out + std::to_string(absExp);
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

} // namespace reference
