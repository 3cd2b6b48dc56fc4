#include "platform/imagelib/sharpen.h"

#include "platform/imagelib/convolution.h"

#include <algorithm>
#include <cstring>

namespace gb {

// Unsharp mask over the 3 x 3 binomial blur B = [1 2 1; 2 4 2; 1 2 1] / 16:
//   out = clamp(round(p + a (p - B(p)))), a = level / 25,
// which is one 3 x 3 convolution: the identity plus a / 16 times [-1 -2 -1; -2 12 -2; -1 -2 -1].
bool isSharpenRgb(const RgbImage &src, RgbImage &dst, int level)
{
    if (src.isNull() || dst.isNull() || src.width() != dst.width() || src.height() != dst.height())
        return false;
    if (level <= 0) {
        std::memcpy(dst.data(), src.data(), src.byteCount());
        return true;
    }
    const double a = std::min(level, 1000) / 25.0 / 16.0;
    const double kernel[9] = {-a, -2 * a, -a, -2 * a, 1 + 12 * a, -2 * a, -a, -2 * a, -a};
    return isApplyConvolutionFilterToRgb(src, dst, 3, 3, kernel, 1.0);
}

} // namespace gb
