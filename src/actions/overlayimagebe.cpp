#include "actions/overlayimagebe.h"

#include "actions/alignposition.h"
#include "image/imageload.h"
#include "platform/imagelib/overlay.h"

namespace gb {

bool overlayImageBE(RgbImage &img, const QString &overlayFile, int placement, int left, int top, int right,
                    int bottom, bool transparent, uint32_t transparentColor, double opacity)
{
    if (img.isNull())
        return false;
    int w = 0, h = 0;
    QString error;
    const RgbImage overlay = createRgbFromFile(overlayFile, w, h, error);
    if (overlay.isNull())
        return false;
    const QPoint at = alignPosition(placement, img.width(), img.height(), w, h, left, top, right, bottom);
    return transparent ? isOverlayRgbTrans(img, overlay, at.x(), at.y(), opacity, transparentColor)
                       : isOverlayRgb(img, overlay, at.x(), at.y(), opacity);
}

} // namespace gb
