#include "renamer/renamer.h"

#include "renamer/renamecommand.h"

#include <algorithm>
#include <vector>

namespace gb {

namespace {

// The number lengths a dialog can store go up to 9999; a damaged record cannot ask for more.
constexpr int kMaxNumberLength = 9999;

// The running number of a file: n = start + index - 1 in decimal, with "0" put in front
// while it is shorter than length. Never cut, so a short length leaves all the digits.
QString numberText(int start, int length, int index)
{
    const qint64 n = qint64(start) + index - 1;
    QString text = QString::number(n);
    const int width = std::min(length, kMaxNumberLength);
    if (text.size() < width)
        text.prepend(QString(width - text.size(), QLatin1Char('0')));
    return text;
}

// The non-overlapping occurrences of pattern in name, from left to right.
std::vector<qsizetype> occurrences(const QString &name, const QString &pattern)
{
    std::vector<qsizetype> found;
    if (pattern.isEmpty())
        return found;
    for (qsizetype at = name.indexOf(pattern); at >= 0; at = name.indexOf(pattern, at + pattern.size()))
        found.push_back(at);
    return found;
}

// Pattern mode of Delete and Replace. With casing ignored (any code but 2) the search runs
// on the lower-cased name and pattern, and the result is built from the lower-cased name,
// so the whole base name comes out in lower case whether or not the pattern was found.
QString replacePattern(const QString &baseName, const DeleteRenameParams &p, const QString &replacement)
{
    if (p.occurrence < 1 || p.occurrence > 3)
        return baseName;
    const bool respect = p.casing == 2;
    QString name = respect ? baseName : baseName.toLower();
    const QString pattern = respect ? p.pattern : p.pattern.toLower();
    const std::vector<qsizetype> found = occurrences(name, pattern);
    if (found.empty())
        return name;

    std::vector<qsizetype> chosen;
    if (p.occurrence == 1)
        chosen.push_back(found.front());
    else if (p.occurrence == 3)
        chosen.push_back(found.back());
    else
        chosen = found;
    // From the right, so that earlier positions stay valid.
    for (auto it = chosen.rbegin(); it != chosen.rend(); ++it)
        name.replace(*it, pattern.size(), replacement);
    return name;
}

// Mode 2 of Delete and Replace: the characters from the start position on (all of them
// with till the end, else count of them) give way to the replacement. A start position
// past the end leaves the name alone; one below 1 counts as 1.
QString replaceSome(const QString &baseName, const DeleteRenameParams &p, const QString &replacement)
{
    if (p.startPos > baseName.size())
        return baseName;
    const qsizetype from = std::max(p.startPos, 1) - 1;
    if (p.tillTheEnd)
        return baseName.left(from) + replacement;
    const qsizetype count = std::max(p.count, 0);
    return baseName.left(from) + replacement + baseName.mid(std::min(from + count, baseName.size()));
}

} // namespace

QStringList Renamer::rename(const QStringList &paths) const
{
    QStringList result;
    result.reserve(paths.size());
    for (qsizetype i = 0; i < paths.size(); ++i)
        result.append(extractPath(paths[i]) + applyScript(extractFile(paths[i]), int(i + 1)));
    return result;
}

QString Renamer::applyScript(const QString &fileName, int index) const
{
    QString base = fileWithoutExtension(fileName);
    const QString extension = fileExtension(fileName);
    for (const Value &command : mData) {
        const ValueArray data = renameCommandData(command);
        switch (renameCommandKind(command)) {
        case RenameInsert:
            base = insertChars(base, data, index);
            break;
        case RenameDelete:
            base = deleteChars(base, data, index);
            break;
        case RenameReplace:
            base = replaceChars(base, data, index);
            break;
        case RenameCasing:
            base = changeCase(base, data, index);
            break;
        default:
            break;
        }
    }
    return base + extension;
}

QString Renamer::insertChars(const QString &baseName, const ValueArray &data, int index)
{
    const InsertRenameParams p = InsertRenameParams::fromData(data);
    const QString insert = p.what == 1 ? p.text : numberText(p.numberStart, p.numberLength, index);
    int where = p.where;
    if (where == 3 && p.position > baseName.size())
        where = 2;
    if (where == 1)
        return insert + baseName;
    if (where == 2)
        return baseName + insert;
    const qsizetype at = std::max(p.position, 1) - 1;
    return baseName.left(at) + insert + baseName.mid(at);
}

QString Renamer::deleteChars(const QString &baseName, const ValueArray &data, int index)
{
    const DeleteRenameParams p = DeleteRenameParams::fromData(data);
    switch (p.mode) {
    case 1:
        return QString();
    case 2:
        return replaceSome(baseName, p, QString());
    case 3:
        return replacePattern(baseName, p, QString());
    }
    return baseName;
}

QString Renamer::replaceChars(const QString &baseName, const ValueArray &data, int index)
{
    const ReplaceRenameParams p = ReplaceRenameParams::fromData(data);
    const QString replacement = p.with == 1 ? p.text : numberText(p.numberStart, p.numberLength, index);
    switch (p.mode) {
    case 1:
        return replacement;
    case 2:
        return replaceSome(baseName, p, replacement);
    case 3:
        return replacePattern(baseName, p, replacement);
    }
    return baseName;
}

QString Renamer::changeCase(const QString &baseName, const ValueArray &data, int)
{
    switch (CasingRenameParams::fromData(data).casing) {
    case 1:
        return baseName.toLower();
    case 2:
        return baseName.toUpper();
    case 3:
        return baseName.left(1).toUpper() + baseName.mid(1).toLower();
    }
    return baseName;
}

QString Renamer::extractPath(const QString &path)
{
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString Renamer::extractFile(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString Renamer::fileWithoutExtension(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

QString Renamer::fileExtension(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : fileName.mid(dot);
}

} // namespace gb
