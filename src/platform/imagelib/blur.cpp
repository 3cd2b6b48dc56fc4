#include "platform/imagelib/blur.h"

#include "platform/imagelib/paddedrows.h"
#include "platform/imagelib/parallel.h"
#include "platform/imagelib/vectorclones.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace gb {

namespace {

constexpr int kShift = 8; // kernel weights add up to 2^8, so every sum fits 16 bits

// Half of a symmetric Gaussian kernel, w[0] the centre, r = ceil(3 sigma). With the tail
// masses T(k) = 2^8 (g(k) + ... + g(r)) / (g(0) + 2 (g(1) + ... + g(r))), g(k) = exp(-k^2 / (2 sigma^2)),
// w[k] = round(T(k)) - round(T(k + 1)) and w[0] = 2^8 - 2 round(T(1)): the weights add up to
// 2^8 exactly and none is negative, however the rounding falls (T(1) is at most 2^7).
std::vector<uint16_t> gaussian(double sigma)
{
    const int r = std::max(1, int(std::ceil(3.0 * sigma)));
    std::vector<double> g(static_cast<size_t>(r) + 1);
    double sum = 0;
    for (int k = 0; k <= r; ++k) {
        g[size_t(k)] = std::exp(-double(k) * k / (2.0 * sigma * sigma));
        sum += k == 0 ? g[0] : 2.0 * g[size_t(k)];
    }
    std::vector<uint16_t> w(static_cast<size_t>(r) + 1);
    double tail = 0;
    long rounded = 0, previous = 0;
    for (int k = r; k >= 1; --k) {
        tail += g[size_t(k)] / sum * (1 << kShift);
        rounded = std::lround(tail);
        w[size_t(k)] = uint16_t(rounded - previous);
        previous = rounded;
    }
    w[0] = uint16_t((1 << kShift) - 2 * rounded);
    while (w.size() > 1 && w.back() == 0) // drop weights that rounded away
        w.pop_back();
    return w;
}

// acc[i] += wk * (a[i] + b[i]) in 16 bits. Kept out of line: inlined into the loop over
// the taps, the compiler fuses the taps and gives up vectorising.
GB_VECTOR_CLONES_OUT_OF_LINE
void addPair(uint16_t *__restrict acc, const uint8_t *__restrict a, const uint8_t *__restrict b, size_t m,
             uint16_t wk)
{
    for (size_t i = 0; i < m; ++i)
        acc[i] = uint16_t(acc[i] + wk * uint16_t(a[i] + b[i]));
}

// One pass of the kernel along rows or down columns:
// out[i] = (w[0] c[i] + sum over k of w[k] (before_k[i] + after_k[i]) + 2^7) >> 8, where
// before_k and after_k are the samples k steps either way (3k bytes along a row, k rows
// down a column). The sum is at most 255 * 2^8, so it never leaves 16 bits.
void pass(const uint8_t *const *before, const uint8_t *centre, const uint8_t *const *after, size_t n,
          const uint16_t *w, int r, uint8_t *out)
{
    constexpr size_t kChunk = 2048;
    uint16_t acc[kChunk];
    for (size_t c0 = 0; c0 < n; c0 += kChunk) {
        const size_t m = std::min(kChunk, n - c0);
        const uint8_t *c = centre + c0;
        for (size_t i = 0; i < m; ++i)
            acc[i] = uint16_t(w[0] * c[i]);
        for (int k = 1; k <= r; ++k)
            addPair(acc, before[k] + c0, after[k] + c0, m, w[k]);
        for (size_t i = 0; i < m; ++i)
            out[c0 + i] = uint8_t((acc[i] + 128) >> 8);
    }
}

} // namespace

// Separable Gaussian: rows, rounded to bytes, then columns, with the kernel of gaussian().
bool isBlurRgb(const RgbImage &src, RgbImage &dst, int level)
{
    if (src.isNull() || dst.isNull() || src.width() != dst.width() || src.height() != dst.height())
        return false;
    const std::vector<uint16_t> w = gaussian(std::clamp(level, 1, 100) / 10.0);
    const int r = int(w.size()) - 1;
    if (level <= 0 || r == 0) {
        std::memcpy(dst.data(), src.data(), src.byteCount());
        return true;
    }
    const int H = src.height();
    const size_t n = src.stride();

    return parallelRanges(H, 32, [&](int begin, int end) {
        // The rows around the current one, blurred along the row, in a ring of 2r + 1:
        // walking down the band blurs each source row once.
        PaddedRows padded(src, 0, r);
        const int ringSize = 2 * r + 1;
        std::vector<uint8_t> ring(size_t(ringSize) * n);
        std::vector<int> ringRow(size_t(ringSize), -1);
        std::vector<const uint8_t *> left(size_t(r) + 1), right(size_t(r) + 1);
        const auto blurredRow = [&](int y) -> const uint8_t * {
            y = std::clamp(y, 0, H - 1);
            const size_t slot = size_t(y % ringSize);
            uint8_t *out = ring.data() + slot * n;
            if (ringRow[slot] != y) {
                const uint8_t *p = padded.row(y) + size_t(r) * 3;
                for (int k = 1; k <= r; ++k) {
                    left[size_t(k)] = p - 3 * k;
                    right[size_t(k)] = p + 3 * k;
                }
                pass(left.data(), p, right.data(), n, w.data(), r, out);
                ringRow[slot] = y;
            }
            return out;
        };
        std::vector<const uint8_t *> up(size_t(r) + 1), down(size_t(r) + 1);
        for (int y = begin; y < end; ++y) {
            // Rows past the edges repeat the outermost one; the ring holds each row once.
            for (int k = 1; k <= r; ++k) {
                up[size_t(k)] = blurredRow(y - k);
                down[size_t(k)] = blurredRow(y + k);
            }
            pass(up.data(), blurredRow(y), down.data(), n, w.data(), r, dst.row(y));
        }
    });
}

} // namespace gb
