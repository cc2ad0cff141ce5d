// The prisms family's screens.
#include "solids/solids.h"

namespace solids {

void registerPrisms(Registry &)
{
}

} // namespace solids
