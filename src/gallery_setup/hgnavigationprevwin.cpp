#include "gallery_setup/hgnavigationprevwin.h"

#include "gallery/hgallery.h"

namespace gb {

HgNavigationPrevWin::HgNavigationPrevWin(QWidget *owner, int controlId)
    : HgNavigationWin(owner, controlId, QStringLiteral("hgNavigationPrevWin"),
                      {QStringLiteral("PREVIOUS"), QStringLiteral("LINK2PREVIOUSPAGE"), QStringLiteral("PREVIOUSPAGELINK"),
                       QStringLiteral("Link to Previous Page"), QStringLiteral("Link to previous page"),
                       QStringLiteral("Click this option to include a link to previous page"),
                       QStringLiteral("The text link for the previous page"),
                       QStringLiteral("Image button for previous page")},
                      {&HGallery::link2Prev, &HGallery::setLink2Prev, &HGallery::prevTextLink, &HGallery::setPrevTextLink,
                       &HGallery::link2PrevWithImage, &HGallery::setLink2PrevWithImage, &HGallery::prevImageLink,
                       &HGallery::setPrevImageLink},
                      {QStringLiteral("FIRST"), QStringLiteral("LINK2FIRSTPAGE"), QStringLiteral("FIRSTPAGELINK"),
                       QStringLiteral("Link to First Page"), QStringLiteral("Link to first page"),
                       QStringLiteral("Click this option to include a link to first page"),
                       QStringLiteral("The text link for the first page"), QStringLiteral("Image button for first page")},
                      {&HGallery::link2First, &HGallery::setLink2First, &HGallery::firstTextLink,
                       &HGallery::setFirstTextLink, &HGallery::link2FirstWithImage, &HGallery::setLink2FirstWithImage,
                       &HGallery::firstImageLink, &HGallery::setFirstImageLink},
                      false)
{
}

} // namespace gb
