// Writes small valid files of every readable format into <dir>/<format>/, as starting
// points for the fuzzers: the writers' own output plus hand-made variants that the writers
// never produce (palette depths, run-length coding, other origins).

#include "platform/imagelib/codec.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <functional>

#if __has_include("platform/imagelib/bmpcodec.h")
#include "platform/imagelib/bmpcodec.h"
#endif
#if __has_include("platform/imagelib/pcxcodec.h")
#include "platform/imagelib/pcxcodec.h"
#endif
#if __has_include("platform/imagelib/tgacodec.h")
#include "platform/imagelib/tgacodec.h"
#endif
#if __has_include("platform/imagelib/metafilecodec.h")
#include "platform/imagelib/bmpcodec.h"
#include "platform/imagelib/metafilecodec.h"
#define HAVE_METAFILE 1
#endif
#if __has_include("platform/imagelib/jpegcodec.h")
#include "platform/imagelib/jpegcodec.h"
#endif
#if __has_include("platform/imagelib/pngcodec.h")
#include "platform/imagelib/pngcodec.h"
#endif
#if __has_include("platform/imagelib/gifcodec.h")
#include "platform/imagelib/gifcodec.h"
#endif
#if __has_include("platform/imagelib/tiffcodec.h")
#include "platform/imagelib/tiffcodec.h"
#endif

namespace {

QString gRoot;

void put(const char *format, const char *name, const QByteArray &bytes)
{
    const QString dir = gRoot + "/" + format;
    QDir().mkpath(dir);
    QFile f(dir + "/" + name);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

gb::RgbImage sample(int w, int h)
{
    gb::RgbImage img = gb::RgbImage::create(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t *p = img.pixel(x, y);
            p[0] = uint8_t(x * 16);
            p[1] = uint8_t(y * 16);
            p[2] = uint8_t((x / 4 + y / 4) % 2 ? 255 : 0);
        }
    return img;
}

QByteArray hex(const char *text) { return QByteArray::fromHex(text); }

QByteArray be(uint32_t v, int bytes)
{
    QByteArray out;
    for (int i = bytes - 1; i >= 0; --i)
        out.append(char((v >> (8 * i)) & 255));
    return out;
}

QByteArray le(uint32_t v, int bytes)
{
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out.append(char((v >> (8 * i)) & 255));
    return out;
}

#ifdef HAVE_METAFILE
// WMF and EMF files that use the other bitmap records: DIBBitBlt and SetDIBitsToDevice
// under a window origin and extent; BitBlt and SetDIBitsToDevice.
void putOtherMetafiles(const gb::RgbImage &img)
{
    const QByteArray dib = gb::encodeDib(img);
    const uint32_t w = uint32_t(img.width()), h = uint32_t(img.height());
    auto record = [](uint16_t function, const QByteArray &params) {
        QByteArray p = params;
        if (p.size() % 2)
            p.append('\0');
        return le(uint32_t(3 + p.size() / 2), 4) + le(function, 2) + p;
    };
    QByteArray wmf = le(1, 2) + le(9, 2) + le(0x300, 2) + le(0, 4) + le(0, 2) + le(0, 4) + le(0, 2);
    wmf += record(0x020B, le(0, 2) + le(0, 2));
    wmf += record(0x020C, le(2 * h, 2) + le(2 * w, 2));
    wmf += record(0x0940, le(0x00CC0020, 4) + le(0, 2) + le(0, 2) + le(h, 2) + le(w, 2) + le(0, 2) + le(0, 2) + dib);
    wmf += record(0x0D33, le(0, 2) + le(h, 2) + le(0, 2) + le(0, 2) + le(0, 2) + le(h, 2) + le(w, 2) + le(h, 2)
                              + le(w, 2) + dib);
    wmf += record(0, QByteArray());
    put("wmf", "blits.wmf", wmf);

    QByteArray emf = le(1, 4) + le(88, 4) + le(0, 4) + le(0, 4) + le(2 * w - 1, 4) + le(2 * h - 1, 4)
        + QByteArray(16, '\0') + le(0x464D4520, 4) + le(0x10000, 4) + le(0, 4) + le(4, 4) + le(1, 4)
        + QByteArray(12, '\0') + le(1920, 4) + le(1080, 4) + le(508, 4) + le(286, 4);
    const QByteArray header = dib.left(40), bits = dib.mid(40);
    QByteArray blt = le(76, 4) + le(100 + dib.size(), 4) + QByteArray(16, '\0') + le(0, 4) + le(0, 4) + le(w, 4)
        + le(h, 4) + le(0x00CC0020, 4) + le(0, 4) + le(0, 4) + QByteArray(24, '\0') + le(0, 4) + le(0, 4)
        + le(100, 4) + le(40, 4) + le(140, 4) + le(bits.size(), 4) + header + bits;
    QByteArray toDevice = le(80, 4) + le(76 + dib.size(), 4) + QByteArray(16, '\0') + le(w, 4) + le(h, 4) + le(0, 4)
        + le(0, 4) + le(w, 4) + le(h, 4) + le(76, 4) + le(40, 4) + le(116, 4) + le(bits.size(), 4) + le(0, 4)
        + le(0, 4) + le(h, 4) + header + bits;
    emf += blt + toDevice + le(14, 4) + le(20, 4) + le(0, 4) + le(16, 4) + le(20, 4);
    put("emf", "blits.emf", emf);
}
#endif

// A Photoshop file of channels planes of height rows of rowBytes bytes each (all rows
// alike), raw or coded as one literal run per row.
QByteArray psd(int mode, int depth, int channels, int width, int height, bool rle, const QByteArray &modeData)
{
    QByteArray out = "8BPS" + be(1, 2) + QByteArray(6, '\0') + be(uint32_t(channels), 2) + be(uint32_t(height), 4)
        + be(uint32_t(width), 4) + be(uint32_t(depth), 2) + be(uint32_t(mode), 2);
    out += be(uint32_t(modeData.size()), 4) + modeData + be(0, 4) + be(0, 4) + be(rle ? 1 : 0, 2);
    const int rowBytes = width * depth / 8;
    QByteArray row;
    for (int i = 0; i < rowBytes; ++i)
        row.append(char(i * 37));
    const int rows = channels * height;
    if (rle) {
        const QByteArray coded = char(rowBytes - 1) + row;
        for (int k = 0; k < rows; ++k)
            out += be(uint32_t(coded.size()), 2);
        for (int k = 0; k < rows; ++k)
            out += coded;
    } else {
        for (int k = 0; k < rows; ++k)
            out += row;
    }
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_seeds <corpus root>\n");
        return 2;
    }
    gRoot = QString::fromLocal8Bit(argv[1]);
    const gb::RgbImage img = sample(13, 7);
    QByteArray out;
    int error = 0;

    if (gb::writeBmp(img, out, error))
        put("bmp", "rgb24.bmp", out);
    // 4 x 2 RLE8 and RLE4 with a four-entry table, and a top-down 1-bit image.
    put("bmp", "rle8.bmp", hex("424d00000000000000004a000000280000000400000002000000010008000100000000000000000000000000"
                               "0400000000000000000000000000ff0000ff0000ff0000000201000003010201000000020100000001"));
    put("bmp", "rle4.bmp", hex("424d00000000000000004a000000280000000400000002000000010004000200000000000000000000000000"
                               "0400000000000000000000000000ff0000ff0000ff0000000412000000030123000000020100000001"));
    put("bmp", "mono.bmp", hex("424d00000000000000003e0000002800000003000000feffffff01000100000000000000000000000000000000000200000000000000"
                               "00000000ffffff00a000000040000000"));
    if (gb::writePcx(img, out, error))
        put("pcx", "rgb24.pcx", out);
    if (gb::writeTga(img, out, error))
        put("tga", "rgb24.tga", out);
    // Run-length coded 24-bit, top-left origin, 3 x 2.
    put("tga", "rle24.tga", hex("00000a000000000000000000030002001820" "820000ff02ff000000ff00000102"));
    // Colour-mapped, 8-bit indices, 24-bit map of 2 entries.
    put("tga", "mapped.tga", hex("000101000002001800000000020001000820" "0000ff00ff00" "0100"));
    put("psd", "rgb_raw.psd", psd(3, 8, 3, 5, 3, false, QByteArray()));
    put("psd", "rgb_rle.psd", psd(3, 8, 4, 5, 3, true, QByteArray()));
    put("psd", "grey16_rle.psd", psd(1, 16, 1, 4, 2, true, QByteArray()));
    put("psd", "indexed.psd", psd(2, 8, 1, 4, 2, false, QByteArray(768, '\x40')));
    put("psd", "cmyk_rle.psd", psd(4, 8, 4, 3, 3, true, QByteArray()));
#ifdef HAVE_METAFILE
    if (gb::writeWmf(img, out, error))
        put("wmf", "bitmap.wmf", out);
    if (gb::writeEmf(img, out, error))
        put("emf", "bitmap.emf", out);
    putOtherMetafiles(sample(3, 2));
#endif
    if (gb::writeJpeg(img, out, error, 80, false))
        put("jpeg", "baseline.jpg", out);
    if (gb::writeJpeg(img, out, error, 80, true))
        put("jpeg", "progressive.jpg", out);
    if (gb::writePng(img, out, error))
        put("png", "rgb.png", out);
    if (gb::writeGif(img, out, error, 16))
        put("gif", "sixteen.gif", out);
    if (gb::writeTiff(img, out, error))
        put("tiff", "rgb.tif", out);
    return 0;
}
