#include "platform/imagelib/matrixfilter.h"

#include "platform/imagelib/convolution.h"
#include "platform/imagelib/parallel.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace gb {

namespace {

struct Params {
    double m[9];
    bool on[3];
    bool zeroOthers;
};

// Filters row y of dst in place with feedback: the rows above and the pixels to the left
// are already filtered (a pixel is written only after all three of its channels were
// computed); the channels outside the mask come from src.
void feedbackRow(RgbImage &dst, const RgbImage &src, int y, const Params &p)
{
    const int W = src.width(), H = src.height();
    const uint8_t *rows[3];
    for (int j = 0; j < 3; ++j)
        rows[j] = dst.row(std::clamp(y + j - 1, 0, H - 1));
    uint8_t *out = dst.row(y);
    const uint8_t *own = src.row(y);
    for (int x = 0; x < W; ++x) {
        // Offsets of the left, own and right columns; the edges repeat the outermost one.
        const ptrdiff_t left = x > 0 ? -3 : 0, right = x + 1 < W ? 3 : 0;
        const size_t at = size_t(x) * 3;
        uint8_t px[3];
        for (int k = 0; k < 3; ++k) {
            if (!p.on[k]) {
                px[k] = p.zeroOthers ? 0 : own[at + k];
                continue;
            }
            const uint8_t *u = rows[0] + at + k, *c = rows[1] + at + k, *d = rows[2] + at + k;
            const double s = p.m[0] * u[left] + p.m[1] * u[0] + p.m[2] * u[right] + p.m[3] * c[left] + p.m[4] * c[0]
                + p.m[5] * c[right] + p.m[6] * d[left] + p.m[7] * d[0] + p.m[8] * d[right];
            // round() and a clamp, without a library call per channel.
            px[k] = !(s > 0.0) ? 0 : (s >= 255.0 ? 255 : uint8_t(int(s + 0.5)));
        }
        std::memcpy(out + at, px, 3);
    }
}

} // namespace

// out = clamp(round(sum of m(i, j) * p(x + i - 1, y + j - 1) / factor), 0, 255) on masked channels.
bool isApplyMatrixToRgb(const RgbImage &src, RgbImage &dst, int channelMask, bool zeroOthers, bool feedback,
                        double factor, const double matrix[9])
{
    if (src.isNull() || dst.isNull() || src.width() != dst.width() || src.height() != dst.height() || !matrix
        || !std::isfinite(factor))
        return false;
    if (factor == 0.0)
        factor = 1.0;
    Params p;
    // A tiny factor can turn finite coefficients into infinities, whose sums are NaN.
    for (int i = 0; i < 9; ++i) {
        p.m[i] = matrix[i] / factor;
        if (!std::isfinite(p.m[i]))
            return false;
    }
    for (int k = 0; k < 3; ++k)
        p.on[k] = (channelMask >> k) & 1;
    p.zeroOthers = zeroOthers;

    if (feedback) {
        std::memcpy(dst.data(), src.data(), src.byteCount());
        for (int y = 0; y < src.height(); ++y)
            feedbackRow(dst, src, y, p);
        return true;
    }
    // Without feedback every pixel reads the source only: the convolution's fixed-point
    // path computes the same sums; the channels outside the mask are put back after.
    if ((channelMask & 7) == 0) {
        std::memcpy(dst.data(), src.data(), src.byteCount());
    } else if (!isApplyConvolutionFilterToRgb(src, dst, 3, 3, matrix, factor)) {
        return false;
    }
    if ((channelMask & 7) == 7)
        return true;
    return parallelRanges(src.height(), 64, [&](int b, int e) {
        for (int y = b; y < e; ++y) {
            uint8_t *o = dst.row(y);
            const uint8_t *s = src.row(y);
            for (size_t i = 0, n = src.stride(); i < n; i += 3)
                for (int k = 0; k < 3; ++k)
                    if (!p.on[k])
                        o[i + k] = p.zeroOthers ? 0 : s[i + k];
        }
    });
}

} // namespace gb
