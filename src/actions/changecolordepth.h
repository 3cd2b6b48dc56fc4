#pragma once

#include "platform/imagelib/rgbimage.h"

namespace gb {

// Action "Change Color Depth", in place. The choice sets the colour count: 1 two colours,
// 2 sixteen, 3 sixty-four, 4 256; 5 leaves the image as it is, sets the count to 0 and
// returns true; any other choice keeps the count it is given (the command's own count,
// 2 .. 256). The image is then reduced to at most that many colours and stays a 24-bit
// image; the count travels on to the saving step. False (image unchanged) for a null
// image or a count outside 2 .. 256.
bool changeColorDepth(RgbImage &img, int choice, int &colorCount);

} // namespace gb
