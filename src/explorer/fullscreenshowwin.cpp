#include "explorer/fullscreenshowwin.h"

#include "common/orderedwork.h"
#include "common/runonworker.h"
#include "explorer/definepausewin.h"
#include "image/thumbnail.h"
#include "platform/imagelib/drawrgb.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <memory>

namespace gb {

FullScreenShowWin::FullScreenShowWin(QWidget *owner, const QString &file)
    : QDialog(owner)
{
    mFiles = {file};
    fullScreenWin();
    start();
}

FullScreenShowWin::FullScreenShowWin(QWidget *owner, const QStringList &files, int pauseSeconds, bool loop)
    : QDialog(owner)
{
    mFiles = files;
    mLoop = loop;
    mSlideShow = true;
    fullScreenWin();
    mTimer.setInterval(pauseSeconds * 1000);
    // A picture still being made keeps its turn: the show waits for it rather than skip it.
    connect(&mTimer, &QTimer::timeout, this, [this] {
        if (!mPending)
            advanceImage();
    });
    mTimer.start();
    start();
}

// A picture still being made goes on without the window, which drops it when done.
FullScreenShowWin::~FullScreenShowWin() = default;

void FullScreenShowWin::fullScreenWin()
{
    setWindowTitle(QStringLiteral("Full Screen mode. Press any mouse button to close ..."));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);
    const QScreen *screen = (parentWidget() ? parentWidget()->screen() : nullptr);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    setGeometry(area);
    setWindowState(Qt::WindowFullScreen);
    mWindowWidth = area.width();
    mWindowHeight = area.height();
}

void FullScreenShowWin::start()
{
    mAheadOnWorker = workerThreads() > 1;
    advanceImage();
}

int FullScreenShowWin::following(int index) const
{
    if (!mSlideShow || mFiles.isEmpty())
        return 0;
    if (index < mFiles.size())
        return index + 1;
    return mLoop ? 1 : 0;
}

FullScreenShowWin::Picture FullScreenShowWin::makePicture(const QString &path, int index, int boxW, int boxH)
{
    Picture picture;
    picture.index = index;
    // Read straight into the screen's box: a large JPEG is decoded at a reduced scale.
    QString error;
    picture.display = createScreenRgbFromFile(path, boxW, boxH, picture.imageWidth, picture.imageHeight, error);
    return picture;
}

void FullScreenShowWin::advanceImage()
{
    if (mEnded)
        return;
    mDisplay = RgbImage();
    mReady = false;
    ++mCurrent;
    if (mCurrent > mFiles.size()) {
        if (!mLoop) {
            done(0);
            return;
        }
        mCurrent = 1;
    }
    setWindowTitle(mFiles.at(mCurrent - 1) + QStringLiteral(" (Press any mouse button to close ...)"));
    if (mAhead.index == mCurrent) {
        showPicture(std::exchange(mAhead, Picture()));
    } else {
        mAhead = Picture();
        mImageWidth = mImageHeight = 0;
        mPending = true;
        update();
    }
    makeNext();
}

void FullScreenShowWin::showPicture(Picture picture)
{
    mPending = false;
    mDisplay = std::move(picture.display);
    mImageWidth = picture.imageWidth;
    mImageHeight = picture.imageHeight;
    if (!mDisplay.isNull()) {
        mDisplayWidth = mDisplay.width();
        mDisplayHeight = mDisplay.height();
        mReady = true;
        // Halves rounded towards minus infinity, so that a picture is centred.
        mLeft = (mWindowWidth - mDisplayWidth) >> 1;
        mTop = (mWindowHeight - mDisplayHeight) >> 1;
    }
    update();
    emit pictureShown();
}

void FullScreenShowWin::makeNext()
{
    if (mEnded || mMaking)
        return;
    if (!mAheadOnWorker) {
        // The window's own thread makes the picture when it is due, and nothing ahead.
        if (mPending)
            showPicture(makePicture(mFiles.at(mCurrent - 1), mCurrent, mWindowWidth, mWindowHeight));
        return;
    }
    const int wanted = mPending ? mCurrent : following(mCurrent);
    if (wanted == 0 || (!mPending && mAhead.index == wanted))
        return;
    // The worker gets its own copy of what it needs: the window may be gone when it ends.
    auto made = std::make_shared<Picture>();
    const QString path = mFiles.at(wanted - 1);
    const int boxW = mWindowWidth, boxH = mWindowHeight;
    mMaking = runOnWorker(
        this, [made, path, wanted, boxW, boxH] { *made = makePicture(path, wanted, boxW, boxH); },
        [this, made] { takeMade(std::move(*made)); });
    if (!mMaking) {
        mAheadOnWorker = false;
        makeNext();
    }
}

void FullScreenShowWin::takeMade(Picture picture)
{
    mMaking = false;
    if (mEnded)
        return;
    if (mPending && picture.index == mCurrent) {
        showPicture(std::move(picture));
    } else if (picture.index == following(mCurrent)) {
        mAhead = std::move(picture);
        emit pictureMadeAhead(mAhead.index);
    }
    makeNext();
}

void FullScreenShowWin::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (mPending)
        return;
    painter.setPen(Qt::white);
    const QPoint textAt(1, 1 + painter.fontMetrics().ascent());
    if (!mReady || mDisplay.isNull())
        painter.drawText(textAt, QStringLiteral("Not Valid Image"));
    else if (!isDrawRgb(painter, mDisplay, mLeft, mTop, mDisplayWidth, mDisplayHeight))
        painter.drawText(textAt, QStringLiteral("Error Resizing Image"));
}

void FullScreenShowWin::done(int result)
{
    mEnded = true;
    mTimer.stop();
    mAhead = Picture();
    QDialog::done(result);
}

void FullScreenShowWin::keyPressEvent(QKeyEvent *)
{
    done(0);
}

void FullScreenShowWin::mousePressEvent(QMouseEvent *)
{
    done(0);
}

void showFullScreen(QWidget *owner, const QString &file)
{
    FullScreenShowWin window(owner, file);
    window.exec();
}

void slideShow(QWidget *owner, const QStringList &files)
{
    DefinePauseWin pause(owner);
    if (pause.exec() != 1)
        return;
    FullScreenShowWin window(owner, files, pause.interval(), pause.looped());
    window.exec();
}

} // namespace gb
