#pragma once

#include "explorer/dirtree.h"
#include "explorer/explorerfiles.h"
#include "image/thumbitem.h"

#include <QHash>
#include <QMainWindow>

#include <functional>

class QLabel;
class QSplitter;

namespace gb {

class ImageThumbsWin;

// The image explorer: the folder tree on the left, pages of thumbnails of the selected
// folder on the right, and a status bar counting the files shown, the files selected and
// whether the filter is on. The user sorts by name, extension, size or date in either
// direction, filters, changes thumbnail size and spacing and selects thumbnails; a click on a
// thumbnail opens the viewer.
//
// Make it with the main window as owner, then place and show it (inside the MDI area). Its
// commands are public slots named after them; the menu that carries them shows check marks
// for the size, the sort key and the direction, which the explorer reports through
// menuCheckChanged() and menuItemChecked(). Closing it stores its placement in the registry
// section "Window" ("ExplorerX", "ExplorerY", "ExplorerW", "ExplorerH", "ExplorerZoomed",
// "ExplorerIconic").
class FileExplorer : public QMainWindow, public DirTreeOwner
{
    Q_OBJECT
public:
    // Menu items that carry check marks.
    enum MenuItem {
        SmallThumbnailsItem = 15188,
        NormalThumbnailsItem = 15189,
        LargeThumbnailsItem = 15190,
        UserDefinedThumbnailsItem = 15191,
        ByNameItem = 15194,
        ByExtensionItem = 15195,
        BySizeItem = 15196,
        ByDateItem = 15197,
        AscendingItem = 15199,
        DescendingItem = 15200,
    };

    explicit FileExplorer(QWidget *owner);
    ~FileExplorer() override;

    DirTree *oDirTree() const { return mDirTree; }
    ImageThumbsWin *oThumbs() const { return mThumbs; }
    QStatusBar *oSb() const { return statusBar(); }
    QString currentDir() const { return mCurrentDir; }
    int nFiles() const { return mNFiles; }
    int nSelected() const { return mNSelected; }
    int nSortBy() const { return mNSortBy; }
    int nSortOrder() const { return mNSortOrder; }
    bool lFilter() const { return mLFilter; }
    const ExplorerFilter &filter() const { return mFilter; }
    const ExplorerFiles &aFiles() const { return mAFiles; }
    // The three status texts, in the order NOOFFILES, SELFILES, FILTER.
    QStringList statusTexts() const;
    bool menuItemChecked(int itemId) const { return mChecks.value(itemId, false); }
    // Hands every check mark to the menu that carries the commands: the current ones at once,
    // then each change.
    void connectMenuChecks(const std::function<void(int itemId, bool checked)> &setCheck);

    // Sorts the files in place and gives the items to show, filtered, none selected.
    ThumbItems getSortedFilesArray();

    // DirTreeOwner
    void setCaption(const QString &caption) override;
    void setCurrentDir(const QString &path) override;

public slots:
    // Lists a folder (path ending in "/"); without one, the current folder. An empty path
    // does nothing. The folder is read and sorted on a worker while the window serves
    // events: a folder chosen meanwhile is the one listed, and a closed explorer lists none.
    void newPathSelected(const QString &path) override;
    void newPathSelected();
    void reportSelected(int count);
    void updateToolbar();

    void closeExplorer();
    void smallThumbnails();
    void normalThumbnails();
    void largeThumbnails();
    void userDefinedThumbnails();
    void thumbnailsSpacing();
    void arrangeByName();
    void arrangeByExtension();
    void arrangeBySize();
    void arrangeByDate();
    void ascendingOrder();
    void descendingOrder();
    void thumbnailsFilter();
    void refreshThumbnails();
    void selectAll();
    void unselectAll();
    void invertSelection();
    void previousPage();
    void nextPage();
    void newFolder();
    void renameFolder();
    void refreshFolders();
    void helpIndex();
    void pageSetup();

    // Commands on the selected files (explorercommands.cpp).
    void editImage();
    void copyFile();
    void moveFile();
    void renameFile();
    void saveAsFile();
    void fileProperties();
    void removeFile();
    void copyImage2Clipboard();
    void copyThumbnail2Clipboard();

    // The selection handed to the other tools, printing, find (explorerlaunches.cpp).
    void batchEdit();
    void htmlGenerate();
    void createContactSheet();
    void previewFiles();
    void printFiles();
    void previewOriginal();
    void printOriginal();
    void splitImage();
    void slideShow();
    void fullScreen();
    void findImage();

public:
    // Converts a file to the format its new name's extension names, asking for the JPEG
    // options when that is JPEG, and relists when the new file lies in the listed folder.
    void save2NewFile(const QString &file, const QString &newFile);
    // True when both paths have a folder and the folders are equal ignoring letter case.
    static bool inSameDir(const QString &fileA, const QString &fileB);
    // The launches of tools are there only when the main window has the tool.
    Q_INVOKABLE bool commandAvailable(const QString &command) const;

signals:
    void menuCheckChanged(int itemId, bool checked);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void relist();
    void launchTool(const char *method, const QStringList &files);
    void printPreview(bool print);
    void printPreviewOriginal(bool print);
    // The first selected file after the rule of the one-file commands: nothing selected shows
    // the info text and gives an empty path; several show the warning first.
    QString firstSelected(const QString &noneText, const QString &severalText);
    void checkOne(int itemId, int first, int last);
    void setSort(int sortBy, int sortOrder);

    QWidget *mOwner;
    DirTree *mDirTree;
    ImageThumbsWin *mThumbs;
    QSplitter *mSplitter;
    QLabel *mNoOfFiles, *mSelFiles, *mFilterItem;
    QString mCurrentDir;
    int mNFiles = 0;
    int mNSelected = 0;
    int mNSortBy = SortByName;
    int mNSortOrder = SortAscending;
    ExplorerFiles mAFiles;
    // Bumped by every folder listed and every list sorted, so that one that served events
    // knows whether another began meanwhile.
    unsigned mListing = 0;
    unsigned mSorting = 0;
    bool mClosed = false;
    bool mLFilter = false;
    ExplorerFilter mFilter;
    QHash<int, bool> mChecks;
};

} // namespace gb
