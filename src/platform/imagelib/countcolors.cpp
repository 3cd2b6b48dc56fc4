#include "platform/imagelib/countcolors.h"

#include <bit>
#include <vector>

namespace gb {

int64_t isCountRgbColors(const RgbImage &img)
{
    if (img.isNull())
        return 0;
    std::vector<uint64_t> seen((1u << 24) / 64, 0);
    const uint8_t *p = img.data();
    const size_t n = img.pixelCount();
    for (size_t i = 0; i < n; ++i, p += 3) {
        const uint32_t c = uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
        seen[c >> 6] |= uint64_t(1) << (c & 63);
    }
    int64_t count = 0;
    for (uint64_t word : seen)
        count += std::popcount(word);
    return count;
}

} // namespace gb
