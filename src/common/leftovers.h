#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace gb {

// What a run leaves behind in a folder when it is killed, and how a later run tells a dead
// writer's leftover from live work and from the user's own files.
//
// Names. Each kind has one hidden name, which only our writers make:
//   Write    ".<name>.gbtmp-<host>-<pid>-XXXXXX"  a file being written under a temporary name
//   Copy     ".gbcopy-<host>-<pid>-XXXXXX"        a copy being made into its target's folder
//   Staging  ".staging-<host>-<pid>-XXXXXX"       a folder of finished files waiting to be moved
// <host> is leftoverHost(), <pid> the writer's process id in decimal (no leading zero) and
// XXXXXX exactly six letters or digits. A name that differs in any of these (a longer or
// shorter random part, text after it, another marker) is not ours and is never touched.
//
// Liveness. A process id cannot tell whether a writer is gone: a writer in another pid
// namespace (a container or sandbox) or on another machine sharing the folder is invisible
// to it, and a dead writer's id may belong to another process by now. So a writer holds an
// advisory lock on its temporary file (a Staging folder: on the lock file inside it) from
// the moment the name appears until it is moved or removed, and a sweep removes only what
// it can lock without waiting. The lock is an open-file-description lock: it conflicts with
// every other open of the file, in this process too, and ends with the writer's process
// however that ends. Locks of another machine may not reach this one (a network share
// mounted without its lock service), so a sweep passes by every name that carries another
// host: that machine's own next run clears them. The process id stays in the name to keep
// the writers of one machine apart and to tell a person whose file it is.
enum class Leftover { Write, Copy, Staging };

// This machine's host name as leftover names carry it: only letters, digits, ".", "-" and
// "_" (any other byte becomes "_"), at most 64 of them.
QByteArray leftoverHost();

// Makes a new temporary file of the given kind (Write or Copy) in the folder of target (a
// file path), open for writing and already locked against sweeps, with permissions 0666
// less the umask. A very long target name is shortened in the temporary name to fit the
// system's limit. Returns its descriptor and sets *path, or returns -1 with errno set.
int createLeftoverFile(Leftover kind, const QString &target, QByteArray *path);

// Removes from folder the leftovers of the given kind that are provably ours and dead: an
// exact name of this host whose lock could be taken. A Staging folder goes only when it
// holds nothing but what its writer makes (its lock file, numbered files and their
// temporary files), else it stays with all it holds. Leftovers of live writers, of other
// kinds and of other hosts, and every name not of our making, are left alone; so is an
// entry whose lock cannot be tried (a file system without locks). Returns how many were removed.
int removeDeadLeftovers(const QString &folder, Leftover kind);
// The same over several folders (duplicates and empty entries are passed by).
int removeDeadLeftovers(const QStringList &folders, Leftover kind);

// A Staging folder of this process: made in the given folder and locked by the object for
// its whole life; destroying the object removes the files staged in it that are still
// there, then the folder (user files dropped in keep it). Check isValid() before use.
class StagingFolder
{
public:
    explicit StagingFolder(const QString &folder);
    ~StagingFolder();
    StagingFolder(const StagingFolder &) = delete;
    StagingFolder &operator=(const StagingFolder &) = delete;

    bool isValid() const { return !mPath.isEmpty(); }
    QString path() const { return mPath; }
    // Where the index-th staged file goes. Only files named so are staged files.
    QString filePath(int index) const;
    // The system's text for the failure to make the folder.
    QString errorString() const { return mError; }

private:
    QString mPath;
    int mLockFd = -1;
    QString mError;
};

} // namespace gb
