// Form13, the sphere and its parts. What it shows is described in src/solids/menus.cpp.
#include "menus.h"

#include "solids/menus.h"

namespace app {

ui::ScreenWindow *makeSphereMenu(ui::Navigator &nav)
{
    auto *m = buildMenu(*solids::findMenu("Form13"), nav);
    return m;
}

} // namespace app
