#pragma once

#include "platform/imagelib/rgbimage.h"

#include <cstdint>
#include <initializer_list>
#include <random>
#include <vector>

namespace gbtest {

// Pixels given row by row as colour numbers (red + green * 256 + blue * 65536).
inline gb::RgbImage imageOf(int w, int h, std::initializer_list<uint32_t> colours)
{
    gb::RgbImage img = gb::RgbImage::create(w, h);
    uint8_t *p = img.data();
    for (uint32_t c : colours) {
        *p++ = uint8_t(c);
        *p++ = uint8_t(c >> 8);
        *p++ = uint8_t(c >> 16);
    }
    return img;
}

// A grey image whose pixels are the given values, row by row.
inline gb::RgbImage greyOf(int w, int h, std::initializer_list<int> values)
{
    gb::RgbImage img = gb::RgbImage::create(w, h);
    uint8_t *p = img.data();
    for (int v : values) {
        p[0] = p[1] = p[2] = uint8_t(v);
        p += 3;
    }
    return img;
}

// Reproducible noise, every byte drawn from lo .. hi.
inline gb::RgbImage noise(int w, int h, unsigned seed = 1, int lo = 0, int hi = 255)
{
    gb::RgbImage img = gb::RgbImage::create(w, h);
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> d(lo, hi);
    for (size_t i = 0; i < img.byteCount(); ++i)
        img.data()[i] = uint8_t(d(rng));
    return img;
}

inline uint32_t colourAt(const gb::RgbImage &img, int x, int y)
{
    const uint8_t *p = img.pixel(x, y);
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16);
}

inline int greyAt(const gb::RgbImage &img, int x, int y)
{
    return img.pixel(x, y)[0];
}

inline bool samePixels(const gb::RgbImage &a, const gb::RgbImage &b)
{
    return a.width() == b.width() && a.height() == b.height()
        && std::equal(a.data(), a.data() + a.byteCount(), b.data());
}

inline std::vector<int> greys(const gb::RgbImage &img)
{
    std::vector<int> out;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            out.push_back(greyAt(img, x, y));
    return out;
}

} // namespace gbtest
