#include "catalog/archiveclipboard.h"

#include "image/imageload.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

namespace gb {

bool copyRgbPtr2Clipboard(const RgbImage &image)
{
    if (image.isNull())
        return false;
    const QImage view(image.data(), image.width(), image.height(), qsizetype(image.stride()), QImage::Format_RGB888);
    QGuiApplication::clipboard()->setImage(view.copy());
    return true;
}

bool copyRgb2Clipboard(const QString &file)
{
    int w = 0, h = 0;
    QString error;
    const RgbImage image = createRgbFromFile(file, w, h, error);
    return copyRgbPtr2Clipboard(image);
}

} // namespace gb
