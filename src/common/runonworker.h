#pragma once

#include <functional>

class QObject;

namespace gb {

// Starts work on one of the process's worker threads (platform/imagelib/parallel.h) for an
// object of the thread that owns the windows, and calls done on the receiver's thread once
// work has finished, as an event of its own. Call it on the receiver's thread. The receiver
// may go first: done is then never called and goes with it, and what work captured is
// dropped on the worker when work ends, so a window closes without waiting for the work it
// started.
//
//   auto made = std::make_shared<RgbImage>();
//   if (!runOnWorker(this, [made, path] { *made = load(path); }, [this, made] { show(*made); }))
//       show(load(path));
//
// work must touch nothing but what it captured by value (never the receiver); a throw ends
// it as if it had returned. done runs even when work threw. False, with nothing run, when
// no worker thread can be had: the caller then does the work itself. The caller decides
// whether to go to a worker at all ("Worker Threads" = 1 keeps everything on its thread).
bool runOnWorker(QObject *receiver, std::function<void()> work, std::function<void()> done);

} // namespace gb
