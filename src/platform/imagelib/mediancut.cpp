#include "platform/imagelib/mediancut.h"

#include "platform/imagelib/to8bit.h"

#include <vector>

namespace gb {

bool isMedianCutRgb(const RgbImage &src, RgbImage &dst)
{
    if (src.isNull() || dst.isNull() || src.width() != dst.width() || src.height() != dst.height())
        return false;
    std::vector<uint8_t> indices;
    std::vector<uint32_t> palette;
    return isQuantizeRgbTo8Bit(src, indices, 256, palette) && is8BitToRgb(indices, dst, 256, palette);
}

} // namespace gb
