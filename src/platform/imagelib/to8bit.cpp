#include "platform/imagelib/to8bit.h"

#include "platform/imagelib/colorref.h"
#include "platform/imagelib/quantize.h"

#include <algorithm>

namespace gb {

bool isQuantizeRgbTo8Bit(const RgbImage &img, std::vector<uint8_t> &indices, int colorCount,
                         std::vector<uint32_t> &palette)
{
    if (img.isNull() || colorCount < 2 || colorCount > 256)
        return false;
    IndexedImage q = quantize(img, colorCount);
    if (q.isNull() || q.indices.size() != img.pixelCount() || int(q.palette.size()) > colorCount)
        return false;
    indices = std::move(q.indices);
    palette.assign(size_t(colorCount), 0);
    std::copy(q.palette.begin(), q.palette.end(), palette.begin());
    return true;
}

bool is8BitToRgb(const std::vector<uint8_t> &indices, RgbImage &img, int colorCount,
                 const std::vector<uint32_t> &palette)
{
    if (img.isNull() || colorCount < 1 || colorCount > 256 || indices.size() < img.pixelCount()
        || palette.size() < size_t(colorCount))
        return false;
    uint8_t lut[256][3] = {};
    for (int i = 0; i < colorCount; ++i) {
        lut[i][0] = colorRefRed(palette[size_t(i)]);
        lut[i][1] = colorRefGreen(palette[size_t(i)]);
        lut[i][2] = colorRefBlue(palette[size_t(i)]);
    }
    uint8_t *p = img.data();
    for (size_t i = 0, n = img.pixelCount(); i < n; ++i, p += 3) {
        const uint8_t *c = lut[indices[i]];
        p[0] = c[0];
        p[1] = c[1];
        p[2] = c[2];
    }
    return true;
}

} // namespace gb
