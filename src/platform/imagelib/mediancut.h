#pragma once

#include "platform/imagelib/rgbimage.h"

namespace gb {

// Fills dst (same size as src) with src reduced to at most 256 colours by median cut.
// An image of 256 colours or fewer comes back unchanged. False when an image is null or
// the sizes differ.
bool isMedianCutRgb(const RgbImage &src, RgbImage &dst);

} // namespace gb
