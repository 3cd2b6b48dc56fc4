#include "common/imagsysserver.h"
#include "renamer/casingrenwin.h"
#include "renamer/deleterenwin.h"
#include "renamer/insertrenwin.h"
#include "renamer/renamecommand.h"
#include "renamer/renamerjob.h"
#include "renamer/renamerwin.h"
#include "renamer/renscriptwin.h"
#include "support/scriptedui.h"
#include "support/testutil.h"
#include "support/wizardsteps.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using gb::Value;
using gb::ValueArray;

namespace {

struct FreshDatabase {
    gb::ImagSysServer db{gbtest::makeTempDir()};
    FreshDatabase() { gb::setGoSysServer(&db); }
    ~FreshDatabase() { gb::setGoSysServer(nullptr); }
};

// Files named as given in a fresh folder, each holding its own name; their full paths.
QStringList makeFiles(const QString &dir, const QStringList &names)
{
    QStringList paths;
    for (const QString &name : names) {
        paths << dir + "/" + name;
        EXPECT_TRUE(gbtest::writeFile(paths.last(), name.toUtf8()));
    }
    return paths;
}

using gbtest::rows;
using gbtest::selectedRow;

// Adds a command of the kind named in the available list, with the dialog's steps before Ok
// (or Cancel when ok is false).
void addCommand(gb::RenScriptWin &page, const QString &kindName, std::function<void(gb::RenameDialog *)> steps = {},
                bool ok = true)
{
    const auto items = page.availCommandsLb()->findItems(kindName, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    page.availCommandsLb()->setCurrentItem(items[0]);
    gbtest::whenModal([steps, ok](QWidget *w) {
        auto *dialog = qobject_cast<gb::RenameDialog *>(w);
        ASSERT_NE(dialog, nullptr);
        if (steps)
            steps(dialog);
        (ok ? dialog->okButton() : dialog->cancelButton())->click();
    });
    page.addCommandButton()->click();
}

// A script command that gives every base name the text.
Value prefixCommand(const QString &text)
{
    return gb::makeRenameCommand(gb::RenameInsert, {Value(1), Value(0), Value(1), Value(text), Value(1), Value(4)});
}

// A renamer window on files of a fresh folder, showing its script page.
struct OnScriptPage {
    gbtest::ScriptedUi ui;
    QString dir = gbtest::makeTempDir();
    QStringList files;
    gb::RenamerWin win;
    gb::RenScriptWin &page;
    explicit OnScriptPage(const QStringList &names)
        : files(makeFiles(dir, names)), win(nullptr, files), page(*win.scriptWin())
    {
        win.changeActiveWin(2);
    }
};

} // namespace

TEST(RenamerWin, OpensOnTheSourcePageWithTheGivenFiles)
{
    const QString dir = gbtest::makeTempDir();
    const QStringList files = makeFiles(dir, {"b.jpg", "a.jpg"});
    gb::RenamerWin win(nullptr, files + QStringList{files[0]});
    EXPECT_EQ(win.windowTitle(), "Rename Images");
    EXPECT_EQ(rows(win.sectionsLb()), QStringList({"1/2 - Select Source Images", "2/3 - Rename Script"}));
    EXPECT_EQ(win.curSettings()->text(), "Unsaved");
    EXPECT_EQ(win.activePage(), 1);
    EXPECT_EQ(win.sourceWin()->selectedFiles(), files);
    // The script page was connected before the files came: its preview starts empty.
    EXPECT_EQ(win.scriptWin()->previewLb()->count(), 0);
    win.nextWin();
    EXPECT_EQ(win.scriptWin()->previewLb()->count(), 2);
}

TEST(RenamerWin, ScriptPageEditsTheJobsScriptAndPreviewsEveryFile)
{
    OnScriptPage on({"one.jpg", "two.JPG"});
    auto &[ui, dir, files, win, page] = on;
    EXPECT_EQ(rows(page.availCommandsLb()),
              QStringList({"Delete characters", "Insert characters", "Name Casing", "Replace characters"}));
    // An empty script shows each path on both sides of the arrow.
    EXPECT_EQ(rows(page.previewLb()), QStringList({files[0] + "  --> " + files[0], files[1] + "  --> " + files[1]}));

    addCommand(page, "Insert characters"); // a four-digit running number at the end
    addCommand(page, "Name Casing", [](gb::RenameDialog *d) {
        static_cast<gb::CasingRenWin *>(d)->upperButton()->click();
    });
    addCommand(page, "Delete characters", {}, false); // cancelled: nothing added
    EXPECT_EQ(rows(page.commandsLb()), QStringList({"Insert characters", "Name Casing"}));
    EXPECT_EQ(rows(page.previewLb()),
              QStringList({files[0] + "  --> " + dir + "/ONE0001.jpg", files[1] + "  --> " + dir + "/TWO0002.JPG"}));
    // The page's script is the job's own.
    EXPECT_EQ(win.renamerJob()->renamer().data().size(), 2u);
    EXPECT_EQ(&win.renamerJob()->renamer().data(), &page.script());

    // Edit opens the command's dialog on a copy; Cancel keeps it.
    page.commandsLb()->setCurrentRow(0);
    gbtest::whenModal([](QWidget *w) {
        auto *d = qobject_cast<gb::InsertRenWin *>(w);
        ASSERT_NE(d, nullptr);
        d->startButton()->click();
        d->cancelButton()->click();
    });
    page.editButton()->click();
    gbtest::whenModal([](QWidget *w) {
        auto *d = qobject_cast<gb::InsertRenWin *>(w);
        ASSERT_NE(d, nullptr);
        EXPECT_TRUE(d->endButton()->isChecked());
        d->startButton()->click();
        d->okButton()->click();
    });
    page.editButton()->click();
    EXPECT_EQ(page.previewLb()->item(1)->text(), files[1] + "  --> " + dir + "/0002TWO.JPG");

    // Moves: the ends change nothing; a move keeps the command selected.
    page.moveUpButton()->click();
    EXPECT_EQ(rows(page.commandsLb()), QStringList({"Insert characters", "Name Casing"}));
    page.moveDownButton()->click();
    EXPECT_EQ(rows(page.commandsLb()), QStringList({"Name Casing", "Insert characters"}));
    EXPECT_EQ(selectedRow(page.commandsLb()), 2);
    page.moveDownButton()->click();
    EXPECT_EQ(selectedRow(page.commandsLb()), 2);
    EXPECT_TRUE(ui.boxes.empty());

    // Removing asks first; the last of the script leaves the new last one selected.
    ui.boxAnswers = {gb::UiSeam::ResultNo, gb::UiSeam::ResultYes, gb::UiSeam::ResultYes};
    page.removeButton()->click();
    EXPECT_EQ(page.script().size(), 2u);
    page.removeButton()->click();
    EXPECT_EQ(rows(page.commandsLb()), QStringList({"Name Casing"}));
    EXPECT_EQ(selectedRow(page.commandsLb()), 1);
    page.removeButton()->click();
    EXPECT_EQ(page.commandsLb()->count(), 0);
    EXPECT_EQ(selectedRow(page.commandsLb()), 0);
    EXPECT_EQ(ui.boxes.at(0).text, "Selected command will be removed from the script");
    EXPECT_EQ(page.previewLb()->item(0)->text(), files[0] + "  --> " + files[0]);

    // Buttons without a selection say so and do nothing else.
    ui.boxes.clear();
    page.availCommandsLb()->clearSelection();
    page.addCommandButton()->click();
    page.editButton()->click();
    page.removeButton()->click();
    page.moveUpButton()->click();
    page.moveDownButton()->click();
    EXPECT_EQ(ui.boxTexts(), QStringList({"Select a command to add to script", "Select a command to edit",
                                          "Select a command to remove", "Select a script command to move up",
                                          "Select a script command to move down"}));
    EXPECT_EQ(ui.boxes.at(0).caption, "Warning");
}

TEST(RenamerWin, PreviewFollowsTheSourcePageWhenShownAgain)
{
    const QString dir = gbtest::makeTempDir();
    const QStringList files = makeFiles(dir, {"a.png", "b.png"});
    gb::RenamerWin win(nullptr, {files[0]});
    win.renamerJob()->renamer().data().push_back(prefixCommand("x_"));
    win.changeActiveWin(2);
    EXPECT_EQ(rows(win.scriptWin()->previewLb()), QStringList({files[0] + "  --> " + dir + "/x_a.png"}));
    win.changeActiveWin(1);
    win.loadMoreFiles({files[1]});
    win.changeActiveWin(2);
    EXPECT_EQ(win.scriptWin()->previewLb()->count(), 2);

    // With no file selected the preview stays empty whatever the script.
    gb::RenamerWin empty(nullptr);
    empty.renamerJob()->renamer().data().push_back(prefixCommand("x_"));
    empty.changeActiveWin(2);
    EXPECT_EQ(empty.scriptWin()->previewLb()->count(), 0);
}

TEST(RenamerWin, DoItRenamesInOrderNeverReplacesAndCounts)
{
    gbtest::ScriptedUi ui;
    const QString dir = gbtest::makeTempDir();
    // a and b both become "same.txt" (Delete all, Insert "same"); c's new name is taken by
    // a file that is not in the list.
    const QStringList files = makeFiles(dir, {"a.txt", "b.txt", "c.dat", "same.dat"});
    gb::RenamerWin win(nullptr, {files[0], files[1], files[2]});
    ValueArray &script = win.renamerJob()->renamer().data();
    script.push_back(gb::makeRenameCommand(gb::RenameDelete, {Value(1), Value(0), Value(0), Value(false), Value(""),
                                                              Value(1), Value(1)}));
    script.push_back(prefixCommand("same"));

    win.doItButton()->click();
    EXPECT_EQ(ui.boxTexts(), QStringList({"3 file(s) proccessed.\r\n1 file(s) renamed with success.\r\n"
                                          "2 file(s) failed to be renamed."}));
    EXPECT_EQ(ui.boxes.at(0).caption, "Info");
    EXPECT_EQ(gbtest::readFile(dir + "/same.txt"), "a.txt");
    EXPECT_EQ(gbtest::readFile(files[1]), "b.txt");
    EXPECT_EQ(gbtest::readFile(files[2]), "c.dat");
    EXPECT_EQ(gbtest::readFile(dir + "/same.dat"), "same.dat");
    EXPECT_EQ(QDir(dir).entryList(QDir::Files).size(), 4);
    // The list still names the old paths, so a second run fails where the first renamed.
    ui.boxes.clear();
    script.clear();
    script.push_back(prefixCommand("new_"));
    win.doItButton()->click();
    EXPECT_EQ(ui.boxTexts(), QStringList({"3 file(s) proccessed.\r\n2 file(s) renamed with success.\r\n"
                                          "1 file(s) failed to be renamed."}));
    EXPECT_TRUE(QFile::exists(dir + "/new_b.txt"));
    EXPECT_TRUE(QFile::exists(dir + "/new_c.dat"));
}

// Deleting every character leaves only the extension: such a name would hide the file, so
// the preview marks it refused and Do It leaves the file as it is, counted as failed.
TEST(RenamerWin, ANameWithNothingBeforeItsExtensionIsRefused)
{
    OnScriptPage on({"a.jpg", "b.png"});
    auto &[ui, dir, files, win, page] = on;
    addCommand(page, "Delete characters", [](gb::RenameDialog *d) {
        static_cast<gb::DeleteRenWin *>(d)->allButton()->click();
    });
    const QString refused = "   [refused: the new name has nothing before its extension and would hide the file]";
    EXPECT_EQ(rows(page.previewLb()),
              QStringList({files[0] + "  --> " + dir + "/.jpg" + refused, files[1] + "  --> " + dir + "/.png" + refused}));

    win.doItButton()->click();
    EXPECT_EQ(ui.boxTexts(), QStringList({"2 file(s) proccessed.\r\n0 file(s) renamed with success.\r\n"
                                          "2 file(s) failed to be renamed."}));
    EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList({"a.jpg", "b.png"}));

    // A name put back before the extension (a running number) is renamed as usual.
    addCommand(page, "Insert characters");
    EXPECT_EQ(rows(page.previewLb()),
              QStringList({files[0] + "  --> " + dir + "/0001.jpg", files[1] + "  --> " + dir + "/0002.png"}));
    ui.boxes.clear();
    win.doItButton()->click();
    EXPECT_EQ(ui.boxTexts(), QStringList({"2 file(s) proccessed.\r\n2 file(s) renamed with success."}));
    EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList({"0001.jpg", "0002.png"}));
}

TEST(RenamerWin, DoItWithoutFilesAndWithoutFailures)
{
    gbtest::ScriptedUi ui;
    gb::RenamerWin empty(nullptr);
    empty.doItButton()->click();
    EXPECT_EQ(ui.boxTexts(), QStringList({"Select at least one file to rename"}));

    // A letter-case change of the same file is a rename like any other.
    const QString dir = gbtest::makeTempDir();
    const QStringList files = makeFiles(dir, {"Photo.jpg", "Other.jpg"});
    gb::RenamerWin win(nullptr, files);
    win.renamerJob()->renamer().data().push_back(gb::makeRenameCommand(gb::RenameCasing, {Value(1)}));
    ui.boxes.clear();
    win.doItButton()->click();
    EXPECT_EQ(ui.boxTexts(), QStringList({"2 file(s) proccessed.\r\n2 file(s) renamed with success."}));
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList({"other.jpg", "photo.jpg"}));
}

TEST(RenamerWin, ScriptsAreSavedAndLoadedAsRenamerSettings)
{
    FreshDatabase fresh;
    gbtest::ScriptedUi ui;
    gb::RenamerWin win(nullptr);
    win.renamerJob()->renamer().data().push_back(prefixCommand("x_"));
    // Save without a record is Save New.
    gbtest::saveNewAs(win, "Prefix x");
    const QString key = win.currentRecordKey();
    ASSERT_FALSE(key.isEmpty());
    EXPECT_EQ(win.curSettings()->text(), "Prefix x");
    EXPECT_EQ(fresh.db.getAllRenameDesc(), gb::DescKeyPairs({{"Prefix x", key}}));
    EXPECT_EQ(fresh.db.getInfo(key), ValueArray({prefixCommand("x_")}));

    gb::RenamerWin other(nullptr);
    gbtest::loadByDescription(other, "Prefix x");
    EXPECT_EQ(other.currentRecordKey(), key);
    EXPECT_EQ(other.curSettings()->text(), "Prefix x");
    EXPECT_EQ(rows(other.scriptWin()->commandsLb()), QStringList({"Insert characters"}));
    // The loaded array is the job's script, and Save writes into the loaded record.
    other.renamerJob()->renamer().data().push_back(gb::makeRenameCommand(gb::RenameCasing, {Value(2)}));
    other.saveButton()->click();
    EXPECT_EQ(fresh.db.getInfo(key).size(), 2u);
    EXPECT_EQ(fresh.db.getAllRenameDesc().size(), 1u);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST(RenamerWin, ADamagedScriptLoadsWithoutHarm)
{
    FreshDatabase fresh;
    gbtest::ScriptedUi ui;
    QString key;
    fresh.db.appendNewRenamer("damaged", {Value(7), Value(ValueArray{Value("x")}), prefixCommand("ok_")}, key);
    const QString dir = gbtest::makeTempDir();
    const QStringList files = makeFiles(dir, {"a.txt"});
    gb::RenamerWin win(nullptr, files);
    gbtest::loadByDescription(win, "damaged");
    EXPECT_EQ(win.scriptWin()->commandsLb()->count(), 3);
    // Only the one readable command renames.
    win.doItButton()->click();
    EXPECT_TRUE(QFile::exists(dir + "/ok_a.txt"));
}
