#pragma once

#include "catalog/addimages.h"

#include <QMainWindow>

#include <memory>

class QLabel;
class QSplitter;
class QTreeWidgetItem;

namespace gb {

class ArchServer;
class ArchiveThumbsWin;
class VolTree;

// The catalog window: one open catalog browsed as the volume tree on the left and pages of
// the stored thumbnails of the chosen folder on the right, with a status bar counting the
// images shown and selected. Its commands (public slots named after them) add images, show
// and edit an image's information, add keywords, view and copy the originals, copy a stored
// thumbnail, remove records, print and preview, search, page and select.
//
// It owns the catalog's server from creation to closing, keeps the catalog's stem in the
// open-catalog list meanwhile, and on closing saves its placement under "Archive" in the
// registry section "Window". Make it with the main window as owner and place it in the MDI
// area.
class ArchiveExplorer : public QMainWindow
{
    Q_OBJECT
public:
    ArchiveExplorer(QWidget *owner, std::unique_ptr<ArchServer> server, const QString &stem);
    ~ArchiveExplorer() override;

    ArchServer &server() const { return *mServer; }
    QString stem() const { return mStem; }
    VolTree *tree() const { return mTree; }
    ArchiveThumbsWin *grid() const { return mGrid; }
    int fileCount() const { return mFileCount; }
    int selectedCount() const { return mSelectedCount; }
    // The folder last listed: media code, volume label and folder (all empty for none).
    QString currentMedia() const { return mMedia; }
    QString currentLabel() const { return mLabel; }
    QString currentFolder() const { return mFolder; }
    // The two status texts, "Files: n" and "Selected: n".
    QStringList statusTexts() const;
    // Room for the tree and a few rows of thumbnails when the MDI area lays it out itself.
    QSize sizeHint() const override { return QSize(800, 560); }
    // The threads that decode pictures while images are added (0: one per core).
    void setAddThreads(int threads) { mAddThreads = threads; }
    // Files handed over by the image explorer, offered in the next add-images dialog.
    void setFilesToAdd(const QStringList &files) { mFilesToAdd = files; }

    // Lists one folder of a volume into the grid; three empty texts empty it.
    void newPathSelected(const QString &label, const QString &folder, const QString &media);
    // Adds the files as the add command does after its dialog: the run under a progress
    // window with Abort, its summary, its error list and the rebuild of the tree. Meanwhile
    // only the progress window takes input and the catalog window refuses to close.
    AddImagesResult addImages(const QStringList &files, bool refresh);

public slots:
    void reportSelected(int count);
    void updateToolbar();
    void clickOnImage(const QString &path);

    void closeArchive();
    void pageSetup();
    void addGroupOfImages();
    void editData();
    void addKeywords();
    void viewOriginalImage();
    void copy2Clipboard();
    void copyThumbnail2Clipboard();
    void removeThumbnails();
    void previewThumbs();
    void printThumbs();
    void printPreview(bool print);
    void findImage();
    void selectAll();
    void invertSelection();
    void unselectAll();
    void thumbnailsSpacing();
    void previousPage();
    void nextPage();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void treeSelectionChanged(QTreeWidgetItem *item);
    // The grid's selected paths; with none, shows the command's own text.
    QStringList selectedOrSay(const QString &noneText);
    void rebuildTree();
    // The drive that holds the current volume, asking for its disk; empty when cancelled.
    QString driveOfCurrentVolume();

    QWidget *mOwner;
    std::unique_ptr<ArchServer> mServer;
    QString mStem;
    QSplitter *mSplitter;
    VolTree *mTree;
    ArchiveThumbsWin *mGrid;
    QLabel *mNoOfFiles, *mSelFiles;
    int mFileCount = 0;
    int mSelectedCount = 0;
    QString mMedia, mLabel, mFolder;
    bool mBusy = false;
    bool mAdding = false;
    int mAddThreads = 0;
    QStringList mFilesToAdd;
};

// The main window's catalog commands. Each returns the new catalog window (not yet placed)
// or null when nothing opened.
// Open: asks for a catalog ("Open image catalog", starting at the last one used), refuses
// one already open ("This catalog is already opened"), opens it and remembers it as the last
// used catalog.
ArchiveExplorer *openArchiveCommand(QWidget *owner);
// New: asks for a name ("Create a new image catalog") and creates the catalog;
// "Failed to create new image catalog" when that did not happen.
ArchiveExplorer *newArchiveCommand(QWidget *owner);

} // namespace gb
