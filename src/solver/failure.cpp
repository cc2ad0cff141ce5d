#include "failure.h"

namespace solver {

namespace {

// The typed text as it is quoted in a message: control characters escaped (a
// NUL would cut the message short), very long answers cut.
std::string quotable(const std::string &typed)
{
    constexpr std::size_t kMax = 60;
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const auto c = static_cast<unsigned char>(typed[i]);
        // Cut long answers, never inside a multi-byte character.
        if (i >= kMax && (c & 0xc0) != 0x80) {
            out += "...";
            break;
        }
        if (c < 0x20 || c == 0x7f) {
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 0xf];
        } else {
            out += typed[i];
        }
    }
    return out;
}

} // namespace

const char *failureName(Failure kind)
{
    switch (kind) {
    case Failure::TypeMismatch:
        return "type mismatch";
    case Failure::DivisionByZero:
        return "division by zero";
    case Failure::Overflow:
        return "overflow";
    case Failure::InvalidArgument:
        return "invalid argument";
    }
    return "overflow";
}

CalcError CalcError::notANumber(const std::string &typed, const std::string &decimal)
{
    if (typed.find_first_not_of(" \t") == std::string::npos)
        return CalcError(Failure::TypeMismatch,
                         "Impossibile calcolare: manca un valore (la risposta è vuota "
                         "oppure è stata annullata).");
    std::string how;
    if (decimal == ",")
        how = "Scrivi i numeri usando la virgola come separatore decimale (per esempio 2,5), "
              "senza punti e senza separatori delle migliaia.";
    else if (decimal == "." || decimal.empty())
        how = "Scrivi i numeri usando il punto come separatore decimale (per esempio 2.5), "
              "senza virgole e senza separatori delle migliaia.";
    else
        // Any other mark (the Arabic "٫", ...) is named as the locale reads it.
        how = "Scrivi i numeri usando \"" + quotable(decimal)
              + "\" come separatore decimale (per esempio 2" + quotable(decimal)
              + "5), senza punti, senza virgole e senza separatori delle migliaia.";
    return CalcError(Failure::TypeMismatch,
                     "Impossibile calcolare: \"" + quotable(typed) + "\" non è un numero.\n" + how);
}

CalcError CalcError::divisionByZero()
{
    return CalcError(Failure::DivisionByZero,
                     "Impossibile calcolare: divisione per zero (un valore che fa da "
                     "divisore vale 0).");
}

CalcError CalcError::zeroByZero()
{
    return CalcError(Failure::Overflow,
                     "Impossibile calcolare: zero diviso zero non ha un risultato "
                     "(un valore che fa da divisore vale 0).");
}

CalcError CalcError::tooLarge()
{
    return CalcError(Failure::Overflow,
                     "Impossibile calcolare: il risultato è troppo grande per essere "
                     "rappresentato.");
}

CalcError CalcError::negativeRoot()
{
    return CalcError(Failure::InvalidArgument,
                     "Impossibile calcolare: è stata chiesta la radice quadrata di un "
                     "numero negativo. Controlla che i dati descrivano un solido possibile.");
}

CalcError CalcError::negativeFractionalPower()
{
    return CalcError(Failure::InvalidArgument,
                     "Impossibile calcolare: è stata chiesta la radice di un numero "
                     "negativo (un numero negativo elevato a una potenza frazionaria). "
                     "Controlla che i dati descrivano un solido possibile.");
}

} // namespace solver
