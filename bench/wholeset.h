#pragma once

// Whole-set timings for the benchmarks that compare runs over many files on every core:
// ours with one worker thread and with all of them, and separate programs run as one
// process over the whole set or as one process per core over slices of it (as `xargs -P`
// would), so that every row pays its start-up once per process, never per file.

#include "benchutil.h"

#include "common/registry.h"

#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <memory>
#include <thread>

namespace gbbench {

inline int cores()
{
    return int(std::max(1u, std::thread::hardware_concurrency()));
}

// Pins the worker threads of our runs (0: one per core).
inline void setOurThreads(int threads)
{
    gb::kvtSetRtRegInt(QStringLiteral("General Options"), QStringLiteral("Worker Threads"), threads);
}

// The files cut into `slices` contiguous parts of nearly equal size (none empty).
inline std::vector<QStringList> slicesOf(const QStringList &files, int slices)
{
    std::vector<QStringList> parts;
    const int n = int(files.size());
    slices = std::clamp(slices, 1, std::max(1, n));
    for (int s = 0; s < slices; ++s)
        parts.push_back(files.mid(n * s / slices, n * (s + 1) / slices - n * s / slices));
    return parts;
}

// Runs one process per slice, all at once, each given its own arguments (a list of
// commands to run one after another per slice); true when every one exited with 0.
inline bool runSlices(const QString &program,
                      const std::function<std::vector<QStringList>(const QStringList &slice, int index)> &args,
                      const QStringList &files, int slices, const QProcessEnvironment &env = {})
{
    const std::vector<QStringList> parts = slicesOf(files, slices);
    // Each slice runs its commands in turn on a thread of its own.
    std::vector<std::thread> threads;
    std::vector<char> ok(parts.size(), 1);
    for (size_t s = 0; s < parts.size(); ++s)
        threads.emplace_back([&, s] {
            for (const QStringList &a : args(parts[s], int(s)))
                if (!runProgram(program, a, env))
                    ok[s] = 0;
        });
    for (std::thread &t : threads)
        t.join();
    return std::all_of(ok.begin(), ok.end(), [](char c) { return c != 0; });
}

// The median wall time in seconds of `repeats` runs of job; *ok false when a run failed.
inline double medianSeconds(int repeats, const std::function<bool()> &job, bool *ok)
{
    std::vector<double> times;
    for (int r = 0; r < repeats; ++r) {
        const auto t0 = std::chrono::steady_clock::now();
        if (!job())
            *ok = false;
        times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
    return median(times);
}

// Peak resident memory of this process so far, in MB.
inline double peakMegabytes()
{
    rusage self{};
    getrusage(RUSAGE_SELF, &self);
    return double(self.ru_maxrss) / 1024.0;
}

// An environment with one variable set (VIPS_CONCURRENCY, OMP_NUM_THREADS) for a peer.
inline QProcessEnvironment withVariable(const char *name, const QString &value)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(name), value);
    return env;
}

// The bare pipeline program built beside the benchmarks.
inline QString barePipelineProgram(const char *argv0)
{
    return QFileInfo(QString::fromLocal8Bit(argv0)).absolutePath() + QStringLiteral("/bare_pipeline");
}

// One row of the whole-set table: seconds per image and the ratios named.
inline void wholeRow(const char *name, double perImage, const std::vector<std::pair<const char *, double>> &against)
{
    if (perImage <= 0) {
        std::printf("  %-58s %10s\n", name, "skipped");
        return;
    }
    std::printf("  %-58s %8.2f ms", name, perImage * 1e3);
    for (const auto &[what, ref] : against)
        if (ref > 0)
            std::printf("   %.2fx %s", perImage / ref, what);
    std::printf("\n");
}

} // namespace gbbench
