#include "sheets/hprgallery.h"
#include "sheets/pdftools.h"
#include "sheets/printfixture.h"
#include "sheets/rpprinter.h"
#include "support/testutil.h"
#include "support/workers.h"

#include <QDir>
#include <QFile>
#include <QTimer>

#include <gtest/gtest.h>

#include <climits>

using gb::HPrGallery;
using gb::Value;
using gb::ValueArray;

namespace {

// The job's margins (30 left, 20 top) put the print area's origin here on the page.
constexpr int kOriginX = 30;
constexpr int kOriginY = 20;

struct HPrGalleryTest : gbtest::PrintToPdf {
    QStringList files;
    void makeFiles(int n, int width = 100, int height = 100)
    {
        for (int i = 1; i <= n; ++i)
            files << gbtest::writeImage(dir + QString("/pic%1.png").arg(i), width, height, 0xFF0000);
    }
};

} // namespace

TEST(HPrGallerySettings, DefaultsAndDamagedArrays)
{
    HPrGallery job;
    ASSERT_EQ(job.data().size(), 19u);
    EXPECT_EQ(job.thumbWidth(), 150);
    EXPECT_EQ(job.verSpacing(), 15);
    EXPECT_EQ(job.thumbPerCol(), 4);
    EXPECT_EQ(job.title(), "Image Gallery");
    EXPECT_EQ(job.titleFont(), (gb::FontData{"Verdana", 12, true, false, false, 0}));
    EXPECT_TRUE(job.appendPageNo());
    EXPECT_TRUE(job.drawBorder());
    EXPECT_EQ(job.imageInfo(), (std::vector<int>{1, 2, 4}));
    EXPECT_EQ(job.imageInfoFont(), (gb::FontData{"Verdana", 8, false, false, false, 0}));
    EXPECT_EQ(job.logo(), "");
    EXPECT_EQ(job.startRow(), 10);
    EXPECT_TRUE(job.portrait());
    EXPECT_EQ(job.leftMargin(), 30);
    EXPECT_EQ(job.bottomMargin(), 20);

    HPrGallery stored(nullptr, ValueArray{Value(80), Value("x"), Value(3)});
    ASSERT_EQ(stored.data().size(), 19u);
    EXPECT_EQ(stored.thumbWidth(), 80);
    EXPECT_EQ(stored.thumbHeight(), 150);
    EXPECT_EQ(stored.horSpacing(), 3);
    EXPECT_EQ(stored.title(), "Image Gallery");
}

TEST_F(HPrGalleryTest, PageOfCentredThumbnailsWithLines)
{
    makeFiles(5);
    HPrGallery job;
    job.setLogo("ACME Prints");
    ASSERT_TRUE(job.doPrint(nullptr, files, true));
    ASSERT_EQ(gbtest::pdfPageCount(pdf), 1);
    const QString text = gbtest::pdfText(pdf, 1);
    EXPECT_TRUE(text.contains("ACME Prints"));
    EXPECT_TRUE(text.contains("Page: 1"));
    EXPECT_TRUE(text.contains("Image Gallery"));
    EXPECT_TRUE(text.contains("pic5"));
    EXPECT_TRUE(text.contains("100 x 100"));
    EXPECT_TRUE(text.contains(" kb"));

    // A4 portrait less the margins is 734 wide; the grid of 4 x 150 + 3 x 15 = 645 starts
    // at (734 - 645) / 2 = 44. The header stored the grid top in the settings.
    const int gridTop = job.startRow();
    EXPECT_GT(gridTop, 10);
    const QImage page = gbtest::pdfPageImage(pdf, 1);
    for (int column = 1; column <= 4; ++column) {
        const int x = kOriginX + 44 + (column - 1) * 165;
        SCOPED_TRACE(column);
        EXPECT_TRUE(gbtest::pixelNear(page, x + 75, kOriginY + gridTop + 75, qRgb(255, 0, 0)));
        EXPECT_TRUE(gbtest::pixelNear(page, x + 10, kOriginY + gridTop + 75, qRgb(255, 255, 255)));
        EXPECT_TRUE(gbtest::pixelNear(page, x, kOriginY + gridTop + 75, qRgb(0, 0, 0)));
    }
    // The fifth file opens the second row.
    const int rowOne = kOriginY + gridTop;
    bool redBelow = false;
    for (int y = rowOne + 150; y < rowOne + 400 && !redBelow; ++y)
        redBelow = gbtest::pixelNear(page, kOriginX + 44 + 75, y, qRgb(255, 0, 0));
    EXPECT_TRUE(redBelow);
}

TEST_F(HPrGalleryTest, LongNamesAreCutAtTheCellEdge)
{
    const QString name = "a_holiday_picture_with_a_name_far_wider_than_its_cell_";
    for (int i = 1; i <= 2; ++i)
        files << gbtest::writeImage(dir + "/" + name + QString::number(i) + ".png", 100, 100, 0xFF0000);
    HPrGallery job;
    ASSERT_TRUE(job.doPrint(nullptr, files, true));
    const QString text = gbtest::pdfText(pdf, 1);
    EXPECT_TRUE(text.contains("a_holiday_pic"));
    EXPECT_FALSE(text.contains(name));
    // The gap between the first two cells (x2 + 8, spacing 15) stays blank beside the
    // information band, where the names used to run across into the neighbour.
    const QImage page = gbtest::pdfPageImage(pdf, 1);
    const int gapX = kOriginX + 44 + 150 + 7;
    const int bandTop = kOriginY + job.startRow() + 150;
    int inked = 0;
    for (int y = bandTop; y < bandTop + 60; ++y)
        inked += !gbtest::pixelNear(page, gapX, y, qRgb(255, 255, 255));
    EXPECT_EQ(inked, 0);
}

TEST_F(HPrGalleryTest, PagesAndPreviewReruns)
{
    // Boxes 400 high leave room for two rows of four on A4: eight files per page.
    makeFiles(10);
    HPrGallery job;
    job.setThumbHeight(400);
    job.setAppendPageNo(true);
    ASSERT_TRUE(job.doPrint(nullptr, files, false));
    EXPECT_EQ(host.requests.at(0).pages, 2);
    ASSERT_EQ(gbtest::pdfPageCount(pdf), 2);
    EXPECT_TRUE(gbtest::pdfText(pdf, 1).contains("pic1\n"));
    EXPECT_TRUE(gbtest::pdfText(pdf, 1).contains("pic8"));
    EXPECT_FALSE(gbtest::pdfText(pdf, 1).contains("pic9"));
    EXPECT_TRUE(gbtest::pdfText(pdf, 2).contains("pic9"));
    EXPECT_TRUE(gbtest::pdfText(pdf, 2).contains("pic10"));
    EXPECT_TRUE(gbtest::pdfText(pdf, 2).contains("Page: 2"));

    // A page beyond the last is the last, and positions the job on its first file.
    gb::RpPrinter idle(nullptr, &job);
    idle.setUnitOfMeasure(gb::RpPrinter::DevicePixel);
    idle.setTopMargin(20);
    idle.setBottomMargin(20);
    int asked = 7;
    EXPECT_EQ(job.printSetPage(idle, asked), 2);
    EXPECT_EQ(asked, 2);

    // A stored start row far above the page leaves room for every file on one page.
    job.setStartRow(-2000000000);
    asked = 3;
    EXPECT_EQ(job.printSetPage(idle, asked), 1);
}

TEST_F(HPrGalleryTest, RunsThatCannotPlaceAnythingEnd)
{
    makeFiles(3);
    // A run started without validation may also hold numbers no page can set: counted in
    // 64 bits, they end as quickly, with cells past any page left undrawn.
    struct {
        const char *what;
        int columns, height, width;
    } rows[] = {{"no columns", 0, 150, 150},
                {"no row fits", 4, 5000, 150},
                {"no step", 4, -200, 150},
                {"columns by the billion", INT_MAX, 150, 150},
                {"boxes taller than any page", 4, INT_MAX, 150},
                {"boxes wider than any page", 4, 150, INT_MAX}};
    for (const auto &r : rows) {
        SCOPED_TRACE(r.what);
        HPrGallery job;
        job.setThumbPerCol(r.columns);
        job.setThumbHeight(r.height);
        job.setThumbWidth(r.width);
        job.setVerSpacing(r.height < 0 ? 0 : 15);
        job.setImageInfo({});
        ASSERT_TRUE(job.doPrint(nullptr, files, true));
        EXPECT_EQ(gbtest::pdfPageCount(pdf), 1);
    }
    HPrGallery job;
    ASSERT_TRUE(job.doPrint(nullptr, {}, true));
    EXPECT_EQ(gbtest::pdfPageCount(pdf), 1);
    EXPECT_TRUE(gbtest::pdfText(pdf, 1).contains("Image Gallery"));
}

TEST_F(HPrGalleryTest, UnreadableFilesAndBareLayout)
{
    const QString missing = dir + "/gone.jpg";
    HPrGallery job;
    job.setImageInfo({9, 2});
    ASSERT_TRUE(job.doPrint(nullptr, {missing}, true));
    const QString text = gbtest::pdfText(pdf, 1);
    EXPECT_TRUE(text.contains("gone.jpg"));
    EXPECT_TRUE(text.contains("0 kb"));
    const QImage framed = gbtest::pdfPageImage(pdf, 1);
    const int top = kOriginY + job.startRow();
    EXPECT_TRUE(gbtest::pixelNear(framed, kOriginX + 44, top + 75, qRgb(0, 0, 0)));
    EXPECT_TRUE(gbtest::pixelNear(framed, kOriginX + 44 + 75, top + 75, qRgb(255, 255, 255)));

    // No border, no information lines, no title: nothing but the picture below the logo line.
    makeFiles(1);
    HPrGallery bare;
    bare.setDrawBorder(false);
    bare.setImageInfo({});
    bare.setTitle("");
    bare.setAppendPageNo(false);
    ASSERT_TRUE(bare.doPrint(nullptr, files, true));
    EXPECT_EQ(gbtest::pdfText(pdf, 1).trimmed(), "");
    const QImage page = gbtest::pdfPageImage(pdf, 1);
    const int gridTop = kOriginY + bare.startRow();
    EXPECT_TRUE(gbtest::pixelNear(page, kOriginX + 44, gridTop + 75, qRgb(255, 255, 255)));
    EXPECT_TRUE(gbtest::pixelNear(page, kOriginX + 44 + 75, gridTop + 75, qRgb(255, 0, 0)));
    EXPECT_TRUE(gbtest::pixelNear(page, kOriginX + 44 + 75, gridTop + 152, qRgb(255, 255, 255)));
}

TEST_F(HPrGalleryTest, LandscapeAndNoPrinter)
{
    makeFiles(1);
    HPrGallery job;
    job.setPortrait(false);
    ASSERT_TRUE(job.doPrint(nullptr, files, true));
    const QImage page = gbtest::pdfPageImage(pdf, 1);
    EXPECT_GT(page.width(), page.height());

    host.valid = false;
    EXPECT_FALSE(job.doPrint(nullptr, files, true));
    EXPECT_EQ(ui.boxTexts(), QStringList{"Error initializing printer resource"});
}

// The pictures are fitted on the worker threads while the page that draws them waits serving
// events: the first picture's decoder waits for room until an event handled meanwhile gives it.
TEST_F(HPrGalleryTest, PicturesAreMadeOnWorkersWhileThePageServesEvents)
{
    gbtest::WorkerThreadsSetting threads(4);
    for (int i = 1; i <= 3; ++i)
        files << gbtest::writeGatedJpeg(dir + QString("/pic%1.jpg").arg(i), 120, 90);
    HPrGallery job;
    job.setImageInfo({1});
    bool served = false;
    {
        gbtest::DecodeGate gate;
        QTimer::singleShot(0, [&] {
            gate.waitForADecoder();
            served = true;
            gate.release();
        });
        ASSERT_TRUE(job.doPrint(nullptr, files, true));
    }
    EXPECT_TRUE(served);
    // Every picture is on its page, the one the decoder waited for too.
    const QImage page = gbtest::pdfPageImage(pdf, 1);
    const int middle = kOriginY + job.startRow() + 75;
    for (int column = 1; column <= 3; ++column) {
        const int x = kOriginX + 44 + (column - 1) * 165 + 75;
        EXPECT_FALSE(gbtest::pixelNear(page, x, middle, qRgb(255, 255, 255), 10)) << column;
    }
    EXPECT_TRUE(gbtest::pdfText(pdf, 1).contains("pic3"));
}

// An Abort pressed while a picture of the second page is made ends the run once that page is
// drawn: no third page, a file printed to is left as it was (none, or the one there before),
// the run answers false and ends quietly. An abort left over from an earlier run is cleared
// when a run starts.
TEST_F(HPrGalleryTest, AbortEndsTheRunAfterThePageUnderWay)
{
    makeFiles(20); // eight a page: three pages
    struct Case {
        const char *name;
        bool print;
        QByteArray before;
    };
    const Case cases[] = {
        {"printed to a new file", true, {}},
        {"printed over a file", true, "the printout before"},
        {"previewed", false, {}},
    };
    host.previewRenders = 1;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(pdf);
        if (!c.before.isEmpty())
            gbtest::writeFile(pdf, c.before);
        host.requests.clear();
        gbtest::AbortingUi user;
        user.abortAtFile = 10;
        HPrGallery job;
        job.setThumbHeight(400);
        gb::glAbortBatch = true;
        EXPECT_FALSE(job.doPrint(nullptr, files, c.print));
        EXPECT_TRUE(gb::glAbortBatch);
        EXPECT_TRUE(user.abortedInStep);
        ASSERT_EQ(host.requests.size(), 1u);
        EXPECT_EQ(host.requests[0].pages, 2);
        EXPECT_TRUE(user.boxes.empty());
        EXPECT_TRUE(user.ended);
        if (c.print) {
            EXPECT_EQ(QFile::exists(pdf), !c.before.isEmpty());
            EXPECT_EQ(gbtest::readFile(pdf), c.before);
            EXPECT_TRUE(QDir(dir).entryList({"*gbtmp*"}, QDir::Files | QDir::Hidden).isEmpty());
        } else {
            EXPECT_EQ(gbtest::pdfPageCount(pdf), 2);
        }
    }
    gb::glAbortBatch = false;
}
