#pragma once

#include "image/thumbitem.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <utility>
#include <vector>

class QMenu;
class QScrollBar;
#include <QStatusBar>

namespace gb {

class OrderedWork;

class WinCaption;
class WinSle;

// A scrolling grid of captioned thumbnails: a page of cells in rows and columns over a list
// of items, moved by whole rows with a vertical scroll bar. A thumbnail is made only when its
// item first shows, kept while the list lasts, and made again from the file when the box
// size changes. Every item carries a selected flag; the grid counts them and reports the
// count (selectedCountReported) after every change.
//
// The catalog window's grid derives from it and keeps the layout, scrolling, paging, size,
// spacing and whole-list selection, replacing the virtual operations (items, loading,
// clicks, selected files, thumbnail copy, cell pairs). Its fields are open to subclasses.
//
// While a page fills, pending events run after every cell, so the user may scroll, change
// the size, give a new list or close the window in the middle: the pass then stops.
class ImageThumbsWin : public QWidget
{
    Q_OBJECT
public:
    enum SizeMode { SmallSize = 1, NormalSize = 2, LargeSize = 3, CustomSize = 4 };

    // A grid in owner with the spacings in pixels; the normal 100 x 100 box, no items. Its
    // cells show the program's context menu of that class (the catalog's grid names its own).
    ImageThumbsWin(QWidget *owner, int vSpacing, int hSpacing,
                   const QString &menuClass = QStringLiteral("ExFilesCMenu"));
    ~ImageThumbsWin() override;

    // The status bar on which a page fill shows its progress (none: no progress shown).
    void setStatusBar(QStatusBar *bar) { mStatusBar = bar; }

    virtual void initializeData();
    // Replaces the item list: drops the old thumbnails, counts no selection, lays out anew.
    // The new list shows from its first item.
    virtual void changeData(ThumbItems items);

    void arrangeControls(bool force = false);
    // The layout part of arrangeControls: the cell array, the scroll range and the places.
    // True when the cells were placed anew (a pass must then fill them).
    bool layOut(bool force);
    void calculateRows_Cols(int &rows, int &columns, int &totalRows) const;
    virtual void updateControlsArray(int visible);
    void adjustScroll(int visible);
    // Fills every cell from its item, making thumbnails as needed, one cell at a time.
    virtual void refreshDisplay();

    void thumbsUp();
    void thumbsDown();
    void smallThumbnailSize();
    void normalThumbnailSize();
    void largeThumbnailSize();
    void customThumbnailSize(int height, int width);
    void changeThumbsSpacing(int vertical, int horizontal);
    // The largest horizontal and vertical spacings that still leave room for one cell at the
    // grid's present size and box (each at least 1: a grid too small for any cell is not
    // made emptier by a spacing of 1).
    QSize largestSpacing() const;

    void selectAll();
    void unselectAll(bool noReport = false);
    void invertSelection();

    virtual void mouseClickOnCaption(const QString &caption);
    virtual void mouseClickOnCaptionSingle(const QString &caption);
    // Opens the viewer on the file inside the main window; the selection stays.
    virtual void mouseClickOnImage(const QString &path);
    // The paths of the selected items, in item order.
    virtual QStringList getSelectedFiles() const;
    // A copy of one item's thumbnail with its size; null when no item has that path or it has
    // no thumbnail yet.
    virtual RgbImage duplicateRgbThumbHandle(const QString &path, int &width, int &height) const;

    // Read access for owners and tests.
    const ThumbItems &items() const { return mItems; }
    int itemCounter() const { return mItemCounter; }
    int boxWidth() const { return mBoxWidth; }
    int boxHeight() const { return mBoxHeight; }
    int vSpacing() const { return mVSpacing; }
    int hSpacing() const { return mHSpacing; }
    int sizeMode() const { return mSizeMode; }
    int curColumns() const { return mCurColumns; }
    int curRows() const { return mCurRows; }
    int totalRows() const { return mTotalRows; }
    int firstItem() const { return mFirstItem; }
    int selCount() const { return mSelCount; }
    QScrollBar *vScrollBar() const { return mVScrollBar; }
    int cellCount() const { return int(mCells.size()); }
    WinSle *imageCell(int i) const { return mCells[size_t(i)].first; }
    WinCaption *captionCell(int i) const { return mCells[size_t(i)].second; }
    QMenu *contextMenu() const { return mMenu; }
    // How many files were decoded for thumbnails since the grid was made.
    int thumbnailsMade() const { return mThumbnailsMade; }
    // Whether a pass decodes the files of the visible cells on the worker threads (in cell
    // order, each shown as it is ready) instead of one after another between events. Only
    // for thumbnails made from files as loadThumbnail() here makes them.
    void setDecodeInParallel(bool parallel) { mDecodeInParallel = parallel; }

signals:
    void selectedCountReported(int count);

protected:
    // Makes the item's thumbnail for the box from its file: the thumbnail fitted into the box
    // and the size of the whole image. False, leaving no thumbnail, when the file cannot be
    // read.
    virtual bool loadThumbnail(ThumbItem &item, int boxW, int boxH);
    // Keeps a thumbnail made for an item with the size of the whole image (a null thumbnail
    // leaves the item without one and gives false); counts it as made.
    bool storeThumbnail(ThumbItem &item, RgbImage thumb, int width, int height);
    void reportSelected();
    // The item with that caption (1-based), or 0.
    int findCaption(const QString &caption) const;
    // Sets the caption of an item shown in a cell.
    void showItemSelected(int item, bool selected);
    void resetFirstItem();
    void placeCells(int rows, int columns);
    void firstItemFromPosition(int position);
    void verticalScroll(int position);
    // Runs a pass once the events being handled are over (one, however many ask).
    void scheduleRefresh();

    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    // The wheel moves the page by rows; Up and Down by a row, Page Up and Page Down by a
    // page, Home and End to the first and last page.
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void scrollToRow(int position);

    ThumbItems mItems;
    int mItemCounter = 0;
    std::vector<std::pair<WinSle *, WinCaption *>> mCells;
    int mBoxWidth = 100, mBoxHeight = 100;
    int mVSpacing, mHSpacing;
    int mSizeMode = NormalSize;
    int mCaptionHeight = 18;
    int mCaptionGap = 3;
    int mCurColumns = 0, mCurRows = 0, mTotalRows = 0;
    int mFirstItem = 0;
    int mSelCount = 0;
    QScrollBar *mVScrollBar;
    QPointer<QStatusBar> mStatusBar;
    QMenu *mMenu;
    // Bumped by every new list and every pass, so that a pass interrupted by another one (or
    // by a new list) during its event pump knows to stop.
    unsigned mListSerial = 0;
    unsigned mPassSerial = 0;
    bool mClosed = false;
    bool mFillPending = false;
    bool mDecodeInParallel = false;
    OrderedWork *mFillPool = nullptr; // the workers of the pass filling the cells, if any
    int mWheelRest = 0;
    int mThumbnailsMade = 0;
    // Whether a page fill lets pending events run after every cell. A grid whose cells are
    // cheap to fill (the catalog's stored thumbnails) fills its page in one go instead, so no
    // resize or close can arrive in the middle of its layout.
    bool mPumpEvents = true;

    friend class WinSle;
    friend class WinCaption;
};

} // namespace gb
