#pragma once

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
// more and waits for the items that are running.
class OrderedWork
{
public:
    OrderedWork(int count, int threads, std::function<void(int)> work, int ahead = -1);
    ~OrderedWork();
    OrderedWork(const OrderedWork &) = delete;
    OrderedWork &operator=(const OrderedWork &) = delete;

    void take(int index);
    void stop();

private:
    struct State;
    std::shared_ptr<State> d;
    std::vector<std::thread> mThreads;
};

} // namespace gb
