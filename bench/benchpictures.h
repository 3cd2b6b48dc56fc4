#pragma once

// Pictures for the benchmarks: photos brought to 24 megapixels, or generated ones where
// there are no photos.

#include "image/imageload.h"
#include "platform/imagelib/decimate.h"
#include "platform/imagelib/rgbimage.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace gbbench {

// A picture with detail everywhere, so that the encoder and decoder work as on a photo.
inline gb::RgbImage generated(int w, int h, int seed)
{
    gb::RgbImage img = gb::RgbImage::create(w, h);
    uint32_t state = 2463534242u + uint32_t(seed);
    for (int y = 0; y < h; ++y) {
        uint8_t *p = img.row(y);
        for (int x = 0; x < w; ++x, p += 3) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const int noise = int(state & 31) - 16;
            p[0] = uint8_t(std::clamp(128 + int(100 * std::sin((x + seed * 97) / 300.0)) + noise, 0, 255));
            p[1] = uint8_t(std::clamp(x * 255 / w + noise, 0, 255));
            p[2] = uint8_t(std::clamp(y * 255 / h + noise, 0, 255));
        }
    }
    return img;
}

// The photo fitted to 6000 x 4000 (4000 x 6000 when it stands upright), as a 24-megapixel
// camera takes it; null when it cannot be read.
inline gb::RgbImage photoAt24Mp(const QString &path)
{
    int w = 0, h = 0;
    QString error;
    const gb::RgbImage photo = gb::createRgbFromFile(path, w, h, error);
    if (photo.isNull())
        return {};
    const bool tall = h > w;
    gb::RgbImage img = gb::RgbImage::create(tall ? 4000 : 6000, tall ? 6000 : 4000);
    if (!gb::isDecimateRgb(photo, img))
        return {};
    return img;
}

} // namespace gbbench
