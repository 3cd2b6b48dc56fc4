#include "image/imageload.h"

#include "image/imagefile.h"
#include "image/imagetypes.h"
#include "image/psfile.h"
#include "platform/imagelib/imagelib.h"

#include <iterator>

namespace gb {

namespace {

// The image layer's error texts, codes 1 to 36.
const char *const kErrorTexts[] = {
    "Out of memory",
    "Error on file open",
    "Error on file read",
    "Error on file write",
    "Bad user parameter",
    "Bad BMP file",
    "Some RLE variations are not supported",
    "Bad GIF file",
    "Bad JPG file",
    "Error with device context",
    "Problem with a GetDIBits call",
    "GIF support disabled",
    "Resource not found",
    "Callback returned FALSE - operation aborted",
    "Bad PNG file",
    "Internal PNG lib behavior - contact KVT Inc.",
    "Misc unexpected behavior error - contact KVT Inc.",
    "Trouble creating a font object",
    "Misc internal TIFF error",
    "Invalid TIFF file",
    "This will not read TIFF-LZW images",
    "Invalid PCX image",
    "A call to the fn CreateCompatibleBitmap failed",
    "End of an image while using single-line decompression",
    "Error during a call to GetDIBits",
    "Device does not support an operation required by this function",
    "Invalid windows metafile",
    "The file was not of the requested bit-depth",
    "A call to BitBlt failed",
    "Output buffer is too small for this operation",
    "Not enough room in the output palette to store the colors from this image",
    "Invalid TGA File",
    "No TGA Thumbnail in the file",
    "Attempted to read Gif87a as a multi-framed GIF",
    "A call to the fn CreateDIBitmap failed",
    "LZW decompression has not been activated",
};

RgbImage loadBytes(ByteSpan bytes, int type, int &width, int &height, QString &errorText)
{
    if (type < ImageTypeBmp || type > ImageTypeTga) {
        errorText = getErrorMsg(ImgOk);
        return {};
    }
    int error = ImgOk;
    RgbImage img = decodeImageBytes(bytes, type, 0, 0, width, height, error);
    if (img.isNull())
        errorText = getErrorMsg(error);
    return img;
}

} // namespace

QString getErrorMsg(int code)
{
    if (code >= 1 && code <= int(std::size(kErrorTexts)))
        return QString::fromLatin1(kErrorTexts[code - 1]);
    if (code == 0)
        return QStringLiteral("Unrecognized image format");
    return QStringLiteral("Unknown error with error code ") + QString::number(code);
}

RgbImage createRgbFromFile(const QString &fileName, int &width, int &height, QString &errorText)
{
    const ImageFileBytes file(fileName);
    if (!file.ok()) {
        errorText = getErrorMsg(ImgFileOpen);
        return {};
    }
    const int type = imageTypeOf(file.span(), fileName);
    if (type == ImageTypePsd)
        return createRgbFromPsdFile(fileName, width, height, errorText);
    return loadBytes(file.span(), type, width, height, errorText);
}

RgbImage createRgbFromString(const QByteArray &bytes, int &width, int &height, QString &errorText)
{
    const ByteSpan span = byteSpan(bytes);
    const int type = imageTypeOf(span, QStringLiteral("_kvtimag.jpg"));
    return loadBytes(span, type, width, height, errorText);
}

bool getImageDims(const QString &fileName, int &width, int &height, int &bits, QString &errorText)
{
    const ImageFileBytes file(fileName);
    if (!file.ok()) {
        errorText = getErrorMsg(ImgFileOpen);
        return false;
    }
    const int type = imageTypeOf(file.span(), fileName);
    if (type == ImageTypePsd) {
        // The Photoshop reader keeps its own texts and leaves bits alone.
        QString psdError;
        getPsdFileDims(fileName, width, height, psdError);
        if (!psdError.isEmpty())
            errorText = psdError;
        return psdError.isEmpty();
    }
    // Metafiles and Targa files have no header reader: no size, with the layer's text for
    // "no error", as for a file of no known type.
    if (type < ImageTypeBmp || type > ImageTypeTif) {
        errorText = getErrorMsg(ImgOk);
        return false;
    }
    int w = 0, h = 0, b = 0, error = ImgOk;
    if (!readImageDims(file.span(), type, w, h, b, error)) {
        errorText = getErrorMsg(error);
        return false;
    }
    width = w;
    height = h;
    bits = b;
    return true;
}

} // namespace gb
