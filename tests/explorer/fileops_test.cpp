#include "explorer/fileops.h"

#include "explorer/filecommands.h"

#include "common/leftovers.h"

#include "explorerfixture.h"
#include "support/testutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace gb;
using gbtest::readFile;
using gbtest::writeFile;

namespace {

struct Folders : ::testing::Test {
    QString a = gbtest::makeTempDir("from") + "/";
    QString b = gbtest::makeTempDir("to") + "/";
};

dev_t deviceOf(const QString &path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_dev : 0;
}

// A folder on another file system than the test's temporary folders, or empty.
QString otherFileSystemFolder(const QString &near)
{
    if (!QFileInfo(QStringLiteral("/dev/shm")).isWritable() || deviceOf("/dev/shm") == deviceOf(near))
        return {};
    QDir shm(QStringLiteral("/dev/shm"));
    const QString name = QStringLiteral("gbtest-%1").arg(::getpid());
    shm.mkpath(name);
    return shm.filePath(name) + "/";
}

} // namespace

TEST_F(Folders, CopyKeepsTheSourceAndReplacesOnlyWhenAsked)
{
    ASSERT_TRUE(writeFile(a + "p.jpg", "photo"));
    ASSERT_TRUE(writeFile(b + "p.jpg", "older"));
    QString why;
    // Without leave to replace, an existing target stays as it was.
    EXPECT_FALSE(copyImageFile(a + "p.jpg", b + "p.jpg", false, &why));
    EXPECT_EQ(why, "File exists");
    EXPECT_EQ(readFile(b + "p.jpg"), "older");
    EXPECT_TRUE(copyImageFile(a + "p.jpg", b + "p.jpg", true, &why)) << why.toStdString();
    EXPECT_EQ(readFile(b + "p.jpg"), "photo");
    EXPECT_EQ(readFile(a + "p.jpg"), "photo");
    // No temporary file is left behind in either folder.
    EXPECT_EQ(QDir(b).entryList(QDir::Files | QDir::Hidden), QStringList{"p.jpg"});
}

TEST_F(Folders, CopyKeepsPermissionsAndTheLastWriteTime)
{
    ASSERT_TRUE(writeFile(a + "p.jpg", "photo"));
    ::chmod(QFile::encodeName(a + "p.jpg").constData(), 0640);
    const QDateTime stamp = QFileInfo(a + "p.jpg").lastModified();
    ASSERT_TRUE(copyImageFile(a + "p.jpg", b + "p.jpg", false, nullptr));
    EXPECT_EQ(QFileInfo(b + "p.jpg").permissions(), QFileInfo(a + "p.jpg").permissions());
    EXPECT_EQ(QFileInfo(b + "p.jpg").lastModified(), stamp);
}

TEST_F(Folders, NothingIsCopiedOrMovedOntoItself)
{
    ASSERT_TRUE(writeFile(a + "p.jpg", "photo"));
    ASSERT_EQ(::link(QFile::encodeName(a + "p.jpg").constData(), QFile::encodeName(b + "twin.jpg").constData()), 0);
    for (const QString &target : {a + "p.jpg", b + "twin.jpg"}) {
        QString why;
        EXPECT_FALSE(copyImageFile(a + "p.jpg", target, true, &why));
        EXPECT_EQ(why, "Source and target are the same file");
        EXPECT_EQ(moveImageFile(a + "p.jpg", target, &why), MoveOutcome::NotMoved);
        EXPECT_EQ(why, "Source and target are the same file");
    }
    EXPECT_EQ(readFile(a + "p.jpg"), "photo");
}

TEST_F(Folders, FailuresLeaveEveryFileAsItWas)
{
    ASSERT_TRUE(writeFile(a + "p.jpg", "photo"));
    ASSERT_TRUE(writeFile(b + "p.jpg", "older"));
    QString why;
    // A missing source, a missing folder, a target that exists, a folder as source.
    EXPECT_FALSE(copyImageFile(a + "gone.jpg", b + "gone.jpg", true, &why));
    EXPECT_EQ(why, "No such file or directory");
    EXPECT_FALSE(copyImageFile(a + "p.jpg", b + "none/p.jpg", true, &why));
    EXPECT_EQ(moveImageFile(a + "p.jpg", b + "p.jpg", &why), MoveOutcome::NotMoved);
    EXPECT_EQ(why, "File exists");
    EXPECT_FALSE(copyImageFile(b, a + "x.jpg", true, &why));
    EXPECT_EQ(why, "Not a regular file");
    EXPECT_FALSE(removeImageFile(b, &why));
    EXPECT_FALSE(removeImageFile(a + "gone.jpg", &why));
    EXPECT_EQ(readFile(a + "p.jpg"), "photo");
    EXPECT_EQ(readFile(b + "p.jpg"), "older");
}

TEST_F(Folders, RenameNeverReplacesAnotherFile)
{
    ASSERT_TRUE(writeFile(a + "one.jpg", "1"));
    ASSERT_TRUE(writeFile(a + "two.jpg", "2"));
    QString why;
    EXPECT_FALSE(renameImageFile(a + "one.jpg", a + "two.jpg", &why));
    EXPECT_EQ(why, "a file of that name exists.");
    EXPECT_FALSE(renameImageFile(a + "one.jpg", a, &why));
    EXPECT_EQ(readFile(a + "one.jpg"), "1");
    EXPECT_EQ(readFile(a + "two.jpg"), "2");
    EXPECT_TRUE(renameImageFile(a + "one.jpg", a + "three.jpg", &why));
    EXPECT_EQ(readFile(a + "three.jpg"), "1");
}

TEST_F(Folders, MoveWithinOneFileSystemIsARename)
{
    ASSERT_TRUE(writeFile(a + "p.jpg", "photo"));
    struct stat before;
    ::stat(QFile::encodeName(a + "p.jpg").constData(), &before);
    EXPECT_EQ(moveImageFile(a + "p.jpg", b + "p.jpg", nullptr), MoveOutcome::Moved);
    struct stat after;
    ::stat(QFile::encodeName(b + "p.jpg").constData(), &after);
    EXPECT_EQ(before.st_ino, after.st_ino);
    EXPECT_FALSE(QFile::exists(a + "p.jpg"));
}

// Across file systems: a real second file system when the machine has one, and the same
// path forced on one file system otherwise.
TEST_F(Folders, MoveAcrossFileSystemsCopiesThenRemovesTheSource)
{
    const QString other = otherFileSystemFolder(b);
    const QString to = other.isEmpty() ? b : other;
    setMovesCrossDeviceForTests(other.isEmpty());
    ASSERT_TRUE(writeFile(a + "p.jpg", QByteArray(300000, 'x') + "end"));
    EXPECT_EQ(moveImageFile(a + "p.jpg", to + "p.jpg", nullptr), MoveOutcome::Moved);
    EXPECT_EQ(readFile(to + "p.jpg"), QByteArray(300000, 'x') + "end");
    EXPECT_FALSE(QFile::exists(a + "p.jpg"));

    // A target that appeared meanwhile is never replaced, and the source stays.
    ASSERT_TRUE(writeFile(a + "q.jpg", "new"));
    ASSERT_TRUE(writeFile(to + "q.jpg", "kept"));
    QString why;
    EXPECT_EQ(moveImageFile(a + "q.jpg", to + "q.jpg", &why), MoveOutcome::NotMoved);
    EXPECT_EQ(readFile(to + "q.jpg"), "kept");
    EXPECT_EQ(readFile(a + "q.jpg"), "new");
    setMovesCrossDeviceForTests(false);
    if (!other.isEmpty())
        QDir(other).removeRecursively();
}

// A move across file systems killed halfway through its copy leaves the source and a part-copy
// that names its writer; the next move into that folder removes it and finishes the move.
TEST_F(Folders, AMoveKilledWhileCopyingIsClearedByTheNextMove)
{
    setMovesCrossDeviceForTests(true);
    const QByteArray photo = QByteArray(2 << 20, 'x') + "end";
    ASSERT_TRUE(writeFile(a + "p.jpg", photo));
    const pid_t killed = gbtest::killedAtFileSize(1 << 20, [&] { moveImageFile(a + "p.jpg", b + "p.jpg", nullptr); });
    ASSERT_NE(killed, 0) << "the copy was not cut short";
    EXPECT_EQ(readFile(a + "p.jpg"), photo);
    const QStringList left = QDir(b).entryList(QDir::Files | QDir::Hidden);
    ASSERT_EQ(left.size(), 1) << "nothing under the target's name";
    const QString prefix = ".gbcopy-" + QString::fromLatin1(gb::leftoverHost()) + "-" + QString::number(killed) + "-";
    EXPECT_TRUE(left[0].startsWith(prefix)) << left[0].toStdString();

    EXPECT_EQ(moveFilesInto(nullptr, {a + "p.jpg"}, b), 1);
    EXPECT_EQ(readFile(b + "p.jpg"), photo);
    EXPECT_EQ(QDir(b).entryList(QDir::Files | QDir::Hidden), QStringList{"p.jpg"});
    setMovesCrossDeviceForTests(false);
}

TEST(FileOps, MessagesEndWithTheSystemsReasonOnItsOwnLine)
{
    EXPECT_EQ(errorSuffix("File exists"), "\r\nError: File exists\r\n");
    EXPECT_EQ(targetInFolder("/photos/beach.JPG", "/tiles/"), "/tiles/beach.JPG");
}
