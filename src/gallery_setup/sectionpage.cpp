#include "gallery_setup/sectionpage.h"

#include "gallery_setup/galleryjob.h"

namespace gb {

void SectionPage::connect2Source(WizardJob *job)
{
    if (auto *galleryJob = wizardJobCast<GalleryJob>(job))
        connect2Source(&galleryJob->gallery());
}

} // namespace gb
