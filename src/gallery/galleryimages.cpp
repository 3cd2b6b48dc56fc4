#include "gallery/hgallery.h"

#include "batch/be.h"
#include "batch/filenaming.h"
#include "batch/sourceloader.h"
#include "common/batchprogress.h"
#include "common/eventpacer.h"
#include "common/orderedwork.h"
#include "common/safefile.h"
#include "image/imagefile.h"
#include "image/imageload.h"
#include "image/imagetypes.h"

#include <QFileInfo>

#include <memory>

namespace gb {

namespace {

const QString kThumbsCaption = QStringLiteral("Creating and Processing Thumbnails");
const QString kFullsCaption = QStringLiteral("Creating and Processing Full Size Images");

// The outputs of a finished run that are not on disk: each one a failed load or save.
void collectMissing(const QStringList &sources, const QStringList &outputs, const QString &what, QStringList *failures)
{
    if (!failures)
        return;
    EventPacer pacer;
    for (int i = 0; i < outputs.size() && i < sources.size(); ++i) {
        if (outputs[i].isEmpty() || !QFileInfo(outputs[i]).isFile())
            failures->append(QStringLiteral("Fail to create %1 of %2").arg(what, sources[i]));
        pacer.serve();
    }
}

// Removing a staging folder lists it and removes what is still in it (after an abort, every
// image staged): that goes aside while the window's thread serves events.
struct RemovedAside
{
    void operator()(const StagingFolder *folder) const
    {
        runAside([folder] { delete folder; });
    }
};

} // namespace

QStringList HGallery::thumbsBatchProcess(const QStringList &sources, QStringList *failures)
{
    const QStringList thumbs = thumbsJob().batchProcess(sources, kThumbsCaption, true);
    collectMissing(sources, thumbs, QStringLiteral("the thumbnail"), failures);
    return thumbs;
}

QStringList HGallery::finalImagesProcess(const QStringList &sources, QStringList *failures)
{
    const QStringList fulls = finalImagesJob().batchProcess(sources, kFullsCaption, true);
    collectMissing(sources, fulls, QStringLiteral("the full size image"), failures);
    return fulls;
}

bool HGallery::makeImages(const QStringList &sources, QStringList &thumbs, QStringList &fulls, QStringList *failures)
{
    const Be thumbJob = thumbsJob();
    const Be fullJob = finalImagesJob();
    const BatchCommand *thumbFirst = thumbJob.firstCommand();
    const BatchCommand *fullFirst = fullJob.firstCommand();
    // Full-size images made in the thumbnail phase wait here, in their own folder so that
    // the full-size phase only renames them into place; an abort before that phase removes
    // the folder with what was staged in it, and the next run removes one a kill left behind.
    // Naming every image and sweeping the folder go aside.
    QStringList fullNames;
    const QString fsFolder = folderPath(fsImSubFolder());
    std::unique_ptr<const StagingFolder, RemovedAside> staging;
    runAside([&] {
        fullNames = fullSizeOutputPaths(sources);
        removeDeadLeftovers(fsFolder, Leftover::Staging);
        staging.reset(new StagingFolder(fsFolder));
    });
    if (!staging || !staging->isValid())
        return thumbsAndFullsApart(sources, thumbs, fulls, failures);
    std::vector<Be::Output> staged(size_t(sources.size()));
    const bool keepFulls = fullJob.overwrite() == OverwriteNever;

    // Each source is decoded once, at the scale the larger of its two images needs.
    thumbs = thumbJob.batchRun(sources, kThumbsCaption, true, workerThreads(),
                               [&](int i, const QString &source, const QString &thumbName, Be::Output &out) {
        Be::Output &full = staged[size_t(i)];
        const QString &fullName = fullNames[i];
        const bool wantFull = !fullName.isEmpty() && !(keepFulls && QFileInfo::exists(fullName));
        QString error;
        SharedSource decoded = wantFull ? loadSharedSource(source, {thumbFirst, fullFirst}, error)
                                        : loadSharedSource(source, {thumbFirst}, error);
        if (decoded.image.isNull()) {
            out.loadError = full.loadError = error.isEmpty() ? getErrorMsg(ImgOutOfMemory) : error;
            return;
        }
        bool done = false;
        RgbImage thumb = scriptInput(decoded, thumbFirst, true, done);
        thumbJob.encodeOutput(std::move(thumb), done, source, thumbName, out);
        if (!wantFull)
            return;
        RgbImage image = scriptInput(std::move(decoded), fullFirst, false, done);
        if (image.isNull()) // a reduced decode that could not be resampled
            image = loadScriptSource(source, fullFirst, done, full.loadError);
        if (image.isNull() && !full.loadError.isEmpty())
            return;
        Be::Output made;
        fullJob.encodeOutput(std::move(image), done, source, fullName, made);
        full.loadError = made.loadError;
        full.failedSteps = made.failedSteps;
        if (!made.encoded)
            return;
        const QString path = staging->filePath(i);
        QString why;
        full.encoded = writeImageFile(path, made.bytes, why);
        if (full.encoded)
            full.stagedPath = path;
    });
    collectMissing(sources, thumbs, QStringLiteral("the thumbnail"), failures);
    if (glAbortBatch)
        return false;

    fulls = fullJob.batchRun(sources, kFullsCaption, true, 1,
                             [&](int i, const QString &source, const QString &name, Be::Output &out) {
        out = std::move(staged[size_t(i)]);
        // Nothing staged and no reason known: the thumbnail phase passed this source by (its
        // thumbnail kept, or never named) or could not stage it. It is made here.
        if (out.stagedPath.isEmpty() && out.loadError.isEmpty())
            fullJob.makeOutput(source, name, out);
    });
    collectMissing(sources, fulls, QStringLiteral("the full size image"), failures);
    return !glAbortBatch;
}

bool HGallery::thumbsAndFullsApart(const QStringList &sources, QStringList &thumbs, QStringList &fulls,
                                   QStringList *failures)
{
    thumbs = thumbsBatchProcess(sources, failures);
    if (glAbortBatch)
        return false;
    fulls = finalImagesProcess(sources, failures);
    return !glAbortBatch;
}

} // namespace gb
