#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace gb {

// Listing the images of a folder for the source images pages.
//
// Only ten extensions count, compared whole and without regard to case: BMP EMF GIF JPG PCX
// PNG TGA TIF WMF PSD ("a.jpeg" and "b.tiff" are not images here).

// The images of one folder (ending with "/"), files only, each as folder + name, sorted by
// name ignoring case (ties in plain character order). A missing folder gives nothing.
QStringList listFolderImages(const QString &folder);

// A walk down a folder tree that gives its images in tree order: within a folder the entries
// come sorted by name ignoring case, and a subfolder's images come where the subfolder's
// entry stands. The walk never follows a symbolic link to a folder and never enters the
// mount point of a pseudo file system (/proc, /sys, ...), so it cannot loop.
//
// It runs in slices so that a window can serve its events between them:
//
//   FolderWalk walk(folder);
//   while (!walk.done()) { walk.step(20, &found); ... show found, let events in ... }
class FolderWalk
{
public:
    explicit FolderWalk(const QString &folder);
    ~FolderWalk();

    // Walks on for about budgetMs milliseconds (at least one folder), appending the images
    // found to *found. Returns done().
    bool step(int budgetMs, QStringList *found);
    bool done() const { return mStack.empty(); }

private:
    struct Level;
    void enter(const QString &folder);
    std::vector<std::unique_ptr<Level>> mStack;
};

} // namespace gb
