#include "common/safefile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
#endif

namespace gb {

namespace {

constexpr int kRandomLength = 6;
constexpr int kNameMax = NAME_MAX;

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

void randomise(QByteArray &name)
{
    static const char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (qsizetype i = name.size() - kRandomLength; i < name.size(); ++i)
        name[i] = kChars[QRandomGenerator::global()->bounded(int(sizeof kChars - 1))];
}

// The writer's process id that a leftover's name of the given kind carries, or 0 when
// the name is not one of ours: the marker, decimal digits, "-" and the random part.
pid_t writerOf(const char *entry, Leftover kind)
{
    const QByteArray name(entry);
    const QByteArray marker = markerOf(kind);
    const qsizetype at = name.lastIndexOf(marker);
    if (!name.startsWith('.') || at < 0 || (kind == Leftover::Write ? at == 0 : at != 0))
        return 0;
    const qsizetype digits = at + marker.size();
    const qsizetype dash = name.size() - kRandomLength - 1;
    if (dash <= digits || dash - digits > 10 || name.at(dash) != '-')
        return 0;
    qlonglong pid = 0;
    for (qsizetype i = digits; i < dash; ++i) {
        const char c = name.at(i);
        if (c < '0' || c > '9')
            return 0;
        pid = pid * 10 + (c - '0');
    }
    return pid > 1 && pid <= INT_MAX ? pid_t(pid) : 0;
}

// Only a process that certainly no longer exists is gone; one of another user answers
// EPERM and counts as alive.
bool writerGone(pid_t pid)
{
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

// A staging folder holds only the files its run made: they are removed, then the folder.
// Anything else inside keeps the folder and all it holds.
bool removeStagingFolder(int parent, const char *name)
{
    const int fd = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    DIR *dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return false;
    }
    QList<QByteArray> files;
    bool onlyFiles = true;
    while (const dirent *e = ::readdir(dir)) {
        if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0)
            continue;
        struct stat st;
        onlyFiles = onlyFiles && ::fstatat(fd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode);
        files << QByteArray(e->d_name);
    }
    if (onlyFiles)
        for (const QByteArray &file : files)
            ::unlinkat(fd, file.constData(), 0);
    ::closedir(dir);
    return onlyFiles && ::unlinkat(parent, name, AT_REMOVEDIR) == 0;
}

} // namespace

QByteArray leftoverTemplate(Leftover kind, const QString &target)
{
    const QByteArray tail = markerOf(kind) + QByteArray::number(qlonglong(::getpid())) + '-'
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
    QList<QByteArray> dead;
    while (const dirent *e = ::readdir(dir)) {
        const pid_t pid = writerOf(e->d_name, kind);
        if (pid > 0 && writerGone(pid))
            dead << QByteArray(e->d_name);
    }
    int removed = 0;
    for (const QByteArray &name : dead) {
        struct stat st;
        if (::fstatat(fd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (kind == Leftover::Staging ? S_ISDIR(st.st_mode) && removeStagingFolder(fd, name.constData())
                                      : S_ISREG(st.st_mode) && ::unlinkat(fd, name.constData(), 0) == 0)
            ++removed;
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

int noReplaceRename(const QByteArray &from, const QByteArray &to)
{
#ifdef SYS_renameat2
    if (syscall(SYS_renameat2, AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return errno;
#endif
    if (::link(from.constData(), to.constData()) != 0)
        return errno;
    if (::unlink(from.constData()) != 0) {
        const int saved = errno;
        ::unlink(to.constData());
        return saved;
    }
    return 0;
}

int moveIntoPlace(const QByteArray &from, const QByteArray &to, bool replace)
{
    if (replace)
        return ::rename(from.constData(), to.constData()) == 0 ? 0 : errno;
    const int rc = noReplaceRename(from, to);
    if (rc != EPERM && rc != EOPNOTSUPP && rc != ENOTSUP && rc != EMLINK)
        return rc;
    // A file system with neither an exclusive rename nor hard links (FAT and the like on a
    // memory card) still takes new files: the look before the rename is the best it allows.
    struct stat st;
    if (::lstat(to.constData(), &st) == 0)
        return EEXIST;
    return ::rename(from.constData(), to.constData()) == 0 ? 0 : errno;
}

PendingFile::PendingFile(const QString &target, Leftover kind)
    : mTarget(QFile::encodeName(target))
{
    struct stat st;
    mTargetFound = ::lstat(mTarget.constData(), &st) == 0;
    const QByteArray pattern = leftoverTemplate(kind, target);
    for (int attempt = 0; attempt < 100 && mFd < 0; ++attempt) {
        QByteArray name = pattern;
        randomise(name);
        mFd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (mFd >= 0)
            mTemp = name;
        else if (errno != EEXIST)
            break;
    }
    if (mFd < 0) {
        fail(errno);
        return;
    }
    // The file that is replaced hands on its permissions.
    if (mTargetFound && ::stat(mTarget.constData(), &st) == 0 && S_ISREG(st.st_mode))
        ::fchmod(mFd, st.st_mode & 07777);
}

PendingFile::~PendingFile()
{
    if (mFd >= 0)
        ::close(mFd);
    if (!mCommitted && !mTemp.isEmpty())
        ::unlink(mTemp.constData());
}

bool PendingFile::fail(int code)
{
    mError = QString::fromLocal8Bit(std::strerror(code));
    return false;
}

bool PendingFile::write(const char *data, qint64 size)
{
    if (mFd < 0)
        return false;
    while (size > 0) {
        const ssize_t n = ::write(mFd, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return fail(n < 0 ? errno : ENOSPC);
        data += n;
        size -= n;
    }
    return true;
}

bool PendingFile::commit(Replace replace, bool sync)
{
    if (mFd < 0)
        return false;
    int rc = 0;
    if (sync && ::fsync(mFd) != 0)
        rc = errno;
    if (::close(mFd) != 0 && rc == 0)
        rc = errno;
    mFd = -1;
    if (rc == 0)
        rc = moveIntoPlace(mTemp, mTarget, replace == Replace::Always || (replace == Replace::IfFound && mTargetFound));
    if (rc != 0) {
        ::unlink(mTemp.constData());
        mTemp.clear();
        return fail(rc);
    }
    mCommitted = true;
    if (sync)
        syncFolderToDisk(QFile::decodeName(mTarget));
    return true;
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    PendingFile file(path);
    const auto failed = [&](const char *step) {
        if (error)
            *error = QStringLiteral("%1 %2: %3").arg(QLatin1String(step), path, file.errorString());
        return false;
    };
    if (!file.isOpen())
        return failed("Cannot create");
    if (!file.write(bytes))
        return failed("Cannot write");
    if (!file.commit(PendingFile::Replace::IfFound, true))
        return failed("Cannot save");
    return true;
}

bool syncFileToDisk(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

void syncFolderToDisk(const QString &path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool sameFile(const QString &a, const QString &b)
{
    struct stat sa, sb;
    if (::stat(QFile::encodeName(a).constData(), &sa) != 0 || ::stat(QFile::encodeName(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

} // namespace gb
