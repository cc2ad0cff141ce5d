// libFuzzer target for reading and showing numbers under both decimal
// separators.
//
// The first byte picks the separator and what the rest is:
//   - typed text: reading it must not crash, and a number read from it must
//     show as a text that reads back to the same display;
//   - the 8 bytes of a double: its display under 15 and 7 significant digits
//     must read back as a number within the display's rounding, and showing
//     that again must give the same text.
// Every reading and display must also equal the standard library's
// from_chars/to_chars reference, bit for bit and character for character.
#include "solver/numberformat.h"

#include "numbers_reference.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using solver::NumberFormat;
using solver::Reading;

namespace {

[[noreturn]] void fail(const char *what, const std::string &text, double value)
{
    std::fprintf(stderr, "%s: \"%s\" (%.17g)\n", what, text.c_str(), value);
    std::abort();
}

bool looksBroken(const std::string &s)
{
    return s.empty() || s.find("inf") != std::string::npos || s.find("nan") != std::string::npos
           || s.find("INF") != std::string::npos || s.find("NAN") != std::string::npos;
}

void sameAsReference(const std::string &text, const NumberFormat &format)
{
    const Reading got = solver::readNumber(text, format);
    const Reading want = reference::readNumber(text, format);
    if (got.status != want.status || std::memcmp(&got.value, &want.value, sizeof got.value) != 0)
        fail("reading differs from from_chars", text, want.value);
}

// Shows `x`, reads it back and shows it again.
void roundTrip(double x, int digits, const NumberFormat &format)
{
    const std::string shown = solver::formatNumber(x, digits, format);
    if (shown != reference::formatNumber(x, digits, format))
        fail("display differs from to_chars", shown, x);
    sameAsReference(shown, format);
    if (looksBroken(shown))
        fail("broken display", shown, x);
    const Reading back = solver::readNumber(shown, format);
    if (back.status == Reading::Status::TooLarge) {
        // 15 digits round the top of the double range above the largest
        // double: that display reads as too large, as typing it would.
        if (digits == 15 && std::fabs(x) > 1.7976931348623e308)
            return;
        fail("display reads as too large", shown, x);
    }
    if (!back.isNumber())
        fail("display does not read as a number", shown, x);
    // Half a unit of the last digit shown, plus the rounding of reading that
    // decimal back to the nearest double (two steps of the doubles there).
    const double ax = std::fabs(x);
    const double step = std::nextafter(ax, INFINITY) - ax;
    const double tolerance = ax * 0.5 * std::pow(10.0, 1 - digits) * (1 + 1e-12) + 2 * step;
    if (std::fabs(back.value - x) > tolerance)
        fail("display reads back as another number", shown, x);
    if (solver::formatNumber(back.value, digits, format) != shown)
        fail("display of the number read back differs", shown, back.value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const NumberFormat format = (data[0] & 1) ? NumberFormat::comma() : NumberFormat::point();
    const NumberFormat other = (data[0] & 1) ? NumberFormat::point() : NumberFormat::comma();
    ++data;
    --size;

    if ((data[-1] & 2) && size >= sizeof(double)) {
        double x;
        std::memcpy(&x, data, sizeof x);
        if (!std::isfinite(x))
            return 0; // a calculation never shows these: it fails first
        roundTrip(x, 15, format);
        roundTrip(x, 7, format);
        const int digits = 1 + (data[-1] >> 2) % 17;
        if (solver::formatNumber(x, digits, format) != reference::formatNumber(x, digits, format))
            fail("display differs from to_chars", solver::formatNumber(x, digits, format), x);
        return 0;
    }

    const std::string text(reinterpret_cast<const char *>(data), size);
    sameAsReference(text, other);
    sameAsReference(text, format);
    const Reading r = solver::readNumber(text, format);
    if (r.isNumber()) {
        if (!std::isfinite(r.value))
            fail("reading gave a non-finite number", text, r.value);
        roundTrip(r.value, 15, format);
    }
    return 0;
}
