#include "platform/imagelib/tiffcodec.h"

#include "platform/imagelib/orientation.h"

#include <tiffio.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace gb {

namespace {

// libtiff reads and writes through these callbacks over bytes in memory.
struct TiffMemory {
    const uint8_t *data = nullptr; // reading
    QByteArray *out = nullptr;     // writing
    uint64_t size = 0;
    uint64_t pos = 0;
};

tmsize_t memRead(thandle_t h, void *buf, tmsize_t n)
{
    auto *m = static_cast<TiffMemory *>(h);
    if (!m->data || n <= 0 || m->pos >= m->size)
        return 0;
    const uint64_t k = std::min<uint64_t>(uint64_t(n), m->size - m->pos);
    memcpy(buf, m->data + m->pos, size_t(k));
    m->pos += k;
    return tmsize_t(k);
}

tmsize_t memWrite(thandle_t h, void *buf, tmsize_t n)
{
    auto *m = static_cast<TiffMemory *>(h);
    if (!m->out || n < 0)
        return -1;
    const uint64_t end = m->pos + uint64_t(n);
    if (end > uint64_t(m->out->size()))
        m->out->resize(qsizetype(end), '\0');
    memcpy(m->out->data() + m->pos, buf, size_t(n));
    m->pos = end;
    m->size = std::max<uint64_t>(m->size, end);
    return n;
}

toff_t memSeek(thandle_t h, toff_t off, int whence)
{
    auto *m = static_cast<TiffMemory *>(h);
    uint64_t base = whence == SEEK_CUR ? m->pos : whence == SEEK_END ? m->size : 0;
    m->pos = base + off;
    return m->pos;
}

int memClose(thandle_t) { return 0; }
toff_t memSize(thandle_t h) { return static_cast<TiffMemory *>(h)->size; }
int memMap(thandle_t, void **, toff_t *) { return 0; }
void memUnmap(thandle_t, void *, toff_t) {}

// libtiff prints to stderr by default; the caller gets an error code instead.
void silence()
{
    static const bool once = [] {
        TIFFSetErrorHandler(nullptr);
        TIFFSetWarningHandler(nullptr);
        return true;
    }();
    (void)once;
}

struct TiffHandle {
    TIFF *tif = nullptr;
    ~TiffHandle()
    {
        if (tif)
            TIFFClose(tif);
    }
};

bool hasTiffSignature(ByteSpan file)
{
    return file.data && file.size >= 8
        && (memcmp(file.data, "II*\0", 4) == 0 || memcmp(file.data, "MM\0*", 4) == 0
            || memcmp(file.data, "II+\0", 4) == 0 || memcmp(file.data, "MM\0+", 4) == 0);
}

TIFF *openForReading(ByteSpan file, TiffMemory &mem)
{
    silence();
    if (!hasTiffSignature(file))
        return nullptr;
    mem.data = file.data;
    mem.size = file.size;
    // "m": never memory-map; "h": read only the first directory's header up front.
    return TIFFClientOpen("memory", "rm", &mem, memRead, memWrite, memSeek, memClose, memSize,
                          memMap, memUnmap);
}

TIFF *openForWriting(QByteArray &out, TiffMemory &mem)
{
    silence();
    out.clear();
    mem.out = &out;
    return TIFFClientOpen("memory", "wm", &mem, memRead, memWrite, memSeek, memClose, memSize,
                          memMap, memUnmap);
}

bool closeWritten(TiffHandle &h, QByteArray &out, const TiffMemory &mem)
{
    const bool ok = TIFFWriteDirectory(h.tif) != 0;
    TIFFClose(h.tif);
    h.tif = nullptr;
    out.resize(qsizetype(mem.size));
    return ok;
}

// Whether the file is large enough to hold the decoded samples the header claims: stored
// samples take their own size, PackBits expands at most 64 times, Deflate about 1032 times,
// and nothing libtiff decodes packs more than one LZW code's 4096 bytes into 12 bits.
bool sizeBackedByFile(TIFF *tif, uint32_t w, uint32_t h, size_t fileSize)
{
    uint16_t bps = 1, spp = 1, compression = COMPRESSION_NONE;
    TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &bps);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &spp);
    TIFFGetFieldDefaulted(tif, TIFFTAG_COMPRESSION, &compression);
    const int64_t rawBytes = int64_t(h) * ((int64_t(w) * bps * spp + 7) / 8);
    int64_t ratio = 2731;
    if (compression == COMPRESSION_NONE)
        ratio = 1;
    else if (compression == COMPRESSION_PACKBITS)
        ratio = 64;
    else if (compression == COMPRESSION_DEFLATE || compression == COMPRESSION_ADOBE_DEFLATE)
        ratio = 1032;
    return rawBytes <= int64_t(fileSize) * ratio + 4096;
}

// The Orientation tag of the first directory (1 when absent).
int orientationOf(TIFF *tif)
{
    uint16_t orientation = ORIENTATION_TOPLEFT;
    TIFFGetFieldDefaulted(tif, TIFFTAG_ORIENTATION, &orientation);
    return orientation;
}

} // namespace

bool readTiffDims(ByteSpan file, int &width, int &height, int &bits, int &error)
{
    TiffMemory mem;
    TiffHandle h{openForReading(file, mem)};
    uint32_t w = 0, ht = 0;
    uint16_t bps = 1, spp = 1;
    if (!h.tif || !TIFFGetField(h.tif, TIFFTAG_IMAGEWIDTH, &w)
        || !TIFFGetField(h.tif, TIFFTAG_IMAGELENGTH, &ht) || w == 0 || ht == 0
        || w > uint32_t(INT32_MAX) || ht > uint32_t(INT32_MAX)) {
        error = ImgBadTiff;
        return false;
    }
    TIFFGetFieldDefaulted(h.tif, TIFFTAG_BITSPERSAMPLE, &bps);
    TIFFGetFieldDefaulted(h.tif, TIFFTAG_SAMPLESPERPIXEL, &spp);
    error = ImgOk;
    // The upright picture's size, as the reader gives it.
    const bool transposed = orientationTransposes(orientationOf(h.tif));
    width = int(transposed ? ht : w);
    height = int(transposed ? w : ht);
    bits = int(bps) * int(spp);
    return true;
}

RgbImage readTiff(ByteSpan file, int &error)
{
    error = ImgBadTiff;
    TiffMemory mem;
    TiffHandle h{openForReading(file, mem)};
    uint32_t w = 0, ht = 0;
    if (!h.tif || !TIFFGetField(h.tif, TIFFTAG_IMAGEWIDTH, &w)
        || !TIFFGetField(h.tif, TIFFTAG_IMAGELENGTH, &ht) || w == 0 || ht == 0)
        return {};
    if (!pixelCountAllowed(w, ht)) {
        error = ImgOutOfMemory;
        return {};
    }
    if (!sizeBackedByFile(h.tif, w, ht, file.size))
        return {};
    char message[1024] = {0};
    if (!TIFFRGBAImageOK(h.tif, message))
        return {};

    // libtiff's RGBA reader copes with every layout (strips, tiles, planes, palettes,
    // greyscale, YCbCr, CMYK) at the cost of one 32-bit raster.
    std::vector<uint32_t> raster;
    RgbImage img = RgbImage::create(w, ht);
    try {
        raster.resize(size_t(w) * size_t(ht));
    } catch (const std::bad_alloc &) {
        img = RgbImage();
    }
    if (img.isNull()) {
        error = ImgOutOfMemory;
        return {};
    }
    // The raster is taken in stored order and turned upright afterwards: libtiff's own
    // handling of the tag mirrors the quarter-turned orientations instead of turning them.
    TIFFRGBAImage rgba;
    if (!TIFFRGBAImageBegin(&rgba, h.tif, 0, message))
        return {};
    const int orientation = orientationOf(h.tif);
    rgba.orientation = ORIENTATION_TOPLEFT;
    rgba.req_orientation = ORIENTATION_TOPLEFT;
    const int got = TIFFRGBAImageGet(&rgba, raster.data(), w, ht);
    TIFFRGBAImageEnd(&rgba);
    if (!got)
        return {};
    const uint32_t *src = raster.data();
    uint8_t *dst = img.data();
    for (size_t i = 0, n = img.pixelCount(); i < n; ++i, dst += 3) {
        const uint32_t p = src[i];
        // Samples come premultiplied by alpha; adding the white left uncovered composes onto white.
        const uint32_t inv = 255 - TIFFGetA(p);
        dst[0] = uint8_t(std::min<uint32_t>(255, TIFFGetR(p) + inv));
        dst[1] = uint8_t(std::min<uint32_t>(255, TIFFGetG(p) + inv));
        dst[2] = uint8_t(std::min<uint32_t>(255, TIFFGetB(p) + inv));
    }
    raster = std::vector<uint32_t>();
    img = applyOrientation(std::move(img), orientation);
    error = img.isNull() ? ImgOutOfMemory : ImgOk;
    return img;
}

bool writeTiff(const RgbImage &img, QByteArray &out, int &error)
{
    error = ImgOk;
    if (img.isNull()) {
        error = ImgBadParameter;
        return false;
    }
    TiffMemory mem;
    TiffHandle h{openForWriting(out, mem)};
    bool ok = h.tif && TIFFSetField(h.tif, TIFFTAG_IMAGEWIDTH, uint32_t(img.width()))
        && TIFFSetField(h.tif, TIFFTAG_IMAGELENGTH, uint32_t(img.height()))
        && TIFFSetField(h.tif, TIFFTAG_BITSPERSAMPLE, 8)
        && TIFFSetField(h.tif, TIFFTAG_SAMPLESPERPIXEL, 3)
        && TIFFSetField(h.tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB)
        && TIFFSetField(h.tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG)
        && TIFFSetField(h.tif, TIFFTAG_COMPRESSION, COMPRESSION_NONE)
        && TIFFSetField(h.tif, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT)
        && TIFFSetField(h.tif, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(h.tif, 0));
    for (int y = 0; ok && y < img.height(); ++y)
        ok = TIFFWriteScanline(h.tif, const_cast<uint8_t *>(img.row(y)), uint32_t(y), 0) >= 0;
    if (h.tif)
        ok = closeWritten(h, out, mem) && ok;
    if (!ok)
        error = ImgTiffInternal;
    return ok;
}

bool writeTiff8(const IndexedImage &img, QByteArray &out, int &error)
{
    error = ImgOk;
    if (img.isNull() || img.palette.size() > 256
        || img.indices.size() < size_t(img.width) * size_t(img.height)) {
        error = ImgBadParameter;
        return false;
    }
    // TIFF colour maps have 16-bit samples and exactly 2^bits entries per channel.
    std::vector<uint16_t> red(256, 0), green(256, 0), blue(256, 0);
    for (size_t i = 0; i < img.palette.size(); ++i) {
        red[i] = uint16_t((img.palette[i] & 255) * 257);
        green[i] = uint16_t(((img.palette[i] >> 8) & 255) * 257);
        blue[i] = uint16_t(((img.palette[i] >> 16) & 255) * 257);
    }
    TiffMemory mem;
    TiffHandle h{openForWriting(out, mem)};
    bool ok = h.tif && TIFFSetField(h.tif, TIFFTAG_IMAGEWIDTH, uint32_t(img.width))
        && TIFFSetField(h.tif, TIFFTAG_IMAGELENGTH, uint32_t(img.height))
        && TIFFSetField(h.tif, TIFFTAG_BITSPERSAMPLE, 8)
        && TIFFSetField(h.tif, TIFFTAG_SAMPLESPERPIXEL, 1)
        && TIFFSetField(h.tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_PALETTE)
        && TIFFSetField(h.tif, TIFFTAG_COLORMAP, red.data(), green.data(), blue.data())
        && TIFFSetField(h.tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG)
        && TIFFSetField(h.tif, TIFFTAG_COMPRESSION, COMPRESSION_NONE)
        && TIFFSetField(h.tif, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT)
        && TIFFSetField(h.tif, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(h.tif, 0));
    for (int y = 0; ok && y < img.height; ++y) {
        auto *row = const_cast<uint8_t *>(img.indices.data() + size_t(y) * size_t(img.width));
        ok = TIFFWriteScanline(h.tif, row, uint32_t(y), 0) >= 0;
    }
    if (h.tif)
        ok = closeWritten(h, out, mem) && ok;
    if (!ok)
        error = ImgTiffInternal;
    return ok;
}

} // namespace gb
