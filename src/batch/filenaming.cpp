#include "batch/filenaming.h"

#include "common/messages.h"
#include "common/safefile.h"

#include <QFileInfo>

#include <algorithm>
#include <QHash>

namespace gb {

FileNameParts splitFileName(const QString &path)
{
    FileNameParts parts;
    parts.fileName = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const int dot = parts.fileName.lastIndexOf(QLatin1Char('.'));
    parts.hasExtension = dot >= 0;
    parts.baseName = parts.hasExtension ? parts.fileName.left(dot) : parts.fileName;
    parts.extension = parts.hasExtension ? parts.fileName.mid(dot + 1) : QString();
    return parts;
}

QString numberText(int start, int index, int length)
{
    // No file name is longer than 255 characters, so a stored length beyond that (a damaged
    // record) cannot make a usable name: pad no further than that.
    length = std::min(length, kMaxNumberTextLength);
    const QString digits = QString::number(qint64(start) + index - 1);
    if (length <= 0 || digits.size() >= length)
        return digits;
    // A negative number keeps its sign in front of the zeros.
    if (digits.startsWith(QLatin1Char('-')))
        return QLatin1Char('-') + digits.mid(1).rightJustified(length - 1, QLatin1Char('0'));
    return digits.rightJustified(length, QLatin1Char('0'));
}

QString namingTextInUse(int naming, const QString &text, const QString &suffix, const QString &prefix)
{
    switch (naming) {
    case NamingNamePlusText: return text;
    case NamingNumberPlusSuffix: return suffix;
    case NamingPrefixPlusNumber: return prefix;
    default: return QString();
    }
}

QString applyFileNaming(int naming, const QString &fileName, const QString &number, const QString &text,
                        const QString &suffix, const QString &prefix)
{
    const FileNameParts parts = splitFileName(fileName);
    const QString extension = parts.hasExtension ? QLatin1Char('.') + parts.extension : QString();
    switch (naming) {
    case NamingNamePlusText: return parts.baseName + text + extension;
    case NamingNumberPlusSuffix: return number + suffix + extension;
    case NamingPrefixPlusNumber: return prefix + number + extension;
    default: return parts.fileName;
    }
}

bool mayOverwrite(int mode, QWidget *owner, const QString &path)
{
    if (!QFileInfo::exists(path))
        return true;
    if (mode == OverwriteNever)
        return false;
    if (mode == OverwriteAsk)
        return confirmDelete(owner, QStringLiteral("File: ") + path + QStringLiteral(" exist and will be overwritten"));
    return true;
}

namespace {

// One spelling per file: absolute, with "." and ".." resolved and links followed where
// the file or its folder exists, so two spellings of one target compare equal.
QString pathKey(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : folder + QLatin1Char('/') + info.fileName();
}

} // namespace

QString findOutputClash(const QStringList &sources, const QStringList &outputs)
{
    QHash<QString, int> sourceAt;
    for (int i = 0; i < sources.size(); ++i)
        sourceAt.insert(pathKey(sources[i]), i);
    QHash<QString, int> outputAt;
    for (int i = 0; i < outputs.size(); ++i) {
        const QString &out = outputs[i];
        if (out.isEmpty())
            continue;
        const QString key = pathKey(out);
        const auto src = sourceAt.constFind(key);
        if (src != sourceAt.constEnd() || (QFileInfo::exists(out) && i < sources.size() && sameFile(out, sources[i])))
            return QStringLiteral("The output file %1 would replace the source file %2").arg(out, sources.value(src != sourceAt.constEnd() ? *src : i));
        const auto other = outputAt.constFind(key);
        if (other != outputAt.constEnd())
            return QStringLiteral("The source files %1 and %2 would both be written to %3")
                .arg(sources.value(*other), sources.value(i), out);
        outputAt.insert(key, i);
    }
    return QString();
}

} // namespace gb
