#include "platform/imagelib/quantize.h"

#include <gtest/gtest.h>

#include <set>

using namespace gb;

namespace {

uint32_t colourOf(const RgbImage &img, int x, int y)
{
    const uint8_t *p = img.pixel(x, y);
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16);
}

// A smooth gradient with many thousands of distinct colours.
RgbImage gradient(int w, int h)
{
    RgbImage img = RgbImage::create(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t *p = img.pixel(x, y);
            p[0] = uint8_t(x * 255 / (w - 1));
            p[1] = uint8_t(y * 255 / (h - 1));
            p[2] = uint8_t((x + y) * 255 / (w + h - 2));
        }
    return img;
}

// Colours taken from a small set in a scattered order.
RgbImage fromColours(const std::vector<uint32_t> &colours, int w, int h)
{
    RgbImage img = RgbImage::create(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint32_t c = colours[size_t(x * 7 + y * 13) % colours.size()];
            uint8_t *p = img.pixel(x, y);
            p[0] = uint8_t(c);
            p[1] = uint8_t(c >> 8);
            p[2] = uint8_t(c >> 16);
        }
    return img;
}

} // namespace

TEST(Quantize, FewColoursAreKeptExactly)
{
    for (int count : {1, 2, 17, 256}) {
        std::vector<uint32_t> colours;
        for (int i = 0; i < count; ++i)
            colours.push_back(uint32_t(i * 40503u * 97u) & 0xFFFFFFu);
        const RgbImage img = fromColours(colours, 37, 29);
        const IndexedImage q = quantize(img, 256);
        ASSERT_EQ(q.width, 37);
        ASSERT_EQ(q.height, 29);
        const std::set<uint32_t> distinct(colours.begin(), colours.end());
        EXPECT_EQ(q.palette.size(), distinct.size()) << count;
        EXPECT_TRUE(std::is_sorted(q.palette.begin(), q.palette.end()));
        const RgbImage back = expand(q);
        ASSERT_FALSE(back.isNull());
        EXPECT_TRUE(std::equal(img.data(), img.data() + img.byteCount(), back.data())) << count;
    }
}

TEST(Quantize, NeverMoreColoursThanAsked)
{
    const RgbImage img = gradient(300, 200);
    // Table: asked -> the limit in effect (clamped to 1..256); one colour asked gives one.
    const std::pair<int, int> cases[] = {{256, 256}, {16, 16}, {2, 2}, {1, 1}, {0, 1}, {-5, 1}, {1000, 256}};
    for (auto [asked, limit] : cases) {
        const IndexedImage q = quantize(img, asked);
        EXPECT_LE(q.palette.size(), size_t(limit)) << asked;
        EXPECT_GE(q.palette.size(), 1u) << asked;
        ASSERT_EQ(q.indices.size(), img.pixelCount());
        for (uint8_t i : q.indices)
            ASSERT_LT(i, q.palette.size()) << asked;
        const RgbImage back = expand(q);
        std::set<uint32_t> used;
        for (int y = 0; y < back.height(); ++y)
            for (int x = 0; x < back.width(); ++x)
                used.insert(colourOf(back, x, y));
        EXPECT_LE(used.size(), size_t(limit)) << asked;
    }
}

TEST(Quantize, ThreeHundredColoursReducedTo256StayClose)
{
    // Just past the exact limit: the median cut must still place every pixel near its colour.
    std::vector<uint32_t> colours;
    for (int i = 0; i < 300; ++i)
        colours.push_back(uint32_t((i * 37) % 256) | (uint32_t((i * 91) % 256) << 8)
                          | (uint32_t((i * 53) % 256) << 16));
    const RgbImage img = fromColours(colours, 60, 60);
    const RgbImage back = expand(quantize(img, 256));
    double err = 0;
    for (size_t i = 0; i < img.byteCount(); ++i)
        err += std::abs(int(img.data()[i]) - int(back.data()[i]));
    EXPECT_LT(err / img.byteCount(), 8.0);
}

TEST(Quantize, GradientErrorIsSmall)
{
    const RgbImage img = gradient(256, 256);
    const RgbImage back = expand(quantize(img, 256));
    int worst = 0;
    double total = 0;
    for (size_t i = 0; i < img.byteCount(); ++i) {
        const int d = std::abs(int(img.data()[i]) - int(back.data()[i]));
        worst = std::max(worst, d);
        total += d;
    }
    EXPECT_LT(total / img.byteCount(), 6.0);
    EXPECT_LT(worst, 40);
}

TEST(Quantize, TwoColourImageAskedForTwoIsExact)
{
    const RgbImage img = fromColours({0x000000, 0xFFFFFF}, 9, 9);
    const IndexedImage q = quantize(img, 2);
    EXPECT_EQ(q.palette, (std::vector<uint32_t>{0x000000, 0xFFFFFF}));
}

TEST(Quantize, NullImages)
{
    EXPECT_TRUE(quantize(RgbImage(), 256).isNull());
    EXPECT_TRUE(expand(IndexedImage()).isNull());
    IndexedImage shortIndices{4, 4, {0xFF}, std::vector<uint8_t>(15, 0)};
    EXPECT_TRUE(expand(shortIndices).isNull());
}

TEST(Quantize, IndexPastPaletteExpandsToBlack)
{
    IndexedImage q{2, 1, {0x0000FF}, {0, 200}};
    const RgbImage img = expand(q);
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(colourOf(img, 0, 0), 0x0000FFu);
    EXPECT_EQ(colourOf(img, 1, 0), 0u);
}
