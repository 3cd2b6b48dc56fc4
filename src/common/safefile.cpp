#include "common/safefile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
#endif

namespace gb {

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
    mFd = createLeftoverFile(kind, target, &mTemp);
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
    // Removed before it is closed, while its lock still keeps sweeps away.
    if (!mCommitted && !mTemp.isEmpty())
        ::unlink(mTemp.constData());
    if (mFd >= 0)
        ::close(mFd);
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
    // The close reports a write the file system could not finish (a network share writes
    // back on close), so it comes before the move; a second descriptor of the same open
    // keeps the lock on the file until it has its name, so no sweep takes it meanwhile.
    const int lockHolder = rc == 0 ? ::fcntl(mFd, F_DUPFD_CLOEXEC, 0) : -1;
    if (rc == 0 && lockHolder < 0)
        rc = errno;
    if (::close(mFd) != 0 && rc == 0)
        rc = errno;
    mFd = -1;
    if (rc == 0)
        rc = moveIntoPlace(mTemp, mTarget, replace == Replace::Always || (replace == Replace::IfFound && mTargetFound));
    if (rc != 0) {
        ::unlink(mTemp.constData());
        mTemp.clear();
    }
    if (lockHolder >= 0)
        ::close(lockHolder);
    if (rc != 0)
        return fail(rc);
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
