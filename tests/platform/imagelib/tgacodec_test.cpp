#include "platform/imagelib/tgacodec.h"

#include "platform/imagelib/codectestutil.h"

#include <gtest/gtest.h>

using namespace gb;
using gbtest::Bytes;
using gbtest::expectPixels;
using gbtest::patched;

namespace {

struct TgaSpec {
    int type = 2; // with the RLE flag 8 where coded
    int width = 2, height = 1, depth = 24;
    int descriptor = 0x20; // top-down unless told
    QByteArray map;        // colour map bytes as stored
    int mapFirst = 0, mapLength = 0, mapDepth = 0;
    QByteArray pixels;
    QByteArray id = {};
};

QByteArray makeTga(const TgaSpec &s)
{
    Bytes b;
    b.u8(s.id.size()).u8(s.mapLength ? 1 : 0).u8(s.type).le16(s.mapFirst).le16(s.mapLength).u8(s.mapDepth)
        .le16(0).le16(0).le16(s.width).le16(s.height).u8(s.depth).u8(s.descriptor);
    return b.raw(s.id).raw(s.map).raw(s.pixels).b;
}

const uint32_t red = 0x0000FF, green = 0x00FF00, blue = 0xFF0000;

} // namespace

TEST(TgaCodec, RoundTrips)
{
    for (int w : {1, 5, 64}) {
        const RgbImage img = gbtest::patternImage(w, 3);
        QByteArray bytes;
        int error = -1;
        ASSERT_TRUE(writeTga(img, bytes, error));
        EXPECT_EQ(error, ImgOk);
        EXPECT_TRUE(gbtest::sameImage(readTga(byteSpan(bytes), error), img)) << w;
        EXPECT_EQ(bytes[17], 0) << "origin at the bottom left";
    }
}

TEST(TgaCodec, ReadsEachDepthPlainAndCoded)
{
    struct Case {
        const char *what;
        TgaSpec spec;
        std::vector<uint32_t> expected;
    };
    const Case cases[] = {
        {"24 bits", {2, 2, 1, 24, 0x20, {}, 0, 0, 0, QByteArray("\x00\x00\xFF\xFF\x00\x00", 6)}, {red, blue}},
        {"32 bits, alpha ignored", {2, 2, 1, 32, 0x28, {}, 0, 0, 0, QByteArray("\x00\xFF\x00\x00\x01\x02\x03\xFF", 8)},
         {green, 0x010203}},
        {"16 bits 5-5-5", {2, 2, 1, 16, 0x20, {}, 0, 0, 0, QByteArray("\x00\x7C\x1F\x80", 4)}, {red, blue}},
        {"15 bits", {2, 1, 1, 15, 0x20, {}, 0, 0, 0, QByteArray("\xE0\x03", 2)}, {green}},
        {"grey", {3, 2, 1, 8, 0x20, {}, 0, 0, 0, QByteArray("\x00\x7F", 2)}, {0, 0x7F7F7F}},
        {"mapped, first entry 2, index outside the map is black",
         {1, 3, 1, 8, 0x20, QByteArray("\x00\x00\xFF\x00\xFF\x00", 6), 2, 2, 24, QByteArray("\x02\x03\x01", 3)},
         {red, green, 0}},
        {"mapped, 16-bit indices and 16-bit map",
         {1, 2, 1, 16, 0x20, QByteArray("\x00\x7C\x1F\x00", 4), 0, 2, 16, QByteArray("\x01\x00\x00\x00", 4)},
         {blue, red}},
        {"id field skipped", {2, 1, 1, 24, 0x20, {}, 0, 0, 0, QByteArray("\x00\xFF\x00", 3), QByteArray("hello")},
         {green}},
        {"coded 24 bits, packet across rows",
         {10, 3, 2, 24, 0x20, {}, 0, 0, 0, QByteArray("\x83\x00\x00\xFF\x01\xFF\x00\x00\x00\xFF\x00", 11)},
         {red, red, red, red, blue, green}},
        {"coded grey", {11, 2, 2, 8, 0x20, {}, 0, 0, 0, QByteArray("\x82\x10\x00\x20", 4)},
         {0x101010, 0x101010, 0x101010, 0x202020}},
        {"coded mapped", {9, 2, 1, 8, 0x20, QByteArray("\x00\xFF\x00", 3), 0, 1, 24, QByteArray("\x81\x00", 2)},
         {green, green}},
        {"bottom-up", {2, 1, 2, 24, 0x00, {}, 0, 0, 0, QByteArray("\x00\x00\xFF\xFF\x00\x00", 6)}, {blue, red}},
        {"right to left", {2, 2, 1, 24, 0x30, {}, 0, 0, 0, QByteArray("\x00\x00\xFF\xFF\x00\x00", 6)}, {blue, red}},
        {"map before a true-colour image", {2, 1, 1, 24, 0x20, QByteArray("\x01\x02\x03", 3), 0, 1, 24,
                                            QByteArray("\x00\xFF\x00", 3)},
         {green}},
    };
    for (const Case &c : cases) {
        int error = -1;
        const RgbImage img = readTga(byteSpan(makeTga(c.spec)), error);
        EXPECT_EQ(error, ImgOk) << c.what;
        expectPixels(img, c.expected, c.what);
    }
}

TEST(TgaCodec, DamagedFilesFailCleanly)
{
    const QByteArray good = makeTga({2, 2, 2, 24, 0x20, {}, 0, 0, 0, QByteArray(12, '\x10')});
    const QByteArray coded = makeTga({10, 2, 2, 24, 0x20, {}, 0, 0, 0, QByteArray("\x83\x01\x02\x03", 4)});
    gbtest::expectRefused(readTga, {
        {"empty", QByteArray(), ImgBadTga},
        {"short header", good.left(17), ImgBadTga},
        {"data ends early", good.left(good.size() - 1), ImgBadTga},
        {"coded data ends early", coded.left(coded.size() - 1), ImgBadTga},
        {"coded packet header last", coded.left(18) + QByteArray("\x81\x00\x00\x00", 4) + char(0x7F), ImgBadTga},
        {"unknown type", patched(good, 2, "\x04"), ImgBadTga},
        {"type 32 (Huffman)", patched(good, 2, "\x20"), ImgBadTga},
        {"colour map type 2", patched(good, 1, "\x02"), ImgBadTga},
        {"12 bits", patched(good, 16, "\x0C"), ImgBadTga},
        {"zero width", patched(good, 12, QByteArray(2, '\0')), ImgBadTga},
        {"mapped without a map", makeTga({1, 1, 1, 8, 0x20, {}, 0, 0, 0, QByteArray(1, '\0')}), ImgBadTga},
        {"map past the end", makeTga({1, 1, 1, 8, 0x20, QByteArray(3, '\0'), 0, 200, 24, QByteArray(1, '\0')}),
         ImgBadTga},
        {"map entries of 8 bits", makeTga({1, 1, 1, 8, 0x20, QByteArray(3, '\0'), 0, 3, 8, QByteArray(1, '\0')}),
         ImgBadTga},
        {"id past the end", patched(good, 0, "\xFF"), ImgBadTga},
        {"lying dimensions", patched(coded, 12, QByteArray("\xFF\x3F\xFF\x3F", 4)), ImgBadTga},
        {"over the pixel limit", patched(good, 12, QByteArray("\xFF\xFF\xFF\xFF", 4)), ImgOutOfMemory},
    });
}
