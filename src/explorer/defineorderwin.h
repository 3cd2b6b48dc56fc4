#pragma once

#include "platform/imagelib/rgbimage.h"

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

namespace gb {

class PreviewFt;

// "Define images sequence ...": the user puts the files of a slide show in order, by moving
// the selected one up or down or by sorting them all by name, with a preview of the selected
// file. Ok ends with 1 and the list's order becomes fileNames(); Cancel ends with -1.
class DefineOrderWin : public QDialog
{
    Q_OBJECT
public:
    explicit DefineOrderWin(QWidget *owner = nullptr);
    ~DefineOrderWin() override;

    // Takes the files and lists them in that order, none selected.
    void setFileNames(const QStringList &files);
    QStringList fileNames() const { return mFileNames; }

    QListWidget *filesLv() const { return mFilesLv; }
    PreviewFt *preview() const { return mPreview; }
    QPushButton *moveUpButton() const { return mMoveUp; }
    QPushButton *moveDownButton() const { return mMoveDown; }
    QPushButton *ascendingButton() const { return mAscending; }
    QPushButton *descendingButton() const { return mDescending; }
    QPushButton *okButton() const { return mOk; }
    QPushButton *cancelButton() const { return mCancel; }

public slots:
    void pbMoveUp();
    void pbMoveDown();
    void pbNameAscending();
    void pbNameDescending();
    void pbOk();
    void pbCancel();

private:
    void updateLv();
    void moveSelected(int step);
    void listViewSelectionChanged();

    QStringList mFileNames;
    QListWidget *mFilesLv;
    PreviewFt *mPreview;
    RgbImage mPreviewImage;
    QPushButton *mMoveUp, *mMoveDown, *mAscending, *mDescending, *mOk, *mCancel;
};

// Lets the user order the files under the caption; the ordered files, or an empty list when
// the dialog was cancelled.
QStringList defineSequence(QWidget *owner, const QStringList &files, const QString &caption);

} // namespace gb
