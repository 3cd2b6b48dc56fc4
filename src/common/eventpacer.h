#pragma once

#include <QElapsedTimer>

#include <functional>

namespace gb {

// Keeps the window answering through a loop that runs on the thread that owns the windows
// (writing the pages of a gallery, adding rows to a catalog): serve() processes the pending
// events when 20 ms have passed since it last did, and costs a clock read otherwise, so a
// loop can call it after every item however small.
//
//   EventPacer pacer;
//   for (const Item &item : items) {
//       write(item);
//       pacer.serve();
//       if (glAbortBatch)
//           break;
//   }
class EventPacer
{
public:
    // By default every pending event is processed; a window that must not take user input
    // meanwhile gives its own.
    explicit EventPacer(std::function<void()> serve = {});

    void serve();
    // Serves now, whatever the time.
    void serveNow();
    // How long the loop may go between serves.
    static constexpr int kIntervalMs = 20;

private:
    std::function<void()> mServe;
    QElapsedTimer mSince;
};

// Runs work on one of the process's worker threads while the calling thread (the one that
// owns the windows) serves events with serve (every pending event by default), and returns
// once work is over: a single long step (encoding a sheet, writing and syncing a file) that
// must not stop the window. With one worker thread (workerThreads() == 1), or on a worker
// thread already, work runs on the calling thread. work must not touch windows; a throw
// ends it as if it had returned.
void runAside(const std::function<void()> &work, std::function<void()> serve = {});

} // namespace gb
