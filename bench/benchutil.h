#pragma once

// Timing, argument and table helpers shared by the benchmark programs.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace gbbench {

// The best time in seconds of `repeats` runs of job(run number); *ok is false when any run
// returned false.
inline double seconds(const std::function<bool(int)> &job, int repeats, bool *ok)
{
    using Clock = std::chrono::steady_clock;
    double best = 1e30;
    *ok = true;
    for (int r = 0; r < repeats; ++r) {
        const auto t0 = Clock::now();
        if (!job(r))
            *ok = false;
        best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count());
    }
    return best;
}

inline double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Runs a program to its end with its output discarded; true when it exited with 0.
inline bool runProgram(const QString &program, const QStringList &args,
                       const QProcessEnvironment &env = {})
{
    QProcess p;
    if (!env.isEmpty())
        p.setProcessEnvironment(env);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(program, args);
    return p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// An environment with one variable set (VIPS_CONCURRENCY, OMP_NUM_THREADS) for a peer.
inline QProcessEnvironment withVariable(const char *name, const QString &value)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(name), value);
    return env;
}

// The peak resident size of this process image, in MB. Not getrusage(): its maximum
// survives exec, so a child would report the parent's peak from before it was started.
inline double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// The JPEG files of the folder named by `PROGRAM FOLDER [REPEATS]` and the repeat count
// (3 when not given); false, with the usage or the fault on the standard error, when there
// is nothing to time.
inline bool photoArgs(int argc, char **argv, QStringList &files, int &repeats)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER [REPEATS]\n", qPrintable(QDir(argv[0]).dirName()));
        return false;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    files.clear();
    for (const QString &name : folder.entryList({"*.jpg", "*.JPG", "*.jpeg"}, QDir::Files, QDir::Name))
        files << folder.filePath(name);
    if (files.isEmpty()) {
        std::fprintf(stderr, "no JPEG files in %s\n", argv[1]);
        return false;
    }
    return true;
}

// Copies of the files as 0.jpg, 1.jpg, ... in folder, for a peer that rewrites its inputs.
inline QStringList numberedCopies(const QStringList &files, const QString &folder)
{
    QDir().mkpath(folder);
    QStringList copies;
    for (int i = 0; i < files.size(); ++i) {
        copies << folder + QString("/%1.jpg").arg(i);
        QFile::copy(files[i], copies.last());
    }
    return copies;
}

// A result table of times per image, its names in a column nameWidth wide and its ratios
// ratioWidth wide.
struct ResultTable
{
    int nameWidth;
    int ratioWidth;

    // One row: the time per image and, when there is a reference, the ratio to it;
    // "skipped" when there is no time (a peer that is missing or failed).
    void row(const char *name, double perImage, double reference, const char *against) const
    {
        if (perImage <= 0)
            std::printf("  %-*s %10s\n", nameWidth, name, "skipped");
        else if (reference > 0)
            std::printf("  %-*s %8.2f ms   %*.2fx %s\n", nameWidth, name, perImage * 1e3, ratioWidth,
                        perImage / reference, against);
        else
            std::printf("  %-*s %8.2f ms\n", nameWidth, name, perImage * 1e3);
    }
};

} // namespace gbbench
