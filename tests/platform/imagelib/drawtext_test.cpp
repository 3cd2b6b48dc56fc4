#include "platform/imagelib/drawrgb.h"
#include "platform/imagelib/drawtext.h"
#include "platform/imagelib/logfont.h"
#include "platform/imagelib/imageopstestutil.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include <climits>

#include <gtest/gtest.h>

using namespace gb;
using namespace gbtest;

namespace {

// The box around every pixel that is no longer white; empty when none changed.
QRect inked(const RgbImage &img)
{
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (colourAt(img, x, y) != 0xFFFFFFu)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

TEST(LogFont, DescriptionAndFaceMapping)
{
    const LogFont f = makeLogFont(QString(40, QLatin1Char('A')), 10, true, true, false);
    EXPECT_EQ(f.height, -10);
    EXPECT_EQ(f.weight, 700);
    EXPECT_EQ(f.faceName.size(), 31);
    EXPECT_EQ(makeLogFont("Arial", 12, false, false, true).weight, 400);

    const std::pair<const char *, const char *> faces[] = {
        {"Arial", "Liberation Sans"},   {"arial", "Liberation Sans"},      {"Times New Roman", "Liberation Serif"},
        {"Courier New", "Liberation Mono"}, {"Verdana", "DejaVu Sans"},    {"MS Sans Serif", "DejaVu Sans"},
        {"DejaVu Serif", "DejaVu Serif"},
    };
    for (auto [from, to] : faces) {
        EXPECT_EQ(mapFontFace(from), QString::fromLatin1(to));
        // The fonts the scripts install are really used.
        EXPECT_EQ(QFontInfo(toQFont(makeLogFont(from, 10, false, false, false))).family(), QString::fromLatin1(to));
    }
    EXPECT_EQ(toQFont(makeLogFont("Arial", 10, false, false, false)).pixelSize(), 10);
}

TEST(TextExtent, HeightIsTheLineAndWidthGrows)
{
    const LogFont f = makeLogFont("Arial", 16, false, false, false);
    const QSize a = textExtent("W", f), b = textExtent("WWWW", f);
    EXPECT_GE(a.height(), 16);
    EXPECT_LE(a.height(), 24);
    EXPECT_EQ(a.height(), b.height());
    EXPECT_GT(b.width(), 3 * a.width());
    EXPECT_EQ(textExtent("", f).width(), 0);
    EXPECT_GT(textExtent("W", makeLogFont("Arial", 16, true, false, false)).width(), 0);
}

TEST(DrawText, InkStaysInsideTheMeasuredBox)
{
    const LogFont f = makeLogFont("Arial", 20, false, false, false);
    const QSize ext = textExtent("Hello", f);
    RgbImage img = RgbImage::filled(121, 61, 255, 255, 255); // rows of 363 bytes: not 4-aligned
    ASSERT_TRUE(isDrawTextOnRgb2(img, "Hello", f, 10, 15, 0x0000FF));
    const QRect box = inked(img);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_TRUE(QRect(10, 15, ext.width() + 2, ext.height()).contains(box)) << box.x() << "," << box.y();
    // The darkest ink is the colour asked for.
    bool red = false;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            red = red || colourAt(img, x, y) == 0x0000FFu;
    EXPECT_TRUE(red);
}

TEST(DrawText, ClipsAtEveryEdge)
{
    const LogFont f = makeLogFont("Arial", 30, true, false, true);
    for (auto [x, y] : {std::pair{-20, 5}, {5, -20}, {30, 5}, {5, 25}, {-1000, -1000}, {2000000000, 0},
                        {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {0, INT_MAX}}) {
        RgbImage img = RgbImage::filled(40, 40, 255, 255, 255);
        EXPECT_TRUE(isDrawTextOnRgb2(img, "MMMM", f, x, y, 0));
    }
    // A damaged command's font size is held to a size that can be drawn.
    RgbImage img = RgbImage::filled(40, 40, 255, 255, 255);
    EXPECT_TRUE(isDrawTextOnRgb2(img, "M", makeLogFont("Arial", INT_MIN, false, false, false), 0, 0, 0));
    EXPECT_EQ(toQFont(makeLogFont("Arial", 1000000, false, false, false)).pixelSize(), 16384);
    RgbImage none;
    EXPECT_FALSE(isDrawTextOnRgb2(none, "x", f, 0, 0, 0));
}

TEST(DrawText, ExCentresBetweenLeftAndRight)
{
    RgbImage img = RgbImage::filled(200, 40, 255, 255, 255);
    ASSERT_TRUE(isDrawTextOnRgbEx(img, "Centre", "Arial", 14, 20, 10, 180, 10, DrawTextCenter | DrawTextWordEllipsis, 0));
    const QRect box = inked(img);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_NEAR((box.left() + box.right()) / 2.0, 100.0, 3.0);
    EXPECT_GE(box.top(), 10);

    img = RgbImage::filled(200, 40, 255, 255, 255);
    ASSERT_TRUE(isDrawTextOnRgbEx(img, "Right", "Arial", 14, 20, 10, 180, 10, DrawTextRight, 0));
    EXPECT_NEAR(inked(img).right(), 179, 3);
    img = RgbImage::filled(200, 40, 255, 255, 255);
    ASSERT_TRUE(isDrawTextOnRgbEx(img, "Left", "Arial", 14, 20, 10, 180, 10, 0, 0));
    EXPECT_NEAR(inked(img).left(), 20, 3);

    // Too long for the span: cut with an ellipsis inside it.
    img = RgbImage::filled(200, 40, 255, 255, 255);
    ASSERT_TRUE(isDrawTextOnRgbEx(img, QString(60, QLatin1Char('x')), "Arial", 14, 50, 10, 150, 10,
                                  DrawTextCenter | DrawTextWordEllipsis, 0));
    const QRect cut = inked(img);
    EXPECT_GE(cut.left(), 49);
    EXPECT_LE(cut.right(), 151);
}

TEST(DrawRgb, PaintsTheBufferAtItsPlace)
{
    const RgbImage src = imageOf(2, 1, {0x0000FF, 0x00FF00});
    QImage canvas(6, 4, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter p(&canvas);
        EXPECT_TRUE(isDrawRgb(p, src, 3, 2, 2, 1));
        EXPECT_FALSE(isDrawRgb(p, RgbImage(), 0, 0, 2, 1));
        EXPECT_FALSE(isDrawRgb(p, src, 0, 0, 0, 1));
    }
    EXPECT_EQ(canvas.pixelColor(3, 2), QColor(255, 0, 0));
    EXPECT_EQ(canvas.pixelColor(4, 2), QColor(0, 255, 0));
    EXPECT_EQ(canvas.pixelColor(2, 2), QColor(Qt::white));
}
