#pragma once

#include <QPoint>
#include <QStringList>

namespace gb {

// The nine placements of an overlaid text or image, codes 1 to 9 in this order:
// "Left aligned at top", "Center at top", "Right aligned at top", "Left aligned at middle
// line", "Center at middle line", "Right aligned at middle line", "Left aligned at bottom",
// "Center at bottom", "Right aligned at bottom". The overlay dialogs list them in code order.
QStringList alignPositionLabels();

// Top-left corner, in pixels from the image's top-left corner, of an overlay of w x h
// placed by its code on an image of W x H with the left, top, right and bottom margins:
//   x: L (codes 1, 4, 7), half of (W - w) (2, 5, 8), W - w - R (3, 6, 9)
//   y: T (codes 1, 2, 3), half of (H - h) (4, 5, 6), H - B - h (7, 8, 9)
// "Half" is a floor division, so a negative difference rounds toward the more negative
// value (-5 gives -3). Margins a placement does not name are not used. Any other code
// gives (0, 0). The corner may lie outside the image; results are held to int's range.
QPoint alignPosition(int code, int W, int H, int w, int h, int left, int top, int right, int bottom);

} // namespace gb
