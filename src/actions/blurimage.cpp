#include "actions/blurimage.h"

#include "actions/newimage.h"
#include "platform/imagelib/blur.h"

namespace gb {

RgbImage blurImage(const RgbImage &src, int level)
{
    return intoNewImage(src, [&](RgbImage &dst) { return isBlurRgb(src, dst, level); });
}

} // namespace gb
