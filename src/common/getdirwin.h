#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace gb {

class DirTv;

// The modal "Select Directory" dialog around a folder tree: the selected folder shows
// below the tree, Ok is enabled only for a real folder (not "My Computer") and ends with 1,
// keeping that folder with its final "/"; Cancel ends with -1.
class GetDirWin : public QDialog
{
    Q_OBJECT
public:
    explicit GetDirWin(QWidget *owner = nullptr);

    QString selectedDir() const { return mSelectedDir; }
    DirTv *dirTv() const { return mTree; }
    QLabel *curPath() const { return mCurPath; }
    QPushButton *okButton() const { return mOk; }

public slots:
    void pbRefresh();
    void pbOk();
    void pbCancel();

private:
    void treeViewSelectionChanged();

    DirTv *mTree;
    QLabel *mCurPath;
    QPushButton *mOk;
    QPushButton *mCancel;
    QString mSelectedDir;
};

} // namespace gb
