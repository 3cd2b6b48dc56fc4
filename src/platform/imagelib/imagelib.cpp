#include "platform/imagelib/imagelib.h"

#include "platform/imagelib/bmpcodec.h"
#include "platform/imagelib/gifcodec.h"
#include "platform/imagelib/jpegcodec.h"
#include "platform/imagelib/metafilecodec.h"
#include "platform/imagelib/pcxcodec.h"
#include "platform/imagelib/pngcodec.h"
#include "platform/imagelib/tgacodec.h"
#include "platform/imagelib/tiffcodec.h"

#include <cstring>

namespace gb {

namespace {

bool startsWith(ByteSpan f, const char *sig, size_t n)
{
    return f.size >= n && memcmp(f.data, sig, n) == 0;
}

bool isPcx(ByteSpan f)
{
    if (f.size < 128 || f.data[0] != 0x0A)
        return false;
    const uint8_t version = f.data[1], encoding = f.data[2], bpp = f.data[3];
    const bool knownVersion = version == 0 || version == 2 || version == 3 || version == 4 || version == 5;
    const bool knownDepth = bpp == 1 || bpp == 2 || bpp == 4 || bpp == 8;
    return knownVersion && encoding <= 1 && knownDepth && le16(f.data + 8) >= le16(f.data + 4)
        && le16(f.data + 10) >= le16(f.data + 6);
}

bool isWmf(ByteSpan f)
{
    if (f.size >= 22 && le32(f.data) == 0x9AC6CDD7u)
        return true; // placeable metafile key
    // Standard header: type 1 (memory) or 2 (disk), 9 words long, version 0x100 or 0x300.
    return f.size >= 18 && (le16(f.data) == 1 || le16(f.data) == 2) && le16(f.data + 2) == 9
        && (le16(f.data + 4) == 0x300 || le16(f.data + 4) == 0x100);
}

bool isEmf(ByteSpan f)
{
    return f.size >= 88 && le32(f.data) == 1 && memcmp(f.data + 40, " EMF", 4) == 0;
}

bool isTga(ByteSpan f)
{
    if (f.size < 18)
        return false;
    const uint8_t mapType = f.data[1], imageType = f.data[2], depth = f.data[16];
    const bool knownType = imageType == 1 || imageType == 2 || imageType == 3 || imageType == 9
        || imageType == 10 || imageType == 11;
    if (mapType > 1 || !knownType || le16(f.data + 12) == 0 || le16(f.data + 14) == 0)
        return false;
    if (imageType == 1 || imageType == 9) {
        // Colour-mapped: a map must be present with a sensible entry size, 8-bit indices.
        const uint8_t entryBits = f.data[7];
        return mapType == 1 && depth == 8
            && (entryBits == 15 || entryBits == 16 || entryBits == 24 || entryBits == 32);
    }
    if (imageType == 3 || imageType == 11)
        return depth == 8 || depth == 16;
    return depth == 15 || depth == 16 || depth == 24 || depth == 32;
}

} // namespace

int guessFileType(ByteSpan f)
{
    if (!f.data || f.size < 2)
        return ImgTypeUnknown;
    if (startsWith(f, "\xFF\xD8\xFF", 3))
        return ImgTypeJpg;
    if (startsWith(f, "\x89PNG\r\n\x1A\n", 8))
        return ImgTypePng;
    if (startsWith(f, "GIF87a", 6) || startsWith(f, "GIF89a", 6))
        return ImgTypeGif;
    if (startsWith(f, "II*\0", 4) || startsWith(f, "MM\0*", 4))
        return ImgTypeTiff;
    if (startsWith(f, "BM", 2) && f.size >= 26)
        return ImgTypeBmp;
    if (isEmf(f))
        return ImgTypeEmf;
    if (isWmf(f))
        return ImgTypeWmf;
    if (isPcx(f))
        return ImgTypePcx;
    if (startsWith(f, "8BPS", 4))
        return ImgTypeUnknown;
    if (isTga(f))
        return ImgTypeTga;
    return ImgTypeUnknown;
}

RgbImage readImage(ByteSpan file, int type, int &error, int fitW, int fitH)
{
    switch (type) {
    case ImgTypeBmp: return readBmp(file, error);
    case ImgTypeJpg: return readJpeg(file, error, fitW, fitH);
    case ImgTypePng: return readPng(file, error);
    case ImgTypeGif: return readGif(file, error);
    case ImgTypeTiff: return readTiff(file, error);
    case ImgTypePcx: return readPcx(file, error);
    case ImgTypeTga: return readTga(file, error);
    case ImgTypeWmf: return readWmf(file, error);
    case ImgTypeEmf: return readEmf(file, error);
    default: error = ImgBadParameter; return {};
    }
}

bool readImageDims(ByteSpan file, int type, int &width, int &height, int &bits, int &error)
{
    int w = 0, h = 0, b = 0, badFile = ImgBadParameter;
    bool ok = false;
    switch (type) {
    case ImgTypeBmp: ok = readBmpDims(file, w, h, b, error); badFile = ImgBadBmp; break;
    case ImgTypeJpg: ok = readJpegDims(file, w, h, b, error); badFile = ImgBadJpg; break;
    case ImgTypePng: ok = readPngDims(file, w, h, b, error); badFile = ImgBadPng; break;
    case ImgTypeGif: ok = readGifDims(file, w, h, b, error); badFile = ImgBadGif; break;
    case ImgTypeTiff: ok = readTiffDims(file, w, h, b, error); badFile = ImgBadTiff; break;
    case ImgTypePcx: ok = readPcxDims(file, w, h, b, error); badFile = ImgBadPcx; break;
    default: error = ImgBadParameter; return false;
    }
    if (!ok)
        return false;
    // A size the reader refuses is no size either: an empty side is a damaged file, and an
    // area past the readers' limit could never be loaded.
    if (!pixelCountAllowed(w, h)) {
        error = (w <= 0 || h <= 0) ? badFile : ImgOutOfMemory;
        return false;
    }
    width = w;
    height = h;
    bits = b;
    return true;
}

bool writeImage(const RgbImage &img, int type, QByteArray &out, int &error, const WriteOptions &options)
{
    switch (type) {
    case ImgTypeBmp: return writeBmp(img, out, error);
    case ImgTypeJpg: return writeJpeg(img, out, error, options.jpegQuality, options.progressive);
    case ImgTypePng: return writePng(img, out, error);
    case ImgTypeGif: return writeGif(img, out, error, options.colors);
    case ImgTypeTiff:
        if (options.colors >= 1 && options.colors <= 256) {
            const IndexedImage indexed = quantize(img, options.colors);
            if (!indexed.isNull())
                return writeTiff8(indexed, out, error);
        }
        return writeTiff(img, out, error);
    case ImgTypePcx: return writePcx(img, out, error);
    case ImgTypeTga: return writeTga(img, out, error);
    case ImgTypeWmf: return writeWmf(img, out, error);
    case ImgTypeEmf: return writeEmf(img, out, error);
    default: error = ImgBadParameter; return false;
    }
}

} // namespace gb
