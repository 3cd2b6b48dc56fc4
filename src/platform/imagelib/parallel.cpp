#include "platform/imagelib/parallel.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace gb {

namespace {
std::atomic<int> gThreads{0};
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

void parallelRanges(int count, int minPerThread, const std::function<void(int, int)> &fn)
{
    if (count <= 0)
        return;
    int threads = std::min(imageOpThreads(), count / std::max(1, minPerThread));
    if (threads <= 1) {
        fn(0, count);
        return;
    }
    std::vector<std::thread> pool;
    pool.reserve(size_t(threads - 1));
    const int64_t total = count;
    for (int t = 1; t < threads; ++t) {
        const int begin = int(total * t / threads);
        const int end = int(total * (t + 1) / threads);
        pool.emplace_back([&fn, begin, end] { fn(begin, end); });
    }
    fn(0, int(total / threads));
    for (std::thread &th : pool)
        th.join();
}

} // namespace gb
