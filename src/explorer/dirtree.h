#pragma once

#include "common/dirtv.h"

namespace gb {

// What the folder tree asks of the window that holds it.
class DirTreeOwner
{
public:
    virtual ~DirTreeOwner() = default;
    virtual void setCaption(const QString &caption) = 0;
    // Lists the folder (path ending in "/", or empty for "My Computer").
    virtual void newPathSelected(const QString &path) = 0;
    virtual void setCurrentDir(const QString &path) = 0;
};

// The explorer's folder tree: "My Computer", the drives and their folders, read one level
// per first double click, or, when the "Folders" option is off, all at once when the tree is
// built. Selecting an item shows "Image Browser  [" + path + "]" as the owner's caption, has
// the owner list the folder and then makes it the owner's current folder.
class DirTree : public DirTv
{
    Q_OBJECT
public:
    DirTree(QWidget *parent, DirTreeOwner *owner);

    // Empties the tree and builds the root and the drives (and, with the option off, every
    // folder of every drive).
    void buildInitialTree();
    void buildTree() override;
    void fillSubTree(QTreeWidgetItem *item, const QString &path) override;
    void selectionChanged(QTreeWidgetItem *item);

private:
    DirTreeOwner *mOwner;
    unsigned mSelectionSerial = 0; // counts selections, so a nested one is noticed
};

} // namespace gb
