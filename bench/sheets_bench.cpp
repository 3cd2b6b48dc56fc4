// Contact sheets of many photos at 100 x 100 cells: the composer's run per photo against the
// bare reduced-scale decode-and-fit pipeline (barejpeg.h) on one core, and the run on every
// core against the run on one.
//
//   sheets_bench FOLDER [COUNT] [REPEATS]
//
// COUNT (500 by default) paths cycle through the JPEG photos of FOLDER. The sheets are
// 1024 x 768 JPEG files of 100 x 100 cells without information lines. The one-core figures
// come from the same program run again pinned to one CPU.

#include "barejpeg.h"
#include "benchjobs.h"
#include "benchui.h"
#include "benchutil.h"

#include "sheets/hcomposite.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QThreadPool>

#include <sched.h>

#include <cstdio>
#include <cstring>

namespace {

QStringList cycled(const QStringList &photos, int count)
{
    QStringList files;
    for (int i = 0; i < count; ++i)
        files << photos[i % photos.size()];
    return files;
}

double sheetRun(const QStringList &files, const QString &out, int repeats, bool &ok)
{
    gb::HComposite job = gbbench::sheetsJob(out);
    ok = ok && job.validate().isEmpty();
    bool runsOk = true;
    const double t = gbbench::seconds([&](int) { return job.createSheet(nullptr, files); }, repeats, &runsOk);
    ok = ok && runsOk;
    return t;
}

// The bare pipeline: each photo decoded at a reduced scale and averaged into the 98 x 98
// room inside a one-pixel frame, one after the other.
double bareRun(const QStringList &files, int repeats, bool &ok)
{
    bool runsOk = true;
    const double t = gbbench::seconds([&](int) {
        for (const QString &f : files) {
            QByteArray bytes;
            gbbench::Pixels decoded;
            std::pair<int, int> fit;
            if (!gbbench::readBytes(f, bytes) || !gbbench::decodeReduced(bytes, 98, gbbench::Upsampling::PlainWhenReduced,
                                                                          decoded, &fit))
                return false;
            if (gbbench::reduce(decoded, fit).rgb.empty())
                return false;
        }
        return true;
    }, repeats, &runsOk);
    ok = ok && runsOk;
    return t;
}

} // namespace

int main(int argc, char **argv)
{
    const bool oneCore = argc > 1 && std::strcmp(argv[argc - 1], "--one-core") == 0;
    if (oneCore) {
        cpu_set_t cpus;
        CPU_ZERO(&cpus);
        CPU_SET(0, &cpus);
        sched_setaffinity(0, sizeof cpus, &cpus);
        --argc;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList photos;
    int repeats = 1;
    if (!gbbench::photoArgs(argc, argv, photos, repeats))
        return 2;
    const int count = argc > 2 ? std::max(1, std::atoi(argv[2])) : 500;
    repeats = argc > 3 ? std::max(1, std::atoi(argv[3])) : 1;
    gbbench::QuietUi ui;
    gb::setUi(&ui);
    const QStringList files = cycled(photos, count);
    QTemporaryDir out;
    bool ok = true;

    if (oneCore) {
        // The child's answer: two numbers, the run and the bare pipeline, seconds per photo.
        const double ours = sheetRun(files, out.path(), repeats, ok) / count;
        const double bare = bareRun(files, repeats, ok) / count;
        std::printf("%.6f %.6f\n", ours, bare);
        return ok ? 0 : 1;
    }

    const double all = sheetRun(files, out.path(), repeats, ok) / count;
    QProcess child;
    child.start(QGuiApplication::applicationFilePath(),
                {argv[1], QString::number(count), QString::number(repeats), "--one-core"});
    child.waitForFinished(-1);
    const QStringList one = QString::fromLatin1(child.readAllStandardOutput()).split(' ', Qt::SkipEmptyParts);
    const double ours1 = one.value(0).toDouble(), bare1 = one.value(1).toDouble();

    std::printf("contact sheets, %d photos of %s at 100 x 100 cells (%d cores)\n", count, argv[1],
                QThreadPool::globalInstance()->maxThreadCount());
    gbbench::ResultTable table{28, 6};
    table.row("bare decode-and-fit, 1 core", bare1, 0, "");
    table.row("composer, 1 core", ours1, bare1, "the bare pipeline");
    table.row("composer, every core", all, bare1, "the bare pipeline");
    if (all > 0)
        std::printf("  every core against one: %.2fx faster\n", ours1 / all);
    if (!ok || ui.failures > 0)
        std::fprintf(stderr, "some runs failed\n");
    return ok && ui.failures == 0 ? 0 : 1;
}
