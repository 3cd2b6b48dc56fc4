#include "common/dirtv.h"
#include "common/getdirwin.h"
#include "common/getnamewin.h"
#include "common/selectfolder.h"

#include "support/scriptedui.h"
#include "support/testutil.h"
#include "support/modal.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace gb;

namespace {

// Opens the tree down to a folder the way a user does: double-clicking each level.
QTreeWidgetItem *openPath(DirTv &tree, const QString &folder)
{
    QTreeWidgetItem *item = tree.topLevelItem(0)->child(0); // the drive "/"
    tree.mouseDClick(item);
    for (const QString &part : folder.split('/', Qt::SkipEmptyParts)) {
        QTreeWidgetItem *next = nullptr;
        for (int i = 0; i < item->childCount(); ++i)
            if (item->child(i)->text(0) == part)
                next = item->child(i);
        if (!next)
            return nullptr;
        item = next;
        tree.mouseDClick(item);
    }
    return item;
}

QStringList childTexts(const QTreeWidgetItem *item)
{
    QStringList out;
    for (int i = 0; i < item->childCount(); ++i)
        out << item->child(i)->text(0);
    return out;
}

} // namespace

TEST(GetName, OkTrimsAndCancelKeepsTheName)
{
    QString name = "old";
    gbtest::whenModal([](QDialog *d) {
        auto *win = qobject_cast<GetNameWin *>(d);
        EXPECT_EQ(win->windowTitle(), "Enter new folder name");
        EXPECT_EQ(win->nameEdit()->text(), "old");
        win->nameEdit()->setText("  New Name  ");
        win->okButton()->click();
    });
    EXPECT_TRUE(getName(nullptr, "Enter new folder name", &name));
    EXPECT_EQ(name, "New Name");

    gbtest::whenModal([](QDialog *d) {
        qobject_cast<GetNameWin *>(d)->nameEdit()->setText("other");
        qobject_cast<GetNameWin *>(d)->cancelButton()->click();
    });
    EXPECT_FALSE(getName(nullptr, "Q", &name));
    EXPECT_EQ(name, "New Name");
}

TEST(SelectFolder, AddsOneSlashAndCancelEmpties)
{
    gbtest::ScriptedUi ui;
    const QString dir = gbtest::makeTempDir();
    ui.folderAnswers = {dir, "/", dir + "/", "", dir + "/missing"};
    QString folder = "x";
    EXPECT_TRUE(selectFolder(nullptr, "Select folder to be used as base folder", "/tmp/", 0, &folder));
    EXPECT_EQ(folder, dir + "/");
    EXPECT_EQ(ui.dialogs[0].caption, "Select folder to be used as base folder");
    EXPECT_EQ(ui.dialogs[0].start, "/tmp/");
    EXPECT_TRUE(selectFolder(nullptr, "t", "", 0, &folder));
    EXPECT_EQ(folder, "/");
    EXPECT_TRUE(selectFolder(nullptr, "t", "", 0, &folder));
    EXPECT_EQ(folder, dir + "/");
    EXPECT_FALSE(selectFolder(nullptr, "t", "", 0, &folder));
    EXPECT_EQ(folder, "");
    EXPECT_FALSE(selectFolder(nullptr, "t", "", 0, &folder));
}

TEST(DirTv, RootAndDrivesThenOneLevelPerFirstDoubleClick)
{
    const QString dir = gbtest::makeTempDir("tree");
    QDir(dir).mkpath("b/inner");
    QDir(dir).mkdir("A");
    QDir(dir).mkdir("c");
    DirTv tree;
    tree.initTree();
    ASSERT_EQ(tree.topLevelItemCount(), 1);
    QTreeWidgetItem *root = tree.topLevelItem(0);
    EXPECT_EQ(root->text(0), "My Computer");
    EXPECT_EQ(DirTv::itemPath(root), "");
    EXPECT_TRUE(DirTv::itemFilled(root));
    ASSERT_GE(root->childCount(), 1);
    EXPECT_TRUE(root->child(0)->text(0).startsWith("Drive / ["));
    EXPECT_EQ(DirTv::itemPath(root->child(0)), "/");
    EXPECT_FALSE(DirTv::itemFilled(root->child(0)));

    tree.mouseDClick(root); // the root is filled from the start
    EXPECT_EQ(root->childCount(), tree.collectValidDrives().size());

    QTreeWidgetItem *item = openPath(tree, dir);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(childTexts(item), QStringList({"A", "b", "c"}));
    EXPECT_EQ(DirTv::itemPath(item->child(1)), dir + "/b/");
    tree.mouseDClick(item);
    EXPECT_EQ(item->childCount(), 3);
}

TEST(DirTv, NewAndRenameFolders)
{
    gbtest::ScriptedUi ui;
    const QString dir = gbtest::makeTempDir("edit");
    QDir(dir).mkpath("Pics/Old/kid");
    DirTv tree;
    tree.initTree();
    QTreeWidgetItem *pics = openPath(tree, dir + "/Pics");
    ASSERT_NE(pics, nullptr);
    QTreeWidgetItem *oldItem = pics->child(0);
    const QString oldName = DirTv::itemName(oldItem);

    // Nothing happens on the root or on a drive.
    tree.setCurrentItem(tree.topLevelItem(0));
    tree.newFolder();
    tree.renameFolder();
    tree.setCurrentItem(tree.topLevelItem(0)->child(0));
    tree.renameFolder();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // A new folder under an item never opened: it is filled with all its folders and expanded.
    tree.setCurrentItem(oldItem);
    gbtest::whenModal([](QDialog *d) {
        qobject_cast<GetNameWin *>(d)->nameEdit()->setText(" fresh ");
        qobject_cast<GetNameWin *>(d)->okButton()->click();
    });
    tree.newFolder();
    EXPECT_TRUE(QDir(dir + "/Pics/Old/fresh").exists());
    EXPECT_EQ(childTexts(oldItem), QStringList({"fresh", "kid"}));
    EXPECT_TRUE(DirTv::itemFilled(oldItem));
    EXPECT_TRUE(oldItem->isExpanded());

    // Rename keeps the identifier, changes text and path and reads the children again.
    gbtest::whenModal([](QDialog *d) {
        EXPECT_EQ(qobject_cast<GetNameWin *>(d)->nameEdit()->text(), "Old");
        qobject_cast<GetNameWin *>(d)->nameEdit()->setText("New");
        qobject_cast<GetNameWin *>(d)->okButton()->click();
    });
    tree.renameFolder();
    EXPECT_EQ(oldItem->text(0), "New");
    EXPECT_EQ(DirTv::itemPath(oldItem), dir + "/Pics/New/");
    EXPECT_EQ(DirTv::itemName(oldItem), oldName);
    EXPECT_EQ(DirTv::itemPath(oldItem->child(0)), dir + "/Pics/New/fresh/");
    EXPECT_TRUE(ui.boxes.empty());

    // Failures: an existing name is never replaced, an empty name creates nothing.
    QDir(dir).mkpath("Pics/Taken");
    gbtest::whenModal([](QDialog *d) {
        qobject_cast<GetNameWin *>(d)->nameEdit()->setText("Taken");
        qobject_cast<GetNameWin *>(d)->okButton()->click();
    });
    tree.renameFolder();
    gbtest::whenModal([](QDialog *d) { qobject_cast<GetNameWin *>(d)->okButton()->click(); });
    tree.newFolder();
    // A name holding "/" would move the folder elsewhere or create one below another.
    gbtest::whenModal([](QDialog *d) {
        qobject_cast<GetNameWin *>(d)->nameEdit()->setText("../Moved");
        qobject_cast<GetNameWin *>(d)->okButton()->click();
    });
    tree.renameFolder();
    gbtest::whenModal([](QDialog *d) {
        qobject_cast<GetNameWin *>(d)->nameEdit()->setText("fresh/deeper");
        qobject_cast<GetNameWin *>(d)->okButton()->click();
    });
    tree.newFolder();
    EXPECT_EQ(ui.boxTexts(), QStringList({"Unable to rename folder: " + dir + "/Pics/Taken",
                                          "Unable to create folder " + dir + "/Pics/New/",
                                          "Unable to rename folder: " + dir + "/Pics/../Moved",
                                          "Unable to create folder " + dir + "/Pics/New/fresh/deeper"}));
    EXPECT_TRUE(QDir(dir + "/Pics/New").exists());
    EXPECT_FALSE(QDir(dir + "/Moved").exists());
    EXPECT_FALSE(QDir(dir + "/Pics/New/fresh/deeper").exists());
    EXPECT_EQ(oldItem->text(0), "New");
}

TEST(GetDirWin, OkOnlyForAFolder)
{
    const QString dir = gbtest::makeTempDir("pick");
    GetDirWin win;
    EXPECT_EQ(win.windowTitle(), "Select Directory");
    EXPECT_FALSE(win.okButton()->isEnabled());
    DirTv *tree = win.dirTv();
    tree->setCurrentItem(tree->topLevelItem(0));
    EXPECT_FALSE(win.okButton()->isEnabled());
    EXPECT_EQ(win.curPath()->text(), "");
    QTreeWidgetItem *item = openPath(*tree, dir);
    ASSERT_NE(item, nullptr);
    tree->setCurrentItem(item);
    EXPECT_TRUE(win.okButton()->isEnabled());
    EXPECT_EQ(win.curPath()->text(), dir + "/");
    win.pbRefresh();
    EXPECT_FALSE(win.okButton()->isEnabled());
    tree->setCurrentItem(openPath(*tree, dir));
    win.okButton()->click();
    EXPECT_EQ(win.result(), 1);
    EXPECT_EQ(win.selectedDir(), dir + "/");
}
