// Decodes every progressive JPEG given both ways, whole and a component per thread, and
// compares the bytes: at full size, fitted into 640 and 800 boxes and covering a 1280 x 1024
// screen. Prints each file's coefficient memory and the decode times (median of 3) of both
// ways at fit 640 (and of the split on one thread, as when every worker is busy), so that the threshold for the split can be chosen by measuring.
//   jpegsplit_bench FILE...
#include "platform/imagelib/jpegcodec.h"
#include "platform/imagelib/jpegsplit.h"
#include "platform/imagelib/parallel.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <limits>
#include <vector>

using namespace gb;

namespace {

bool progressive(const QByteArray &file)
{
    return file.contains(QByteArray("\xFF\xC2", 2));
}

RgbImage decode(const QByteArray &file, bool split, int mode, int &error)
{
    setJpegSplitThreshold(split ? 0 : std::numeric_limits<size_t>::max());
    const ByteSpan span{reinterpret_cast<const uint8_t *>(file.constData()), size_t(file.size())};
    switch (mode) {
    case 0: return readJpeg(span, error);
    case 1: return readJpeg(span, error, 640, 640);
    case 2: return readJpeg(span, error, 800, 800);
    default: return readJpegCovering(span, error, 1280, 1024);
    }
}

double millis(const QByteArray &file, bool split, int threads = 0)
{
    setImageOpThreads(threads);
    std::vector<double> runs;
    for (int i = 0; i < 3; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        int error = 0;
        decode(file, split, 1, error);
        runs.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    setImageOpThreads(0);
    std::sort(runs.begin(), runs.end());
    return runs[1];
}

} // namespace

int main(int argc, char **argv)
{
    startWorkerThreads(imageOpThreads());
    int files = 0, same = 0;
    for (int i = 1; i < argc; ++i) {
        QFile f(QString::fromLocal8Bit(argv[i]));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QByteArray file = f.readAll();
        if (!progressive(file))
            continue;
        ++files;
        bool identical = true;
        for (int mode = 0; mode < 4; ++mode) {
            int e1 = 0, e2 = 0;
            const RgbImage a = decode(file, false, mode, e1), b = decode(file, true, mode, e2);
            identical = identical && e1 == e2 && a.width() == b.width() && a.height() == b.height()
                && (a.isNull() || memcmp(a.data(), b.data(), a.pixelCount() * 3) == 0);
        }
        same += identical;
        std::printf("%-60s %8.1f MB  plain %7.1f ms  split %7.1f ms  split on one thread %7.1f ms  %s\n", argv[i],
                    double(jpegCoefficientMemory(argv[i])) / (1 << 20), millis(file, false), millis(file, true), millis(file, true, 1),
                    identical ? "identical" : "DIFFERENT");
    }
    std::printf("%d of %d progressive files identical\n", same, files);
    return same == files ? 0 : 1;
}
