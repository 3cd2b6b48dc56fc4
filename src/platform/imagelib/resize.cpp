#include "platform/imagelib/resize.h"

#include "platform/imagelib/parallel.h"

#include <cmath>
#include <vector>

namespace gb {

namespace {

// Where one destination column or row samples: the two source positions and the
// weight of the second, in 1/256.
struct Tap {
    int i0;
    int i1;
    int f;
};

std::vector<Tap> taps(int srcLen, int dstLen)
{
    std::vector<Tap> out(static_cast<size_t>(dstLen));
    const double scale = double(srcLen) / double(dstLen);
    for (int d = 0; d < dstLen; ++d) {
        double s = (d + 0.5) * scale - 0.5;
        s = std::clamp(s, 0.0, double(srcLen - 1));
        const int i0 = int(s);
        int f = int(std::lround((s - i0) * 256.0));
        int i1 = std::min(i0 + 1, srcLen - 1);
        if (f == 256) { // rounding reached the next sample
            out[size_t(d)] = {i1, i1, 0};
            continue;
        }
        out[size_t(d)] = {i0, i1, f};
    }
    return out;
}

// One source row interpolated across to the destination width, scaled by 256.
void horizontal(const uint8_t *src, const std::vector<Tap> &xt, uint16_t *out)
{
    for (const Tap &t : xt) {
        const uint8_t *a = src + size_t(t.i0) * 3;
        const uint8_t *b = src + size_t(t.i1) * 3;
        const int g = 256 - t.f;
        out[0] = uint16_t(a[0] * g + b[0] * t.f);
        out[1] = uint16_t(a[1] * g + b[1] * t.f);
        out[2] = uint16_t(a[2] * g + b[2] * t.f);
        out += 3;
    }
}

} // namespace

// Bilinear: out = ((p00 (256 - fx) + p01 fx) (256 - fy) + (p10 (256 - fx) + p11 fx) fy + 2^15) >> 16,
// with fx, fy the sample's fractional position in 1/256.
bool isResizeRgb(const RgbImage &src, RgbImage &dst)
{
    if (src.isNull() || dst.isNull())
        return false;
    const std::vector<Tap> xt = taps(src.width(), dst.width());
    const std::vector<Tap> yt = taps(src.height(), dst.height());
    const size_t n = dst.stride();

    return parallelRanges(dst.height(), 16, [&](int begin, int end) {
        std::vector<uint16_t> r0(n), r1(n);
        int have0 = -1, have1 = -1;
        for (int y = begin; y < end; ++y) {
            const Tap &t = yt[size_t(y)];
            // Consecutive rows mostly share their source rows: keep the last two.
            if (have0 != t.i0) {
                if (have1 == t.i0) {
                    std::swap(r0, r1);
                    std::swap(have0, have1);
                } else {
                    horizontal(src.row(t.i0), xt, r0.data());
                    have0 = t.i0;
                }
            }
            uint8_t *o = dst.row(y);
            if (t.f == 0) {
                for (size_t i = 0; i < n; ++i)
                    o[i] = uint8_t((uint32_t(r0[i]) + 128) >> 8);
                continue;
            }
            if (have1 != t.i1) {
                horizontal(src.row(t.i1), xt, r1.data());
                have1 = t.i1;
            }
            const uint32_t g = uint32_t(256 - t.f), f = uint32_t(t.f);
            for (size_t i = 0; i < n; ++i)
                o[i] = uint8_t((r0[i] * g + r1[i] * f + 32768) >> 16);
        }
    });
}

} // namespace gb
