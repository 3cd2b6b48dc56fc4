// Whole-block shrinking: block means, partial edge blocks, and independence of the split
// into threads.

#include "image/boxshrink.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace gb;

namespace {

RgbImage ramp(int w, int h)
{
    RgbImage img = RgbImage::create(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t *p = img.pixel(x, y);
            p[0] = uint8_t(x * 10 + y);
            p[1] = uint8_t(y * 7);
            p[2] = uint8_t((x * 31 + y * 17) & 0xff);
        }
    return img;
}

} // namespace

TEST(BoxShrink, EachPixelIsTheMeanOfItsBlockEdgesIncluded)
{
    const RgbImage src = ramp(5, 3);
    const RgbImage out = boxShrink(src, 2);
    ASSERT_EQ(out.width(), 3);
    ASSERT_EQ(out.height(), 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            for (int c = 0; c < 3; ++c) {
                int sum = 0, n = 0;
                for (int sy = y * 2; sy < std::min(3, y * 2 + 2); ++sy)
                    for (int sx = x * 2; sx < std::min(5, x * 2 + 2); ++sx, ++n)
                        sum += src.pixel(sx, sy)[c];
                EXPECT_EQ(out.pixel(x, y)[c], (sum + n / 2) / n) << x << "," << y << "," << c;
            }
}

TEST(BoxShrink, FactorOneCopiesAndBadInputGivesNull)
{
    const RgbImage src = ramp(7, 4);
    const RgbImage same = boxShrink(src, 1);
    ASSERT_EQ(same.width(), 7);
    EXPECT_EQ(std::memcmp(same.row(3), src.row(3), 21), 0);
    EXPECT_TRUE(boxShrink(RgbImage(), 2).isNull());
    EXPECT_TRUE(boxShrink(src, 0).isNull());
}

TEST(BoxShrink, TallImagesSplitAmongThreadsGiveTheSameRowsAsOneBlockAtATime)
{
    // Rows of the target computed alone (a one-row source band) match the shrink of the whole.
    const RgbImage src = ramp(33, 97);
    const RgbImage whole = boxShrink(src, 4);
    ASSERT_EQ(whole.height(), 25);
    for (int y = 0; y < whole.height(); ++y) {
        RgbImage band = RgbImage::create(33, std::min(4, 97 - y * 4));
        for (int r = 0; r < band.height(); ++r)
            std::memcpy(band.row(r), src.row(y * 4 + r), 33 * 3);
        const RgbImage one = boxShrink(band, 4);
        EXPECT_EQ(std::memcmp(one.row(0), whole.row(y), size_t(whole.width()) * 3), 0) << y;
    }
}
