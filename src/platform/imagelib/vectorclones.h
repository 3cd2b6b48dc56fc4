#pragma once

// A pixel loop compiled twice, for AVX2 and for any x86-64, the better one picked at load
// time; kept out of line, so that the caller's loop does not swallow it and lose the
// vector code. Clang never inlines such a function and refuses "noinline" beside it.
#if defined(__clang__)
#define GB_VECTOR_CLONES_OUT_OF_LINE __attribute__((target_clones("avx2", "default")))
#else
#define GB_VECTOR_CLONES_OUT_OF_LINE __attribute__((noinline, target_clones("avx2", "default")))
#endif
