#include "gallery_setup/hgnavigationupwin.h"

#include "gallery/hgallery.h"

namespace gb {

HgNavigationUpWin::HgNavigationUpWin(QWidget *owner, int controlId)
    : HgNavigationWin(owner, controlId, QStringLiteral("hgNavigationUpWin"),
                      {QStringLiteral("HOME"), QStringLiteral("LINK2HOME"), QStringLiteral("HOMELINK"),
                       QStringLiteral("Link to Home Page"), QStringLiteral("Link to home page"),
                       QStringLiteral("Click this option to include a link to home page"),
                       QStringLiteral("The text link for home page"), QStringLiteral("Image button for home page")},
                      {&HGallery::link2Home, &HGallery::setLink2Home, &HGallery::homeTextLink, &HGallery::setHomeTextLink,
                       &HGallery::link2HomeWithImage, &HGallery::setLink2HomeWithImage, &HGallery::homeImageLink,
                       &HGallery::setHomeImageLink},
                      {QStringLiteral("UP"), QStringLiteral("LINK2UP"), QStringLiteral("UPLINK"),
                       QStringLiteral("Link to Up  Level"), QStringLiteral("Link to up page"),
                       QStringLiteral("Click this option to include a link to previous level page"),
                       QStringLiteral("The text link for previous level page"), QStringLiteral("Image button for up page")},
                      {&HGallery::link2Up, &HGallery::setLink2Up, &HGallery::upTextLink, &HGallery::setUpTextLink,
                       &HGallery::link2UpWithImage, &HGallery::setLink2UpWithImage, &HGallery::upImageLink,
                       &HGallery::setUpImageLink},
                      true)
{
}

} // namespace gb
