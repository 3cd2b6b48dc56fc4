#include "image/viewerwin.h"

#include "image/testimages.h"
#include "support/scriptedui.h"
#include "support/testutil.h"

#include <QApplication>
#include <QMdiArea>
#include <QScrollBar>
#include <QDir>
#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionTitleBar>
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

// The text a frame's title bar shows: the frame measures the label part of its title bar
// inside a border of 4 pixels and cuts at the right what does not fit; the style (Fusion)
// cuts it again to 14 pixels less, in bold, as it draws it.
QString titleBarText(const QMdiSubWindow *sub)
{
    QStyleOptionTitleBar option;
    option.initFrom(sub);
    option.titleBarFlags = sub->windowFlags();
    option.titleBarState = sub->windowState();
    option.subControls = QStyle::SC_All;
    const int height = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, sub);
    option.rect = QRect(4, 4, sub->width() - 8, height - 4);
    const int room = sub->style()->subControlRect(QStyle::CC_TitleBar, &option, QStyle::SC_TitleBarLabel, sub).width();
    const QFont plain = QApplication::font("QMdiSubWindowTitleBar");
    QFont bold = plain;
    bold.setBold(true);
    const QString framed = QFontMetrics(plain).elidedText(sub->windowTitle(), Qt::ElideRight, room);
    return QFontMetrics(bold).elidedText(framed, Qt::ElideRight, room - 14);
}

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
    // A window too narrow for its caption's step and size is widened to show them.
    EXPECT_GT(v->windowSize().width(), 40);
    EXPECT_EQ(v->subWindow()->width(), v->windowSize().width());
    EXPECT_TRUE(titleBarText(v->subWindow()).endsWith(" 10% (200 x 100)")) << titleBarText(v->subWindow()).toStdString();
    QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(v->step(), 9);
    EXPECT_TRUE(v->stepRendered(5));
}

// A narrow picture in a deep folder: the frame shows the step and the size whole, with the
// path shortened in its folders; the viewer's caption keeps the whole text.
TEST(ViewerWin, ANarrowPictureKeepsTheStepAndSizeOfItsCaptionInSight)
{
    Shell shell(1000, 700);
    const QString dir = gbtest::makeTempDir("viewer") + "/a folder with a rather long name/and another one below it";
    ASSERT_TRUE(QDir().mkpath(dir));
    const QString path = dir + "/narrow.png";
    ASSERT_TRUE(gbtest::writeImage(path, 300, 600));
    QPointer<ViewerWin> v = new ViewerWin(&shell.window, path);
    ASSERT_TRUE(v && v->ready());
    EXPECT_EQ(v->step(), 1);
    EXPECT_EQ(v->viewWidth(), 300);
    EXPECT_EQ(v->windowTitle(), path + " 100% (300 x 600)");
    const QString shown = titleBarText(v->subWindow());
    EXPECT_TRUE(shown.endsWith("/narrow.png 100% (300 x 600)")) << shown.toStdString();
    EXPECT_TRUE(shown.startsWith(path.left(2))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QChar(0x2026))) << shown.toStdString();

    // Smaller steps narrow the picture, never the caption's step and size.
    for (int step = 2; step <= 10; ++step) {
        v->zoomOut();
        const QString tail = " " + ViewerWin::zoomCaption(step) + " (300 x 600)";
        EXPECT_EQ(v->windowTitle(), path + tail);
        EXPECT_TRUE(titleBarText(v->subWindow()).endsWith(tail)) << titleBarText(v->subWindow()).toStdString();
    }
    EXPECT_EQ(v->viewWidth(), 30);
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
