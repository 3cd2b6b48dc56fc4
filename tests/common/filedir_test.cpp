#include "common/filedir.h"

#include "support/testutil.h"

#include <QDir>
#include <QFile>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace gb;

namespace {

QStringList names(const FileDirEntries &rows)
{
    QStringList out;
    for (const FileDirEntry &e : rows)
        out << e.name;
    return out;
}

QString fixtureFolder()
{
    const QString dir = gbtest::makeTempDir("listing");
    gbtest::writeFile(dir + "/photo.final.JPG", QByteArray(1500, 'x'));
    gbtest::writeFile(dir + "/beach.jpg", "jpg");
    gbtest::writeFile(dir + "/README", "text");
    gbtest::writeFile(dir + "/dot.", "x");
    gbtest::writeFile(dir + "/.hidden.jpg", "x");
    QDir(dir).mkdir("Sub");
    QDir(dir).mkdir("album.jpg"); // a folder that matches an image mask
    return dir;
}

} // namespace

TEST(FindFileAttributes, LettersInTableOrder)
{
    EXPECT_EQ(findFileAttributes(0), "");
    EXPECT_EQ(findFileAttributes(AttrArchive), "A");
    EXPECT_EQ(findFileAttributes(AttrReadOnly | AttrHidden | AttrSystem), "HRS");
    EXPECT_EQ(findFileAttributes(AttrDirectory | AttrHidden | AttrReadOnly), "DHR");
    EXPECT_EQ(findFileAttributes(0xFFFFFFFFu), "ACDHNRST");
    EXPECT_EQ(findFileAttributes(0x40 | 0x1000), ""); // bits outside the table are ignored
}

TEST(FileDates, LocalDayAndAnsiFormat)
{
    EXPECT_EQ(date2AnsiFormat(QDate(2002, 3, 8)), "20020308");
    EXPECT_EQ(date2AnsiFormat(QDate(2002, 1, 5)), "20020105");
    EXPECT_EQ(date2AnsiFormat(QDate()), "");
    EXPECT_EQ(winFile2AnsiLocalTime(QDateTime()), "");
    const QDateTime late(QDate(2001, 12, 31), QTime(23, 30), Qt::UTC);
    EXPECT_EQ(winFile2AnsiLocalTime(late), date2AnsiFormat(late.toLocalTime().date()));
}

TEST(FileDates, EastOfUtcTheNewYearHasBegun)
{
    const QByteArray saved = qgetenv("TZ");
    qputenv("TZ", "Asia/Tokyo");
    tzset();
    const QDateTime late(QDate(2001, 12, 31), QTime(23, 30), Qt::UTC);
    EXPECT_EQ(winFile2AnsiLocalTime(late), "20020101");
    if (saved.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", saved);
    tzset();
}

TEST(MatchesMask, IgnoresCase)
{
    EXPECT_TRUE(matchesMask("IMG.JPG", "*.jpg"));
    EXPECT_TRUE(matchesMask("README", "*.*"));
    EXPECT_FALSE(matchesMask("a.jpeg", "*.jpg"));
    EXPECT_FALSE(matchesMask("a.jpg.txt", "*.jpg"));
    EXPECT_TRUE(matchesMask("a1.gif", "a?.GIF"));
}

TEST(GetFileDir, ListsFilesAndFoldersWithTheirFields)
{
    const QString dir = fixtureFolder();
    const FileDirEntries all = getFileDir(dir + "/*.*");
    EXPECT_EQ(names(all), QStringList({".", "..", ".hidden.jpg", "album.jpg", "beach.jpg", "dot.", "photo.final.JPG",
                                       "README", "Sub"}));
    auto find = [&](const QString &n) {
        for (const FileDirEntry &e : all)
            if (e.name == n)
                return e;
        return FileDirEntry();
    };
    const FileDirEntry photo = find("photo.final.JPG");
    EXPECT_EQ(photo.size, 1500);
    EXPECT_EQ(photo.extension, "JPG");
    EXPECT_EQ(photo.attributes, "A");
    EXPECT_EQ(photo.date, date2AnsiFormat(QDate::currentDate()));
    EXPECT_EQ(find("README").extension, "");
    EXPECT_EQ(find("dot.").extension, "");
    EXPECT_EQ(find(".hidden.jpg").attributes, "AH");
    const FileDirEntry sub = find("Sub");
    EXPECT_EQ(sub.size, 0);
    EXPECT_EQ(sub.attributes, "D");
}

TEST(GetFileDir, ReadOnlyFileCarriesR)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write every file";
    const QString dir = gbtest::makeTempDir();
    gbtest::writeFile(dir + "/locked.png", "x");
    ::chmod(QFile::encodeName(dir + "/locked.png").constData(), 0444);
    ASSERT_EQ(getFiles(dir + "/*.png").size(), 1u);
    EXPECT_EQ(getFiles(dir + "/*.png")[0].attributes, "AR");
}

TEST(GetFiles, MasksIgnoreCaseAndFoldersAreLeftOut)
{
    const QString dir = fixtureFolder();
    EXPECT_EQ(names(getFiles(dir + "/*.jpg")), QStringList({".hidden.jpg", "beach.jpg", "photo.final.JPG"}));
    EXPECT_EQ(names(getFiles(dir + "/*.*")).contains("Sub"), false);
    EXPECT_TRUE(getFiles(dir + "/*.psd").empty());
    EXPECT_TRUE(getFiles(dir + "/missing/*.*").empty());
    EXPECT_TRUE(getFileDir(dir + "/missing/*.*").empty());
}

TEST(GetSubDirectories, NamesWithoutDotsLinksOrPseudoFileSystems)
{
    const QString dir = fixtureFolder();
    QDir(dir).mkdir("apple");
    QFile::link(dir + "/Sub", dir + "/loop");
    EXPECT_EQ(getSubDirectories(dir + "/*.*"), QStringList({"album.jpg", "apple", "Sub"}));
    EXPECT_TRUE(getSubDirectories(dir + "/nothing/*.*").isEmpty());
    // The root's pseudo file systems (/proc, /sys) are never offered for a walk.
    const QStringList root = getSubDirectories("/*.*");
    EXPECT_FALSE(root.contains("proc"));
    EXPECT_FALSE(root.contains("sys"));
}
