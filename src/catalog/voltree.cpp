#include "catalog/voltree.h"

#include "resources/resourceclasses.h"
#include "catalog/archivebrowse.h"

#include <QHeaderView>

namespace gb {

VolTree::VolTree(QWidget *owner, ArchServer &server) : QTreeWidget(owner), mServer(server)
{
    setHeaderHidden(true);
    // Long folder names scroll sideways instead of being cut.
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    setRootIsDecorated(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    mIcons = {ArchiveIcon(), FixedMediaIcon(), RemoteIcon(), CdIcon(), RemovableIcon(), FolderIcon()};
    buildInitialTree();
}

QStringList VolTree::itemValue(const QTreeWidgetItem *item)
{
    return item ? item->data(0, Qt::UserRole).toStringList() : QStringList();
}

void VolTree::buildInitialTree()
{
    clear();
    auto add = [this](QTreeWidgetItem *parent, const QString &text, const QStringList &value, int image) {
        auto *item = parent ? new QTreeWidgetItem(parent, {text}) : new QTreeWidgetItem(this, {text});
        item->setData(0, Qt::UserRole, value);
        item->setIcon(0, mIcons.value(image - 1));
        return item;
    };
    QTreeWidgetItem *root = add(nullptr, QStringLiteral("Images Archive"), {"0", "", "", ""}, 1);
    static const char *const mediaNames[] = {"Fixed Disks", "Network Disks", "CD ROMs", "Removable Disks"};
    const VolumeTable table = buildVolumeTable(mServer);
    for (int m = 1; m <= 4; ++m) {
        const QString code = QString::number(m);
        QTreeWidgetItem *media = add(root, QString::fromUtf8(mediaNames[m - 1]), {code, "", "", ""}, m + 1);
        for (const VolumeEntry &v : table[size_t(m - 1)]) {
            QTreeWidgetItem *volume = add(media, v.label, {"V", v.label, "", ""}, m + 1);
            for (const QString &folder : v.folders)
                add(volume, folder, {"F", v.label, folder, code}, 6);
        }
    }
    root->setExpanded(true);
    setCurrentItem(nullptr);
}

QTreeWidgetItem *VolTree::findFolder(const QString &media, const QString &label, const QString &folder) const
{
    QTreeWidgetItemIterator it(const_cast<VolTree *>(this));
    for (; *it; ++it)
        if (itemValue(*it) == QStringList{"F", label, folder, media})
            return *it;
    return nullptr;
}

} // namespace gb
