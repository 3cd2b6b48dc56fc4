#pragma once

#include "platform/imagelib/rgbimage.h"

#include <cstdint>

namespace gb {

// Replaces, in place, every byte of the channels in the mask (red 1, green 2, blue 4) by
// the table's entry for it; the other channels stay. False for a null image or table.
bool isApplyLutToRgb(RgbImage &img, int channelMask, const uint8_t table[256]);

} // namespace gb
