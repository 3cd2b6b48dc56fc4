#include "actions/changecolordepth.h"

#include "platform/imagelib/to8bit.h"

#include <vector>

namespace gb {

bool changeColorDepth(RgbImage &img, int choice, int &colorCount)
{
    switch (choice) {
    case 1:
        colorCount = 2;
        break;
    case 2:
        colorCount = 16;
        break;
    case 3:
        colorCount = 64;
        break;
    case 4:
        colorCount = 256;
        break;
    case 5:
        colorCount = 0;
        return true;
    default:
        break;
    }
    std::vector<uint8_t> indices;
    std::vector<uint32_t> palette;
    return isQuantizeRgbTo8Bit(img, indices, colorCount, palette) && is8BitToRgb(indices, img, colorCount, palette);
}

} // namespace gb
