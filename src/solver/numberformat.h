// Reading and showing numbers under a locale's separators.
#pragma once

#include <optional>
#include <string>

namespace solver {

struct NumberFormat {
    std::string decimal = ".";  // decimal separator
    std::string group = ",";    // thousands separator (never shown, never accepted)

    static NumberFormat point() { return {".", ","}; }
    static NumberFormat comma() { return {",", "."}; }
};

// Reads typed text as a number: blanks around it are ignored, a leading sign is
// accepted, only the format's decimal separator marks decimals, an exponent
// (1E-05) is accepted. Anything else (group separators, the other decimal mark,
// "inf", "nan", the empty text) is not a number.
std::optional<double> readNumber(const std::string &text, const NumberFormat &format);

// Shows a double with at most `digits` significant digits (15 for doubles, 7 for
// singles), exponential form when the rounded decimal exponent is >= digits or
// < -4, no group separator, negative zero as 0.
std::string formatNumber(double value, int digits, const NumberFormat &format);

} // namespace solver
