#include "platform/imagelib/parallel.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace gb {

namespace {
std::atomic<int> gThreads{0};
thread_local bool tWholeImageWorker = false;
}

void setWholeImageWorker(bool worker)
{
    tWholeImageWorker = worker;
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
    std::atomic<bool> ok{true};
    const auto band = [&fn, &ok](int begin, int end) {
        try {
            fn(begin, end);
        } catch (...) {
            ok = false;
        }
    };
    const int threads =
        tWholeImageWorker ? 1 : std::min(imageOpThreads(), count / std::max(1, minPerThread));
    if (threads <= 1) {
        band(0, count);
        return ok;
    }
    std::vector<std::thread> pool;
    const int64_t total = count;
    for (int t = 1; t < threads; ++t) {
        const int begin = int(total * t / threads), end = int(total * (t + 1) / threads);
        try {
            pool.emplace_back(band, begin, end);
        } catch (...) {
            band(begin, end);
        }
    }
    band(0, int(total / threads));
    for (std::thread &th : pool)
        th.join();
    return ok;
}

} // namespace gb
