// The longest time the window could not answer during each run over many files, at two
// sizes of the set.
//
//   gaps_bench FOLDER [COUNT...] [-- KIND...]
//
// For each COUNT (default 600 and 6000) a scratch folder beside FOLDER gets COUNT names,
// hard links over the JPEG files of FOLDER taken in turn, so that every name is a file of
// its own to every run. Then each KIND (default all of batch, gallery, sheets, catalog,
// print, explorer) runs once over the names, in this process, on every core, inside the
// event loop with a 5 ms timer on the window's thread (gbbench::EventGap):
//   batch     Resize best fit 640 x 640, JPEG quality 80
//   gallery   thumbnails 120 x 120 and full-size images 800 x 800, quality 80, with the pages
//   sheets    contact sheets of 100 x 100 cells
//   catalog   the names added to a new catalog
//   print     the thumbnail printout of the names, to a PDF
//   explorer  the explorer opened on the folder, to its first page of thumbnails
// Each row gives the longest gap and when in the run it began, the second and third longest
// apart from it, the most CPU time the window's thread used between two ticks, and the wall
// and CPU seconds of the run. Goal: no gap over 100 ms.

#include "benchjobs.h"
#include "benchui.h"
#include "eventgap.h"
#include "wholeset.h"

#include "catalog/addimages.h"
#include "catalog/openarchive.h"
#include "common/drives.h"
#include "common/orderedwork.h"
#include "common/uiseam.h"
#include "explorer/fileexplorer.h"
#include "image/imagethumbswin.h"
#include "sheets/hprgallery.h"
#include "sheets/pdfprinthost.h"
#include "sheets/printhost.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <unistd.h>

#include <cstdio>

namespace {

struct LabelHost : gb::AddImagesHost
{
    QString askLabel(const QString &) override { return QStringLiteral("BENCH"); }
};

// Runs one kind over the names; finished() is called when the run is over.
bool startRun(const QString &kind, const QString &folder, const QStringList &files, const QString &out,
              const std::function<void()> &finished)
{
    QDir().mkpath(out);
    bool ok = false;
    if (kind == "batch") {
        gb::Be job = gbbench::batchJob(out);
        ok = job.batchProcess(files, "Batch Processing", true).size() == files.size();
    } else if (kind == "gallery") {
        gb::HGallery g = gbbench::galleryJob(out);
        ok = g.generate(files, {}).completed();
    } else if (kind == "sheets") {
        gb::HComposite job = gbbench::sheetsJob(out);
        ok = job.validate().isEmpty() && job.createSheet(nullptr, files);
    } else if (kind == "catalog") {
        gb::setVolumeLabel(gb::driveOfPath(files.value(0)), QStringLiteral("BENCH"));
        auto server = gb::createNewArchive(nullptr, out + "/bench");
        LabelHost host;
        ok = server
             && gb::addGroupOfImages(nullptr, *server, files, false, host, gb::workerThreads()).added
                    == int(files.size());
    } else if (kind == "print") {
        gb::PdfPrintHost host(out + "/print.pdf");
        host.resolution = 300;
        gb::setPrintHost(&host);
        gb::HPrGallery job;
        ok = job.doPrint(nullptr, files, true) && QFileInfo(out + "/print.pdf").size() > 0;
        gb::setPrintHost(nullptr);
    } else if (kind == "explorer") {
        // The explorer's pass ends with its first page of thumbnails made.
        auto *explorer = new gb::FileExplorer(nullptr);
        explorer->setAttribute(Qt::WA_DeleteOnClose, false);
        explorer->resize(1024, 768);
        explorer->show();
        explorer->newPathSelected(folder + "/");
        auto *poll = new QTimer;
        const int total = int(files.size());
        QObject::connect(poll, &QTimer::timeout, [=] {
            const int visible = explorer->oThumbs()->cellCount();
            if (explorer->oThumbs()->thumbnailsMade() >= std::min(visible, total) && visible > 0) {
                poll->stop();
                poll->deleteLater();
                delete explorer;
                finished();
            }
        });
        poll->start(10);
        return true;
    } else {
        std::fprintf(stderr, "unknown kind %s\n", qPrintable(kind));
        return false;
    }
    finished();
    return ok;
}

// COUNT names in a new folder under parent, hard links over the sources in turn.
QString linkedSet(const QString &parent, const QStringList &sources, int count)
{
    const QString dir = parent + QString("/gaps-set-%1-%2").arg(count).arg(getpid());
    QDir().mkpath(dir);
    for (int i = 0; i < count; ++i) {
        const QString name = dir + QString("/p%1.jpg").arg(i, 5, 10, QChar('0'));
        if (::link(QFile::encodeName(sources[i % sources.size()]).constData(), QFile::encodeName(name).constData())
            != 0
            && !QFile::copy(sources[i % sources.size()], name))
            return {};
    }
    return dir;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: gaps_bench FOLDER [COUNT...] [-- KIND...]\n");
        return 2;
    }
    const QString photos = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    std::vector<int> counts;
    QStringList kinds;
    bool kindArgs = false;
    for (int a = 2; a < argc; ++a) {
        const QString arg = QString::fromLocal8Bit(argv[a]);
        if (arg == "--")
            kindArgs = true;
        else if (kindArgs)
            kinds << arg;
        else
            counts.push_back(arg.toInt());
    }
    if (counts.empty())
        counts = {600, 6000};
    if (kinds.isEmpty())
        kinds = QStringList{"batch", "gallery", "sheets", "catalog", "print", "explorer"};

    QStringList sources;
    for (const QString &n : QDir(photos).entryList({"*.jpg", "*.JPG", "*.jpeg"}, QDir::Files, QDir::Name))
        sources << QDir(photos).filePath(n);
    if (sources.isEmpty()) {
        std::fprintf(stderr, "no JPEG files in %s\n", qPrintable(photos));
        return 2;
    }

    gbbench::QuietUi ui;
    gb::setUi(&ui);
    gb::initializeActions();
    gbbench::setOurThreads(0);
    QTemporaryDir scratch(QFileInfo(photos).absolutePath() + "/gaps-XXXXXX");
    std::printf("longest event gaps on %s, %d threads (goal: gap <= 100 ms)\n", qPrintable(QDir(photos).dirName()),
                gb::workerThreads());
    int failed = 0;
    for (const int count : counts) {
        const QString set = linkedSet(scratch.path(), sources, count);
        if (set.isEmpty()) {
            std::fprintf(stderr, "cannot make the set of %d\n", count);
            return 1;
        }
        const QStringList names = QDir(set).entryList({"*.jpg"}, QDir::Files, QDir::Name);
        QStringList files;
        for (const QString &n : names)
            files << set + "/" + n;
        std::printf("%d photos\n", count);
        for (const QString &kind : kinds) {
            const QString out = scratch.path() + "/out-" + kind + "-" + QString::number(count);
            bool ok = false;
            const gbbench::WindowRun run = gbbench::timeWindowRun([&](auto finished) {
                ok = startRun(kind, set, files, out, finished);
            });
            run.print(qPrintable(kind));
            run.printGaps();
            if (!ok) {
                ++failed;
                std::printf("    (the run failed)\n");
            }
            QDir(out).removeRecursively();
        }
        QDir(set).removeRecursively();
    }
    gb::setUi(nullptr);
    return failed ? 1 : 0;
}
