#pragma once

#include "batch/wizardwin.h"

class QLineEdit;
class QPushButton;

namespace gb {

class GalleryJob;
class HgCommentsWin;
class HgSiWin;

// The web gallery window, "Generate HTML Image Gallery": fifteen section pages over one
// gallery object, named gallery settings kept in the settings database (Load, Save, Save As
// New; the source list, titles and comments are not part of them), the gallery's base folder
// in a field of the window, and Do It, which generates the gallery from the selected images.
//
// Open it with its owner and the files to start with (the explorer's selection, or none).
// While a run lets events in, Do It, Load, Save, Save As New and Close are refused.
class HtmlMainWin : public WizardWin
{
    Q_OBJECT
public:
    HtmlMainWin(QWidget *owner, const QStringList &files = {});

    HgSiWin *siWin() const;
    HgCommentsWin *commentsWin() const;
    GalleryJob *galleryJob() const;
    QLineEdit *baseFolder() const { return mBaseFolder; }

    static WizardSpec htmlSpec();

public slots:
    void pbDoIt() override;
    void pbBaseFolderBrowse();

protected:
    void updateChildWin() override;
    void updateData() override;
    void pageShown(int n) override;

private:
    QLineEdit *mBaseFolder;
    QPushButton *mBrowse;
};

} // namespace gb
