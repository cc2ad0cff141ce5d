// The sphere family's screens.
#include "solids/solids.h"

namespace solids {

void registerSphere(Registry &)
{
}

} // namespace solids
