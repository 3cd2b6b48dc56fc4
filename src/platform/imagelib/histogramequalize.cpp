#include "platform/imagelib/histogramequalize.h"

#include "platform/imagelib/lut.h"

#include <cmath>
#include <cstdint>

namespace gb {

// out = low + round((high - low) * (cdf(v) - cdf(min)) / (N - cdf(min))), cdf(v) the number of
// pixels of value v or less in the channel, min the channel's lowest value, N the pixel count.
bool isHistogramEqualizeRgb(RgbImage &img, int low, int high, int channelMask)
{
    if (img.isNull() || low < 0 || high > 255 || low > high)
        return false;
    uint64_t hist[3][256] = {};
    for (int y = 0; y < img.height(); ++y) {
        const uint8_t *p = img.row(y);
        for (int x = 0; x < img.width(); ++x, p += 3) {
            ++hist[0][p[0]];
            ++hist[1][p[1]];
            ++hist[2][p[2]];
        }
    }
    const uint64_t N = img.pixelCount();
    uint8_t table[3][256];
    for (int k = 0; k < 3; ++k) {
        uint64_t cdf = 0, cdfMin = 0;
        for (int v = 0; v < 256; ++v) {
            cdf += hist[k][v];
            if (cdfMin == 0)
                cdfMin = cdf;
            const bool on = ((channelMask >> k) & 1) && N > cdfMin;
            table[k][v] = on ? uint8_t(low + std::llround(double(high - low) * double(cdf - cdfMin) / double(N - cdfMin)))
                             : uint8_t(v);
        }
    }
    for (int k = 0; k < 3; ++k)
        isApplyLutToRgb(img, 1 << k, table[k]);
    return true;
}

} // namespace gb
