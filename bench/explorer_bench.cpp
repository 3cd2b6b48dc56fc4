// Times the image explorer's first page of thumbnails on a folder of large photos, against
// the thumbnail work alone for the same visible files, and measures the explorer's peak memory.
//
//   explorer_bench [PHOTO_FOLDER] [COUNT]
//
// Makes COUNT (default 500) JPEG files of about 24 megapixels in a temporary folder: each
// photo of PHOTO_FOLDER (*.jpg) is fitted to 6000 x 4000 (or 4000 x 6000) and saved once at
// quality 90, and the COUNT names are hard links over those files; without photos, generated
// pictures serve. Then, each in a fresh process of its own, so that peak memory is the
// explorer's alone:
//   (grid)  a 1024 x 768 explorer on the offscreen platform lists the folder; the time runs
//           until the first page of thumbnails is painted; once with one worker thread and
//           once with one per core, each with the longest time its event loop was blocked;
//   (alone) createFittedRgbFromFile() into the same 100 x 100 box for the files of that page.
// Each is the best of three runs with the files in the page cache. Goals: grid on one thread
// at most 1.20 times alone, on every core at most 0.30 times one thread with the event loop
// never blocked over 50 ms, and peak memory below 300 MB.
#include "benchpictures.h"
#include "benchutil.h"
#include "wholeset.h"

#include "explorer/fileexplorer.h"
#include "image/imageload.h"
#include "image/imagesave.h"
#include "image/imagethumbswin.h"
#include "image/thumbnail.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <unistd.h>

#include <cstdio>

namespace {


// The 24-megapixel sources, from the photos or generated.
QStringList makeSources(const QString &photos, const QString &out)
{
    QStringList sources;
    QStringList inputs;
    if (!photos.isEmpty())
        for (const QString &n : QDir(photos).entryList({"*.jpg", "*.JPG", "*.jpeg"}, QDir::Files, QDir::Name))
            inputs << QDir(photos).filePath(n);
    const int count = inputs.isEmpty() ? 8 : int(inputs.size());
    for (int i = 0; i < count; ++i) {
        const gb::RgbImage img = inputs.isEmpty() ? gbbench::generated(6000, 4000, i) : gbbench::photoAt24Mp(inputs[i]);
        if (img.isNull())
            continue;
        const QString path = out + QString("/src%1.jpg").arg(i, 3, 10, QChar('0'));
        if (gb::saveRgb2File(img, path, 3, 90, false, 0, 0))
            sources << path;
        std::fprintf(stderr, "\rmaking sources %d/%d", i + 1, count);
    }
    std::fprintf(stderr, "\n");
    return sources;
}

// One measured run in this process with that many worker threads; prints "seconds peakMB
// visibleCount longestGapMs", the last the longest time the event loop went without serving
// a timer during the fills.
int runGrid(const QString &folder, int threads)
{
    gbbench::setOurThreads(threads);
    double best = 1e30;
    int visible = 0;
    qint64 longestGap = 0;
    QElapsedTimer sinceTick;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, sinceTick.restart());
    });
    for (int r = 0; r < 3; ++r) {
        gb::FileExplorer explorer(nullptr);
        explorer.setAttribute(Qt::WA_DeleteOnClose, false);
        explorer.resize(1024, 768);
        explorer.show();
        QCoreApplication::processEvents();
        QElapsedTimer t;
        t.start();
        sinceTick.start();
        ticker.start(1);
        explorer.newPathSelected(folder + "/");
        // The pass repaints each cell as it fills; let the last paints through.
        QCoreApplication::processEvents();
        ticker.stop();
        longestGap = std::max(longestGap, sinceTick.elapsed());
        best = std::min(best, t.nsecsElapsed() / 1e9);
        visible = explorer.oThumbs()->cellCount();
    }
    std::printf("%.4f %.1f %d %lld\n", best, gbbench::peakMegabytes(), visible, (long long)longestGap);
    return 0;
}

int runAlone(const QString &folder, int visible)
{
    const QStringList names = QDir(folder).entryList({"*.jpg"}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    gbbench::setOurThreads(1);
    double best = 1e30;
    for (int r = 0; r < 3; ++r) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < visible && i < names.size(); ++i) {
            int w = 0, h = 0;
            QString error;
            gb::RgbImage thumb = gb::createFittedRgbFromFile(folder + "/" + names[i], 100, 100, w, h, error);
            if (thumb.isNull())
                return 1;
        }
        best = std::min(best, t.nsecsElapsed() / 1e9);
    }
    std::printf("%.4f %.1f %d\n", best, gbbench::peakMegabytes(), visible);
    return 0;
}

QStringList child(const QStringList &args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QCoreApplication::applicationFilePath(), args);
    p.waitForFinished(-1);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed().split(' ');
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 4 && args[1] == "--grid")
        return runGrid(args[2], args[3].toInt());
    if (args.size() >= 4 && args[1] == "--alone")
        return runAlone(args[2], args[3].toInt());

    const QString photos = args.size() > 1 ? args[1] : QString();
    const int count = args.size() > 2 ? args[2].toInt() : 500;
    QTemporaryDir work;
    const QStringList sources = makeSources(photos, work.path());
    if (sources.isEmpty()) {
        std::fprintf(stderr, "no source pictures\n");
        return 1;
    }
    const QString folder = work.path() + "/photos";
    QDir().mkpath(folder);
    for (int i = 0; i < count; ++i) {
        const QByteArray from = QFile::encodeName(sources[i % sources.size()]);
        const QByteArray to = QFile::encodeName(folder + QString("/photo%1.jpg").arg(i, 4, 10, QChar('0')));
        if (::link(from.constData(), to.constData()) != 0)
            QFile::copy(sources[i % sources.size()], folder + QString("/photo%1.jpg").arg(i, 4, 10, QChar('0')));
    }
    qint64 bytes = 0;
    for (const QString &s : sources)
        bytes += QFileInfo(s).size();

    // The worker threads are pinned through a registry of the benchmark's own.
    QTemporaryDir home;
    qputenv("GLIMMERBOX_HOME", home.path().toLocal8Bit());
    const int cores = gbbench::cores();
    const QStringList grid = child({"--grid", folder, QString::number(cores)});
    const QStringList one = child({"--grid", folder, "1"});
    const QStringList alone = child({"--alone", folder, grid.value(2)});
    if (grid.size() < 4 || one.size() < 4 || alone.size() < 3) {
        std::fprintf(stderr, "a measuring run failed\n");
        return 1;
    }
    const double g = grid[0].toDouble(), a = alone[0].toDouble();
    const double peakMb = grid[1].toDouble();
    std::printf("explorer_bench: %d files of ~24 MP (%d distinct, %.1f MB each on average), %s visible cells\n",
                count, int(sources.size()), bytes / 1048576.0 / sources.size(), qPrintable(grid[2]));
    const double g1 = one[0].toDouble();
    std::printf("  first page painted, %2d threads %8.3f s, event loop blocked at most %s ms (goal <= 50)\n", cores, g,
                qPrintable(grid[3]));
    std::printf("  first page painted,  1 thread  %8.3f s, event loop blocked at most %s ms\n", g1,
                qPrintable(one[3]));
    std::printf("  all cores / 1 thread   %8.3f   (goal <= 0.30)\n", g1 > 0 ? g / g1 : 0.0);
    std::printf("  thumbnails alone, 1 thread %8.3f s\n", a);
    std::printf("  grid 1 thread / alone  %8.3f   (goal <= 1.20)\n", a > 0 ? g1 / a : 0.0);
    std::printf("  explorer peak memory   %8.1f MB (goal < 300)\n", peakMb);
    std::printf("  thumbnails-alone peak  %8.1f MB\n", alone[1].toDouble());
    return 0;
}
