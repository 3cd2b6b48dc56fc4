#include "sheets/pagesetupwin.h"

#include "common/dialogcontrols.h"
#include "sheets/printgalleryjob.h"
#include "sheets/layoutpagewin.h"
#include "sheets/sheetranges.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace gb {

PageSetupWin::PageSetupWin(QWidget *owner, int controlId)
    : WizardPageWin(owner, controlId, 380, 188)
{
    const DialogUnits &du = units();
    pageLabel(this, du, QStringLiteral("Print Logo:"), {10, 12, 45, 9});
    mCompanyLogo = new QLineEdit(this);
    mCompanyLogo->setGeometry(du.rect(56, 10, 300, 12));
    mCompanyLogo->setEnabled(false);

    auto *orientation = new QGroupBox(QStringLiteral("Paper Orientation"), this);
    orientation->setGeometry(du.rect(10, 32, 120, 58));
    // The buttons are children of their group, so they exclude each other alone.
    mPortrait = new QRadioButton(QStringLiteral("Portrait"), orientation);
    mPortrait->setGeometry(du.rect(10, 16, 90, 10));
    mLandscape = new QRadioButton(QStringLiteral("Landscape"), orientation);
    mLandscape->setGeometry(du.rect(10, 34, 90, 10));

    auto *margins = new QGroupBox(QStringLiteral("Paper Margins (pixels)"), this);
    margins->setGeometry(du.rect(140, 32, 216, 58));
    margins->lower();
    pageLabel(this, du, QStringLiteral("Left:"), {150, 50, 30, 9});
    mLeft = NumberPair::withSpinner(this, du, {182, 48, 26, 12}, {209, 48, 9, 12}, kMarginRange, 3);
    pageLabel(this, du, QStringLiteral("Right:"), {250, 50, 30, 9});
    mRight = NumberPair::withSpinner(this, du, {282, 48, 26, 12}, {309, 48, 9, 12}, kMarginRange, 3);
    pageLabel(this, du, QStringLiteral("Top:"), {150, 68, 30, 9});
    mTop = NumberPair::withSpinner(this, du, {182, 66, 26, 12}, {209, 66, 9, 12}, kMarginRange, 3);
    pageLabel(this, du, QStringLiteral("Bottom:"), {250, 68, 30, 9});
    mBottom = NumberPair::withSpinner(this, du, {282, 66, 26, 12}, {309, 66, 9, 12}, kMarginRange, 3);
    mLeft->setObjectNames(QStringLiteral("LEFTMARGIN"), QStringLiteral("LEFTMVS"));
    mRight->setObjectNames(QStringLiteral("RIGHTMARGIN"), QStringLiteral("RIGHTMVS"));
    mTop->setObjectNames(QStringLiteral("TOPMARGIN"), QStringLiteral("TOPMVS"));
    mBottom->setObjectNames(QStringLiteral("BOTTOMMARGIN"), QStringLiteral("BOTTOMMVS"));
}

void PageSetupWin::connect2Source(WizardJob *wizardJob)
{
    auto *bound = wizardJobCast<PrintGalleryJob>(wizardJob);
    if (!bound)
        return;
    HPrGallery *job = &bound->print();
    mJob = job;
    mCompanyLogo->setText(job->logo());
    (job->portrait() ? mPortrait : mLandscape)->setChecked(true);
    mLeft->setNumber(job->leftMargin());
    mRight->setNumber(job->rightMargin());
    mTop->setNumber(job->topMargin());
    mBottom->setNumber(job->bottomMargin());
}

void PageSetupWin::updateObject()
{
    if (!mJob)
        return;
    mJob->setPortrait(mPortrait->isChecked());
    mJob->setLeftMargin(mLeft->number());
    mJob->setRightMargin(mRight->number());
    mJob->setTopMargin(mTop->number());
    mJob->setBottomMargin(mBottom->number());
}

} // namespace gb
