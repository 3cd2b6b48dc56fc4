#include "batch/bejob.h"

namespace gb {

void BeJob::run(const QStringList &files)
{
    mLastOutputs = mBe.batchProcess(files, QStringLiteral("Batch Processing"), false);
}

} // namespace gb
