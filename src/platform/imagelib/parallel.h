#pragma once

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

namespace gb {

// The process's one thread count: how many threads its work may use at once, the calling
// thread included. 0 (the default) means one per hardware thread. It bounds the worker
// threads every path asks for (runs over many files, the operations' bands, the parts of
// a split decode); 1 means no worker thread at all: everything runs on the calling thread.
// Operations split their work so that the result never depends on this number.
void setImageOpThreads(int count);
int imageOpThreads();

// The process's worker threads, started on demand and kept until it ends. startWorkerThreads
// makes sure that up to `wanted` exist, never more than imageOpThreads() and none when that
// is 1, and returns how many the caller may use (0 when none could be started);
// postToWorkerThreads queues a task for the first free one. A task must not wait for another
// task to start: the queue is first come, first served.
int startWorkerThreads(int wanted);
void postToWorkerThreads(std::function<void()> task);
// True on one of those threads.
bool isPoolThread();
// How many tasks were queued for the worker threads since the process started (for tests).
size_t workerTasksPosted();

// Memory that decoders hold only while they run (the file they read, the picture they make,
// a progressive JPEG's coefficients, the parts of a split decode) is reserved first, out of
// one budget for the whole process: with every core decoding large photos at once, the later
// decoders wait for the earlier ones rather than hold several hundred megabytes together.
// Reservations are granted in the order asked among those that fit; one that fits may pass
// older ones that do not, until they have been passed by the budget's worth. One asked while
// nothing is held is granted whatever its size, so every decode can go ahead. Release what
// was reserved with the returned amount (0 when nothing was).
size_t reserveDecodeMemory(size_t bytes);
void releaseDecodeMemory(size_t bytes);
// As reserveDecodeMemory(), but never waits: the bytes when they would be granted at once
// (they fit beside what is held, and no waiting reservation comes first), else 0. For a
// decode that holds a reservation already and could use more: waiting for it there could
// wait for ever on decodes that wait in turn.
size_t tryReserveDecodeMemory(size_t bytes);
// The budget, in bytes: 224 MB unless set, room for two or three 20-megapixel progressive
// photos at once besides every core decoding baseline ones, which keeps a run over large
// photos under 300 MB in all; tests make it small. Runs over many files also hand out
// their items within it (OrderedWork::costsMemory), so their workers make light items
// rather than wait here.
void setDecodeMemoryBudget(size_t bytes);
size_t decodeMemoryBudget();
// What is reserved now, and how many reservations wait for room.
size_t decodeMemoryHeld();
int decodeMemoryWaiting();

// Holds one reservation of decode memory and gives it back when it goes, on every path
// (an exception included). Move-only; empty when made without bytes.
class DecodeMemoryReservation
{
public:
    DecodeMemoryReservation() = default;
    // Waits for room as reserveDecodeMemory() does.
    explicit DecodeMemoryReservation(size_t bytes) : mBytes(reserveDecodeMemory(bytes)) {}
    ~DecodeMemoryReservation() { releaseDecodeMemory(mBytes); }
    DecodeMemoryReservation(DecodeMemoryReservation &&other) noexcept : mBytes(std::exchange(other.mBytes, 0)) {}
    DecodeMemoryReservation &operator=(DecodeMemoryReservation &&other) noexcept
    {
        std::swap(mBytes, other.mBytes);
        return *this;
    }
    DecodeMemoryReservation(const DecodeMemoryReservation &) = delete;
    DecodeMemoryReservation &operator=(const DecodeMemoryReservation &) = delete;

    // Adds bytes to what this holds when they can be had at once (tryReserveDecodeMemory());
    // false, with nothing more held, when they cannot.
    bool tryMore(size_t bytes)
    {
        if (bytes == 0)
            return true;
        const size_t got = tryReserveDecodeMemory(bytes);
        mBytes += got;
        return got != 0;
    }
    size_t bytes() const { return mBytes; }

private:
    size_t mBytes = 0;
};

// Runs fn(begin, end) over [0, count) cut into contiguous bands, one band per thread, on
// up to imageOpThreads() threads, and returns when all have finished. On a worker thread it
// runs on that thread alone: the workers are already kept busy with whole images or bands. Fewer than
// minPerThread items per thread are not worth a thread: small jobs run on the caller, as
// do the bands of threads that cannot be started. Nothing is thrown: false when a band
// threw (its scratch memory could not be had), true when every band ran to its end.
bool parallelRanges(int count, int minPerThread, const std::function<void(int, int)> &fn);

// Runs every part once and returns when all have finished: the first on the calling thread,
// the others offered to idle workers. A part no worker has started by the time the caller
// is free is run by the caller itself, so with every worker busy (the caller one of them)
// nothing waits for a free thread; the caller waits only for parts already running
// elsewhere. One thread (setImageOpThreads(1)) runs them all here. Nothing is thrown: false
// when a part threw.
bool runTogether(std::vector<std::function<void()>> parts);

} // namespace gb
