#include "actions/sharpenimagebe.h"

#include "actions/newimage.h"
#include "platform/imagelib/sharpen.h"

namespace gb {

RgbImage sharpenImageBE(const RgbImage &src, int level)
{
    return intoNewImage(src, [&](RgbImage &dst) { return isSharpenRgb(src, dst, level); });
}

} // namespace gb
