#include "batch/besiwin.h"

#include "batch/folderscan.h"
#include "common/contextmenus.h"
#include "common/dialogunits.h"
#include "common/globals.h"
#include "common/imagelistfiles.h"
#include "common/messages.h"
#include "common/selectfolder.h"
#include "image/previewft.h"
#include "resources/resourceclasses.h"
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

QString sizeLabel(const char *label, int value)
{
    return QLatin1String(label) + (value < 0 ? QString() : QString::number(value));
}

} // namespace

BeSiWin::BeSiWin(QWidget *owner, int controlId)
    : WizardPageWin(owner, controlId, 378, 187)
{
    const DialogUnits &du = units();
    auto label = [&](const QString &text, QRect r) {
        auto *l = new QLabel(text, this);
        l->setGeometry(du.rect(r));
        return l;
    };
    auto push = [&](const char *name, const QString &text, QRect r, const QString &tip) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(du.rect(r));
        b->setAutoDefault(false);
        b->setToolTip(tip);
        return b;
    };
    auto bitmapButton = [&](const char *name, const char *bitmap, const QString &fallback, QRect r, const QString &tip) {
        QPushButton *b = push(name, QString(), r, tip);
        const QPixmap icon = resourceBitmap(QLatin1String(bitmap));
        if (icon.isNull())
            b->setText(fallback);
        else
            b->setIcon(QIcon(icon));
        return b;
    };
    auto list = [&](const char *name, QRect r, const QString &tip) {
        auto *l = new QListWidget(this);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(du.rect(r));
        l->setSelectionMode(QAbstractItemView::SingleSelection);
        l->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        l->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        l->setUniformItemSizes(true);
        l->setToolTip(tip);
        return l;
    };
    auto check = [&](const char *name, const QString &text, QRect r, const QString &tip) {
        auto *c = new QCheckBox(text, this);
        c->setObjectName(QLatin1String(name));
        c->setGeometry(du.rect(r));
        c->setToolTip(tip);
        return c;
    };

    mCurFolder = new QComboBox(this);
    mCurFolder->setObjectName(QStringLiteral("CURFOLDER"));
    mCurFolder->setEditable(true);
    mCurFolder->setInsertPolicy(QComboBox::NoInsert);
    mCurFolder->setGeometry(du.rect(52, 4, 228, 12));
    mBrowse = bitmapButton("PBBROWSE", "FINDFILE", QStringLiteral("..."), QRect(284, 4, 13, 12), QString());
    mInSubfolders = check("INSUBFOLDERS", QStringLiteral("Include Subfolders"), QRect(300, 5, 72, 11), QString());
    mAvailableLb = list("AVAILABLELB", QRect(4, 35, 166, 100), QStringLiteral("Available images on currently selected folder"));
    QPushButton *selectSome = bitmapButton("PBSELECTSOME", "RIGHTSARROW", QStringLiteral(">"), QRect(174, 43, 13, 12),
                                           QStringLiteral("Click to select all highlighted images"));
    QPushButton *selectAll = bitmapButton("PBSELECTALL", "RIGHTDARROW", QStringLiteral(">>"), QRect(174, 62, 13, 12),
                                          QStringLiteral("Click to select all images of current folder"));
    QPushButton *deselectSome = bitmapButton("PBDESELECTSOME", "LEFTSARROW", QStringLiteral("<"), QRect(174, 94, 13, 12),
                                             QStringLiteral("Click to unselect highlighted images"));
    QPushButton *deselectAll = bitmapButton("PBDESELECTALL", "LEFTDARROW", QStringLiteral("<<"), QRect(174, 113, 13, 12),
                                            QStringLiteral("Click to unselect all images"));
    mSelectedLb = list("SELECTEDLB", QRect(192, 35, 166, 100), QStringLiteral("Selected images"));
    QPushButton *moveUp = bitmapButton("PBMOVEUP", "UPARROW", QStringLiteral("^"), QRect(362, 59, 13, 12),
                                       QStringLiteral("Click to move up a selected image (process earlier)"));
    QPushButton *moveDown = bitmapButton("PBMOVEDOWN", "DOWNARROW", QStringLiteral("v"), QRect(362, 94, 13, 12),
                                         QStringLiteral("Click to move down a selected image (process later)"));
    label(QStringLiteral("Selected Images for Processing:"), QRect(192, 25, 152, 8));
    label(QStringLiteral("Available Images in Current Folder(s):"), QRect(4, 25, 122, 8));
    label(QStringLiteral("Source folder:"), QRect(4, 6, 47, 12));
    mPreviewFt1 = new PreviewFt(this);
    mPreviewFt1->setObjectName(QStringLiteral("PREVIEWFT1"));
    mPreviewFt1->setGeometry(du.rect(264, 140, 111, 43));
    mPreview = check("PREVIEW", QStringLiteral("Preview"), QRect(5, 140, 40, 11),
                     QStringLiteral("Check this option to preview each highlighted file from available list"));
    mW1 = label(QStringLiteral("Width:"), QRect(3, 156, 40, 12));
    mH1 = label(QStringLiteral("Height:"), QRect(3, 169, 40, 12));
    auto *group = new QLabel(this);
    group->setFrameStyle(QFrame::Box | QFrame::Sunken);
    group->setGeometry(du.rect(164, 143, 50, 39));
    QLabel *groupTitle = label(QStringLiteral("Image List"), QRect(168, 139, 40, 8));
    groupTitle->setAutoFillBackground(true);
    groupTitle->adjustSize();
    QPushButton *saveList = push("PBSAVEIMAGELIST", QStringLiteral("Save"), QRect(174, 150, 31, 12), QString());
    QPushButton *loadList = push("PBLOADIMAGELIST", QStringLiteral("Load"), QRect(174, 167, 31, 12), QString());
    mPreview1 = check("PREVIEW1", QStringLiteral("Preview"), QRect(221, 140, 40, 11),
                      QStringLiteral("Check this option to preview each highlighted file from selected files list"));
    mH2 = label(QStringLiteral("Height:"), QRect(222, 169, 40, 12));
    mW2 = label(QStringLiteral("Width:"), QRect(222, 156, 40, 12));
    mPreviewFt = new PreviewFt(this);
    mPreviewFt->setObjectName(QStringLiteral("PREVIEWFT"));
    mPreviewFt->setGeometry(du.rect(47, 140, 111, 43));
    // The panes paint their whole area; their border is a frame just around them.
    for (PreviewFt *pane : {mPreviewFt, mPreviewFt1}) {
        auto *border = new QFrame(this);
        border->setFrameStyle(QFrame::Box | QFrame::Plain);
        border->setGeometry(pane->geometry().adjusted(-1, -1, 1, 1));
        border->lower();
    }
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
    connect(selectSome, &QPushButton::clicked, this, &BeSiWin::pbSelectSome);
    connect(selectAll, &QPushButton::clicked, this, &BeSiWin::pbSelectAll);
    connect(deselectSome, &QPushButton::clicked, this, &BeSiWin::pbDeselectSome);
    connect(deselectAll, &QPushButton::clicked, this, &BeSiWin::pbDeselectAll);
    connect(moveUp, &QPushButton::clicked, this, &BeSiWin::pbMoveUp);
    connect(moveDown, &QPushButton::clicked, this, &BeSiWin::pbMoveDown);
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

void BeSiWin::appendSelected(const QString &path)
{
    mASelFiles << path;
    mSelectedLb->addItem(path);
}

void BeSiWin::loadFiles(const QStringList &files)
{
    appendNew(files);
}

void BeSiWin::appendNew(const QStringList &paths)
{
    // A set keeps thousands of files from costing a comparison with every selected one.
    QSet<QString> held(mASelFiles.begin(), mASelFiles.end());
    QStringList added;
    for (const QString &path : paths)
        if (!held.contains(path)) {
            held.insert(path);
            added << path;
        }
    mASelFiles << added;
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
    if (!mASelFiles.contains(path))
        appendSelected(path);
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
    const qsizetype at = mASelFiles.indexOf(mSelectedLb->item(n)->text());
    if (at >= 0)
        mASelFiles.removeAt(at);
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
    mASelFiles = QStringList();
}

void BeSiWin::swapSelected(int a, int b)
{
    mASelFiles.swapItemsAt(a, b);
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
    mASelFiles = kept;
    mSelectedLb->addItems(kept);
}

} // namespace gb
