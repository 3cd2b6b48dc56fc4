#pragma once

#include "platform/imagelib/codec.h"
#include "platform/imagelib/quantize.h"

namespace gb {

// TIFF through libtiff. Only the first directory is read; every photometric interpretation
// and compression that libtiff decodes is accepted (LZW included), alpha composed onto white.
RgbImage readTiff(ByteSpan file, int &error);

// Width, height and bits per pixel (bits per sample x samples per pixel) of the first directory.
bool readTiffDims(ByteSpan file, int &width, int &height, int &bits, int &error);

// Writes an uncompressed 24-bit RGB TIFF.
bool writeTiff(const RgbImage &img, QByteArray &out, int &error);

// Writes an uncompressed 8-bit palette TIFF (the palette padded to 256 entries with black).
bool writeTiff8(const IndexedImage &img, QByteArray &out, int &error);

} // namespace gb
