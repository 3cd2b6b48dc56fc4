#include "common/appdirs.h"
#include "image/imageload.h"
#include "image/imagesave.h"
#include "image/imagetypes.h"
#include "image/thumbnail.h"
#include "platform/imagelib/pixeldiff.h"
#include "support/testutil.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <cstring>
#include <set>

#include <sys/stat.h>

using namespace gb;
using gbtest::maxDiff;

namespace {

RgbImage picture(int w, int h)
{
    RgbImage img = RgbImage::create(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t *p = img.pixel(x, y);
            p[0] = uint8_t(x * 255 / std::max(1, w - 1));
            p[1] = uint8_t(y * 255 / std::max(1, h - 1));
            p[2] = uint8_t(((x / 8) + (y / 8)) % 2 ? 200 : 40);
        }
    return img;
}


size_t distinctColors(const RgbImage &img)
{
    std::set<uint32_t> seen;
    for (size_t i = 0; i < img.pixelCount(); ++i) {
        const uint8_t *p = img.data() + i * 3;
        seen.insert(p[0] | (p[1] << 8) | (p[2] << 16));
    }
    return seen.size();
}

QString saved(const QString &dir, const QString &name, const RgbImage &img, int type = 0,
              int colors = 256, int quality = 90)
{
    const QString path = dir + "/" + name;
    EXPECT_TRUE(saveRgb2File(img, path, type, quality, false, 0.0, colors)) << name.toStdString();
    return path;
}

} // namespace

TEST(ImageLoad, ErrorTexts)
{
    EXPECT_EQ(getErrorMsg(0), "Unrecognized image format");
    EXPECT_EQ(getErrorMsg(1), "Out of memory");
    EXPECT_EQ(getErrorMsg(9), "Bad JPG file");
    EXPECT_EQ(getErrorMsg(16), "Internal PNG lib behavior - contact KVT Inc.");
    EXPECT_EQ(getErrorMsg(31), "Not enough room in the output palette to store the colors from this image");
    EXPECT_EQ(getErrorMsg(36), "LZW decompression has not been activated");
    EXPECT_EQ(getErrorMsg(37), "Unknown error with error code 37");
    EXPECT_EQ(getErrorMsg(-1), "Unknown error with error code -1");
}

TEST(ImageLoad, WritableTypesRoundTripThroughFiles)
{
    const QString dir = gbtest::makeTempDir();
    const RgbImage src = picture(45, 31);
    const struct {
        const char *name;
        int tolerance;
    } cases[] = {{"a.bmp", 0}, {"a.png", 0}, {"a.pcx", 0}, {"a.tga", 0}, {"a.wmf", 0},
                 {"a.emf", 0}, {"a.tif", 40}, {"a.gif", 40}, {"a.jpg", 64}};
    // (TIFF and GIF at 256 colours go through the quantiser; JPEG rings at the checker edges.)
    for (const auto &c : cases) {
        const QString path = saved(dir, c.name, src);
        int w = 0, h = 0;
        QString error;
        const RgbImage back = createRgbFromFile(path, w, h, error);
        ASSERT_FALSE(back.isNull()) << c.name << ": " << error.toStdString();
        EXPECT_EQ(w, 45);
        EXPECT_EQ(h, 31);
        EXPECT_LE(maxDiff(src, back), c.tolerance) << c.name;
        // Metafiles and Targa files load, but their size is not read from the header.
        const int type = guessFormatFromExtension(path);
        const bool measured = type != ImageTypeTga && type != ImageTypeWmf && type != ImageTypeEmf;
        int bits = 0;
        w = h = 0;
        EXPECT_EQ(getImageDims(path, w, h, bits, error), measured) << c.name;
        if (measured) {
            EXPECT_EQ(w * 100 + h, 45 * 100 + 31) << c.name;
        }
    }
    // TIFF with 0 colours is 24-bit and exact.
    const QString tif = saved(dir, "b.tif", src, 0, 0);
    int w = 0, h = 0;
    QString error;
    EXPECT_EQ(maxDiff(src, createRgbFromFile(tif, w, h, error)), 0);
}

TEST(ImageLoad, ContentDecidesExtensionOnlyNamesTheUnknown)
{
    const QString dir = gbtest::makeTempDir();
    const RgbImage src = picture(20, 10);
    // A JPEG named .bmp loads as JPEG.
    const QString jpg = saved(dir, "photo.jpg", src);
    QFile::copy(jpg, dir + "/photo.bmp");
    int w = 0, h = 0;
    QString error;
    EXPECT_FALSE(createRgbFromFile(dir + "/photo.bmp", w, h, error).isNull());

    struct Case {
        const char *name;
        QByteArray bytes;
        const char *text;
    } cases[] = {
        {"missing.jpg", QByteArray(), "Error on file open"},
        {"notes.txt", "just some words", "Unrecognized image format"},
        {"empty.png", "", "Bad PNG file"},
        // Photoshop bytes named .jpg go to the JPEG reader, which refuses them.
        {"layers.jpg", QByteArray("8BPS\0\1\0\0\0\0\0\0\0\3\0\0\0\20\0\0\0\20\0\10\0\3", 26), "Bad JPG file"},
        {"cut.gif", "GIF89a\x10\0\x10\0", "Bad GIF file"},
    };
    // A folder is no image file.
    QDir(dir).mkdir("folder.jpg");
    EXPECT_TRUE(createRgbFromFile(dir + "/folder.jpg", w, h, error).isNull());
    EXPECT_EQ(error, "Error on file open");
    // Nor is a named pipe, and loading one must not wait for a writer.
    const QString pipe = dir + "/pipe.jpg";
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    error.clear();
    EXPECT_TRUE(createRgbFromFile(pipe, w, h, error).isNull());
    EXPECT_EQ(error, "Error on file open");
    int bits = 0;
    EXPECT_FALSE(getImageDims(pipe, w, h, bits, error));
    for (const Case &c : cases) {
        const QString path = dir + "/" + c.name;
        if (QByteArray(c.name) != "missing.jpg") {
            ASSERT_TRUE(gbtest::writeFile(path, c.bytes));
        }
        error.clear();
        EXPECT_TRUE(createRgbFromFile(path, w, h, error).isNull()) << c.name;
        EXPECT_EQ(error, QString::fromLatin1(c.text)) << c.name;
    }
}

namespace {

// A raw 8-bit RGB Photoshop file: header, three empty sections, planar channel data.
QByteArray photoshopFile(const RgbImage &img)
{
    QByteArray f("8BPS\0\1\0\0\0\0\0\0\0\3", 14);
    auto be32 = [&f](uint32_t v) {
        for (int s = 24; s >= 0; s -= 8)
            f.append(char((v >> s) & 255));
    };
    be32(uint32_t(img.height()));
    be32(uint32_t(img.width()));
    f.append("\0\x08\0\x03", 4); // depth 8, RGB
    be32(0);
    be32(0);
    be32(0);
    f.append("\0\0", 2); // raw data
    for (int c = 0; c < 3; ++c)
        for (size_t i = 0; i < img.pixelCount(); ++i)
            f.append(char(img.data()[i * 3 + size_t(c)]));
    return f;
}

} // namespace

TEST(ImageLoad, PhotoshopFilesAreFoundByTheirName)
{
    const QString dir = gbtest::makeTempDir();
    const RgbImage src = picture(12, 7);
    gbtest::writeFile(dir + "/layers.psd", photoshopFile(src));
    int w = 0, h = 0, bits = -3;
    QString error;
    const RgbImage img = createRgbFromFile(dir + "/layers.psd", w, h, error);
    ASSERT_FALSE(img.isNull()) << error.toStdString();
    EXPECT_EQ(maxDiff(img, src), 0);
    w = h = 0;
    EXPECT_TRUE(getImageDims(dir + "/layers.psd", w, h, bits, error));
    EXPECT_EQ(w * 100 + h, 1207);
    EXPECT_EQ(bits, -3); // the Photoshop path leaves bits alone

    const RgbImage thumb = createFittedRgbFromFile(dir + "/layers.psd", 6, 6, w, h, error);
    EXPECT_EQ(thumb.width() * 100 + thumb.height(), 604);
    EXPECT_EQ(w * 100 + h, 1207);

    gbtest::writeFile(dir + "/layers.jpg", photoshopFile(src));
    EXPECT_TRUE(createRgbFromFile(dir + "/layers.jpg", w, h, error).isNull());
    EXPECT_EQ(error, "Bad JPG file");
}

TEST(ImageLoad, DimsFailForUnknownAndMissingFilesAndLeaveTheSize)
{
    const QString dir = gbtest::makeTempDir();
    gbtest::writeFile(dir + "/x.txt", "hello");
    int w = 7, h = 8, bits = 9;
    QString error;
    EXPECT_FALSE(getImageDims(dir + "/x.txt", w, h, bits, error));
    EXPECT_EQ(error, "Unrecognized image format");
    EXPECT_FALSE(getImageDims(dir + "/none.jpg", w, h, bits, error));
    EXPECT_EQ(error, "Error on file open");
    EXPECT_EQ(w * 100 + h, 708);

    // A Targa header is recognised, but the size of a Targa file is not read.
    QByteArray tga(18, '\0');
    tga[2] = 2;
    tga[12] = 2;
    tga[14] = 2;
    tga[16] = 24;
    tga.append(QByteArray(12, '\x7f'));
    gbtest::writeFile(dir + "/x.tga", tga);
    EXPECT_FALSE(getImageDims(dir + "/x.tga", w, h, bits, error));
    EXPECT_EQ(w * 100 + h, 708);

    saved(dir, "g.gif", picture(8, 8));
    EXPECT_TRUE(getImageDims(dir + "/g.gif", w, h, bits, error));
    EXPECT_EQ(bits, 6); // 64 colours: a 64-entry table
}

TEST(ImageLoad, FromStringDecodesInMemoryAndLeavesNoFile)
{
    const QString dir = gbtest::makeTempDir();
    for (const char *name : {"t.jpg", "t.png"}) {
        const QByteArray bytes = gbtest::readFile(saved(dir, name, picture(30, 20)));
        int w = 0, h = 0;
        QString error;
        const RgbImage img = createRgbFromString(bytes, w, h, error);
        ASSERT_FALSE(img.isNull()) << name;
        EXPECT_EQ(w, 30);
        EXPECT_EQ(h, 20);
    }
    int w = 0, h = 0;
    QString error;
    EXPECT_TRUE(createRgbFromString("garbage", w, h, error).isNull());
    EXPECT_EQ(error, "Bad JPG file");
    EXPECT_FALSE(QFile::exists(programDataDir() + "_kvtimag.jpg"));
}

TEST(ImageSave, TypeFromNameAndRefusedTypes)
{
    const QString dir = gbtest::makeTempDir();
    const RgbImage src = picture(16, 16);
    saved(dir, "x.gif", src);
    int w = 0, h = 0, bits = 0;
    QString error;
    EXPECT_TRUE(getImageDims(dir + "/x.gif", w, h, bits, error));
    EXPECT_EQ(gbtest::readFile(dir + "/x.gif").left(3), "GIF");

    EXPECT_FALSE(saveRgb2File(src, dir + "/x.jpeg", 0, 80, false, 0.0, 256));
    EXPECT_FALSE(QFile::exists(dir + "/x.jpeg"));

    // Type 10 and a failing writer leave an existing file as it was.
    gbtest::writeFile(dir + "/keep.psd", "old");
    EXPECT_FALSE(saveRgb2File(src, dir + "/keep.psd", 10, 80, false, 0.0, 256));
    gbtest::writeFile(dir + "/keep.png", "old");
    EXPECT_FALSE(saveRgb2File(RgbImage(), dir + "/keep.png", 0, 80, false, 0.0, 256, &error));
    EXPECT_EQ(gbtest::readFile(dir + "/keep.psd"), "old");
    EXPECT_EQ(gbtest::readFile(dir + "/keep.png"), "old");
    EXPECT_EQ(QDir(dir).entryList(QDir::Files).size(), 3); // no temporary left behind
    // A folder that does not exist.
    EXPECT_FALSE(saveRgb2File(src, dir + "/none/x.png", 0, 80, false, 0.0, 256, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(ImageSave, ReplacedFileKeepsItsPermissions)
{
    const QString dir = gbtest::makeTempDir();
    const QString path = dir + "/p.png";
    gbtest::writeFile(path, "old");
    const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QFile::setPermissions(path, mode);
    saved(dir, "p.png", picture(4, 4));
    EXPECT_EQ(QFile::permissions(path) & 0x7077, mode & 0x7077);
    EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList{"p.png"});
}

TEST(ImageSave, ColourCountsOfGifAndTiff)
{
    const QString dir = gbtest::makeTempDir();
    const RgbImage src = picture(64, 64); // far more than 256 colours
    ASSERT_GT(distinctColors(src), 256u);
    const struct {
        const char *name;
        int colors;
        int bits;            // as the header reports
        size_t maxColors;    // in the image read back
    } cases[] = {
        {"g0.gif", 0, 8, 256},   {"gm5.gif", -5, 8, 256}, {"g16.gif", 16, 4, 16},
        {"t256.tif", 256, 8, 256}, {"t0.tif", 0, 24, 64 * 64}, {"t257.tif", 257, 24, 64 * 64},
        {"t4.tif", 4, 8, 4},
    };
    for (const auto &c : cases) {
        const QString path = saved(dir, c.name, src, 0, c.colors);
        int w = 0, h = 0, bits = 0;
        QString error;
        ASSERT_TRUE(getImageDims(path, w, h, bits, error));
        EXPECT_EQ(bits, c.bits) << c.name;
        const RgbImage back = createRgbFromFile(path, w, h, error);
        const size_t n = distinctColors(back);
        EXPECT_LE(n, c.maxColors) << c.name;
        EXPECT_GT(n, c.maxColors / 2) << c.name;
    }
}

TEST(Thumbnail, AreaReductionAveragesExactly)
{
    // 4x2 -> 2x1: each target pixel is the mean of a 2x2 block.
    RgbImage src = RgbImage::create(4, 2);
    const uint8_t v[8] = {0, 10, 100, 200, 20, 30, 50, 51};
    for (int i = 0; i < 8; ++i)
        memset(src.pixel(i % 4, i / 4), v[i], 3);
    RgbImage dst = reduceToSize(src, 2, 1);
    ASSERT_EQ(dst.width(), 2);
    EXPECT_EQ(dst.pixel(0, 0)[0], 15);  // (0+10+20+30)/4
    EXPECT_EQ(dst.pixel(1, 0)[1], 100); // (100+200+50+51)/4 = 100.25
    // 3 -> 2: the middle source pixel is split half and half.
    RgbImage row = RgbImage::create(3, 1);
    memset(row.pixel(0, 0), 0, 3);
    memset(row.pixel(1, 0), 100, 3);
    memset(row.pixel(2, 0), 200, 3);
    dst = reduceToSize(row, 2, 1);
    EXPECT_EQ(dst.pixel(0, 0)[0], 33);  // (0*2 + 100*1)/3
    EXPECT_EQ(dst.pixel(1, 0)[0], 167); // (100*1 + 200*2)/3
    // A uniform image stays uniform at any size; same size copies; larger is refused.
    const RgbImage grey = RgbImage::filled(97, 61, 77, 78, 79);
    dst = reduceToSize(grey, 13, 7);
    for (size_t i = 0; i < dst.pixelCount(); ++i)
        ASSERT_EQ(dst.data()[i * 3 + 2], 79);
    EXPECT_EQ(memcmp(reduceToSize(grey, 97, 61).data(), grey.data(), grey.byteCount()), 0);
    EXPECT_TRUE(reduceToSize(grey, 98, 61).isNull());
    // A row too wide for 32-bit sums (over 16.8 million pixels) takes the 64-bit road.
    RgbImage wide = RgbImage::filled(17000000, 1, 250, 250, 250);
    ASSERT_FALSE(wide.isNull());
    memset(wide.data(), 0, size_t(8500000) * 3); // left half black
    dst = reduceToSize(wide, 2, 1);
    EXPECT_EQ(dst.pixel(0, 0)[0], 0);
    EXPECT_EQ(dst.pixel(1, 0)[0], 250);
}

TEST(Thumbnail, FittedLoadMatchesFullLoadAndReportsTheFullSize)
{
    const QString dir = gbtest::makeTempDir();
    const RgbImage src = picture(900, 600);
    for (const char *name : {"big.png", "big.jpg"}) {
        const QString path = saved(dir, name, src, 0, 256, 95);
        int w = 0, h = 0;
        QString error;
        const RgbImage full = createRgbFromFile(path, w, h, error);
        const RgbImage expected = reduceToSize(full, 80, 53);
        const RgbImage thumb = createFittedRgbFromFile(path, 80, 80, w, h, error);
        ASSERT_FALSE(thumb.isNull()) << name;
        EXPECT_EQ(w, 900);
        EXPECT_EQ(h, 600);
        EXPECT_EQ(thumb.width(), 80);
        EXPECT_EQ(thumb.height(), 53);
        // PNG takes the same road; JPEG's reduced decode differs only a little.
        EXPECT_LE(maxDiff(thumb, expected), QByteArray(name) == "big.png" ? 0 : 24) << name;

        const RgbImage fromBytes =
            createFittedRgbFromString(gbtest::readFile(path), 80, 80, w, h, error);
        EXPECT_EQ(maxDiff(fromBytes, thumb), 0);
    }
    // A small image is returned as it is; failures carry the loader's text.
    const QString small = saved(dir, "small.png", picture(30, 20));
    int w = 0, h = 0;
    QString error;
    EXPECT_EQ(createFittedRgbFromFile(small, 80, 80, w, h, error).width(), 30);
    EXPECT_TRUE(createFittedRgbFromFile(dir + "/none.jpg", 80, 80, w, h, error).isNull());
    EXPECT_EQ(error, "Error on file open");
}

namespace {

QByteArray patchedLe(QByteArray file, int at, std::initializer_list<uint32_t> values)
{
    for (uint32_t v : values) {
        for (int i = 0; i < 4; ++i)
            file[at++] = char((v >> (8 * i)) & 255);
    }
    return file;
}

QByteArray patchedLe16(QByteArray file, int at, std::initializer_list<int> values)
{
    for (int v : values) {
        file[at++] = char(v & 255);
        file[at++] = char((v >> 8) & 255);
    }
    return file;
}

} // namespace

// The size read from the header is the size the loader gives, and a header the loader refuses
// has no size.
TEST(ImageLoad, DimsAgreeWithTheLoader)
{
    const QString dir = gbtest::makeTempDir();
    const QByteArray gif = gbtest::readFile(saved(dir, "g.gif", picture(8, 6), 0, 2));
    // The frame's descriptor follows the screen and its colour table.
    const int frame = 13 + 3 * (1 << ((uchar(gif[10]) & 7) + 1));
    ASSERT_EQ(gif[frame], ',');
    const QByteArray bmp = gbtest::readFile(saved(dir, "b.bmp", picture(8, 6)));
    const QByteArray png = gbtest::readFile(saved(dir, "p.png", picture(8, 6)));
    QByteArray hugePng = png;
    for (int at : {16, 20}) // IHDR width and height, big-endian 2^31
        hugePng.replace(at, 4, QByteArray("\x80\x00\x00\x00", 4));
    const struct Case {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"screen.gif", patchedLe16(gif, 6, {0})},               // the frame stands alone
        {"nothing.gif", patchedLe16(patchedLe16(gif, 6, {0}), frame + 5, {0})}, // width 0 everywhere
        {"tall.gif", patchedLe16(gif, frame + 7, {0})},
        {"huge.bmp", patchedLe(bmp, 18, {0x80000000u, 0x80000000u})},
        {"huge.png", hugePng},
    };
    for (const Case &c : cases) {
        const QString path = dir + "/" + c.name;
        ASSERT_TRUE(gbtest::writeFile(path, c.bytes));
        int lw = -1, lh = -1, w = -1, h = -1, bits = 0;
        QString loadError, dimsError;
        const bool loaded = !createRgbFromFile(path, lw, lh, loadError).isNull();
        EXPECT_EQ(getImageDims(path, w, h, bits, dimsError), loaded) << c.name << " " << w << "x" << h;
        if (loaded) {
            EXPECT_EQ(w, lw) << c.name;
            EXPECT_EQ(h, lh) << c.name;
        } else {
            EXPECT_FALSE(dimsError.isEmpty()) << c.name;
        }
    }
}

// A camera's quarter-turned photo is measured and loaded upright, thumbnails included.
TEST(ImageLoad, TurnedPhotoIsUprightEverywhere)
{
    const QString dir = gbtest::makeTempDir();
    const QByteArray plain = gbtest::readFile(saved(dir, "plain.jpg", picture(400, 200), 0, 256, 95));
    QByteArray exif("Exif\0\0II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0\x06\0\0\0\0\0\0\0", 32);
    QByteArray app1("\xFF\xE1", 2);
    app1 += char(0);
    app1 += char(exif.size() + 2);
    const QString path = dir + "/turned.jpg";
    ASSERT_TRUE(gbtest::writeFile(path, plain.left(2) + app1 + exif + plain.mid(2)));

    int w = 0, h = 0, bits = 0;
    QString error;
    ASSERT_TRUE(getImageDims(path, w, h, bits, error));
    EXPECT_EQ(w * 10000 + h, 200 * 10000 + 400);
    const RgbImage full = createRgbFromFile(path, w, h, error);
    ASSERT_FALSE(full.isNull());
    EXPECT_EQ(full.width() * 10000 + full.height(), 200 * 10000 + 400);
    // The stored top-left (dark red, green 0) turns to the top-right.
    EXPECT_LT(full.pixel(199, 0)[0], 40);
    EXPECT_LT(full.pixel(199, 0)[1], 40);
    const RgbImage thumb = createFittedRgbFromFile(path, 40, 40, w, h, error);
    ASSERT_FALSE(thumb.isNull());
    EXPECT_EQ(thumb.width() * 100 + thumb.height(), 20 * 100 + 40);
    EXPECT_EQ(w * 10000 + h, 200 * 10000 + 400);
}
