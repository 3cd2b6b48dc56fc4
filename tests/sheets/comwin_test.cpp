#include "common/dialogcontrols.h"
#include "common/imagsysserver.h"
#include "image/imageload.h"
#include "sheets/comfiwin.h"
#include "sheets/comlwin.h"
#include "sheets/compositejob.h"
#include "sheets/compositelayout.h"
#include "sheets/comwin.h"
#include "sheets/printfixture.h"
#include "sheets/progresswinui.h"
#include "support/wizardsteps.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace {

struct ComposerTest : ::testing::Test {
    gb::ImagSysServer db{gbtest::makeTempDir()};
    gbtest::ScriptedUi ui;
    QString src = gbtest::makeTempDir();
    QString out = gbtest::makeTempDir();
    QStringList files;

    void SetUp() override
    {
        gb::setGoSysServer(&db);
        files << gbtest::writeImage(src + "/red.png", 200, 100, 0xFF0000)
              << gbtest::writeImage(src + "/green.png", 100, 200, 0x00FF00)
              << gbtest::writeImage(src + "/blue.png", 80, 80, 0x0000FF);
    }
    void TearDown() override { gb::setGoSysServer(nullptr); }

    // A custom sheet of 400 x 300 in PNG, in the output folder.
    static void setSheet(gb::ComWin &win, const QString &folder)
    {
        gb::ComFiWin &size = *win.sizeWin();
        size.custom()->click();
        size.finalWidth()->setText("400");
        size.finalHeight()->setText("300");
        size.imageType()->setCurrentIndex(size.imageType()->findText(".png: PiNG"));
        size.finalFolder()->setText(folder);
    }
};

} // namespace

TEST_F(ComposerTest, DoItNeedsFilesAndAFolder)
{
    gb::ComWin empty(nullptr);
    EXPECT_EQ(empty.windowTitle(), "Generate Contact Sheets");
    EXPECT_TRUE(empty.sourceWin()->selectedFiles().isEmpty());
    empty.doItButton()->click();
    EXPECT_EQ(ui.boxTexts(), QStringList({"Select at least one image for processing..."}));
    EXPECT_EQ(ui.boxes.at(0).caption, "Warning");

    gb::ComWin win(nullptr, files);
    EXPECT_EQ(win.sourceWin()->selectedFiles(), files);
    win.sizeWin()->finalFolder()->setText("  ");
    win.doItButton()->click();
    ASSERT_EQ(ui.errorLogs.size(), 1u);
    EXPECT_EQ(ui.errorLogs.at(0), QStringList({"[General] Define a folder to place generated composite images"}));
    EXPECT_TRUE(QDir(out).entryList(QDir::Files).isEmpty());
}

TEST_F(ComposerTest, RunMakesTheSheetFromThePagesSettings)
{
    gb::ComWin win(nullptr, files);
    setSheet(win, out);
    gb::ComLWin &layout = *win.layoutWin();
    layout.thumbWidth()->setNumber(100);
    layout.thumbHeight()->setNumber(100);
    layout.horSpacing()->setNumber(10);
    layout.verSpacing()->setNumber(10);
    layout.borderSize()->setNumber(3);
    ui.colorAnswers = {0x808080}; // grey background, as a colour number
    layout.backPatern()->button()->click();
    // No information lines and no title (nor page number): the cells are the whole grid.
    layout.appendPageNo()->setChecked(false);
    while (layout.infoList()->selLb()->count() > 0) {
        layout.infoList()->selLb()->setCurrentRow(0);
        layout.infoList()->deselectButton()->click();
    }
    win.doItButton()->click();
    ASSERT_TRUE(ui.errorLogs.empty());
    ASSERT_FALSE(ui.boxes.empty());
    EXPECT_TRUE(ui.boxes.back().text.startsWith("Procedure completed."));

    const QString sheetPath = out + "/CSheet1.png";
    QImage sheet(sheetPath);
    ASSERT_FALSE(sheet.isNull());
    EXPECT_EQ(sheet.size(), QSize(400, 300));
    gb::HComposite &job = win.compositeJob()->composite();
    const gb::CompositeLayout l = gb::CompositeLayout::compute(job, 3, 0, 0);
    ASSERT_GE(l.columns, 3);
    EXPECT_EQ(sheet.pixel(0, 0), qRgb(128, 128, 128));
    const QRgb expected[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    for (int c = 0; c < 3; ++c) {
        SCOPED_TRACE(c);
        const int x = l.x0 + c * l.pitchW, y = l.y0;
        EXPECT_EQ(sheet.pixel(x + 50, y + 50), expected[c]);
        EXPECT_EQ(sheet.pixel(x + 1, y + 1), qRgb(0, 0, 0)); // the frame
    }
    // The blue picture is smaller than its box: the thumbnail colour shows around it.
    const int blueX = l.x0 + 2 * l.pitchW;
    EXPECT_EQ(sheet.pixel(blueX + 5, l.y0 + 5), qRgb(255, 255, 192));
}

TEST_F(ComposerTest, RefusesASheetThatWouldReplaceASource)
{
    files << gbtest::writeImage(src + "/CSheet1.png", 50, 50, 0xFFFFFF);
    const QByteArray before = gbtest::readFile(files.last());
    gb::ComWin win(nullptr, files);
    setSheet(win, src);
    win.doItButton()->click();
    ASSERT_FALSE(ui.boxes.empty());
    EXPECT_EQ(ui.boxes.at(0).caption, "Error");
    EXPECT_TRUE(ui.boxes.at(0).text.contains("CSheet1.png"));
    EXPECT_EQ(gbtest::readFile(files.last()), before);
    EXPECT_EQ(QDir(src).entryList(QDir::Files).size(), 4);
}

TEST_F(ComposerTest, SettingsAreSavedAndLoadedAsContactSheetSettings)
{
    gb::ComWin win(nullptr);
    win.layoutWin()->thumbWidth()->setNumber(77);
    win.sizeWin()->finalName()->setText("proof");
    gbtest::saveNewAs(win, "Proof sheets");
    const QString key = win.currentRecordKey();
    EXPECT_EQ(db.getAllCompDesc(), gb::DescKeyPairs({{"Proof sheets", key}}));
    EXPECT_EQ(db.getInfo(key).size(), size_t(gb::HComposite::kSlots));

    gb::ComWin other(nullptr, files);
    gbtest::loadByDescription(other, "Proof sheets");
    EXPECT_EQ(other.curSettings()->text(), "Proof sheets");
    EXPECT_EQ(other.layoutWin()->thumbWidth()->edit()->text(), "77");
    EXPECT_EQ(other.sizeWin()->finalName()->text(), "proof");
    EXPECT_EQ(other.sourceWin()->selectedFiles(), files);

    // Save after Load writes into the loaded record.
    other.layoutWin()->thumbWidth()->setNumber(88);
    other.saveButton()->click();
    EXPECT_EQ(gb::HComposite(nullptr, db.getInfo(key)).thumbWidth(), 88);
    EXPECT_EQ(db.getAllCompDesc().size(), 1u);
}

TEST_F(ComposerTest, ADamagedRecordLoadsAsTheDefaultsWhereItSaysNothingUsable)
{
    QString key;
    db.appendNewComp("damaged", {gb::Value("640"), gb::Value(gb::ValueArray{}), gb::Value(-5)}, key);
    gb::ComWin win(nullptr);
    gbtest::loadByDescription(win, "damaged");
    EXPECT_EQ(win.curSettings()->text(), "damaged");
    EXPECT_TRUE(win.sizeWin()->size640()->isChecked()); // a text in a number slot reads as the default
    EXPECT_EQ(win.sizeWin()->finalHeight()->text(), "-5");
    EXPECT_EQ(win.layoutWin()->thumbWidth()->edit()->text(), "100");
    EXPECT_EQ(win.layoutWin()->infoList()->selLb()->count(), 3);
    win.saveButton()->click();
    EXPECT_EQ(db.getInfo(key).size(), size_t(gb::HComposite::kSlots));
}

// Abort pressed in the progress window while the sheet is encoded and written (the window
// serves events meanwhile) ends the run without it: no file is left, and nothing but the
// question of the Abort is asked.
TEST_F(ComposerTest, AbortWhileTheSheetIsSavedLeavesNoFile)
{
    gbtest::ProgressWinUi user;
    user.abortWhen([](const gb::BatchProgressWin &w) { return w.currentActionLabel()->text() == "Saving ..."; });
    gb::ComWin win(nullptr, files);
    setSheet(win, out);
    win.doItButton()->click();
    EXPECT_TRUE(user.pressed);
    EXPECT_FALSE(win.running());
    EXPECT_TRUE(QDir(out).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_EQ(user.boxTexts(), QStringList{"Abort procedure ?"});
    gb::glAbortBatch = false;
}
