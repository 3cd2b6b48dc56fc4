#include "renamer/renamer.h"
#include "renamer/saferename.h"
#include "support/testutil.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using gbtest::makeTempDir;
using gbtest::readFile;
using gbtest::writeFile;

TEST(SafeRename, RenamesWithinTheFolder)
{
    const QString dir = makeTempDir() + "/";
    ASSERT_TRUE(writeFile(dir + "a.jpg", "A"));
    QString error;
    EXPECT_TRUE(gb::renameNoReplace(dir + "a.jpg", dir + "b.jpg", &error)) << error.toStdString();
    EXPECT_FALSE(QFile::exists(dir + "a.jpg"));
    EXPECT_EQ(readFile(dir + "b.jpg"), "A");
    // Its own name back and a case-only change are allowed.
    EXPECT_TRUE(gb::renameNoReplace(dir + "b.jpg", dir + "b.jpg", &error)) << error.toStdString();
    EXPECT_TRUE(gb::renameNoReplace(dir + "b.jpg", dir + "B.jpg", &error)) << error.toStdString();
    EXPECT_EQ(readFile(dir + "B.jpg"), "A");
}

TEST(SafeRename, CollisionLeavesBothFilesIntact)
{
    const QString dir = makeTempDir() + "/";
    ASSERT_TRUE(writeFile(dir + "a.jpg", "A"));
    ASSERT_TRUE(writeFile(dir + "b.jpg", "B"));
    QString error;
    EXPECT_FALSE(gb::renameNoReplace(dir + "a.jpg", dir + "b.jpg", &error));
    EXPECT_TRUE(error.contains("exists")) << error.toStdString();
    EXPECT_EQ(readFile(dir + "a.jpg"), "A");
    EXPECT_EQ(readFile(dir + "b.jpg"), "B");
}

TEST(SafeRename, RefusesNamesThatAreNotFileNames)
{
    const QString dir = makeTempDir() + "/";
    ASSERT_TRUE(QDir().mkpath(dir + "sub"));
    ASSERT_TRUE(writeFile(dir + "a.jpg", "A"));
    // ".jpg" keeps the extension but nothing before it: a hidden name, the file lost to view.
    const QString bad[] = {dir,          dir + ".",          dir + "..",        dir + ".jpg",
                           dir + "sub/a.jpg", dir + "x/../a2.jpg", "/elsewhere/a.jpg"};
    for (const QString &target : bad) {
        SCOPED_TRACE(target.toStdString());
        QString error;
        EXPECT_FALSE(gb::renameNoReplace(dir + "a.jpg", target, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(readFile(dir + "a.jpg"), "A");
    }
    EXPECT_FALSE(QFile::exists(dir + "sub/a.jpg"));
    EXPECT_FALSE(QFile::exists(dir + ".jpg"));
    EXPECT_TRUE(gb::newNameProblem(dir + "a.jpg", dir + "a.").isEmpty());
}

TEST(SafeRename, MissingSourceFails)
{
    const QString dir = makeTempDir() + "/";
    QString error;
    EXPECT_FALSE(gb::renameNoReplace(dir + "gone.jpg", dir + "new.jpg", &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(SafeRename, RunCountsInListOrder)
{
    // Three files, two of which get one new name: the first takes it, the second fails.
    const QString dir = makeTempDir() + "/";
    for (const char *n : {"x1.jpg", "x2.jpg", "y.jpg"})
        ASSERT_TRUE(writeFile(dir + n, n));
    const QStringList oldPaths = {dir + "x1.jpg", dir + "x2.jpg", dir + "y.jpg"};
    const QStringList newPaths = {dir + "x.jpg", dir + "x.jpg", dir + "z.jpg"};
    gb::RenameOutcome out = gb::renameAll(oldPaths, newPaths);
    EXPECT_EQ(out.processed, 3);
    EXPECT_EQ(out.succeeded, 2);
    EXPECT_EQ(out.failed, 1);
    EXPECT_EQ(out.message(), "3 file(s) proccessed.\r\n2 file(s) renamed with success.\r\n1 file(s) failed to be renamed.");
    EXPECT_EQ(readFile(dir + "x.jpg"), "x1.jpg");
    EXPECT_EQ(readFile(dir + "x2.jpg"), "x2.jpg");

    // The same run again fails for every file whose name the first run changed.
    out = gb::renameAll(oldPaths, newPaths);
    EXPECT_EQ(out.succeeded, 0);
    EXPECT_EQ(out.failed, 3);

    gb::RenameOutcome clean;
    clean.processed = clean.succeeded = 2;
    EXPECT_EQ(clean.message(), "2 file(s) proccessed.\r\n2 file(s) renamed with success.");
}
