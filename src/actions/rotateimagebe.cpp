#include "actions/rotateimagebe.h"

#include "platform/imagelib/rotate.h"

namespace gb {

RgbImage rotateImageBE(const RgbImage &src, double angle, uint32_t background)
{
    return isRotateRgb(src, angle / 180 * piValue, background);
}

} // namespace gb
