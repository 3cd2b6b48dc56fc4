#include "actions/sharpenimagebe.h"

#include "platform/imagelib/sharpen.h"

namespace gb {

RgbImage sharpenImageBE(const RgbImage &src, int level)
{
    RgbImage dst = RgbImage::create(src.width(), src.height());
    if (dst.isNull() || !isSharpenRgb(src, dst, level))
        return RgbImage();
    return dst;
}

} // namespace gb
