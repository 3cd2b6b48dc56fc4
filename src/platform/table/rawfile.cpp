#include "platform/table/rawfile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gb {

namespace {
int gExitAfterWrites = 0;
}

void tabletesting::exitAfterWrites(int writes)
{
    gExitAfterWrites = writes;
}

RawFile::~RawFile()
{
    close();
}

bool RawFile::fail(const QString &what)
{
    mError = QStringLiteral("%1 %2: %3").arg(what, mPath, QString::fromLocal8Bit(std::strerror(errno)));
    return false;
}

bool RawFile::open(const QString &path, bool readOnly, bool create)
{
    close();
    mPath = path;
    mReadOnly = readOnly;
    int flags = readOnly ? O_RDONLY : O_RDWR;
    if (create)
        flags = O_RDWR | O_CREAT | O_TRUNC;
    mFd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC, 0644);
    if (mFd < 0)
        return fail(create ? QStringLiteral("Cannot create") : QStringLiteral("Cannot open"));
    return true;
}

void RawFile::close()
{
    if (mFd >= 0)
        ::close(mFd);
    mFd = -1;
    mLockDepth = 0;
}

bool RawFile::readAt(int64_t offset, void *buffer, int64_t n)
{
    char *p = static_cast<char *>(buffer);
    while (n > 0) {
        const ssize_t got = ::pread(mFd, p, size_t(n), off_t(offset));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            if (got == 0)
                errno = EIO;
            return fail(QStringLiteral("Cannot read"));
        }
        p += got;
        offset += got;
        n -= got;
    }
    return true;
}

int64_t RawFile::readSome(int64_t offset, void *buffer, int64_t n)
{
    int64_t done = 0;
    while (done < n) {
        const ssize_t got = ::pread(mFd, static_cast<char *>(buffer) + done, size_t(n - done), off_t(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            fail(QStringLiteral("Cannot read"));
            return -1;
        }
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

bool RawFile::writeAt(int64_t offset, const void *data, int64_t n)
{
    const char *p = static_cast<const char *>(data);
    while (n > 0) {
        const ssize_t put = ::pwrite(mFd, p, size_t(n), off_t(offset));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return fail(QStringLiteral("Cannot write"));
        p += put;
        offset += put;
        n -= put;
    }
    if (gExitAfterWrites > 0 && --gExitAfterWrites == 0)
        ::_exit(77);
    return true;
}

int64_t RawFile::size()
{
    struct stat st;
    if (::fstat(mFd, &st) != 0)
        return -1;
    return int64_t(st.st_size);
}

bool RawFile::truncate(int64_t length)
{
    if (::ftruncate(mFd, off_t(length)) != 0)
        return fail(QStringLiteral("Cannot resize"));
    return true;
}

bool RawFile::lock()
{
    if (mLockDepth++ > 0)
        return true;
    int rc;
    do
        rc = ::flock(mFd, mReadOnly ? LOCK_SH : LOCK_EX);
    while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        mLockDepth = 0;
        return fail(QStringLiteral("Cannot lock"));
    }
    return true;
}

void RawFile::unlock()
{
    if (mLockDepth > 0 && --mLockDepth == 0)
        ::flock(mFd, LOCK_UN);
}

} // namespace gb
