#include "image/clipboard.h"

#include "image/imageload.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

namespace gb {

namespace {

QClipboard *clipboard()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
}

} // namespace

bool copyRgbPtr2Clipboard(const RgbImage &img, int width, int height)
{
    QClipboard *board = clipboard();
    if (!board || img.isNull() || img.width() != width || img.height() != height)
        return false;
    // A deep copy: the clipboard keeps its own 24-bit picture, the caller's buffer stays.
    const QImage picture(img.data(), width, height, qsizetype(img.stride()), QImage::Format_RGB888);
    board->setImage(picture.copy());
    return true;
}

bool copyRgb2Clipboard(const QString &fileName)
{
    int width = 0, height = 0;
    QString error;
    const RgbImage img = createRgbFromFile(fileName, width, height, error);
    return !img.isNull() && copyRgbPtr2Clipboard(img, width, height);
}

bool copyText2Clipboard(const QString &text)
{
    QClipboard *board = clipboard();
    if (!board)
        return false;
    board->setText(text);
    return true;
}

} // namespace gb
