#include "actions/applygrayscale.h"

#include "platform/imagelib/grayscale.h"

namespace gb {

bool applyGrayScale(RgbImage &img)
{
    return isRgbToGrayScale24(img);
}

} // namespace gb
