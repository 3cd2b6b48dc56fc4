#pragma once

// Timing helpers shared by the benchmark programs.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <chrono>
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

} // namespace gbbench
