#include "common/orderedwork.h"

#include "common/registry.h"
#include "platform/imagelib/parallel.h"

#include <QCoreApplication>

#include <malloc.h>

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
    std::condition_variable finished; // an item ended, or a runner left
    std::function<void(int)> work;
    int count = 0;
    int ahead = 0;
    int threads = 0; // at most this many runners at once
    int next = 0; // the next item to hand out
    int limit = -1; // the last item that may be handed out now
    int runners = 0; // queued or running, not yet left
    int busy = 0; // items being worked on
    bool stopped = false;
    std::vector<char> done;
};

namespace {

// One runner works items off in list order while there are any it may take, then leaves;
// take() queues new runners as it lets more items be handed out. A runner that starts after
// stop() touches no work at all: the owner's data it refers to may be gone by then.
void runItems(const std::shared_ptr<OrderedWork::State> &s)
{
    std::unique_lock<std::mutex> lock(s->mutex);
    while (!s->stopped && s->next < s->count && s->next <= s->limit) {
        const int index = s->next++;
        ++s->busy;
        lock.unlock();
        try {
            s->work(index);
        } catch (...) {
        }
        lock.lock();
        --s->busy;
        s->done[size_t(index)] = 1;
        s->finished.notify_all();
    }
    --s->runners;
    s->finished.notify_all();
}

} // namespace

OrderedWork::OrderedWork(int count, int threads, std::function<void(int)> work, int ahead)
    : d(std::make_shared<State>())
{
    d->work = std::move(work);
    d->count = std::max(0, count);
    threads = std::clamp(threads, 1, std::max(1, d->count));
    // On a worker thread already every core is busy, and waiting there for other workers
    // could wait for itself.
    if (threads > 1 && !isPoolThread())
        threads = std::min(threads, startWorkerThreads(threads));
    else
        threads = 1;
    d->threads = threads;
    d->ahead = ahead >= 0 ? ahead : 2 * threads;
    d->done.assign(size_t(d->count), 0);
    mServe = [] { QCoreApplication::processEvents(); };
    mStarted.start();
}

OrderedWork::~OrderedWork()
{
    stop();
    // Each worker thread keeps its own heap, which holds on to the large blocks that its
    // photos needed; after a long run they go back to the system rather than stay with the
    // program for as long as it runs. A short one (a page of thumbnails) keeps them for the
    // next page.
    if (d->threads > 1 && mStarted.elapsed() > 1000)
        malloc_trim(0);
}

void OrderedWork::serveEventsWith(std::function<void()> serve)
{
    mServe = serve ? std::move(serve) : [] {};
}

int OrderedWork::ahead() const
{
    return d->ahead;
}

void OrderedWork::stop()
{
    std::unique_lock<std::mutex> lock(d->mutex);
    d->stopped = true;
    d->finished.wait(lock, [&] { return d->busy == 0; });
}

void OrderedWork::cancel()
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->stopped = true;
    d->finished.notify_all();
}

void OrderedWork::take(int index)
{
    if (index < 0 || index >= d->count)
        return;
    if (d->threads <= 1) {
        mServe();
        {
            std::lock_guard<std::mutex> lock(d->mutex);
            if (d->done[size_t(index)] || d->stopped)
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
    if (d->stopped)
        return;
    if (index + d->ahead > d->limit) {
        d->limit = std::min(index + d->ahead, d->count - 1);
        const int waiting = d->limit - d->next + 1;
        for (int more = std::min(d->threads, waiting) - d->runners; more > 0; --more) {
            ++d->runners;
            postToWorkerThreads([s = d] { runItems(s); });
        }
    }
    // Events are served at least every few milliseconds while the item is worked on, so the
    // windows stay responsive and the Abort button is seen.
    for (;;) {
        lock.unlock();
        mServe();
        lock.lock();
        if (d->done[size_t(index)] || d->stopped)
            return;
        d->finished.wait_for(lock, std::chrono::milliseconds(5));
        if (d->done[size_t(index)])
            return;
    }
}

} // namespace gb
