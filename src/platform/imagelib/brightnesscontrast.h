#pragma once

#include "platform/imagelib/rgbimage.h"

namespace gb {

// Changes brightness and contrast in place, each given from -1 to 1 (values outside are
// held to that range); 0 and 0 leave the image as it is. Contrast stretches (above 0) or
// flattens (below 0) every channel about the middle grey; brightness then adds up to a
// full 255 either way. False for a null image or a value that is not a number.
bool isApplyBrightnessContrastToRgb(RgbImage &img, double brightness, double contrast);

} // namespace gb
