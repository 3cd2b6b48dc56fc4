// Camera photos carry an orientation tag; every decode shows them upright and reports the
// upright size.
#include "platform/imagelib/imagelib.h"
#include "platform/imagelib/jpegcodec.h"
#include "platform/imagelib/orientation.h"
#include "platform/imagelib/tiffcodec.h"

#include "platform/imagelib/codectestutil.h"
#include "support/testutil.h"

#include <gtest/gtest.h>

#include <tiffio.h>

#include <QFile>

using namespace gb;
using gbtest::Bytes;

namespace {

// The APP1 payload of a camera: "Exif\0\0", a TIFF header in either byte order, one
// directory holding the orientation tag (as a SHORT unless told otherwise).
QByteArray exifBlock(int orientation, bool bigEndian, int type = 3)
{
    Bytes b;
    b.raw(QByteArray("Exif\0\0", 6));
    if (bigEndian)
        b.text("MM").be16(42).be32(8).be16(1).be16(0x0112).be16(type).be32(1).be16(orientation).be16(0).be32(0);
    else
        b.text("II").le16(42).le32(8).le16(1).le16(0x0112).le16(type).le32(1).le16(orientation).le16(0).le32(0);
    return b.b;
}

// A JPEG with the EXIF block placed right after its start marker.
QByteArray withExif(const QByteArray &jpeg, const QByteArray &exif)
{
    Bytes app1;
    app1.u8(0xFF).u8(0xE1).be16(int(exif.size()) + 2).raw(exif);
    return jpeg.left(2) + app1.b + jpeg.mid(2);
}

// w x h stored as four flat quarters: red, green on top; blue, white below.
RgbImage quarters(int w, int h)
{
    RgbImage img = RgbImage::create(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t *p = img.pixel(x, y);
            const bool right = x >= w / 2, bottom = y >= h / 2;
            p[0] = (!right && !bottom) || (right && bottom) ? 255 : 0;
            p[1] = right ? 255 : 0;
            p[2] = bottom ? 255 : 0;
        }
    return img;
}

enum Quarter : uint32_t { R = 0x0000FF, G = 0x00FF00, B = 0xFF0000, W = 0xFFFFFF };

// Where the stored quarters show, upright: top-left, top-right, bottom-left, bottom-right.
const Quarter kUpright[9][4] = {
    {},           {R, G, B, W}, {G, R, W, B}, {W, B, G, R}, {B, W, R, G},
    {R, B, G, W}, {B, R, W, G}, {W, G, B, R}, {G, W, R, B},
};

// The colour near each corner, within the JPEG's error.
void expectCorners(const RgbImage &img, int orientation, const char *what)
{
    ASSERT_FALSE(img.isNull()) << what << " " << orientation;
    const int w = img.width(), h = img.height();
    const int xs[4] = {2, w - 3, 2, w - 3}, ys[4] = {2, 2, h - 3, h - 3};
    for (int i = 0; i < 4; ++i) {
        const uint8_t *p = img.pixel(xs[i], ys[i]);
        const uint32_t want = kUpright[orientation][i];
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(p[c], (want >> (8 * c)) & 255, 24) << what << " orientation " << orientation << " corner " << i;
    }
}

QByteArray tiffWithOrientation(const RgbImage &img, int orientation)
{
    const QString path = gbtest::makeTempDir() + "/tagged.tif";
    TIFF *tif = TIFFOpen(QFile::encodeName(path).constData(), "w");
    EXPECT_TRUE(tif);
    if (!tif)
        return {};
    TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, uint32_t(img.width()));
    TIFFSetField(tif, TIFFTAG_IMAGELENGTH, uint32_t(img.height()));
    TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, 3);
    TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, uint32_t(img.height()));
    TIFFSetField(tif, TIFFTAG_ORIENTATION, uint16_t(orientation));
    for (int y = 0; y < img.height(); ++y)
        TIFFWriteScanline(tif, const_cast<uint8_t *>(img.row(y)), uint32_t(y), 0);
    TIFFClose(tif);
    return gbtest::readFile(path);
}

} // namespace

TEST(Orientation, TagIsReadInEitherByteOrderAndDamageMeansUpright)
{
    const QByteArray good = exifBlock(6, false);
    struct Case {
        const char *what;
        QByteArray block;
        int expected;
    } cases[] = {
        {"little-endian", good, 6},
        {"big-endian", exifBlock(8, true), 8},
        {"value out of range", exifBlock(9, false), 1},
        {"tag of the wrong type", exifBlock(6, false, 4), 1},
        {"no EXIF signature", gbtest::patched(good, 0, "Exiv"), 1},
        {"directory past the end", gbtest::patched(good, 10, QByteArray("\xF0\x00\x00\x00", 4)), 1},
        {"more entries than the block holds",
         gbtest::patched(gbtest::patched(good, 14, QByteArray("\x30\x00", 2)), 16, QByteArray("\x00\x01", 2)), 1},
        {"cut inside the entry", good.left(20), 1},
        {"empty", QByteArray(), 1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(exifOrientation(byteSpan(c.block)), c.expected) << c.what;
}

TEST(Orientation, JpegAndTiffDecodeUprightWithUprightSizes)
{
    const RgbImage stored = quarters(32, 16);
    QByteArray plainJpeg;
    int error = 0;
    ASSERT_TRUE(writeJpeg(stored, plainJpeg, error, 95, false));
    for (int o = 1; o <= 8; ++o) {
        const bool turned = o >= 5;
        const int uprightW = turned ? 16 : 32, uprightH = turned ? 32 : 16;
        const QByteArray jpeg = withExif(plainJpeg, exifBlock(o, o % 2 == 0));
        const QByteArray tiff = tiffWithOrientation(stored, o);
        for (auto [type, file] : {std::pair{int(ImgTypeJpg), jpeg}, std::pair{int(ImgTypeTiff), tiff}}) {
            const char *what = type == ImgTypeJpg ? "jpeg" : "tiff";
            int w = 0, h = 0, bits = 0;
            ASSERT_TRUE(readImageDims(byteSpan(file), type, w, h, bits, error)) << what;
            EXPECT_EQ(w, uprightW) << what << " " << o;
            EXPECT_EQ(h, uprightH) << what << " " << o;
            const RgbImage img = readImage(byteSpan(file), type, error);
            ASSERT_FALSE(img.isNull()) << what << " " << o;
            EXPECT_EQ(img.width(), uprightW) << what << " " << o;
            EXPECT_EQ(img.height(), uprightH) << what << " " << o;
            expectCorners(img, o, what);
        }
    }
}

TEST(Orientation, ReducedJpegDecodeKeepsTwiceTheUprightBox)
{
    // Stored 800 x 400, shown 400 x 800; fitted into 100 x 400 it becomes 100 x 200, so the
    // decode must keep at least 200 x 400 upright (half scale), not a quarter.
    QByteArray plain;
    int error = 0;
    ASSERT_TRUE(writeJpeg(quarters(800, 400), plain, error, 90, false));
    const QByteArray file = withExif(plain, exifBlock(6, false));
    const RgbImage img = readImage(byteSpan(file), ImgTypeJpg, error, 100, 400);
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.width(), 200);
    EXPECT_EQ(img.height(), 400);
    expectCorners(img, 6, "reduced");
}
