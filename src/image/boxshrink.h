#pragma once

#include "platform/imagelib/rgbimage.h"

namespace gb {

// Shrinks an image by a whole factor: every target pixel is the mean of a factor x factor
// block of source pixels (the blocks of the last row and column may be smaller and are
// averaged over the pixels they hold). The target is ceil(width / factor) x ceil(height /
// factor). Rows are shared out among a few threads; the result does not depend on how.
//
// Used ahead of pixel-area averaging when a large image is fitted into a small pane: the
// image is read once with integer sums, and the exact averaging then works on a picture at
// least twice the pane's size. A null image when src is null or factor < 1; factor 1 copies.
RgbImage boxShrink(const RgbImage &src, int factor);

} // namespace gb
