#pragma once

#include <QTreeWidget>

namespace gb {

class ArchServer;

// The left pane of the catalog window: what the catalog holds, grouped by media kind, then
// by volume label, then by folder ("Images Archive" > "Fixed Disks" > label > "/photos/").
// Folders are not nested: every folder of a volume is a child of its volume. Each item
// carries its value {kind, label, folder, media code}: kind "0" the root, "1".."4" a media
// kind, "V" a volume, "F" a folder. Built from one pass over the table.
class VolTree : public QTreeWidget
{
    Q_OBJECT
public:
    VolTree(QWidget *owner, ArchServer &server);

    // Removes every item and builds the tree again; nothing is selected afterwards and only
    // the root is expanded.
    void buildInitialTree();

    static QStringList itemValue(const QTreeWidgetItem *item);
    // The folder item of that volume and folder, or null.
    QTreeWidgetItem *findFolder(const QString &media, const QString &label, const QString &folder) const;

private:
    ArchServer &mServer;
    QList<QIcon> mIcons;
};

} // namespace gb
