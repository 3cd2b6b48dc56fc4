// The batch editor window on real widgets: its sections, Load, Save, Save New and Do It,
// and what it refuses while a run is going on.

#include "batch/befiwin.h"
#include "batch/bejob.h"
#include "batch/beprocessingwin.h"
#include "batch/besiwin.h"
#include "batch/bewin.h"
#include "common/imagsysserver.h"
#include "common/newkeywordwin.h"
#include "common/settingswin.h"
#include "image/imageload.h"
#include "image/imagesave.h"

#include "support/scriptedui.h"
#include "support/testutil.h"
#include "support/modal.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace gb;

namespace {

// A settings database of the test's own.
struct OwnSettings {
    ImagSysServer server{gbtest::makeTempDir()};
    OwnSettings() { setGoSysServer(&server); }
    ~OwnSettings() { setGoSysServer(nullptr); }
};

// Answers the description prompt of Save New.
void answerPrompt(const QString &text)
{
    gbtest::whenModal([text](QWidget *w) {
        auto *prompt = qobject_cast<NewKeywordWin *>(w);
        ASSERT_NE(prompt, nullptr);
        EXPECT_EQ(prompt->windowTitle(), "Settings Description ...");
        if (text.isNull()) {
            prompt->cancelButton()->click();
            return;
        }
        prompt->keyEdit()->setText(text);
        prompt->okButton()->click();
    });
}

// Picks a record by description in the settings picker of Load (null: cancel).
void answerPicker(const QString &description)
{
    gbtest::whenModal([description](QWidget *w) {
        auto *picker = qobject_cast<SettingsWin *>(w);
        ASSERT_NE(picker, nullptr);
        if (description.isNull()) {
            picker->cancelButton()->click();
            return;
        }
        const auto found = picker->settings()->findItems(description, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        picker->settings()->setCurrentItem(found[0]);
        picker->loadButton()->click();
    });
}

void addCommand(BeProcessingWin *page, const QString &name)
{
    const auto found = page->availCommandsLb()->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    page->availCommandsLb()->setCurrentItem(found[0]);
    page->button("PBADDCOMMAND")->click();
}

QStringList scriptNames(const BeProcessingWin *page)
{
    QStringList names;
    for (int i = 0; i < page->commandsLb()->count(); ++i)
        names << page->commandsLb()->item(i)->text();
    return names;
}

QString makeImage(const QString &path, uint8_t r, uint8_t g, uint8_t b)
{
    EXPECT_TRUE(saveRgb2File(RgbImage::filled(24, 16, r, g, b), path, 0, 95, false, 0.0, 256));
    return path;
}

} // namespace

TEST(BatchEditorWindow, OpensOnPageOneWithTheGivenFilesAndSwitchesPages)
{
    gbtest::ScriptedUi ui;
    OwnSettings settings;
    BeWin win(nullptr, {"/a/1.jpg", "/a/2.jpg", "/a/1.jpg"});
    EXPECT_EQ(win.windowTitle(), "Batch Image Processing");
    EXPECT_EQ(win.curSettings()->text(), "Unsaved");
    EXPECT_EQ(win.siWin()->selectedFiles(), QStringList({"/a/1.jpg", "/a/2.jpg"}));
    EXPECT_EQ(win.activePage(), 1);
    EXPECT_EQ(win.winCaption()->text(), "1/3 - Select Source Images");
    EXPECT_FALSE(win.siWin()->isHidden());
    EXPECT_TRUE(win.fiWin()->isHidden());

    win.prevButton()->click();
    EXPECT_EQ(win.activePage(), 1);
    win.nextButton()->click();
    win.nextButton()->click();
    win.nextButton()->click();
    EXPECT_EQ(win.activePage(), 3);
    EXPECT_EQ(win.winCaption()->text(), "3/3 - Batch Processing Commands");
    EXPECT_EQ(win.sectionsLb()->currentRow(), 2);
    EXPECT_TRUE(win.siWin()->isHidden());
    EXPECT_FALSE(win.processingWin()->isHidden());
    win.sectionsLb()->setCurrentRow(1);
    EXPECT_EQ(win.activePage(), 2);
    EXPECT_EQ(win.winCaption()->text(), "2/3 - Final Images Properties");
    // The job's defaults are on the pages.
    EXPECT_EQ(win.fiWin()->jpgQuality()->text(), "100");

    BeWin empty(nullptr, {});
    EXPECT_TRUE(empty.siWin()->selectedFiles().isEmpty());
}

TEST(BatchEditorWindow, SaveNewSaveAndLoadKeepTheWholeJob)
{
    gbtest::ScriptedUi ui;
    OwnSettings settings;
    BeWin win(nullptr, {});
    win.fiWin()->folder()->setText("/first/");
    addCommand(win.processingWin(), "Flip");
    addCommand(win.processingWin(), "Invert Colors");
    win.processingWin()->showThumb()->click();

    // Cancelled prompt: nothing stored, nothing tied.
    answerPrompt(QString());
    win.saveButton()->click(); // unsaved: Save is Save New
    EXPECT_TRUE(win.currentRecordKey().isEmpty());
    EXPECT_TRUE(settings.server.getAllBatchDesc().empty());

    answerPrompt("Two steps");
    win.saveNewButton()->click();
    const QString key = win.currentRecordKey();
    ASSERT_FALSE(key.isEmpty());
    EXPECT_EQ(win.curSettings()->text(), "Two steps");
    EXPECT_EQ(Value(settings.server.getInfo(key)), win.job()->aData());
    EXPECT_EQ(Be(nullptr, Value(settings.server.getInfo(key))).finalFolder(), "/first/");

    // Save writes into the same record without asking.
    win.fiWin()->folder()->setText("/second/");
    win.saveButton()->click();
    EXPECT_EQ(win.currentRecordKey(), key);
    EXPECT_EQ(settings.server.getAllBatchDesc().size(), 1u);
    Be stored(nullptr, Value(settings.server.getInfo(key)));
    EXPECT_EQ(stored.finalFolder(), "/second/");
    ASSERT_EQ(stored.commands().size(), 2u);
    EXPECT_EQ(stored.commands()[0].description(), "Flip");
    EXPECT_TRUE(stored.showThumbs());

    // A fresh window loads it; its source files stay as they were.
    BeWin other(nullptr, {"/keep/me.jpg"});
    other.fiWin()->folder()->setText("/unsaved edit/");
    answerPicker(QString());
    other.loadButton()->click();
    EXPECT_EQ(other.fiWin()->folder()->text(), "/unsaved edit/");
    answerPicker("Two steps");
    other.loadButton()->click();
    EXPECT_EQ(other.currentRecordKey(), key);
    EXPECT_EQ(other.curSettings()->text(), "Two steps");
    EXPECT_EQ(other.fiWin()->folder()->text(), "/second/");
    EXPECT_EQ(scriptNames(other.processingWin()), QStringList({"Flip", "Invert Colors"}));
    EXPECT_EQ(other.processingWin()->commandsLb()->currentRow(), -1);
    EXPECT_TRUE(other.processingWin()->showThumb()->isChecked());
    EXPECT_EQ(other.siWin()->selectedFiles(), QStringList({"/keep/me.jpg"}));

    // Save New after a Load makes a second record and ties the window to it.
    answerPrompt("Copy");
    other.saveNewButton()->click();
    EXPECT_NE(other.currentRecordKey(), key);
    EXPECT_EQ(other.curSettings()->text(), "Copy");
    EXPECT_EQ(settings.server.getAllBatchDesc().size(), 2u);
}

TEST(BatchEditorWindow, SaveIntoARemovedRecordSaysSoAndLeavesTheWindowUnsaved)
{
    gbtest::ScriptedUi ui;
    OwnSettings settings;
    BeWin win(nullptr, {});
    answerPrompt("Soon gone");
    win.saveNewButton()->click();
    ASSERT_TRUE(settings.server.removeRecord(win.currentRecordKey()));
    win.saveButton()->click();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Error");
    EXPECT_TRUE(ui.boxes[0].text.contains("no longer exist"));
    EXPECT_EQ(win.curSettings()->text(), "Unsaved");
    EXPECT_TRUE(win.currentRecordKey().isEmpty());
    EXPECT_TRUE(settings.server.getAllBatchDesc().empty());
}

TEST(BatchEditorWindow, DoItWarnsValidatesAndRunsWhatThePagesShow)
{
    gbtest::ScriptedUi ui;
    OwnSettings settings;
    const QString dir = gbtest::makeTempDir();
    QDir().mkpath(dir + "/out");
    const QString a = makeImage(dir + "/a.png", 10, 20, 30);

    BeWin win(nullptr, {});
    win.doItButton()->click();
    EXPECT_EQ(ui.boxTexts(), QStringList({"Select at least one image for processing..."}));

    win.siWin()->loadFiles({a});
    win.fiWin()->folder()->setText("");
    win.doItButton()->click();
    EXPECT_EQ(ui.boxTexts().last(), "Please define final images folder");

    // Unsaved page values are used as they are on screen.
    win.fiWin()->folder()->setText(" " + dir + "/out ");
    win.fiWin()->formatType()->setCurrentIndex(win.fiWin()->formatType()->findData(4));
    win.fiWin()->overAlways()->click();
    addCommand(win.processingWin(), "Invert Colors");
    win.doItButton()->click();
    EXPECT_EQ(win.beJob()->lastOutputs(), QStringList({dir + "/out/a.png"}));
    int w = 0, h = 0;
    QString error;
    const RgbImage out = createRgbFromFile(dir + "/out/a.png", w, h, error);
    ASSERT_FALSE(out.isNull());
    EXPECT_EQ(out.data()[0], 245);
    EXPECT_TRUE(win.currentRecordKey().isEmpty());
}

TEST(BatchEditorWindow, RefusesLoadSaveDoItAndCloseWhileARunPumpsEvents)
{
    gbtest::ScriptedUi ui;
    OwnSettings settings;
    const QString dir = gbtest::makeTempDir();
    QDir().mkpath(dir + "/out");
    QStringList files;
    for (int i = 0; i < 3; ++i)
        files << makeImage(dir + QString("/%1.png").arg(i), 10, 20, 30);

    BeWin win(nullptr, files);
    win.show();
    win.fiWin()->folder()->setText(dir + "/out");
    win.fiWin()->formatType()->setCurrentIndex(win.fiWin()->formatType()->findData(4));
    win.fiWin()->overAlways()->click();
    addCommand(win.processingWin(), "Invert Colors");

    bool sawRun = false;
    QTimer::singleShot(0, [&] {
        sawRun = win.running();
        for (QPushButton *b : {win.doItButton(), win.loadButton(), win.saveButton(), win.saveNewButton(), win.closeButton()})
            EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
        win.pbDoIt();
        win.pbLoad();
        win.pbSave();
        win.pbSaveNew();
        EXPECT_FALSE(win.close());
        // The script changes while the run goes on: the run keeps the script it started with.
        win.processingWin()->commandsLb()->setCurrentRow(0);
        ui.boxAnswers = {UiSeam::ResultYes};
        win.processingWin()->button("PBREMOVE")->click();
        win.processingWin()->button("PBTEST")->click();
    });
    win.doItButton()->click();
    ASSERT_TRUE(sawRun);
    const QString busy = "Processing is in progress. Wait until it ends or abort it first.";
    EXPECT_EQ(ui.boxTexts().count(busy), 5);
    EXPECT_TRUE(win.isVisible());
    EXPECT_TRUE(win.beJob()->be().commands().empty()); // Test Script stored the edited script
    for (int i = 0; i < 3; ++i) {
        int w = 0, h = 0;
        QString error;
        const RgbImage out = createRgbFromFile(dir + QString("/out/%1.png").arg(i), w, h, error);
        ASSERT_FALSE(out.isNull());
        EXPECT_EQ(out.data()[0], 245) << i;
    }
    // Afterwards everything works again.
    EXPECT_TRUE(win.doItButton()->isEnabled());
    EXPECT_TRUE(win.close());
}

TEST(BatchEditorWindow, LoadOfADamagedRecordGivesTheDefaults)
{
    gbtest::ScriptedUi ui;
    OwnSettings settings;
    QString key;
    // Wrong types, a script that is no array of commands, and too few slots.
    ASSERT_TRUE(settings.server.appendNewBatchEdit(
        "Damaged", {Value("three"), Value(7), Value(2), Value(ValueArray{}), Value("s")}, key));
    BeWin win(nullptr, {});
    answerPicker("Damaged");
    win.loadButton()->click();
    EXPECT_EQ(win.currentRecordKey(), key);
    EXPECT_EQ(win.fiWin()->formatType()->currentData().toInt(), Be().finalFormat());
    EXPECT_EQ(win.fiWin()->folder()->text(), "");
    EXPECT_EQ(win.fiWin()->roFormatType()->currentData().toInt(), 2);
    EXPECT_TRUE(win.fiWin()->same()->isChecked());
    EXPECT_EQ(win.fiWin()->jpgQuality()->text(), "100");
    EXPECT_EQ(win.processingWin()->commandsLb()->count(), 0);
    EXPECT_TRUE(ui.boxes.empty());
}
