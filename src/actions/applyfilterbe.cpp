#include "actions/applyfilterbe.h"

#include "actions/newimage.h"
#include "platform/imagelib/matrixfilter.h"

namespace gb {

RgbImage applyFilterBE(const RgbImage &src, const std::array<double, 9> &coefficients, bool red, bool green,
                       bool blue, bool zeroOthers, bool feedback, double factor)
{
    const int mask = (red ? 1 : 0) + (green ? 2 : 0) + (blue ? 4 : 0);
    return intoNewImage(src, [&](RgbImage &dst) {
        return isApplyMatrixToRgb(src, dst, mask, zeroOthers, feedback, factor, coefficients.data());
    });
}

} // namespace gb
