#include "actions/selectfontwin.h"
#include "common/dialogcontrols.h"
#include "sheets/comfiwin.h"
#include "sheets/comlwin.h"
#include "sheets/compositejob.h"
#include "sheets/printgalleryjob.h"
#include "sheets/pagesetupwin.h"
#include "sheets/printlayoutwin.h"
#include "support/scriptedui.h"
#include "support/testutil.h"
#include "support/wizardsteps.h"

#include <gtest/gtest.h>

#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

using gb::InfoListEditor;

namespace {

using gbtest::rows;
using gbtest::selectedRow;

void pick(QListWidget *list, int row)
{
    list->setCurrentRow(row - 1);
}

} // namespace

TEST(LayoutPages, NumberEditsAndSpinnersKeepInStepAndTheJobTakesTheEdit)
{
    gb::CompositeJob wizardJob(nullptr);
    gb::HComposite &job = wizardJob.composite();
    gb::ComLWin page(nullptr, 114);
    page.connect2Source(&wizardJob);
    EXPECT_EQ(page.thumbWidth()->edit()->text(), "100");
    EXPECT_EQ(page.thumbWidth()->partner()->value(), 100);
    EXPECT_EQ(page.borderSize()->edit()->text(), "1");
    EXPECT_EQ(page.borderSize()->partner()->value(), 1);

    // Typing moves the spinner; spinning rewrites the edit, up to 999 in a two-digit edit.
    page.thumbHeight()->edit()->clear();
    QTest::keyClicks(page.thumbHeight()->edit(), "250");
    EXPECT_EQ(page.thumbHeight()->partner()->value(), 250);
    page.horSpacing()->partner()->setValue(999);
    EXPECT_EQ(page.horSpacing()->edit()->text(), "999");
    EXPECT_EQ(page.horSpacing()->partner()->maximum(), 999);
    EXPECT_EQ(page.thumbWidth()->partner()->minimum(), 1);
    EXPECT_EQ(page.thumbWidth()->partner()->maximum(), 9999);

    // The job receives the edits' numbers: an emptied one stores 0, the title is trimmed.
    page.verSpacing()->edit()->clear();
    page.title()->setText("  Holiday  ");
    page.appendPageNo()->setChecked(false);
    page.updateObject();
    EXPECT_EQ(job.thumbHeight(), 250);
    EXPECT_EQ(job.horSpacing(), 999);
    EXPECT_EQ(job.verSpacing(), 0);
    EXPECT_EQ(job.title(), "Holiday");
    EXPECT_FALSE(job.appendPageNo());
}

TEST(LayoutPages, InformationListEditsTheJobsOwnList)
{
    gbtest::ScriptedUi ui;
    gb::CompositeJob wizardJob(nullptr);
    gb::HComposite &job = wizardJob.composite();
    gb::ComLWin page(nullptr, 114);
    page.connect2Source(&wizardJob);
    InfoListEditor *info = page.infoList();
    EXPECT_EQ(rows(info->availLb()), QStringList({"Image File Name", "Size in kb", "Size in bytes", "Width x Height",
                                                  "Image Width", "Image Height", "Image Name with extension",
                                                  "Current Date", "Current Time"}));
    EXPECT_EQ(rows(info->selLb()), QStringList({"Image File Name", "Size in kb", "Width x Height"}));

    // Nothing selected: one box per button, nothing changed.
    info->selectButton()->click();
    info->deselectButton()->click();
    info->moveUpButton()->click();
    info->moveDownButton()->click();
    EXPECT_EQ(ui.boxTexts(), QStringList({"Select information to include", "Select information to remove",
                                          "Select information to move up", "Select information to move down"}));
    EXPECT_EQ(ui.boxes.at(0).caption, "Info");

    // An item already chosen is not added again; a new one goes to the end.
    pick(info->availLb(), 2);
    info->selectButton()->click();
    pick(info->availLb(), 9);
    info->selectButton()->click();
    EXPECT_EQ(job.info(), std::vector<int>({1, 2, 4, 8}));
    EXPECT_EQ(ui.boxes.size(), 4u);

    // Moves keep the moved item selected; the ends do nothing.
    pick(info->selLb(), 1);
    info->moveUpButton()->click();
    EXPECT_EQ(job.info(), std::vector<int>({1, 2, 4, 8}));
    pick(info->selLb(), 4);
    info->moveDownButton()->click();
    EXPECT_EQ(job.info(), std::vector<int>({1, 2, 4, 8}));
    info->moveUpButton()->click();
    EXPECT_EQ(job.info(), std::vector<int>({1, 2, 8, 4}));
    EXPECT_EQ(selectedRow(info->selLb()), 3);

    // Removing item n selects n - 1; removing the first selects nothing.
    pick(info->selLb(), 2);
    info->deselectButton()->click();
    EXPECT_EQ(job.info(), std::vector<int>({1, 8, 4}));
    EXPECT_EQ(selectedRow(info->selLb()), 1);
    info->deselectButton()->click();
    EXPECT_EQ(job.info(), std::vector<int>({8, 4}));
    EXPECT_EQ(selectedRow(info->selLb()), 0);
    EXPECT_EQ(ui.boxes.size(), 4u);

    // Stored lists may name the title and the comments, which the available list lacks.
    job.setInfo({10, 11, 1});
    page.connect2Source(&wizardJob);
    EXPECT_EQ(rows(info->selLb()), QStringList({"Title", "Comments", "Image File Name"}));
    pick(info->selLb(), 3);
    info->moveUpButton()->click();
    EXPECT_EQ(job.info(), std::vector<int>({10, 1, 11}));
}

TEST(LayoutPages, ColourButtonsWriteTheJobAtOnce)
{
    gbtest::ScriptedUi ui;
    gb::CompositeJob wizardJob(nullptr);
    gb::HComposite &job = wizardJob.composite();
    gb::ComLWin page(nullptr, 114);
    page.connect2Source(&wizardJob);
    ui.colorAnswers = {0x123456, std::nullopt};
    page.thumbPatern()->button()->click();
    EXPECT_EQ(job.thumbColor(), 0x123456u);
    EXPECT_EQ(page.thumbPatern()->color(), 0x123456u);
    page.backPatern()->button()->click(); // cancelled
    EXPECT_EQ(job.backColor(), 0xFFFFFFu);
    ASSERT_EQ(ui.dialogs.size(), 2u);
    EXPECT_EQ(ui.dialogs.at(1).start, QString::number(0xFFFFFF));
}

TEST(LayoutPages, FontButtonsReplaceTheFontOnlyWhenConfirmed)
{
    gb::PrintGalleryJob wizardJob(nullptr);
    gb::HPrGallery &job = wizardJob.print();
    gb::PrintLayoutWin page(nullptr, 114);
    page.connect2Source(&wizardJob);
    const gb::FontData before = job.titleFont();
    QString caption;
    QTimer::singleShot(0, [&caption] {
        auto *win = qobject_cast<gb::SelectFontWin *>(QApplication::activeModalWidget());
        ASSERT_NE(win, nullptr);
        caption = win->windowTitle();
        win->underlineBox()->setChecked(!win->underlineBox()->isChecked());
        win->okButton()->click();
    });
    page.pagesTitleFontButton()->click();
    EXPECT_EQ(caption, "Title Font");
    EXPECT_NE(job.titleFont().underline, before.underline);

    const gb::FontData info = job.imageInfoFont();
    QTimer::singleShot(0, [&caption] {
        auto *win = qobject_cast<gb::SelectFontWin *>(QApplication::activeModalWidget());
        ASSERT_NE(win, nullptr);
        caption = win->windowTitle();
        win->underlineBox()->setChecked(!win->underlineBox()->isChecked());
        win->cancelButton()->click();
    });
    page.infoFontButton()->click();
    EXPECT_EQ(caption, "Image Information Font");
    EXPECT_EQ(job.imageInfoFont().underline, info.underline);
}

TEST(LayoutPages, PrintLayoutKeepsTheTitleAsTypedAndBindsItsOwnSlots)
{
    gb::PrintGalleryJob wizardJob(nullptr);
    gb::HPrGallery &job = wizardJob.print();
    gb::PrintLayoutWin page(nullptr, 114);
    page.connect2Source(&wizardJob);
    EXPECT_EQ(page.thumbCol()->edit()->text(), "4");
    EXPECT_EQ(page.thumbCol()->partner()->minimum(), 1);
    EXPECT_EQ(page.thumbCol()->partner()->maximum(), 99);
    EXPECT_TRUE(page.drawImageRect()->isChecked());
    EXPECT_EQ(page.drawImageRect()->text(), "Draw border around each image");
    EXPECT_EQ(page.appendPageNo()->text(), "Print page number");

    pick(page.infoList()->selLb(), 3);
    page.infoList()->moveUpButton()->click();
    EXPECT_EQ(job.imageInfo(), std::vector<int>({1, 4, 2}));

    page.title()->setText("  Gallery ");
    page.drawImageRect()->setChecked(false);
    page.thumbCol()->edit()->clear();
    page.updateObject();
    EXPECT_EQ(job.title(), "  Gallery ");
    EXPECT_FALSE(job.drawBorder());
    EXPECT_EQ(job.thumbPerCol(), 0);
}

TEST(LayoutPages, PageSetupShowsTheLogoAndStoresOrientationAndMargins)
{
    gb::PrintGalleryJob wizardJob(nullptr);
    gb::HPrGallery &job = wizardJob.print();
    job.setLogo("ACME Photo");
    job.setPortrait(false);
    job.setTopMargin(120);
    gb::PageSetupWin page(nullptr, 114);
    page.connect2Source(&wizardJob);
    EXPECT_EQ(page.companyLogo()->text(), "ACME Photo");
    EXPECT_FALSE(page.companyLogo()->isEnabled());
    EXPECT_TRUE(page.landscapeButton()->isChecked());
    EXPECT_EQ(page.topMargin()->partner()->value(), 120);

    page.leftMargin()->partner()->setValue(999);
    EXPECT_EQ(page.leftMargin()->edit()->text(), "999");
    page.bottomMargin()->edit()->clear();
    QTest::keyClicks(page.bottomMargin()->edit(), "1234");
    EXPECT_EQ(page.bottomMargin()->edit()->text(), "123");
    EXPECT_EQ(page.bottomMargin()->partner()->value(), 123);
    page.rightMargin()->edit()->clear();
    page.updateObject();
    EXPECT_FALSE(job.portrait());
    EXPECT_EQ(job.leftMargin(), 999);
    EXPECT_EQ(job.rightMargin(), 0);
    EXPECT_EQ(job.topMargin(), 120);
    EXPECT_EQ(job.bottomMargin(), 123);
    EXPECT_EQ(job.logo(), "ACME Photo");
}

TEST(SizePage, PresetsAndCustomSize)
{
    gb::CompositeJob wizardJob(nullptr);
    gb::HComposite &job = wizardJob.composite();
    job.setImageSize(4);
    job.setImageWidth(1200);
    gb::ComFiWin page(nullptr, 114);
    page.connect2Source(&wizardJob);
    EXPECT_TRUE(page.custom()->isChecked());
    EXPECT_TRUE(page.finalWidth()->isEnabled());
    page.size800()->click();
    EXPECT_FALSE(page.finalWidth()->isEnabled());
    EXPECT_FALSE(page.finalHeight()->isEnabled());
    EXPECT_EQ(page.finalWidth()->text(), "1200");
    page.updateObject();
    EXPECT_EQ(job.imageSize(), 2);
    EXPECT_EQ(job.imageWidth(), 1200);

    page.custom()->click();
    page.finalHeight()->clear();
    page.updateObject();
    EXPECT_EQ(job.imageSize(), 0);
    EXPECT_EQ(job.imageHeight(), 0);
}

// A stored size longer than the edit's four digits is shown whole and stored back unchanged,
// for validation to refuse, rather than cut to four digits and passed on unnoticed.
TEST(SizePage, ALongerStoredSizeReachesValidationWhole)
{
    gbtest::ScriptedUi ui;
    gb::CompositeJob wizardJob(nullptr);
    gb::HComposite &job = wizardJob.composite();
    job.setImageSize(0);
    job.setImageWidth(2147483647);
    gb::ComFiWin page(nullptr, 114);
    page.connect2Source(&wizardJob);
    EXPECT_EQ(page.finalWidth()->text(), "2147483647");
    page.updateObject();
    EXPECT_EQ(job.imageWidth(), 2147483647);
    EXPECT_TRUE(job.validate().contains("[General] Composite image width must be between 1 and 9999"));
}

TEST(SizePage, QualityTypeFolderAndOverwrite)
{
    gbtest::ScriptedUi ui;
    gb::CompositeJob wizardJob(nullptr);
    gb::HComposite &job = wizardJob.composite();
    job.setOverwrite(7);
    gb::ComFiWin page(nullptr, 114);
    page.connect2Source(&wizardJob);
    EXPECT_EQ(page.imageType()->itemText(0), ".bmp: Windows Bitmap");
    EXPECT_EQ(page.imageType()->itemText(page.imageType()->count() - 1), ".wmf: Windows Metafile");
    EXPECT_EQ(page.imageType()->currentText(), ".jpg: JPEG Compressed");
    EXPECT_TRUE(page.overAlways()->isChecked());

    gb::NumberPair *quality = page.jpgQuality();
    quality->edit()->clear();
    QTest::keyClicks(quality->edit(), "150");
    EXPECT_EQ(quality->edit()->text(), "100");
    EXPECT_EQ(quality->partner()->value(), 100);
    quality->edit()->clear();
    QTest::keyClicks(quality->edit(), "0");
    EXPECT_EQ(quality->partner()->value(), 1);
    page.updateObject();
    EXPECT_EQ(job.jpgQuality(), 0);
    quality->partner()->setValue(42);
    EXPECT_EQ(quality->edit()->text(), "42");

    ui.folderAnswers = {gbtest::makeTempDir()};
    page.browseFolderButton()->click();
    EXPECT_TRUE(page.finalFolder()->text().endsWith('/'));
    EXPECT_EQ(ui.dialogs.at(0).caption, "Select folder to place composite images");
    page.browseFolderButton()->click(); // cancelled
    EXPECT_TRUE(page.finalFolder()->text().endsWith('/'));

    page.finalName()->setText("  sheet ");
    page.imageType()->setCurrentIndex(page.imageType()->findText(".png: PiNG"));
    page.progressive()->setChecked(false);
    page.updateObject();
    EXPECT_EQ(job.overwrite(), 1);
    EXPECT_EQ(job.saveAs(), 4);
    EXPECT_EQ(job.prefix(), "sheet");
    EXPECT_EQ(job.jpgQuality(), 42);
    EXPECT_FALSE(job.jpgProgressive());
    EXPECT_EQ(job.folder(), page.finalFolder()->text());
}
