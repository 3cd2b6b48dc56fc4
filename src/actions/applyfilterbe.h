#pragma once

#include "platform/imagelib/rgbimage.h"

#include <array>

namespace gb {

// Action "Apply Filter": a new image, src filtered by a user's 3 x 3 matrix filter, given
// as the filter record's parts: the nine coefficients row by row, the red, green and blue
// switches (the channel mask red 1 + green 2 + blue 4; none set gives mask 0), "Zero non
// participated channels", "Use Feedback" and the factor. A null image on failure; src is
// left alone.
RgbImage applyFilterBE(const RgbImage &src, const std::array<double, 9> &coefficients, bool red, bool green,
                       bool blue, bool zeroOthers, bool feedback, double factor);

} // namespace gb
