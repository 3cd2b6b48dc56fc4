#include "platform/imagelib/grayscale.h"

#include "platform/imagelib/parallel.h"

namespace gb {

// Luma with the ITU-R BT.601 weights in 1/256: Y = (77 R + 150 G + 29 B + 128) >> 8.
bool isRgbToGrayScale24(RgbImage &img)
{
    if (img.isNull())
        return false;
    parallelRanges(img.height(), 64, [&](int b, int e) {
        for (int y = b; y < e; ++y) {
            uint8_t *p = img.row(y);
            for (int x = 0; x < img.width(); ++x, p += 3) {
                const uint8_t g = uint8_t((77u * p[0] + 150u * p[1] + 29u * p[2] + 128u) >> 8);
                p[0] = p[1] = p[2] = g;
            }
        }
    });
    return true;
}

} // namespace gb
