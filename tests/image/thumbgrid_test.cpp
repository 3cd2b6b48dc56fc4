#include "common/contextmenus.h"
#include "common/registry.h"
#include "image/imagethumbswin.h"
#include "image/viewerwin.h"
#include "image/wincaption.h"
#include "image/winsle.h"

#include "image/testimages.h"
#include "support/testutil.h"

#include <QApplication>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace gb;

namespace {

// A folder of n small PNG images named img01.png ..., made once per test.
QStringList makeImages(int n, int w = 40, int h = 30)
{
    const QString dir = gbtest::makeTempDir("grid");
    QStringList paths;
    for (int i = 1; i <= n; ++i) {
        const QString path = dir + QString("/img%1.png").arg(i, 2, 10, QChar('0'));
        EXPECT_TRUE(gbtest::writeImage(path, w + i, h));
        paths << path;
    }
    return paths;
}

ThumbItems itemsFor(const QStringList &paths)
{
    ThumbItems items;
    for (const QString &p : paths)
        items.emplace_back(p, p.section('/', -1), false);
    return items;
}

// A grid of 3 columns and 2 rows at the normal size with spacing 5.
std::unique_ptr<ImageThumbsWin> makeGrid(QWidget *owner = nullptr)
{
    auto grid = std::make_unique<ImageThumbsWin>(owner, 5, 5);
    grid->resize(400, 300);
    grid->show();
    return grid;
}

QStringList visibleCaptions(const ImageThumbsWin &grid)
{
    QStringList out;
    for (int i = 0; i < grid.cellCount(); ++i)
        if (!grid.captionCell(i)->isHidden())
            out << grid.captionCell(i)->captionText();
    return out;
}

int viewerCount()
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<ViewerWin *>(w) && w->isVisible())
            ++n;
    return n;
}

} // namespace

TEST(ThumbGrid, StartsEmptyAtTheNormalSize)
{
    auto grid = makeGrid();
    EXPECT_EQ(grid->sizeMode(), ImageThumbsWin::NormalSize);
    EXPECT_EQ(grid->boxWidth(), 100);
    EXPECT_EQ(grid->vSpacing(), 5);
    EXPECT_EQ(grid->hSpacing(), 5);
    EXPECT_EQ(grid->cellCount(), 0);
    EXPECT_EQ(grid->vScrollBar()->minimum(), 1);
    EXPECT_EQ(grid->vScrollBar()->maximum(), 1);
    // The normal size when already normal changes nothing; small then normal takes 10 / 10.
    grid->normalThumbnailSize();
    EXPECT_EQ(grid->hSpacing(), 5);
    grid->smallThumbnailSize();
    EXPECT_EQ(grid->boxWidth(), 50);
    EXPECT_EQ(grid->hSpacing(), 5);
    grid->normalThumbnailSize();
    EXPECT_EQ(grid->boxWidth(), 100);
    EXPECT_EQ(grid->vSpacing(), 10);
    EXPECT_EQ(grid->hSpacing(), 10);
}

TEST(ThumbGrid, LayoutScrollRangeAndPages)
{
    QWidget owner;
    QStatusBar status(&owner);
    auto grid = makeGrid(&owner);
    grid->setStatusBar(&status);
    grid->changeData(itemsFor(makeImages(10)));
    EXPECT_EQ(grid->curColumns(), 3);
    EXPECT_EQ(grid->curRows(), 2);
    EXPECT_EQ(grid->totalRows(), 4);
    EXPECT_EQ(grid->cellCount(), 6);
    EXPECT_EQ(grid->vScrollBar()->maximum(), 4);
    EXPECT_EQ(visibleCaptions(*grid), QStringList({"img01.png", "img02.png", "img03.png", "img04.png", "img05.png",
                                                   "img06.png"}));
    // Cell places: the second row's first image cell and the caption below the first cell.
    EXPECT_EQ(grid->imageCell(3)->geometry(), QRect(5, 5 + 126, 100, 100));
    EXPECT_EQ(grid->captionCell(0)->geometry(), QRect(5, 108, 100, 18));
    // The progress bar went away with the pass.
    EXPECT_TRUE(status.findChildren<QWidget *>(Qt::FindDirectChildrenOnly).size() <= 2);

    // Position 4 shows item 10 alone in the first cell.
    grid->vScrollBar()->setValue(4);
    EXPECT_EQ(grid->firstItem(), 10);
    EXPECT_EQ(visibleCaptions(*grid), QStringList({"img10.png"}));

    // Previous page from 4 goes to 2; the next page is clamped to the scroll range.
    grid->thumbsUp();
    EXPECT_EQ(grid->vScrollBar()->value(), 2);
    EXPECT_EQ(visibleCaptions(*grid).first(), "img04.png");
    grid->thumbsUp();
    EXPECT_EQ(grid->vScrollBar()->value(), 1);
    EXPECT_EQ(grid->firstItem(), 1);
    grid->thumbsUp(); // first page: nothing changes
    EXPECT_EQ(grid->firstItem(), 1);
    grid->thumbsDown();
    grid->thumbsDown();
    EXPECT_EQ(grid->vScrollBar()->value(), 4);
    EXPECT_EQ(grid->firstItem(), 10);
    grid->thumbsDown(); // last page: nothing changes
    EXPECT_EQ(grid->firstItem(), 10);
    // Back by the scroll bar: every cell of the first page shows again.
    grid->vScrollBar()->setValue(1);
    EXPECT_EQ(visibleCaptions(*grid).size(), 6);

    // A new list starts on its first page with the scroll bar at the top.
    grid->vScrollBar()->setValue(3);
    grid->changeData(itemsFor(makeImages(9)));
    EXPECT_EQ(grid->firstItem(), 1);
    EXPECT_EQ(grid->vScrollBar()->value(), 1);
    EXPECT_EQ(visibleCaptions(*grid).first(), "img01.png");
}

TEST(ThumbGrid, OnePageListsAndNarrowWindows)
{
    auto grid = makeGrid();
    grid->changeData(itemsFor(makeImages(4)));
    EXPECT_EQ(grid->firstItem(), 1);
    EXPECT_EQ(grid->cellCount(), 4);
    EXPECT_EQ(grid->vScrollBar()->maximum(), 1);
    // Narrower than 2 spacings + box + spacing: no column, no cell.
    grid->resize(2 * 5 + 100 + 5 - 1, 300);
    EXPECT_EQ(grid->curColumns(), 0);
    EXPECT_EQ(grid->cellCount(), 0);
    grid->resize(400, 300);
    EXPECT_EQ(grid->cellCount(), 4);
}

TEST(ThumbGrid, TheLargestSpacingStillLeavesOneCell)
{
    auto grid = makeGrid();
    grid->changeData(itemsFor(makeImages(3)));
    for (const QSize size : {QSize(400, 300), QSize(150, 140), QSize(90, 60)}) {
        grid->resize(size);
        const QSize largest = grid->largestSpacing();
        grid->changeThumbsSpacing(largest.height(), largest.width());
        // A grid too small for any cell stays empty whatever the spacing; else one cell fits.
        const bool room = size.width() >= 100 + 3 && size.height() >= 100 + 1 + 18 + 3;
        EXPECT_EQ(grid->cellCount() > 0, room) << size.width() << "x" << size.height();
        grid->changeThumbsSpacing(largest.height(), largest.width() + 1);
        EXPECT_EQ(grid->cellCount(), 0);
        grid->changeThumbsSpacing(largest.height() + 1, largest.width());
        EXPECT_EQ(grid->cellCount(), 0);
    }
}

TEST(ThumbGrid, ThumbnailsFitTheBoxAndASizeChangeDecodesAgain)
{
    auto grid = makeGrid();
    const QStringList paths = makeImages(2, 300, 228);
    grid->changeData(itemsFor(paths));
    const ThumbItem &first = grid->items()[0];
    EXPECT_EQ(first.imageWidth, 301);
    EXPECT_EQ(first.imageHeight, 228);
    EXPECT_EQ(first.thumbWidth, 100);
    EXPECT_EQ(first.thumbHeight, 76);
    // A 100 x 76 thumbnail stands 12 pixels from the top and 0 from the left.
    EXPECT_EQ(grid->imageCell(0)->offsetX(), 0);
    EXPECT_EQ(grid->imageCell(0)->offsetY(), 12);
    const int made = grid->thumbnailsMade();
    EXPECT_EQ(made, 2);

    grid->smallThumbnailSize();
    EXPECT_EQ(grid->items()[0].thumbWidth, 50);
    EXPECT_EQ(grid->thumbnailsMade(), 4);
    // A pass at the same size reuses the kept thumbnails.
    grid->refreshDisplay();
    EXPECT_EQ(grid->thumbnailsMade(), 4);
    grid->customThumbnailSize(11, 200);
    EXPECT_EQ(grid->sizeMode(), ImageThumbsWin::CustomSize);
    EXPECT_EQ(grid->items()[0].thumbHeight, 11);

    int w = 0, h = 0;
    const RgbImage copy = grid->duplicateRgbThumbHandle(paths[0], w, h);
    ASSERT_FALSE(copy.isNull());
    EXPECT_EQ(QSize(w, h), QSize(grid->items()[0].thumbWidth, 11));
    w = -1;
    EXPECT_TRUE(grid->duplicateRgbThumbHandle("/nowhere.png", w, h).isNull());
    EXPECT_EQ(w, -1);
}

TEST(ThumbGrid, BrokenFilesShowAnEmptyCellAndAreTriedAgain)
{
    const QString dir = gbtest::makeTempDir("broken");
    gbtest::writeFile(dir + "/bad.jpg", "not an image at all");
    gbtest::writeFile(dir + "/cut.png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    auto grid = makeGrid();
    grid->changeData(itemsFor({dir + "/bad.jpg", dir + "/cut.png", dir + "/gone.gif"}));
    EXPECT_EQ(grid->cellCount(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(grid->imageCell(i)->hasThumb());
        EXPECT_FALSE(grid->captionCell(i)->isHidden());
    }
    EXPECT_EQ(visibleCaptions(*grid), QStringList({"bad.jpg", "cut.png", "gone.gif"}));
    grid->refreshDisplay();
    EXPECT_EQ(grid->thumbnailsMade(), 6);
    // A file that appears later shows at the next pass.
    ASSERT_TRUE(gbtest::writeImage(dir + "/gone.gif", 20, 20, 2));
    grid->refreshDisplay();
    EXPECT_TRUE(grid->imageCell(2)->hasThumb());
}

TEST(ThumbGrid, CaptionClicksFollowTheSelectionRules)
{
    auto grid = makeGrid();
    grid->changeData(itemsFor(makeImages(6)));
    QSignalSpy reports(grid.get(), &ImageThumbsWin::selectedCountReported);
    auto click = [&](int cell, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::mouseClick(grid->captionCell(cell), Qt::LeftButton, mods, QPoint(5, 5));
    };
    click(0, Qt::ControlModifier);
    click(1, Qt::ControlModifier);
    click(2, Qt::ControlModifier);
    EXPECT_EQ(grid->selCount(), 3);
    EXPECT_TRUE(grid->captionCell(2)->showSelected());

    // A plain click on an unselected caption leaves only it selected; the owner hears 1, once.
    reports.clear();
    click(4);
    EXPECT_EQ(grid->getSelectedFiles().size(), 1);
    EXPECT_TRUE(grid->getSelectedFiles()[0].endsWith("img05.png"));
    ASSERT_EQ(reports.size(), 1);
    EXPECT_EQ(reports[0][0].toInt(), 1);
    EXPECT_FALSE(grid->captionCell(0)->showSelected());

    // A plain click on a selected caption clears only it.
    click(0, Qt::ControlModifier);
    click(1, Qt::ControlModifier);
    reports.clear();
    click(4);
    EXPECT_EQ(reports.last()[0].toInt(), 2);
    EXPECT_EQ(grid->selCount(), 2);
    // Control-click on a selected caption clears it; Shift acts as a plain click.
    click(0, Qt::ControlModifier);
    EXPECT_EQ(grid->selCount(), 1);
    click(3, Qt::ShiftModifier);
    EXPECT_EQ(grid->selCount(), 1);
    EXPECT_TRUE(grid->getSelectedFiles()[0].endsWith("img04.png"));

    // A caption no item has changes nothing.
    grid->mouseClickOnCaptionSingle("nothing.png");
    EXPECT_EQ(grid->selCount(), 1);

    grid->selectAll();
    EXPECT_EQ(grid->selCount(), 6);
    EXPECT_TRUE(grid->captionCell(5)->showSelected());
    grid->captionCell(1)->setSelected(false);
    grid->mouseClickOnCaption("img02.png");
    grid->invertSelection();
    EXPECT_EQ(grid->selCount(), 1);
    EXPECT_TRUE(grid->captionCell(1)->showSelected());
    reports.clear();
    grid->unselectAll(true);
    EXPECT_EQ(grid->selCount(), 0);
    EXPECT_TRUE(reports.isEmpty());
    grid->unselectAll();
    EXPECT_EQ(reports.size(), 1);
}

TEST(ThumbGrid, ImageClicksOpenAViewerEachAndKeepTheSelection)
{
    auto grid = makeGrid();
    grid->changeData(itemsFor(makeImages(2)));
    const int before = viewerCount();
    QTest::mouseClick(grid->imageCell(1), Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseClick(grid->imageCell(1), Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(viewerCount(), before + 2);
    EXPECT_EQ(grid->selCount(), 0);
    QTest::mouseClick(grid->imageCell(0), Qt::RightButton, {}, QPoint(50, 50));
    EXPECT_EQ(grid->selCount(), 0);
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<ViewerWin *>(w))
            w->close();
}

TEST(ThumbGrid, ANewListResizeOrCloseDuringAFillIsSafe)
{
    const QStringList paths = makeImages(12);
    {
        auto grid = makeGrid();
        // The first pump of the pass brings a new list: the old pass stops, the new one fills.
        QTimer::singleShot(0, grid.get(), [&] { grid->changeData(itemsFor(paths.mid(0, 2))); });
        grid->changeData(itemsFor(paths));
        EXPECT_EQ(grid->itemCounter(), 2);
        EXPECT_EQ(visibleCaptions(*grid), QStringList({"img01.png", "img02.png"}));
    }
    {
        auto grid = makeGrid();
        QTimer::singleShot(0, grid.get(), [&] { grid->resize(200, 300); });
        grid->changeData(itemsFor(paths));
        EXPECT_EQ(grid->curColumns(), 1);
        EXPECT_EQ(grid->cellCount(), 2);
        EXPECT_EQ(visibleCaptions(*grid), QStringList({"img01.png", "img02.png"}));
    }
    {
        QPointer<ImageThumbsWin> grid = makeGrid().release();
        QTimer::singleShot(0, grid.data(), [&] { delete grid.data(); });
        grid->changeData(itemsFor(paths));
        EXPECT_TRUE(grid.isNull());
    }
    {
        auto grid = makeGrid();
        grid->changeData(itemsFor(paths));
        QTimer::singleShot(0, grid.get(), [&] { grid->close(); });
        grid->vScrollBar()->setValue(2);
        EXPECT_EQ(grid->cellCount(), 0);
    }
}

TEST(ThumbGrid, CellsShowTheProgramsFileMenuAndKeepTheSelection)
{
    QStringList asked;
    QMenu *made = nullptr;
    setContextMenuMaker([&](const QString &menuClass, QWidget *target) {
        asked << menuClass;
        made = new QMenu(target);
        return made;
    });
    auto grid = makeGrid();
    setContextMenuMaker(nullptr);
    EXPECT_EQ(asked, QStringList({"ExFilesCMenu"}));
    EXPECT_EQ(grid->contextMenu(), made);
    grid->changeData(itemsFor(makeImages(2)));
    grid->mouseClickOnCaptionSingle("img01.png");
    QTest::mouseClick(grid->captionCell(1), Qt::RightButton, {}, QPoint(4, 4));
    EXPECT_TRUE(made->isVisible());
    made->hide();
    EXPECT_EQ(grid->selCount(), 1);
    EXPECT_TRUE(grid->captionCell(0)->showSelected());
}

// The explorer's grid decodes the visible cells on the worker threads: the same thumbnails
// as one after another, in the same cells, while events go on being served.
TEST(ThumbGrid, ParallelPassGivesTheSameThumbnailsAndServesEvents)
{
    const QStringList paths = makeImages(9, 420, 300);
    auto serial = makeGrid();
    serial->changeData(itemsFor(paths));
    gb::kvtSetRtRegInt("General Options", "Worker Threads", 4);
    auto parallel = makeGrid();
    parallel->setDecodeInParallel(true);
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(0);
    parallel->changeData(itemsFor(paths));
    timer.stop();
    gb::kvtSetRtRegInt("General Options", "Worker Threads", 0);
    EXPECT_GT(ticks, 0);
    ASSERT_EQ(parallel->items().size(), serial->items().size());
    EXPECT_EQ(parallel->thumbnailsMade(), serial->thumbnailsMade());
    for (size_t i = 0; i < serial->items().size(); ++i) {
        const ThumbItem &a = serial->items()[i], &b = parallel->items()[i];
        EXPECT_EQ(QSize(b.imageWidth, b.imageHeight), QSize(a.imageWidth, a.imageHeight));
        ASSERT_EQ(a.thumb.isNull(), b.thumb.isNull()) << i;
        if (!a.thumb.isNull()) {
            EXPECT_TRUE(std::equal(a.thumb.data(), a.thumb.data() + a.thumb.byteCount(), b.thumb.data())) << i;
        }
    }
}
