#include "common/registry.h"
#include "sheets/imagereport.h"
#include "sheets/pdftools.h"
#include "sheets/printfixture.h"
#include "support/testutil.h"

#include <gtest/gtest.h>

namespace {

// The device's own margins: half an inch at the sides, three quarters at top and bottom.
constexpr int kLeft = 48;
constexpr int kTop = 72;

struct ImageReportTest : gbtest::PrintToPdf {
    void SetUp() override
    {
        PrintToPdf::SetUp();
        gbtest::resetPrintOptions();
    }
};

} // namespace

TEST_F(ImageReportTest, DefaultsPlaceHeaderAndImage)
{
    gb::kvtSetRtRegString("Print Options", "Company Logo", "ACME");
    const QString image = gbtest::writeImage(dir + "/small.png", 100, 50, 0xFF0000);
    ASSERT_TRUE(gb::ImageReport(nullptr, image).run(true));
    ASSERT_EQ(gbtest::pdfPageCount(pdf), 1);
    EXPECT_TRUE(gbtest::pdfText(pdf, 1).contains("ACME File: " + image));
    EXPECT_EQ(host.requests.at(0).name, image);

    const QImage page = gbtest::pdfPageImage(pdf, 1);
    // Smaller than the box: drawn at its own size, 10 right of and 40 below the origin.
    EXPECT_TRUE(gbtest::pixelNear(page, kLeft + 10, kTop + 40, qRgb(255, 0, 0)));
    EXPECT_TRUE(gbtest::pixelNear(page, kLeft + 109, kTop + 89, qRgb(255, 0, 0)));
    EXPECT_TRUE(gbtest::pixelNear(page, kLeft + 112, kTop + 92, qRgb(255, 255, 255)));
    EXPECT_TRUE(gbtest::pixelNear(page, kLeft + 9, kTop + 39, qRgb(255, 255, 255)));
    // The header line lies in the top margin, 50 pixels above the print area.
    bool dark = false;
    for (int y = kTop - 50; y < kTop - 35 && !dark; ++y)
        for (int x = kLeft; x < kLeft + 200 && !dark; ++x)
            dark = gbtest::pixelNear(page, x, y, qRgb(0, 0, 0), 80);
    EXPECT_TRUE(dark);
}

TEST_F(ImageReportTest, PrintTypesAndOrientation)
{
    // A wide image: fitted into the print area from the starting column to its right edge
    // (A4 portrait: 698 pixels wide, so 688 x 34), or at its actual size, cut by the page.
    const QString image = gbtest::writeImage(dir + "/wide.png", 2000, 100, 0x0000FF);
    struct {
        int printType, orientation;
        int inside, outside; // x of a pixel that must be blue, and one that must be white, on row 42
        bool landscape;
    } rows[] = {
        {2, 1, kLeft + 10 + 680, kLeft + 10 + 695, false},
        {3, 0, kLeft + 10 + 680, kLeft + 10 + 695, false},
        {1, 1, kLeft + 10 + 690, kLeft - 2, false},
        {2, 2, kLeft + 10 + 1010, kLeft + 10 + 1025, true}, // landscape: 1027 wide
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.printType * 10 + r.orientation);
        gb::kvtSetRtRegInt("Print Options", "SI Print Type", r.printType);
        gb::kvtSetRtRegInt("Print Options", "Orientation", r.orientation);
        ASSERT_TRUE(gb::ImageReport(nullptr, image).run(true));
        const QImage page = gbtest::pdfPageImage(pdf, 1);
        EXPECT_EQ(page.width() > page.height(), r.landscape);
        EXPECT_TRUE(gbtest::pixelNear(page, r.inside, kTop + 42, qRgb(0, 0, 255)));
        EXPECT_TRUE(gbtest::pixelNear(page, r.outside, kTop + 42, qRgb(255, 255, 255)));
    }
}

TEST_F(ImageReportTest, TallImageFillsTheLength)
{
    // A4 portrait: 1122.5 - 144 = 979 pixels of length, 939 below the starting row.
    const QString image = gbtest::writeImage(dir + "/tall.png", 100, 3000, 0x00FF00);
    ASSERT_TRUE(gb::ImageReport(nullptr, image).run(true));
    const QImage page = gbtest::pdfPageImage(pdf, 1);
    EXPECT_TRUE(gbtest::pixelNear(page, kLeft + 12, kTop + 40 + 930, qRgb(0, 255, 0)));
    EXPECT_TRUE(gbtest::pixelNear(page, kLeft + 12, kTop + 40 + 945, qRgb(255, 255, 255)));
    EXPECT_TRUE(gbtest::pixelNear(page, kLeft + 10 + 40, kTop + 500, qRgb(255, 255, 255)));
}

TEST_F(ImageReportTest, UnreadableFileStillGivesTheHeaderPage)
{
    const QString missing = dir + "/missing.jpg";
    ASSERT_TRUE(gb::ImageReport(nullptr, missing).run(true));
    EXPECT_EQ(gbtest::pdfPageCount(pdf), 1);
    EXPECT_TRUE(gbtest::pdfText(pdf, 1).contains("File: " + missing));
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(ImageReportTest, PreviewShowsThePrintedPage)
{
    const QString image = gbtest::writeImage(dir + "/two.png", 300, 200, 0xFF0000, 0x00FF00);
    ASSERT_TRUE(gb::ImageReport(nullptr, image).run(true));
    const QImage printed = gbtest::pdfPageImage(pdf, 1);
    ASSERT_TRUE(gb::ImageReport(nullptr, image).run(false));
    EXPECT_TRUE(host.requests.back().preview);
    EXPECT_EQ(host.requests.back().pages, 1);
    EXPECT_EQ(gbtest::pdfPageImage(pdf, 1), printed);
}

TEST_F(ImageReportTest, NoPrinterShowsTheErrorBox)
{
    host.valid = false;
    EXPECT_FALSE(gb::ImageReport(nullptr, dir + "/x.png").run(true));
    EXPECT_EQ(ui.boxTexts(), QStringList{"Error initializing report resources"});
    EXPECT_TRUE(host.requests.empty());
}
