#include "gallery_setup/galleryjob.h"

#include "batch/commandscriptwin.h"

namespace gb {

void GalleryJob::run(const QStringList &files)
{
    HGallery copy = mGallery;
    const QStringList sources = files;
    const GalleryTitles titles = mTitles;
    mLastResult = copy.generate(sources, titles);
}

ScriptBinding galleryScript(ValueArray (HGallery::*read)() const, void (HGallery::*write)(const ValueArray &))
{
    return {[read](WizardJob *job) {
                auto *gallery = wizardJobCast<GalleryJob>(job);
                return gallery ? (gallery->gallery().*read)() : ValueArray{};
            },
            [write](WizardJob *job, const ValueArray &script) {
                if (auto *gallery = wizardJobCast<GalleryJob>(job))
                    (gallery->gallery().*write)(script);
            }};
}

} // namespace gb
