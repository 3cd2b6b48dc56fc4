#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class QFileInfo;

namespace gb {

// One entry of a folder listing: its name without the folder, its size in bytes (0 for
// folders), its attribute letters, its last-write day in local time as YYYYMMDD and its
// extension (the text after the last "." of the name, case kept, empty without a point).
struct FileDirEntry
{
    QString name;
    qint64 size = 0;
    QString attributes;
    QString date;
    QString extension;

    bool isFolder() const { return attributes.contains(QLatin1Char('D')); }
    bool operator==(const FileDirEntry &) const = default;
};
using FileDirEntries = std::vector<FileDirEntry>;

// Attribute bits, as the letters below stand for them.
enum FileAttributeBit : uint32_t {
    AttrReadOnly = 0x1,
    AttrHidden = 0x2,
    AttrSystem = 0x4,
    AttrDirectory = 0x10,
    AttrArchive = 0x20,
    AttrNormal = 0x80,
    AttrTemporary = 0x100,
    AttrCompressed = 0x800,
};

// The letters of the bits that are set, always in the order A C D H N R S T; other bits are
// ignored, no bit gives the empty text.
QString findFileAttributes(uint32_t bits);

// The attribute bits this system can tell for an entry: D for folders, A for every regular
// file (as a freshly written file carries it), H for names beginning with ".", R when the
// user may not write it, S for devices, sockets and pipes.
uint32_t fileAttributeBits(const QFileInfo &info);

// The local calendar day of a point in time as YYYYMMDD (the year with as many digits as it
// has); the empty text for an invalid time. A time that cannot be put into local time is
// taken as UTC.
QString winFile2AnsiLocalTime(const QDateTime &utcTime);

// A date as year digits, two-digit month and two-digit day; 8 March 2002 gives "20020308".
// The empty text for an invalid date.
QString date2AnsiFormat(const QDate &date);

// The order of every listing of the program: names compare by their letters ignoring case,
// and names that differ in case alone by their code points, so the order is total and each
// listing comes out the same on every run ("apple.jpg" < "Bridge.jpg" < "bridge.jpg").
bool lessIgnoringCase(const QString &a, const QString &b);
// The same order for sorted containers: std::set<QString, LessIgnoringCase>.
struct LessIgnoringCase {
    bool operator()(const QString &a, const QString &b) const { return lessIgnoringCase(a, b); }
};

// True when the file name matches the pattern ("*" any run, "?" one character), ignoring
// letter case.
bool matchesMask(const QString &name, const QString &pattern);

// Every entry of a folder that matches the pattern of a search mask (folder + pattern,
// such as "/photos/*.jpg" or "/photos/*.*"), files and folders alike, "." and ".." included
// when the pattern lets them through, ordered by name ignoring case. A missing or unreadable
// folder or no match gives an empty list; nothing is shown.
FileDirEntries getFileDir(const QString &searchMask);

// The entries of getFileDir() that are not folders, ordered by name ignoring case.
FileDirEntries getFiles(const QString &searchMask);

// The names of the sub-folders of getFileDir() without "." and "..", sorted ascending
// ignoring case. Symbolic links to folders and mount points of pseudo file systems are left
// out, so that a walk down the tree never loops and never wanders into /proc or /sys.
QStringList getSubDirectories(const QString &searchMask);

} // namespace gb
