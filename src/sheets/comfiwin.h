#pragma once

#include "batch/wizardpagewin.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace gb {

class HComposite;
class NumberPair;

// The composer's second page, "2/3 - Contact Sheets Size and Properties": the sheet size
// (three presets or a custom width and height), the file type of the sheets, their folder
// and name prefix, the JPEG quality (an edit of up to three digits, cut to 100, with a
// slider from 1 to 100 kept in step) and progressive flag, and the overwrite rule.
//
// connect2Source() shows the job and updateObject() copies every control back; the job is
// not touched in between. The typed width and height are stored whatever preset is chosen
// (the job's validation replaces them by the preset's size). A stored type that is none of
// the nine leaves the list without a choice, and the job keeps that type.
class ComFiWin : public WizardPageWin
{
    Q_OBJECT
public:
    ComFiWin(QWidget *owner, int controlId);

    void connect2Source(WizardJob *job) override;
    void updateObject() override;
    // The width and height edits are enabled only with "Custom".
    void adjustControls();

    QRadioButton *size640() const { return m640; }
    QRadioButton *size800() const { return m800; }
    QRadioButton *size1024() const { return m1024; }
    QRadioButton *custom() const { return mCustom; }
    QLineEdit *finalWidth() const { return mFinalWidth; }
    QLineEdit *finalHeight() const { return mFinalHeight; }
    QComboBox *imageType() const { return mImageType; }
    QLineEdit *finalFolder() const { return mFinalFolder; }
    QPushButton *browseFolderButton() const { return mPbBrowseFolder; }
    QLineEdit *finalName() const { return mFinalName; }
    NumberPair *jpgQuality() const { return mJpgQuality; }
    QCheckBox *progressive() const { return mProgressive; }
    QRadioButton *overAlways() const { return mOverAlways; }
    QRadioButton *overNever() const { return mOverNever; }
    QRadioButton *overAsk() const { return mOverAsk; }

public slots:
    void pbBrowseFolder();

private:
    HComposite *mJob = nullptr;
    QRadioButton *m640;
    QRadioButton *m800;
    QRadioButton *m1024;
    QRadioButton *mCustom;
    QLineEdit *mFinalWidth;
    QLineEdit *mFinalHeight;
    QComboBox *mImageType;
    QLineEdit *mFinalFolder;
    QPushButton *mPbBrowseFolder;
    QLineEdit *mFinalName;
    NumberPair *mJpgQuality;
    QCheckBox *mProgressive;
    QRadioButton *mOverAlways;
    QRadioButton *mOverNever;
    QRadioButton *mOverAsk;
};

} // namespace gb
