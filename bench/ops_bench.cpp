// Times the image layer's pixel operations on a 24-megapixel photo against vips.
//
//   ops_bench [photo] [runs]    (runs: a number, 5 when not given)
//
// Without a photo it makes a 6000 x 4000 image of smooth gradients and grain. Each of our
// operations runs `runs` times on one thread and on every hardware thread; each vips
// command runs `runs` times with VIPS_CONCURRENCY=1 on the same pixels, read from and
// written to a .v file in /dev/shm. The medians are printed with the ratio ours / vips.
// A vips command also pays for starting the program and reading (and writing) the .v
// file: the lines "vips avg" (start and read) and "vips copy" (start, read and a full
// write) measure that, and the "net" ratio takes it off (avg for small results, copy for
// full-size ones). Besides wall time the bench takes processor time (ours on the one
// thread, vips's as its children's user + system time), which a busy machine disturbs far
// less; the "cpu ratio" compares those, net of the same baselines.

#include "image/imageload.h"
#include "image/imagesave.h"
#include "platform/imagelib/blur.h"
#include "platform/imagelib/convolution.h"
#include "platform/imagelib/decimate.h"
#include "platform/imagelib/mediancut.h"
#include "platform/imagelib/parallel.h"
#include "platform/imagelib/resize.h"
#include "platform/imagelib/rotate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <sys/resource.h>
#include <time.h>
#include <thread>
#include <vector>

using namespace gb;

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

double timeMs(const std::function<void()> &f)
{
    const auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

double medianMs(int runs, const std::function<void()> &f)
{
    std::vector<double> t;
    for (int i = 0; i < runs; ++i)
        t.push_back(timeMs(f));
    return median(t);
}

// Processor time of the calling thread.
double threadCpuMs(const std::function<void()> &f)
{
    timespec a{}, b{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &a);
    f();
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &b);
    return (b.tv_sec - a.tv_sec) * 1e3 + (b.tv_nsec - a.tv_nsec) / 1e6;
}

// Processor time (user + system) of the child processes that f waits for.
double childCpuMs(const std::function<void()> &f)
{
    const auto total = [] {
        rusage u{};
        getrusage(RUSAGE_CHILDREN, &u);
        return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
    };
    const double before = total();
    f();
    return total() - before;
}

struct Timing {
    double wall = -1, cpu = -1;
};

// A photo-like test image: smooth colour gradients with grain.
RgbImage synthetic(int w, int h)
{
    RgbImage img = RgbImage::create(w, h);
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> grain(-12, 12);
    for (int y = 0; y < h; ++y) {
        uint8_t *p = img.row(y);
        for (int x = 0; x < w; ++x, p += 3) {
            p[0] = uint8_t(std::clamp(int(127 + 120 * std::sin(x * 0.002)) + grain(rng), 0, 255));
            p[1] = uint8_t(std::clamp(int(127 + 120 * std::cos(y * 0.003)) + grain(rng), 0, 255));
            p[2] = uint8_t(std::clamp((x + y) * 255 / (w + h) + grain(rng), 0, 255));
        }
    }
    return img;
}

Timing vipsTiming(int runs, const QString &args)
{
    const QByteArray cmd = ("VIPS_CONCURRENCY=1 vips " + args + " >/dev/null 2>&1").toLocal8Bit();
    if (std::system(cmd.constData()) != 0)
        return Timing();
    std::vector<double> wall, cpu;
    for (int i = 0; i < runs; ++i)
        cpu.push_back(childCpuMs([&] { wall.push_back(timeMs([&] { (void)std::system(cmd.constData()); })); }));
    return Timing{median(wall), median(cpu)};
}

struct Row {
    const char *name;
    double one = 0, oneCpu = 0, all = 0;
    Timing vips, baseline;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QString photo;
    int runs = 5;
    for (int i = 1; i < argc; ++i) {
        bool number = false;
        const int n = QByteArray(argv[i]).toInt(&number);
        if (number)
            runs = std::max(1, n);
        else
            photo = QString::fromLocal8Bit(argv[i]);
    }

    RgbImage src;
    if (!photo.isEmpty()) {
        int w = 0, h = 0;
        QString error;
        src = createRgbFromFile(photo, w, h, error);
        if (src.isNull()) {
            std::fprintf(stderr, "cannot load %s: %s\n", qPrintable(photo), qPrintable(error));
            return 1;
        }
    } else {
        src = synthetic(6000, 4000);
    }
    const int W = src.width(), H = src.height();
    std::printf("image %d x %d (%.1f MP), %d runs, %u hardware threads\n", W, H, W * double(H) / 1e6, runs,
                std::thread::hardware_concurrency());

    const QString dir = "/dev/shm/gb_ops_bench";
    QDir().mkpath(dir);
    const QString in = dir + "/in.v", out = dir + "/out.v", png = dir + "/in.png";
    bool haveVips = std::system("vips --version >/dev/null 2>&1") == 0;
    if (haveVips) {
        haveVips = saveRgb2File(src, png, 4, 90, false, 0, 0)
            && std::system(("vips copy " + png + " " + in + " >/dev/null 2>&1").toLocal8Bit().constData()) == 0;
    }
    if (!haveVips)
        std::printf("vips not available: only our own times\n");

    // The fit of 640 x 640, as the resize action's best fit computes it.
    const double ratio = std::round(double(W) / H * 1e8) / 1e8;
    int fw = 640, fh = int(std::floor(640 / ratio + 0.5));
    if (fh > 640) {
        fh = 640;
        fw = int(std::floor(640 * ratio + 0.5));
    }
    const double scale = double(fw) / W;

    // A 7 x 7 kernel with no symmetry to exploit.
    std::vector<double> k(49);
    double ksum = 0;
    for (int i = 0; i < 49; ++i)
        ksum += k[size_t(i)] = 1 + (i * 7 + i / 7) % 5;
    QFile mat(dir + "/mask.mat");
    if (mat.open(QIODevice::WriteOnly)) {
        QByteArray text = "7 7 " + QByteArray::number(ksum) + " 0\n";
        for (int r = 0; r < 7; ++r) {
            for (int c = 0; c < 7; ++c)
                text += QByteArray::number(k[size_t(r * 7 + c)]) + ' ';
            text += '\n';
        }
        mat.write(text);
        mat.close();
    }

    RgbImage small = RgbImage::create(fw, fh), full = RgbImage::create(W, H);
    RgbImage turned;
    const Timing vipsRead = haveVips ? vipsTiming(runs, "avg " + in) : Timing();
    const Timing vipsCopy = haveVips ? vipsTiming(runs, "copy " + in + " " + out) : Timing();

    struct Op {
        const char *name;
        std::function<void()> run;
        QString vips;
        bool fullSize;
    };
    const QString S = QString::number(scale, 'f', 8), shrink = QString::number(1.0 / scale, 'f', 8);
    const std::vector<Op> ops = {
        {"resize bilinear to fit 640", [&] { isResizeRgb(src, small); }, "resize " + in + " " + out + " " + S + " --kernel linear", false},
        {"decimate to fit 640", [&] { isDecimateRgb(src, small); }, "shrink " + in + " " + out + " " + shrink + " " + shrink, false},
        {"rotate 90", [&] { turned = isRotateRgb(src, M_PI / 2, 0); }, "rot " + in + " " + out + " d90", true},
        {"rotate 45", [&] { turned = isRotateRgb(src, M_PI / 4, 0); }, "rotate " + in + " " + out + " 45", true},
        {"convolution 7x7", [&] { isApplyConvolutionFilterToRgb(src, full, 7, 7, k.data(), ksum); },
         "conv " + in + " " + out + " " + dir + "/mask.mat", true},
        {"blur level 50 (sigma 5)", [&] { isBlurRgb(src, full, 50); }, "gaussblur " + in + " " + out + " 5", true},
        {"median cut 256", [&] { isMedianCutRgb(src, full); }, QString(), true},
    };
    std::vector<Row> rows;
    for (const Op &op : ops) {
        Row r;
        r.name = op.name;
        setImageOpThreads(1);
        op.run(); // warm the caches and the pages of the destination
        r.one = medianMs(runs, op.run);
        std::vector<double> cpu;
        for (int i = 0; i < runs; ++i)
            cpu.push_back(threadCpuMs(op.run));
        r.oneCpu = median(cpu);
        setImageOpThreads(0);
        r.all = medianMs(runs, op.run);
        if (haveVips && !op.vips.isEmpty()) {
            r.vips = vipsTiming(runs, op.vips);
            r.baseline = op.fullSize ? vipsCopy : vipsRead;
        }
        rows.push_back(r);
    }

    std::printf("\n%-26s %9s %9s %9s %9s %9s %9s %9s %9s\n", "operation (median ms)", "ours 1", "ours all",
                "vips 1", "ratio", "net", "ours cpu", "vips cpu", "cpu net");
    const auto ratioText = [](double ours, double theirs) {
        return theirs > 0 ? QString::number(ours / theirs, 'f', 2) : QStringLiteral("-");
    };
    for (const Row &r : rows) {
        if (r.vips.wall < 0) {
            std::printf("%-26s %9.1f %9.1f %9s %9s %9s %9.1f\n", r.name, r.one, r.all, "-", "-", "-", r.oneCpu);
            continue;
        }
        std::printf("%-26s %9.1f %9.1f %9.1f %9s %9s %9.1f %9.1f %9s\n", r.name, r.one, r.all, r.vips.wall,
                    qPrintable(ratioText(r.one, r.vips.wall)), qPrintable(ratioText(r.one, r.vips.wall - r.baseline.wall)),
                    r.oneCpu, r.vips.cpu, qPrintable(ratioText(r.oneCpu, r.vips.cpu - r.baseline.cpu)));
    }
    if (haveVips)
        std::printf("%-26s %9s %9s %9.1f %9s %9s %9s %9.1f\n%-26s %9s %9s %9.1f %9s %9s %9s %9.1f\n",
                    "vips avg (start + read)", "", "", vipsRead.wall, "", "", "", vipsRead.cpu,
                    "vips copy (start + r/w)", "", "", vipsCopy.wall, "", "", "", vipsCopy.cpu);
    std::printf("ratio = ours 1 / vips 1 (wall); net and cpu net take the vips baseline off "
                "(avg for the resizes, copy for the rest)\n");
    QDir(dir).removeRecursively();
    return 0;
}
