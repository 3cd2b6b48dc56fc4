#include "platform/imagelib/tgacodec.h"

#include <cstring>
#include <vector>

namespace gb {

namespace {

constexpr size_t kHeaderSize = 18;

enum ImageType { ColourMapped = 1, TrueColour = 2, Grey = 3, RleFlag = 8 };

struct TgaHeader {
    int type = 0; // without the RLE flag
    bool rle = false;
    int64_t width = 0, height = 0;
    int depth = 0; // bits per stored pixel
    bool topDown = false, rightToLeft = false;
    size_t mapFirst = 0, mapLength = 0;
    int mapDepth = 0;
    size_t mapOffset = 0, dataOffset = 0;

    size_t pixelBytes() const { return size_t(depth + 7) / 8; }
};

// A 15/16-, 24- or 32-bit colour as Targa stores it (blue first; 5-5-5 with the top bit unused).
void unpackColour(const uint8_t *p, int depth, uint8_t *out)
{
    if (depth <= 16) {
        const unsigned v = le16(p);
        const unsigned r = (v >> 10) & 31, g = (v >> 5) & 31, b = v & 31;
        out[0] = uint8_t((r << 3) | (r >> 2));
        out[1] = uint8_t((g << 3) | (g >> 2));
        out[2] = uint8_t((b << 3) | (b >> 2));
    } else {
        out[0] = p[2];
        out[1] = p[1];
        out[2] = p[0];
    }
}

bool parseHeader(ByteSpan file, TgaHeader &h)
{
    if (!file.data || file.size < kHeaderSize)
        return false;
    const uint8_t *p = file.data;
    const int mapType = p[1];
    h.type = p[2] & ~RleFlag;
    h.rle = (p[2] & RleFlag) != 0;
    h.mapFirst = le16(p + 3);
    h.mapLength = le16(p + 5);
    h.mapDepth = p[7];
    h.width = le16(p + 12);
    h.height = le16(p + 14);
    h.depth = p[16];
    h.topDown = (p[17] & 0x20) != 0;
    h.rightToLeft = (p[17] & 0x10) != 0;
    if (mapType > 1 || (p[2] & ~(RleFlag | 3)) != 0 || h.width <= 0 || h.height <= 0)
        return false;
    bool depthOk = false;
    switch (h.type) {
    case ColourMapped:
        depthOk = mapType == 1 && (h.depth == 8 || h.depth == 16);
        break;
    case TrueColour:
        depthOk = h.depth == 15 || h.depth == 16 || h.depth == 24 || h.depth == 32;
        break;
    case Grey:
        depthOk = h.depth == 8;
        break;
    default:
        return false;
    }
    if (!depthOk)
        return false;
    // A colour map may stand in front of any image; only colour-mapped images use it.
    h.mapOffset = kHeaderSize + p[0];
    size_t mapBytes = 0;
    if (mapType == 1) {
        if (h.mapDepth != 15 && h.mapDepth != 16 && h.mapDepth != 24 && h.mapDepth != 32)
            return false;
        mapBytes = h.mapLength * (size_t(h.mapDepth + 7) / 8);
    }
    h.dataOffset = h.mapOffset + mapBytes;
    return h.dataOffset <= file.size;
}

class PixelReader
{
public:
    PixelReader(ByteSpan file, const TgaHeader &h) : mFile(file), mH(h)
    {
        if (h.type == ColourMapped) {
            mMap.assign(h.mapLength * 3, 0);
            const size_t entry = size_t(h.mapDepth + 7) / 8;
            for (size_t i = 0; i < h.mapLength; ++i)
                unpackColour(file.data + h.mapOffset + i * entry, h.mapDepth, &mMap[i * 3]);
        }
    }

    // Decodes the stored pixels in file order into out (count pixels of 3 bytes).
    bool decode(uint8_t *out, size_t count)
    {
        const size_t bytes = mH.pixelBytes();
        size_t pos = mH.dataOffset;
        size_t done = 0;
        while (done < count) {
            size_t run = count - done;
            bool repeat = false;
            if (mH.rle) {
                if (pos >= mFile.size)
                    return false;
                const uint8_t packet = mFile.data[pos++];
                run = std::min(run, size_t(packet & 0x7F) + 1);
                repeat = (packet & 0x80) != 0;
            }
            const size_t stored = repeat ? 1 : run;
            if (pos + stored * bytes > mFile.size)
                return false;
            if (repeat) {
                convert(mFile.data + pos, out + done * 3);
                for (size_t k = 1; k < run; ++k)
                    std::memcpy(out + (done + k) * 3, out + done * 3, 3);
            } else {
                for (size_t k = 0; k < run; ++k)
                    convert(mFile.data + pos + k * bytes, out + (done + k) * 3);
            }
            pos += stored * bytes;
            done += run;
        }
        return true;
    }

private:
    void convert(const uint8_t *p, uint8_t *out) const
    {
        switch (mH.type) {
        case Grey:
            out[0] = out[1] = out[2] = p[0];
            break;
        case ColourMapped: {
            // Indices below the first entry or past the map read as black.
            const size_t index = mH.depth == 8 ? p[0] : le16(p);
            if (index >= mH.mapFirst && index - mH.mapFirst < mH.mapLength)
                std::memcpy(out, &mMap[(index - mH.mapFirst) * 3], 3);
            else
                std::memset(out, 0, 3);
            break;
        }
        default:
            unpackColour(p, mH.depth, out);
        }
    }

    ByteSpan mFile;
    const TgaHeader &mH;
    std::vector<uint8_t> mMap;
};

void flipRows(RgbImage &img)
{
    std::vector<uint8_t> tmp(img.stride());
    for (int top = 0, bottom = img.height() - 1; top < bottom; ++top, --bottom) {
        std::memcpy(tmp.data(), img.row(top), img.stride());
        std::memcpy(img.row(top), img.row(bottom), img.stride());
        std::memcpy(img.row(bottom), tmp.data(), img.stride());
    }
}

void mirrorRows(RgbImage &img)
{
    for (int y = 0; y < img.height(); ++y)
        for (int l = 0, r = img.width() - 1; l < r; ++l, --r)
            std::swap_ranges(img.pixel(l, y), img.pixel(l, y) + 3, img.pixel(r, y));
}

} // namespace

RgbImage readTga(ByteSpan file, int &error)
{
    TgaHeader h;
    error = ImgBadTga;
    if (!parseHeader(file, h))
        return RgbImage();
    if (!pixelCountAllowed(h.width, h.height)) {
        error = ImgOutOfMemory;
        return RgbImage();
    }
    // A coded packet of at most 1 + pixel bytes gives at most 128 pixels.
    const uint64_t pixels = uint64_t(h.width) * uint64_t(h.height);
    const uint64_t available = file.size - h.dataOffset;
    if (h.rle ? pixels > available * 128 : pixels * h.pixelBytes() > available)
        return RgbImage();
    RgbImage img = RgbImage::create(h.width, h.height);
    if (img.isNull()) {
        error = ImgOutOfMemory;
        return img;
    }
    PixelReader reader(file, h);
    if (!reader.decode(img.data(), img.pixelCount()))
        return RgbImage();
    if (!h.topDown)
        flipRows(img);
    if (h.rightToLeft)
        mirrorRows(img);
    error = ImgOk;
    return img;
}

bool writeTga(const RgbImage &img, QByteArray &out, int &error)
{
    out.clear();
    if (img.isNull() || img.width() > 65535 || img.height() > 65535) {
        error = ImgBadParameter;
        return false;
    }
    const uint8_t header[kHeaderSize] = {0, 0, TrueColour, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                         uint8_t(img.width()), uint8_t(img.width() >> 8),
                                         uint8_t(img.height()), uint8_t(img.height() >> 8), 24, 0};
    out.resize(qsizetype(kHeaderSize + img.byteCount()));
    std::memcpy(out.data(), header, kHeaderSize);
    uint8_t *dst = reinterpret_cast<uint8_t *>(out.data()) + kHeaderSize;
    for (int y = img.height() - 1; y >= 0; --y) {
        const uint8_t *src = img.row(y);
        for (int x = 0; x < img.width(); ++x, src += 3, dst += 3) {
            dst[0] = src[2];
            dst[1] = src[1];
            dst[2] = src[0];
        }
    }
    error = ImgOk;
    return true;
}

} // namespace gb
