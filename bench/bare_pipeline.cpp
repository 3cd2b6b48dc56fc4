// The bare libjpeg-turbo pipelines as a program of their own, so that the benchmarks can
// run them as one process over a whole set or as one process per core over slices of it.
//
//   bare_pipeline fit BOX OUTDIR FILE...     each photo fitted into BOX x BOX
//   bare_pipeline gallery OUTDIR FILE...     each photo decoded once, fitted into 800 x 800
//                                            and from that into 120 x 120, both written
//
// Outputs are named after their inputs; the exit code is 1 when any photo failed.

#include "barejpeg.h"

#include <QFileInfo>

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    using namespace gbbench;
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s fit BOX OUTDIR FILE... | gallery OUTDIR FILE...\n", argv[0]);
        return 2;
    }
    const bool gallery = std::strcmp(argv[1], "gallery") == 0;
    const int box = gallery ? 800 : std::atoi(argv[2]);
    const QString outDir = QString::fromLocal8Bit(argv[gallery ? 2 : 3]);
    int failed = 0;
    for (int i = gallery ? 3 : 4; i < argc; ++i) {
        const QString in = QString::fromLocal8Bit(argv[i]);
        const QString base = outDir + "/" + QFileInfo(in).completeBaseName();
        failed += gallery ? !bareGallery(in, base + "_full.jpg", base + "_thumb.jpg")
                          : !bareFit(in, base + ".jpg", box, Upsampling::PlainWhenReduced);
    }
    return failed ? 1 : 0;
}
