#pragma once

// Helpers for tests of windows that hand work to the worker threads.

#include "common/registry.h"
#include "image/imagesave.h"
#include "image/imagetypes.h"
#include "platform/imagelib/parallel.h"

#include <QString>

#include <gtest/gtest.h>

#include <thread>

namespace gbtest {

// The "General Options" "Worker Threads" value for one test (1: everything on the window's
// thread); the default (0, one per hardware thread) again when it goes.
class WorkerThreadsSetting
{
public:
    explicit WorkerThreadsSetting(int count) { set(count); }
    ~WorkerThreadsSetting() { set(0); }

private:
    static void set(int count)
    {
        EXPECT_TRUE(gb::kvtSetRtRegInt(QStringLiteral("General Options"), QStringLiteral("Worker Threads"), count));
    }
};

// Holds the decoders' memory budget full, so that the next JPEG decode waits for room
// wherever it runs, until release(). The test learns that a decoder has come to wait from the
// budget itself, never by sleeping. A decode on the thread holding the gate would wait for
// ever: only work handed to another thread may meet it.
class DecodeGate
{
public:
    DecodeGate()
        : mBudget(gb::decodeMemoryBudget())
    {
        gb::setDecodeMemoryBudget(1);
        mHeld = gb::reserveDecodeMemory(1);
    }
    ~DecodeGate()
    {
        release();
        gb::setDecodeMemoryBudget(mBudget);
    }

    // Returns once some decoder waits for room.
    void waitForADecoder() const
    {
        while (gb::decodeMemoryWaiting() == 0)
            std::this_thread::yield();
    }
    void release()
    {
        gb::releaseDecodeMemory(mHeld);
        mHeld = 0;
    }
    // Returns once the decoders let in by release() have all ended.
    static void waitForTheDecodersToEnd()
    {
        while (gb::decodeMemoryWaiting() != 0 || gb::decodeMemoryHeld() != 0)
            std::this_thread::yield();
    }

private:
    size_t mBudget;
    size_t mHeld = 0;
};

// Writes a small progressive JPEG of w x h (a gradient) to path and returns the path; its
// decoder reserves room in the decoders' budget, so a DecodeGate holds it.
inline QString writeGatedJpeg(const QString &path, int w, int h)
{
    gb::RgbImage img = gb::RgbImage::create(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t *p = img.pixel(x, y);
            p[0] = uint8_t(x);
            p[1] = uint8_t(y);
            p[2] = uint8_t(x ^ y);
        }
    EXPECT_TRUE(gb::saveRgb2File(img, path, gb::ImageTypeJpg, 90, true, 0, 0));
    return path;
}

} // namespace gbtest
