#include "gallery_setup/sectionpage.h"

#include "actions/selectfontwin.h"
#include "common/dialogcontrols.h"
#include "gallery/hgallery.h"
#include "gallery_setup/galleryjob.h"

#include <QLabel>
#include <QPushButton>

namespace gb {

void SectionPage::connect2Source(WizardJob *job)
{
    if (auto *galleryJob = wizardJobCast<GalleryJob>(job))
        connect2Source(&galleryJob->gallery());
}

void SectionPage::editFont(FontData (HGallery::*get)() const, void (HGallery::*set)(const FontData &),
                           const QString &caption)
{
    if (!mGallery)
        return;
    if (const std::optional<FontData> font = changeFont(this, (mGallery->*get)(), caption))
        (mGallery->*set)(*font);
}

ColorField *SectionPage::colorField(QWidget *parent, const QString &sample, const QString &button, const QString &tip,
                                    const QSize &sampleSize, void (HGallery::*set)(uint32_t))
{
    auto *field = new ColorField(parent, DialogUnits(DialogUnits::dialogFont()), QRect(), QRect(), 0);
    field->setObjectNames(sample, button);
    field->button()->setToolTip(tip);
    field->sample()->setFixedSize(sampleSize);
    connect(field, &ColorField::colorChanged, this, [this, set](uint32_t color) {
        if (mGallery)
            (mGallery->*set)(color);
    });
    return field;
}

} // namespace gb
