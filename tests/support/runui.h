#pragma once

#include "common/batchprogress.h"
#include "support/scriptedui.h"

#include <QStringList>

#include <functional>
#include <memory>

namespace gbtest {

// A scripted user who watches the batch progress windows and presses Abort (confirmed)
// while the run captioned abortCaption works on file abortAtFile (1-based; the run stops
// before the next file) or, with abortAtFile 0, once that run has logged its last file.
// Every caption and log line of every run is kept, in order; lastLogged, when set, is called
// with a run's caption once that run has logged its last file.
class RunUi : public ScriptedUi
{
public:
    QString abortCaption;
    int abortAtFile = -1;
    QStringList captions;
    QStringList log;
    std::function<void(const QString &caption)> lastLogged;

    std::unique_ptr<gb::BatchProgress> batchProgress(QWidget *) override
    {
        struct Progress : gb::SilentBatchProgress {
            RunUi *ui;
            QString caption;
            int files = 0;
            int logged = 0;
            explicit Progress(RunUi *u) : ui(u) {}
            bool aborting() const { return caption == ui->abortCaption; }
            void setCaption(const QString &c) override { caption = c; ui->captions << c; }
            void setRange(int, int maximum) override { files = maximum; }
            void noOfFiles(int current, int) override
            {
                if (aborting() && current == ui->abortAtFile)
                    gb::glAbortBatch = true;
            }
            void updateLog(const QString &text) override
            {
                ui->log << text;
                if (++logged != files)
                    return;
                if (aborting() && ui->abortAtFile == 0)
                    gb::glAbortBatch = true;
                if (ui->lastLogged)
                    ui->lastLogged(caption);
            }
        };
        return std::make_unique<Progress>(this);
    }
};

} // namespace gbtest
