#include "image/previewft.h"

#include "image/testimages.h"
#include "support/testutil.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace gb;

TEST(PreviewFt, CentresWhatItIsGiven)
{
    PreviewFt pane;
    pane.resize(102, 82);
    const RgbImage img = RgbImage::filled(100, 80, 1, 2, 3);
    pane.update(&img, 100, 80, "x");
    EXPECT_EQ(pane.left(), 1);
    EXPECT_EQ(pane.top(), 1);
    const RgbImage dot = RgbImage::filled(1, 1, 0, 0, 0);
    pane.update(&dot, 1, 1, "");
    EXPECT_EQ(pane.left(), 50);
    EXPECT_EQ(pane.top(), 40);
    // Wider than the pane (a caller bypassing the routine): drawn from a negative left.
    const RgbImage wide = RgbImage::filled(200, 10, 0, 0, 0);
    pane.update(&wide, 200, 10, "");
    EXPECT_EQ(pane.left(), -49);
    pane.update(nullptr, 0, 0, "");
    EXPECT_EQ(pane.image(), nullptr);
}

TEST(PreviewFt, RoutineFitsCopiesAndKeepsThePreviousOnFailure)
{
    PreviewFt pane;
    pane.resize(52, 42);
    RgbImage preview;

    // An image that fits is copied byte for byte.
    const RgbImage small = gbtest::rampImage(30, 20);
    ASSERT_TRUE(previewImage(&pane, &preview, small));
    ASSERT_EQ(preview.width(), 30);
    EXPECT_EQ(std::memcmp(preview.data(), small.data(), small.byteCount()), 0);
    EXPECT_EQ(pane.image(), &preview);

    // A large file is fitted into the pane less one pixel each side.
    const QString dir = gbtest::makeTempDir();
    ASSERT_TRUE(gbtest::writeImage(dir + "/big.jpg", 400, 200, 3));
    ASSERT_TRUE(previewFile(&pane, &preview, dir + "/big.jpg"));
    EXPECT_EQ(QSize(preview.width(), preview.height()), QSize(50, 25));
    EXPECT_EQ(pane.text(), dir + "/big.jpg");
    EXPECT_EQ(pane.left(), 1);

    // A file that cannot be loaded leaves the previous preview; a missing one clears.
    gbtest::writeFile(dir + "/bad.png", "nope");
    EXPECT_FALSE(previewFile(&pane, &preview, dir + "/bad.png"));
    EXPECT_EQ(preview.width(), 50);
    EXPECT_EQ(pane.image(), &preview);
    EXPECT_FALSE(previewFile(&pane, &preview, dir + "/missing.png"));
    EXPECT_EQ(pane.image(), nullptr);
    EXPECT_TRUE(preview.isNull());

    // A fixed box of the window's own.
    ASSERT_TRUE(previewFile(&pane, &preview, dir + "/big.jpg", QSize(20, 20)));
    EXPECT_EQ(preview.width(), 20);
    EXPECT_FALSE(previewImage(&pane, &preview, RgbImage()));
    EXPECT_EQ(pane.image(), nullptr);
}
