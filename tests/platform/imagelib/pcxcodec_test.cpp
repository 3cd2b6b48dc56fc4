#include "platform/imagelib/pcxcodec.h"

#include "platform/imagelib/codectestutil.h"

#include <gtest/gtest.h>

#include <vector>

using namespace gb;
using gbtest::Bytes;
using gbtest::colourAt;
using gbtest::expectPixels;
using gbtest::patched;

namespace {

// A 128-byte header followed by the given data (coded or plain as `encoding` says).
QByteArray makePcx(int w, int h, int bits, int planes, int bytesPerLine, const QByteArray &data,
                   const std::vector<uint32_t> &headerPalette = {}, int encoding = 1)
{
    Bytes b;
    b.u8(0x0A).u8(5).u8(encoding).u8(bits).le16(0).le16(0).le16(w - 1).le16(h - 1).le16(72).le16(72);
    for (int i = 0; i < 16; ++i) {
        const uint32_t c = i < int(headerPalette.size()) ? headerPalette[size_t(i)] : 0;
        b.u8(int(c)).u8(int(c >> 8)).u8(int(c >> 16));
    }
    b.u8(0).u8(planes).le16(bytesPerLine).le16(1);
    b.zeros(128 - b.size());
    return b.raw(data).b;
}

} // namespace

TEST(PcxCodec, RoundTripsIncludingLongRunsAndHighBytes)
{
    // Odd widths pad the plane rows; flat areas make runs longer than 63; bytes of 0xC0 and up
    // must be coded as runs of one.
    // 65535, the widest a PCX can be, must not wrap the even-padded line length to 0.
    for (int w : {1, 2, 7, 130, 65535}) {
        RgbImage img = gbtest::patternImage(w, 4);
        for (int x = 0; x < w; ++x) {
            uint8_t *p = img.pixel(x, 1);
            p[0] = 0xC5;
            p[1] = 0xFF;
            p[2] = 0x10;
        }
        QByteArray bytes;
        int error = -1;
        ASSERT_TRUE(writePcx(img, bytes, error));
        const RgbImage back = readPcx(byteSpan(bytes), error);
        EXPECT_EQ(error, ImgOk);
        EXPECT_TRUE(gbtest::sameImage(img, back)) << w;
        int bw = 0, bh = 0, bits = 0;
        ASSERT_TRUE(readPcxDims(byteSpan(bytes), bw, bh, bits, error));
        EXPECT_EQ(bw, w);
        EXPECT_EQ(bh, 4);
        EXPECT_EQ(bits, 24);
    }
}

TEST(PcxCodec, ReadsEachDepth)
{
    const uint32_t red = 0x0000FF, green = 0x00FF00, blue = 0xFF0000;
    QByteArray palette256(769, '\0');
    palette256[0] = 12;
    palette256[1 + 3 * 7] = char(0xFF);     // entry 7: red
    palette256[1 + 3 * 200 + 2] = char(0xFF); // entry 200: blue
    struct Case {
        const char *what;
        QByteArray file;
        std::vector<uint32_t> expected;
    };
    const Case cases[] = {
        {"1 bit monochrome", makePcx(3, 1, 1, 1, 2, QByteArray("\xA0\x00", 2)), {0xFFFFFF, 0, 0xFFFFFF}},
        {"1 bit 4 planes", makePcx(2, 1, 1, 4, 2, QByteArray("\x80\x00\x40\x00\xC1\xC0\x00\x00\x00", 9),
                                   {0, 0, 0, 0, 0, red, blue, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
         {red, blue}},
        {"2 bits", makePcx(4, 1, 2, 1, 2, QByteArray("\x1B\x00", 2), {0, red, green, blue}),
         {0, red, green, blue}},
        {"4 bits", makePcx(3, 1, 4, 1, 2, QByteArray("\x21\x30", 2), {0, red, green, blue}),
         {green, red, blue}},
        {"8 bits with end palette, run across rows", makePcx(2, 2, 8, 1, 2, QByteArray("\xC3\x07\xC8", 3) + char(200)
                                                              + palette256),
         {red, red, red, blue}},
        {"8 bits without palette is grey", makePcx(2, 1, 8, 1, 2, QByteArray("\x10\x80", 2)), {0x101010, 0x808080}},
        {"8 bits 3 planes", makePcx(2, 1, 8, 3, 2, QByteArray("\x01\x02\x03\x04\x05\x06", 6)),
         {0x050301, 0x060402}},
        {"8 bits 4 planes, alpha ignored", makePcx(1, 1, 8, 4, 2, QByteArray("\x01\x00\x02\x00\x03\x00\x09\x00", 8)),
         {0x030201}},
        {"plain data", makePcx(2, 1, 8, 3, 2, QByteArray("\xC1\x02\xC3\x04\xC5\x06", 6), {}, 0),
         {0xC5C3C1, 0x060402}},
    };
    for (const Case &c : cases) {
        int error = -1;
        const RgbImage img = readPcx(byteSpan(c.file), error);
        EXPECT_EQ(error, ImgOk) << c.what;
        expectPixels(img, c.expected, c.what);
    }
}

TEST(PcxCodec, DamagedFilesFailCleanly)
{
    const QByteArray good = makePcx(2, 2, 8, 3, 2, QByteArray(12, '\x01'));
    gbtest::expectRefused(readPcx, {
        {"empty", QByteArray(), ImgBadPcx},
        {"short header", good.left(100), ImgBadPcx},
        {"wrong maker byte", patched(good, 0, "\x0B"), ImgBadPcx},
        {"unknown encoding", patched(good, 2, "\x02"), ImgBadPcx},
        {"5 bits", patched(good, 3, "\x05"), ImgBadPcx},
        {"2 planes of 8 bits", patched(good, 65, "\x02"), ImgBadPcx},
        {"line shorter than the width", patched(good, 66, QByteArray("\x01\x00", 2)), ImgBadPcx},
        {"right edge left of the left edge", patched(good, 4, QByteArray("\x05\x00", 2)), ImgBadPcx},
        {"data ends early", good.left(good.size() - 1), ImgBadPcx},
        {"run header as the last byte", makePcx(2, 1, 8, 1, 2, QByteArray("\x01\xC2", 2)), ImgBadPcx},
        {"lying dimensions", makePcx(16000, 16000, 8, 1, 16000, QByteArray("\xFF\x00", 2)), ImgBadPcx},
        {"over the pixel limit", makePcx(65535, 65535, 8, 1, 65535, QByteArray(10, '\0')), ImgOutOfMemory},
    });
}
