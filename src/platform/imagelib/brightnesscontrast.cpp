#include "platform/imagelib/brightnesscontrast.h"

#include "platform/imagelib/lut.h"

#include <algorithm>
#include <cmath>

namespace gb {

// out = clamp(round((v - 127.5) * f + 127.5 + 255 * brightness)), with the contrast factor
// f = 1 + contrast below 0 and f = 1 / (1 - contrast) above (contrast 1 gives a threshold at 127.5).
bool isApplyBrightnessContrastToRgb(RgbImage &img, double brightness, double contrast)
{
    if (img.isNull() || std::isnan(brightness) || std::isnan(contrast))
        return false;
    brightness = std::clamp(brightness, -1.0, 1.0);
    contrast = std::clamp(contrast, -1.0, 1.0);
    const double f = contrast <= 0.0 ? 1.0 + contrast : (contrast >= 1.0 ? 1e6 : 1.0 / (1.0 - contrast));
    uint8_t table[256];
    for (int v = 0; v < 256; ++v)
        table[v] = uint8_t(std::clamp(std::round((v - 127.5) * f + 127.5 + 255.0 * brightness), 0.0, 255.0));
    return isApplyLutToRgb(img, 7, table);
}

} // namespace gb
