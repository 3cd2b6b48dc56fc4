#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>

namespace gb {

// Buffers of a few megabytes and more (decoded photos, the coefficients of a progressive
// JPEG) are mapped straight from the system and asked for on 2 MB pages. A run over many
// photos maps and unmaps gigabytes; on 4 KB pages every first touch is a page fault, which
// took a third of the CPU time of such a run, and more with every core faulting at once.
// Smaller blocks come from malloc. freeLarge() must be given the size that was allocated.
// Returns nullptr when the memory cannot be had.
void *allocateLarge(size_t bytes);
void freeLarge(void *p, size_t bytes);

// Owns one block of allocateLarge(): null when none was asked for or the memory could not
// be had. Move-only.
class LargeBuffer
{
public:
    LargeBuffer() = default;
    explicit LargeBuffer(size_t bytes)
        : mData(static_cast<uint8_t *>(allocateLarge(bytes)))
        , mSize(mData ? bytes : 0)
    {
    }
    ~LargeBuffer() { freeLarge(mData, mSize); }
    LargeBuffer(LargeBuffer &&other) noexcept
        : mData(std::exchange(other.mData, nullptr))
        , mSize(std::exchange(other.mSize, 0))
    {
    }
    LargeBuffer &operator=(LargeBuffer &&other) noexcept
    {
        std::swap(mData, other.mData);
        std::swap(mSize, other.mSize);
        return *this;
    }
    LargeBuffer(const LargeBuffer &) = delete;
    LargeBuffer &operator=(const LargeBuffer &) = delete;

    explicit operator bool() const { return mData != nullptr; }
    uint8_t *data() { return mData; }
    const uint8_t *data() const { return mData; }
    size_t size() const { return mSize; }

private:
    uint8_t *mData = nullptr;
    size_t mSize = 0;
};

// The memory an allocation of `bytes` holds once touched (its last huge page whole).
size_t largeFootprint(size_t bytes);

// How many allocations went the large way since the process started (for tests).
size_t largeAllocationCount();

// A place where code takes memory that throws std::bad_alloc when it cannot be had (a
// container that grows, make_unique, a task queued). Tests make such a place fail, one at a
// time, to show that nothing is left behind whichever allocation fails: failing the n-th
// checkpoint reached from then on (0 the next one) makes it throw std::bad_alloc, once;
// -1 fails none, as without the call. Returns whether the failure asked before was still to
// come, which ends a run over every place.
void allocationCheckpoint();
bool failAllocationCheckpoint(long n);

} // namespace gb
