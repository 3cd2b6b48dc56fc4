#include "common/eventpacer.h"

#include "common/registry.h"
#include "platform/imagelib/parallel.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <future>
#include <thread>

using namespace gb;

namespace {

void setWorkerThreads(int threads)
{
    kvtSetRtRegInt(QStringLiteral("General Options"), QStringLiteral("Worker Threads"), threads);
}

} // namespace

// The step runs on a worker and the caller serves events until it is over: an event posted
// to the caller's thread is handled while the step waits for it.
TEST(RunAside, TheStepRunsOnAWorkerWhileTheCallerServesEvents)
{
    setWorkerThreads(4);
    std::promise<void> served;
    std::future<void> seen = served.get_future();
    QTimer::singleShot(0, [&served] { served.set_value(); });
    bool onPool = false;
    runAside([&] {
        onPool = isPoolThread();
        // Ends only once the caller has handled the event queued before the step began.
        seen.wait();
    });
    EXPECT_TRUE(onPool);
    setWorkerThreads(0);
}

// One worker thread in all keeps the step on the caller's thread; a throw ends it quietly.
TEST(RunAside, OneWorkerThreadRunsTheStepOnTheCaller)
{
    setWorkerThreads(1);
    const std::thread::id caller = std::this_thread::get_id();
    std::thread::id ranOn;
    runAside([&] { ranOn = std::this_thread::get_id(); });
    EXPECT_EQ(ranOn, caller);
    EXPECT_NO_THROW(runAside([] { throw std::runtime_error("disk full"); }));
    setWorkerThreads(0);
}

TEST(EventPacer, ServesOnlyOnceItsIntervalHasPassed)
{
    int serves = 0;
    EventPacer pacer([&serves] { ++serves; });
    pacer.serve();
    EXPECT_EQ(serves, 0);
    pacer.serveNow();
    EXPECT_EQ(serves, 1);
    QElapsedTimer t;
    t.start();
    while (t.elapsed() <= EventPacer::kIntervalMs)
        pacer.serve();
    EXPECT_EQ(serves, 2);
}
