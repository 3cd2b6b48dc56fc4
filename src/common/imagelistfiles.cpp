#include "common/imagelistfiles.h"

#include "common/filedialogs.h"
#include "common/messages.h"
#include "common/safefile.h"

#include <QFile>
#include <QFileInfo>

namespace gb {

namespace {

const QString kEndOfEntry = QStringLiteral("</eor>");
const QString kCrLf = QStringLiteral("\r\n");

// Splits text into lines at CR LF, LF or a lone CR; a final line end starts no new line.
QStringList splitLines(const QByteArray &bytes)
{
    const QString text = QString::fromUtf8(bytes);
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines << text.mid(start);
    return lines;
}

// Writes the bytes through a temporary file beside the target, with the two error boxes.
bool writeWithBoxes(QWidget *owner, const QString &path, const QByteArray &bytes)
{
    // A write killed before has left its temporary file here; it goes now.
    removeDeadLeftovers(QFileInfo(path).absolutePath(), Leftover::Write);
    PendingFile file(path);
    if (!file.isOpen()) {
        errorMsg(owner, QStringLiteral("Unable to create file: ") + path + kCrLf + file.errorString());
        return false;
    }
    if (!file.write(bytes) || !file.commit(PendingFile::Replace::IfFound, true)) {
        errorMsg(owner, QStringLiteral("An error occured, during file saving. ") + kCrLf + file.errorString());
        return false;
    }
    return true;
}

QByteArray readAllOf(const QString &path, bool *opened)
{
    QFile file(path);
    *opened = file.open(QIODevice::ReadOnly);
    return *opened ? file.readAll() : QByteArray();
}

} // namespace

QByteArray encodeImageList(const QStringList &paths)
{
    QByteArray out;
    for (const QString &p : paths)
        out += (p + kCrLf).toUtf8();
    return out;
}

QStringList decodeImageList(const QByteArray &bytes)
{
    return splitLines(bytes);
}

QByteArray encodeComments(const std::vector<CommentEntry> &entries)
{
    QString text = QString::fromLatin1(kCommentsFileHeader) + kCrLf;
    for (const CommentEntry &e : entries)
        text += e.file + kCrLf + e.title + kCrLf + e.comment + kCrLf + kEndOfEntry + kCrLf;
    return text.toUtf8();
}

bool decodeComments(const QByteArray &bytes, std::vector<CommentEntry> &entries)
{
    entries.clear();
    const QStringList lines = splitLines(bytes);
    if (lines.isEmpty() || lines.first() != QLatin1String(kCommentsFileHeader))
        return false;
    qsizetype pos = 1;
    const qsizetype n = lines.size();
    while (pos < n) {
        CommentEntry e;
        if (pos < n)
            e.file = lines.at(pos++);
        if (pos < n)
            e.title = lines.at(pos++);
        // The comment runs to the end-of-entry line; its lines are joined by CR LF.
        while (pos < n && lines.at(pos) != kEndOfEntry) {
            e.comment += lines.at(pos);
            if (pos + 1 < n && lines.at(pos + 1) != kEndOfEntry)
                e.comment += kCrLf;
            ++pos;
        }
        ++pos; // past "</eor>"
        entries.push_back(e);
    }
    return true;
}

bool saveImageList(QWidget *owner, const QStringList &paths)
{
    if (paths.isEmpty())
        return true;
    const QString path = getSaveFileName(owner, QStringLiteral("Save Image List ..."));
    if (path.isEmpty())
        return false;
    return writeWithBoxes(owner, path, encodeImageList(paths));
}

QStringList getImageList(QWidget *owner)
{
    const QString path = getOpenFileName(owner, QStringLiteral("Select an Image File List"), OpenImageLists);
    if (path.isEmpty())
        return {};
    bool opened = false;
    const QByteArray bytes = readAllOf(path, &opened);
    return opened ? decodeImageList(bytes) : QStringList();
}

bool saveComments(QWidget *owner, const std::vector<CommentEntry> &entries)
{
    if (entries.empty())
        return true;
    const QString path = getSaveCommentsFileName(owner, QStringLiteral("Save Image Comments File ..."));
    if (path.isEmpty())
        return false;
    return writeWithBoxes(owner, path, encodeComments(entries));
}

std::vector<CommentEntry> readCommentsFile(QWidget *owner)
{
    const QString path =
        getOpenFileName(owner, QStringLiteral("Select an Image Comments File"), OpenCommentsFiles);
    if (path.isEmpty())
        return {};
    bool opened = false;
    std::vector<CommentEntry> entries;
    if (!decodeComments(readAllOf(path, &opened), entries)) {
        errorMsg(owner, QStringLiteral("Unrecognized Comments File Format."));
        return {};
    }
    return entries;
}

} // namespace gb
