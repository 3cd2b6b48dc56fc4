#include "actions/applyconvfilter.h"

#include "platform/imagelib/convolution.h"

namespace gb {

RgbImage applyConvFilter(const RgbImage &src, const std::array<double, 49> &coefficients, double level)
{
    RgbImage dst = RgbImage::create(src.width(), src.height());
    if (dst.isNull() || !isApplyConvolutionFilterToRgb(src, dst, 7, 7, coefficients.data(), level))
        return RgbImage();
    return dst;
}

} // namespace gb
