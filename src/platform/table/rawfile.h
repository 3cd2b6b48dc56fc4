#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace gb {

// One open file of a table, read and written at explicit offsets with POSIX calls.
//
// Every write goes straight to the operating system (no user-space buffering), so a change
// is in the file as soon as the call returns, and a process killed afterwards loses nothing.
// The lock is an advisory whole-file flock(), shared between the processes that open the
// same table; it is reentrant within one RawFile.
class RawFile
{
public:
    RawFile() = default;
    ~RawFile();
    RawFile(const RawFile &) = delete;
    RawFile &operator=(const RawFile &) = delete;

    // Opens an existing file; create makes a new, empty one (replacing an old one).
    bool open(const QString &path, bool readOnly, bool create = false);
    void close();
    bool isOpen() const { return mFd >= 0; }
    bool isReadOnly() const { return mReadOnly; }
    QString path() const { return mPath; }
    QString errorString() const { return mError; }

    // Reads exactly n bytes; false when the file ends first.
    bool readAt(int64_t offset, void *buffer, int64_t n);
    // Reads up to n bytes, fewer at the end of the file; -1 on an error.
    int64_t readSome(int64_t offset, void *buffer, int64_t n);
    bool writeAt(int64_t offset, const void *data, int64_t n);
    bool writeAt(int64_t offset, const QByteArray &data) { return writeAt(offset, data.constData(), data.size()); }
    int64_t size();
    bool truncate(int64_t length);

    bool lock();
    void unlock();

private:
    bool fail(const QString &what);

    int mFd = -1;
    bool mReadOnly = false;
    int mLockDepth = 0;
    QString mPath;
    QString mError;
};

namespace tabletesting {
// Crash simulation for the tests of the table layer: after this many further successful
// writes the process ends at once with _exit(), as if killed between two writes.
// 0 (the default) switches it off.
void exitAfterWrites(int writes);
// How many index pages an index keeps in memory (the default when 0).
void setIndexCacheLimit(int pages);
} // namespace tabletesting

} // namespace gb
