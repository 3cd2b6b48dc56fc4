#include "explorer/fileexplorer.h"
#include "resources/resourceclasses.h"

#include "common/eventpacer.h"
#include "common/registry.h"
#include "common/windowplacement.h"
#include "explorer/customimagedimwin.h"
#include "explorer/optionswin.h"
#include "explorer/spacingwin.h"
#include "explorer/thumbsfilterwin.h"
#include "image/imagethumbswin.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPointer>
#include <QSplitter>
#include <QStatusBar>

#include <optional>

namespace gb {

FileExplorer::FileExplorer(QWidget *owner)
    : QMainWindow(nullptr)
    , mOwner(owner)
{
    // Commands the explorer does not handle go on to the main window.
    setProperty("gbOwner", QVariant::fromValue<QObject *>(owner));
    setWindowTitle(QStringLiteral("Image Browser"));
    setWindowIcon(ImageBrowserIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    resize(800, 560);

    mSplitter = new QSplitter(Qt::Horizontal, this);
    setCentralWidget(mSplitter);

    mNoOfFiles = new QLabel(this);
    mSelFiles = new QLabel(this);
    mFilterItem = new QLabel(this);
    const QFontMetrics fm(font());
    mNoOfFiles->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("Files: 000000")));
    mSelFiles->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("Selected: 000000")));
    mFilterItem->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("Filter: Yes")));
    // The items sit on the right, leaving the left of the bar to the grid's progress bar.
    statusBar()->addPermanentWidget(mNoOfFiles);
    statusBar()->addPermanentWidget(mSelFiles);
    statusBar()->addPermanentWidget(mFilterItem);
    statusBar()->setSizeGripEnabled(false);

    mDirTree = new DirTree(mSplitter, this);
    mThumbs = new ImageThumbsWin(mSplitter, 5, 5);
    mThumbs->setDecodeInParallel(true);
    mThumbs->setStatusBar(statusBar());
    connect(mThumbs, &ImageThumbsWin::selectedCountReported, this, &FileExplorer::reportSelected);
    mSplitter->addWidget(mDirTree);
    mSplitter->addWidget(mThumbs);
    mSplitter->setStretchFactor(0, 3);
    mSplitter->setStretchFactor(1, 7);
    mSplitter->setSizes({int(0.3 * width()), int(0.7 * width())});

    checkOne(NormalThumbnailsItem, SmallThumbnailsItem, UserDefinedThumbnailsItem);
    updateToolbar();
    checkOne(ByNameItem, ByNameItem, ByDateItem);
    checkOne(AscendingItem, AscendingItem, DescendingItem);
}

FileExplorer::~FileExplorer() = default;

void FileExplorer::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

void FileExplorer::setCurrentDir(const QString &path)
{
    mCurrentDir = path;
}

QStringList FileExplorer::statusTexts() const
{
    return {mNoOfFiles->text(), mSelFiles->text(), mFilterItem->text()};
}

void FileExplorer::checkOne(int itemId, int first, int last)
{
    for (int id = first; id <= last; ++id) {
        const bool on = id == itemId;
        if (mChecks.value(id, !on) != on || !mChecks.contains(id)) {
            mChecks[id] = on;
            emit menuCheckChanged(id, on);
        }
    }
}

void FileExplorer::connectMenuChecks(const std::function<void(int, bool)> &setCheck)
{
    for (auto it = mChecks.cbegin(); it != mChecks.cend(); ++it)
        setCheck(it.key(), it.value());
    connect(this, &FileExplorer::menuCheckChanged, this, setCheck);
}

void FileExplorer::newPathSelected()
{
    newPathSelected(mCurrentDir);
}

namespace {

// Sorts the files in place and gives the items to show: those that pass the filter (all
// without one), none selected.
ThumbItems sortedItems(ExplorerFiles &files, int sortBy, int sortOrder, const ExplorerFilter *filter)
{
    sortExplorerFiles(files, sortBy, sortOrder);
    ThumbItems items;
    for (const ExplorerFile &f : files)
        if (!filter || passesExplorerFilter(f, *filter))
            items.emplace_back(f.fullPath, f.name, false);
    return items;
}

} // namespace

void FileExplorer::newPathSelected(const QString &path)
{
    if (path.isEmpty())
        return;
    // A folder of thousands of files takes a while to list, each file's entry read: that is
    // done on a worker while the window serves events. The folder is copied, for the path
    // may be one of this window's own texts. A folder chosen meanwhile replaces this one; a
    // new order chosen meanwhile applies to it.
    const unsigned listing = ++mListing;
    const QString folder = path;
    ExplorerFiles files;
    const QPointer<FileExplorer> self(this);
    runAside([&] { files = scanExplorerFolder(folder); });
    if (!self || mClosed || listing != mListing)
        return;
    mAFiles = std::move(files);
    relist();
}

ThumbItems FileExplorer::getSortedFilesArray()
{
    return sortedItems(mAFiles, mNSortBy, mNSortOrder, mLFilter ? &mFilter : nullptr);
}

void FileExplorer::relist()
{
    // Sorting thousands of files takes a while too: on a worker, over a copy of the files and
    // of the order and filter. Events served meanwhile may list another folder, choose
    // another order or close the explorer: what they list since replaces this, and a closed
    // explorer lists nothing.
    const unsigned sorting = ++mSorting;
    ExplorerFiles files = mAFiles;
    const int sortBy = mNSortBy;
    const int sortOrder = mNSortOrder;
    const std::optional<ExplorerFilter> filter = mLFilter ? std::optional<ExplorerFilter>(mFilter) : std::nullopt;
    ThumbItems list;
    const QPointer<FileExplorer> self(this);
    runAside([&] { list = sortedItems(files, sortBy, sortOrder, filter ? &*filter : nullptr); });
    if (!self || mClosed || sorting != mSorting)
        return;
    mAFiles = std::move(files);
    mNFiles = int(list.size());
    mNSelected = 0;
    // The counts first: the grid lets events run while it fills, and the bar should be right.
    updateToolbar();
    mThumbs->changeData(std::move(list));
    if (self)
        updateToolbar();
}

void FileExplorer::reportSelected(int count)
{
    mNSelected = count;
    updateToolbar();
}

void FileExplorer::updateToolbar()
{
    mFilterItem->setText(QStringLiteral("Filter: ") + (mLFilter ? QStringLiteral("Yes") : QStringLiteral("No")));
    mNoOfFiles->setText(QStringLiteral("Files: ") + QString::number(mNFiles));
    mSelFiles->setText(QStringLiteral("Selected: ") + QString::number(mNSelected));
}

void FileExplorer::closeExplorer()
{
    closeWindowFrame(this);
}

void FileExplorer::smallThumbnails()
{
    const QPointer<FileExplorer> self(this);
    mThumbs->smallThumbnailSize();
    if (self)
        checkOne(SmallThumbnailsItem, SmallThumbnailsItem, UserDefinedThumbnailsItem);
}

void FileExplorer::normalThumbnails()
{
    const QPointer<FileExplorer> self(this);
    mThumbs->normalThumbnailSize();
    if (self)
        checkOne(NormalThumbnailsItem, SmallThumbnailsItem, UserDefinedThumbnailsItem);
}

void FileExplorer::largeThumbnails()
{
    const QPointer<FileExplorer> self(this);
    mThumbs->largeThumbnailSize();
    if (self)
        checkOne(LargeThumbnailsItem, SmallThumbnailsItem, UserDefinedThumbnailsItem);
}

void FileExplorer::userDefinedThumbnails()
{
    CustomImageDimWin dialog(this);
    if (dialog.exec() != 1)
        return;
    const int width = dialog.thumbWidth();
    const int height = dialog.thumbHeight();
    if (width > 10 && height > 10) {
        const QPointer<FileExplorer> self(this);
        mThumbs->customThumbnailSize(height, width);
        if (self)
            checkOne(UserDefinedThumbnailsItem, SmallThumbnailsItem, UserDefinedThumbnailsItem);
    }
}

void FileExplorer::thumbnailsSpacing()
{
    SpacingWin dialog(this);
    dialog.setRoom(mThumbs->largestSpacing());
    if (dialog.exec() != 1)
        return;
    if (dialog.horSpacing() > 0 && dialog.verSpacing() > 0)
        mThumbs->changeThumbsSpacing(dialog.verSpacing(), dialog.horSpacing());
}

void FileExplorer::setSort(int sortBy, int sortOrder)
{
    if (sortBy == mNSortBy && sortOrder == mNSortOrder)
        return;
    mNSortBy = sortBy;
    mNSortOrder = sortOrder;
    checkOne(ByNameItem + sortBy - 1, ByNameItem, ByDateItem);
    checkOne(sortOrder == SortAscending ? AscendingItem : DescendingItem, AscendingItem, DescendingItem);
    relist();
}

void FileExplorer::arrangeByName()
{
    setSort(SortByName, mNSortOrder);
}

void FileExplorer::arrangeByExtension()
{
    setSort(SortByExtension, mNSortOrder);
}

void FileExplorer::arrangeBySize()
{
    setSort(SortBySize, mNSortOrder);
}

void FileExplorer::arrangeByDate()
{
    setSort(SortByDate, mNSortOrder);
}

void FileExplorer::ascendingOrder()
{
    setSort(mNSortBy, SortAscending);
}

void FileExplorer::descendingOrder()
{
    setSort(mNSortBy, SortDescending);
}

void FileExplorer::thumbnailsFilter()
{
    ThumbsFilterWin dialog(this);
    dialog.setExtensions(mFilter.aFilterExt);
    dialog.setIncludeFiles(mFilter.cFilterInclude);
    dialog.setExcludeFiles(mFilter.cFilterExclude);
    dialog.setModifiedAfter(mFilter.dFilterAfter);
    dialog.setModifiedBefore(mFilter.dFilterBefore);
    const int result = dialog.exec();
    if (result == 2) {
        mLFilter = false;
        relist();
    } else if (result == 1) {
        mLFilter = true;
        mFilter = {dialog.extensions(), dialog.includeFiles(), dialog.excludeFiles(), dialog.modifiedAfter(),
                   dialog.modifiedBefore()};
        relist();
    }
}

void FileExplorer::refreshThumbnails()
{
    newPathSelected();
}

void FileExplorer::selectAll()
{
    mThumbs->selectAll();
}

void FileExplorer::unselectAll()
{
    mThumbs->unselectAll();
}

void FileExplorer::invertSelection()
{
    mThumbs->invertSelection();
}

void FileExplorer::previousPage()
{
    mThumbs->thumbsUp();
}

void FileExplorer::nextPage()
{
    mThumbs->thumbsDown();
}

void FileExplorer::newFolder()
{
    mDirTree->newFolder();
}

void FileExplorer::renameFolder()
{
    mDirTree->renameFolder();
}

void FileExplorer::refreshFolders()
{
    mDirTree->buildInitialTree();
}

void FileExplorer::helpIndex()
{
    if (mOwner && mOwner->metaObject()->indexOfMethod("showHelpTopic(QString)") >= 0)
        QMetaObject::invokeMethod(mOwner, "showHelpTopic", Q_ARG(QString, QStringLiteral("Viewer Explorer")));
}

void FileExplorer::pageSetup()
{
    OptionsWin dialog(this);
    dialog.exec();
}

void FileExplorer::showEvent(QShowEvent *event)
{
    // Shown again after closing (when it was not deleted), it lists again.
    mClosed = false;
    QMainWindow::showEvent(event);
}

void FileExplorer::closeEvent(QCloseEvent *event)
{
    mClosed = true;
    saveWindowPlacement(this, QStringLiteral("Explorer"));
    // The grid lets its thumbnails go now, and a page still filling stops at the next cell.
    mThumbs->close();
    QMainWindow::closeEvent(event);
}

} // namespace gb
