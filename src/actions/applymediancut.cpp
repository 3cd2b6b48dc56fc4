#include "actions/applymediancut.h"

#include "actions/newimage.h"
#include "platform/imagelib/mediancut.h"

namespace gb {

RgbImage applyMedianCut(const RgbImage &src)
{
    return intoNewImage(src, [&](RgbImage &dst) { return isMedianCutRgb(src, dst); });
}

} // namespace gb
