#pragma once

#include "platform/imagelib/rgbimage.h"

namespace gb {

// Fills dst (already allocated at the wanted size) with src resampled by pixel-area
// averaging: each destination pixel is the mean of the source area it covers, partly
// covered source pixels counting by the part they share. It enlarges as well (a pixel then
// covers parts of at most two source pixels each way) and copies exactly at the same size.
// False when either image is null or the source is taller than 16 million pixels.
bool isDecimateRgb(const RgbImage &src, RgbImage &dst);

} // namespace gb
