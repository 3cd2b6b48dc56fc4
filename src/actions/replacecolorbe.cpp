#include "actions/replacecolorbe.h"

#include "platform/imagelib/colorreplace.h"

namespace gb {

bool replaceColorBE(RgbImage &img, int oldRed, int oldGreen, int oldBlue, uint32_t newColor, int tolerance)
{
    return isColorReplaceRangeRgb(img, oldRed, oldGreen, oldBlue, tolerance, newColor);
}

} // namespace gb
