#include "gallery/hgallery.h"

#include "batch/be.h"
#include "batch/filenaming.h"
#include "batch/sourceloader.h"
#include "common/batchprogress.h"
#include "common/orderedwork.h"
#include "image/imagefile.h"
#include "image/imageload.h"
#include "image/imagesave.h"
#include "image/imagetypes.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>

namespace gb {

namespace {

const QString kThumbsCaption = QStringLiteral("Creating and Processing Thumbnails");
const QString kFullsCaption = QStringLiteral("Creating and Processing Full Size Images");

// The outputs of a finished run that are not on disk: each one a failed load or save.
void collectMissing(const QStringList &sources, const QStringList &outputs, const QString &what, QStringList *failures)
{
    if (!failures)
        return;
    for (int i = 0; i < outputs.size() && i < sources.size(); ++i)
        if (outputs[i].isEmpty() || !QFileInfo(outputs[i]).isFile())
            failures->append(QStringLiteral("Fail to create %1 of %2").arg(what, sources[i]));
}

const BatchCommand *firstOf(const std::vector<BatchCommand> &script)
{
    return script.empty() ? nullptr : &script.front();
}

// One image of a phase made from the shared decode: its script and its encoding.
void finishOutput(const Be &job, RgbImage image, bool firstDone, const QString &source, const QString &name,
                  Be::Output &out)
{
    if (image.isNull()) {
        out.loadError = getErrorMsg(ImgOutOfMemory);
        return;
    }
    int colorCount = 256;
    job.runScript(image, firstDone ? 1 : 0, colorCount);
    out.encoded = encodeRgb(image, name, job.outputFormat(source), std::clamp(job.jpgQuality(), 1, 100),
                            job.jpgProg(), colorCount, out.bytes);
}

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
    const std::vector<BatchCommand> thumbScript = thumbJob.commands();
    const std::vector<BatchCommand> fullScript = fullJob.commands();
    QStringList fullNames;
    for (int i = 0; i < sources.size(); ++i)
        fullNames << fullJob.findNewName(sources[i], i + 1);

    // Full-size images made in the thumbnail phase wait here, in their own folder so that
    // the full-size phase only renames them into place; an abort before that phase removes
    // the folder with everything in it.
    QTemporaryDir staging(folderPath(fsImSubFolder()) + QStringLiteral(".staging-XXXXXX"));
    if (!staging.isValid())
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
        SharedSource decoded = wantFull ? loadSharedSource(source, {firstOf(thumbScript), firstOf(fullScript)}, error)
                                        : loadSharedSource(source, {firstOf(thumbScript)}, error);
        if (decoded.image.isNull()) {
            out.loadError = full.loadError = error.isEmpty() ? getErrorMsg(ImgOutOfMemory) : error;
            return;
        }
        bool done = false;
        RgbImage thumb = scriptInput(decoded, firstOf(thumbScript), true, done);
        finishOutput(thumbJob, std::move(thumb), done, source, thumbName, out);
        if (!wantFull)
            return;
        RgbImage image = scriptInput(std::move(decoded), firstOf(fullScript), false, done);
        if (image.isNull()) // a reduced decode that could not be resampled
            image = loadScriptSource(source, firstOf(fullScript), done, full.loadError);
        if (image.isNull() && !full.loadError.isEmpty())
            return;
        Be::Output made;
        finishOutput(fullJob, std::move(image), done, source, fullName, made);
        full.loadError = made.loadError;
        if (!made.encoded)
            return;
        const QString path = staging.filePath(QString::number(i));
        QString why;
        full.encoded = writeImageFile(path, made.bytes, why);
        if (full.encoded)
            full.stagedPath = path;
    });
    collectMissing(sources, thumbs, QStringLiteral("the thumbnail"), failures);
    if (glAbortBatch)
        return false;

    fulls = fullJob.batchRun(sources, kFullsCaption, true, 1,
                             [&](int i, const QString &, const QString &, Be::Output &out) {
        out = std::move(staged[size_t(i)]);
        if (out.stagedPath.isEmpty() && out.loadError.isEmpty())
            out.encoded = false; // made nowhere: a failed save
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
