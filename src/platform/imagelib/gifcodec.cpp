#include "platform/imagelib/gifcodec.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace gb {

namespace {

struct MemoryReader {
    ByteSpan file;
    size_t pos = 0;
};

int readFromMemory(GifFileType *gif, GifByteType *buf, int len)
{
    auto *r = static_cast<MemoryReader *>(gif->UserData);
    if (len <= 0)
        return 0;
    const size_t n = std::min(size_t(len), r->file.size - r->pos);
    memcpy(buf, r->file.data + r->pos, n);
    r->pos += n;
    return int(n);
}

int writeToArray(GifFileType *gif, const GifByteType *buf, int len)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(buf), len);
    return len;
}

struct GifCloser {
    GifFileType *gif = nullptr;
    ~GifCloser()
    {
        if (gif)
            DGifCloseFile(gif, nullptr);
    }
};

bool hasGifSignature(ByteSpan file)
{
    return file.data && file.size >= 13
        && (memcmp(file.data, "GIF87a", 6) == 0 || memcmp(file.data, "GIF89a", 6) == 0);
}

GifFileType *openGif(ByteSpan file, MemoryReader &reader)
{
    if (!hasGifSignature(file))
        return nullptr;
    reader.file = file;
    int err = 0;
    return DGifOpen(&reader, readFromMemory, &err);
}

} // namespace

namespace {

// Where the first frame goes: its own size, the canvas it is drawn on and its place there.
struct FirstFrame {
    int64_t frameW = 0, frameH = 0, canvasW = 0, canvasH = 0;
    int offX = 0, offY = 0;
    int transparent = -1;
};

// Reads the records up to the first image descriptor and lays the frame out as the reader
// shows it. False, with error set, for a file the reader refuses before decoding.
bool findFirstFrame(GifFileType *gif, size_t fileSize, FirstFrame &f, int &error)
{
    error = ImgBadGif;
    for (;;) {
        GifRecordType type;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR)
            return false;
        if (type == TERMINATE_RECORD_TYPE)
            return false;
        if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType *block = nullptr;
            if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
                return false;
            // Graphic control extension: flags, delay (2), transparent index.
            if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4 && (block[1] & 1))
                f.transparent = block[4];
            while (block) {
                if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
                    return false;
            }
            continue;
        }
        if (type != IMAGE_DESC_RECORD_TYPE)
            continue;
        if (DGifGetImageDesc(gif) == GIF_ERROR)
            return false;
        break;
    }

    const GifImageDesc &desc = gif->Image;
    const int64_t fw = desc.Width, fh = desc.Height;
    const int64_t sw = gif->SWidth, sh = gif->SHeight;
    if (fw <= 0 || fh <= 0)
        return false;
    // One 12-bit LZW code stands for at most 4096 pixels, so a file holds no more than
    // about 2731 pixels per byte; a frame that claims more is a lie.
    const int64_t mostPixels = int64_t(fileSize) * 2731 + 4096;
    if (!pixelCountAllowed(fw, fh)) {
        error = ImgOutOfMemory;
        return false;
    }
    if (fw * fh > mostPixels)
        return false;
    // The frame sits on its logical screen when it fits there; a screen far larger than
    // anything the file could fill is not allocated, and the frame stands alone.
    const bool onScreen = desc.Left + fw <= sw && desc.Top + fh <= sh && pixelCountAllowed(sw, sh)
        && sw * sh <= mostPixels;
    f.frameW = fw;
    f.frameH = fh;
    f.canvasW = onScreen ? sw : fw;
    f.canvasH = onScreen ? sh : fh;
    f.offX = onScreen ? desc.Left : 0;
    f.offY = onScreen ? desc.Top : 0;
    error = ImgOk;
    return true;
}

} // namespace

bool readGifDims(ByteSpan file, int &width, int &height, int &bits, int &error)
{
    // The size is the one the reader gives: the logical screen when the first frame fits
    // on it, else the frame's own; a file the reader refuses has no size.
    error = ImgBadGif;
    MemoryReader reader;
    GifCloser closer{openGif(file, reader)};
    FirstFrame f;
    if (!closer.gif || !findFirstFrame(closer.gif, file.size, f, error))
        return false;
    width = int(f.canvasW);
    height = int(f.canvasH);
    // Packed flags of the screen descriptor: bit 7 a global colour table, bits 0-2 its size
    // (2^(n+1) entries), bits 4-6 the colour resolution minus one. Bits per pixel are those
    // of the table when there is one.
    const uint8_t flags = file.data[10];
    bits = (flags & 0x80) ? (flags & 7) + 1 : ((flags >> 4) & 7) + 1;
    return true;
}

RgbImage readGif(ByteSpan file, int &error)
{
    error = ImgBadGif;
    MemoryReader reader;
    GifCloser closer{openGif(file, reader)};
    GifFileType *gif = closer.gif;
    FirstFrame layout;
    if (!gif || !findFirstFrame(gif, file.size, layout, error))
        return {};
    error = ImgBadGif;
    const GifImageDesc &desc = gif->Image;
    const int64_t fw = layout.frameW, fh = layout.frameH, cw = layout.canvasW, ch = layout.canvasH;
    const int offX = layout.offX, offY = layout.offY;
    const int transparent = layout.transparent;

    uint8_t colors[256][3];
    const ColorMapObject *map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
    for (int i = 0; i < 256; ++i) {
        if (map && i < map->ColorCount) {
            colors[i][0] = map->Colors[i].Red;
            colors[i][1] = map->Colors[i].Green;
            colors[i][2] = map->Colors[i].Blue;
        } else if (!map) {
            // No colour table at all: read the indices as grey levels.
            colors[i][0] = colors[i][1] = colors[i][2] = uint8_t(i);
        } else {
            colors[i][0] = colors[i][1] = colors[i][2] = 0;
        }
    }
    if (transparent >= 0)
        colors[transparent][0] = colors[transparent][1] = colors[transparent][2] = 255;

    RgbImage img = RgbImage::filled(cw, ch, 255, 255, 255);
    std::vector<GifPixelType> line(size_t(fw), 0);
    if (img.isNull() || line.empty()) {
        error = ImgOutOfMemory;
        return {};
    }
    auto putRow = [&](int y) {
        uint8_t *dst = img.pixel(offX, offY + y);
        for (int64_t x = 0; x < fw; ++x, dst += 3)
            memcpy(dst, colors[line[size_t(x)]], 3);
    };
    if (desc.Interlace) {
        static const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass) {
            for (int64_t y = start[pass]; y < fh; y += step[pass]) {
                if (DGifGetLine(gif, line.data(), int(fw)) == GIF_ERROR)
                    return {};
                putRow(int(y));
            }
        }
    } else {
        for (int64_t y = 0; y < fh; ++y) {
            if (DGifGetLine(gif, line.data(), int(fw)) == GIF_ERROR)
                return {};
            putRow(int(y));
        }
    }
    error = ImgOk;
    return img;
}

bool writeGif8(const IndexedImage &img, QByteArray &out, int &error)
{
    error = ImgOk;
    if (img.isNull() || img.width > 65535 || img.height > 65535 || img.palette.empty()
        || img.palette.size() > 256 || img.indices.size() < size_t(img.width) * size_t(img.height)) {
        error = ImgBadParameter;
        return false;
    }
    // GIF colour tables hold a power of two of entries, at least two.
    int bits = 1;
    while ((1u << bits) < img.palette.size())
        ++bits;
    ColorMapObject *map = GifMakeMapObject(1 << bits, nullptr);
    if (!map) {
        error = ImgOutOfMemory;
        return false;
    }
    for (int i = 0; i < map->ColorCount; ++i) {
        const uint32_t c = size_t(i) < img.palette.size() ? img.palette[size_t(i)] : 0;
        map->Colors[i] = GifColorType{GifByteType(c & 255), GifByteType((c >> 8) & 255),
                                      GifByteType((c >> 16) & 255)};
    }
    out.clear();
    int err = 0;
    GifFileType *gif = EGifOpen(&out, writeToArray, &err);
    bool ok = gif && EGifPutScreenDesc(gif, img.width, img.height, 8, 0, map) != GIF_ERROR
        && EGifPutImageDesc(gif, 0, 0, img.width, img.height, false, nullptr) != GIF_ERROR;
    // Indices past the palette would make a file other readers reject; they read as 0.
    std::vector<GifPixelType> line(size_t(img.width));
    for (int y = 0; ok && y < img.height; ++y) {
        const uint8_t *src = img.indices.data() + size_t(y) * size_t(img.width);
        for (int x = 0; x < img.width; ++x)
            line[size_t(x)] = src[x] < img.palette.size() ? src[x] : 0;
        ok = EGifPutLine(gif, line.data(), img.width) != GIF_ERROR;
    }
    if (gif && EGifCloseFile(gif, &err) == GIF_ERROR)
        ok = false;
    GifFreeMapObject(map);
    if (!ok)
        error = ImgFileWrite;
    return ok;
}

bool writeGif(const RgbImage &img, QByteArray &out, int &error, int maxColors)
{
    if (img.isNull()) {
        error = ImgBadParameter;
        return false;
    }
    const IndexedImage indexed = quantize(img, maxColors <= 0 ? 256 : std::min(maxColors, 256));
    if (indexed.isNull()) {
        error = ImgOutOfMemory;
        return false;
    }
    return writeGif8(indexed, out, error);
}

} // namespace gb
