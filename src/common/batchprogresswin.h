#pragma once

#include "common/batchprogress.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace gb {

// The modeless window of a run over many image files: progress bar, current file and
// step, "File n of m", the memory in use, a small preview and a sorted log, with one
// button that aborts the run and, once the run is over, closes the window.
//
// Runs do not make it themselves: they ask the UI seam (ui().batchProgress()), whose
// program implementation calls createBatchProgressWin(). The window deletes itself when it
// is ended (Abort, Close, or the run's endDialog); the run's handle then does nothing.
// It tells the run of an abort only through glAbortBatch.
class BatchProgressWin : public QDialog
{
    Q_OBJECT
public:
    explicit BatchProgressWin(QWidget *owner = nullptr);
    ~BatchProgressWin() override;

    QProgressBar *pb() const { return mPb; }
    QPushButton *theButton() const { return mButton; }
    QListWidget *log() const;
    QLabel *fileNo() const { return mFileNo; }
    QLabel *currentFile() const { return mCurrentFile; }
    QLabel *currentActionLabel() const { return mCurrentAction; }
    QLabel *memoryUsed() const { return mMemory; }
    // The preview pane's current image (null when it shows none).
    const RgbImage &previewImage() const { return mPreview; }
    bool idle() const { return mIdle; }

    void setIdle(bool idle) { mIdle = idle; }
    void showControls();
    // "File n of m"; the memory in use is read again once a quarter of a second has passed.
    void noOfFiles(int current, int total);
    void setFile(const QString &text);
    void setCurrentAction(const QString &text);
    QSize previewBox() const;
    void showPreview(RgbImage image);
    void updateLog(const QString &text);

    // The button: idle, ends the window; running, asks "Abort procedure ?" and on Yes sets
    // glAbortBatch and ends the window; on No nothing changes.
    void pbAbort();

    void done(int result) override;
    // Escape acts as the button does, so a run is never dropped without the question.
    void reject() override;

private:
    class PreviewPane;
    class LogList;

    QProgressBar *mPb;
    QLabel *mCurrentFile;
    QLabel *mCurrentAction;
    QLabel *mFileNo;
    QLabel *mMemory;
    PreviewPane *mPreviewPane;
    QPushButton *mButton;
    LogList *mLog;
    QLabel *mFileLabel;
    QLabel *mActionLabel;
    QLabel *mMemoryLabel;
    RgbImage mPreview;
    QElapsedTimer mMemoryRead;
    static constexpr int kMemoryReadMs = 250;
    bool mIdle = false;
};

// The program's progress window for a run, as a handle that outlives the window.
std::unique_ptr<BatchProgress> createBatchProgressWin(QWidget *owner);
// As above, also telling which window the handle drives (tests click its button).
std::unique_ptr<BatchProgress> createBatchProgressWin(QWidget *owner, QPointer<BatchProgressWin> *window);

} // namespace gb
