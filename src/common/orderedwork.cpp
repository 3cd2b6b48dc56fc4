#include "common/orderedwork.h"

#include "common/registry.h"
#include "platform/imagelib/jpegcodec.h"
#include "platform/imagelib/largememory.h"
#include "platform/imagelib/parallel.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace gb {

int workerThreads()
{
    const int stored = kvtQueryRtRegInt(QStringLiteral("General Options"), QStringLiteral("Worker Threads"));
    setImageOpThreads(stored >= 1 ? std::min(stored, 256) : 0);
    return imageOpThreads();
}

int64_t weightOfFile(const QString &path)
{
    return QFileInfo(path).size();
}

size_t memoryOfFile(const QString &path)
{
    const size_t coefficients = jpegCoefficientMemory(QFile::encodeName(path).constData());
    if (coefficients == 0)
        return 0;
    return coefficients + largeFootprint(size_t(std::max<qint64>(0, QFileInfo(path).size())));
}

namespace {

enum ItemState : char { Waiting, Running, Done };

std::mutex gObserverMutex;
std::function<void(const std::vector<OrderedWorkItem> &)> gObserver;
std::atomic<bool> gObserving{false};

// A small number for each thread that makes items, for the timelines.
int workerNumber()
{
    static std::atomic<int> next{1};
    thread_local int number = isPoolThread() ? next++ : 0;
    return number;
}

} // namespace

struct OrderedWork::State
{
    std::mutex mutex;
    std::condition_variable finished; // an item ended, or a runner left
    std::function<void(int)> work;
    std::function<size_t(int)> bytes;
    int count = 0;
    int ahead = 0;
    int threads = 0; // at most this many runners at once
    int reach = 0; // items [0, reach) may be handed out
    int taken = 0; // the owner is done with the items before this one
    int awaited = -1; // the item the owner waits for
    int runners = 0; // queued or running, not yet left
    int busy = 0; // items being worked on
    size_t held = 0; // what finished items from `taken` on hold
    size_t running = 0; // what the items being made hold (costsMemory)
    size_t memoryBudget = 0;
    bool stopped = false;
    std::vector<char> state;
    std::vector<int64_t> weight;
    std::vector<size_t> heldBy;
    std::vector<size_t> memory;

    bool fits(int k) const { return running == 0 || running + memory[size_t(k)] <= memoryBudget; }

    // The timeline, when one is gathered.
    bool tracing = false;
    std::chrono::steady_clock::time_point start;
    std::vector<OrderedWorkItem> trace;
    double now() const
    {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }

    // The next item to make, or -1: the one the owner waits for, else the heaviest within
    // reach (the earliest of equals) while what finished items hold leaves room.
    int pick() const
    {
        if (stopped)
            return -1;
        if (awaited >= 0 && awaited < reach && state[size_t(awaited)] == Waiting)
            return awaited;
        if (held > heldBudget())
            return -1;
        int best = -1;
        for (int k = taken; k < reach; ++k)
            if (state[size_t(k)] == Waiting && fits(k) && (best < 0 || weight[size_t(k)] > weight[size_t(best)]))
                best = k;
        return best;
    }

    // How many items pick() could hand out now, up to `most`.
    int pickable(int most) const
    {
        if (stopped)
            return 0;
        if (held > heldBudget())
            return awaited >= 0 && awaited < reach && state[size_t(awaited)] == Waiting ? 1 : 0;
        int n = 0;
        for (int k = taken; k < reach && n < most; ++k)
            n += state[size_t(k)] == Waiting && (k == awaited || fits(k));
        return n;
    }
};

namespace {

// One runner makes items while pick() gives it any, then leaves; take() queues new runners
// as items come within reach or room is made. A runner that starts after stop() touches no
// work at all: the owner's data it refers to may be gone by then.
void runItems(const std::shared_ptr<OrderedWork::State> &s)
{
    std::unique_lock<std::mutex> lock(s->mutex);
    for (int index = s->pick(); index >= 0; index = s->pick()) {
        s->state[size_t(index)] = Running;
        ++s->busy;
        s->running += s->memory[size_t(index)];
        if (s->tracing) {
            s->trace[size_t(index)].started = s->now();
            s->trace[size_t(index)].worker = workerNumber();
        }
        lock.unlock();
        try {
            s->work(index);
        } catch (...) {
        }
        const size_t bytes = s->bytes ? s->bytes(index) : 0;
        lock.lock();
        --s->busy;
        s->running -= s->memory[size_t(index)];
        s->state[size_t(index)] = Done;
        if (index >= s->taken) {
            s->heldBy[size_t(index)] = bytes;
            s->held += bytes;
        }
        if (s->tracing)
            s->trace[size_t(index)].finished = s->now();
        s->finished.notify_all();
    }
    --s->runners;
    s->finished.notify_all();
}

// Queues a runner for each item pick() could hand out now, up to one per thread; called with
// the lock held.
void addRunners(const std::shared_ptr<OrderedWork::State> &s)
{
    for (int more = s->pickable(s->threads - s->runners); more > 0; --more) {
        ++s->runners;
        postToWorkerThreads([s] { runItems(s); });
    }
}

} // namespace

void observeOrderedWork(std::function<void(const std::vector<OrderedWorkItem> &)> observer)
{
    std::lock_guard<std::mutex> lock(gObserverMutex);
    gObserver = std::move(observer);
    gObserving = bool(gObserver);
}

size_t OrderedWork::heldBudget()
{
    return size_t(64) << 20;
}

OrderedWork::OrderedWork(int count, int threads, std::function<void(int)> work, int ahead)
    : d(std::make_shared<State>())
{
    d->work = std::move(work);
    d->count = std::max(0, count);
    // A single item goes to a worker too, so that the owner serves events while it is made.
    threads = d->count == 0 ? 1 : std::clamp(threads, 1, std::max(2, d->count));
    // On a worker thread already every core is busy, and waiting there for other workers
    // could wait for itself.
    if (threads > 1 && !isPoolThread())
        threads = std::min(threads, startWorkerThreads(threads));
    else
        threads = 1;
    d->threads = threads;
    // Finished items hold little (encoded bytes, a thumbnail), and the held bytes bound
    // them; the count bounds what the owner prepares ahead, and gives the weights room to
    // pick the longest items first.
    d->ahead = ahead >= 0 ? ahead : std::max(64, 16 * threads);
    d->state.assign(size_t(d->count), Waiting);
    d->weight.assign(size_t(d->count), 0);
    d->heldBy.assign(size_t(d->count), 0);
    d->memory.assign(size_t(d->count), 0);
    d->memoryBudget = decodeMemoryBudget();
    d->tracing = gObserving;
    if (d->tracing) {
        d->start = std::chrono::steady_clock::now();
        d->trace.resize(size_t(d->count));
    }
    mServe = [] { QCoreApplication::processEvents(); };
    mStarted.start();
}

OrderedWork::~OrderedWork()
{
    stop();
    if (d->tracing) {
        std::lock_guard<std::mutex> lock(gObserverMutex);
        if (gObserver)
            gObserver(d->trace);
    }
    // Each worker thread keeps its own heap, which holds on to the large blocks that its
    // photos needed; after a long run they go back to the system rather than stay with the
    // program for as long as it runs. A short one (a page of thumbnails) keeps them for the
    // next page.
    if (d->threads > 1 && mStarted.elapsed() > 1000)
        malloc_trim(0);
}

void OrderedWork::orderBy(std::function<int64_t(int)> weight)
{
    mWeight = std::move(weight);
}

void OrderedWork::costsMemory(std::function<size_t(int)> bytes)
{
    mMemory = std::move(bytes);
}

void OrderedWork::holdsBytes(std::function<size_t(int)> bytes)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->bytes = std::move(bytes);
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
            if (d->state[size_t(index)] != Waiting || d->stopped)
                return;
            d->state[size_t(index)] = Running;
        }
        const double started = d->tracing ? d->now() : -1;
        try {
            d->work(index);
        } catch (...) {
        }
        std::lock_guard<std::mutex> lock(d->mutex);
        d->state[size_t(index)] = Done;
        if (d->tracing) {
            OrderedWorkItem &t = d->trace[size_t(index)];
            t.handedOut = t.started = started;
            t.taken = t.finished = d->now();
            t.worker = 0;
        }
        return;
    }

    // Only this thread moves the reach, so the weights of the items coming within it are
    // read before the workers may see them, without holding them up.
    const int reach = std::max(d->reach, std::min(index + d->ahead + 1, d->count));
    if (mWeight)
        for (int k = d->reach; k < reach; ++k)
            d->weight[size_t(k)] = mWeight(k);
    if (mMemory)
        for (int k = d->reach; k < reach; ++k)
            d->memory[size_t(k)] = mMemory(k);

    std::unique_lock<std::mutex> lock(d->mutex);
    if (d->stopped)
        return;
    if (d->tracing)
        for (int k = d->reach; k < reach; ++k) {
            d->trace[size_t(k)].handedOut = d->now();
            d->trace[size_t(k)].weight = d->weight[size_t(k)];
        }
    d->reach = reach;
    // What the owner took before this item is no longer held.
    for (; d->taken < index; ++d->taken) {
        d->held -= std::min(d->held, d->heldBy[size_t(d->taken)]);
        d->heldBy[size_t(d->taken)] = 0;
    }
    d->awaited = index;
    addRunners(d);
    // Events are served at least every few milliseconds while the item is worked on, so the
    // windows stay responsive and the Abort button is seen; an item's end wakes it at once.
    for (;;) {
        lock.unlock();
        mServe();
        lock.lock();
        if (d->state[size_t(index)] == Done || d->stopped)
            break;
        d->finished.wait_for(lock, std::chrono::milliseconds(5));
        if (d->state[size_t(index)] == Done)
            break;
        // A runner that found nothing light enough has left; an item that ended since may
        // have made room for what it passed over.
        addRunners(d);
    }
    if (d->tracing && d->state[size_t(index)] == Done)
        d->trace[size_t(index)].taken = d->now();
}

} // namespace gb
