#pragma once

#include "platform/imagelib/rgbimage.h"

namespace gb {

// Action "Glass Frame", in place: the size rule of createButtonImage() (0 or less: false,
// nothing drawn), then glassFrameRgb().
bool applyFrameGlass(RgbImage &img, int size);

// Blends the whole image toward light greys (averageRgb, every byte (byte + level) / 2):
// with step = 63 / s rounded down, row H - s + i (i = 1 .. s) across the whole width and
// then column W - s + i above the bottom band with level 255 - (i - 1) * step; the top band
// (1, 1, W - s, s) and the left band (1, s + 1, s, H - 2s) with 255; the inside
// (s + 1, s + 1, W - 2s, H - 2s) with 192. The bands do not overlap. Success is that of the
// last bottom row's blend, and every later blend is made only while it holds.
bool glassFrameRgb(RgbImage &img, int size);

} // namespace gb
