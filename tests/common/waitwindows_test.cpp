// Please-wait, collect-data and error-log windows.

#include "common/collectdatawin.h"
#include "common/pleasewaitwin.h"
#include "common/reporterrorswin.h"

#include <QApplication>
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
