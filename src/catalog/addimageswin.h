#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace gb {

class DirTv;

// "Select Images to Add ...": the user walks the folder tree of every drive, moves images
// of the current folder into the list to add (or takes every image of a folder and its
// subfolders), chooses whether catalogued images get fresh thumbnails, and presses Add
// (result 1; Cancel gives -1). It touches neither the catalog nor the files: selectedFiles()
// gives the chosen full paths in the order they were chosen, overwrite() the refresh flag.
//
// The recursive walk never follows symbolic links to folders and never enters a pseudo
// file system; it starts only on its button.
class AddImagesWin : public QDialog
{
    Q_OBJECT
public:
    explicit AddImagesWin(QWidget *owner = nullptr);

    QStringList selectedFiles() const { return mSelection; }
    bool overwrite() const { return mOverwrite; }
    QString currentPath() const { return mCurrentPath; }

    // Makes path (ending in "/", or empty for none) the current folder and lists its images.
    void setCurrentPath(const QString &path);
    // Appends files not chosen yet to the selection (the explorer hands its selection over).
    void loadFiles(const QStringList &files);

    DirTv *foldersTv() const { return mTree; }
    QListWidget *availableLb() const { return mAvailable; }
    QListWidget *selectedLb() const { return mSelected; }
    QCheckBox *overwriteCb() const { return mOverwriteCb; }
    QLabel *curPathFt() const { return mCurPath; }
    QLabel *selFt() const { return mSelFt; }

    // The ten masks of the folder list.
    static const QStringList &imageMasks();

public slots:
    void pbRefresh();
    void pbSelectSome();
    void pbSelectAll();
    void pbDeselectSome();
    void pbDeselectAll();
    void pbSelectPath();
    void pbAdd();
    void pbCancel();

private:
    void newPathSelected();
    void addToSelection(const QString &path);
    void showCount();
    void actualFind(const QString &folder);

    DirTv *mTree;
    QListWidget *mAvailable, *mSelected;
    QCheckBox *mOverwriteCb;
    QLabel *mCurPath, *mSelFt;
    QString mCurrentPath;
    QStringList mSelection;
    bool mOverwrite = false;
};

} // namespace gb
