// Form14, the right prisms with regular bases. What it shows is described in src/solids/menus.cpp.
#include "menus.h"

#include "solids/menus.h"

namespace app {

ui::ScreenWindow *makePrismMenu(ui::Navigator &nav)
{
    auto *m = buildMenu(*solids::findMenu("Form14"), nav);
    return m;
}

} // namespace app
