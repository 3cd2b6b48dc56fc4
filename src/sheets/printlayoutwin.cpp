#include "sheets/printlayoutwin.h"

#include "common/dialogcontrols.h"
#include "sheets/printgalleryjob.h"
#include "sheets/sheetranges.h"

#include <QCheckBox>
#include <QLineEdit>

namespace gb {

PrintLayoutWin::PrintLayoutWin(QWidget *owner, int controlId)
    : LayoutPageWin(owner, controlId, {QStringLiteral("Images Layout"), QStringLiteral("Print page number"),
                            QStringLiteral("Include with each image the following information ... "),
                            QStringLiteral("Image Information Font")})
{
    const DialogUnits &du = units();
    pageLabel(this, du, QStringLiteral("Number of thumbnails columns:"), {11, 48, 110, 9});
    mThumbCol = NumberPair::withSpinner(this, du, {122, 46, 22, 12}, {145, 46, 9, 12}, kThumbColumnsRange, 2);
    mThumbCol->setObjectNames(QStringLiteral("THUMBCOL"), QStringLiteral("THUMBCOLVS"));
    mDrawImageRect = new QCheckBox(QStringLiteral("Draw border around each image"), this);
    mDrawImageRect->setGeometry(du.rect(200, 16, 170, 10));
}

void PrintLayoutWin::connect2Source(WizardJob *wizardJob)
{
    auto *bound = wizardJobCast<PrintGalleryJob>(wizardJob);
    if (!bound)
        return;
    HPrGallery *job = &bound->print();
    mJob = job;
    mThumbCol->setNumber(job->thumbPerCol());
    mDrawImageRect->setChecked(job->drawBorder());
    showCommon(job, {[job] { return job->titleFont(); }, [job](const FontData &f) { job->setTitleFont(f); },
                     [job] { return job->imageInfoFont(); }, [job](const FontData &f) { job->setImageInfoFont(f); },
                     [job] { return job->imageInfo(); },
                     [job](const InfoListEditor::Codes &c) { job->setImageInfo(c); }});
}

void PrintLayoutWin::updateObject()
{
    if (!mJob)
        return;
    updateCommon(mJob);
    mJob->setThumbPerCol(mThumbCol->number());
    mJob->setDrawBorder(mDrawImageRect->isChecked());
    mJob->setTitle(title()->text());
}

} // namespace gb
