#pragma once

#include "platform/imagelib/rgbimage.h"

#include <cstdint>

namespace gb {

// A new image holding src turned by the angle (radians; positive turns to the left,
// anticlockwise as seen on the screen), the corners it does not cover in the background
// colour (red + green * 256 + blue * 65536). Its size is the bounding box of the turned
// image, each side rounded to the nearest pixel and at least 1.
//
// An angle within 1e-9 of a multiple of a quarter turn is an exact quarter turn: pixels are
// moved, not resampled, and 90 degrees of a W x H image gives H x W. Any other angle samples
// bilinearly, outside samples counting as the background, so the edges blend into it.
// A null image comes back for a null source or a result over RgbImage::kMaxPixels.
RgbImage isRotateRgb(const RgbImage &src, double radians, uint32_t background);

} // namespace gb
