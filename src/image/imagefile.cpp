#include "image/imagefile.h"

#include "common/safefile.h"
#include "image/imagetypes.h"
#include "platform/imagelib/imagelib.h"
#include "platform/imagelib/largememory.h"

#include <QFileInfo>

namespace gb {

namespace {
constexpr qint64 kMapFrom = qint64(64) << 20;
} // namespace

ImageFileBytes::ImageFileBytes(const QString &fileName, int onlyType)
    : mFile(fileName)
{
    // Regular files only: opening a named pipe would wait for a writer that never comes,
    // and a folder or a device holds no image.
    if (!QFileInfo(fileName).isFile() || !mFile.open(QIODevice::ReadOnly))
        return;
    if (onlyType != 0 && imageTypeOf(byteSpan(mFile.peek(16)), fileName) != onlyType)
        return;
    // One read is cheaper than taking a page fault per page of a mapping, for the photo
    // sizes that come by the hundred; only very large files are mapped, to spare memory.
    // The read goes to a buffer of allocateLarge(), which faults a photo's megabytes in on
    // a few large pages.
    const qint64 size = mFile.size();
    if (size > kMapFrom)
        mMap = mFile.map(0, size);
    if (mMap) {
        mSpan = ByteSpan{mMap, size_t(size)};
    } else if (size > 0) {
        mBuffer = LargeBuffer(size_t(size));
        if (!mBuffer)
            return;
        qint64 got = 0;
        while (got < size) {
            const qint64 n = mFile.read(reinterpret_cast<char *>(mBuffer.data()) + got, size - got);
            if (n < 0)
                return;
            if (n == 0)
                break; // cut short meanwhile: the readers see what there is
            got += n;
        }
        mSpan = ByteSpan{mBuffer.data(), size_t(got)};
    } else {
        // A file that tells no size (some system files) is read to its end.
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

namespace gb {

bool writeImageFile(const QString &path, const QByteArray &bytes, QString &why)
{
    PendingFile file(path);
    if (file.write(bytes) && file.commit(PendingFile::Replace::IfFound, false))
        return true;
    why = file.errorString();
    return false;
}

} // namespace gb
