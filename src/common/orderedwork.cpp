#include "common/orderedwork.h"

#include "common/registry.h"
#include "platform/imagelib/parallel.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace gb {

int workerThreads()
{
    const int stored = kvtQueryRtRegInt(QStringLiteral("General Options"), QStringLiteral("Worker Threads"));
    if (stored >= 1)
        return std::min(stored, 256);
    return int(std::max(1u, std::thread::hardware_concurrency()));
}

struct OrderedWork::State
{
    std::mutex mutex;
    std::condition_variable handOut; // workers wait for an item they may take
    std::condition_variable finished; // the owner waits for the item it takes
    std::function<void(int)> work;
    int count = 0;
    int ahead = 0;
    int next = 0; // the next item to hand out
    int limit = -1; // the last item that may be handed out now
    bool stopped = false;
    std::vector<char> done;
};

OrderedWork::OrderedWork(int count, int threads, std::function<void(int)> work, int ahead)
    : d(std::make_shared<State>())
{
    d->work = std::move(work);
    d->count = std::max(0, count);
    threads = std::clamp(threads, 1, std::max(1, d->count));
    d->ahead = ahead >= 0 ? ahead : 2 * threads;
    d->done.assign(size_t(d->count), 0);
    if (threads <= 1)
        return;
    std::shared_ptr<State> state = d;
    for (int t = 0; t < threads; ++t) {
        try {
            mThreads.emplace_back([state] {
                setWholeImageWorker(true);
                std::unique_lock<std::mutex> lock(state->mutex);
                for (;;) {
                    state->handOut.wait(lock, [&] {
                        return state->stopped || (state->next < state->count && state->next <= state->limit);
                    });
                    if (state->stopped)
                        return;
                    const int index = state->next++;
                    lock.unlock();
                    try {
                        state->work(index);
                    } catch (...) {
                    }
                    lock.lock();
                    state->done[size_t(index)] = 1;
                    state->finished.notify_all();
                }
            });
        } catch (...) {
            break; // fewer workers; with none at all, take() works on the caller
        }
    }
}

OrderedWork::~OrderedWork()
{
    stop();
}

void OrderedWork::stop()
{
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        d->stopped = true;
    }
    d->handOut.notify_all();
    for (std::thread &t : mThreads)
        t.join();
    mThreads.clear();
}

void OrderedWork::take(int index)
{
    if (index < 0 || index >= d->count)
        return;
    if (mThreads.empty()) {
        QCoreApplication::processEvents();
        {
            std::lock_guard<std::mutex> lock(d->mutex);
            if (d->done[size_t(index)])
                return;
            d->done[size_t(index)] = 1;
        }
        try {
            d->work(index);
        } catch (...) {
        }
        return;
    }
    std::unique_lock<std::mutex> lock(d->mutex);
    if (index + d->ahead > d->limit) {
        d->limit = index + d->ahead;
        d->handOut.notify_all();
    }
    // Events are served at least every few milliseconds while the item is worked on, so the
    // windows stay responsive and the Abort button is seen.
    for (;;) {
        lock.unlock();
        QCoreApplication::processEvents();
        lock.lock();
        if (d->done[size_t(index)] || d->stopped)
            return;
        d->finished.wait_for(lock, std::chrono::milliseconds(5));
        if (d->done[size_t(index)])
            return;
    }
}

} // namespace gb
