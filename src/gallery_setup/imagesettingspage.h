#pragma once

#include "common/dialogcontrols.h"
#include "gallery_setup/sectionpage.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QRadioButton;

namespace gb {

class NumberPair;

// What the thumbnail and the full-size image settings pages share: the output format, the
// subfolder, the naming group (four buttons, three with a text field that is enabled only
// while its button is on) and the JPEG quality, typed or set with a slider (a number above
// 100 becomes 100), with the progressive flag. The JPEG controls stay enabled whatever the
// format. The pages bind these to their own settings.
class ImageSettingsPage : public SectionPage
{
    Q_OBJECT
public:
    // The enable rules; they run at the end of connect2Source() and after every button click.
    virtual void adjustControls();

protected:
    // fullSize picks the full-size captions and tooltips.
    ImageSettingsPage(QWidget *owner, int controlId, bool fullSize);

    // Selects the format whose code is given; an unknown code selects nothing.
    void showFormat(int code);
    // The chosen format's code, or the stored one when nothing is chosen.
    int readFormat(int stored) const;
    // Shows the naming code (1 same name, 2 appended name, 3 suffix, 4 prefix, anything else
    // none) and reads it back, keeping the stored code when no button is on.
    void showNaming(int naming);
    int readNaming(int stored) const;
    std::vector<CodedButton> namingButtons() const;

    QGridLayout *mGrid; // format row 0, the pages place their own rows below it
    QComboBox *mFormat;
    QLineEdit *mFolder;
    QRadioButton *mSame;
    QRadioButton *mAppend;
    QLineEdit *mAppendName;
    QRadioButton *mAppendSuffix;
    QLineEdit *mSuffix;
    QRadioButton *mAppendPrefix;
    QLineEdit *mPrefix;
    NumberPair *mQuality;
    QCheckBox *mProgressive;
};

} // namespace gb
