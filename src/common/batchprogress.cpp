#include "common/batchprogress.h"

#include <cstdio>

namespace gb {

bool glAbortBatch = false;

namespace {

class HeadlessBatchProgress final : public SilentBatchProgress
{
public:
    void updateLog(const QString &text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
};

} // namespace

std::unique_ptr<BatchProgress> createHeadlessBatchProgress()
{
    return std::make_unique<HeadlessBatchProgress>();
}

} // namespace gb
