#include "actions/addborderbe.h"

#include "image/rgbutils.h"

#include <algorithm>
#include <cstring>

namespace gb {

RgbImage addBorder2Rgb(const RgbImage &src, int top, int bottom, int left, int right, uint8_t red, uint8_t green,
                       uint8_t blue)
{
    if (src.isNull())
        return RgbImage();
    const int64_t t = std::max(top, 0), b = std::max(bottom, 0), l = std::max(left, 0), r = std::max(right, 0);
    const int64_t W = src.width(), H = src.height();
    RgbImage dst = RgbImage::create(l + W + r, t + H + b);
    if (dst.isNull())
        return dst;
    const int NW = dst.width(), NH = dst.height();
    // Four strips, top, bottom, left, right; they overlap at the corners in one colour.
    fillRgbSolidRect(dst, 1, 1, NW, int(t), red, green, blue);
    fillRgbSolidRect(dst, 1, NH - int(b) + 1, NW, int(b), red, green, blue);
    fillRgbSolidRect(dst, 1, 1, int(l), NH, red, green, blue);
    fillRgbSolidRect(dst, NW - int(r) + 1, 1, int(r), NH, red, green, blue);
    for (int y = 0; y < H; ++y)
        std::memcpy(dst.pixel(int(l), int(t) + y), src.row(y), src.stride());
    return dst;
}

RgbImage addBorderBE(const RgbImage &src, int top, int left, int right, int bottom, uint8_t red, uint8_t green,
                     uint8_t blue)
{
    return addBorder2Rgb(src, top, bottom, left, right, red, green, blue);
}

} // namespace gb
