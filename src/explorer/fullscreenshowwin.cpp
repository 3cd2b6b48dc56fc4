#include "explorer/fullscreenshowwin.h"

#include "explorer/definepausewin.h"
#include "image/thumbnail.h"
#include "platform/imagelib/drawrgb.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace gb {

FullScreenShowWin::FullScreenShowWin(QWidget *owner, const QString &file)
    : QDialog(owner)
{
    mFiles = {file};
    fullScreenWin();
    advanceImage();
}

FullScreenShowWin::FullScreenShowWin(QWidget *owner, const QStringList &files, int pauseSeconds, bool loop)
    : QDialog(owner)
{
    mFiles = files;
    mLoop = loop;
    mSlideShow = true;
    fullScreenWin();
    mTimer.setInterval(pauseSeconds * 1000);
    connect(&mTimer, &QTimer::timeout, this, &FullScreenShowWin::advanceImage);
    mTimer.start();
    advanceImage();
}

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

void FullScreenShowWin::advanceImage()
{
    mDisplay = RgbImage();
    mReady = false;
    ++mCurrent;
    if (mCurrent > mFiles.size()) {
        if (!mLoop) {
            mTimer.stop();
            done(0);
            return;
        }
        mCurrent = 1;
    }
    const QString path = mFiles.at(mCurrent - 1);
    setWindowTitle(path + QStringLiteral(" (Press any mouse button to close ...)"));
    // Read straight into the screen's box: a large JPEG is decoded at a reduced scale.
    QString error;
    mDisplay = createScreenRgbFromFile(path, mWindowWidth, mWindowHeight, mImageWidth, mImageHeight, error);
    if (!mDisplay.isNull()) {
        mDisplayWidth = mDisplay.width();
        mDisplayHeight = mDisplay.height();
        mReady = true;
        // Halves rounded towards minus infinity, so that a picture is centred.
        mLeft = (mWindowWidth - mDisplayWidth) >> 1;
        mTop = (mWindowHeight - mDisplayHeight) >> 1;
    }
    update();
}

void FullScreenShowWin::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setPen(Qt::white);
    const QPoint textAt(1, 1 + painter.fontMetrics().ascent());
    if (!mReady || mDisplay.isNull())
        painter.drawText(textAt, QStringLiteral("Not Valid Image"));
    else if (!isDrawRgb(painter, mDisplay, mLeft, mTop, mDisplayWidth, mDisplayHeight))
        painter.drawText(textAt, QStringLiteral("Error Resizing Image"));
}

void FullScreenShowWin::keyPressEvent(QKeyEvent *)
{
    mTimer.stop();
    done(0);
}

void FullScreenShowWin::mousePressEvent(QMouseEvent *)
{
    mTimer.stop();
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
