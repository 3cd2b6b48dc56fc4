#pragma once

#include "platform/imagelib/rgbimage.h"

namespace gb {

// Action "Sharpen": a new image, src sharpened at the level (1..100 from the level
// dialog; 0 or less copies). A null image when the new image cannot be made; src is left
// alone.
RgbImage sharpenImageBE(const RgbImage &src, int level);

} // namespace gb
