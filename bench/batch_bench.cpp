// Times a batch job against command-line peers and against a bare libjpeg-turbo pipeline
// written here, which is the limit for this job.
//
//   batch_bench FOLDER [REPEATS]
//
// The job: one command, Resize best fit into 640 x 640, written as baseline JPEG of quality
// 80. First per file, on one thread: Be::batchProcess over one file at a time against the
// bare pipeline (reduced-scale decode to at least twice the target, area reduction, encode,
// write) in this process, each the best of REPEATS runs (default 3), medians over the files
// in wall-clock and processor time. Then the whole set, median of REPEATS runs: ours with
// one thread and with one per core; the bare pipeline, `vipsthumbnail -s 640` and
// `gm mogrify -resize 640x640 -quality 80` each as one process over the set and as one
// process per core over slices of it, pinned to one thread each. Missing peers are
// skipped; bench/batch_bench.sh installs them.

#include "barejpeg.h"
#include "benchjobs.h"
#include "benchui.h"
#include "benchutil.h"
#include "wholeset.h"

#include "batch/batchaction.h"
#include "batch/be.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <cstdio>
#include <vector>

namespace {

using gbbench::median;
using gbbench::runProgram;

// Processor seconds of this process (every thread) and of its finished children: on a
// loaded machine they hold still where the wall clock does not.
double cpuSeconds()
{
    rusage self{}, children{};
    getrusage(RUSAGE_SELF, &self);
    getrusage(RUSAGE_CHILDREN, &children);
    auto sec = [](const timeval &t) { return double(t.tv_sec) + t.tv_usec * 1e-6; };
    return sec(self.ru_utime) + sec(self.ru_stime) + sec(children.ru_utime) + sec(children.ru_stime);
}

// Wall and processor time of the best of `repeats` runs of job; *ok false when a run failed.
struct Time {
    double wall = 1e30;
    double cpu = 1e30;
};
Time timed(const std::function<bool()> &job, int repeats, bool *ok)
{
    Time best;
    *ok = true;
    for (int r = 0; r < repeats; ++r) {
        const double c0 = cpuSeconds();
        const auto t0 = std::chrono::steady_clock::now();
        if (!job())
            *ok = false;
        best.wall = std::min(best.wall, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
        best.cpu = std::min(best.cpu, cpuSeconds() - c0);
    }
    return best;
}

// The bare pipeline for one file: libjpeg-turbo's reduced-scale decode to at least twice
// the fitted size, a box average down to the size fitted into 640 x 640, a quality-80
// baseline encode, the file written. Nothing else.
bool barePipeline(const QString &in, const QString &out)
{
    // As the image layer decodes at reduced scales: the area reduction hides plain upsampling.
    return gbbench::bareFit(in, out, 640, gbbench::Upsampling::PlainWhenReduced);
}

void row(const char *name, const Time &t, const Time &bare)
{
    if (t.wall <= 0 || t.wall >= 1e29) {
        std::printf("  %-44s %10s\n", name, "skipped");
        return;
    }
    std::printf("  %-44s %8.2f ms %5.2fx   %8.2f ms %5.2fx\n", name, t.wall * 1e3, t.wall / bare.wall, t.cpu * 1e3,
                t.cpu / bare.cpu);
}

Time medians(const std::vector<Time> &times)
{
    std::vector<double> wall, cpu;
    for (const Time &t : times) {
        wall.push_back(t.wall);
        cpu.push_back(t.cpu);
    }
    if (times.empty())
        return Time{0, 0};
    return Time{median(wall), median(cpu)};
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The worker threads are pinned through a registry of the benchmark's own.
    QTemporaryDir home;
    qputenv("GLIMMERBOX_HOME", home.path().toLocal8Bit());
    QStringList files;
    int repeats = 3;
    if (!gbbench::photoArgs(argc, argv, files, repeats))
        return 2;
    gbbench::QuietUi quiet;
    gb::setUi(&quiet);
    gb::initializeActions();

    QTemporaryDir out;
    QDir(out.path()).mkpath("job");
    gb::Be job = gbbench::batchJob(out.filePath("job"));

    // Per file, one thread against the bare pipeline's one.
    gbbench::setOurThreads(1);
    std::vector<Time> tJob, tBare;
    bool allOk = true;
    for (const QString &f : files) {
        bool ok = false;
        tJob.push_back(timed([&] { return job.batchProcess({f}, "Batch Processing", true).size() == 1; }, repeats, &ok));
        allOk &= ok;
        tBare.push_back(timed([&] { return barePipeline(f, out.filePath("bare.jpg")); }, repeats, &ok));
        allOk &= ok;
    }
    const int n = int(files.size());
    const Time job1 = medians(tJob), bare = medians(tBare);
    std::printf("batch_bench: %d JPEG files in %s, best of %d, medians per image, 1 thread\n", n, argv[1], repeats);
    std::printf("Resize best fit 640x640, JPEG quality 80          wall    / bare    processor / bare\n");
    row("bare libjpeg-turbo pipeline (the limit)", bare, bare);
    row("batch job, one file per run", job1, bare);
    std::printf("  batch job / bare pipeline: wall %.2f, processor %.2f (goal at most 1.10)\n", job1.wall / bare.wall,
                job1.cpu / bare.cpu);

    // The whole set on every core: ours with one worker thread and with one per core; the
    // bare pipeline, vipsthumbnail and gm each as one process over the set and as one
    // process per core over slices of it.
    const int cores = gbbench::cores();
    const QString bareProgram = gbbench::barePipelineProgram(argv[0]);
    const auto freshDir = [&](const QString &name) {
        const QString dir = out.filePath(name);
        QDir(dir).removeRecursively();
        QDir().mkpath(dir);
        return dir;
    };
    const QString wholeDir = freshDir("whole");
    job.setFinalFolder(wholeDir + "/");
    double ours[2] = {0, 0};
    for (int k = 0; k < 2; ++k) {
        gbbench::setOurThreads(k == 0 ? 1 : cores);
        ours[k] = gbbench::medianSeconds(repeats, [&] {
            return job.batchProcess(files, "Batch Processing", true).size() == n;
        }, &allOk) / n;
    }
    gbbench::setOurThreads(0);
    const double peak = gbbench::peakMegabytes();
    const QString vips = QStandardPaths::findExecutable("vipsthumbnail");
    const QString gm = QStandardPaths::findExecutable("gm");
    const QString bareDir = freshDir("bare-whole"), vipsDir = freshDir("vips-whole"), gmDir = freshDir("gm-whole");
    const gbbench::SliceCommands bareArgs = [&](const QStringList &slice) {
        return std::vector<QStringList>{QStringList{"fit", "640", bareDir} + slice};
    };
    const gbbench::SliceCommands vipsArgs = [&](const QStringList &slice) {
        return std::vector<QStringList>{QStringList{"-s", "640", "-o", vipsDir + "/%s.jpg[Q=80]"} + slice};
    };
    const gbbench::SliceCommands gmArgs = [&](const QStringList &slice) {
        return std::vector<QStringList>{QStringList{"mogrify", "-output-directory", gmDir, "-create-directories", "-size",
                                                    "1280x1280", "-resize", "640x640", "-quality", "80"} + slice};
    };
    const QProcessEnvironment vipsOne = gbbench::withVariable("VIPS_CONCURRENCY", "1");
    const QProcessEnvironment gmOne = gbbench::withVariable("OMP_NUM_THREADS", "1");
    const auto sliced = [&](const QString &program, const QProcessEnvironment &env, int slices,
                            const gbbench::SliceCommands &args) {
        return gbbench::slicedPerFile(program, env, files, slices, args, repeats, &allOk);
    };
    const double bareOne = sliced(bareProgram, {}, 1, bareArgs), bareN = sliced(bareProgram, {}, cores, bareArgs);
    const double vips1 = sliced(vips, vipsOne, 1, vipsArgs), vipsN = sliced(vips, vipsOne, cores, vipsArgs);
    const double gm1 = sliced(gm, gmOne, 1, gmArgs), gmN = sliced(gm, gmOne, cores, gmArgs);
    std::printf("whole set, median of %d runs, time per image (%d cores):\n", repeats, cores);
    gbbench::wholeRow("batch job, 1 thread", ours[0], {{"bare 1 process", bareOne}});
    gbbench::wholeRow("batch job, all cores", ours[1], {{"bare per core", bareN}, {"vips per core", vipsN}, {"its 1 thread", ours[0]}});
    gbbench::wholeRow("bare pipeline, 1 process", bareOne, {});
    gbbench::wholeRow("bare pipeline, 1 process per core", bareN, {});
    gbbench::wholeRow("vipsthumbnail, 1 process, VIPS_CONCURRENCY=1", vips1, {{"ours 1 thread", ours[0]}});
    gbbench::wholeRow("vipsthumbnail, 1 process per core", vipsN, {{"ours all cores", ours[1]}});
    gbbench::wholeRow("gm mogrify, 1 process, OMP_NUM_THREADS=1", gm1, {{"ours 1 thread", ours[0]}});
    gbbench::wholeRow("gm mogrify, 1 process per core", gmN, {{"ours all cores", ours[1]}});
    std::printf("  peak memory of this process: %.0f MB (goal under 300 MB)\n", peak);
    if (bareN > 0)
        std::printf("  all cores: ours / bare per core %.2f (goal at most 1.20)", ours[1] / bareN);
    if (vipsN > 0)
        std::printf(", ours / vipsthumbnail per core %.2f (goal at most 0.80)", ours[1] / vipsN);
    std::printf("\n");

    if (!allOk || quiet.failures > 0) {
        std::printf("some runs failed (%d job failures)\n", quiet.failures);
        return 1;
    }
    return 0;
}
