#pragma once

#include "batch/wizardpagewin.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;

namespace gb {

class Be;
class NumberPair;

// Page 2 of the batch editor, "2/3 - Final Images Properties": how the processed images
// are written. It edits the first twelve settings of the batch job (output format, format
// for read-only sources, folder, naming with its name text, suffix and prefix, numbering
// start and length, JPEG quality and progressive, overwrite rule). connect2Source() copies
// the job's settings into the controls, updateObject() copies them back; between the two
// only the controls hold the user's changes. The page checks nothing: the job's validate()
// does before a run.
class BeFiWin : public WizardPageWin
{
    Q_OBJECT

public:
    BeFiWin(QWidget *owner, int controlId);

    void connect2Source(WizardJob *job) override;
    void updateObject() override;

    QComboBox *formatType() const { return mFormatType; }
    QComboBox *roFormatType() const { return mRoFormatType; }
    QLineEdit *folder() const { return mFolder; }
    QRadioButton *same() const { return mSame; }
    QRadioButton *append() const { return mAppend; }
    QRadioButton *appendSuffix() const { return mAppendSuffix; }
    QRadioButton *appendPrefix() const { return mAppendPrefix; }
    QLineEdit *appendName() const { return mAppendName; }
    QLineEdit *suffix() const { return mSuffix; }
    QLineEdit *prefix() const { return mPrefix; }
    QLineEdit *autoNumericStart() const { return mAutoNumericStart; }
    QLineEdit *autoNumericPad() const { return mAutoNumericPad; }
    QLineEdit *jpgQuality() const { return mJpgQuality; }
    QCheckBox *progressive() const { return mProgressive; }
    QSlider *qualitySl() const { return mQualitySl; }
    QRadioButton *overAlways() const { return mOverAlways; }
    QRadioButton *overNever() const { return mOverNever; }
    QRadioButton *overAsk() const { return mOverAsk; }
    QPushButton *browseButton() const { return mBrowse; }

    // The leading digits of a text as a number; 0 for none.
    static int numericValue(const QString &text);

public slots:
    void pbBrowse();
    void adjustControls();

private:
    Be *mJob = nullptr;
    NumberPair *mQuality;
    QComboBox *mFormatType, *mRoFormatType;
    QLineEdit *mFolder;
    QPushButton *mBrowse;
    QRadioButton *mSame, *mAppend, *mAppendSuffix, *mAppendPrefix;
    QLineEdit *mAppendName, *mSuffix, *mPrefix, *mAutoNumericStart, *mAutoNumericPad, *mJpgQuality;
    QCheckBox *mProgressive;
    QSlider *mQualitySl;
    QRadioButton *mOverAlways, *mOverNever, *mOverAsk;
    QButtonGroup *mNamingGroup, *mOverwriteGroup;
};

} // namespace gb
