#pragma once

#include "platform/imagelib/rgbimage.h"

namespace gb {

// Fills dst (same size as src) with src filtered by a 3 x 3 matrix (coefficients row by
// row from the top left) divided by the factor, on the channels of the mask (red 1,
// green 2, blue 4), results held to 0..255. A factor of 0 acts as 1. The other channels are copied, or set to 0 when zeroOthers is
// true. With feedback the filter runs down the image in place, so the pixels above and to
// the left that it reads are those it has already filtered. Edges repeat the outermost
// pixels. Centre 1, factor 1 copies the image, with or without feedback. False when an
// image is null, the sizes differ or a value is not finite.
bool isApplyMatrixToRgb(const RgbImage &src, RgbImage &dst, int channelMask, bool zeroOthers, bool feedback,
                        double factor, const double matrix[9]);

} // namespace gb
