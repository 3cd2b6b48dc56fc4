#pragma once

#include "platform/imagelib/rgbimage.h"

namespace gb {

// Action "Histogram Equalize", in place: the channels whose flags are set are each spread
// over low .. high (0 <= low <= high <= 255, as the dialog checks). False for a null image
// or thresholds outside that range (a damaged command), the image then unchanged.
bool histogramEqualize(RgbImage &img, int low, int high, bool red, bool green, bool blue);

} // namespace gb
