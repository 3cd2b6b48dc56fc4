#include "explorerfixture.h"

#include "explorer/fileops.h"
#include "image/imageload.h"
#include "image/imagesave.h"
#include "image/imagethumbswin.h"
#include "support/scriptedui.h"
#include "support/testutil.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace gb;
using gbtest::explorerOn;
using gbtest::readFile;
using gbtest::select;
using gbtest::snapshot;
using gbtest::whenModal;
using gbtest::writeFile;

namespace {

QString makeImages(const QStringList &names)
{
    const QString dir = gbtest::makeTempDir("cmds") + "/";
    int i = 0;
    for (const QString &n : names)
        EXPECT_TRUE(gbtest::writePng(dir + n, 20 + 4 * i++, 16));
    return dir;
}

QStringList captions(const FileExplorer &e)
{
    QStringList out;
    for (const ThumbItem &item : e.oThumbs()->items())
        out << item.caption;
    return out;
}

const QString kSuffix = QStringLiteral("\r\nError: ");

} // namespace

// The rule every one-file and every-file command keeps: nothing selected tells the user to
// select; several selected warns (one-file commands) and goes on with the first.
TEST(ExplorerCommands, SelectionRules)
{
    const QString dir = makeImages({"a.png", "b.png"});
    struct Rule {
        void (FileExplorer::*command)();
        const char *none;
        const char *several; // empty: no warning
    } rules[] = {
        {&FileExplorer::copyFile, "Select files to copy", ""},
        {&FileExplorer::moveFile, "Select files to move", ""},
        {&FileExplorer::removeFile, "Select files to remove",
         "Selected file(s) will be removed and they cannot be restored later."},
        {&FileExplorer::saveAsFile, "Select at least one file to save in a different format",
         "You select more than one image. Only the first one will be saved to a new file. You can use batch image "
         "editor to convert more than one images to a different format."},
        {&FileExplorer::copyImage2Clipboard, "Select an image file to copy to clipboard",
         "You select more than one images. Only the first one will be copied to the clipboard"},
        {&FileExplorer::copyThumbnail2Clipboard, "Select an image file to copy to clipboard",
         "You select more than one images. Only the first one thumbnail will be copied to the clipboard"},
    };
    for (const Rule &r : rules) {
        gbtest::ScriptedUi ui;
        auto e = explorerOn(dir);
        (e.get()->*r.command)();
        ASSERT_EQ(ui.boxes.size(), 1u) << r.none;
        EXPECT_EQ(ui.boxes[0].caption, "Info");
        EXPECT_EQ(ui.boxes[0].text, r.none);
        select(*e, {"a.png", "b.png"});
        (e.get()->*r.command)();
        if (*r.several) {
            ASSERT_GE(ui.boxes.size(), 2u);
            EXPECT_EQ(ui.boxes[1].text, r.several);
        } else {
            EXPECT_EQ(ui.boxes.size(), 1u) << r.none;
        }
        EXPECT_EQ(snapshot(dir).size(), 2);
    }
    // The one-file commands that open a window go on with the first file after the warning.
    gbtest::ScriptedUi ui;
    auto e = explorerOn(dir);
    e->fileProperties();
    e->editImage();
    e->renameFile();
    EXPECT_EQ(ui.boxTexts(), QStringList({"Select the file to view properties", "Select an image to view",
                                          "Select a file to rename"}));
    select(*e, {"b.png", "a.png"});
    QString shown;
    whenModal([&](QDialog *d) {
        shown = d->windowTitle();
        d->reject();
    });
    e->fileProperties();
    EXPECT_EQ(shown, "File Properties");
    EXPECT_EQ(ui.boxTexts().last(), "You select more than one images. You will view properties only for the first one.");
}

TEST(ExplorerCommands, CopyAsksOnlyForExistingTargetsAndNoSkipsThatFile)
{
    const QString dir = makeImages({"one.png", "two.png", "three.png"});
    const QString to = gbtest::makeTempDir("copyto") + "/";
    ASSERT_TRUE(writeFile(to + "two.png", "older"));
    const auto before = snapshot(dir);
    gbtest::ScriptedUi ui;
    ui.folderAnswers = {to};
    ui.boxAnswers = {UiSeam::ResultNo};
    auto e = explorerOn(dir);
    select(*e, {"one.png", "two.png", "three.png"});
    e->copyFile();
    ASSERT_EQ(ui.dialogs.size(), 1u);
    EXPECT_EQ(ui.dialogs[0].caption, "Select folder to copy selected file(s)");
    EXPECT_EQ(ui.boxTexts(), QStringList{"File : " + to + "two.png exist and will be overwritten."});
    EXPECT_EQ(readFile(to + "one.png"), before["one.png"]);
    EXPECT_EQ(readFile(to + "three.png"), before["three.png"]);
    EXPECT_EQ(readFile(to + "two.png"), "older");
    EXPECT_EQ(snapshot(dir), before);
    // The listed folder did not change, so the selection stays.
    EXPECT_EQ(e->oThumbs()->selCount(), 3);
}

// Into the folder that holds them, each file is refused at once with the same-file reason:
// no question about replacing it comes first, whatever the user would answer.
TEST(ExplorerCommands, CopyOrMoveIntoTheirOwnFolderIsRefusedWithoutAQuestion)
{
    const QString dir = makeImages({"a.png", "b.png"});
    const auto before = snapshot(dir);
    const QString sameFile = kSuffix + "Source and target are the same file\r\n";
    const struct {
        void (FileExplorer::*command)();
        QStringList boxes;
    } cases[] = {
        {&FileExplorer::copyFile,
         {"Unable to copy file " + dir + "a.png to " + dir + "a.png" + sameFile,
          "Unable to copy file " + dir + "b.png to " + dir + "b.png" + sameFile}},
        {&FileExplorer::moveFile,
         {"Unable to move file " + dir + "a.png to " + dir + sameFile,
          "Unable to move file " + dir + "b.png to " + dir + sameFile}},
    };
    for (const auto &c : cases) {
        gbtest::ScriptedUi ui;
        ui.folderAnswers = {dir};
        ui.boxAnswers = std::deque<int>(6, UiSeam::ResultYes);
        auto e = explorerOn(dir);
        select(*e, {"a.png", "b.png"});
        ((*e).*c.command)();
        EXPECT_EQ(ui.boxTexts(), c.boxes);
        for (const auto &box : ui.boxes)
            EXPECT_EQ(box.type, UiSeam::IconStop);
        EXPECT_EQ(snapshot(dir), before);
        EXPECT_EQ(e->oThumbs()->selCount(), 2);
    }
}

TEST(ExplorerCommands, CopyFailuresAreReportedPerFileAndChangeNothing)
{
    const QString dir = makeImages({"a.png", "b.png"});
    const auto before = snapshot(dir);
    {
        // A source that went away and a folder that cannot be written to.
        gbtest::ReadOnlyFolder locked({});
        if (!locked.ok())
            GTEST_SKIP() << "no read-only folder on this machine";
        gbtest::ScriptedUi ui;
        ui.folderAnswers = {locked.path()};
        auto e = explorerOn(dir);
        select(*e, {"a.png", "b.png"});
        const QByteArray b = readFile(dir + "b.png");
        QFile::remove(dir + "b.png");
        e->copyFile();
        ASSERT_EQ(ui.boxes.size(), 2u);
        EXPECT_TRUE(ui.boxes[0].text.startsWith("Unable to copy file " + dir + "a.png to " + locked.path() + "a.png" + kSuffix));
        EXPECT_EQ(ui.boxes[1].text, "Unable to copy file " + dir + "b.png to " + locked.path() + "b.png" + kSuffix
                                        + "No such file or directory\r\n");
        EXPECT_EQ(readFile(dir + "a.png"), before["a.png"]);
        EXPECT_TRUE(QDir(locked.path()).isEmpty());
        writeFile(dir + "b.png", b);
    }
}

TEST(ExplorerCommands, MoveOverAnExistingFileAndAcrossFileSystems)
{
    const QString dir = makeImages({"a.png", "b.png", "c.png"});
    const auto before = snapshot(dir);
    const QString to = gbtest::makeTempDir("moveto") + "/";
    ASSERT_TRUE(writeFile(to + "b.png", "older"));
    gbtest::ScriptedUi ui;
    ui.folderAnswers = {to};
    ui.boxAnswers = {UiSeam::ResultYes};
    auto e = explorerOn(dir);
    select(*e, {"a.png", "b.png"});
    setMovesCrossDeviceForTests(true);
    e->moveFile();
    setMovesCrossDeviceForTests(false);
    EXPECT_EQ(ui.boxTexts(), QStringList{"File : " + to + "b.png exist and will be overwritten."});
    EXPECT_EQ(readFile(to + "a.png"), before["a.png"]);
    EXPECT_EQ(readFile(to + "b.png"), before["b.png"]);
    EXPECT_EQ(snapshot(dir).keys(), QStringList{"c.png"});
    // Something moved: the folder is listed again.
    EXPECT_EQ(captions(*e), QStringList{"c.png"});
    EXPECT_EQ(e->oThumbs()->selCount(), 0);
}

TEST(ExplorerCommands, MoveThatMovesNothingKeepsFilesAndSelection)
{
    const QString dir = makeImages({"a.png", "b.png"});
    const auto before = snapshot(dir);
    gbtest::ReadOnlyFolder locked({{"b.png", "kept"}});
    if (!locked.ok())
        GTEST_SKIP() << "no read-only folder on this machine";
    gbtest::ScriptedUi ui;
    ui.folderAnswers = {locked.path(), dir};
    ui.boxAnswers = {UiSeam::ResultOk, UiSeam::ResultYes, UiSeam::ResultOk, UiSeam::ResultYes,
                     UiSeam::ResultOk, UiSeam::ResultYes, UiSeam::ResultOk};
    auto e = explorerOn(dir);
    select(*e, {"a.png", "b.png"});
    e->moveFile();
    // a.png: the move is refused, and the message names the folder; b.png: replacing it fails.
    ASSERT_EQ(ui.boxes.size(), 3u);
    EXPECT_TRUE(ui.boxes[0].text.startsWith("Unable to move file " + dir + "a.png to " + locked.path() + kSuffix));
    EXPECT_EQ(ui.boxes[1].text, "File : " + locked.path() + "b.png exist and will be overwritten.");
    EXPECT_TRUE(ui.boxes[2].text.startsWith("Unable to copy file " + dir + "b.png to " + locked.path() + "b.png" + kSuffix));
    EXPECT_EQ(readFile(locked.path() + "b.png"), "kept");
    // Onto themselves: the move is refused without a question, the sources stay.
    e->moveFile();
    ASSERT_EQ(ui.boxes.size(), 5u);
    EXPECT_TRUE(ui.boxes[3].text.endsWith("Source and target are the same file\r\n"));
    EXPECT_TRUE(ui.boxes[4].text.endsWith("Source and target are the same file\r\n"));
    EXPECT_EQ(snapshot(dir), before);
    EXPECT_EQ(e->oThumbs()->selCount(), 2);
}

TEST(ExplorerCommands, MoveWhoseSourceCannotBeDeletedKeepsBoth)
{
    gbtest::ReadOnlyFolder locked({{"a.png", "photo"}});
    if (!locked.ok())
        GTEST_SKIP() << "no read-only folder on this machine";
    const QString to = gbtest::makeTempDir("moveto") + "/";
    ASSERT_TRUE(writeFile(to + "a.png", "older"));
    gbtest::ScriptedUi ui;
    ui.folderAnswers = {to};
    ui.boxAnswers = {UiSeam::ResultYes};
    FileExplorer e(nullptr);
    e.newPathSelected(locked.path());
    // The grid lists images it can decode; select by path through the grid's items.
    e.oThumbs()->selectAll();
    e.moveFile();
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_TRUE(ui.boxes[1].text.startsWith("Unable to delete file " + locked.path() + "a.png from original location " + kSuffix));
    EXPECT_EQ(readFile(to + "a.png"), "photo");
    EXPECT_EQ(readFile(locked.path() + "a.png"), "photo");
}

TEST(ExplorerCommands, RenameOneFileByPrompt)
{
    const QString dir = makeImages({"a.png", "b.png"});
    const auto before = snapshot(dir);
    gbtest::ScriptedUi ui;
    auto e = explorerOn(dir);
    auto renameTo = [&](const QString &name) {
        e->oThumbs()->unselectAll();
        select(*e, {"a.png"});
        QString question, offered;
        whenModal([&](QDialog *d) {
            question = d->windowTitle();
            auto *edit = d->findChild<QLineEdit *>();
            offered = edit->text();
            edit->setText(name);
            for (QPushButton *b : d->findChildren<QPushButton *>())
                if (b->text() == "Ok")
                    b->click();
        });
        e->renameFile();
        EXPECT_EQ(question, "Enter new file name ...");
        EXPECT_EQ(offered, "a.png");
    };
    renameTo("b.png");
    EXPECT_EQ(ui.boxTexts(), QStringList{"Unable to rename file " + dir + "a.png" + kSuffix + "a file of that name exists.\r\n"});
    renameTo("");
    EXPECT_TRUE(ui.boxTexts().last().startsWith("Unable to rename file " + dir + "a.png" + kSuffix));
    EXPECT_EQ(snapshot(dir), before);
    renameTo("  c.png ");
    EXPECT_EQ(readFile(dir + "c.png"), before["a.png"]);
    EXPECT_EQ(captions(*e), QStringList({"b.png", "c.png"}));
}

TEST(ExplorerCommands, SaveAsPreselectsTheTypeAndTakesTheFormatFromTheName)
{
    const QString dir = gbtest::makeTempDir("saveas") + "/";
    ASSERT_TRUE(saveRgb2File(RgbImage::filled(30, 20, 0, 0, 255), dir + "photo.PCX", 5, 0, false, 0, 0));
    ASSERT_TRUE(writeFile(dir + "layers.psd", "not really"));
    ASSERT_TRUE(gbtest::writePng(dir + "z.png"));
    const auto before = snapshot(dir);
    gbtest::ScriptedUi ui;
    ui.saveAnswers = {"", dir + "x.psd", dir + "x.xyz"};
    auto e = explorerOn(dir);
    select(*e, {"photo.PCX"});
    for (int i = 0; i < 3; ++i)
        e->saveAsFile();
    ASSERT_EQ(ui.dialogs.size(), 3u);
    EXPECT_EQ(ui.dialogs[0].filterIndex, 2);
    EXPECT_EQ(ui.dialogs[0].filters[2], "pcx: Zsoft Paintbrush (*.pcx)");
    EXPECT_EQ(ui.boxTexts(), QStringList({"An error occured - file not saved",
                                          "File extension is not assosiated with a supported graphics format"}));
    EXPECT_EQ(snapshot(dir), before);
    EXPECT_EQ(captions(*e).size(), 3);
}

TEST(ExplorerCommands, SaveAsJpegAsksItsOptionsAndRelistsTheSameFolder)
{
    const QString dir = gbtest::makeTempDir("saveasjpg") + "/";
    ASSERT_TRUE(gbtest::writePng(dir + "a.png", 40, 30));
    ASSERT_TRUE(writeFile(dir + "b.psd", "x"));
    gbtest::ScriptedUi ui;
    ui.saveAnswers = {dir + "b.bmp", dir + "a.jpg", dir + "a.jpg"};
    auto e = explorerOn(dir);
    select(*e, {"b.psd"});
    e->saveAsFile();
    EXPECT_EQ(ui.dialogs[0].filterIndex, 6); // "jpg: JPEG Compressed"
    // A file that cannot be loaded: the loader's own words.
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Error");
    EXPECT_FALSE(QFile::exists(dir + "b.bmp"));
    e->oThumbs()->unselectAll();
    select(*e, {"a.png"});
    // Cancelled options save nothing; accepted ones save and list the new file.
    whenModal([](QDialog *d) { d->reject(); });
    e->saveAsFile();
    EXPECT_FALSE(QFile::exists(dir + "a.jpg"));
    whenModal([](QDialog *d) {
        for (QPushButton *b : d->findChildren<QPushButton *>())
            if (b->text() == "Ok")
                b->click();
    });
    e->saveAsFile();
    int w = 0, h = 0;
    QString error;
    EXPECT_FALSE(createRgbFromFile(dir + "a.jpg", w, h, error).isNull());
    EXPECT_EQ(w, 40);
    EXPECT_TRUE(captions(*e).contains("a.jpg"));
    EXPECT_TRUE(FileExplorer::inSameDir("/a/b/x.jpg", "/A/B/y.png"));
    EXPECT_FALSE(FileExplorer::inSameDir("/a/b/x.jpg", "/a/bc/y.png"));
    EXPECT_FALSE(FileExplorer::inSameDir("x.jpg", "y.png"));
}

TEST(ExplorerCommands, RemoveAsksOnceAndReportsEachFailure)
{
    const QString dir = makeImages({"a.png", "b.png", "c.png"});
    const auto before = snapshot(dir);
    gbtest::ScriptedUi ui;
    ui.boxAnswers = {UiSeam::ResultNo, UiSeam::ResultYes};
    auto e = explorerOn(dir);
    select(*e, {"a.png", "b.png"});
    e->removeFile();
    EXPECT_EQ(snapshot(dir), before);
    // b.png goes away behind the explorer's back: the other is deleted, b.png is reported.
    QFile::remove(dir + "b.png");
    e->removeFile();
    EXPECT_EQ(ui.boxTexts(), QStringList({"Selected file(s) will be removed and they cannot be restored later.",
                                          "Selected file(s) will be removed and they cannot be restored later.",
                                          "Unable to delete file " + dir + "b.png" + kSuffix + "No such file or directory\r\n"}));
    EXPECT_EQ(snapshot(dir).keys(), QStringList{"c.png"});
    EXPECT_EQ(captions(*e), QStringList{"c.png"});
}

TEST(ExplorerCommands, ImageAndThumbnailToTheClipboard)
{
    const QString dir = gbtest::makeTempDir("clip") + "/";
    RgbImage img = RgbImage::filled(60, 40, 10, 20, 30);
    img.pixel(59, 39)[0] = 250;
    ASSERT_TRUE(saveRgb2File(img, dir + "a.png", 4, 0, false, 0, 0));
    ASSERT_TRUE(writeFile(dir + "b.png", "broken"));
    QClipboard *board = QGuiApplication::clipboard();
    board->setText("before");
    gbtest::ScriptedUi ui;
    auto e = explorerOn(dir);
    select(*e, {"b.png"});
    e->copyImage2Clipboard();
    EXPECT_EQ(board->text(), "before");
    e->oThumbs()->unselectAll();
    select(*e, {"a.png"});
    e->copyImage2Clipboard();
    QImage pasted = board->image().convertToFormat(QImage::Format_RGB888);
    ASSERT_EQ(pasted.size(), QSize(60, 40));
    EXPECT_EQ(pasted.pixel(0, 0), qRgb(10, 20, 30));
    EXPECT_EQ(pasted.pixel(59, 39), qRgb(250, 20, 30));
    e->copyThumbnail2Clipboard();
    int w = 0, h = 0;
    RgbImage thumb = e->oThumbs()->duplicateRgbThumbHandle(dir + "a.png", w, h);
    ASSERT_FALSE(thumb.isNull());
    EXPECT_EQ(board->image().size(), QSize(w, h));
    EXPECT_TRUE(ui.boxes.empty());
}
