// form5, the choice of the pyramid's base. What it shows is described in src/solids/menus.cpp.
#include "menus.h"

#include "solids/menus.h"

namespace app {

ui::ScreenWindow *makePyramidMenu(ui::Navigator &nav)
{
    auto *m = buildMenu(*solids::findMenu("form5"), nav);
    m->resize(360, 360);
    return m;
}

} // namespace app
