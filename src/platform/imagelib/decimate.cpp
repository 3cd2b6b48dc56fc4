#include "platform/imagelib/decimate.h"

#include "platform/imagelib/parallel.h"
#include "platform/imagelib/vectorclones.h"

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

// acc[i] = w * p[i] (first row of a span) or acc[i] += w * p[i], over a whole source row.
GB_VECTOR_CLONES_OUT_OF_LINE
void weighRow(uint32_t *__restrict acc, const uint8_t *__restrict p, size_t n, uint32_t w, bool first)
{
    if (first) {
        for (size_t i = 0; i < n; ++i)
            acc[i] = w * p[i];
    } else {
        for (size_t i = 0; i < n; ++i)
            acc[i] += w * p[i];
    }
}

// The column sums of one destination row summed across into its pixels.
void across(const uint32_t *col, const Spans &xs, double inv, uint8_t *out)
{
    const uint32_t *wl = xs.weights.data();
    for (const Span &sp : xs.spans) {
        const uint32_t *p = col + size_t(sp.first) * 3;
        const uint32_t *w = wl + sp.weights;
        uint64_t s[3] = {0, 0, 0};
        if (sp.count > 2) {
            // Inner columns are covered whole: add them up and weigh them once.
            uint64_t t[3] = {0, 0, 0};
            const uint32_t *q = p + 3;
            for (int k = 1; k < sp.count - 1; ++k, q += 3)
                for (int c = 0; c < 3; ++c)
                    t[c] += q[c];
            for (int c = 0; c < 3; ++c)
                s[c] = t[c] * w[1] + uint64_t(p[c]) * w[0] + uint64_t(q[c]) * w[sp.count - 1];
        } else {
            for (int k = 0; k < sp.count; ++k, p += 3)
                for (int c = 0; c < 3; ++c)
                    s[c] += uint64_t(p[c]) * w[k];
        }
        for (int c = 0; c < 3; ++c)
            out[c] = uint8_t(double(s[c]) * inv + 0.5);
        out += 3;
    }
}

} // namespace

// Area average: out = round(sum over covered source pixels of (overlap * value) / (srcW * srcH)),
// overlaps measured in the integer units of spans() along each axis; rows are weighed and
// summed down first, then the sums across.
bool isDecimateRgb(const RgbImage &src, RgbImage &dst)
{
    // A column sum must fit 32 bits: 255 * height < 2^32.
    if (src.isNull() || dst.isNull() || src.height() > 16'000'000)
        return false;
    const Spans xs = spans(src.width(), dst.width());
    const Spans ys = spans(src.height(), dst.height());
    const size_t n = src.stride();
    const double inv = 1.0 / (double(src.width()) * double(src.height()));

    return parallelRanges(dst.height(), 8, [&](int begin, int end) {
        std::vector<uint32_t> col(n);
        for (int y = begin; y < end; ++y) {
            const Span &sp = ys.spans[size_t(y)];
            const uint32_t *w = ys.weights.data() + sp.weights;
            for (int k = 0; k < sp.count; ++k)
                weighRow(col.data(), src.row(sp.first + k), n, w[k], k == 0);
            across(col.data(), xs, inv, dst.row(y));
        }
    });
}

} // namespace gb
