// The image explorer and the viewer inside the main window, driven as a user drives them:
// maximised, tiled, grown, clicked.

#include "app/helpaboutwin.h"
#include "app/mainshellwindow.h"
#include "app/mdibackground.h"
#include "app/tools.h"
#include "common/registry.h"
#include "explorer/fileexplorer.h"
#include "image/imagesave.h"
#include "image/imagethumbswin.h"
#include "image/viewerwin.h"
#include "image/wincaption.h"
#include "image/winsle.h"
#include "explorer/explorertree.h"
#include "mainwindowfixture.h"
#include "support/scriptedui.h"
#include "support/testutil.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

using namespace gb;

namespace {

// A folder of n small images, ending with "/".
QString makeFolder(int n)
{
    const QString dir = gbtest::makeTempDir("explorerwin") + "/";
    for (int i = 1; i <= n; ++i)
        EXPECT_TRUE(saveRgb2File(RgbImage::filled(60 + i, 40, 30 * (i % 8), 90, 160),
                                 dir + QString("img%1.png").arg(i, 2, 10, QChar('0')), 4, 90, false, 0, 0));
    return dir;
}

using gbtest::look;
using gbtest::settle;

void selectFolder(FileExplorer &e, const QString &folder)
{
    gbtest::selectFolder(e, folder);
    settle();
}

QList<ViewerWin *> viewers(MainShellWindow &main)
{
    QList<ViewerWin *> out;
    for (const QPointer<QWidget> &w : main.childList())
        if (auto *v = qobject_cast<ViewerWin *>(w.data()))
            out << v;
    return out;
}

// What the screen shows of a widget, as painted (not painted again for the asking).
QImage onScreen(QWidget *w)
{
    const QPoint at = w->mapToGlobal(QPoint(0, 0));
    return QApplication::primaryScreen()->grabWindow(0, at.x(), at.y(), w->width(), w->height()).toImage();
}

// The background of the main window (rows of red 0) seen through a window is a hole.
bool showsBackground(const QImage &shot, QPoint p)
{
    return shot.valid(p) && shot.pixelColor(p).red() == 0;
}

// Every cell the grid's size offers for the page shows its item: thumbnail, path and caption;
// on the screen, neither a cell nor the folder tree beside the grid shows a hole.
void expectEveryCellFilled(FileExplorer &e, const char *when)
{
    SCOPED_TRACE(when);
    const ImageThumbsWin &grid = *e.oThumbs();
    const QImage shot = onScreen(&e);
    DirTree *tree = e.oDirTree();
    EXPECT_FALSE(showsBackground(shot, tree->mapTo(&e, QPoint(tree->width() - 30, tree->height() - 30))))
        << "folder tree";
    for (int i = 0; i < grid.cellCount(); ++i)
        EXPECT_FALSE(showsBackground(shot, grid.imageCell(i)->mapTo(&e, QPoint(2, 2)))) << "cell " << i;
    int rows = 0, columns = 0, total = 0;
    grid.calculateRows_Cols(rows, columns, total);
    const int onPage = std::min(rows * columns, grid.itemCounter() - grid.firstItem() + 1);
    ASSERT_GT(onPage, 0);
    ASSERT_GE(grid.cellCount(), onPage);
    for (int i = 0; i < onPage; ++i) {
        const ThumbItem &item = grid.items()[size_t(grid.firstItem() - 1 + i)];
        EXPECT_TRUE(grid.imageCell(i)->isVisible()) << i;
        EXPECT_TRUE(grid.imageCell(i)->hasThumb()) << i;
        EXPECT_EQ(grid.imageCell(i)->filePath(), item.path) << i;
        EXPECT_TRUE(grid.captionCell(i)->isVisible()) << i;
        EXPECT_EQ(grid.captionCell(i)->captionText(), item.caption) << i;
        // Each cell lies inside the grid, left of its scroll bar.
        EXPECT_TRUE(grid.rect().contains(grid.imageCell(i)->geometry())) << i;
    }
}

class ExplorerWindows : public gbtest::MainWindowTest
{
protected:
    FileExplorer *openExplorer()
    {
        mMain->browseImages();
        settle();
        for (const QPointer<QWidget> &w : mMain->childList())
            if (auto *e = qobject_cast<FileExplorer *>(w.data()))
                return e;
        return nullptr;
    }
    // An explorer showing a new folder of that many small images.
    FileExplorer *openExplorerOn(int images)
    {
        const QString folder = makeFolder(images);
        FileExplorer *e = openExplorer();
        if (e)
            selectFolder(*e, folder);
        return e;
    }
    static QMdiSubWindow *frameOf(QWidget *w) { return qobject_cast<QMdiSubWindow *>(w->parentWidget()); }
};

} // namespace

// A click on a thumbnail opens the viewer; nothing the opening does to the windows may take
// away the cell that is still handling the click, maximised or tiled.
TEST_F(ExplorerWindows, ClickingEveryCellOfAMaximisedOrTiledExplorerOpensItsViewer)
{
    FileExplorer *e = openExplorerOn(40);
    ASSERT_NE(e, nullptr);
    QPointer<QMdiSubWindow> frame = frameOf(e);
    ASSERT_NE(frame, nullptr);

    for (const char *arrangement : {"maximised", "tiled"}) {
        SCOPED_TRACE(arrangement);
        if (QString(arrangement) == "maximised")
            frame->showMaximized();
        else
            mMain->windowTile();
        settle();
        ImageThumbsWin *grid = e->oThumbs();
        const int cells = grid->cellCount();
        ASSERT_GT(cells, 8);
        for (int i = 0; i < cells; ++i) {
            QPointer<WinSle> cell = grid->imageCell(i);
            const QString path = cell->filePath();
            QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(20, 20));
            settle();
            ASSERT_FALSE(frame.isNull());
            ASSERT_FALSE(cell.isNull()) << i;
            const QList<ViewerWin *> open = viewers(*mMain);
            ASSERT_EQ(open.size(), 1) << i;
            if (i == cells - 1)
                look(QString("click-%1").arg(arrangement));
            EXPECT_EQ(open[0]->file(), path);
            // The explorer keeps its state and its page.
            EXPECT_EQ(frame->isMaximized(), QString(arrangement) == "maximised") << i;
            EXPECT_EQ(grid->cellCount(), cells) << i;
            open[0]->subWindow()->close();
            settle();
        }
    }
}

TEST_F(ExplorerWindows, TheViewerOpensFixedAndCentredOverAMaximisedExplorer)
{
    FileExplorer *e = openExplorerOn(3);
    ASSERT_NE(e, nullptr);
    QMdiSubWindow *frame = frameOf(e);
    frame->showMaximized();
    settle();

    QTest::mouseClick(e->oThumbs()->imageCell(1), Qt::LeftButton, {}, QPoint(20, 20));
    settle();
    ASSERT_EQ(viewers(*mMain).size(), 1);
    look("viewer-over-maximised");
    ViewerWin *v = viewers(*mMain)[0];
    QMdiSubWindow *vf = v->subWindow();
    ASSERT_NE(vf, nullptr);
    EXPECT_TRUE(frame->isMaximized());
    EXPECT_FALSE(vf->isMaximized());
    EXPECT_FALSE(vf->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(vf->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(mMain->mdiArea()->activeSubWindow(), vf);
    // Sized to the picture (62 x 40 at 100%), widened for the step and size of its caption,
    // and centred in the area.
    EXPECT_EQ(QSize(v->viewWidth(), v->viewHeight()), QSize(62, 40));
    EXPECT_EQ(v->height(), 40);
    EXPECT_GT(v->width(), 62);
    EXPECT_EQ(vf->size(), v->windowSize());
    const QSize area = mMain->mdiArea()->viewport()->size();
    EXPECT_NEAR(vf->x(), (area.width() - 5 - vf->width()) / 2, 1);
    EXPECT_NEAR(vf->y(), (area.height() - vf->height()) / 2, 1);

    // Zoom clicks leave both windows as they are; a maximise request is refused.
    QTest::mouseClick(v, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(5, 5));
    settle();
    EXPECT_TRUE(frame->isMaximized());
    EXPECT_FALSE(vf->isMaximized());
    EXPECT_EQ(v->step(), 1);
    vf->showMaximized();
    settle();
    EXPECT_FALSE(vf->isMaximized());
    EXPECT_EQ(vf->size(), v->windowSize());

    // Back in the explorer, it is still maximised, and so is a second explorer opened from it:
    // a maximised frame passes its state on to the next window that can take it.
    mMain->mdiArea()->setActiveSubWindow(frame);
    settle();
    EXPECT_TRUE(frame->isMaximized());
    auto *other = new QWidget;
    QMdiSubWindow *otherFrame = mMain->addMdiChild(other);
    otherFrame->show();
    settle();
    EXPECT_TRUE(otherFrame->isMaximized());
    EXPECT_FALSE(frame->isMaximized());
}

// Closing the main window closes its children, which activate one another on the way out;
// none of that may reach the half-destroyed main window (it did, and crashed).
TEST_F(ExplorerWindows, DestroyingTheMainWindowWithChildrenOpenIsSafe)
{
    FileExplorer *e = openExplorerOn(3);
    ASSERT_NE(e, nullptr);
    frameOf(e)->showMaximized();
    openExplorer();
    QTest::mouseClick(e->oThumbs()->imageCell(0), Qt::LeftButton, {}, QPoint(20, 20));
    settle();
    ASSERT_EQ(mMain->mdiArea()->subWindowList().size(), 3);
    QPointer<FileExplorer> alive(e);
    mMain.reset();
    EXPECT_TRUE(alive.isNull());
}

// Growing the explorer lays the grid out again and fills every newly visible cell.
TEST_F(ExplorerWindows, GrowingTheExplorerFillsEveryVisibleCell)
{
    const QString folder = makeFolder(60);
    FileExplorer *e = openExplorer();
    ASSERT_NE(e, nullptr);
    QMdiSubWindow *frame = frameOf(e);
    frame->resize(500, 400);
    settle();
    selectFolder(*e, folder);
    look("grow-1-small");
    expectEveryCellFilled(*e, "small");
    const int small = e->oThumbs()->cellCount();

    frame->showMaximized();
    settle();
    look("grow-2-maximised");
    expectEveryCellFilled(*e, "maximised");
    EXPECT_GT(e->oThumbs()->cellCount(), small);

    frame->showNormal();
    settle();
    frame->resize(500, 400);
    settle();
    frame->resize(1000, 800); // the corner dragged larger
    settle();
    look("grow-3-larger");
    expectEveryCellFilled(*e, "dragged larger");

    mMain->windowTile();
    settle();
    look("grow-4-tiled");
    expectEveryCellFilled(*e, "tiled");
    mMain->arrangeHorizontal();
    settle();
    look("grow-5-arranged");
    expectEveryCellFilled(*e, "arranged");
}

// Cascade, Tile and Arrange place the viewer but keep it the size of its picture; a new
// explorer comes last in the cascade, in front.
TEST_F(ExplorerWindows, ArrangingKeepsTheViewerAtItsPictureSize)
{
    FileExplorer *e = openExplorerOn(2);
    ASSERT_NE(e, nullptr);
    QTest::mouseClick(e->oThumbs()->imageCell(0), Qt::LeftButton, {}, QPoint(20, 20));
    settle();
    ASSERT_EQ(viewers(*mMain).size(), 1);
    ViewerWin *v = viewers(*mMain)[0];
    const QSize picture = v->windowSize();
    const QSize viewer = v->size();
    ASSERT_EQ(v->subWindow()->size(), picture);
    for (const char *command : {"windowTile", "arrangeHorizontal", "windowCascade"}) {
        QMetaObject::invokeMethod(mMain.get(), command);
        settle();
        EXPECT_EQ(v->subWindow()->size(), picture) << command;
        EXPECT_EQ(v->size(), viewer) << command;
        EXPECT_EQ(QSize(v->viewWidth(), v->viewHeight()), QSize(v->imageWidth(), v->imageHeight())) << command;
    }
    mMain->browseImages();
    settle();
    QMdiSubWindow *newest = mMain->mdiArea()->activeSubWindow();
    ASSERT_NE(newest, nullptr);
    EXPECT_TRUE(qobject_cast<FileExplorer *>(newest->widget()));
    EXPECT_NE(newest, frameOf(e));
    const int step = mMain->mdiArea()->cascadeStep();
    EXPECT_EQ(newest->pos(), QPoint(2 * step, 2 * step));
    EXPECT_EQ(newest->size(), frameOf(e)->size());
}

// The explorer opens cascaded at the size the cascade gives, whatever the stored placement;
// the Cascade command gives the same size again.
TEST_F(ExplorerWindows, TheExplorerOpensAtTheCascadeSizeWhateverIsStored)
{
    struct Stored {
        int x, y, w, h, zoomed;
    };
    const QSize area = mMain->mdiArea()->viewport()->size();
    for (const Stored s : {Stored{0, 0, 0, 0, 0}, Stored{30, 40, 1600, 909, 1}, Stored{5, 5, 300, 200, 2}}) {
        SCOPED_TRACE(s.w);
        kvtSetRtRegInt("Window", "ExplorerX", s.x);
        kvtSetRtRegInt("Window", "ExplorerY", s.y);
        kvtSetRtRegInt("Window", "ExplorerW", s.w);
        kvtSetRtRegInt("Window", "ExplorerH", s.h);
        kvtSetRtRegInt("Window", "ExplorerZoomed", s.zoomed);
        FileExplorer *e = openExplorer();
        ASSERT_NE(e, nullptr);
        QMdiSubWindow *frame = frameOf(e);
        EXPECT_FALSE(frame->isMaximized());
        EXPECT_EQ(frame->pos(), QPoint(0, 0));
        // Large: most of the area, never beyond it.
        EXPECT_GT(frame->width(), area.width() / 2);
        EXPECT_GT(frame->height(), area.height() / 2);
        EXPECT_TRUE(QRect(QPoint(0, 0), area).contains(frame->geometry()));
        look(QString("opened-%1").arg(s.w));

        const QSize opened = frame->size();
        frame->resize(250, 200);
        mMain->windowCascade();
        settle();
        EXPECT_EQ(frame->size(), opened);
        mMain->closeAll();
        settle();
    }
}

// The main window made smaller than the explorer in it (one cascaded in a larger frame): the
// workspace scrolls to every edge of the explorer and back; maximised, it needs no bars.
TEST_F(ExplorerWindows, AShrunkMainWindowScrollsToEveryEdgeOfItsChildren)
{
    FileExplorer *e = openExplorerOn(30);
    ASSERT_NE(e, nullptr);
    QMdiSubWindow *frame = frameOf(e);
    frame->setGeometry(0, 0, 1320, 860);
    mMain->showNormal();
    mMain->resize(1200, 800);
    settle();
    MdiBackground *area = mMain->mdiArea();
    QScrollBar *across = area->horizontalScrollBar();
    QScrollBar *down = area->verticalScrollBar();
    ASSERT_TRUE(across->isVisible());
    ASSERT_TRUE(down->isVisible());
    const QRect inSight = area->viewport()->rect();
    EXPECT_EQ(frame->pos(), QPoint(0, 0));
    look("shrunk-1-top-left");

    // Each bar at its end brings the explorer's right and bottom edges into sight.
    across->triggerAction(QAbstractSlider::SliderToMaximum);
    down->triggerAction(QAbstractSlider::SliderToMaximum);
    settle();
    EXPECT_EQ(frame->geometry().right(), inSight.right());
    EXPECT_EQ(frame->geometry().bottom(), inSight.bottom());
    const QRect grid = QRect(e->oThumbs()->mapTo(area->viewport(), QPoint(0, 0)), e->oThumbs()->size());
    EXPECT_TRUE(inSight.contains(grid.bottomRight())) << "the grid's far corner";
    look("shrunk-2-bottom-right");

    across->triggerAction(QAbstractSlider::SliderToMinimum);
    down->triggerAction(QAbstractSlider::SliderToMinimum);
    settle();
    EXPECT_EQ(frame->pos(), QPoint(0, 0));

    frame->showMaximized();
    settle();
    EXPECT_FALSE(across->isVisible());
    EXPECT_FALSE(down->isVisible());
    EXPECT_EQ(frame->size(), area->viewport()->size());
}

// Until a folder is chosen the explorer's caption is its plain name, even once its tree has
// the keys.
TEST_F(ExplorerWindows, TheCaptionNamesNoFolderBeforeOneIsChosen)
{
    FileExplorer *e = openExplorer();
    ASSERT_NE(e, nullptr);
    mMain->activateWindow();
    QApplication::setActiveWindow(mMain.get());
    mMain->mdiArea()->setActiveSubWindow(frameOf(e));
    e->oDirTree()->setFocus(Qt::TabFocusReason);
    settle();
    EXPECT_EQ(e->windowTitle(), "Image Browser");
    EXPECT_TRUE(e->currentDir().isEmpty());
}

// A click in the grid gives it the keys, so arrows no longer move the folder tree; the wheel
// and the keys move the page by rows; Right and Enter open a folder not yet read.
TEST_F(ExplorerWindows, KeysAndWheelGoWhereTheUserPoints)
{
    const QString folder = makeFolder(60);
    QDir(folder).mkpath("deep/deeper/deepest");
    QDir(folder).mkpath("other/inside");
    FileExplorer *e = openExplorer();
    ASSERT_NE(e, nullptr);
    QApplication::setActiveWindow(mMain.get());
    selectFolder(*e, folder);
    ImageThumbsWin *grid = e->oThumbs();
    ASSERT_GT(grid->totalRows(), grid->curRows() + 2);

    QTest::mouseClick(grid->captionCell(1), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(QApplication::focusWidget(), grid);
    EXPECT_EQ(grid->selCount(), 1);
    QTreeWidgetItem *folderItem = e->oDirTree()->currentItem();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    settle();
    EXPECT_EQ(e->oDirTree()->currentItem(), folderItem);
    EXPECT_EQ(grid->selCount(), 1);
    EXPECT_EQ(grid->vScrollBar()->value(), 2);
    EXPECT_EQ(grid->firstItem(), grid->curColumns() + 1);
    QTest::keyClick(grid, Qt::Key_Home);
    settle();
    EXPECT_EQ(grid->firstItem(), 1);

    // Two notches down, then one up (over a cell the window system hands the wheel on to the
    // grid, as the cells leave it alone).
    const auto wheel = [](QWidget *w, int delta) {
        QWheelEvent event(QPointF(10, 10), w->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &event);
        settle();
    };
    wheel(grid, -240);
    EXPECT_EQ(grid->vScrollBar()->value(), 3);
    EXPECT_EQ(grid->firstItem(), 2 * grid->curColumns() + 1);
    wheel(grid, 120);
    EXPECT_EQ(grid->vScrollBar()->value(), 2);
    EXPECT_TRUE(grid->imageCell(0)->hasThumb());

    // The tree: Right and Enter read a folder the first time.
    DirTree *tree = e->oDirTree();
    QTreeWidgetItem *deep = nullptr, *other = nullptr;
    for (int i = 0; i < folderItem->childCount(); ++i) {
        if (folderItem->child(i)->text(0) == "deep")
            deep = folderItem->child(i);
        if (folderItem->child(i)->text(0) == "other")
            other = folderItem->child(i);
    }
    ASSERT_TRUE(deep && other);
    ASSERT_FALSE(DirTv::itemFilled(deep));
    tree->setFocus();
    tree->setCurrentItem(deep);
    QTest::keyClick(tree, Qt::Key_Right);
    EXPECT_TRUE(DirTv::itemFilled(deep));
    ASSERT_EQ(deep->childCount(), 1);
    EXPECT_TRUE(deep->isExpanded());
    tree->setCurrentItem(other);
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_TRUE(DirTv::itemFilled(other));
    EXPECT_EQ(other->childCount(), 1);
    EXPECT_TRUE(other->isExpanded());
}

// The wheel scrolls the viewer's picture when it is larger than the window.
TEST_F(ExplorerWindows, TheWheelScrollsTheViewersPicture)
{
    const QString dir = gbtest::makeTempDir("bigpicture");
    const QString file = dir + "/big.png";
    ASSERT_TRUE(saveRgb2File(RgbImage::filled(1400, 1200, 10, 120, 50), file, 4, 90, false, 0, 0));
    auto *v = new ViewerWin(mMain.get(), file);
    settle();
    ASSERT_TRUE(v->ready());
    while (v->step() > 1) // up to 100%, which needs both bars
        QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_NE(v->verticalBar(), nullptr);
    QWheelEvent down(QPointF(10, 10), v->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -240), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(v, &down);
    EXPECT_GT(v->offsetY(), 1);
    EXPECT_EQ(v->offsetX(), 1);
    const int y = v->offsetY();
    QWheelEvent across(QPointF(10, 10), v->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120), Qt::NoButton,
                       Qt::ShiftModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(v, &across);
    EXPECT_GT(v->offsetX(), 1);
    EXPECT_EQ(v->offsetY(), y);
    v->subWindow()->close();
}

// The support files shipped with the program: the contact page the Help menu opens, and a
// help page with a section for every topic the windows ask for.
TEST_F(ExplorerWindows, TheShippedContactPageAndHelpTopics)
{
    const QString shipped = QStringLiteral(GB_SHIPPED_SUPPORT);
    const QByteArray contact = gbtest::readFile(shipped + "contactkvt.htm");
    ASSERT_FALSE(contact.isEmpty());
    EXPECT_TRUE(contact.contains(MainShellWindow::webAddress().toUtf8()));
    EXPECT_TRUE(contact.contains(HelpAboutWin::emailAddress().toUtf8()));
    const QString home = gbtest::makeTempDir("shippedhome");
    QDir().mkpath(home + "/support");
    ASSERT_TRUE(QFile::copy(shipped + "contactkvt.htm", home + "/support/contactkvt.htm"));
    const QByteArray oldHome = qgetenv("GLIMMERBOX_HOME");
    qputenv("GLIMMERBOX_HOME", home.toUtf8());
    mMain->contactKvt();
    qputenv("GLIMMERBOX_HOME", oldHome);
    EXPECT_TRUE(mUi.boxes.empty());
    ASSERT_EQ(mUi.urls.size(), 1);
    EXPECT_TRUE(mUi.urls[0].endsWith("/support/contactkvt.htm"));

    const QString help = QString::fromUtf8(gbtest::readFile(shipped + "help/index.html"));
    for (const char *topic : {"HelpIndex", "Viewer Explorer"})
        EXPECT_EQ(help.count(QString("id=\"%1\"").arg(topic)), 1) << topic;
    // The main window has no File menu; its tools sit under Actions.
    EXPECT_FALSE(help.contains("in the File menu"));
    EXPECT_TRUE(help.contains("Actions &rarr; Image Explorer"));
}
