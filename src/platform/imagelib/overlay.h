#pragma once

#include "platform/imagelib/rgbimage.h"

#include <cstdint>

namespace gb {

// Blends top into bottom with top's top-left corner at (x, y) of bottom, both counted
// from 0. Opacity 1 copies top's pixels, 0 leaves bottom as it was; values outside 0..1
// are held to that range. Top may lie partly or wholly outside bottom at any of the four
// edges: only the part inside is drawn. False when either image is null.
bool isOverlayRgb(RgbImage &bottom, const RgbImage &top, int x, int y, double opacity);

// As isOverlayRgb, but bottom's pixels stay wherever top has exactly the transparent
// colour (red + green * 256 + blue * 65536).
bool isOverlayRgbTrans(RgbImage &bottom, const RgbImage &top, int x, int y, double opacity,
                       uint32_t transparentColor);

} // namespace gb
