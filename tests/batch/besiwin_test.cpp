// The source images page on real widgets: listings, the selection and its order, image
// lists and previews.

#include "batch/besiwin.h"
#include "common/globals.h"
#include "image/imagesave.h"
#include "image/previewft.h"

#include "support/scriptedui.h"
#include "support/testutil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace gb;

namespace {

QStringList items(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QString image(const QString &path, int w = 40, int h = 30)
{
    QDir().mkpath(QFileInfo(path).path());
    EXPECT_TRUE(saveRgb2File(RgbImage::filled(w, h, 10, 200, 30), path, 0, 90, false,
                             0.0, 256));
    return path;
}

void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    gbtest::writeFile(path, "x");
}

// Types a folder into the folder box and presses Enter.
void typeFolder(BeSiWin &page, const QString &folder)
{
    QLineEdit *edit = page.curFolder()->lineEdit();
    edit->clear();
    QTest::keyClicks(edit, folder);
    QTest::keyClick(edit, Qt::Key_Return);
    page.waitForScan();
}

void highlight(QListWidget *list, int row)
{
    list->setCurrentRow(row);
}

struct Page {
    QWidget frame;
    BeSiWin *page = new BeSiWin(&frame, 112);
};

} // namespace

TEST(SourcePage, FlatListingIsSortedAndKeepsOnlyTheTenImageTypes)
{
    gbtest::ScriptedUi ui;
    const QString dir = gbtest::makeTempDir() + "/";
    for (const char *name : {"b.JPG", "a.png", "c.gif", "d.jpeg", "e.tiff", "f.txt", "G.Tga", "h.psd"})
        touch(dir + name);
    QDir().mkpath(dir + "folder.jpg");
    Page p;
    typeFolder(*p.page, dir.chopped(1)); // typed without the final "/"
    EXPECT_EQ(items(p.page->availableLb()),
              QStringList({dir + "a.png", dir + "b.JPG", dir + "c.gif", dir + "G.Tga", dir + "h.psd"}));
    EXPECT_EQ(p.page->curDir(), dir);
    EXPECT_TRUE(gaRecentFolders.contains(dir));
    EXPECT_GE(p.page->curFolder()->findText(dir), 0);
}

TEST(SourcePage, RecursiveListingFollowsTreeOrderAndNoFolderLinks)
{
    gbtest::ScriptedUi ui;
    const QString dir = gbtest::makeTempDir() + "/";
    touch(dir + "a.jpg");
    touch(dir + "m/inner.png");
    touch(dir + "m/deeper/x.bmp");
    touch(dir + "z.jpg");
    touch(dir + "b.jpeg");
    QFile::link(dir + "m", dir + "n-link");          // a folder link: never walked
    QFile::link(dir + "a.jpg", dir + "p-link.jpg");  // a file link: an image like any other
    QFile::link(dir, dir + "m/loop");                // would loop forever if followed
    Page p;
    p.page->inSubfolders()->click();
    typeFolder(*p.page, dir);
    EXPECT_EQ(items(p.page->availableLb()), QStringList({dir + "a.jpg", dir + "m/deeper/x.bmp", dir + "m/inner.png",
                                                         dir + "p-link.jpg", dir + "z.jpg"}));
    // Clearing the box goes back to the flat listing of the folder.
    p.page->inSubfolders()->click();
    EXPECT_EQ(items(p.page->availableLb()), QStringList({dir + "a.jpg", dir + "p-link.jpg", dir + "z.jpg"}));
}

TEST(SourcePage, TypingListsOnlyAfterEnterOrAPause)
{
    gbtest::ScriptedUi ui;
    const QString dir = gbtest::makeTempDir() + "/";
    touch(dir + "a.jpg");
    Page p;
    QTest::keyClicks(p.page->curFolder()->lineEdit(), dir);
    // Nothing is listed on the keystrokes themselves.
    EXPECT_EQ(p.page->availableLb()->count(), 0);
    QElapsedTimer clock;
    clock.start();
    while (p.page->availableLb()->count() == 0 && clock.elapsed() < 5000)
        QTest::qWait(20);
    EXPECT_EQ(items(p.page->availableLb()), QStringList({dir + "a.jpg"}));
    // A text that names no folder empties the list.
    typeFolder(*p.page, dir + "missing");
    EXPECT_EQ(p.page->availableLb()->count(), 0);
}

TEST(SourcePage, BrowsedFolderIsListedAndCancelChangesNothing)
{
    gbtest::ScriptedUi ui;
    const QString dir = gbtest::makeTempDir();
    touch(dir + "/a.jpg");
    Page p;
    ui.folderAnswers = {dir, QString()};
    p.page->button("PBBROWSE")->click();
    EXPECT_EQ(ui.dialogs.at(0).caption, "Select source folder ...");
    EXPECT_EQ(p.page->curFolder()->currentText(), dir + "/");
    EXPECT_EQ(items(p.page->availableLb()), QStringList({dir + "/a.jpg"}));
    p.page->button("PBBROWSE")->click();
    EXPECT_EQ(ui.dialogs.at(1).start, dir);
    EXPECT_EQ(p.page->curFolder()->currentText(), dir + "/");
}

TEST(SourcePage, SelectionAddsOnceAndKeepsItsOrder)
{
    gbtest::ScriptedUi ui;
    const QString dir = gbtest::makeTempDir() + "/";
    for (const char *name : {"a.jpg", "b.jpg", "c.jpg"})
        touch(dir + name);
    Page p;
    BeSiWin &page = *p.page;
    page.loadFiles({"/x/given.jpg"});

    // Add without a highlighted image warns; with one it walks down the list.
    page.button("PBSELECTSOME")->click(); // empty folder box: nothing at all
    EXPECT_TRUE(ui.boxes.empty());
    typeFolder(page, dir);
    page.button("PBSELECTSOME")->click();
    EXPECT_EQ(ui.boxTexts(), QStringList({"Select an image files from available files list"}));
    highlight(page.availableLb(), 1);
    page.button("PBSELECTSOME")->click();
    page.button("PBSELECTSOME")->click();
    page.button("PBSELECTSOME")->click(); // stays on the last item: c once
    EXPECT_EQ(page.selectedFiles(), QStringList({"/x/given.jpg", dir + "b.jpg", dir + "c.jpg"}));
    page.button("PBSELECTALL")->click();
    EXPECT_EQ(page.selectedFiles(), QStringList({"/x/given.jpg", dir + "b.jpg", dir + "c.jpg", dir + "a.jpg"}));
    page.loadFiles({dir + "a.jpg", "/x/new.jpg"});
    EXPECT_EQ(page.selectedFiles().last(), "/x/new.jpg");
    EXPECT_EQ(page.selectedFiles().size(), 5);

    // Moves keep the array and the list in step; the ends do nothing and say nothing.
    highlight(page.selectedLb(), 0);
    page.button("PBMOVEUP")->click();
    page.button("PBMOVEDOWN")->click();
    EXPECT_EQ(page.selectedLb()->currentRow(), 1);
    highlight(page.selectedLb(), 4);
    page.button("PBMOVEDOWN")->click();
    EXPECT_EQ(page.selectedFiles(), QStringList({dir + "b.jpg", "/x/given.jpg", dir + "c.jpg", dir + "a.jpg", "/x/new.jpg"}));
    EXPECT_EQ(items(page.selectedLb()), page.selectedFiles());

    // Removing the highlighted image highlights the next; removing the last leaves none.
    highlight(page.selectedLb(), 1);
    page.button("PBDESELECTSOME")->click();
    EXPECT_EQ(page.selectedLb()->currentRow(), 1);
    highlight(page.selectedLb(), 3);
    page.button("PBDESELECTSOME")->click();
    EXPECT_EQ(page.selectedLb()->currentRow(), -1);
    EXPECT_EQ(page.selectedFiles(), QStringList({dir + "b.jpg", dir + "c.jpg", dir + "a.jpg"}));
    EXPECT_EQ(items(page.selectedLb()), page.selectedFiles());

    ui.boxes.clear();
    for (const char *name : {"PBDESELECTSOME", "PBMOVEUP", "PBMOVEDOWN"})
        page.button(name)->click();
    EXPECT_EQ(ui.boxTexts(), QStringList(3, "Select an image file from selected files list"));
    page.button("PBDESELECTALL")->click();
    EXPECT_TRUE(page.selectedFiles().isEmpty());
    EXPECT_EQ(page.selectedLb()->count(), 0);
}

TEST(SourcePage, ImageListsSaveAndLoad)
{
    gbtest::ScriptedUi ui;
    const QString dir = gbtest::makeTempDir() + "/";
    const QString a = image(dir + "a.png"), b = image(dir + "b.png");
    gbtest::writeFile(dir + "empty.jpg", "");
    Page p;
    BeSiWin &page = *p.page;

    page.button("PBSAVEIMAGELIST")->click();
    EXPECT_EQ(ui.boxTexts(), QStringList({"Select at least one image file to save in an image list"}));

    page.loadFiles({a, b});
    ui.saveAnswers = {dir + "list.ifl"};
    page.button("PBSAVEIMAGELIST")->click();
    EXPECT_EQ(ui.boxTexts().last(), "Image list saved with success.");
    EXPECT_EQ(gbtest::readFile(dir + "list.ifl"), (a + "\r\n" + b + "\r\n").toUtf8());

    // A list with a path twice, an empty file, a missing one and a blank line replaces the
    // selection with what exists, duplicates kept.
    gbtest::writeFile(dir + "mixed.ifl", (b + "\r\n\r\n" + dir + "missing.jpg\r\n" + dir + "empty.jpg\r\n" + b + "\r\n").toUtf8());
    ui.openAnswers = {{dir + "mixed.ifl"}};
    page.button("PBLOADIMAGELIST")->click();
    EXPECT_EQ(page.selectedFiles(), QStringList({b, b}));
    EXPECT_EQ(items(page.selectedLb()), QStringList({b, b}));

    // A list of nothing usable, or a cancelled dialog, leaves the selection alone.
    gbtest::writeFile(dir + "none.ifl", (dir + "missing.jpg\r\n").toUtf8());
    ui.openAnswers = {{dir + "none.ifl"}, {}};
    const size_t boxes = ui.boxes.size();
    page.button("PBLOADIMAGELIST")->click();
    page.button("PBLOADIMAGELIST")->click();
    EXPECT_EQ(page.selectedFiles(), QStringList({b, b}));
    EXPECT_EQ(ui.boxes.size(), boxes);
}

TEST(SourcePage, PreviewsFollowTheHighlightWhileTicked)
{
    gbtest::ScriptedUi ui;
    const QString dir = gbtest::makeTempDir() + "/";
    const QString small = image(dir + "a_small.png", 20, 10);
    const QString large = image(dir + "b_large.png", 900, 300);
    gbtest::writeFile(dir + "c_broken.jpg", "not an image");
    Page p;
    BeSiWin &page = *p.page;
    page.resize(page.size());
    typeFolder(page, dir);

    highlight(page.availableLb(), 0);
    EXPECT_EQ(page.previewFt()->image(), nullptr); // box clear: no preview
    page.preview()->click();
    ASSERT_NE(page.previewFt()->image(), nullptr);
    // A small image is shown at its own size, centred.
    EXPECT_EQ(page.previewFt()->image()->width(), 20);
    EXPECT_EQ(page.previewFt()->left(), (page.previewFt()->width() - 20) / 2);
    EXPECT_EQ(page.w1()->text(), "Width: 20");
    EXPECT_EQ(page.h1()->text(), "Height: 10");

    // A large one is reduced into the pane, proportions kept; the labels give the file's size.
    highlight(page.availableLb(), 1);
    const RgbImage *shown = page.previewFt()->image();
    ASSERT_NE(shown, nullptr);
    EXPECT_LE(shown->width(), page.previewFt()->width() - 2);
    EXPECT_LE(shown->height(), page.previewFt()->height() - 2);
    EXPECT_NEAR(double(shown->width()) / shown->height(), 3.0, 0.2);
    EXPECT_EQ(page.w1()->text(), "Width: 900");

    // A file that does not load keeps the picture and clears the labels.
    highlight(page.availableLb(), 2);
    EXPECT_NE(page.previewFt()->image(), nullptr);
    EXPECT_EQ(page.w1()->text(), "Width: ");

    page.preview()->click();
    EXPECT_EQ(page.previewFt()->image(), nullptr);
    EXPECT_EQ(page.h1()->text(), "Height: ");

    // The selected list has its own pane.
    page.loadFiles({large});
    page.preview1()->click();
    highlight(page.selectedLb(), 0);
    EXPECT_NE(page.previewFt1()->image(), nullptr);
    EXPECT_EQ(page.w2()->text(), "Width: 900");
    EXPECT_EQ(page.h2()->text(), "Height: 300");
}
