#include "platform/imagelib/parallel.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <new>
#include <vector>

using namespace gb;

TEST(ParallelRanges, BandsCoverEveryItemOnce)
{
    for (int threads : {1, 3, 8}) {
        setImageOpThreads(threads);
        for (auto [count, minPer] : {std::pair{0, 1}, {1, 1}, {7, 1}, {100, 1}, {100, 30}, {1001, 16}}) {
            std::vector<std::atomic<int>> seen(static_cast<size_t>(count));
            std::atomic<int> bands{0};
            EXPECT_TRUE(parallelRanges(count, minPer, [&](int b, int e) {
                ++bands;
                for (int i = b; i < e; ++i)
                    ++seen[size_t(i)];
            }));
            for (int i = 0; i < count; ++i)
                ASSERT_EQ(seen[size_t(i)], 1) << threads << " " << count << " " << i;
            EXPECT_LE(bands, std::max(1, threads));
            if (count / minPer < 2) {
                EXPECT_LE(bands, 1); // too little work for a second thread
            }
        }
    }
    setImageOpThreads(0);
    EXPECT_GE(imageOpThreads(), 1);
}

TEST(ParallelRanges, ABandThatThrowsIsReportedNotThrown)
{
    for (int threads : {1, 4}) {
        setImageOpThreads(threads);
        EXPECT_FALSE(parallelRanges(400, 1, [](int b, int) {
            if (b == 0)
                throw std::bad_alloc();
        }));
    }
    setImageOpThreads(0);
}
