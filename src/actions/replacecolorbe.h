#pragma once

#include "platform/imagelib/rgbimage.h"

#include <cstdint>

namespace gb {

// Action "Replace Color", in place: every pixel whose red, green and blue each lie within
// the tolerance of the old colour turns into the new colour (red + green * 256 + blue *
// 65536); parts of that cube outside 0..255 simply match nothing. One pass over the image
// for any tolerance, with exactly the result of one exact-colour pass per colour of the
// cube. Tolerance 0 replaces the old colour alone. False for a null image.
bool replaceColorBE(RgbImage &img, int oldRed, int oldGreen, int oldBlue, uint32_t newColor, int tolerance);

} // namespace gb
