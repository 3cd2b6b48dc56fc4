#include "explorer/fileops.h"

#include "common/safefile.h"
#include "renamer/saferename.h"

#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gb {

namespace {

bool gMovesCrossDevice = false;

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

QString systemText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

const QString kSameFile = QStringLiteral("Source and target are the same file");

// Copies every byte of in to out: in the kernel where the file systems allow it, else
// through a buffer. Returns 0 or an errno value.
int copyBytes(int in, int out)
{
    bool kernelCopy = true;
    for (;;) {
        if (kernelCopy) {
            const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, size_t(1) << 30, 0);
            if (n > 0)
                continue;
            if (n == 0)
                return 0;
            if (errno == EINTR)
                continue;
            if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP)
                return errno;
            kernelCopy = false;
        }
        static thread_local char buffer[1 << 20];
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n == 0)
            return 0;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = ::write(out, buffer + done, size_t(n - done));
            if (w < 0) {
                if (errno == EINTR)
                    continue;
                return errno;
            }
            done += w;
        }
    }
}

} // namespace

QString errorSuffix(const QString &systemText)
{
    return QStringLiteral("\r\nError: ") + systemText + QStringLiteral("\r\n");
}

QString targetInFolder(const QString &source, const QString &folder)
{
    const int slash = source.lastIndexOf(QLatin1Char('/'));
    return folder + source.mid(slash + 1);
}

bool copyImageFile(const QString &source, const QString &target, bool replace, QString *error)
{
    const QByteArray src = QFile::encodeName(source);
    const QByteArray dst = QFile::encodeName(target);
    // Non-blocking, so that a named pipe under an image's name cannot hang the window.
    const int in = ::open(src.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (in < 0)
        return fail(error, systemText(errno));
    struct stat st;
    if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(in);
        return fail(error, QStringLiteral("Not a regular file"));
    }
    struct stat tst;
    if (::stat(dst.constData(), &tst) == 0 && tst.st_dev == st.st_dev && tst.st_ino == st.st_ino) {
        ::close(in);
        return fail(error, kSameFile);
    }

    PendingFile out(target, Leftover::Copy);
    if (!out.isOpen()) {
        ::close(in);
        return fail(error, out.errorString());
    }
    int rc = copyBytes(in, out.handle());
    ::close(in);
    if (rc == 0 && ::fchmod(out.handle(), st.st_mode & 07777) != 0)
        rc = errno;
    if (rc == 0) {
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        ::futimens(out.handle(), times);
    }
    if (rc != 0)
        return fail(error, systemText(rc));
    if (!out.commit(replace ? PendingFile::Replace::Always : PendingFile::Replace::Never, false))
        return fail(error, out.errorString());
    return true;
}

bool isSameFile(const QString &source, const QString &target, QString *error)
{
    return sameFile(source, target) && !fail(error, kSameFile);
}

MoveOutcome moveImageFile(const QString &source, const QString &target, QString *error)
{
    if (isSameFile(source, target, error))
        return MoveOutcome::NotMoved;
    const QByteArray src = QFile::encodeName(source);
    const int rc = gMovesCrossDevice ? EXDEV : noReplaceRename(src, QFile::encodeName(target));
    if (rc == 0)
        return MoveOutcome::Moved;
    if (rc != EXDEV) {
        fail(error, systemText(rc));
        return MoveOutcome::NotMoved;
    }
    if (!copyImageFile(source, target, false, error))
        return MoveOutcome::NotMoved;
    if (::unlink(src.constData()) != 0) {
        fail(error, systemText(errno));
        return MoveOutcome::SourceKept;
    }
    return MoveOutcome::Moved;
}

bool removeImageFile(const QString &path, QString *error)
{
    return ::unlink(QFile::encodeName(path).constData()) == 0 || fail(error, systemText(errno));
}

bool renameImageFile(const QString &oldPath, const QString &newPath, QString *error)
{
    QString why;
    if (renameNoReplace(oldPath, newPath, &why))
        return true;
    // The rename names both paths already; the message needs only the reason after them.
    const int colon = why.lastIndexOf(QStringLiteral(": "));
    return fail(error, colon < 0 ? why : why.mid(colon + 2));
}

void setMovesCrossDeviceForTests(bool on)
{
    gMovesCrossDevice = on;
}

} // namespace gb
