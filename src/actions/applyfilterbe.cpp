#include "actions/applyfilterbe.h"

#include "platform/imagelib/matrixfilter.h"

namespace gb {

RgbImage applyFilterBE(const RgbImage &src, const std::array<double, 9> &coefficients, bool red, bool green,
                       bool blue, bool zeroOthers, bool feedback, double factor)
{
    RgbImage dst = RgbImage::create(src.width(), src.height());
    const int mask = (red ? 1 : 0) + (green ? 2 : 0) + (blue ? 4 : 0);
    if (dst.isNull() || !isApplyMatrixToRgb(src, dst, mask, zeroOthers, feedback, factor, coefficients.data()))
        return RgbImage();
    return dst;
}

} // namespace gb
