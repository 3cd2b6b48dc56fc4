#pragma once

#include <QElapsedTimer>

#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace gb {

// The number of worker threads that runs over many files use: the "General Options"
// "Worker Threads" value when it is 1 or more, otherwise one per hardware thread. 1 keeps
// the whole run on the thread that owns the windows.
int workerThreads();

// Per-file work of a run over many files, spread over a bounded pool of worker threads
// while the thread that owns the windows takes the files in list order: it asks the
// questions, writes the log and the files, and counts, exactly as a run on one thread would.
//
//   std::vector<Made> made(n);
//   OrderedWork pool(n, workerThreads(), [&](int i) { made[i] = make(sources[i]); });
//   for (int i = 0; i < n; ++i) {
//       pool.take(i);          // serves events until item i is done
//       if (glAbortBatch) break;
//       commit(made[i]);       // in list order
//       made[i] = {};
//   }
//
// Items are handed out in list order and never more than `ahead` past the one the owner
// waits for, which bounds what waits in memory. work(i) runs once for every item the owner
// takes; it must touch nothing but item i's own result and must not throw (a throw leaves
// the result as it was). With one thread there is no pool: take(i) serves events once and
// runs work(i) on the calling thread. Dropping the object (or stop()) hands out nothing
// more and waits for the items that are running. The workers are the process's own kept
// threads (platform/imagelib/parallel.h), so a run pays no thread start-up; created on one
// of them, the work runs on that thread alone.
class OrderedWork
{
public:
    OrderedWork(int count, int threads, std::function<void(int)> work, int ahead = -1);
    ~OrderedWork();
    OrderedWork(const OrderedWork &) = delete;
    OrderedWork &operator=(const OrderedWork &) = delete;

    void take(int index);
    void stop();
    // Hands out nothing more, without waiting: a take() under way returns at once. For a
    // run that a newer one replaces while it serves events.
    void cancel();
    // What take() calls to serve events while it waits (by default every pending event is
    // processed); a window that must not take user input meanwhile gives its own.
    void serveEventsWith(std::function<void()> serve);
    // How far past the item the owner takes items may be handed out: the owner may prepare
    // what items up to that far need before it calls take().
    int ahead() const;

    struct State;

private:
    std::shared_ptr<State> d;
    std::function<void()> mServe;
    QElapsedTimer mStarted;
};

} // namespace gb
