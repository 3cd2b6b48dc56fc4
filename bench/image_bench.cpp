// Times loading and thumbnailing JPEG photos against command-line peers and against a
// bare libjpeg-turbo pipeline written here, which is the limit for the thumbnail path.
//
//   image_bench FOLDER [REPEATS]
//
// Everything on one thread. For each *.jpg of FOLDER: (a) a full decode with
// createRgbFromFile() against libjpeg-turbo's full decode in this process (and `djpeg`, a
// process per file, for reference); (b) an 80x80 thumbnail: createFittedRgbFromFile() into
// 80x80, then saved as JPEG quality 80, against the bare pipeline. Each per-file timing is
// the best of REPEATS runs (default 3); the table gives medians over the files. Then the
// thumbnails of the whole set, median of REPEATS runs, time per image: ours in this
// process, `vipsthumbnail -s 80` with VIPS_CONCURRENCY=1 and
// `gm mogrify -size 160x160 -thumbnail 80x80 -quality 80` with OMP_NUM_THREADS=1, each as
// one process over the set. Peers missing from the system are skipped; bench/image_bench.sh
// installs them.

#include "barejpeg.h"
#include "benchutil.h"
#include "wholeset.h"

#include "image/imageload.h"
#include "image/imagesave.h"
#include "image/thumbnail.h"
#include "platform/imagelib/jpegcodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using gbbench::median;
using gbbench::runProgram;
using gbbench::seconds;

// The bare pipeline: libjpeg-turbo's reduced-scale decode to at least twice the box, a box
// average down to the fitted size, a quality-80 encode to the file. Nothing else.
bool bareThumbnail(const QString &in, const QString &out)
{
    return gbbench::bareFit(in, out, 80, gbbench::Upsampling::Plain);
}

// libjpeg-turbo's full-size decode, as djpeg does it, without a process around it.
bool bareDecode(const QString &in)
{
    QByteArray bytes;
    gbbench::Pixels decoded;
    return gbbench::readBytes(in, bytes) && gbbench::decodeReduced(bytes, 1 << 20, gbbench::Upsampling::Fancy, decoded);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const gbbench::ResultTable table{34, 5};
    QStringList files;
    int repeats = 3;
    if (!gbbench::photoArgs(argc, argv, files, repeats))
        return 2;
    QTemporaryDir out;
    gbbench::setOurThreads(1);
    const QString djpeg = QStandardPaths::findExecutable("djpeg");
    const QString vips = QStandardPaths::findExecutable("vipsthumbnail");
    const QString gm = QStandardPaths::findExecutable("gm");

    std::vector<double> full, fullBare, thumb, tDjpeg, tBare;
    bool allOk = true;
    int64_t pixels = 0;
    for (int i = 0; i < files.size(); ++i) {
        const QString &f = files[i];
        const QString base = out.filePath(QString::number(i));
        bool ok = false;
        int w = 0, h = 0;
        QString error;
        full.push_back(seconds([&](int) { return !gb::createRgbFromFile(f, w, h, error).isNull(); }, repeats, &ok));
        allOk &= ok;
        pixels += int64_t(w) * h;
        fullBare.push_back(seconds([&](int) { return bareDecode(f); }, repeats, &ok));
        allOk &= ok;
        // Every run writes a new file, as a batch or a gallery does: replacing a file that
        // was just written makes the file system flush it first, which would time the disk.
        thumb.push_back(seconds([&](int r) {
            gb::RgbImage t = gb::createFittedRgbFromFile(f, 80, 80, w, h, error);
            return !t.isNull()
                && gb::saveRgb2File(t, base + QString("-gb%1.jpg").arg(r), 3, 80, false, 0.0, 256);
        }, repeats, &ok));
        allOk &= ok;
        tBare.push_back(seconds([&](int r) {
            return bareThumbnail(f, base + QString("-bare%1.jpg").arg(r));
        }, repeats, &ok));
        allOk &= ok;
        if (!djpeg.isEmpty())
            tDjpeg.push_back(seconds([&](int) { return runProgram(djpeg, {"-outfile", "/dev/null", f}); }, repeats, &ok));
    }

    // The whole set of thumbnails, ours and each peer's as one process over it.
    const int n = int(files.size());
    const QString oursDir = out.filePath("ours-whole"), vipsDir = out.filePath("vips-whole"),
                  gmDir = out.filePath("gm-whole");
    for (const QString &dir : {oursDir, vipsDir, gmDir})
        QDir().mkpath(dir);
    const double oursWhole = gbbench::medianSeconds(repeats, [&] {
        for (int i = 0; i < n; ++i) {
            int w = 0, h = 0;
            QString error;
            gb::RgbImage t = gb::createFittedRgbFromFile(files[i], 80, 80, w, h, error);
            if (t.isNull() || !gb::saveRgb2File(t, oursDir + QString("/%1.jpg").arg(i), 3, 80, false, 0.0, 256))
                return false;
        }
        return true;
    }, &allOk) / n;
    const double vi = gbbench::slicedPerFile(vips, gbbench::withVariable("VIPS_CONCURRENCY", "1"), files, 1,
        [&](const QStringList &all) {
            return std::vector<QStringList>{QStringList{"-s", "80", "-o", vipsDir + "/%s.jpg[Q=80]"} + all};
        }, repeats, &allOk);
    const double gmPerImage = gbbench::slicedPerFile(gm, gbbench::withVariable("OMP_NUM_THREADS", "1"), files, 1,
        [&](const QStringList &all) {
            return std::vector<QStringList>{QStringList{"mogrify", "-output-directory", gmDir, "-create-directories",
                                                        "-size", "160x160", "-thumbnail", "80x80", "-quality", "80"} + all};
        }, repeats, &allOk);

    const double a = median(full), aBare = median(fullBare), b = median(thumb), bare = median(tBare);
    const double dj = median(tDjpeg);
    double fastestPeer = 0;
    for (double p : {vi, gmPerImage})
        if (p > 0 && (fastestPeer == 0 || p < fastestPeer))
            fastestPeer = p;
    std::printf("%d JPEG files, %.1f megapixels on average, one thread, best of %d runs, medians per image\n",
                n, double(pixels) / n / 1e6, repeats);
    std::printf("(a) full decode\n");
    table.row("createRgbFromFile", a, aBare, "bare decode (goal <= 1.10)");
    table.row("libjpeg-turbo full decode", aBare, 0, "");
    table.row("djpeg (a process per file)", dj, 0, "");
    std::printf("(b) 80x80 thumbnail, JPEG quality 80\n");
    table.row("createFittedRgbFromFile + save", b, bare, "bare (goal <= 1.10)");
    table.row("bare libjpeg-turbo pipeline", bare, 0, "");
    std::printf("whole set of thumbnails, median of %d runs, time per image\n", repeats);
    table.row("ours", oursWhole, fastestPeer, "fastest peer (goal <= 1.00)");
    table.row("vipsthumbnail -s 80, 1 process", vi, 0, "");
    table.row("gm mogrify, 1 process", gmPerImage, 0, "");
    if (!allOk)
        std::printf("some files failed to load or save\n");
    return allOk ? 0 : 1;
}
