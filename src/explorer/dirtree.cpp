#include "explorer/dirtree.h"

#include "common/globals.h"

#include <QPointer>

namespace gb {

DirTree::DirTree(QWidget *parent, DirTreeOwner *owner)
    : DirTv(parent)
    , mOwner(owner)
{
    setAllColumnsShowFocus(true);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) { selectionChanged(item); });
    connect(this, &DirTv::refreshRequested, this, &DirTree::buildInitialTree);
    initTree();
}

void DirTree::buildInitialTree()
{
    buildTree();
}

void DirTree::buildTree()
{
    // Clearing moves the current item; the owner must not list anything meanwhile.
    const QSignalBlocker block(this);
    DirTv::buildTree();
    if (glFoldersOption)
        return;
    QTreeWidgetItem *root = topLevelItem(0);
    for (int i = 0; root && i < root->childCount(); ++i) {
        QTreeWidgetItem *drive = root->child(i);
        fillSubTree(drive, itemPath(drive));
        drive->setData(0, FilledRole, true);
    }
}

void DirTree::fillSubTree(QTreeWidgetItem *item, const QString &path)
{
    const int before = item->childCount();
    DirTv::fillSubTree(item, path);
    if (glFoldersOption)
        return;
    // The whole tree at once, depth first; links to folders and pseudo file systems are
    // never entered (getSubDirectories leaves them out).
    for (int i = before; i < item->childCount(); ++i) {
        QTreeWidgetItem *child = item->child(i);
        fillSubTree(child, itemPath(child));
        child->setData(0, FilledRole, true);
    }
}

void DirTree::selectionChanged(QTreeWidgetItem *item)
{
    if (!item)
        return;
    const QString path = itemPath(item);
    const unsigned selection = ++mSelectionSerial;
    mOwner->setCaption(QStringLiteral("Image Browser  [") + path + QStringLiteral("]"));
    // Listing the folder lets events run; the window may be gone when it returns, and a
    // folder selected meanwhile has been listed and made current by its own call.
    const QPointer<DirTree> self(this);
    mOwner->newPathSelected(path);
    if (self && selection == mSelectionSerial)
        mOwner->setCurrentDir(path);
}

} // namespace gb
