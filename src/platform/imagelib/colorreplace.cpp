#include "platform/imagelib/colorreplace.h"

#include "platform/imagelib/colorref.h"
#include "platform/imagelib/parallel.h"

#include <algorithm>

namespace gb {

namespace {

// Per channel, whether a value lies within the tolerance of the centre: a pixel is
// replaced when all three of its channels do.
bool replace(RgbImage &img, const bool in[3][256], uint32_t to)
{
    if (img.isNull())
        return false;
    const uint8_t r = colorRefRed(to), g = colorRefGreen(to), b = colorRefBlue(to);
    parallelRanges(img.height(), 64, [&](int begin, int end) {
        for (int y = begin; y < end; ++y) {
            uint8_t *p = img.row(y);
            for (int x = 0; x < img.width(); ++x, p += 3)
                if (in[0][p[0]] && in[1][p[1]] && in[2][p[2]]) {
                    p[0] = r;
                    p[1] = g;
                    p[2] = b;
                }
        }
    });
    return true;
}

} // namespace

bool isColorReplaceRgb(RgbImage &img, uint32_t from, uint32_t to)
{
    return isColorReplaceRangeRgb(img, colorRefRed(from), colorRefGreen(from), colorRefBlue(from), 0, to);
}

bool isColorReplaceRangeRgb(RgbImage &img, int red, int green, int blue, int tolerance, uint32_t to)
{
    bool in[3][256];
    const int centre[3] = {red, green, blue};
    for (int k = 0; k < 3; ++k)
        for (int v = 0; v < 256; ++v)
            in[k][v] = tolerance >= 0 && int64_t(v) >= int64_t(centre[k]) - tolerance
                && int64_t(v) <= int64_t(centre[k]) + tolerance;
    return replace(img, in, to);
}

} // namespace gb
