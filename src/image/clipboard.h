#pragma once

#include "platform/imagelib/rgbimage.h"

#include <QString>

namespace gb {

// Putting images and text on the desktop's clipboard, so that any program can paste them.
// Each replaces whatever the clipboard held; none shows a message.

// Loads an image file and puts the image on the clipboard. False, leaving the clipboard as
// it was, when the file cannot be loaded.
bool copyRgb2Clipboard(const QString &fileName);
// Puts an image held by the caller (a thumbnail) on the clipboard; the image stays the
// caller's, unchanged. False for a null image or a size that does not match it.
bool copyRgbPtr2Clipboard(const RgbImage &img, int width, int height);
// Puts plain text on the clipboard. False without a clipboard.
bool copyText2Clipboard(const QString &text);

} // namespace gb
