#include "platform/imagelib/decimate.h"
#include "platform/imagelib/flip.h"
#include "platform/imagelib/overlay.h"
#include "platform/imagelib/parallel.h"
#include "platform/imagelib/resize.h"
#include "platform/imagelib/rotate.h"
#include "platform/imagelib/imageopstestutil.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace gb;
using namespace gbtest;

namespace {

using Resampler = bool (*)(const RgbImage &, RgbImage &);

RgbImage resampled(Resampler f, const RgbImage &src, int w, int h)
{
    RgbImage dst = RgbImage::create(w, h);
    EXPECT_TRUE(f(src, dst));
    return dst;
}

} // namespace

TEST(Resample, SameSizeCopiesAndUniformStaysUniform)
{
    const RgbImage src = noise(37, 23);
    const RgbImage flat = RgbImage::filled(9, 7, 10, 200, 77);
    for (Resampler f : {&isResizeRgb, &isDecimateRgb}) {
        EXPECT_TRUE(samePixels(resampled(f, src, 37, 23), src));
        for (auto [w, h] : {std::pair{1, 1}, {3, 2}, {20, 31}}) {
            const RgbImage out = resampled(f, flat, w, h);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    ASSERT_EQ(colourAt(out, x, y), 10u + 200u * 256 + 77u * 65536);
        }
    }
}

TEST(Resample, BilinearSamplesPixelCentres)
{
    // Halving samples midway between two pixels; doubling puts 1/4 and 3/4 samples between.
    EXPECT_EQ(greys(resampled(&isResizeRgb, greyOf(4, 1, {0, 100, 200, 40}), 2, 1)), (std::vector<int>{50, 120}));
    EXPECT_EQ(greys(resampled(&isResizeRgb, greyOf(2, 1, {0, 200}), 4, 1)), (std::vector<int>{0, 50, 150, 200}));
    EXPECT_EQ(greys(resampled(&isResizeRgb, greyOf(1, 2, {0, 200}), 1, 4)), (std::vector<int>{0, 50, 150, 200}));
}

TEST(Resample, DecimateAveragesCoveredArea)
{
    struct Case {
        RgbImage src;
        int w, h;
        std::vector<int> want;
    };
    Case cases[] = {
        {greyOf(4, 2, {0, 10, 20, 30, 40, 50, 60, 70}), 2, 1, {25, 45}},
        {greyOf(3, 1, {0, 90, 180}), 2, 1, {30, 150}},       // half pixels count half
        {greyOf(2, 1, {0, 90}), 3, 1, {0, 45, 90}},          // enlarging
        {greyOf(1, 3, {0, 90, 180}), 1, 2, {30, 150}},       // the same down a column
        {greyOf(2, 2, {0, 255, 255, 255}), 1, 1, {191}},     // 765 / 4 = 191.25
    };
    for (Case &c : cases)
        EXPECT_EQ(greys(resampled(&isDecimateRgb, c.src, c.w, c.h)), c.want);
}

TEST(Resample, ResultDoesNotDependOnThreads)
{
    const RgbImage src = noise(300, 257, 5);
    setImageOpThreads(1);
    const RgbImage a = resampled(&isDecimateRgb, src, 97, 61), b = resampled(&isResizeRgb, src, 97, 61);
    setImageOpThreads(8);
    EXPECT_TRUE(samePixels(a, resampled(&isDecimateRgb, src, 97, 61)));
    EXPECT_TRUE(samePixels(b, resampled(&isResizeRgb, src, 97, 61)));
    setImageOpThreads(0);
}

TEST(Resample, NullImagesFail)
{
    RgbImage none, dst = RgbImage::create(2, 2);
    const RgbImage src = noise(2, 2);
    EXPECT_FALSE(isResizeRgb(none, dst));
    EXPECT_FALSE(isDecimateRgb(none, dst));
    EXPECT_FALSE(isResizeRgb(src, none));
    EXPECT_FALSE(isDecimateRgb(src, none));
}

TEST(Rotate, QuarterTurnsMovePixelsExactly)
{
    // 3 x 2:  a b c
    //         d e f
    const RgbImage src = greyOf(3, 2, {1, 2, 3, 4, 5, 6});
    const double pivalue = 3.14159265359; // the rotate action's own constant
    struct Case {
        double degrees;
        int w, h;
        std::vector<int> want;
    };
    const Case cases[] = {
        {90, 2, 3, {3, 6, 2, 5, 1, 4}},   // to the left
        {-90, 2, 3, {4, 1, 5, 2, 6, 3}},  // to the right
        {270, 2, 3, {4, 1, 5, 2, 6, 3}},
        {180, 3, 2, {6, 5, 4, 3, 2, 1}},
        {-180, 3, 2, {6, 5, 4, 3, 2, 1}},
        {360, 3, 2, {1, 2, 3, 4, 5, 6}},
        {0, 3, 2, {1, 2, 3, 4, 5, 6}},
        {450, 2, 3, {3, 6, 2, 5, 1, 4}},
    };
    for (const Case &c : cases) {
        const RgbImage out = isRotateRgb(src, c.degrees / 180 * pivalue, 0xFFFFFF);
        ASSERT_FALSE(out.isNull()) << c.degrees;
        EXPECT_EQ(out.width(), c.w) << c.degrees;
        EXPECT_EQ(out.height(), c.h) << c.degrees;
        EXPECT_EQ(greys(out), c.want) << c.degrees;
    }
}

TEST(Rotate, FourQuarterTurnsGiveTheImageBack)
{
    const RgbImage src = noise(131, 70, 3); // wider than one 64-pixel tile, odd sides
    RgbImage img = src.clone();
    for (int i = 0; i < 4; ++i)
        img = isRotateRgb(img, M_PI / 2, 0);
    EXPECT_TRUE(samePixels(img, src));
    img = isRotateRgb(isRotateRgb(src, M_PI / 2, 0), -M_PI / 2, 0);
    EXPECT_TRUE(samePixels(img, src));
}

TEST(Rotate, AnyAngleBoundingBoxAndBackground)
{
    const RgbImage src = RgbImage::filled(100, 50, 200, 100, 50);
    const RgbImage out = isRotateRgb(src, M_PI / 4, 0x0000FF); // red background
    // |100 cos| + |50 sin| = 106.07 each way.
    ASSERT_EQ(out.width(), 106);
    ASSERT_EQ(out.height(), 106);
    EXPECT_EQ(colourAt(out, 53, 53), 200u + 100u * 256 + 50u * 65536);
    for (auto [x, y] : {std::pair{0, 0}, {105, 0}, {0, 105}, {105, 105}})
        EXPECT_EQ(colourAt(out, x, y), 0x0000FFu);
    // A sliver keeps at least one pixel each way.
    const RgbImage thin = isRotateRgb(RgbImage::filled(1, 1, 9, 9, 9), 0.3, 0);
    EXPECT_GE(thin.width(), 1);
    EXPECT_GE(thin.height(), 1);
    EXPECT_TRUE(isRotateRgb(RgbImage(), 1.0, 0).isNull());
    EXPECT_TRUE(isRotateRgb(src, NAN, 0).isNull());
}

TEST(Flip, FlipsAndMirrorsAreTheirOwnInverse)
{
    RgbImage img = greyOf(3, 2, {1, 2, 3, 4, 5, 6});
    ASSERT_TRUE(isVertFlipBuf(img));
    EXPECT_EQ(greys(img), (std::vector<int>{4, 5, 6, 1, 2, 3}));
    ASSERT_TRUE(isFlipHorizontalRgb(img));
    EXPECT_EQ(greys(img), (std::vector<int>{6, 5, 4, 3, 2, 1}));
    const RgbImage src = noise(17, 9);
    img = src.clone();
    isVertFlipBuf(img);
    isFlipHorizontalRgb(img);
    isVertFlipBuf(img);
    isFlipHorizontalRgb(img);
    EXPECT_TRUE(samePixels(img, src));
    RgbImage none;
    EXPECT_FALSE(isVertFlipBuf(none));
    EXPECT_FALSE(isFlipHorizontalRgb(none));
}

TEST(Overlay, ClipsAtAllFourEdges)
{
    struct Case {
        int x, y;
        std::vector<int> want; // 4 x 3 bottom after a 2 x 2 top of 9s
    };
    const Case cases[] = {
        {1, 1, {0, 0, 0, 0, /**/ 0, 9, 9, 0, /**/ 0, 9, 9, 0}},
        {-1, -1, {9, 0, 0, 0, /**/ 0, 0, 0, 0, /**/ 0, 0, 0, 0}},
        {3, -1, {0, 0, 0, 9, /**/ 0, 0, 0, 0, /**/ 0, 0, 0, 0}},
        {-1, 2, {0, 0, 0, 0, /**/ 0, 0, 0, 0, /**/ 9, 0, 0, 0}},
        {3, 2, {0, 0, 0, 0, /**/ 0, 0, 0, 0, /**/ 0, 0, 0, 9}},
        {-2, 0, {0, 0, 0, 0, /**/ 0, 0, 0, 0, /**/ 0, 0, 0, 0}},
        {4, 0, {0, 0, 0, 0, /**/ 0, 0, 0, 0, /**/ 0, 0, 0, 0}},
        {0, -2147483647, {0, 0, 0, 0, /**/ 0, 0, 0, 0, /**/ 0, 0, 0, 0}},
        {2147483647, 0, {0, 0, 0, 0, /**/ 0, 0, 0, 0, /**/ 0, 0, 0, 0}},
    };
    const RgbImage top = RgbImage::filled(2, 2, 9, 9, 9);
    for (const Case &c : cases) {
        RgbImage bottom = RgbImage::filled(4, 3, 0, 0, 0);
        EXPECT_TRUE(isOverlayRgb(bottom, top, c.x, c.y, 1.0));
        EXPECT_EQ(greys(bottom), c.want) << c.x << "," << c.y;
    }
}

TEST(Overlay, OpacityAndTransparentColour)
{
    const RgbImage top = greyOf(2, 1, {255, 100});
    struct Case {
        double opacity;
        std::vector<int> want; // bottom of 0s
    };
    for (const Case &c : {Case{1.0, {255, 100}}, Case{0.5, {128, 50}}, Case{0.0, {0, 0}}, Case{7.0, {255, 100}},
                          Case{-1.0, {0, 0}}, Case{NAN, {0, 0}}}) {
        RgbImage bottom = greyOf(2, 1, {0, 0});
        EXPECT_TRUE(isOverlayRgb(bottom, top, 0, 0, c.opacity));
        EXPECT_EQ(greys(bottom), c.want) << c.opacity;
    }
    RgbImage bottom = greyOf(2, 1, {7, 7});
    EXPECT_TRUE(isOverlayRgbTrans(bottom, top, 0, 0, 1.0, 100 + 100 * 256 + 100 * 65536));
    EXPECT_EQ(greys(bottom), (std::vector<int>{255, 7}));
    RgbImage none;
    EXPECT_FALSE(isOverlayRgb(none, top, 0, 0, 1.0));
    EXPECT_FALSE(isOverlayRgb(bottom, none, 0, 0, 1.0));
}

TEST(Resample, DecimateMatchesTheAreaAverageAtOddScales)
{
    const RgbImage src = noise(37, 23, 13);
    // Coverage of source cell [j, j + 1) by destination cell d of a side of n cells over len.
    const auto cover = [](int d, int n, int len, int j) {
        const double lo = double(d) * len / n, hi = double(d + 1) * len / n;
        return std::max(0.0, std::min(hi, j + 1.0) - std::max(lo, double(j)));
    };
    for (auto [w, h] : {std::pair{10, 7}, {50, 31}, {37, 1}, {1, 23}}) {
        const RgbImage out = resampled(&isDecimateRgb, src, w, h);
        int worst = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                for (int c = 0; c < 3; ++c) {
                    double s = 0, area = 0;
                    for (int j = 0; j < 23; ++j)
                        for (int i = 0; i < 37; ++i) {
                            const double a = cover(x, w, 37, i) * cover(y, h, 23, j);
                            s += a * src.pixel(i, j)[c];
                            area += a;
                        }
                    worst = std::max(worst, std::abs(int(std::lround(s / area)) - out.pixel(x, y)[c]));
                }
        EXPECT_LE(worst, 1) << w << "x" << h;
    }
}
