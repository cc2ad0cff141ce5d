// Reading and showing numbers under a locale's separators.
//
// Both directions depend only on the separators given here, never on the C
// library's or the process's locale.
#pragma once

#include <string>

namespace solver {

struct NumberFormat {
    std::string decimal = "."; // decimal separator
    // Decimals a computed value is shown with; kAll: every digit the display
    // rule gives (15 significant digits).
    int decimals = kAll;
    // Whether a rounded value is written with exactly `decimals` decimals
    // (150,00), or without the zeros that end them (150).
    bool padDecimals = true;

    static constexpr int kAll = -1;

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

// The format with every digit shown, whatever the decimals chosen.
inline NumberFormat everyDigit(NumberFormat format)
{
    format.decimals = NumberFormat::kAll;
    return format;
}

// The format rounding as chosen, but without the zeros that pad the
// decimals: what a number rounded so is worth, to compare with every digit.
inline NumberFormat unpadded(NumberFormat format)
{
    format.padDecimals = false;
    return format;
}

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

// A number as the display rule writes it ("2,675", "1,5E+20"), rounded half
// away from zero to exactly `decimals` decimals ("2,68", "1,50E+20"): the
// decimal text is rounded, not the double. Exponent form stays exponent form,
// its mantissa rounded. kAll, and a text that is not a number so written
// (empty, typed), come back unchanged.
std::string roundedText(const std::string &shown, int decimals, const std::string &decimal,
                        bool pad = true);

// An integer's decimal digits, with a leading "-" when negative.
std::string formatInteger(long long value);

} // namespace solver
