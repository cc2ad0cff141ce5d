// The locale the program reads and shows numbers with.
#pragma once

#include "solver/numberformat.h"

#include <QLocale>

namespace ui {

// The user's locale (QLocale::system() unless set otherwise).
QLocale locale();
void setLocale(const QLocale &locale);

solver::NumberFormat numberFormat(const QLocale &locale);

} // namespace ui
