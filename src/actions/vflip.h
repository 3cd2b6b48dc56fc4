#pragma once

#include "platform/imagelib/rgbimage.h"

namespace gb {

// Action "Flip": turns the image upside down, in place. False for a null image.
bool vFlip(RgbImage &img);

// Action "Mirror": swaps left and right, in place. False for a null image.
bool hFlip(RgbImage &img);

} // namespace gb
