#include "platform/imagelib/parallel.h"

#include "platform/imagelib/largememory.h"

#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

namespace gb {

namespace {

std::atomic<int> gThreads{0};
std::atomic<size_t> gTasksPosted{0};
thread_local bool tPoolThread = false;

// The process's worker threads. Starting a thread costs a millisecond or more on a busy
// machine, which a thumbnail page or a resize pays on every call; these are started once,
// on demand, and then wait for tasks until the process ends.
class WorkerPool
{
public:
    static WorkerPool &instance()
    {
        // Never destroyed: the threads may still wait on it while the process exits.
        static WorkerPool *pool = new WorkerPool;
        return *pool;
    }

    // Only the first thread is started here; the threads start the others, so that the
    // caller (often the thread that owns the windows) waits for one start-up at most. Tasks
    // posted meanwhile are served as the threads come up.
    int ensure(int wanted)
    {
        // Photos' buffers are megabytes each. glibc raises its threshold for taking a block
        // straight from the system to the largest one freed, after which such buffers come
        // from the heap of the thread that asked and stay there: with a heap per worker,
        // every worker would keep the peak of its own largest photo (near 400 MB over a set
        // of 20-megapixel photos on 8 cores). A fixed threshold sends buffers of 4 MB or more
        // back to the system when they are freed; the smaller ones stay in the heaps, which
        // are not trimmed below 64 MB, so that their pages are not faulted in again and again.
        static const bool fixedThreshold =
            mallopt(M_MMAP_THRESHOLD, 4 << 20) != 0 && mallopt(M_TRIM_THRESHOLD, 64 << 20) != 0;
        (void)fixedThreshold;
        std::unique_lock<std::mutex> lock(mMutex);
        if (wanted > mWanted) {
            mWanted = std::min(wanted, 256);
            mWake.notify_one();
        }
        if (mThreads == 0 && mWanted > 0 && !startOne(lock))
            mWanted = 0;
        return mThreads == 0 ? 0 : mWanted;
    }

    void post(std::function<void()> task)
    {
        {
            std::lock_guard<std::mutex> lock(mMutex);
            mTasks.push_back(std::move(task));
        }
        mWake.notify_one();
    }

private:
    // Starts one thread with the lock released meanwhile; false when none could be started,
    // and then no more are tried: the queue is served by the threads there are.
    bool startOne(std::unique_lock<std::mutex> &lock)
    {
        ++mStarting;
        lock.unlock();
        bool started = true;
        try {
            std::thread([this] { loop(); }).detach();
        } catch (...) {
            started = false;
        }
        lock.lock();
        --mStarting;
        if (started)
            ++mThreads;
        else
            mWanted = mThreads + mStarting;
        return started;
    }

    void loop()
    {
        tPoolThread = true;
        std::unique_lock<std::mutex> lock(mMutex);
        for (;;) {
            if (mThreads + mStarting < mWanted) {
                startOne(lock);
                continue;
            }
            mWake.wait(lock, [this] { return !mTasks.empty() || mThreads + mStarting < mWanted; });
            // A thread still to be started comes first: a task may keep this one for a whole run.
            if (mTasks.empty() || mThreads + mStarting < mWanted)
                continue;
            std::function<void()> task = std::move(mTasks.front());
            mTasks.pop_front();
            lock.unlock();
            try {
                task();
            } catch (...) {
            }
            task = nullptr; // whatever it holds goes before the next wait
            lock.lock();
        }
    }

    std::mutex mMutex;
    std::condition_variable mWake;
    std::deque<std::function<void()>> mTasks;
    int mThreads = 0;
    int mStarting = 0;
    int mWanted = 0;
};

// One reservation waiting for room, oldest first.
struct DecodeWaiter
{
    size_t bytes = 0;
    size_t passedBy = 0; // what later reservations were granted before this one
};

// Grants in the order asked among those that fit; one that fits may pass older ones that do
// not fit yet (a small baseline decode past a large progressive one), but each waiter lets
// no more than the budget pass it, so a large one waits at most that long for room.
struct DecodeBudget
{
    std::mutex mutex;
    std::condition_variable changed;
    size_t budget = size_t(224) << 20;
    size_t held = 0;
    std::deque<DecodeWaiter *> waiting;

    bool fits(const DecodeWaiter &w) const { return held == 0 || held + w.bytes <= budget; }
    bool mayGo(const DecodeWaiter &me) const
    {
        if (!fits(me))
            return false;
        for (const DecodeWaiter *w : waiting) {
            if (w == &me)
                return true;
            if (fits(*w) || w->passedBy >= budget)
                return false;
        }
        return true;
    }
};

DecodeBudget &decodeBudget()
{
    static DecodeBudget *b = new DecodeBudget;
    return *b;
}

// Grants bytes in their turn: after waiting for it, or, when wait is false, only if it has
// come already (0 otherwise).
size_t grantDecodeMemory(size_t bytes, bool wait)
{
    if (bytes == 0)
        return 0;
    DecodeBudget &b = decodeBudget();
    std::unique_lock<std::mutex> lock(b.mutex);
    DecodeWaiter me{bytes, 0};
    b.waiting.push_back(&me);
    if (wait) {
        b.changed.wait(lock, [&] { return b.mayGo(me); });
    } else if (!b.mayGo(me)) {
        b.waiting.pop_back();
        return 0;
    }
    for (auto it = b.waiting.begin(); it != b.waiting.end(); ++it) {
        if (*it == &me) {
            b.waiting.erase(it);
            break;
        }
        (*it)->passedBy += bytes;
    }
    b.held += bytes;
    b.changed.notify_all(); // the next in line may fit too
    return bytes;
}

} // namespace

size_t reserveDecodeMemory(size_t bytes)
{
    return grantDecodeMemory(bytes, true);
}

size_t tryReserveDecodeMemory(size_t bytes)
{
    return grantDecodeMemory(bytes, false);
}

void releaseDecodeMemory(size_t bytes)
{
    if (bytes == 0)
        return;
    DecodeBudget &b = decodeBudget();
    {
        std::lock_guard<std::mutex> lock(b.mutex);
        b.held -= std::min(bytes, b.held);
    }
    b.changed.notify_all();
}

void setDecodeMemoryBudget(size_t bytes)
{
    DecodeBudget &b = decodeBudget();
    {
        std::lock_guard<std::mutex> lock(b.mutex);
        b.budget = bytes;
    }
    b.changed.notify_all();
}

size_t decodeMemoryBudget()
{
    DecodeBudget &b = decodeBudget();
    std::lock_guard<std::mutex> lock(b.mutex);
    return b.budget;
}

size_t decodeMemoryHeld()
{
    DecodeBudget &b = decodeBudget();
    std::lock_guard<std::mutex> lock(b.mutex);
    return b.held;
}

int decodeMemoryWaiting()
{
    DecodeBudget &b = decodeBudget();
    std::lock_guard<std::mutex> lock(b.mutex);
    return int(b.waiting.size());
}

bool isPoolThread()
{
    return tPoolThread;
}

int startWorkerThreads(int wanted)
{
    // The calling thread is one of the count: with one in all there is no worker.
    const int count = imageOpThreads();
    const int allowed = count == 1 ? 0 : std::min(wanted, count);
    if (allowed <= 0)
        return 0;
    return std::min(allowed, WorkerPool::instance().ensure(allowed));
}

void postToWorkerThreads(std::function<void()> task)
{
    WorkerPool::instance().post(std::move(task));
    gTasksPosted.fetch_add(1, std::memory_order_relaxed);
}

size_t workerTasksPosted()
{
    return gTasksPosted.load(std::memory_order_relaxed);
}

void setImageOpThreads(int count)
{
    gThreads = std::max(0, count);
}

int imageOpThreads()
{
    const int n = gThreads;
    if (n > 0)
        return n;
    return std::max(1u, std::thread::hardware_concurrency());
}

bool parallelRanges(int count, int minPerThread, const std::function<void(int, int)> &fn)
{
    if (count <= 0)
        return true;
    const auto alone = [&] {
        try {
            fn(0, count);
        } catch (...) {
            return false;
        }
        return true;
    };
    const int threads =
        tPoolThread ? 1 : std::min(imageOpThreads(), count / std::max(1, minPerThread));
    if (threads <= 1)
        return alone();

    // The bands are fixed by the thread count alone, so the result never depends on which
    // thread runs which band. The caller takes bands too: a band whose worker is late (the
    // pool busy with other work) is run here rather than waited for.
    struct Bands
    {
        const std::function<void(int, int)> *fn = nullptr;
        int64_t total = 0;
        int bands = 0;
        std::atomic<int> next{0};
        std::atomic<bool> ok{true};
        std::mutex mutex;
        std::condition_variable allDone;
        int done = 0;
    };
    std::shared_ptr<Bands> b;
    try {
        b = std::make_shared<Bands>();
    } catch (...) {
        return alone();
    }
    b->fn = &fn;
    b->total = count;
    b->bands = threads;
    // fn is only reached through a band taken before the last one ends, and the caller
    // waits for that: a helper that starts later finds nothing left and leaves.
    const auto runBands = [](Bands &s) {
        for (;;) {
            const int k = s.next.fetch_add(1);
            if (k >= s.bands)
                return;
            try {
                (*s.fn)(int(s.total * k / s.bands), int(s.total * (k + 1) / s.bands));
            } catch (...) {
                s.ok = false;
            }
            std::lock_guard<std::mutex> lock(s.mutex);
            if (++s.done == s.bands)
                s.allDone.notify_all();
        }
    };
    const int helpers = std::min(threads - 1, startWorkerThreads(threads - 1));
    // A helper whose task could not be queued (no memory for it) leaves its bands to the
    // others, the caller at least.
    try {
        for (int t = 0; t < helpers; ++t) {
            allocationCheckpoint();
            postToWorkerThreads([b, runBands] { runBands(*b); });
        }
    } catch (...) {
    }
    runBands(*b);
    std::unique_lock<std::mutex> lock(b->mutex);
    b->allDone.wait(lock, [&] { return b->done == b->bands; });
    return b->ok;
}

bool runTogether(std::vector<std::function<void()>> parts)
{
    const auto runHere = [](std::vector<std::function<void()>> &here) {
        bool ok = true;
        for (std::function<void()> &part : here) {
            try {
                part();
            } catch (...) {
                ok = false;
            }
        }
        return ok;
    };
    const int count = int(parts.size());
    const int helpers = count < 2 ? 0 : std::min(count - 1, startWorkerThreads(count - 1));
    if (helpers == 0)
        return runHere(parts);

    // A posted part may be taken by a worker long after the caller has run it and left:
    // such a worker finds it claimed and touches nothing else, so the parts themselves
    // (which may refer to the caller's frame) are only reached by whoever claims them.
    struct Shared
    {
        std::vector<std::function<void()>> parts;
        std::unique_ptr<std::atomic<bool>[]> claimed;
        std::atomic<bool> ok{true};
        std::mutex mutex;
        std::condition_variable finished;
        int running = 0; // parts claimed by workers and not yet finished
    };
    std::shared_ptr<Shared> s;
    try {
        s = std::make_shared<Shared>();
        s->claimed = std::make_unique<std::atomic<bool>[]>(size_t(count));
    } catch (...) {
        return runHere(parts);
    }
    s->parts = std::move(parts);
    for (int i = 0; i < count; ++i)
        s->claimed[size_t(i)] = false;
    const auto run = [](Shared &sh, int i) {
        try {
            sh.parts[size_t(i)]();
        } catch (...) {
            sh.ok = false;
        }
    };
    // A part whose task could not be queued (no memory for it) stays unclaimed, and the
    // caller runs it below.
    try {
        for (int i = 1; i < count; ++i) {
            allocationCheckpoint();
            postToWorkerThreads([s, run, i] {
                {
                    std::lock_guard<std::mutex> lock(s->mutex);
                    if (s->claimed[size_t(i)].exchange(true))
                        return;
                    ++s->running;
                }
                run(*s, i);
                std::lock_guard<std::mutex> lock(s->mutex);
                if (--s->running == 0)
                    s->finished.notify_all();
            });
        }
    } catch (...) {
    }
    s->claimed[0] = true;
    run(*s, 0);
    for (int i = 1; i < count; ++i) {
        if (!s->claimed[size_t(i)].exchange(true))
            run(*s, i);
    }
    {
        std::unique_lock<std::mutex> lock(s->mutex);
        s->finished.wait(lock, [&] { return s->running == 0; });
    }
    const bool ok = s->ok;
    // What the parts hold goes now, on this thread; late workers only read the claims.
    s->parts.clear();
    return ok;
}

} // namespace gb
