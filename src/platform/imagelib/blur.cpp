#include "platform/imagelib/blur.h"

#include "platform/imagelib/parallel.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace gb {

namespace {

constexpr int kShift = 12; // kernel weights add up to 2^12

// Half of a symmetric Gaussian kernel, w[0] the centre: w[k] = round(2^12 exp(-k^2 / (2 sigma^2)) / sum),
// the centre adjusted so that w[0] + 2 (w[1] + ... + w[r]) = 2^12 exactly, r = ceil(3 sigma).
std::vector<uint32_t> gaussian(double sigma)
{
    const int r = std::max(1, int(std::ceil(3.0 * sigma)));
    std::vector<double> g(size_t(r) + 1);
    double sum = 0;
    for (int k = 0; k <= r; ++k) {
        g[size_t(k)] = std::exp(-double(k) * k / (2.0 * sigma * sigma));
        sum += k == 0 ? g[0] : 2.0 * g[size_t(k)];
    }
    std::vector<uint32_t> w(size_t(r) + 1);
    uint32_t tails = 0;
    for (int k = 1; k <= r; ++k) {
        w[size_t(k)] = uint32_t(std::lround(g[size_t(k)] / sum * (1 << kShift)));
        tails += 2 * w[size_t(k)];
    }
    w[0] = (1u << kShift) - tails;
    while (w.size() > 1 && w.back() == 0) // drop weights that rounded away
        w.pop_back();
    return w;
}

// Horizontal pass over one row padded by r repeated pixels on each side:
// out[i] = (sum_k w[|k|] pad[i + 3k] + 8) >> 4, the value in 8.8 fixed point.
__attribute__((target_clones("avx2", "default")))
void rowPass(const uint8_t *pad, size_t n, const uint32_t *w, int r, uint16_t *out, uint32_t *acc)
{
    constexpr size_t kChunk = 1024;
    for (size_t c0 = 0; c0 < n; c0 += kChunk) {
        const size_t m = std::min(kChunk, n - c0);
        const uint8_t *p = pad + size_t(r) * 3 + c0;
        for (size_t i = 0; i < m; ++i)
            acc[i] = w[0] * p[i];
        for (int k = 1; k <= r; ++k) {
            const uint8_t *l = p - 3 * k, *rr = p + 3 * k;
            const uint32_t wk = w[k];
            for (size_t i = 0; i < m; ++i)
                acc[i] += wk * (uint32_t(l[i]) + uint32_t(rr[i]));
        }
        for (size_t i = 0; i < m; ++i)
            out[c0 + i] = uint16_t((acc[i] + 8) >> 4);
    }
}

// Vertical pass: out[i] = (sum_k w[|k|] rows[k][i] + 2^19) >> 20.
__attribute__((target_clones("avx2", "default")))
void columnPass(const uint16_t *const *rows, size_t n, const uint32_t *w, int r, uint8_t *out, uint32_t *acc)
{
    constexpr size_t kChunk = 1024;
    for (size_t c0 = 0; c0 < n; c0 += kChunk) {
        const size_t m = std::min(kChunk, n - c0);
        const uint16_t *c = rows[r] + c0;
        for (size_t i = 0; i < m; ++i)
            acc[i] = w[0] * c[i];
        for (int k = 1; k <= r; ++k) {
            const uint16_t *u = rows[r - k] + c0, *d = rows[r + k] + c0;
            const uint32_t wk = w[k];
            for (size_t i = 0; i < m; ++i)
                acc[i] += wk * (uint32_t(u[i]) + uint32_t(d[i]));
        }
        for (size_t i = 0; i < m; ++i)
            out[c0 + i] = uint8_t((acc[i] + (1u << 19)) >> 20);
    }
}

} // namespace

// Separable Gaussian: rows then columns with the integer kernel of gaussian(); see the two passes.
bool isBlurRgb(const RgbImage &src, RgbImage &dst, int level)
{
    if (src.isNull() || dst.isNull() || src.width() != dst.width() || src.height() != dst.height())
        return false;
    if (level <= 0) {
        std::memcpy(dst.data(), src.data(), src.byteCount());
        return true;
    }
    const std::vector<uint32_t> w = gaussian(std::min(level, 100) / 10.0);
    const int r = int(w.size()) - 1;
    if (r == 0) {
        std::memcpy(dst.data(), src.data(), src.byteCount());
        return true;
    }
    const int W = src.width(), H = src.height();
    const size_t n = src.stride();

    return parallelRanges(H, 32, [&](int begin, int end) {
        // A ring of the 2r + 1 filtered rows around the current one.
        const int ringSize = 2 * r + 1;
        std::vector<uint16_t> ring(size_t(ringSize) * n);
        std::vector<int> ringRow(size_t(ringSize), -1);
        std::vector<uint8_t> pad((size_t(W) + 2 * size_t(r)) * 3);
        std::vector<uint32_t> acc(1024);
        std::vector<const uint16_t *> rows(static_cast<size_t>(ringSize));
        auto filtered = [&](int y) -> const uint16_t * {
            y = std::clamp(y, 0, H - 1);
            const size_t slot = size_t(y % ringSize);
            uint16_t *out = ring.data() + slot * n;
            if (ringRow[slot] != y) {
                const uint8_t *s = src.row(y);
                for (int k = 0; k < r; ++k) {
                    std::memcpy(pad.data() + size_t(k) * 3, s, 3);
                    std::memcpy(pad.data() + (size_t(r) + W + k) * 3, s + n - 3, 3);
                }
                std::memcpy(pad.data() + size_t(r) * 3, s, n);
                rowPass(pad.data(), n, w.data(), r, out, acc.data());
                ringRow[slot] = y;
            }
            return out;
        };
        for (int y = begin; y < end; ++y) {
            for (int k = -r; k <= r; ++k) {
                // Clamped rows near the edges repeat; the ring holds each distinct row once.
                rows[size_t(k + r)] = filtered(y + k);
            }
            columnPass(rows.data(), n, w.data(), r, dst.row(y), acc.data());
        }
    });
}

} // namespace gb
