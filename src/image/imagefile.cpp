#include "image/imagefile.h"

#include "image/imagetypes.h"
#include "platform/imagelib/imagelib.h"

namespace gb {

ImageFileBytes::ImageFileBytes(const QString &fileName)
    : mFile(fileName)
{
    if (!mFile.open(QIODevice::ReadOnly))
        return;
    const qint64 size = mFile.size();
    if (size > 0)
        mMap = mFile.map(0, size);
    if (mMap) {
        mSpan = ByteSpan{mMap, size_t(size)};
    } else {
        // Pipes and some file systems cannot be mapped.
        mRead = mFile.readAll();
        if (mFile.error() != QFileDevice::NoError)
            return;
        mSpan = ByteSpan{reinterpret_cast<const uint8_t *>(mRead.constData()), size_t(mRead.size())};
    }
    mOk = true;
}

ImageFileBytes::~ImageFileBytes()
{
    if (mMap)
        mFile.unmap(mMap);
}

int imageTypeOf(ByteSpan bytes, const QString &fallbackName)
{
    const int type = guessFileType(bytes);
    return type != ImgTypeUnknown ? type : guessFormatFromExtension(fallbackName);
}

} // namespace gb

namespace gb {

RgbImage decodeImageBytes(ByteSpan bytes, int type, int fitW, int fitH, int &fullW, int &fullH,
                          int &error)
{
    RgbImage img = readImage(bytes, type, error, fitW, fitH);
    if (img.isNull())
        return img;
    fullW = img.width();
    fullH = img.height();
    if (type == ImgTypeJpg && fitW > 0 && fitH > 0) {
        // A reduced decode is smaller than the image; the header has the real size.
        int bits = 0, dimsError = 0;
        readImageDims(bytes, type, fullW, fullH, bits, dimsError);
    }
    return img;
}

} // namespace gb
