// Batch runs over files made here, with the real progress window behind a scripted UI.

#include "batch/batchaction.h"
#include "batch/be.h"
#include "batch/filenaming.h"
#include "common/batchprogresswin.h"
#include "image/imageload.h"
#include "image/imagesave.h"
#include "image/imagetypes.h"

#include "support/scriptedui.h"
#include "support/testutil.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace gb;

namespace {

// Scripted answers, and the program's real progress window for every run.
class WindowedUi : public gbtest::ScriptedUi
{
public:
    QPointer<BatchProgressWin> window;
    int windowsMade = 0;
    // Called with each progress window as a run makes it: the run serves events before
    // it has one.
    std::function<void(BatchProgressWin *)> onWindow;

    // The user clicks Abort once the log holds that many lines; the click is served when
    // the run next lets events through.
    void abortAtLogLine(int lines)
    {
        onWindow = [lines](BatchProgressWin *window) {
            QListWidget *log = window->log();
            QObject::connect(log->model(), &QAbstractItemModel::rowsInserted, log, [window, log, lines] {
                if (log->count() == lines)
                    QMetaObject::invokeMethod(window->theButton(), &QPushButton::click, Qt::QueuedConnection);
            });
        };
    }

    std::unique_ptr<BatchProgress> batchProgress(QWidget *owner) override
    {
        ++windowsMade;
        std::unique_ptr<BatchProgress> progress = createBatchProgressWin(owner, &window);
        if (onWindow)
            onWindow(window);
        return progress;
    }

    QStringList log() const
    {
        QStringList lines;
        for (int i = 0; window && i < window->log()->count(); ++i)
            lines << window->log()->item(i)->text();
        return lines;
    }

    ~WindowedUi() override
    {
        if (window)
            window->done(1);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

struct Fixture {
    QString dir = gbtest::makeTempDir();
    QString src = dir + "/src";
    QString out = dir + "/out";
    Fixture()
    {
        QDir().mkpath(src);
        QDir().mkpath(out);
    }
    // A w x h image of one colour per file, saved as the extension says.
    QString image(const QString &name, int w = 64, int h = 48, uint8_t shade = 100)
    {
        const QString path = src + "/" + name;
        EXPECT_TRUE(saveRgb2File(RgbImage::filled(w, h, shade, 50, 200), path, 0, 95, false, 0.0, 256));
        return path;
    }
    Be job()
    {
        Be be;
        be.setFinalFolder(out + "/");
        be.setOverwrite(1);
        return be;
    }
};

RgbImage load(const QString &path)
{
    int w = 0, h = 0;
    QString error;
    return createRgbFromFile(path, w, h, error);
}

QByteArray head(const QString &path, int n)
{
    return gbtest::readFile(path).left(n);
}

// A minimal Photoshop file: 3 channels of 8 bits, raw planes.
QString writePsd(const QString &path, int w, int h)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s.writeRawData("8BPS", 4);
    s << quint16(1);
    s.writeRawData("\0\0\0\0\0\0", 6);
    s << quint16(3) << quint32(h) << quint32(w) << quint16(8) << quint16(3);
    s << quint32(0) << quint32(0) << quint32(0) << quint16(0);
    for (uint8_t plane : {200, 100, 50})
        for (int i = 0; i < w * h; ++i)
            s << quint8(plane);
    gbtest::writeFile(path, bytes);
    return path;
}

} // namespace

TEST(BatchRun, NamesAndNumbersTheOutputs)
{
    WindowedUi ui;
    Fixture f;
    const QStringList sources = {f.image("a.png"), f.image("b.bmp"), f.image("c.jpg")};
    Be job = f.job();
    job.setNaming(4);
    job.setStdPrefix("pic");
    job.setEnumStart(9);
    job.setEnumLength(3);
    job.setFinalFormat(4);
    const QStringList result = job.batchProcess(sources, "Batch Processing", false);
    const QStringList expected = {f.out + "/pic009.png", f.out + "/pic010.png", f.out + "/pic011.png"};
    EXPECT_EQ(result, expected);
    for (const QString &path : expected) {
        EXPECT_EQ(head(path, 4), QByteArray("\x89PNG"));
        EXPECT_EQ(load(path).width(), 64);
    }
    ASSERT_TRUE(ui.window);
    EXPECT_EQ(ui.window->windowTitle(), "Batch Processing");
    EXPECT_EQ(ui.window->fileNo()->text(), "File 3 of 3");
    EXPECT_EQ(ui.log(), QStringList({sources[0] + " - Finished", sources[1] + " - Finished", sources[2] + " - Finished"}));
}

TEST(BatchRun, EmptyListShowsTheWindowAndEndsIdle)
{
    WindowedUi ui;
    Fixture f;
    Be job = f.job();
    EXPECT_TRUE(job.batchProcess({}, "Batch Processing", false).isEmpty());
    ASSERT_TRUE(ui.window);
    EXPECT_EQ(ui.window->currentActionLabel()->text(), "Idle");
    EXPECT_EQ(ui.window->currentFile()->text(), "");
    EXPECT_EQ(ui.window->theButton()->text(), "Close");
    EXPECT_TRUE(ui.window->idle());
    // Idle, the button closes without a question.
    ui.window->theButton()->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(ui.window.isNull());
    EXPECT_TRUE(ui.boxes.empty());

    EXPECT_TRUE(job.batchProcess({}, "Creating and Processing Thumbnails", true).isEmpty());
    EXPECT_EQ(ui.windowsMade, 2);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(ui.window.isNull());
}

TEST(BatchRun, FileThatFailsToLoadIsLoggedCountedAndSkipped)
{
    WindowedUi ui;
    Fixture f;
    const QString broken = f.src + "/b.jpg";
    gbtest::writeFile(broken, "not an image at all");
    const QStringList sources = {f.image("a.png"), broken, f.image("c.png")};
    Be job = f.job();
    job.setFinalFormat(0);
    const QStringList result = job.batchProcess(sources, "Batch Processing", false);
    EXPECT_EQ(result, QStringList({f.out + "/a.png", f.out + "/b.jpg", f.out + "/c.png"}));
    EXPECT_FALSE(QFileInfo::exists(f.out + "/b.jpg"));
    EXPECT_TRUE(QFileInfo::exists(f.out + "/c.png"));
    const QStringList log = ui.log();
    ASSERT_EQ(log.size(), 4);
    EXPECT_EQ(log[0], sources[0] + " - Finished");
    EXPECT_TRUE(log[1].startsWith(broken + " - "));
    EXPECT_GT(log[1].size(), broken.size() + 3);
    EXPECT_EQ(log[2], sources[2] + " - Finished");
    EXPECT_EQ(log[3], "Not processed: 1 of 3 files");
}

TEST(BatchRun, FailedSaveIsLoggedAndCounted)
{
    WindowedUi ui;
    Fixture f;
    const QString source = f.image("a.png");
    Be job = f.job();
    job.setFinalFolder(f.out + "/missing/");
    EXPECT_EQ(job.batchProcess({source}, "Batch Processing", false), QStringList({f.out + "/missing/a.jpg"}));
    EXPECT_EQ(ui.log(), QStringList({source + " - An error occured during saving", "Not processed: 1 of 1 files"}));
}

TEST(BatchRun, OverwritePolicies)
{
    Fixture f;
    const QString source = f.image("a.png");
    const QString target = f.out + "/a.jpg";
    struct Row {
        int mode;
        std::deque<int> answers;
        bool replaced;
        bool asked;
    } rows[] = {{1, {}, true, false}, {2, {}, false, false}, {3, {UiSeam::ResultYes}, true, true},
                {3, {UiSeam::ResultNo}, false, true}, {0, {}, true, false}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.mode);
        WindowedUi ui;
        gbtest::writeFile(target, "old");
        ui.boxAnswers = row.answers;
        Be job = f.job();
        job.setOverwrite(row.mode);
        EXPECT_EQ(job.batchProcess({source}, "Batch Processing", false), QStringList({target}));
        EXPECT_EQ(gbtest::readFile(target) != "old", row.replaced);
        ASSERT_EQ(ui.boxes.size(), row.asked ? 1u : 0u);
        if (row.asked) {
            EXPECT_EQ(ui.boxes[0].caption, "Warning!");
            EXPECT_EQ(ui.boxes[0].text, "File: " + target + " exist and will be overwritten");
        }
        EXPECT_EQ(ui.log(), QStringList(source + (row.replaced ? QString(" - Finished")
                                                                : QString(" - Final file exist and will not be replaced"))));
    }
}

TEST(BatchRun, AbortBeforeTheThirdFileStopsTheRun)
{
    WindowedUi ui;
    Fixture f;
    QStringList sources;
    for (int i = 0; i < 10; ++i)
        sources << f.image(QString("p%1.png").arg(i));
    Be job = f.job();
    job.setFinalFormat(4);
    ui.boxAnswers = {UiSeam::ResultYes};
    // Once the second file is logged, the user clicks Abort; the click is served when the
    // run lets events through before the third file.
    ui.abortAtLogLine(2);
    const QStringList result = job.batchProcess(sources, "Batch Processing", false);
    EXPECT_TRUE(result.isEmpty());
    EXPECT_TRUE(glAbortBatch);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Abort procedure ?");
    EXPECT_TRUE(QFileInfo::exists(f.out + "/p0.png"));
    EXPECT_TRUE(QFileInfo::exists(f.out + "/p1.png"));
    EXPECT_FALSE(QFileInfo::exists(f.out + "/p2.png"));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(ui.window.isNull());

    // Answered No, the run goes on to the end.
    glAbortBatch = false;
    WindowedUi ui2;
    ui2.boxAnswers = {UiSeam::ResultNo};
    ui2.onWindow = [](BatchProgressWin *window) {
        QMetaObject::invokeMethod(window->theButton(), &QPushButton::click, Qt::QueuedConnection);
    };
    EXPECT_EQ(job.batchProcess(sources.mid(0, 3), "Batch Processing", false).size(), 3);
    EXPECT_FALSE(glAbortBatch);
    EXPECT_EQ(ui2.boxes.size(), 1u);
    EXPECT_TRUE(ui2.window && ui2.window->idle());
}

// Naming the outputs and checking them against the sources reads every file: the run
// serves events meanwhile, before its window opens.
TEST(BatchRun, ServesEventsWhileItNamesAndChecksItsOutputs)
{
    WindowedUi ui;
    Fixture f;
    const QStringList sources = {f.image("a.png"), f.image("b.png")};
    Be job = f.job();
    job.setFinalFormat(4);
    int windowsWhenServed = -1;
    QTimer::singleShot(0, [&] { windowsWhenServed = ui.windowsMade; });
    EXPECT_EQ(job.batchProcess(sources, "Batch Processing", false).size(), 2);
    EXPECT_EQ(windowsWhenServed, 0);
}

// Abort confirmed while the last file is worked on: the file is finished whole, and the
// run reports the abort as one before it would (an empty list, the window ended).
TEST(BatchRun, AbortDuringTheLastFileEndsTheRunAsAborted)
{
    WindowedUi ui;
    Fixture f;
    const QStringList sources = {f.image("a.png"), f.image("b.png"), f.image("c.png")};
    Be job = f.job();
    job.setFinalFormat(4);
    ui.boxAnswers = {UiSeam::ResultYes};
    ui.abortAtLogLine(3);
    EXPECT_TRUE(job.batchProcess(sources, "Batch Processing", false).isEmpty());
    EXPECT_TRUE(glAbortBatch);
    EXPECT_EQ(ui.boxTexts(), QStringList{"Abort procedure ?"});
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(ui.window.isNull());
    // Every output whole, nothing else in the folder.
    EXPECT_EQ(QDir(f.out).entryList(QDir::Files | QDir::Hidden), QStringList({"a.png", "b.png", "c.png"}));
    for (const QString name : {"a.png", "b.png", "c.png"})
        EXPECT_EQ(load(f.out + "/" + name).width(), 64) << name.toStdString();
    glAbortBatch = false;
}

// A step that cannot be done (a stretch to more pixels than an image may hold, an overlay
// file that is gone) is no success: the later steps still run and the image is saved, but
// the file's line names the failed steps and the file counts as not processed.
TEST(BatchRun, AStepThatFailsIsLoggedAndCounted)
{
    WindowedUi ui;
    Fixture f;
    const QStringList sources = {f.image("a.png"), f.image("b.png")};
    Be job = f.job();
    job.setFinalFormat(4);
    const BatchCommand hugeStretch = BatchCommand::make(ActionResize, {4, 99999, 99999, 0, true});
    const BatchCommand invert = BatchCommand::make(ActionInvertColors, {});
    job.setCommands({hugeStretch, invert});
    job.batchProcess(sources, "Batch Processing", false);
    EXPECT_EQ(ui.log(), QStringList({sources[0] + " - Resize could not be done, the image was saved without it",
                                     sources[1] + " - Resize could not be done, the image was saved without it",
                                     "Not processed: 2 of 2 files"}));
    const RgbImage a = load(f.out + "/a.png");
    ASSERT_EQ(a.width(), 64);
    EXPECT_EQ(a.pixel(3, 3)[0], 255 - 100);

    const BatchCommand goneOverlay = BatchCommand::make(
        ActionOverlayImage, {f.src + "/gone.png", 1, 0, 0, 0, 0, false, 0, 1.0});
    job.setCommands({goneOverlay, invert, hugeStretch});
    job.batchProcess({sources[0]}, "Batch Processing", false);
    EXPECT_EQ(ui.log(), QStringList({sources[0] + " - Overlay Image, Resize could not be done, the image was saved "
                                                  "without them",
                                     "Not processed: 1 of 1 files"}));

    // The steps that work leave the file counted as done.
    job.setCommands({BatchCommand::make(ActionResize, {4, 10, 10, 0, true}), invert});
    job.batchProcess({sources[0]}, "Batch Processing", false);
    EXPECT_EQ(ui.log(), QStringList({sources[0] + " - Finished"}));
}

TEST(BatchRun, EmptyScriptConvertsAndScriptAppliesToEveryFile)
{
    WindowedUi ui;
    Fixture f;
    const QStringList sources = {f.image("a.png", 64, 48), f.image("b.gif", 30, 60)};
    Be job = f.job();
    job.setFinalFormat(1);
    job.batchProcess(sources, "Batch Processing", true);
    EXPECT_EQ(head(f.out + "/a.bmp", 2), QByteArray("BM"));
    EXPECT_EQ(load(f.out + "/b.bmp").height(), 60);

    job.setNaming(2);
    job.setStdName("_small");
    job.setCommands({BatchCommand::make(6, {1, 16, 16, 0, true}), BatchCommand::make(19, {})});
    job.batchProcess(sources, "Batch Processing", true);
    const RgbImage a = load(f.out + "/a_small.bmp");
    EXPECT_EQ(a.width(), 16);
    EXPECT_EQ(a.height(), 12);
    EXPECT_EQ(a.pixel(3, 3)[0], 255 - 100);
    EXPECT_EQ(load(f.out + "/b_small.bmp").width(), 8);
}

TEST(BatchRun, WriterArgumentsPerFormat)
{
    WindowedUi ui;
    Fixture f;
    // A picture of many colours, so colour counts show in the files.
    RgbImage many = RgbImage::create(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            uint8_t *p = many.pixel(x, y);
            p[0] = uint8_t(x * 4);
            p[1] = uint8_t(y * 4);
            p[2] = uint8_t((x + y) * 2);
        }
    const QString source = f.src + "/many.png";
    ASSERT_TRUE(saveRgb2File(many, source, 4, 100, false, 0.0, 256));

    // Every writable format, told by its signature where it has one, and read back.
    const std::pair<int, QByteArray> signatures[] = {
        {1, "BM"}, {2, "GIF8"}, {3, "\xFF\xD8\xFF"}, {4, "\x89PNG"}, {5, "\x0A"}, {6, "II*"},
        {7, ""},   {8, QByteArray("\x01\0\0\0", 4)},  {9, ""}};
    const char *const extensions[] = {"bmp", "gif", "jpg", "png", "pcx", "tif", "wmf", "emf", "tga"};
    Be job = f.job();
    for (const auto &[format, signature] : signatures) {
        job.setFinalFormat(format);
        const QStringList out = job.batchProcess({source}, "Batch Processing", true);
        ASSERT_EQ(out.size(), 1);
        EXPECT_EQ(out[0], f.out + "/many." + extensions[format - 1]);
        EXPECT_EQ(head(out[0], signature.size()), signature) << format;
        EXPECT_EQ(load(out[0]).width(), 64) << format;
    }

    // JPEG: quality and the progressive flag reach the writer.
    auto jpeg = [&](int quality, bool progressive) {
        job.setFinalFormat(3);
        job.setJpgQuality(quality);
        job.setJpgProg(progressive);
        return gbtest::readFile(job.batchProcess({source}, "Batch Processing", true).at(0));
    };
    const QByteArray progressive = jpeg(90, true), baseline = jpeg(90, false), low = jpeg(10, false);
    EXPECT_TRUE(progressive.contains("\xFF\xC2"));
    EXPECT_FALSE(baseline.contains("\xFF\xC2"));
    EXPECT_LT(low.size(), baseline.size());

    // Colour count: 256 without a depth step (TIFF in 8 bits), the step's count with one.
    int w = 0, h = 0, bits = 0;
    QString error;
    job.setFinalFormat(6);
    const QString tif = job.batchProcess({source}, "Batch Processing", true).at(0);
    ASSERT_TRUE(getImageDims(tif, w, h, bits, error));
    EXPECT_EQ(bits, 8);
    job.setCommands({BatchCommand::make(25, {5, 0})});
    job.batchProcess({source}, "Batch Processing", true);
    ASSERT_TRUE(getImageDims(tif, w, h, bits, error));
    EXPECT_EQ(bits, 24);
    job.setFinalFormat(2);
    job.setCommands({BatchCommand::make(25, {6, 4})});
    const RgbImage gif = load(job.batchProcess({source}, "Batch Processing", true).at(0));
    std::set<uint32_t> colours;
    for (size_t i = 0; i < gif.pixelCount(); ++i)
        colours.insert(gif.data()[i * 3] | gif.data()[i * 3 + 1] << 8 | gif.data()[i * 3 + 2] << 16);
    EXPECT_LE(colours.size(), 4u);
}

TEST(BatchRun, RunsThatWouldWriteOntoTheirSourcesAreRefused)
{
    WindowedUi ui;
    Fixture f;
    const QString a = f.image("a.png");
    const QByteArray before = gbtest::readFile(a);
    Be job = f.job();
    job.setFinalFolder(f.src + "/");
    job.setFinalFormat(0);
    EXPECT_TRUE(job.batchProcess({a}, "Batch Processing", false).isEmpty());
    EXPECT_TRUE(glAbortBatch);
    EXPECT_EQ(ui.windowsMade, 0);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Info");
    EXPECT_EQ(gbtest::readFile(a), before);

    // Two sources of one name in different folders onto one output.
    QDir().mkpath(f.src + "/other");
    const QString b = f.image("other/a.png");
    job.setFinalFolder(f.out + "/");
    EXPECT_TRUE(job.batchProcess({a, b}, "Batch Processing", false).isEmpty());
    EXPECT_EQ(ui.boxes.size(), 2u);
    EXPECT_FALSE(QFileInfo::exists(f.out + "/a.png"));
    glAbortBatch = false;
}

// Naming texts are parts of a file name: one that would leave the output folder is refused
// by validation and by the run, before anything is written.
TEST(BatchRun, NamingTextsThatLeaveTheOutputFolderAreRefused)
{
    WindowedUi ui;
    Fixture f;
    const QString a = f.image("a.png");
    struct Case {
        int naming;
        const char *text;
        bool refused;
    } cases[] = {
        {NamingPrefixPlusNumber, "../../p", true},
        {NamingPrefixPlusNumber, "sub/p", true},
        {NamingPrefixPlusNumber, "..", true},
        {NamingNumberPlusSuffix, "/../x", true},
        {NamingNamePlusText, "_../..", true},
        {NamingPrefixPlusNumber, "holiday.", false},
        {NamingNamePlusText, "-small", false},
        // Only the text the naming uses counts.
        {NamingSameName, "../../p", false},
    };
    for (const Case &c : cases) {
        Be job = f.job();
        job.setNaming(c.naming);
        job.setStdPrefix(c.naming == NamingPrefixPlusNumber || c.naming == NamingSameName ? c.text : "img");
        job.setStdSuffix(c.naming == NamingNumberPlusSuffix ? c.text : "img");
        job.setStdName(c.naming == NamingNamePlusText ? c.text : "");
        ui.boxes.clear();
        EXPECT_EQ(job.validate(), !c.refused) << c.text;
        EXPECT_EQ(job.namingProblem().isEmpty(), !c.refused) << c.text;
        if (!c.refused)
            continue;
        ASSERT_EQ(ui.boxes.size(), 1u) << c.text;
        EXPECT_TRUE(ui.boxes[0].text.contains(QString("\"%1\" must not hold").arg(c.text))) << c.text;
        // The run refuses too, when started without validating.
        EXPECT_TRUE(job.batchProcess({a}, "Batch Processing", false).isEmpty()) << c.text;
        EXPECT_TRUE(glAbortBatch);
        EXPECT_EQ(ui.windowsMade, 0);
        glAbortBatch = false;
    }
    // Nothing was written anywhere under the test folder but the source.
    QStringList written;
    QDirIterator it(f.dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        written << it.next();
    EXPECT_EQ(written, QStringList{a});
    EXPECT_TRUE(QDir(QFileInfo(f.dir).path()).entryList({"p0001.*"}).isEmpty());
}

TEST(BatchRun, PhotoshopSourcesAreWrittenInTheOutputFormat)
{
    WindowedUi ui;
    Fixture f;
    const QString psd = writePsd(f.src + "/scan.psd", 20, 10);
    if (load(psd).isNull())
        GTEST_SKIP() << "the Photoshop reader is not in the image layer yet";
    Be job = f.job();
    job.setFinalFormat(0);
    job.setFinalFormatRo(3);
    EXPECT_EQ(job.batchProcess({psd}, "Batch Processing", false), QStringList({f.out + "/scan.jpg"}));
    EXPECT_EQ(head(f.out + "/scan.jpg", 3), QByteArray("\xFF\xD8\xFF"));
    job.setFinalFormat(4);
    EXPECT_EQ(job.batchProcess({psd}, "Batch Processing", false), QStringList({f.out + "/scan.png"}));
    EXPECT_EQ(head(f.out + "/scan.png", 4), QByteArray("\x89PNG"));
}

TEST(BatchRun, FirstShrinkIsDoneWhileLoadingWithTheSameResult)
{
    WindowedUi ui;
    Fixture f;
    RgbImage big = RgbImage::create(800, 600);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            uint8_t *p = big.pixel(x, y);
            p[0] = uint8_t(x / 4);
            p[1] = uint8_t(y / 3);
            p[2] = 128;
        }
    const QString source = f.src + "/big.jpg";
    ASSERT_TRUE(saveRgb2File(big, source, 3, 95, false, 0.0, 256));
    struct Row {
        ValueArray resize;
        int w, h;
    } rows[] = {{{1, 100, 100, 0, true}, 100, 75}, {{4, 90, 40, 0, true}, 90, 40}, {{5, 0, 0, 10, false}, 80, 60},
                {{2, 150, 0, 0, true}, 150, 113}, {{1, 600, 600, 0, true}, 600, 450}};
    Be job = f.job();
    job.setFinalFormat(4);
    for (const Row &row : rows) {
        job.setCommands({BatchCommand::make(6, row.resize), BatchCommand::make(19, {})});
        const RgbImage out = load(job.batchProcess({source}, "Batch Processing", true).at(0));
        EXPECT_EQ(out.width(), row.w);
        EXPECT_EQ(out.height(), row.h);
        // The rest of the script still runs: the middle pixel is inverted.
        const uint8_t *p = out.pixel(row.w / 2, row.h / 2);
        EXPECT_NEAR(p[2], 255 - 128, 6);
        EXPECT_NEAR(p[0], 255 - 100, 8);
    }
}

TEST(BatchRun, ShowsThumbnailsWhenAsked)
{
    WindowedUi ui;
    Fixture f;
    Be job = f.job();
    job.setShowThumbs(true);
    job.batchProcess({f.image("wide.png", 400, 100)}, "Batch Processing", false);
    ASSERT_TRUE(ui.window);
    const RgbImage &preview = ui.window->previewImage();
    ASSERT_FALSE(preview.isNull());
    const QSize box = ui.window->previewBox();
    EXPECT_EQ(preview.width(), box.width());
    EXPECT_LE(preview.height(), box.height());
    EXPECT_NEAR(double(preview.width()) / preview.height(), 4.0, 0.3);
}

TEST(BatchRun, WorksOnItsOwnCopiesOfTheListAndTheScript)
{
    WindowedUi ui;
    Fixture f;
    QStringList sources = {f.image("a.png"), f.image("b.png"), f.image("c.png")};
    Be job = f.job();
    job.setFinalFormat(4);
    job.setCommands({BatchCommand::make(6, {4, 10, 10, 0, true})});
    // While the run serves events after its first file, the window's owner changes the job
    // and the list it was given.
    ui.onWindow = [&](BatchProgressWin *window) {
        QObject::connect(window->log()->model(), &QAbstractItemModel::rowsInserted, window, [&] {
            job.setCommands({});
            job.setFinalFolder(f.src + "/");
            sources.clear();
        });
    };
    const QStringList result = job.batchProcess(sources, "Batch Processing", false);
    EXPECT_EQ(result, QStringList({f.out + "/a.png", f.out + "/b.png", f.out + "/c.png"}));
    for (const QString &path : result)
        EXPECT_EQ(load(path).width(), 10);
    EXPECT_TRUE(job.commands().empty());
}

TEST(BatchRun, AbortConfirmedDuringTheOverwriteQuestionFinishesThatFileFirst)
{
    // The overwrite question is modal: the user presses Abort while it is open, confirms,
    // then answers Yes to the question itself.
    struct AbortingUi : WindowedUi {
        int textBox(QWidget *owner, const QString &caption, const QString &text, unsigned type) override
        {
            const int answer = WindowedUi::textBox(owner, caption, text, type);
            if (text.startsWith("File: ") && window)
                window->theButton()->click();
            return answer;
        }
    } ui;
    Fixture f;
    const QStringList sources = {f.image("a.png"), f.image("b.png"), f.image("c.png")};
    gbtest::writeFile(f.out + "/b.png", "old");
    Be job = f.job();
    job.setFinalFormat(4);
    job.setOverwrite(3);
    ui.boxAnswers = {UiSeam::ResultYes, UiSeam::ResultYes};
    EXPECT_TRUE(job.batchProcess(sources, "Batch Processing", false).isEmpty());
    EXPECT_TRUE(glAbortBatch);
    EXPECT_EQ(ui.boxTexts(), QStringList({"File: " + f.out + "/b.png exist and will be overwritten", "Abort procedure ?"}));
    EXPECT_TRUE(QFileInfo::exists(f.out + "/a.png"));
    EXPECT_EQ(head(f.out + "/b.png", 4), QByteArray("\x89PNG"));
    EXPECT_FALSE(QFileInfo::exists(f.out + "/c.png"));
    glAbortBatch = false;
}

TEST(BatchRun, PreviewShowsSmallImagesAtTheirSizeAndNothingForNonImages)
{
    WindowedUi ui;
    Fixture f;
    Be job = f.job();
    job.setShowThumbs(true);
    job.batchProcess({f.image("small.png", 12, 9)}, "Batch Processing", false);
    ASSERT_TRUE(ui.window);
    EXPECT_EQ(ui.window->previewImage().width(), 12);
    EXPECT_EQ(ui.window->previewImage().height(), 9);
    ui.window->done(1);

    const QString text = f.src + "/notes.png";
    gbtest::writeFile(text, "just text");
    job.batchProcess({f.image("first.png"), text}, "Batch Processing", false);
    ASSERT_TRUE(ui.window);
    EXPECT_TRUE(ui.window->previewImage().isNull());
    EXPECT_TRUE(ui.boxes.empty());
}

TEST(BatchRun, FormatWithoutExtensionSkipsEveryFileSilently)
{
    WindowedUi ui;
    Fixture f;
    Be job = f.job();
    job.setFinalFormat(10);
    EXPECT_EQ(job.batchProcess({f.image("a.png"), f.image("b.png")}, "Batch Processing", false), QStringList({"", ""}));
    EXPECT_TRUE(ui.log().isEmpty());
    EXPECT_TRUE(QDir(f.out).isEmpty());
    EXPECT_EQ(ui.window->fileNo()->text(), "File 2 of 2");
}

TEST(BatchRun, RunsWithoutAnyWindowBehindTheSeam)
{
    // No UI installed: the headless seam answers, and its progress stand-in shows nothing.
    Fixture f;
    Be job = f.job();
    job.setFinalFormat(4);
    job.setOverwrite(3);
    gbtest::writeFile(f.out + "/b.png", "old");
    const QStringList result = job.batchProcess({f.image("a.png"), f.image("b.png")}, "Batch Processing", false);
    EXPECT_EQ(result, QStringList({f.out + "/a.png", f.out + "/b.png"}));
    EXPECT_EQ(head(f.out + "/a.png", 4), QByteArray("\x89PNG"));
    // The headless seam answers No to the overwrite question.
    EXPECT_EQ(gbtest::readFile(f.out + "/b.png"), QByteArray("old"));
}

// A run killed while it writes an output leaves no part of that output under its name, so a
// rerun under "never replace" makes it whole instead of keeping it; the rerun also clears
// the killed run's temporary file, and only that.
TEST(BatchRun, AKilledRunLeavesNoCutOutputForTheNextRunToKeep)
{
    Fixture f;
    // As BMP files: about 9 KB, then 1.4 MB, past the killed run's 1 MB limit.
    const QStringList sources = {f.image("a.png"), f.image("b.png", 700, 700)};
    Be job = f.job();
    job.setFinalFormat(ImageTypeBmp);
    job.setOverwrite(2);
    gbtest::writeFile(f.out + "/.c.bmp.Ab12Cd", "not ours");
    const pid_t killed = gbtest::killedAtFileSize(1 << 20, [&] { job.batchProcess(sources, "Batch Processing", true); });
    ASSERT_NE(killed, 0) << "the run was not cut short";
    EXPECT_EQ(load(f.out + "/a.bmp").width(), 64);
    EXPECT_FALSE(QFileInfo::exists(f.out + "/b.bmp"));
    EXPECT_EQ(QDir(f.out).entryList(QDir::Files | QDir::Hidden).filter(QString::number(killed)).size(), 1);

    const QByteArray first = gbtest::readFile(f.out + "/a.bmp");
    WindowedUi ui;
    EXPECT_EQ(job.batchProcess(sources, "Batch Processing", false), QStringList({f.out + "/a.bmp", f.out + "/b.bmp"}));
    EXPECT_EQ(ui.log(), QStringList({sources[0] + " - Final file exist and will not be replaced", sources[1] + " - Finished"}));
    EXPECT_EQ(gbtest::readFile(f.out + "/a.bmp"), first);
    EXPECT_EQ(load(f.out + "/b.bmp").width(), 700);
    EXPECT_EQ(QDir(f.out).entryList(QDir::Files | QDir::Hidden), QStringList({".c.bmp.Ab12Cd", "a.bmp", "b.bmp"}));
}
