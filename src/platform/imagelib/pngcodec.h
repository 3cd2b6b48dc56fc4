#pragma once

#include "platform/imagelib/codec.h"

namespace gb {

// PNG through libpng. Every colour type and bit depth is read into 8-bit RGB; an image
// with transparency is composed onto white. 16-bit samples are reduced to 8 bits.
RgbImage readPng(ByteSpan file, int &error);

// Width, height and bits per pixel (bit depth x channels, 8 for palette images) from IHDR.
bool readPngDims(ByteSpan file, int &width, int &height, int &bits, int &error);

// Encodes as 8-bit RGB, non-interlaced, with the default compression level.
bool writePng(const RgbImage &img, QByteArray &out, int &error);

} // namespace gb
