#include "catalog/addimageswin.h"

#include "resources/resourceclasses.h"
#include "common/dialogunits.h"
#include "common/dirtv.h"
#include "common/filedir.h"
#include "common/messages.h"
#include "common/sortedlist.h"
#include "image/imagetypes.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace gb {

const QStringList &AddImagesWin::imageMasks()
{
    static const QStringList masks = {"*.jpg", "*.gif", "*.png", "*.tga", "*.tif",
                                      "*.pcx", "*.bmp", "*.emf", "*.wmf", "*.psd"};
    return masks;
}

static QPushButton *arrowButton(QWidget *parent, const QPixmap &bitmap)
{
    auto *b = new QPushButton(parent);
    b->setIcon(QIcon(bitmap));
    b->setFixedWidth(40);
    return b;
}

AddImagesWin::AddImagesWin(QWidget *owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Select Images to Add ..."));
    mTree = new DirTv(this);
    auto *refresh = new QPushButton(QStringLiteral("Refresh Folders"), this);
    mOverwriteCb = new QCheckBox(QStringLiteral("Refresh Existing Thumbnails"), this);
    mAvailable = new QListWidget(this);
    mSelected = new QListWidget(this);
    for (QListWidget *l : {mAvailable, mSelected}) {
        l->setSortingEnabled(true);
        l->setSelectionMode(QAbstractItemView::ExtendedSelection);
    }
    mSelected->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto *some = arrowButton(this, RightSArrow());
    auto *all = arrowButton(this, RightDArrow());
    auto *unsome = arrowButton(this, LeftSArrow());
    auto *unall = arrowButton(this, LeftDArrow());
    mCurPath = new QLabel(this);
    mCurPath->setFrameStyle(QFrame::Box | QFrame::Plain);
    mCurPath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *walk = new QPushButton(QStringLiteral("Select all images from current path and subfolders"), this);
    auto *add = new QPushButton(QStringLiteral("Add"), this);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    mSelFt = new QLabel(this);

    auto *left = new QVBoxLayout;
    left->addWidget(mTree, 1);
    left->addWidget(refresh);
    left->addWidget(mOverwriteCb);
    auto *arrows = new QVBoxLayout;
    arrows->addStretch();
    for (QPushButton *b : {some, all, unsome, unall})
        arrows->addWidget(b);
    arrows->addStretch();
    auto *lists = new QGridLayout;
    lists->addWidget(new QLabel(QStringLiteral("Available on selected folder:"), this), 0, 0);
    lists->addWidget(new QLabel(QStringLiteral("Selected for addition:"), this), 0, 2);
    lists->addWidget(mAvailable, 1, 0);
    lists->addLayout(arrows, 1, 1);
    lists->addWidget(mSelected, 1, 2);
    lists->setColumnStretch(0, 2);
    lists->setColumnStretch(2, 3);
    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(new QLabel(QStringLiteral("Current Path:"), this));
    pathRow->addWidget(mCurPath, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(walk);
    bottom->addStretch();
    bottom->addWidget(new QLabel(QStringLiteral("Total Selected:"), this));
    bottom->addWidget(mSelFt);
    bottom->addSpacing(20);
    bottom->addWidget(add);
    bottom->addWidget(cancel);
    auto *right = new QVBoxLayout;
    right->addLayout(lists, 1);
    right->addLayout(pathRow);
    right->addLayout(bottom);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 2);
    layout->addLayout(right, 5);
    resize(960, 520);

    connect(mTree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        setCurrentPath(item ? DirTv::itemPath(item) : QString());
    });
    connect(mTree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) { mTree->mouseDClick(item); });
    connect(mTree, &DirTv::refreshRequested, this, &AddImagesWin::pbRefresh);
    connect(refresh, &QPushButton::clicked, this, &AddImagesWin::pbRefresh);
    connect(some, &QPushButton::clicked, this, &AddImagesWin::pbSelectSome);
    connect(all, &QPushButton::clicked, this, &AddImagesWin::pbSelectAll);
    connect(unsome, &QPushButton::clicked, this, &AddImagesWin::pbDeselectSome);
    connect(unall, &QPushButton::clicked, this, &AddImagesWin::pbDeselectAll);
    connect(walk, &QPushButton::clicked, this, &AddImagesWin::pbSelectPath);
    connect(add, &QPushButton::clicked, this, &AddImagesWin::pbAdd);
    connect(cancel, &QPushButton::clicked, this, &AddImagesWin::pbCancel);
    makeEnterButton(add);

    mTree->initTree();
}

void AddImagesWin::setCurrentPath(const QString &path)
{
    mCurrentPath = path;
    mCurPath->setText(path);
    newPathSelected();
}

void AddImagesWin::newPathSelected()
{
    mAvailable->clear();
    if (mCurrentPath.isEmpty())
        return;
    QStringList names;
    for (const QString &mask : imageMasks())
        for (const FileDirEntry &e : getFiles(mCurrentPath + mask))
            if (!names.contains(e.name))
                names << e.name;
    addSortedRows(mAvailable, names);
}

void AddImagesWin::addToSelection(const QString &path)
{
    if (mSelection.contains(path))
        return;
    mSelection << path;
    addSortedRow(mSelected, path);
}

void AddImagesWin::showCount()
{
    mSelFt->setText(QString::number(mSelection.size()));
}

void AddImagesWin::loadFiles(const QStringList &files)
{
    for (const QString &f : files)
        addToSelection(f);
    showCount();
}

void AddImagesWin::pbRefresh()
{
    mTree->buildTree();
    mCurrentPath.clear();
    mCurPath->clear();
}

void AddImagesWin::pbSelectSome()
{
    if (mCurrentPath.isEmpty())
        return;
    const QList<QListWidgetItem *> chosen = mAvailable->selectedItems();
    if (chosen.isEmpty()) {
        warningMsg(this, QStringLiteral("Select at least one file on available files list"));
        return;
    }
    for (int i = 0; i < mAvailable->count(); ++i)
        if (mAvailable->item(i)->isSelected())
            addToSelection(mCurrentPath + mAvailable->item(i)->text());
    showCount();
}

void AddImagesWin::pbSelectAll()
{
    if (mCurrentPath.isEmpty())
        return;
    for (int i = 0; i < mAvailable->count(); ++i)
        addToSelection(mCurrentPath + mAvailable->item(i)->text());
    showCount();
}

void AddImagesWin::pbDeselectSome()
{
    const QList<QListWidgetItem *> chosen = mSelected->selectedItems();
    if (chosen.isEmpty()) {
        warningMsg(this, QStringLiteral("Select at least one file on selected files list"));
        return;
    }
    for (QListWidgetItem *item : chosen) {
        mSelection.removeAll(item->text());
        delete item;
    }
    showCount();
}

void AddImagesWin::pbDeselectAll()
{
    mSelection.clear();
    mSelected->clear();
    showCount();
}

void AddImagesWin::actualFind(const QString &folder)
{
    mCurPath->setText(folder);
    mCurPath->repaint();
    // Sub-folders that are links or pseudo file systems are not in this list, so the walk
    // neither loops nor wanders into /proc.
    const QStringList walkable = getSubDirectories(folder + QStringLiteral("*"));
    for (const FileDirEntry &e : getFileDir(folder + QStringLiteral("*"))) {
        if (e.isFolder()) {
            if (walkable.contains(e.name))
                actualFind(folder + e.name + QLatin1Char('/'));
        } else if (guessFormatFromExtension(e.name) != ImageTypeUnknown) {
            addToSelection(folder + e.name);
            showCount();
        }
    }
}

void AddImagesWin::pbSelectPath()
{
    if (mCurrentPath.isEmpty())
        return;
    actualFind(mCurrentPath);
    mCurPath->setText(mCurrentPath);
    showCount();
}

void AddImagesWin::pbAdd()
{
    if (mSelection.isEmpty()) {
        warningMsg(this, QStringLiteral("Select at least one image file"));
        return;
    }
    mOverwrite = mOverwriteCb->isChecked();
    done(1);
}

void AddImagesWin::pbCancel()
{
    done(-1);
}

} // namespace gb
