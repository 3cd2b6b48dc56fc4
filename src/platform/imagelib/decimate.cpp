#include "platform/imagelib/decimate.h"

#include "platform/imagelib/parallel.h"

#include <algorithm>
#include <vector>

namespace gb {

namespace {

// The source span of one destination column (or row) and the weight of each source pixel
// in it. Measured in units where a source pixel is dstLen long and a destination pixel
// srcLen long, every overlap is a whole number and the weights of a span add up to srcLen.
struct Span {
    int first = 0;
    int count = 0;
    size_t weights = 0; // offset into the shared weight list
};

struct Spans {
    std::vector<Span> spans;
    std::vector<uint32_t> weights;
};

Spans spans(int srcLen, int dstLen)
{
    Spans s;
    s.spans.resize(size_t(dstLen));
    const int64_t S = srcLen, D = dstLen;
    for (int64_t d = 0; d < D; ++d) {
        const int64_t lo = d * S, hi = (d + 1) * S; // destination pixel in source units * D
        const int64_t first = lo / D, last = (hi - 1) / D;
        Span &sp = s.spans[size_t(d)];
        sp.first = int(first);
        sp.count = int(last - first + 1);
        sp.weights = s.weights.size();
        for (int64_t j = first; j <= last; ++j) {
            const int64_t a = std::max(lo, j * D), b = std::min(hi, (j + 1) * D);
            s.weights.push_back(uint32_t(b - a));
        }
    }
    return s;
}

// One source row summed into destination columns (sums of weight * value).
void horizontal(const uint8_t *src, const Spans &xs, uint32_t *out)
{
    const uint32_t *wl = xs.weights.data();
    for (const Span &sp : xs.spans) {
        const uint8_t *p = src + size_t(sp.first) * 3;
        const uint32_t *w = wl + sp.weights;
        uint32_t s0 = 0, s1 = 0, s2 = 0;
        if (sp.count > 2) {
            // Inner pixels are covered whole: add them up and weigh them once.
            const uint32_t full = w[1];
            uint32_t t0 = 0, t1 = 0, t2 = 0;
            const uint8_t *q = p + 3;
            for (int k = 1; k < sp.count - 1; ++k, q += 3) {
                t0 += q[0];
                t1 += q[1];
                t2 += q[2];
            }
            s0 = t0 * full + p[0] * w[0] + q[0] * w[sp.count - 1];
            s1 = t1 * full + p[1] * w[0] + q[1] * w[sp.count - 1];
            s2 = t2 * full + p[2] * w[0] + q[2] * w[sp.count - 1];
        } else {
            for (int k = 0; k < sp.count; ++k, p += 3) {
                s0 += p[0] * w[k];
                s1 += p[1] * w[k];
                s2 += p[2] * w[k];
            }
        }
        out[0] = s0;
        out[1] = s1;
        out[2] = s2;
        out += 3;
    }
}

} // namespace

// Area average: out = round(sum over covered source pixels of (overlap * value) / (srcW * srcH)),
// overlaps measured in the integer units of spans() along each axis.
bool isDecimateRgb(const RgbImage &src, RgbImage &dst)
{
    // A source row's sums must fit 32 bits: 255 * width < 2^32.
    if (src.isNull() || dst.isNull() || src.width() > 16'000'000)
        return false;
    const Spans xs = spans(src.width(), dst.width());
    const Spans ys = spans(src.height(), dst.height());
    const size_t n = dst.stride();
    const double inv = 1.0 / (double(src.width()) * double(src.height()));

    return parallelRanges(dst.height(), 8, [&](int begin, int end) {
        std::vector<uint32_t> h(n);
        std::vector<uint64_t> acc(n);
        // Enlarging reuses source rows over several destination rows: remember the last.
        std::vector<uint32_t> last(n);
        int lastRow = -1;
        for (int y = begin; y < end; ++y) {
            const Span &sp = ys.spans[size_t(y)];
            const uint32_t *w = ys.weights.data() + sp.weights;
            std::fill(acc.begin(), acc.end(), 0);
            for (int k = 0; k < sp.count; ++k) {
                const int row = sp.first + k;
                const uint32_t *hr;
                if (row == lastRow) {
                    hr = last.data();
                } else {
                    horizontal(src.row(row), xs, h.data());
                    hr = h.data();
                    if (k == sp.count - 1) {
                        last.swap(h);
                        lastRow = row;
                        hr = last.data();
                    }
                }
                const uint64_t wk = w[k];
                for (size_t i = 0; i < n; ++i)
                    acc[i] += hr[i] * wk;
            }
            uint8_t *o = dst.row(y);
            for (size_t i = 0; i < n; ++i)
                o[i] = uint8_t(double(acc[i]) * inv + 0.5);
        }
    });
}

} // namespace gb
