#include "explorer/explorerfiles.h"

#include "common/filedir.h"
#include "support/testutil.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <utime.h>

using namespace gb;

namespace {

QStringList names(const ExplorerFiles &files)
{
    QStringList out;
    for (const ExplorerFile &f : files)
        out << f.name;
    return out;
}

void setDay(const QString &path, const QDate &day)
{
    struct utimbuf times;
    times.actime = times.modtime = QDateTime(day, QTime(12, 0)).toSecsSinceEpoch();
    ::utime(QFile::encodeName(path).constData(), &times);
}

ExplorerFile file(const QString &name, qint64 size = 0, const QString &date = "20020308")
{
    const int dot = name.lastIndexOf('.');
    return {"/f/" + name, name, size, "A", date, dot < 0 ? QString() : name.mid(dot + 1)};
}

} // namespace

TEST(ExplorerScan, GathersImagesMaskByMaskIgnoringCase)
{
    const QString dir = gbtest::makeTempDir("scan") + "/";
    for (const char *n : {"beach.JPG", "apple.gif", "Cat.png", "scan.tiff", "clip.avi", "notes.txt", "old.jpeg",
                          "b.jpg", "shot.PSD"})
        gbtest::writeFile(dir + n, "x");
    QDir(dir).mkdir("folder.jpg");
    const ExplorerFiles files = scanExplorerFolder(dir);
    EXPECT_EQ(names(files),
              QStringList({"b.jpg", "beach.JPG", "apple.gif", "Cat.png", "scan.tiff", "clip.avi", "shot.PSD"}));
    EXPECT_EQ(files[1].fullPath, dir + "beach.JPG");
    EXPECT_EQ(files[1].extension, "JPG");
    EXPECT_TRUE(scanExplorerFolder(dir + "missing/").empty());
    EXPECT_TRUE(scanExplorerFolder("").empty());
}

TEST(ExplorerSort, ByEveryKeyBothWays)
{
    ExplorerFiles files = {file("beach.JPG", 300, "20020101"), file("apple.gif", 20, "20030101"),
                           file("Cat.png", 1000, "20010101")};
    sortExplorerFiles(files, SortByName, SortAscending);
    EXPECT_EQ(names(files), QStringList({"apple.gif", "beach.JPG", "Cat.png"}));
    sortExplorerFiles(files, SortByName, SortDescending);
    EXPECT_EQ(names(files), QStringList({"Cat.png", "beach.JPG", "apple.gif"}));
    sortExplorerFiles(files, SortByExtension, SortAscending);
    EXPECT_EQ(names(files), QStringList({"apple.gif", "beach.JPG", "Cat.png"}));
    sortExplorerFiles(files, SortByExtension, SortDescending);
    EXPECT_EQ(names(files), QStringList({"Cat.png", "beach.JPG", "apple.gif"}));
    sortExplorerFiles(files, SortBySize, SortAscending);
    EXPECT_EQ(names(files), QStringList({"apple.gif", "beach.JPG", "Cat.png"}));
    sortExplorerFiles(files, SortByDate, SortDescending);
    EXPECT_EQ(names(files), QStringList({"apple.gif", "beach.JPG", "Cat.png"}));
}

TEST(ExplorerFilter, EveryTestAndDaysInclusive)
{
    ExplorerFilter f;
    f.aFilterExt = {"jpg"};
    f.cFilterInclude = "IMG";
    EXPECT_TRUE(passesExplorerFilter(file("img_01.JPG"), f));
    EXPECT_FALSE(passesExplorerFilter(file("IMG_02.gif"), f));
    EXPECT_FALSE(passesExplorerFilter(file("photo.jpg"), f));

    ExplorerFilter ex;
    ex.cFilterExclude = "tmp";
    EXPECT_FALSE(passesExplorerFilter(file("a_TMP.png"), ex));
    EXPECT_TRUE(passesExplorerFilter(file("a.png"), ex));

    ExplorerFilter day;
    day.dFilterAfter = day.dFilterBefore = QDate(2002, 3, 8);
    EXPECT_TRUE(passesExplorerFilter(file("a.png", 0, "20020308"), day));
    EXPECT_FALSE(passesExplorerFilter(file("a.png", 0, "20020307"), day));
    EXPECT_FALSE(passesExplorerFilter(file("a.png", 0, "20020309"), day));

    ExplorerFilter anyBox;
    anyBox.aFilterExt = {"gif"};
    EXPECT_FALSE(passesExplorerFilter(file("clip.avi"), anyBox));
    EXPECT_TRUE(passesExplorerFilter(file("clip.avi"), ExplorerFilter()));
}

TEST(ExplorerScan, DatesComeFromTheFiles)
{
    const QString dir = gbtest::makeTempDir("dates") + "/";
    gbtest::writeFile(dir + "a.jpg", "x");
    setDay(dir + "a.jpg", QDate(2002, 3, 8));
    const ExplorerFiles files = scanExplorerFolder(dir);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].date, "20020308");
}
