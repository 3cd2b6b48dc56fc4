#pragma once

#include "platform/imagelib/rgbimage.h"

#include <QString>

namespace gb {

// Puts a picture on the clipboard; the picture stays the caller's. False for a null picture.
bool copyRgbPtr2Clipboard(const RgbImage &image);
// Loads an image file and puts it on the clipboard; false when it cannot be loaded.
bool copyRgb2Clipboard(const QString &file);

} // namespace gb
