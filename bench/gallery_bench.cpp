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
// - The gallery, one photo per run (validation, both image phases, every page): best of
//   REPEATS per photo, median over the photos; and once over the whole folder, whose time
//   per image is the total over the count, with the time of each phase.
// - The bare pipeline per photo: one reduced-scale decode to at least twice the full-size
//   fit, an area reduction to 800 x 800 and from that to 120 x 120, two encodes, two files.
// - llgal, igal2, lazygal and fgallery over copies of the whole folder, one run each, set
//   to the same two sizes as far as their options allow (time per image: total over count).
//   A generator that is not installed is skipped; bench/gallery_bench.sh installs them.

#include "benchutil.h"

#include "batch/batchaction.h"
#include "batch/batchcommand.h"
#include "common/batchprogress.h"
#include "common/uiseam.h"
#include "gallery/hgallery.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <jpeglib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Nobody in front of the screen: questions are answered No, boxes and logs count as
// failures when they tell of one, progress windows show nothing.
class BenchUi : public gb::UiSeam
{
public:
    int failures = 0;

    void errorBox(QWidget *, const QString &text) override
    {
        ++failures;
        std::fprintf(stderr, "error: %s\n", qPrintable(text));
    }
    int textBox(QWidget *, const QString &, const QString &, unsigned) override { return ResultNo; }
    QStringList openFileNames(QWidget *, const QString &, const QString &, const QStringList &, int *, bool) override
    {
        return {};
    }
    QString saveFileName(QWidget *, const QString &, const QString &, const QStringList &, int *) override { return {}; }
    QString folderName(QWidget *, const QString &, const QString &) override { return {}; }
    std::optional<uint32_t> colorChoice(QWidget *, uint32_t) override { return std::nullopt; }
    bool openUrl(const QString &) override { return true; }
    // Progress windows show nothing; a log line that is not a success is a failure.
    std::unique_ptr<gb::BatchProgress> batchProgress(QWidget *) override
    {
        class Silent : public gb::BatchProgress
        {
        public:
            explicit Silent(BenchUi *ui) : mUi(ui) {}
            void setCaption(const QString &) override {}
            void setIdle(bool) override {}
            void setRange(int, int) override {}
            void setPosition(int position) override { mPosition = position; }
            int position() const override { return mPosition; }
            void show() override {}
            void showControls() override {}
            void noOfFiles(int, int) override {}
            void setFile(const QString &) override {}
            void setCurrentAction(const QString &) override {}
            QSize previewBox() const override { return {}; }
            void showPreview(gb::RgbImage) override {}
            void updateLog(const QString &text) override
            {
                if (!text.endsWith(QLatin1String(" - Finished"))) {
                    ++mUi->failures;
                    std::fprintf(stderr, "log: %s\n", qPrintable(text));
                }
            }
            void setButtonCaption(const QString &) override {}
            void endDialog(int) override {}

        private:
            BenchUi *mUi;
            int mPosition = 0;
        };
        return std::make_unique<Silent>(this);
    }
    void reportErrors(QWidget *, const QStringList &errors) override
    {
        failures += int(errors.size());
        for (const QString &e : errors)
            std::fprintf(stderr, "error log: %s\n", qPrintable(e));
    }
};

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

// ---- The bare pipeline ----

struct Pixels
{
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;
};

std::pair<int, int> fitted(int w, int h, int box)
{
    const double scale = std::min(1.0, std::min(double(box) / w, double(box) / h));
    return {std::max(1, int(w * scale + 0.5)), std::max(1, int(h * scale + 0.5))};
}

// Decodes at the smallest of libjpeg's scales 1/1 .. 1/8 that still gives at least twice
// the size of the full-size fit.
bool decodeReduced(const QByteArray &bytes, int box, Pixels &out)
{
    jpeg_decompress_struct d;
    jpeg_error_mgr err;
    d.err = jpeg_std_error(&err);
    jpeg_create_decompress(&d);
    jpeg_mem_src(&d, reinterpret_cast<const unsigned char *>(bytes.constData()), (unsigned long)bytes.size());
    if (jpeg_read_header(&d, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&d);
        return false;
    }
    const auto [tw, th] = fitted(int(d.image_width), int(d.image_height), box);
    unsigned denom = 1;
    for (unsigned k : {2u, 4u, 8u})
        if ((d.image_width + k - 1) / k >= unsigned(2 * tw) && (d.image_height + k - 1) / k >= unsigned(2 * th))
            denom = k;
    d.scale_num = 1;
    d.scale_denom = denom;
    d.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d);
    out.width = int(d.output_width);
    out.height = int(d.output_height);
    out.rgb.resize(size_t(out.width) * out.height * 3);
    while (d.output_scanline < d.output_height) {
        JSAMPROW line = out.rgb.data() + size_t(d.output_scanline) * out.width * 3;
        jpeg_read_scanlines(&d, &line, 1);
    }
    jpeg_finish_decompress(&d);
    jpeg_destroy_decompress(&d);
    return true;
}

// Area reduction: each target pixel is the mean of the source pixels whose centres it holds.
Pixels reduce(const Pixels &src, int box)
{
    Pixels dst;
    std::tie(dst.width, dst.height) = fitted(src.width, src.height, box);
    dst.rgb.resize(size_t(dst.width) * dst.height * 3);
    for (int y = 0; y < dst.height; ++y) {
        const int y0 = y * src.height / dst.height, y1 = std::max(y0 + 1, (y + 1) * src.height / dst.height);
        for (int x = 0; x < dst.width; ++x) {
            const int x0 = x * src.width / dst.width, x1 = std::max(x0 + 1, (x + 1) * src.width / dst.width);
            unsigned sum[3] = {0, 0, 0};
            for (int yy = y0; yy < y1; ++yy) {
                const uint8_t *p = src.rgb.data() + (size_t(yy) * src.width + x0) * 3;
                for (int xx = x0; xx < x1; ++xx, p += 3)
                    for (int c = 0; c < 3; ++c)
                        sum[c] += p[c];
            }
            const unsigned n = unsigned((y1 - y0) * (x1 - x0));
            for (int c = 0; c < 3; ++c)
                dst.rgb[(size_t(y) * dst.width + x) * 3 + c] = uint8_t((sum[c] + n / 2) / n);
        }
    }
    return dst;
}

bool encodeTo(const Pixels &image, const QString &path)
{
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char *mem = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &mem, &size);
    c.image_width = JDIMENSION(image.width);
    c.image_height = JDIMENSION(image.height);
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 80, TRUE);
    jpeg_start_compress(&c, TRUE);
    while (c.next_scanline < c.image_height) {
        JSAMPROW line = const_cast<uint8_t *>(image.rgb.data()) + size_t(c.next_scanline) * image.width * 3;
        jpeg_write_scanlines(&c, &line, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    QFile file(path);
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(reinterpret_cast<char *>(mem), qint64(size)) == qint64(size);
    free(mem);
    return ok;
}

bool barePipeline(const QString &photo, const QString &outFolder)
{
    QFile file(photo);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    Pixels decoded;
    if (!decodeReduced(file.readAll(), 800, decoded))
        return false;
    const Pixels full = reduce(decoded, 800);
    const Pixels thumb = reduce(full, 120);
    return encodeTo(full, outFolder + "/full.jpg") && encodeTo(thumb, outFolder + "/thumb.jpg");
}

// ---- Our gallery ----

gb::HGallery benchGallery(const QString &base)
{
    gb::HGallery g;
    g.setBaseFolder(base);
    g.setThWidth(120);
    g.setThHeight(120);
    g.setThImQuality(80);
    g.setThImProgressive(false);
    g.setFsImQuality(80);
    g.setFsImProgressive(false);
    g.setFsCommands({gb::BatchCommand::make(gb::ActionResize, {1, 800, 800, 0}).toValue()});
    g.setOverwrite(1);
    g.setLaunchHtml(false);
    return g;
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

void row(const char *name, double perImage, double reference, const char *against)
{
    if (perImage <= 0)
        std::printf("  %-52s %10s\n", name, "skipped");
    else if (reference > 0)
        std::printf("  %-52s %8.2f ms   %6.2fx %s\n", name, perImage * 1e3, perImage / reference, against);
    else
        std::printf("  %-52s %8.2f ms\n", name, perImage * 1e3);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: gallery_bench FOLDER [REPEATS]\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const int repeats = argc > 2 ? std::max(1, atoi(argv[2])) : 3;
    QStringList photos;
    for (const QString &name : folder.entryList({"*.jpg", "*.JPG", "*.jpeg"}, QDir::Files, QDir::Name))
        photos << folder.filePath(name);
    if (photos.isEmpty()) {
        std::fprintf(stderr, "no JPEG files in %s\n", argv[1]);
        return 2;
    }
    const int n = int(photos.size());
    BenchUi quiet;
    gb::setUi(&quiet);
    gb::initializeActions();
    QTemporaryDir out;
    bool ok = true;

    // Per photo: our gallery and the bare pipeline.
    std::vector<double> tGallery, tBare;
    for (int i = 0; i < n; ++i) {
        const QString base = out.filePath(QString("one%1/").arg(i));
        QDir().mkpath(base);
        tGallery.push_back(bestOf(repeats, [&] {
            gb::HGallery g = benchGallery(base);
            return g.generate({photos[i]}, {}).completed();
        }, ok));
        QDir().mkpath(out.filePath("bare"));
        tBare.push_back(bestOf(repeats, [&] { return barePipeline(photos[i], out.filePath("bare")); }, ok));
    }

    // The whole folder in one run, phase by phase as the run does them.
    const QString base = out.filePath("all/");
    QDir().mkpath(base);
    gb::HGallery g = benchGallery(base);
    auto t0 = Clock::now();
    ok = g.validate(photos).isEmpty() && ok;
    const double tValidate = elapsed(t0);
    t0 = Clock::now();
    const QStringList thumbs = g.thumbsBatchProcess(photos);
    const double tThumbs = elapsed(t0);
    t0 = Clock::now();
    const QStringList fulls = g.finalImagesProcess(photos);
    const double tFulls = elapsed(t0);
    t0 = Clock::now();
    g.createHtmlPages(g.createVirtualPages(thumbs, fulls, {}));
    const double tPages = elapsed(t0);
    const double galleryAll = (tValidate + tThumbs + tFulls + tPages) / n;

    t0 = Clock::now();
    for (const QString &photo : photos)
        ok = barePipeline(photo, out.filePath("bare")) && ok;
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
    row("bare libjpeg-turbo pipeline (the limit)", bare1, 0, "");
    row("our gallery, one photo per run", gallery1, bare1, "bare");
    std::printf("whole folder in one run (time per image):\n");
    row("bare libjpeg-turbo pipeline (the limit)", bareAll, 0, "");
    row("our gallery", galleryAll, bareAll, "bare");
    row("  validation, folders and support images", tValidate / n, 0, "");
    row("  thumbnails", tThumbs / n, 0, "");
    row("  full-size images", tFulls / n, 0, "");
    row("  pages", tPages / n, 0, "");
    for (const auto &[name, perImage] : peerTimes)
        row(name, perImage, galleryAll, "ours");
    if (fastestPeer > 0)
        std::printf("  fastest peer / our gallery: %.2f (goal at least 2.00)\n", fastestPeer / galleryAll);
    std::printf("  our gallery / bare pipeline: %.2f per photo, %.2f whole folder (goal at most 1.30)\n",
                gallery1 / bare1, galleryAll / bareAll);
    if (!ok || quiet.failures > 0) {
        std::printf("some runs failed (%d failures reported)\n", quiet.failures);
        return 1;
    }
    return 0;
}
