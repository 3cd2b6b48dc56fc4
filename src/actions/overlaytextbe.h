#pragma once

#include "platform/imagelib/rgbimage.h"

#include <QString>

#include <cstdint>

namespace gb {

// Action "Overlay Text", in place: writes the text on one line in the font (face, size as
// pixels of character height, bold, italic, underline) and colour (red + green * 256 +
// blue * 65536), placed by the placement code and margins of alignPosition() from the
// text's measured size. Unless `transparent`, the text's measured box is first filled
// with the background colour. The position (x, y) counts from 1 for the fill, and the text
// is drawn on the same pixels. Text and background are cut at all four edges of the
// image. False for a null image.
bool overlayTextBE(RgbImage &img, const QString &text, const QString &fontName, int fontSize, bool bold,
                   bool italic, bool underline, uint32_t textColor, int placement, int left, int top, int right,
                   int bottom, bool transparent, int backRed, int backGreen, int backBlue);

} // namespace gb
