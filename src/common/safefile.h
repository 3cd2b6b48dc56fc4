#pragma once

#include "common/leftovers.h"

#include <QByteArray>
#include <QString>

namespace gb {

// Moves a finished temporary file onto its name: replacing a file there only when replace
// is set, else by a move that fails (EEXIST) rather than replace a file that appeared
// meanwhile. Returns 0 or an errno value.
int moveIntoPlace(const QByteArray &from, const QByteArray &to, bool replace);

// The bare no-replace move, for any two paths (folders may differ): renameat2() with
// RENAME_NOREPLACE, or link() + unlink() on a file system without it, which refuses an
// existing target just as atomically. Returns 0 or an errno value (EXDEV across file systems).
int noReplaceRename(const QByteArray &from, const QByteArray &to);

// A file written under a hidden temporary name in its target's folder (see Leftover) and
// moved to the target's name only when whole, by commit(). Until then nothing at the
// target changes; one destroyed uncommitted removes its temporary file. The temporary
// file is locked against sweeps until it has its name or is removed, and gets the mode of
// the file it is to replace, else 0666 less the umask.
class PendingFile
{
public:
    enum class Replace {
        IfFound, // replace the target only if it existed when this object was made
        Always,
        Never,
    };

    explicit PendingFile(const QString &target, Leftover kind = Leftover::Write);
    ~PendingFile();
    PendingFile(const PendingFile &) = delete;
    PendingFile &operator=(const PendingFile &) = delete;

    // False when the temporary file could not be made; errorString() says why.
    bool isOpen() const { return mFd >= 0; }
    int handle() const { return mFd; }
    QByteArray tempPath() const { return mTemp; }

    bool write(const char *data, qint64 size);
    bool write(const QByteArray &bytes) { return write(bytes.constData(), bytes.size()); }

    // Closes the file (after forcing it to disk when sync is set) and moves it to the
    // target's name. On failure the temporary file is removed and the target untouched.
    bool commit(Replace replace, bool sync);

    // The system's text for the last failure.
    QString errorString() const { return mError; }

private:
    bool fail(int code);

    QByteArray mTarget;
    QByteArray mTemp;
    int mFd = -1;
    bool mTargetFound = false;
    bool mCommitted = false;
    QString mError;
};

// Writes a whole file so that it is never half-written: the bytes go to a temporary file in
// the target's folder, which takes the target's name only when everything was written and
// flushed; an existing target is replaced, a new one never replaces a file that appeared
// meanwhile. On failure the old target (if any) is untouched, the temporary file is
// removed, and *error (when given) names the failing step.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// Makes a file's contents last through a crash (fsync); false when it cannot be opened or synced.
bool syncFileToDisk(const QString &path);

// Makes the entries of the folder holding path (renames, new and removed files) last
// through a crash.
void syncFolderToDisk(const QString &path);

// True when both paths name one existing file (same device and inode), however spelled.
bool sameFile(const QString &a, const QString &b);

} // namespace gb
