#include "image/viewerwin.h"

#include "image/testimages.h"
#include "support/scriptedui.h"
#include "support/testutil.h"

#include <QApplication>
#include <QMdiArea>
#include <QScrollBar>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

using namespace gb;

namespace {

// A main window whose MDI area offers exactly w x h pixels.
struct Shell {
    QWidget window;
    QMdiArea *area;
    Shell(int w, int h)
    {
        area = new QMdiArea(&window);
        area->setFrameShape(QFrame::NoFrame);
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area->setGeometry(0, 0, w, h);
        window.resize(w, h);
        window.show();
    }
    int frame() const { return area->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth); }
    int caption() const { return area->style()->pixelMetric(QStyle::PM_TitleBarHeight); }
};

QString image(int w, int h)
{
    const QString path = gbtest::makeTempDir("viewer") + QString("/photo%1x%2.png").arg(w).arg(h);
    EXPECT_TRUE(gbtest::writeImage(path, w, h));
    return path;
}

} // namespace

TEST(ViewerWin, ZoomStepTable)
{
    const struct { double factor; int step; } cases[] = {
        {0.05, 10}, {0.19, 10}, {0.2, 9}, {0.35, 8}, {0.49, 7}, {0.5, 6}, {0.59, 6}, {0.9, 2}, {0.99, 2}, {1.0, 1}, {3.0, 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ViewerWin::findZoomStep(c.factor), c.step) << c.factor;
    EXPECT_EQ(ViewerWin::zoomCaption(6), "50%");
    EXPECT_EQ(ViewerWin::zoomCaption(1), "100%");
}

TEST(ViewerWin, SmallImageOpensAtFullSizeWithoutBars)
{
    Shell shell(800, 600);
    const QString path = image(200, 100);
    QPointer<ViewerWin> v = new ViewerWin(&shell.window, path);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->getOwnerClientSize(), QSize(800, 600));
    EXPECT_TRUE(v->ready());
    EXPECT_EQ(v->step(), 1);
    EXPECT_EQ(v->windowTitle(), path + " 100% (200 x 100)");
    EXPECT_EQ(v->horizontalBar(), nullptr);
    EXPECT_EQ(v->verticalBar(), nullptr);
    EXPECT_EQ(v->windowSize(), QSize(200 + 2 * shell.frame(), 100 + shell.caption() + 2 * shell.frame()));
    EXPECT_EQ(shell.area->subWindowList().size(), 1);
    EXPECT_TRUE(v->stepRendered(1));
    EXPECT_FALSE(v->stepRendered(5));

    // A left click at 100% does nothing; right clicks go down to 10% and stop there.
    QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(v->step(), 1);
    for (int i = 0; i < 12; ++i)
        v->zoomOut();
    EXPECT_EQ(v->step(), 10);
    EXPECT_EQ(v->windowTitle(), path + " 10% (200 x 100)");
    EXPECT_EQ(v->viewWidth(), 20);
    // A window narrower than 40 pixels is widened to 40.
    EXPECT_EQ(v->windowSize().width(), 40);
    QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(v->step(), 9);
    EXPECT_TRUE(v->stepRendered(5));
}

TEST(ViewerWin, FirstStepFromTheSmallerQuotient)
{
    const QString path = image(1600, 1200);
    {
        // Exactly half the width fits: "50%".
        Shell probe(10, 10);
        Shell shell(800 + 2 * probe.frame(), 1200 + probe.caption() + 2 * probe.frame());
        QPointer<ViewerWin> v = new ViewerWin(&shell.window, path);
        EXPECT_EQ(v->step(), 6);
        EXPECT_EQ(v->windowTitle(), path + " 50% (1600 x 1200)");
        // The layout keeps 5 more pixels of margin, so the image that just fits scrolls across.
        ASSERT_NE(v->horizontalBar(), nullptr);
        EXPECT_EQ(v->horizontalBar()->maximum(), 800 - v->viewWidth() + 1);
        delete v->subWindow();
    }
    {
        Shell probe(10, 10);
        Shell shell(799 + 2 * probe.frame(), 1200 + probe.caption() + 2 * probe.frame());
        QPointer<ViewerWin> v = new ViewerWin(&shell.window, path);
        EXPECT_EQ(v->step(), 7);
        delete v->subWindow();
    }
}

TEST(ViewerWin, LargeImageScrollsAndStepChangesStartAtTheCorner)
{
    Shell shell(150, 150);
    const QString path = image(2000, 1800);
    QPointer<ViewerWin> v = new ViewerWin(&shell.window, path);
    EXPECT_EQ(v->step(), 10);
    ASSERT_NE(v->horizontalBar(), nullptr);
    ASSERT_NE(v->verticalBar(), nullptr);
    // The last position of each bar shows the last column and row.
    EXPECT_EQ(v->horizontalBar()->maximum() + v->viewWidth() - 1, 200);
    EXPECT_EQ(v->verticalBar()->maximum() + v->viewHeight() - 1, 180);
    v->horizontalBar()->setValue(v->horizontalBar()->maximum());
    EXPECT_EQ(v->offsetX(), v->horizontalBar()->maximum());
    v->zoomIn();
    EXPECT_EQ(v->offsetX(), 1);
    EXPECT_EQ(v->horizontalBar()->value(), 1);
    EXPECT_EQ(v->zoomedSize(9), QSize(400, 360));
}

TEST(ViewerWin, UnreadableFileShowsTheErrorAndEnds)
{
    gbtest::ScriptedUi ui;
    Shell shell(400, 300);
    const QString path = gbtest::makeTempDir() + "/broken.jpg";
    gbtest::writeFile(path, "garbage");
    QPointer<ViewerWin> v = new ViewerWin(&shell.window, path);
    EXPECT_EQ(ui.boxTexts(), QStringList({"[" + path + "] Unsupported format or corrupted file."}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(v.isNull());
    EXPECT_TRUE(shell.area->subWindowList().isEmpty());
}
