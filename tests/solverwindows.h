// A solver screen's window as the shell shows it, for the suites that look
// at one window's own controls.
#pragma once

#include "scriptrunner.h"
#include "ui/solverwindow.h"

#include <QString>

namespace solverwindows {

// A fixed UTF-8 text of the program ("&Unità:") as Qt holds it.
inline QString u(const char *text)
{
    return QString::fromUtf8(text);
}

// Shows `screen` through the runner and gives its window.
inline ui::SolverWindow *solverWindow(script::Runner &r, const QString &screen)
{
    r.show(screen);
    return qobject_cast<ui::SolverWindow *>(r.shell().window(screen));
}

} // namespace solverwindows
