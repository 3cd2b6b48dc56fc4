#pragma once

// How long a window could not answer: a 5 ms timer on the window's thread notes the longest
// time between two of its ticks while a run goes on. A tick that comes late means every
// event (a key, a click, a repaint) waited as long. On a busy machine that wait includes the
// time the thread was not given a core at all, so the timer also notes the most CPU time the
// window's thread spent between two ticks: what the window itself did meanwhile.

#include <QEventLoop>
#include <QTimer>

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>

namespace gbbench {

class EventGap
{
public:
    EventGap()
    {
        mTimer.setInterval(5);
        mTimer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&mTimer, &QTimer::timeout, [this] { tick(); });
    }

    void start()
    {
        mLongest = mLongestBusy = 0;
        mTop.fill({});
        mLast = mStart = Clock::now();
        mLastBusy = threadMs();
        mTimer.start();
    }
    // Counts the time since the last tick too: a run that ends in a long wait shows it.
    void stop()
    {
        tick();
        mTimer.stop();
    }
    // The longest wait between ticks, in milliseconds (5 when nothing waited).
    double longestMs() const { return mLongest; }
    // The most CPU time the window's thread used between two ticks, in milliseconds.
    double longestBusyMs() const { return mLongestBusy; }

    // The three longest gaps, longest first, each with the time it began, in milliseconds
    // from start(): where in a run the window waited.
    struct Gap
    {
        double ms = 0;
        double atMs = 0;
    };
    const std::array<Gap, 3> &longestGaps() const { return mTop; }

private:
    using Clock = std::chrono::steady_clock;

    static double threadMs()
    {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
    }
    void tick()
    {
        const auto now = Clock::now();
        const double busy = threadMs();
        const double waited = std::chrono::duration<double, std::milli>(now - mLast).count();
        mLongest = std::max(mLongest, waited);
        if (waited > mTop.back().ms) {
            mTop.back() = {waited, std::chrono::duration<double, std::milli>(mLast - mStart).count()};
            std::sort(mTop.begin(), mTop.end(), [](const Gap &a, const Gap &b) { return a.ms > b.ms; });
        }
        mLongestBusy = std::max(mLongestBusy, busy - mLastBusy);
        mLast = now;
        mLastBusy = busy;
    }

    QTimer mTimer;
    Clock::time_point mLast;
    Clock::time_point mStart;
    std::array<Gap, 3> mTop{};
    double mLastBusy = 0;
    double mLongest = 0;
    double mLongestBusy = 0;
};

// The CPU time of the whole process (every thread) so far, in seconds.
inline double cpuSeconds()
{
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    return double(use.ru_utime.tv_sec + use.ru_stime.tv_sec) + (use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e6;
}

// What one window run cost: its longest event gap, the most the window's thread worked
// between two ticks, its wall time and the CPU time of every thread, all in milliseconds.
struct WindowRun
{
    double gapMs = 0;
    double busyMs = 0;
    double wallMs = 0;
    double cpuMs = 0;
    std::array<EventGap::Gap, 3> gaps{};

    void print(const char *name) const
    {
        std::printf("  %-44s gap %7.1f ms   busy %7.1f ms   wall %8.1f ms   cpu %8.1f ms\n", name, gapMs, busyMs,
                    wallMs, cpuMs);
    }
    // The three longest gaps and when each began.
    void printGaps() const
    {
        std::printf("  %-44s", "    longest gaps (ms at ms)");
        for (const EventGap::Gap &g : gaps)
            if (g.ms > 0)
                std::printf("   %.0f at %.0f", g.ms, g.atMs);
        std::printf("\n");
    }
};

// Runs body inside the event loop, with the gap timer running, until it calls the given
// `finished` function (at once or later, from an event).
template <typename Body>
WindowRun timeWindowRun(Body body)
{
    EventGap gap;
    QEventLoop loop;
    bool over = false;
    const auto finished = [&] {
        if (!over) {
            over = true;
            loop.quit();
        }
    };
    const auto t0 = std::chrono::steady_clock::now();
    const double cpu0 = cpuSeconds();
    gap.start();
    QTimer::singleShot(0, [&] { body(finished); });
    if (!over)
        loop.exec();
    gap.stop();
    WindowRun run;
    run.gapMs = gap.longestMs();
    run.busyMs = gap.longestBusyMs();
    run.gaps = gap.longestGaps();
    run.wallMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    run.cpuMs = (cpuSeconds() - cpu0) * 1e3;
    return run;
}

} // namespace gbbench
