#include "platform/imagelib/bmpcodec.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace gb {

namespace {

enum Compression { BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitfields = 3, BiAlphaBitfields = 6 };

constexpr size_t kFileHeaderSize = 14;
constexpr uint64_t kMaxRlePixelsPerByte = 4096;

// One colour channel held in a 16- or 32-bit pixel under a mask.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint64_t max = 0; // largest value the masked field can hold

    explicit Channel(uint32_t m = 0) : mask(m)
    {
        if (m) {
            shift = std::countr_zero(m);
            max = uint64_t(m) >> shift;
        }
    }
    uint8_t get(uint32_t v) const
    {
        return max ? uint8_t(((uint64_t(v & mask) >> shift) * 255 + max / 2) / max) : 0;
    }
};

struct DibHeader {
    int64_t width = 0;
    int64_t height = 0; // always positive; topDown tells the row order
    bool topDown = false;
    int bits = 0;
    uint32_t compression = BiRgb;
    Channel red, green, blue;
    size_t tableOffset = 0; // start of the colour table within info
    size_t entrySize = 4;
    size_t colours = 0; // colour-table entries the header declares

    int64_t stride() const { return ((width * bits + 31) / 32) * 4; }
    size_t tableEnd() const { return tableOffset + colours * entrySize; }
};

bool parseDibHeader(ByteSpan info, DibHeader &h, int &error)
{
    error = ImgBadBmp;
    if (info.size < 12)
        return false;
    const uint8_t *p = info.data;
    const uint32_t hs = le32(p);
    if (hs == 12) {
        h.width = le16(p + 4);
        h.height = le16(p + 6);
        h.bits = le16(p + 10);
        h.entrySize = 3;
    } else {
        if (hs < 16 || hs > 1024 || hs > info.size)
            return false;
        h.width = int32_t(le32(p + 4));
        const int64_t height = int32_t(le32(p + 8));
        h.topDown = height < 0;
        h.height = height < 0 ? -height : height;
        h.bits = le16(p + 14);
        h.compression = hs >= 20 ? le32(p + 16) : uint32_t(BiRgb);
    }
    h.tableOffset = hs;
    const bool os2v2 = hs == 64 || (hs > 12 && hs < 40);
    if (h.compression == BiBitfields || h.compression == BiAlphaBitfields) {
        if (os2v2) { // OS/2 Huffman coding
            error = ImgRleUnsupported;
            return false;
        }
        if (h.bits != 16 && h.bits != 32)
            return false;
        const size_t maskAt = hs < 52 ? hs : 40;
        if (hs < 52) { // the masks follow the header, before any colour table
            h.tableOffset = hs + (h.compression == BiAlphaBitfields ? 16 : 12);
            if (h.tableOffset > info.size)
                return false;
        }
        h.red = Channel(le32(p + maskAt));
        h.green = Channel(le32(p + maskAt + 4));
        h.blue = Channel(le32(p + maskAt + 8));
    } else if (h.compression == BiRle8 || h.compression == BiRle4) {
        if (h.bits != (h.compression == BiRle8 ? 8 : 4))
            return false;
    } else if (h.compression != BiRgb) { // RLE24, JPEG, PNG
        error = ImgRleUnsupported;
        return false;
    } else if (h.bits == 16) {
        h.red = Channel(0x7C00);
        h.green = Channel(0x03E0);
        h.blue = Channel(0x001F);
    } else if (h.bits == 32) {
        h.red = Channel(0xFF0000);
        h.green = Channel(0xFF00);
        h.blue = Channel(0xFF);
    }
    switch (h.bits) {
    case 1: case 2: case 4: case 8: case 16: case 24: case 32: break;
    default: return false;
    }
    if (h.width <= 0 || h.height <= 0)
        return false;
    if (h.bits <= 8) {
        const size_t full = size_t(1) << h.bits;
        const uint32_t used = hs >= 36 ? le32(p + 32) : 0;
        h.colours = used == 0 || used > full ? full : used;
    }
    error = ImgOk;
    return true;
}

struct Palette {
    uint8_t rgb[256][3] = {};
};

// Entries the table does not hold (a short table) stay black.
Palette readPalette(ByteSpan info, const DibHeader &h)
{
    Palette pal;
    for (size_t i = 0; i < h.colours; ++i) {
        const size_t at = h.tableOffset + i * h.entrySize;
        if (at + 3 > info.size)
            break;
        pal.rgb[i][0] = info.data[at + 2];
        pal.rgb[i][1] = info.data[at + 1];
        pal.rgb[i][2] = info.data[at];
    }
    return pal;
}

void putIndex(uint8_t *out, const Palette &pal, unsigned index)
{
    std::memcpy(out, pal.rgb[index & 255], 3);
}

void decodeRow(const uint8_t *src, uint8_t *out, const DibHeader &h, const Palette &pal)
{
    const int64_t w = h.width;
    switch (h.bits) {
    case 24:
        for (int64_t x = 0; x < w; ++x, src += 3, out += 3) {
            out[0] = src[2];
            out[1] = src[1];
            out[2] = src[0];
        }
        break;
    case 16:
    case 32: {
        const int bytes = h.bits / 8;
        for (int64_t x = 0; x < w; ++x, src += bytes, out += 3) {
            const uint32_t v = bytes == 2 ? le16(src) : le32(src);
            out[0] = h.red.get(v);
            out[1] = h.green.get(v);
            out[2] = h.blue.get(v);
        }
        break;
    }
    default: {
        const int bits = h.bits;
        const unsigned mask = (1u << bits) - 1;
        for (int64_t x = 0; x < w; ++x, out += 3) {
            const int64_t bit = x * bits;
            const int shift = 8 - bits - int(bit & 7);
            putIndex(out, pal, (src[bit >> 3] >> shift) & mask);
        }
    }
    }
}

// RLE8 and RLE4: runs, end of line, end of bitmap, delta moves and absolute runs. Pixels
// past the end of a row are dropped; a record cut short by the end of the data is damage,
// but data that ends without an end-of-bitmap mark is taken as ended.
bool decodeRle(ByteSpan data, RgbImage &img, const DibHeader &h, const Palette &pal)
{
    const bool four = h.compression == BiRle4;
    const int64_t w = h.width, hgt = h.height;
    int64_t x = 0, y = 0;
    size_t i = 0;
    auto put = [&](unsigned index) {
        if (x < w && y < hgt)
            putIndex(img.pixel(int(x), int(h.topDown ? y : hgt - 1 - y)), pal, index);
        ++x;
    };
    while (y < hgt && i + 2 <= data.size) {
        const unsigned count = data.data[i], value = data.data[i + 1];
        i += 2;
        if (count > 0) {
            for (unsigned k = 0; k < count && x < w; ++k)
                put(four ? (k & 1 ? value & 15 : value >> 4) : value);
            continue;
        }
        if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (i + 2 > data.size)
                return false;
            x += data.data[i];
            y += data.data[i + 1];
            i += 2;
        } else {
            const size_t bytes = four ? (value + 1) / 2 : value;
            if (i + bytes > data.size)
                return false;
            for (unsigned k = 0; k < value && x < w; ++k) {
                const uint8_t b = data.data[i + (four ? k / 2 : k)];
                put(four ? (k & 1 ? b & 15 : b >> 4) : b);
            }
            i += (bytes + 1) & ~size_t(1);
        }
    }
    return true;
}

RgbImage decodePixels(ByteSpan info, ByteSpan bits, const DibHeader &h, int &error)
{
    if (!pixelCountAllowed(h.width, h.height)) {
        error = ImgOutOfMemory;
        return RgbImage();
    }
    const bool rle = h.compression == BiRle8 || h.compression == BiRle4;
    // Uncompressed rows must all be there before anything is allocated. Coded data can
    // skip any number of pixels, so no size is impossible for it; but no encoder packs
    // more than a few hundred pixels into a byte, and a small file that claims a huge
    // coded image is refused as damaged rather than given gigabytes.
    const uint64_t pixels = uint64_t(h.width) * uint64_t(h.height);
    if (rle ? pixels > std::max<uint64_t>(bits.size, 2) * kMaxRlePixelsPerByte
            : uint64_t(h.stride()) * uint64_t(h.height) > bits.size) {
        error = ImgBadBmp;
        return RgbImage();
    }
    const Palette pal = readPalette(info, h);
    RgbImage img = rle ? RgbImage::filled(h.width, h.height, pal.rgb[0][0], pal.rgb[0][1], pal.rgb[0][2])
                       : RgbImage::create(h.width, h.height);
    if (img.isNull()) {
        error = ImgOutOfMemory;
        return img;
    }
    if (rle) {
        if (!decodeRle(bits, img, h, pal)) {
            error = ImgBadBmp;
            return RgbImage();
        }
    } else {
        const size_t stride = size_t(h.stride());
        for (int64_t y = 0; y < h.height; ++y) {
            const int64_t outRow = h.topDown ? y : h.height - 1 - y;
            decodeRow(bits.data + size_t(y) * stride, img.row(int(outRow)), h, pal);
        }
    }
    error = ImgOk;
    return img;
}

bool parseFile(ByteSpan file, ByteSpan &info, ByteSpan &bits, DibHeader &h, int &error)
{
    error = ImgBadBmp;
    if (!file.data || file.size < kFileHeaderSize + 12 || file.data[0] != 'B' || file.data[1] != 'M')
        return false;
    const uint32_t offBits = le32(file.data + 10);
    info = ByteSpan{file.data + kFileHeaderSize, file.size - kFileHeaderSize};
    if (!parseDibHeader(info, h, error))
        return false;
    if (offBits < kFileHeaderSize + h.tableOffset || offBits > file.size) {
        error = ImgBadBmp;
        return false;
    }
    // The colour table ends where the pixels begin, even when the header declares more.
    info.size = offBits - kFileHeaderSize;
    bits = ByteSpan{file.data + offBits, file.size - offBits};
    return true;
}

void appendLe16(QByteArray &out, uint16_t v)
{
    out.append(char(v & 255));
    out.append(char(v >> 8));
}
void appendLe32(QByteArray &out, uint32_t v)
{
    appendLe16(out, uint16_t(v & 0xFFFF));
    appendLe16(out, uint16_t(v >> 16));
}

// Appends the 40-byte header and the bottom-up rows of a 24-bit DIB.
void appendDib(QByteArray &out, const RgbImage &img)
{
    const size_t stride = (img.stride() + 3) & ~size_t(3);
    const size_t imageBytes = stride * size_t(img.height());
    appendLe32(out, 40);
    appendLe32(out, uint32_t(img.width()));
    appendLe32(out, uint32_t(img.height()));
    appendLe16(out, 1);
    appendLe16(out, 24);
    appendLe32(out, BiRgb);
    appendLe32(out, uint32_t(imageBytes));
    appendLe32(out, 2835); // 72 dots per inch
    appendLe32(out, 2835);
    appendLe32(out, 0);
    appendLe32(out, 0);
    const qsizetype start = out.size();
    out.resize(start + qsizetype(imageBytes));
    uint8_t *dst = reinterpret_cast<uint8_t *>(out.data()) + start;
    for (int y = img.height() - 1; y >= 0; --y, dst += stride) {
        const uint8_t *src = img.row(y);
        for (int x = 0; x < img.width(); ++x, src += 3) {
            dst[x * 3] = src[2];
            dst[x * 3 + 1] = src[1];
            dst[x * 3 + 2] = src[0];
        }
        std::memset(dst + img.stride(), 0, stride - img.stride());
    }
}

} // namespace

RgbImage decodeDib(ByteSpan info, const ByteSpan *bits, int &error)
{
    DibHeader h;
    if (!info.data || !parseDibHeader(info, h, error))
        return RgbImage();
    if (bits)
        return decodePixels(info, *bits, h, error);
    if (h.tableEnd() > info.size) {
        error = ImgBadBmp;
        return RgbImage();
    }
    const ByteSpan packed{info.data + h.tableEnd(), info.size - h.tableEnd()};
    return decodePixels(info, packed, h, error);
}

QByteArray encodeDib(const RgbImage &img)
{
    QByteArray out;
    if (!img.isNull())
        appendDib(out, img);
    return out;
}

RgbImage readBmp(ByteSpan file, int &error)
{
    ByteSpan info, bits;
    DibHeader h;
    if (!parseFile(file, info, bits, h, error))
        return RgbImage();
    return decodePixels(info, bits, h, error);
}

bool readBmpDims(ByteSpan file, int &width, int &height, int &bits, int &error)
{
    ByteSpan info, pixels;
    DibHeader h;
    if (!parseFile(file, info, pixels, h, error))
        return false;
    if (!pixelCountAllowed(h.width, h.height)) {
        error = ImgOutOfMemory;
        return false;
    }
    width = int(h.width);
    height = int(h.height);
    bits = h.bits;
    return true;
}

bool writeBmp(const RgbImage &img, QByteArray &out, int &error)
{
    out.clear();
    const uint64_t stride = (uint64_t(img.stride()) + 3) & ~uint64_t(3);
    const uint64_t total = kFileHeaderSize + 40 + stride * uint64_t(img.height());
    if (img.isNull() || total > 0xFFFFFFFFu) { // the file size field is 32 bits
        error = ImgBadParameter;
        return false;
    }
    out.reserve(qsizetype(total));
    out.append("BM", 2);
    appendLe32(out, uint32_t(total));
    appendLe32(out, 0);
    appendLe32(out, kFileHeaderSize + 40);
    appendDib(out, img);
    error = ImgOk;
    return true;
}

} // namespace gb
