#include "renamer/renamerjob.h"

#include "common/messages.h"

namespace gb {

void RenamerJob::run(const QStringList &files)
{
    const QStringList oldPaths = files;
    const Renamer script(mRenamer.data());
    mLastOutcome = renameAll(oldPaths, script.rename(oldPaths));
    infoMessage(mOwner, mLastOutcome.message());
}

} // namespace gb
