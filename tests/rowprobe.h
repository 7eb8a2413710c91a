#pragma once

#include "testsupport.h"

namespace testsupport
{

// True when some pixel of row y, across the whole image, matches.
inline bool rowHas(const QImage &img, int y, const QColor &expected, int tolerance = 40)
{
    for (int x = 0; x < img.width(); ++x)
        if (pixelIs(img, x, y, expected, tolerance))
            return true;
    return false;
}

} // namespace testsupport
