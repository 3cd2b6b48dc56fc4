#pragma once

#include <QTreeWidget>

class QMenu;

namespace gb {

// A folder tree: "My Computer" at the top, one item per drive under it and the folders
// under the drives, read one level at a time when an item is first double-clicked.
//
// Every item carries its folder path with a final "/" (empty for "My Computer") and a
// filled flag, set once its sub-folders were added; an item's name (its identifier) is
// fixed when it is added and survives a rename. The right mouse button offers "&New
// folder", "R&ename folder" and "Re&fresh folders". Owners read the chosen folder with
// itemPath(currentItem()); the empty path means "My Computer", which is no folder.
class DirTv : public QTreeWidget
{
    Q_OBJECT
public:
    enum Role { PathRole = Qt::UserRole, FilledRole, NameRole };

    explicit DirTv(QWidget *owner = nullptr);

    // Sets up the icons and builds the root and drive items.
    void initTree();
    // Empties the tree and adds the root and one item per drive; reads no folder.
    virtual void buildTree();
    virtual QStringList collectValidDrives() const;
    // Adds an unfilled item per sub-folder of path (sorted, never "." or ".."); does not mark
    // the item filled.
    virtual void fillSubTree(QTreeWidgetItem *item, const QString &path);
    // Fills an item once; a filled item is never read again this way.
    void mouseDClick(QTreeWidgetItem *item);

    static QString itemPath(const QTreeWidgetItem *item);
    static bool itemFilled(const QTreeWidgetItem *item);
    static QString itemName(const QTreeWidgetItem *item);
    // The item with that identifier, or null.
    QTreeWidgetItem *findItemByName(const QString &name) const;

    QMenu *contextMenu() const { return mMenu; }

public slots:
    // Asks for a name and makes that sub-folder of the selected item's folder; nothing on the root.
    void newFolder();
    // Asks for a new name for the selected item's folder; nothing on the root or a drive.
    void renameFolder();
    // Asks the owner to rebuild the tree (refreshRequested()).
    void refreshFolders();

signals:
    void refreshRequested();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    QTreeWidgetItem *addItem(QTreeWidgetItem *parent, const QString &name, const QString &text,
                             const QString &path, bool filled, const QIcon &icon);
    // Removes an item's children, reads them again from path, marks it filled and expands it.
    void refill(QTreeWidgetItem *item, const QString &path);
    // The window that owns the questions and error boxes.
    QWidget *questionOwner();

    QIcon mPcIcon, mDriveIcon, mFolderIcon;
    QMenu *mMenu;
};

} // namespace gb
