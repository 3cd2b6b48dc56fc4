#include "common/filepaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace gb {

QString sdkErrString()
{
    const int code = errno;
    char buffer[500];
    // The GNU strerror_r may return a static text instead of filling the buffer.
    const char *text = strerror_r(code, buffer, sizeof buffer);
    return QStringLiteral("\r\nError: ") + QString::fromLocal8Bit(text) + QStringLiteral("\r\n");
}

QString convertTo83(const QString &path)
{
    return path;
}

QString extractFileName(const QString &path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? path : path.mid(slash + 1);
}

QString changeFilePath(const QString &filePath, const QString &folder)
{
    const QString name = extractFileName(filePath);
    if (folder.isEmpty())
        return name;
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

bool leavesItsFolder(const QString &nameText)
{
    return nameText.contains(QLatin1Char('/')) || nameText.contains(QLatin1String(".."));
}

QString getTemporaryDir()
{
    const QString temp = QDir::tempPath();
    return temp.endsWith(QLatin1Char('/')) ? temp : temp + QLatin1Char('/');
}

bool dirExist(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QByteArray local = QFile::encodeName(path);
    struct stat st;
    return ::stat(local.constData(), &st) == 0 && S_ISDIR(st.st_mode) && ::access(local.constData(), X_OK) == 0;
}

bool folderExist(const QString &path)
{
    return dirExist(path) && path.trimmed().endsWith(QLatin1Char('/'));
}

bool createNestedDirs(const QString &path)
{
    if (dirExist(path))
        return true;
    QString rest = path.trimmed();
    if (rest.startsWith(QLatin1Char('/')))
        rest.remove(0, 1);
    // Levels end at each "/" that follows at least one character; a doubled "/" ends the
    // splitting and the remainder counts as one level (the system folds the doubled "/").
    QStringList levels;
    for (int slash = rest.indexOf(QLatin1Char('/')); slash >= 1; slash = rest.indexOf(QLatin1Char('/'))) {
        levels << rest.left(slash);
        rest = rest.mid(slash + 1);
    }
    if (!rest.isEmpty())
        levels << rest;
    QString partial;
    for (const QString &level : levels) {
        partial += QLatin1Char('/') + level;
        if (!dirExist(partial) && !QDir().mkdir(partial))
            return false;
    }
    return true;
}

qint64 fileSizeB(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return 0;
    return file.size();
}

qint64 fileSizeK(const QString &path)
{
    const qint64 n = fileSizeB(path);
    return n / 1024 + (n % 1024 ? 1 : 0);
}

} // namespace gb
