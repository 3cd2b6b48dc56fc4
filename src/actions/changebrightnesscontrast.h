#pragma once

#include "platform/imagelib/rgbimage.h"

namespace gb {

// Action "Adjust Brightness/Contrast", in place: brightness and contrast are the dialog's
// fractions, -1 to 1; 0 and 0 change nothing. False for a null image or a bad value.
bool changeBrightnessContrast(RgbImage &img, double brightness, double contrast);

} // namespace gb
