#include "actions/invertcolors.h"

#include "platform/imagelib/lut.h"

namespace gb {

namespace {

void invert(RgbImage &img, int channelMask)
{
    uint8_t table[256];
    for (int v = 0; v < 256; ++v)
        table[v] = uint8_t(255 - v);
    isApplyLutToRgb(img, channelMask, table);
}

} // namespace

void invertAllColors(RgbImage &img)
{
    invert(img, 7);
}

void invertRedColor(RgbImage &img)
{
    invert(img, 1);
}

void invertGreenColor(RgbImage &img)
{
    invert(img, 2);
}

void invertBlueColor(RgbImage &img)
{
    invert(img, 4);
}

} // namespace gb
