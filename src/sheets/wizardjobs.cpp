#include "common/uiseam.h"
#include "sheets/compositejob.h"
#include "sheets/printgalleryjob.h"

namespace gb {

bool CompositeJob::validate()
{
    const QStringList problems = mComposite.validate();
    if (problems.isEmpty())
        return true;
    ui().reportErrors(mComposite.owner(), problems);
    return false;
}

void CompositeJob::run(const QStringList &files)
{
    HComposite copy(mComposite.owner(), mComposite.data());
    copy.createSheet(mComposite.owner(), files);
}

bool PrintGalleryJob::validate()
{
    const QStringList problems = mPrint.validate();
    if (problems.isEmpty())
        return true;
    ui().reportErrors(mOwner, problems);
    return false;
}

void PrintGalleryJob::run(const QStringList &files)
{
    HPrGallery copy(mOwner, mPrint.data());
    copy.doPrint(mOwner, files, mToPrinter);
}

} // namespace gb
