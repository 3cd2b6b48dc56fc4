#include "gallery_setup/hgsiwin.h"

#include "app/resourceclasses.h"
#include "common/contextmenus.h"
#include "common/filedir.h"
#include "common/filepaths.h"
#include "common/globals.h"
#include "common/imagelistfiles.h"
#include "common/messages.h"
#include "common/selectfolder.h"
#include "gallery_setup/pagefields.h"
#include "image/imageload.h"
#include "image/previewft.h"
#include "image/viewerwin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <QVBoxLayout>

namespace gb {

namespace {

const char *const kMasks[] = {"*.jpg", "*.gif", "*.png", "*.tga", "*.tif", "*.pcx", "*.bmp", "*.emf", "*.wmf", "*.psd"};
const QStringList kImageExtensions = {"BMP", "EMF", "GIF", "JPG", "PCX", "PNG", "TGA", "TIF", "WMF", "PSD"};

QListWidget *pathList(QWidget *parent, const QString &name, const QString &tip)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(name);
    list->setToolTip(tip);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    list->setMinimumWidth(160);
    return list;
}

} // namespace

HgSiWin::HgSiWin(QWidget *owner) : SectionPage(owner)
{
    setObjectName(QStringLiteral("HGSIWIN"));
    mCurFolder = new QComboBox(this);
    mCurFolder->setObjectName(QStringLiteral("CURFOLDER"));
    mCurFolder->setEditable(true);
    mCurFolder->setInsertPolicy(QComboBox::NoInsert);
    mBrowse = pictureButton(this, QStringLiteral("PBBROWSE"), FindFile());
    mInSubfolders = pageCheck(this, QStringLiteral("INSUBFOLDERS"), QStringLiteral("Include Subfolders"));
    mAvailable = pathList(this, QStringLiteral("AVAILABLELB"), QStringLiteral("Available images on currently selected folder"));
    mPreview = pageCheck(this, QStringLiteral("PREVIEW"), QStringLiteral("Preview"),
                         QStringLiteral("Check this option to preview each highlighted file from available list"));
    mPreviewFt = new PreviewFt(this);
    mPreviewFt->setObjectName(QStringLiteral("PREVIEWFT"));
    auto *selectSome = pictureButton(this, QStringLiteral("PBSELECTSOME"), RightSArrow(),
                                     QStringLiteral("Click to select all highlighted images"));
    auto *selectAll = pictureButton(this, QStringLiteral("PBSELECTALL"), RightDArrow(),
                                    QStringLiteral("Click to select all images of current folder"));
    auto *deselectSome = pictureButton(this, QStringLiteral("PBDESELECTSOME"), LeftSArrow(),
                                       QStringLiteral("Click to unselect highlighted images"));
    auto *deselectAll = pictureButton(this, QStringLiteral("PBDESELECTALL"), LeftDArrow(),
                                      QStringLiteral("Click to unselect all images"));
    mSelectedLb = pathList(this, QStringLiteral("SELECTEDLB"), QStringLiteral("Selected images"));
    auto *moveDown = pictureButton(this, QStringLiteral("PBMOVEDOWN"), DownArrow(),
                                   QStringLiteral("Click to move down a selected image (process later)"));
    auto *moveUp = pictureButton(this, QStringLiteral("PBMOVEUP"), UpArrow(),
                                 QStringLiteral("Click to move up a selected image (process earlier)"));
    mPreviewFt1 = new PreviewFt(this);
    mPreviewFt1->setObjectName(QStringLiteral("PREVIEWFT1"));
    for (PreviewFt *pane : {mPreviewFt, mPreviewFt1}) {
        pane->setFixedSize(110, 90);
        pane->setFrameShape(QFrame::Box);
    }
    auto *listGroup = new QGroupBox(QStringLiteral("Image List"), this);
    listGroup->setObjectName(QStringLiteral("GROUPBOX1"));
    auto *load = textButton(listGroup, QStringLiteral("PBLOADIMAGELIST"), QStringLiteral("Load"));
    auto *save = textButton(listGroup, QStringLiteral("PBSAVEIMAGELIST"), QStringLiteral("Save"));
    auto *listLayout = new QHBoxLayout(listGroup);
    listLayout->addWidget(save);
    listLayout->addWidget(load);
    mPreview1 = pageCheck(this, QStringLiteral("PREVIEW1"), QStringLiteral("Preview"),
                          QStringLiteral("Check this option to preview each highlighted file from selected files list"));
    mW1 = fixedText(this, QStringLiteral("Width:"), QStringLiteral("W1"));
    mH1 = fixedText(this, QStringLiteral("Height:"), QStringLiteral("H1"));
    mW2 = fixedText(this, QStringLiteral("Width:"), QStringLiteral("W2"));
    mH2 = fixedText(this, QStringLiteral("Height:"), QStringLiteral("H2"));

    auto *grid = new QGridLayout(this);
    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(fixedText(this, QStringLiteral("Source folder:"), QStringLiteral("FIXEDTEXT5")));
    folderRow->addWidget(mCurFolder, 1);
    folderRow->addWidget(mBrowse);
    folderRow->addWidget(mInSubfolders);
    grid->addLayout(folderRow, 0, 0, 1, 6);
    grid->addWidget(fixedText(this, QStringLiteral("Available Images in Current Folder(s):"), QStringLiteral("FIXEDTEXT1")),
                    1, 0);
    grid->addWidget(fixedText(this, QStringLiteral("Selected Images for Processing:"), QStringLiteral("FIXEDTEXT2")), 1,
                    3);
    grid->addWidget(mAvailable, 2, 0);
    auto *leftPreview = new QVBoxLayout;
    leftPreview->addWidget(mPreview);
    leftPreview->addWidget(mPreviewFt);
    leftPreview->addWidget(mW1);
    leftPreview->addWidget(mH1);
    leftPreview->addStretch();
    grid->addLayout(leftPreview, 2, 1);
    auto *moves = new QVBoxLayout;
    moves->addStretch();
    for (QWidget *w : {selectSome, selectAll, deselectSome, deselectAll})
        moves->addWidget(w);
    moves->addStretch();
    grid->addLayout(moves, 2, 2);
    grid->addWidget(mSelectedLb, 2, 3);
    auto *order = new QVBoxLayout;
    order->addStretch();
    order->addWidget(moveUp);
    order->addWidget(moveDown);
    order->addStretch();
    grid->addLayout(order, 2, 4);
    auto *rightPreview = new QVBoxLayout;
    rightPreview->addWidget(mPreview1);
    rightPreview->addWidget(mPreviewFt1);
    rightPreview->addWidget(mW2);
    rightPreview->addWidget(mH2);
    rightPreview->addStretch();
    rightPreview->addWidget(listGroup);
    grid->addLayout(rightPreview, 2, 5);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(2, 1);

    connect(mBrowse, &QPushButton::clicked, this, &HgSiWin::pbBrowse);
    connect(selectSome, &QPushButton::clicked, this, &HgSiWin::pbSelectSome);
    connect(selectAll, &QPushButton::clicked, this, &HgSiWin::pbSelectAll);
    connect(deselectSome, &QPushButton::clicked, this, &HgSiWin::pbDeselectSome);
    connect(deselectAll, &QPushButton::clicked, this, &HgSiWin::pbDeselectAll);
    connect(moveUp, &QPushButton::clicked, this, &HgSiWin::pbMoveUp);
    connect(moveDown, &QPushButton::clicked, this, &HgSiWin::pbMoveDown);
    connect(load, &QPushButton::clicked, this, &HgSiWin::pbLoadImageList);
    connect(save, &QPushButton::clicked, this, &HgSiWin::pbSaveImageList);
    connect(mInSubfolders, &QCheckBox::clicked, this, &HgSiWin::newPathSelected);
    connect(mPreview, &QCheckBox::clicked, this, &HgSiWin::refreshPreview);
    connect(mPreview1, &QCheckBox::clicked, this, &HgSiWin::refreshPreview1);
    connect(mAvailable, &QListWidget::currentRowChanged, this, &HgSiWin::refreshPreview);
    connect(mSelectedLb, &QListWidget::currentRowChanged, this, &HgSiWin::refreshPreview1);
    connect(mCurFolder, &QComboBox::activated, this, &HgSiWin::newPathSelected);
    // A typed folder is looked at once the typing pauses, so that a walk of a large tree
    // never starts on every keystroke.
    auto *typing = new QTimer(this);
    typing->setSingleShot(true);
    typing->setInterval(400);
    connect(typing, &QTimer::timeout, this, &HgSiWin::folderEdited);
    connect(mCurFolder->lineEdit(), &QLineEdit::textEdited, typing, qOverload<>(&QTimer::start));
    connect(mCurFolder->lineEdit(), &QLineEdit::returnPressed, this, &HgSiWin::folderEdited);

    if (QMenu *menu = makeContextMenu(QStringLiteral("SelectFilesCMenu"), mAvailable))
        connect(mAvailable, &QWidget::customContextMenuRequested, menu,
                [this, menu](const QPoint &pos) { menu->popup(mAvailable->viewport()->mapToGlobal(pos)); });
    if (QMenu *menu = makeContextMenu(QStringLiteral("SelectFilesCMenu1"), mSelectedLb))
        connect(mSelectedLb, &QWidget::customContextMenuRequested, menu,
                [this, menu](const QPoint &pos) { menu->popup(mSelectedLb->viewport()->mapToGlobal(pos)); });

    for (const QString &folder : std::as_const(gaRecentFolders))
        mCurFolder->addItem(folder);
    mCurFolder->model()->sort(0);
    mCurFolder->setCurrentIndex(-1);
    mCurFolder->setEditText(QString());
}

QString HgSiWin::curDir() const
{
    QString folder = mCurFolder->currentText();
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

void HgSiWin::loadFiles(const QStringList &files)
{
    for (const QString &file : files)
        addSelected(file);
}

void HgSiWin::addSelected(const QString &path)
{
    if (mSelected.contains(path))
        return;
    mSelected.append(path);
    mSelectedLb->addItem(path);
}

void HgSiWin::newPathSelected()
{
    const QString folder = curDir();
    mAvailable->clear();
    previewFile(QString(), mPreviewFt, &mAvailablePreview, mW1, mH1);
    if (folder.isEmpty())
        return;
    if (mInSubfolders->isChecked()) {
        actualFind(folder);
        return;
    }
    QStringList found;
    QSet<QString> seen; // masks ignore case here, so two masks never find one file twice
    for (const char *mask : kMasks) {
        for (const FileDirEntry &entry : getFiles(folder + QLatin1String(mask))) {
            const QString path = folder + entry.name;
            if (!seen.contains(path)) {
                seen.insert(path);
                found.append(path);
            }
        }
    }
    found.sort();
    mAvailable->addItems(found);
}

void HgSiWin::actualFind(const QString &folder)
{
    // Folders are entered through getSubDirectories(), which leaves out links to folders and
    // pseudo file systems, so the walk always ends.
    const QStringList subfolders = getSubDirectories(folder + QStringLiteral("*.*"));
    for (const FileDirEntry &entry : getFileDir(folder + QStringLiteral("*.*"))) {
        if (entry.isFolder()) {
            if (subfolders.contains(entry.name))
                actualFind(folder + entry.name + QLatin1Char('/'));
        } else if (kImageExtensions.contains(entry.extension.toUpper())) {
            mAvailable->addItem(folder + entry.name);
        }
    }
}

void HgSiWin::rememberFolder(const QString &folder)
{
    if (!gaRecentFolders.contains(folder)) {
        gaRecentFolders.append(folder);
        mCurFolder->addItem(folder);
    }
}

void HgSiWin::pbBrowse()
{
    QString start = mCurFolder->currentText();
    if (start.size() > 1 && start.endsWith(QLatin1Char('/')))
        start.chop(1);
    QString folder;
    if (!selectFolder(this, QStringLiteral("Select source folder ..."), start, 0, &folder))
        return;
    mCurFolder->setEditText(folder);
    rememberFolder(folder);
    mCurFolder->setEditText(folder);
    newPathSelected();
}

void HgSiWin::folderEdited()
{
    const QString folder = curDir();
    if (!folder.isEmpty() && dirExist(folder)) {
        const QString typed = mCurFolder->currentText();
        rememberFolder(folder);
        mCurFolder->setEditText(typed);
        newPathSelected();
    } else {
        mAvailable->clear();
        previewFile(QString(), mPreviewFt, &mAvailablePreview, mW1, mH1);
    }
}

void HgSiWin::pbSelectSome()
{
    if (curDir().isEmpty())
        return;
    const int n = mAvailable->currentRow() + 1;
    if (n < 1) {
        warningMsg(this, QStringLiteral("Select an image files from available files list"));
        return;
    }
    addSelected(mAvailable->item(n - 1)->text());
    if (n < mAvailable->count()) {
        mAvailable->setCurrentRow(n);
        refreshPreview();
    }
}

void HgSiWin::pbSelectAll()
{
    if (curDir().isEmpty())
        return;
    for (int i = 0; i < mAvailable->count(); ++i)
        addSelected(mAvailable->item(i)->text());
}

void HgSiWin::pbDeselectSome()
{
    const int n = mSelectedLb->currentRow() + 1;
    if (n < 1) {
        warningMsg(this, QStringLiteral("Select an image file from selected files list"));
        return;
    }
    mSelected.removeOne(mSelectedLb->item(n - 1)->text());
    // No preview follows the deletion itself: only a line that moves into the highlight
    // is previewed.
    const QSignalBlocker quiet(mSelectedLb);
    delete mSelectedLb->takeItem(n - 1);
    if (n <= mSelectedLb->count()) {
        mSelectedLb->setCurrentRow(n - 1);
        refreshPreview1();
    } else {
        mSelectedLb->setCurrentRow(-1);
    }
}

void HgSiWin::pbDeselectAll()
{
    const QSignalBlocker quiet(mSelectedLb);
    mSelectedLb->clear();
    mSelected = QStringList();
}

void HgSiWin::pbMoveUp()
{
    const int n = mSelectedLb->currentRow() + 1;
    if (n < 1) {
        warningMsg(this, QStringLiteral("Select an image file from selected files list"));
        return;
    }
    if (n == 1)
        return;
    mSelected.swapItemsAt(n - 2, n - 1);
    const QSignalBlocker quiet(mSelectedLb);
    mSelectedLb->item(n - 2)->setText(mSelected.at(n - 2));
    mSelectedLb->item(n - 1)->setText(mSelected.at(n - 1));
    mSelectedLb->setCurrentRow(n - 2);
    refreshPreview1();
}

void HgSiWin::pbMoveDown()
{
    const int n = mSelectedLb->currentRow() + 1;
    if (n < 1) {
        warningMsg(this, QStringLiteral("Select an image file from selected files list"));
        return;
    }
    if (n >= mSelectedLb->count())
        return;
    mSelected.swapItemsAt(n - 1, n);
    const QSignalBlocker quiet(mSelectedLb);
    mSelectedLb->item(n - 1)->setText(mSelected.at(n - 1));
    mSelectedLb->item(n)->setText(mSelected.at(n));
    mSelectedLb->setCurrentRow(n);
    refreshPreview1();
}

void HgSiWin::pbLoadImageList()
{
    QStringList kept;
    for (const QString &path : getImageList(this)) {
        if (fileSizeB(path) > 0)
            kept.append(path);
    }
    if (kept.isEmpty())
        return;
    const QSignalBlocker quiet(mSelectedLb);
    mSelectedLb->clear();
    mSelected = kept;
    mSelectedLb->addItems(kept);
}

void HgSiWin::pbSaveImageList()
{
    if (mSelected.isEmpty()) {
        infoMessage(this, QStringLiteral("Select at least one image file to save in an image list"));
        return;
    }
    if (saveImageList(this, mSelected))
        infoMessage(this, QStringLiteral("Image list saved with success."));
}

void HgSiWin::refreshPreview()
{
    QListWidgetItem *item = mAvailable->currentItem();
    previewFile(mPreview->isChecked() && item ? item->text() : QString(), mPreviewFt, &mAvailablePreview, mW1, mH1);
}

void HgSiWin::refreshPreview1()
{
    QListWidgetItem *item = mSelectedLb->currentItem();
    previewFile(mPreview1->isChecked() && item ? item->text() : QString(), mPreviewFt1, &mSelectedPreview, mW2, mH2);
}

void HgSiWin::previewFile(const QString &path, PreviewFt *pane, RgbImage *block, QLabel *w, QLabel *h)
{
    int width = 0, height = 0, bits = 0;
    QString error;
    const bool known = gb::previewFile(pane, block, path) && getImageDims(path, width, height, bits, error);
    w->setText(known ? QStringLiteral("Width: %1").arg(width) : QStringLiteral("Width: "));
    h->setText(known ? QStringLiteral("Height: %1").arg(height) : QStringLiteral("Height: "));
}

void HgSiWin::view(QListWidget *list)
{
    if (curDir().isEmpty() || !list->currentItem())
        return;
    new ViewerWin(window(), list->currentItem()->text());
}

void HgSiWin::viewImage() { view(mAvailable); }
void HgSiWin::viewImage1() { view(mSelectedLb); }

} // namespace gb
