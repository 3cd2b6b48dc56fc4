#pragma once

#include "platform/imagelib/rgbimage.h"

#include <cstdint>

namespace gb {

// The angle constant of the rotate action: 3.14159265359, that value and not a more
// precise one, so that angles convert as stored scripts expect.
inline constexpr double piValue = 3.14159265359;

// The image turned by the angle in degrees (positive to the left, as the rotate dialog
// stores a left turn as 90 and a right one as -90), as a new image whose size is the
// turned image's bounding box; uncovered corners get the background colour (red + green
// * 256 + blue * 65536). Radians are angle / 180 * piValue, divided first. Quarter turns
// are exact: 90 degrees of W x H gives H x W. A null image on failure; the source is left
// alone.
RgbImage rotateImageBE(const RgbImage &src, double angle, uint32_t background);

} // namespace gb
