#pragma once

#include <QElapsedTimer>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace gb {

// The number of worker threads that runs over many files use: the "General Options"
// "Worker Threads" value when it is 1 or more, otherwise one per hardware thread. Reading it
// makes it the process's one thread count (setImageOpThreads()), which also bounds the
// image operations' own bands and the parts of a split decode, and the worker threads
// any of them may start: 1 keeps everything on the thread that owns the windows, with no
// worker thread at all. Start-up and every run read it.
int workerThreads();

// The weight of an item made from one file, for OrderedWork::orderBy(): the file's size
// (0 when it cannot be read). Larger photos take longer to decode.
int64_t weightOfFile(const QString &path);

// What making an item from one file holds in memory for as long as it runs, for
// OrderedWork::costsMemory(): the coefficients of a progressive JPEG, which its decoder
// keeps whole whatever the output size, and the file's bytes, which it reads to the end
// (0 for other files, whose decoders hold little beyond their output). Reads the file's
// header only.
size_t memoryOfFile(const QString &path);

// Per-file work of a run over many files, spread over a bounded pool of worker threads
// while the thread that owns the windows takes the files in list order: it asks the
// questions, writes the log and the files, and counts, exactly as a run on one thread would.
//
//   std::vector<Made> made(n);
//   OrderedWork pool(n, workerThreads(), [&](int i) { made[i] = make(sources[i]); });
//   pool.orderBy([&](int i) { return fileSize(sources[i]); });        // optional
//   pool.holdsBytes([&](int i) { return made[i].bytes.size(); });      // optional
//   for (int i = 0; i < n; ++i) {
//       pool.take(i);          // serves events until item i is done
//       if (glAbortBatch) break;
//       commit(made[i]);       // in list order
//       made[i] = {};
//   }
//
// Only the taking follows the list; the making does not. Items up to `ahead` past the one
// the owner takes may be made, and the workers keep making them while the owner waits for
// a slow one: the item the owner waits for goes first, then the heaviest of the others
// (orderBy), so the longest items do not end the run alone. What finished items hold until
// they are taken (holdsBytes) is bounded by heldBudget(): past it only the item the owner
// waits for is handed out. work(i) runs once for every item the owner takes; it must touch
// nothing but item i's own result and must not throw (a throw leaves the result as it was).
// With one thread there is no pool: take(i) serves events once and runs work(i) on the
// calling thread. With more, even a single item is made on a worker while take() serves
// events (a photo loaded for a window). Dropping the object (or stop()) hands out nothing
// more and waits for the items that are running. The workers are the process's own kept
// threads (platform/imagelib/parallel.h), so a run pays no thread start-up; created on one of
// them, the work runs on that thread alone.
class OrderedWork
{
public:
    OrderedWork(int count, int threads, std::function<void(int)> work, int ahead = -1);
    ~OrderedWork();
    OrderedWork(const OrderedWork &) = delete;
    OrderedWork &operator=(const OrderedWork &) = delete;

    // How much making item i costs, in any unit (its file's size will do); read on the
    // owner's thread as items come within reach, before they are handed out. Without it,
    // items are made in list order.
    void orderBy(std::function<int64_t(int)> weight);
    // The bytes that item i's result holds once made; read on the worker that made it,
    // right after work(i). Without it finished items count as nothing and only `ahead`
    // bounds them.
    void holdsBytes(std::function<size_t(int)> bytes);
    // What making item i holds while it runs; read on the owner's thread with the weights.
    // Items whose making would take what runs together past the decoders' memory budget
    // (decodeMemoryBudget()) wait, and lighter ones are made meanwhile, so a worker does
    // not sit in a decoder waiting for room while other items could be made. The item the
    // owner waits for is always handed out.
    void costsMemory(std::function<size_t(int)> bytes);

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

    // What finished items not yet taken may hold together before the workers wait: 64 MB.
    static size_t heldBudget();

    struct State;

private:
    std::shared_ptr<State> d;
    std::function<void()> mServe;
    std::function<int64_t(int)> mWeight;
    std::function<size_t(int)> mMemory;
    QElapsedTimer mStarted;
};

// When one item of a run was handed out (came within reach of the workers), started,
// finished and taken by the owner, in milliseconds from the run's start (-1: never), and
// the worker that made it (0 for the owner's thread). Gathered only while an observer is
// set: the benchmarks use it to show where a run waits.
struct OrderedWorkItem
{
    double handedOut = -1;
    double started = -1;
    double finished = -1;
    double taken = -1;
    int worker = -1;
    int64_t weight = 0;
};
// Called with every item of a run as it ends (on the owner's thread); an empty function
// stops the gathering.
void observeOrderedWork(std::function<void(const std::vector<OrderedWorkItem> &)> observer);

} // namespace gb
