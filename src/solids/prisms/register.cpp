// The prisms family's screens.
#include "prisms.h"

namespace solids {

void registerPrisms(Registry &r)
{
    r.add("Form15", triangularPrism);
    for (const auto &rec : prismRecords())
        r.add(rec.name, [&rec] { return prismScreen(rec); });
}

} // namespace solids
