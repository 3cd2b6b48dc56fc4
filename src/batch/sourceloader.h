#pragma once

#include "batch/batchcommand.h"
#include "platform/imagelib/rgbimage.h"

#include <QString>

namespace gb {

// Loads a source image for a script, doing the script's first command while loading when
// that command is a Resize that brings a JPEG below half its size on both sides: the file
// is then decoded at the decoder's reduced scale (never below twice the Resize's size) and
// resampled by the Resize itself, to the size the Resize computes from the whole image.
// resizeDone tells the caller to skip the script's first command. Anything else loads the
// whole image. A failure gives a null image and the loader's text in errorText.
RgbImage loadScriptSource(const QString &path, const BatchCommand *firstCommand, bool &resizeDone,
                          QString &errorText);

} // namespace gb
