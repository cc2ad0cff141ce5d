// The pyramids family's screens.
#include "pyramids.h"

namespace solids {

void registerPyramids(Registry &r)
{
    r.add("form6", squarePyramid);
    r.add("Form7", rectangularPyramid);
    r.add("Form8", trapezoidPyramid);
    r.add("Form9", triangularPyramid);
    r.add("Form10", pentagonalPyramid);
    r.add("Form11", hexagonalPyramid);
    r.add("Form24", truncatedSquarePyramid);
}

} // namespace solids
