#include "actions/alignposition.h"
#include "actions/imageoperations.h"
#include "actions/resizeimagebe.h"
#include "actions/rotateimagebe.h"
#include "actions/vflip.h"
#include "platform/imagelib/imageopstestutil.h"

#include <gtest/gtest.h>

using namespace gb;
using namespace gbtest;

TEST(AlignPosition, NinePlacementsAndTheRest)
{
    struct Case {
        int code, W, H, w, h;
        QPoint want;
    };
    // Margins L 1, T 2, R 3, B 4 throughout, so each one used shows.
    const Case cases[] = {
        {1, 640, 480, 200, 16, {1, 2}},       {2, 640, 480, 200, 16, {220, 2}},   {3, 640, 480, 200, 16, {437, 2}},
        {4, 640, 480, 200, 16, {1, 232}},     {5, 640, 480, 200, 16, {220, 232}}, {6, 640, 480, 200, 16, {437, 232}},
        {7, 640, 480, 200, 16, {1, 460}},     {8, 640, 480, 200, 16, {220, 460}}, {9, 640, 480, 200, 16, {437, 460}},
        {5, 100, 100, 105, 107, {-3, -4}},    // half of -5 is -3, of -7 is -4
        {5, 100, 100, 99, 98, {0, 1}},        // half of 1 is 0
        {0, 640, 480, 200, 16, {0, 0}},       {10, 640, 480, 200, 16, {0, 0}},    {-1, 640, 480, 200, 16, {0, 0}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(alignPosition(c.code, c.W, c.H, c.w, c.h, 1, 2, 3, 4), c.want) << c.code;
    // Results beyond int's range are held to it.
    EXPECT_EQ(alignPosition(3, 0, 0, 2147483647, 0, 0, 0, 2147483647, 0), QPoint(-2147483647 - 1, 0));
    // The worked example: placement 8, margins 10, a 200 x 16 text on 640 x 480.
    EXPECT_EQ(alignPosition(8, 640, 480, 200, 16, 10, 10, 10, 10), QPoint(220, 454));
    EXPECT_EQ(alignPositionLabels().size(), 9);
    EXPECT_EQ(alignPositionLabels().at(7), "Center at bottom");
}

TEST(ResizeDims, TypesRatioAndRounding)
{
    struct Case {
        int type, W, H, width, height;
        double percent;
        QSize want;
    };
    const Case cases[] = {
        {1, 1600, 1200, 640, 640, 0, {640, 480}},   // 640 / 1.33333333 = 480.0000012
        {1, 1600, 1200, 640, 400, 0, {533, 400}},   // 400 * 1.33333333 = 533.33
        {1, 100, 50, 1000, 1000, 0, {1000, 500}},   // best fit enlarges
        {5, 1600, 1200, 0, 0, 25, {400, 300}},
        {2, 1024, 768, 800, 0, 0, {800, 600}},
        {3, 1024, 768, 0, 300, 0, {400, 300}},
        {4, 1024, 768, 100, 100, 0, {100, 100}},
        {2, 3, 2, 1, 0, 0, {1, 1}},                 // 1 / 1.5 = 0.67 rounds to 1
        {2, 4, 1, 2, 0, 0, {2, 1}},                 // 0.5 rounds up
        {2, 2000, 1, 100, 0, 0, {100, 1}},          // 0.05 would be 0: at least 1
        {5, 10, 10, 0, 0, 0, {1, 1}},
        {4, 10, 10, 0, -5, 0, {1, 1}},
        {5, 7, 3, 0, 0, 50, {4, 2}},                // 3.5 and 1.5 go up
    };
    for (const Case &c : cases)
        EXPECT_EQ(calcResizeDims(c.type, c.W, c.H, c.width, c.height, c.percent), c.want)
            << c.type << " " << c.W << "x" << c.H;
    EXPECT_TRUE(calcResizeDims(6, 10, 10, 5, 5, 0).isEmpty());
    EXPECT_TRUE(calcResizeDims(4, 10, 10, 65536, 65536, 0).isEmpty()); // 2^32 pixels
    EXPECT_TRUE(calcResizeDims(5, 10, 10, 0, 0, 1e12).isEmpty());
    EXPECT_EQ(resizeTypeLabels().at(4), "Percent");
}

TEST(ResizeImageBE, BothResamplersAndFailure)
{
    const RgbImage src = greyOf(4, 2, {0, 10, 20, 30, 40, 50, 60, 70});
    const RgbImage bilinear = resizeImageBE(src, 4, 2, 1, 0);          // absent flag: bilinear
    const RgbImage area = resizeImageBE(src, 4, 2, 1, 0, false);
    ASSERT_FALSE(bilinear.isNull());
    ASSERT_FALSE(area.isNull());
    EXPECT_EQ(greys(area), (std::vector<int>{25, 45}));
    EXPECT_EQ(greys(bilinear), (std::vector<int>{25, 45})); // midway samples of the 2 x 2 blocks
    EXPECT_TRUE(resizeImageBE(src, 9, 2, 1, 0).isNull());
    EXPECT_TRUE(resizeImageBE(RgbImage(), 4, 2, 1, 0).isNull());
    EXPECT_EQ(src.width(), 4); // the source is left alone
}

TEST(RotateImageBE, DegreesToTheLeftAndSizes)
{
    const RgbImage src = RgbImage::filled(640, 480, 1, 2, 3);
    const RgbImage left = rotateImageBE(src, 90, 0);
    ASSERT_FALSE(left.isNull());
    EXPECT_EQ(left.width(), 480);
    EXPECT_EQ(left.height(), 640);
    const RgbImage small = greyOf(2, 1, {1, 2});
    EXPECT_EQ(greys(rotateImageBE(small, 90, 0)), (std::vector<int>{2, 1}));  // left: right end on top
    EXPECT_EQ(greys(rotateImageBE(small, -90, 0)), (std::vector<int>{1, 2})); // right: left end on top
    const RgbImage tilted = rotateImageBE(src, 30, 0xFFFFFF);
    EXPECT_EQ(tilted.width(), 794);  // 640 cos 30 + 480 sin 30 = 794.3
    EXPECT_EQ(tilted.height(), 736); // 640 sin 30 + 480 cos 30 = 735.7
    EXPECT_EQ(colourAt(tilted, 0, 0), 0xFFFFFFu);
    EXPECT_TRUE(rotateImageBE(RgbImage(), 90, 0).isNull());
}

TEST(FlipMirror, InPlace)
{
    RgbImage img = greyOf(2, 2, {1, 2, 3, 4});
    EXPECT_TRUE(vFlip(img));
    EXPECT_EQ(greys(img), (std::vector<int>{3, 4, 1, 2}));
    EXPECT_TRUE(hFlip(img));
    EXPECT_EQ(greys(img), (std::vector<int>{4, 3, 2, 1}));
}
