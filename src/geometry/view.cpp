#include "view.h"

namespace geometry {

double labelWidth(const std::string &text, double fontSize)
{
    // Characters, not bytes: a UTF-8 continuation byte adds no width.
    int chars = 0;
    for (unsigned char c : text)
        chars += (c & 0xC0) != 0x80;
    return chars * fontSize * 0.62;
}

Drawing draw(const Scene &, const Camera &, double width, double height)
{
    Drawing d;
    d.width = width;
    d.height = height;
    return d;
}

} // namespace geometry
