#include "numberformat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace solver {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::optional<double> readNumber(const std::string &text, const NumberFormat &format)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;

    // Rebuild the number in the C locale's own notation, accepting only
    // sign, digits, the format's decimal separator and an exponent.
    std::string plain;
    std::size_t i = begin;
    if (i < end && (text[i] == '-' || text[i] == '+'))
        plain += text[i++];
    int mantissaDigits = 0;
    while (i < end && isDigit(text[i])) {
        plain += text[i++];
        ++mantissaDigits;
    }
    const std::string &dec = format.decimal;
    if (!dec.empty() && text.compare(i, dec.size(), dec) == 0 && i + dec.size() <= end) {
        plain += '.';
        i += dec.size();
        while (i < end && isDigit(text[i])) {
            plain += text[i++];
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < end && (text[i] == '-' || text[i] == '+'))
            plain += text[i++];
        int expDigits = 0;
        while (i < end && isDigit(text[i])) {
            plain += text[i++];
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != end)
        return std::nullopt;

    char *stop = nullptr;
    const double v = std::strtod(plain.c_str(), &stop);
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

std::string formatNumber(double value, int digits, const NumberFormat &format)
{
    if (value == 0.0 || !std::isfinite(value))
        return "0";

    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", digits - 1, value);
    // buf: [-]d.ddddde[+-]xx
    std::string s(buf);
    const bool negative = s[0] == '-';
    if (negative)
        s.erase(0, 1);
    const std::size_t epos = s.find('e');
    const int exponent = std::atoi(s.c_str() + epos + 1);
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
        char e[16];
        std::snprintf(e, sizeof e, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return out + e;
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

} // namespace solver
