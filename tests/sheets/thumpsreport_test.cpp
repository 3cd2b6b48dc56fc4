#include "common/registry.h"
#include "sheets/pdftools.h"
#include "sheets/printfixture.h"
#include "sheets/thumpsreport.h"
#include "support/testutil.h"

#include <gtest/gtest.h>

namespace {

// "Left Margin" 10 and "Top Margin" 20 by default; the grid starts 45 below the origin,
// cells 200 wide at 210-pixel steps from column 10, rows 225 high.
constexpr int kOriginX = 10;
constexpr int kOriginY = 20;

int cellLeft(int column)
{
    return kOriginX + 10 + (column - 1) * 210;
}

int cellTop(int line)
{
    return kOriginY + 45 + (line - 1) * 225;
}

const uint32_t kColours[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0x800000,
                             0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0x404040, 0xC0C0C0};

QRgb rgbOf(uint32_t c)
{
    return qRgb(c >> 16, (c >> 8) & 0xFF, c & 0xFF);
}

struct ThumpsReportTest : gbtest::PrintToPdf {
    QStringList names;
    QList<QByteArray> thumbs;

    void SetUp() override
    {
        PrintToPdf::SetUp();
        gbtest::resetPrintOptions();
    }
    // n stored thumbnails of 100 x 100 in the colours above, named img1.jpg ...
    void makeThumbs(int n)
    {
        for (int i = 0; i < n; ++i) {
            const QString path = gbtest::writeImage(dir + QString("/t%1.png").arg(i + 1), 100, 100, kColours[i]);
            thumbs << gbtest::readFile(path);
            names << QString("img%1.jpg").arg(i + 1);
        }
    }
};

} // namespace

TEST_F(ThumpsReportTest, GridOfFramedCellsWithCaptions)
{
    makeThumbs(7);
    names[6] = "/photos/2005/last one.jpg";
    ASSERT_TRUE(gb::ThumpsReport(nullptr, names, thumbs, "  Holidays /photos  ").run(true));
    ASSERT_EQ(gbtest::pdfPageCount(pdf), 1);
    const QString text = gbtest::pdfText(pdf, 1);
    EXPECT_TRUE(text.contains("Holidays /photos"));
    EXPECT_TRUE(text.contains("img1.jpg"));
    EXPECT_TRUE(text.contains("img6.jpg"));
    EXPECT_TRUE(text.contains("last one.jpg"));
    EXPECT_FALSE(text.contains("2005"));

    const QImage page = gbtest::pdfPageImage(pdf, 1);
    // Rows of 3, 3 and 1; each image at its own size in the middle of its cell.
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        const int line = i / 3 + 1, column = i % 3 + 1;
        EXPECT_TRUE(gbtest::pixelNear(page, cellLeft(column) + 100, cellTop(line) + 100, rgbOf(kColours[i])));
        EXPECT_TRUE(gbtest::pixelNear(page, cellLeft(column) + 40, cellTop(line) + 100, qRgb(255, 255, 255)));
    }
    EXPECT_TRUE(gbtest::pixelNear(page, cellLeft(2) + 100, cellTop(3) + 100, qRgb(255, 255, 255)));
    // The frames: the cell's left edge and the caption strip's bottom edge.
    EXPECT_TRUE(gbtest::pixelNear(page, cellLeft(1), cellTop(1) + 20, qRgb(0, 0, 0)));
    EXPECT_TRUE(gbtest::pixelNear(page, cellLeft(1) + 199, cellTop(1) + 20, qRgb(0, 0, 0)));
    EXPECT_TRUE(gbtest::pixelNear(page, cellLeft(1) + 5, cellTop(1) + 199 + 15, qRgb(0, 0, 0)));
    EXPECT_TRUE(gbtest::pixelNear(page, cellLeft(1) + 5, cellTop(1) + 199 + 1, qRgb(255, 255, 255)));
}

TEST_F(ThumpsReportTest, LongNamesAreCutAtTheCellEdge)
{
    makeThumbs(2);
    const QString name = "a_holiday_picture_with_a_name_far_wider_than_its_cell.jpg";
    names[0] = name;
    ASSERT_TRUE(gb::ThumpsReport(nullptr, names, thumbs).run(true));
    const QString text = gbtest::pdfText(pdf, 1);
    EXPECT_TRUE(text.contains("a_holiday_pic"));
    EXPECT_FALSE(text.contains(name));
    // The gap between the first two cells stays blank beside the captions, where a long
    // name used to run across into its neighbour.
    const QImage page = gbtest::pdfPageImage(pdf, 1);
    int inked = 0;
    for (int y = cellTop(1) + 200; y < cellTop(1) + 200 + 15; ++y)
        inked += !gbtest::pixelNear(page, cellLeft(1) + 205, y, qRgb(255, 255, 255));
    EXPECT_EQ(inked, 0);
}

TEST_F(ThumpsReportTest, PagesFollowAndEveryRunStartsAgain)
{
    // A4 holds four rows of three below the header: 12 cells per page.
    makeThumbs(14);
    ASSERT_TRUE(gb::ThumpsReport(nullptr, names, thumbs).run(false));
    EXPECT_EQ(host.requests.at(0).pages, 2);
    ASSERT_EQ(gbtest::pdfPageCount(pdf), 2);
    EXPECT_TRUE(gbtest::pdfText(pdf, 1).contains("img1.jpg"));
    EXPECT_TRUE(gbtest::pdfText(pdf, 1).contains("img12.jpg"));
    EXPECT_FALSE(gbtest::pdfText(pdf, 1).contains("img13.jpg"));
    EXPECT_TRUE(gbtest::pdfText(pdf, 2).contains("img13.jpg"));
    EXPECT_TRUE(gbtest::pdfText(pdf, 2).contains("img14.jpg"));
    const QImage second = gbtest::pdfPageImage(pdf, 2);
    EXPECT_TRUE(gbtest::pixelNear(second, cellLeft(2) + 100, cellTop(1) + 100, rgbOf(kColours[13])));
}

TEST_F(ThumpsReportTest, FittingAndFailingImages)
{
    const QString wide = gbtest::writeImage(dir + "/wide.png", 400, 100, 0x0000FF);
    const QString missing = dir + "/missing.png";
    ASSERT_TRUE(gb::ThumpsReport(nullptr, QStringList{"wide.png", "missing.png"}, QStringList{wide, missing}).run(true));
    const QImage page = gbtest::pdfPageImage(pdf, 1);
    // 400 x 100 fits as 200 x 50, centred vertically: rows 75 to 124 of the cell.
    EXPECT_TRUE(gbtest::pixelNear(page, cellLeft(1) + 2, cellTop(1) + 100, qRgb(0, 0, 255)));
    EXPECT_TRUE(gbtest::pixelNear(page, cellLeft(1) + 100, cellTop(1) + 70, qRgb(255, 255, 255)));
    EXPECT_TRUE(gbtest::pixelNear(page, cellLeft(1) + 100, cellTop(1) + 128, qRgb(255, 255, 255)));
    // The missing file: frame and caption only.
    EXPECT_TRUE(gbtest::pixelNear(page, cellLeft(2) + 100, cellTop(1) + 100, qRgb(255, 255, 255)));
    EXPECT_TRUE(gbtest::pixelNear(page, cellLeft(2), cellTop(1) + 100, qRgb(0, 0, 0)));
    EXPECT_TRUE(gbtest::pdfText(pdf, 1).contains("missing.png"));
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(ThumpsReportTest, EdgeRuns)
{
    // No images: one page with the header line.
    ASSERT_TRUE(gb::ThumpsReport(nullptr, QStringList{}, QList<QByteArray>{}, "Empty volume").run(true));
    EXPECT_EQ(gbtest::pdfPageCount(pdf), 1);
    EXPECT_TRUE(gbtest::pdfText(pdf, 1).contains("Empty volume"));

    // A page too short for one row ends the run instead of repeating itself.
    makeThumbs(2);
    gb::kvtSetRtRegInt("Print Options", "Top Margin", 900);
    ASSERT_TRUE(gb::ThumpsReport(nullptr, names, thumbs, "Short").run(true));
    EXPECT_EQ(gbtest::pdfPageCount(pdf), 1);

    host.valid = false;
    EXPECT_FALSE(gb::ThumpsReport(nullptr, names, thumbs).run(true));
    EXPECT_EQ(ui.boxTexts(), QStringList{"Error initializing printer resource"});
}

TEST_F(ThumpsReportTest, LandscapeKeepsTheColumns)
{
    makeThumbs(5);
    gb::kvtSetRtRegInt("Print Options", "Orientation", 2);
    ASSERT_TRUE(gb::ThumpsReport(nullptr, names, thumbs).run(true));
    const QImage page = gbtest::pdfPageImage(pdf, 1);
    EXPECT_GT(page.width(), page.height());
    EXPECT_TRUE(gbtest::pixelNear(page, cellLeft(1) + 100, cellTop(2) + 100, rgbOf(kColours[3])));
    EXPECT_TRUE(gbtest::pixelNear(page, cellLeft(4) + 100, cellTop(1) + 100, qRgb(255, 255, 255)));
}
