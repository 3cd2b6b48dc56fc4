#include "common/filepaths.h"

#include "support/testutil.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>

using namespace gb;

TEST(FilePaths, NamesAndFolders)
{
    EXPECT_EQ(extractFileName("/x/logo.gif"), "logo.gif");
    EXPECT_EQ(extractFileName("logo.gif"), "logo.gif");
    EXPECT_EQ(changeFilePath("/x/logo.gif", "/web"), "/web/logo.gif");
    EXPECT_EQ(changeFilePath("/x/logo.gif", "/web/"), "/web/logo.gif");
    EXPECT_EQ(changeFilePath("/x/logo.gif", ""), "logo.gif");
    EXPECT_EQ(convertTo83("/no/such/file.jpeg"), "/no/such/file.jpeg");
    EXPECT_TRUE(getTemporaryDir().endsWith('/'));
    EXPECT_TRUE(dirExist(getTemporaryDir()));
}

TEST(FilePaths, ErrorTextNamesTheSystemReason)
{
    errno = ENOENT;
    const QString text = sdkErrString();
    EXPECT_TRUE(text.startsWith("\r\nError: "));
    EXPECT_TRUE(text.contains("No such file"));
}

TEST(FilePaths, DirExistAndFolderExist)
{
    const QString dir = gbtest::makeTempDir();
    gbtest::writeFile(dir + "/file.txt", "x");
    EXPECT_TRUE(dirExist(dir));
    EXPECT_FALSE(folderExist(dir));
    EXPECT_TRUE(folderExist(dir + "/"));
    EXPECT_FALSE(dirExist(dir + "/file.txt"));
    EXPECT_FALSE(dirExist(dir + "/missing"));
    EXPECT_FALSE(dirExist(""));
    const QString before = QDir::currentPath();
    folderExist(dir + "/");
    EXPECT_EQ(QDir::currentPath(), before);
}

TEST(FilePaths, CreateNestedDirs)
{
    const QString dir = gbtest::makeTempDir();
    EXPECT_TRUE(createNestedDirs(dir));
    EXPECT_TRUE(createNestedDirs(dir + "/a/b/c"));
    EXPECT_TRUE(dirExist(dir + "/a/b/c"));
    EXPECT_TRUE(createNestedDirs(dir + "/x/y/"));
    EXPECT_TRUE(dirExist(dir + "/x/y"));
    EXPECT_TRUE(createNestedDirs(dir + "/d//e"));
    EXPECT_TRUE(dirExist(dir + "/d/e"));
    // A file in the way stops the walk; the outer levels stay.
    QDir(dir).mkdir("p");
    gbtest::writeFile(dir + "/p/q", "file");
    EXPECT_FALSE(createNestedDirs(dir + "/p/q/r"));
    EXPECT_TRUE(dirExist(dir + "/p"));
    EXPECT_FALSE(createNestedDirs("/proc/glimmerbox-none/x"));
}

TEST(FilePaths, SizesInBytesAndKilobytes)
{
    const QString dir = gbtest::makeTempDir();
    const struct { int bytes; qint64 kb; } cases[] = {{0, 0}, {1, 1}, {1024, 1}, {1025, 2}, {4096, 4}};
    for (const auto &c : cases) {
        const QString path = dir + QString("/f%1").arg(c.bytes);
        gbtest::writeFile(path, QByteArray(c.bytes, 'z'));
        EXPECT_EQ(fileSizeB(path), c.bytes);
        EXPECT_EQ(fileSizeK(path), c.kb) << c.bytes;
    }
    EXPECT_EQ(fileSizeB(dir + "/missing"), 0);
    EXPECT_EQ(fileSizeK(dir + "/missing"), 0);
    EXPECT_EQ(fileSizeB(dir), 0);
}
