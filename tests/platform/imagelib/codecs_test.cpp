#include "platform/imagelib/gifcodec.h"
#include "platform/imagelib/imagelib.h"
#include "platform/imagelib/jpegcodec.h"
#include "platform/imagelib/largememory.h"
#include "platform/imagelib/parallel.h"
#include "platform/imagelib/pngcodec.h"
#include "platform/imagelib/tiffcodec.h"

#include "platform/imagelib/libjpegencode.h"
#include "platform/imagelib/pixeldiff.h"
#include "support/testutil.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <gif_lib.h>
#include <jpeglib.h>
#include <png.h>
#include <tiffio.h>

#include <cstdlib>
#include <cstring>
#include <vector>

using namespace gb;
using gbtest::maxDiff;

namespace {

// A smooth picture (for JPEG) and a picture of few colours (exact through palettes).
RgbImage gradient(int w, int h)
{
    RgbImage img = RgbImage::create(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t *p = img.pixel(x, y);
            p[0] = uint8_t(x * 255 / (w - 1));
            p[1] = uint8_t(y * 255 / (h - 1));
            p[2] = uint8_t((x + y) * 127 / (w + h));
        }
    return img;
}

RgbImage blocks(int w, int h)
{
    static const uint8_t colors[4][3] = {{255, 0, 0}, {0, 128, 0}, {0, 0, 255}, {250, 250, 10}};
    RgbImage img = RgbImage::create(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            memcpy(img.pixel(x, y), colors[((x / 5) + (y / 3)) % 4], 3);
    return img;
}


QByteArray encode(const RgbImage &img, int type, const WriteOptions &o = WriteOptions())
{
    QByteArray out;
    int error = -1;
    EXPECT_TRUE(writeImage(img, type, out, error, o)) << "type " << type;
    EXPECT_EQ(error, ImgOk);
    return out;
}

} // namespace

TEST(Codecs, WrittenFilesReadBackRecognisedAndMeasured)
{
    struct Case {
        int type;
        bool smooth;
        WriteOptions options;
        int tolerance;
        int bits;
    } cases[] = {
        {ImgTypeJpg, true, {95, false, 256}, 6, 24},
        {ImgTypeJpg, true, {95, true, 256}, 6, 24},
        {ImgTypePng, true, {}, 0, 24},
        {ImgTypeBmp, true, {}, 0, 24},
        {ImgTypeTiff, true, {75, false, 0}, 0, 24},
        {ImgTypeTiff, true, {75, false, 257}, 0, 24},
        {ImgTypeTiff, false, {75, false, 256}, 0, 8},
        {ImgTypeGif, false, {75, false, 256}, 0, 2}, // four colours: a 4-entry table
        {ImgTypeGif, true, {75, false, 0}, 40, 8},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.type);
        const RgbImage src = c.smooth ? gradient(61, 37) : blocks(61, 37);
        const QByteArray file = encode(src, c.type, c.options);
        EXPECT_EQ(guessFileType(byteSpan(file)), c.type);
        int error = -1, w = 0, h = 0, bits = 0;
        ASSERT_TRUE(readImageDims(byteSpan(file), c.type, w, h, bits, error));
        EXPECT_EQ(w, 61);
        EXPECT_EQ(h, 37);
        EXPECT_EQ(bits, c.bits);
        const RgbImage back = readImage(byteSpan(file), c.type, error);
        ASSERT_FALSE(back.isNull()) << error;
        EXPECT_LE(maxDiff(src, back), c.tolerance);
    }
}

TEST(Codecs, JpegQualityAndProgressiveChangeTheFile)
{
    const RgbImage src = gradient(64, 64);
    const QByteArray low = encode(src, ImgTypeJpg, {10, false, 256});
    const QByteArray high = encode(src, ImgTypeJpg, {100, false, 256});
    const QByteArray prog = encode(src, ImgTypeJpg, {100, true, 256});
    EXPECT_LT(low.size(), high.size());
    // A progressive file carries an SOF2 marker.
    EXPECT_TRUE(prog.contains(QByteArray("\xFF\xC2", 2)));
    EXPECT_FALSE(high.contains(QByteArray("\xFF\xC2", 2)));
}

TEST(Codecs, GifKeepsToTheAskedColourCount)
{
    const RgbImage src = gradient(40, 40);
    const QByteArray file = encode(src, ImgTypeGif, {75, false, 16});
    int error = 0;
    const RgbImage back = readGif(byteSpan(file), error);
    ASSERT_FALSE(back.isNull());
    std::vector<uint32_t> seen;
    for (size_t i = 0; i < back.pixelCount(); ++i) {
        const uint8_t *p = back.data() + i * 3;
        const uint32_t c = p[0] | (p[1] << 8) | (p[2] << 16);
        if (std::find(seen.begin(), seen.end(), c) == seen.end())
            seen.push_back(c);
    }
    EXPECT_LE(seen.size(), 16u);
    EXPECT_GT(seen.size(), 4u);

    // One colour asked gives one, through GIF and through 8-bit TIFF alike.
    for (int type : {ImgTypeGif, ImgTypeTiff}) {
        const RgbImage flat = readImage(byteSpan(encode(src, type, {75, false, 1})), type, error);
        ASSERT_FALSE(flat.isNull()) << type;
        for (size_t i = 3; i < flat.byteCount(); ++i)
            ASSERT_EQ(flat.data()[i], flat.data()[i % 3]) << type;
    }
}

TEST(Codecs, JpegReducedScaleKeepsTwiceTheBox)
{
    struct Case {
        int w, h, boxW, boxH, denom;
    } cases[] = {
        {800, 600, 80, 80, 4},   // fitted 80x60: /4 gives 200x150, /8 only 100x75
        {1920, 1080, 80, 80, 8}, // fitted 80x45: /8 gives 240x135
        {300, 200, 80, 80, 1},   // fitted 80x53: /2 gives 150x100 < 160
        {800, 600, 0, 0, 1},
        {100, 100, 400, 400, 1}, // never enlarged
    };
    for (const Case &c : cases)
        EXPECT_EQ(jpegScaleDenominator(c.w, c.h, c.boxW, c.boxH), c.denom) << c.w << "x" << c.h;

    const QByteArray file = encode(gradient(800, 600), ImgTypeJpg, {90, false, 256});
    int error = 0;
    const RgbImage small = readJpeg(byteSpan(file), error, 80, 80);
    EXPECT_EQ(small.width(), 200);
    EXPECT_EQ(small.height(), 150);
    // The reduced decode still shows the picture: the top-right corner is red.
    EXPECT_GT(small.pixel(199, 0)[0], 200);
    int w = 0, h = 0, bits = 0;
    ASSERT_TRUE(readJpegDims(byteSpan(file), w, h, bits, error));
    EXPECT_EQ(w, 800);
}

namespace {

QByteArray cmykJpeg(const uint8_t sample[4], int w, int h)
{
    std::vector<uint8_t> row(size_t(w) * 4);
    for (int x = 0; x < w; ++x)
        memcpy(&row[size_t(x) * 4], sample, 4);
    return gbtest::libjpegEncode(w, h, 4, JCS_CMYK, [&](int) { return row.data(); },
                                 [](jpeg_compress_struct &cinfo) { jpeg_set_quality(&cinfo, 100, TRUE); });
}

} // namespace

TEST(Codecs, CmykJpegIsConvertedAsAdobeStoresIt)
{
    // Adobe CMYK is stored inverted: 255 cyan means no cyan. No cyan, full magenta and
    // yellow, no black: red.
    const uint8_t sample[4] = {255, 0, 0, 255};
    const QByteArray file = cmykJpeg(sample, 16, 16);
    int error = 0, w = 0, h = 0, bits = 0;
    ASSERT_TRUE(readJpegDims(byteSpan(file), w, h, bits, error));
    EXPECT_EQ(bits, 32);
    const RgbImage img = readJpeg(byteSpan(file), error);
    ASSERT_FALSE(img.isNull()) << error;
    EXPECT_GE(img.pixel(8, 8)[0], 250);
    EXPECT_LE(img.pixel(8, 8)[1], 5);
    EXPECT_LE(img.pixel(8, 8)[2], 5);
}

TEST(Codecs, PngTransparencyIsComposedOntoWhite)
{
    // Two pixels: transparent, then opaque red.
    const uint8_t rgba[8] = {0, 0, 0, 0, 255, 0, 0, 255};
    png_image image;
    memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = 2;
    image.height = 1;
    image.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> mem(1024);
    png_alloc_size_t size = mem.size();
    ASSERT_TRUE(png_image_write_to_memory(&image, mem.data(), &size, 0, rgba, 0, nullptr));
    const QByteArray file(reinterpret_cast<char *>(mem.data()), qsizetype(size));
    int error = 0, w = 0, h = 0, bits = 0;
    ASSERT_TRUE(readPngDims(byteSpan(file), w, h, bits, error));
    EXPECT_EQ(bits, 32);
    const RgbImage img = readPng(byteSpan(file), error);
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.pixel(0, 0)[0], 255);
    EXPECT_EQ(img.pixel(0, 0)[2], 255);
    EXPECT_EQ(img.pixel(1, 0)[0], 255);
    EXPECT_EQ(img.pixel(1, 0)[1], 0);
}

namespace {

// A GIF written with giflib directly: a 4x4 screen holding one or two frames.
QByteArray rawGif(bool interlace, int transparent, int frames, int left = 0, int top = 0, int fw = 4,
                  int fh = 4)
{
    QByteArray out;
    int err = 0;
    GifFileType *gif = EGifOpen(&out, [](GifFileType *g, const GifByteType *b, int n) {
        static_cast<QByteArray *>(g->UserData)->append(reinterpret_cast<const char *>(b), n);
        return n;
    }, &err);
    GifColorType colors[4] = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    ColorMapObject *map = GifMakeMapObject(4, colors);
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, 4, 4, 2, 0, map);
    for (int f = 0; f < frames; ++f) {
        if (transparent >= 0) {
            GifByteType gce[4] = {1, 0, 0, GifByteType(transparent)};
            EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, gce);
        }
        EGifPutImageDesc(gif, left, top, fw, fh, interlace, nullptr);
        // Row y of the frame is coloured y % 4 (frame 0) or 3 (frame 1). An interlaced
        // file stores rows in pass order, so send them in that order.
        std::vector<int> order;
        if (interlace) {
            for (int start : {0, 4, 2, 1})
                for (int y = start; y < fh; y += (start == 0 || start == 4) ? 8 : start == 2 ? 4 : 2)
                    order.push_back(y);
        } else {
            for (int y = 0; y < fh; ++y)
                order.push_back(y);
        }
        for (int y : order) {
            std::vector<GifPixelType> line(size_t(fw), GifPixelType(f == 0 ? y % 4 : 3));
            EGifPutLine(gif, line.data(), fw);
        }
    }
    EGifCloseFile(gif, &err);
    GifFreeMapObject(map);
    return out;
}

} // namespace

TEST(Codecs, GifReadsTheFirstFrameInterlacedOrNot)
{
    for (bool interlace : {false, true}) {
        const QByteArray file = rawGif(interlace, -1, 2);
        int error = 0;
        const RgbImage img = readGif(byteSpan(file), error);
        ASSERT_FALSE(img.isNull()) << error;
        ASSERT_EQ(img.width(), 4);
        // Rows 0..3 are black, red, green, blue: the first frame, rows in place.
        EXPECT_EQ(img.pixel(0, 1)[0], 255);
        EXPECT_EQ(img.pixel(0, 2)[1], 255);
        EXPECT_EQ(img.pixel(0, 3)[2], 255);
        EXPECT_EQ(img.pixel(0, 0)[0], 0);
    }
}

TEST(Codecs, GifTransparencyAndUncoveredScreenAreWhite)
{
    // A 2x2 frame at (2, 2) on the 4x4 screen, index 0 (black) transparent.
    const QByteArray file = rawGif(false, 0, 1, 2, 2, 2, 2);
    int error = 0;
    const RgbImage img = readGif(byteSpan(file), error);
    ASSERT_FALSE(img.isNull());
    ASSERT_EQ(img.width(), 4);
    EXPECT_EQ(img.pixel(0, 0)[1], 255); // outside the frame
    EXPECT_EQ(img.pixel(2, 2)[1], 255); // frame row 0: index 0, transparent
    EXPECT_EQ(img.pixel(2, 3)[0], 255); // frame row 1: red
    EXPECT_EQ(img.pixel(2, 3)[1], 0);
}

TEST(Codecs, GifScreenTooLargeForTheFileIsNotAllocated)
{
    // A 4x4 frame on a screen that claims 16000 x 16000 pixels: the frame alone is read.
    QByteArray file = rawGif(false, -1, 1);
    file[6] = char(16000 & 255);
    file[7] = char(16000 >> 8);
    file[8] = char(16000 & 255);
    file[9] = char(16000 >> 8);
    int error = 0;
    const RgbImage img = readGif(byteSpan(file), error);
    ASSERT_FALSE(img.isNull()) << error;
    EXPECT_EQ(img.width(), 4);
    EXPECT_EQ(img.height(), 4);
    EXPECT_EQ(img.pixel(0, 1)[0], 255);
}

TEST(Codecs, LzwTiffIsRead)
{
    const RgbImage src = gradient(30, 20);
    QByteArray file;
    {
        // Written by libtiff itself with LZW, tiled across two strips.
        const QString path = gbtest::makeTempDir() + "/lzw.tif";
        TIFF *tif = TIFFOpen(path.toLocal8Bit().constData(), "w");
        ASSERT_NE(tif, nullptr);
        TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, 30);
        TIFFSetField(tif, TIFFTAG_IMAGELENGTH, 20);
        TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, 8);
        TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, 3);
        TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
        TIFFSetField(tif, TIFFTAG_COMPRESSION, COMPRESSION_LZW);
        TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, 10);
        for (int y = 0; y < 20; ++y)
            TIFFWriteScanline(tif, const_cast<uint8_t *>(src.row(y)), y, 0);
        TIFFClose(tif);
        file = gbtest::readFile(path);
    }
    int error = 0;
    const RgbImage back = readTiff(byteSpan(file), error);
    ASSERT_FALSE(back.isNull()) << error;
    EXPECT_EQ(maxDiff(src, back), 0);
}

TEST(Codecs, ContentTestKnowsEveryWrittenType)
{
    const RgbImage src = gradient(33, 21);
    for (int type = ImgTypeBmp; type <= ImgTypeTga; ++type) {
        const QByteArray file = encode(src, type);
        EXPECT_EQ(guessFileType(byteSpan(file)), type) << type;
        int error = -1;
        EXPECT_FALSE(readImage(byteSpan(file), type, error).isNull()) << type;
    }
}

TEST(Codecs, ContentTestNeverClaimsPhotoshopOrText)
{
    const QByteArray psd = QByteArray("8BPS\0\1\0\0\0\0\0\0\0\3\0\0\0\20\0\0\0\20\0\10\0\3", 26);
    EXPECT_EQ(guessFileType(byteSpan(psd)), ImgTypeUnknown);
    EXPECT_EQ(guessFileType(byteSpan(QByteArray("hello world, not an image at all"))), ImgTypeUnknown);
    EXPECT_EQ(guessFileType(byteSpan(QByteArray())), ImgTypeUnknown);
    EXPECT_EQ(guessFileType(byteSpan(QByteArray("BM"))), ImgTypeUnknown);
}

TEST(Codecs, DamagedFilesFailCleanly)
{
    const RgbImage src = gradient(64, 48);
    for (int type : {ImgTypeJpg, ImgTypePng, ImgTypeGif, ImgTypeTiff}) {
        SCOPED_TRACE(type);
        const QByteArray file = encode(src, type);
        const int expected = type == ImgTypeJpg ? ImgBadJpg : type == ImgTypePng ? ImgBadPng
                           : type == ImgTypeGif ? ImgBadGif : ImgBadTiff;
        for (qsizetype cut : {qsizetype(0), qsizetype(3), qsizetype(20), file.size() / 2}) {
            int error = 0;
            const RgbImage img = readImage(byteSpan(file.left(cut)), type, error);
            EXPECT_TRUE(img.isNull()) << "cut at " << cut;
            EXPECT_EQ(error, expected) << "cut at " << cut;
        }
    }
}

TEST(Codecs, JpegCutShortIsRefusedNotPaddedWithGrey)
{
    for (bool progressive : {false, true}) {
        const QByteArray file = encode(gradient(64, 48), ImgTypeJpg, {90, progressive, 256});
        for (qsizetype cut : {qsizetype(40), qsizetype(2)}) {
            int error = 0;
            EXPECT_TRUE(readJpeg(byteSpan(file.left(file.size() - cut)), error).isNull());
            EXPECT_EQ(error, ImgBadJpg);
        }
    }
}

TEST(Codecs, JpegDecodesGiveBackTheMemoryTheyReserve)
{
    // Whole, reduced and damaged decodes of both kinds of file leave nothing reserved, with a
    // budget smaller than any of them (each goes ahead alone).
    const size_t budget = decodeMemoryBudget();
    setDecodeMemoryBudget(1);
    for (bool progressive : {false, true}) {
        const QByteArray file = encode(gradient(320, 240), ImgTypeJpg, {90, progressive, 256});
        int error = 0;
        EXPECT_FALSE(readJpeg(byteSpan(file), error).isNull());
        EXPECT_FALSE(readJpeg(byteSpan(file), error, 40, 40).isNull());
        EXPECT_TRUE(readJpeg(byteSpan(file.left(file.size() - 40)), error).isNull());
        EXPECT_EQ(decodeMemoryHeld(), 0u) << progressive;
    }
    setDecodeMemoryBudget(budget);
}

TEST(Codecs, LargeBuffersComeFromTheLargeAllocator)
{
    // A large block starts on a 2 MB boundary (where the system can back it with one page per
    // 2 MB) and holds what is written to it; small ones come from malloc.
    for (size_t bytes : {size_t(2), size_t(100000), size_t(2) << 20, (size_t(5) << 20) + 7}) {
        const size_t before = largeAllocationCount();
        auto *p = static_cast<uint8_t *>(allocateLarge(bytes));
        ASSERT_NE(p, nullptr) << bytes;
        const bool large = bytes >= (size_t(2) << 20);
        EXPECT_EQ(largeAllocationCount() - before, large ? 1u : 0u) << bytes;
        if (large)
            EXPECT_EQ(reinterpret_cast<uintptr_t>(p) % (uintptr_t(2) << 20), 0u) << bytes;
        p[0] = 1;
        p[bytes - 1] = 2;
        EXPECT_EQ(p[0] + p[bytes - 1], 3);
        freeLarge(p, bytes);
    }
    // What a touched block holds: a tail of half a huge page or more takes a whole one.
    constexpr size_t MB = size_t(1) << 20;
    EXPECT_EQ(largeFootprint(1000), 1000u);
    EXPECT_EQ(largeFootprint(2 * MB), 2 * MB);
    EXPECT_EQ(largeFootprint(5 * MB + 7), 6 * MB);
    EXPECT_EQ(largeFootprint(4 * MB + 100), 4 * MB + 4096);

    // libjpeg's own large blocks, a progressive file's coefficients (3.3 MB here), are routed
    // there too: a reduced decode whose output is small still makes one large allocation; a
    // single-scan file makes none. The whole decode still gives the picture back.
    const RgbImage image = gradient(1200, 900);
    for (bool progressive : {true, false}) {
        const QByteArray file = encode(image, ImgTypeJpg, {90, progressive, 256});
        const size_t before = largeAllocationCount();
        int error = 0;
        const RgbImage small = readJpeg(byteSpan(file), error, 100, 100);
        ASSERT_FALSE(small.isNull());
        EXPECT_EQ(largeAllocationCount() - before, progressive ? 1u : 0u) << progressive;
        const RgbImage whole = readJpeg(byteSpan(file), error);
        EXPECT_LE(maxDiff(whole, image), 12) << progressive;
    }
}

TEST(Codecs, JpegCoefficientMemoryComesFromTheHeader)
{
    // A progressive 320 x 240 file in 4:2:0 keeps 40 x 30 luma and 2 x 20 x 15 chroma blocks
    // of 64 two-byte coefficients; a single-scan file, another format, a damaged or missing
    // file keep none.
    QTemporaryDir dir;
    const auto write = [&](const char *name, const QByteArray &bytes) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return QFile::encodeName(path);
    };
    const RgbImage image = gradient(320, 240);
    const QByteArray progressive = encode(image, ImgTypeJpg, {90, true, 256});
    EXPECT_EQ(jpegCoefficientMemory(write("p.jpg", progressive).constData()), size_t(40 * 30 + 2 * 20 * 15) * 128);
    EXPECT_EQ(jpegCoefficientMemory(write("b.jpg", encode(image, ImgTypeJpg, {90, false, 256})).constData()), 0u);
    EXPECT_EQ(jpegCoefficientMemory(write("i.png", encode(image, ImgTypePng, {})).constData()), 0u);
    EXPECT_EQ(jpegCoefficientMemory(write("cut.jpg", progressive.left(20)).constData()), 0u);
    EXPECT_EQ(jpegCoefficientMemory(QFile::encodeName(dir.filePath("none.jpg")).constData()), 0u);
}

TEST(Codecs, LyingAndHugeHeadersAreRefusedBeforeAllocation)
{
    const RgbImage src = gradient(16, 16);
    struct Case {
        int type;
        int offset;     // where the width sits
        bool bigEndian;
        int width;      // bytes
        uint32_t value; // the claimed width
        int expected;
    } cases[] = {
        // PNG IHDR width: 2^20 x 16 pixels cannot come from a file of a few hundred bytes.
        {ImgTypePng, 16, true, 4, 1u << 20, ImgBadPng},
        // Over 2^28 pixels: the memory error, whatever the file.
        {ImgTypePng, 16, true, 4, 1u << 25, ImgOutOfMemory},
        // GIF screen and frame: 65535 x 16 from a tiny file.
        {ImgTypeGif, 6, false, 2, 65535, ImgBadGif},
    };
    for (const Case &c : cases) {
        QByteArray file = encode(src, c.type);
        for (int i = 0; i < c.width; ++i) {
            const int shift = c.bigEndian ? 8 * (c.width - 1 - i) : 8 * i;
            file[c.offset + i] = char((c.value >> shift) & 255);
        }
        if (c.type == ImgTypeGif) {
            // The frame descriptor follows the 13-byte header and the 2-colour-or-more table.
            const int desc = int(file.indexOf(','));
            file[desc + 5] = char(0xFF);
            file[desc + 6] = char(0xFF);
        }
        int error = 0;
        const RgbImage img = readImage(byteSpan(file), c.type, error);
        EXPECT_TRUE(img.isNull());
        EXPECT_EQ(error, c.expected) << c.type << " " << c.value;
    }

    // An uncompressed TIFF that claims more rows than its file holds.
    QByteArray tiff = encode(src, ImgTypeTiff, {75, false, 0});
    {
        int error = 0;
        RgbImage ok = readTiff(byteSpan(tiff), error);
        ASSERT_FALSE(ok.isNull());
        // The writer puts the directory after the pixels; its image length entry (tag 257)
        // holds the height as a short or long value in place.
        const int ifd = int(uint8_t(tiff[4]) | (uint8_t(tiff[5]) << 8) | (uint8_t(tiff[6]) << 16));
        const int count = uint8_t(tiff[ifd]) | (uint8_t(tiff[ifd + 1]) << 8);
        for (int e = 0; e < count; ++e) {
            const int at = ifd + 2 + e * 12;
            if ((uint8_t(tiff[at]) | (uint8_t(tiff[at + 1]) << 8)) == 257) {
                tiff[at + 8] = char(0x30);
                tiff[at + 9] = char(0x75); // 30000 rows
            }
        }
        EXPECT_TRUE(readTiff(byteSpan(tiff), error).isNull());
        EXPECT_EQ(error, ImgBadTiff);
    }

    // A JPEG whose frame header claims 60000 x 60000 (3.6e9 pixels).
    QByteArray jpeg = encode(src, ImgTypeJpg);
    const int sof = int(jpeg.indexOf(QByteArray("\xFF\xC0", 2)));
    ASSERT_GT(sof, 0);
    jpeg[sof + 5] = char(0xEA);
    jpeg[sof + 6] = char(0x60);
    jpeg[sof + 7] = char(0xEA);
    jpeg[sof + 8] = char(0x60);
    int error = 0;
    EXPECT_TRUE(readJpeg(byteSpan(jpeg), error).isNull());
    EXPECT_EQ(error, ImgOutOfMemory);
    // 4000 x 4000 is allowed by the limit but not by a file of a few hundred bytes.
    jpeg[sof + 5] = char(0x0F);
    jpeg[sof + 6] = char(0xA0);
    jpeg[sof + 7] = char(0x0F);
    jpeg[sof + 8] = char(0xA0);
    EXPECT_TRUE(readJpeg(byteSpan(jpeg), error).isNull());
    EXPECT_EQ(error, ImgBadJpg);
}

TEST(Codecs, ArithmeticJpegClaimingHundredsOfMegapixelsIsRefused)
{
    // Found by fuzzing: 130 bytes of progressive arithmetic-coded JPEG whose frame claims
    // 16141 x 11512 pixels; the decoder would set up a coefficient buffer of half a
    // gigabyte before reading a single scan.
    const QByteArray file = QByteArray::fromHex(
        "ffd8ff00010000ffdb0043000406060506070706280a1028282828282828282828df28282828282828"
        "282828e3e3e3e3e31600000031e3e3e3e3e3e3e3e3e3e3e3e3e3e3e3e3282828a8282828ffca001108"
        "2cf83f0d03012200021101031101010f00ffda0008010100010402d7d8ffd9");
    int error = 0;
    EXPECT_TRUE(readJpeg(byteSpan(file), error).isNull());
    EXPECT_EQ(error, ImgBadJpg);
    EXPECT_TRUE(readJpeg(byteSpan(file), error, 40, 40).isNull());
    EXPECT_EQ(error, ImgBadJpg);
}

TEST(Codecs, WritersRefuseNullImages)
{
    const RgbImage none;
    for (int type : {ImgTypeJpg, ImgTypePng, ImgTypeGif, ImgTypeTiff}) {
        QByteArray out;
        int error = 0;
        EXPECT_FALSE(writeImage(none, type, out, error));
        EXPECT_EQ(error, ImgBadParameter);
    }
    // JPEG sides stop at 65500 pixels: wider is a bad parameter, not a failed write.
    const RgbImage wide = RgbImage::filled(65501, 1, 1, 2, 3);
    QByteArray out;
    int error = 0;
    EXPECT_FALSE(writeImage(wide, ImgTypeJpg, out, error));
    EXPECT_EQ(error, ImgBadParameter);
    EXPECT_TRUE(writeImage(RgbImage::filled(65500, 1, 1, 2, 3), ImgTypeJpg, out, error));
}
