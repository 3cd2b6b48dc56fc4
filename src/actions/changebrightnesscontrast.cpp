#include "actions/changebrightnesscontrast.h"

#include "platform/imagelib/brightnesscontrast.h"

namespace gb {

bool changeBrightnessContrast(RgbImage &img, double brightness, double contrast)
{
    return isApplyBrightnessContrastToRgb(img, brightness, contrast);
}

} // namespace gb
