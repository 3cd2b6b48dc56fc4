#include "platform/imagelib/pngcodec.h"

#include <png.h>

#include <cstring>

namespace gb {

namespace {

const uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

uint32_t be32(const uint8_t *p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

struct PngHeader {
    int64_t width = 0, height = 0;
    int bitDepth = 0, colorType = 0;
    int channels() const
    {
        switch (colorType) {
        case 0: return 1;
        case 2: return 3;
        case 3: return 1;
        case 4: return 2;
        case 6: return 4;
        default: return 0;
        }
    }
};

// IHDR must be the first chunk: signature, length 13, "IHDR", then the fields.
bool parseHeader(ByteSpan file, PngHeader &h)
{
    if (!file.data || file.size < 33 || memcmp(file.data, kPngSignature, 8) != 0
        || be32(file.data + 8) != 13 || memcmp(file.data + 12, "IHDR", 4) != 0)
        return false;
    h.width = be32(file.data + 16);
    h.height = be32(file.data + 20);
    h.bitDepth = file.data[24];
    h.colorType = file.data[25];
    return h.channels() > 0 && h.bitDepth >= 1 && h.bitDepth <= 16;
}

} // namespace

bool readPngDims(ByteSpan file, int &width, int &height, int &bits, int &error)
{
    PngHeader h;
    if (!parseHeader(file, h) || h.width <= 0 || h.height <= 0 || h.width > INT32_MAX
        || h.height > INT32_MAX) {
        error = ImgBadPng;
        return false;
    }
    error = ImgOk;
    width = int(h.width);
    height = int(h.height);
    bits = h.bitDepth * h.channels();
    return true;
}

RgbImage readPng(ByteSpan file, int &error)
{
    error = ImgOk;
    PngHeader h;
    if (!parseHeader(file, h)) {
        error = ImgBadPng;
        return {};
    }
    if (!pixelCountAllowed(h.width, h.height)) {
        error = (h.width <= 0 || h.height <= 0) ? ImgBadPng : ImgOutOfMemory;
        return {};
    }
    // Deflate expands at most about 1032 times, so the filtered rows (one filter byte plus
    // the packed samples each) can be no longer than that many times the file.
    const int64_t rowBytes = 1 + (h.width * h.bitDepth * h.channels() + 7) / 8;
    if (h.height * rowBytes > int64_t(file.size) * 1032 + 65536) {
        error = ImgBadPng;
        return {};
    }

    png_image image;
    memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, file.data, file.size)) {
        error = ImgBadPng;
        return {};
    }
    image.format = PNG_FORMAT_RGB;
    RgbImage img = RgbImage::create(image.width, image.height);
    if (img.isNull()) {
        png_image_free(&image);
        error = ImgOutOfMemory;
        return {};
    }
    png_color white = {255, 255, 255};
    if (!png_image_finish_read(&image, &white, img.data(), png_int_32(img.stride()), nullptr)) {
        png_image_free(&image);
        error = ImgBadPng;
        return {};
    }
    png_image_free(&image);
    return img;
}

bool writePng(const RgbImage &img, QByteArray &out, int &error)
{
    error = ImgOk;
    if (img.isNull()) {
        error = ImgBadParameter;
        return false;
    }
    png_image image;
    memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(img.width());
    image.height = png_uint_32(img.height());
    image.format = PNG_FORMAT_RGB;
    png_alloc_size_t size = 0;
    // First pass measures, second writes into the array.
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, img.data(), png_int_32(img.stride()),
                                   nullptr)) {
        png_image_free(&image);
        error = ImgPngInternal;
        return false;
    }
    out.resize(qsizetype(size));
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, img.data(), png_int_32(img.stride()),
                                   nullptr)) {
        png_image_free(&image);
        error = ImgPngInternal;
        return false;
    }
    out.resize(qsizetype(size));
    png_image_free(&image);
    return true;
}

} // namespace gb
