#include "actions/applymediancut.h"

#include "platform/imagelib/mediancut.h"

namespace gb {

RgbImage applyMedianCut(const RgbImage &src)
{
    RgbImage dst = RgbImage::create(src.width(), src.height());
    if (dst.isNull() || !isMedianCutRgb(src, dst))
        return RgbImage();
    return dst;
}

} // namespace gb
