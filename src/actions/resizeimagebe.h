#pragma once

#include "platform/imagelib/rgbimage.h"

#include <QSize>
#include <QStringList>

namespace gb {

// The five resize types, codes 1 to 5: "Best fit - keep aspect ratio", "Fixed width -
// keep aspect ratio", "Fixed height - keep aspect ratio", "Stretch to fit", "Percent".
// (The resize dialog lists them in the order 1, 2, 3, 5, 4.)
QStringList resizeTypeLabels();

// The size an image of W x H gets by the resize type, with ratio = W / H rounded to 8
// decimal places and every computed side rounded to the nearest whole number, halves up:
//   1 best fit: width, width / ratio; when that height exceeds the given height:
//     height * ratio, height (it may enlarge: the largest size of the proportions that fits)
//   2 fixed width: width, width / ratio         3 fixed height: height * ratio, height
//   4 stretch: the given width and height       5 percent: W * percent / 100, H * percent / 100
// Computed in 64 bits; any side below 1 becomes 1. An empty size for an unknown type, an
// empty image size, or a result over RgbImage::kMaxPixels pixels.
QSize calcResizeDims(int type, int W, int H, int width, int height, double percent);

// The image resized by the type (see calcResizeDims), as a new image: bilinear resampling
// when `bilinear` is true (a resize command without that slot passes true), pixel-area
// averaging otherwise. A null image when the size cannot be made; the source is left alone.
RgbImage resizeImageBE(const RgbImage &src, int type, int width, int height, double percent, bool bilinear = true);

} // namespace gb
