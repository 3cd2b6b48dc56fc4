#include "explorer/imagefinder.h"

#include "explorerfixture.h"
#include "support/testutil.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace gb;

TEST(ImageFinder, EachCriterionOnItsOwn)
{
    FindCriteria all;
    all.imageTypes = {"BMP", "EMF", "GIF", "JPG", "PCX", "PNG", "TGA", "TIF", "WMF", "PSD"};
    auto with = [&](auto change) {
        FindCriteria c = all;
        change(c);
        return c;
    };
    const FindCriteria jpgOnly = with([](FindCriteria &c) { c.imageTypes = {"JPG"}; });
    const FindCriteria hol = with([](FindCriteria &c) { c.includeInFile = "Hol"; });
    const FindCriteria tmp = with([](FindCriteria &c) { c.excludeFromFile = "tmp"; });
    const FindCriteria sizes = with([](FindCriteria &c) {
        c.minFileSize = 10;
        c.maxFileSize = 20;
    });
    const FindCriteria may = with([](FindCriteria &c) {
        c.modAfter = QDate(2001, 5, 1);
        c.modBefore = QDate(2001, 5, 31);
    });
    const FindCriteria sameDay = with([](FindCriteria &c) { c.modAfter = c.modBefore = QDate(2001, 5, 10); });

    struct Case {
        const FindCriteria *criteria;
        const char *name;
        qint64 bytes;
        const char *day;
        bool matches;
    } cases[] = {
        {&jpgOnly, "photo.JPG", 0, "", true},
        {&jpgOnly, "photo.jpeg", 0, "", false},
        {&jpgOnly, "photo.png", 0, "", false},
        {&all, "..", 0, "", false},
        {&all, "tiff.tiff", 0, "", false},
        {&hol, "Holiday.jpg", 0, "", true},
        {&hol, "holiday.jpg", 0, "", false},
        {&tmp, "tmp1.jpg", 0, "", false},
        {&tmp, "atmp.gif", 0, "", false},
        {&tmp, "TMP.gif", 0, "", true},
        {&sizes, "a.jpg", 10240, "", false}, // 10 kb is not greater than 10
        {&sizes, "a.jpg", 20480, "", true},
        {&sizes, "a.jpg", 21503, "", true},  // still 20 kb
        {&sizes, "a.jpg", 21504, "", false},
        {&may, "a.jpg", 0, "20010501", false},
        {&may, "a.jpg", 0, "20010502", true},
        {&may, "a.jpg", 0, "20010531", true},
        {&may, "a.jpg", 0, "20010601", false},
        {&sameDay, "a.jpg", 0, "20010510", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(matchesFindCriteria(*c.criteria, c.name, c.bytes, c.day), c.matches) << c.name << " " << c.bytes << " " << c.day;
}

TEST(ImageFinder, WalksDepthFirstCountsEveryEntryAndNeverFollowsLinks)
{
    const QString root = gbtest::makeTempDir("find") + "/";
    QDir(root).mkpath("sub/deeper");
    for (const char *f : {"a.jpg", "notes.txt", "sub/b.JPG", "sub/deeper/c.png"})
        ASSERT_TRUE(gbtest::writeFile(root + f, "x"));
    // A link back up the tree would loop forever if it were followed.
    ASSERT_EQ(::symlink(QFile::encodeName(root).constData(), QFile::encodeName(root + "sub/loop").constData()), 0);

    FindCriteria c;
    c.lookInFolder = root;
    c.imageTypes = {"JPG", "PNG"};
    QStringList found, entered;
    ImageFinder finder;
    finder.found = [&](const QString &p) { found << p; };
    finder.folderEntered = [&](const QString &f) { entered << f; };
    EXPECT_TRUE(finder.run(c));
    // Without subfolders: . .. a.jpg notes.txt sub.
    EXPECT_EQ(finder.searched(), 5);
    EXPECT_EQ(found, QStringList{root + "a.jpg"});

    c.lookInSubfolders = true;
    found.clear();
    entered.clear();
    EXPECT_TRUE(finder.run(c));
    EXPECT_EQ(entered, QStringList({root, root + "sub/", root + "sub/deeper/"}));
    EXPECT_EQ(found, QStringList({root + "a.jpg", root + "sub/b.JPG", root + "sub/deeper/c.png"}));
    // 5 at the top, 5 in sub (. .. b.JPG deeper loop), 3 in deeper.
    EXPECT_EQ(finder.searched(), 13);
    EXPECT_EQ(finder.foundCount(), 3);
}

TEST(ImageFinder, ProgressCanStopTheSearch)
{
    const QString root = gbtest::makeTempDir("stop") + "/";
    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(gbtest::writeFile(root + QString("f%1.jpg").arg(i), "x"));
    FindCriteria c;
    c.lookInFolder = root;
    c.imageTypes = {"JPG"};
    ImageFinder finder;
    int calls = 0;
    finder.found = [&](const QString &) { ::usleep(60000); };
    finder.progress = [&](qint64, qint64) { return ++calls < 2; };
    EXPECT_FALSE(finder.run(c));
    EXPECT_LT(finder.foundCount(), 20);
}
