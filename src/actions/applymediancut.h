#pragma once

#include "platform/imagelib/rgbimage.h"

namespace gb {

// Action "Median Cut": a new image, src reduced to at most 256 colours. A null image when
// the new image cannot be made; src is left alone.
RgbImage applyMedianCut(const RgbImage &src);

} // namespace gb
