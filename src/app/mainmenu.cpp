// Form1, the main menu. What it shows is described in src/solids/menus.cpp.
#include "menus.h"

#include "solids/menus.h"

namespace app {

ui::ScreenWindow *makeMainMenu(ui::Navigator &nav)
{
    auto *m = buildMenu(*solids::findMenu("Form1"), nav);
    return m;
}

} // namespace app
