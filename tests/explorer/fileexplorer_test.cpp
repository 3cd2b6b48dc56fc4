#include "explorer/customimagedimwin.h"
#include "explorer/fileexplorer.h"
#include "explorer/spacingwin.h"
#include "explorer/thumbsfilterwin.h"

#include "common/globals.h"
#include "common/registry.h"
#include "image/imagesave.h"
#include "image/imagethumbswin.h"
#include "image/wincaption.h"
#include "image/winsle.h"
#include "explorer/explorertree.h"
#include "support/scriptedui.h"
#include "support/testutil.h"
#include "support/modal.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMap>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <utime.h>

using namespace gb;

namespace {

bool writePng(const QString &path, int w = 32, int h = 24)
{
    return saveRgb2File(RgbImage::filled(w, h, 200, 40, 40), path, 4, 90, false, 0, 0);
}

void setDay(const QString &path, const QDate &day)
{
    struct utimbuf times;
    times.actime = times.modtime = QDateTime(day, QTime(12, 0)).toSecsSinceEpoch();
    ::utime(QFile::encodeName(path).constData(), &times);
}

// A folder with images of different names, types, sizes and days; ends with "/".
QString makeFolder(const QStringList &names)
{
    const QString dir = gbtest::makeTempDir("explore") + "/";
    int i = 0;
    for (const QString &n : names) {
        EXPECT_TRUE(writePng(dir + n, 20 + 10 * i, 20));
        setDay(dir + n, QDate(2002, 3, 1 + i));
        ++i;
    }
    return dir;
}

QStringList shown(const FileExplorer &e)
{
    QStringList out;
    for (const ThumbItem &item : e.oThumbs()->items())
        out << item.caption;
    return out;
}

using gbtest::selectFolder;

std::unique_ptr<FileExplorer> makeExplorer()
{
    auto e = std::make_unique<FileExplorer>(nullptr);
    e->setAttribute(Qt::WA_DeleteOnClose, false);
    e->resize(900, 600);
    e->show();
    return e;
}

} // namespace

TEST(FileExplorer, NewWindowIsEmptyWithItsDefaults)
{
    auto e = makeExplorer();
    EXPECT_EQ(e->windowTitle(), "Image Browser");
    EXPECT_EQ(e->statusTexts(), QStringList({"Files: 0", "Selected: 0", "Filter: No"}));
    for (int id : {15189, 15194, 15199})
        EXPECT_TRUE(e->menuItemChecked(id)) << id;
    for (int id : {15188, 15190, 15191, 15195, 15196, 15197, 15200})
        EXPECT_FALSE(e->menuItemChecked(id)) << id;
    EXPECT_EQ(e->oThumbs()->itemCounter(), 0);
    EXPECT_EQ(e->oThumbs()->vSpacing(), 5);
    // A menu following the marks gets the current ones, then the changes.
    QMap<int, bool> marks;
    e->connectMenuChecks([&](int id, bool on) { marks[id] = on; });
    EXPECT_TRUE(marks.value(15189));
    EXPECT_FALSE(marks.value(15188, true));
    e->smallThumbnails();
    EXPECT_TRUE(marks.value(15188));
    EXPECT_FALSE(marks.value(15189));
    EXPECT_EQ(e->oDirTree()->topLevelItem(0)->text(0), "My Computer");
    // Refresh before any folder was chosen does nothing.
    e->refreshThumbnails();
    EXPECT_EQ(e->oThumbs()->itemCounter(), 0);
}

TEST(FileExplorer, SelectingAFolderListsItsImagesSortedByName)
{
    const QString dir = makeFolder({"beach.JPG", "apple.gif", "Cat.png"});
    gbtest::writeFile(dir + "notes.txt", "x");
    QDir(dir).mkdir("sub.jpg");
    auto e = makeExplorer();
    selectFolder(*e, dir);
    EXPECT_EQ(e->windowTitle(), "Image Browser  [" + dir + "]");
    EXPECT_EQ(e->currentDir(), dir);
    EXPECT_EQ(shown(*e), QStringList({"apple.gif", "beach.JPG", "Cat.png"}));
    EXPECT_EQ(e->oThumbs()->items()[0].path, dir + "apple.gif");
    EXPECT_EQ(e->statusTexts(), QStringList({"Files: 3", "Selected: 0", "Filter: No"}));
    EXPECT_TRUE(e->oThumbs()->imageCell(0)->isVisible());

    e->arrangeByExtension();
    EXPECT_EQ(shown(*e), QStringList({"apple.gif", "beach.JPG", "Cat.png"}));
    EXPECT_TRUE(e->menuItemChecked(15195));
    EXPECT_FALSE(e->menuItemChecked(15194));
    e->descendingOrder();
    EXPECT_EQ(shown(*e), QStringList({"Cat.png", "beach.JPG", "apple.gif"}));
    EXPECT_TRUE(e->menuItemChecked(15200));
    e->arrangeByName();
    EXPECT_EQ(shown(*e), QStringList({"Cat.png", "beach.JPG", "apple.gif"}));
    e->arrangeBySize(); // sizes grow with the image width: apple, beach, Cat
    e->ascendingOrder();
    e->arrangeByDate();
    EXPECT_EQ(shown(*e), QStringList({"beach.JPG", "apple.gif", "Cat.png"}));
}

TEST(FileExplorer, SelectionIsCountedAndOnlyANewSortClearsIt)
{
    const QString dir = makeFolder({"a.png", "b.png", "c.png"});
    auto e = makeExplorer();
    selectFolder(*e, dir);
    QTest::mouseClick(e->oThumbs()->captionCell(0), Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseClick(e->oThumbs()->captionCell(2), Qt::LeftButton, Qt::ControlModifier, QPoint(4, 4));
    EXPECT_EQ(e->statusTexts()[1], "Selected: 2");
    e->arrangeByName(); // already the key: nothing happens, the selection survives
    EXPECT_EQ(e->oThumbs()->selCount(), 2);
    e->invertSelection();
    EXPECT_EQ(e->statusTexts()[1], "Selected: 1");
    e->selectAll();
    EXPECT_EQ(e->statusTexts()[1], "Selected: 3");
    e->arrangeBySize();
    EXPECT_EQ(e->statusTexts()[1], "Selected: 0");
    EXPECT_EQ(e->oThumbs()->selCount(), 0);
}

TEST(FileExplorer, FilterAppliesRemovesAndRemembers)
{
    const QString dir = makeFolder({"img_01.JPG", "IMG_02.gif", "photo.jpg", "clip.avi"});
    auto e = makeExplorer();
    selectFolder(*e, dir);
    EXPECT_TRUE(shown(*e).contains("clip.avi"));

    gbtest::whenModal([](QDialog *d) {
        auto *f = qobject_cast<ThumbsFilterWin *>(d);
        f->box("jpg")->setChecked(true);
        f->inFiles()->setText("IMG");
        f->applyButton()->click();
    });
    e->thumbnailsFilter();
    EXPECT_EQ(shown(*e), QStringList({"img_01.JPG"}));
    EXPECT_EQ(e->statusTexts(), QStringList({"Files: 1", "Selected: 0", "Filter: Yes"}));
    EXPECT_EQ(e->aFiles().size(), 4u);

    // Remove shows every file; the dialog offers the old values again.
    gbtest::whenModal([](QDialog *d) { qobject_cast<ThumbsFilterWin *>(d)->removeButton()->click(); });
    e->thumbnailsFilter();
    EXPECT_EQ(shown(*e).size(), 4);
    EXPECT_EQ(e->statusTexts()[2], "Filter: No");
    bool offered = false;
    gbtest::whenModal([&](QDialog *d) {
        auto *f = qobject_cast<ThumbsFilterWin *>(d);
        offered = f->box("jpg")->isChecked() && f->inFiles()->text() == "IMG";
        f->cancelButton()->click();
    });
    e->thumbnailsFilter();
    EXPECT_TRUE(offered);
    EXPECT_EQ(shown(*e).size(), 4);

    // One day for both dates shows exactly the files of that day; the filter stays on across folders.
    gbtest::whenModal([](QDialog *d) {
        auto *f = qobject_cast<ThumbsFilterWin *>(d);
        f->box("jpg")->setChecked(false);
        f->inFiles()->clear();
        f->setModifiedAfter(QDate(2002, 3, 2));
        f->setModifiedBefore(QDate(2002, 3, 2));
        f->applyButton()->click();
    });
    e->thumbnailsFilter();
    EXPECT_EQ(shown(*e), QStringList({"IMG_02.gif"}));
    e->refreshThumbnails();
    EXPECT_EQ(shown(*e), QStringList({"IMG_02.gif"}));
}

TEST(FileExplorer, SizeAndSpacingDialogsApplyOnlySensibleValues)
{
    gbtest::ScriptedUi ui;
    const QString dir = makeFolder({"a.png"});
    auto e = makeExplorer();
    selectFolder(*e, dir);
    auto answer = [](const char *w, const char *h) {
        gbtest::whenModal([w, h](QDialog *d) {
            auto *c = qobject_cast<CustomImageDimWin *>(d);
            c->widthEdit()->setText(w);
            c->heightEdit()->setText(h);
            c->okButton()->click();
        });
    };
    answer("10", "200");
    e->userDefinedThumbnails();
    EXPECT_EQ(e->oThumbs()->sizeMode(), ImageThumbsWin::NormalSize);
    EXPECT_FALSE(e->menuItemChecked(15191));
    answer("11", "11");
    e->userDefinedThumbnails();
    EXPECT_EQ(e->oThumbs()->boxWidth(), 11);
    EXPECT_TRUE(e->menuItemChecked(15191));
    EXPECT_FALSE(e->menuItemChecked(15189));

    e->largeThumbnails();
    EXPECT_EQ(e->oThumbs()->boxWidth(), 150);
    EXPECT_TRUE(e->menuItemChecked(15190));
    EXPECT_FALSE(e->menuItemChecked(15191));

    gbtest::whenModal([](QDialog *d) {
        auto *s = qobject_cast<SpacingWin *>(d);
        s->ver()->setText("20");
        s->okButton()->click();
    });
    e->thumbnailsSpacing();
    EXPECT_EQ(e->oThumbs()->vSpacing(), 10);
    gbtest::whenModal([](QDialog *d) {
        auto *s = qobject_cast<SpacingWin *>(d);
        s->ver()->setText("20");
        s->hor()->setText("7");
        s->okButton()->click();
    });
    e->thumbnailsSpacing();
    EXPECT_EQ(e->oThumbs()->vSpacing(), 20);
    EXPECT_EQ(e->oThumbs()->hSpacing(), 7);
    // Size and spacing keep the list and the selection.
    EXPECT_EQ(shown(*e), QStringList({"a.png"}));
    EXPECT_TRUE(ui.boxes.empty());

    // A spacing that leaves no room for a thumbnail is refused and the dialog stays open.
    bool stayedOpen = false;
    gbtest::whenModal([&](QDialog *d) {
        auto *s = qobject_cast<SpacingWin *>(d);
        s->ver()->setText("999");
        s->hor()->setText("999");
        s->okButton()->click();
        stayedOpen = s->isVisible();
        s->cancelButton()->click();
    });
    e->thumbnailsSpacing();
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_TRUE(ui.boxes[0].text.startsWith("Spacing must not exceed "));
    EXPECT_EQ(e->oThumbs()->hSpacing(), 7);
    EXPECT_EQ(shown(*e), QStringList({"a.png"}));
}

TEST(FileExplorer, RootSelectionKeepsTheGridAndVanishedFoldersEmptyIt)
{
    const QString dir = makeFolder({"a.png", "b.png"});
    auto e = makeExplorer();
    selectFolder(*e, dir);
    e->oDirTree()->setCurrentItem(e->oDirTree()->topLevelItem(0));
    EXPECT_EQ(e->windowTitle(), "Image Browser  []");
    EXPECT_EQ(e->currentDir(), "");
    EXPECT_EQ(shown(*e).size(), 2);
    e->refreshThumbnails();
    EXPECT_EQ(shown(*e).size(), 2);

    // A file deleted while shown: its viewer says so and closes.
    {
        gbtest::ScriptedUi ui;
        QFile::remove(dir + "a.png");
        QTest::mouseClick(e->oThumbs()->imageCell(0), Qt::LeftButton, {}, QPoint(40, 40));
        EXPECT_EQ(ui.boxTexts(), QStringList({"[" + dir + "a.png] Unsupported format or corrupted file."}));
        e->newPathSelected(dir);
        EXPECT_EQ(shown(*e), QStringList({"b.png"}));
    }

    QDir(dir).removeRecursively();
    e->newPathSelected(dir);
    EXPECT_EQ(e->oThumbs()->itemCounter(), 0);
    EXPECT_EQ(e->statusTexts()[0], "Files: 0");
}

TEST(FileExplorer, BigFoldersDecodeOnlyTheVisiblePage)
{
    const QString dir = gbtest::makeTempDir("big") + "/";
    ASSERT_TRUE(writePng(dir + "model.png"));
    const QByteArray bytes = gbtest::readFile(dir + "model.png");
    for (int i = 0; i < 10000; ++i)
        gbtest::writeFile(dir + QString("p%1.png").arg(i, 5, 10, QChar('0')), bytes);
    auto e = makeExplorer();
    e->newPathSelected(dir);
    EXPECT_EQ(e->statusTexts()[0], "Files: 10001");
    EXPECT_EQ(e->oThumbs()->thumbnailsMade(), e->oThumbs()->cellCount());
    e->nextPage();
    EXPECT_EQ(e->oThumbs()->firstItem(), e->oThumbs()->curRows() * e->oThumbs()->curColumns() + 1);
    e->previousPage();
    EXPECT_EQ(e->oThumbs()->firstItem(), 1);
}

TEST(FileExplorer, ClosingOrChangingFolderWhileThePageFillsIsSafe)
{
    QStringList names;
    for (int i = 0; i < 30; ++i)
        names << QString("n%1.png").arg(i, 2, 10, QChar('0'));
    const QString dir = makeFolder(names);
    const QString other = makeFolder({"x.png"});
    {
        auto e = makeExplorer();
        QTimer::singleShot(0, e.get(), [&] { e->newPathSelected(other); });
        e->newPathSelected(dir);
        EXPECT_EQ(shown(*e), QStringList({"x.png"}));
        EXPECT_EQ(e->statusTexts()[0], "Files: 1");
    }
    {
        // Another folder picked in the tree while the page fills is the one that stays current.
        auto e = makeExplorer();
        selectFolder(*e, other);
        QTreeWidgetItem *otherItem = e->oDirTree()->currentItem();
        QTimer::singleShot(0, e.get(), [&] { e->oDirTree()->setCurrentItem(otherItem); });
        selectFolder(*e, dir);
        EXPECT_EQ(e->oDirTree()->currentItem(), otherItem);
        EXPECT_EQ(e->currentDir(), other);
        EXPECT_EQ(e->windowTitle(), "Image Browser  [" + other + "]");
        EXPECT_EQ(shown(*e), QStringList({"x.png"}));
    }
    {
        QPointer<FileExplorer> e = new FileExplorer(nullptr);
        e->resize(900, 600);
        e->show();
        QTimer::singleShot(0, e.data(), [&] { e->closeExplorer(); });
        e->newPathSelected(dir);
        ASSERT_FALSE(e.isNull());
        EXPECT_LE(e->oThumbs()->thumbnailsMade(), 1); // the fill stopped at its first cell
        EXPECT_EQ(e->oThumbs()->itemCounter(), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(e.isNull());
    }
    {
        QPointer<FileExplorer> e = new FileExplorer(nullptr);
        e->resize(900, 600);
        e->show();
        QTimer::singleShot(0, e.data(), [&] { delete e.data(); });
        e->newPathSelected(dir);
        EXPECT_TRUE(e.isNull());
    }
}

// Listing a folder and sorting its files run on a worker while the window serves events:
// an event queued before is handled while the grid still shows the list before. An order
// chosen while a folder is listed applies to that folder.
TEST(FileExplorer, ListingAndSortingServeEvents)
{
    ASSERT_TRUE(kvtSetRtRegInt("General Options", "Worker Threads", 4));
    const QString dir = makeFolder({"a.png", "b.png", "c.png"});
    auto e = makeExplorer();
    int itemsWhenServed = -1;
    QTimer::singleShot(0, [&] { itemsWhenServed = e->oThumbs()->itemCounter(); });
    e->newPathSelected(dir);
    EXPECT_EQ(itemsWhenServed, 0);
    EXPECT_EQ(shown(*e), QStringList({"a.png", "b.png", "c.png"}));

    QStringList shownWhenServed;
    QTimer::singleShot(0, [&] { shownWhenServed = shown(*e); });
    e->descendingOrder();
    EXPECT_EQ(shownWhenServed, QStringList({"a.png", "b.png", "c.png"}));
    EXPECT_EQ(shown(*e), QStringList({"c.png", "b.png", "a.png"}));

    e->ascendingOrder();
    QTimer::singleShot(0, [&] { e->descendingOrder(); });
    e->newPathSelected(dir);
    EXPECT_EQ(shown(*e), QStringList({"c.png", "b.png", "a.png"}));
    EXPECT_EQ(e->statusTexts()[0], "Files: 3");
    EXPECT_TRUE(kvtSetRtRegInt("General Options", "Worker Threads", 0));
}

TEST(FileExplorer, ClosingStoresThePlacement)
{
    QWidget shell;
    auto *area = new QMdiArea(&shell);
    area->resize(1000, 800);
    shell.resize(1000, 800);
    shell.show();
    {
        auto *e = new FileExplorer(&shell);
        QMdiSubWindow *sub = area->addSubWindow(e);
        sub->showMaximized();
        sub->close();
        EXPECT_EQ(kvtQueryRtRegInt("Window", "ExplorerZoomed"), 2);
        EXPECT_EQ(kvtQueryRtRegInt("Window", "ExplorerIconic"), 1);
    }
    {
        auto *e = new FileExplorer(&shell);
        QMdiSubWindow *sub = area->addSubWindow(e);
        sub->setGeometry(-40, 30, 500, 400);
        sub->show();
        e->closeExplorer();
        EXPECT_EQ(kvtQueryRtRegInt("Window", "ExplorerX"), 0);
        EXPECT_EQ(kvtQueryRtRegInt("Window", "ExplorerY"), 30);
        EXPECT_EQ(kvtQueryRtRegInt("Window", "ExplorerW"), 500);
        EXPECT_EQ(kvtQueryRtRegInt("Window", "ExplorerH"), 400);
        EXPECT_EQ(kvtQueryRtRegInt("Window", "ExplorerZoomed"), 1);
    }
}

namespace {
// A tree whose only drive is a test folder.
class FolderTree : public DirTree
{
public:
    FolderTree(DirTreeOwner *owner, QString drive)
        : DirTree(nullptr, owner), mDrive(std::move(drive))
    {
    }
    QStringList collectValidDrives() const override { return {mDrive}; }
    QString mDrive;
};

struct Owner : DirTreeOwner {
    QStringList calls;
    void setCaption(const QString &c) override { calls << "caption " + c; }
    void newPathSelected(const QString &p) override { calls << "scan " + p; }
    void setCurrentDir(const QString &p) override { calls << "dir " + p; }
};
} // namespace

TEST(DirTree, WholeTreeWhenTheFoldersOptionIsOff)
{
    gbtest::ScriptedUi ui;
    const QString dir = gbtest::makeTempDir("whole") + "/";
    QDir(dir).mkpath("a/deep/er");
    QDir(dir).mkpath("b");
    QFile::link(dir + "a", dir + "b/loop");
    Owner owner;
    FolderTree tree(&owner, dir);
    ui.boxes.clear();
    glFoldersOption = false;
    tree.buildInitialTree();
    glFoldersOption = true;
    QTreeWidgetItem *drive = tree.topLevelItem(0)->child(0);
    // The test folder is no mount point: its label cannot be read, it shows empty brackets.
    EXPECT_EQ(drive->text(0), "Drive " + dir + " []");
    EXPECT_EQ(ui.boxes.size(), 1u);
    EXPECT_TRUE(DirTv::itemFilled(drive));
    ASSERT_EQ(drive->childCount(), 2);
    QTreeWidgetItem *deep = drive->child(0)->child(0);
    EXPECT_EQ(DirTv::itemPath(deep->child(0)), dir + "a/deep/er/");
    EXPECT_TRUE(DirTv::itemFilled(deep->child(0)));
    EXPECT_EQ(drive->child(1)->childCount(), 0); // the link is not followed
    EXPECT_TRUE(owner.calls.isEmpty());

    tree.setCurrentItem(deep);
    EXPECT_EQ(owner.calls, QStringList({"caption Image Browser  [" + dir + "a/deep/]", "scan " + dir + "a/deep/",
                                        "dir " + dir + "a/deep/"}));
    owner.calls.clear();
    tree.setCurrentItem(tree.topLevelItem(0));
    EXPECT_EQ(owner.calls, QStringList({"caption Image Browser  []", "scan ", "dir "}));

    // Lazily: a double click on the drive reads one level, the second adds nothing.
    FolderTree lazy(&owner, dir);
    lazy.buildInitialTree();
    QTreeWidgetItem *d = lazy.topLevelItem(0)->child(0);
    EXPECT_EQ(d->childCount(), 0);
    lazy.mouseDClick(d);
    lazy.mouseDClick(d);
    EXPECT_EQ(d->childCount(), 2);
    EXPECT_EQ(d->child(0)->childCount(), 0);
}
