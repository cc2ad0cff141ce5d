// The polyhedra family's screens.
#include "polyhedra.h"

namespace solids {

void registerPolyhedra(Registry &r)
{
    r.add("Form27", regularPolyhedra);
}

} // namespace solids
