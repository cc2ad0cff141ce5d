// The elementary solids' screens.
#include "elementary.h"

namespace solids {

void registerElementary(Registry &r)
{
    r.add("Form3", cube);
    r.add("form4", parallelepiped);
    r.add("Form2", cylinder);
    r.add("Form37", equilateralCylinder);
    r.add("Form12", cone);
    r.add("Form26", truncatedCone);
}

} // namespace solids
