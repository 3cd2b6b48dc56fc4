#include "actions/applyconvfilter.h"

#include "actions/newimage.h"
#include "platform/imagelib/convolution.h"

namespace gb {

RgbImage applyConvFilter(const RgbImage &src, const std::array<double, 49> &coefficients, double level)
{
    return intoNewImage(src, [&](RgbImage &dst) { return isApplyConvolutionFilterToRgb(src, dst, 7, 7, coefficients.data(), level); });
}

} // namespace gb
