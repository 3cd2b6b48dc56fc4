#include "actions/blurimage.h"

#include "platform/imagelib/blur.h"

namespace gb {

RgbImage blurImage(const RgbImage &src, int level)
{
    RgbImage dst = RgbImage::create(src.width(), src.height());
    if (dst.isNull() || !isBlurRgb(src, dst, level))
        return RgbImage();
    return dst;
}

} // namespace gb
