#pragma once

#include "common/imagelistfiles.h"
#include "gallery/hgallery.h"
#include "gallery_setup/sectionpage.h"
#include "platform/imagelib/rgbimage.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace gb {

class HgSiWin;
class PreviewFt;

// Page 2, "02/15 - Add Titles and Comments to Images": a title and a comment for every
// selected image, in the order of the source page, saved to and taken from image comments
// files. Titles and comments follow their image through any reordering (matched by path,
// ignoring case) and go with the window: they are not gallery settings. What the user types
// reaches the highlighted image's entry when the field loses the focus.
class HgCommentsWin : public SectionPage
{
    Q_OBJECT
public:
    HgCommentsWin(QWidget *owner, HgSiWin *source, int controlId = 115);

    // Rebuilds the entries from the source page's selection, keeping the titles and comments
    // of images still selected.
    void updateData();
    // One {title, comments} pair per entry, in entry order.
    GalleryTitles updatedData() const;
    // updateData() then loadFiles(): what the window runs before it shows the page.
    void updateWin();
    void loadFiles();
    // The 1-based position of the highlighted image's entry, 0 when there is none.
    int getCurrentImageSeq() const;
    void refreshControls();
    void refreshPreview();
    void pbSave2File();
    void pbLoadFromFile();

    const std::vector<CommentEntry> &entries() const { return mEntries; }
    QListWidget *selectedLb() const { return mSelectedLb; }
    QLineEdit *titleEdit() const { return mTitle; }
    QPlainTextEdit *commentsEdit() const { return mComments; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    HgSiWin *mSource;
    std::vector<CommentEntry> mEntries;
    RgbImage mPreviewBlock;
    QListWidget *mSelectedLb;
    QCheckBox *mPreview;
    PreviewFt *mPreviewFt;
    QLineEdit *mTitle;
    QPlainTextEdit *mComments;
};

} // namespace gb
