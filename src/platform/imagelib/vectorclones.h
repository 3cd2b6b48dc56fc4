#pragma once

// A pixel loop compiled twice, for AVX2 and for any x86-64, the better one picked at load
// time. GB_VECTOR_CLONES_OUT_OF_LINE also keeps it out of line, so that the caller's loop does
// not swallow it and lose the vector code. Clang never inlines such a function and refuses
// "noinline" beside it.
//
// Under ThreadSanitizer the loops are built once, for any x86-64: the clones' resolvers run
// while the program is loaded, before the sanitizer's runtime exists, and its instrumentation
// of them crashes the program at start.
#if defined(__SANITIZE_THREAD__)
#define GB_NO_VECTOR_CLONES 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define GB_NO_VECTOR_CLONES 1
#endif
#endif

#if defined(GB_NO_VECTOR_CLONES)
#define GB_VECTOR_CLONES
#define GB_VECTOR_CLONES_OUT_OF_LINE __attribute__((noinline))
#elif defined(__clang__)
#define GB_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#define GB_VECTOR_CLONES_OUT_OF_LINE GB_VECTOR_CLONES
#else
#define GB_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#define GB_VECTOR_CLONES_OUT_OF_LINE __attribute__((noinline, target_clones("avx2", "default")))
#endif
