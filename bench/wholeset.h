#pragma once

// Whole-set timings for the benchmarks that compare runs over many files on every core:
// ours with one worker thread and with all of them, and separate programs run as one
// process over the whole set or as one process per core over slices of it (as `xargs -P`
// would), so that every row pays its start-up once per process, never per file.

#include "benchutil.h"

#include "common/registry.h"

#include "platform/imagelib/parallel.h"

#include <QProcess>

#include <thread>

namespace gbbench {

inline int cores()
{
    return int(std::max(1u, std::thread::hardware_concurrency()));
}

// Pins the worker threads of our runs (0: one per core). One thread is one thread in all:
// the image operations then stop splitting their own work too, as the peers' one-thread
// rows are pinned (VIPS_CONCURRENCY=1, OMP_NUM_THREADS=1).
inline void setOurThreads(int threads)
{
    gb::kvtSetRtRegInt(QStringLiteral("General Options"), QStringLiteral("Worker Threads"), threads);
    gb::setImageOpThreads(threads == 1 ? 1 : 0);
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

// The commands (run one after another) for one slice of the files.
using SliceCommands = std::function<std::vector<QStringList>(const QStringList &slice)>;

// Runs one process per slice, all at once, each given its own commands; true when every
// one exited with 0.
inline bool runSlices(const QString &program, const SliceCommands &args, const QStringList &files, int slices,
                      const QProcessEnvironment &env = {})
{
    const std::vector<QStringList> parts = slicesOf(files, slices);
    // Each slice runs its commands in turn on a thread of its own.
    std::vector<std::thread> threads;
    std::vector<char> ok(parts.size(), 1);
    for (size_t s = 0; s < parts.size(); ++s)
        threads.emplace_back([&, s] {
            for (const QStringList &a : args(parts[s]))
                if (!runProgram(program, a, env))
                    ok[s] = 0;
        });
    for (std::thread &t : threads)
        t.join();
    return std::all_of(ok.begin(), ok.end(), [](char c) { return c != 0; });
}

// The median wall time in seconds of `repeats` runs of job; *ok false when a run failed.
// prepare, when given, runs untimed before each run (clearing the last run's output).
inline double medianSeconds(int repeats, const std::function<bool()> &job, bool *ok,
                            const std::function<void()> &prepare = {})
{
    std::vector<double> times;
    for (int r = 0; r < repeats; ++r) {
        if (prepare)
            prepare();
        const auto t0 = std::chrono::steady_clock::now();
        if (!job())
            *ok = false;
        times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
    return median(times);
}

// The median seconds per file of a program run over the whole set as `slices` processes
// (1: one process over the whole set); 0 when the program is not installed.
inline double slicedPerFile(const QString &program, const QProcessEnvironment &env, const QStringList &files,
                            int slices, const SliceCommands &args, int repeats, bool *ok)
{
    if (program.isEmpty() || files.isEmpty())
        return 0;
    return medianSeconds(repeats, [&] { return runSlices(program, args, files, slices, env); }, ok) / files.size();
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
