#pragma once

#include "platform/imagelib/rgbimage.h"

#include <cstdint>

namespace gb {

// Action "Buttonize", in place: a size of 0 or less draws nothing and gives false; a size
// over half the width or half the height (each rounded down) becomes half the smaller
// side, rounded down, so every ring stays inside the image. Then buttonizeRgb().
bool createButtonImage(RgbImage &img, int size, uint8_t red, uint8_t green, uint8_t blue);

// Paints `size` concentric one-pixel rings over the image's edge, ring 1 outermost,
// replacing the pixels. With step = (255 - c) / (size + 1) per channel (rounded down), ring
// i's bottom and right edges get c + (i - 1) * step and its top and left edges c + i * step,
// so the colour runs from the given one toward white. In 1-based rectangles (x, y, w, h):
// bottom (i + 1, H - i + 1, W - 2i, 1), right (W - i + 1, i + 1, 1, H - 2i + 1),
// top (i, i, W - 2i + 2, 1), left (i, i, 1, H - 2i + 2), in that order; painting stops
// at the first fill that fails, and the result says whether all succeeded.
bool buttonizeRgb(RgbImage &img, int size, uint8_t red, uint8_t green, uint8_t blue);

} // namespace gb
