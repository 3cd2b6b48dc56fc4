#pragma once

#include "platform/imagelib/codec.h"
#include "platform/imagelib/quantize.h"

namespace gb {

// GIF through giflib. Only the first image of the file is read. The result has the size of
// the logical screen when the first image lies inside it (anything the image does not
// cover, and its transparent pixels, are white); otherwise, and when the screen is larger
// than the file could ever fill, the size of the image itself.
RgbImage readGif(ByteSpan file, int &error);

// Logical screen width and height, and bits = the colour resolution of the first colour
// table (1..8).
bool readGifDims(ByteSpan file, int &width, int &height, int &bits, int &error);

// Writes one GIF89a image from an indexed image (palette of at most 256 colour numbers).
bool writeGif8(const IndexedImage &img, QByteArray &out, int &error);

// Quantises img to at most maxColors colours (0 or less: 256) with quantize() and writes it.
bool writeGif(const RgbImage &img, QByteArray &out, int &error, int maxColors);

} // namespace gb
