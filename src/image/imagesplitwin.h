#pragma once

#include "platform/imagelib/rgbimage.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace gb {

class PreviewFt;

// What the splitter opens on: an image file, or an image already in memory (used instead of
// the file when given; it must outlive the dialog).
struct SplitSource
{
    QString path;
    const RgbImage *image = nullptr;
};

// "Split Image": asks how to cut one image into rows x columns tiles (format, folder, and
// whether and where to write the HTML table), then cuts it. Ok validates, runs the split and
// ends with 1; a refused entry keeps the dialog open. Cancel ends with -1.
//
// The preview is made on a worker thread while the dialog opens. The run shows its progress
// window (with Abort) and serves events; meanwhile the dialog refuses Ok, Cancel and Close.
// An aborted run ends the dialog with no table and no "Procedure finished.", only the tiles
// that failed before it.
//
//   ImageSplitWin dialog(owner, {path});
//   dialog.exec();
class ImageSplitWin : public QDialog
{
    Q_OBJECT
public:
    ImageSplitWin(QWidget *owner, const SplitSource &source);
    ~ImageSplitWin() override;

    int theRow() const;
    int theCol() const;
    int imageFormat() const;
    QString theFolder() const;
    bool createHtml() const;
    int saveHtmlAs() const;
    QString fileName() const;
    QString altTag() const;

    QLabel *fNameFt() const { return mFNameFt; }
    QLineEdit *rowsEdit() const { return mRows; }
    QLineEdit *colsEdit() const { return mCols; }
    QComboBox *imageTypeBox() const { return mImageType; }
    QLineEdit *folderEdit() const { return mFolderName; }
    QCheckBox *createHtmlBox() const { return mCreateHtml; }
    QRadioButton *htmlFileButton() const { return mHtmlFile; }
    QRadioButton *textFileButton() const { return mTextFile; }
    QRadioButton *clipboardButton() const { return mClipboard; }
    QLineEdit *fileNameEdit() const { return mFileName; }
    QLineEdit *altTagEdit() const { return mAltTag; }
    PreviewFt *preview() const { return mPreview; }
    QPushButton *okButton() const { return mOk; }
    QPushButton *cancelButton() const { return mCancel; }
    QPushButton *browseButton() const { return mBrowse; }

    // A split is running.
    bool running() const { return mRunning; }

    // Refused while a split runs.
    void done(int result) override;

public slots:
    void pbOk();
    void pbCancel();
    void pbBrowseFolders();

private:
    void buttonClick();

    SplitSource mSource;
    RgbImage mPreviewImage;
    QLabel *mFNameFt;
    QLineEdit *mRows, *mCols, *mFolderName, *mFileName, *mAltTag;
    QComboBox *mImageType;
    QCheckBox *mCreateHtml;
    QRadioButton *mHtmlFile, *mTextFile, *mClipboard;
    PreviewFt *mPreview;
    QPushButton *mOk, *mCancel, *mBrowse;
    bool mRunning = false;
};

} // namespace gb
