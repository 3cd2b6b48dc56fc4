#pragma once

#include "platform/imagelib/rgbimage.h"

#include <cstdint>

namespace gb {

// A new image of (left + W + right) x (top + H + bottom): four bands of the colour around
// a copy of src, whose top-left pixel lands at column left + 1, row top + 1 (counted from
// 1). Widths below 0 count as 0 (damaged commands). A null image when src is null or the
// new image would pass RgbImage::kMaxPixels or cannot be made; src is left alone.
RgbImage addBorder2Rgb(const RgbImage &src, int top, int bottom, int left, int right, uint8_t red, uint8_t green,
                       uint8_t blue);

// Action "Add Border": addBorder2Rgb with the command's widths in its own order, top,
// left, right, bottom.
RgbImage addBorderBE(const RgbImage &src, int top, int left, int right, int bottom, uint8_t red, uint8_t green,
                     uint8_t blue);

} // namespace gb
