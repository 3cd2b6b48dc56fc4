#pragma once

#include "platform/imagelib/codec.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <vector>

namespace gbtest {

// Builds binary fixtures field by field.
struct Bytes {
    QByteArray b;

    Bytes &u8(int v) { b.append(char(v & 255)); return *this; }
    Bytes &le16(int v) { return u8(v).u8(v >> 8); }
    Bytes &le32(int64_t v) { return le16(int(v & 0xFFFF)).le16(int((v >> 16) & 0xFFFF)); }
    Bytes &be16(int v) { return u8(v >> 8).u8(v); }
    Bytes &be32(int64_t v) { return be16(int((v >> 16) & 0xFFFF)).be16(int(v & 0xFFFF)); }
    Bytes &text(const char *s) { b.append(s); return *this; }
    Bytes &zeros(int n) { b.append(QByteArray(n, '\0')); return *this; }
    Bytes &list(std::initializer_list<int> values)
    {
        for (int v : values)
            u8(v);
        return *this;
    }
    Bytes &raw(const QByteArray &bytes) { b.append(bytes); return *this; }
    int size() const { return int(b.size()); }
};

// A w x h image whose every pixel differs from its neighbours in each channel.
inline gb::RgbImage patternImage(int w, int h)
{
    gb::RgbImage img = gb::RgbImage::create(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t *p = img.pixel(x, y);
            p[0] = uint8_t(x * 37 + y * 11);
            p[1] = uint8_t(x * 5 + y * 71 + 3);
            p[2] = uint8_t(x * 101 + y * 29 + 200);
        }
    return img;
}

inline bool sameImage(const gb::RgbImage &a, const gb::RgbImage &b)
{
    return !a.isNull() && !b.isNull() && a.width() == b.width() && a.height() == b.height()
        && std::memcmp(a.data(), b.data(), a.byteCount()) == 0;
}

// The colour number (red + green * 256 + blue * 65536) of one pixel.
inline uint32_t colourAt(const gb::RgbImage &img, int x, int y)
{
    const uint8_t *p = img.pixel(x, y);
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16);
}

// Colours of an image, top row first, as colour numbers.
inline void expectPixels(const gb::RgbImage &img, const std::vector<uint32_t> &expected, const char *what)
{
    ASSERT_FALSE(img.isNull()) << what;
    ASSERT_EQ(size_t(img.width()) * size_t(img.height()), expected.size()) << what;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            EXPECT_EQ(colourAt(img, x, y), expected[size_t(y) * img.width() + x]) << what << " at " << x << "," << y;
}

// A copy of a file with bytes replaced from offset at.
inline QByteArray patched(QByteArray file, int at, const QByteArray &bytes)
{
    file.replace(at, bytes.size(), bytes);
    return file;
}

// One damaged file and the error code its reader must give.
struct DamageCase {
    const char *what;
    QByteArray file;
    int error;
};

// Every case must give a null image and its error code.
template <class Reader>
void expectRefused(Reader read, const std::vector<DamageCase> &cases)
{
    for (const DamageCase &c : cases) {
        int error = 0;
        EXPECT_TRUE(read(gb::byteSpan(c.file), error).isNull()) << c.what;
        EXPECT_EQ(error, c.error) << c.what;
    }
}

} // namespace gbtest
