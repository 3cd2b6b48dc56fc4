#include "platform/imagelib/drawrgb.h"

#include <QImage>
#include <QPainter>

namespace gb {

bool isDrawRgb(QPainter &painter, const RgbImage &img, int x, int y, int width, int height)
{
    if (img.isNull() || width <= 0 || height <= 0 || !painter.isActive())
        return false;
    const QImage view(img.data(), img.width(), img.height(), qsizetype(img.stride()), QImage::Format_RGB888);
    if (width == img.width() && height == img.height())
        painter.drawImage(QPoint(x, y), view);
    else
        painter.drawImage(QRect(x, y, width, height), view);
    return true;
}

} // namespace gb
