#pragma once

#include "platform/imagelib/rgbimage.h"

class QPainter;

namespace gb {

// Draws the image on a painter's device with its top-left corner at (x, y), scaled to
// width x height (the image's own size draws it unscaled). False for a null image, a size
// that is not positive or a painter that is not active.
bool isDrawRgb(QPainter &painter, const RgbImage &img, int x, int y, int width, int height);

} // namespace gb
