#pragma once

#include "platform/imagelib/rgbimage.h"

#include <cstdint>

namespace gb {

// Turns every pixel of exactly the colour `from` into the colour `to` in place (colour
// numbers red + green * 256 + blue * 65536). False for a null image.
bool isColorReplaceRgb(RgbImage &img, uint32_t from, uint32_t to);

// Turns every pixel whose red, green and blue each lie within `tolerance` of (red, green,
// blue) into the colour `to`, in one pass over the image. This gives exactly what one
// isColorReplaceRgb pass per colour of the cube of side 2 * tolerance + 1 would give, in
// any order: a replaced pixel can match a later colour of the cube only if `to` itself
// lies in the cube, and replacing `to` by `to` changes nothing. A negative tolerance
// replaces nothing. False for a null image.
bool isColorReplaceRangeRgb(RgbImage &img, int red, int green, int blue, int tolerance, uint32_t to);

} // namespace gb
