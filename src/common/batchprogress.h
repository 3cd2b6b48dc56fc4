#pragma once

#include "platform/imagelib/rgbimage.h"

#include <QSize>
#include <QString>

#include <memory>

namespace gb {

// The process-wide abort flag of batch runs: false at start, cleared by a batch run when it
// starts, set only by a confirmed Abort in a progress window (the batch progress window, the
// Abort button of a CollectDataWin, a please-wait window that has one), tested by the run
// before each file and once more after the last, and by the web gallery between its phases
// and while it reads its images' sizes and writes its pages.
extern bool glAbortBatch;

// What a run over many image files shows while it goes on: the progress window
// (BatchProgressWin), or the silent stand-in that the headless UI gives. Get one from
// ui().batchProgress(owner); the run drives it in this order: caption, setIdle(false),
// range and position, show(), showControls(), then per file noOfFiles(), setPosition(),
// setFile(), a preview, setCurrentAction() per step and updateLog() with the result line;
// at the end "Idle", an empty file, the button caption "Close", and either endDialog(1) or
// setIdle(true).
//
// The object stays usable after the user closed the window it stands for (Abort or Close):
// every call on a closed window does nothing, and position() then reads 0. Dropping the
// object never closes a window the run left idle: the user closes that one.
class BatchProgress
{
public:
    virtual ~BatchProgress() = default;

    virtual void setCaption(const QString &caption) = 0;
    // The flag the button reads: idle, a click closes without a question.
    virtual void setIdle(bool idle) = 0;
    // The progress bar.
    virtual void setRange(int minimum, int maximum) = 0;
    virtual void setPosition(int position) = 0;
    virtual int position() const = 0;
    // Shows the window without blocking the caller.
    virtual void show() = 0;
    // Repaints the window's fixed parts at once.
    virtual void showControls() = 0;
    // "File " + current + " of " + total, and the memory in use in kb.
    virtual void noOfFiles(int current, int total) = 0;
    // The current file and the current step, repainted at once.
    virtual void setFile(const QString &text) = 0;
    virtual void setCurrentAction(const QString &text) = 0;
    // The box a preview must fit into (the pane less 2 pixels each way); empty when there
    // is no pane to show it in, so the caller need not load anything.
    virtual QSize previewBox() const = 0;
    // Replaces the preview by the image (already fitted into previewBox()); the window
    // keeps it until the next preview or until it closes. A null image clears the pane.
    virtual void showPreview(RgbImage image) = 0;
    // Adds one line to the log and scrolls so that the last line shows.
    virtual void updateLog(const QString &text) = 0;
    // The caption of the window's one button ("Abort" while running, "Close" at the end).
    virtual void setButtonCaption(const QString &caption) = 0;
    // Ends and removes the window.
    virtual void endDialog(int result) = 0;
};

// A BatchProgress that shows nothing and only keeps the bar's position. Derive from it to
// watch one part of a run (its log lines, its files) and ignore the rest.
class SilentBatchProgress : public BatchProgress
{
public:
    void setCaption(const QString &) override {}
    void setIdle(bool) override {}
    void setRange(int, int) override {}
    void setPosition(int position) override { mPosition = position; }
    int position() const override { return mPosition; }
    void show() override {}
    void showControls() override {}
    void noOfFiles(int, int) override {}
    void setFile(const QString &) override {}
    void setCurrentAction(const QString &) override {}
    QSize previewBox() const override { return {}; }
    void showPreview(RgbImage) override {}
    void updateLog(const QString &) override {}
    void setButtonCaption(const QString &) override {}
    void endDialog(int) override {}

private:
    int mPosition = 0;
};

// The stand-in for runs without a window behind the UI seam: silent, except that log lines
// go to the standard error so that a headless run still tells its failures.
std::unique_ptr<BatchProgress> createHeadlessBatchProgress();

} // namespace gb
