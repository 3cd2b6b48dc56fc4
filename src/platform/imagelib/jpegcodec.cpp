#include "platform/imagelib/jpegcodec.h"

#include "platform/imagelib/jpegsplit.h"
#include "platform/imagelib/jpegtrap.h"
#include "platform/imagelib/largememory.h"
#include "platform/imagelib/orientation.h"
#include "platform/imagelib/parallel.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <memory>
#include <new>
#include <vector>

namespace {
constexpr size_t kJpegBlockHeader = 64; // keeps the block as aligned as malloc's
}

// libjpeg takes its large blocks (a progressive file's coefficients, tens of megabytes a
// photo) through two of its system-dependent routines, which a program may define for it:
// these send them to allocateLarge(). Each block carries its own size, so that it is unmapped
// whole whatever size the library gives back. Where the library is linked so that it keeps
// its own routines, only the speed is lost.
extern "C" {
void *jpeg_get_large(j_common_ptr, size_t sizeofobject)
{
    if (sizeofobject > SIZE_MAX - kJpegBlockHeader)
        return nullptr;
    const size_t total = sizeofobject + kJpegBlockHeader;
    auto *block = static_cast<unsigned char *>(gb::allocateLarge(total));
    if (!block)
        return nullptr;
    memcpy(block, &total, sizeof total);
    return block + kJpegBlockHeader;
}

void jpeg_free_large(j_common_ptr, void *object, size_t)
{
    if (!object)
        return;
    unsigned char *block = static_cast<unsigned char *>(object) - kJpegBlockHeader;
    size_t total = 0;
    memcpy(&total, block, sizeof total);
    gb::freeLarge(block, total);
}
}

namespace gb {

namespace {

// Adobe writes CMYK inverted; plain CMYK files are rare enough to treat alike, as most
// readers do. R = C * K / 255 on the stored (inverted) samples.
void cmykRowToRgb(const uint8_t *src, uint8_t *dst, int width, bool inverted)
{
    for (int x = 0; x < width; ++x, src += 4, dst += 3) {
        int c = src[0], m = src[1], y = src[2], k = src[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        dst[0] = uint8_t((c * k + 127) / 255);
        dst[1] = uint8_t((m * k + 127) / 255);
        dst[2] = uint8_t((y * k + 127) / 255);
    }
}

bool headerAllowed(const jpeg_decompress_struct &cinfo, size_t fileSize, int &error)
{
    const int64_t w = cinfo.image_width, h = cinfo.image_height;
    if (!pixelCountAllowed(w, h)) {
        error = (w <= 0 || h <= 0) ? ImgBadJpg : ImgOutOfMemory;
        return false;
    }
    // A Huffman-coded image spends at least one bit on the DC value of every 8x8 luminance
    // block (progressive files too, in their first scan), so a file cannot hold more than
    // 512 pixels per byte. Arithmetic coding has no hard floor; a real picture never comes
    // near 65536 pixels per byte, and a header that claims that many is refused before the
    // decoder allocates (a progressive image gets its whole coefficient buffer up front).
    const int64_t perByte = cinfo.arith_code ? 65536 : 512;
    if (w * h > int64_t(fileSize) * perByte + 4096) {
        error = ImgBadJpg;
        return false;
    }
    return true;
}

// Asks the decoder to keep the APP1 markers, where cameras store the EXIF block.
void keepExif(jpeg_decompress_struct &cinfo)
{
    jpeg_save_markers(&cinfo, JPEG_APP0 + 1, 0xFFFF);
}

// The orientation tag of the first EXIF block read with the header; 1 when there is none.
int orientationOf(const jpeg_decompress_struct &cinfo)
{
    for (jpeg_saved_marker_ptr m = cinfo.marker_list; m; m = m->next) {
        if (m->marker == JPEG_APP0 + 1 && m->data_length >= 6 && memcmp(m->data, "Exif\0\0", 6) == 0)
            return exifOrientation(ByteSpan{m->data, m->data_length});
    }
    return 1;
}

} // namespace

int jpegScaleDenominator(int width, int height, int fitW, int fitH)
{
    if (fitW <= 0 || fitH <= 0 || width <= 0 || height <= 0)
        return 1;
    // The size the caller will fit to (never enlarged), then the smallest decode that
    // keeps at least twice that on both sides.
    const double f = std::min(1.0, std::min(double(fitW) / width, double(fitH) / height));
    const int64_t tw = std::max<int64_t>(1, int64_t(width * f + 0.5));
    const int64_t th = std::max<int64_t>(1, int64_t(height * f + 0.5));
    int denom = 1;
    for (int d : {2, 4, 8}) {
        const int64_t sw = (int64_t(width) + d - 1) / d, sh = (int64_t(height) + d - 1) / d;
        if (sw >= 2 * tw && sh >= 2 * th)
            denom = d;
    }
    return denom;
}

namespace {

// What a multi-scan (progressive) decode holds besides its output: every coefficient of
// the whole image, two bytes each, whatever the output scale, in one large block per
// component. A single-scan decode holds a few rows only.
size_t coefficientBytes(jpeg_decompress_struct &cinfo)
{
    if (!jpeg_has_multiple_scans(&cinfo))
        return 0;
    int maxH = 1, maxV = 1;
    for (int c = 0; c < cinfo.num_components; ++c) {
        maxH = std::max(maxH, cinfo.comp_info[c].h_samp_factor);
        maxV = std::max(maxV, cinfo.comp_info[c].v_samp_factor);
    }
    size_t bytes = 0;
    for (int c = 0; c < cinfo.num_components; ++c) {
        const jpeg_component_info &comp = cinfo.comp_info[c];
        const size_t blocksW = (size_t(cinfo.image_width) * comp.h_samp_factor + 8 * maxH - 1) / (8 * maxH);
        const size_t blocksH = (size_t(cinfo.image_height) * comp.v_samp_factor + 8 * maxV - 1) / (8 * maxV);
        bytes += largeFootprint(blocksW * blocksH * DCTSIZE2 * sizeof(JCOEF));
    }
    return bytes;
}

// Everything a decode holds while it runs: its output, the coefficients, and the file's
// bytes, which it reads to the end (a large progressive photo's file is 15 MB and more).
size_t decodeFootprint(jpeg_decompress_struct &cinfo, size_t fileSize)
{
    return largeFootprint(size_t(cinfo.output_width) * cinfo.output_height * 3) + coefficientBytes(cinfo)
        + largeFootprint(fileSize);
}

// Decoders scale and give the picture as stored; the EXIF orientation turns it upright.
void turnUpright(RgbImage &img, int orientation, int &error)
{
    if (orientation == 1)
        return;
    img = applyOrientation(std::move(img), orientation);
    if (img.isNull())
        error = ImgOutOfMemory;
}

// The decoder proper: the picture as stored into img, its orientation tag into orientation.
// The decompressor and the decode memory reserved are held by owners, which let them go
// when this returns or throws, whatever happened inside; the caller then turns the picture
// upright with nothing else held.
void decodeStored(ByteSpan file, int &error, int fitW, int fitH, bool cover, RgbImage &img, int &orientation)
{
    JpegDecompressor dec;
    if (!dec.ok()) {
        error = ImgOutOfMemory;
        return;
    }
    jpeg_decompress_struct &cinfo = dec.cinfo;
    bool allowed = false, cmyk = false;
    size_t coefficients = 0, footprint = 0;
    const bool read = trapped(dec.trap, [&] {
        jpeg_mem_src(&cinfo, file.data, (unsigned long)file.size);
        keepExif(cinfo);
        jpeg_read_header(&cinfo, TRUE);
        allowed = headerAllowed(cinfo, file.size, error);
        if (!allowed)
            return;
        orientation = orientationOf(cinfo);
        cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
        cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
        // The box is meant for the upright picture; the decoder scales the stored one.
        const bool transposed = orientationTransposes(orientation);
        const int boxW = transposed ? fitH : fitW, boxH = transposed ? fitW : fitH;
        const int coverScale =
            cover ? jpegCoverScale(int(cinfo.image_width), int(cinfo.image_height), boxW, boxH) : 8;
        const int denom =
            cover ? 1 : jpegScaleDenominator(int(cinfo.image_width), int(cinfo.image_height), boxW, boxH);
        if (coverScale < 8) {
            cinfo.scale_num = unsigned(coverScale);
            cinfo.scale_denom = 8;
            // Averaged down again by the caller as well.
            cinfo.do_fancy_upsampling = FALSE;
        } else if (denom > 1) {
            cinfo.scale_num = 1;
            cinfo.scale_denom = unsigned(denom);
            // The reduced image is averaged down again by the caller, which hides the blockier
            // chroma of plain upsampling; the fast path is worth it there.
            cinfo.do_fancy_upsampling = FALSE;
        }
        jpeg_calc_output_dimensions(&cinfo);
        coefficients = coefficientBytes(cinfo);
        footprint = decodeFootprint(cinfo, file.size);
    });
    if (!read) {
        error = ImgBadJpg;
        return;
    }
    if (!allowed)
        return;
    DecodeMemoryReservation reserved(footprint);
    // A large progressive photo is decoded a component per thread where threads are free;
    // the parts together hold the same coefficients, so this reservation stands for them,
    // and the split reserves what it holds besides. With one thread in all the split would
    // only add its copying.
    if (!cmyk && imageOpThreads() != 1 && coefficients >= jpegSplitThreshold() && decodeJpegSplit(file, cinfo, img))
        return;
    img = RgbImage::create(cinfo.output_width, cinfo.output_height);
    if (img.isNull()) {
        error = ImgOutOfMemory;
        return;
    }
    std::vector<uint8_t> cmykRow(cmyk ? size_t(cinfo.output_width) * 4 : 0);
    const bool decoded = trapped(dec.trap, [&] {
        jpeg_start_decompress(&cinfo);
        if (cmyk) {
            const bool inverted = cinfo.saw_Adobe_marker;
            while (cinfo.output_scanline < cinfo.output_height) {
                JSAMPROW row = cmykRow.data();
                const int y = int(cinfo.output_scanline);
                jpeg_read_scanlines(&cinfo, &row, 1);
                cmykRowToRgb(cmykRow.data(), img.row(y), int(cinfo.output_width), inverted);
            }
        } else {
            JSAMPROW rows[16];
            while (cinfo.output_scanline < cinfo.output_height) {
                const int y = int(cinfo.output_scanline);
                const int n = std::min<int>(16, int(cinfo.output_height) - y);
                for (int i = 0; i < n; ++i)
                    rows[i] = img.row(y + i);
                jpeg_read_scanlines(&cinfo, rows, JDIMENSION(n));
            }
        }
        jpeg_finish_decompress(&cinfo);
    });
    if (!decoded) {
        error = ImgBadJpg;
        img = RgbImage();
    }
}

// Decodes and turns upright; a failed allocation anywhere is the memory error, never thrown.
RgbImage decodeJpeg(ByteSpan file, int &error, int fitW, int fitH, bool cover)
{
    error = ImgOk;
    RgbImage img;
    if (!file.data || file.size < 4) {
        error = ImgBadJpg;
        return img;
    }
    try {
        int orientation = 1;
        decodeStored(file, error, fitW, fitH, cover, img, orientation);
        if (error == ImgOk)
            turnUpright(img, orientation, error);
    } catch (const std::bad_alloc &) {
        error = ImgOutOfMemory;
    }
    if (error != ImgOk)
        img = RgbImage();
    return img;
}

} // namespace

RgbImage readJpeg(ByteSpan file, int &error, int fitW, int fitH)
{
    return decodeJpeg(file, error, fitW, fitH, false);
}

int jpegCoverScale(int width, int height, int fitW, int fitH)
{
    if (fitW <= 0 || fitH <= 0 || width <= 0 || height <= 0)
        return 8;
    const double f = std::min(1.0, std::min(double(fitW) / width, double(fitH) / height));
    const int64_t tw = std::max<int64_t>(1, int64_t(width * f + 0.5));
    const int64_t th = std::max<int64_t>(1, int64_t(height * f + 0.5));
    for (int m = 1; m < 8; ++m)
        if ((int64_t(width) * m + 7) / 8 >= tw && (int64_t(height) * m + 7) / 8 >= th)
            return m;
    return 8;
}

RgbImage readJpegCovering(ByteSpan file, int &error, int fitW, int fitH)
{
    return decodeJpeg(file, error, fitW, fitH, true);
}

bool readJpegDims(ByteSpan file, int &width, int &height, int &bits, int &error)
{
    error = ImgOk;
    if (!file.data || file.size < 4) {
        error = ImgBadJpg;
        return false;
    }
    JpegDecompressor dec;
    jpeg_decompress_struct &cinfo = dec.cinfo;
    const bool read = dec.ok() && trapped(dec.trap, [&] {
        jpeg_mem_src(&cinfo, file.data, (unsigned long)file.size);
        keepExif(cinfo);
        jpeg_read_header(&cinfo, TRUE);
    });
    if (!read) {
        error = ImgBadJpg;
        return false;
    }
    // The upright picture's size, as the reader gives it.
    const bool transposed = orientationTransposes(orientationOf(cinfo));
    width = int(transposed ? cinfo.image_height : cinfo.image_width);
    height = int(transposed ? cinfo.image_width : cinfo.image_height);
    bits = cinfo.num_components * 8;
    return true;
}

size_t jpegCoefficientMemory(const char *path)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE *)> fp(std::fopen(path, "rb"), &std::fclose);
    if (!fp)
        return 0;
    JpegDecompressor dec;
    jpeg_decompress_struct &cinfo = dec.cinfo;
    size_t bytes = 0;
    if (!dec.ok() || !trapped(dec.trap, [&] {
            jpeg_stdio_src(&cinfo, fp.get());
            jpeg_read_header(&cinfo, TRUE);
            bytes = coefficientBytes(cinfo);
        }))
        return 0;
    return bytes;
}

bool writeJpeg(const RgbImage &img, QByteArray &out, int &error, int quality, bool progressive)
{
    error = ImgOk;
    // A side past JPEG's limit is the caller's parameter, not a write error; refusing it
    // here also spares the encoder an error exit that would strand its output buffer.
    if (img.isNull() || img.width() > JPEG_MAX_DIMENSION || img.height() > JPEG_MAX_DIMENSION) {
        error = ImgBadParameter;
        return false;
    }
    jpeg_compress_struct cinfo;
    JpegErrorTrap trap;
    installJpegTrap(reinterpret_cast<jpeg_common_struct *>(&cinfo), trap);
    unsigned long size = 0;
    if (setjmp(trap.jump)) {
        // The memory destination's buffer may have been moved by then; only failures on
        // impossible parameters get here, so it is left rather than freed twice.
        jpeg_destroy_compress(&cinfo);
        error = ImgFileWrite;
        return false;
    }
    jpeg_create_compress(&cinfo);
    unsigned char *dest = nullptr;
    jpeg_mem_dest(&cinfo, &dest, &size);
    cinfo.image_width = JDIMENSION(img.width());
    cinfo.image_height = JDIMENSION(img.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, std::clamp(quality, 1, 100), TRUE);
    if (progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<uint8_t *>(img.row(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    out = QByteArray(reinterpret_cast<const char *>(dest), qsizetype(size));
    jpeg_destroy_compress(&cinfo);
    free(dest);
    return true;
}

} // namespace gb
