#pragma once

#include "platform/imagelib/rgbimage.h"

#include <cstdint>
#include <vector>

namespace gb {

// Reduces the image to at most colorCount colours (2 .. 256) by median cut: fills indices
// with one palette index per pixel (width * height entries) and palette with colorCount
// colour numbers (red + green * 256 + blue * 65536); entries the image does not need are
// black. False for a null image or a count outside 2 .. 256.
bool isQuantizeRgbTo8Bit(const RgbImage &img, std::vector<uint8_t> &indices, int colorCount,
                         std::vector<uint32_t> &palette);

// Turns an index image and its palette back into 24-bit pixels in img, whose size gives
// the index image's. An index past colorCount reads as black. False when img is null, the
// index image is too short or the palette holds fewer than colorCount entries.
bool is8BitToRgb(const std::vector<uint8_t> &indices, RgbImage &img, int colorCount,
                 const std::vector<uint32_t> &palette);

} // namespace gb
