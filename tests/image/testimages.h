#pragma once

#include "image/imagesave.h"
#include "platform/imagelib/rgbimage.h"

#include <QString>

namespace gbtest {

// A w x h image of a diagonal colour ramp (every pixel tells where it is), or a plain one.
inline gb::RgbImage rampImage(int w, int h)
{
    gb::RgbImage img = gb::RgbImage::create(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t *p = img.pixel(x, y);
            p[0] = uint8_t(x * 255 / std::max(1, w - 1));
            p[1] = uint8_t(y * 255 / std::max(1, h - 1));
            p[2] = uint8_t((x + y) & 255);
        }
    return img;
}

// Writes the ramp as a PNG (type 4) or JPEG (type 3) file; true on success.
inline bool writeImage(const QString &path, int w, int h, int type = 4)
{
    return gb::saveRgb2File(rampImage(w, h), path, type, 90, false, 0, 0);
}

} // namespace gbtest
