#include "image/boxshrink.h"

#include "platform/imagelib/parallel.h"

#include <algorithm>
#include <vector>

namespace gb {

namespace {

// Target rows [first, last) of the shrink.
void shrinkRows(const RgbImage &src, RgbImage &dst, int factor, int first, int last)
{
    const int sw = src.width(), sh = src.height(), dw = dst.width();
    std::vector<uint32_t> sums(size_t(dw) * 3);
    for (int y = first; y < last; ++y) {
        std::fill(sums.begin(), sums.end(), 0u);
        const int top = y * factor, bottom = std::min(sh, top + factor);
        for (int sy = top; sy < bottom; ++sy) {
            const uint8_t *p = src.row(sy);
            uint32_t *s = sums.data();
            for (int x = 0; x < sw; x += factor, s += 3) {
                const int n = std::min(factor, sw - x);
                uint32_t r = 0, g = 0, b = 0;
                for (int i = 0; i < n; ++i, p += 3) {
                    r += p[0];
                    g += p[1];
                    b += p[2];
                }
                s[0] += r;
                s[1] += g;
                s[2] += b;
            }
        }
        uint8_t *out = dst.row(y);
        const uint32_t rows = uint32_t(bottom - top);
        for (int x = 0; x < dw; ++x) {
            const uint32_t count = rows * uint32_t(std::min(factor, sw - x * factor));
            for (int c = 0; c < 3; ++c)
                out[x * 3 + c] = uint8_t((sums[size_t(x) * 3 + c] + count / 2) / count);
        }
    }
}

} // namespace

RgbImage boxShrink(const RgbImage &src, int factor)
{
    if (src.isNull() || factor < 1)
        return {};
    if (factor == 1)
        return src.clone();
    const int dw = (src.width() + factor - 1) / factor;
    const int dh = (src.height() + factor - 1) / factor;
    // A factor of up to 4096 keeps a block's sum of 255s within 32 bits.
    if (int64_t(factor) * factor * 255 > int64_t(UINT32_MAX))
        return {};
    RgbImage dst = RgbImage::create(dw, dh);
    if (dst.isNull())
        return dst;
    if (!parallelRanges(dh, 8, [&](int begin, int end) { shrinkRows(src, dst, factor, begin, end); }))
        return {};
    return dst;
}

} // namespace gb
