#pragma once

#include "platform/imagelib/rgbimage.h"

#include <array>

namespace gb {

// Action "Apply Convolution Filter": a new image, src convolved by a user's 7 x 7 filter,
// given as the record's 49 coefficients row by row and its level (0 acts as 1). A null
// image on failure; src is left alone.
RgbImage applyConvFilter(const RgbImage &src, const std::array<double, 49> &coefficients, double level);

} // namespace gb
