#pragma once

#include "platform/imagelib/rgbimage.h"

#include <QDialog>
#include <QStringList>
#include <QTimer>

namespace gb {

// The full-screen picture window: black, as large as the screen, one picture at a time
// fitted into it (never enlarged) and centred. Any key or mouse button ends it.
//
// For a slide show a timer moves to the next picture after each pause; after the last
// picture the show starts again (loop) or ends. A single picture never changes. Only the
// picture on screen is held in memory. A file that cannot be read shows "Not Valid Image"
// until the next one.
class FullScreenShowWin : public QDialog
{
    Q_OBJECT
public:
    // One picture.
    FullScreenShowWin(QWidget *owner, const QString &file);
    // A slide show of the files with a pause in seconds.
    FullScreenShowWin(QWidget *owner, const QStringList &files, int pauseSeconds, bool loop);
    ~FullScreenShowWin() override;

    // Goes to the next picture (what each timer tick does).
    void advanceImage();

    QStringList files() const { return mFiles; }
    int currentIndex() const { return mCurrent; } // 1-based; 0 before the first
    bool ready() const { return mReady; }
    bool isSlideShow() const { return mSlideShow; }
    bool isLooped() const { return mLoop; }
    int interval() const { return mTimer.interval(); } // milliseconds
    bool timerActive() const { return mTimer.isActive(); }
    QSize displaySize() const { return QSize(mDisplayWidth, mDisplayHeight); }
    QPoint displayOrigin() const { return QPoint(mLeft, mTop); }
    QSize imageSize() const { return QSize(mImageWidth, mImageHeight); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void fullScreenWin();

    QStringList mFiles;
    int mCurrent = 0;
    int mWindowWidth = 0, mWindowHeight = 0;
    RgbImage mDisplay;
    int mImageWidth = 0, mImageHeight = 0;
    int mDisplayWidth = 0, mDisplayHeight = 0;
    int mLeft = 0, mTop = 0;
    bool mReady = false;
    bool mSlideShow = false;
    bool mLoop = false;
    QTimer mTimer;
};

// Shows one file full screen until a key or mouse button.
void showFullScreen(QWidget *owner, const QString &file);
// Asks for the pause and looping, then shows the files full screen one after another; a
// cancelled question shows nothing.
void slideShow(QWidget *owner, const QStringList &files);

} // namespace gb
