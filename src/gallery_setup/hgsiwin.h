#pragma once

#include "gallery_setup/sectionpage.h"
#include "platform/imagelib/rgbimage.h"

#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace gb {

class PreviewFt;

// Page 1, "01/15 - Select Source Images": the gallery's source images. The user picks a
// folder (typed, browsed or from the folders used earlier in this run), optionally with its
// subfolders, moves images from the available list into the selected list, orders them,
// previews and views them, and saves the selection to an image list or replaces it from
// one. The selected list, in its order, is what Do It generates; it is not a gallery setting.
class HgSiWin : public SectionPage
{
    Q_OBJECT
public:
    explicit HgSiWin(QWidget *owner = nullptr);

    // Appends the paths not selected yet (compared exactly), in order.
    void loadFiles(const QStringList &files);
    // The selected images in processing order.
    const QStringList &selectedFiles() const { return mSelected; }
    // The folder text as a folder path: "/" added unless it ends with one; empty stays empty.
    QString curDir() const;
    // Lists the current folder into the available list (its subfolders too when asked).
    void newPathSelected();
    void actualFind(const QString &folder);

    void pbBrowse();
    void pbSelectSome();
    void pbSelectAll();
    void pbDeselectSome();
    void pbDeselectAll();
    void pbMoveUp();
    void pbMoveDown();
    void pbLoadImageList();
    void pbSaveImageList();
    void refreshPreview();
    void refreshPreview1();
    // A folder typed into the folder box: listed at once when it exists, the list emptied
    // otherwise.
    void folderEdited();

    QComboBox *curFolder() const { return mCurFolder; }
    QListWidget *availableLb() const { return mAvailable; }
    QListWidget *selectedLb() const { return mSelectedLb; }

public slots:
    // The "&View Image" commands of the two lists' context menus.
    void viewImage();
    void viewImage1();

private:
    void addSelected(const QString &path);
    void previewFile(const QString &path, PreviewFt *pane, RgbImage *block, QLabel *w, QLabel *h);
    void rememberFolder(const QString &folder);
    void view(QListWidget *list);

    QStringList mSelected;
    RgbImage mAvailablePreview;
    RgbImage mSelectedPreview;
    QComboBox *mCurFolder;
    QPushButton *mBrowse;
    QCheckBox *mInSubfolders;
    QListWidget *mAvailable;
    QCheckBox *mPreview;
    PreviewFt *mPreviewFt;
    QListWidget *mSelectedLb;
    QCheckBox *mPreview1;
    PreviewFt *mPreviewFt1;
    QLabel *mW1, *mH1, *mW2, *mH2;
};

} // namespace gb
