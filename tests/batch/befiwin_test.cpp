// The final images page on real widgets: the job's settings into the controls and back,
// the enabling of the name fields and the quality field with its slider.

#include "batch/befiwin.h"
#include "batch/bejob.h"

#include "support/scriptedui.h"
#include "support/testutil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

using namespace gb;

namespace {

struct Page {
    QWidget frame;
    BeFiWin *page = new BeFiWin(&frame, 113);
    BeJob job{&frame};
    Be &be = job.be();
};

QStringList entries(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

} // namespace

TEST(FinalPage, ShowsTheJobAndWritesEveryControlBack)
{
    gbtest::ScriptedUi ui;
    Page p;
    p.be.setFinalFormat(0);
    p.be.setFinalFormatRo(4);
    p.be.setFinalFolder("  /out/ ");
    p.be.setNaming(3);
    p.be.setStdName("_x");
    p.be.setStdSuffix("sfx");
    p.be.setStdPrefix("pre");
    p.be.setJpgQuality(55);
    p.be.setJpgProg(false);
    p.be.setOverwrite(2);
    p.be.setEnumStart(7);
    p.be.setEnumLength(3);
    p.page->connect2Source(&p.job);

    BeFiWin &page = *p.page;
    EXPECT_EQ(page.formatType()->currentText(), "same as original");
    EXPECT_EQ(page.roFormatType()->currentData().toInt(), 4);
    EXPECT_EQ(page.folder()->text(), "  /out/ ");
    EXPECT_TRUE(page.appendSuffix()->isChecked());
    // Only the suffix field is enabled; the others keep their texts.
    EXPECT_TRUE(page.suffix()->isEnabled());
    EXPECT_FALSE(page.appendName()->isEnabled());
    EXPECT_FALSE(page.prefix()->isEnabled());
    EXPECT_EQ(page.appendName()->text(), "_x");
    EXPECT_EQ(page.prefix()->text(), "pre");
    EXPECT_EQ(page.jpgQuality()->text(), "55");
    EXPECT_EQ(page.qualitySl()->value(), 55);
    EXPECT_FALSE(page.progressive()->isChecked());
    EXPECT_TRUE(page.overNever()->isChecked());
    EXPECT_EQ(page.autoNumericStart()->text(), "7");
    EXPECT_EQ(page.autoNumericPad()->text(), "3");

    // The user changes everything; nothing reaches the job before updateObject().
    page.formatType()->setCurrentIndex(page.formatType()->findData(6));
    page.roFormatType()->setCurrentIndex(page.roFormatType()->findData(1));
    page.folder()->setText(" /elsewhere ");
    page.appendPrefix()->click();
    EXPECT_TRUE(page.prefix()->isEnabled());
    EXPECT_FALSE(page.suffix()->isEnabled());
    page.prefix()->setText("p-");
    page.progressive()->click();
    page.overAlways()->click();
    page.autoNumericStart()->setText("12");
    page.autoNumericPad()->setText("");
    page.qualitySl()->setValue(37);
    EXPECT_EQ(page.jpgQuality()->text(), "37");
    EXPECT_EQ(p.be.naming(), 3);

    page.updateObject();
    EXPECT_EQ(p.be.finalFormat(), 6);
    EXPECT_EQ(p.be.finalFormatRo(), 1);
    EXPECT_EQ(p.be.finalFolder(), " /elsewhere ");
    EXPECT_EQ(p.be.naming(), 4);
    EXPECT_EQ(p.be.stdPrefix(), "p-");
    EXPECT_EQ(p.be.stdSuffix(), "sfx");
    EXPECT_EQ(p.be.jpgQuality(), 37);
    EXPECT_TRUE(p.be.jpgProg());
    EXPECT_EQ(p.be.overwrite(), 1);
    EXPECT_EQ(p.be.enumStart(), 12);
    EXPECT_EQ(p.be.enumLength(), 0);
}

TEST(FinalPage, CodesNoButtonCarriesLeaveTheSettingAlone)
{
    gbtest::ScriptedUi ui;
    Page p;
    p.be.setNaming(9);
    p.be.setOverwrite(0);
    p.page->connect2Source(&p.job);
    for (QRadioButton *b : {p.page->same(), p.page->append(), p.page->appendSuffix(), p.page->appendPrefix(),
                            p.page->overAlways(), p.page->overNever(), p.page->overAsk()})
        EXPECT_FALSE(b->isChecked()) << b->objectName().toStdString();
    p.page->updateObject();
    EXPECT_EQ(p.be.naming(), 9);
    EXPECT_EQ(p.be.overwrite(), 0);

    // A later binding ticks the right button again.
    p.be.setNaming(2);
    p.page->connect2Source(&p.job);
    EXPECT_TRUE(p.page->append()->isChecked());
    EXPECT_TRUE(p.page->appendName()->isEnabled());
}

TEST(FinalPage, QualityFieldAndSliderStayEqual)
{
    gbtest::ScriptedUi ui;
    Page p;
    p.page->connect2Source(&p.job);
    QLineEdit *quality = p.page->jpgQuality();
    quality->clear();
    QTest::keyClicks(quality, "250");
    EXPECT_EQ(quality->text(), "100");
    EXPECT_EQ(p.page->qualitySl()->value(), 100);
    quality->clear();
    EXPECT_EQ(quality->text(), "");
    EXPECT_EQ(p.page->qualitySl()->value(), 1);
    p.page->updateObject();
    EXPECT_EQ(p.be.jpgQuality(), 0);
    QTest::keyClicks(quality, "4x2");
    EXPECT_EQ(quality->text(), "42");
    EXPECT_EQ(p.page->qualitySl()->value(), 42);
}

TEST(FinalPage, FormatListsAndBrowse)
{
    gbtest::ScriptedUi ui;
    Page p;
    EXPECT_FALSE(entries(p.page->roFormatType()).contains("same as original"));
    EXPECT_EQ(entries(p.page->roFormatType()).size(), 9);
    EXPECT_EQ(entries(p.page->formatType()).size(), 10);
    EXPECT_EQ(p.page->formatType()->itemData(p.page->formatType()->findText("same as original")).toInt(), 0);

    const QString dir = gbtest::makeTempDir();
    ui.folderAnswers = {dir, QString()};
    p.page->browseButton()->click();
    EXPECT_EQ(ui.dialogs.at(0).caption, "Select where the final images will be saved");
    EXPECT_EQ(p.page->folder()->text(), dir + "/");
    p.page->browseButton()->click();
    EXPECT_EQ(p.page->folder()->text(), dir + "/");
}
