#pragma once

#include "platform/imagelib/rgbimage.h"

namespace gb {

// Fills dst (already allocated at the wanted size) with src resampled by bilinear
// interpolation. Pixel centres are aligned: destination pixel x samples the source at
// (x + 0.5) * srcWidth / dstWidth - 0.5, clamped to the image, so a copy at the same size
// is exact and edges never read outside the source. False when either image is null.
bool isResizeRgb(const RgbImage &src, RgbImage &dst);

} // namespace gb
