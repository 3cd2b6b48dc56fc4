#include "common/filedir.h"

#include "common/drives.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

#include <sys/stat.h>

namespace gb {

QString findFileAttributes(uint32_t bits)
{
    // Table order, not bit order: a hidden read-only system file reads "HRS".
    static const struct { uint32_t bit; char letter; } table[] = {
        {AttrArchive, 'A'}, {AttrCompressed, 'C'}, {AttrDirectory, 'D'}, {AttrHidden, 'H'},
        {AttrNormal, 'N'},  {AttrReadOnly, 'R'},   {AttrSystem, 'S'},    {AttrTemporary, 'T'},
    };
    QString letters;
    for (const auto &row : table)
        if (bits & row.bit)
            letters += QLatin1Char(row.letter);
    return letters;
}

uint32_t fileAttributeBits(const QFileInfo &info)
{
    uint32_t bits = 0;
    if (info.isDir())
        bits |= AttrDirectory;
    else if (info.isFile())
        bits |= AttrArchive;
    else
        bits |= AttrSystem;
    if (info.fileName().startsWith(QLatin1Char('.')))
        bits |= AttrHidden;
    if (!info.isWritable())
        bits |= AttrReadOnly;
    return bits;
}

static QString ymd(int year, int month, int day)
{
    return QString::number(year) + QStringLiteral("%1%2").arg(month, 2, 10, QLatin1Char('0')).arg(day, 2, 10, QLatin1Char('0'));
}

QString winFile2AnsiLocalTime(const QDateTime &utcTime)
{
    if (!utcTime.isValid())
        return QString();
    QDateTime local = utcTime.toLocalTime();
    const QDate day = local.isValid() ? local.date() : utcTime.toUTC().date();
    return ymd(day.year(), day.month(), day.day());
}

QString date2AnsiFormat(const QDate &date)
{
    if (!date.isValid())
        return QString();
    return ymd(date.year(), date.month(), date.day());
}

bool matchesMask(const QString &name, const QString &pattern)
{
    // "*.*" is the usual "everything" mask, names without a point included.
    if (pattern == QLatin1String("*.*") || pattern == QLatin1String("*"))
        return true;
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(
                                    pattern, QRegularExpression::UnanchoredWildcardConversion),
                                QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = re.match(name);
    return m.hasMatch() && m.capturedStart() == 0 && m.capturedLength() == name.size();
}

static void splitMask(const QString &searchMask, QString *folder, QString *pattern)
{
    const int slash = searchMask.lastIndexOf(QLatin1Char('/'));
    *folder = slash < 0 ? QStringLiteral(".") : searchMask.left(slash + 1);
    *pattern = searchMask.mid(slash + 1);
}

bool lessIgnoringCase(const QString &a, const QString &b)
{
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

static FileDirEntry makeEntry(const QFileInfo &info, const QString &name)
{
    FileDirEntry e;
    e.name = name;
    const uint32_t bits = fileAttributeBits(info);
    e.size = (bits & AttrDirectory) ? 0 : info.size();
    e.attributes = findFileAttributes(bits);
    e.date = winFile2AnsiLocalTime(info.lastModified().toUTC());
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    e.extension = dot < 0 ? QString() : name.mid(dot + 1);
    return e;
}

FileDirEntries getFileDir(const QString &searchMask)
{
    QString folder, pattern;
    splitMask(searchMask, &folder, &pattern);
    FileDirEntries result;
    QDir dir(folder);
    if (pattern.isEmpty() || !dir.exists() || !dir.isReadable())
        return result;
    const QFileInfoList infos = dir.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QFileInfo &info : infos) {
        const QString name = info.fileName();
        if (matchesMask(name, pattern))
            result.push_back(makeEntry(info, name));
    }
    std::sort(result.begin(), result.end(),
              [](const FileDirEntry &a, const FileDirEntry &b) { return lessIgnoringCase(a.name, b.name); });
    return result;
}

FileDirEntries getFiles(const QString &searchMask)
{
    FileDirEntries rows = getFileDir(searchMask);
    rows.erase(std::remove_if(rows.begin(), rows.end(), [](const FileDirEntry &e) { return e.isFolder(); }),
               rows.end());
    return rows;
}

QStringList getSubDirectories(const QString &searchMask)
{
    QString folder, pattern;
    splitMask(searchMask, &folder, &pattern);
    QStringList names;
    struct stat parent;
    const bool parentKnown = ::stat(QFile::encodeName(folder).constData(), &parent) == 0;
    for (const FileDirEntry &e : getFileDir(searchMask)) {
        const QString trimmed = e.name.trimmed();
        if (!e.isFolder() || trimmed == QLatin1String(".") || trimmed == QLatin1String(".."))
            continue;
        const QString full = QDir(folder).filePath(e.name);
        struct stat st;
        if (::lstat(QFile::encodeName(full).constData(), &st) != 0 || S_ISLNK(st.st_mode))
            continue;
        // Only a folder on another device than its parent is a mount point worth a look at
        // the mount table.
        if ((!parentKnown || st.st_dev != parent.st_dev) && isPseudoFileSystem(full))
            continue;
        names << e.name;
    }
    std::sort(names.begin(), names.end(), lessIgnoringCase);
    return names;
}

} // namespace gb
