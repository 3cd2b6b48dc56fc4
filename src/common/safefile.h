#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace gb {

// What a run leaves behind in a folder when it is killed. Each kind carries its writer's
// process id in its hidden name, so a later run can tell a dead writer's leftover from
// the work of a run still going on:
//   Write    ".<name>.gbtmp-<pid>-XXXXXX"  a file being written under a temporary name
//   Copy     ".gbcopy-<pid>-XXXXXX"        a copy being made into its target's folder
//   Staging  ".staging-<pid>-XXXXXX"       a folder of finished files waiting to be moved
enum class Leftover { Write, Copy, Staging };

// The path a temporary file or folder of the given kind takes for target (a file path;
// for Staging the folder to stage in, ending in "/"), with the random part still "XXXXXX".
// A very long target name is shortened in the temporary name to fit the system's limit.
QByteArray leftoverTemplate(Leftover kind, const QString &target);

// Removes from folder the leftovers of the given kind whose writer is gone (no process of
// that id exists). Leftovers of live processes, other kinds and every name not of our
// making are left alone; a Staging folder is removed only when it holds nothing but
// files. Returns how many were removed.
int removeDeadLeftovers(const QString &folder, Leftover kind);
// The same over several folders (duplicates and empty entries are passed by).
int removeDeadLeftovers(const QStringList &folders, Leftover kind);

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
// file gets the mode of the file it is to replace, else 0666 less the umask.
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
