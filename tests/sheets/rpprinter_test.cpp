#include "platform/imagelib/rgbimage.h"
#include "sheets/printfixture.h"
#include "sheets/pdftools.h"
#include "sheets/reportjob.h"
#include "sheets/rpprinter.h"
#include "support/testutil.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

using gb::ReportJob;
using gb::RpPrinter;

namespace {

// A job whose pages are drawn by a function of the page number; it records the calls.
class DrawingJob : public ReportJob
{
public:
    int pages = 1;
    std::function<void(RpPrinter &, int)> body;
    QStringList calls;
    double rowAtSetPage = -1, colAtSetPage = -1, rowAtHeader = -1;

    int printStart(RpPrinter &d) override
    {
        calls << "start";
        d.setUnitOfMeasure(RpPrinter::DevicePixel);
        return -1;
    }
    int printSetPage(RpPrinter &d, int &page) override
    {
        calls << QString("set %1").arg(page);
        rowAtSetPage = d.pRow();
        colAtSetPage = d.pCol();
        return page;
    }
    int printPageHeader(RpPrinter &d) override
    {
        calls << "header";
        rowAtHeader = d.pRow();
        return -1;
    }
    int printPageBody(RpPrinter &d) override
    {
        calls << "body";
        if (body)
            body(d, d.currentPageNumber());
        // Leave the cursor somewhere, so the next page must reset it.
        d.setPRow(123);
        d.setPCol(45);
        return d.currentPageNumber() < pages ? kMorePages : kLastPage;
    }
    int printEnd() override
    {
        calls << "end";
        return -1;
    }
};

} // namespace

using PrintToPdf = gbtest::PrintToPdf;

TEST(RpPrinter, NewDeviceAndConversions)
{
    DrawingJob job;
    RpPrinter d(nullptr, &job);
    EXPECT_EQ(d.unitOfMeasure(), RpPrinter::Inch);
    EXPECT_EQ(d.font().family(), "Arial");
    EXPECT_EQ(d.font().pixelSize(), 16); // 12 points on the 96-dpi page
    EXPECT_FALSE(d.font().bold());
    EXPECT_EQ(d.pRow(), 0);
    EXPECT_EQ(d.pCol(), 0);
    // Outside a run the text members answer nothing.
    EXPECT_EQ(d.getTextLength("abc"), 0);
    EXPECT_EQ(d.getTextFace(), "");

    d.setResolution(600, 600);
    d.setUnitOfMeasure(RpPrinter::DevicePixel);
    d.setLeftMargin(10);
    d.setTopMargin(20);
    EXPECT_DOUBLE_EQ(d.xlateHUnitOfMeasure2Inches(10), 10.0 / 600);
    EXPECT_DOUBLE_EQ(d.leftMargin(), 10);
    EXPECT_DOUBLE_EQ(d.topMargin(), 20);

    d.setUnitOfMeasure(RpPrinter::Centimetre);
    d.setPCol(1.27);
    EXPECT_DOUBLE_EQ(d.xlateHUnitOfMeasure2Logical(1.27), 300);
    EXPECT_NEAR(d.pCol(), 1.27, 1e-12);
    d.setPRow(2.54);
    const double row = d.pRow();
    EXPECT_NEAR(d.nextPRow(), row + d.avgCharHeight(), 1e-12);
    EXPECT_EQ(d.pRow(), row);

    struct {
        int unit;
        double value, pixels;
    } rows[] = {{1, 0.5, 300}, {3, 25.4, 600}, {5, 17.4, 17}, {5, 17.5, 18}, {9, 7.25, 7}};
    for (const auto &r : rows) {
        d.setUnitOfMeasure(r.unit);
        EXPECT_DOUBLE_EQ(d.xlateVUnitOfMeasure2Logical(r.value), r.pixels) << r.unit << " " << r.value;
    }
    // In character cells the font's own cell is the unit.
    d.setUnitOfMeasure(RpPrinter::CharacterCell);
    EXPECT_DOUBLE_EQ(d.avgCharWidth(), 1);
    EXPECT_DOUBLE_EQ(d.avgCharHeight(), 1);
    d.setUnitOfMeasure(RpPrinter::DevicePixel);
    const double cellWidth = d.avgCharWidth();
    d.setUnitOfMeasure(RpPrinter::CharacterCell);
    EXPECT_DOUBLE_EQ(d.xlateHUnitOfMeasure2Logical(3), 3 * cellWidth);
    d.setUnitOfMeasure(9);
    // An unknown unit converts nothing.
    EXPECT_DOUBLE_EQ(d.xlateVLogical2UnitOfMeasure(7.25), 7.25);
    EXPECT_DOUBLE_EQ(d.xlateVUnitOfMeasure2Inches(7.25), 7.25);
}

TEST_F(PrintToPdf, PageLoopCallsBackInOrderAndResetsTheCursor)
{
    DrawingJob job;
    job.pages = 3;
    job.body = [](RpPrinter &d, int page) { d.textOut(10, 10, QString("Body of page %1").arg(page)); };
    RpPrinter d(nullptr, &job);
    ASSERT_TRUE(d.isValid());
    ASSERT_TRUE(d.print("Print"));

    EXPECT_EQ(job.calls, QStringList({"start", "set 1", "header", "body", "set 2", "header", "body", "set 3", "header",
                                      "body", "end"}));
    EXPECT_EQ(job.rowAtSetPage, 0);
    EXPECT_EQ(job.colAtSetPage, 0);
    EXPECT_EQ(job.rowAtHeader, 0);
    EXPECT_EQ(gbtest::pdfPageCount(pdf), 3);
    for (int p = 1; p <= 3; ++p)
        EXPECT_TRUE(gbtest::pdfText(pdf, p).contains(QString("Body of page %1").arg(p)));
    EXPECT_EQ(host.requests.at(0).name, "Print");
    EXPECT_FALSE(host.requests.at(0).preview);
}

TEST_F(PrintToPdf, PreviewRunsTheJobAgainEachTime)
{
    DrawingJob job;
    job.pages = 2;
    RpPrinter d(nullptr, &job);
    ASSERT_TRUE(d.printPreview("Preview"));
    EXPECT_EQ(job.calls.count("start"), 2);
    EXPECT_EQ(job.calls.count("end"), 2);
    EXPECT_EQ(host.requests.at(0).pages, 2);
    EXPECT_TRUE(host.requests.at(0).preview);
}

TEST_F(PrintToPdf, RunsThatNeverEndAreCut)
{
    DrawingJob job;
    job.pages = 1 << 30;
    RpPrinter d(nullptr, &job);
    host.resolution = 72;
    ASSERT_TRUE(d.print("Print"));
    EXPECT_EQ(d.pageCount(), RpPrinter::kMaxPages);
}

TEST_F(PrintToPdf, ShapesAndImagesLandOnTheirPixels)
{
    const QString bitmap = gbtest::writeImage(dir + "/green.png", 30, 20, 0x00FF00);
    DrawingJob job;
    job.body = [bitmap](RpPrinter &d, int) {
        d.setLeftMargin(10);
        d.setTopMargin(20);
        d.drawRectangle(10, 10, 49, 59);                                  // outline only
        d.drawRectangle(100, 10, 139, 59, 1, 0, Qt::black, -1, Qt::blue); // filled solid
        d.drawLine(200, 10, 200, 109, 3);                                 // three pixels wide
        d.drawRectangle(100, 200, 199, 299, 1, 0, Qt::black, 3, Qt::green); // hatched
        gb::RgbImage red = gb::RgbImage::filled(20, 10, 255, 0, 0);
        d.drawRgb(red, 300, 400, 20, 10);
        d.drawBmp(500, 100, bitmap);          // own size, 30 x 20
        d.drawBmp(600, 100, bitmap, 40, 60);  // stretched to 60 x 40
        d.drawBmp(700, 100, bitmap + ".gone"); // nothing
    };
    RpPrinter d(nullptr, &job);
    ASSERT_TRUE(d.print("Print"));
    const QImage page = gbtest::pdfPageImage(pdf, 1);
    ASSERT_FALSE(page.isNull());
    // The outline covers rows 10..49 and columns 10..59 of the print area, whose origin is
    // at (10, 20) of the page.
    EXPECT_TRUE(gbtest::pixelNear(page, 20, 30, qRgb(0, 0, 0)));
    EXPECT_TRUE(gbtest::pixelNear(page, 69, 69, qRgb(0, 0, 0)));
    EXPECT_TRUE(gbtest::pixelNear(page, 40, 50, qRgb(255, 255, 255)));
    EXPECT_TRUE(gbtest::pixelNear(page, 70, 70, qRgb(255, 255, 255)));
    EXPECT_TRUE(gbtest::pixelNear(page, 19, 29, qRgb(255, 255, 255)));
    EXPECT_TRUE(gbtest::pixelNear(page, 40, 140, qRgb(0, 0, 255)));
    // A 3-pixel line is black one pixel either side of its middle.
    EXPECT_TRUE(gbtest::pixelNear(page, 50, 219, qRgb(0, 0, 0)));
    EXPECT_TRUE(gbtest::pixelNear(page, 50, 221, qRgb(0, 0, 0)));
    EXPECT_TRUE(gbtest::pixelNear(page, 50, 224, qRgb(255, 255, 255)));
    // A hatch leaves white between its lines.
    int green = 0, white = 0;
    for (int y = 125; y < 195; ++y)
        for (int x = 215; x < 285; ++x) {
            green += gbtest::pixelNear(page, x, y, qRgb(0, 255, 0), 80);
            white += gbtest::pixelNear(page, x, y, qRgb(255, 255, 255));
        }
    EXPECT_GT(green, 200);
    EXPECT_GT(white, 1000);
    // The image at its own size.
    EXPECT_TRUE(gbtest::pixelNear(page, 310, 420, qRgb(255, 0, 0)));
    EXPECT_TRUE(gbtest::pixelNear(page, 329, 429, qRgb(255, 0, 0)));
    EXPECT_TRUE(gbtest::pixelNear(page, 331, 431, qRgb(255, 255, 255)));
    // Image files at their own size and stretched.
    EXPECT_TRUE(gbtest::pixelNear(page, 110 + 28, 520 + 18, qRgb(0, 255, 0)));
    EXPECT_TRUE(gbtest::pixelNear(page, 110 + 32, 520 + 10, qRgb(255, 255, 255)));
    EXPECT_TRUE(gbtest::pixelNear(page, 110 + 58, 620 + 38, qRgb(0, 255, 0)));
    EXPECT_TRUE(gbtest::pixelNear(page, 110 + 62, 620 + 10, qRgb(255, 255, 255)));
    EXPECT_EQ(std::count_if(d.markers().begin(), d.markers().end(), [](const auto &m) { return m.tag == 999999; }), 3);
}

TEST_F(PrintToPdf, TextMarkersAndCursor)
{
    DrawingJob job;
    double colAfterRight = 0, rowAfterBox = 0, colAfterBox = 0, textLength = 0;
    QString face;
    job.body = [&](RpPrinter &d, int) {
        d.setFont("Courier New", 10, true);
        face = d.getTextFace();
        textLength = d.getTextLength("Right");
        d.textOut(50, 300, "Right", 2);
        colAfterRight = d.pCol();
        d.drawText(100, 20, "Boxed words", 30, 200, 1);
        rowAfterBox = d.pRow();
        colAfterBox = d.pCol();
    };
    RpPrinter d(nullptr, &job);
    ASSERT_TRUE(d.print("Print"));
    EXPECT_EQ(face, "Liberation Mono");
    EXPECT_GT(textLength, 0);
    // Right alignment still moves the cursor by the text's width from the given column.
    EXPECT_NEAR(colAfterRight, 300 + textLength, 1.0);
    EXPECT_EQ(colAfterBox, 20 + 200);
    EXPECT_EQ(rowAfterBox, 100 + 31 - d.avgCharHeight() - 1);

    const auto &m = d.markers();
    ASSERT_EQ(m.size(), 4u);
    for (size_t i = 0; i < 4; i += 2) {
        EXPECT_EQ(m[i].tag, 65534);
        EXPECT_EQ(m[i + 1].tag, 65535);
        EXPECT_EQ(m[i].column, m[i + 1].column);
        EXPECT_EQ(m[i].row, m[i + 1].row);
        EXPECT_EQ(m[i].width, m[i + 1].width);
        EXPECT_EQ(m[i].height, m[i + 1].height);
    }
    EXPECT_EQ(m[0].alignment, 2);
    EXPECT_EQ(m[0].width, int(d.avgCharWidth()) * 5 + 1);
    EXPECT_EQ(m[2].alignment, 1);
    EXPECT_EQ(m[2].width, 201);
    const QString text = gbtest::pdfText(pdf, 1);
    EXPECT_TRUE(text.contains("Right"));
    EXPECT_TRUE(text.contains("Boxed words"));
}

TEST(RpPrinter, HeadlessHostHasNoPrinter)
{
    DrawingJob job;
    RpPrinter d(nullptr, &job);
    EXPECT_FALSE(d.isValid());
    EXPECT_FALSE(d.print("Print"));
    EXPECT_TRUE(job.calls.isEmpty());
}

TEST_F(PrintToPdf, LayoutsScaleFromTheLogicalPage)
{
    // On a 192-dpi logical page every pixel of the layout is half a pixel at 96 dpi.
    DrawingJob job;
    job.body = [](RpPrinter &d, int) {
        d.setLeftMargin(0);
        d.setTopMargin(0);
        d.drawRectangle(100, 100, 299, 299, 1, 0, Qt::black, -1, Qt::red);
    };
    RpPrinter d(nullptr, &job);
    d.setResolution(192, 192);
    ASSERT_TRUE(d.print("Print"));
    const QImage page = gbtest::pdfPageImage(pdf, 1);
    EXPECT_TRUE(gbtest::pixelNear(page, 75, 75, qRgb(255, 0, 0)));
    EXPECT_TRUE(gbtest::pixelNear(page, 148, 148, qRgb(255, 0, 0)));
    EXPECT_TRUE(gbtest::pixelNear(page, 153, 153, qRgb(255, 255, 255)));
    EXPECT_TRUE(gbtest::pixelNear(page, 47, 75, qRgb(255, 255, 255)));
    // The A4 print area, less the right margin of half an inch, counts 192 pixels an inch.
    EXPECT_EQ(d.logPrintAreaWidth(), int(std::lround((595.28 / 72.0 - 0.5) * 192)));
}

TEST_F(PrintToPdf, EscapementTurnsTheLine)
{
    // A line at 90 degrees runs upwards from its reference point.
    DrawingJob job;
    job.body = [](RpPrinter &d, int) {
        d.setLeftMargin(0);
        d.setTopMargin(0);
        d.setFont("Arial", 20, true, false, false, 0, 900);
        d.textOut(400, 100, "MMMMMMMM");
    };
    RpPrinter d(nullptr, &job);
    ASSERT_TRUE(d.print("Print"));
    const QImage page = gbtest::pdfPageImage(pdf, 1);
    auto inkIn = [&](int x0, int x1, int y0, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                n += !gbtest::pixelNear(page, x, y, qRgb(255, 255, 255), 60);
        return n;
    };
    EXPECT_GT(inkIn(95, 140, 250, 400), 200);
    EXPECT_EQ(inkIn(150, 400, 380, 440), 0);
}
