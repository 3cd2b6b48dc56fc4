#pragma once

#include <cstddef>

namespace gb {

// Buffers of a few megabytes and more (decoded photos, the coefficients of a progressive
// JPEG) are mapped straight from the system and asked for on 2 MB pages. A run over many
// photos maps and unmaps gigabytes; on 4 KB pages every first touch is a page fault, which
// took a third of the CPU time of such a run, and more with every core faulting at once.
// Smaller blocks come from malloc. freeLarge() must be given the size that was allocated.
// Returns nullptr when the memory cannot be had.
void *allocateLarge(size_t bytes);
void freeLarge(void *p, size_t bytes);

// The memory an allocation of `bytes` holds once touched (its last huge page whole).
size_t largeFootprint(size_t bytes);

// How many allocations went the large way since the process started (for tests).
size_t largeAllocationCount();

} // namespace gb
