// The batch run: Be::batchProcess() and Be::testProcess().

#include "batch/applyaction.h"
#include "batch/be.h"
#include "batch/filenaming.h"
#include "batch/sourceloader.h"
#include "common/batchprogress.h"
#include "common/eventpacer.h"
#include "common/messages.h"
#include "common/orderedwork.h"
#include "common/safefile.h"
#include "common/uiseam.h"
#include "image/imagefile.h"
#include "image/imageload.h"
#include "image/imagesave.h"
#include "image/thumbnail.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace gb {

QStringList Be::batchProcess(const QStringList &sourceFiles, const QString &caption, bool closeWhenDone)
{
    // The run works on its own copy: the window that started it may change the job while
    // events are served between files.
    const Be job = *this;
    return job.batchRun(sourceFiles, caption, closeWhenDone, workerThreads(),
                        [&job](int, const QString &source, const QString &name, Output &out) {
                            job.makeOutput(source, name, out);
                        });
}

void Be::runScript(RgbImage &image, size_t from, int &colorCount, QStringList *failedSteps) const
{
    for (size_t k = from; k < mCommands.size(); ++k) {
        ActionResult r = applyAction(image, colorCount, mCommands[k]);
        if (r.newBuffer)
            image = std::move(r.buffer);
        if (r.failed && failedSteps)
            failedSteps->append(mCommands[k].description());
    }
}

void Be::makeOutput(const QString &source, const QString &name, Output &out) const
{
    bool firstDone = false;
    RgbImage image = loadScriptSource(source, firstCommand(), firstDone, out.loadError);
    encodeOutput(std::move(image), firstDone, source, name, out);
}

void Be::encodeOutput(RgbImage image, bool firstDone, const QString &source, const QString &name, Output &out) const
{
    if (image.isNull()) {
        if (out.loadError.isEmpty())
            out.loadError = getErrorMsg(ImgOutOfMemory);
        return;
    }
    // Every file starts from 256 colours: only a colour-depth command sets the count, from
    // its own settings, so each file ends with the value a run on one thread would carry.
    int colorCount = 256;
    runScript(image, firstDone ? 1 : 0, colorCount, &out.failedSteps);
    out.encoded = encodeRgb(image, name, outputFormat(source), std::clamp(jpgQuality(), 1, 100), jpgProg(),
                            colorCount, out.bytes);
}

QStringList Be::batchRun(const QStringList &sourceFiles, const QString &caption, bool closeWhenDone, int threads,
                         const MakeOutput &make) const
{
    glAbortBatch = false;
    // The run works on its own copies of the list and the names.
    const QStringList sources = sourceFiles;
    const int n = int(sources.size());

    const QString namingProblem = this->namingProblem();
    if (!namingProblem.isEmpty()) {
        infoMessage(mOwner, namingProblem + QStringLiteral(". Nothing was written."));
        glAbortBatch = true;
        return {};
    }
    // Naming the outputs, comparing them with the sources and sweeping the output folders
    // look at every file on disk: for thousands of files that takes a while, so it is done
    // on a worker while this thread serves events. It reads only the run's own copies.
    QStringList names;
    QString clash;
    runAside([&] {
        names.reserve(n);
        for (int i = 0; i < n; ++i)
            names << findNewName(sources[i], i + 1);
        clash = findOutputClash(sources, names);
        if (!clash.isEmpty())
            return;
        // What killed runs left in the output folders goes before this run adds its own.
        QStringList folders;
        for (const QString &name : names)
            if (!name.isEmpty())
                folders << QFileInfo(name).absolutePath();
        removeDeadLeftovers(folders, Leftover::Write);
    });
    if (!clash.isEmpty()) {
        infoMessage(mOwner, clash + QStringLiteral(". Nothing was written."));
        glAbortBatch = true;
        return {};
    }

    std::unique_ptr<BatchProgress> progress = ui().batchProgress(mOwner);
    progress->setCaption(caption);
    progress->setIdle(false);
    progress->setRange(1, n);
    progress->setPosition(0);
    progress->show();
    progress->showControls();

    const QSize previewBox = showThumbs() ? progress->previewBox() : QSize();
    const int mode = overwrite();

    // Loading, the script and encoding run on the workers; the questions, the writes, the
    // log and the counts stay on this thread, in list order.
    std::vector<Output> made(size_t(std::max(0, n)));
    OrderedWork pool(n, threads, [&](int i) {
        Output &out = made[size_t(i)];
        const QString &source = sources[i];
        if (!previewBox.isEmpty()) {
            int w = 0, h = 0;
            QString ignored;
            out.preview = createFittedRgbFromFile(source, previewBox.width(), previewBox.height(), w, h, ignored);
        }
        const QString &name = names[i];
        if (name.isEmpty())
            return;
        if (mode == OverwriteNever && QFileInfo::exists(name)) {
            out.skipped = true;
            return;
        }
        make(i, source, name, out);
    });
    pool.orderBy([&](int i) { return weightOfFile(sources[i]); });
    pool.costsMemory([&](int i) { return memoryOfFile(sources[i]); });
    pool.holdsBytes([&](int i) {
        const Output &out = made[size_t(i)];
        return size_t(out.bytes.size()) + out.preview.byteCount();
    });

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
        progress->setCurrentAction(QStringLiteral("Retrieve file ..."));
        // An Abort seen while this file is worked on ends the run before the next file, as
        // it would where events are served only between files.
        pool.take(i);
        Output out = std::move(made[size_t(i)]);
        if (!previewBox.isEmpty())
            progress->showPreview(std::move(out.preview));

        const QString &name = names[i];
        result << name;
        if (name.isEmpty())
            continue;
        // Only a file the user let go is replaced; one that appears later is kept.
        const bool found = QFileInfo::exists(name);
        if (out.skipped || !mayOverwrite(mode, mOwner, name)) {
            progress->updateLog(source + QStringLiteral(" - Final file exist and will not be replaced"));
            continue;
        }
        if (!out.loadError.isEmpty()) {
            progress->updateLog(source + QStringLiteral(" - ") + out.loadError);
            ++failed;
            continue;
        }

        progress->setCurrentAction(QStringLiteral("Saving ..."));
        QString why;
        bool saved = false;
        if (!out.stagedPath.isEmpty())
            saved = out.encoded
                    && moveIntoPlace(QFile::encodeName(out.stagedPath), QFile::encodeName(name), found) == 0;
        else
            saved = out.encoded && writeImageFile(name, out.bytes, why);
        // A file saved after one of its steps failed is not what the script asked for: its
        // line names the steps, and it counts as not processed.
        QString outcome = QStringLiteral(" - Finished");
        if (!saved)
            outcome = QStringLiteral(" - An error occured during saving");
        else if (!out.failedSteps.isEmpty())
            outcome = QStringLiteral(" - ") + out.failedSteps.join(QStringLiteral(", "))
                + (out.failedSteps.size() == 1 ? QStringLiteral(" could not be done, the image was saved without it")
                                               : QStringLiteral(" could not be done, the image was saved without them"));
        progress->updateLog(source + outcome);
        if (!saved || !out.failedSteps.isEmpty())
            ++failed;
    }
    // An Abort confirmed while the last file was made or written ends the run as one
    // before it would: the file is whole, and the run reports the abort.
    QCoreApplication::processEvents();
    if (glAbortBatch) {
        progress->endDialog(1);
        return {};
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
    runScript(image, 0, colorCount);
    return image;
}

} // namespace gb
