#include "actions/addborderbe.h"
#include "actions/applyframeglass.h"
#include "actions/createbuttonimage.h"
#include "platform/imagelib/imageopstestutil.h"

#include <gtest/gtest.h>

using namespace gb;
using namespace gbtest;

namespace {

uint32_t rgb(int r, int g, int b)
{
    return uint32_t(r + g * 256 + b * 65536);
}

// Colour at a pixel counted from 1, as the effects' rectangles count.
uint32_t at1(const RgbImage &img, int x, int y)
{
    return colourAt(img, x - 1, y - 1);
}

} // namespace

TEST(AddBorder, SizesPlacementAndBands)
{
    const RgbImage src = noise(100, 50, 2);
    const RgbImage out = addBorderBE(src, 10, 5, 5, 20, 1, 2, 3); // top, left, right, bottom
    ASSERT_EQ(out.width(), 110);
    ASSERT_EQ(out.height(), 80);
    EXPECT_EQ(at1(out, 6, 11), colourAt(src, 0, 0));
    EXPECT_EQ(at1(out, 105, 60), colourAt(src, 99, 49));
    for (auto [x, y] : {std::pair{1, 1}, {5, 30}, {106, 30}, {110, 80}, {50, 10}, {50, 61}, {50, 80}})
        EXPECT_EQ(at1(out, x, y), rgb(1, 2, 3)) << x << "," << y;

    EXPECT_TRUE(samePixels(addBorderBE(src, 0, 0, 0, 0, 9, 9, 9), src));
    const RgbImage clamped = addBorder2Rgb(src, -4, 1, -1, 0, 9, 9, 9); // damaged widths count as 0
    EXPECT_EQ(clamped.width(), 100);
    EXPECT_EQ(clamped.height(), 51);
    EXPECT_TRUE(addBorderBE(RgbImage(), 1, 1, 1, 1, 0, 0, 0).isNull());
    EXPECT_TRUE(addBorderBE(src, 1 << 30, 0, 0, 0, 0, 0, 0).isNull()); // past 2^31 pixels
}

TEST(Buttonize, RingsStepTowardWhite)
{
    RgbImage img = RgbImage::filled(100, 60, 7, 7, 7);
    ASSERT_TRUE(createButtonImage(img, 3, 0, 0, 255));
    struct Case {
        int x, y; // counted from 1
        uint32_t want;
    };
    const Case cases[] = {
        {2, 60, rgb(0, 0, 255)},     {99, 60, rgb(0, 0, 255)},    {100, 2, rgb(0, 0, 255)},   {100, 60, rgb(0, 0, 255)},
        {1, 1, rgb(63, 63, 255)},    {100, 1, rgb(63, 63, 255)},  {1, 60, rgb(63, 63, 255)},  // ring 1
        {3, 59, rgb(63, 63, 255)},   {99, 3, rgb(63, 63, 255)},   {2, 2, rgb(126, 126, 255)}, {99, 2, rgb(126, 126, 255)},
        {4, 58, rgb(126, 126, 255)}, {3, 3, rgb(189, 189, 255)},  {98, 3, rgb(189, 189, 255)}, // rings 2 and 3
        {4, 4, rgb(7, 7, 7)},        {50, 30, rgb(7, 7, 7)},      {97, 57, rgb(7, 7, 7)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(at1(img, c.x, c.y), c.want) << c.x << "," << c.y;
}

TEST(Buttonize, SizeRule)
{
    RgbImage img = RgbImage::filled(100, 60, 7, 7, 7);
    ASSERT_TRUE(createButtonImage(img, 80, 0, 0, 0)); // becomes 30: every pixel lies in a ring
    EXPECT_EQ(at1(img, 50, 31), rgb(29 * 8, 29 * 8, 29 * 8)); // ring 30's bottom edge, step 255 / 31 = 8
    for (int size : {0, -3}) {
        RgbImage untouched = RgbImage::filled(10, 10, 7, 7, 7);
        EXPECT_FALSE(createButtonImage(untouched, size, 0, 0, 0));
        EXPECT_EQ(at1(untouched, 1, 1), rgb(7, 7, 7));
    }
    RgbImage odd = RgbImage::filled(7, 5, 7, 7, 7);
    EXPECT_TRUE(createButtonImage(odd, 99, 0, 0, 0)); // half of 5 rounds down to 2
    EXPECT_EQ(at1(odd, 4, 3), rgb(7, 7, 7));
}

TEST(GlassFrame, BandsBlendTowardLightGreys)
{
    RgbImage img = RgbImage::filled(100, 100, 0, 0, 0);
    ASSERT_TRUE(applyFrameGlass(img, 10)); // step 6
    struct Case {
        int x, y, grey; // (0 + level) / 2
    };
    const Case cases[] = {
        {50, 91, 127}, {50, 100, 100}, {1, 100, 100}, {100, 100, 100}, // bottom band owns both lower corners
        {100, 1, 100}, {100, 90, 100}, {91, 1, 127}, {95, 50, 115},    // right band, level 255 - 4 * 6
        {1, 1, 127},   {90, 10, 127},  {1, 11, 127}, {10, 90, 127},    // top and left bands
        {11, 11, 96},  {90, 90, 96},   {50, 50, 96},                   // the inside, level 192
    };
    for (const Case &c : cases)
        EXPECT_EQ(at1(img, c.x, c.y), rgb(c.grey, c.grey, c.grey)) << c.x << "," << c.y;

    RgbImage untouched = RgbImage::filled(10, 10, 0, 0, 0);
    EXPECT_FALSE(applyFrameGlass(untouched, 0));
    EXPECT_EQ(at1(untouched, 5, 5), 0u);
    RgbImage big = RgbImage::filled(100, 80, 0, 0, 0);
    applyFrameGlass(big, 500); // becomes 40: the bands meet, nothing is left unblended
    for (auto [x, y] : {std::pair{1, 1}, {50, 40}, {100, 80}, {41, 41}})
        EXPECT_NE(at1(big, x, y), 0u) << x << "," << y;
}
