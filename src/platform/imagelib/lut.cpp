#include "platform/imagelib/lut.h"

#include "platform/imagelib/parallel.h"

namespace gb {

bool isApplyLutToRgb(RgbImage &img, int channelMask, const uint8_t table[256])
{
    if (img.isNull() || !table)
        return false;
    // One table per channel, the identity where the mask leaves a channel alone.
    uint8_t t[3][256];
    for (int k = 0; k < 3; ++k)
        for (int v = 0; v < 256; ++v)
            t[k][v] = ((channelMask >> k) & 1) ? table[v] : uint8_t(v);
    parallelRanges(img.height(), 64, [&](int b, int e) {
        for (int y = b; y < e; ++y) {
            uint8_t *p = img.row(y);
            for (int x = 0; x < img.width(); ++x, p += 3) {
                p[0] = t[0][p[0]];
                p[1] = t[1][p[1]];
                p[2] = t[2][p[2]];
            }
        }
    });
    return true;
}

} // namespace gb
