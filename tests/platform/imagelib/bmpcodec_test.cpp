#include "platform/imagelib/bmpcodec.h"

#include "platform/imagelib/codectestutil.h"

#include <gtest/gtest.h>

#include <vector>

using namespace gb;
using gbtest::Bytes;
using gbtest::colourAt;
using gbtest::expectPixels;
using gbtest::patched;

namespace {

struct BmpSpec {
    int width = 2;
    int height = 2; // negative: top-down
    int bits = 24;
    int compression = 0;
    std::vector<uint32_t> palette; // colour numbers
    std::vector<uint32_t> masks;   // after the header (bit-field files)
    QByteArray pixels;             // stored rows, as they appear in the file
    int headerSize = 40;
};

QByteArray makeBmp(const BmpSpec &s)
{
    Bytes dib;
    if (s.headerSize == 12) {
        dib.le32(12).le16(s.width).le16(s.height).le16(1).le16(s.bits);
    } else {
        dib.le32(s.headerSize).le32(s.width).le32(s.height).le16(1).le16(s.bits).le32(s.compression)
            .le32(s.pixels.size()).le32(2835).le32(2835).le32(int64_t(s.palette.size())).le32(0);
        dib.zeros(s.headerSize - 40);
    }
    for (uint32_t m : s.masks)
        dib.le32(m);
    for (uint32_t c : s.palette) {
        dib.u8(int(c >> 16)).u8(int(c >> 8)).u8(int(c));
        if (s.headerSize != 12)
            dib.u8(0);
    }
    Bytes file;
    file.text("BM").le32(14 + dib.size() + s.pixels.size()).le32(0).le32(14 + dib.size());
    return file.raw(dib.b).raw(s.pixels).b;
}

RgbImage read(const QByteArray &bytes, int &error) { return readBmp(byteSpan(bytes), error); }

} // namespace

TEST(BmpCodec, RoundTripsEveryRowPadding)
{
    for (int w : {1, 2, 3, 4, 5, 17}) {
        const RgbImage img = gbtest::patternImage(w, 3);
        QByteArray bytes;
        int error = -1;
        ASSERT_TRUE(writeBmp(img, bytes, error));
        EXPECT_EQ(error, ImgOk);
        const RgbImage back = read(bytes, error);
        EXPECT_TRUE(gbtest::sameImage(img, back)) << w;
        int bw = 0, bh = 0, bits = 0;
        ASSERT_TRUE(readBmpDims(byteSpan(bytes), bw, bh, bits, error));
        EXPECT_EQ(bw, w);
        EXPECT_EQ(bh, 3);
        EXPECT_EQ(bits, 24);
    }
}

TEST(BmpCodec, ReadsEachDepthAndRowOrder)
{
    const uint32_t red = 0x0000FF, green = 0x00FF00, blue = 0xFF0000, white = 0xFFFFFF;
    struct Case {
        const char *what;
        BmpSpec spec;
        std::vector<uint32_t> expected; // top row first
    };
    const Case cases[] = {
        {"1 bit bottom-up", {2, 2, 1, 0, {red, blue}, {}, QByteArray("\x80\0\0\0\x40\0\0\0", 8)},
         {red, blue, blue, red}},
        {"1 bit top-down", {2, -2, 1, 0, {red, blue}, {}, QByteArray("\x80\0\0\0\x40\0\0\0", 8)},
         {blue, red, red, blue}},
        {"4 bit", {2, 2, 4, 0, {0, red, green, blue}, {}, QByteArray("\x12\0\0\0\x30\0\0\0", 8)},
         {blue, 0, red, green}},
        {"8 bit, index past the table is black", {2, 2, 8, 0, {red, green}, {},
         QByteArray("\x01\x00\0\0\x00\x09\0\0", 8)}, {red, 0, green, red}},
        {"16 bit 5-5-5", {2, 1, 16, 0, {}, {}, QByteArray("\x00\x7C\x1F\x00", 4)}, {red, blue}},
        {"16 bit 5-6-5 masks", {2, 1, 16, 3, {}, {0xF800, 0x07E0, 0x001F}, QByteArray("\xE0\x07\xFF\xFF", 4)},
         {green, white}},
        {"24 bit top-down", {1, -2, 24, 0, {}, {}, QByteArray("\x00\x00\xFF\0\xFF\x00\x00\0", 8)}, {red, blue}},
        {"32 bit", {2, 1, 32, 0, {}, {}, QByteArray("\x00\xFF\x00\x80\xFF\x00\x00\x00", 8)}, {green, blue}},
        {"32 bit masks", {1, 1, 32, 3, {}, {0xFF, 0xFF00, 0xFF0000}, QByteArray("\x10\x20\x30\x00", 4)},
         {0x302010}},
    };
    for (const Case &c : cases) {
        int error = -1;
        const RgbImage img = read(makeBmp(c.spec), error);
        EXPECT_EQ(error, ImgOk) << c.what;
        expectPixels(img, c.expected, c.what);
    }
}

TEST(BmpCodec, Os2CoreHeader)
{
    BmpSpec s{2, 1, 8, 0, {0x112233, 0x445566}, {}, QByteArray("\x01\x00\0\0", 4), 12};
    int error = -1;
    const RgbImage img = read(makeBmp(s), error);
    expectPixels(img, {0x445566, 0x112233}, "core header");
}

TEST(BmpCodec, Rle8WithRunsAbsoluteDeltaAndEndOfLine)
{
    // 4 x 3, bottom-up: row 0 (bottom) = run of 3 x index 1, end of line; row 1 = absolute
    // 1,2,1 (padded to a word), then delta (0,1) to row 2 at x 3, one pixel of index 2, end.
    const QByteArray rle("\x03\x01\x00\x00"
                         "\x00\x03\x01\x02\x01\x00"
                         "\x00\x02\x00\x01\x01\x02\x00\x01", 18);
    BmpSpec s{4, 3, 8, 1, {0x000000, 0x0000FF, 0x00FF00}, {}, rle};
    int error = -1;
    const RgbImage img = read(makeBmp(s), error);
    EXPECT_EQ(error, ImgOk);
    expectPixels(img, {0, 0, 0, 0x00FF00,
                       0x0000FF, 0x00FF00, 0x0000FF, 0,
                       0x0000FF, 0x0000FF, 0x0000FF, 0}, "rle8");
}

TEST(BmpCodec, Rle4AlternatesNibbles)
{
    // 7 x 1: run of 3 pixels alternating 1/2, absolute 3 pixels 2,1,1, a run past the row's
    // end that is cut at the edge, end of bitmap.
    const QByteArray rle("\x03\x12\x00\x03\x21\x10\x09\x22\x00\x01", 10);
    BmpSpec s{7, 1, 4, 2, {0, 0x0000FF, 0xFF0000}, {}, rle};
    int error = -1;
    const RgbImage img = read(makeBmp(s), error);
    expectPixels(img, {0x0000FF, 0xFF0000, 0x0000FF, 0xFF0000, 0x0000FF, 0x0000FF, 0xFF0000}, "rle4");
}

TEST(BmpCodec, DimsOfTopDownImage)
{
    BmpSpec s{3, -7, 8, 0, {0}, {}, QByteArray(28, '\0')};
    int w = 0, h = 0, bits = 0, error = -1;
    ASSERT_TRUE(readBmpDims(byteSpan(makeBmp(s)), w, h, bits, error));
    EXPECT_EQ(w, 3);
    EXPECT_EQ(h, 7);
    EXPECT_EQ(bits, 8);
}

TEST(BmpCodec, DamagedFilesFailCleanly)
{
    const QByteArray good = makeBmp({2, 2, 24, 0, {}, {}, QByteArray(16, '\x40')});
    gbtest::expectRefused(readBmp, {
        {"empty", QByteArray(), ImgBadBmp},
        {"signature only", QByteArray("BM"), ImgBadBmp},
        {"wrong signature", patched(good, 0, "XM"), ImgBadBmp},
        {"truncated pixels", good.left(good.size() - 1), ImgBadBmp},
        {"truncated header", good.left(30), ImgBadBmp},
        {"zero width", patched(good, 18, QByteArray(4, '\0')), ImgBadBmp},
        {"zero height", patched(good, 22, QByteArray(4, '\0')), ImgBadBmp},
        {"7 bits", patched(good, 28, QByteArray("\x07\x00", 2)), ImgBadBmp},
        {"data offset past the end", patched(good, 10, QByteArray("\xFF\xFF\x00\x00", 4)), ImgBadBmp},
        {"data offset inside the header", patched(good, 10, QByteArray("\x10\x00\x00\x00", 4)), ImgBadBmp},
        {"header size huge", patched(good, 14, QByteArray("\xFF\xFF\xFF\x7F", 4)), ImgBadBmp},
        {"lying dimensions", patched(good, 18, QByteArray("\x00\x10\x00\x00\x00\x10\x00\x00", 8)), ImgBadBmp},
        {"over the pixel limit", patched(good, 18, QByteArray("\x00\x00\x01\x00\x00\x00\x01\x00", 8)), ImgOutOfMemory},
        {"most negative height", patched(good, 22, QByteArray("\x00\x00\x00\x80", 4)), ImgOutOfMemory},
        {"JPEG inside", patched(good, 30, QByteArray("\x04", 1)), ImgRleUnsupported},
        {"RLE8 at 24 bits", patched(good, 30, QByteArray("\x01", 1)), ImgBadBmp},
        {"RLE absolute run cut short", makeBmp({4, 1, 8, 1, {0}, {}, QByteArray("\x00\x04\x01", 3)}), ImgBadBmp},
        {"RLE delta cut short", makeBmp({4, 1, 8, 1, {0}, {}, QByteArray("\x00\x02\x01", 3)}), ImgBadBmp},
        {"tiny coded data for a huge image", makeBmp({16384, 16384, 8, 1, {0}, {}, QByteArray("\x00\x01", 2)}),
         ImgBadBmp},
        {"bit fields at 8 bits", makeBmp({2, 1, 8, 3, {0}, {1, 2, 4}, QByteArray(4, '\0')}), ImgBadBmp},
    });
}

TEST(BmpCodec, PackedDibAsMetafilesHoldIt)
{
    const RgbImage img = gbtest::patternImage(3, 2);
    const QByteArray dib = encodeDib(img);
    int error = -1;
    EXPECT_TRUE(gbtest::sameImage(decodeDib(byteSpan(dib), nullptr, error), img));
    // Separate header and bits, as enhanced metafiles store them.
    const QByteArray header = dib.left(40), bits = dib.mid(40);
    const ByteSpan bitsSpan = byteSpan(bits);
    EXPECT_TRUE(gbtest::sameImage(decodeDib(byteSpan(header), &bitsSpan, error), img));
    const QByteArray shortBits = bits.left(bits.size() - 4);
    const ByteSpan shortSpan = byteSpan(shortBits);
    EXPECT_TRUE(decodeDib(byteSpan(header), &shortSpan, error).isNull());
    EXPECT_EQ(error, ImgBadBmp);
}
