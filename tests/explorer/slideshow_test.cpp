#include "explorer/defineorderwin.h"
#include "explorer/definepausewin.h"
#include "explorer/fullscreenshowwin.h"

#include "explorerfixture.h"
#include "image/imagesave.h"
#include "image/imagethumbswin.h"
#include "image/previewft.h"
#include "support/scriptedui.h"
#include "support/testutil.h"
#include "support/workers.h"

#include <QCheckBox>
#include <QDialog>
#include <QEventLoop>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace gb;
using gbtest::whenModal;

namespace {

QStringList listed(const DefineOrderWin &w)
{
    QStringList out;
    for (int i = 0; i < w.filesLv()->count(); ++i)
        out << w.filesLv()->item(i)->text();
    return out;
}

// Serves events until the show has its current picture on screen.
void waitShown(FullScreenShowWin &show)
{
    if (!show.pending())
        return;
    QEventLoop loop;
    QObject::connect(&show, &FullScreenShowWin::pictureShown, &loop, &QEventLoop::quit);
    loop.exec();
}

// Serves events until the show holds picture `index` made ahead for its turn.
void waitMadeAhead(FullScreenShowWin &show, int index)
{
    if (show.madeAhead() == index)
        return;
    QEventLoop loop;
    QObject::connect(&show, &FullScreenShowWin::pictureMadeAhead, &loop, [&](int made) {
        if (made == index)
            loop.quit();
    });
    loop.exec();
}

} // namespace

TEST(DefineOrderWin, MovesSortsAndHandsBackTheListsOrder)
{
    const QString dir = gbtest::makeTempDir("order") + "/";
    for (const char *n : {"b.png", "c.png", "a.png"})
        ASSERT_TRUE(gbtest::writePng(dir + n, 300, 200));
    const QStringList given = {dir + "b.png", dir + "c.png", dir + "a.png"};
    DefineOrderWin w(nullptr);
    w.setFileNames(given);
    EXPECT_EQ(listed(w), given);
    EXPECT_TRUE(w.filesLv()->selectedItems().isEmpty());
    EXPECT_EQ(w.preview()->image(), nullptr);

    // Up on the first and down on the last change nothing.
    w.filesLv()->setCurrentRow(0);
    w.pbMoveUp();
    EXPECT_EQ(listed(w), given);
    // The selected file is previewed within the 100 x 100 box.
    ASSERT_NE(w.preview()->image(), nullptr);
    EXPECT_EQ(w.preview()->image()->width(), 100);
    EXPECT_EQ(w.preview()->text(), dir + "b.png");
    w.pbMoveDown();
    w.pbMoveDown();
    EXPECT_EQ(listed(w), QStringList({dir + "c.png", dir + "a.png", dir + "b.png"}));
    w.pbMoveDown();
    EXPECT_EQ(listed(w).last(), dir + "b.png");
    // A sort works on the files given at opening, so the moves are lost.
    w.pbNameDescending();
    EXPECT_EQ(listed(w), QStringList({dir + "c.png", dir + "b.png", dir + "a.png"}));
    w.pbNameAscending();
    w.filesLv()->setCurrentRow(2);
    w.pbMoveUp();
    w.pbOk();
    EXPECT_EQ(w.result(), 1);
    EXPECT_EQ(w.fileNames(), QStringList({dir + "a.png", dir + "c.png", dir + "b.png"}));
}

TEST(DefineOrderWin, NameSortsIgnoreCase)
{
    const QString dir = "/pictures/";
    DefineOrderWin w(nullptr);
    w.setFileNames({dir + "b.png", dir + "Zoo.png", dir + "a.png", dir + "C.png"});
    const QStringList ascending = {dir + "a.png", dir + "b.png", dir + "C.png", dir + "Zoo.png"};
    w.pbNameAscending();
    EXPECT_EQ(listed(w), ascending);
    w.pbNameDescending();
    EXPECT_EQ(listed(w), QStringList(ascending.crbegin(), ascending.crend()));
}

TEST(DefinePauseWin, StartsAtFiveSecondsWithLoopOn)
{
    DefinePauseWin w(nullptr);
    EXPECT_EQ(w.windowTitle(), "Slide show");
    EXPECT_EQ(w.interval(), 5);
    EXPECT_EQ(w.slider()->value(), 5);
    EXPECT_EQ(w.slider()->minimum(), 1);
    EXPECT_EQ(w.slider()->maximum(), 30);
    EXPECT_TRUE(w.loopBox()->isChecked());
    w.slider()->setValue(12);
    w.loopBox()->setChecked(false);
    w.pbOk();
    EXPECT_EQ(w.interval(), 12);
    EXPECT_FALSE(w.looped());
}

TEST(FullScreenShowWin, ShowsEachPictureFittedCentredAndLoopsOrEnds)
{
    const QString dir = gbtest::makeTempDir("show") + "/";
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    ASSERT_TRUE(gbtest::writePng(dir + "small.png", 50, 30));
    ASSERT_TRUE(gbtest::writePng(dir + "wide.png", screen.width() * 2, 10));
    ASSERT_TRUE(gbtest::writeFile(dir + "bad.png", "not an image"));
    const QStringList files = {dir + "small.png", dir + "wide.png", dir + "bad.png"};

    // With one thread every picture is made here when it is due; otherwise on the workers,
    // and the window shows each once it is made.
    for (int threads : {1, 4}) {
        SCOPED_TRACE(threads);
        gbtest::WorkerThreadsSetting setting(threads);
        const auto advance = [threads](FullScreenShowWin &show) {
            show.advanceImage();
            EXPECT_TRUE(threads > 1 || !show.pending());
            waitShown(show);
        };
        // Pauses long enough that no tick comes while the test runs.
        FullScreenShowWin show(nullptr, files, 30, true);
        EXPECT_EQ(show.interval(), 30000);
        EXPECT_TRUE(show.timerActive());
        EXPECT_EQ(show.currentIndex(), 1);
        EXPECT_EQ(show.windowTitle(), dir + "small.png (Press any mouse button to close ...)");
        EXPECT_TRUE(threads > 1 || !show.pending());
        waitShown(show);
        EXPECT_TRUE(show.ready());
        EXPECT_EQ(show.displaySize(), QSize(50, 30));
        EXPECT_EQ(show.displayOrigin(), QPoint((screen.width() - 50) / 2, (screen.height() - 30) / 2));
        if (threads == 1) {
            EXPECT_EQ(show.madeAhead(), 0) << "nothing is made ahead";
        }
        advance(show);
        EXPECT_EQ(show.displaySize(), QSize(screen.width(), 5));
        EXPECT_EQ(show.imageSize(), QSize(screen.width() * 2, 10));
        advance(show);
        EXPECT_EQ(show.currentIndex(), 3);
        EXPECT_FALSE(show.ready());
        advance(show);
        EXPECT_EQ(show.currentIndex(), 1);
        EXPECT_TRUE(show.ready());

        FullScreenShowWin once(nullptr, files, 30, false);
        once.show();
        advance(once);
        advance(once);
        EXPECT_TRUE(once.isVisible());
        once.advanceImage();
        EXPECT_FALSE(once.isVisible());
        EXPECT_FALSE(once.timerActive());

        FullScreenShowWin single(nullptr, dir + "small.png");
        EXPECT_FALSE(single.isSlideShow());
        EXPECT_FALSE(single.timerActive());
        waitShown(single);
        EXPECT_EQ(single.displaySize(), QSize(50, 30));
        single.show();
        QTest::mouseClick(&single, Qt::RightButton);
        EXPECT_FALSE(single.isVisible());
    }
}

// The next picture is made on a worker while the one before is on screen: a decode that
// waits does not hold the window, and the change of picture only swaps them.
TEST(FullScreenShowWin, MakesTheNextPictureOnAWorkerWhileTheWindowAnswers)
{
    const QString dir = gbtest::makeTempDir("ahead") + "/";
    ASSERT_TRUE(gbtest::writePng(dir + "small.png", 50, 30));
    const QString photo = gbtest::writeGatedJpeg(dir + "photo.jpg", 160, 120);
    gbtest::WorkerThreadsSetting threads(4);
    gbtest::DecodeGate gate;

    FullScreenShowWin show(nullptr, {dir + "small.png", photo}, 30, true);
    show.show();
    waitShown(show);
    EXPECT_EQ(show.displaySize(), QSize(50, 30));
    // The photo's decoder, on a worker, waits for room; this thread goes on meanwhile.
    gate.waitForADecoder();
    EXPECT_EQ(show.madeAhead(), 0);
    show.advanceImage();
    EXPECT_EQ(show.currentIndex(), 2);
    EXPECT_TRUE(show.pending());
    EXPECT_FALSE(show.ready());
    EXPECT_EQ(show.windowTitle(), photo + " (Press any mouse button to close ...)");
    show.repaint();
    gate.release();
    waitShown(show);
    EXPECT_TRUE(show.ready());
    EXPECT_EQ(show.imageSize(), QSize(160, 120));
    // The first picture comes next and is made ahead: its turn shows it at once.
    waitMadeAhead(show, 1);
    show.advanceImage();
    EXPECT_FALSE(show.pending());
    EXPECT_TRUE(show.ready());
    EXPECT_EQ(show.displaySize(), QSize(50, 30));
    EXPECT_EQ(show.currentIndex(), 1);
}

// A key while the picture is still being made ends the window at once; the window goes
// before the decode ends, and the worker drops the picture.
TEST(FullScreenShowWin, AKeyWhileAPictureIsMadeEndsTheWindowWhichDoesNotWaitForIt)
{
    const QString dir = gbtest::makeTempDir("closing") + "/";
    const QString photo = gbtest::writeGatedJpeg(dir + "photo.jpg", 160, 120);
    gbtest::WorkerThreadsSetting threads(4);
    {
        gbtest::DecodeGate gate;
        auto show = std::make_unique<FullScreenShowWin>(nullptr, QStringList{photo, photo}, 1, true);
        show->show();
        gate.waitForADecoder();
        EXPECT_TRUE(show->pending());
        QTest::keyClick(show.get(), Qt::Key_Space);
        EXPECT_FALSE(show->isVisible());
        EXPECT_FALSE(show->timerActive());
        show.reset();
    }
    gbtest::DecodeGate::waitForTheDecodersToEnd();
    // The pool goes on serving the next window.
    FullScreenShowWin next(nullptr, photo);
    waitShown(next);
    EXPECT_TRUE(next.ready());
}

// The whole road from the explorer: order, pause and loop, then the show, ended by a key.
TEST(SlideShow, FromTheExplorerThroughItsDialogs)
{
    const QString dir = gbtest::makeTempDir("road") + "/";
    for (const char *n : {"a.png", "b.png"})
        ASSERT_TRUE(gbtest::writePng(dir + n));
    gbtest::ScriptedUi ui;
    auto e = gbtest::explorerOn(dir);
    gbtest::select(*e, {"a.png", "b.png"});

    // The pause dialog cancelled: no show.
    int windows = 0;
    whenModal([&](QDialog *order) {
        ++windows;
        EXPECT_EQ(order->windowTitle(), "Define images slide show sequence");
        auto *w = qobject_cast<DefineOrderWin *>(order);
        w->pbNameDescending();
        whenModal([&](QDialog *pause) {
            ++windows;
            pause->reject();
        });
        w->pbOk();
    });
    e->slideShow();
    EXPECT_EQ(windows, 2);

    QStringList shownFiles;
    int interval = 0;
    bool looped = true;
    whenModal([&](QDialog *order) {
        whenModal([&](QDialog *pause) {
            auto *p = qobject_cast<DefinePauseWin *>(pause);
            p->slider()->setValue(3);
            p->loopBox()->setChecked(false);
            whenModal([&](QDialog *full) {
                auto *s = qobject_cast<FullScreenShowWin *>(full);
                shownFiles = s->files();
                interval = s->interval();
                looped = s->isLooped();
                QTest::keyClick(s, Qt::Key_Space);
            });
            p->okButton()->click();
        });
        qobject_cast<DefineOrderWin *>(order)->pbNameDescending();
        qobject_cast<DefineOrderWin *>(order)->okButton()->click();
    });
    e->slideShow();
    EXPECT_EQ(shownFiles, QStringList({dir + "b.png", dir + "a.png"}));
    EXPECT_EQ(interval, 3000);
    EXPECT_FALSE(looped);
    EXPECT_TRUE(ui.boxes.empty());
}
