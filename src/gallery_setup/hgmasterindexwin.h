#pragma once

#include "gallery_setup/sectionpage.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace gb {

class NumberPair;

// Page 10, "10/15 - Master Index HTML Page Layout": whether the master index page is
// written, its name, title and title font, its number of link columns, which kinds of link
// lead to each thumbnail page and their font, and the user's HTML before the title and
// after everything else. The fonts go into the gallery when chosen; the rest in
// updateObject(). Validation at Do It judges the values, and only while the index is on.
class HgMasterIndexWin : public SectionPage
{
    Q_OBJECT
public:
    explicit HgMasterIndexWin(QWidget *owner = nullptr, int controlId = 123);
    void connect2Source(HGallery *gallery) override;
    void updateObject() override;
    void adjustControls();
    void pbChangeFont();
    void pbLinkFont();

private:
    QCheckBox *mMasterIndex;
    QLineEdit *mName;
    QLineEdit *mTitle;
    QPushButton *mChangeFont;
    NumberPair *mCols;
    QCheckBox *mFirstThumb;
    QCheckBox *mThumbPage;
    QPushButton *mLinkFont;
    QCheckBox *mUseStdText;
    QLineEdit *mStdText;
    QPlainTextEdit *mTopHtml;
    QPlainTextEdit *mBottomHtml;
};

} // namespace gb
