#include "common/dialogcontrols.h"
#include "common/imagsysserver.h"
#include "sheets/pagesetupwin.h"
#include "sheets/pdftools.h"
#include "sheets/printfixture.h"
#include "sheets/printgalleryjob.h"
#include "sheets/printlayoutwin.h"
#include "sheets/printwin.h"
#include "sheets/progresswinui.h"
#include "support/wizardsteps.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace {

struct PrintWizardTest : gbtest::PrintToPdf {
    gb::ImagSysServer db{gbtest::makeTempDir()};
    QStringList files;
    const uint32_t colours[5] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF};

    void SetUp() override
    {
        PrintToPdf::SetUp();
        gb::setGoSysServer(&db);
        gbtest::resetPrintOptions();
        for (int i = 0; i < 5; ++i)
            files << gbtest::writeImage(dir + QString("/img%1.png").arg(i + 1), 120, 90, colours[i]);
    }
    void TearDown() override
    {
        gb::setGoSysServer(nullptr);
        PrintToPdf::TearDown();
    }
};

// How many pixels of a page are near the colour (0xRRGGBB).
int countNear(const QImage &page, uint32_t rgb)
{
    int n = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            n += gbtest::pixelNear(page, x, y, qRgb(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF), 30) ? 1 : 0;
    return n;
}

} // namespace

TEST_F(PrintWizardTest, PrintAndPreviewNeedImages)
{
    gb::PrintWin win(nullptr);
    EXPECT_EQ(win.windowTitle(), "Print Image Gallery");
    EXPECT_EQ(win.printButton()->text(), "Print");
    win.printButton()->click();
    win.previewButton()->click();
    EXPECT_EQ(ui.boxTexts(), QStringList({"Select at least one image to print", "Select at least one image to print"}));
    EXPECT_EQ(ui.boxes.at(0).caption, "Info");
    EXPECT_TRUE(host.requests.empty());
}

TEST_F(PrintWizardTest, PrintsThePagesSetOnTheWizard)
{
    gb::PrintWin win(nullptr, files);
    gb::PrintLayoutWin &layout = *win.layoutWin();
    layout.thumbCol()->setNumber(2);
    layout.thumbHeight()->setNumber(400);
    layout.title()->setText("Holiday");
    win.printButton()->click();
    ASSERT_EQ(host.requests.size(), 1u);
    EXPECT_FALSE(host.requests.at(0).preview);
    EXPECT_TRUE(ui.boxes.empty());

    // Two rows of two fit on a page: four images on page 1, the fifth on page 2.
    ASSERT_EQ(gbtest::pdfPageCount(pdf), 2);
    const QString first = gbtest::pdfText(pdf, 1);
    EXPECT_TRUE(first.contains("Holiday"));
    EXPECT_TRUE(first.contains("Page: 1"));
    EXPECT_TRUE(first.contains("img4"));
    EXPECT_FALSE(first.contains("img5"));
    EXPECT_TRUE(gbtest::pdfText(pdf, 2).contains("Page: 2"));
    const QImage page1 = gbtest::pdfPageImage(pdf, 1);
    const QImage page2 = gbtest::pdfPageImage(pdf, 2);
    ASSERT_FALSE(page1.isNull());
    EXPECT_LT(page1.width(), page1.height());
    for (int i = 0; i < 4; ++i)
        EXPECT_GT(countNear(page1, colours[i]), 120 * 90 / 2) << i;
    EXPECT_EQ(countNear(page1, colours[4]), 0);
    EXPECT_GT(countNear(page2, colours[4]), 120 * 90 / 2);
    EXPECT_EQ(countNear(page2, colours[0]), 0);
}

TEST_F(PrintWizardTest, PreviewInLandscapeFromThePageSetup)
{
    gb::PrintWin win(nullptr, {files[0]});
    win.pageSetupWin()->landscapeButton()->click();
    win.layoutWin()->appendPageNo()->setChecked(false);
    win.previewButton()->click();
    ASSERT_EQ(host.requests.size(), 1u);
    EXPECT_TRUE(host.requests.at(0).preview);
    const QImage page = gbtest::pdfPageImage(pdf, 1);
    ASSERT_FALSE(page.isNull());
    EXPECT_GT(page.width(), page.height());
    EXPECT_FALSE(gbtest::pdfText(pdf, 1).contains("Page:"));
    EXPECT_GT(countNear(page, colours[0]), 120 * 90 / 2);
}

TEST_F(PrintWizardTest, SettingsAreSavedAndLoadedAsPrintSettings)
{
    gb::PrintWin win(nullptr);
    win.layoutWin()->thumbCol()->setNumber(3);
    win.pageSetupWin()->leftMargin()->setNumber(55);
    gbtest::saveNewAs(win, "Three across");
    const QString key = win.currentRecordKey();
    EXPECT_EQ(db.getAllPrintDesc(), gb::DescKeyPairs({{"Three across", key}}));

    gb::PrintWin other(nullptr, files);
    gbtest::loadByDescription(other, "Three across");
    EXPECT_EQ(other.layoutWin()->thumbCol()->edit()->text(), "3");
    EXPECT_EQ(other.pageSetupWin()->leftMargin()->edit()->text(), "55");
    EXPECT_EQ(other.sourceWin()->selectedFiles(), files);
    other.pageSetupWin()->landscapeButton()->click();
    other.saveButton()->click();
    EXPECT_FALSE(gb::HPrGallery(nullptr, db.getInfo(key)).portrait());
}

// A saved record that comes back from a damaged database with numbers no page can set: Print
// and Preview refuse it in the error log, naming each setting, and print nothing.
TEST_F(PrintWizardTest, DamagedSettingsAreRefusedBeforePrinting)
{
    gb::ValueArray record = gb::HPrGallery().data();
    record[1 - 1] = gb::Value(1e300); // thumbnail width
    record[16 - 1] = gb::Value(-1);   // left margin
    QString key;
    ASSERT_TRUE(db.appendNewPrin("Damaged", record, key));
    gb::PrintWin win(nullptr, files);
    gbtest::loadByDescription(win, "Damaged");
    win.printButton()->click();
    win.previewButton()->click();
    const QStringList problems{"[Page Layout] Thumbnail width must be between 1 and 9999",
                               "[Page Setup] Left margin must be between 0 and 999"};
    EXPECT_EQ(ui.errorLogs, (std::vector<QStringList>{problems, problems}));
    EXPECT_TRUE(host.requests.empty());
}

// Abort pressed in the progress window of a printout while the first page's pictures are made
// ends the run after that page: the printout is not kept, and nothing but the question of the
// Abort is asked.
TEST_F(PrintWizardTest, AbortInTheProgressWindowLeavesNoPrintout)
{
    gbtest::ProgressWinUi user;
    user.abortWhen([this](const gb::BatchProgressWin &w) { return w.currentFile()->text() == files[1]; });
    gb::PrintWin win(nullptr, files);
    win.layoutWin()->thumbCol()->setNumber(2);
    win.layoutWin()->thumbHeight()->setNumber(400);
    win.printButton()->click();
    EXPECT_TRUE(user.pressed);
    ASSERT_EQ(host.requests.size(), 1u);
    EXPECT_EQ(host.requests[0].pages, 1);
    EXPECT_FALSE(host.requests[0].ran);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(user.boxTexts(), QStringList{"Abort procedure ?"});
    EXPECT_TRUE(win.printButton()->isEnabled());
    gb::glAbortBatch = false;
}
