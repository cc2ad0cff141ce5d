// The polyhedra family's screens.
#include "solids/solids.h"

namespace solids {

void registerPolyhedra(Registry &)
{
}

} // namespace solids
