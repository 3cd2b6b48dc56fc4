#include "actions/createbuttonimage.h"

#include "actions/framesize.h"
#include "image/rgbutils.h"

namespace gb {

bool createButtonImage(RgbImage &img, int size, uint8_t red, uint8_t green, uint8_t blue)
{
    if (img.isNull() || size <= 0)
        return false;
    return buttonizeRgb(img, frameSize(size, img.width(), img.height()), red, green, blue);
}

bool buttonizeRgb(RgbImage &img, int size, uint8_t red, uint8_t green, uint8_t blue)
{
    if (img.isNull())
        return false;
    const int W = img.width(), H = img.height();
    const int c[3] = {red, green, blue};
    int step[3];
    for (int k = 0; k < 3; ++k)
        step[k] = (255 - c[k]) / (size + 1);
    const auto shade = [&](int k, int n) { return uint8_t(c[k] + n * step[k]); };
    bool ok = true;
    for (int i = 1; i <= size && ok; ++i) {
        const uint8_t dr = shade(0, i - 1), dg = shade(1, i - 1), db = shade(2, i - 1);
        const uint8_t lr = shade(0, i), lg = shade(1, i), lb = shade(2, i);
        ok = fillRgbSolidRect(img, i + 1, H - i + 1, W - 2 * i, 1, dr, dg, db);
        ok = ok && fillRgbSolidRect(img, W - i + 1, i + 1, 1, H - 2 * i + 1, dr, dg, db);
        ok = ok && fillRgbSolidRect(img, i, i, W - 2 * i + 2, 1, lr, lg, lb);
        ok = ok && fillRgbSolidRect(img, i, i, 1, H - 2 * i + 2, lr, lg, lb);
    }
    return ok;
}

} // namespace gb
