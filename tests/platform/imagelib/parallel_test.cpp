#include "platform/imagelib/largememory.h"
#include "platform/imagelib/parallel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <new>
#include <thread>
#include <vector>

using namespace gb;

namespace {

// Holds every kept worker thread with a task of its own, queued from now on, until released.
class BusyWorkers
{
public:
    BusyWorkers() : mHeld(mGate)
    {
        for (int t = 0; t < kBlockers; ++t)
            postToWorkerThreads([this] {
                {
                    std::lock_guard<std::mutex> wait(mGate);
                }
                ++mFinished; // the last touch of this object: it may go at once after it
            });
    }
    ~BusyWorkers() { release(); }

    // Every blocker refers to this object: all of them must have run before it goes.
    void release()
    {
        if (mHeld.owns_lock())
            mHeld.unlock();
        while (mFinished < kBlockers)
            std::this_thread::yield();
    }

private:
    static constexpr int kBlockers = 300;
    std::mutex mGate;
    std::unique_lock<std::mutex> mHeld;
    std::atomic<int> mFinished{0};
};

} // namespace

TEST(ParallelRanges, BandsCoverEveryItemOnce)
{
    for (int threads : {1, 3, 8}) {
        setImageOpThreads(threads);
        for (auto [count, minPer] : {std::pair{0, 1}, {1, 1}, {7, 1}, {100, 1}, {100, 30}, {1001, 16}}) {
            std::vector<std::atomic<int>> seen(static_cast<size_t>(count));
            std::atomic<int> bands{0};
            EXPECT_TRUE(parallelRanges(count, minPer, [&](int b, int e) {
                ++bands;
                for (int i = b; i < e; ++i)
                    ++seen[size_t(i)];
            }));
            for (int i = 0; i < count; ++i)
                ASSERT_EQ(seen[size_t(i)], 1) << threads << " " << count << " " << i;
            EXPECT_LE(bands, std::max(1, threads));
            if (count / minPer < 2) {
                EXPECT_LE(bands, 1); // too little work for a second thread
            }
        }
    }
    setImageOpThreads(0);
    EXPECT_GE(imageOpThreads(), 1);
}

TEST(ParallelRanges, ABandThatThrowsIsReportedNotThrown)
{
    for (int threads : {1, 4}) {
        setImageOpThreads(threads);
        EXPECT_FALSE(parallelRanges(400, 1, [](int b, int) {
            if (b == 0)
                throw std::bad_alloc();
        }));
    }
    setImageOpThreads(0);
}

TEST(ParallelRanges, TheCallerRunsTheBandsWhenEveryWorkerIsBusy)
{
    setImageOpThreads(4);
    ASSERT_GE(startWorkerThreads(4), 1);
    // Every kept thread is held by a task of its own until the bands are done.
    BusyWorkers busy;
    std::vector<int> seen(1000, 0);
    EXPECT_TRUE(parallelRanges(1000, 1, [&](int b, int e) {
        for (int i = b; i < e; ++i)
            ++seen[size_t(i)];
    }));
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), 1000);
    busy.release();
    setImageOpThreads(0);
}

TEST(RunTogether, RunsEveryPartOnceAndReportsOneThatThrows)
{
    for (int threads : {1, 4}) {
        setImageOpThreads(threads);
        for (int count : {0, 1, 2, 5}) {
            auto ran = std::vector<std::atomic<int>>(size_t(count));
            std::vector<std::function<void()>> parts;
            for (int i = 0; i < count; ++i)
                parts.push_back([&ran, i] { ++ran[size_t(i)]; });
            EXPECT_TRUE(runTogether(std::move(parts)));
            for (int i = 0; i < count; ++i)
                EXPECT_EQ(ran[size_t(i)], 1) << threads << " " << count << " " << i;
        }
        std::atomic<int> ran{0};
        EXPECT_FALSE(runTogether({[&] { ++ran; }, [] { throw std::bad_alloc(); }, [&] { ++ran; }})) << threads;
        EXPECT_EQ(ran, 2) << threads;
    }
    setImageOpThreads(0);
}

TEST(RunTogether, AWorkerRunsThePartsItselfWhenEveryOtherWorkerIsBusy)
{
    setImageOpThreads(4);
    ASSERT_GE(startWorkerThreads(4), 1);
    // The first task queued calls runTogether on a worker; every other thread is then held by
    // a blocker queued before its parts, so no other thread can take one.
    std::atomic<bool> done{false};
    std::atomic<int> ranHere{0}, ranElsewhere{0};
    postToWorkerThreads([&] {
        const std::thread::id me = std::this_thread::get_id();
        std::vector<std::function<void()>> parts;
        for (int i = 0; i < 3; ++i)
            parts.push_back([&, me] { ++(std::this_thread::get_id() == me ? ranHere : ranElsewhere); });
        EXPECT_TRUE(runTogether(std::move(parts)));
        done = true;
    });
    BusyWorkers busy;
    while (!done)
        std::this_thread::yield();
    EXPECT_EQ(ranHere + ranElsewhere, 3);
    busy.release();
    setImageOpThreads(0);
}

TEST(WorkerThreads, AreKeptAndKnowThemselves)
{
    EXPECT_FALSE(isPoolThread());
    ASSERT_GE(startWorkerThreads(2), 1);
    std::atomic<int> onPool{0}, done{0};
    for (int t = 0; t < 20; ++t)
        postToWorkerThreads([&] {
            onPool += isPoolThread() ? 1 : 0;
            ++done;
        });
    while (done < 20)
        std::this_thread::yield();
    EXPECT_EQ(onPool.load(), 20);
}

namespace {

// Waits until `count` reservations wait for room, or until done() holds (a reservation that
// went ahead when it should have waited: the test then fails rather than hangs).
void awaitWaiting(int count, const std::function<bool()> &done)
{
    while (decodeMemoryWaiting() < count && !done())
        std::this_thread::yield();
}

} // namespace

TEST(DecodeMemory, LaterReservationsWaitTheirTurnAndALoneOneAlwaysGoes)
{
    const size_t budget = decodeMemoryBudget();
    setDecodeMemoryBudget(100);
    // Nothing held: granted whatever its size.
    const size_t big = reserveDecodeMemory(1000);
    EXPECT_EQ(big, 1000u);
    // 30 and 80 never fit together, so each takes its turn number before the other can go.
    std::atomic<int> order{0}, firstAt{0}, secondAt{0};
    std::thread first([&] {
        const size_t r = reserveDecodeMemory(30);
        firstAt = ++order;
        releaseDecodeMemory(r);
    });
    awaitWaiting(1, [&] { return order > 0; });
    std::thread second([&] {
        const size_t r = reserveDecodeMemory(80);
        secondAt = ++order;
        releaseDecodeMemory(r);
    });
    awaitWaiting(2, [&] { return order > 0; });
    EXPECT_EQ(order.load(), 0) << "nothing goes ahead beside an oversized reservation";
    EXPECT_EQ(decodeMemoryWaiting(), 2);
    releaseDecodeMemory(big);
    first.join();
    second.join();
    EXPECT_EQ(firstAt.load(), 1) << "first asked, first granted";
    EXPECT_EQ(secondAt.load(), 2);
    // Small ones go ahead side by side.
    const size_t a = reserveDecodeMemory(40), b = reserveDecodeMemory(40);
    EXPECT_EQ(decodeMemoryHeld(), 80u);
    releaseDecodeMemory(a);
    releaseDecodeMemory(b);
    EXPECT_EQ(decodeMemoryHeld(), 0u);
    EXPECT_EQ(reserveDecodeMemory(0), 0u);
    setDecodeMemoryBudget(budget);
}

TEST(DecodeMemory, OneThatFitsPassesALargerOneThatDoesNotButOnlyForABudgetsWorth)
{
    // A baseline decode need not wait behind a large progressive one that waits for room;
    // the large one is passed by no more than the budget, then goes first.
    const size_t budget = decodeMemoryBudget();
    setDecodeMemoryBudget(100);
    const size_t held = reserveDecodeMemory(60);
    std::atomic<int> order{0}, largeAt{0}, lastAt{0}, passed{0};
    std::thread large([&] {
        const size_t r = reserveDecodeMemory(70);
        largeAt = ++order;
        releaseDecodeMemory(r);
    });
    awaitWaiting(1, [&] { return order > 0; });
    ASSERT_EQ(decodeMemoryWaiting(), 1);
    std::thread smalls([&] {
        for (int k = 0; k < 5; ++k) {
            // 31, so that the last small one and the large one never fit together.
            const size_t r = reserveDecodeMemory(31);
            if (k == 4)
                lastAt = ++order;
            ++passed;
            releaseDecodeMemory(r);
        }
    });
    awaitWaiting(2, [&] { return passed == 5; });
    EXPECT_EQ(passed.load(), 4) << "four passed the large one (124 of a budget of 100), the fifth waits";
    EXPECT_EQ(largeAt.load(), 0);
    releaseDecodeMemory(held);
    large.join();
    smalls.join();
    EXPECT_EQ(largeAt.load(), 1);
    EXPECT_EQ(lastAt.load(), 2);
    EXPECT_EQ(decodeMemoryHeld(), 0u);
    setDecodeMemoryBudget(budget);
}

TEST(DecodeMemory, ATryTakesOnlyWhatWouldBeGrantedAtOnceAndNeverWaits)
{
    const size_t budget = decodeMemoryBudget();
    setDecodeMemoryBudget(100);
    {
        DecodeMemoryReservation held(60);
        EXPECT_FALSE(held.tryMore(50)) << "does not fit beside what is held";
        EXPECT_EQ(held.bytes(), 60u);
        // A waiting reservation that does not fit is passed, as reserveDecodeMemory() passes it.
        std::atomic<bool> granted{false};
        std::thread large([&] {
            DecodeMemoryReservation r(70);
            granted = true;
        });
        awaitWaiting(1, [&] { return granted.load(); });
        EXPECT_TRUE(held.tryMore(30));
        EXPECT_EQ(decodeMemoryHeld(), 90u);
        EXPECT_EQ(decodeMemoryWaiting(), 1) << "a refused or granted try leaves nothing waiting";
        EXPECT_FALSE(granted.load());
        held = DecodeMemoryReservation(); // gives the 90 back
        large.join();
        EXPECT_TRUE(granted.load());
    }
    EXPECT_EQ(decodeMemoryHeld(), 0u);
    setDecodeMemoryBudget(budget);
}

TEST(WorkerThreads, OneThreadInAllStartsAndUsesNone)
{
    // The thread count bounds every path that asks for workers; one means none at all.
    setImageOpThreads(1);
    const size_t posted = workerTasksPosted();
    EXPECT_EQ(startWorkerThreads(8), 0);
    std::vector<int> seen(1000, 0);
    EXPECT_TRUE(parallelRanges(1000, 1, [&](int b, int e) {
        for (int i = b; i < e; ++i)
            ++seen[size_t(i)];
    }));
    std::atomic<int> ran{0};
    EXPECT_TRUE(runTogether({[&] { ++ran; }, [&] { ++ran; }, [&] { ++ran; }}));
    EXPECT_EQ(ran.load(), 3);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), 1000);
    EXPECT_EQ(workerTasksPosted(), posted);
    setImageOpThreads(3);
    EXPECT_LE(startWorkerThreads(8), 3);
    setImageOpThreads(0);
}

TEST(RunTogether, WorkWhoseTaskCannotBeQueuedIsRunByTheCaller)
{
    // Each place where the parts or bands take memory fails in turn: nothing is thrown, every
    // part and band runs once, and no worker reaches them after the call returns (the
    // counters are gone by then, which the address sanitizer would see).
    setImageOpThreads(4);
    for (long n = 0;; ++n) {
        failAllocationCheckpoint(n);
        auto ran = std::make_unique<std::vector<std::atomic<int>>>(5);
        std::vector<std::function<void()>> parts;
        for (int i = 0; i < 5; ++i)
            parts.push_back([&ran, i] { ++(*ran)[size_t(i)]; });
        bool together = false;
        EXPECT_NO_THROW(together = runTogether(std::move(parts))) << n;
        auto seen = std::make_unique<std::vector<std::atomic<int>>>(400);
        bool ranges = false;
        EXPECT_NO_THROW(ranges = parallelRanges(400, 1, [&](int b, int e) {
            for (int i = b; i < e; ++i)
                ++(*seen)[size_t(i)];
        })) << n;
        const bool reachedNone = failAllocationCheckpoint(-1);
        EXPECT_TRUE(together) << n;
        EXPECT_TRUE(ranges) << n;
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ((*ran)[size_t(i)], 1) << n;
        for (int i = 0; i < 400; ++i)
            ASSERT_EQ((*seen)[size_t(i)], 1) << n;
        ran.reset();
        seen.reset();
        if (reachedNone)
            break;
    }
    setImageOpThreads(0);
}
