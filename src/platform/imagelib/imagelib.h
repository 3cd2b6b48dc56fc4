#pragma once

#include "platform/imagelib/codec.h"
#include "platform/imagelib/quantize.h"

namespace gb {

// File-type numbers of the image layer. 1 to 9 are the program's image type codes of the
// same formats; the layer has no number for Photoshop files.
enum ImgFileType : int {
    ImgTypeUnknown = 0,
    ImgTypeBmp = 1,
    ImgTypeGif = 2,
    ImgTypeJpg = 3,
    ImgTypePng = 4,
    ImgTypePcx = 5,
    ImgTypeTiff = 6,
    ImgTypeWmf = 7,
    ImgTypeEmf = 8,
    ImgTypeTga = 9,
};

// The content test: the file type that the first bytes of the file show, 0 when none.
// Signatures: "BM" (BMP), "GIF87a"/"GIF89a", FF D8 FF (JPEG), the PNG signature,
// a ZSoft header (PCX), "II*\0"/"MM\0*" (TIFF), a placeable or standard metafile header
// (WMF), an EMR_HEADER with " EMF" (EMF); Targa has no signature and is recognised by a
// plausible header, tested last. Photoshop files ("8BPS") are never claimed.
int guessFileType(ByteSpan file);

// Decodes the file as the given type (1..9). fitW x fitH is the box the caller will fit the
// result into (0 = none); only JPEG uses it, to decode at a reduced scale (see readJpeg()).
// Metafiles are rendered into at most 5000 x 5000 pixels on white. Any other type fails
// with ImgBadParameter.
RgbImage readImage(ByteSpan file, int type, int &error, int fitW = 0, int fitH = 0);

// Header-only width, height and bits per pixel for the types with a header reader
// (BMP, GIF, JPEG, PNG, PCX, TIFF). Other types (metafiles, Targa) fail with ImgBadParameter.
// The size is the upright one the reader gives; a size the reader would refuse (a side of 0,
// an area over its limit) fails, and the outputs are then left alone.
bool readImageDims(ByteSpan file, int type, int &width, int &height, int &bits, int &error);

// Options of the writers; each format reads only its own.
struct WriteOptions {
    int jpegQuality = 75;    // JPEG, 1..100
    bool progressive = false; // JPEG
    int colors = 256;        // GIF always; TIFF 8-bit when 1..256, 24-bit otherwise
};

// Encodes img as the given type (1..9) into out. TIFF with 1..256 colours is quantised to
// an 8-bit palette image; when that fails it is written in 24 bits. Any other type fails
// with ImgBadParameter.
bool writeImage(const RgbImage &img, int type, QByteArray &out, int &error,
                const WriteOptions &options = WriteOptions());

} // namespace gb
