#include "common/runonworker.h"

#include "platform/imagelib/parallel.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QObject>
#include <QThread>

#include <gtest/gtest.h>

#include <future>
#include <memory>
#include <stdexcept>
#include <thread>

using namespace gb;

TEST(RunOnWorker, WorksOnAPoolThreadAndTellsTheReceiverOnItsOwn)
{
    QObject receiver;
    bool onPool = false;
    bool doneHere = false;
    QEventLoop loop;
    ASSERT_TRUE(runOnWorker(
        &receiver, [&onPool] { onPool = isPoolThread(); },
        [&] {
            doneHere = QThread::currentThread() == receiver.thread();
            loop.quit();
        }));
    loop.exec();
    EXPECT_TRUE(onPool);
    EXPECT_TRUE(doneHere);

    // A throw ends the work; the receiver still hears of it.
    bool told = false;
    ASSERT_TRUE(runOnWorker(
        &receiver, [] { throw std::runtime_error("no room"); },
        [&] {
            told = true;
            loop.quit();
        }));
    loop.exec();
    EXPECT_TRUE(told);
}

// The receiver goes while the work runs: it is never told, the call goes with it, and what
// the work captured goes on the worker when the work ends.
TEST(RunOnWorker, AReceiverGoneFirstIsNeverToldAndTheWorkersCapturesGo)
{
    auto receiver = std::make_unique<QObject>();
    std::promise<void> gone;
    std::shared_future<void> receiverGone = gone.get_future().share();
    auto workToken = std::make_shared<int>(1);
    auto doneToken = std::make_shared<int>(2);
    const std::weak_ptr<int> workWatch = workToken, doneWatch = doneToken;
    bool told = false;
    ASSERT_TRUE(runOnWorker(
        receiver.get(), [receiverGone, workToken] { receiverGone.wait(); },
        [&told, doneToken] { told = true; }));
    workToken.reset();
    doneToken.reset();
    receiver.reset();
    gone.set_value();
    while (!workWatch.expired() || !doneWatch.expired())
        std::this_thread::yield();
    QCoreApplication::processEvents();
    EXPECT_FALSE(told);
}
