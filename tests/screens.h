// Every screen of the program built so far: the menus and every registered
// solver screen, so that suites looping over them cover screens added later.
#pragma once

#include "app/menus.h"
#include "solids/solids.h"

#include <QStringList>

namespace screens {

inline QStringList menus()
{
    return app::menuFactories().keys();
}

inline QStringList solvers()
{
    QStringList out;
    for (const auto &n : solids::names())
        out << QString::fromStdString(n);
    return out;
}

inline QStringList all()
{
    return menus() + solvers();
}

} // namespace screens
