#pragma once

#include <cstddef>
#include <cstdint>
#include <algorithm>

#include "platform/imagelib/largememory.h"

namespace gb {

// An image in memory: width x height pixels of three bytes each (red, green, blue),
// rows packed one after another from the top of the image down, no padding.
//
// An RgbImage owns its pixels and is move-only, so a buffer has exactly one holder,
// which frees it by letting it go out of scope or by assigning another image.
// A default-constructed image is null (no pixels, 0 x 0).
class RgbImage
{
public:
    // The largest image any operation may create (2^31 pixels); readers refuse far less.
    static constexpr int64_t kMaxPixels = int64_t(1) << 31;

    RgbImage() = default;
    RgbImage(RgbImage &&other) noexcept { swap(other); }
    RgbImage &operator=(RgbImage &&other) noexcept
    {
        RgbImage tmp(std::move(other));
        swap(tmp);
        return *this;
    }
    RgbImage(const RgbImage &) = delete;
    RgbImage &operator=(const RgbImage &) = delete;

    // Allocates width x height pixels, uninitialised. Returns a null image when a side is
    // not positive, the area is over kMaxPixels, or the memory cannot be had.
    static RgbImage create(int64_t width, int64_t height)
    {
        RgbImage img;
        if (width <= 0 || height <= 0 || width > kMaxPixels || height > kMaxPixels
            || width * height > kMaxPixels)
            return img;
        const size_t bytes = size_t(width) * size_t(height) * 3;
        img.mData = LargeBuffer(bytes);
        if (!img.mData)
            return img;
        img.mWidth = int(width);
        img.mHeight = int(height);
        return img;
    }

    // As create(), with every pixel set to the colour (r, g, b).
    static RgbImage filled(int64_t width, int64_t height, uint8_t r, uint8_t g, uint8_t b)
    {
        RgbImage img = create(width, height);
        if (img.isNull())
            return img;
        uint8_t *p = img.data();
        const size_t n = img.pixelCount();
        if (r == g && g == b) {
            std::fill(p, p + n * 3, r);
        } else {
            for (size_t i = 0; i < n; ++i, p += 3) {
                p[0] = r;
                p[1] = g;
                p[2] = b;
            }
        }
        return img;
    }

    RgbImage clone() const
    {
        RgbImage img = create(mWidth, mHeight);
        if (!img.isNull())
            std::copy(mData.data(), mData.data() + byteCount(), img.mData.data());
        return img;
    }

    bool isNull() const { return !mData; }
    int width() const { return mWidth; }
    int height() const { return mHeight; }
    size_t pixelCount() const { return size_t(mWidth) * size_t(mHeight); }
    size_t stride() const { return size_t(mWidth) * 3; }
    size_t byteCount() const { return pixelCount() * 3; }

    uint8_t *data() { return mData.data(); }
    const uint8_t *data() const { return mData.data(); }
    uint8_t *row(int y) { return mData.data() + size_t(y) * stride(); }
    const uint8_t *row(int y) const { return mData.data() + size_t(y) * stride(); }
    // Zero-based pixel address; callers check bounds.
    uint8_t *pixel(int x, int y) { return row(y) + size_t(x) * 3; }
    const uint8_t *pixel(int x, int y) const { return row(y) + size_t(x) * 3; }

    void swap(RgbImage &other) noexcept
    {
        std::swap(mWidth, other.mWidth);
        std::swap(mHeight, other.mHeight);
        std::swap(mData, other.mData);
    }

private:
    int mWidth = 0;
    int mHeight = 0;
    LargeBuffer mData;
};

} // namespace gb
