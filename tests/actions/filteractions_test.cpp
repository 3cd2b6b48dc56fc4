#include "actions/applyconvfilter.h"
#include "actions/applyfilterbe.h"
#include "actions/applygrayscale.h"
#include "actions/applymediancut.h"
#include "actions/blurimage.h"
#include "actions/changebrightnesscontrast.h"
#include "actions/changecolordepth.h"
#include "actions/histogramequalize.h"
#include "actions/invertcolors.h"
#include "actions/replacecolorbe.h"
#include "actions/sharpenimagebe.h"
#include "platform/imagelib/imageopstestutil.h"

#include <gtest/gtest.h>

#include <set>

using namespace gb;
using namespace gbtest;

namespace {

int colourCount(const RgbImage &img)
{
    std::set<uint32_t> c;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            c.insert(colourAt(img, x, y));
    return int(c.size());
}

} // namespace

TEST(Inversions, EachChannelAsNamed)
{
    struct Case {
        void (*op)(RgbImage &);
        uint32_t want;
    };
    const uint32_t px = 0 + 128 * 256 + 255 * 65536;
    for (const Case &c : {Case{&invertAllColors, 255 + 127 * 256 + 0 * 65536}, Case{&invertRedColor, 255 + 128 * 256 + 255 * 65536},
                          Case{&invertGreenColor, 0 + 127 * 256 + 255 * 65536}, Case{&invertBlueColor, 0 + 128 * 256 + 0 * 65536}}) {
        RgbImage img = imageOf(1, 1, {px});
        c.op(img);
        EXPECT_EQ(colourAt(img, 0, 0), c.want);
    }
    RgbImage none;
    invertAllColors(none); // nothing to do, nothing happens
}

TEST(NewBufferOperations, IdentitiesKeepTheImageAndLeaveTheSource)
{
    const RgbImage src = noise(30, 20, 6);
    const RgbImage before = src.clone();
    std::array<double, 9> identity{};
    identity[4] = 1.0;
    std::array<double, 49> identity7{};
    identity7[24] = 1.0;
    EXPECT_TRUE(samePixels(blurImage(src, 0), src));
    EXPECT_TRUE(samePixels(sharpenImageBE(src, 0), src));
    EXPECT_TRUE(samePixels(applyFilterBE(src, identity, true, true, true, false, false, 1.0), src));
    EXPECT_TRUE(samePixels(applyFilterBE(src, identity, true, true, true, false, true, 0.0), src));
    EXPECT_TRUE(samePixels(applyConvFilter(src, identity7, 1.0), src));
    EXPECT_TRUE(samePixels(applyConvFilter(src, identity7, 0.0), src));
    EXPECT_LE(colourCount(applyMedianCut(src)), 256);
    EXPECT_TRUE(samePixels(src, before));
    EXPECT_TRUE(blurImage(RgbImage(), 5).isNull());
    EXPECT_TRUE(applyMedianCut(RgbImage()).isNull());
}

TEST(ApplyFilterBE, NoChannelFlagGivesMaskZero)
{
    const RgbImage px = imageOf(1, 1, {10 + 20 * 256 + 30 * 65536});
    std::array<double, 9> doubling{};
    doubling[4] = 2.0;
    EXPECT_EQ(colourAt(applyFilterBE(px, doubling, false, false, false, false, false, 1.0), 0, 0),
              10 + 20 * 256 + 30 * 65536u);
    EXPECT_EQ(colourAt(applyFilterBE(px, doubling, false, false, false, true, false, 1.0), 0, 0), 0u);
    EXPECT_EQ(colourAt(applyFilterBE(px, doubling, false, true, false, false, false, 1.0), 0, 0),
              10 + 40 * 256 + 30 * 65536u);
}

TEST(InPlaceColourOperations, IdentitiesAndBounds)
{
    const RgbImage src = noise(16, 16, 8);
    RgbImage img = src.clone();
    EXPECT_TRUE(changeBrightnessContrast(img, 0.0, 0.0));
    EXPECT_TRUE(samePixels(img, src));
    EXPECT_TRUE(histogramEqualize(img, 0, 255, false, false, false));
    EXPECT_TRUE(samePixels(img, src));
    EXPECT_FALSE(histogramEqualize(img, 200, 100, true, true, true)); // a damaged command
    EXPECT_TRUE(samePixels(img, src));
    EXPECT_TRUE(applyGrayScale(img));
    EXPECT_EQ(colourAt(img, 3, 3) % 65793, 0u);
}

TEST(ReplaceColorBE, ToleranceCubeCutAtTheEnds)
{
    struct Case {
        int r0, g0, b0, tolerance;
        std::vector<int> want; // greys 0, 1, 2, 3, 126, 128, 130, 131 after replacement by 255
    };
    const Case cases[] = {
        {0, 0, 0, 0, {255, 1, 2, 3, 126, 128, 130, 131}},
        {0, 0, 0, 2, {255, 255, 255, 3, 126, 128, 130, 131}},   // -2 and -1 match nothing
        {128, 128, 128, 2, {0, 1, 2, 3, 255, 255, 255, 131}},
        {128, 128, 128, -1, {0, 1, 2, 3, 126, 128, 130, 131}},
        {300, 0, 0, 9, {0, 1, 2, 3, 126, 128, 130, 131}},      // a centre off the scale
    };
    for (const Case &c : cases) {
        RgbImage img = greyOf(8, 1, {0, 1, 2, 3, 126, 128, 130, 131});
        EXPECT_TRUE(replaceColorBE(img, c.r0, c.g0, c.b0, 0xFFFFFF, c.tolerance));
        EXPECT_EQ(greys(img), c.want) << c.r0 << " t " << c.tolerance;
    }
    RgbImage none;
    EXPECT_FALSE(replaceColorBE(none, 0, 0, 0, 0, 0));
}

TEST(ChangeColorDepth, ChoicesSetTheCount)
{
    const RgbImage src = noise(32, 32, 12);
    struct Case {
        int choice, countIn, countOut;
    };
    for (const Case &c : {Case{1, 99, 2}, Case{2, 0, 16}, Case{3, 200, 64}, Case{4, 5, 256}, Case{6, 7, 7}, Case{0, 100, 100}}) {
        RgbImage img = src.clone();
        int count = c.countIn;
        EXPECT_TRUE(changeColorDepth(img, c.choice, count)) << c.choice;
        EXPECT_EQ(count, c.countOut);
        EXPECT_LE(colourCount(img), c.countOut);
    }
    RgbImage img = src.clone();
    int count = 77;
    EXPECT_TRUE(changeColorDepth(img, 5, count));
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(samePixels(img, src));
    count = 300; // a damaged command's own count
    EXPECT_FALSE(changeColorDepth(img, 6, count));
    EXPECT_TRUE(samePixels(img, src));
}
