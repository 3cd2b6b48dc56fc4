#include "batch/besiwin.h"

#include "batch/folderscan.h"
#include "common/contextmenus.h"
#include "common/dialogunits.h"
#include "common/globals.h"
#include "common/imagelistfiles.h"
#include "common/messages.h"
#include "common/selectfolder.h"
#include "image/previewft.h"
#include "image/thumbnail.h"
#include "image/viewerwin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QTimer>

namespace gb {

namespace {

const QString kSelectFromSelected = QStringLiteral("Select an image file from selected files list");

// A slice of a recursive listing takes this long before the window serves its events.
constexpr int kScanSliceMs = 12;

// The two lists of image paths: one chosen row at a time, scrolled both ways.
QListWidget *fileList(const ControlPlacer &place, const QString &name, const QRect &r)
{
    auto *l = new QListWidget(place.parent());
    place.put(l, r, name);
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    l->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    l->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    l->setUniformItemSizes(true);
    return l;
}

QString sizeLabel(const char *label, int value)
{
    return QLatin1String(label) + (value < 0 ? QString() : QString::number(value));
}

} // namespace

BeSiWin::BeSiWin(QWidget *owner, int controlId)
    : WizardPageWin(owner, controlId, 378, 187)
{
    const ControlPlacer place(this, units());

    mCurFolder = place.combo(QStringLiteral("CURFOLDER"), {52, 4, 228, 12});
    mCurFolder->setEditable(true);
    mCurFolder->setInsertPolicy(QComboBox::NoInsert);
    mBrowse = place.bitmapButton(QStringLiteral("PBBROWSE"), QStringLiteral("FINDFILE"), QStringLiteral("..."),
                                 {284, 4, 13, 12});
    mInSubfolders = place.checkBox(QStringLiteral("INSUBFOLDERS"), QStringLiteral("Include Subfolders"), {300, 5, 72, 11});
    mAvailableLb = withToolTip(fileList(place, QStringLiteral("AVAILABLELB"), {4, 35, 166, 100}),
                               QStringLiteral("Available images on currently selected folder"));
    // The arrow buttons show a bitmap (a text arrow where it is missing) and run their slot.
    auto arrow = [&](const char *name, const char *bitmap, const char *fallback, const QRect &r, const QString &tip,
                     void (BeSiWin::*slot)()) {
        QPushButton *b = place.bitmapButton(QLatin1String(name), QLatin1String(bitmap), QLatin1String(fallback), r);
        b->setToolTip(tip);
        connect(b, &QPushButton::clicked, this, slot);
    };
    arrow("PBSELECTSOME", "RIGHTSARROW", ">", {174, 43, 13, 12}, QStringLiteral("Click to select all highlighted images"),
          &BeSiWin::pbSelectSome);
    arrow("PBSELECTALL", "RIGHTDARROW", ">>", {174, 62, 13, 12},
          QStringLiteral("Click to select all images of current folder"), &BeSiWin::pbSelectAll);
    arrow("PBDESELECTSOME", "LEFTSARROW", "<", {174, 94, 13, 12}, QStringLiteral("Click to unselect highlighted images"),
          &BeSiWin::pbDeselectSome);
    arrow("PBDESELECTALL", "LEFTDARROW", "<<", {174, 113, 13, 12}, QStringLiteral("Click to unselect all images"),
          &BeSiWin::pbDeselectAll);
    mSelectedLb = withToolTip(fileList(place, QStringLiteral("SELECTEDLB"), {192, 35, 166, 100}),
                              QStringLiteral("Selected images"));
    arrow("PBMOVEUP", "UPARROW", "^", {362, 59, 13, 12},
          QStringLiteral("Click to move up a selected image (process earlier)"), &BeSiWin::pbMoveUp);
    arrow("PBMOVEDOWN", "DOWNARROW", "v", {362, 94, 13, 12},
          QStringLiteral("Click to move down a selected image (process later)"), &BeSiWin::pbMoveDown);
    place.label(QStringLiteral("Selected Images for Processing:"), {192, 25, 152, 8});
    place.label(QStringLiteral("Available Images in Current Folder(s):"), {4, 25, 122, 8});
    place.label(QStringLiteral("Source folder:"), {4, 6, 47, 12});
    mPreviewFt1 = new PreviewFt(this);
    place.put(mPreviewFt1, {264, 140, 111, 43}, QStringLiteral("PREVIEWFT1"));
    mPreview = withToolTip(place.checkBox(QStringLiteral("PREVIEW"), QStringLiteral("Preview"), {5, 140, 40, 11}),
                           QStringLiteral("Check this option to preview each highlighted file from available list"));
    mW1 = place.label(QStringLiteral("Width:"), {3, 156, 40, 12});
    mH1 = place.label(QStringLiteral("Height:"), {3, 169, 40, 12});
    place.framedGroup(QStringLiteral("Image List"), {164, 143, 50, 39}, 4);
    QPushButton *saveList = place.button(QStringLiteral("PBSAVEIMAGELIST"), QStringLiteral("Save"), {174, 150, 31, 12});
    QPushButton *loadList = place.button(QStringLiteral("PBLOADIMAGELIST"), QStringLiteral("Load"), {174, 167, 31, 12});
    mPreview1 = withToolTip(place.checkBox(QStringLiteral("PREVIEW1"), QStringLiteral("Preview"), {221, 140, 40, 11}),
                            QStringLiteral("Check this option to preview each highlighted file from selected files list"));
    mH2 = place.label(QStringLiteral("Height:"), {222, 169, 40, 12});
    mW2 = place.label(QStringLiteral("Width:"), {222, 156, 40, 12});
    mPreviewFt = new PreviewFt(this);
    place.put(mPreviewFt, {47, 140, 111, 43}, QStringLiteral("PREVIEWFT"));
    framePane(mPreviewFt);
    framePane(mPreviewFt1);
    // The labels carry the size of long paths; the lists scroll sideways to show them.
    for (QListWidget *l : {mAvailableLb, mSelectedLb})
        l->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    // The context menus' "View Image" reaches viewImage() and viewImage1() of this page.
    for (auto [l, menuClass] : {std::pair{mAvailableLb, "SelectFilesCMenu"}, std::pair{mSelectedLb, "SelectFilesCMenu1"}}) {
        QMenu *menu = makeContextMenu(QLatin1String(menuClass), l);
        if (!menu)
            continue;
        l->setContextMenuPolicy(Qt::CustomContextMenu);
        QListWidget *list = l;
        connect(list, &QWidget::customContextMenuRequested, menu,
                [menu, list](const QPoint &at) { menu->popup(list->viewport()->mapToGlobal(at)); });
    }

    mTypingPause = new QTimer(this);
    mTypingPause->setSingleShot(true);
    mTypingPause->setInterval(kTypingPauseMs);
    connect(mTypingPause, &QTimer::timeout, this, &BeSiWin::folderTyped);
    connect(mCurFolder, &QComboBox::editTextChanged, this, [this] { mTypingPause->start(); });
    connect(mCurFolder->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        mTypingPause->stop();
        folderTyped();
    });
    connect(mCurFolder, &QComboBox::activated, this, [this](int index) {
        mTypingPause->stop();
        {
            const QSignalBlocker block(mCurFolder);
            mCurFolder->setEditText(mCurFolder->itemText(index));
        }
        newPathSelected();
    });

    connect(mBrowse, &QPushButton::clicked, this, &BeSiWin::pbBrowse);
    connect(saveList, &QPushButton::clicked, this, &BeSiWin::pbSaveImageList);
    connect(loadList, &QPushButton::clicked, this, &BeSiWin::pbLoadImageList);
    connect(mPreview, &QCheckBox::clicked, this, &BeSiWin::refreshPreview);
    connect(mPreview1, &QCheckBox::clicked, this, &BeSiWin::refreshPreview1);
    connect(mInSubfolders, &QCheckBox::clicked, this, &BeSiWin::newPathSelected);
    connect(mAvailableLb, &QListWidget::currentRowChanged, this, &BeSiWin::refreshPreview);
    connect(mSelectedLb, &QListWidget::currentRowChanged, this, &BeSiWin::refreshPreview1);

    // The folders used earlier in this run.
    {
        const QSignalBlocker block(mCurFolder);
        mCurFolder->addItems(gaRecentFolders);
        mCurFolder->setCurrentIndex(-1);
        mCurFolder->setEditText(QString());
    }
}

BeSiWin::~BeSiWin()
{
    // The panes only point at the buffers; they let go of them before the buffers go.
    mPreviewFt->update(nullptr, 0, 0, QString());
    mPreviewFt1->update(nullptr, 0, 0, QString());
}

QPushButton *BeSiWin::button(const char *name) const
{
    return findChild<QPushButton *>(QLatin1String(name));
}

QString BeSiWin::curDir() const
{
    const QString text = mCurFolder->currentText();
    if (text.isEmpty() || text.endsWith(QLatin1Char('/')))
        return text;
    return text + QLatin1Char('/');
}

void BeSiWin::addRecentFolder(const QString &folder)
{
    if (gaRecentFolders.contains(folder))
        return;
    gaRecentFolders << folder;
    const QSignalBlocker block(mCurFolder);
    const QString text = mCurFolder->currentText();
    mCurFolder->addItem(folder);
    // The drop-down is sorted; the text the user typed stays as it is.
    mCurFolder->model()->sort(0);
    mCurFolder->setEditText(text);
}

void BeSiWin::folderTyped()
{
    const QString folder = curDir();
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
        addRecentFolder(folder);
        newPathSelected();
        return;
    }
    stopScan();
    mAvailableLb->clear();
    previewFile(QString());
}

void BeSiWin::newPathSelected()
{
    const QString folder = curDir();
    stopScan();
    mAvailableLb->clear();
    previewFile(QString());
    if (folder.isEmpty())
        return;
    if (!mInSubfolders->isChecked()) {
        mAvailableLb->addItems(listFolderImages(folder));
        return;
    }
    actualFind(folder);
}

void BeSiWin::actualFind(const QString &folder)
{
    mWalk = std::make_unique<FolderWalk>(folder);
    // The first slice runs at once, so small trees are listed before the click returns.
    scanSlice();
}

void BeSiWin::scanSlice()
{
    if (!mWalk)
        return;
    QStringList found;
    const bool done = mWalk->step(kScanSliceMs, &found);
    mAvailableLb->addItems(found);
    if (done) {
        mWalk.reset();
        emit scanFinished();
        return;
    }
    QTimer::singleShot(0, this, &BeSiWin::scanSlice);
}

void BeSiWin::stopScan()
{
    if (!mWalk)
        return;
    mWalk.reset();
    emit scanFinished();
}

void BeSiWin::waitForScan()
{
    while (mWalk) {
        QStringList found;
        const bool done = mWalk->step(1000, &found);
        mAvailableLb->addItems(found);
        if (done) {
            mWalk.reset();
            emit scanFinished();
        }
    }
}

void BeSiWin::pbBrowse()
{
    QString start = mCurFolder->currentText();
    if (start.size() > 1 && start.endsWith(QLatin1Char('/')))
        start.chop(1);
    QString folder;
    if (!selectFolder(this, QStringLiteral("Select source folder ..."), start, 0, &folder))
        return;
    mTypingPause->stop();
    {
        const QSignalBlocker block(mCurFolder);
        mCurFolder->setEditText(folder);
    }
    addRecentFolder(folder);
    newPathSelected();
}

QStringList BeSiWin::selectedFiles() const
{
    QStringList files;
    files.reserve(mSelectedLb->count());
    for (int i = 0; i < mSelectedLb->count(); ++i)
        files << mSelectedLb->item(i)->text();
    return files;
}

void BeSiWin::loadFiles(const QStringList &files)
{
    appendNew(files);
}

void BeSiWin::appendNew(const QStringList &paths)
{
    // A set keeps thousands of files from costing a comparison with every selected one.
    const QStringList selected = selectedFiles();
    QSet<QString> held(selected.begin(), selected.end());
    QStringList added;
    for (const QString &path : paths)
        if (!held.contains(path)) {
            held.insert(path);
            added << path;
        }
    mSelectedLb->addItems(added);
}

void BeSiWin::pbSelectSome()
{
    if (curDir().isEmpty())
        return;
    const int n = mAvailableLb->currentRow();
    if (n < 0 || !mAvailableLb->currentItem()->isSelected()) {
        warningMsg(this, QStringLiteral("Select an image files from available files list"));
        return;
    }
    const QString path = mAvailableLb->item(n)->text();
    if (!selectedFiles().contains(path))
        mSelectedLb->addItem(path);
    // Pressing again adds the next image.
    if (n + 1 < mAvailableLb->count()) {
        mAvailableLb->setCurrentRow(n + 1);
        refreshPreview();
    }
}

void BeSiWin::pbSelectAll()
{
    if (curDir().isEmpty())
        return;
    waitForScan();
    QStringList available;
    available.reserve(mAvailableLb->count());
    for (int i = 0; i < mAvailableLb->count(); ++i)
        available << mAvailableLb->item(i)->text();
    appendNew(available);
}

void BeSiWin::pbDeselectSome()
{
    const int n = mSelectedLb->currentRow();
    if (n < 0 || !mSelectedLb->currentItem()->isSelected()) {
        warningMsg(this, kSelectFromSelected);
        return;
    }
    {
        const QSignalBlocker block(mSelectedLb);
        delete mSelectedLb->takeItem(n);
        mSelectedLb->setCurrentRow(-1);
    }
    if (n < mSelectedLb->count()) {
        mSelectedLb->setCurrentRow(n);
        refreshPreview1();
    }
}

void BeSiWin::pbDeselectAll()
{
    const QSignalBlocker block(mSelectedLb);
    mSelectedLb->clear();
}

void BeSiWin::swapSelected(int a, int b)
{
    const QSignalBlocker block(mSelectedLb);
    const QString textA = mSelectedLb->item(a)->text();
    mSelectedLb->item(a)->setText(mSelectedLb->item(b)->text());
    mSelectedLb->item(b)->setText(textA);
}

void BeSiWin::pbMoveUp() { moveSelected(-1); }
void BeSiWin::pbMoveDown() { moveSelected(1); }

void BeSiWin::moveSelected(int step)
{
    const int n = mSelectedLb->currentRow();
    if (n < 0 || !mSelectedLb->currentItem()->isSelected()) {
        warningMsg(this, kSelectFromSelected);
        return;
    }
    const int to = n + step;
    if (to < 0 || to >= mSelectedLb->count())
        return;
    swapSelected(n, to);
    {
        const QSignalBlocker block(mSelectedLb);
        mSelectedLb->setCurrentRow(to);
    }
    refreshPreview1();
}

void BeSiWin::refreshPreview()
{
    const QListWidgetItem *item = mAvailableLb->currentItem();
    previewFile(mPreview->isChecked() && item ? item->text() : QString());
}

void BeSiWin::refreshPreview1()
{
    const QListWidgetItem *item = mSelectedLb->currentItem();
    previewFile1(mPreview1->isChecked() && item ? item->text() : QString());
}

// Both panes: a missing file clears the pane and the labels; a file that cannot be loaded
// clears the labels and leaves the pane showing what it showed; otherwise the pane shows the
// image fitted into it and the labels give the size of the image file.
static void showInPane(PreviewFt *pane, RgbImage *buffer, QLabel *w, QLabel *h, const QString &path)
{
    QSize size(-1, -1);
    previewFile(pane, buffer, path, QSize(), &size);
    w->setText(sizeLabel("Width: ", size.width()));
    h->setText(sizeLabel("Height: ", size.height()));
    w->repaint();
    h->repaint();
}

void BeSiWin::previewFile(const QString &path)
{
    showInPane(mPreviewFt, &mAvailPreview, mW1, mH1, path);
}

void BeSiWin::previewFile1(const QString &path)
{
    showInPane(mPreviewFt1, &mSelPreview, mW2, mH2, path);
}

void BeSiWin::viewImage()
{
    const QListWidgetItem *item = mAvailableLb->currentItem();
    if (curDir().isEmpty() || !item)
        return;
    new ViewerWin(window(), item->text());
}

void BeSiWin::viewImage1()
{
    const QListWidgetItem *item = mSelectedLb->currentItem();
    if (curDir().isEmpty() || !item)
        return;
    new ViewerWin(window(), item->text());
}

void BeSiWin::pbSaveImageList()
{
    const QStringList files = selectedFiles();
    if (files.isEmpty()) {
        infoMessage(this, QStringLiteral("Select at least one image file to save in an image list"));
        return;
    }
    if (saveImageList(this, files))
        infoMessage(this, QStringLiteral("Image list saved with success."));
}

void BeSiWin::pbLoadImageList()
{
    QStringList kept;
    for (const QString &line : getImageList(this))
        if (!line.isEmpty() && QFileInfo(line).isFile() && QFileInfo(line).size() > 0)
            kept << line;
    if (kept.isEmpty())
        return;
    const QSignalBlocker block(mSelectedLb);
    mSelectedLb->clear();
    mSelectedLb->addItems(kept);
}

} // namespace gb
