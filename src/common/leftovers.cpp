#include "common/leftovers.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>

#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gb {

namespace {

constexpr int kRandomLength = 6;
constexpr int kHostLength = 64;
constexpr int kNameMax = NAME_MAX;
// The file in a Staging folder whose lock stands for the folder.
constexpr char kLockName[] = ".gblock";

QByteArray markerOf(Leftover kind)
{
    switch (kind) {
    case Leftover::Write:
        return QByteArrayLiteral(".gbtmp-");
    case Leftover::Copy:
        return QByteArrayLiteral(".gbcopy-");
    case Leftover::Staging:
        break;
    }
    return QByteArrayLiteral(".staging-");
}

QByteArray withSlash(QByteArray folder)
{
    if (!folder.endsWith('/'))
        folder += '/';
    return folder;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLetterOrDigit(char c)
{
    return isDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

void randomise(QByteArray &name)
{
    static const char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (qsizetype i = name.size() - kRandomLength; i < name.size(); ++i)
        name[i] = kChars[QRandomGenerator::global()->bounded(int(sizeof kChars - 1))];
}

// A decimal number as QByteArray::number() writes one: digits, no leading zero, within int.
bool isNumber(const QByteArray &text)
{
    if (text.isEmpty() || text.size() > 10 || (text.size() > 1 && text.startsWith('0')))
        return false;
    for (const char c : text)
        if (!isDigit(c))
            return false;
    return text.toLongLong() <= INT_MAX;
}

// Where the kind's marker begins in name when name is exactly one that a writer of this
// host makes (see Leftover), else -1.
qsizetype markerAt(const QByteArray &name, Leftover kind)
{
    const qsizetype dash = name.size() - kRandomLength - 1;
    if (dash < 0 || name.at(dash) != '-')
        return -1;
    for (qsizetype i = dash + 1; i < name.size(); ++i)
        if (!isLetterOrDigit(name.at(i)))
            return -1;
    qsizetype digits = dash;
    while (digits > 0 && isDigit(name.at(digits - 1)))
        --digits;
    const QByteArray pid = name.mid(digits, dash - digits);
    if (!isNumber(pid) || pid == "0")
        return -1;
    const QByteArray head = markerOf(kind) + leftoverHost() + '-';
    const qsizetype at = digits - head.size();
    if (at < 0 || name.mid(at, head.size()) != head)
        return -1;
    // A Write name is "." and the target's name before the marker; the others start with it.
    if (kind == Leftover::Write ? at < 2 || !name.startsWith('.') : at != 0)
        return -1;
    return at;
}

// What a Staging folder's writer puts in it besides its lock file: numbered files, and
// their temporary files while they are written.
bool isStagedName(const QByteArray &name)
{
    return isNumber(name);
}

bool isStagedTemporary(const QByteArray &name)
{
    const qsizetype at = markerAt(name, Leftover::Write);
    return at > 0 && isStagedName(name.mid(1, at - 1));
}

bool sameInode(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The writer's lock: exclusive, over the whole file, on the open file description, so it
// conflicts with every other open of the file (one in this very process too) and ends only
// when the writer closes the file or its process ends. 0, EAGAIN when it is held, or why
// it could not be tried.
int lockForWriting(int fd)
{
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    if (::fcntl(fd, F_OFD_SETLK, &lock) == 0)
        return 0;
    return errno == EACCES ? EAGAIN : errno;
}

// The path a temporary file or folder of the given kind takes for target (a file path;
// for Staging the folder to stage in), with the random part still "XXXXXX".
QByteArray leftoverTemplate(Leftover kind, const QString &target)
{
    const QByteArray tail = markerOf(kind) + leftoverHost() + '-' + QByteArray::number(qlonglong(::getpid())) + '-'
                            + QByteArray(kRandomLength, 'X');
    if (kind == Leftover::Staging)
        return withSlash(QFile::encodeName(target)) + tail;
    const QFileInfo info(target);
    const QByteArray folder = withSlash(QFile::encodeName(info.absolutePath()));
    if (kind == Leftover::Copy)
        return folder + tail;
    // A name near the system's limit is cut: the temporary name only needs to be told apart.
    const QByteArray name = QFile::encodeName(info.fileName()).left(kNameMax - 1 - tail.size());
    return folder + '.' + name + tail;
}

// Makes path exclusively and locks it, so that no sweep ever removes it while it is ours.
//
// Between the making and the lock, a sweep may find the new name unlocked and take it for
// a dead writer's. Then either the sweep still holds its lock when ours is tried (EAGAIN),
// or it has removed the name by the time we look whether the name still leads to our
// file; either way the file is the sweep's to remove and we start over under a fresh name.
// Once our lock is in place and the name still leads to our file, no sweep can take it.
// So a sweep needs no "too young to judge" grace period, which would rest on clocks that
// machines sharing a folder do not agree on, and on a guess of how long a writer may be
// held up between the two steps.
//
// On a file system without locks the file is kept unlocked: no sweep can lock it there
// either, so it is never taken for dead. Returns the descriptor, or -1 with errno set
// (EAGAIN: taken by a sweep; try another name).
int createLocked(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return -1;
    const int rc = lockForWriting(fd);
    struct stat made, named;
    if (rc == 0 ? ::fstat(fd, &made) == 0 && ::lstat(path.constData(), &named) == 0 && sameInode(made, named)
                : rc != EAGAIN)
        return fd;
    ::close(fd);
    errno = EAGAIN;
    return -1;
}

// Opens the regular file name in dirFd and takes its lock when no writer holds it. Returns
// the descriptor that holds the lock, or -1 when a writer holds it or it cannot be told (not
// a regular file, not to be opened, a file system without locks, a name that meanwhile
// leads to another file).
int claimIfDead(int dirFd, const char *name)
{
    struct stat before;
    if (::fstatat(dirFd, name, &before, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(before.st_mode))
        return -1;
    // A shared lock needs only read access and still conflicts with the writer's; a file we
    // may not read (a copy of an unreadable original) is locked through write access.
    struct flock lock {};
    lock.l_type = F_RDLCK;
    lock.l_whence = SEEK_SET;
    int fd = ::openat(dirFd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == EACCES) {
        lock.l_type = F_WRLCK;
        fd = ::openat(dirFd, name, O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    }
    if (fd < 0)
        return -1;
    struct stat opened, after;
    if (::fstat(fd, &opened) == 0 && sameInode(opened, before) && ::fcntl(fd, F_OFD_SETLK, &lock) == 0
        && ::fstatat(dirFd, name, &after, AT_SYMLINK_NOFOLLOW) == 0 && sameInode(after, opened))
        return fd;
    ::close(fd);
    return -1;
}

// Empties a Staging folder of what its writer made (numbered files, their temporary files
// whose lock can be taken, the lock file), then removes the folder, name in parentFd; the
// caller holds the folder's lock. An entry of anything else is not ours to remove: in a
// swept folder it keeps the folder and all it holds (even a numbered file may then be the
// user's), while the folder's own writer removes what it made and leaves the rest.
enum class Foreign { KeepsAll, StaysAlone };

bool clearStagingFolder(int parentFd, const char *name, int dirFd, Foreign foreign)
{
    const int listFd = ::fcntl(dirFd, F_DUPFD_CLOEXEC, 0);
    DIR *dir = listFd >= 0 ? ::fdopendir(listFd) : nullptr;
    if (!dir) {
        if (listFd >= 0)
            ::close(listFd);
        return false;
    }
    QList<QByteArray> staged;
    QList<int> claimed;
    bool onlyOurs = true;
    while (const dirent *e = ::readdir(dir)) {
        const QByteArray entry(e->d_name);
        if (entry == "." || entry == ".." || entry == kLockName)
            continue;
        struct stat st;
        bool ours = false;
        if (isStagedName(entry)) {
            ours = ::fstatat(dirFd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode);
        } else if (isStagedTemporary(entry)) {
            const int fd = claimIfDead(dirFd, e->d_name);
            ours = fd >= 0;
            if (ours)
                claimed << fd;
        }
        if (ours)
            staged << entry;
        onlyOurs = onlyOurs && ours;
        if (!onlyOurs && foreign == Foreign::KeepsAll)
            break;
    }
    ::closedir(dir);
    bool removed = false;
    if (onlyOurs || foreign == Foreign::StaysAlone) {
        for (const QByteArray &entry : staged)
            ::unlinkat(dirFd, entry.constData(), 0);
        ::unlinkat(dirFd, kLockName, 0);
        removed = onlyOurs && ::unlinkat(parentFd, name, AT_REMOVEDIR) == 0;
    }
    for (const int fd : claimed)
        ::close(fd);
    return removed;
}

// A swept Staging folder goes when its lock can be taken and it holds only what its writer
// made. One without a lock file was left by a writer killed between making the folder and
// its lock file, or is being made this very moment: it goes only when empty (a writer about
// to lock then finds its folder gone and starts over), while anything in it keeps it.
bool removeStagingFolder(int parentFd, const char *name)
{
    const int dirFd = ::openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dirFd < 0)
        return false;
    bool removed = false;
    struct stat st;
    const int lockFd = claimIfDead(dirFd, kLockName);
    if (lockFd >= 0) {
        removed = clearStagingFolder(parentFd, name, dirFd, Foreign::KeepsAll);
        ::close(lockFd);
    } else if (::fstatat(dirFd, kLockName, &st, AT_SYMLINK_NOFOLLOW) != 0 && errno == ENOENT) {
        removed = ::unlinkat(parentFd, name, AT_REMOVEDIR) == 0;
    }
    ::close(dirFd);
    return removed;
}

} // namespace

QByteArray leftoverHost()
{
    static const QByteArray host = [] {
        char buffer[256] = {};
        QByteArray name;
        if (::gethostname(buffer, sizeof buffer - 1) == 0)
            name = QByteArray(buffer).left(kHostLength);
        for (char &c : name)
            if (!isLetterOrDigit(c) && c != '.' && c != '-' && c != '_')
                c = '_';
        return name.isEmpty() ? QByteArrayLiteral("localhost") : name;
    }();
    return host;
}

int createLeftoverFile(Leftover kind, const QString &target, QByteArray *path)
{
    const QByteArray pattern = leftoverTemplate(kind, target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray name = pattern;
        randomise(name);
        const int fd = createLocked(name);
        if (fd >= 0) {
            *path = name;
            return fd;
        }
        if (errno != EEXIST && errno != EAGAIN)
            break;
    }
    return -1;
}

int removeDeadLeftovers(const QString &folder, Leftover kind)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    DIR *dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return 0;
    }
    QList<QByteArray> ours;
    while (const dirent *e = ::readdir(dir))
        if (markerAt(QByteArray(e->d_name), kind) >= 0)
            ours << QByteArray(e->d_name);
    int removed = 0;
    for (const QByteArray &name : ours) {
        if (kind == Leftover::Staging) {
            removed += removeStagingFolder(fd, name.constData());
            continue;
        }
        const int locked = claimIfDead(fd, name.constData());
        if (locked < 0)
            continue;
        removed += ::unlinkat(fd, name.constData(), 0) == 0;
        ::close(locked);
    }
    ::closedir(dir);
    return removed;
}

int removeDeadLeftovers(const QStringList &folders, Leftover kind)
{
    QSet<QString> seen;
    int removed = 0;
    for (const QString &folder : folders) {
        const QString key = QFileInfo(folder + QLatin1Char('/')).absolutePath();
        if (folder.isEmpty() || seen.contains(key))
            continue;
        seen.insert(key);
        removed += removeDeadLeftovers(folder, kind);
    }
    return removed;
}

StagingFolder::StagingFolder(const QString &folder)
{
    const QByteArray pattern = leftoverTemplate(Leftover::Staging, folder);
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray name = pattern;
        randomise(name);
        if (::mkdir(name.constData(), 0700) != 0) {
            if (errno == EEXIST)
                continue;
            break;
        }
        // The folder is locked through a file in it, made and locked as a temporary file is.
        mLockFd = createLocked(name + '/' + kLockName);
        if (mLockFd >= 0) {
            mPath = QFile::decodeName(name);
            return;
        }
        // EAGAIN or ENOENT: a sweep took the folder before its lock was in place, and
        // removes it. Anything else is a real failure, and the empty folder is ours to remove.
        if (errno != EAGAIN && errno != ENOENT) {
            const int saved = errno;
            ::rmdir(name.constData());
            errno = saved;
            break;
        }
    }
    mError = QString::fromLocal8Bit(std::strerror(errno));
}

StagingFolder::~StagingFolder()
{
    if (!isValid())
        return;
    // The lock is held until the folder is gone, so no sweep comes between.
    const QByteArray path = QFile::encodeName(mPath);
    const int dirFd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dirFd >= 0) {
        clearStagingFolder(AT_FDCWD, path.constData(), dirFd, Foreign::StaysAlone);
        ::close(dirFd);
    }
    ::close(mLockFd);
}

QString StagingFolder::filePath(int index) const
{
    return mPath + QLatin1Char('/') + QString::number(index);
}

} // namespace gb
