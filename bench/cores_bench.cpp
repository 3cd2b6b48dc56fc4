// Runs over many files on every core, as whole processes, against the bare libjpeg-turbo
// pipeline and the command-line peers run a file a process on every core.
//
//   cores_bench table FOLDER [ROUNDS]     the table (ROUNDS interleaved rounds, default 5)
//   cores_bench timeline KIND FOLDER      when each item of one run on every core was handed
//                                         out, started, finished and taken
//   cores_bench run KIND THREADS OUT FILE...   one run of ours (the table's rows)
//
// KIND is batch (Resize best fit 640 x 640, JPEG quality 80), gallery (thumbnails 120 x 120
// and full-size images 800 x 800, quality 80, with the pages), sheets (contact sheets of
// 100 x 100 cells) or catalog (the photos added to a new catalog). THREADS 0 is one per
// core. The bare pipeline, vipsthumbnail (VIPS_CONCURRENCY=1) and gm run as one process per
// file, `cores` at once (`xargs -P cores -n 1`): balanced, never fixed slices of the set.
// Each round runs every row once, one after the other, so that a passing load touches
// them alike; the table gives the medians over the rounds of wall and processor seconds
// (every thread of every process, children included) and the cores kept busy (CPU / wall),
// and the largest resident size of one process of the row. Peers that are missing are
// skipped; bench/cores_bench.sh installs them.

#include "benchjobs.h"
#include "benchui.h"
#include "benchutil.h"
#include "wholeset.h"

#include "batch/batchaction.h"
#include "batch/batchcommand.h"
#include "batch/be.h"
#include "catalog/addimages.h"
#include "catalog/openarchive.h"
#include "common/drives.h"
#include "common/orderedwork.h"
#include "gallery/hgallery.h"
#include "sheets/hcomposite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

// ---- One run of ours ----

struct LabelHost : gb::AddImagesHost
{
    QString askLabel(const QString &) override { return QStringLiteral("BENCH"); }
};

bool runOurs(const QString &kind, const QString &out, const QStringList &files)
{
    QDir().mkpath(out);
    if (kind == "batch") {
        gb::initializeActions();
        gb::Be job = gbbench::batchJob(out);
        return job.batchProcess(files, "Batch Processing", true).size() == files.size();
    }
    if (kind == "gallery") {
        gb::initializeActions();
        gb::HGallery g = gbbench::galleryJob(out);
        return g.generate(files, {}).completed();
    }
    if (kind == "sheets") {
        gb::HComposite job = gbbench::sheetsJob(out);
        return job.validate().isEmpty() && job.createSheet(nullptr, files);
    }
    if (kind == "catalog") {
        gb::setVolumeLabel(gb::driveOfPath(files.value(0)), QStringLiteral("BENCH"));
        auto server = gb::createNewArchive(nullptr, out + "/bench");
        LabelHost host;
        return server && gb::addGroupOfImages(nullptr, *server, files, false, host, gb::workerThreads()).added
                             == int(files.size());
    }
    std::fprintf(stderr, "unknown kind %s\n", qPrintable(kind));
    return false;
}

// ---- Whole processes ----

struct Usage
{
    double wall = 0;
    double cpu = 0;
    double peakMb = 0; // the largest resident size of one process
    bool ok = false;
};

// Runs argv to its end with its output discarded and the given variables set; its wall
// time, and the processor time and largest resident size over it and every child it waited
// for.
Usage runProcess(const std::vector<std::string> &argv, const std::map<std::string, std::string> &env = {})
{
    Usage u;
    const auto t0 = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        return u;
    if (pid == 0) {
        for (const auto &[name, value] : env)
            setenv(name.c_str(), value.c_str(), 1);
        if (FILE *null = std::fopen("/dev/null", "w")) {
            dup2(fileno(null), 1);
            dup2(fileno(null), 2);
        }
        std::vector<char *> args;
        for (const std::string &a : argv)
            args.push_back(const_cast<char *>(a.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    rusage ru{};
    wait4(pid, &status, 0, &ru);
    u.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    const auto sec = [](const timeval &t) { return double(t.tv_sec) + t.tv_usec * 1e-6; };
    u.cpu = sec(ru.ru_utime) + sec(ru.ru_stime);
    u.peakMb = ru.ru_maxrss / 1024.0;
    u.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return u;
}

std::vector<std::string> strings(const QStringList &list)
{
    std::vector<std::string> out;
    for (const QString &s : list)
        out.push_back(s.toStdString());
    return out;
}

struct Row
{
    std::string name;
    // Empties its output folder and gives the command line of one run.
    std::function<std::vector<std::string>()> command;
    std::map<std::string, std::string> env;
    std::vector<Usage> runs;
};

// xargs over the list file, `cores` processes at once, one file each.
std::vector<std::string> perFile(const QString &list, int cores, const std::vector<std::string> &command)
{
    std::vector<std::string> argv = {"xargs", "-a", list.toStdString(), "-d", "\n", "-P", std::to_string(cores), "-n",
                                     "1"};
    argv.insert(argv.end(), command.begin(), command.end());
    return argv;
}

QString freshDir(const QString &dir)
{
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    return dir;
}

int table(const QString &self, const QStringList &files, const QString &folder, int rounds)
{
    const int cores = gbbench::cores();
    QTemporaryDir work;
    const QString list = work.filePath("files.txt");
    {
        QFile f(list);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        for (const QString &file : files)
            f.write(file.toLocal8Bit() + "\n");
    }
    const QString bare = QFileInfo(self).absolutePath() + "/bare_pipeline";
    const QString vips = QStandardPaths::findExecutable("vipsthumbnail");
    const QString gm = QStandardPaths::findExecutable("gm");
    const std::map<std::string, std::string> oneThread = {{"VIPS_CONCURRENCY", "1"}, {"OMP_NUM_THREADS", "1"}};

    std::vector<Row> rows;
    const auto ours = [&](const QString &kind, int threads) {
        const QString name = QStringLiteral("%1, ours %2").arg(kind, threads == 0 ? "all cores" : "1 thread");
        const QString out = work.filePath(kind + QString::number(threads));
        const QString home = work.filePath("home" + QString::number(threads));
        QDir().mkpath(home);
        rows.push_back({name.toStdString(), [=] {
                            freshDir(out);
                            return strings(QStringList{self, "run", kind, QString::number(threads), out} + files);
                        },
                        {{"GLIMMERBOX_HOME", home.toStdString()}, {"QT_QPA_PLATFORM", "offscreen"}}, {}});
    };
    const auto peer = [&](const std::string &name, const QString &program, const QString &outName,
                          const std::function<std::vector<std::string>(const std::string &out)> &command) {
        if (program.isEmpty())
            return;
        const QString out = work.filePath(outName);
        rows.push_back({name, [=] { return perFile(list, cores, command(freshDir(out).toStdString())); }, oneThread, {}});
    };

    for (const QString &kind : {QStringLiteral("batch"), QStringLiteral("gallery")}) {
        ours(kind, 0);
        ours(kind, 1);
        const bool gallery = kind == "gallery";
        const std::string k = kind.toStdString();
        peer(k + ", bare program a file a process", bare, kind + "-bare", [=](const std::string &out) {
            return gallery ? std::vector<std::string>{bare.toStdString(), "gallery", out}
                           : std::vector<std::string>{bare.toStdString(), "fit", "640", out};
        });
        // Two sizes from one photo: the thumbnail is made from the full-size image.
        peer(k + ", vipsthumbnail a file a process", vips, kind + "-vips", [=](const std::string &out) {
            if (!gallery)
                return std::vector<std::string>{vips.toStdString(), "-s", "640", "-o", out + "/%s.jpg[Q=80]"};
            return std::vector<std::string>{
                "sh", "-c",
                "b=$(basename \"$1\" .jpg); vipsthumbnail -s 800 -o \"$0/%s_full.jpg[Q=80]\" \"$1\" && "
                "vipsthumbnail -s 120 -o \"$0/${b}_thumb.jpg[Q=80]\" \"$0/${b}_full.jpg\"",
                out};
        });
        peer(k + ", gm a file a process", gm, kind + "-gm", [=](const std::string &out) {
            if (!gallery)
                return std::vector<std::string>{gm.toStdString(), "mogrify", "-output-directory", out, "-create-directories", "-size",
                                                "1280x1280", "-resize", "640x640", "-quality", "80"};
            return std::vector<std::string>{
                "sh", "-c",
                "b=$(basename \"$1\" .jpg); gm convert -size 1600x1600 \"$1\" -resize 800x800 -quality 80 "
                "\"$0/${b}_full.jpg\" && gm convert \"$0/${b}_full.jpg\" -resize 120x120 -quality 80 "
                "\"$0/${b}_thumb.jpg\"",
                out};
        });
    }
    for (const QString &kind : {QStringLiteral("sheets"), QStringLiteral("catalog")}) {
        ours(kind, 0);
        ours(kind, 1);
    }

    for (int r = 0; r < rounds; ++r)
        for (Row &row : rows) {
            const std::vector<std::string> argv = row.command();
            row.runs.push_back(runProcess(argv, row.env));
        }

    std::printf("cores_bench: %lld photos of %s, %d cores, median of %d interleaved rounds, whole processes\n",
                qlonglong(files.size()), qPrintable(folder), cores, rounds);
    std::printf("| run | wall s | CPU s | cores busy | peak MB of a process | ok |\n|---|---|---|---|---|---|\n");
    std::map<std::string, Usage> medians;
    for (const Row &row : rows) {
        std::vector<double> wall, cpu, peak;
        bool ok = true;
        for (const Usage &u : row.runs) {
            wall.push_back(u.wall);
            cpu.push_back(u.cpu);
            peak.push_back(u.peakMb);
            ok = ok && u.ok;
        }
        Usage m{gbbench::median(wall), gbbench::median(cpu), *std::max_element(peak.begin(), peak.end()), ok};
        medians[row.name] = m;
        std::printf("| %s | %.2f | %.2f | %.1f | %.0f | %s |\n", row.name.c_str(), m.wall, m.cpu, m.cpu / m.wall,
                    m.peakMb, ok ? "yes" : "FAILED");
    }
    const auto ratio = [&](const std::string &a, const std::string &b, const char *goal) {
        if (medians.count(a) && medians.count(b) && medians[b].wall > 0)
            std::printf("  %s / %s, wall: %.2f (goal %s)\n", a.c_str(), b.c_str(), medians[a].wall / medians[b].wall,
                        goal);
    };
    for (const std::string k : {"batch", "gallery"}) {
        ratio(k + ", ours all cores", k + ", bare program a file a process", "at most 0.6");
        ratio(k + ", ours all cores", k + ", vipsthumbnail a file a process", "at most 0.5");
        ratio(k + ", ours all cores", k + ", gm a file a process", "at most 0.5");
    }
    for (const std::string k : {"batch", "gallery", "sheets", "catalog"})
        ratio(k + ", ours all cores", k + ", ours 1 thread", "at most 1/5.5 = 0.18");
    bool ok = true;
    for (const auto &[name, m] : medians)
        ok = ok && m.ok;
    return ok ? 0 : 1;
}

// One run on every core, in this process, with every item's timeline printed.
int timeline(const QString &kind, const QStringList &files)
{
    QTemporaryDir work;
    std::vector<std::vector<gb::OrderedWorkItem>> runs;
    gb::observeOrderedWork([&](const std::vector<gb::OrderedWorkItem> &items) { runs.push_back(items); });
    const auto t0 = std::chrono::steady_clock::now();
    const bool ok = runOurs(kind, work.filePath("out"), files);
    const double wall = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    gb::observeOrderedWork({});
    for (size_t r = 0; r < runs.size(); ++r) {
        const std::vector<gb::OrderedWorkItem> &items = runs[r];
        if (items.empty())
            continue;
        std::printf("run %zu of %s: %zu items (ms from the pool's start; weight = file MB)\n", r + 1, qPrintable(kind),
                    items.size());
        std::printf("%5s %7s %9s %9s %9s %9s %7s %8s %6s\n", "item", "weight", "handed", "started", "finished", "taken",
                    "making", "waiting", "worker");
        double busy = 0, end = 0;
        int workers = 0;
        for (size_t i = 0; i < items.size(); ++i) {
            const gb::OrderedWorkItem &t = items[i];
            std::printf("%5zu %7.1f %9.1f %9.1f %9.1f %9.1f %7.1f %8.1f %6d\n", i, t.weight / 1048576.0, t.handedOut,
                        t.started, t.finished, t.taken, t.finished - t.started, t.taken - t.finished, t.worker);
            if (t.started >= 0 && t.finished >= 0)
                busy += t.finished - t.started;
            end = std::max(end, t.taken);
            workers = std::max(workers, t.worker);
        }
        if (end > 0 && workers > 0)
            std::printf("  %.0f ms to the last take; items kept %.2f of %d workers busy\n", end, busy / end, workers);
    }
    std::printf("whole run %.0f ms%s\n", wall, ok ? "" : " (FAILED)");
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == "run" && argc > 5) {
        // Sheets and the catalog draw text and thumbnails: the windowing system is offscreen.
        QGuiApplication app(argc, argv);
        gbbench::QuietUi quiet;
        gb::setUi(&quiet);
        gbbench::setOurThreads(std::atoi(argv[3]));
        QStringList files;
        for (int i = 5; i < argc; ++i)
            files << QString::fromLocal8Bit(argv[i]);
        const bool ok = runOurs(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[4]), files);
        return ok && quiet.failures == 0 ? 0 : 1;
    }
    if ((mode == "table" && argc > 2) || (mode == "timeline" && argc > 3)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        QTemporaryDir home;
        qputenv("GLIMMERBOX_HOME", home.path().toLocal8Bit());
        gbbench::QuietUi quiet;
        gb::setUi(&quiet);
        QStringList files;
        int rounds = 5;
        char *photoArgv[] = {argv[0], argv[mode == "table" ? 2 : 3], argc > 3 && mode == "table" ? argv[3] : nullptr};
        if (!gbbench::photoArgs(photoArgv[2] ? 3 : 2, photoArgv, files, rounds))
            return 2;
        if (mode == "table")
            return table(QCoreApplication::applicationFilePath(), files, QString::fromLocal8Bit(argv[2]), rounds);
        gbbench::setOurThreads(0);
        return timeline(QString::fromLocal8Bit(argv[2]), files);
    }
    std::fprintf(stderr,
                 "usage: %s table FOLDER [ROUNDS] | timeline KIND FOLDER | run KIND THREADS OUT FILE...\n"
                 "KIND: batch, gallery, sheets or catalog\n",
                 argv[0]);
    return 2;
}
