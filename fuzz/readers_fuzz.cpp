// One libFuzzer entry point per image reader; the build picks the reader with FUZZ_<FORMAT>.
// Each input goes through the full reader and, where the format has one, the header reader.

#include "platform/imagelib/codec.h"

#include <cstddef>
#include <cstdint>

#if defined(FUZZ_BMP)
#include "platform/imagelib/bmpcodec.h"
#elif defined(FUZZ_PCX)
#include "platform/imagelib/pcxcodec.h"
#elif defined(FUZZ_TGA)
#include "platform/imagelib/tgacodec.h"
#elif defined(FUZZ_WMF) || defined(FUZZ_EMF)
#include "platform/imagelib/metafilecodec.h"
#elif defined(FUZZ_JPEG)
#include "platform/imagelib/jpegcodec.h"
#include "platform/imagelib/jpegsplit.h"
#elif defined(FUZZ_PNG)
#include "platform/imagelib/pngcodec.h"
#elif defined(FUZZ_GIF)
#include "platform/imagelib/gifcodec.h"
#elif defined(FUZZ_TIFF)
#include "platform/imagelib/tiffcodec.h"
#elif defined(FUZZ_PSD)
#include "image/psfile.h"
#include <QBuffer>
#endif

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const gb::ByteSpan file{data, size};
    int error = 0, w = 0, h = 0, bits = 0;
    (void)file;
    (void)w;
    (void)h;
    (void)bits;
#if defined(FUZZ_BMP)
    gb::readBmp(file, error);
    gb::readBmpDims(file, w, h, bits, error);
#elif defined(FUZZ_PCX)
    gb::readPcx(file, error);
    gb::readPcxDims(file, w, h, bits, error);
#elif defined(FUZZ_TGA)
    gb::readTga(file, error);
#elif defined(FUZZ_WMF) || defined(FUZZ_EMF)
    // A small box keeps the canvas small, so many more inputs run through the same parsing
    // and drawing code; the box only scales the canvas.
    gb::readMetafile(file, error, 256, 256, 0xFFFFFF);
#elif defined(FUZZ_JPEG)
    gb::readJpeg(file, error);
    gb::readJpeg(file, error, 40, 40);
    // Large progressive photos are split into a stream per component; small inputs go that
    // way too here.
    const size_t threshold = gb::jpegSplitThreshold();
    gb::setJpegSplitThreshold(0);
    gb::readJpeg(file, error, 40, 40);
    gb::setJpegSplitThreshold(threshold);
    gb::readJpegDims(file, w, h, bits, error);
#elif defined(FUZZ_PNG)
    gb::readPng(file, error);
    gb::readPngDims(file, w, h, bits, error);
#elif defined(FUZZ_GIF)
    gb::readGif(file, error);
    gb::readGifDims(file, w, h, bits, error);
#elif defined(FUZZ_TIFF)
    gb::readTiff(file, error);
    gb::readTiffDims(file, w, h, bits, error);
#elif defined(FUZZ_PSD)
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    gb::PsFile ps(bytes);
    if (ps.isValid())
        ps.createRgb();
#endif
    (void)error;
    return 0;
}
