#pragma once

#include "platform/imagelib/codec.h"

namespace gb {

// Windows metafiles (WMF, with or without the placeable header) and enhanced metafiles
// (EMF) that hold bitmaps. The bitmap records (WMF StretchDIB, DIBStretchBlt, DIBBitBlt,
// SetDIBitsToDevice; EMF StretchDIBits, SetDIBitsToDevice, BitBlt, StretchBlt) are drawn
// in order onto a canvas of the background colour (a colour number, red + green * 256 +
// blue * 65536), stretched with nearest-neighbour sampling; raster operations are taken as
// plain copies. Vector drawing is not rendered, and a metafile without any bitmap record
// fails with ImgBadMetafile, as does any damaged file and one whose bitmaps together
// would cover the canvas more than 16 times over.
//
// The canvas is the picture frame of the file: the placeable header's bounding box (at its
// units per inch, shown at 96 dots per inch), else the window origin and extent, else the
// area the bitmaps cover (WMF); the header's bounds (EMF). A canvas larger than maxWidth x
// maxHeight is scaled down to fit that box, keeping its shape.
RgbImage readMetafile(ByteSpan file, int &error, int maxWidth, int maxHeight, uint32_t background);

// readMetafile() with the box 5000 x 5000 and a white background, as images are loaded.
RgbImage readWmf(ByteSpan file, int &error);
RgbImage readEmf(ByteSpan file, int &error);

// Writes the image as one 24-bit StretchDIB record: a placeable WMF at 96 units per inch
// whose window is the image's size in pixels (sides up to 32767), or an EMF whose bounds
// are the image. Reading either back gives the same pixels.
bool writeWmf(const RgbImage &img, QByteArray &out, int &error);
bool writeEmf(const RgbImage &img, QByteArray &out, int &error);

} // namespace gb
