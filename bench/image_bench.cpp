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

#include <jpeglib.h>

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
    QFile f(in);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = f.readAll();
    jpeg_decompress_struct d;
    jpeg_error_mgr err;
    d.err = jpeg_std_error(&err);
    jpeg_create_decompress(&d);
    jpeg_mem_src(&d, reinterpret_cast<const unsigned char *>(bytes.constData()), bytes.size());
    jpeg_read_header(&d, TRUE);
    const int w = int(d.image_width), h = int(d.image_height);
    const double f80 = std::min(1.0, std::min(80.0 / w, 80.0 / h));
    const int tw = std::max(1, int(w * f80 + 0.5)), th = std::max(1, int(h * f80 + 0.5));
    int denom = 1;
    for (int k : {2, 4, 8})
        if ((w + k - 1) / k >= 2 * tw && (h + k - 1) / k >= 2 * th)
            denom = k;
    d.scale_num = 1;
    d.scale_denom = unsigned(denom);
    d.out_color_space = JCS_RGB;
    d.do_fancy_upsampling = FALSE;
    jpeg_start_decompress(&d);
    const int sw = int(d.output_width), sh = int(d.output_height);
    std::vector<uint8_t> src(size_t(sw) * sh * 3);
    while (d.output_scanline < d.output_height) {
        JSAMPROW row = src.data() + size_t(d.output_scanline) * sw * 3;
        jpeg_read_scanlines(&d, &row, 1);
    }
    jpeg_finish_decompress(&d);
    jpeg_destroy_decompress(&d);

    // Box average: each target pixel the mean of the source pixels whose centres it holds.
    std::vector<uint8_t> dst(size_t(tw) * th * 3);
    for (int y = 0; y < th; ++y) {
        const int y0 = y * sh / th, y1 = std::max(y0 + 1, (y + 1) * sh / th);
        for (int x = 0; x < tw; ++x) {
            const int x0 = x * sw / tw, x1 = std::max(x0 + 1, (x + 1) * sw / tw);
            unsigned sum[3] = {0, 0, 0};
            for (int yy = y0; yy < y1; ++yy) {
                const uint8_t *p = src.data() + (size_t(yy) * sw + x0) * 3;
                for (int xx = x0; xx < x1; ++xx, p += 3) {
                    sum[0] += p[0];
                    sum[1] += p[1];
                    sum[2] += p[2];
                }
            }
            const unsigned n = unsigned((y1 - y0) * (x1 - x0));
            for (int c = 0; c < 3; ++c)
                dst[(size_t(y) * tw + x) * 3 + c] = uint8_t((sum[c] + n / 2) / n);
        }
    }

    jpeg_compress_struct c;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char *mem = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &mem, &size);
    c.image_width = JDIMENSION(tw);
    c.image_height = JDIMENSION(th);
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 80, TRUE);
    jpeg_start_compress(&c, TRUE);
    while (c.next_scanline < c.image_height) {
        JSAMPROW row = dst.data() + size_t(c.next_scanline) * tw * 3;
        jpeg_write_scanlines(&c, &row, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    QFile o(out);
    const bool ok = o.open(QIODevice::WriteOnly) && o.write(reinterpret_cast<char *>(mem), qint64(size)) == qint64(size);
    free(mem);
    return ok;
}

void row(const char *name, double perImage, double reference, const char *against)
{
    if (perImage <= 0) {
        std::printf("  %-34s %10s\n", name, "skipped");
        return;
    }
    if (reference > 0)
        std::printf("  %-34s %8.2f ms   %5.2fx %s\n", name, perImage * 1e3, perImage / reference, against);
    else
        std::printf("  %-34s %8.2f ms\n", name, perImage * 1e3);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: image_bench FOLDER [REPEATS]\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const int repeats = argc > 2 ? std::max(1, atoi(argv[2])) : 3;
    QStringList files;
    for (const QString &name : folder.entryList({"*.jpg", "*.JPG", "*.jpeg"}, QDir::Files, QDir::Name))
        files << folder.filePath(name);
    if (files.isEmpty()) {
        std::fprintf(stderr, "no JPEG files in %s\n", argv[1]);
        return 2;
    }
    QTemporaryDir out;
    const QString djpeg = QStandardPaths::findExecutable("djpeg");
    const QString vips = QStandardPaths::findExecutable("vipsthumbnail");
    const QString gm = QStandardPaths::findExecutable("gm");
    QProcessEnvironment vipsEnv = QProcessEnvironment::systemEnvironment();
    vipsEnv.insert("VIPS_CONCURRENCY", "1");

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
        QDir(out.path()).mkpath("gm");
        QStringList args = {"mogrify", "-size", "160x160", "-thumbnail", "80x80", "-quality", "80"};
        for (int i = 0; i < files.size(); ++i) {
            const QString copy = out.filePath(QString("gm/%1.jpg").arg(i));
            QFile::copy(files[i], copy);
            args << copy;
        }
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
    row("createRgbFromFile", a, dj, "djpeg (goal <= 1.10)");
    row("djpeg (process, PPM to /dev/null)", dj, 0, "");
    std::printf("(b) 80x80 thumbnail, JPEG quality 80\n");
    row("createFittedRgbFromFile + save", b, fastestPeer, "fastest peer (goal <= 1.00)");
    row("  against the bare pipeline", b, bare, "bare (goal <= 1.10)");
    row("bare libjpeg-turbo pipeline", bare, 0, "");
    row("vipsthumbnail -s 80 (1 thread)", vi, 0, "");
    row("gm mogrify (one process, mean)", gmPerImage, 0, "");
    if (!allOk)
        std::printf("some files failed to load or save\n");
    return allOk ? 0 : 1;
}
