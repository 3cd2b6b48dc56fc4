#include "explorer/findimagewin.h"

#include "common/contextmenus.h"
#include "common/dialogunits.h"
#include "common/filedir.h"
#include "common/filepaths.h"
#include "common/messages.h"
#include "common/selectfolder.h"
#include "explorer/dialogfields.h"
#include "explorer/filecommands.h"
#include "explorer/fileops.h"
#include "explorer/filepropertieswin.h"
#include "image/previewft.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QHeaderView>
#include <QTableView>
#include <QMenu>
#include <QPointer>
#include <QPushButton>

#include <algorithm>

namespace gb {

namespace {

const char *const kTypes[] = {"bmp", "emf", "gif", "jpg", "pcx", "png", "tga", "tif", "wmf", "psd"};
const int kTypeX[] = {10, 42, 72, 100, 128, 160, 191, 220, 246, 276};
const int kTypeW[] = {28, 26, 23, 24, 27, 27, 26, 22, 27, 27};

void colourLabel(QLabel *label, const QColor &back, const QColor &text)
{
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::WindowText, text);
    label->setPalette(pal);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
}

} // namespace

// The result list's rows. Matches arrive in batches that mostly sort after every row there
// is (the walk goes through each folder in name order), so a batch is appended in one step
// and only a batch that falls among the rows makes the list anew.
class FoundPathsModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(mPaths.size()); }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
            return {};
        return mPaths.at(index.row());
    }
    void setPaths(const QStringList &paths)
    {
        beginResetModel();
        mPaths = paths;
        endResetModel();
    }
    void appendPaths(const QStringList &paths)
    {
        beginInsertRows({}, int(mPaths.size()), int(mPaths.size() + paths.size() - 1));
        mPaths += paths;
        endInsertRows();
    }
    void removePath(int row)
    {
        beginRemoveRows({}, row, row);
        mPaths.removeAt(row);
        endRemoveRows();
    }

private:
    QStringList mPaths;
};

FindImageWin::FindImageWin(QWidget *owner)
    : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Find Image File ..."));
    const DialogUnits du = DialogUnits::setUp(this, 364, 259);

    fixedText(this, QStringLiteral("Look In:"), du.rect(9, 4, 31, 12));
    mLookIn = new QLineEdit(this);
    mLookIn->setGeometry(du.rect(42, 2, 222, 12));
    mBrowse = new QPushButton(QStringLiteral("..."), this);
    mBrowse->setGeometry(du.rect(269, 2, 13, 12));
    mSubfolders = new QCheckBox(QStringLiteral("Search Subfolders"), this);
    mSubfolders->setGeometry(du.rect(286, 3, 76, 11));
    auto *types = new QGroupBox(QStringLiteral("Search for Image Types"), this);
    types->setGeometry(du.rect(2, 18, 304, 29));
    for (int i = 0; i < int(std::size(kTypes)); ++i) {
        auto *box = new QCheckBox(QString::fromLatin1(kTypes[i]), this);
        box->setGeometry(du.rect(kTypeX[i], 30, kTypeW[i], 11));
        box->setChecked(true);
        mTypeBoxes << box;
    }
    fixedText(this, QStringLiteral("Included in file name:"), du.rect(9, 56, 68, 12));
    mIncInFile = new QLineEdit(this);
    mIncInFile->setGeometry(du.rect(78, 55, 53, 12));
    fixedText(this, QStringLiteral("Excluded from file name:"), du.rect(166, 56, 80, 12));
    mExcFromFile = new QLineEdit(this);
    mExcFromFile->setGeometry(du.rect(250, 55, 53, 12));
    fixedText(this, QStringLiteral("File size greater than (kb):"), du.rect(8, 73, 84, 12));
    mSizeGr = numberEdit(this, du.rect(92, 71, 53, 12), 6);
    fixedText(this, QStringLiteral("and less than (kb):"), du.rect(156, 72, 62, 12));
    mSizeLess = numberEdit(this, du.rect(230, 72, 53, 12), 6);
    fixedText(this, QStringLiteral("Modified after:"), du.rect(8, 89, 48, 12));
    mModAfter = new QLineEdit(this);
    mModAfter->setGeometry(du.rect(58, 88, 53, 12));
    fixedText(this, QStringLiteral("and before:"), du.rect(120, 89, 38, 12));
    mModBefore = new QLineEdit(this);
    mModBefore->setGeometry(du.rect(161, 89, 53, 12));
    for (QLineEdit *date : {mModAfter, mModBefore})
        date->setPlaceholderText(dateFieldFormat().toLower());
    auto *buttons = new QGroupBox(this);
    // The frame ends two units inside the dialog: drawn up to the very edge, its right
    // line fell on the window border and was cut.
    buttons->setGeometry(du.rect(310, 22, 52, 71));
    mFind = new QPushButton(QStringLiteral("Find"), this);
    mFind->setGeometry(du.rect(316, 36, 44, 17));
    mClose = new QPushButton(QStringLiteral("Close"), this);
    mClose->setGeometry(du.rect(316, 63, 44, 17));
    fixedText(this, QStringLiteral("Searching In:"), du.rect(4, 110, 42, 12));
    mSearchIn = fixedText(this, QString(), du.rect(48, 108, 313, 12));
    colourLabel(mSearchIn, Qt::black, Qt::white);
    mPreview = new PreviewFt(this);
    mPreview->setGeometry(du.rect(293, 163, 66, 91));
    // A one-column table rather than a list view: rows of one height cost it nothing to lay
    // out, so tens of thousands of matches arrive without stalling the window.
    mList = new QTableView(this);
    mList->setGeometry(du.rect(2, 128, 284, 130));
    mList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mList->setSelectionMode(QAbstractItemView::SingleSelection);
    mList->setSelectionBehavior(QAbstractItemView::SelectRows);
    mList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mList->setShowGrid(false);
    mList->setWordWrap(false);
    mList->horizontalHeader()->hide();
    mList->verticalHeader()->hide();
    mList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    mList->verticalHeader()->setDefaultSectionSize(mList->fontMetrics().height() + 2);
    mModel = new FoundPathsModel(this);
    mList->setModel(mModel);
    // The list scrolls sideways over 700 pixels, so long paths can be read.
    mList->horizontalHeader()->setMinimumSectionSize(10);
    mList->setColumnWidth(0, 700);
    fixedText(this, QStringLiteral("Searched:"), du.rect(290, 131, 34, 12));
    mSearched = fixedText(this, QString(), du.rect(325, 129, 36, 12));
    fixedText(this, QStringLiteral("Found:"), du.rect(290, 144, 26, 12));
    mFound = fixedText(this, QString(), du.rect(325, 144, 36, 12));
    for (QLabel *counter : {mSearched, mFound}) {
        colourLabel(counter, Qt::white, Qt::blue);
        counter->setAlignment(Qt::AlignCenter);
    }

    mMenu = makeContextMenu(QStringLiteral("FindImageCM"), this);
    mList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(mList, &QTableView::customContextMenuRequested, this, [this](const QPoint &at) {
        if (mMenu)
            mMenu->popup(mList->viewport()->mapToGlobal(at));
    });
    connect(mBrowse, &QPushButton::clicked, this, &FindImageWin::pbBrowseDir);
    connect(mFind, &QPushButton::clicked, this, &FindImageWin::pbFind);
    connect(mClose, &QPushButton::clicked, this, &FindImageWin::pbCancel);
    makeEnterButton(mFind);
    connect(mList->selectionModel(), &QItemSelectionModel::currentChanged, this, &FindImageWin::listBoxSelect);
}

FindImageWin::~FindImageWin()
{
    mStopRequested = true;
    mPreview->update(nullptr, 0, 0, QString());
}

QCheckBox *FindImageWin::typeBox(const QString &extension) const
{
    for (QCheckBox *box : mTypeBoxes)
        if (box->text().compare(extension, Qt::CaseInsensitive) == 0)
            return box;
    return nullptr;
}

void FindImageWin::pbBrowseDir()
{
    QString folder;
    if (selectFolder(this, QStringLiteral("Select folder to start search"), QString(), 0, &folder))
        mLookIn->setText(folder);
}

void FindImageWin::pbFind()
{
    if (mSearching)
        return;
    QString folder = mLookIn->text().trimmed();
    if (folder.isEmpty()) {
        errorMsg(this, QStringLiteral("Please define search starting folder"));
        return;
    }
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    mCriteria.lookInFolder = folder;
    if (!dirExist(folder)) {
        errorMsg(this, QStringLiteral("Search starting folder does not exist"));
        return;
    }
    mCriteria.lookInSubfolders = mSubfolders->isChecked();
    mCriteria.imageTypes.clear();
    for (QCheckBox *box : mTypeBoxes)
        if (box->isChecked())
            mCriteria.imageTypes << box->text().toUpper();
    if (mCriteria.imageTypes.isEmpty()) {
        errorMsg(this, QStringLiteral("Please define at least one image type"));
        return;
    }
    mCriteria.includeInFile = mIncInFile->text().trimmed();
    mCriteria.excludeFromFile = mExcFromFile->text().trimmed();
    mCriteria.minFileSize = numberOf(mSizeGr->text());
    mCriteria.maxFileSize = numberOf(mSizeLess->text());
    if (mCriteria.minFileSize > mCriteria.maxFileSize || mCriteria.minFileSize < 0 || mCriteria.maxFileSize < 0) {
        errorMsg(this, QStringLiteral("Min file size must be less than Max file size"));
        return;
    }
    mCriteria.modAfter = dateFromField(mModAfter->text());
    mCriteria.modBefore = dateFromField(mModBefore->text());
    if (mCriteria.modAfter.isValid() && mCriteria.modBefore.isValid() && mCriteria.modAfter > mCriteria.modBefore) {
        errorMsg(this, QStringLiteral("'Modifier after' date must be less than 'Modified before' date"));
        return;
    }
    for (QLabel *label : {mSearchIn, mSearched, mFound})
        label->clear();
    mResults.clear();
    mPending.clear();
    mModel->setPaths({});
    mList->repaint();
    actualFind();
    mSearchIn->clear();
}

void FindImageWin::actualFind()
{
    mSearching = true;
    mStopRequested = false;
    mFind->setEnabled(false);
    const QPointer<FindImageWin> self(this);
    ImageFinder finder;
    finder.folderEntered = [this](const QString &folder) { mSearchIn->setText(folder); };
    finder.found = [this](const QString &path) { mPending << path; };
    // The list takes the matches in few large batches: each batch costs the list a new
    // layout, while the counters may move at every turn.
    QElapsedTimer sinceFlush;
    sinceFlush.start();
    finder.progress = [this, self, &sinceFlush](qint64 searched, qint64 found) {
        mSearched->setText(QString::number(searched));
        if (found > 0)
            mFound->setText(QString::number(found));
        if (sinceFlush.elapsed() >= 100) {
            flushFound();
            sinceFlush.restart();
        }
        // The window stays live while the search runs: repaints, Close, moving the window.
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        return self && !mStopRequested;
    };
    finder.run(mCriteria);
    if (!self)
        return;
    flushFound();
    mSearching = false;
    mFind->setEnabled(true);
    if (mCloseAfterSearch)
        done(-1);
}

void FindImageWin::flushFound()
{
    if (mPending.isEmpty())
        return;
    // The walk finds most matches in order already; sorting is then a single look.
    if (!std::is_sorted(mPending.cbegin(), mPending.cend(), lessIgnoringCase))
        std::sort(mPending.begin(), mPending.end(), lessIgnoringCase);
    if (mResults.isEmpty() || !lessIgnoringCase(mPending.first(), mResults.last())) {
        mResults += mPending;
        mModel->appendPaths(mPending);
        mPending.clear();
        return;
    }
    QStringList merged;
    merged.reserve(mResults.size() + mPending.size());
    std::merge(mResults.cbegin(), mResults.cend(), mPending.cbegin(), mPending.cend(), std::back_inserter(merged),
               lessIgnoringCase);
    mResults = merged;
    mPending.clear();
    mModel->setPaths(mResults);
}

void FindImageWin::pbCancel()
{
    if (mSearching) {
        mStopRequested = true;
        mCloseAfterSearch = true;
        return;
    }
    done(-1);
}

void FindImageWin::reject()
{
    pbCancel();
}

void FindImageWin::closeEvent(QCloseEvent *event)
{
    if (mSearching) {
        mStopRequested = true;
        mCloseAfterSearch = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

QString FindImageWin::selectedPath() const
{
    const QModelIndexList rows = mList->selectionModel()->selectedRows(0);
    return rows.isEmpty() ? QString() : rows.first().data().toString();
}

void FindImageWin::selectResult(int row)
{
    mList->setCurrentIndex(mModel->index(row));
}

void FindImageWin::listBoxSelect()
{
    const QString path = mList->currentIndex().data().toString();
    if (!path.isEmpty())
        previewFile(mPreview, &mPreviewImage, path);
}

void FindImageWin::removeSelectedEntry()
{
    const int row = mList->currentIndex().row();
    if (row < 0)
        return;
    mResults.removeAt(row);
    mModel->removePath(row);
}

void FindImageWin::copyFile()
{
    const QString path = selectedPath();
    if (path.isEmpty())
        return;
    QString folder;
    if (selectFolder(this, QStringLiteral("Select folder to copy selected file"), QString(), 0, &folder))
        copyFilesInto(this, {path}, folder);
}

void FindImageWin::moveFile()
{
    const QString path = selectedPath();
    if (path.isEmpty())
        return;
    QString folder;
    if (!selectFolder(this, QStringLiteral("Select folder to move selected file"), QString(), 0, &folder))
        return;
    if (moveFilesInto(this, {path}, folder) == 1)
        removeSelectedEntry();
}

void FindImageWin::fileProperties()
{
    const QString path = selectedPath();
    if (!path.isEmpty())
        gb::fileProperties(this, path);
}

void FindImageWin::removeFile()
{
    const QString path = selectedPath();
    if (path.isEmpty())
        return;
    if (!confirmDelete(this, QStringLiteral("Selected file(s) will be removed and they cannot be restored later.")))
        return;
    if (removeFilesNow(this, {path}) == 1)
        removeSelectedEntry();
}

} // namespace gb
