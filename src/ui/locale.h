// The locale the program reads and shows numbers with.
#pragma once

#include "solver/numberformat.h"

#include <QLocale>

namespace ui {

// The user's locale (QLocale::system() unless set otherwise).
QLocale locale();
void setLocale(const QLocale &locale);

solver::NumberFormat numberFormat(const QLocale &locale);

// Qt's own texts (its dialogs, the context menus of fields and scroll bars)
// in Italian where translations exist. They are not read at start-up, where
// nothing shows them: once armed, they are loaded just before the first
// context menu, or by loadQtTranslations() before a Qt dialog is made.
void armQtTranslations();
// Loads them now if armed and not yet loaded.
void loadQtTranslations();

} // namespace ui
