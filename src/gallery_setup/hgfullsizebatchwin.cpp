#include "gallery_setup/hgfullsizebatchwin.h"

#include "gallery_setup/galleryjob.h"

namespace gb {

HgFullSizeBatchWin::HgFullSizeBatchWin(QWidget *owner, int controlId)
    : CommandScriptWin(owner, controlId, galleryScript(&HGallery::fsCommands, &HGallery::setFsCommands),
                       QStringLiteral("The following processing commands will be applied to each original image in "
                                      "order to create a full size image..."))
{
    setObjectName(QStringLiteral("hgFullSizeBatchWin"));
}

} // namespace gb
