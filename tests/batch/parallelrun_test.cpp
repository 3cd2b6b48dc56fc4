// Runs over many files give the same files and the same log whatever the number of worker
// threads: a failing file, an overwrite question answered No and an Abort in the middle.

#include "batch/batchaction.h"
#include "batch/be.h"
#include "batch/filenaming.h"
#include "common/orderedwork.h"
#include "common/registry.h"
#include "common/uiseam.h"
#include "image/imagesave.h"
#include "platform/imagelib/jpegsplit.h"
#include "platform/imagelib/parallel.h"

#include "support/runui.h"
#include "support/testutil.h"

#include <QCoreApplication>
#include <QDir>
#include <QMap>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

using namespace gb;

namespace {

void setWorkerThreads(int count)
{
    ASSERT_TRUE(kvtSetRtRegInt(QStringLiteral("General Options"), QStringLiteral("Worker Threads"), count));
}

// Waits (serving nothing) until done() holds; false when it did not within ten seconds,
// which only a pool that stopped making items lets happen.
bool waitUntil(const std::function<bool()> &done)
{
    for (int k = 0; k < 10000 && !done(); ++k)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return done();
}

// Every file of a folder with its bytes.
QMap<QString, QByteArray> contents(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(folder).entryList(QDir::Files, QDir::Name))
        files[name] = gbtest::readFile(folder + "/" + name);
    return files;
}

struct Photos {
    QString dir = gbtest::makeTempDir();
    QString out = dir + "/out";
    QStringList sources;

    // count photos with content that differs per file, the fourth one damaged.
    explicit Photos(int count)
    {
        QDir().mkpath(out);
        for (int i = 0; i < count; ++i) {
            const QString path = dir + QStringLiteral("/p%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
            if (i == 3) {
                gbtest::writeFile(path, "not a picture at all");
            } else {
                RgbImage img = RgbImage::create(320 + 8 * i, 240);
                for (int y = 0; y < img.height(); ++y)
                    for (int x = 0; x < img.width(); ++x) {
                        uint8_t *p = img.pixel(x, y);
                        p[0] = uint8_t(x * (i + 1));
                        p[1] = uint8_t(y ^ (x * 3));
                        p[2] = uint8_t((x + y) * 7 / (i + 1));
                    }
                EXPECT_TRUE(saveRgb2File(img, path, 3, 90, false, 0.0, 256));
            }
            sources << path;
        }
    }

    Be job() const
    {
        Be be;
        be.setFinalFolder(out + "/");
        be.setFinalFormat(3);
        be.setJpgQuality(80);
        be.setOverwrite(OverwriteAsk);
        be.setCommands({BatchCommand::make(ActionResize, {1, 120, 120, 0, true}), BatchCommand::make(ActionSharpen, {30}),
                        BatchCommand::make(ActionChangeColorDepth, {1, 16})});
        return be;
    }
};

struct RunOutcome {
    QMap<QString, QByteArray> files;
    QStringList log;
    QStringList questions;
    QStringList result;
};

// The job over the photos with the given threads; the sixth output exists already and its
// question is answered No; abortAt (1-based, -1 none) presses Abort on that file.
RunOutcome runBatch(const Photos &photos, int threads, int abortAt)
{
    setWorkerThreads(threads);
    QDir(photos.out).removeRecursively();
    QDir().mkpath(photos.out);
    const Be job = photos.job();
    gbtest::writeFile(job.findNewName(photos.sources[5], 6), "kept");
    gbtest::RunUi ui;
    ui.boxAnswers = {UiSeam::ResultNo};
    ui.abortCaption = "Batch Processing";
    ui.abortAtFile = abortAt;
    Be run = job;
    RunOutcome outcome;
    outcome.result = run.batchProcess(photos.sources, "Batch Processing", true);
    outcome.files = contents(photos.out);
    outcome.log = ui.log;
    outcome.questions = ui.boxTexts();
    glAbortBatch = false;
    return outcome;
}

} // namespace

TEST(ParallelRun, BatchGivesTheSameFilesAndLogWithAnyThreadCount)
{
    initializeActions();
    const Photos photos(12);
    for (int abortAt : {-1, 8}) {
        const RunOutcome one = runBatch(photos, 1, abortAt);
        // The run as the user sees it: the damaged file logged and counted, the kept file
        // asked about and left, and an Abort leaving exactly the files before it.
        EXPECT_EQ(one.files.value("p05.jpg"), QByteArray("kept"));
        ASSERT_EQ(one.questions.size(), 1);
        EXPECT_TRUE(one.log.contains(photos.sources[5] + " - Final file exist and will not be replaced"));
        EXPECT_EQ(one.log.filter(photos.sources[3] + " - ").size(), 1);
        if (abortAt < 0) {
            EXPECT_EQ(one.files.size(), 11);
            EXPECT_EQ(one.log.last(), "Not processed: 1 of 12 files");
        } else {
            EXPECT_EQ(one.files.size(), 7) << "the eight files up to the Abort, less the damaged one";
            EXPECT_TRUE(one.files.contains("p07.jpg"));
            EXPECT_FALSE(one.files.contains("p08.jpg"));
            EXPECT_TRUE(one.result.isEmpty());
        }
        for (int threads : {2, 8}) {
            const RunOutcome many = runBatch(photos, threads, abortAt);
            EXPECT_EQ(many.files, one.files) << threads << " threads, abort at " << abortAt;
            EXPECT_EQ(many.log, one.log) << threads << " threads, abort at " << abortAt;
            EXPECT_EQ(many.questions, one.questions);
            EXPECT_EQ(many.result, one.result);
        }
    }
    setWorkerThreads(0);
}

TEST(ParallelRun, OneWorkerThreadMeansNoWorkerThreadOnAnyPath)
{
    // A large progressive photo, which would be decoded a component per thread, through a
    // job whose commands cut their own work into bands: with "Worker Threads" at 1 nothing
    // is handed to a worker thread, and none can be started.
    initializeActions();
    const QString dir = gbtest::makeTempDir();
    const QString photo = dir + "/large.jpg";
    RgbImage picture = RgbImage::create(1600, 1200);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            uint8_t *p = picture.pixel(x, y);
            p[0] = uint8_t(x / 7);
            p[1] = uint8_t(y / 5);
            p[2] = uint8_t((x + y) / 11);
        }
    ASSERT_TRUE(saveRgb2File(picture, photo, 3, 90, true, 0.0, 256));
    const size_t threshold = jpegSplitThreshold();
    setJpegSplitThreshold(0);
    Be job;
    job.setFinalFolder(dir + "/out/");
    job.setFinalFormat(3);
    // Shrunk to a quarter by the decoder, which is where the split takes 4:2:0 photos.
    job.setCommands(
        {BatchCommand::make(ActionResize, {1, 200, 200, 0, true}), BatchCommand::make(ActionSharpen, {30})});
    gbtest::RunUi ui;
    for (int threads : {1, 4}) {
        setWorkerThreads(threads);
        QDir(dir + "/out").removeRecursively();
        QDir().mkpath(dir + "/out");
        const size_t posted = workerTasksPosted(), splits = jpegSplitDecodeCount();
        Be run = job;
        run.batchProcess({photo}, "Batch Processing", true);
        EXPECT_EQ(QDir(dir + "/out").entryList(QDir::Files).size(), 1) << threads;
        if (threads == 1) {
            EXPECT_EQ(workerTasksPosted(), posted) << "a task went to a worker thread";
            EXPECT_EQ(startWorkerThreads(8), 0);
        } else {
            // The same run with more threads uses them, so the counts above can see them.
            EXPECT_GT(workerTasksPosted(), posted);
            EXPECT_EQ(jpegSplitDecodeCount(), splits + 1);
        }
    }
    setJpegSplitThreshold(threshold);
    setWorkerThreads(0);
    workerThreads();
}

TEST(ParallelRun, WorkerThreadsComeFromTheRegistry)
{
    setWorkerThreads(3);
    EXPECT_EQ(workerThreads(), 3);
    setWorkerThreads(0);
    EXPECT_EQ(workerThreads(), int(std::max(1u, std::thread::hardware_concurrency())));
}

TEST(OrderedWork, TakesItemsInOrderWithBoundedLookaheadWhileServingEvents)
{
    const int n = 40;
    std::atomic<int> running{0}, most{0};
    std::atomic<int> highest{-1};
    std::vector<int> results(n, -1);
    // Written here, read by the workers.
    std::atomic<int> taken{-1};
    OrderedWork pool(n, 4, [&](int i) {
        const int now = ++running;
        int seen = most;
        while (now > seen && !most.compare_exchange_weak(seen, now)) {
        }
        int h = highest;
        while (i > h && !highest.compare_exchange_weak(h, i)) {
        }
        // Never further ahead than the lookahead of 2 x 4 past the item being taken.
        EXPECT_LE(i, taken + 1 + 8);
        // The first item waits for another to run beside it; the others take a while, so
        // that events are served while the owner waits.
        if (i == 0)
            waitUntil([&] { return most >= 2; });
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        results[size_t(i)] = i * i;
        --running;
    }, 8);
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(1);
    for (int i = 0; i < n; ++i) {
        pool.take(i);
        EXPECT_EQ(results[size_t(i)], i * i);
        taken = i;
    }
    EXPECT_LE(most.load(), 4);
    EXPECT_GT(most.load(), 1) << "the work ran on several threads";
    EXPECT_GT(ticks, 0) << "events were served while waiting";
}

TEST(OrderedWork, OneThreadRunsOnTheCallerAndDroppingStopsHandingOut)
{
    std::vector<std::thread::id> where(3);
    {
        OrderedWork pool(3, 1, [&](int i) { where[size_t(i)] = std::this_thread::get_id(); });
        for (int i = 0; i < 3; ++i)
            pool.take(i);
    }
    for (const auto &id : where)
        EXPECT_EQ(id, std::this_thread::get_id());

    std::atomic<int> ran{0};
    {
        OrderedWork pool(1000, 4, [&](int) { ++ran; }, 8);
        pool.take(0);
    }
    EXPECT_LE(ran.load(), 1 + 8 + 4) << "nothing is handed out past the lookahead once dropped";
}

// One item alone (a picture a window loads) is made on a worker too, while the owner serves
// events: it does not hold the window.
TEST(OrderedWork, ASingleItemIsMadeOnAWorkerWhileTheOwnerServesEvents)
{
    bool onWorker = false;
    int served = 0;
    OrderedWork pool(1, 4, [&](int) { onWorker = isPoolThread(); });
    pool.serveEventsWith([&] { ++served; });
    pool.take(0);
    EXPECT_TRUE(onWorker);
    EXPECT_GT(served, 0);
}

TEST(OrderedWork, RunsStartedWhileAnotherWaitsOrOnAWorkerFinish)
{
    // A run started from the events served while another waits (a page of thumbnails drawn
    // during a batch run), and runs started inside a worker's item, all finish in order.
    const int n = 24;
    std::vector<int> outer(n, -1), nested(n, -1);
    std::vector<std::vector<int>> inner(n);
    OrderedWork pool(n, 4, [&](int i) {
        std::vector<int> &mine = inner[size_t(i)];
        mine.assign(5, -1);
        OrderedWork onWorker(5, 4, [&](int k) { mine[size_t(k)] = i + k; });
        for (int k = 0; k < 5; ++k)
            onWorker.take(k);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        outer[size_t(i)] = i;
    });
    bool nestedRan = false;
    QTimer::singleShot(0, [&] {
        OrderedWork second(n, 4, [&](int i) { nested[size_t(i)] = 2 * i; });
        for (int i = 0; i < n; ++i)
            second.take(i);
        nestedRan = true;
    });
    for (int i = 0; i < n; ++i) {
        pool.take(i);
        ASSERT_EQ(outer[size_t(i)], i);
        for (int k = 0; k < 5; ++k)
            ASSERT_EQ(inner[size_t(i)][size_t(k)], i + k);
    }
    for (int i = 0; i < 200 && !nestedRan; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_TRUE(nestedRan);
    for (int i = 0; i < n; ++i)
        EXPECT_EQ(nested[size_t(i)], 2 * i);
}

TEST(OrderedWork, ServesEventsThroughTheGivenFunction)
{
    int served = 0;
    OrderedWork pool(6, 3, [](int) { std::this_thread::sleep_for(std::chrono::milliseconds(8)); });
    pool.serveEventsWith([&] { ++served; });
    EXPECT_EQ(pool.ahead(), 64) << "room for the heaviest items to go first";
    for (int i = 0; i < 6; ++i)
        pool.take(i);
    EXPECT_GT(served, 0);
}

TEST(OrderedWork, CancelledWhileItServesEventsItsTakeReturnsAndNothingMoreIsHandedOut)
{
    // As when a new page of thumbnails replaces the one still filling: the newer run,
    // started from the events the older one serves, cancels it.
    std::atomic<int> started{0}, finished{0};
    std::atomic<bool> release{false};
    OrderedWork pool(40, 4, [&](int) {
        ++started;
        while (!release)
            std::this_thread::yield();
        ++finished;
    }, 8);
    bool cancelled = false;
    pool.serveEventsWith([&] {
        if (!cancelled && started > 0) {
            cancelled = true;
            pool.cancel();
        }
    });
    pool.take(0);
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(finished.load(), 0) << "take() returned though its item never finished";
    release = true;
    pool.take(30);
    pool.stop();
    // Only items handed out before the cancel ran: a take() after it lets no more go.
    EXPECT_LE(started.load(), pool.ahead() + 1);
}


TEST(OrderedWork, ASlowEarlyItemDoesNotStopLaterItemsFromBeingMade)
{
    // As a large progressive photo first in the list: the other workers make every later
    // item while it runs, not just a few past it.
    const int n = 40;
    std::atomic<int> othersDone{0};
    bool othersMadeMeanwhile = false;
    std::vector<int> results(n, -1);
    OrderedWork pool(n, 4, [&](int i) {
        if (i == 0)
            othersMadeMeanwhile = waitUntil([&] { return othersDone == n - 1; });
        results[size_t(i)] = i;
        if (i > 0)
            ++othersDone;
    });
    for (int i = 0; i < n; ++i) {
        pool.take(i);
        ASSERT_EQ(results[size_t(i)], i);
    }
    EXPECT_TRUE(othersMadeMeanwhile);
}

TEST(OrderedWork, WhileTheOwnerWaitsTheHeaviestItemsAreMadeFirst)
{
    // One worker waits on the first item; the other makes the rest heaviest first, the
    // earlier of equal weights first.
    const std::vector<int64_t> weights = {5, 1, 9, 3, 9, 0, 7, 3};
    const int n = int(weights.size());
    std::mutex mutex;
    std::vector<int> order;
    OrderedWork pool(n, 2, [&](int i) {
        if (i == 0) {
            waitUntil([&] {
                std::lock_guard<std::mutex> lock(mutex);
                return int(order.size()) == n - 1;
            });
            return;
        }
        std::lock_guard<std::mutex> lock(mutex);
        order.push_back(i);
    });
    pool.orderBy([&](int i) { return weights[size_t(i)]; });
    for (int i = 0; i < n; ++i)
        pool.take(i);
    EXPECT_EQ(order, (std::vector<int>{2, 4, 6, 3, 7, 1, 5}));
}

TEST(OrderedWork, WhatFinishedItemsHoldBoundsHowFarTheWorkersRunAhead)
{
    // Each item holds a quarter of the budget until the owner takes it; the first item is
    // slow. However long it takes, what waits to be taken stays within the budget and the
    // few items that were running when it filled.
    const int n = 40, threads = 4;
    const size_t each = OrderedWork::heldBudget() / 4;
    std::atomic<int64_t> held{0}, most{0};
    std::atomic<int> finished{0};
    OrderedWork pool(n, threads, [&](int i) {
        if (i == 0) {
            waitUntil([&] { return finished >= 4; });
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            return;
        }
        const int64_t now = held += int64_t(each);
        int64_t seen = most;
        while (now > seen && !most.compare_exchange_weak(seen, now)) {
        }
        ++finished;
    });
    pool.holdsBytes([&](int i) { return i == 0 ? size_t(0) : each; });
    for (int i = 0; i < n; ++i) {
        pool.take(i);
        if (i > 0)
            held -= int64_t(each);
    }
    EXPECT_EQ(finished.load(), n - 1);
    EXPECT_LE(most.load(), int64_t(OrderedWork::heldBudget() + threads * each));
}

TEST(OrderedWork, ItemsThatHoldMuchWhileMadeRunWithinTheBudgetAndLightOnesFillTheGaps)
{
    // Every third item holds 60% of the decoders' budget while it is made: two of them never
    // run at once (unless one is the item the owner waits for), and the light items are all
    // made while the heavy ones queue up.
    const int n = 30, threads = 4;
    const size_t heavy = gb::decodeMemoryBudget() * 6 / 10;
    std::atomic<int> heavyRunning{0}, mostHeavy{0}, lightMadeWhileHeavyQueued{0};
    std::atomic<int> heavyDone{0};
    OrderedWork pool(n, threads, [&](int i) {
        if (i % 3 == 0) {
            const int now = ++heavyRunning;
            int seen = mostHeavy;
            while (now > seen && !mostHeavy.compare_exchange_weak(seen, now)) {
            }
            // The first heavy item, the one the owner waits for, holds its room until every
            // light item is made: the other workers can only make light ones meanwhile. The
            // others take a while, so that two that were let run together would overlap.
            if (i == 0)
                waitUntil([&] { return lightMadeWhileHeavyQueued == n - n / 3; });
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            --heavyRunning;
            ++heavyDone;
        } else if (heavyDone < n / 3) {
            ++lightMadeWhileHeavyQueued;
        }
    });
    pool.orderBy([](int i) { return i % 3 == 0 ? 100 : 1; });
    pool.costsMemory([&](int i) { return i % 3 == 0 ? heavy : size_t(0); });
    for (int i = 0; i < n; ++i)
        pool.take(i);
    // The owner's own item may join one heavy item that runs already.
    EXPECT_LE(mostHeavy.load(), 2);
    EXPECT_EQ(heavyDone.load(), n / 3);
    EXPECT_EQ(lightMadeWhileHeavyQueued.load(), n - n / 3);
}
