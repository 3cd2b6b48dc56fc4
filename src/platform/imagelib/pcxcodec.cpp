#include "platform/imagelib/pcxcodec.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace gb {

namespace {

constexpr size_t kHeaderSize = 128;

struct PcxHeader {
    int64_t width = 0, height = 0;
    int bits = 0;   // per plane
    int planes = 0;
    size_t bytesPerLine = 0;
    bool rle = true;

    size_t scanline() const { return bytesPerLine * size_t(planes); }
};

bool parseHeader(ByteSpan file, PcxHeader &h)
{
    if (!file.data || file.size < kHeaderSize)
        return false;
    const uint8_t *p = file.data;
    if (p[0] != 0x0A || p[1] > 5 || p[2] > 1)
        return false;
    h.rle = p[2] == 1;
    h.bits = p[3];
    h.width = int64_t(le16(p + 8)) - le16(p + 4) + 1;
    h.height = int64_t(le16(p + 10)) - le16(p + 6) + 1;
    h.planes = p[65];
    h.bytesPerLine = le16(p + 66);
    const bool known = (h.bits == 1 && h.planes >= 1 && h.planes <= 4)
        || ((h.bits == 2 || h.bits == 4) && h.planes == 1)
        || (h.bits == 8 && (h.planes == 1 || h.planes == 3 || h.planes == 4));
    return known && h.width > 0 && h.height > 0
        && h.bytesPerLine >= size_t((h.width * h.bits + 7) / 8);
}

struct Palette {
    uint8_t rgb[256][3] = {};
};

Palette paletteOf(ByteSpan file, const PcxHeader &h)
{
    Palette pal;
    if (h.bits == 8 && h.planes == 1) {
        // The 256-colour palette: a 12 marker and 768 bytes closing the file.
        const size_t at = file.size - 769;
        if (file.size >= kHeaderSize + 769 && file.data[at] == 12) {
            std::memcpy(pal.rgb, file.data + at + 1, 768);
        } else {
            for (int i = 0; i < 256; ++i)
                pal.rgb[i][0] = pal.rgb[i][1] = pal.rgb[i][2] = uint8_t(i);
        }
    } else if (h.bits == 1 && h.planes == 1) {
        std::memset(pal.rgb[1], 255, 3);
    } else {
        std::memcpy(pal.rgb, file.data + 16, 48);
    }
    return pal;
}

// Pulls decoded scanline bytes out of the coded stream; a run may go on into the next row.
class Decoder
{
public:
    Decoder(ByteSpan data, bool rle) : mData(data), mRle(rle) {}

    bool line(uint8_t *out, size_t n)
    {
        if (!mRle) {
            if (mPos + n > mData.size)
                return false;
            std::memcpy(out, mData.data + mPos, n);
            mPos += n;
            return true;
        }
        size_t done = 0;
        while (done < n) {
            if (mRun == 0) {
                if (mPos >= mData.size)
                    return false;
                const uint8_t b = mData.data[mPos++];
                if ((b & 0xC0) == 0xC0) {
                    if (mPos >= mData.size)
                        return false;
                    mRun = b & 0x3F;
                    mValue = mData.data[mPos++];
                } else {
                    mRun = 1;
                    mValue = b;
                }
            }
            const size_t take = std::min(n - done, mRun);
            std::memset(out + done, mValue, take);
            done += take;
            mRun -= take;
        }
        return true;
    }

private:
    ByteSpan mData;
    bool mRle;
    size_t mPos = 0;
    size_t mRun = 0;
    uint8_t mValue = 0;
};

void convertLine(const uint8_t *line, uint8_t *out, const PcxHeader &h, const Palette &pal)
{
    const int64_t w = h.width;
    const size_t bpl = h.bytesPerLine;
    if (h.bits == 8 && h.planes >= 3) {
        for (int64_t x = 0; x < w; ++x, out += 3) {
            out[0] = line[x];
            out[1] = line[bpl + x];
            out[2] = line[2 * bpl + x];
        }
    } else if (h.bits == 1) {
        // Plane k gives bit k of the colour index.
        for (int64_t x = 0; x < w; ++x, out += 3) {
            unsigned index = 0;
            for (int k = 0; k < h.planes; ++k)
                index |= ((line[k * bpl + x / 8] >> (7 - x % 8)) & 1u) << k;
            std::memcpy(out, pal.rgb[index], 3);
        }
    } else {
        const int bits = h.bits;
        const unsigned mask = (1u << bits) - 1;
        for (int64_t x = 0; x < w; ++x, out += 3) {
            const int64_t bit = x * bits;
            std::memcpy(out, pal.rgb[(line[bit >> 3] >> (8 - bits - (bit & 7))) & mask], 3);
        }
    }
}

void appendLe16(QByteArray &out, int v)
{
    out.append(char(v & 255));
    out.append(char((v >> 8) & 255));
}

// Codes one plane row; runs stop at the row's end, as readers expect of version 5 files.
void appendCoded(QByteArray &out, const uint8_t *src, int n)
{
    int x = 0;
    while (x < n) {
        const uint8_t v = src[x];
        int run = 1;
        while (x + run < n && run < 63 && src[x + run] == v)
            ++run;
        if (run > 1 || (v & 0xC0) == 0xC0)
            out.append(char(0xC0 | run));
        out.append(char(v));
        x += run;
    }
}

} // namespace

RgbImage readPcx(ByteSpan file, int &error)
{
    PcxHeader h;
    error = ImgBadPcx;
    if (!parseHeader(file, h))
        return RgbImage();
    if (!pixelCountAllowed(h.width, h.height)) {
        error = ImgOutOfMemory;
        return RgbImage();
    }
    // A coded pair yields at most 63 bytes; refuse a header the data cannot fill.
    const uint64_t needed = uint64_t(h.scanline()) * uint64_t(h.height);
    const uint64_t available = file.size - kHeaderSize;
    if (h.rle ? needed > available * 32 : needed > available)
        return RgbImage();
    RgbImage img = RgbImage::create(h.width, h.height);
    if (img.isNull()) {
        error = ImgOutOfMemory;
        return img;
    }
    const Palette pal = paletteOf(file, h);
    std::vector<uint8_t> line(h.scanline());
    Decoder decoder(ByteSpan{file.data + kHeaderSize, file.size - kHeaderSize}, h.rle);
    for (int y = 0; y < img.height(); ++y) {
        if (!decoder.line(line.data(), line.size()))
            return RgbImage();
        convertLine(line.data(), img.row(y), h, pal);
    }
    error = ImgOk;
    return img;
}

bool readPcxDims(ByteSpan file, int &width, int &height, int &bits, int &error)
{
    PcxHeader h;
    if (!parseHeader(file, h)) {
        error = ImgBadPcx;
        return false;
    }
    width = int(h.width);
    height = int(h.height);
    bits = h.bits * h.planes;
    error = ImgOk;
    return true;
}

bool writePcx(const RgbImage &img, QByteArray &out, int &error)
{
    out.clear();
    // Corners are 16-bit numbers.
    if (img.isNull() || img.width() > 65535 || img.height() > 65535) {
        error = ImgBadParameter;
        return false;
    }
    // Plane rows are padded to an even length, except where that would not fit the 16-bit
    // field: a 65535-pixel row keeps its odd length rather than wrap to 0.
    const int bytesPerLine = std::min((img.width() + 1) & ~1, 65535);
    out.append(char(0x0A));
    out.append(char(5));
    out.append(char(1));
    out.append(char(8));
    appendLe16(out, 0);
    appendLe16(out, 0);
    appendLe16(out, img.width() - 1);
    appendLe16(out, img.height() - 1);
    appendLe16(out, 72);
    appendLe16(out, 72);
    out.append(QByteArray(48 + 1, '\0')); // header palette, reserved byte
    out.append(char(3));
    appendLe16(out, bytesPerLine);
    appendLe16(out, 1); // colour palette
    out.append(QByteArray(int(kHeaderSize) - out.size(), '\0'));
    std::vector<uint8_t> plane(size_t(bytesPerLine), 0);
    for (int y = 0; y < img.height(); ++y) {
        for (int c = 0; c < 3; ++c) {
            const uint8_t *src = img.row(y) + c;
            for (int x = 0; x < img.width(); ++x)
                plane[size_t(x)] = src[size_t(x) * 3];
            appendCoded(out, plane.data(), bytesPerLine);
        }
    }
    error = ImgOk;
    return true;
}

} // namespace gb
