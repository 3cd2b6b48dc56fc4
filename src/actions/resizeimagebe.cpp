#include "actions/resizeimagebe.h"

#include "platform/imagelib/decimate.h"
#include "platform/imagelib/resize.h"

#include <cmath>

namespace gb {

QStringList resizeTypeLabels()
{
    return {QStringLiteral("Best fit - keep aspect ratio"), QStringLiteral("Fixed width - keep aspect ratio"),
            QStringLiteral("Fixed height - keep aspect ratio"), QStringLiteral("Stretch to fit"),
            QStringLiteral("Percent")};
}

namespace {

// Halves go up: 480.5 gives 481.
int64_t roundSide(double v)
{
    if (!(v < 1e18))
        return INT64_MAX;
    return std::max<int64_t>(1, int64_t(std::floor(v + 0.5)));
}

} // namespace

QSize calcResizeDims(int type, int W, int H, int width, int height, double percent)
{
    if (W <= 0 || H <= 0)
        return QSize();
    const double ratio = std::round(double(W) / double(H) * 1e8) / 1e8;
    int64_t nw = 0, nh = 0;
    switch (type) {
    case 1:
        nw = width;
        nh = roundSide(width / ratio);
        if (nh > height) {
            nh = height;
            nw = roundSide(height * ratio);
        }
        break;
    case 2:
        nw = width;
        nh = roundSide(width / ratio);
        break;
    case 3:
        nh = height;
        nw = roundSide(height * ratio);
        break;
    case 4:
        nw = width;
        nh = height;
        break;
    case 5:
        if (!std::isfinite(percent))
            return QSize();
        nw = roundSide(W * (percent / 100.0));
        nh = roundSide(H * (percent / 100.0));
        break;
    default:
        return QSize();
    }
    nw = std::max<int64_t>(1, nw);
    nh = std::max<int64_t>(1, nh);
    if (nw > RgbImage::kMaxPixels || nh > RgbImage::kMaxPixels || nw * nh > RgbImage::kMaxPixels)
        return QSize();
    return QSize(int(nw), int(nh));
}

RgbImage resizeImageBE(const RgbImage &src, int type, int width, int height, double percent, bool bilinear)
{
    if (src.isNull())
        return RgbImage();
    const QSize size = calcResizeDims(type, src.width(), src.height(), width, height, percent);
    if (size.isEmpty())
        return RgbImage();
    RgbImage dst = RgbImage::create(size.width(), size.height());
    if (dst.isNull())
        return dst;
    const bool ok = bilinear ? isResizeRgb(src, dst) : isDecimateRgb(src, dst);
    return ok ? std::move(dst) : RgbImage();
}

} // namespace gb
