#pragma once

#include "common/dialogcontrols.h"
#include "gallery_setup/sectionpage.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace gb {

// Page 15, "15/15 - Define General Options": the settings of the whole generation (name
// numbering, letter case of page names, the auxiliary-images folder, the overwrite policy,
// the browser launch, the progress preview and the page extension). Checks nothing: the
// gallery's validation trims and completes what needs it.
class HgOptionsWin : public SectionPage
{
    Q_OBJECT
public:
    explicit HgOptionsWin(QWidget *owner = nullptr, int controlId = 128);
    void connect2Source(HGallery *gallery) override;
    void updateObject() override;

private:
    // The naming case (3 unchanged, 1 lower, 2 upper) and the overwrite answer (1 always,
    // 2 never, 3 ask).
    std::vector<CodedButton> casingButtons() const;
    std::vector<CodedButton> overwriteButtons() const;

    QLineEdit *mAutoNumericStart;
    QLineEdit *mAutoNumericPad;
    QLineEdit *mAuxSubFolder;
    QRadioButton *mNoChange;
    QRadioButton *mLowerCase;
    QRadioButton *mUpperCase;
    QRadioButton *mOverAlways;
    QRadioButton *mOverNever;
    QRadioButton *mOverAsk;
    QCheckBox *mLaunchBrowser;
    QCheckBox *mClearBase;
    QCheckBox *mShowThumb;
    QLineEdit *mExt;
};

} // namespace gb
