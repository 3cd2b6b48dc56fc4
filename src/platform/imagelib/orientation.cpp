#include "platform/imagelib/orientation.h"

#include <cstring>

namespace gb {

int exifOrientation(ByteSpan app1)
{
    if (!app1.data || app1.size < 6 + 8 || memcmp(app1.data, "Exif\0\0", 6) != 0)
        return 1;
    const uint8_t *tiff = app1.data + 6;
    const size_t size = app1.size - 6;
    bool little;
    if (memcmp(tiff, "II*\0", 4) == 0)
        little = true;
    else if (memcmp(tiff, "MM\0*", 4) == 0)
        little = false;
    else
        return 1;
    auto u16 = [&](size_t at) { return little ? le16(tiff + at) : uint16_t((tiff[at] << 8) | tiff[at + 1]); };
    auto u32 = [&](size_t at) {
        return little ? le32(tiff + at)
                      : (uint32_t(tiff[at]) << 24) | (uint32_t(tiff[at + 1]) << 16) | (uint32_t(tiff[at + 2]) << 8)
                            | tiff[at + 3];
    };
    const uint64_t ifd = u32(4);
    if (ifd + 2 > size)
        return 1;
    const unsigned entries = u16(size_t(ifd));
    for (unsigned i = 0; i < entries; ++i) {
        const uint64_t at = ifd + 2 + uint64_t(i) * 12;
        if (at + 12 > size)
            return 1;
        // Tag 0x0112, one SHORT held in the first two bytes of the value field.
        if (u16(size_t(at)) != 0x0112)
            continue;
        if (u16(size_t(at) + 2) != 3 || u32(size_t(at) + 4) != 1)
            return 1;
        const int value = u16(size_t(at) + 8);
        return value >= 1 && value <= 8 ? value : 1;
    }
    return 1;
}

RgbImage applyOrientation(RgbImage img, int orientation)
{
    if (img.isNull() || orientation <= 1 || orientation > 8)
        return img;
    const int w = img.width(), h = img.height();
    const bool transposed = orientationTransposes(orientation);
    RgbImage out = RgbImage::create(transposed ? h : w, transposed ? w : h);
    if (out.isNull())
        return out;
    const int ow = out.width(), oh = out.height();
    for (int y = 0; y < oh; ++y) {
        uint8_t *dst = out.row(y);
        if (!transposed) {
            // 2, 3, 4: a stored row, maybe the mirrored one, maybe reversed.
            const int sy = (orientation == 2) ? y : h - 1 - y;
            const uint8_t *src = img.row(sy);
            if (orientation == 4) {
                memcpy(dst, src, size_t(w) * 3);
                continue;
            }
            for (int x = 0; x < ow; ++x, dst += 3)
                memcpy(dst, src + size_t(w - 1 - x) * 3, 3);
            continue;
        }
        // 5 to 8: output row y is stored column sx, read top-down or bottom-up.
        const int sx = (orientation == 5 || orientation == 6) ? y : w - 1 - y;
        const bool upward = orientation == 6 || orientation == 7;
        for (int x = 0; x < ow; ++x, dst += 3)
            memcpy(dst, img.pixel(sx, upward ? h - 1 - x : x), 3);
    }
    return out;
}

} // namespace gb
