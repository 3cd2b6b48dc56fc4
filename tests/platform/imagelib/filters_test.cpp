#include "platform/imagelib/blur.h"
#include "platform/imagelib/convolution.h"
#include "platform/imagelib/matrixfilter.h"
#include "platform/imagelib/mediancut.h"
#include "platform/imagelib/parallel.h"
#include "platform/imagelib/sharpen.h"
#include "platform/imagelib/imageopstestutil.h"

#include <gtest/gtest.h>

#include <set>

using namespace gb;
using namespace gbtest;

namespace {

RgbImage blurred(const RgbImage &src, int level)
{
    RgbImage dst = RgbImage::create(src.width(), src.height());
    EXPECT_TRUE(isBlurRgb(src, dst, level));
    return dst;
}

RgbImage sharpened(const RgbImage &src, int level)
{
    RgbImage dst = RgbImage::create(src.width(), src.height());
    EXPECT_TRUE(isSharpenRgb(src, dst, level));
    return dst;
}

RgbImage matrixed(const RgbImage &src, std::vector<double> m, int mask = 7, bool zero = false, bool feedback = false,
                  double factor = 1.0)
{
    RgbImage dst = RgbImage::create(src.width(), src.height());
    EXPECT_TRUE(isApplyMatrixToRgb(src, dst, mask, zero, feedback, factor, m.data()));
    return dst;
}

RgbImage convolved(const RgbImage &src, const std::vector<double> &k, double level)
{
    RgbImage dst = RgbImage::create(src.width(), src.height());
    EXPECT_TRUE(isApplyConvolutionFilterToRgb(src, dst, 7, 7, k.data(), level));
    return dst;
}

std::vector<double> kernel7(std::initializer_list<std::pair<int, double>> entries)
{
    std::vector<double> k(49, 0.0);
    for (auto [i, v] : entries)
        k[size_t(i)] = v;
    return k;
}

} // namespace

TEST(BlurSharpen, LevelZeroAndUniformImagesAreUnchanged)
{
    const RgbImage src = noise(40, 30);
    EXPECT_TRUE(samePixels(blurred(src, 0), src));
    EXPECT_TRUE(samePixels(sharpened(src, 0), src));
    EXPECT_TRUE(samePixels(blurred(src, 1), src)); // sigma 0.1 leaves no weight beside the centre
    const RgbImage flat = RgbImage::filled(25, 19, 13, 140, 251);
    for (int level : {1, 2, 50, 100}) {
        EXPECT_TRUE(samePixels(blurred(flat, level), flat)) << level;
        EXPECT_TRUE(samePixels(sharpened(flat, level), flat)) << level;
    }
}

TEST(BlurSharpen, BlurSpreadsSymmetricallyAndSharpenRaisesContrast)
{
    RgbImage dot = RgbImage::filled(21, 21, 0, 0, 0);
    dot.pixel(10, 10)[0] = 255;
    const RgbImage b = blurred(dot, 20); // sigma 2
    EXPECT_LT(b.pixel(10, 10)[0], 255);
    EXPECT_GT(b.pixel(11, 10)[0], 0);
    EXPECT_EQ(b.pixel(9, 10)[0], b.pixel(11, 10)[0]);
    EXPECT_EQ(b.pixel(10, 9)[0], b.pixel(10, 11)[0]);
    EXPECT_EQ(b.pixel(10, 10)[1], 0); // channels stay apart

    const RgbImage step = greyOf(4, 1, {100, 100, 150, 150});
    const std::vector<int> s = greys(sharpened(step, 50));
    EXPECT_LT(s[1], 100);
    EXPECT_GT(s[2], 150);
    EXPECT_EQ(s[0], 100); // away from the edge: unchanged
}

TEST(BlurSharpen, ResultDoesNotDependOnThreadsAndSizesMustMatch)
{
    const RgbImage src = noise(64, 300, 9);
    setImageOpThreads(1);
    const RgbImage a = blurred(src, 35);
    setImageOpThreads(7);
    EXPECT_TRUE(samePixels(a, blurred(src, 35)));
    setImageOpThreads(0);
    RgbImage wrong = RgbImage::create(63, 300), none;
    EXPECT_FALSE(isBlurRgb(src, wrong, 5));
    EXPECT_FALSE(isSharpenRgb(src, wrong, 5));
    EXPECT_FALSE(isBlurRgb(none, wrong, 5));
}

TEST(MatrixFilter, IdentityFactorMaskAndFeedback)
{
    const RgbImage src = noise(9, 7, 4);
    const std::vector<double> identity{0, 0, 0, 0, 1, 0, 0, 0, 0};
    EXPECT_TRUE(samePixels(matrixed(src, identity), src));
    EXPECT_TRUE(samePixels(matrixed(src, identity, 7, false, true), src));
    EXPECT_TRUE(samePixels(matrixed(src, {0, 0, 0, 0, 3, 0, 0, 0, 0}, 7, false, false, 3.0), src));
    EXPECT_TRUE(samePixels(matrixed(src, identity, 7, false, false, 0.0), src)); // factor 0 acts as 1

    const RgbImage px = imageOf(1, 1, {10 + 20 * 256 + 30 * 65536});
    struct Case {
        int mask;
        bool zero;
        uint32_t want; // matrix doubling the centre
    };
    for (const Case &c : {Case{0, false, 10 + 20 * 256 + 30 * 65536}, Case{0, true, 0}, Case{1, true, 20},
                          Case{2, false, 10 + 40 * 256 + 30 * 65536}, Case{5, true, 20 + 60 * 65536},
                          Case{7, false, 20 + 40 * 256 + 60 * 65536}})
        EXPECT_EQ(colourAt(matrixed(px, {0, 0, 0, 0, 2, 0, 0, 0, 0}, c.mask, c.zero), 0, 0), c.want) << c.mask;

    // Taking the left neighbour: without feedback the row shifts by one; with feedback the
    // already-shifted left pixel is taken again, so the first value runs along the row.
    const RgbImage row = greyOf(3, 1, {10, 20, 30});
    const std::vector<double> left{0, 0, 0, 1, 0, 0, 0, 0, 0};
    EXPECT_EQ(greys(matrixed(row, left)), (std::vector<int>{10, 10, 20}));
    EXPECT_EQ(greys(matrixed(row, left, 7, false, true)), (std::vector<int>{10, 10, 10}));
    // Results are held to 0..255.
    EXPECT_EQ(greys(matrixed(row, {0, 0, 0, 0, -1, 0, 0, 0, 0})), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(greys(matrixed(row, {0, 0, 0, 0, 20, 0, 0, 0, 0})), (std::vector<int>{200, 255, 255}));
}

TEST(Convolution, IdentitiesShiftsAndClamping)
{
    const RgbImage src = noise(50, 20, 2);
    EXPECT_TRUE(samePixels(convolved(src, kernel7({{24, 1.0}}), 1.0), src));
    EXPECT_TRUE(samePixels(convolved(src, kernel7({{24, 1.0}}), 0.0), src)); // level 0 acts as 1
    EXPECT_TRUE(samePixels(convolved(src, kernel7({{24, 2.5}}), 2.5), src));
    const RgbImage flat = RgbImage::filled(12, 9, 31, 32, 33);
    EXPECT_TRUE(samePixels(convolved(flat, std::vector<double>(49, 1.0), 49.0), flat));

    // The coefficient right of the centre takes the right neighbour; the last column repeats.
    const RgbImage row = greyOf(4, 1, {1, 2, 3, 4});
    EXPECT_EQ(greys(convolved(row, kernel7({{25, 1.0}}), 1.0)), (std::vector<int>{2, 3, 4, 4}));
    EXPECT_EQ(greys(convolved(row, kernel7({{24, -1.0}}), 1.0)), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(greys(convolved(row, kernel7({{24, 1.0}, {25, 1.0}}), 2.0)), (std::vector<int>{2, 3, 4, 4}));
    // Coefficients too large for fixed point still give the exact result.
    EXPECT_EQ(greys(convolved(greyOf(3, 1, {0, 1, 2}), kernel7({{24, 1.0}}), 1e-9)), (std::vector<int>{0, 255, 255}));
}

TEST(Convolution, BadArgumentsFail)
{
    const RgbImage src = noise(5, 5);
    RgbImage dst = RgbImage::create(5, 5);
    const std::vector<double> k(49, 1.0);
    EXPECT_FALSE(isApplyConvolutionFilterToRgb(src, dst, 6, 7, k.data(), 1.0));
    EXPECT_FALSE(isApplyConvolutionFilterToRgb(src, dst, 7, 0, k.data(), 1.0));
    EXPECT_FALSE(isApplyConvolutionFilterToRgb(src, dst, 7, 7, nullptr, 1.0));
    EXPECT_FALSE(isApplyConvolutionFilterToRgb(src, dst, 7, 7, k.data(), NAN));
    RgbImage small = RgbImage::create(4, 5);
    EXPECT_FALSE(isApplyConvolutionFilterToRgb(src, small, 7, 7, k.data(), 1.0));
    const double m[9] = {};
    EXPECT_FALSE(isApplyMatrixToRgb(src, small, 7, false, false, 1.0, m));
    // A stored factor or level so small that the weights overflow to infinity is refused,
    // with and without feedback, rather than summed into NaN.
    const double identity[9] = {0, 0, 0, 0, 1, 0, 0, 0, 0};
    EXPECT_FALSE(isApplyMatrixToRgb(src, dst, 7, false, false, 1e-320, identity));
    EXPECT_FALSE(isApplyMatrixToRgb(src, dst, 7, false, true, 1e-320, identity));
    EXPECT_FALSE(isApplyConvolutionFilterToRgb(src, dst, 7, 7, kernel7({{24, 1.0}}).data(), 1e-320));
    // Finite weights whose sums overflow both ways give black, not an undefined cast.
    EXPECT_EQ(greys(convolved(greyOf(3, 1, {0, 255, 255}), kernel7({{24, 1e308}, {25, -1e308}}), 1.0)),
              (std::vector<int>{0, 0, 0}));
}

TEST(MedianCut, KeepsFewColoursAndCapsMany)
{
    const RgbImage few = imageOf(3, 2, {0x000000, 0x0000FF, 0x00FF00, 0xFF0000, 0x123456, 0x0000FF});
    RgbImage out = RgbImage::create(3, 2);
    ASSERT_TRUE(isMedianCutRgb(few, out));
    EXPECT_TRUE(samePixels(out, few));

    const RgbImage many = noise(64, 64, 11);
    out = RgbImage::create(64, 64);
    ASSERT_TRUE(isMedianCutRgb(many, out));
    std::set<uint32_t> colours;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            colours.insert(colourAt(out, x, y));
    EXPECT_LE(colours.size(), 256u);
    EXPECT_GT(colours.size(), 16u);
    RgbImage wrong = RgbImage::create(2, 2);
    EXPECT_FALSE(isMedianCutRgb(many, wrong));
}

TEST(MatrixFilter, MatchesTheDirectSumsWithAndWithoutFeedback)
{
    // An asymmetric kernel, so that a kernel read the wrong way round shows.
    const std::vector<double> m{0.5, -1, 0.25, 2, 1.5, 0, -0.75, 0.3, 1};
    const double factor = 3.5;
    const RgbImage src = noise(23, 17, 31);
    for (bool feedback : {false, true}) {
        const RgbImage out = matrixed(src, m, 5, false, feedback, factor);
        RgbImage ref = src.clone(); // with feedback the reference reads its own results
        const RgbImage &from = feedback ? ref : src;
        RgbImage plain = src.clone();
        RgbImage &target = feedback ? ref : plain;
        for (int y = 0; y < 17; ++y)
            for (int x = 0; x < 23; ++x) {
                uint8_t px[3];
                for (int k = 0; k < 3; ++k) {
                    if (k == 1) {
                        px[k] = src.pixel(x, y)[k];
                        continue;
                    }
                    double s = 0;
                    for (int j = 0; j < 3; ++j)
                        for (int i = 0; i < 3; ++i)
                            s += m[size_t(j * 3 + i)] / factor
                                * from.pixel(std::clamp(x + i - 1, 0, 22), std::clamp(y + j - 1, 0, 16))[k];
                    px[k] = uint8_t(std::clamp(std::round(s), 0.0, 255.0));
                }
                std::copy(px, px + 3, target.pixel(x, y));
            }
        for (size_t i = 0; i < out.byteCount(); ++i)
            ASSERT_LE(std::abs(int(out.data()[i]) - int(target.data()[i])), feedback ? 0 : 1) << feedback << " " << i;
    }
}

TEST(BlurSharpen, BlurIsCloseToTheExactGaussian)
{
    // Edges repeating the outermost pixels, in double precision, from the smallest usable
    // sigma to the largest level's, whose kernel is wider than the image.
    const RgbImage src = noise(40, 30, 17);
    for (int level : {5, 20, 100}) {
        const RgbImage out = blurred(src, level);
        const double sigma = level / 10.0;
        const int r = int(std::ceil(3 * sigma));
        std::vector<double> g(size_t(2 * r + 1));
        double sum = 0;
        for (int k = -r; k <= r; ++k)
            sum += g[size_t(k + r)] = std::exp(-k * k / (2 * sigma * sigma));
        for (double &v : g)
            v /= sum;
        int worst = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                for (int c = 0; c < 3; ++c) {
                    double s = 0;
                    for (int j = -r; j <= r; ++j)
                        for (int i = -r; i <= r; ++i)
                            s += g[size_t(i + r)] * g[size_t(j + r)]
                                * src.pixel(std::clamp(x + i, 0, 39), std::clamp(y + j, 0, 29))[c];
                    worst = std::max(worst, std::abs(int(std::lround(s)) - int(out.pixel(x, y)[c])));
                }
        EXPECT_LE(worst, 2) << level;
    }
}
