#pragma once

#include "platform/imagelib/rgbimage.h"

namespace gb {

// The frame of the new-buffer operations of the same size: a new image of src's size
// filled by fill(dst), or a null image when it cannot be made or the fill fails. src is
// never touched.
template <typename Fill>
RgbImage intoNewImage(const RgbImage &src, Fill fill)
{
    RgbImage dst = RgbImage::create(src.width(), src.height());
    if (dst.isNull() || !fill(dst))
        return RgbImage();
    return dst;
}

} // namespace gb
