#pragma once

// The pieces of the bare libjpeg-turbo pipelines the image, batch and gallery benchmarks
// measure our code against: a reduced-scale decode, an area reduction and a quality-80
// baseline encode, with nothing else around them.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <jpeglib.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <tuple>
#include <utility>
#include <vector>

namespace gbbench {

struct Pixels
{
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;
};

// The size of a w x h image fitted into a box x box square, never enlarged.
inline std::pair<int, int> fitted(int w, int h, int box)
{
    const double scale = std::min(1.0, std::min(double(box) / w, double(box) / h));
    return {std::max(1, int(w * scale + 0.5)), std::max(1, int(h * scale + 0.5))};
}

inline bool readBytes(const QString &path, QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return true;
}

// How the decoder upsamples the chroma. The pipelines differ here on purpose: each copies
// what the code it is the limit for does.
enum class Upsampling {
    Fancy,            // libjpeg's default
    Plain,            // always the cheap one
    PlainWhenReduced, // the cheap one at 1/2 .. 1/8, where the area reduction hides it
};

// Runs a decoder set up by the caller into out, then ends it.
inline bool decodeInto(jpeg_decompress_struct &d, Pixels &out)
{
    jpeg_start_decompress(&d);
    out.width = int(d.output_width);
    out.height = int(d.output_height);
    out.rgb.resize(size_t(out.width) * out.height * 3);
    while (d.output_scanline < d.output_height) {
        JSAMPROW line = out.rgb.data() + size_t(d.output_scanline) * out.width * 3;
        jpeg_read_scanlines(&d, &line, 1);
    }
    jpeg_finish_decompress(&d);
    jpeg_destroy_decompress(&d);
    return true;
}

// Decodes at the smallest of libjpeg's scales 1/1 .. 1/8 that still gives at least twice
// the size of the image fitted into box x box; *fit, when given, receives that fitted size.
inline bool decodeReduced(const QByteArray &bytes, int box, Upsampling upsampling, Pixels &out,
                          std::pair<int, int> *fit = nullptr)
{
    jpeg_decompress_struct d;
    jpeg_error_mgr err;
    d.err = jpeg_std_error(&err);
    jpeg_create_decompress(&d);
    jpeg_mem_src(&d, reinterpret_cast<const unsigned char *>(bytes.constData()), (unsigned long)bytes.size());
    if (jpeg_read_header(&d, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&d);
        return false;
    }
    const auto [tw, th] = fitted(int(d.image_width), int(d.image_height), box);
    if (fit)
        *fit = {tw, th};
    unsigned denom = 1;
    for (unsigned k : {2u, 4u, 8u})
        if ((d.image_width + k - 1) / k >= unsigned(2 * tw) && (d.image_height + k - 1) / k >= unsigned(2 * th))
            denom = k;
    d.scale_num = 1;
    d.scale_denom = denom;
    d.out_color_space = JCS_RGB;
    if (upsampling == Upsampling::Plain || (upsampling == Upsampling::PlainWhenReduced && denom > 1))
        d.do_fancy_upsampling = FALSE;
    return decodeInto(d, out);
}

// Area reduction to size: each target pixel is the mean of the source pixels whose centres
// it holds.
inline Pixels reduce(const Pixels &src, std::pair<int, int> size)
{
    Pixels dst;
    std::tie(dst.width, dst.height) = size;
    dst.rgb.resize(size_t(dst.width) * dst.height * 3);
    for (int y = 0; y < dst.height; ++y) {
        const int y0 = y * src.height / dst.height, y1 = std::max(y0 + 1, (y + 1) * src.height / dst.height);
        for (int x = 0; x < dst.width; ++x) {
            const int x0 = x * src.width / dst.width, x1 = std::max(x0 + 1, (x + 1) * src.width / dst.width);
            unsigned sum[3] = {0, 0, 0};
            for (int yy = y0; yy < y1; ++yy) {
                const uint8_t *p = src.rgb.data() + (size_t(yy) * src.width + x0) * 3;
                for (int xx = x0; xx < x1; ++xx, p += 3) {
                    sum[0] += p[0];
                    sum[1] += p[1];
                    sum[2] += p[2];
                }
            }
            const unsigned n = unsigned((y1 - y0) * (x1 - x0));
            for (int c = 0; c < 3; ++c)
                dst.rgb[(size_t(y) * dst.width + x) * 3 + c] = uint8_t((sum[c] + n / 2) / n);
        }
    }
    return dst;
}

// A baseline JPEG encode of the given quality into memory.
inline QByteArray encodeJpeg(const Pixels &image, int quality)
{
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char *mem = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &mem, &size);
    c.image_width = JDIMENSION(image.width);
    c.image_height = JDIMENSION(image.height);
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, quality, TRUE);
    jpeg_start_compress(&c, TRUE);
    while (c.next_scanline < c.image_height) {
        JSAMPROW line = const_cast<uint8_t *>(image.rgb.data()) + size_t(c.next_scanline) * image.width * 3;
        jpeg_write_scanlines(&c, &line, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    QByteArray bytes(reinterpret_cast<char *>(mem), qsizetype(size));
    std::free(mem);
    return bytes;
}

// A quality-80 baseline JPEG encode into memory, then the file written in one go.
inline bool encodeTo(const Pixels &image, const QString &path)
{
    const QByteArray bytes = encodeJpeg(image, 80);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The single-size pipeline: the photo fitted into box x box and written to out.
inline bool bareFit(const QString &in, const QString &out, int box, Upsampling upsampling)
{
    QByteArray bytes;
    Pixels decoded;
    std::pair<int, int> fit;
    return readBytes(in, bytes) && decodeReduced(bytes, box, upsampling, decoded, &fit)
        && encodeTo(reduce(decoded, fit), out);
}

// The gallery pipeline: one reduced-scale decode to at least twice the full-size fit, an
// area reduction to 800 x 800 and from that to 120 x 120, two encodes, two files.
inline bool bareGallery(const QString &in, const QString &fullOut, const QString &thumbOut)
{
    QByteArray bytes;
    Pixels decoded;
    if (!readBytes(in, bytes) || !decodeReduced(bytes, 800, Upsampling::Fancy, decoded))
        return false;
    const Pixels full = reduce(decoded, fitted(decoded.width, decoded.height, 800));
    const Pixels thumb = reduce(full, fitted(full.width, full.height, 120));
    return encodeTo(full, fullOut) && encodeTo(thumb, thumbOut);
}

} // namespace gbbench
