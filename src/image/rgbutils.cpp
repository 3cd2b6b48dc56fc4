#include "image/rgbutils.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace gb {

namespace {

// The part of the rectangle (one-based x, y) that lies inside the image, zero-based.
struct Clip {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0; // half-open
    bool empty() const { return x0 >= x1 || y0 >= y1; }
};

Clip clipRect(const RgbImage &img, int x, int y, int rectW, int rectH)
{
    Clip c;
    c.x0 = int(std::clamp<int64_t>(int64_t(x) - 1, 0, img.width()));
    c.y0 = int(std::clamp<int64_t>(int64_t(y) - 1, 0, img.height()));
    c.x1 = int(std::clamp<int64_t>(int64_t(x) - 1 + rectW, 0, img.width()));
    c.y1 = int(std::clamp<int64_t>(int64_t(y) - 1 + rectH, 0, img.height()));
    return c;
}

} // namespace

bool fillRgbSolidRect(RgbImage &img, int x, int y, int rectW, int rectH, uint8_t red, uint8_t green,
                      uint8_t blue)
{
    if (img.isNull())
        return false;
    const Clip c = clipRect(img, x, y, rectW, rectH);
    if (c.empty())
        return true;
    // Build one row of the colour, then copy it into every row of the rectangle.
    uint8_t *first = img.pixel(c.x0, c.y0);
    for (int i = 0; i < c.x1 - c.x0; ++i) {
        first[i * 3] = red;
        first[i * 3 + 1] = green;
        first[i * 3 + 2] = blue;
    }
    const size_t bytes = size_t(c.x1 - c.x0) * 3;
    for (int row = c.y0 + 1; row < c.y1; ++row)
        memcpy(img.pixel(c.x0, row), first, bytes);
    return true;
}

bool averageRgb(RgbImage &img, int x, int y, int rectW, int rectH, uint8_t level)
{
    if (img.isNull())
        return false;
    if (rectW <= 0 || rectH <= 0)
        return true; // nothing to blend, nothing out of place
    const Clip c = clipRect(img, x, y, rectW, rectH);
    if (c.empty())
        return false;
    for (int row = c.y0; row < c.y1; ++row) {
        uint8_t *p = img.pixel(c.x0, row);
        for (size_t i = 0, n = size_t(c.x1 - c.x0) * 3; i < n; ++i)
            p[i] = uint8_t((unsigned(p[i]) + level) / 2);
    }
    return true;
}

bool calcNewDims(int64_t width, int64_t height, int64_t boxW, int64_t boxH, int &newW, int &newH)
{
    if ((height <= boxH && width <= boxW) || width <= 0 || height <= 0) {
        newW = int(width);
        newH = int(height);
        return false;
    }
    const double f = std::min(double(boxW) / double(width), double(boxH) / double(height));
    const auto side = [f](int64_t s) {
        return int(std::clamp<int64_t>(int64_t(std::floor(double(s) * f + 0.5)), 1, s));
    };
    newW = side(width);
    newH = side(height);
    return true;
}

} // namespace gb
