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
// picture the show starts again (loop) or ends. A single picture never changes. A file that
// cannot be read shows "Not Valid Image" until the next one.
//
// Pictures are made on a worker thread, so the window answers keys and repaints while a
// large photo is decoded: the first one while the window opens (it is black until then), and
// each next one while the one before is on screen, so that a change of picture only swaps
// them. The window holds the picture on screen and the next one. A tick that comes while
// the picture on screen is still being made is passed over: no picture is skipped. Closed
// while a picture is being made, the window does not wait for it; it is dropped when done.
// With "Worker Threads" = 1 every picture is made on the window's thread when it is due,
// and nothing ahead.
class FullScreenShowWin : public QDialog
{
    Q_OBJECT
public:
    // One picture.
    FullScreenShowWin(QWidget *owner, const QString &file);
    // A slide show of the files with a pause in seconds.
    FullScreenShowWin(QWidget *owner, const QStringList &files, int pauseSeconds, bool loop);
    ~FullScreenShowWin() override;

    // Goes to the next picture, shown at once when it was made ahead and otherwise as soon as
    // it is made (pictureShown()). Each tick of the timer does this unless the picture on
    // screen is still being made.
    void advanceImage();

    QStringList files() const { return mFiles; }
    int currentIndex() const { return mCurrent; } // 1-based; 0 before the first
    // The current picture is still being made: the window is black meanwhile.
    bool pending() const { return mPending; }
    bool ready() const { return mReady; }
    bool isSlideShow() const { return mSlideShow; }
    bool isLooped() const { return mLoop; }
    int interval() const { return mTimer.interval(); } // milliseconds
    bool timerActive() const { return mTimer.isActive(); }
    QSize displaySize() const { return QSize(mDisplayWidth, mDisplayHeight); }
    QPoint displayOrigin() const { return QPoint(mLeft, mTop); }
    QSize imageSize() const { return QSize(mImageWidth, mImageHeight); }
    // The index of the picture made ahead and waiting for its turn (0: none).
    int madeAhead() const { return mAhead.index; }

    // Ends the window; nothing more is made.
    void done(int result) override;

signals:
    // The current picture (or "Not Valid Image") is on screen.
    void pictureShown();
    // A picture was made ahead and waits for its turn.
    void pictureMadeAhead(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    // One picture made for the window: the file fitted into the window (null when it could not
    // be read) and the size of the image in the file.
    struct Picture
    {
        int index = 0; // 1-based; 0 for none
        RgbImage display;
        int imageWidth = 0, imageHeight = 0;
    };

    void fullScreenWin();
    void start();
    // The picture after the given one: 0 after the last of a show without loop, and for a
    // single picture.
    int following(int index) const;
    // The file fitted into a box of boxW x boxH; runs on any thread.
    static Picture makePicture(const QString &path, int index, int boxW, int boxH);
    void showPicture(Picture picture);
    // Starts making what is wanted next, if nothing is being made: the current picture while
    // it is pending, else the following one.
    void makeNext();
    // A picture made on a worker has come: shown, kept for its turn or, when the show has
    // moved past it, dropped.
    void takeMade(Picture picture);

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
    bool mPending = false;
    bool mMaking = false; // a worker is making a picture
    bool mEnded = false;
    bool mAheadOnWorker = false; // pictures are made on workers, the next one ahead
    Picture mAhead;
    QTimer mTimer;
};

// Shows one file full screen until a key or mouse button.
void showFullScreen(QWidget *owner, const QString &file);
// Asks for the pause and looping, then shows the files full screen one after another; a
// cancelled question shows nothing.
void slideShow(QWidget *owner, const QStringList &files);

} // namespace gb
