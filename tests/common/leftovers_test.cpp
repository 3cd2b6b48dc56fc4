// What the sweeps of leftovers remove: only exact names of our making whose writer is gone,
// told by the writer's lock, never by its process id.

#include "common/leftovers.h"
#include "common/safefile.h"
#include "image/imagefile.h"

#include "support/testutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace gb;
using gbtest::readFile;
using gbtest::writeFile;

namespace {

constexpr Leftover kKinds[] = {Leftover::Write, Leftover::Copy, Leftover::Staging};

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// The id of a process that has ended and been reaped.
pid_t deadPid()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

QString host()
{
    return QString::fromLatin1(leftoverHost());
}

// A name as our writers make them: lead (".<target>" for Write, else empty), marker, host,
// process id and random part.
QString leftoverName(const QString &lead, const QString &marker, const QString &pid, const QString &random,
                     const QString &onHost = host())
{
    return lead + marker + onHost + "-" + pid + "-" + random;
}

// The same leftover name with another process id in it.
QString withPid(const QString &name, pid_t from, pid_t to)
{
    const QString tail = QString::number(from) + name.right(7);
    return name.chopped(tail.size()) + QString::number(to) + name.right(7);
}

void renameEntry(const QString &from, const QString &to)
{
    ASSERT_EQ(::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()), 0) << from.toStdString();
}

// Exit codes of a sweep run in another process.
constexpr int kNoNamespace = 120;
constexpr int kWriterVisible = 121;
constexpr int kSweepCrashed = 122;

// Starts sweep in a child process that lives in a pid namespace of its own, as a run in a
// container or sandbox does, where it cannot see this process. Where the system makes no
// such namespace for us, the child exits with kNoNamespace, or when namespaceOnly is not
// set, runs sweep beside us. See exitCodeOf() for sweep's result.
pid_t startSweep(const std::function<int()> &sweep, bool namespaceOnly)
{
    const pid_t child = ::fork();
    if (child != 0)
        return child;
    // A new user namespace lends the right to make a pid namespace without privileges.
    if (::unshare(CLONE_NEWUSER | CLONE_NEWPID) != 0 && ::unshare(CLONE_NEWPID) != 0)
        ::_exit(namespaceOnly ? kNoNamespace : sweep());
    // Only the children of the unsharing process enter the new namespace.
    const pid_t inner = ::fork();
    if (inner == 0)
        ::_exit(sweep());
    int status = 0;
    ::waitpid(inner, &status, 0);
    ::_exit(WIFEXITED(status) ? WEXITSTATUS(status) : kSweepCrashed);
}

int exitCodeOf(pid_t child)
{
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return kSweepCrashed;
    return WEXITSTATUS(status);
}

int sweepAll(const QStringList &folders)
{
    int removed = 0;
    for (const Leftover kind : kKinds)
        removed += removeDeadLeftovers(folders, kind);
    return removed;
}

} // namespace

// Every entry meets every kind's sweep: an exact name of this host whose lock is free goes
// with its own kind's sweep, whatever process id it carries; names that only look like
// ours, entries of the wrong type and staging folders holding anything of the user's
// survive them all, untouched.
TEST(Leftovers, RemovesOnlyExactNamesWhoseLockIsFree)
{
    const QString dead = QString::number(deadPid());
    const QString live = QString::number(::getpid());
    const QString tmp = ".gbtmp-", copy = ".gbcopy-", staging = ".staging-";
    enum Entry {
        File,
        Fifo,
        Link,
        StagedFolder, // what a killed gallery leaves: its lock file, staged files, a part-written one
        EmptyFolder, // killed before its lock file was made
        LocklessFolder, // staged files without the lock file
        FolderWithUserFile,
        FolderWithUserTemporary,
        FolderOfFolders,
        UserFolder,
    };
    const struct {
        QString name;
        Entry entry;
        std::optional<Leftover> removedBy;
    } rows[] = {
        {leftoverName(".a.jpg", tmp, dead, "Ab12Cd"), File, Leftover::Write},
        {leftoverName(".a.jpg", tmp, live, "Ab12Cd"), File, Leftover::Write},
        {leftoverName("..hidden", tmp, dead, "zzzzzz"), File, Leftover::Write},
        {leftoverName(".a.jpg", tmp, "1", "000000"), File, Leftover::Write},
        {leftoverName("", copy, dead, "Ab12Cd"), File, Leftover::Copy},
        {leftoverName("", staging, dead, "Ab12Cd"), StagedFolder, Leftover::Staging},
        {leftoverName("", staging, dead, "Ab12Cd"), EmptyFolder, Leftover::Staging},
        // The user's own files and folders, named like ours.
        {".notes.gbtmp-1999-ab.txt", File, {}},
        {".staging-1999-backup", UserFolder, {}},
        {".staging-1999-backup", StagedFolder, {}},
        {".a.jpg.gbtmp-" + dead + "-Ab12Cd", File, {}},
        {".gbcopy-" + dead + "-Ab12Cd", File, {}},
        {".staging-" + dead + "-Ab12Cd", StagedFolder, {}},
        {".a.jpg.Ab12Cd", File, {}},
        {".staging-Ab12Cd", StagedFolder, {}},
        // The random part: too short, too long, outside its alphabet, text after it.
        {leftoverName(".a.jpg", tmp, dead, "Ab12C"), File, {}},
        {leftoverName(".a.jpg", tmp, dead, "Ab12Cd7"), File, {}},
        {leftoverName(".a.jpg", tmp, dead, "Ab_2Cd"), File, {}},
        {leftoverName(".a.jpg", tmp, dead, "Ab12Cd.txt"), File, {}},
        {leftoverName(".a.jpg", tmp, dead, "Ab12Cd~"), File, {}},
        {leftoverName("", staging, dead, "backup"), UserFolder, {}},
        {leftoverName("", staging, dead, "Ab12Cd-old"), StagedFolder, {}},
        // The process id: what no writer writes.
        {leftoverName(".a.jpg", tmp, "0" + dead, "Ab12Cd"), File, {}},
        {leftoverName(".a.jpg", tmp, "0", "Ab12Cd"), File, {}},
        {leftoverName(".a.jpg", tmp, "", "Ab12Cd"), File, {}},
        {leftoverName(".a.jpg", tmp, dead + "x", "Ab12Cd"), File, {}},
        {leftoverName(".a.jpg", tmp, "4294967296", "Ab12Cd"), File, {}},
        {leftoverName(".a.jpg", tmp, "-" + dead, "Ab12Cd"), File, {}},
        // Another machine's, which only that machine can judge.
        {leftoverName(".a.jpg", tmp, dead, "Ab12Cd", "otherhost"), File, {}},
        {leftoverName(".a.jpg", tmp, dead, "Ab12Cd", host() + "x"), File, {}},
        {leftoverName("", copy, dead, "Ab12Cd", "x" + host()), File, {}},
        {leftoverName("", staging, dead, "Ab12Cd", "otherhost"), StagedFolder, {}},
        // Text before a marker that stands alone, none before the Write marker.
        {leftoverName("a.jpg", tmp, dead, "Ab12Cd"), File, {}},
        {leftoverName("", tmp, dead, "Ab12Cd"), File, {}},
        {leftoverName("x", copy, dead, "Ab12Cd"), File, {}},
        {leftoverName(".x", staging, dead, "Ab12Cd"), StagedFolder, {}},
        // Entries of the wrong type under our names.
        {leftoverName(".a.jpg", tmp, dead, "Ab12Cd"), StagedFolder, {}},
        {leftoverName(".a.jpg", tmp, dead, "Ab12Cd"), Fifo, {}},
        {leftoverName(".a.jpg", tmp, dead, "Ab12Cd"), Link, {}},
        {leftoverName("", staging, dead, "Ab12Cd"), File, {}},
        {leftoverName("", staging, dead, "Ab12Cd"), Link, {}},
        // A staging folder that holds anything its writer does not make.
        {leftoverName("", staging, dead, "Ab12Cd"), LocklessFolder, {}},
        {leftoverName("", staging, dead, "Ab12Cd"), FolderWithUserFile, {}},
        {leftoverName("", staging, dead, "Ab12Cd"), FolderWithUserTemporary, {}},
        {leftoverName("", staging, dead, "Ab12Cd"), FolderOfFolders, {}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name.toStdString() + " entry " + std::to_string(row.entry));
        const QString dir = gbtest::makeTempDir();
        const QString elsewhere = gbtest::makeTempDir();
        ASSERT_TRUE(writeFile(elsewhere + "/img0001.jpg", "photo"));
        ASSERT_TRUE(writeFile(dir + "/a.jpg", "photo"));
        const QString path = dir + "/" + row.name;
        QStringList inside;
        switch (row.entry) {
        case File:
            ASSERT_TRUE(writeFile(path, "part"));
            break;
        case Fifo:
            ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            break;
        case Link:
            ASSERT_TRUE(QFile::link(row.name.startsWith(".staging") ? elsewhere : elsewhere + "/img0001.jpg", path));
            break;
        case EmptyFolder:
            break;
        case StagedFolder:
            inside = QStringList{".gblock", "0", "1", leftoverName(".2", tmp, dead, "Zz9Yy8")};
            break;
        case LocklessFolder:
            inside = QStringList{"0", "1"};
            break;
        case FolderWithUserFile:
            inside = QStringList{".gblock", "0", "notes.txt"};
            break;
        case FolderWithUserTemporary:
            inside = QStringList{".gblock", "0", leftoverName(".2", tmp, dead, "Zz9Yy8") + ".txt"};
            break;
        case FolderOfFolders:
            inside = QStringList{".gblock", "0", "inner/0"};
            break;
        case UserFolder:
            inside = QStringList{"photo.jpg", "notes.txt"};
            break;
        }
        if (row.entry >= StagedFolder) {
            ASSERT_TRUE(QDir().mkpath(path));
        }
        for (const QString &file : inside) {
            ASSERT_TRUE(QDir().mkpath(QFileInfo(path + "/" + file).absolutePath()));
            ASSERT_TRUE(writeFile(path + "/" + file, "staged"));
        }
        const QStringList before = entriesOf(path);

        for (const Leftover kind : kKinds) {
            const bool removes = row.removedBy == kind;
            EXPECT_EQ(removeDeadLeftovers(dir, kind), removes ? 1 : 0) << "kind " << int(kind);
            if (removes)
                break;
        }
        const bool gone = !QFileInfo::exists(path) && !QFileInfo(path).isSymLink();
        EXPECT_EQ(gone, row.removedBy.has_value());
        if (!gone) {
            EXPECT_EQ(entriesOf(path), before);
            for (const QString &file : inside)
                EXPECT_EQ(readFile(path + "/" + file), "staged") << file.toStdString();
            if (row.entry == File) {
                EXPECT_EQ(readFile(path), "part");
            }
        }
        QStringList left = entriesOf(dir);
        left.sort();
        QStringList expected = gone ? QStringList{"a.jpg"} : QStringList({row.name, "a.jpg"});
        expected.sort();
        EXPECT_EQ(left.join(" | ").toStdString(), expected.join(" | ").toStdString());
        EXPECT_EQ(readFile(dir + "/a.jpg"), "photo");
        EXPECT_EQ(readFile(elsewhere + "/img0001.jpg"), "photo");
    }
}

// A live writer whose process id says nothing to the sweeping run keeps its work: seen
// from another pid namespace (a run in a container or sandbox), or under names that carry
// a process id that is gone. Its temporary files, its copy, its staging folder with a
// staged file and one still being written all stay through every sweep, and then the
// writer finishes every file, byte for byte.
TEST(Leftovers, ALiveWriterUnseenByItsProcessIdKeepsItsWork)
{
    const QByteArray page = QByteArray(100000, 'p') + "end";
    const QByteArray photo = QByteArray(300000, 'j') + "end";
    const pid_t me = ::getpid();
    const pid_t dead = deadPid();
    enum Sweep { FromAnotherNamespace, UnderADeadProcessId };
    for (const Sweep sweep : {FromAnotherNamespace, UnderADeadProcessId}) {
        SCOPED_TRACE(sweep == FromAnotherNamespace ? "from another pid namespace" : "under a dead process id");
        const QString dir = gbtest::makeTempDir();
        PendingFile write(dir + "/page.htm");
        PendingFile copy(dir + "/copy.jpg", Leftover::Copy);
        StagingFolder staging(dir);
        ASSERT_TRUE(write.isOpen() && copy.isOpen() && staging.isValid());
        ASSERT_TRUE(write.write(page.left(50000)) && copy.write(photo.left(50000)));
        QString why;
        ASSERT_TRUE(writeImageFile(staging.filePath(0), photo, why)) << why.toStdString();
        PendingFile staged(staging.filePath(1));
        ASSERT_TRUE(staged.isOpen() && staged.write(photo.left(50000)));
        const QStringList work = entriesOf(dir), stagedWork = entriesOf(staging.path());
        ASSERT_EQ(work.size(), 3);
        ASSERT_EQ(stagedWork.size(), 3);

        if (sweep == FromAnotherNamespace) {
            const int removed = exitCodeOf(startSweep(
                [&] {
                    if (::kill(me, 0) == 0 || errno != ESRCH)
                        return kWriterVisible;
                    return sweepAll({dir, staging.path()});
                },
                true));
            if (removed == kNoNamespace) {
                std::cout << "[  NOTE    ] no pid namespace can be made here; the dead process id stands in\n";
                continue;
            }
            EXPECT_EQ(removed, 0);
        } else {
            // Every name now carries a process id that no process has.
            const QString folder = QFileInfo(staging.path()).fileName();
            const QString inner = QFileInfo(staged.tempPath()).fileName();
            renameEntry(staging.path() + "/" + inner, staging.path() + "/" + withPid(inner, me, dead));
            for (const QString &name : work)
                renameEntry(dir + "/" + name, dir + "/" + withPid(name, me, dead));
            EXPECT_EQ(sweepAll({dir, dir + "/" + withPid(folder, me, dead)}), 0);
            for (const QString &name : work)
                renameEntry(dir + "/" + withPid(name, me, dead), dir + "/" + name);
            renameEntry(staging.path() + "/" + withPid(inner, me, dead), staging.path() + "/" + inner);
        }
        EXPECT_EQ(entriesOf(dir), work);
        EXPECT_EQ(entriesOf(staging.path()), stagedWork);

        EXPECT_TRUE(write.write(page.mid(50000)) && write.commit(PendingFile::Replace::IfFound, false))
            << write.errorString().toStdString();
        EXPECT_TRUE(copy.write(photo.mid(50000)) && copy.commit(PendingFile::Replace::Never, false))
            << copy.errorString().toStdString();
        EXPECT_TRUE(staged.write(photo.mid(50000)) && staged.commit(PendingFile::Replace::IfFound, false))
            << staged.errorString().toStdString();
        EXPECT_EQ(readFile(dir + "/page.htm"), page);
        EXPECT_EQ(readFile(dir + "/copy.jpg"), photo);
        EXPECT_EQ(readFile(staging.filePath(0)), photo);
        EXPECT_EQ(readFile(staging.filePath(1)), photo);
    }
}

// A writer racing a sweeper in another process (in another pid namespace where one can be
// made), which now and then comes between the making of a temporary file and its lock:
// every write still lands whole, and nothing else is left.
TEST(Leftovers, ASweepRacingAWriterNeverCostsAWrite)
{
    const QString dir = gbtest::makeTempDir();
    int done[2];
    ASSERT_EQ(::pipe(done), 0);
    // The sweeper runs until the writer is done and says so through the pipe.
    const pid_t sweeper = startSweep(
        [&] {
            int sweeps = 0;
            pollfd fd{done[0], POLLIN, 0};
            while (::poll(&fd, 1, 0) == 0) {
                removeDeadLeftovers(dir, Leftover::Write);
                ++sweeps;
            }
            return sweeps > 0 ? 0 : 1;
        },
        false);
    int failed = 0;
    QByteArray last;
    for (int i = 0; i < 500; ++i) {
        last = "page " + QByteArray::number(i);
        PendingFile file(dir + "/page.htm");
        failed += !(file.write(last) && file.commit(PendingFile::Replace::Always, false));
    }
    EXPECT_EQ(::write(done[1], "!", 1), 1);
    EXPECT_EQ(exitCodeOf(sweeper), 0);
    ::close(done[0]);
    ::close(done[1]);
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(readFile(dir + "/page.htm"), last);
    EXPECT_EQ(entriesOf(dir), QStringList{"page.htm"});
}

// A staging folder goes with what it staged when it is done; what the user put in it
// meanwhile keeps the folder and stays.
TEST(Leftovers, AStagingFolderRemovesOnlyWhatItStaged)
{
    const QString dir = gbtest::makeTempDir();
    QString kept;
    {
        StagingFolder staging(dir);
        ASSERT_TRUE(staging.isValid()) << staging.errorString().toStdString();
        EXPECT_TRUE(QFileInfo(staging.path()).fileName().startsWith(".staging-" + host() + "-"
                                                                    + QString::number(::getpid()) + "-"));
        ASSERT_TRUE(writeFile(staging.filePath(0), "staged"));
        ASSERT_TRUE(writeFile(staging.filePath(12), "staged"));
    }
    EXPECT_EQ(entriesOf(dir), QStringList{});
    {
        StagingFolder staging(dir);
        ASSERT_TRUE(writeFile(staging.filePath(0), "staged"));
        ASSERT_TRUE(writeFile(staging.path() + "/mine.jpg", "user"));
        kept = staging.path();
    }
    EXPECT_EQ(entriesOf(kept), QStringList{"mine.jpg"});
    EXPECT_EQ(readFile(kept + "/mine.jpg"), "user");
    EXPECT_EQ(sweepAll({dir}), 0);
    EXPECT_EQ(readFile(kept + "/mine.jpg"), "user");
}
