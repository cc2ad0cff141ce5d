// The practical family's screens.
#include "practical.h"

namespace solids {

void registerPractical(Registry &r)
{
    r.add("Form28", trench);
    r.add("Form30", haystack);
    r.add("Form31", biga);
    r.add("Form32", meda);
    r.add("Form35", cavalla);
    r.add("Form33", barrel);
    r.add("Form34", ellipticBarrel);
    r.add("Form36", prismoid);
}

} // namespace solids
