// The pyramids family's screens.
#include "solids/solids.h"

namespace solids {

void registerPyramids(Registry &)
{
}

} // namespace solids
