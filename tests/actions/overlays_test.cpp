#include "actions/overlayimagebe.h"
#include "actions/overlaytextbe.h"
#include "image/imagesave.h"
#include "platform/imagelib/logfont.h"
#include "platform/imagelib/imageopstestutil.h"
#include "support/testutil.h"

#include <QRect>

#include <gtest/gtest.h>

using namespace gb;
using namespace gbtest;

namespace {

// The box around every pixel that differs from the colour; empty when none does.
QRect changed(const RgbImage &img, uint32_t from)
{
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (colourAt(img, x, y) != from)
                box |= QRect(x, y, 1, 1);
    return box;
}

bool holds(const RgbImage &img, uint32_t colour)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (colourAt(img, x, y) == colour)
                return true;
    return false;
}

} // namespace

TEST(OverlayText, BackgroundBoxAtThePlacement)
{
    const QSize ext = textExtent("Hi", makeLogFont("Arial", 20, false, false, false));
    struct Case {
        int placement;
        QPoint corner; // 1-based corner of the box on a 200 x 100 image, margins 4, 5, 6, 7
    };
    const Case cases[] = {
        {1, {4, 5}},
        {5, {(200 - ext.width()) / 2, (100 - ext.height()) / 2}},
        {9, {200 - ext.width() - 6, 100 - 7 - ext.height()}},
        {12, {0, 0}}, // unknown code: the corner, margins ignored; the box is cut at the top and left
    };
    for (const Case &c : cases) {
        RgbImage img = RgbImage::filled(200, 100, 255, 255, 255);
        ASSERT_TRUE(overlayTextBE(img, "Hi", "Arial", 20, false, false, false, 0, c.placement, 4, 5, 6, 7, false, 255, 0, 0));
        const QRect box = QRect(c.corner.x() - 1, c.corner.y() - 1, ext.width(), ext.height()) & QRect(0, 0, 200, 100);
        EXPECT_EQ(changed(img, 0xFFFFFF), box) << c.placement;
        EXPECT_TRUE(holds(img, 0x0000FF)) << c.placement; // the red background
        EXPECT_TRUE(holds(img, 0)) << c.placement;        // the black text
    }
}

TEST(OverlayText, TransparentBackgroundAndEveryEdge)
{
    RgbImage img = RgbImage::filled(200, 100, 255, 255, 255);
    ASSERT_TRUE(overlayTextBE(img, "Hi", "Verdana", 20, true, true, true, 0xFF0000, 5, 0, 0, 0, 0, true, 255, 0, 0));
    EXPECT_FALSE(holds(img, 0x0000FF));
    EXPECT_TRUE(holds(img, 0xFF0000)); // blue text
    // Margins that push the text past each edge: drawn in part, nothing outside written.
    for (auto [placement, margin] : {std::pair{1, -30}, {3, -30}, {7, -30}, {9, -30}, {1, 100000}, {9, -2000000000}}) {
        RgbImage small = RgbImage::filled(30, 20, 255, 255, 255);
        EXPECT_TRUE(overlayTextBE(small, "Wide text here", "Arial", 16, false, false, false, 0, placement, margin, margin,
                                  margin, margin, false, 0, 255, 0));
    }
    RgbImage none;
    EXPECT_FALSE(overlayTextBE(none, "x", "Arial", 10, false, false, false, 0, 1, 0, 0, 0, 0, true, 0, 0, 0));
}

TEST(OverlayImage, PlacedBlendedKeyedAndClipped)
{
    const QString dir = makeTempDir();
    const QString file = dir + "/mark.png";
    ASSERT_TRUE(saveRgb2File(RgbImage::filled(10, 5, 0, 255, 0), file, 4, 80, false, 0, 0));
    const QString big = dir + "/big.png";
    ASSERT_TRUE(saveRgb2File(RgbImage::filled(50, 40, 0, 255, 0), big, 4, 80, false, 0, 0));

    RgbImage img = RgbImage::filled(40, 30, 0, 0, 0);
    ASSERT_TRUE(overlayImageBE(img, file, 9, 0, 0, 2, 3, false, 0, 1.0));
    EXPECT_EQ(changed(img, 0), QRect(28, 22, 10, 5));
    EXPECT_EQ(colourAt(img, 28, 22), 0x00FF00u);

    img = RgbImage::filled(40, 30, 0, 0, 0);
    ASSERT_TRUE(overlayImageBE(img, file, 1, 0, 0, 0, 0, false, 0, 0.5));
    EXPECT_EQ(colourAt(img, 0, 0), 0x008000u);

    img = RgbImage::filled(40, 30, 0, 0, 0);
    ASSERT_TRUE(overlayImageBE(img, file, 1, 0, 0, 0, 0, true, 0x00FF00, 1.0));
    EXPECT_TRUE(changed(img, 0).isEmpty());

    img = RgbImage::filled(40, 30, 0, 0, 0);
    ASSERT_TRUE(overlayImageBE(img, big, 5, 0, 0, 0, 0, false, 0, 1.0)); // larger than the image, centred
    EXPECT_EQ(changed(img, 0), QRect(0, 0, 40, 30));

    img = RgbImage::filled(40, 30, 0, 0, 0);
    EXPECT_FALSE(overlayImageBE(img, dir + "/missing.png", 1, 0, 0, 0, 0, false, 0, 1.0));
    EXPECT_TRUE(changed(img, 0).isEmpty());
}
