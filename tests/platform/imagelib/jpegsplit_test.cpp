#include "platform/imagelib/jpegcodec.h"
#include "platform/imagelib/jpegsplit.h"
#include "platform/imagelib/largememory.h"
#include "platform/imagelib/parallel.h"

#include "platform/imagelib/codectestutil.h"
#include "platform/imagelib/libjpegencode.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>
#include <vector>


using namespace gb;

namespace {

enum class Script {
    Simple,       // libjpeg's own: DC of all components together, then refined together
    SeparateDc,   // each component's DC alone, successive approximation on DC and AC, the
                  // DC refinement of all three together
    PairedDc,     // luminance and Cb DC together, Cr alone, no successive approximation
};

// Smooth areas, sharp edges and saturated colours, so that DC differences vary widely and
// the conversion clamps.
RgbImage picture(int w, int h)
{
    RgbImage img = RgbImage::create(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t *p = img.pixel(x, y);
            const bool edge = ((x / 13) + (y / 7)) % 5 == 0;
            p[0] = edge ? 255 : uint8_t(x * 255 / std::max(1, w - 1));
            p[1] = edge ? 0 : uint8_t(y * 3 + (x * y) % 37);
            p[2] = uint8_t((x * 7 + y * 11) % 256);
        }
    return img;
}

jpeg_scan_info scan(std::initializer_list<int> comps, int ss, int se, int ah, int al)
{
    jpeg_scan_info s{};
    s.comps_in_scan = int(comps.size());
    int i = 0;
    for (int c : comps)
        s.component_index[i++] = c;
    s.Ss = ss;
    s.Se = se;
    s.Ah = ah;
    s.Al = al;
    return s;
}

std::vector<jpeg_scan_info> scripted(Script script)
{
    if (script == Script::SeparateDc)
        return {scan({0}, 0, 0, 0, 1), scan({1}, 0, 0, 0, 1), scan({2}, 0, 0, 0, 2),
                scan({0}, 1, 5, 0, 2), scan({2}, 1, 63, 0, 1), scan({1}, 1, 63, 0, 1),
                scan({0}, 6, 63, 0, 2), scan({0}, 1, 63, 2, 1), scan({2}, 0, 0, 2, 1),
                scan({0, 1, 2}, 0, 0, 1, 0), scan({0}, 1, 63, 1, 0), scan({1}, 1, 63, 1, 0),
                scan({2}, 1, 63, 1, 0)};
    return {scan({0, 1}, 0, 0, 0, 0), scan({2}, 0, 0, 0, 0), scan({0}, 1, 63, 0, 0),
            scan({1}, 1, 63, 0, 0), scan({2}, 1, 63, 0, 0)};
}

QByteArray progressiveJpeg(const RgbImage &img, int h, int v, Script script, int restartInterval, int restartRows)
{
    std::vector<jpeg_scan_info> scans;
    return gbtest::libjpegEncode(
        img.width(), img.height(), 3, JCS_RGB, [&](int y) { return img.row(y); },
        [&](jpeg_compress_struct &cinfo) {
            jpeg_set_quality(&cinfo, 92, TRUE);
            cinfo.comp_info[0].h_samp_factor = h;
            cinfo.comp_info[0].v_samp_factor = v;
            cinfo.restart_interval = unsigned(restartInterval);
            cinfo.restart_in_rows = restartRows;
            if (script == Script::Simple) {
                jpeg_simple_progression(&cinfo);
            } else {
                scans = scripted(script);
                cinfo.scan_info = scans.data();
                cinfo.num_scans = int(scans.size());
            }
        });
}

// One decode both ways: the plain one, then the split one, which must give the same bytes
// (or the same error) and have been taken or not as expected.
struct Decode
{
    bool cover;
    int boxW, boxH;
};

RgbImage decodeWith(const QByteArray &file, const Decode &how, bool split, int &error)
{
    const size_t threshold = jpegSplitThreshold();
    setJpegSplitThreshold(split ? 0 : std::numeric_limits<size_t>::max());
    RgbImage img = how.cover ? readJpegCovering(byteSpan(file), error, how.boxW, how.boxH)
                             : readJpeg(byteSpan(file), error, how.boxW, how.boxH);
    setJpegSplitThreshold(threshold);
    return img;
}

void expectSameBothWays(const QByteArray &file, const Decode &how, bool splits, const std::string &what)
{
    int plainError = -1, splitError = -1;
    const RgbImage plain = decodeWith(file, how, false, plainError);
    const size_t before = jpegSplitDecodeCount();
    const RgbImage split = decodeWith(file, how, true, splitError);
    EXPECT_EQ(jpegSplitDecodeCount() - before, splits ? 1u : 0u) << what;
    EXPECT_EQ(splitError, plainError) << what;
    if (plain.isNull())
        EXPECT_TRUE(split.isNull()) << what;
    else
        EXPECT_TRUE(gbtest::sameImage(split, plain)) << what;
}

} // namespace

TEST(JpegSplit, GivesTheBytesOfThePlainDecodeAtEveryScale)
{
    struct Case
    {
        int w, h, hs, vs;
        Script script;
        int restartInterval, restartRows;
    };
    const Case cases[] = {
        {1203, 807, 2, 1, Script::Simple, 0, 0},  {1203, 807, 2, 2, Script::SeparateDc, 3, 0},
        {641, 479, 1, 1, Script::Simple, 0, 1},   {641, 479, 1, 2, Script::PairedDc, 0, 0},
        {333, 251, 2, 1, Script::SeparateDc, 0, 1}, {333, 251, 2, 2, Script::PairedDc, 7, 0},
        {129, 67, 1, 2, Script::Simple, 0, 1},    {17, 9, 2, 2, Script::Simple, 3, 0},
        {17, 9, 1, 2, Script::SeparateDc, 1, 0},  {2, 3, 2, 1, Script::SeparateDc, 0, 1},
        {35, 1, 1, 1, Script::PairedDc, 2, 0},    {1, 1, 2, 2, Script::Simple, 0, 0},
    };
    for (const Case &c : cases) {
        const QByteArray file = progressiveJpeg(picture(c.w, c.h), c.hs, c.vs, c.script, c.restartInterval, c.restartRows);
        const std::string name = std::to_string(c.w) + "x" + std::to_string(c.h) + " sampled " + std::to_string(c.hs)
            + "x" + std::to_string(c.vs) + " script " + std::to_string(int(c.script)) + " restart "
            + std::to_string(c.restartInterval) + "/" + std::to_string(c.restartRows);
        const bool subsampled = c.hs > 1 || c.vs > 1;
        // Full size: libjpeg smooths subsampled chroma up, which is left to it.
        expectSameBothWays(file, {false, 0, 0}, !subsampled, name + " whole");
        for (int d : {2, 4, 8}) {
            const Decode fit{false, std::max(1, c.w / (2 * d)), std::max(1, c.h / (2 * d))};
            const bool reduced = jpegScaleDenominator(c.w, c.h, fit.boxW, fit.boxH) > 1;
            expectSameBothWays(file, fit, reduced || !subsampled, name + " fit 1/" + std::to_string(d));
        }
        for (int m = 1; m < 8; ++m) {
            const Decode cover{true, std::max(1, c.w * m / 8), std::max(1, c.h * m / 8)};
            const bool reduced = jpegCoverScale(c.w, c.h, cover.boxW, cover.boxH) < 8;
            expectSameBothWays(file, cover, reduced || !subsampled, name + " cover " + std::to_string(m) + "/8");
        }
    }
}

TEST(JpegSplit, OneThreadInAllDecodesThePlainWay)
{
    // With nothing to run the parts beside each other the split would only add its copying.
    const QByteArray file = progressiveJpeg(picture(333, 251), 1, 1, Script::Simple, 0, 0);
    int error = 0;
    setImageOpThreads(1);
    const size_t before = jpegSplitDecodeCount();
    const RgbImage one = decodeWith(file, {false, 0, 0}, true, error);
    EXPECT_EQ(jpegSplitDecodeCount(), before);
    setImageOpThreads(0);
    const RgbImage many = decodeWith(file, {false, 0, 0}, true, error);
    EXPECT_EQ(jpegSplitDecodeCount(), before + 1);
    EXPECT_TRUE(gbtest::sameImage(one, many));
}

TEST(JpegSplit, DamagedFilesGoThePlainWayAndFailAsBefore)
{
    const QByteArray file = progressiveJpeg(picture(333, 251), 2, 1, Script::Simple, 3, 0);
    const Decode fit{false, 80, 60};
    // Cut inside the first (interleaved) DC scan, inside an AC scan, before the end marker:
    // refused with nothing left reserved, never decoded in parts.
    const qsizetype firstScan = file.indexOf(QByteArray("\xFF\xDA", 2));
    for (qsizetype keep : {firstScan + 40, file.size() / 2, file.size() - 2}) {
        int error = 0;
        const size_t before = jpegSplitDecodeCount();
        EXPECT_TRUE(decodeWith(file.left(keep), fit, true, error).isNull()) << keep;
        EXPECT_EQ(error, ImgBadJpg) << keep;
        EXPECT_EQ(decodeMemoryHeld(), 0u) << keep;
        EXPECT_EQ(jpegSplitDecodeCount(), before) << keep;
    }
    // Damage libjpeg reads through (restart markers out of order, a DC scan's codes spoilt, an
    // AC scan's codes spoilt) decodes exactly as the plain way does.
    const qsizetype lastScan = file.lastIndexOf(QByteArray("\xFF\xDA", 2));
    const qsizetype restart = file.indexOf(QByteArray("\xFF\xD2", 2), lastScan);
    ASSERT_GT(restart, 0);
    expectSameBothWays(gbtest::patched(file, int(restart + 1), QByteArray("\xD5", 1)), fit, false, "restart");
    for (qsizetype at : {firstScan + 20, lastScan + 30}) {
        QByteArray spoilt = file;
        for (qsizetype i = at; i < at + 6; ++i)
            spoilt[i] = char(0xA5 ^ uint8_t(spoilt[i]));
        int plainError = -1, splitError = -1;
        const RgbImage plain = decodeWith(spoilt, fit, false, plainError);
        const RgbImage split = decodeWith(spoilt, fit, true, splitError);
        EXPECT_EQ(splitError, plainError) << at;
        EXPECT_EQ(plain.isNull(), split.isNull()) << at;
        if (!plain.isNull()) {
            EXPECT_TRUE(gbtest::sameImage(split, plain)) << at;
        }
    }
}

namespace {

// The file with the component selectors of its scans of all three components (each
// libjpeg wrote in the frame's order: 1, 2, 3) set to ids, in that order.
QByteArray reorderScansOfAll(QByteArray file, std::array<int, 3> ids)
{
    for (qsizetype at = file.indexOf(QByteArray("\xFF\xDA", 2)); at >= 0;
         at = file.indexOf(QByteArray("\xFF\xDA", 2), at + 2)) {
        if (uint8_t(file[at + 4]) != 3)
            continue;
        for (int i = 0; i < 3; ++i)
            file[at + 5 + 2 * i] = char(ids[size_t(i)]);
    }
    return file;
}

} // namespace

TEST(JpegSplit, AScanOfSeveralComponentsOutOfTheFramesOrderGoesThePlainWay)
{
    // libjpeg refuses these orders ("Invalid component ID"), so the split must not decode them.
    for (Script script : {Script::Simple, Script::SeparateDc}) {
        const QByteArray file = progressiveJpeg(picture(333, 251), 1, 1, script, 0, 0);
        for (const std::array<int, 3> ids : {std::array{2, 1, 3}, std::array{2, 3, 1}, std::array{3, 2, 1}}) {
            const QByteArray damaged = reorderScansOfAll(file, ids);
            ASSERT_NE(damaged, file);
            const std::string name = "script " + std::to_string(int(script)) + " order " + std::to_string(ids[0])
                + std::to_string(ids[1]) + std::to_string(ids[2]);
            int error = 0;
            EXPECT_TRUE(decodeWith(damaged, {false, 0, 0}, false, error).isNull()) << name;
            EXPECT_EQ(error, ImgBadJpg) << name;
            expectSameBothWays(damaged, {false, 0, 0}, false, name);
        }
    }
}

TEST(JpegSplit, AFailedAllocationAnywhereInTheSplitLeavesNothingHeldAndTheFileGoesThePlainWay)
{
    // Every place of the split that takes memory fails in turn (its lists, the re-coded
    // scans, the parts and their tasks, a part on a worker, the merge's bands): the decode
    // reserves nothing for good, throws nothing, and gives the plain decode's bytes (the
    // split's own where only a helper of the merge could not be had).
    const QByteArray file = progressiveJpeg(picture(333, 251), 2, 2, Script::SeparateDc, 3, 0);
    const Decode fit{false, 80, 60};
    int error = 0;
    const RgbImage plain = decodeWith(file, fit, false, error);
    ASSERT_EQ(error, ImgOk);
    int failed = 0;
    for (long n = 0;; ++n) {
        failAllocationCheckpoint(n);
        const size_t splits = jpegSplitDecodeCount();
        RgbImage img;
        EXPECT_NO_THROW(img = decodeWith(file, fit, true, error)) << n;
        const bool reachedNone = failAllocationCheckpoint(-1);
        ASSERT_EQ(decodeMemoryHeld(), 0u) << "checkpoint " << n;
        EXPECT_EQ(error, ImgOk) << n;
        EXPECT_TRUE(gbtest::sameImage(img, plain)) << n;
        if (reachedNone) {
            EXPECT_EQ(jpegSplitDecodeCount(), splits + 1) << "with nothing failing the file is split";
            break;
        }
        ++failed;
    }
    EXPECT_GT(failed, 10);
    // A later decode that needs the whole budget goes at once.
    const size_t budget = decodeMemoryBudget();
    setDecodeMemoryBudget(1);
    EXPECT_TRUE(gbtest::sameImage(decodeWith(file, fit, false, error), plain));
    setDecodeMemoryBudget(budget);
}

TEST(JpegSplit, TheSplitTakesWhatItHoldsBesidesOnlyWhereTheDecodeBudgetHasRoom)
{
    // With a budget of one byte the decode goes alone; the streams and planes the split
    // would hold beside its coefficients and picture do not fit, so the file goes the
    // plain way. With room it is split.
    const QByteArray file = progressiveJpeg(picture(333, 251), 1, 1, Script::Simple, 0, 0);
    const size_t budget = decodeMemoryBudget();
    setDecodeMemoryBudget(1);
    expectSameBothWays(file, {false, 0, 0}, false, "no room");
    setDecodeMemoryBudget(budget);
    expectSameBothWays(file, {false, 0, 0}, true, "room");
    EXPECT_EQ(decodeMemoryHeld(), 0u);
}
