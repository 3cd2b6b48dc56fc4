#pragma once

#include "platform/imagelib/rgbimage.h"

namespace gb {

// Action "Convert to Gray Scale", in place. False for a null image.
bool applyGrayScale(RgbImage &img);

} // namespace gb
