#pragma once

#include <functional>

namespace gb {

// How many threads one image operation may use inside itself. 0 (the default) means one
// per hardware thread; 1 keeps every operation on the calling thread. Operations split
// their work so that the result never depends on this number.
void setImageOpThreads(int count);
int imageOpThreads();

// Marks the calling thread as one worker of a pool that already keeps every core busy with
// whole images: operations on it then run on that thread alone instead of starting more.
void setWholeImageWorker(bool worker);

// The process's worker threads, started on demand and kept until it ends. startWorkerThreads
// makes sure that up to `wanted` exist and returns how many do (0 when none could be
// started); postToWorkerThreads queues a task for the first free one. A task must not wait
// for another task to start: the queue is first come, first served.
int startWorkerThreads(int wanted);
void postToWorkerThreads(std::function<void()> task);
// True on one of those threads.
bool isPoolThread();

// Runs fn(begin, end) over [0, count) cut into contiguous bands, one band per thread, on
// up to imageOpThreads() threads, and returns when all have finished. Fewer than
// minPerThread items per thread are not worth a thread: small jobs run on the caller, as
// do the bands of threads that cannot be started. Nothing is thrown: false when a band
// threw (its scratch memory could not be had), true when every band ran to its end.
bool parallelRanges(int count, int minPerThread, const std::function<void(int, int)> &fn);

} // namespace gb
