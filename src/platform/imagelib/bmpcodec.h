#pragma once

#include "platform/imagelib/codec.h"

namespace gb {

// Windows and OS/2 bitmaps: 1, 2, 4, 8 bits with a colour table, 16 and 32 bits plain or
// with bit-field masks, 24 bits; RLE8 and RLE4 coded 8- and 4-bit images; rows bottom-up
// (positive height) or top-down (negative height). Pixels that an RLE image skips take
// colour-table entry 0. Alpha is ignored. JPEG- or PNG-in-BMP and RLE24 are refused with
// ImgRleUnsupported; any other damage gives ImgBadBmp.
RgbImage readBmp(ByteSpan file, int &error);

// Width, height (positive for both row orders) and bits per pixel from the header.
bool readBmpDims(ByteSpan file, int &width, int &height, int &bits, int &error);

// Writes a bottom-up 24-bit BI_RGB bitmap with a 40-byte header.
bool writeBmp(const RgbImage &img, QByteArray &out, int &error);

// A device-independent bitmap as metafiles hold it: info starts at the bitmap header
// (BITMAPINFOHEADER or BITMAPCOREHEADER) and holds the colour table after it; bits holds
// the pixel rows. When bits is null the rows follow the colour table inside info (a packed
// DIB). Errors as readBmp.
RgbImage decodeDib(ByteSpan info, const ByteSpan *bits, int &error);

// The packed 24-bit DIB of an image (40-byte header, no colour table, bottom-up rows),
// as a bitmap file or a metafile bitmap record holds it.
QByteArray encodeDib(const RgbImage &img);

} // namespace gb
