// The batch progress window driven the way a run drives it, through its handle.

#include "common/batchprogresswin.h"

#include "support/scriptedui.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>

#include <gtest/gtest.h>

using gb::BatchProgressWin;

namespace {

struct Progress {
    QPointer<BatchProgressWin> win;
    std::unique_ptr<gb::BatchProgress> handle = gb::createBatchProgressWin(nullptr, &win);
};

QStringList logLines(const BatchProgressWin &win)
{
    QStringList lines;
    for (int i = 0; i < win.log()->count(); ++i)
        lines << win.log()->item(i)->text();
    return lines;
}

} // namespace

TEST(BatchProgressWin, ShowsCounterMemoryFileAndAction)
{
    Progress p;
    EXPECT_EQ(p.win->windowTitle(), "Batch Editing in Progress ...");
    EXPECT_EQ(p.win->fileNo()->text(), "x");
    EXPECT_EQ(p.win->theButton()->text(), "Abort");
    p.handle->setCaption("Batch Processing");
    p.handle->show();
    p.handle->noOfFiles(1, 1);
    EXPECT_EQ(p.win->fileNo()->text(), "File 1 of 1");
    p.handle->noOfFiles(3, 12);
    EXPECT_EQ(p.win->fileNo()->text(), "File 3 of 12");
    EXPECT_TRUE(p.win->memoryUsed()->text().endsWith(" kb"));
    bool numeric = false;
    p.win->memoryUsed()->text().chopped(3).toLongLong(&numeric);
    EXPECT_TRUE(numeric);
    p.handle->setFile("/pics/a.jpg");
    p.handle->setCurrentAction("Saving ...");
    EXPECT_EQ(p.win->windowTitle(), "Batch Processing");
    EXPECT_EQ(p.win->currentFile()->text(), "/pics/a.jpg");
    EXPECT_EQ(p.win->currentActionLabel()->text(), "Saving ...");
    p.handle->endDialog(1);
}

TEST(BatchProgressWin, LogIsSortedIgnoringCaseAndScrolledToTheEnd)
{
    Progress p;
    p.handle->show();
    p.handle->updateLog("/p/b.jpg - Finished");
    p.handle->updateLog("/p/a.jpg - Finished");
    p.handle->updateLog("/p/B.jpg - Finished");
    p.handle->updateLog("/p/C.jpg - Finished");
    EXPECT_EQ(logLines(*p.win),
              QStringList({"/p/a.jpg - Finished", "/p/b.jpg - Finished", "/p/B.jpg - Finished",
                           "/p/C.jpg - Finished"}));
    for (int i = 0; i < 40; ++i)
        p.handle->updateLog(QString("/p/z%1.jpg").arg(i, 2, 10, QChar('0')));
    QApplication::processEvents();
    QListWidget *log = p.win->log();
    EXPECT_EQ(log->indexAt(QPoint(2, log->viewport()->height() - 2)).row(), log->count() - 1);
    p.handle->endDialog(1);
}

// Every line of the log is laid out as wide as the widest: a long line that is not the
// last one can still be scrolled to its end.
TEST(BatchProgressWin, LogScrollsToTheEndOfItsLongestLine)
{
    Progress p;
    p.handle->show();
    const QString longLine = "/p/" + QString(300, 'a') + ".jpg - Finished";
    p.handle->updateLog(longLine);
    p.handle->updateLog("/p/b.jpg - Finished");
    QApplication::processEvents();
    QListWidget *log = p.win->log();
    ASSERT_EQ(log->item(1)->text(), "/p/b.jpg - Finished");
    const int textWidth = log->fontMetrics().horizontalAdvance(longLine);
    EXPECT_GT(textWidth, log->viewport()->width());
    EXPECT_GE(log->horizontalScrollBar()->maximum() + log->viewport()->width(), textWidth);
    p.handle->endDialog(1);
}

TEST(BatchProgressWin, AbortAsksAndOnlyYesSetsTheFlagAndEndsTheWindow)
{
    gbtest::ScriptedUi ui;
    Progress p;
    p.handle->show();
    gb::glAbortBatch = false;

    ui.boxAnswers = {gb::UiSeam::ResultNo};
    p.win->theButton()->click();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Warning!");
    EXPECT_EQ(ui.boxes[0].text, "Abort procedure ?");
    EXPECT_FALSE(gb::glAbortBatch);
    EXPECT_TRUE(p.win->isVisible());

    ui.boxAnswers = {gb::UiSeam::ResultYes};
    p.win->theButton()->click();
    EXPECT_TRUE(gb::glAbortBatch);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(p.win.isNull());
    // The run's handle outlives the window.
    p.handle->updateLog("after");
    p.handle->setPosition(3);
    EXPECT_EQ(p.handle->position(), 0);
    p.handle->endDialog(1);
    gb::glAbortBatch = false;
}

TEST(BatchProgressWin, IdleButtonClosesWithoutAQuestion)
{
    gbtest::ScriptedUi ui;
    Progress p;
    p.handle->show();
    p.handle->setCurrentAction("Idle");
    p.handle->setFile("");
    p.handle->setButtonCaption("Close");
    p.handle->setIdle(true);
    EXPECT_EQ(p.win->theButton()->text(), "Close");
    p.win->theButton()->click();
    EXPECT_TRUE(ui.boxes.empty());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(p.win.isNull());
    EXPECT_FALSE(gb::glAbortBatch);
}

TEST(BatchProgressWin, PreviewIsKeptUntilReplacedAndReleasedOnClose)
{
    Progress p;
    p.handle->show();
    const QSize box = p.handle->previewBox();
    EXPECT_GT(box.width(), 10);
    EXPECT_GT(box.height(), 10);
    p.handle->showPreview(gb::RgbImage::filled(10, 8, 255, 0, 0));
    EXPECT_EQ(p.win->previewImage().width(), 10);
    const QImage shot = p.win->grab().toImage();
    EXPECT_FALSE(shot.isNull());
    p.handle->showPreview(gb::RgbImage());
    EXPECT_TRUE(p.win->previewImage().isNull());
    p.handle->showPreview(gb::RgbImage::filled(4, 4, 0, 0, 255));
    p.handle->endDialog(1);
    // Ended windows let their preview go at once, before they are deleted.
    if (p.win) {
        EXPECT_TRUE(p.win->previewImage().isNull());
    }
}

TEST(BatchProgressWin, ProgressPositionReadsBackWhatTheRunSet)
{
    Progress p;
    p.handle->setRange(1, 10);
    p.handle->setPosition(0);
    EXPECT_EQ(p.handle->position(), 0);
    p.handle->setPosition(p.handle->position() + 1);
    EXPECT_EQ(p.handle->position(), 1);
    EXPECT_EQ(p.win->pb()->value(), 1);
    p.handle->endDialog(1);
}
