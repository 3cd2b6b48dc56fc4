#include "actions/overlaytextbe.h"

#include "actions/alignposition.h"
#include "image/rgbutils.h"
#include "platform/imagelib/drawtext.h"
#include "platform/imagelib/logfont.h"

#include <algorithm>
#include <climits>

namespace gb {

bool overlayTextBE(RgbImage &img, const QString &text, const QString &fontName, int fontSize, bool bold,
                   bool italic, bool underline, uint32_t textColor, int placement, int left, int top, int right,
                   int bottom, bool transparent, int backRed, int backGreen, int backBlue)
{
    if (img.isNull())
        return false;
    const LogFont font = makeLogFont(fontName, fontSize, bold, italic, underline);
    const QSize extent = textExtent(text, font);
    const QPoint at = alignPosition(placement, img.width(), img.height(), extent.width(), extent.height(), left,
                                    top, right, bottom);
    if (!transparent)
        fillRgbSolidRect(img, at.x(), at.y(), extent.width(), extent.height(), uint8_t(backRed), uint8_t(backGreen),
                         uint8_t(backBlue));
    // The fill counts from 1; the drawing call from 0, so one less puts the text on its box.
    return isDrawTextOnRgb2(img, text, font, std::max(at.x(), INT_MIN + 1) - 1, std::max(at.y(), INT_MIN + 1) - 1,
                            textColor);
}

} // namespace gb
