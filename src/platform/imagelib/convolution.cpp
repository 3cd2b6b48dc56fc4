#include "platform/imagelib/convolution.h"

#include "platform/imagelib/paddedrows.h"
#include "platform/imagelib/parallel.h"
#include "platform/imagelib/vectorclones.h"

#include <cmath>
#include <vector>

namespace gb {

namespace {

constexpr size_t kChunk = 1024;

// The kernel in fixed point: weights are k / level * 2^shift, rounded, with the largest
// shift (at most 16) that keeps every possible sum inside 32 bits. None fits when the
// coefficients are enormous; the filter then falls back to double precision.
struct FixedKernel {
    int shift = -1;
    std::vector<int32_t> w;
};

FixedKernel fixedKernel(const double *k, int count, double level)
{
    FixedKernel fk;
    for (int s = 16; s >= 0; --s) {
        double sumAbs = 0;
        std::vector<int32_t> w(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) {
            const double v = std::round(k[i] / level * double(1 << s));
            sumAbs += std::fabs(v);
            w[size_t(i)] = std::fabs(v) < 2e9 ? int32_t(v) : 0;
        }
        if (sumAbs * 255.0 + double(1 << s) < 2147483647.0) {
            fk.shift = s;
            fk.w = std::move(w);
            return fk;
        }
    }
    return fk;
}

// acc[i] += w * p[i] over one chunk of a row.
GB_VECTOR_CLONES
void addScaled(int32_t *acc, const uint8_t *p, size_t m, int32_t w)
{
    for (size_t i = 0; i < m; ++i)
        acc[i] += w * int32_t(p[i]);
}

GB_VECTOR_CLONES
void store(const int32_t *acc, size_t m, int shift, uint8_t *out)
{
    const int32_t half = shift > 0 ? (1 << (shift - 1)) : 0;
    for (size_t i = 0; i < m; ++i) {
        const int32_t v = (acc[i] + half) >> shift;
        out[i] = uint8_t(v < 0 ? 0 : (v > 255 ? 255 : v));
    }
}

} // namespace

// out = clamp(round(sum over the kernel of k(i, j) * p(x + i - kw / 2, y + j - kh / 2) / level), 0, 255),
// in the fixed point of fixedKernel(): (sum of w * p + 2^(shift - 1)) >> shift.
bool isApplyConvolutionFilterToRgb(const RgbImage &src, RgbImage &dst, int kernelWidth, int kernelHeight,
                                   const double *kernel, double level)
{
    if (src.isNull() || dst.isNull() || src.width() != dst.width() || src.height() != dst.height()
        || !kernel || kernelWidth < 1 || kernelHeight < 1 || kernelWidth > 31 || kernelHeight > 31
        || kernelWidth % 2 == 0 || kernelHeight % 2 == 0 || !std::isfinite(level))
        return false;
    const int count = kernelWidth * kernelHeight;
    if (level == 0.0)
        level = 1.0;
    // A tiny level can turn finite coefficients into infinities, whose sums are NaN.
    for (int i = 0; i < count; ++i)
        if (!std::isfinite(kernel[i]) || !std::isfinite(kernel[i] / level))
            return false;
    const int rx = kernelWidth / 2, ry = kernelHeight / 2;
    const size_t n = src.stride();
    const FixedKernel fk = fixedKernel(kernel, count, level);

    return parallelRanges(src.height(), 16, [&](int begin, int end) {
        PaddedRows rows(src, ry, rx);
        std::vector<int32_t> acc(kChunk);
        std::vector<double> dacc(fk.shift < 0 ? n : 0);
        std::vector<const uint8_t *> rp(static_cast<size_t>(kernelHeight));
        for (int y = begin; y < end; ++y) {
            for (int j = 0; j < kernelHeight; ++j)
                rp[size_t(j)] = rows.row(y + j - ry);
            uint8_t *out = dst.row(y);
            if (fk.shift < 0) {
                std::fill(dacc.begin(), dacc.end(), 0.0);
                for (int j = 0; j < kernelHeight; ++j)
                    for (int i = 0; i < kernelWidth; ++i) {
                        const double kv = kernel[j * kernelWidth + i] / level;
                        const uint8_t *p = rp[size_t(j)] + size_t(i) * 3;
                        for (size_t e = 0; e < n; ++e)
                            dacc[e] += kv * p[e];
                    }
                // Sums of huge weights can still overflow to opposite infinities (NaN): black.
                for (size_t e = 0; e < n; ++e) {
                    const double v = std::round(dacc[e]);
                    out[e] = !(v > 0.0) ? 0 : (v >= 255.0 ? 255 : uint8_t(v));
                }
                continue;
            }
            for (size_t c0 = 0; c0 < n; c0 += kChunk) {
                const size_t m = std::min(kChunk, n - c0);
                std::fill(acc.begin(), acc.begin() + ptrdiff_t(m), 0);
                for (int j = 0; j < kernelHeight; ++j)
                    for (int i = 0; i < kernelWidth; ++i) {
                        const int32_t w = fk.w[size_t(j * kernelWidth + i)];
                        if (w != 0)
                            addScaled(acc.data(), rp[size_t(j)] + size_t(i) * 3 + c0, m, w);
                    }
                store(acc.data(), m, fk.shift, out + c0);
            }
        }
    });
}

} // namespace gb
