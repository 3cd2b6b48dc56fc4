#pragma once

#include "platform/imagelib/codec.h"

namespace gb {

// ZSoft Paintbrush images, run-length coded or plain: 1 bit in 1 to 4 planes (monochrome
// as black and white, more planes through the 16-colour header palette), 2 and 4 bits in
// one plane (header palette), 8 bits in one plane (the 256-colour palette at the end of
// the file, or grey levels when it is missing), 8 bits in 3 or 4 planes (RGB; a fourth
// plane is ignored). Runs may cross rows. Damage gives ImgBadPcx.
RgbImage readPcx(ByteSpan file, int &error);

// Width, height and bits per pixel (bits per plane x planes) from the 128-byte header.
bool readPcxDims(ByteSpan file, int &width, int &height, int &bits, int &error);

// Writes version 5, run-length coded, 8 bits in three planes.
bool writePcx(const RgbImage &img, QByteArray &out, int &error);

} // namespace gb
