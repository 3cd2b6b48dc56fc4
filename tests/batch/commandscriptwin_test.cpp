// The command script page on real widgets: building the script, the details box, trying
// the script on the sample, and the binding to a job's script setting.

#include "batch/batchaction.h"
#include "batch/bejob.h"
#include "batch/beprocessingwin.h"
#include "batch/commandinfo.h"
#include "batch/commandscriptwin.h"
#include "image/imagesave.h"
#include "image/previewft.h"

#include "support/scriptedui.h"
#include "support/testutil.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

#include <gtest/gtest.h>

using namespace gb;

namespace {

// A job with one script setting, as the gallery's pages bind to one of several.
class ScriptJob : public WizardJob
{
public:
    ValueArray script;
    Value aData() const override { return Value(script); }
    void setAData(const Value &data) override { script = data.array(); }
    bool validate() override { return true; }
    void run(const QStringList &) override {}
};

ScriptBinding scriptOf()
{
    return {[](WizardJob *j) { return wizardJobCast<ScriptJob>(j)->script; },
            [](WizardJob *j, const ValueArray &s) { wizardJobCast<ScriptJob>(j)->script = s; }};
}

void add(CommandScriptWin &page, const QString &name)
{
    const auto found = page.availCommandsLb()->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    page.availCommandsLb()->setCurrentItem(found[0]);
    page.button("PBADDCOMMAND")->click();
}

QStringList names(const CommandScriptWin &page)
{
    QStringList texts;
    for (int i = 0; i < page.commandsLb()->count(); ++i)
        texts << page.commandsLb()->item(i)->text();
    return texts;
}

// A 3 x 1 sample: red, green, blue from left to right.
QString stripe(const QString &path)
{
    RgbImage img = RgbImage::filled(3, 1, 0, 0, 0);
    img.data()[0] = 255;
    img.data()[4] = 255;
    img.data()[8] = 255;
    EXPECT_TRUE(saveRgb2File(img, path, 0, 100, false, 0.0, 256));
    return path;
}

std::vector<uint8_t> pixels(const RgbImage &img)
{
    return std::vector<uint8_t>(img.data(), img.data() + size_t(img.width()) * img.height() * 3);
}

struct Page {
    QWidget frame;
    CommandScriptWin *page = new CommandScriptWin(&frame, 114, scriptOf());
    ScriptJob job;
    Page() { page->connect2Source(&job); }
};

} // namespace

TEST(ScriptPage, ListsTheActionsByName)
{
    gbtest::ScriptedUi ui;
    Page p;
    QListWidget *avail = p.page->availCommandsLb();
    ASSERT_EQ(avail->count(), int(getActions().size()));
    for (int i = 1; i < avail->count(); ++i)
        EXPECT_LT(avail->item(i - 1)->text().compare(avail->item(i)->text(), Qt::CaseInsensitive), 0);
    EXPECT_EQ(avail->findItems("Resize", Qt::MatchExactly)[0]->data(Qt::UserRole).toInt(), int(ActionResize));
}

TEST(ScriptPage, AddEditRemoveAndMoveWithTheirMessages)
{
    gbtest::ScriptedUi ui;
    Page p;
    CommandScriptWin &page = *p.page;
    for (const char *name : {"PBADDCOMMAND", "PBEDIT", "PBREMOVE", "PBMOVEUP", "PBMOVEDOWN"})
        page.button(name)->click();
    EXPECT_EQ(ui.boxTexts(), QStringList({"Select a command to add to script", "Select a command to edit",
                                          "Select a command to remove", "Select a command to move up",
                                          "Select a command to move down"}));
    EXPECT_TRUE(page.script().empty());

    add(page, "Flip");
    page.commandsLb()->setCurrentRow(0);
    EXPECT_TRUE(page.details()->toPlainText().startsWith("Action: Flip"));
    // Adding keeps the selected entry selected and its details shown.
    add(page, "Mirror");
    add(page, "Invert Colors");
    EXPECT_EQ(names(page), QStringList({"Flip", "Mirror", "Invert Colors"}));
    EXPECT_EQ(page.commandsLb()->currentRow(), 0);
    EXPECT_TRUE(page.details()->toPlainText().startsWith("Action: Flip"));

    // An action without parameters has nothing to edit.
    ui.boxes.clear();
    page.button("PBEDIT")->click();
    EXPECT_EQ(ui.boxTexts(), QStringList({"This command has no additional details"}));
    EXPECT_EQ(names(page), QStringList({"Flip", "Mirror", "Invert Colors"}));

    // Moves: the ends do nothing and say nothing.
    ui.boxes.clear();
    page.button("PBMOVEUP")->click();
    page.commandsLb()->setCurrentRow(2);
    page.button("PBMOVEDOWN")->click();
    EXPECT_TRUE(ui.boxes.empty());
    page.button("PBMOVEUP")->click();
    EXPECT_EQ(names(page), QStringList({"Flip", "Invert Colors", "Mirror"}));
    EXPECT_EQ(page.commandsLb()->currentRow(), 1);
    EXPECT_TRUE(page.details()->toPlainText().startsWith("Action: Invert Colors"));
    page.commandsLb()->setCurrentRow(0);
    page.button("PBMOVEDOWN")->click();
    EXPECT_EQ(names(page), QStringList({"Invert Colors", "Flip", "Mirror"}));
    EXPECT_EQ(page.commandsLb()->currentRow(), 1);
    EXPECT_EQ(page.script()[1].id(), int(ActionFlip));

    // Remove asks; No keeps the step, Yes removes it and selects the same place or the last.
    ui.boxAnswers = {UiSeam::ResultNo};
    page.button("PBREMOVE")->click();
    EXPECT_EQ(ui.boxTexts().last(), "Selected command will be removed from the script");
    EXPECT_EQ(page.script().size(), 3u);
    ui.boxAnswers = {UiSeam::ResultYes, UiSeam::ResultYes, UiSeam::ResultYes};
    page.commandsLb()->setCurrentRow(2);
    page.button("PBREMOVE")->click();
    EXPECT_EQ(names(page), QStringList({"Invert Colors", "Flip"}));
    EXPECT_EQ(page.commandsLb()->currentRow(), 1);
    page.commandsLb()->setCurrentRow(0);
    page.button("PBREMOVE")->click();
    EXPECT_EQ(page.commandsLb()->currentRow(), 0);
    page.button("PBREMOVE")->click();
    EXPECT_TRUE(page.script().empty());
    EXPECT_EQ(page.commandsLb()->currentRow(), -1);
    // The details keep the removed step's text.
    EXPECT_TRUE(page.details()->toPlainText().startsWith("Action: Flip"));
}

TEST(ScriptPage, BindingReadsAndWritesTheJobsScriptOnly)
{
    gbtest::ScriptedUi ui;
    Page p;
    // A stored script with damage: an element that is no command is dropped, a short
    // command takes its name and default parameters.
    p.job.script = {Value("junk"), defaultCommand(ActionMirror).toValue(), Value(ValueArray{Value(int(ActionBlur))})};
    p.page->connect2Source(&p.job);
    EXPECT_EQ(names(*p.page), QStringList({"Mirror", "Blur"}));
    ASSERT_EQ(p.page->script().size(), 2u);
    EXPECT_EQ(p.page->script()[1].intAt(3), defaultCommand(ActionBlur).intAt(3));
    p.page->commandsLb()->setCurrentRow(1);
    EXPECT_EQ(p.page->details()->toPlainText(), getCommandInfo(p.page->script()[1]).replace("\r\n", "\n"));

    add(*p.page, "Invert Red");
    EXPECT_EQ(p.job.script.size(), 3u); // unchanged until stored
    p.page->updateObject();
    ASSERT_EQ(p.job.script.size(), 3u);
    EXPECT_EQ(BatchCommand::fromValue(p.job.script[2])->id(), int(ActionInvertRed));

    // Test Script of a plain script page leaves the job alone.
    add(*p.page, "Flip");
    p.page->button("PBTEST")->click();
    EXPECT_EQ(p.job.script.size(), 3u);
}

TEST(ScriptPage, TestScriptWorksOnTheSampleInMemory)
{
    gbtest::ScriptedUi ui;
    const QString dir = gbtest::makeTempDir();
    const QString sample = stripe(dir + "/stripe.png");
    Page p;
    CommandScriptWin &page = *p.page;

    ui.openAnswers = {{sample}, {}};
    page.button("PBSAMPLE")->click();
    EXPECT_EQ(ui.dialogs.at(0).caption, "Selece an image to be used as sample");
    ASSERT_FALSE(page.sample().isNull());
    const std::vector<uint8_t> original = pixels(page.sample());
    // A small sample is shown at its own size, centred.
    ASSERT_NE(page.previewFt()->image(), nullptr);
    EXPECT_EQ(page.previewFt()->image()->width(), 3);
    EXPECT_EQ(page.previewFt()->left(), (page.previewFt()->width() - 3) / 2);
    page.button("PBSAMPLE")->click(); // cancelled: the same sample
    EXPECT_EQ(page.sampleFile(), sample);

    // An empty script shows the sample unchanged.
    page.button("PBTEST")->click();
    EXPECT_EQ(pixels(page.sample()), original);

    add(page, "Mirror");
    page.button("PBTEST")->click();
    const std::vector<uint8_t> mirrored = pixels(page.sample());
    EXPECT_EQ(mirrored, std::vector<uint8_t>({0, 0, 255, 0, 255, 0, 255, 0, 0}));
    EXPECT_EQ(pixels(*page.previewFt()->image()), mirrored);
    // A second test applies the script again, to the result.
    page.button("PBTEST")->click();
    EXPECT_EQ(pixels(page.sample()), original);
    page.button("PBTEST")->click();
    page.button("PBORIGINAL")->click();
    EXPECT_EQ(pixels(page.sample()), original);
    EXPECT_EQ(pixels(*page.previewFt()->image()), original);

    // A sample that does not load leaves none in memory and the pane as it was.
    gbtest::writeFile(dir + "/broken.jpg", "nope");
    ui.openAnswers = {{dir + "/broken.jpg"}};
    page.button("PBSAMPLE")->click();
    EXPECT_TRUE(page.sample().isNull());
    EXPECT_NE(page.previewFt()->image(), nullptr);
    page.button("PBTEST")->click();
    EXPECT_TRUE(page.sample().isNull());
}

TEST(ScriptPage, LargeSampleIsReducedIntoThePane)
{
    gbtest::ScriptedUi ui;
    const QString dir = gbtest::makeTempDir();
    ASSERT_TRUE(saveRgb2File(RgbImage::filled(800, 400, 9, 9, 9), dir + "/big.png", 0, 90, false, 0.0, 256));
    Page p;
    ASSERT_TRUE(p.page->setSampleFile(dir + "/big.png"));
    const RgbImage *shown = p.page->previewFt()->image();
    ASSERT_NE(shown, nullptr);
    EXPECT_LE(shown->width(), p.page->previewFt()->width() - 2);
    EXPECT_NEAR(double(shown->width()) / shown->height(), 2.0, 0.1);
    EXPECT_EQ(p.page->sample().width(), 800);
}

TEST(ScriptPage, BatchPageKeepsShowThumbsAndStoresTheScriptOnTest)
{
    gbtest::ScriptedUi ui;
    QWidget frame;
    auto *page = new BeProcessingWin(&frame, 114);
    BeJob job(&frame);
    job.be().setShowThumbs(true);
    page->connect2Source(&job);
    EXPECT_TRUE(page->showThumb()->isChecked());
    page->showThumb()->click();
    add(*page, "Convert to Gray Scale");
    EXPECT_TRUE(job.be().commands().empty());
    page->button("PBTEST")->click();
    ASSERT_EQ(job.be().commands().size(), 1u);
    EXPECT_TRUE(job.be().showThumbs()); // only the script is stored by a test
    page->updateObject();
    EXPECT_FALSE(job.be().showThumbs());
}

TEST(ScriptPage, HeadingStandsAboveTheControls)
{
    gbtest::ScriptedUi ui;
    QWidget frame;
    CommandScriptWin page(&frame, 117, scriptOf(), "The following processing commands will be applied ...");
    auto *heading = page.findChild<QLabel *>("FIXEDTEXT1");
    ASSERT_NE(heading, nullptr);
    EXPECT_LT(heading->geometry().bottom(), page.availCommandsLb()->geometry().top());
    EXPECT_LE(page.findChild<QPushButton *>("PBORIGINAL")->geometry().bottom(), page.height());
}
