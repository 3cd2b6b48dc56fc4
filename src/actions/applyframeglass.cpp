#include "actions/applyframeglass.h"

#include "actions/framesize.h"
#include "image/rgbutils.h"

namespace gb {

bool applyFrameGlass(RgbImage &img, int size)
{
    if (img.isNull() || size <= 0)
        return false;
    return glassFrameRgb(img, frameSize(size, img.width(), img.height()));
}

bool glassFrameRgb(RgbImage &img, int size)
{
    if (img.isNull() || size <= 0)
        return false;
    const int W = img.width(), H = img.height(), s = size;
    const int step = 63 / s;
    bool ok = true;
    for (int i = 1; i <= s; ++i)
        ok = averageRgb(img, 1, H - s + i, W, 1, uint8_t(255 - (i - 1) * step));
    for (int i = 1; i <= s && ok; ++i)
        ok = averageRgb(img, W - s + i, 1, 1, H - s, uint8_t(255 - (i - 1) * step));
    ok = ok && averageRgb(img, 1, 1, W - s, s, 255);
    ok = ok && averageRgb(img, 1, s + 1, s, H - 2 * s, 255);
    ok = ok && averageRgb(img, s + 1, s + 1, W - 2 * s, H - 2 * s, 192);
    return ok;
}

} // namespace gb
