#include "platform/imagelib/flip.h"

#include "platform/imagelib/parallel.h"

#include <algorithm>

namespace gb {

bool isVertFlipBuf(RgbImage &img)
{
    if (img.isNull())
        return false;
    const int H = img.height();
    const size_t n = img.stride();
    parallelRanges(H / 2, 64, [&](int b, int e) {
        for (int y = b; y < e; ++y)
            std::swap_ranges(img.row(y), img.row(y) + n, img.row(H - 1 - y));
    });
    return true;
}

bool isFlipHorizontalRgb(RgbImage &img)
{
    if (img.isNull())
        return false;
    const int W = img.width();
    parallelRanges(img.height(), 64, [&](int b, int e) {
        for (int y = b; y < e; ++y) {
            uint8_t *l = img.row(y), *r = img.pixel(W - 1, y);
            for (; l < r; l += 3, r -= 3) {
                std::swap(l[0], r[0]);
                std::swap(l[1], r[1]);
                std::swap(l[2], r[2]);
            }
        }
    });
    return true;
}

} // namespace gb
