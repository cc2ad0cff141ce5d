#include "locale.h"

#include <optional>

namespace ui {

namespace {

std::optional<QLocale> &current()
{
    static std::optional<QLocale> l;
    return l;
}

} // namespace

QLocale locale()
{
    return current().value_or(QLocale::system());
}

void setLocale(const QLocale &locale)
{
    current() = locale;
}

solver::NumberFormat numberFormat(const QLocale &locale)
{
    solver::NumberFormat f;
    f.decimal = locale.decimalPoint().toStdString();
    if (f.decimal.empty())
        f.decimal = '.'; // a char: GCC 12 misreads the literal's copy (-Wrestrict)
    return f;
}

} // namespace ui
