#pragma once

#include "batch/batchcommand.h"
#include "platform/imagelib/rgbimage.h"

#include <QString>

#include <initializer_list>

namespace gb {

// Loads a source image for a script, doing the script's first command while loading when
// that command is a Resize that brings a JPEG below half its size on both sides: the file
// is then decoded at the decoder's reduced scale (never below twice the Resize's size) and
// resampled by the Resize itself, to the size the Resize computes from the whole image.
// resizeDone tells the caller to skip the script's first command. Anything else loads the
// whole image. A failure gives a null image and the loader's text in errorText.
RgbImage loadScriptSource(const QString &path, const BatchCommand *firstCommand, bool &resizeDone,
                          QString &errorText);

// One decode of a source that several scripts start from (the gallery's thumbnail and
// full-size images): decoded at the largest scale any of their first commands needs, with
// the size of the whole image beside it.
struct SharedSource
{
    RgbImage image;
    int fullWidth = 0;
    int fullHeight = 0;
    bool reduced = false; // decoded below the whole image's size
};

// Decodes path once for scripts whose first commands are given (nullptr for a script
// without commands). A JPEG is decoded at a reduced scale only when every one of them is a
// Resize that brings it below half its size. A failure gives a null image and the loader's
// text in errorText.
SharedSource loadSharedSource(const QString &path, std::initializer_list<const BatchCommand *> firstCommands,
                              QString &errorText);

// The input of one script from a shared decode. When the first command is a Resize that
// the image is at least twice as large as on both sides, and the decode was reduced or
// alwaysResample is set, the Resize is done here (from the size it computes for the whole
// image) and resizeDone is set; otherwise the image is given as it is (moved out of source
// when it is an rvalue).
RgbImage scriptInput(const SharedSource &source, const BatchCommand *firstCommand, bool alwaysResample,
                     bool &resizeDone);
RgbImage scriptInput(SharedSource &&source, const BatchCommand *firstCommand, bool alwaysResample,
                     bool &resizeDone);

} // namespace gb
