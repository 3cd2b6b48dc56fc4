#include "image/winsle.h"
#include "resources/resourceclasses.h"

#include "image/imagethumbswin.h"
#include "platform/imagelib/rgbimage.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace gb {

WinSle::WinSle(ImageThumbsWin *grid)
    : QWidget(grid)
    , mGrid(grid)
{
    setCursor(Pointer3());
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void WinSle::update(const RgbImage &thumb, int width, int height, const QString &path)
{
    mThumb = thumb.isNull() ? QImage()
                            : QImage(thumb.data(), thumb.width(), thumb.height(), int(thumb.stride()),
                                     QImage::Format_RGB888)
                                  .copy();
    mThumbW = width;
    mThumbH = height;
    mFilePath = path;
    mOffsetX = (this->width() - width) / 2;
    mOffsetY = (this->height() - height) / 2;
    repaint();
}

void WinSle::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!mThumb.isNull())
        painter.drawImage(mOffsetX, mOffsetY, mThumb);
    // A thin fixed frame around the box.
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void WinSle::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    // The keys follow the grid that was clicked, not the pane that had them.
    mGrid->setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton)
        mGrid->mouseClickOnImage(mFilePath);
    else if (event->button() == Qt::RightButton && mGrid->contextMenu())
        mGrid->contextMenu()->popup(event->globalPosition().toPoint());
}

} // namespace gb
