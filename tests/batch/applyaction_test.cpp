// Every action through the dispatcher, on small images made here.

#include "actions/resizeimagebe.h"
#include "batch/applyaction.h"
#include "batch/batchaction.h"
#include "batch/be.h"
#include "actions/userfilter.h"
#include "image/imagesave.h"

#include "support/testutil.h"

#include <gtest/gtest.h>

#include <set>

using namespace gb;

namespace {

// A 40 x 30 image with a horizontal red ramp, a vertical green ramp and blue 64, so every
// pixel differs from its neighbours and no two corners are alike, and a white 2 x 2 spot
// at (30, 20) that every blur and sharpen changes (they may keep a linear ramp).
RgbImage ramp(int w = 40, int h = 30)
{
    RgbImage img = RgbImage::create(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t *p = img.pixel(x, y);
            p[0] = uint8_t(x * 255 / (w - 1));
            p[1] = uint8_t(y * 255 / (h - 1));
            p[2] = 64;
        }
    if (w > 31 && h > 21)
        for (int y = 20; y < 22; ++y)
            for (int x = 30; x < 32; ++x)
                std::fill(img.pixel(x, y), img.pixel(x, y) + 3, 255);
    return img;
}

bool samePixels(const RgbImage &a, const RgbImage &b)
{
    return a.width() == b.width() && a.height() == b.height()
           && std::equal(a.data(), a.data() + a.byteCount(), b.data());
}

std::set<uint32_t> colours(const RgbImage &img)
{
    std::set<uint32_t> set;
    for (size_t i = 0; i < img.pixelCount(); ++i) {
        const uint8_t *p = img.data() + i * 3;
        set.insert(p[0] | p[1] << 8 | p[2] << 16);
    }
    return set;
}

QString overlayFixture()
{
    static const QString path = [] {
        const QString p = gbtest::makeTempDir("overlay") + "/blue.png";
        saveRgb2File(RgbImage::filled(5, 5, 0, 0, 255), p, 4, 100, false, 0.0, 256);
        return p;
    }();
    return path;
}

BatchCommand cmd(int id, ValueArray parameters = {})
{
    return BatchCommand::make(id, std::move(parameters));
}

ValueArray identityMatrix()
{
    UserFilter f;
    f.coefficients[4] = 1.0;
    return {f.toValue()};
}

ValueArray identityKernel()
{
    UserConvFilter f;
    f.coefficients[24] = 1.0;
    return {f.toValue()};
}

} // namespace

// One row per action: the command, whether it makes a new image, and what the result
// must show against the source.
TEST(ApplyAction, EveryActionReachesItsOperation)
{
    using Check = std::function<bool(const RgbImage &src, const RgbImage &out)>;
    const Check changed = [](const RgbImage &s, const RgbImage &o) { return !samePixels(s, o); };
    struct Row {
        BatchCommand command;
        bool newBuffer;
        Check check;
    };
    const std::vector<Row> rows = {
        {cmd(1, {"XX", "Liberation Sans", 20, true, false, false, 255, 5, 0, 0, 0, 0, false, 255, 255, 255}), false,
         changed},
        {cmd(2, {overlayFixture(), 1, 0, 0, 0, 0, false, 0, 1.0}), false,
         [](const RgbImage &, const RgbImage &o) { return o.pixel(0, 0)[2] == 255 && o.pixel(0, 0)[0] == 0; }},
        {cmd(3, {90.0, 0}), true, [](const RgbImage &s, const RgbImage &o) {
             return o.width() == s.height() && o.height() == s.width();
         }},
        {cmd(4), false,
         [](const RgbImage &s, const RgbImage &o) { return std::equal(o.row(0), o.row(0) + o.stride(), s.row(29)); }},
        {cmd(5), false, [](const RgbImage &s, const RgbImage &o) {
             return std::equal(o.pixel(0, 0), o.pixel(0, 0) + 3, s.pixel(39, 0));
         }},
        {cmd(6, {4, 20, 10, 0, true}), true,
         [](const RgbImage &, const RgbImage &o) { return o.width() == 20 && o.height() == 10; }},
        {cmd(7, {1, 2, 3, 4, 255, 0, 0}), true, [](const RgbImage &, const RgbImage &o) {
             return o.width() == 45 && o.height() == 35 && o.pixel(0, 0)[0] == 255 && o.pixel(0, 0)[1] == 0;
         }},
        {cmd(8, {3, 0, 0, 0}), false, changed},
        {cmd(9, {3}), false, changed},
        {cmd(10, {5}), true, changed},
        {cmd(11, {50}), true, changed},
        {cmd(12), true, [](const RgbImage &, const RgbImage &o) { return colours(o).size() <= 256; }},
        {cmd(14, identityMatrix()), true, [](const RgbImage &s, const RgbImage &o) { return samePixels(s, o); }},
        {cmd(15, identityKernel()), true, [](const RgbImage &s, const RgbImage &o) { return samePixels(s, o); }},
        {cmd(16, {0.5, 0.0}), false,
         [](const RgbImage &s, const RgbImage &o) { return o.pixel(0, 0)[2] > s.pixel(0, 0)[2]; }},
        {cmd(18), false, [](const RgbImage &, const RgbImage &o) {
             const uint8_t *p = o.pixel(20, 15);
             return p[0] == p[1] && p[1] == p[2];
         }},
        {cmd(19), false,
         [](const RgbImage &s, const RgbImage &o) { return o.pixel(3, 4)[2] == 255 - s.pixel(3, 4)[2]; }},
        {cmd(20), false, [](const RgbImage &s, const RgbImage &o) {
             return o.pixel(3, 4)[0] == 255 - s.pixel(3, 4)[0] && o.pixel(3, 4)[1] == s.pixel(3, 4)[1];
         }},
        {cmd(21), false, [](const RgbImage &s, const RgbImage &o) {
             return o.pixel(3, 4)[1] == 255 - s.pixel(3, 4)[1] && o.pixel(3, 4)[2] == s.pixel(3, 4)[2];
         }},
        {cmd(22), false, [](const RgbImage &s, const RgbImage &o) {
             return o.pixel(3, 4)[2] == 255 - s.pixel(3, 4)[2] && o.pixel(3, 4)[0] == s.pixel(3, 4)[0];
         }},
        // The top-left pixel is (0, 0, 64); it turns pure red.
        {cmd(23, {0, 0, 64, 255, 0}), false, [](const RgbImage &, const RgbImage &o) {
             return o.pixel(0, 0)[0] == 255 && o.pixel(0, 0)[2] == 0 && o.pixel(1, 0)[0] != 255;
         }},
        {cmd(24, {100, 150, true, false, false}), false, [](const RgbImage &, const RgbImage &o) {
             return o.pixel(0, 0)[0] >= 100 && o.pixel(39, 0)[0] <= 150 && o.pixel(0, 0)[2] == 64;
         }},
        {cmd(25, {1, 0}), false, [](const RgbImage &, const RgbImage &o) { return colours(o).size() <= 2; }},
    };
    ASSERT_EQ(rows.size(), 23u);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.command.description().toStdString());
        const RgbImage source = ramp();
        RgbImage image = ramp();
        const uint8_t *before = image.data();
        int count = 256;
        ActionResult r = applyAction(image, count, row.command);
        EXPECT_EQ(r.newBuffer, row.newBuffer);
        EXPECT_EQ(r.buffer.isNull(), !row.newBuffer);
        EXPECT_EQ(image.data(), before);
        EXPECT_TRUE(row.check(source, r.newBuffer ? r.buffer : image));
        if (row.command.id() != ActionChangeColorDepth) {
            EXPECT_EQ(count, 256);
        }
    }
}

TEST(ApplyAction, IdsOfNoActionChangeNothing)
{
    for (int id : {13, 17, 0, 26}) {
        RgbImage image = ramp();
        int count = 77;
        ActionResult r = applyAction(image, count, BatchCommand(ValueArray{id, "x", 1, 2, 3}));
        EXPECT_FALSE(r.newBuffer);
        EXPECT_TRUE(r.buffer.isNull());
        EXPECT_TRUE(samePixels(image, ramp()));
        EXPECT_EQ(count, 77);
    }
}

TEST(ApplyAction, ShortResizeIsBilinearAndFlagFalseIsNot)
{
    const RgbImage src = ramp();
    int count = 256;
    RgbImage a = ramp(), b = ramp(), c = ramp();
    ActionResult six = applyAction(a, count, BatchCommand(ValueArray{6, "Resize", 4, 67, 23, 0}));
    ActionResult yes = applyAction(b, count, cmd(6, {4, 67, 23, 0, true}));
    ActionResult no = applyAction(c, count, cmd(6, {4, 67, 23, 0, false}));
    EXPECT_TRUE(samePixels(six.buffer, resizeImageBE(src, 4, 67, 23, 0, true)));
    EXPECT_TRUE(samePixels(six.buffer, yes.buffer));
    EXPECT_TRUE(samePixels(no.buffer, resizeImageBE(src, 4, 67, 23, 0, false)));
    EXPECT_FALSE(samePixels(yes.buffer, no.buffer));
}

TEST(ApplyAction, ColourCountIsSetByDepthAndKeptByLaterSteps)
{
    struct Row {
        int choice, userCount, expected;
    } rows[] = {{1, 0, 2}, {2, 0, 16}, {3, 0, 64}, {4, 0, 256}, {5, 0, 0}, {6, 100, 100}, {6, 999, 256}, {6, 0, 2}};
    for (const Row &row : rows) {
        RgbImage image = ramp();
        int count = 256;
        applyAction(image, count, BatchCommand(ValueArray{25, "Change Color Depth", row.choice, row.userCount}));
        EXPECT_EQ(count, row.expected) << row.choice << " " << row.userCount;
        ActionResult r = applyAction(image, count, cmd(6, {4, 10, 10, 0, true}));
        EXPECT_TRUE(r.newBuffer);
        EXPECT_EQ(count, row.expected);
    }
}

TEST(ApplyAction, ResizeThenRotateHandsOnEachNewImage)
{
    RgbImage image = ramp();
    int count = 256;
    ActionResult r = applyAction(image, count, cmd(6, {4, 20, 10, 0, true}));
    ASSERT_TRUE(r.newBuffer);
    image = std::move(r.buffer);
    r = applyAction(image, count, cmd(3, {-90.0, 0}));
    ASSERT_TRUE(r.newBuffer);
    image = std::move(r.buffer);
    EXPECT_EQ(image.width(), 10);
    EXPECT_EQ(image.height(), 20);
}

TEST(ApplyAction, DamagedCommandsFallBackToDefaults)
{
    // A Resize with text in its size slots and an Add Border with out-of-range colours.
    RgbImage image = ramp();
    int count = 256;
    ActionResult r = applyAction(image, count, BatchCommand(ValueArray{6, "Resize", 4, "wide", "high"}));
    ASSERT_TRUE(r.newBuffer);
    EXPECT_EQ(r.buffer.width(), 100);
    r = applyAction(image, count, cmd(7, {1, 1, 1, 1, 999, -5, 128}));
    ASSERT_TRUE(r.newBuffer);
    EXPECT_EQ(r.buffer.pixel(0, 0)[0], 255);
    EXPECT_EQ(r.buffer.pixel(0, 0)[1], 0);
}

TEST(TestProcess, RunsTheWholeScriptOnOneImage)
{
    Be job;
    job.setCommands({cmd(6, {4, 20, 10, 0, true}), cmd(19)});
    RgbImage given = ramp();
    const uint8_t *givenData = given.data();
    const RgbImage out = job.testProcess(std::move(given));
    EXPECT_EQ(out.width(), 20);
    EXPECT_EQ(out.height(), 10);
    EXPECT_NE(out.data(), givenData);
    const RgbImage resized = resizeImageBE(ramp(), 4, 20, 10, 0, true);
    EXPECT_EQ(out.pixel(5, 5)[0], 255 - resized.pixel(5, 5)[0]);
}
