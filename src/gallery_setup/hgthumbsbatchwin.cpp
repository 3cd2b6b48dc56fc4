#include "gallery_setup/hgthumbsbatchwin.h"

#include "gallery_setup/galleryjob.h"

namespace gb {

HgThumbsBatchWin::HgThumbsBatchWin(QWidget *owner, int controlId)
    : CommandScriptWin(owner, controlId, galleryScript(&HGallery::thumbCommands, &HGallery::setThumbCommands),
                       QStringLiteral("The following processing commands will be applied to each thumbnail, right after "
                                      "thumbnails generation..."))
{
    setObjectName(QStringLiteral("hgThumbsBatchWin"));
}

} // namespace gb
