#pragma once

#include "platform/imagelib/rgbimage.h"

namespace gb {

// Turns the image upside down in place (reverses the order of its rows).
// False for a null image.
bool isVertFlipBuf(RgbImage &img);

// Swaps left and right in place (reverses the pixels of every row). False for a null image.
bool isFlipHorizontalRgb(RgbImage &img);

} // namespace gb
