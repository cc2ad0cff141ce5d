// The practical family's screens.
#include "solids/solids.h"

namespace solids {

void registerPractical(Registry &)
{
}

} // namespace solids
