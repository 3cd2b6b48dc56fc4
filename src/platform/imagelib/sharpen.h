#pragma once

#include "platform/imagelib/rgbimage.h"

namespace gb {

// Fills dst (same size as src) with src sharpened by an unsharp mask over the 3 x 3
// binomial blur, with strength level / 25 (the level dialog's 50 doubles the difference of
// each pixel from its neighbourhood). Level 0 or less copies src; a uniform image stays
// as it is. Edges repeat the outermost pixels. False when an image is null or the sizes
// differ.
bool isSharpenRgb(const RgbImage &src, RgbImage &dst, int level);

} // namespace gb
