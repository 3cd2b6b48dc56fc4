#include "common/dirtv.h"
#include "resources/resourceclasses.h"

#include "common/contextmenus.h"
#include "common/drives.h"
#include "common/filedir.h"
#include "common/getnamewin.h"
#include "common/uiseam.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <QStyle>

namespace gb {

DirTv::DirTv(QWidget *owner)
    : QTreeWidget(owner)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setEditTriggers(NoEditTriggers);
    // The program's folder menu routes its commands to this tree; without it, the same three
    // items are wired here directly.
    mMenu = makeContextMenu(QStringLiteral("FoldersMenu"), this);
    if (!mMenu) {
        mMenu = new QMenu(this);
        mMenu->addAction(QStringLiteral("&New folder"), this, &DirTv::newFolder);
        mMenu->addAction(QStringLiteral("R&ename folder"), this, &DirTv::renameFolder);
        mMenu->addAction(QStringLiteral("Re&fresh folders"), this, &DirTv::refreshFolders);
    }
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) { mouseDClick(item); });
}

void DirTv::initTree()
{
    mPcIcon = MyPcIcon();
    mDriveIcon = DriveIcon();
    mFolderIcon = FolderIcon();
    setIconSize(QSize(16, 16));
    buildTree();
}

QStringList DirTv::collectValidDrives() const
{
    return getValidDrives();
}

QTreeWidgetItem *DirTv::addItem(QTreeWidgetItem *parent, const QString &name, const QString &text,
                                const QString &path, bool filled, const QIcon &icon)
{
    auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, text);
    item->setIcon(0, icon);
    item->setData(0, PathRole, path);
    item->setData(0, FilledRole, filled);
    item->setData(0, NameRole, name);
    return item;
}

void DirTv::buildTree()
{
    clear();
    const QStringList drives = collectValidDrives();
    QTreeWidgetItem *root = addItem(nullptr, QStringLiteral("MYPC"), QStringLiteral("My Computer"), QString(), true,
                                    mPcIcon);
    for (const QString &drive : drives) {
        const QString text = QStringLiteral("Drive ") + drive + QStringLiteral(" [") + getVolumeLabel(drive)
                             + QStringLiteral("]");
        addItem(root, text, text, drive, false, mDriveIcon);
    }
    root->setExpanded(true);
}

void DirTv::fillSubTree(QTreeWidgetItem *item, const QString &path)
{
    for (const QString &name : getSubDirectories(path + QStringLiteral("*.*"))) {
        const QString full = path + name + QLatin1Char('/');
        addItem(item, full, name, full, false, mFolderIcon);
    }
}

void DirTv::mouseDClick(QTreeWidgetItem *item)
{
    if (!item || itemFilled(item))
        return;
    fillSubTree(item, itemPath(item));
    item->setData(0, FilledRole, true);
}

QString DirTv::itemPath(const QTreeWidgetItem *item)
{
    return item ? item->data(0, PathRole).toString() : QString();
}

bool DirTv::itemFilled(const QTreeWidgetItem *item)
{
    return item && item->data(0, FilledRole).toBool();
}

QString DirTv::itemName(const QTreeWidgetItem *item)
{
    return item ? item->data(0, NameRole).toString() : QString();
}

QTreeWidgetItem *DirTv::findItemByName(const QString &name) const
{
    for (QTreeWidgetItemIterator it(const_cast<DirTv *>(this)); *it; ++it)
        if (itemName(*it) == name)
            return *it;
    return nullptr;
}

// A name for a folder of its own under the selected one. An empty name would address the
// selected folder itself, and one with a "/" another folder ("../x" a sibling of the parent).
static bool isFolderName(const QString &name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/'));
}

QWidget *DirTv::questionOwner()
{
    return window();
}

void DirTv::refill(QTreeWidgetItem *item, const QString &path)
{
    if (itemFilled(item))
        qDeleteAll(item->takeChildren());
    item->setData(0, FilledRole, true);
    fillSubTree(item, path);
    item->setExpanded(true);
}

void DirTv::newFolder()
{
    QTreeWidgetItem *item = currentItem();
    const QString path = itemPath(item);
    if (path.isEmpty())
        return;
    QString name;
    if (!getName(questionOwner(), QStringLiteral("Enter new folder name"), &name))
        return;
    if (!isFolderName(name) || !QDir().mkdir(path + name)) {
        ui().errorBox(questionOwner(), QStringLiteral("Unable to create folder ") + path + name);
        return;
    }
    refill(item, path);
}

void DirTv::renameFolder()
{
    QTreeWidgetItem *item = currentItem();
    const QString path = itemPath(item);
    if (path.isEmpty())
        return;
    const QString old = path.left(path.size() - 1);
    const int slash = old.lastIndexOf(QLatin1Char('/'));
    // A drive keeps its name: its path is the mount point itself.
    if (slash < 0 || getValidDrives().contains(path))
        return;
    const QString parent = old.left(slash + 1);
    QString name = old.mid(slash + 1);
    if (!getName(questionOwner(), QStringLiteral("Enter new folder name"), &name))
        return;
    const QString renamed = parent + name;
    // Never replace another folder: a rename onto an existing name fails like the system's move.
    const bool sameName = renamed == old;
    if (!sameName && (!isFolderName(name) || QFileInfo::exists(renamed) || !QDir().rename(old, renamed))) {
        ui().errorBox(questionOwner(), QStringLiteral("Unable to rename folder: ") + renamed);
        return;
    }
    if (itemFilled(item))
        qDeleteAll(item->takeChildren());
    item->setData(0, PathRole, renamed + QLatin1Char('/'));
    item->setData(0, FilledRole, true);
    fillSubTree(item, renamed + QLatin1Char('/'));
    item->setText(0, name);
    item->setExpanded(true);
}

void DirTv::refreshFolders()
{
    emit refreshRequested();
}

void DirTv::keyPressEvent(QKeyEvent *event)
{
    // Right and Enter open a folder that was not read yet, as a double click does.
    QTreeWidgetItem *item = currentItem();
    const int key = event->key();
    if (item && (key == Qt::Key_Right || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        if (!itemFilled(item))
            mouseDClick(item);
        if (key != Qt::Key_Right) {
            item->setExpanded(true);
            return;
        }
    }
    QTreeWidget::keyPressEvent(event);
}

void DirTv::focusInEvent(QFocusEvent *event)
{
    // The view makes its first item current when it gets the keys with none chosen; that is
    // not the user choosing "My Computer", so nobody is told.
    if (currentItem()) {
        QTreeWidget::focusInEvent(event);
        return;
    }
    {
        const QSignalBlocker block(this);
        QTreeWidget::focusInEvent(event);
    }
}

void DirTv::contextMenuEvent(QContextMenuEvent *event)
{
    mMenu->popup(event->globalPos());
}

} // namespace gb
