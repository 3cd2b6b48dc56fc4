// Please-wait, collect-data and error-log windows.

#include "common/batchprogress.h"
#include "common/collectdatawin.h"
#include "common/pleasewaitwin.h"
#include "common/reporterrorswin.h"
#include "support/scriptedui.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

TEST(PleaseWaitWin, ShowsItselfWithItsMessageAndTakesNewOnes)
{
    QPointer<gb::PleaseWaitWin> empty = new gb::PleaseWaitWin(nullptr);
    EXPECT_TRUE(empty->isVisible());
    EXPECT_EQ(empty->windowTitle(), "Please Wait ...");
    EXPECT_EQ(empty->message(), "");
    empty->done(1);

    QPointer<gb::PleaseWaitWin> win = new gb::PleaseWaitWin(nullptr, "Building Archive Tree");
    EXPECT_EQ(win->message(), "Building Archive Tree");
    win->setNewMessage("one");
    win->setNewMessage("two");
    win->setNewMessage("Generate: page3.html");
    EXPECT_EQ(win->message(), "Generate: page3.html");
    win->done(1);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(win.isNull());
    EXPECT_TRUE(empty.isNull());
}

// Work that serves events gives the window an Abort button: it asks, and only Yes sets the
// abort flag and ends the window; Escape asks too. The plain window has no button.
TEST(PleaseWaitWin, AbortAsksAndOnlyYesSetsTheFlagAndEndsTheWindow)
{
    gbtest::ScriptedUi ui;
    QPointer<gb::PleaseWaitWin> plain = new gb::PleaseWaitWin(nullptr, "Building Archive Tree");
    EXPECT_EQ(plain->abortButton(), nullptr);
    plain->done(1);

    gb::glAbortBatch = false;
    QPointer<gb::PleaseWaitWin> win = new gb::PleaseWaitWin(nullptr, "Creating HTML pages...", true);
    ASSERT_NE(win->abortButton(), nullptr);
    EXPECT_EQ(win->abortButton()->text(), "Abort");
    EXPECT_TRUE(win->abortButton()->isVisible());
    EXPECT_TRUE(win->rect().contains(win->abortButton()->geometry()));

    ui.boxAnswers = {gb::UiSeam::ResultNo, gb::UiSeam::ResultNo};
    win->abortButton()->click();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(win, &escape);
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].text, "Abort procedure ?");
    EXPECT_EQ(ui.boxes[1].text, "Abort procedure ?");
    EXPECT_FALSE(gb::glAbortBatch);
    EXPECT_TRUE(win->isVisible());

    ui.boxAnswers = {gb::UiSeam::ResultYes};
    win->abortButton()->click();
    EXPECT_TRUE(gb::glAbortBatch);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(win.isNull());
    EXPECT_TRUE(plain.isNull());
    gb::glAbortBatch = false;
}

TEST(CollectDataWin, IsMadeHiddenAndCarriesTheCallersBar)
{
    gb::CollectDataWin win(nullptr);
    EXPECT_FALSE(win.isVisible());
    EXPECT_EQ(win.windowTitle(), "Dialog Caption");
    win.setWindowTitle("Compact Archive ...");
    win.pb()->setRange(1, 3);
    win.show();
    win.pb()->setValue(2);
    EXPECT_EQ(win.pb()->value(), 2);
    win.close();
}

TEST(ReportErrorsWin, ListsTheErrorsInTheGivenOrder)
{
    const QStringList errors = {"[General] Output folder does not exist", "[Thumbnails] b", "[A] a"};
    gb::ReportErrorsWin win(nullptr, errors);
    EXPECT_EQ(win.windowTitle(), "Error Log");
    ASSERT_EQ(win.errorLb()->count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(win.errorLb()->item(i)->text(), errors[i]);
        EXPECT_EQ(win.errorLb()->item(i)->data(Qt::UserRole).toInt(), i + 1);
    }
    gb::ReportErrorsWin none(nullptr, {});
    EXPECT_EQ(none.errorLb()->count(), 0);
}

TEST(ReportErrorsWin, ReportErrorsReturnsWhenClosed)
{
    bool shown = false;
    // The modal loop is entered before the queued call runs; it clicks Close from inside.
    QTimer::singleShot(0, [&] {
        auto *win = qobject_cast<gb::ReportErrorsWin *>(QApplication::activeModalWidget());
        ASSERT_NE(win, nullptr);
        shown = win->errorLb()->count() == 1;
        win->pbClose()->click();
    });
    gb::reportErrors(nullptr, {"[Master Index] missing"});
    EXPECT_TRUE(shown);
}
