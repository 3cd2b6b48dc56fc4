#include "gallery_setup/sectionpage.h"

#include "actions/selectfontwin.h"
#include "gallery/hgallery.h"
#include "gallery_setup/galleryjob.h"

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

} // namespace gb
