// The batch run: Be::batchProcess() and Be::testProcess().

#include "batch/applyaction.h"
#include "batch/be.h"
#include "batch/filenaming.h"
#include "batch/sourceloader.h"
#include "common/batchprogress.h"
#include "common/messages.h"
#include "common/uiseam.h"
#include "image/imagesave.h"
#include "image/thumbnail.h"

#include <QCoreApplication>

#include <algorithm>

namespace gb {

namespace {

// A reduced picture of the source in the window's preview pane; a file that does not
// load clears the pane (its previous picture is gone already).
void previewFile(BatchProgress &progress, const QString &path)
{
    const QSize box = progress.previewBox();
    if (box.isEmpty())
        return;
    int width = 0, height = 0;
    QString ignored;
    progress.showPreview(createFittedRgbFromFile(path, box.width(), box.height(), width, height, ignored));
}

} // namespace

QStringList Be::batchProcess(const QStringList &sourceFiles, const QString &caption, bool closeWhenDone)
{
    glAbortBatch = false;
    // The run works on its own copies: the window that started it may change the job, the
    // list or the script while events are served between files.
    const Be job = *this;
    const QStringList sources = sourceFiles;
    const std::vector<BatchCommand> &script = job.mCommands;
    const int n = int(sources.size());

    const QString namingProblem = job.namingProblem();
    if (!namingProblem.isEmpty()) {
        infoMessage(job.mOwner, namingProblem + QStringLiteral(". Nothing was written."));
        glAbortBatch = true;
        return {};
    }
    QStringList names;
    names.reserve(n);
    for (int i = 0; i < n; ++i)
        names << job.findNewName(sources[i], i + 1);
    const QString clash = findOutputClash(sources, names);
    if (!clash.isEmpty()) {
        infoMessage(job.mOwner, clash + QStringLiteral(". Nothing was written."));
        glAbortBatch = true;
        return {};
    }

    std::unique_ptr<BatchProgress> progress = ui().batchProgress(job.mOwner);
    progress->setCaption(caption);
    progress->setIdle(false);
    progress->setRange(1, n);
    progress->setPosition(0);
    progress->show();
    progress->showControls();

    const int quality = std::clamp(job.jpgQuality(), 1, 100);
    int colorCount = 256;
    int failed = 0;
    QStringList result;
    for (int i = 0; i < n; ++i) {
        QCoreApplication::processEvents();
        if (glAbortBatch) {
            progress->endDialog(1);
            return {};
        }
        const QString &source = sources[i];
        progress->noOfFiles(i + 1, n);
        progress->setPosition(progress->position() + 1);
        progress->setFile(source);
        if (job.showThumbs())
            previewFile(*progress, source);

        const QString &name = names[i];
        result << name;
        if (name.isEmpty())
            continue;
        if (!mayOverwrite(job.overwrite(), job.mOwner, name)) {
            progress->updateLog(source + QStringLiteral(" - Final file exist and will not be replaced"));
            continue;
        }

        progress->setCurrentAction(QStringLiteral("Retrieve file ..."));
        bool firstDone = false;
        QString error;
        RgbImage image = loadScriptSource(source, script.empty() ? nullptr : &script.front(), firstDone, error);
        if (image.isNull()) {
            progress->updateLog(source + QStringLiteral(" - ") + error);
            ++failed;
            continue;
        }
        for (size_t k = firstDone ? 1 : 0; k < script.size(); ++k) {
            progress->setCurrentAction(script[k].description());
            ActionResult r = applyAction(image, colorCount, script[k]);
            if (r.newBuffer)
                image = std::move(r.buffer);
        }

        progress->setCurrentAction(QStringLiteral("Saving ..."));
        const bool saved = saveRgb2File(image, name, job.outputFormat(source), quality, job.jpgProg(), 0.0, colorCount);
        progress->updateLog(source + (saved ? QStringLiteral(" - Finished") : QStringLiteral(" - An error occured during saving")));
        if (!saved)
            ++failed;
    }

    progress->setCurrentAction(QStringLiteral("Idle"));
    progress->setFile(QString());
    progress->setButtonCaption(QStringLiteral("Close"));
    // Failures are counted where the user looks at the end of the run.
    if (failed > 0)
        progress->updateLog(QStringLiteral("Not processed: %1 of %2 files").arg(failed).arg(n));
    if (closeWhenDone)
        progress->endDialog(1);
    else
        progress->setIdle(true);
    return result;
}

RgbImage Be::testProcess(RgbImage image) const
{
    int colorCount = 256;
    for (const BatchCommand &command : mCommands) {
        ActionResult r = applyAction(image, colorCount, command);
        if (r.newBuffer)
            image = std::move(r.buffer);
    }
    return image;
}

} // namespace gb
