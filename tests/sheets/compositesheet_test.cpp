#include "common/batchprogress.h"
#include "common/registry.h"
#include "common/uiseam.h"
#include "image/imageload.h"
#include "platform/imagelib/rgbimage.h"
#include "actions/textonrgb.h"
#include "sheets/compositelayout.h"
#include "sheets/hcomposite.h"
#include "sheets/printfixture.h"
#include "support/scriptedui.h"
#include "support/testutil.h"

#include <QDir>
#include <QFile>
#include <QMap>

#include <gtest/gtest.h>

#include <climits>
#include <string>

using gb::HComposite;

namespace {

// The progress window of a run, as the run drives it: its log lines and its end.
struct RecordingProgress : gb::SilentBatchProgress {
    QStringList *log;
    bool *ended;
    RecordingProgress(QStringList *l, bool *e) : log(l), ended(e) {}
    void updateLog(const QString &text) override { log->append(text); }
    void endDialog(int) override { *ended = true; }
};

struct Ui : gbtest::ScriptedUi {
    QStringList log;
    bool ended = false;
    std::unique_ptr<gb::BatchProgress> batchProgress(QWidget *) override
    {
        return std::make_unique<RecordingProgress>(&log, &ended);
    }
};

struct Pixel {
    int x, y;
    uint32_t rgb;
};

bool hasPixel(const gb::RgbImage &img, const Pixel &p, int tolerance = 8)
{
    if (img.isNull() || p.x < 0 || p.y < 0 || p.x >= img.width() || p.y >= img.height())
        return false;
    const uint8_t *q = img.pixel(p.x, p.y);
    return std::abs(q[0] - int(p.rgb >> 16)) <= tolerance && std::abs(q[1] - int((p.rgb >> 8) & 0xFF)) <= tolerance
        && std::abs(q[2] - int(p.rgb & 0xFF)) <= tolerance;
}

gb::RgbImage load(const QString &path)
{
    int w = 0, h = 0;
    QString error;
    return gb::createRgbFromFile(path, w, h, error);
}

constexpr uint32_t kWhite = 0xFFFFFF, kBlack = 0x000000, kRed = 0xFF0000, kPale = 0xFFFFC0;

struct CompositeTest : ::testing::Test {
    Ui ui;
    QString src = gbtest::makeTempDir("src");
    QString out = gbtest::makeTempDir("out") + "/";

    // A job writing PNG sheets of w x h into out, without title or information lines.
    HComposite plainJob(int w, int h)
    {
        HComposite job;
        job.setFolder(out);
        job.setImageSize(0);
        job.setImageWidth(w);
        job.setImageHeight(h);
        job.setSaveAs(4);
        job.setTitle("");
        job.setAppendPageNo(false);
        job.setInfo({});
        return job;
    }
    QStringList makeFiles(int n, int w = 40, int h = 40, uint32_t rgb = kRed)
    {
        QStringList files;
        for (int i = 1; i <= n; ++i)
            files << gbtest::writeImage(src + QString("/f%1.png").arg(i), w, h, rgb);
        return files;
    }
};

} // namespace

TEST_F(CompositeTest, GridOnAnEightHundredSheet)
{
    HComposite job = plainJob(800, 600);
    const gb::CompositeLayout l = gb::CompositeLayout::compute(job, 50, 0, 0);
    EXPECT_EQ(l.pitchW, 107);
    EXPECT_EQ(l.columns, 7);
    EXPECT_EQ(l.rows, 5); // 600 / 107 = 5.6, but a sixth row would end at y = 640
    EXPECT_EQ(l.x0, 28);
    EXPECT_EQ(l.y0, 5);
    EXPECT_EQ(l.sheets, 2);

    ASSERT_TRUE(job.validate().isEmpty());
    ASSERT_TRUE(job.createSheet(nullptr, makeFiles(8)));
    const gb::RgbImage sheet = load(out + "CSheet1.png");
    ASSERT_EQ(sheet.width(), 800);
    ASSERT_EQ(sheet.height(), 600);
    // Framed thumbnails start at x = 28, 135, 242, ... on the first row, y = 5; the 40 x 40
    // picture sits in the middle of its 98 x 98 box (29 pixels of box colour around it).
    for (int c = 0; c < 7; ++c) {
        const int x = 28 + c * 107;
        SCOPED_TRACE(x);
        EXPECT_TRUE(hasPixel(sheet, {x, 5, kBlack}));
        EXPECT_TRUE(hasPixel(sheet, {x + 99, 104, kBlack}));
        EXPECT_TRUE(hasPixel(sheet, {x - 1, 50, kWhite}));
        EXPECT_TRUE(hasPixel(sheet, {x + 100, 50, kWhite}));
        EXPECT_TRUE(hasPixel(sheet, {x + 10, 15, kPale}));
        EXPECT_TRUE(hasPixel(sheet, {x + 30, 35, kRed}));
        EXPECT_TRUE(hasPixel(sheet, {x + 69, 74, kRed}));
        EXPECT_TRUE(hasPixel(sheet, {x + 71, 76, kPale}));
    }
    // The eighth file opens the second row; the rest of the sheet is background.
    EXPECT_TRUE(hasPixel(sheet, {28 + 50, 5 + 107 + 50, kRed}));
    EXPECT_TRUE(hasPixel(sheet, {135 + 50, 5 + 107 + 50, kWhite}));
    EXPECT_EQ(ui.boxTexts(), QStringList{"Procedure completed. \r\n\r\n1 composite image(s) were created at folder " + out});
    EXPECT_TRUE(ui.ended);
}

TEST_F(CompositeTest, SheetsNamesAndCounts)
{
    // Cells of 50 x 50 without frame or gaps: five columns and two rows, ten per sheet.
    HComposite job = plainJob(250, 100);
    job.setThumbWidth(50);
    job.setThumbHeight(50);
    job.setBorderSize(0);
    job.setHorSpacing(0);
    job.setVerSpacing(0);
    ASSERT_TRUE(job.validate().isEmpty());
    ASSERT_TRUE(job.createSheet(nullptr, makeFiles(25, 20, 20)));
    for (const char *name : {"CSheet1.png", "CSheet2.png", "CSheet3.png"})
        EXPECT_TRUE(QFile::exists(out + name)) << name;
    EXPECT_FALSE(QFile::exists(out + "CSheet4.png"));
    EXPECT_EQ(ui.boxTexts().last(), "Procedure completed. \r\n\r\n3 composite image(s) were created at folder " + out);
    // The last sheet holds five: a full first row and an empty second one.
    const gb::RgbImage last = load(out + "CSheet3.png");
    EXPECT_TRUE(hasPixel(last, {225, 25, kRed}));
    EXPECT_TRUE(hasPixel(last, {25, 75, kWhite}));
    // A border of 0 leaves the box colour up to the thumbnail's edge.
    EXPECT_TRUE(hasPixel(last, {0, 0, kPale}));
}

TEST_F(CompositeTest, OverwritePolicies)
{
    HComposite job = plainJob(250, 100);
    job.setThumbWidth(50);
    job.setThumbHeight(50);
    job.setBorderSize(0);
    job.setHorSpacing(0);
    job.setVerSpacing(0);
    job.validate();
    const QStringList files = makeFiles(15, 20, 20);
    gbtest::writeFile(out + "CSheet1.png", "old one");
    gbtest::writeFile(out + "CSheet2.png", "old two");

    job.setOverwrite(2);
    job.createSheet(nullptr, files);
    EXPECT_EQ(gbtest::readFile(out + "CSheet1.png"), "old one");
    EXPECT_EQ(gbtest::readFile(out + "CSheet2.png"), "old two");
    EXPECT_EQ(ui.log, QStringList({out + "CSheet1.png - image file exist and will not be replaced",
                                   out + "CSheet2.png - image file exist and will not be replaced"}));
    EXPECT_TRUE(ui.boxTexts().last().contains("\r\n2 composite image(s)"));

    // Ask: No keeps the first, Yes replaces the second.
    ui.log.clear();
    ui.boxAnswers = {gb::UiSeam::ResultNo, gb::UiSeam::ResultYes};
    job.setOverwrite(3);
    job.createSheet(nullptr, files);
    EXPECT_EQ(ui.boxes.at(ui.boxes.size() - 3).text, "File: " + out + "CSheet1.png exist and will be overwritten");
    EXPECT_EQ(gbtest::readFile(out + "CSheet1.png"), "old one");
    EXPECT_EQ(load(out + "CSheet2.png").width(), 250);
    EXPECT_EQ(ui.log.size(), 1);

    job.setOverwrite(1);
    job.createSheet(nullptr, files);
    EXPECT_EQ(load(out + "CSheet1.png").width(), 250);
}

TEST_F(CompositeTest, TitleAndInformationLines)
{
    // 330 wide: three columns, the first framed thumbnail at x = (330 - 306 - 10) / 2 = 7.
    HComposite job = plainJob(330, 300);
    job.setTitle("Holiday");
    job.setAppendPageNo(true);
    job.setInfo({9, 4});
    job.setInfoFont(gb::FontData{"Arial", 12, false, false, false, 0x0000FF});
    job.setBackColor(255 * 256); // green
    job.validate();
    ASSERT_TRUE(job.createSheet(nullptr, makeFiles(1)));
    const gb::RgbImage sheet = load(out + "CSheet1.png");
    const int titleHeight = gb::calcTextSize("Holiday Page 1", "Verdana", 14, true, false, false).height();
    // Some title ink in the top band, centred: none at the far edges.
    auto inkIn = [&](int x0, int x1, int y0, int y1, uint32_t background) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (!hasPixel(sheet, {x, y, background}, 60))
                    return true;
        return false;
    };
    EXPECT_TRUE(inkIn(115, 215, 1, 18, 0x00FF00));
    EXPECT_FALSE(inkIn(0, 40, 0, 18, 0x00FF00));
    EXPECT_FALSE(inkIn(290, 330, 0, 18, 0x00FF00));
    // The information lines sit under the framed thumbnail, centred across it.
    const int cellTop = 5 + titleHeight; // the first row starts at Ht + VERSPACING
    const int x = 7;
    EXPECT_TRUE(hasPixel(sheet, {x, cellTop, kBlack}));
    EXPECT_TRUE(hasPixel(sheet, {x + 99, cellTop + 99, kBlack}));
    EXPECT_TRUE(inkIn(x + 10, x + 90, cellTop + 100, cellTop + 130, 0x00FF00));
    EXPECT_FALSE(inkIn(x + 110, x + 300, cellTop + 100, cellTop + 130, 0x00FF00));
    EXPECT_FALSE(inkIn(x + 10, x + 90, cellTop + 140, cellTop + 200, 0x00FF00));
}

// Rounding the column count up must not push the outer thumbnails past the sheet's edges:
// every cell placed is whole, and the sheet's border lines stay background.
TEST_F(CompositeTest, NoCellIsCutByTheSheetsEdges)
{
    HComposite job = plainJob(1024, 768);
    job.validate();
    ASSERT_TRUE(job.createSheet(nullptr, makeFiles(63, 8, 8)));
    EXPECT_FALSE(QFile::exists(out + "CSheet2.png"));
    const gb::RgbImage sheet = load(out + "CSheet1.png");
    ASSERT_EQ(sheet.width(), 1024);
    ASSERT_EQ(sheet.height(), 768);
    for (int x = 0; x < 1024; ++x)
        ASSERT_TRUE(hasPixel(sheet, {x, 767, kWhite}, 0)) << x;
    for (int y = 0; y < 768; ++y) {
        ASSERT_TRUE(hasPixel(sheet, {0, y, kWhite}, 0)) << y;
        ASSERT_TRUE(hasPixel(sheet, {1023, y, kWhite}, 0)) << y;
    }
    // Nine columns from x = 33 and seven rows from y = 5, the last ones whole.
    EXPECT_TRUE(hasPixel(sheet, {33, 5, kBlack}));
    EXPECT_TRUE(hasPixel(sheet, {33 + 8 * 107 + 99, 5 + 6 * 107 + 99, kBlack}));
    EXPECT_TRUE(hasPixel(sheet, {33 + 8 * 107 + 50, 5 + 6 * 107 + 50, kRed}));
}

TEST_F(CompositeTest, FailuresAreReported)
{
    // 250 x 110 with the default cells: two columns from x = 21, one row from y = 5.
    HComposite job = plainJob(250, 110);
    job.validate();
    QStringList files = makeFiles(1);
    files.prepend(src + "/missing.png");
    ASSERT_TRUE(job.createSheet(nullptr, files));
    const gb::RgbImage sheet = load(out + "CSheet1.png");
    EXPECT_TRUE(hasPixel(sheet, {21, 5, kWhite}));
    EXPECT_TRUE(hasPixel(sheet, {21 + 50, 5 + 50, kWhite}));
    EXPECT_TRUE(hasPixel(sheet, {128, 5, kBlack}));

    // A sheet that cannot be written (a type without a writer) is logged and not counted;
    // a run that wrote no sheet at all ends in an error box, not as completed.
    ui.log.clear();
    job.setSaveAs(10);
    EXPECT_TRUE(job.createSheet(nullptr, files));
    EXPECT_FALSE(QFile::exists(out + "CSheet1."));
    ASSERT_EQ(ui.log.size(), 1);
    EXPECT_TRUE(ui.log[0].startsWith(out + "CSheet1. - "));
    EXPECT_EQ(ui.boxes.back().caption, "Error");
    EXPECT_EQ(ui.boxTexts().last(),
              "No composite image was created at folder " + out + "\r\n1 composite image(s) could not be saved.");
}

TEST_F(CompositeTest, RefusedBeforeWriting)
{
    // A sheet that would replace one of its own pictures: nothing is written.
    const QStringList files = makeFiles(3);
    HComposite job = plainJob(250, 110);
    job.setFolder(src);
    job.setPrefix("f");
    job.setOverwrite(1);
    job.validate();
    const QByteArray before = gbtest::readFile(src + "/f1.png");
    EXPECT_FALSE(job.createSheet(nullptr, files));
    EXPECT_EQ(gbtest::readFile(src + "/f1.png"), before);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Error");
    EXPECT_TRUE(ui.boxes[0].text.contains(src + "/f1.png"));

    // Not even one cell fits: validation says so, and a run started all the same makes no
    // sheet and says that it made none, before its progress window opens.
    HComposite tiny = plainJob(20, 20);
    EXPECT_EQ(tiny.validate(), QStringList{"[General] Not even one thumbnail fits on the composite image"});
    ui.ended = false;
    EXPECT_FALSE(tiny.createSheet(nullptr, files));
    EXPECT_FALSE(QFile::exists(out + "CSheet1.png"));
    EXPECT_FALSE(ui.ended);
    EXPECT_EQ(ui.boxes.back().caption, "Error");
    EXPECT_EQ(ui.boxTexts().last(),
              "Not even one thumbnail fits on a composite image of 20 x 20 pixels: no composite image was created");

    // Settings that validation refuses place nothing either, without dividing by zero.
    HComposite broken = plainJob(250, 100);
    broken.setThumbWidth(2);
    broken.setBorderSize(1);
    EXPECT_FALSE(broken.createSheet(nullptr, files));
    EXPECT_EQ(gb::CompositeLayout::compute(broken, 3, 0, 0).sheets, 0);
}

TEST_F(CompositeTest, APrefixThatLeavesTheFolderIsRefused)
{
    // The sheets folder sits in a folder of its own, so anything written beside it shows.
    const QString base = gbtest::makeTempDir("leave");
    const QString folder = base + "/out/";
    QDir().mkpath(folder + "a");
    gbtest::writeFile(base + "/victim1.png", "kept");
    const QStringList files = makeFiles(2);
    for (const char *prefix : {"../victim", "a/../../b", "a/x", ".."}) {
        SCOPED_TRACE(prefix);
        ui.boxes.clear();
        HComposite job = plainJob(250, 110);
        job.setFolder(folder);
        job.setPrefix(prefix);
        job.setOverwrite(1);
        const QString problem = QStringLiteral("The name prefix \"%1\" cannot hold \"/\" or \"..\": sheets stay in their folder")
                                    .arg(QString::fromUtf8(prefix));
        EXPECT_EQ(job.validate(), QStringList{"[General] " + problem});
        // A run started without validation refuses it too, before writing anything.
        EXPECT_FALSE(job.createSheet(nullptr, files));
        EXPECT_EQ(ui.boxTexts(), QStringList{problem});
    }
    EXPECT_EQ(gbtest::readFile(base + "/victim1.png"), QByteArray("kept"));
    EXPECT_EQ(QDir(base).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), (QStringList{"out", "victim1.png"}));
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"a"});
    EXPECT_TRUE(QDir(folder + "a").isEmpty());
}

TEST(CompositeLayout, ColumnsRowsSheetsAndOffsets)
{
    struct {
        int width, height, files, titleHeight, band;
        int columns, rows, sheets, x0, y0, pitchH;
    } rows[] = {
        {800, 600, 50, 0, 0, 7, 5, 2, 28, 5, 107},   // 7.48 columns; 5.6 rows, the sixth cut
        {640, 600, 36, 0, 0, 6, 5, 2, 2, 5, 107},    // 5.98 columns fit whole; (640 - 637) / 2 = 1.5
        {600, 600, 37, 0, 0, 5, 5, 2, 35, 5, 107},   // 5.6 columns: six would be 637 wide
        {1024, 768, 63, 0, 0, 9, 7, 1, 33, 5, 107},  // 9.57 columns: ten would be 1065 wide
        {800, 600, 50, 20, 0, 7, 5, 2, 28, 25, 107}, // the title reserves 30 rows
        {800, 600, 50, 0, 40, 7, 4, 2, 28, 5, 147},  // an information band of 40
        {800, 620, 50, 0, 20, 7, 4, 2, 28, 5, 127},  // 4.88 rows: the fifth row's band would end at 633
        {20, 20, 3, 0, 0, 0, 0, 0, 13, 5, 107},      // not even one cell
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.width * 1000 + r.titleHeight * 10 + r.band);
        HComposite job;
        job.setImageWidth(r.width);
        job.setImageHeight(r.height);
        const gb::CompositeLayout l = gb::CompositeLayout::compute(job, r.files, r.titleHeight, r.band);
        EXPECT_EQ(l.columns, r.columns);
        EXPECT_EQ(l.rows, r.rows);
        EXPECT_EQ(l.sheets, r.sheets);
        EXPECT_EQ(l.x0, r.x0);
        EXPECT_EQ(l.y0, r.y0);
        EXPECT_EQ(l.pitchH, r.pitchH);
        EXPECT_EQ(l.boxWidth, 98);
    }
}

TEST_F(CompositeTest, SheetsTooLargeForMemoryFailCleanly)
{
    // 60000 x 60000 pixels is past what one image may hold: logged, not counted, no file.
    HComposite job = plainJob(60000, 60000);
    job.validate();
    EXPECT_FALSE(job.createSheet(nullptr, makeFiles(1)));
    EXPECT_EQ(ui.log, QStringList{out + "CSheet1.png - not enough memory for the sheet"});
    EXPECT_FALSE(QFile::exists(out + "CSheet1.png"));
    EXPECT_TRUE(ui.boxTexts().last().contains("\r\n1 composite image(s) could not be saved."));
}

// A grid of more cells than an int counts still fills one sheet with a few files.
TEST(CompositeLayout, HugeGridHoldsFewFilesOnOneSheet)
{
    HComposite job;
    job.setImageWidth(60000);
    job.setImageHeight(60000);
    job.setThumbWidth(1);
    job.setThumbHeight(1);
    job.setBorderSize(0);
    job.setHorSpacing(0);
    job.setVerSpacing(0);
    const gb::CompositeLayout l = gb::CompositeLayout::compute(job, 3, 0, 0);
    EXPECT_EQ(l.columns, 60000);
    EXPECT_EQ(l.rows, 60000);
    EXPECT_EQ(l.sheets, 1);
}

// A run started without validation may hold any int in each setting of the layout: the
// grid is counted in 64 bits, and every cell it places lies whole on the sheet.
TEST(CompositeLayout, ExtremeSettingsPlaceNoCellOffTheSheet)
{
    using Setter = void (HComposite::*)(int);
    const Setter setters[] = {&HComposite::setThumbWidth, &HComposite::setThumbHeight, &HComposite::setHorSpacing,
                              &HComposite::setVerSpacing, &HComposite::setBorderSize, &HComposite::setImageWidth,
                              &HComposite::setImageHeight};
    for (const Setter setter : setters) {
        for (const int value : {INT_MAX, INT_MAX - 1, INT_MIN, -1}) {
            for (const int titleHeight : {0, INT_MAX}) {
                SCOPED_TRACE(std::to_string(value) + " title " + std::to_string(titleHeight));
                HComposite job;
                job.setImageWidth(800);
                job.setImageHeight(600);
                (job.*setter)(value);
                const gb::CompositeLayout l = gb::CompositeLayout::compute(job, 5, titleHeight, 40);
                if (l.perSheet < 1) {
                    EXPECT_EQ(l.sheets, 0);
                    continue;
                }
                EXPECT_GE(l.x0, 0);
                EXPECT_LE(l.x0 + l.columns * l.cellWidth + (l.columns - 1) * job.horSpacing(), job.imageWidth());
                EXPECT_LE(l.y0 + (l.rows - 1) * l.pitchH + job.thumbHeight() + l.bandHeight, job.imageHeight());
            }
        }
    }
}

// The thumbnails are decoded on worker threads; the sheets and the log are the same for
// any number of them, a damaged file and a sheet kept by a No among them.
TEST_F(CompositeTest, SameSheetsWithAnyThreadCount)
{
    QStringList files;
    for (int i = 0; i < 23; ++i) {
        const QString path = src + QString("/v%1.png").arg(i, 2, 10, QChar('0'));
        if (i == 6)
            gbtest::writeFile(path, "not a picture");
        else
            gbtest::writeImage(path, 30 + 7 * i, 60 - i, 0x102030u * uint32_t(i + 1));
        files << path;
    }
    HComposite job = plainJob(250, 110); // two cells a sheet: twelve sheets
    job.setOverwrite(3);
    QMap<int, QMap<QString, QByteArray>> sheets;
    QMap<int, QStringList> logs;
    for (int threads : {1, 3, 8}) {
        gb::kvtSetRtRegInt("General Options", "Worker Threads", threads);
        QDir(out).removeRecursively();
        QDir().mkpath(out);
        gbtest::writeFile(out + "CSheet2.png", "kept");
        ui.log.clear();
        ui.boxAnswers = {gb::UiSeam::ResultNo};
        ASSERT_TRUE(job.createSheet(nullptr, files));
        for (const QString &name : QDir(out).entryList(QDir::Files))
            sheets[threads][name] = gbtest::readFile(out + name);
        logs[threads] = ui.log;
    }
    gb::kvtSetRtRegInt("General Options", "Worker Threads", 0);
    EXPECT_GE(sheets[1].size(), 3);
    EXPECT_EQ(sheets[1].value("CSheet2.png"), QByteArray("kept"));
    EXPECT_EQ(sheets[3], sheets[1]);
    EXPECT_EQ(sheets[8], sheets[1]);
    EXPECT_EQ(logs[3], logs[1]);
    EXPECT_EQ(logs[8], logs[1]);
}

// A run killed while it writes a sheet leaves no part of it under its name: the rerun under
// "never replace" makes the sheet and clears the killed run's temporary file.
TEST_F(CompositeTest, ASheetCutShortByAKillIsNotKeptByTheRerun)
{
    HComposite job = plainJob(700, 700);
    job.setSaveAs(1); // a BMP of 1.4 MB, past the killed run's 1 MB limit
    job.setOverwrite(2);
    ASSERT_TRUE(job.validate().isEmpty());
    const QStringList files = makeFiles(3);
    const pid_t killed = gbtest::killedAtFileSize(1 << 20, [&] { job.createSheet(nullptr, files); });
    ASSERT_NE(killed, 0) << "the run was not cut short";
    EXPECT_FALSE(QFile::exists(out + "CSheet1.bmp"));
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden).filter(QString::number(killed)).size(), 1);

    ASSERT_TRUE(job.createSheet(nullptr, files));
    EXPECT_EQ(load(out + "CSheet1.bmp").width(), 700);
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList{"CSheet1.bmp"});
}

// An Abort pressed while a thumbnail is awaited, or while a sheet is encoded and written
// (the window serves events meanwhile, on one thread too), ends the run before that sheet
// reaches its file: the sheets before it stay whole, nothing else is left in the folder, and
// the run ends quietly. An abort left over from an earlier run is cleared when a run starts.
TEST_F(CompositeTest, AbortDropsTheSheetUnderWay)
{
    struct Case {
        const char *name;
        int threads;
        int atFile;
        int atSave;
    };
    const Case cases[] = {
        {"on the first thumbnail of sheet 2", 4, 3, 0},
        {"while sheet 2 is saved", 4, 0, 2},
        {"while sheet 2 is saved, one thread", 1, 0, 2},
    };
    const QStringList files = makeFiles(6); // two cells a sheet: three sheets
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        gb::kvtSetRtRegInt("General Options", "Worker Threads", c.threads);
        QDir(out).removeRecursively();
        QDir().mkpath(out);
        gbtest::AbortingUi user;
        user.abortAtFile = c.atFile;
        user.abortAction = "Saving ...";
        user.abortAtAction = c.atSave;
        HComposite job = plainJob(250, 110);
        gb::glAbortBatch = true;
        job.createSheet(nullptr, files);
        EXPECT_TRUE(gb::glAbortBatch);
        EXPECT_TRUE(user.abortedInStep);
        EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList{"CSheet1.png"});
        EXPECT_EQ(load(out + "CSheet1.png").width(), 250);
        EXPECT_TRUE(user.boxes.empty());
        EXPECT_TRUE(user.ended);
    }
    gb::glAbortBatch = false;
    gb::kvtSetRtRegInt("General Options", "Worker Threads", 0);
}
