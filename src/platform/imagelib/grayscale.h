#pragma once

#include "platform/imagelib/rgbimage.h"

namespace gb {

// Turns the image grey in place: every pixel gets its luma in all three channels.
// A grey pixel keeps its value. False for a null image.
bool isRgbToGrayScale24(RgbImage &img);

} // namespace gb
