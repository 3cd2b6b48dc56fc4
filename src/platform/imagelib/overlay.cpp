#include "platform/imagelib/overlay.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace gb {

namespace {

// out = (top * a + bottom * (256 - a) + 128) >> 8, with a = round(opacity * 256); a = 256 copies.
bool overlay(RgbImage &bottom, const RgbImage &top, int x, int y, double opacity, bool keyed,
             uint32_t key)
{
    if (bottom.isNull() || top.isNull())
        return false;
    if (!(opacity >= 0.0)) // also NaN
        opacity = 0.0;
    const uint32_t a = uint32_t(std::lround(std::min(opacity, 1.0) * 256.0));
    // The part of top that lies inside bottom, in 64 bits so that no placement overflows.
    const int64_t x0 = std::max<int64_t>(0, x), y0 = std::max<int64_t>(0, y);
    const int64_t x1 = std::min<int64_t>(bottom.width(), int64_t(x) + top.width());
    const int64_t y1 = std::min<int64_t>(bottom.height(), int64_t(y) + top.height());
    if (x0 >= x1 || y0 >= y1 || a == 0)
        return true;
    const int w = int(x1 - x0);
    const uint8_t kr = uint8_t(key), kg = uint8_t(key >> 8), kb = uint8_t(key >> 16);
    for (int64_t row = y0; row < y1; ++row) {
        uint8_t *d = bottom.pixel(int(x0), int(row));
        const uint8_t *s = top.pixel(int(x0 - x), int(row - y));
        if (!keyed && a == 256) {
            std::memcpy(d, s, size_t(w) * 3);
            continue;
        }
        for (int i = 0; i < w; ++i, d += 3, s += 3) {
            if (keyed && s[0] == kr && s[1] == kg && s[2] == kb)
                continue;
            for (int k = 0; k < 3; ++k)
                d[k] = uint8_t((s[k] * a + d[k] * (256 - a) + 128) >> 8);
        }
    }
    return true;
}

} // namespace

bool isOverlayRgb(RgbImage &bottom, const RgbImage &top, int x, int y, double opacity)
{
    return overlay(bottom, top, x, y, opacity, false, 0);
}

bool isOverlayRgbTrans(RgbImage &bottom, const RgbImage &top, int x, int y, double opacity,
                       uint32_t transparentColor)
{
    return overlay(bottom, top, x, y, opacity, true, transparentColor);
}

} // namespace gb
