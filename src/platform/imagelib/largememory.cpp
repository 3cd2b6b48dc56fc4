#include "platform/imagelib/largememory.h"

#include <sys/mman.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace gb {

namespace {

constexpr size_t kHugePage = size_t(2) << 20;
constexpr size_t kSmallPage = 4096;

std::atomic<size_t> gLargeCount{0};
std::atomic<long> gFailCheckpoint{-1}; // checkpoints to pass before the one that fails

// A tail of half a huge page or more gets a whole one, which costs at most twice what it
// holds; a shorter one stays on small pages, so that a buffer never holds more than half a
// huge page that it does not use.
size_t mappedLength(size_t bytes)
{
    const size_t tail = bytes & (kHugePage - 1);
    if (tail >= kHugePage / 2)
        return bytes - tail + kHugePage;
    return (bytes + kSmallPage - 1) & ~(kSmallPage - 1);
}

} // namespace

void *allocateLarge(size_t bytes)
{
    if (bytes < kHugePage)
        return malloc(bytes == 0 ? 1 : bytes);
    const size_t length = mappedLength(bytes);
    if (length < bytes || length > SIZE_MAX - kHugePage)
        return nullptr;
    // Over-map by one huge page and cut the ends off, so that the buffer starts on a huge
    // page boundary whatever address the system picks.
    void *raw = mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        return nullptr;
    const uintptr_t start = uintptr_t(raw);
    const uintptr_t aligned = (start + kHugePage - 1) & ~uintptr_t(kHugePage - 1);
    if (aligned > start)
        munmap(raw, aligned - start);
    const uintptr_t end = start + length + kHugePage;
    if (end > aligned + length)
        munmap(reinterpret_cast<void *>(aligned + length), end - (aligned + length));
    // Where the system has no huge pages this fails and the buffer stays on small pages.
    const size_t whole = length & ~(kHugePage - 1);
    madvise(reinterpret_cast<void *>(aligned), whole, MADV_HUGEPAGE);
    gLargeCount.fetch_add(1, std::memory_order_relaxed);
    return reinterpret_cast<void *>(aligned);
}

void freeLarge(void *p, size_t bytes)
{
    if (!p)
        return;
    if (bytes < kHugePage)
        free(p);
    else
        munmap(p, mappedLength(bytes));
}

size_t largeFootprint(size_t bytes)
{
    return bytes < kHugePage ? bytes : mappedLength(bytes);
}

size_t largeAllocationCount()
{
    return gLargeCount.load(std::memory_order_relaxed);
}

void allocationCheckpoint()
{
    if (gFailCheckpoint.load(std::memory_order_relaxed) < 0)
        return;
    if (gFailCheckpoint.fetch_sub(1) == 0)
        throw std::bad_alloc();
}

bool failAllocationCheckpoint(long n)
{
    return gFailCheckpoint.exchange(n < 0 ? -1 : n) >= 0;
}

} // namespace gb
