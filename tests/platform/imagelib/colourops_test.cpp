#include "platform/imagelib/brightnesscontrast.h"
#include "platform/imagelib/colorreplace.h"
#include "platform/imagelib/grayscale.h"
#include "platform/imagelib/histogramequalize.h"
#include "platform/imagelib/lut.h"
#include "platform/imagelib/to8bit.h"
#include "platform/imagelib/imageopstestutil.h"

#include <gtest/gtest.h>

#include <set>

using namespace gb;
using namespace gbtest;

namespace {

// Every value 0..255 once per channel.
RgbImage allValues()
{
    RgbImage img = RgbImage::create(256, 1);
    for (int v = 0; v < 256; ++v) {
        uint8_t *p = img.pixel(v, 0);
        p[0] = uint8_t(v);
        p[1] = uint8_t(255 - v);
        p[2] = uint8_t(v ^ 0x55);
    }
    return img;
}

} // namespace

TEST(Lut, AppliesToMaskedChannelsOnly)
{
    uint8_t invert[256];
    for (int v = 0; v < 256; ++v)
        invert[v] = uint8_t(255 - v);
    struct Case {
        int mask;
        uint32_t want;
    };
    for (const Case &c : {Case{7, 255 + 127 * 256 + 0 * 65536}, Case{1, 255 + 128 * 256 + 255 * 65536},
                          Case{2, 0 + 127 * 256 + 255 * 65536}, Case{4, 0 + 128 * 256 + 0 * 65536},
                          Case{0, 0 + 128 * 256 + 255 * 65536}}) {
        RgbImage img = imageOf(1, 1, {0 + 128 * 256 + 255 * 65536});
        ASSERT_TRUE(isApplyLutToRgb(img, c.mask, invert));
        EXPECT_EQ(colourAt(img, 0, 0), c.want) << c.mask;
    }
    RgbImage none;
    EXPECT_FALSE(isApplyLutToRgb(none, 7, invert));
}

TEST(BrightnessContrast, ZeroIsIdentityAndEndsSaturate)
{
    const RgbImage src = allValues();
    RgbImage img = src.clone();
    ASSERT_TRUE(isApplyBrightnessContrastToRgb(img, 0.0, 0.0));
    EXPECT_TRUE(samePixels(img, src));
    struct Case {
        double brightness, contrast;
        int at0, at100, at255;
    };
    const Case cases[] = {
        {1.0, 0.0, 255, 255, 255},   {-1.0, 0.0, 0, 0, 0},     {0.5, 0.0, 128, 228, 255},
        {0.0, -1.0, 128, 128, 128},  {0.0, 1.0, 0, 0, 255},    {0.0, 0.5, 0, 73, 255},
        {0.0, -0.5, 64, 114, 191},   {3.0, 0.0, 255, 255, 255}, // held to the range
    };
    for (const Case &c : cases) {
        RgbImage g = greyOf(3, 1, {0, 100, 255});
        ASSERT_TRUE(isApplyBrightnessContrastToRgb(g, c.brightness, c.contrast));
        EXPECT_EQ(greys(g), (std::vector<int>{c.at0, c.at100, c.at255})) << c.brightness << " " << c.contrast;
    }
    EXPECT_FALSE(isApplyBrightnessContrastToRgb(img, NAN, 0.0));
}

TEST(GrayScale, LumaAndGreyKept)
{
    RgbImage img = imageOf(4, 1, {0x0000FF, 0x00FF00, 0xFF0000, 0x7F7F7F});
    ASSERT_TRUE(isRgbToGrayScale24(img));
    EXPECT_EQ(greys(img), (std::vector<int>{77, 149, 29, 127}));
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(colourAt(img, x, 0) % 65793, 0u); // r = g = b
}

TEST(ColorReplace, OnePassEqualsOnePassPerColourOfTheCube)
{
    // Values cluster near both ends and the middle so the cube is cut at 0 and 255.
    for (auto [r0, g0, b0] : {std::tuple{0, 0, 0}, {128, 128, 128}, {255, 254, 1}, {3, 250, 128}}) {
        for (int t : {0, 1, 2, 3}) {
            for (uint32_t to : {0x000000u, uint32_t(r0 + g0 * 256 + b0 * 65536), 0x00FF00u}) {
                RgbImage src = noise(40, 40, unsigned(r0 + t), 0, 255);
                // Put plenty of pixels near the centre colour.
                for (int i = 0; i < 800; ++i) {
                    uint8_t *p = src.data() + size_t(i) * 3 * 2;
                    p[0] = uint8_t(std::clamp(r0 + (i % 9) - 4, 0, 255));
                    p[1] = uint8_t(std::clamp(g0 + (i / 9 % 9) - 4, 0, 255));
                    p[2] = uint8_t(std::clamp(b0 + (i / 81 % 9) - 4, 0, 255));
                }
                RgbImage slow = src.clone(), fast = src.clone();
                for (int r = r0 - t; r <= r0 + t; ++r)
                    for (int g = g0 - t; g <= g0 + t; ++g)
                        for (int b = b0 - t; b <= b0 + t; ++b)
                            if (r >= 0 && r <= 255 && g >= 0 && g <= 255 && b >= 0 && b <= 255) {
                                ASSERT_TRUE(isColorReplaceRgb(slow, uint32_t(r + g * 256 + b * 65536), to));
                            }
                ASSERT_TRUE(isColorReplaceRangeRgb(fast, r0, g0, b0, t, to));
                ASSERT_TRUE(samePixels(slow, fast)) << r0 << "," << g0 << "," << b0 << " t=" << t;
                ASSERT_FALSE(samePixels(src, fast) && to != uint32_t(r0 + g0 * 256 + b0 * 65536));
            }
        }
    }
    RgbImage none;
    EXPECT_FALSE(isColorReplaceRgb(none, 0, 1));
}

TEST(HistogramEqualize, SpreadsOverLowHighPerMaskedChannel)
{
    RgbImage img = imageOf(4, 1, {10 + 10 * 256, 20 + 10 * 256, 20 + 10 * 256, 30 + 10 * 256});
    ASSERT_TRUE(isHistogramEqualizeRgb(img, 0, 255, 7));
    // Red: cdf 1, 3, 4 over values 10, 20, 30 -> 0, 170, 255. Green holds one value: kept.
    EXPECT_EQ(colourAt(img, 0, 0), 0 + 10 * 256u);
    EXPECT_EQ(colourAt(img, 1, 0), 170 + 10 * 256u);
    EXPECT_EQ(colourAt(img, 3, 0), 255 + 10 * 256u);

    img = greyOf(2, 1, {10, 20});
    ASSERT_TRUE(isHistogramEqualizeRgb(img, 100, 100, 2));
    EXPECT_EQ(colourAt(img, 0, 0), 10 + 100 * 256 + 10 * 65536u);
    EXPECT_EQ(colourAt(img, 1, 0), 20 + 100 * 256 + 20 * 65536u);

    for (auto [lo, hi] : {std::pair{-1, 255}, {0, 256}, {200, 100}})
        EXPECT_FALSE(isHistogramEqualizeRgb(img, lo, hi, 7));
}

TEST(To8Bit, RoundTripAndColourCount)
{
    const RgbImage few = imageOf(3, 1, {0x010203, 0xFFFFFF, 0x010203});
    std::vector<uint8_t> idx;
    std::vector<uint32_t> pal;
    ASSERT_TRUE(isQuantizeRgbTo8Bit(few, idx, 16, pal));
    EXPECT_EQ(pal.size(), 16u);
    EXPECT_EQ(idx.size(), 3u);
    RgbImage back = RgbImage::create(3, 1);
    ASSERT_TRUE(is8BitToRgb(idx, back, 16, pal));
    EXPECT_TRUE(samePixels(back, few));

    const RgbImage many = noise(50, 50, 21);
    for (int count : {2, 16, 64, 256}) {
        ASSERT_TRUE(isQuantizeRgbTo8Bit(many, idx, count, pal));
        RgbImage out = RgbImage::create(50, 50);
        ASSERT_TRUE(is8BitToRgb(idx, out, count, pal));
        std::set<uint32_t> colours;
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 50; ++x)
                colours.insert(colourAt(out, x, y));
        EXPECT_LE(int(colours.size()), count);
    }
    EXPECT_FALSE(isQuantizeRgbTo8Bit(many, idx, 1, pal));
    EXPECT_FALSE(isQuantizeRgbTo8Bit(many, idx, 257, pal));
    // An index past the palette reads black; a short index image fails.
    RgbImage two = RgbImage::create(2, 1);
    ASSERT_TRUE(is8BitToRgb({0, 200}, two, 2, {0xFFFFFF, 0x00FF00}));
    EXPECT_EQ(colourAt(two, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(colourAt(two, 1, 0), 0u);
    EXPECT_FALSE(is8BitToRgb({0}, two, 2, {0xFFFFFF, 0x00FF00}));
    EXPECT_FALSE(is8BitToRgb({0, 1}, two, 3, {0xFFFFFF, 0x00FF00}));
}
