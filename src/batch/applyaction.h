#pragma once

#include "batch/batchcommand.h"
#include "platform/imagelib/rgbimage.h"

namespace gb {

// What one script step did: when the step's operation made a new image, newBuffer is true
// and buffer holds it (its size is the image's own); otherwise newBuffer is false, buffer
// is null, and the caller's image may have been changed in place. failed tells that the
// operation could not be done (a new image that could not be made, an overlay file that
// could not be loaded): the image is then as the step found it.
struct ActionResult {
    bool newBuffer = false;
    RgbImage buffer;
    bool failed = false;
};

// Runs one script step on an image. The command's slots are read through its typed
// accessors (a missing or mistyped slot gives its default; colour components are held to
// 0..255), and its operation is called:
//   in place:   Overlay Text, Overlay Image, Flip, Mirror, Buttonize, Glass Frame,
//               Brightness/Contrast, Gray Scale, the four inversions, Replace Color,
//               Histogram Equalize, Change Color Depth
//   new image:  Rotate, Resize, Add Border, Blur, Sharpen, Median Cut, Apply Filter,
//               Apply Convolution Filter
// colorCount is the count the run hands to the file writer: only Change Color Depth reads
// it (it starts from the command's own count, held to 2..256) and sets it. An id of no
// action changes nothing and gives {false, null}; a failed operation changes nothing and
// gives {false, null} with failed set. The caller keeps its image; on {true, buffer} it
// replaces it by the new one.
ActionResult applyAction(RgbImage &image, int &colorCount, const BatchCommand &command);

} // namespace gb
