#include "platform/imagelib/sharpen.h"

#include "platform/imagelib/paddedrows.h"
#include "platform/imagelib/parallel.h"

#include <cmath>
#include <cstring>

namespace gb {

// Unsharp mask: out = clamp(p + floor((a * (16 p - B) + 2^11) / 2^12)), where
// B = sum of the 3 x 3 neighbourhood weighted [1 2 1; 2 4 2; 1 2 1] and a = round(level * 256 / 25).
bool isSharpenRgb(const RgbImage &src, RgbImage &dst, int level)
{
    if (src.isNull() || dst.isNull() || src.width() != dst.width() || src.height() != dst.height())
        return false;
    if (level <= 0) {
        std::memcpy(dst.data(), src.data(), src.byteCount());
        return true;
    }
    const int32_t a = int32_t(std::lround(std::min(level, 1000) * 256.0 / 25.0));
    const size_t n = src.stride();
    return parallelRanges(src.height(), 32, [&](int begin, int end) {
        PaddedRows rows(src, 1, 1);
        for (int y = begin; y < end; ++y) {
            const uint8_t *u = rows.row(y - 1), *c = rows.row(y), *d = rows.row(y + 1);
            uint8_t *out = dst.row(y);
            for (size_t e = 0; e < n; ++e) {
                const size_t m = e + 3; // the pixel itself in the padded rows
                const int32_t p = c[m];
                const int32_t B = u[m - 3] + 2 * u[m] + u[m + 3] + 2 * (c[m - 3] + c[m + 3]) + 4 * p
                    + d[m - 3] + 2 * d[m] + d[m + 3];
                const int32_t v = p + ((a * (16 * p - B) + 2048) >> 12);
                out[e] = uint8_t(v < 0 ? 0 : (v > 255 ? 255 : v));
            }
        }
    });
}

} // namespace gb
