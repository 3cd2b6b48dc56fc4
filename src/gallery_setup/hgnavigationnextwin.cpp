#include "gallery_setup/hgnavigationnextwin.h"

#include "gallery/hgallery.h"

namespace gb {

HgNavigationNextWin::HgNavigationNextWin(QWidget *owner, int controlId)
    : HgNavigationWin(owner, controlId, QStringLiteral("hgNavigationNextWin"),
                      {QStringLiteral("NEXT"), QStringLiteral("LINK2NEXTPAGE"), QStringLiteral("NEXTPAGELINK"),
                       QStringLiteral("Link to Next Page"), QStringLiteral("Link to next page"),
                       QStringLiteral("Click this option to include a link to next page"),
                       QStringLiteral("The text link for the next page"), QStringLiteral("Image button for next page")},
                      {&HGallery::link2Next, &HGallery::setLink2Next, &HGallery::nextTextLink, &HGallery::setNextTextLink,
                       &HGallery::link2NextWithImage, &HGallery::setLink2NextWithImage, &HGallery::nextImageLink,
                       &HGallery::setNextImageLink},
                      {QStringLiteral("LAST"), QStringLiteral("LINK2LASTPAGE"), QStringLiteral("LASTPAGELINK"),
                       QStringLiteral("Link to Last Page"), QStringLiteral("Link to last page"),
                       QStringLiteral("Click this option to include a link to last page"), QString(),
                       QStringLiteral("Image button for last page")},
                      {&HGallery::link2Last, &HGallery::setLink2Last, &HGallery::lastTextLink, &HGallery::setLastTextLink,
                       &HGallery::link2LastWithImage, &HGallery::setLink2LastWithImage, &HGallery::lastImageLink,
                       &HGallery::setLastImageLink},
                      false)
{
}

} // namespace gb
