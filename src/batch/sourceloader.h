#pragma once

#include "batch/batchcommand.h"
#include "platform/imagelib/rgbimage.h"

#include <QString>

namespace gb {

// Loads a source image for a script, doing the script's first command while loading when
// that command is a Resize that brings the image below half its size on both sides: the
// file is then decoded at the image layer's reduced scale (JPEG: never below twice the
// target) and averaged down over pixel areas straight to the Resize's size, which is
// computed from the whole image's size exactly as the Resize would compute it.
// resizeDone tells the caller to skip the script's first command. Any other script loads
// the whole image. A failure gives a null image and the loader's text in errorText.
RgbImage loadScriptSource(const QString &path, const BatchCommand *firstCommand, bool &resizeDone,
                          QString &errorText);

} // namespace gb
