#pragma once

#include "platform/imagelib/rgbimage.h"

namespace gb {

// Fills dst (same size as src) with src blurred by a Gaussian of standard deviation
// level / 10 pixels (the level dialog's 1..100 gives 0.1 .. 10; a higher level, from a
// damaged command, acts as 100). Level 0 or less copies src unchanged; a uniform image stays as it is at any level. Edges repeat the outermost
// pixels. False when an image is null or the sizes differ.
bool isBlurRgb(const RgbImage &src, RgbImage &dst, int level);

} // namespace gb
