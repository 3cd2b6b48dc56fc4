#include "batch/bejob.h"

namespace gb {

void BeJob::run(const QStringList &files)
{
    Be copy(mBe.owner(), mBe.aData());
    mLastOutputs = copy.batchProcess(files, QStringLiteral("Batch Processing"), false);
}

} // namespace gb
