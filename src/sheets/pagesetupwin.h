#pragma once

#include "batch/wizardpagewin.h"

class QLineEdit;
class QRadioButton;

namespace gb {

class HPrGallery;
class NumberPair;

// The print wizard's third page, "3/3 - Page Setup": the logo line's text (shown, never
// edited), the paper orientation and the four margins in printer pixels (three digits,
// spinners 0 to 999, kept in step with their edits). connect2Source() shows the job;
// updateObject() copies the orientation and the margins back (0 for an emptied margin).
class PageSetupWin : public WizardPageWin
{
    Q_OBJECT
public:
    PageSetupWin(QWidget *owner, int controlId);

    void connect2Source(WizardJob *job) override;
    void updateObject() override;

    QLineEdit *companyLogo() const { return mCompanyLogo; }
    QRadioButton *portraitButton() const { return mPortrait; }
    QRadioButton *landscapeButton() const { return mLandscape; }
    NumberPair *leftMargin() const { return mLeft; }
    NumberPair *rightMargin() const { return mRight; }
    NumberPair *topMargin() const { return mTop; }
    NumberPair *bottomMargin() const { return mBottom; }

private:
    HPrGallery *mJob = nullptr;
    QLineEdit *mCompanyLogo;
    QRadioButton *mPortrait;
    QRadioButton *mLandscape;
    NumberPair *mLeft;
    NumberPair *mRight;
    NumberPair *mTop;
    NumberPair *mBottom;
};

} // namespace gb
