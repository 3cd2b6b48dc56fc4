#include "image/imagesave.h"

#include "image/imagefile.h"
#include "image/imageload.h"
#include "image/imagetypes.h"
#include "platform/imagelib/imagelib.h"

namespace gb {

bool encodeRgb(const RgbImage &img, const QString &fileName, int type, int jpegQuality, bool progressive,
               int colorCount, QByteArray &bytes, QString *errorText)
{
    if (type == ImageTypeUnknown)
        type = guessFormatFromExtension(fileName);
    int error = ImgOk; // nothing recognised to write: "Unrecognized image format"
    if (type >= ImageTypeBmp && type <= ImageTypeTga) {
        WriteOptions options;
        options.jpegQuality = jpegQuality;
        options.progressive = progressive;
        options.colors = colorCount;
        error = ImgBadParameter;
        if (writeImage(img, type, bytes, error, options))
            return true;
    }
    if (errorText)
        *errorText = getErrorMsg(error);
    return false;
}

bool saveRgb2File(const RgbImage &img, const QString &fileName, int type, int jpegQuality,
                  bool progressive, double pngValue, int colorCount, QString *errorText)
{
    (void)pngValue;
    QByteArray bytes;
    return encodeRgb(img, fileName, type, jpegQuality, progressive, colorCount, bytes, errorText)
        && saveEncodedImage(fileName, bytes, errorText);
}

bool saveEncodedImage(const QString &fileName, const QByteArray &bytes, QString *errorText)
{
    QString why;
    if (writeImageFile(fileName, bytes, why))
        return true;
    if (errorText)
        *errorText = getErrorMsg(ImgFileWrite) + QStringLiteral(": ") + why;
    return false;
}

IndexedImage decreaseColorDepth(const RgbImage &img, int colorCount)
{
    return quantize(img, colorCount);
}

} // namespace gb
