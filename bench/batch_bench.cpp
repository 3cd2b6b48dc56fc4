// Times a batch job against command-line peers and against a bare libjpeg-turbo pipeline
// written here, which is the limit for this job.
//
//   batch_bench FOLDER [REPEATS]
//
// The job: one command, Resize best fit into 640 x 640, written as baseline JPEG of quality
// 80 (Be::batchProcess over one file at a time, so every file has its own time; and once
// over the whole folder, whose time per image is the total over the count). On the same
// files it times `vipsthumbnail -s 640` with VIPS_CONCURRENCY=1 (one process per file),
// `gm mogrify -size 1280x1280 -resize 640x640 -quality 80` over copies of all files in one
// process (time per image: total over count), and the bare pipeline: reduced-scale decode
// to at least twice the target, area reduction, encode, write. Each per-file timing is the
// best of REPEATS runs (default 3); the table gives medians over the files (means for the
// one-process rows, against the bare pipeline's mean) in wall-clock and processor time,
// and the ratios of the job to vipsthumbnail and to the bare pipeline. Missing peers are skipped;
// bench/batch_bench.sh installs them.

#include "benchutil.h"

#include "batch/batchaction.h"
#include "batch/be.h"
#include "common/batchprogress.h"
#include "common/uiseam.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <jpeglib.h>

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

// A UI with nobody in front of it: every question is answered No, the progress of a run
// shows nothing and counts the log lines that are not " - Finished".
class QuietUi : public gb::UiSeam
{
public:
    int failures = 0;

    void errorBox(QWidget *, const QString &) override { ++failures; }
    int textBox(QWidget *, const QString &, const QString &, unsigned) override { return ResultNo; }
    QStringList openFileNames(QWidget *, const QString &, const QString &, const QStringList &, int *, bool) override
    {
        return {};
    }
    QString saveFileName(QWidget *, const QString &, const QString &, const QStringList &, int *) override { return {}; }
    QString folderName(QWidget *, const QString &, const QString &) override { return {}; }
    std::optional<uint32_t> colorChoice(QWidget *, uint32_t) override { return std::nullopt; }
    bool openUrl(const QString &) override { return false; }

    std::unique_ptr<gb::BatchProgress> batchProgress(QWidget *) override
    {
        struct Progress : gb::SilentBatchProgress {
            QuietUi *ui;
            explicit Progress(QuietUi *u) : ui(u) {}
            void updateLog(const QString &text) override
            {
                if (!text.endsWith(QLatin1String(" - Finished")))
                    ++ui->failures;
            }
        };
        return std::make_unique<Progress>(this);
    }
};

// The bare pipeline for one file: libjpeg-turbo's reduced-scale decode to at least twice
// the fitted size, a box average down to the size fitted into 640 x 640, a quality-80
// baseline encode, the file written. Nothing else.
bool barePipeline(const QString &in, const QString &out)
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
    const double fit = std::min(1.0, std::min(640.0 / w, 640.0 / h));
    const int tw = std::max(1, int(w * fit + 0.5)), th = std::max(1, int(h * fit + 0.5));
    int denom = 1;
    for (int k : {2, 4, 8})
        if ((w + k - 1) / k >= 2 * tw && (h + k - 1) / k >= 2 * th)
            denom = k;
    d.scale_num = 1;
    d.scale_denom = unsigned(denom);
    d.out_color_space = JCS_RGB;
    // As the image layer decodes at reduced scales: the area reduction hides plain upsampling.
    if (denom > 1)
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

// Means, the reference of the one-process rows, whose time per image is a mean too.
Time means(const std::vector<Time> &times)
{
    Time sum{0, 0};
    for (const Time &t : times) {
        sum.wall += t.wall;
        sum.cpu += t.cpu;
    }
    const double n = times.empty() ? 1 : double(times.size());
    return Time{sum.wall / n, sum.cpu / n};
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: batch_bench FOLDER [REPEATS]\n");
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
    QuietUi quiet;
    gb::setUi(&quiet);
    gb::initializeActions();

    QTemporaryDir out;
    QDir(out.path()).mkpath("job");
    QDir(out.path()).mkpath("all");
    QDir(out.path()).mkpath("gm");
    gb::Be job;
    job.setFinalFolder(out.filePath("job") + "/");
    job.setFinalFormat(3);
    job.setJpgQuality(80);
    job.setJpgProg(false);
    job.setNaming(1);
    job.setOverwrite(1);
    job.setCommands({gb::BatchCommand::make(gb::ActionResize, {1, 640, 640, 0, true})});

    const QString vips = QStandardPaths::findExecutable("vipsthumbnail");
    const QString gm = QStandardPaths::findExecutable("gm");
    QProcessEnvironment vipsEnv = QProcessEnvironment::systemEnvironment();
    vipsEnv.insert("VIPS_CONCURRENCY", "1");

    std::vector<Time> tJob, tVips, tBare;
    bool allOk = true;
    for (int i = 0; i < files.size(); ++i) {
        const QString &f = files[i];
        bool ok = false;
        tJob.push_back(timed([&] { return job.batchProcess({f}, "Batch Processing", true).size() == 1; }, repeats, &ok));
        allOk &= ok;
        tBare.push_back(timed([&] { return barePipeline(f, out.filePath("bare.jpg")); }, repeats, &ok));
        allOk &= ok;
        if (!vips.isEmpty()) {
            tVips.push_back(timed([&] {
                return runProgram(vips, {f, "-s", "640", "-o", out.filePath("vips.jpg[Q=80]")}, vipsEnv);
            }, repeats, &ok));
            allOk &= ok;
        }
    }

    // The whole folder in one run of the job, and in one gm process.
    job.setFinalFolder(out.filePath("all") + "/");
    bool ok = false;
    const int n = int(files.size());
    Time jobAll = timed([&] { return job.batchProcess(files, "Batch Processing", true).size() == n; }, 1, &ok);
    jobAll = Time{jobAll.wall / n, jobAll.cpu / n};
    allOk &= ok;
    Time gmAll{0, 0};
    if (!gm.isEmpty()) {
        QStringList copies;
        for (int i = 0; i < n; ++i) {
            copies << out.filePath(QString("gm/%1.jpg").arg(i));
            QFile::copy(files[i], copies.last());
        }
        gmAll = timed([&] {
            return runProgram(gm, QStringList{"mogrify", "-size", "1280x1280", "-resize", "640x640", "-quality", "80"} + copies);
        }, 1, &ok);
        gmAll = Time{gmAll.wall / n, gmAll.cpu / n};
        allOk &= ok;
    }

    const Time job1 = medians(tJob), bare = medians(tBare), vipsMed = medians(tVips);
    std::printf("batch_bench: %d JPEG files in %s, best of %d, medians per image\n", n, argv[1], repeats);
    std::printf("Resize best fit 640x640, JPEG quality 80          wall    / bare    processor / bare\n");
    row("bare libjpeg-turbo pipeline (the limit)", bare, bare);
    row("batch job, one file per run", job1, bare);
    const Time bareMean = means(tBare);
    row("bare pipeline (mean)", bareMean, bareMean);
    row("batch job, whole folder in one run (mean)", jobAll, bareMean);
    row("vipsthumbnail -s 640, VIPS_CONCURRENCY=1", vipsMed, bare);
    row("gm mogrify, one process (mean)", gmAll, bareMean);
    if (vipsMed.wall > 0)
        std::printf("  batch job / vipsthumbnail: wall %.2f, processor %.2f (goal at most 1.00)\n",
                    job1.wall / vipsMed.wall, job1.cpu / vipsMed.cpu);
    std::printf("  batch job / bare pipeline: wall %.2f, processor %.2f (goal at most 1.10)\n", job1.wall / bare.wall,
                job1.cpu / bare.cpu);
    if (!allOk || quiet.failures > 0) {
        std::printf("some runs failed (%d job failures)\n", quiet.failures);
        return 1;
    }
    return 0;
}
