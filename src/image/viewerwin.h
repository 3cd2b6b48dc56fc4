#pragma once

#include "platform/imagelib/rgbimage.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <array>

#include <QMdiSubWindow>
class QPainter;
class QScrollBar;

namespace gb {

// The viewer: one image file in a child window of the main window at one of ten zoom steps,
// 100% (step 1) down to 10% (step 10). It opens at the largest step at which the whole image
// fits the main window's client area, never above 100%; a left click shows the next larger
// step, a right click the next smaller one. The caption names the file, the step and the
// image's full size. A zoomed image larger than the space offered gets scroll bars, and every
// step change starts at the top-left corner. Each step is rendered once and kept until the
// window closes. The frame's caption is as wide as the step and the size need: a narrow
// picture gets a wider window (white beside the picture), and a path too long for the caption
// is shortened in its folders, then in its middle, while windowTitle() keeps the whole text.
//
// Create it with new and leave it: it shows itself (inside the owner's MDI area when the
// owner has one) and deletes itself when closed. A file that cannot be loaded shows
// "[" + path + "] Unsupported format or corrupted file." and the window ends at once.
class ViewerWin : public QWidget
{
    Q_OBJECT
public:
    ViewerWin(QWidget *owner, const QString &file);
    ~ViewerWin() override;

    // The largest step whose factor is not above the given one, 10 ("10%") at the least.
    static int findZoomStep(double factor);
    static QString zoomCaption(int step);

    QString file() const { return mFile; }
    int step() const { return mStep; }
    bool ready() const { return mReady; }
    int imageWidth() const { return mImage.width(); }
    int imageHeight() const { return mImage.height(); }
    int viewWidth() const { return mViewWidth; }
    int viewHeight() const { return mViewHeight; }
    int offsetX() const { return mOffsetX; }
    int offsetY() const { return mOffsetY; }
    QScrollBar *horizontalBar() const;
    QScrollBar *verticalBar() const;
    // The outer size the window takes (frame and caption included), as laid out.
    QSize windowSize() const { return QSize(mWindowWidth, mWindowHeight); }
    // The sub-window that holds the viewer, or null when it has no MDI owner.
    QMdiSubWindow *subWindow() const { return mSub; }
    // The zoomed size of a step: the full size times its factor, halves rounded up.
    QSize zoomedSize(int step) const;
    bool stepRendered(int step) const { return !mBitmaps[size_t(step - 1)].isNull(); }

    // The space the owner offers its children.
    QSize getOwnerClientSize() const;
    // The caption the frame shows: the whole caption when its title bar has room, else with
    // the path shortened so that the step and the size stay whole.
    QString shownCaption() const;

public slots:
    void zoomIn();
    void zoomOut();
    void horizontalScroll(int position);
    void verticalScroll(int position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void initializeViews();
    int calculateWindowSize() const;
    void drawImage(QPainter &painter);
    void view();
    void adjustView();
    void centerWithinOwner();
    void updateCaption();
    QString captionTail() const;
    int captionRoom(int windowWidth) const;
    int captionMinWidth() const;
    int frameWidth() const;
    int captionHeight() const;
    int scrollExtent() const;

    QPointer<QWidget> mOwner;
    QPointer<QMdiSubWindow> mSub;
    QString mFile;
    RgbImage mImage;
    std::array<QPixmap, 10> mBitmaps;
    int mStep = 1;
    int mViewWidth = 0, mViewHeight = 0;
    int mWindowWidth = 0, mWindowHeight = 0;
    int mOffsetX = 1, mOffsetY = 1;
    QScrollBar *mHBar;
    QScrollBar *mVBar;
    bool mReady = false;
};

} // namespace gb
