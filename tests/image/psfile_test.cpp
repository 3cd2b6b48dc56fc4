#include "image/psfile.h"

#include "platform/imagelib/codectestutil.h"
#include "support/testutil.h"

#include <gtest/gtest.h>

#include <vector>

using namespace gb;
using gbtest::Bytes;
using gbtest::expectPixels;

namespace {

using Plane = std::vector<QByteArray>; // stored rows of one channel, top to bottom

// PackBits as Photoshop writes it: repeats of 3 or more as runs, the rest as literals.
QByteArray packBits(const QByteArray &row)
{
    QByteArray out;
    int i = 0;
    while (i < row.size()) {
        int run = 1;
        while (i + run < row.size() && run < 128 && row[i + run] == row[i])
            ++run;
        if (run >= 3) {
            out.append(char(257 - run));
            out.append(row[i]);
            i += run;
            continue;
        }
        int lit = 1;
        while (i + lit < row.size() && lit < 128
               && !(i + lit + 2 < row.size() && row[i + lit] == row[i + lit + 1] && row[i + lit] == row[i + lit + 2]))
            ++lit;
        out.append(char(lit - 1));
        out.append(row.mid(i, lit));
        i += lit;
    }
    return out;
}

struct PsdSpec {
    int mode = 3;
    int depth = 8;
    int width = 2;
    std::vector<Plane> planes;
    int compression = 0;
    QByteArray colourModeData = {};
    int version = 1;
    const char *signature = "8BPS";
};

QByteArray makePsd(const PsdSpec &s)
{
    const int height = s.planes.empty() ? 1 : int(s.planes[0].size());
    Bytes b;
    b.text(s.signature).be16(s.version).zeros(6).be16(int(s.planes.size())).be32(height).be32(s.width)
        .be16(s.depth).be16(s.mode);
    b.be32(s.colourModeData.size()).raw(s.colourModeData);
    b.be32(6).text("8BIM\1\2");          // resources, skipped
    b.be32(4).raw(QByteArray(4, '\x55')); // layers, skipped
    b.be16(s.compression);
    if (s.compression == 1) {
        QByteArray coded;
        for (const Plane &p : s.planes)
            for (const QByteArray &row : p) {
                const QByteArray c = packBits(row);
                b.be16(c.size());
                coded += c;
            }
        b.raw(coded);
    } else {
        for (const Plane &p : s.planes)
            for (const QByteArray &row : p)
                b.raw(row);
    }
    return b.b;
}

QByteArray bytes(std::initializer_list<int> v)
{
    Bytes b;
    return b.list(v).b;
}

// Loads through the object, as createRgbFromPsdFile() does, keeping the message.
RgbImage load(const QByteArray &file, QString &message)
{
    PsFile ps(file);
    RgbImage img = ps.isValid() ? ps.createRgb() : RgbImage();
    message = ps.lastErrorMessage();
    return img;
}

const uint32_t red = 0x0000FF, green = 0x00FF00, blue = 0xFF0000;

// A 2 x 2 RGB image: red, green / blue, white.
std::vector<Plane> rgbPlanes()
{
    return {{bytes({255, 0}), bytes({0, 255})}, {bytes({0, 255}), bytes({0, 255})}, {bytes({0, 0}), bytes({255, 255})}};
}

} // namespace

TEST(PsFile, RgbRunLengthLoadsAndAnExtraAlphaChannelChangesNothing)
{
    QString message;
    const std::vector<uint32_t> expected{red, green, blue, 0xFFFFFF};
    for (int compression : {0, 1}) {
        std::vector<Plane> planes = rgbPlanes();
        expectPixels(load(makePsd({3, 8, 2, planes, compression}), message), expected, "rgb");
        planes.push_back({bytes({9, 9}), bytes({9, 9})});
        expectPixels(load(makePsd({3, 8, 2, planes, compression}), message), expected, "rgb + alpha");
        EXPECT_TRUE(message.isEmpty());
    }
}

TEST(PsFile, ConvertsEachModeRawAndCoded)
{
    QByteArray palette(768, '\0');
    palette[5] = char(0x11);        // entry 5: red 0x11
    palette[256 + 5] = char(0x22);  // green 0x22
    palette[512 + 5] = char(0x33);  // blue 0x33
    palette[512 + 200] = char(0xFF);
    struct Case {
        const char *what;
        PsdSpec spec;
        std::vector<uint32_t> expected;
    };
    const Case cases[] = {
        {"grey 8", {1, 8, 3, {{bytes({0, 0x80, 0xFF})}}}, {0, 0x808080, 0xFFFFFF}},
        {"grey 16 takes the first byte", {1, 16, 1, {{bytes({0x12, 0x34})}}}, {0x121212}},
        {"duotone from the first channel", {8, 8, 2, {{bytes({0x40, 0x41})}, {bytes({1, 1})}}}, {0x404040, 0x414141}},
        {"indexed", {2, 8, 2, {{bytes({5, 200})}}, 0, palette}, {0x332211, blue}},
        {"rgb 16", {3, 16, 1, {{bytes({0xAB, 0xCD})}, {bytes({0x01, 0xFF})}, {bytes({0x00, 0x10})}}}, {0x0001AB}},
        // Inks are stored inverted: paper white, full cyan ink, full black ink, and cyan
        // over a fifth of black (R = C * K / 255 on the stored samples).
        {"cmyk", {4, 8, 4, {{bytes({255, 0, 255, 0})}, {bytes({255, 255, 255, 255})}, {bytes({255, 255, 255, 255})},
                            {bytes({255, 255, 0, 204})}}},
         {0xFFFFFF, 0xFFFF00, 0x000000, 0xCCCC00}},
        {"long coded rows", {1, 8, 300, {{QByteArray(300, '\x07'), QByteArray(300, '\x07')}}}, {}},
    };
    for (const Case &c : cases) {
        for (int compression : {0, 1}) {
            PsdSpec spec = c.spec;
            spec.compression = compression;
            QString message;
            const RgbImage img = load(makePsd(spec), message);
            if (c.expected.empty()) {
                ASSERT_FALSE(img.isNull()) << c.what;
                EXPECT_EQ(img.width(), 300);
                EXPECT_EQ(gbtest::colourAt(img, 299, 1), 0x070707u);
            } else {
                expectPixels(img, c.expected, c.what);
            }
            EXPECT_TRUE(message.isEmpty()) << c.what << ": " << message.toStdString();
        }
    }
}

TEST(PsFile, RefusedFilesAndTheirMessages)
{
    const std::vector<Plane> one{{bytes({1, 2})}};
    QByteArray badCounts = makePsd({1, 8, 2, one, 1});
    badCounts[badCounts.size() - 4] = char(0x7F); // the row's byte count reaches past the end
    QByteArray overrun = makePsd({1, 8, 2, one, 1});
    overrun[overrun.size() - 3] = char(5); // a literal of 6 bytes in a 2-byte row
    QByteArray lying = makePsd({3, 8, 2, rgbPlanes(), 1});
    lying[18] = char(0x10); // width 2^28 + 2 over the same few coded bytes
    QByteArray wide = makePsd({3, 8, 2, rgbPlanes(), 1});
    wide[19] = char(0x10); // width 2^20 + 2: allowed, but more than the coded bytes can fill
    const QString shortRead = "An error occured during file reading - Less than expected bytes returned";
    struct Case {
        const char *what;
        QByteArray file;
        QString message;
    };
    const Case cases[] = {
        {"signature 8BPX", makePsd({3, 8, 2, rgbPlanes(), 0, {}, 1, "8BPX"}), "Not a valid photoshop file"},
        {"version 2", makePsd({3, 8, 2, rgbPlanes(), 0, {}, 2}), "Not a valid photoshop file version"},
        {"compression 2", makePsd({3, 8, 2, rgbPlanes(), 2}), "Not supported compression method"},
        {"compression 3", makePsd({3, 8, 2, rgbPlanes(), 3}), "Not supported compression method"},
        {"bitmap", makePsd({0, 8, 2, one}), ""},
        {"1-bit bitmap narrower than a byte", makePsd({0, 1, 4, {{bytes({0x80})}}}), ""},
        {"multichannel", makePsd({7, 8, 2, one}), ""},
        {"Lab", makePsd({9, 8, 2, rgbPlanes()}), ""},
        {"32-bit RGB", makePsd({3, 32, 1, {{bytes({1, 2, 3, 4})}, {bytes({1, 2, 3, 4})}, {bytes({1, 2, 3, 4})}}}), ""},
        {"RGB with two channels", makePsd({3, 8, 2, {one[0], one[0]}}), ""},
        {"indexed without a 768-byte palette", makePsd({2, 8, 2, one, 0, QByteArray(767, '\0')}), ""},
        {"raw data cut short", makePsd({3, 8, 2, rgbPlanes()}).chopped(1), shortRead},
        {"byte counts cut short", makePsd({3, 8, 2, rgbPlanes(), 1}).left(40 + 4 + 6 + 4 + 4 + 2 + 5), shortRead},
        {"coded row past the end", badCounts, shortRead},
        {"header cut short", QByteArray("8BPS\0\1", 6), "Not a valid photoshop file"},
        {"section length past the end", makePsd({3, 8, 2, rgbPlanes(), 0, QByteArray(4, '\0')}).left(30),
         "Not a valid photoshop file"},
        {"coded row writes past its end", overrun, "Damaged run-length data in photoshop file"},
        {"huge image over little coded data", lying, "Unsufficient system memory"},
        {"wide image over little coded data", wide, "Damaged run-length data in photoshop file"},
    };
    for (const Case &c : cases) {
        QString message = "unset";
        EXPECT_TRUE(load(c.file, message).isNull()) << c.what;
        EXPECT_EQ(message, c.message) << c.what;
    }
}

TEST(PsFile, IndexedWithoutPaletteHasNoColours)
{
    PsFile ps(makePsd({2, 8, 2, {{bytes({1, 2})}}, 0, QByteArray(12, '\x40')}));
    ASSERT_TRUE(ps.isValid());
    EXPECT_EQ(ps.rgbFromIndex(1), 0u);
    EXPECT_FALSE(ps.rgbTrippleFromIndex(1));
    QByteArray palette(768, '\0');
    palette[3] = char(0x10);
    palette[256 + 3] = char(0x20);
    palette[512 + 3] = char(0x30);
    PsFile withPalette(makePsd({2, 8, 2, {{bytes({1, 2})}}, 0, palette}));
    EXPECT_EQ(withPalette.rgbFromIndex(3), 0x302010u);
}

TEST(PsFile, RunLengthRows)
{
    PsFile ps(makePsd({1, 8, 3, {{bytes({0, 0, 0})}}}));
    ASSERT_TRUE(ps.isValid());
    struct Case {
        const char *what;
        QByteArray coded;
        QByteArray row; // empty: damaged
    };
    const Case cases[] = {
        {"254 repeats twice... three times", bytes({254, 0x7F}), bytes({0x7F, 0x7F, 0x7F})},
        {"2 copies three bytes", bytes({2, 1, 2, 3}), bytes({1, 2, 3})},
        {"0 copies one byte", bytes({0, 9, 255, 4}), bytes({9, 4, 4})},
        {"run past the row's end", bytes({253, 1}), QByteArray()},
        {"codes end before the row", bytes({0, 1}), QByteArray()},
        {"literal cut short", bytes({2, 1, 2}), QByteArray()},
    };
    for (const Case &c : cases) {
        const std::vector<uint8_t> row =
            ps.uncompressRle(reinterpret_cast<const uint8_t *>(c.coded.constData()), size_t(c.coded.size()));
        EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(row.data()), qsizetype(row.size())), c.row) << c.what;
    }
}

TEST(PsFile, FileFunctionsReportSizeAndMessages)
{
    const QString dir = gbtest::makeTempDir();
    // Height 300 and width 200, stored height first; compression 2 still reports its size.
    std::vector<Plane> tall(1);
    tall[0].assign(300, QByteArray(200, '\x01'));
    ASSERT_TRUE(gbtest::writeFile(dir + "/tall.psd", makePsd({1, 8, 200, tall, 2})));
    int w = 0, h = 0;
    QString error = "unset";
    getPsdFileDims(dir + "/tall.psd", w, h, error);
    EXPECT_EQ(w, 200);
    EXPECT_EQ(h, 300);
    EXPECT_TRUE(error.isEmpty());
    // A failed conversion still sets the size.
    w = h = 0;
    EXPECT_TRUE(createRgbFromPsdFile(dir + "/tall.psd", w, h, error).isNull());
    EXPECT_EQ(error, "Not supported compression method");
    EXPECT_EQ(w, 200);
    EXPECT_EQ(h, 300);

    ASSERT_TRUE(gbtest::writeFile(dir + "/ok.psd", makePsd({3, 8, 2, rgbPlanes(), 1})));
    const RgbImage img = createRgbFromPsdFile(dir + "/ok.psd", w, h, error);
    expectPixels(img, {red, green, blue, 0xFFFFFF}, "file");
    EXPECT_TRUE(error.isEmpty());

    const QString missing = dir + "/missing.psd";
    getPsdFileDims(missing, w, h, error);
    EXPECT_EQ(error, "Cannot open file: " + missing);
    EXPECT_TRUE(createRgbFromPsdFile(missing, w, h, error).isNull());
    EXPECT_EQ(error, "Cannot open file: " + missing);
}
