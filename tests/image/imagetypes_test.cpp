#include "image/imagetypes.h"
#include "image/rgbutils.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace gb;

TEST(ImageTypes, ExtensionGivesTheTypeCode)
{
    const struct {
        const char *name;
        int code;
    } cases[] = {
        {"/photos/Beach.JPG", 3}, {"beach.jpg", 3}, {"beach.Jpg", 3},
        {"beach.jpeg", 0},        {"scan.tiff", 0}, {"beach.jpg ", 0},
        {"beach", 0},             {"beach.", 0},    {"/My.Pictures/beach", 0},
        {"a.bmp", 1},             {"a.gif", 2},     {"a.png", 4},
        {"a.pcx", 5},             {"a.tif", 6},     {"a.wmf", 7},
        {"a.emf", 8},             {"a.tga", 9},     {"layers.psd", 10},
        {"/a.b/c.d/x.PnG", 4},    {"", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(guessFormatFromExtension(QString::fromUtf8(c.name)), c.code) << c.name;
}

TEST(ImageTypes, WritableFormatsAndTheirExtensions)
{
    const std::vector<FileTypeEntry> expected = {
        {".bmp: Windows Bitmap", 1},    {".emf: Windows enhaced metafile", 8},
        {".pcx: Zsoft Paintbrush", 5},  {".gif: CompuServe GIF", 2},
        {".png: PiNG", 4},              {".tif: Tagget Image Format", 6},
        {".jpg: JPEG Compressed", 3},   {".tga: Targa True Vision", 9},
        {".wmf: Windows Metafile", 7},
    };
    std::vector<FileTypeEntry> list = fileTypes();
    EXPECT_EQ(list, expected);
    list.push_back({"same as original", 0});
    list[0].label = "changed";
    EXPECT_EQ(fileTypes(), expected);

    const char *exts[] = {"", "bmp", "gif", "jpg", "png", "pcx", "tif", "wmf", "emf", "tga", "", ""};
    for (int code = 0; code <= 11; ++code)
        EXPECT_EQ(returnProperExt(code), QString::fromLatin1(exts[code])) << code;
    // Every writable extension names its own type again.
    for (const FileTypeEntry &e : expected)
        EXPECT_EQ(guessFormatFromExtension("x." + returnProperExt(e.code)), e.code);
}

TEST(RgbUtils, CalcNewDimsFitsWithoutEnlarging)
{
    const struct {
        int64_t w, h, bw, bh;
        int nw, nh;
        bool reduced;
    } cases[] = {
        {640, 480, 100, 100, 100, 75, true},
        {80, 60, 100, 100, 80, 60, false},
        {100, 100, 100, 100, 100, 100, false},
        {1000, 1, 100, 100, 100, 1, true}, // a side of 0 becomes 1
        {101, 100, 100, 100, 100, 99, true},
        {3, 1000, 80, 80, 1, 80, true},    // 0.24 rounds to 0, made 1
        {250, 150, 100, 100, 100, 60, true},
        {1, 3, 1, 2, 1, 2, true},          // 0.67 rounds up to 1
        {300000, 200000, 80, 80, 80, 53, true},
        {0, 50, 10, 10, 0, 50, false},
    };
    for (const auto &c : cases) {
        int nw = -1, nh = -1;
        EXPECT_EQ(calcNewDims(c.w, c.h, c.bw, c.bh, nw, nh), c.reduced) << c.w << "x" << c.h;
        EXPECT_EQ(nw, c.nw) << c.w << "x" << c.h;
        EXPECT_EQ(nh, c.nh) << c.w << "x" << c.h;
    }
}

namespace {

int countColor(const RgbImage &img, uint8_t r, uint8_t g, uint8_t b, int x0, int y0, int x1, int y1)
{
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const uint8_t *p = img.pixel(x, y);
            n += p[0] == r && p[1] == g && p[2] == b;
        }
    return n;
}

} // namespace

TEST(RgbUtils, FillIsCutAtEveryEdge)
{
    RgbImage img = RgbImage::filled(100, 50, 0, 0, 0);
    // Past the right and bottom edges: columns 91-100 of rows 41-50 (one-based).
    EXPECT_TRUE(fillRgbSolidRect(img, 91, 41, 20, 20, 1, 2, 3));
    EXPECT_EQ(countColor(img, 1, 2, 3, 90, 40, 100, 50), 100);
    EXPECT_EQ(countColor(img, 1, 2, 3, 0, 0, 100, 50), 100);

    // Starting left of and above the image: only the part inside is filled.
    EXPECT_TRUE(fillRgbSolidRect(img, -4, -9, 10, 12, 9, 9, 9));
    EXPECT_EQ(countColor(img, 9, 9, 9, 0, 0, 100, 50), 5 * 2);
    EXPECT_EQ(countColor(img, 9, 9, 9, 0, 0, 5, 2), 10);

    // Wholly outside: nothing written, nothing failed.
    EXPECT_TRUE(fillRgbSolidRect(img, 101, 1, 5, 5, 7, 7, 7));
    EXPECT_TRUE(fillRgbSolidRect(img, -20, 1, 5, 5, 7, 7, 7));
    EXPECT_EQ(countColor(img, 7, 7, 7, 0, 0, 100, 50), 0);
}

TEST(RgbUtils, AverageBlendsHalfwayAndIsCut)
{
    RgbImage img = RgbImage::filled(10, 10, 0, 0, 0);
    fillRgbSolidRect(img, 6, 1, 5, 10, 255, 255, 255);
    RgbImage copy = img.clone();
    EXPECT_TRUE(averageRgb(copy, 1, 1, 10, 10, 255));
    EXPECT_EQ(copy.pixel(0, 0)[0], 127); // black
    EXPECT_EQ(copy.pixel(9, 9)[2], 255); // white stays
    copy = img.clone();
    EXPECT_TRUE(averageRgb(copy, 1, 1, 10, 10, 0));
    EXPECT_EQ(copy.pixel(9, 0)[1], 127);

    // One pixel past the right edge: the part inside changes, the buffer's end is safe.
    copy = img.clone();
    EXPECT_TRUE(averageRgb(copy, 10, 10, 2, 2, 0));
    EXPECT_EQ(copy.pixel(9, 9)[0], 127);
    EXPECT_EQ(copy.pixel(8, 9)[0], 255);
    // Wholly outside: false; empty: true; both unchanged.
    copy = img.clone();
    EXPECT_FALSE(averageRgb(copy, 11, 1, 3, 3, 0));
    EXPECT_FALSE(averageRgb(copy, -5, 1, 3, 3, 0));
    EXPECT_TRUE(averageRgb(copy, 1, 1, 0, 3, 0));
    EXPECT_EQ(memcmp(copy.data(), img.data(), img.byteCount()), 0);
}
