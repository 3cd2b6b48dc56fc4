#include "gallery_setup/hgscriptwins.h"

#include "gallery_setup/galleryjob.h"

namespace gb {

namespace {

// The script setting of the gallery behind the window's job, read and written through the
// two accessors (the gallery keeps a copy of its own of what it is given).
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

} // namespace

HgThumbsBatchWin::HgThumbsBatchWin(QWidget *owner, int controlId)
    : CommandScriptWin(owner, controlId, galleryScript(&HGallery::thumbCommands, &HGallery::setThumbCommands),
                       QStringLiteral("The following processing commands will be applied to each thumbnail, right after "
                                      "thumbnails generation..."))
{
    setObjectName(QStringLiteral("hgThumbsBatchWin"));
}

HgFullSizeBatchWin::HgFullSizeBatchWin(QWidget *owner, int controlId)
    : CommandScriptWin(owner, controlId, galleryScript(&HGallery::fsCommands, &HGallery::setFsCommands),
                       QStringLiteral("The following processing commands will be applied to each original image in "
                                      "order to create a full size image..."))
{
    setObjectName(QStringLiteral("hgFullSizeBatchWin"));
}

} // namespace gb
