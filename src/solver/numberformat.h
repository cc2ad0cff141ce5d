// Reading and showing numbers under a locale's separators.
//
// Both directions depend only on the separators given here, never on the C
// library's or the process's locale.
#pragma once

#include <string>

namespace solver {

struct NumberFormat {
    std::string decimal = "."; // decimal separator

    static NumberFormat point() { return { "." }; }
    static NumberFormat comma() { return { "," }; }
};

// What a typed text reads as.
struct Reading {
    enum class Status { Number, NotANumber, TooLarge };
    Status status = Status::NotANumber;
    double value = 0.0;

    bool isNumber() const { return status == Status::Number; }
};

// Reads typed text as a number: blanks around it are ignored, a leading sign is
// accepted, only the format's decimal separator marks decimals, an exponent
// (1E-05) is accepted. Anything else (group separators, the other decimal mark,
// "inf", "nan", the empty text) is not a number; a number beyond the double
// range is too large, one below its smallest magnitude reads as 0.
Reading readNumber(const std::string &text, const NumberFormat &format);

// Shows a double with at most `digits` significant digits (15 for doubles, 7 for
// singles), exponential form when the rounded decimal exponent is >= digits or
// < -4, no group separator, negative zero as 0.
std::string formatNumber(double value, int digits, const NumberFormat &format);

// An integer's decimal digits, with a leading "-" when negative.
std::string formatInteger(long long value);

} // namespace solver
