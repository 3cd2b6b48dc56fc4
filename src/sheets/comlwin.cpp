#include "sheets/comlwin.h"

#include "common/dialogcontrols.h"
#include "sheets/compositejob.h"
#include "sheets/sheetranges.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>

namespace gb {

ComLWin::ComLWin(QWidget *owner, int controlId)
    : LayoutPageWin(owner, controlId, {QStringLiteral("Thumbnails Layout"), QStringLiteral("Append to title current page number"),
                            QStringLiteral("Include with each thumbnail the following information ... "),
                            QStringLiteral("Information Font")})
{
    const DialogUnits &du = units();
    pageLabel(this, du, QStringLiteral("Border:"), {11, 48, 46, 9});
    mBorderSize = NumberPair::withSpinner(this, du, {58, 46, 26, 12}, {85, 46, 9, 12}, kBorderSizeRange, 2);
    mBorderSize->setObjectNames(QStringLiteral("BORDERSIZE"), QStringLiteral("BORDERSIZEVS"));

    auto *colors = new QGroupBox(QStringLiteral("Colors"), this);
    colors->setGeometry(du.rect(196, 3, 180, 64));
    colors->lower();
    pageLabel(this, du, QStringLiteral("Image Background:"), {202, 16, 100, 9});
    mBackPatern = new ColorField(this, du, {305, 15, 30, 11}, {338, 14, 18, 13}, 0);
    pageLabel(this, du, QStringLiteral("Thumbnails Background:"), {202, 32, 100, 9});
    mThumbPatern = new ColorField(this, du, {305, 31, 30, 11}, {338, 30, 18, 13}, 0);
    pageLabel(this, du, QStringLiteral("Border:"), {202, 48, 100, 9});
    mBorderColor = new ColorField(this, du, {305, 47, 30, 11}, {338, 46, 18, 13}, 0);
    mBackPatern->setObjectNames(QStringLiteral("BACKPATERN"), QStringLiteral("PBCHANGE"));
    mThumbPatern->setObjectNames(QStringLiteral("THUMBPATERN"), QStringLiteral("PBCHANGETHUMBCOLOR"));
    mBorderColor->setObjectNames(QStringLiteral("BORDERCOLOR"), QStringLiteral("PBCHANGEBORDER"));

    // The colour buttons write the job at once.
    connect(mBackPatern, &ColorField::colorChanged, this, [this](uint32_t c) {
        if (mJob)
            mJob->setBackColor(c);
    });
    connect(mThumbPatern, &ColorField::colorChanged, this, [this](uint32_t c) {
        if (mJob)
            mJob->setThumbColor(c);
    });
    connect(mBorderColor, &ColorField::colorChanged, this, [this](uint32_t c) {
        if (mJob)
            mJob->setBorderColor(c);
    });
}

void ComLWin::connect2Source(WizardJob *wizardJob)
{
    auto *bound = wizardJobCast<CompositeJob>(wizardJob);
    if (!bound)
        return;
    HComposite *job = &bound->composite();
    mJob = job;
    mBorderSize->setNumber(job->borderSize());
    mBackPatern->setColor(job->backColor());
    mThumbPatern->setColor(job->thumbColor());
    mBorderColor->setColor(job->borderColor());
    showCommon(job, {[job] { return job->titleFont(); }, [job](const FontData &f) { job->setTitleFont(f); },
                     [job] { return job->infoFont(); }, [job](const FontData &f) { job->setInfoFont(f); },
                     [job] { return job->info(); }, [job](const InfoListEditor::Codes &c) { job->setInfo(c); }});
}

void ComLWin::updateObject()
{
    if (!mJob)
        return;
    updateCommon(mJob);
    mJob->setBorderSize(mBorderSize->number());
    mJob->setTitle(title()->text().trimmed());
}

} // namespace gb
