// Steps of a calculation that cannot be computed.
#pragma once

#include <stdexcept>
#include <string>

namespace solver {

enum class Failure { TypeMismatch, DivisionByZero, Overflow, InvalidArgument };

// "type mismatch", "division by zero", "overflow", "invalid argument"
const char *failureName(Failure kind);

class CalcError : public std::runtime_error {
public:
    CalcError(Failure kind, const std::string &message) : std::runtime_error(message), m_kind(kind)
    {
    }
    Failure kind() const { return m_kind; }

    // The Italian text shown to the user.
    static CalcError notANumber(const std::string &typed, const std::string &decimal);
    static CalcError divisionByZero();
    static CalcError zeroByZero();
    static CalcError tooLarge();
    static CalcError negativeRoot();
    static CalcError negativeFractionalPower();

private:
    Failure m_kind;
};

} // namespace solver

namespace solver {

// A screen's calculation named a control its screen does not declare: a
// programming error, never a silent no-op.
class UndeclaredControl : public std::logic_error {
public:
    UndeclaredControl(const std::string &screen, const std::string &control)
        : std::logic_error("screen " + screen + " has no control \"" + control + "\"")
    {
    }
};

} // namespace solver
