#pragma once

#include "platform/imagelib/rgbimage.h"

namespace gb {

// Actions "Invert Colors", "Invert Red", "Invert Green" and "Invert Blue", in place: each
// byte v of the channels concerned becomes 255 - v. A null image is left as it is.
void invertAllColors(RgbImage &img);
void invertRedColor(RgbImage &img);
void invertGreenColor(RgbImage &img);
void invertBlueColor(RgbImage &img);

} // namespace gb
