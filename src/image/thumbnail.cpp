#include "image/thumbnail.h"

#include "image/imagefile.h"
#include "image/imageload.h"
#include "image/imagetypes.h"
#include "image/psfile.h"
#include "image/rgbutils.h"
#include "platform/imagelib/imagelib.h"
#include "platform/imagelib/decimate.h"
#include "platform/imagelib/jpegcodec.h"

#include <vector>

namespace gb {

namespace {

// Where a source pixel falls on the target grid when n source pixels map onto m <= n
// target pixels: scaled by m, source pixel s covers [s*m, s*m + m) and target pixel t covers
// [t*n, t*n + n), so a source pixel touches target `index` with weight `first` and, when it
// straddles a border, target index + 1 with weight `second`. The weights of one target pixel
// add up to n.
struct Span {
    int index;
    uint32_t first;
    uint32_t second;
};

std::vector<Span> spans(int n, int m)
{
    std::vector<Span> out(static_cast<size_t>(n));
    for (int s = 0; s < n; ++s) {
        const int64_t start = int64_t(s) * m, end = start + m;
        const int64_t t = start / n, border = (t + 1) * n;
        if (end <= border)
            out[size_t(s)] = {int(t), uint32_t(m), 0};
        else
            out[size_t(s)] = {int(t), uint32_t(border - start), uint32_t(end - border)};
    }
    return out;
}

RgbImage fitDecoded(RgbImage img, int fullW, int fullH, int boxW, int boxH)
{
    int newW = 0, newH = 0;
    if (!calcNewDims(fullW, fullH, boxW, boxH, newW, newH)
        && img.width() == fullW && img.height() == fullH)
        return img;
    return reduceToSize(img, newW, newH);
}

RgbImage loadFitted(ByteSpan bytes, int type, int boxW, int boxH, int &width, int &height,
                    QString &errorText)
{
    if (type < ImageTypeBmp || type > ImageTypeTga) {
        errorText = getErrorMsg(ImgOk);
        return {};
    }
    int error = ImgOk;
    RgbImage img = decodeImageBytes(bytes, type, boxW, boxH, width, height, error);
    if (img.isNull()) {
        errorText = getErrorMsg(error);
        return img;
    }
    img = fitDecoded(std::move(img), width, height, boxW, boxH);
    if (img.isNull())
        errorText = getErrorMsg(ImgOutOfMemory);
    return img;
}

} // namespace

namespace {

// The area reduction proper. Sum is the type of one column sum of a source row: a sum
// reaches 255 x the source width, which 32 bits hold for any width up to 16 million.
template <typename Sum>
void reduceRows(const RgbImage &src, RgbImage &dst)
{
    const int sw = src.width(), sh = src.height(), newW = dst.width(), newH = dst.height();
    const std::vector<Span> xs = spans(sw, newW), ys = spans(sh, newH);
    // One source row's weighted column sums; two row accumulators take the rows, since a
    // source row touches at most two target rows.
    const size_t n = size_t(newW) * 3;
    std::vector<Sum> rowSum(n);
    std::vector<uint64_t> acc(n, 0), next(n, 0);
    const uint64_t total = uint64_t(sw) * uint64_t(sh);
    int current = 0;
    auto flush = [&](int t) {
        uint8_t *out = dst.row(t);
        for (size_t i = 0; i < n; ++i)
            out[i] = uint8_t((acc[i] + total / 2) / total);
    };
    for (int y = 0; y < sh; ++y) {
        const Span ySpan = ys[size_t(y)];
        std::fill(rowSum.begin(), rowSum.end(), Sum(0));
        const uint8_t *p = src.row(y);
        for (int x = 0; x < sw; ++x, p += 3) {
            const Span &s = xs[size_t(x)];
            Sum *r = rowSum.data() + size_t(s.index) * 3;
            r[0] += Sum(p[0]) * s.first;
            r[1] += Sum(p[1]) * s.first;
            r[2] += Sum(p[2]) * s.first;
            if (s.second) {
                r[3] += Sum(p[0]) * s.second;
                r[4] += Sum(p[1]) * s.second;
                r[5] += Sum(p[2]) * s.second;
            }
        }
        while (current < ySpan.index) {
            flush(current);
            acc.swap(next);
            std::fill(next.begin(), next.end(), 0);
            ++current;
        }
        for (size_t i = 0; i < n; ++i) {
            acc[i] += uint64_t(rowSum[i]) * ySpan.first;
            if (ySpan.second)
                next[i] += uint64_t(rowSum[i]) * ySpan.second;
        }
    }
    flush(current);
}

} // namespace

RgbImage reduceToSize(const RgbImage &src, int newW, int newH)
{
    if (src.isNull() || newW < 1 || newH < 1 || newW > src.width() || newH > src.height())
        return {};
    if (newW == src.width() && newH == src.height())
        return src.clone();
    RgbImage dst = RgbImage::create(newW, newH);
    if (dst.isNull())
        return dst;
    if (int64_t(src.width()) * 255 <= int64_t(UINT32_MAX))
        reduceRows<uint32_t>(src, dst);
    else
        reduceRows<uint64_t>(src, dst);
    return dst;
}

RgbImage createFittedRgbFromFile(const QString &fileName, int boxW, int boxH, int &width, int &height,
                                 QString &errorText)
{
    const ImageFileBytes file(fileName);
    if (!file.ok()) {
        errorText = getErrorMsg(ImgFileOpen);
        return {};
    }
    const int type = imageTypeOf(file.span(), fileName);
    if (type == ImageTypePsd) {
        RgbImage img = createRgbFromPsdFile(fileName, width, height, errorText);
        return img.isNull() ? std::move(img) : fitDecoded(std::move(img), width, height, boxW, boxH);
    }
    return loadFitted(file.span(), type, boxW, boxH, width, height, errorText);
}

RgbImage createScreenRgbFromFile(const QString &fileName, int boxW, int boxH, int &width, int &height,
                                 QString &errorText)
{
    const ImageFileBytes file(fileName);
    if (!file.ok()) {
        errorText = getErrorMsg(ImgFileOpen);
        return {};
    }
    if (imageTypeOf(file.span(), fileName) != ImageTypeJpg)
        return createFittedRgbFromFile(fileName, boxW, boxH, width, height, errorText);
    int error = ImgOk, bits = 0;
    RgbImage img = readJpegCovering(file.span(), error, boxW, boxH);
    if (img.isNull() || !readJpegDims(file.span(), width, height, bits, error)) {
        errorText = getErrorMsg(error);
        return {};
    }
    int newW = 0, newH = 0;
    if (!calcNewDims(width, height, boxW, boxH, newW, newH) && img.width() == width && img.height() == height)
        return img;
    // The same pixel-area average as reduceToSize(), spread over the cores: this one runs
    // while the user waits for the next picture.
    RgbImage fitted = RgbImage::create(newW, newH);
    if (fitted.isNull() || !isDecimateRgb(img, fitted)) {
        errorText = getErrorMsg(ImgOutOfMemory);
        return {};
    }
    return fitted;
}

RgbImage createFittedRgbFromString(const QByteArray &bytes, int boxW, int boxH, int &width,
                                   int &height, QString &errorText)
{
    const ByteSpan span = byteSpan(bytes);
    return loadFitted(span, imageTypeOf(span, QStringLiteral("_kvtimag.jpg")), boxW, boxH, width,
                      height, errorText);
}

} // namespace gb
