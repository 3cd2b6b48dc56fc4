#include "image/imagethumbswin.h"

#include "common/contextmenus.h"
#include "common/orderedwork.h"
#include "image/rgbutils.h"
#include "image/thumbnail.h"
#include "image/viewerwin.h"
#include "image/wincaption.h"
#include "image/winsle.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QMenu>
#include <QProgressBar>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace gb {

ImageThumbsWin::ImageThumbsWin(QWidget *owner, int vSpacing, int hSpacing, const QString &menuClass)
    : QWidget(owner)
    , mVSpacing(vSpacing)
    , mHSpacing(hSpacing)
{
    mVScrollBar = new QScrollBar(Qt::Vertical, this);
    mVScrollBar->setPageStep(1);
    mVScrollBar->setSingleStep(1);
    mVScrollBar->setRange(1, 1);
    // A scroll action counts once it ends: a drag when the thumb is let go, a click or key at once.
    connect(mVScrollBar, &QScrollBar::valueChanged, this, [this](int value) {
        if (!mVScrollBar->isSliderDown())
            verticalScroll(value);
    });
    connect(mVScrollBar, &QScrollBar::sliderReleased, this, [this] { verticalScroll(mVScrollBar->value()); });
    mMenu = makeContextMenu(menuClass, this);
    // A click anywhere in the grid, or the Tab key, gives it the keys.
    setFocusPolicy(Qt::StrongFocus);
    mVScrollBar->setFocusPolicy(Qt::NoFocus);
    initializeData();
}

ImageThumbsWin::~ImageThumbsWin()
{
    mClosed = true;
}

void ImageThumbsWin::initializeData()
{
    changeData({});
}

void ImageThumbsWin::changeData(ThumbItems items)
{
    ++mListSerial;
    mItems = std::move(items);
    mItemCounter = int(mItems.size());
    mSelCount = 0;
    for (ThumbItem &item : mItems) {
        item.thumb = RgbImage();
        item.imageWidth = item.imageHeight = item.thumbWidth = item.thumbHeight = 0;
    }
    // A new list starts at its first page, with the scroll bar at the top to match.
    mFirstItem = 1;
    {
        const QSignalBlocker block(mVScrollBar);
        mVScrollBar->setValue(1);
    }
    arrangeControls(true);
}

void ImageThumbsWin::calculateRows_Cols(int &rows, int &columns, int &totalRows) const
{
    const int colDivisor = mBoxWidth + mHSpacing;
    const int rowDivisor = mBoxHeight + mVSpacing + mCaptionHeight + mCaptionGap;
    columns = colDivisor > 0 ? std::max(0, (width() - 2 * mHSpacing) / colDivisor) : 0;
    rows = rowDivisor > 0 ? std::max(0, height() / rowDivisor) : 0;
    totalRows = columns > 0 ? (mItemCounter + columns - 1) / columns : 0;
}

void ImageThumbsWin::arrangeControls(bool force)
{
    if (layOut(force))
        refreshDisplay();
}

bool ImageThumbsWin::layOut(bool force)
{
    int rows = 0, columns = 0, total = 0;
    calculateRows_Cols(rows, columns, total);
    mTotalRows = total;
    const int visible = std::min(columns * rows, mItemCounter);
    updateControlsArray(visible);
    if (!force && columns == mCurColumns && rows == mCurRows)
        return false;
    mCurColumns = columns;
    mCurRows = rows;
    adjustScroll(visible);
    // Place every cell before any of them paints, then let the page fill in cell by cell.
    setUpdatesEnabled(false);
    placeCells(rows, columns);
    setUpdatesEnabled(true);
    return true;
}

void ImageThumbsWin::placeCells(int rows, int columns)
{
    for (int i = 1; i <= columns; ++i) {
        for (int j = 1; j <= rows; ++j) {
            const int n = (j - 1) * columns + i;
            if (n > mItemCounter || n > int(mCells.size()))
                continue;
            const int left = mHSpacing + (i - 1) * (mBoxWidth + mHSpacing);
            const int top = mVSpacing + (j - 1) * (mVSpacing + mBoxHeight + mCaptionHeight + mCaptionGap);
            auto [cell, caption] = mCells[size_t(n - 1)];
            cell->setGeometry(left, top, mBoxWidth, mBoxHeight);
            caption->setGeometry(left, top + mBoxHeight + mCaptionGap, mBoxWidth, mCaptionHeight);
            cell->show();
            caption->show();
        }
    }
    mVScrollBar->raise();
}

void ImageThumbsWin::updateControlsArray(int visible)
{
    while (int(mCells.size()) < visible)
        mCells.emplace_back(new WinSle(this), new WinCaption(this));
    // A cell may be the one whose click brought this change (a click that opens the viewer
    // moves windows): it goes once its event is over.
    while (int(mCells.size()) > visible) {
        for (QWidget *w : {static_cast<QWidget *>(mCells.back().first), static_cast<QWidget *>(mCells.back().second)}) {
            w->hide();
            w->deleteLater();
        }
        mCells.pop_back();
    }
}

void ImageThumbsWin::adjustScroll(int visible)
{
    const QSignalBlocker block(mVScrollBar);
    // Two more than the rows that do not fit, so the last page may end in empty rows.
    if (visible < mItemCounter && mItemCounter != 0)
        mVScrollBar->setRange(1, std::max(1, mTotalRows - mCurRows + 2));
    else
        mVScrollBar->setRange(1, 1);
}

void ImageThumbsWin::resetFirstItem()
{
    if (mFirstItem == 0 || mItemCounter == int(mCells.size()))
        mFirstItem = 1;
}

namespace {

// A thumbnail decoded ahead of its cell on a worker thread.
struct DecodedAhead
{
    QString path; // empty: the cell needs no decode
    RgbImage thumb;
    int width = 0;
    int height = 0;
};

} // namespace

bool ImageThumbsWin::loadThumbnail(ThumbItem &item, int boxW, int boxH)
{
    int width = 0, height = 0;
    QString error;
    RgbImage thumb = createFittedRgbFromFile(item.path, boxW, boxH, width, height, error);
    return storeThumbnail(item, std::move(thumb), width, height);
}

bool ImageThumbsWin::storeThumbnail(ThumbItem &item, RgbImage thumb, int width, int height)
{
    ++mThumbnailsMade;
    if (thumb.isNull()) {
        item.thumb = RgbImage();
        item.imageWidth = item.imageHeight = item.thumbWidth = item.thumbHeight = 0;
        return false;
    }
    item.imageWidth = width;
    item.imageHeight = height;
    item.thumbWidth = thumb.width();
    item.thumbHeight = thumb.height();
    item.thumb = std::move(thumb);
    return true;
}

void ImageThumbsWin::refreshDisplay()
{
    mFillPending = false;
    resetFirstItem();
    const unsigned pass = ++mPassSerial;
    const unsigned list = mListSerial;
    const int cells = int(mCells.size());
    QPointer<ImageThumbsWin> self(this);

    QPointer<QProgressBar> bar;
    if (mStatusBar) {
        bar = new QProgressBar(mStatusBar);
        const int h = std::max(1, mStatusBar->height() - 5);
        bar->setGeometry(0, (mStatusBar->height() - h) / 2, std::min(100, mStatusBar->width() - 20), h);
        bar->setTextVisible(false);
        bar->setRange(1, std::max(1, cells));
        bar->setValue(1);
        bar->show();
    }

    // The files of the visible cells that need a thumbnail, decoded on the worker threads in
    // cell order; the cells are filled here, in order, as their thumbnails arrive.
    const auto needsDecode = [this](const ThumbItem &item) {
        int newW = 0, newH = 0;
        const bool known = item.imageWidth > 0 && item.imageHeight > 0;
        if (known)
            calcNewDims(item.imageWidth, item.imageHeight, mBoxWidth, mBoxHeight, newW, newH);
        // Only thumbnails are kept: a box of another size decodes the file again.
        return !known || item.thumb.isNull() || newW != item.thumbWidth || newH != item.thumbHeight;
    };
    // A pass started while this one serves events replaces it: this one's workers stop
    // decoding for cells the new pass lays out again.
    if (mFillPool)
        mFillPool->cancel();
    std::vector<DecodedAhead> ahead;
    std::unique_ptr<OrderedWork> pool;
    if (mDecodeInParallel) {
        ahead.resize(size_t(cells));
        for (int i = 1; i <= cells; ++i) {
            const int n = mFirstItem - 1 + i;
            if (n >= 1 && n <= mItemCounter && needsDecode(mItems[size_t(n - 1)]))
                ahead[size_t(i - 1)].path = mItems[size_t(n - 1)].path;
        }
        const int boxW = mBoxWidth, boxH = mBoxHeight;
        pool = std::make_unique<OrderedWork>(cells, workerThreads(), [&ahead, boxW, boxH](int k) {
            DecodedAhead &a = ahead[size_t(k)];
            QString error;
            if (!a.path.isEmpty())
                a.thumb = createFittedRgbFromFile(a.path, boxW, boxH, a.width, a.height, error);
        });
        pool->orderBy([&ahead](int k) { return ahead[size_t(k)].path.isEmpty() ? 0 : weightOfFile(ahead[size_t(k)].path); });
        pool->costsMemory([&ahead](int k) { return ahead[size_t(k)].path.isEmpty() ? 0 : memoryOfFile(ahead[size_t(k)].path); });
        pool->holdsBytes([&ahead](int k) { return ahead[size_t(k)].thumb.byteCount(); });
        mFillPool = pool.get();
    }

    // The bound is read again at every step: a resize during the pump lays the cells out
    // anew without a pass of its own, and this pass goes on over the new cells.
    for (int i = 1; i <= int(mCells.size()); ++i) {
        const int n = mFirstItem - 1 + i;
        auto [cell, caption] = mCells[size_t(i - 1)];
        if (n < 1 || n > mItemCounter) {
            cell->hide();
            caption->hide();
        } else {
            ThumbItem &item = mItems[size_t(n - 1)];
            if (needsDecode(item)) {
                const size_t k = size_t(i - 1);
                if (pool && k < ahead.size() && ahead[k].path == item.path) {
                    pool->take(int(k));
                    if (!self || mClosed || pass != mPassSerial || list != mListSerial)
                        break;
                    storeThumbnail(item, std::move(ahead[k].thumb), ahead[k].width, ahead[k].height);
                } else {
                    loadThumbnail(item, mBoxWidth, mBoxHeight);
                }
            }
            cell->update(item.thumb, item.thumbWidth, item.thumbHeight, item.path);
            if (bar) {
                bar->setValue(bar->value() + 1);
                bar->repaint();
            }
            caption->update(item.caption);
            caption->setSelected(item.selected);
            cell->show();
            caption->show();
        }
        if (!mPumpEvents)
            continue;
        QCoreApplication::processEvents();
        // The pump may have closed the grid, given it a new list or started another pass;
        // whatever happened owns the cells now.
        if (!self || mClosed || pass != mPassSerial || list != mListSerial)
            break;
    }
    if (self && pool && mFillPool == pool.get())
        mFillPool = nullptr;
    delete bar;
}

void ImageThumbsWin::firstItemFromPosition(int position)
{
    // Position p shows the page whose first row is row p.
    mFirstItem = (position - 1) * mCurColumns + 1;
    if (mFirstItem < 1 || mFirstItem > mItemCounter)
        mFirstItem = 1;
}

void ImageThumbsWin::verticalScroll(int position)
{
    firstItemFromPosition(position);
    refreshDisplay();
}

void ImageThumbsWin::thumbsUp()
{
    const int current = mVScrollBar->value();
    const int position = std::max(1, current - mCurRows);
    if (position == current)
        return;
    firstItemFromPosition(position);
    // Each pass pumps events, which may close the grid.
    const QPointer<ImageThumbsWin> self(this);
    arrangeControls(true);
    if (!self)
        return;
    refreshDisplay();
    if (!self)
        return;
    const QSignalBlocker block(mVScrollBar);
    mVScrollBar->setValue(position);
}

void ImageThumbsWin::thumbsDown()
{
    const int current = mVScrollBar->value();
    const int position = std::min(mVScrollBar->maximum(), current + mCurRows);
    if (position == current)
        return;
    firstItemFromPosition(position);
    const QPointer<ImageThumbsWin> self(this);
    refreshDisplay();
    if (!self)
        return;
    const QSignalBlocker block(mVScrollBar);
    mVScrollBar->setValue(position);
}

void ImageThumbsWin::smallThumbnailSize()
{
    mBoxWidth = mBoxHeight = 50;
    mVSpacing = mHSpacing = 5;
    mSizeMode = SmallSize;
    arrangeControls(true);
}

void ImageThumbsWin::normalThumbnailSize()
{
    if (mSizeMode == NormalSize)
        return;
    mBoxWidth = mBoxHeight = 100;
    mVSpacing = mHSpacing = 10;
    mSizeMode = NormalSize;
    arrangeControls(true);
}

void ImageThumbsWin::largeThumbnailSize()
{
    mBoxWidth = mBoxHeight = 150;
    mVSpacing = mHSpacing = 10;
    mSizeMode = LargeSize;
    arrangeControls(true);
}

void ImageThumbsWin::customThumbnailSize(int height, int width)
{
    mSizeMode = CustomSize;
    mBoxHeight = height;
    mBoxWidth = width;
    arrangeControls(true);
}

QSize ImageThumbsWin::largestSpacing() const
{
    // The inverses of the column and row counts: one column needs width >= box + 3 x spacing,
    // one row height >= box + spacing + caption strip.
    const int horizontal = (width() - mBoxWidth) / 3;
    const int vertical = height() - mBoxHeight - mCaptionHeight - mCaptionGap;
    return QSize(std::max(1, horizontal), std::max(1, vertical));
}

void ImageThumbsWin::changeThumbsSpacing(int vertical, int horizontal)
{
    mVSpacing = vertical;
    mHSpacing = horizontal;
    arrangeControls(true);
}

void ImageThumbsWin::reportSelected()
{
    emit selectedCountReported(mSelCount);
}

void ImageThumbsWin::showItemSelected(int item, bool selected)
{
    const int pair = item - mFirstItem + 1;
    if (pair >= 1 && pair <= int(mCells.size()))
        mCells[size_t(pair - 1)].second->setSelected(selected);
}

void ImageThumbsWin::selectAll()
{
    resetFirstItem();
    for (int n = 1; n <= mItemCounter; ++n) {
        const bool was = mItems[size_t(n - 1)].selected;
        mItems[size_t(n - 1)].selected = true;
        if (!was)
            showItemSelected(n, true);
    }
    mSelCount = mItemCounter;
    reportSelected();
}

void ImageThumbsWin::unselectAll(bool noReport)
{
    resetFirstItem();
    for (int n = 1; n <= mItemCounter; ++n) {
        const bool was = mItems[size_t(n - 1)].selected;
        mItems[size_t(n - 1)].selected = false;
        if (was)
            showItemSelected(n, false);
    }
    mSelCount = 0;
    if (!noReport)
        reportSelected();
}

void ImageThumbsWin::invertSelection()
{
    resetFirstItem();
    mSelCount = 0;
    for (int n = 1; n <= mItemCounter; ++n) {
        ThumbItem &item = mItems[size_t(n - 1)];
        item.selected = !item.selected;
        mSelCount += item.selected ? 1 : 0;
        showItemSelected(n, item.selected);
    }
    reportSelected();
}

int ImageThumbsWin::findCaption(const QString &caption) const
{
    for (int n = 1; n <= mItemCounter; ++n)
        if (mItems[size_t(n - 1)].caption == caption)
            return n;
    return 0;
}

void ImageThumbsWin::mouseClickOnCaption(const QString &caption)
{
    const int n = findCaption(caption);
    if (n == 0)
        return;
    ThumbItem &item = mItems[size_t(n - 1)];
    item.selected = !item.selected;
    mSelCount += item.selected ? 1 : -1;
    showItemSelected(n, item.selected);
    reportSelected();
}

void ImageThumbsWin::mouseClickOnCaptionSingle(const QString &caption)
{
    const int n = findCaption(caption);
    if (n == 0)
        return;
    if (!mItems[size_t(n - 1)].selected) {
        unselectAll(true);
        mItems[size_t(n - 1)].selected = true;
        mSelCount = 1;
        showItemSelected(n, true);
    } else {
        mItems[size_t(n - 1)].selected = false;
        --mSelCount;
        showItemSelected(n, false);
    }
    reportSelected();
}

void ImageThumbsWin::mouseClickOnImage(const QString &path)
{
    new ViewerWin(window(), path);
}

QStringList ImageThumbsWin::getSelectedFiles() const
{
    QStringList files;
    for (const ThumbItem &item : mItems)
        if (item.selected)
            files << item.path;
    return files;
}

RgbImage ImageThumbsWin::duplicateRgbThumbHandle(const QString &path, int &width, int &height) const
{
    for (const ThumbItem &item : mItems) {
        if (item.path != path)
            continue;
        if (item.thumb.isNull())
            return RgbImage();
        RgbImage copy = item.thumb.clone();
        if (!copy.isNull()) {
            width = item.thumbWidth;
            height = item.thumbHeight;
        }
        return copy;
    }
    return RgbImage();
}

void ImageThumbsWin::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int barWidth = mVScrollBar->sizeHint().width();
    mVScrollBar->setGeometry(width() - barWidth, 0, barWidth, height());
    // The cells take their places at once, as empty frames where no thumbnail is yet; the
    // pass that fills them waits until the resize is over. Its pump would otherwise paint
    // the windows while they are still being laid out (leaving holes) and run clicks and
    // closes in the middle of the resize.
    if (layOut(false))
        scheduleRefresh();
}

void ImageThumbsWin::scheduleRefresh()
{
    if (mFillPending)
        return;
    mFillPending = true;
    QTimer::singleShot(0, this, [this] {
        // A pass that started meanwhile has filled the cells already.
        if (mFillPending && !mClosed)
            refreshDisplay();
    });
}

void ImageThumbsWin::scrollToRow(int position)
{
    // Through the scroll bar, so that its thumb and the page agree.
    mVScrollBar->setValue(std::clamp(position, mVScrollBar->minimum(), mVScrollBar->maximum()));
}

void ImageThumbsWin::wheelEvent(QWheelEvent *event)
{
    // One row per notch of the wheel; a touchpad's small steps add up to notches.
    mWheelRest += event->angleDelta().y();
    const int rows = mWheelRest / 120;
    mWheelRest -= rows * 120;
    if (rows != 0)
        scrollToRow(mVScrollBar->value() - rows);
    event->accept();
}

void ImageThumbsWin::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        scrollToRow(mVScrollBar->value() - 1);
        break;
    case Qt::Key_Down:
        scrollToRow(mVScrollBar->value() + 1);
        break;
    case Qt::Key_PageUp:
        thumbsUp();
        break;
    case Qt::Key_PageDown:
        thumbsDown();
        break;
    case Qt::Key_Home:
        scrollToRow(mVScrollBar->minimum());
        break;
    case Qt::Key_End:
        scrollToRow(mVScrollBar->maximum());
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ImageThumbsWin::closeEvent(QCloseEvent *event)
{
    mClosed = true;
    updateControlsArray(0);
    mItems.clear();
    mItemCounter = 0;
    QWidget::closeEvent(event);
}

void ImageThumbsWin::contextMenuEvent(QContextMenuEvent *event)
{
    if (mMenu)
        mMenu->popup(event->globalPos());
}

} // namespace gb
