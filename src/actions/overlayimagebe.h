#pragma once

#include "platform/imagelib/rgbimage.h"

#include <QString>

#include <cstdint>

namespace gb {

// Action "Overlay Image", in place: loads the overlay file and blends it, at its own size,
// at the placement code and margins of alignPosition(), with the opacity (0 .. 1); with
// `transparent` the overlay's pixels of the transparent colour (red + green * 256 + blue *
// 65536) leave the image as it is. Parts outside the image are cut off. False, image
// unchanged, when the file cannot be loaded (the load error is not shown) or the image
// is null.
bool overlayImageBE(RgbImage &img, const QString &overlayFile, int placement, int left, int top, int right,
                    int bottom, bool transparent, uint32_t transparentColor, double opacity);

} // namespace gb
