#pragma once

#include "platform/imagelib/codec.h"

namespace gb {

// Camera orientation tags (the EXIF and TIFF Orientation tag, 1 to 8): how the stored rows
// and columns must be turned or mirrored to show the picture upright.
//   1 as stored        2 mirrored left-right   3 turned half round   4 mirrored top-bottom
//   5 transposed       6 turned a quarter clockwise
//   7 transversed      8 turned a quarter anticlockwise
// Files written by the program carry no tag, so every decode applies it.

// Whether the orientation swaps width and height (5 to 8).
inline bool orientationTransposes(int orientation) { return orientation >= 5 && orientation <= 8; }

// The orientation stored in an EXIF block, given as the JPEG APP1 payload ("Exif\0\0", then a
// TIFF header and its first directory). 1 when there is none or it cannot be read.
int exifOrientation(ByteSpan app1);

// The picture turned upright. Orientation 1 and values outside 1..8 give the image back
// as it is; a null image comes back when the memory for the turned copy cannot be had.
RgbImage applyOrientation(RgbImage img, int orientation);

} // namespace gb
