#include "actions/vflip.h"

#include "platform/imagelib/flip.h"

namespace gb {

bool vFlip(RgbImage &img)
{
    return isVertFlipBuf(img);
}

bool hFlip(RgbImage &img)
{
    return isFlipHorizontalRgb(img);
}

} // namespace gb
