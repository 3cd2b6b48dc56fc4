// Times the web gallery generator against the gallery generators of Debian's packages and
// against a bare libjpeg-turbo pipeline written here, which is the limit.
//
//   gallery_bench FOLDER [REPEATS]
//
// Every generator makes two images of each JPEG photo of FOLDER: a thumbnail fitted into
// 120 x 120 and a full-size image fitted into 800 x 800 (our gallery: thumbnails at
// 120 x 120 best fit, a full-size script of one Resize best fit 800 x 800, baseline JPEG of
// quality 80 for both), plus its pages.
//
// On one thread:
// - The gallery, one photo per run (validation, both image phases, every page): best of
//   REPEATS per photo, median over the photos; and once over the whole folder, whose time
//   per image is the total over the count, with the time of each phase.
// - The bare pipeline per photo: one reduced-scale decode to at least twice the full-size
//   fit, an area reduction to 800 x 800 and from that to 120 x 120, two encodes, two files.
// - llgal, igal2, lazygal and fgallery over copies of the whole folder, one run each, set
//   to the same two sizes as far as their options allow (time per image: total over count).
//   A generator that is not installed is skipped; bench/gallery_bench.sh installs them.
// Then the whole set, median of REPEATS runs, images only (the pages are ours alone): ours
// with one thread and with one per core; the bare pipeline and vipsthumbnail (both sizes)
// each as one process over the set and as one process per core over slices of it.

#include "barejpeg.h"
#include "benchjobs.h"
#include "benchui.h"
#include "benchutil.h"
#include "wholeset.h"

#include "batch/batchaction.h"
#include "batch/batchcommand.h"
#include "gallery/hgallery.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double elapsed(Clock::time_point since)
{
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// The best of `repeats` runs; ok turns false when a run fails.
double bestOf(int repeats, const std::function<bool()> &job, bool &ok)
{
    bool allOk = true;
    const double best = gbbench::seconds([&](int) { return job(); }, repeats, &allOk);
    ok = ok && allOk;
    return best;
}

// ---- Our gallery ----

gb::HGallery benchGallery(const QString &base)
{
    return gbbench::galleryJob(base);
}

// ---- Peers ----

bool copyPhotos(const QStringList &photos, const QString &folder)
{
    if (!QDir().mkpath(folder))
        return false;
    for (const QString &photo : photos)
        if (!QFile::copy(photo, folder + "/" + QFileInfo(photo).fileName()))
            return false;
    return true;
}

struct Peer
{
    const char *name;
    const char *program;
    // Arguments for a folder of photos and an output folder.
    std::function<QStringList(const QString &photos, const QString &out)> args;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The worker threads are pinned through a registry of the benchmark's own.
    QTemporaryDir home;
    qputenv("GLIMMERBOX_HOME", home.path().toLocal8Bit());
    const gbbench::ResultTable table{52, 6};
    QStringList photos;
    int repeats = 3;
    if (!gbbench::photoArgs(argc, argv, photos, repeats))
        return 2;
    const int n = int(photos.size());
    gbbench::QuietUi quiet;
    gb::setUi(&quiet);
    gb::initializeActions();
    QTemporaryDir out;
    bool ok = true;

    // Per photo: our gallery and the bare pipeline, one thread each.
    gbbench::setOurThreads(1);
    std::vector<double> tGallery, tBare;
    for (int i = 0; i < n; ++i) {
        const QString base = out.filePath(QString("one%1/").arg(i));
        QDir().mkpath(base);
        tGallery.push_back(bestOf(repeats, [&] {
            gb::HGallery g = benchGallery(base);
            return g.generate({photos[i]}, {}).completed();
        }, ok));
        QDir().mkpath(out.filePath("bare"));
        tBare.push_back(bestOf(repeats, [&] { return gbbench::bareGallery(photos[i], out.filePath("bare/full.jpg"), out.filePath("bare/thumb.jpg")); }, ok));
    }

    // The whole folder in one run, phase by phase as the run does them.
    const QString base = out.filePath("all/");
    QDir().mkpath(base);
    gb::HGallery g = benchGallery(base);
    auto t0 = Clock::now();
    ok = g.validate(photos).isEmpty() && ok;
    const double tValidate = elapsed(t0);
    t0 = Clock::now();
    QStringList thumbs, fulls;
    ok = g.makeImages(photos, thumbs, fulls) && ok;
    const double tImages = elapsed(t0);
    t0 = Clock::now();
    g.createHtmlPages(g.createVirtualPages(thumbs, fulls, {}));
    const double tPages = elapsed(t0);
    const double galleryAll = (tValidate + tImages + tPages) / n;

    t0 = Clock::now();
    for (const QString &photo : photos)
        ok = gbbench::bareGallery(photo, out.filePath("bare/full.jpg"), out.filePath("bare/thumb.jpg")) && ok;
    const double bareAll = elapsed(t0) / n;

    const Peer peers[] = {
        {"llgal --tx 120 --ty 120 --sx 800 --sy 800", "llgal",
         [](const QString &photos, const QString &) {
             return QStringList{"-d", photos, "--tx", "120", "--ty", "120", "--sx", "800", "--sy", "800"};
         }},
        {"igal2 --xy 120 --bigy 800 --con \"-quality 80\"", "igal2",
         [](const QString &photos, const QString &) {
             return QStringList{"-d", photos, "--xy", "120", "--bigy", "800", "--con", "-quality 80"};
         }},
        {"lazygal -T 120x120 -s full=800x800 -q 80", "lazygal",
         [](const QString &photos, const QString &target) {
             return QStringList{"--quiet", "-o", target, "-T", "120x120", "-s", "full=800x800", "-q", "80", photos};
         }},
        {"fgallery -s -d -j 1 --max-full 800x800 --max-thumb 120x120", "fgallery",
         [](const QString &photos, const QString &target) {
             return QStringList{"-s", "-d", "-j", "1", "-k", "--max-full", "800x800", "--max-thumb", "120x120",
                                "--min-thumb", "120x120", "--quality", "80", photos, target};
         }},
    };
    std::vector<std::pair<const char *, double>> peerTimes;
    double fastestPeer = 0;
    for (const Peer &peer : peers) {
        const QString program = QStandardPaths::findExecutable(peer.program);
        if (program.isEmpty()) {
            peerTimes.emplace_back(peer.name, 0);
            continue;
        }
        const QString work = out.filePath(QString(peer.program));
        const QString copies = work + "/photos";
        const QString target = work + "/gallery";
        if (!copyPhotos(photos, copies)) {
            ok = false;
            continue;
        }
        t0 = Clock::now();
        const bool ran = gbbench::runProgram(program, peer.args(copies, target));
        const double perImage = elapsed(t0) / n;
        if (!ran)
            std::fprintf(stderr, "%s failed\n", peer.program);
        peerTimes.emplace_back(peer.name, ran ? perImage : 0);
        if (ran && (fastestPeer == 0 || perImage < fastestPeer))
            fastestPeer = perImage;
    }

    const double gallery1 = gbbench::median(tGallery), bare1 = gbbench::median(tBare);
    std::printf("gallery_bench: %d JPEG photos in %s; thumbnails 120x120, full size 800x800, JPEG quality 80\n", n,
                argv[1]);
    std::printf("per photo (best of %d, median over the photos):\n", repeats);
    table.row("bare libjpeg-turbo pipeline (the limit)", bare1, 0, "");
    table.row("our gallery, one photo per run", gallery1, bare1, "bare");
    std::printf("whole folder in one run (time per image):\n");
    table.row("bare libjpeg-turbo pipeline (the limit)", bareAll, 0, "");
    table.row("our gallery", galleryAll, bareAll, "bare");
    table.row("  validation, folders and support images", tValidate / n, 0, "");
    table.row("  thumbnails and full-size images", tImages / n, 0, "");
    table.row("  pages", tPages / n, 0, "");
    for (const auto &[name, perImage] : peerTimes)
        table.row(name, perImage, galleryAll, "ours");
    if (fastestPeer > 0)
        std::printf("  fastest peer / our gallery: %.2f (goal at least 2.00)\n", fastestPeer / galleryAll);
    std::printf("  our gallery / bare pipeline: %.2f per photo, %.2f whole folder (goal at most 1.30)\n",
                gallery1 / bare1, galleryAll / bareAll);

    // The whole set on every core: ours with one worker thread and with one per core; the
    // bare one-decode gallery pipeline and vipsthumbnail (both sizes) each as one process
    // over the set and as one process per core over slices of it. Ours is timed over its
    // two image phases, as the others make images only; clearing the last run's output and
    // the checks before a run are left out of the time.
    const int cores = gbbench::cores();
    const QString bareProgram = gbbench::barePipelineProgram(argv[0]);
    const QString vips = QStandardPaths::findExecutable("vipsthumbnail");
    const QString whole = out.filePath("whole/");
    gb::HGallery run = benchGallery(whole);
    double ours[2] = {0, 0};
    for (int k = 0; k < 2; ++k) {
        gbbench::setOurThreads(k == 0 ? 1 : cores);
        ours[k] = gbbench::medianSeconds(repeats, [&] {
            QStringList thumbs, fulls;
            return run.makeImages(photos, thumbs, fulls);
        }, &ok, [&] {
            QDir(whole).removeRecursively();
            QDir().mkpath(whole);
            ok = run.validate(photos).isEmpty() && ok;
        }) / n;
    }
    gbbench::setOurThreads(0);
    const double peak = gbbench::peakMegabytes();
    const QString bareDir = out.filePath("bare-whole"), vipsDir = out.filePath("vips-whole");
    QDir().mkpath(bareDir);
    QDir().mkpath(vipsDir);
    const auto sliced = [&](const QString &program, const QProcessEnvironment &env, int slices,
                            const gbbench::SliceCommands &args) {
        return gbbench::slicedPerFile(program, env, photos, slices, args, repeats, &ok);
    };
    const gbbench::SliceCommands bareArgs = [&](const QStringList &slice) {
        return std::vector<QStringList>{QStringList{"gallery", bareDir} + slice};
    };
    const gbbench::SliceCommands vipsArgs = [&](const QStringList &slice) {
        return std::vector<QStringList>{QStringList{"-s", "800", "-o", vipsDir + "/%s_full.jpg[Q=80]"} + slice,
                                        QStringList{"-s", "120", "-o", vipsDir + "/%s_thumb.jpg[Q=80]"} + slice};
    };
    const QProcessEnvironment vipsOne = gbbench::withVariable("VIPS_CONCURRENCY", "1");
    const double bareOne = sliced(bareProgram, {}, 1, bareArgs), bareN = sliced(bareProgram, {}, cores, bareArgs);
    const double vipsOneP = sliced(vips, vipsOne, 1, vipsArgs), vipsN = sliced(vips, vipsOne, cores, vipsArgs);
    std::printf("whole set, images only, median of %d runs, time per image (%d cores):\n", repeats, cores);
    gbbench::wholeRow("our gallery, 1 thread", ours[0], {{"bare 1 process", bareOne}});
    gbbench::wholeRow("our gallery, all cores", ours[1],
                      {{"bare per core", bareN}, {"vips per core", vipsN}, {"its 1 thread", ours[0]}});
    gbbench::wholeRow("bare one-decode pipeline, 1 process", bareOne, {});
    gbbench::wholeRow("bare one-decode pipeline, 1 process per core", bareN, {});
    gbbench::wholeRow("vipsthumbnail -s 800 and -s 120, VIPS_CONCURRENCY=1", vipsOneP, {{"ours 1 thread", ours[0]}});
    gbbench::wholeRow("vipsthumbnail both sizes, 1 process per core", vipsN, {{"ours all cores", ours[1]}});
    std::printf("  peak memory of this process: %.0f MB (goal under 300 MB)\n", peak);
    if (bareOne > 0)
        std::printf("  1 thread: ours / bare %.2f (goal at most 1.10)\n", ours[0] / bareOne);
    if (bareN > 0)
        std::printf("  all cores: ours / bare per core %.2f (goal at most 1.30)", ours[1] / bareN);
    if (vipsN > 0)
        std::printf(", ours / vipsthumbnail per core %.2f (goal at most 0.50)", ours[1] / vipsN);
    std::printf("\n");

    if (!ok || quiet.failures > 0) {
        std::printf("some runs failed (%d failures reported)\n", quiet.failures);
        return 1;
    }
    return 0;
}
