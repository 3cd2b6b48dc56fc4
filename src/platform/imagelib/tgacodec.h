#pragma once

#include "platform/imagelib/codec.h"

namespace gb {

// Truevision Targa: colour-mapped (8- or 16-bit indices into a map of 15-, 16-, 24- or
// 32-bit entries), true colour of 15, 16, 24 or 32 bits, and 8-bit grey, each plain or
// run-length coded (packets may cross rows), with the origin at the bottom or the top and
// rows left to right or right to left. Alpha is ignored. Damage gives ImgBadTga.
RgbImage readTga(ByteSpan file, int &error);

// Writes an uncompressed 24-bit true-colour image, origin at the bottom left.
bool writeTga(const RgbImage &img, QByteArray &out, int &error);

} // namespace gb
