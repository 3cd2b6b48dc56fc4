#pragma once

#include "platform/imagelib/rgbimage.h"

#include <cstdint>

namespace gb {

// The number of distinct colours in an image (0 for a null image). One bit per possible
// colour, so the cost is one pass over the pixels and 2 MB of marks, whatever the image.
int64_t isCountRgbColors(const RgbImage &img);

} // namespace gb
