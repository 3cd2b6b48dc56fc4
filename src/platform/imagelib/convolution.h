#pragma once

#include "platform/imagelib/rgbimage.h"

namespace gb {

// Fills dst (same size as src) with src convolved by a kernelWidth x kernelHeight kernel
// (both odd, at most 31; coefficients row by row from the top left) divided by the level,
// each channel on its own, results held to 0..255. A level of 0 acts as 1. Edges repeat the outermost pixels. A kernel whose only non-zero
// coefficient is its centre, equal to the level, copies the image. False when an image is
// null, the sizes differ, a kernel side is even or out of range, or a value is not finite.
bool isApplyConvolutionFilterToRgb(const RgbImage &src, RgbImage &dst, int kernelWidth, int kernelHeight,
                                   const double *kernel, double level);

} // namespace gb
