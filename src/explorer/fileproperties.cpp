#include "explorer/fileproperties.h"

#include "common/datetext.h"
#include "common/filedir.h"
#include "common/filepaths.h"
#include "image/imageload.h"
#include "platform/imagelib/countcolors.h"

#include <QFile>
#include <QFileInfo>
#include <QTimeZone>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gb {

namespace {

QDateTime fromStatx(const struct statx_timestamp &t)
{
    return QDateTime::fromMSecsSinceEpoch(qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000, Qt::UTC);
}

} // namespace

QString fileTime2MyFormat(const QDateTime &utc)
{
    if (!utc.isValid())
        return {};
    static const char *const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    const QDateTime t = utc.toUTC();
    return QString::fromLatin1(kDays[t.date().dayOfWeek() % 7]) + QStringLiteral(", ") + programDateText(t.date())
           + QLatin1Char(' ') + t.time().toString(QStringLiteral("HH:mm:ss"));
}

GeneralProperties generalProperties(const QString &file)
{
    GeneralProperties p;
    const int slash = file.lastIndexOf(QLatin1Char('/'));
    p.location = file.left(slash + 1);
    p.fileName = file.mid(slash + 1);
    p.msDosName = convertTo83(file);

    const QByteArray name = QFile::encodeName(file);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        struct statx sx;
        if (::statx(fd, "", AT_EMPTY_PATH, STATX_BASIC_STATS | STATX_BTIME, &sx) == 0) {
            p.size = QString::number(qint64(sx.stx_size));
            if (sx.stx_mask & STATX_BTIME)
                p.created = fileTime2MyFormat(fromStatx(sx.stx_btime));
            p.modified = fileTime2MyFormat(fromStatx(sx.stx_mtime));
            p.accessed = fileTime2MyFormat(fromStatx(sx.stx_atime));
        }
        ::close(fd);
    }

    const QFileInfo info(file);
    if (info.exists() || info.isSymLink()) {
        const uint32_t bits = fileAttributeBits(info);
        p.attributesRead = true;
        p.readOnly = bits & AttrReadOnly;
        p.archive = bits & AttrArchive;
        p.hidden = bits & AttrHidden;
        p.system = bits & AttrSystem;
    }
    return p;
}

ImageProperties imageProperties(const QString &file)
{
    ImageProperties p;
    int width = 0, height = 0, bits = 0;
    QString error;
    if (getImageDims(file, width, height, bits, error)) {
        p.width = QString::number(width);
        p.height = QString::number(height);
        p.pixDepth = QString::number(bits > 0 ? bits : 24);
    } else {
        bits = 0;
    }
    int w = 0, h = 0;
    const RgbImage img = createRgbFromFile(file, w, h, error);
    if (!img.isNull()) {
        width = w;
        height = h;
        p.colors = QString::number(isCountRgbColors(img));
    }
    const int64_t bytes = bits == 0 || bits == 24 ? int64_t(width) * height * 3 : int64_t(width) * height + 1024;
    p.ramUsed = QString::number(bytes / 1024) + QStringLiteral(" kb");
    return p;
}

} // namespace gb
