#include "platform/imagelib/metafilecodec.h"

#include "platform/imagelib/bmpcodec.h"
#include "platform/imagelib/codectestutil.h"
#include "support/testutil.h"

#include <gtest/gtest.h>

using namespace gb;
using gbtest::Bytes;
using gbtest::colourAt;
using gbtest::expectPixels;

namespace {

const uint32_t white = 0xFFFFFF, red = 0x0000FF, green = 0x00FF00, blue = 0xFF0000, black = 0;

// A 2 x 2 image: red, green on top; blue, black below.
RgbImage quad()
{
    RgbImage img = RgbImage::filled(2, 2, 0, 0, 0);
    img.pixel(0, 0)[0] = 255;
    img.pixel(1, 0)[1] = 255;
    img.pixel(0, 1)[2] = 255;
    return img;
}

// A WMF record: size in 16-bit words, function, parameters.
QByteArray wmfRecord(int function, const QByteArray &params)
{
    Bytes b;
    return b.le32((6 + params.size() + 1) / 2).le16(function).raw(params).raw(params.size() % 2 ? QByteArray(1, '\0') : QByteArray()).b;
}

QByteArray stretchDib(int xDest, int yDest, int wDest, int hDest, int xSrc, int ySrc, int wSrc, int hSrc,
                      const QByteArray &dib)
{
    Bytes p;
    p.le32(0x00CC0020).le16(0).le16(hSrc).le16(wSrc).le16(ySrc).le16(xSrc).le16(hDest).le16(wDest).le16(yDest)
        .le16(xDest).raw(dib);
    return wmfRecord(0x0F43, p.b);
}

QByteArray wmfFile(const QByteArray &records, const QByteArray &placeable = QByteArray())
{
    Bytes b;
    b.raw(placeable).le16(1).le16(9).le16(0x300).le32(0).le16(0).le32(0).le16(0);
    return b.raw(records).raw(wmfRecord(0, QByteArray())).b;
}

QByteArray placeable(int left, int top, int right, int bottom, int inch)
{
    Bytes b;
    return b.le32(0x9AC6CDD7).le16(0).le16(left).le16(top).le16(right).le16(bottom).le16(inch).le32(0).le16(0).b;
}

QByteArray emfFile(int left, int top, int right, int bottom, const QByteArray &records)
{
    Bytes b;
    b.le32(1).le32(88).le32(left).le32(top).le32(right).le32(bottom).zeros(16).le32(0x464D4520).le32(0x10000)
        .le32(0).le32(0).le32(0).zeros(12).zeros(16);
    return b.raw(records).le32(14).le32(20).le32(0).le32(16).le32(20).b;
}

// EMR_STRETCHDIBITS with the DIB's header and bits inside the record.
QByteArray emfStretchDiBits(int xDest, int yDest, int cxDest, int cyDest, int xSrc, int ySrc, int cxSrc, int cySrc,
                            const QByteArray &dib)
{
    Bytes b;
    b.le32(81).le32(80 + dib.size()).zeros(16).le32(xDest).le32(yDest).le32(xSrc).le32(ySrc).le32(cxSrc)
        .le32(cySrc).le32(80).le32(40).le32(120).le32(dib.size() - 40).le32(0).le32(0x00CC0020).le32(cxDest)
        .le32(cyDest);
    return b.raw(dib).b;
}

RgbImage read(const QByteArray &file, int &error) { return readWmf(byteSpan(file), error); }

} // namespace

TEST(MetafileCodec, WmfAndEmfRoundTrip)
{
    for (auto [w, h] : {std::pair{1, 1}, {3, 2}, {17, 5}}) {
        const RgbImage img = gbtest::patternImage(w, h);
        QByteArray wmf, emf;
        int error = -1;
        ASSERT_TRUE(writeWmf(img, wmf, error));
        ASSERT_TRUE(writeEmf(img, emf, error));
        EXPECT_TRUE(gbtest::sameImage(readWmf(byteSpan(wmf), error), img)) << w;
        EXPECT_TRUE(gbtest::sameImage(readEmf(byteSpan(emf), error), img)) << w;
        EXPECT_EQ(error, ImgOk);
        EXPECT_EQ(emf.mid(40, 4), QByteArray(" EMF"));
    }
}

TEST(MetafileCodec, WindowFrameStretchesOntoWhite)
{
    // Window 6 x 4; the 2 x 2 bitmap is stretched over x 1..4, leaving white columns.
    Bytes org, ext;
    const QByteArray records = wmfRecord(0x020B, org.le16(0).le16(0).b) + wmfRecord(0x020C, ext.le16(4).le16(6).b)
        + stretchDib(1, 0, 4, 4, 0, 0, 2, 2, encodeDib(quad()));
    int error = -1;
    const RgbImage img = read(wmfFile(records), error);
    expectPixels(img, {white, red, red, green, green, white,
                       white, red, red, green, green, white,
                       white, blue, blue, black, black, white,
                       white, blue, blue, black, black, white}, "stretched");
}

TEST(MetafileCodec, PlaceableUnitsAndTheFittingBox)
{
    const QByteArray draw = stretchDib(0, 0, 1440, 720, 0, 0, 2, 2, encodeDib(quad()));
    int error = -1;
    // 1440 x 720 twips at 1440 units per inch are one inch by half an inch: 96 x 48 pixels.
    const RgbImage inches = read(wmfFile(draw, placeable(0, 0, 1440, 720, 1440)), error);
    ASSERT_FALSE(inches.isNull());
    EXPECT_EQ(inches.width(), 96);
    EXPECT_EQ(inches.height(), 48);
    EXPECT_EQ(colourAt(inches, 95, 47), black);
    // Without a frame the bitmaps' area is the canvas, then fitted into the box.
    const RgbImage fitted = readMetafile(byteSpan(wmfFile(draw)), error, 100, 100, 0x00FF00);
    ASSERT_FALSE(fitted.isNull());
    EXPECT_EQ(fitted.width(), 100);
    EXPECT_EQ(fitted.height(), 50);
    EXPECT_EQ(colourAt(fitted, 0, 0), red);
}

TEST(MetafileCodec, SourceRectangleCountsFromTheBottomOfTheDib)
{
    // The bottom-right pixel of the stored bitmap is (1, 0) for the DIB calls.
    const QByteArray emf = emfFile(0, 0, 0, 0, emfStretchDiBits(0, 0, 1, 1, 1, 0, 1, 1, encodeDib(quad())));
    int error = -1;
    expectPixels(readEmf(byteSpan(emf), error), {black}, "emf source");
    const QByteArray wmf = wmfFile(stretchDib(0, 0, 1, 1, 0, 1, 1, 1, encodeDib(quad())));
    expectPixels(read(wmf, error), {red}, "wmf source");
}

TEST(MetafileCodec, BlitAndSetBitsRecordsLandWhereTheySay)
{
    // The 2 x 2 bitmap unstretched at the top left and at the bottom right of a 4 x 4 frame.
    const QByteArray dib = encodeDib(quad());
    const std::vector<uint32_t> expected{red, green, white, white,
                                         blue, black, white, white,
                                         white, white, red, green,
                                         white, white, blue, black};
    Bytes org, ext, blt, toDev;
    const QByteArray wmf = wmfFile(
        wmfRecord(0x020B, org.le16(0).le16(0).b) + wmfRecord(0x020C, ext.le16(4).le16(4).b)
        + wmfRecord(0x0940, blt.le32(0x00CC0020).le16(0).le16(0).le16(2).le16(2).le16(0).le16(0).raw(dib).b)
        + wmfRecord(0x0D33, toDev.le16(0).le16(2).le16(0).le16(0).le16(0).le16(2).le16(2).le16(2).le16(2).raw(dib).b));
    int error = -1;
    expectPixels(read(wmf, error), expected, "wmf DIBBitBlt and SetDIBitsToDevice");

    const QByteArray header = dib.left(40), bits = dib.mid(40);
    Bytes emfBlt, emfToDev;
    emfBlt.le32(76).le32(100 + dib.size()).zeros(16).le32(0).le32(0).le32(2).le32(2).le32(0x00CC0020).le32(0)
        .le32(0).zeros(24).le32(0).le32(0).le32(100).le32(40).le32(140).le32(bits.size()).raw(dib);
    emfToDev.le32(80).le32(76 + dib.size()).zeros(16).le32(2).le32(2).le32(0).le32(0).le32(2).le32(2).le32(76)
        .le32(40).le32(116).le32(bits.size()).le32(0).le32(0).le32(2).raw(dib);
    const QByteArray emf = emfFile(0, 0, 3, 3, emfBlt.b + emfToDev.b);
    expectPixels(readEmf(byteSpan(emf), error), expected, "emf BitBlt and SetDIBitsToDevice");
}

TEST(MetafileCodec, DamagedOrVectorOnlyFilesFail)
{
    const QByteArray dib = encodeDib(quad());
    const QByteArray good = wmfFile(stretchDib(0, 0, 2, 2, 0, 0, 2, 2, dib));
    Bytes line;
    const QByteArray vectorWmf = wmfFile(wmfRecord(0x0213, line.le16(10).le16(10).b));
    Bytes emfLine;
    const QByteArray vectorEmf = emfFile(0, 0, 9, 9, emfLine.le32(54).le32(16).le32(5).le32(5).b);
    QByteArray shortOffsets = emfFile(0, 0, 1, 1, emfStretchDiBits(0, 0, 2, 2, 0, 0, 2, 2, dib));
    shortOffsets[88 + 56] = char(0x7F); // bits offset past the record
    QByteArray overdrawn; // the whole canvas painted 17 times
    for (int i = 0; i < 17; ++i)
        overdrawn += stretchDib(0, 0, 2, 2, 0, 0, 2, 2, dib);
    gbtest::expectRefused(readWmf, {
        {"empty", QByteArray(), ImgBadMetafile},
        {"not a metafile", QByteArray("hello, this is not a metafile at all"), ImgBadMetafile},
        {"vector drawing only", vectorWmf, ImgBadMetafile},
        {"vector-only EMF", vectorEmf, ImgBadMetafile},
        {"header only", good.left(18), ImgBadMetafile},
        {"record cut short", good.left(good.size() - 20), ImgBadMetafile},
        {"record size zero", gbtest::patched(good, 18, QByteArray(4, '\0')), ImgBadMetafile},
        {"record size past the end", gbtest::patched(good, 18, QByteArray("\xFF\xFF\x00\x00", 4)), ImgBadMetafile},
        {"bitmap cut short", wmfFile(stretchDib(0, 0, 2, 2, 0, 0, 2, 2, dib.left(dib.size() - 8))), ImgBadMetafile},
        {"bitmap of 7 bits", wmfFile(stretchDib(0, 0, 2, 2, 0, 0, 2, 2, gbtest::patched(dib, 14, "\x07"))),
         ImgBadMetafile},
        {"EMF offsets outside the record", shortOffsets, ImgBadMetafile},
        {"canvas painted over and over", wmfFile(overdrawn), ImgBadMetafile},
        {"EMF header size past the end", gbtest::patched(vectorEmf, 4, QByteArray("\x00\x10\x00\x00", 4)),
         ImgBadMetafile},
    });
}

TEST(MetafileCodec, BitmapsOffTheCanvasPaintNothing)
{
    // Beside the canvas on one axis while overlapping it on the other: nothing is painted and
    // no pixel address outside the canvas is ever worked out (the sanitizer build checks that).
    const QByteArray dib = encodeDib(quad());
    const QByteArray emf = emfFile(0, 0, 1, 1, emfStretchDiBits(0, 0, 2, 2, 0, 0, 2, 2, dib)
                                                + emfStretchDiBits(0x10000000, 0, 2, 2, 0, 0, 2, 2, dib)
                                                + emfStretchDiBits(0, -0x10000000, 2, 2, 0, 0, 2, 2, dib));
    int error = -1;
    expectPixels(readEmf(byteSpan(emf), error), {red, green, blue, black}, "beside the canvas");

    // A file found by fuzzing: a bitmap record far outside the frame of the picture.
    const QByteArray found = gbtest::readFile(QStringLiteral(GB_FIXTURES "/emf-bitmap-off-canvas.emf"));
    ASSERT_FALSE(found.isEmpty());
    const RgbImage img = readEmf(byteSpan(found), error);
    EXPECT_FALSE(img.isNull()) << error;
}
