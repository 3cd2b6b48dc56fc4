#pragma once

#include "explorer/imagefinder.h"
#include "platform/imagelib/rgbimage.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableView;
class QMenu;
class QPushButton;

namespace gb {

class FoundPathsModel;
class PreviewFt;

// "Find Image File ...": searches a folder, and on request the folders below it, for image
// files by type, text in the name, size in kb and day of last change; lists the full paths
// of the matches in alphabetical order, previews the selected one, and copies, moves,
// removes or shows the properties of it from the list's context menu.
//
// While a search runs the counters move and the window stays responsive; Find waits, and
// Close stops the search before closing. The dialog hands nothing back.
class FindImageWin : public QDialog
{
    Q_OBJECT
public:
    explicit FindImageWin(QWidget *owner = nullptr);
    ~FindImageWin() override;

    // The criteria taken by the last Find (those before a refused step keep their values).
    const FindCriteria &criteria() const { return mCriteria; }
    QStringList results() const { return mResults; }
    QString selectedPath() const;
    void selectResult(int row);
    bool searching() const { return mSearching; }

    QLineEdit *lookIn() const { return mLookIn; }
    QCheckBox *searchSubfolders() const { return mSubfolders; }
    QCheckBox *typeBox(const QString &extension) const;
    QLineEdit *includeEdit() const { return mIncInFile; }
    QLineEdit *excludeEdit() const { return mExcFromFile; }
    QLineEdit *sizeGreaterEdit() const { return mSizeGr; }
    QLineEdit *sizeLessEdit() const { return mSizeLess; }
    QLineEdit *modAfterEdit() const { return mModAfter; }
    QLineEdit *modBeforeEdit() const { return mModBefore; }
    QLabel *searchIn() const { return mSearchIn; }
    QLabel *searchedLabel() const { return mSearched; }
    QLabel *foundLabel() const { return mFound; }
    PreviewFt *preview() const { return mPreview; }
    QTableView *resultList() const { return mList; }
    QPushButton *findButton() const { return mFind; }
    QPushButton *closeButton() const { return mClose; }

public slots:
    void pbBrowseDir();
    void pbFind();
    void pbCancel();
    void copyFile();
    void moveFile();
    void fileProperties();
    void removeFile();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void actualFind();
    void flushFound();
    void removeSelectedEntry();
    void listBoxSelect();

    FindCriteria mCriteria;
    QStringList mResults;
    QStringList mPending;
    bool mSearching = false;
    bool mStopRequested = false;
    bool mCloseAfterSearch = false;
    RgbImage mPreviewImage;

    QLineEdit *mLookIn, *mIncInFile, *mExcFromFile, *mSizeGr, *mSizeLess, *mModAfter, *mModBefore;
    QCheckBox *mSubfolders;
    QList<QCheckBox *> mTypeBoxes;
    QLabel *mSearchIn, *mSearched, *mFound;
    PreviewFt *mPreview;
    QTableView *mList;
    FoundPathsModel *mModel;
    QMenu *mMenu = nullptr;
    QPushButton *mBrowse, *mFind, *mClose;
};

} // namespace gb
