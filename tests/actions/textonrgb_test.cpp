#include "actions/fontdata.h"
#include "actions/textonrgb.h"
#include "platform/imagelib/imageopstestutil.h"

#include <gtest/gtest.h>

using namespace gb;
using namespace gbtest;

TEST(FontData, StoredAsSixElementsAndReadBackSafely)
{
    const FontData f{"Arial", 14, true, false, true, 0x123456};
    const Value v = f.toValue();
    ASSERT_EQ(v.size(), 6);
    EXPECT_EQ(v.at(0).toString(), "Arial");
    EXPECT_EQ(v.at(5).toNumber(), double(0x123456));
    EXPECT_EQ(FontData::fromValue(v), f);
    EXPECT_EQ(FontData::fromValue(Value()), FontData());
    EXPECT_EQ(FontData().face, "Verdana");
    EXPECT_EQ(FontData().size, 10);
    // Damaged records: wrong types and a colour off the scale read as the defaults.
    const FontData d = FontData::fromValue(Value(ValueArray{Value(5), Value("x"), Value(true), Value(1), Value(), Value(-1)}));
    EXPECT_EQ(d, (FontData{"Verdana", 10, true, false, false, 0}));
}

TEST(Points2Pixels, ScreenResolution)
{
    const int dpi = iLogPixelsY();
    ASSERT_GT(dpi, 0);
    EXPECT_EQ(points2Pixels(72), dpi);
    if (dpi == 96) {
        EXPECT_EQ(points2Pixels(10), 13);
        EXPECT_EQ(points2Pixels(12), 16);
        EXPECT_EQ(points2Pixels(9), 12);
    }
    EXPECT_EQ(points2Pixels(0), 0);
}

TEST(CalcTextSize, LineHeightAndGrowingWidth)
{
    const QSize one = calcTextSize("W", "Arial", 16, false, false, false);
    const QSize more = calcTextSize("WWW", "Arial", 16, false, false, false);
    EXPECT_EQ(one.height(), more.height());
    EXPECT_GE(one.height(), 16);
    EXPECT_GT(more.width(), one.width());
    EXPECT_EQ(calcTextSize("W", QString(40, QLatin1Char('Q')), 16, false, false, false).height() > 0, true);
}

TEST(CalcTotalTextHeight, TopsTotalsAndShortening)
{
    const FontData f{"Arial", 12, false, false, false, 0};
    const int h = calcTextSize("Ag", "Arial", points2Pixels(12), false, false, false).height();
    TotalTextHeight r = calcTotalTextHeight({"first", "second"}, f, 0);
    EXPECT_EQ(r.total, 2 * (h + 1));
    EXPECT_EQ(r.tops, (QList<int>{0, h + 1}));
    EXPECT_EQ(r.tallest, h);
    EXPECT_EQ(r.lines, (QStringList{"first", "second"}));

    const int wide = calcTextSize("abcdef", "Arial", points2Pixels(12), false, false, false).width();
    const int abc = calcTextSize("abc", "Arial", points2Pixels(12), false, false, false).width();
    r = calcTotalTextHeight({"abcdef", "  abc", "abcdef"}, f, abc);
    EXPECT_EQ(r.lines.at(0), "abc");
    EXPECT_EQ(r.widths.at(0), abc);
    EXPECT_EQ(r.lines.at(1), "ab"); // too wide with its blanks: the last character goes first, then the blanks
    EXPECT_EQ(r.total, 3 * (h + 1)); // heights of the full lines
    r = calcTotalTextHeight({"abcdef"}, f, 1);
    EXPECT_EQ(r.lines.at(0), "");
    EXPECT_EQ(r.widths.at(0), 0);
    r = calcTotalTextHeight({"abcdef"}, f, wide);
    EXPECT_EQ(r.lines.at(0), "abcdef");

    r = calcTotalTextHeight({}, f, 100);
    EXPECT_EQ(r.total, 0);
    EXPECT_TRUE(r.tops.isEmpty() && r.widths.isEmpty() && r.lines.isEmpty());
    EXPECT_EQ(r.tallest, 0);
}

TEST(WriteTextOnRgb, DrawsWhereMeasuredAndCutsTheFaceInTheRecord)
{
    FontData f{QString("Arial") + QString(35, QLatin1Char(' ')), 18, false, false, false, 0x0000FF};
    RgbImage img = RgbImage::filled(100, 40, 255, 255, 255);
    writeTextOnRgb(img, "Hi", f, 20, 10);
    EXPECT_EQ(f.face.size(), 31);
    const QSize ext = calcTextSize("Hi", f.face, 18, false, false, false);
    int inked = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x)
            if (colourAt(img, x, y) != 0xFFFFFFu) {
                ++inked;
                EXPECT_TRUE(x >= 20 && x < 20 + ext.width() + 2 && y >= 10 && y < 10 + ext.height()) << x << "," << y;
            }
    EXPECT_GT(inked, 10);
}
