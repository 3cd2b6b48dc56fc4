#pragma once

#include "batch/wizardpagewin.h"
#include "platform/imagelib/rgbimage.h"

#include <QStringList>

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace gb {

class FolderWalk;
class PreviewFt;

// The source images page of the wizard windows: the user picks a folder (typed, browsed or
// chosen again from the folders used earlier in the run), sees its images, with those of
// its subfolders when "Include Subfolders" is ticked, moves images into the list of
// selected images, orders them, previews one image of each list, opens one in the viewer,
// and saves or loads the selection as an image list (.ifl).
//
// Usage: a frame makes it for its first section and uses it as it is (the renamer, the
// contact-sheet composer and the print wizard do too):
//
//   {QStringLiteral("1/3 - Select Source Images"),
//    [](QWidget *o, int id) { return new BeSiWin(o, id); }, 112}
//
// A tool that wants the page under a name of its own derives and adds nothing:
//
//   class RenSiWin : public BeSiWin { Q_OBJECT public: using BeSiWin::BeSiWin; };
//
// The frame hands over its opening files with loadFiles() and takes selectedFiles() when
// it runs. The page is not bound to the job: its lists are not part of saved settings.
//
// A typed folder is listed when the user presses Enter or pauses typing (never on each
// keystroke). A recursive listing runs in slices on the event loop, so the window stays
// responsive while a large tree is walked; scanning() tells whether one is under way and
// waitForScan() finishes it at once.
class BeSiWin : public WizardPageWin
{
    Q_OBJECT

public:
    BeSiWin(QWidget *owner, int controlId);
    ~BeSiWin() override;

    // Appends each path not selected yet, in the given order; the disk is not consulted.
    void loadFiles(const QStringList &files) override;
    // The selected images in processing order.
    QStringList selectedFiles() const override;

    // The folder box's text with a final "/" ("" when the box is empty).
    QString curDir() const;

    QComboBox *curFolder() const { return mCurFolder; }
    QCheckBox *inSubfolders() const { return mInSubfolders; }
    QListWidget *availableLb() const { return mAvailableLb; }
    QListWidget *selectedLb() const { return mSelectedLb; }
    QCheckBox *preview() const { return mPreview; }
    QCheckBox *preview1() const { return mPreview1; }
    PreviewFt *previewFt() const { return mPreviewFt; }
    PreviewFt *previewFt1() const { return mPreviewFt1; }
    QLabel *w1() const { return mW1; }
    QLabel *h1() const { return mH1; }
    QLabel *w2() const { return mW2; }
    QLabel *h2() const { return mH2; }
    QPushButton *button(const char *name) const;

    bool scanning() const { return mWalk != nullptr; }
    void waitForScan();

    // How long the folder box waits after the last keystroke before it lists a typed folder.
    static constexpr int kTypingPauseMs = 600;

public slots:
    void pbBrowse();
    void pbSelectSome();
    void pbSelectAll();
    void pbDeselectSome();
    void pbDeselectAll();
    void pbMoveUp();
    void pbMoveDown();
    void pbSaveImageList();
    void pbLoadImageList();
    void viewImage();
    void viewImage1();
    // Refills the available list from the current folder.
    void newPathSelected();
    // The typed folder's reaction: a folder that exists joins the recent folders and is
    // listed; any other text clears the available list.
    void folderTyped();
    void refreshPreview();
    void refreshPreview1();

signals:
    // A recursive listing ended (or was replaced by another listing).
    void scanFinished();

private:
    void actualFind(const QString &folder);
    void stopScan();
    void scanSlice();
    void addRecentFolder(const QString &folder);
    // Appends, in order, each path not selected yet.
    void appendNew(const QStringList &paths);
    void previewFile(const QString &path);
    void previewFile1(const QString &path);
    void swapSelected(int a, int b);
    // Moves the current row of the selected list one place up (-1) or down (1).
    void moveSelected(int step);

    QComboBox *mCurFolder;
    QPushButton *mBrowse;
    QCheckBox *mInSubfolders;
    QListWidget *mAvailableLb;
    QListWidget *mSelectedLb;
    QCheckBox *mPreview;
    QCheckBox *mPreview1;
    PreviewFt *mPreviewFt;
    PreviewFt *mPreviewFt1;
    QLabel *mW1, *mH1, *mW2, *mH2;
    QTimer *mTypingPause;

    RgbImage mAvailPreview;
    RgbImage mSelPreview;
    std::unique_ptr<FolderWalk> mWalk;
};

} // namespace gb
