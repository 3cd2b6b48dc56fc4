#include "image/imagefile.h"

#include "image/imagetypes.h"
#include "platform/imagelib/imagelib.h"

#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gb {

namespace {
constexpr qint64 kMapFrom = qint64(64) << 20;
} // namespace

ImageFileBytes::ImageFileBytes(const QString &fileName)
    : mFile(fileName)
{
    // Regular files only: opening a named pipe would wait for a writer that never comes,
    // and a folder or a device holds no image.
    if (!QFileInfo(fileName).isFile() || !mFile.open(QIODevice::ReadOnly))
        return;
    // One read is cheaper than taking a page fault per page of a mapping, for the photo
    // sizes that come by the hundred; only very large files are mapped, to spare memory.
    const qint64 size = mFile.size();
    if (size > kMapFrom)
        mMap = mFile.map(0, size);
    if (mMap) {
        mSpan = ByteSpan{mMap, size_t(size)};
    } else {
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

namespace {

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        left -= n;
    }
    return true;
}

// Writes into an open descriptor and closes it; on failure removes the file it made.
bool finish(int fd, const QByteArray &bytes, const QByteArray &made, QString &why)
{
    bool ok = writeAll(fd, bytes);
    if (!ok)
        why = QString::fromLocal8Bit(strerror(errno));
    if (::close(fd) != 0 && ok) {
        ok = false;
        why = QString::fromLocal8Bit(strerror(errno));
    }
    if (!ok)
        ::unlink(made.constData());
    return ok;
}

} // namespace

bool writeImageFile(const QString &path, const QByteArray &bytes, QString &why)
{
    const QByteArray target = QFile::encodeName(path);
    // A new file replaces nothing: it is written in place and removed again on failure.
    int fd = ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0)
        return finish(fd, bytes, target, why);
    if (errno != EEXIST) {
        why = QString::fromLocal8Bit(strerror(errno));
        return false;
    }
    // An existing file is replaced only by a complete one.
    const QFileInfo info(path);
    QByteArray temp = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName()
                                        + QStringLiteral(".XXXXXX"));
    fd = mkstemp(temp.data());
    if (fd < 0) {
        why = QString::fromLocal8Bit(strerror(errno));
        return false;
    }
    // mkstemp makes the file private; give it the old file's mode.
    struct stat old;
    if (::stat(target.constData(), &old) == 0)
        fchmod(fd, old.st_mode & 07777);
    if (!finish(fd, bytes, temp, why))
        return false;
    if (::rename(temp.constData(), target.constData()) != 0) {
        why = QString::fromLocal8Bit(strerror(errno));
        ::unlink(temp.constData());
        return false;
    }
    return true;
}

} // namespace gb
