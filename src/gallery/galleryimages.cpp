#include "gallery/hgallery.h"

#include "batch/be.h"

#include <QFileInfo>

namespace gb {

namespace {

// The outputs of a finished run that are not on disk: each one a failed load or save.
void collectMissing(const QStringList &sources, const QStringList &outputs, const QString &what, QStringList *failures)
{
    if (!failures)
        return;
    for (int i = 0; i < outputs.size() && i < sources.size(); ++i)
        if (outputs[i].isEmpty() || !QFileInfo(outputs[i]).isFile())
            failures->append(QStringLiteral("Fail to create %1 of %2").arg(what, sources[i]));
}

} // namespace

QStringList HGallery::thumbsBatchProcess(const QStringList &sources, QStringList *failures)
{
    const QStringList thumbs =
        thumbsJob().batchProcess(sources, QStringLiteral("Creating and Processing Thumbnails"), true);
    collectMissing(sources, thumbs, QStringLiteral("the thumbnail"), failures);
    return thumbs;
}

QStringList HGallery::finalImagesProcess(const QStringList &sources, QStringList *failures)
{
    const QStringList fulls =
        finalImagesJob().batchProcess(sources, QStringLiteral("Creating and Processing Full Size Images"), true);
    collectMissing(sources, fulls, QStringLiteral("the full size image"), failures);
    return fulls;
}

} // namespace gb
