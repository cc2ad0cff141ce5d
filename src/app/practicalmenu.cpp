// Form29, the volumes of special solids. What it shows is described in src/solids/menus.cpp.
#include "menus.h"

#include "solids/menus.h"

namespace app {

ui::ScreenWindow *makePracticalMenu(ui::Navigator &nav)
{
    auto *m = buildMenu(*solids::findMenu("Form29"), nav);
    return m;
}

} // namespace app
