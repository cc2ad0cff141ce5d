// The sphere family's screens.
#include "sphere.h"

namespace solids {

void registerSphere(Registry &r)
{
    r.add("Form38", sphere);
    r.add("Form39", sphericalCap);
    r.add("Form40", sphericalZone);
    r.add("Form41", sphericalWedge);
}

} // namespace solids
