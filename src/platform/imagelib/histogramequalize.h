#pragma once

#include "platform/imagelib/rgbimage.h"

namespace gb {

// Equalises the histogram of each channel of the mask (red 1, green 2, blue 4) on its
// own, in place, spreading the channel's values over low .. high by their cumulative
// count. A channel holding one value only is left as it is. False for a null image or a
// range outside 0 <= low <= high <= 255.
bool isHistogramEqualizeRgb(RgbImage &img, int low, int high, int channelMask);

} // namespace gb
