// Times loading and thumbnailing JPEG photos against command-line peers and against a
// bare libjpeg-turbo pipeline written here, which is the limit for the thumbnail path.
//
//   image_bench FOLDER [REPEATS]
//
// For each *.jpg of FOLDER: (a) a full decode with createRgbFromFile(); (b) an 80x80
// thumbnail: createFittedRgbFromFile() into 80x80, then saved as JPEG quality 80. On the same
// files it times `djpeg` (a), `vipsthumbnail -s 80` with VIPS_CONCURRENCY=1 and the bare
// pipeline (b), each per file, and `gm mogrify -size 160x160 -thumbnail 80x80 -quality 80`
// over all files in one process (its time per image is the total over the count). Each
// timing is the best of REPEATS runs (default 3); the table gives medians over the files.
// Peers missing from the system are skipped. bench/image_bench.sh installs them.

#include "barejpeg.h"
#include "benchutil.h"
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
    const QString djpeg = QStandardPaths::findExecutable("djpeg");
    const QString vips = QStandardPaths::findExecutable("vipsthumbnail");
    const QString gm = QStandardPaths::findExecutable("gm");
    const QProcessEnvironment vipsEnv = gbbench::singleThreadVips();

    std::vector<double> full, thumb, tDjpeg, tVips, tBare;
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
        if (!djpeg.isEmpty())
            tDjpeg.push_back(seconds([&](int) { return runProgram(djpeg, {"-outfile", "/dev/null", f}); }, repeats, &ok));
        if (!vips.isEmpty())
            tVips.push_back(seconds([&](int r) {
                return runProgram(vips, {"-s", "80", "-o", base + QString("-vips%1.jpg[Q=80]").arg(r), f}, vipsEnv);
            }, repeats, &ok));
    }
    double gmPerImage = 0;
    if (!gm.isEmpty()) {
        // mogrify rewrites its inputs; it works on copies in a folder of their own.
        const QStringList args = QStringList{"mogrify", "-size", "160x160", "-thumbnail", "80x80", "-quality", "80"}
            + gbbench::numberedCopies(files, out.filePath("gm"));
        bool ok = false;
        // One run only: mogrify replaces its inputs with thumbnails.
        gmPerImage = seconds([&](int) { return runProgram(gm, args); }, 1, &ok) / double(files.size());
    }

    const double a = median(full), b = median(thumb), bare = median(tBare);
    const double dj = median(tDjpeg), vi = median(tVips);
    double fastestPeer = 0;
    for (double p : {vi, gmPerImage})
        if (p > 0 && (fastestPeer == 0 || p < fastestPeer))
            fastestPeer = p;
    std::printf("%d JPEG files, %.1f megapixels on average, best of %d runs, medians per image\n",
                int(files.size()), double(pixels) / files.size() / 1e6, repeats);
    std::printf("(a) full decode\n");
    table.row("createRgbFromFile", a, dj, "djpeg (goal <= 1.10)");
    table.row("djpeg (process, PPM to /dev/null)", dj, 0, "");
    std::printf("(b) 80x80 thumbnail, JPEG quality 80\n");
    table.row("createFittedRgbFromFile + save", b, fastestPeer, "fastest peer (goal <= 1.00)");
    table.row("  against the bare pipeline", b, bare, "bare (goal <= 1.10)");
    table.row("bare libjpeg-turbo pipeline", bare, 0, "");
    table.row("vipsthumbnail -s 80 (1 thread)", vi, 0, "");
    table.row("gm mogrify (one process, mean)", gmPerImage, 0, "");
    if (!allOk)
        std::printf("some files failed to load or save\n");
    return allOk ? 0 : 1;
}
